#include "robots/AppMessage.h"

#include "engine/ports/MessageBoxPort.h"

void ShowAppMessage(const std::string& text) { ShowMessageBox(nullptr, text, kAppTitle, mb::kOk); }
