#include "engine/win32/Win32CaseMapping.h"

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
