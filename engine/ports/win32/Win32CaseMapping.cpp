#include "engine/ports/win32/Win32CaseMapping.h"

#include <windows.h>

#include "engine/ports/CaseMapping.h"

namespace {

// Every ANSI code page, single- or double-byte, keeps the bytes below 128 as
// ASCII: no lead byte is among them, so a text made only of such bytes maps
// as ASCII does. Under Wine the system call converts to wide text and back,
// which costs more than a script line.
bool IsAscii(const char* text, int length) {
    unsigned char any = 0;
    for (int i = 0; i < length; ++i) any |= static_cast<unsigned char>(text[i]);
    return any < 0x80;
}

} // namespace

void Win32CaseMapping::Upper(char* text, int length) const {
    if (length <= 0) return;
    if (IsAscii(text, length)) {
        AsciiCaseMapping().Upper(text, length);
    } else {
        CharUpperBuffA(text, static_cast<DWORD>(length));
    }
}

void Win32CaseMapping::Lower(char* text, int length) const {
    if (length <= 0) return;
    if (IsAscii(text, length)) {
        AsciiCaseMapping().Lower(text, length);
    } else {
        CharLowerBuffA(text, static_cast<DWORD>(length));
    }
}

bool Win32CaseMapping::IsAlpha(char c) const {
    return IsCharAlphaA(c) != FALSE;
}

bool Win32CaseMapping::IsAlphaNumeric(char c) const {
    return IsCharAlphaNumericA(c) != FALSE;
}

bool Win32CaseMapping::IsLower(char c) const {
    return IsCharLowerA(c) != FALSE;
}

bool Win32CaseMapping::IsUpper(char c) const {
    return IsCharUpperA(c) != FALSE;
}
