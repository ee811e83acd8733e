#include "engine/values/ScriptString.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <utility>

#include "engine/values/AsciiNoCase.h"
#include "engine/ports/CaseMapping.h"

namespace {

constexpr std::int64_t kMaxSize = std::numeric_limits<std::int32_t>::max();

// Size of a buffer holding length characters and the terminator.
int ExactCapacity(std::int64_t length) {
    if (length < 0 || length + 1 > kMaxSize) {
        throw std::length_error("ScriptString too long");
    }
    return static_cast<int>(length + 1);
}

int CheckedLength(const char* text) {
    return ExactCapacity(static_cast<std::int64_t>(std::strlen(text))) - 1;
}

bool InSet(char c, const char* set, std::size_t setLength) {
    return std::memchr(set, c, setLength) != nullptr;
}

} // namespace

int ScriptString::GrownCapacity(std::int64_t newLength) {
    ExactCapacity(newLength);
    return static_cast<int>(std::min(2 * newLength + 1, kMaxSize));
}

ScriptString::ScriptString() : buffer_(inline_) {}

ScriptString::ScriptString(const char* text) : buffer_(inline_) {
    const int length = CheckedLength(text);
    ReplaceBuffer(length + 1);
    std::memcpy(buffer_, text, length + 1);
    length_ = length;
}

// An inline text is copied as the whole fixed-size buffer: a copy of known
// size needs no call into the C library, whose copy under Windows is slow
// for a few bytes. Nothing reads past the terminator.
ScriptString::ScriptString(const ScriptString& other) : buffer_(inline_) {
    if (!other.OnHeap()) {
        std::memcpy(inline_, other.inline_, kInlineSize);
        length_ = other.length_;
        capacity_ = other.capacity_;
        return;
    }
    ReplaceBuffer(other.capacity_);
    std::memcpy(buffer_, other.buffer_, other.length_ + 1);
    length_ = other.length_;
}

// The source is left empty, with its inline buffer: no string is ever
// without one.
ScriptString::ScriptString(ScriptString&& other) : buffer_(inline_) {
    TakeFrom(other);
}

ScriptString& ScriptString::operator=(const ScriptString& other) {
    Assign(other);
    return *this;
}

ScriptString& ScriptString::operator=(ScriptString&& other) noexcept {
    if (&other != this) {
        FreeHeap();
        TakeFrom(other);
    }
    return *this;
}

ScriptString::~ScriptString() {
    FreeHeap();
}

void ScriptString::FreeHeap() noexcept {
    if (OnHeap()) {
        delete[] buffer_;
        buffer_ = inline_;
    }
}

void ScriptString::TakeFrom(ScriptString& other) noexcept {
    if (other.OnHeap()) {
        buffer_ = other.buffer_;
    } else {
        buffer_ = inline_;
        std::memcpy(inline_, other.inline_, kInlineSize);
    }
    length_ = other.length_;
    capacity_ = other.capacity_;
    other.buffer_ = other.inline_;
    other.inline_[0] = '\0';
    other.length_ = 0;
    other.capacity_ = 1;
}

ScriptString ScriptString::ForFilling(int n) {
    ScriptString s;
    const int length = std::max(n, 0);
    s.ReplaceBuffer(ExactCapacity(length));
    s.length_ = length;
    return s;
}

void ScriptString::ReplaceBuffer(int capacity) {
    FreeHeap();
    if (capacity > kInlineSize) {
        buffer_ = new char[capacity]();
        heapBuffersMade_.fetch_add(1, std::memory_order_relaxed);
    } else {
        std::memset(inline_, 0, kInlineSize);
    }
    capacity_ = capacity;
}

const char* ScriptString::At(int i) const {
    if (i < 0 || i >= length_) {
        return buffer_ + length_;
    }
    return buffer_ + i;
}

void ScriptString::Assign(const ScriptString& other) {
    if (&other == this) {
        return;
    }
    if (capacity_ < other.capacity_) {
        ReplaceBuffer(other.capacity_);
    }
    if (!OnHeap() && !other.OnHeap()) {
        std::memcpy(inline_, other.inline_, kInlineSize);
    } else {
        std::memcpy(buffer_, other.buffer_, other.length_ + 1);
    }
    length_ = other.length_;
}

void ScriptString::Assign(const char* text) {
    const int length = CheckedLength(text);
    if (capacity_ < length + 1) {
        // A text inside this buffer always fits, so it is never freed here.
        ReplaceBuffer(length + 1);
    }
    std::memmove(buffer_, text, length + 1);
    length_ = length;
}

