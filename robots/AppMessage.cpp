#include "robots/AppMessage.h"

#include "engine/ports/MessageBoxPort.h"

namespace {
AppMessageOwnerFinder ownerFinder = nullptr;
}  // namespace

void SetAppMessageOwnerFinder(AppMessageOwnerFinder finder) { ownerFinder = finder; }

void ShowAppMessage(const std::string& text) {
  ShowMessageBox(ownerFinder ? ownerFinder() : nullptr, text, kAppTitle, mb::kOk);
}
