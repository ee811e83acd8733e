#include "engine/ScriptValueStack.h"

void ScriptValueStack::Pop() {
    if (!items_.empty()) {
        items_.pop_back();
    }
}
