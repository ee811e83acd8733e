#include "engine/language/IntStack.h"

void IntStack::Pop() {
    if (!items_.empty()) {
        items_.pop_back();
    }
}
