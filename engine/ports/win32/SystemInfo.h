// Facts of the system that macros and built-ins report: file versions, the
// host's addresses and registry texts.
#pragma once

#include <windows.h>

#include <string>

// The fixed file version of a program file as "a.b.c.d"; false without one.
bool GetFileVersionText(const std::string& file, std::string& version);

// The host's n-th address (from 1) as dotted text; "0.0.0.0" when it has fewer.
std::string GetHostIPAddresses(int n);

// The text of a registry value read into at most `size` bytes; "" when it
// cannot be read.
std::string ReadRegistryText(HKEY root, const std::string& subkey, const std::string& valueName,
                             DWORD size);
