// The pixel built-ins: PIXELGETCOLOR, PIXELSEARCH, PIXELCHECKSUM and the
// robot's colour test CHECKCOLOR. A point with no pixel (off the screen) is
// reported as such, never read as white.
#include <windows.h>

#include <cstdint>

#include "engine/language/BuiltinTable.h"
#include "engine/ports/HexText.h"
#include "engine/language/MerlaneScript.h"
#include "engine/windows/PixelScan.h"
#include "engine/scripting/ResultArray.h"
#include "engine/windows/win32/ScreenOrigin.h"
#include "engine/windows/win32/WindowFamilyBuiltins.h"
#include "engine/values/ClampedInt.h"

namespace {

// The screen's device context for the span of one built-in.
class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ~ScreenDc() {
    if (dc_) ReleaseDC(nullptr, dc_);
  }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;

  explicit operator bool() const { return dc_ != nullptr; }
  std::uint32_t Pixel(int x, int y) const { return GetPixel(dc_, x, y); }
  PixelReader Reader() const {
    return [this](int x, int y) { return Pixel(x, y); };
  }

 private:
  HDC dc_;
};

static_assert(kInvalidColour == CLR_INVALID);

int FnPixelGetColor(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  POINT origin = CoordinateOrigin(engine.PixelCoordMode);
  ScreenDc screen;
  if (!screen) {
    engine.SetErrorValue(1);
    return 0;
  }
  unsigned colour = screen.Pixel(AddClamped(args.GetAt(0).GetInt(), origin.x), AddClamped(args.GetAt(1).GetInt(), origin.y));
  if (colour == kInvalidColour) {
    engine.SetErrorValue(1);
    result.SetInt(-1);
    return 0;
  }
  if (engine.ColorMode == 0) SwapRedBlue(colour);
  result.SetInt(static_cast<int>(colour));
  return 0;
}

int FnPixelSearch(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  POINT origin = CoordinateOrigin(engine.PixelCoordMode);
  unsigned colour = static_cast<unsigned>(args.GetAt(4).GetInt());
  if (engine.ColorMode == 0) SwapRedBlue(colour);
  int shade = args.Count() >= 6 ? args.GetAt(5).GetInt() : 0;
  int step = args.Count() >= 7 ? args.GetAt(6).GetInt() : 1;
  if (step < 2) step = 1;
  ScreenDc screen;
  int x = 0, y = 0;
  if (!screen || !ScanForPixel(AddClamped(args.GetAt(0).GetInt(), origin.x), AddClamped(args.GetAt(1).GetInt(), origin.y),
                               AddClamped(args.GetAt(2).GetInt(), origin.x), AddClamped(args.GetAt(3).GetInt(), origin.y), step,
                               MakeShadeRange(colour, shade), screen.Reader(), x, y)) {
    engine.SetErrorValue(1);
    return 0;
  }
  SetResultInts(result, {x - origin.x, y - origin.y});
  return 0;
}

int FnPixelChecksum(CMerlane_Script& engine, ScriptValueList& args, ScriptValue& result) {
  POINT origin = CoordinateOrigin(engine.PixelCoordMode);
  ScreenDc screen;
  if (!screen) {
    engine.SetErrorValue(1);
    return 0;
  }
  std::uint32_t sum = PixelChecksum(AddClamped(args.GetAt(0).GetInt(), origin.x), AddClamped(args.GetAt(1).GetInt(), origin.y),
                                    AddClamped(args.GetAt(2).GetInt(), origin.x), AddClamped(args.GetAt(3).GetInt(), origin.y),
                                    screen.Reader());
  result.SetDouble(static_cast<double>(sum));
  return 0;
}

int FnCheckColor(CMerlane_Script&, ScriptValueList& args, ScriptValue& result) {
  POINT point = {args.GetAt(0).GetInt(), args.GetAt(1).GetInt()};
  if (point.x == -1 && point.y == -1) GetCursorPos(&point);
  ScreenDc screen;
  if (!screen) return 0;
  bool passes = ColourPasses(args.GetAt(5).GetInt(), screen.Pixel(point.x, point.y), args.GetAt(2).GetInt(),
                             args.GetAt(3).GetInt(), args.GetAt(4).GetInt());
  result.SetInt(passes ? 1 : 0);
  return 0;
}

}  // namespace

void BindPixelBuiltins() {
  BindBuiltin("PIXELGETCOLOR", &FnPixelGetColor);
  BindBuiltin("PIXELSEARCH", &FnPixelSearch);
  BindBuiltin("PIXELCHECKSUM", &FnPixelChecksum);
  BindBuiltin("CHECKCOLOR", &FnCheckColor);
}
