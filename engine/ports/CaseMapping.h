#pragma once

// Upper- and lower-casing of engine text and the letter classes of its
// characters. The shipping program uses the system's ANSI code-page rules;
// the portable core cannot reach them, so it goes through this seam. The
// default knows ASCII letters only; the Windows build installs the system
// rules at start-up.
class CaseMapping {
public:
    virtual ~CaseMapping() = default;
    virtual void Upper(char* text, int length) const = 0;
    virtual void Lower(char* text, int length) const = 0;
    // Letter classes (the defaults: ASCII letters and digits).
    virtual bool IsAlpha(char c) const;
    virtual bool IsAlphaNumeric(char c) const;
    virtual bool IsLower(char c) const;
    virtual bool IsUpper(char c) const;
};

class AsciiCaseMapping final : public CaseMapping {
public:
    void Upper(char* text, int length) const override;
    void Lower(char* text, int length) const override;
};

// The mapping is not owned and must outlive its use; null restores the
// ASCII default.
void SetCaseMapping(const CaseMapping* mapping);
const CaseMapping& GetCaseMapping();
