#include "engine/ports/CaseMapping.h"

namespace {

const AsciiCaseMapping kAsciiMapping;
const CaseMapping* g_mapping = &kAsciiMapping;

} // namespace

bool CaseMapping::IsAlpha(char c) const {
    return IsLower(c) || IsUpper(c);
}

bool CaseMapping::IsAlphaNumeric(char c) const {
    return IsAlpha(c) || (c >= '0' && c <= '9');
}

bool CaseMapping::IsLower(char c) const {
    return c >= 'a' && c <= 'z';
}

bool CaseMapping::IsUpper(char c) const {
    return c >= 'A' && c <= 'Z';
}

void AsciiCaseMapping::Upper(char* text, int length) const {
    for (int i = 0; i < length; ++i) {
        if (text[i] >= 'a' && text[i] <= 'z') {
            text[i] = static_cast<char>(text[i] - 'a' + 'A');
        }
    }
}

void AsciiCaseMapping::Lower(char* text, int length) const {
    for (int i = 0; i < length; ++i) {
        if (text[i] >= 'A' && text[i] <= 'Z') {
            text[i] = static_cast<char>(text[i] - 'A' + 'a');
        }
    }
}

void SetCaseMapping(const CaseMapping* mapping) {
    g_mapping = mapping != nullptr ? mapping : &kAsciiMapping;
}

const CaseMapping& GetCaseMapping() {
    return *g_mapping;
}
