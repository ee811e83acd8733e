#include "engine/ports/win32/Win32CaseMapping.h"

#include <windows.h>

void Win32CaseMapping::Upper(char* text, int length) const {
    if (length > 0) {
        CharUpperBuffA(text, static_cast<DWORD>(length));
    }
}

void Win32CaseMapping::Lower(char* text, int length) const {
    if (length > 0) {
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
