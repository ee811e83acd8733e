// The mouse built-ins: MOUSEMOVE, MOUSERELATIVEMOVE, MOUSECLICK,
// MOUSEDOUBLECLICK, MOUSECLICKDRAG, MOUSEDOWN, MOUSEUP, MOUSEWHEEL,
// MOUSEGETPOS and MOUSEGETCURSOR. Events go through the mouse port.
#include <windows.h>

#include <string>

#include "engine/language/BuiltinTable.h"
#include "engine/language/MerlaneScript.h"
#include "engine/windows/MouseMotion.h"
#include "engine/scripting/ResultArray.h"
#include "engine/windows/win32/ScreenOrigin.h"
#include "engine/windows/win32/WindowFamilyBuiltins.h"
#include "engine/windows/win32/WindowSearch.h"
#include "engine/values/ClampedInt.h"

namespace {

constexpr int kJumpPauseMs = 2;
constexpr int kRelativeJumpPauseMs = 20;

std::string ButtonOf(const ScriptValueList& args) { return args.GetAt(0).GetText(); }

// The count in argument `index`: 1 when it is not given.
int CountOf(const ScriptValueList& args, int index) {
  return args.Count() > index ? args.GetAt(index).GetInt() : 1;
}

// A click or wheel loop goes on while it has turns left and nobody asked the
// run to stop.
bool TurnsLeft(const CMerlane_Script& engine, int turns) {
  return turns > 0 && !engine.stopRequest;
}

// A move to a script point (relative to the foreground window in
// MouseCoordMode 0).
void MouseMoveTo(CMerlane_Script& engine, int x, int y, int speed) {
  POINT origin = CoordinateOrigin(engine.MouseCoordMode);
  MoveMouseTo(GetMousePort(), AddClamped(x, origin.x), AddClamped(y, origin.y), speed, kJumpPauseMs,
              &engine.stopRequest);
}

int FnMouseMove(CMerlane_Script& engine, ScriptValueList& args, ScriptValue&) {
  SaveCursorBeforeMove(engine);
  MouseMoveTo(engine, args.GetAt(0).GetInt(), args.GetAt(1).GetInt(), 0);
  return 0;
}

int FnMouseRelativeMove(CMerlane_Script& engine, ScriptValueList& args, ScriptValue&) {
  MousePort& port = GetMousePort();
  int x = 0, y = 0;
  port.CursorPosition(x, y);
  POINT origin = CoordinateOrigin(engine.MouseCoordMode);
  MoveMouseTo(port, AddClamped(x + origin.x, args.GetAt(0).GetInt()),
              AddClamped(y + origin.y, args.GetAt(1).GetInt()), 0, kRelativeJumpPauseMs);
  return 0;
}

int FnMouseClick(CMerlane_Script& engine, ScriptValueList& args, ScriptValue&) {
  MousePort& port = GetMousePort();
  const std::string button = ButtonOf(args);
  for (int i = CountOf(args, 1); TurnsLeft(engine, i); --i) {
    MouseClickOnce(port, button, engine.MouseClickDownDelay);
    port.Pause(engine.MouseClickDelay);
    BackgroundClickStep(engine);
  }
  return 0;
}

int FnMouseDoubleClick(CMerlane_Script& engine, ScriptValueList& args, ScriptValue&) {
  MousePort& port = GetMousePort();
  const std::string button = ButtonOf(args);
  for (int i = CountOf(args, 1); TurnsLeft(engine, i); --i) {
    MouseDoubleClick(port, button, engine.MouseClickDownDelay);
    port.Pause(engine.MouseClickDelay);
    BackgroundClickStep(engine);
  }
  return 0;
}

int FnMouseClickDrag(CMerlane_Script& engine, ScriptValueList& args, ScriptValue&) {
  MousePort& port = GetMousePort();
  const std::string button = ButtonOf(args);
  // Without a speed both moves glide at the default speed.
  int speed = args.Count() >= 6 ? args.GetAt(5).GetInt() : -1;
  MouseMoveTo(engine, args.GetAt(1).GetInt(), args.GetAt(2).GetInt(), speed);
  if (speed < 2 && speed != -1) speed = 2;
  MouseButtonDown(port, button);
  port.Pause(engine.MouseClickDragDelay);
  MouseMoveTo(engine, args.GetAt(3).GetInt(), args.GetAt(4).GetInt(), speed);
  port.Pause(engine.MouseClickDragDelay);
  MouseButtonUp(port, button);
  port.Pause(engine.MouseClickDelay);
  BackgroundClickStep(engine);
  return 0;
}

int FnMouseDown(CMerlane_Script&, ScriptValueList& args, ScriptValue&) {
  MouseButtonDown(GetMousePort(), ButtonOf(args));
  return 0;
}

int FnMouseUp(CMerlane_Script& engine, ScriptValueList& args, ScriptValue&) {
  MouseButtonUp(GetMousePort(), ButtonOf(args));
  BackgroundClickStep(engine);
  return 0;
}

int FnMouseWheel(CMerlane_Script& engine, ScriptValueList& args, ScriptValue&) {
  MousePort& port = GetMousePort();
  const std::string direction = args.GetAt(0).GetText();
  for (int i = CountOf(args, 1); TurnsLeft(engine, i); --i) {
    MouseWheel(port, direction);
    port.Pause(engine.MouseClickDelay);
  }
  return 0;
}

int FnMouseGetPos(CMerlane_Script& engine, ScriptValueList&, ScriptValue& result) {
  int x = 0, y = 0;
  GetMousePort().CursorPosition(x, y);
  POINT origin = CoordinateOrigin(engine.MouseCoordMode);
  SetResultInts(result, {x - origin.x, y - origin.y});
  return 0;
}

int FnMouseGetCursor(CMerlane_Script&, ScriptValueList&, ScriptValue& result) {
  static const LPCSTR kCursors[] = {IDC_APPSTARTING, IDC_ARROW,  IDC_CROSS,  IDC_HELP,    IDC_IBEAM,
                                    IDC_ICON,        IDC_NO,     IDC_SIZE,   IDC_SIZEALL, IDC_SIZENESW,
                                    IDC_SIZENS,      IDC_SIZENWSE, IDC_SIZEWE, IDC_UPARROW, IDC_WAIT};
  POINT point = {};
  GetCursorPos(&point);
  HCURSOR cursor = nullptr;
  if (HWND window = WindowFromPoint(point)) {
    WindowThreadAttachment attachment(window);
    cursor = GetCursor();
  }
  result.SetInt(0);
  if (!cursor) return 0;
  for (int i = 0; i < static_cast<int>(sizeof kCursors / sizeof kCursors[0]); ++i) {
    if (LoadCursorA(nullptr, kCursors[i]) == cursor) {
      result.SetInt(i + 1);
      break;
    }
  }
  return 0;
}

}  // namespace

void BindMouseBuiltins() {
  BindBuiltin("MOUSEMOVE", &FnMouseMove);
  BindBuiltin("MOUSERELATIVEMOVE", &FnMouseRelativeMove);
  BindBuiltin("MOUSECLICK", &FnMouseClick);
  BindBuiltin("MOUSEDOUBLECLICK", &FnMouseDoubleClick);
  BindBuiltin("MOUSECLICKDRAG", &FnMouseClickDrag);
  BindBuiltin("MOUSEDOWN", &FnMouseDown);
  BindBuiltin("MOUSEUP", &FnMouseUp);
  BindBuiltin("MOUSEWHEEL", &FnMouseWheel);
  BindBuiltin("MOUSEGETPOS", &FnMouseGetPos);
  BindBuiltin("MOUSEGETCURSOR", &FnMouseGetCursor);
}
