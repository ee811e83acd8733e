#include "engine/language/RunEndedHooks.h"

#include <algorithm>
#include <vector>

#include "engine/language/MerlaneScript.h"

namespace {

std::vector<RunEndedHook>& Hooks() {
  static std::vector<RunEndedHook> hooks;
  return hooks;
}

}  // namespace

void AddRunEndedHook(RunEndedHook hook) {
  std::vector<RunEndedHook>& hooks = Hooks();
  if (hook && std::find(hooks.begin(), hooks.end(), hook) == hooks.end()) hooks.push_back(hook);
}

void EndWholeRun(CMerlane_Script& engine) {
  for (RunEndedHook hook : Hooks()) hook(engine);
  // Last, once input is no longer blocked. A stop request means the run was
  // cut short (end key, script error, quit): keys it held down would stay
  // held for the user. A run that ended by itself keeps what it holds.
  if (engine.stopRequest) {
    engine.keySender.ReleaseHeldKeys();
  } else {
    engine.keySender.ForgetHeldKeys();
  }
}
