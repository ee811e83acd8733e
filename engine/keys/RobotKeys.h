// The key steps of a robot (KeySend, KeyDown, KeyUp): one named key pressed a
// number of times, held down or let go through the key sender.
#pragma once

#include <string>

#include "engine/values/ScriptValueList.h"

class KeySender;

// The code of a key name ("<Enter>", "A"), only when the name is really that
// key's name: GetKeyCode's fallback for unknown names does not count.
bool KnownKeyCode(const std::string& name, int& code);

// KeySend's count: the number in argument `index`, 1 when it is missing or
// the empty text.
int KeyStepCount(const ScriptValueList& args, int index);

enum class KeyStep { kPress, kDown, kUp };

// Sends the step: a press `count` times (none when 0 or less, and no more once
// the run is asked to stop), or one down or up. False, with nothing sent, when
// the name is no key's name.
bool SendKeyStep(KeySender& sender, KeyStep step, const std::string& name, int count);
