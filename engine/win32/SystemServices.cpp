#include "engine/win32/SystemServices.h"

#include "engine/CaseMapping.h"
#include "engine/win32/Win32CaseMapping.h"

void InstallWindowsServices() {
    static const Win32CaseMapping caseMapping;
    SetCaseMapping(&caseMapping);
}
