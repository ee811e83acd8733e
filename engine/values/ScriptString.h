#pragma once

#include <atomic>
#include <cstdint>

// The engine's owned single-byte text. Capacities follow the engine's own
// growth rule (appends double the needed size), which callers and tests
// rely on, so this is not a std::string.
//
// Invariants: the buffer is never null and always terminated; capacity is at
// least length + 1. A buffer of up to kInlineSize bytes lives inside the
// object, so short texts cost no allocation; the capacity reported is the
// growth rule's all the same. The one exception is a string made with ForFilling: its
// length is the reserved size until the caller has filled the buffer.
// Lengths are 32-bit: a growth that cannot be represented throws
// std::length_error instead of wrapping.
class ScriptString {
public:
    ScriptString();
    explicit ScriptString(const char* text);
    ScriptString(const ScriptString& other);
    ScriptString(ScriptString&& other);
    ScriptString& operator=(const ScriptString& other);
    ScriptString& operator=(ScriptString&& other) noexcept;
    ~ScriptString();

    // A zero-filled buffer of n + 1 bytes whose length field already says n;
    // the caller writes the text through Data().
    static ScriptString ForFilling(int n);

    const char* Text() const { return buffer_; }
    char* Data() { return buffer_; }
    int Length() const { return length_; }
    int Capacity() const { return capacity_; }

    // The i-th character; any index outside the text gives the terminator.
    const char* At(int i) const;

    void Assign(const ScriptString& other);
    void Assign(const char* text);
    void Assign(char c);
    void Append(const ScriptString& other);
    void Append(const char* text);
    void Append(char c);

    void ToUpper();
    void ToLower();
    bool IsEmpty() const { return buffer_[0] == '\0'; }
    void Clear();
    void Erase(int from, int to);
    void Truncate(int i);
    void AssignMid(const ScriptString& source, int start, int end);

    int FindLastNotOf(const char* set) const;
    int FindFirstOf(const char* set) const;
    // occurrence > 0 counts overlapping matches from the front (no match:
    // the length); 0 gives the length; < 0 counts from the back (no match:
    // -1).
    int Find(const char* text, bool caseSensitive, int occurrence) const;
    void StripTrailing(const char* set);
    int CompareNoCase(const char* text) const;

    // Capacity for a text of newLength characters under the growth rule:
    // 2n + 1, capped at the largest 32-bit size; throws std::length_error
    // when newLength + 1 itself does not fit.
    static int GrownCapacity(std::int64_t newLength);

    static constexpr int kInlineSize = 24;

    // How many heap buffers strings have made so far (texts too long for
    // the inline buffer): tests count the copies of a long text by it.
    static std::uint32_t HeapBuffersMade() { return heapBuffersMade_.load(std::memory_order_relaxed); }

private:
    static inline std::atomic<std::uint32_t> heapBuffersMade_{0};

    bool OnHeap() const { return buffer_ != inline_; }
    // A zero-filled buffer of that capacity; the old one is freed.
    void ReplaceBuffer(int capacity);
    // Takes the other string's text and leaves it empty.
    void TakeFrom(ScriptString& other) noexcept;
    void FreeHeap() noexcept;
    void AppendBytes(const char* bytes, int count);

    char* buffer_;
    std::int32_t length_ = 0;
    std::int32_t capacity_ = 1;
    char inline_[kInlineSize] = {};
};

// Exact byte-wise equality.
bool ScriptStringEqual(const char* text, const ScriptString& s);
