// The program's plain notice: an OK box without an owner, titled with the
// program's name, shown through the one message-box port.
#pragma once

#include <string>

inline constexpr const char* kAppTitle = "Tarnwick Quillmark";

void ShowAppMessage(const std::string& text);
