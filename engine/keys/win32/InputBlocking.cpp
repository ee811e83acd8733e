#include "engine/keys/win32/InputBlocking.h"

namespace {

BlockInputFunction replacement = nullptr;
bool blockedByScript = false;

// BlockInput through a run-time lookup in user32.
BOOL CallBlockInput(BOOL block) {
  if (replacement) return replacement(block);
  BOOL done = FALSE;
  if (HMODULE user32 = LoadLibraryA("user32.dll")) {
    if (FARPROC found = GetProcAddress(user32, "BlockInput")) {
      done = reinterpret_cast<BlockInputFunction>(reinterpret_cast<void*>(found))(block);
    }
    FreeLibrary(user32);
  }
  return done;
}

}  // namespace

void BlockScriptInput(bool block) {
  const BOOL done = CallBlockInput(block ? TRUE : FALSE);
  if (done) blockedByScript = block;
}

void ReleaseScriptInputBlock() {
  if (blockedByScript && CallBlockInput(FALSE)) blockedByScript = false;
}

void SetBlockInputFunction(BlockInputFunction function) {
  replacement = function;
}