// A zero character would break "length = characters before the terminator",
// so it leaves the string empty.
void ScriptString::Assign(char c) {
    if (capacity_ < 2) {
        ReplaceBuffer(2);
    }
    buffer_[0] = c;
    buffer_[1] = '\0';
    length_ = c != '\0' ? 1 : 0;
}

void ScriptString::Append(const ScriptString& other) {
    if (&other != this) {
        AppendBytes(other.buffer_, other.length_);
    }
}

void ScriptString::Append(const char* text) {
    AppendBytes(text, CheckedLength(text));
}

void ScriptString::Append(char c) {
    if (c != '\0') {
        AppendBytes(&c, 1);
    }
}

// The bytes may lie in this buffer: they are copied before it is freed.
void ScriptString::AppendBytes(const char* bytes, int count) {
    const std::int64_t newLength = std::int64_t{length_} + count;
    if (capacity_ < newLength + 1) {
        const int capacity = GrownCapacity(newLength);
        char* grown = capacity > kInlineSize ? new char[capacity]() : nullptr;
        if (grown) {
            heapBuffersMade_.fetch_add(1, std::memory_order_relaxed);
            std::memcpy(grown, buffer_, length_);
            std::memcpy(grown + length_, bytes, count);
            FreeHeap();
            buffer_ = grown;
        } else {
            // Still inline: the bytes fit where they are.
            std::memmove(buffer_ + length_, bytes, count);
        }
        capacity_ = capacity;
    } else {
        std::memmove(buffer_ + length_, bytes, count);
    }
    length_ = static_cast<int>(newLength);
    buffer_[length_] = '\0';
}

void ScriptString::ToUpper() {
    GetCaseMapping().Upper(buffer_, length_);
}

void ScriptString::ToLower() {
    GetCaseMapping().Lower(buffer_, length_);
}

void ScriptString::Clear() {
    ReplaceBuffer(1);
    length_ = 0;
}

void ScriptString::Erase(int from, int to) {
    if (from < 0 || from >= length_ || to < 0 || to > length_ || from >= to) {
        return;
    }
    std::memmove(buffer_ + from, buffer_ + to, length_ - to + 1);
    length_ -= to - from;
}

void ScriptString::Truncate(int i) {
    if (i >= 0 && i < length_) {
        buffer_[i] = '\0';
        length_ = i;
    }
}

void ScriptString::AssignMid(const ScriptString& source, int start, int end) {
    if (start < 0 || start >= source.length_ || end < 0 || end > source.length_ || start >= end) {
        Clear();
        return;
    }
    const int count = end - start;
    if (capacity_ < count + 1) {
        // Only another string can need more room than this one has.
        ReplaceBuffer(count + 1);
    }
    std::memmove(buffer_, source.buffer_ + start, count);
    buffer_[count] = '\0';
    length_ = count;
}

int ScriptString::FindLastNotOf(const char* set) const {
    const std::size_t setLength = std::strlen(set);
    for (int i = length_ - 1; i >= 0; --i) {
        if (!InSet(buffer_[i], set, setLength)) {
            return i;
        }
    }
    return length_;
}

int ScriptString::FindFirstOf(const char* set) const {
    const std::size_t setLength = std::strlen(set);
    for (int i = 0; i < length_; ++i) {
        if (InSet(buffer_[i], set, setLength)) {
            return i;
        }
    }
    return length_;
}

int ScriptString::Find(const char* text, bool caseSensitive, int occurrence) const {
    const std::size_t textLength = std::strlen(text);
    const auto matchesAt = [&](int i) {
        if (static_cast<std::size_t>(length_ - i) < textLength) {
            return false;
        }
        const char* at = buffer_ + i;
        return caseSensitive ? std::memcmp(at, text, textLength) == 0
                             : AsciiCompareNoCaseN(at, text, textLength) == 0;
    };
    std::int64_t wanted = occurrence;
    if (occurrence > 0) {
        for (int i = 0; i < length_; ++i) {
            if (matchesAt(i) && --wanted == 0) {
                return i;
            }
        }
        return length_;
    }
    if (occurrence < 0 && textLength <= static_cast<std::size_t>(length_)) {
        for (int i = length_ - static_cast<int>(textLength); i >= 0; --i) {
            if (matchesAt(i) && ++wanted == 0) {
                return i;
            }
        }
        return -1;
    }
    return occurrence == 0 ? length_ : -1;
}

void ScriptString::StripTrailing(const char* set) {
    const int last = FindLastNotOf(set);
    if (last == length_) {
        Clear();
    } else {
        Truncate(last + 1);
    }
}

int ScriptString::CompareNoCase(const char* text) const {
    return AsciiCompareNoCase(buffer_, text);
}

bool ScriptStringEqual(const char* text, const ScriptString& s) {
    return std::strcmp(text, s.Text()) == 0;
}
