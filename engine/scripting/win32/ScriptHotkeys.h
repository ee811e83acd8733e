// HOTKEYSET: script hot keys, registered for the thread (the interpreter has
// no window). Their presses reach the run loop through the message pump's
// hot-key ring; each runs its user function as a nested run.
#pragma once

// Binds HOTKEYSET and sets how the interpreter gives its hot keys back.
void BindScriptHotkeyBuiltins();
