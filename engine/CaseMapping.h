#pragma once

// Upper- and lower-casing of engine text. The shipping program uses the
// system's ANSI code-page mapping; the portable core cannot reach it, so it
// goes through this seam. The default maps ASCII letters only; the Windows
// build installs the system mapping at start-up.
class CaseMapping {
public:
    virtual ~CaseMapping() = default;
    virtual void Upper(char* text, int length) const = 0;
    virtual void Lower(char* text, int length) const = 0;
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
