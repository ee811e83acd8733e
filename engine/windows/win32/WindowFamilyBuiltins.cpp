#include "engine/windows/win32/WindowFamilyBuiltins.h"

void BindWindowFamilyBuiltins() {
  BindWindowActionBuiltins();
  BindWindowQueryBuiltins();
  BindWindowMenuTipBuiltins();
  BindWindowWaitBuiltins();
  BindMouseBuiltins();
  BindPixelBuiltins();
  BindControlBuiltins();
  BindControlCommandBuiltin();
  BindStatusBarBuiltin();
  BindKeyBuiltins();
}
