#pragma once

#include "engine/CaseMapping.h"

// The system's ANSI code-page case mapping, as the shipping program used.
class Win32CaseMapping final : public CaseMapping {
public:
    void Upper(char* text, int length) const override;
    void Lower(char* text, int length) const override;
};
