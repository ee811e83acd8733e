#include "app/ScriptEngine.h"

// The adapter of the process's interpreter (EngineAdapter.cpp).
ScriptEngine& ProcessScriptEngine();

namespace {
ScriptEngine* installed = nullptr;
}  // namespace

ScriptEngine& GetScriptEngine() { return installed ? *installed : ProcessScriptEngine(); }

void SetScriptEngine(ScriptEngine* engine) { installed = engine; }
