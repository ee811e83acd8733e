#include "tests/support/TestCaseMapping.h"

namespace {

constexpr char kLowerAccent = static_cast<char>(0xE9);
constexpr char kUpperAccent = static_cast<char>(0xC9);

} // namespace

void AccentCaseMapping::Upper(char* text, int length) const {
    AsciiCaseMapping().Upper(text, length);
    for (int i = 0; i < length; ++i) {
        if (text[i] == kLowerAccent) {
            text[i] = kUpperAccent;
        }
    }
}

void AccentCaseMapping::Lower(char* text, int length) const {
    AsciiCaseMapping().Lower(text, length);
    for (int i = 0; i < length; ++i) {
        if (text[i] == kUpperAccent) {
            text[i] = kLowerAccent;
        }
    }
}

bool AccentCaseMapping::IsLower(char c) const {
    return c == kLowerAccent || CaseMapping::IsLower(c);
}

bool AccentCaseMapping::IsUpper(char c) const {
    return c == kUpperAccent || CaseMapping::IsUpper(c);
}

ScopedCaseMapping::ScopedCaseMapping(const CaseMapping& mapping) : previous_(&GetCaseMapping()) {
    SetCaseMapping(&mapping);
}

ScopedCaseMapping::~ScopedCaseMapping() {
    SetCaseMapping(previous_);
}
