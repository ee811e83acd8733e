#include "engine/windows/win32/ScreenOrigin.h"

POINT CoordinateOrigin(int coordMode) {
  POINT origin = {0, 0};
  RECT rect = {};
  if (coordMode == 0 && GetWindowRect(GetForegroundWindow(), &rect)) {
    origin.x = rect.left;
    origin.y = rect.top;
  }
  return origin;
}
