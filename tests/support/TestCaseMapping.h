#pragma once

#include "engine/CaseMapping.h"

// A case mapping that, beyond ASCII, pairs 0xE9 with 0xC9 (e acute in the
// Western code page). Text that comes out with 0xC9 went through the seam;
// the portable default leaves 0xE9 alone.
class AccentCaseMapping final : public CaseMapping {
public:
    void Upper(char* text, int length) const override;
    void Lower(char* text, int length) const override;
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
