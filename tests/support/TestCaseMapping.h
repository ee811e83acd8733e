#pragma once

#include "engine/ports/CaseMapping.h"

// A case mapping that, beyond ASCII, pairs 0xE9 with 0xC9 (e acute in the
// Western code page) and counts them as lower- and upper-case letters. Text
// that comes out with 0xC9 went through the seam; the portable default
// leaves 0xE9 alone and counts it as no letter.
class AccentCaseMapping final : public CaseMapping {
public:
    void Upper(char* text, int length) const override;
    void Lower(char* text, int length) const override;
    bool IsLower(char c) const override;
    bool IsUpper(char c) const override;
};

// Installs a mapping for the lifetime of the object, then restores the one
// that was installed before.
class ScopedCaseMapping {
public:
    explicit ScopedCaseMapping(const CaseMapping& mapping);
    ~ScopedCaseMapping();
    ScopedCaseMapping(const ScopedCaseMapping&) = delete;
    ScopedCaseMapping& operator=(const ScopedCaseMapping&) = delete;

private:
    const CaseMapping* previous_;
};
