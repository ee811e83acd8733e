#pragma once

#include "engine/ports/CaseMapping.h"

// The system's ANSI code-page case mapping and letter classes, as the
// shipping program used.
class Win32CaseMapping final : public CaseMapping {
public:
    void Upper(char* text, int length) const override;
    void Lower(char* text, int length) const override;
    bool IsAlpha(char c) const override;
    bool IsAlphaNumeric(char c) const override;
    bool IsLower(char c) const override;
    bool IsUpper(char c) const override;
};
