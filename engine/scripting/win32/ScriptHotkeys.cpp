#include "engine/scripting/win32/ScriptHotkeys.h"

#include <windows.h>

#include <string>

#include "engine/language/BuiltinTable.h"
#include "engine/language/MerlaneScript.h"

namespace {

// Modifier bits of RegisterHotKey, also the low word of a slot's code.
constexpr UINT kAlt = 1;
constexpr UINT kCtrl = 2;
constexpr UINT kShift = 4;
constexpr UINT kWin = 8;

void ReleaseHotkey(const HotkeySlot& slot) { UnregisterHotKey(nullptr, slot.id); }

// HOTKEYSET(key [, function]): with a function, registers the key or gives an
// existing one the new function; without, removes it. Result 1 on success.
int FnHotKeySet(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  const bool withFunction = args.Count() >= 2;
  const std::string function = withFunction ? args.GetAt(1).GetText() : "";
  if (withFunction && !engine.FindUserFunction(function)) {
    engine.ReportLineError("Unknown function name.", -1);
    return 1;
  }
  int vk = 0;
  bool shift = false, ctrl = false, alt = false, win = false;
  if (!engine.keySender.ParseKey(args.GetAt(0).GetText(), vk, shift, ctrl, alt, win)) {
    result.SetInt(0);
    return 0;
  }
  const UINT modifiers = (alt ? kAlt : 0) | (ctrl ? kCtrl : 0) | (shift ? kShift : 0) | (win ? kWin : 0);
  const int code = vk * 65536 + static_cast<int>(modifiers);
  HWND window = static_cast<HWND>(engine.engineWindow);

  for (std::unique_ptr<HotkeySlot>& slot : engine.hotkeySlots) {
    if (!slot || slot->code != code) continue;
    if (withFunction) {
      slot->function = function;
    } else {
      UnregisterHotKey(window, slot->id);
      slot.reset();
    }
    return 0;
  }
  if (!withFunction) {
    result.SetInt(0);
    return 0;
  }
  for (int i = 0; i < CMerlane_Script::kSlotCount; ++i) {
    std::unique_ptr<HotkeySlot>& slot = engine.hotkeySlots[static_cast<size_t>(i)];
    if (slot) continue;
    if (!RegisterHotKey(window, i, modifiers, static_cast<UINT>(vk))) break;
    slot = std::make_unique<HotkeySlot>(HotkeySlot{i, code, function});
    return 0;
  }
  result.SetInt(0);
  return 0;
}

}  // namespace

void BindScriptHotkeyBuiltins() {
  BindBuiltin("HOTKEYSET", &FnHotKeySet);
  SetHotkeyReleaser(&ReleaseHotkey);
}
