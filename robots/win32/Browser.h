// Opening web pages in the user's browser.
#pragma once

#include <string>

// Opens the address with the shell's "open" verb; tells the user when the
// shell cannot.
void OpenInBrowser(const std::string& address);
