#include "engine/values/ScriptValueStack.h"

void ScriptValueStack::Pop() {
    if (!items_.empty()) {
        items_.pop_back();
    }
}
