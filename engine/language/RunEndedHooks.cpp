#include "engine/language/RunEndedHooks.h"

#include <algorithm>
#include <vector>

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
}
