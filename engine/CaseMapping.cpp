#include "engine/CaseMapping.h"

namespace {

const AsciiCaseMapping kAsciiMapping;
const CaseMapping* g_mapping = &kAsciiMapping;

} // namespace

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
