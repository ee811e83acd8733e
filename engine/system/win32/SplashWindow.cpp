// SPLASHIMAGEON, SPLASHTEXTON and SPLASHOFF: one splash window showing a
// picture file or a text.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <string>

#include "engine/language/BuiltinTable.h"
#include "engine/language/MerlaneScript.h"
#include "engine/system/win32/ScriptWindow.h"
#include "engine/system/win32/SystemBuiltins.h"
#include "engine/values/ClampedInt.h"

namespace {

const char kPictureError[] = "The requested picture file could not be loaded.";

struct SplashWindow {
  ScriptWindow window;
  IPicture* picture = nullptr;  // owns the bitmap the window shows
};

SplashWindow splash;

// An optional integer argument; absent ones are -1, the "default" of these
// calls.
int SplashArgument(const ScriptValueList& args, int i) { return IntArgument(args, i, -1); }

// The file whole in movable memory, as a stream for the picture loader.
IStream* OpenFileStream(const std::string& path, LONG& size) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  LARGE_INTEGER length = {};
  IStream* stream = nullptr;
  if (GetFileSizeEx(file, &length) && length.QuadPart > 0 && length.QuadPart < 0x7FFFFFFF) {
    size = static_cast<LONG>(length.QuadPart);
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(size))) {
      void* bytes = GlobalLock(memory);
      DWORD read = 0;
      const bool whole = bytes && ReadFile(file, bytes, static_cast<DWORD>(size), &read, nullptr) && read == DWORD(size);
      if (bytes) GlobalUnlock(memory);
      if (!whole || FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
        GlobalFree(memory);
        stream = nullptr;
      }
    }
  }
  CloseHandle(file);
  return stream;
}

// The picture of a file when it holds a bitmap (the forms the system's
// picture loader reads), or null.
IPicture* LoadBitmapPicture(const std::string& path) {
  static const bool oleReady = SUCCEEDED(OleInitialize(nullptr));
  (void)oleReady;
  LONG size = 0;
  IStream* stream = OpenFileStream(path, size);
  if (!stream) return nullptr;
  IPicture* picture = nullptr;
  if (FAILED(OleLoadPicture(stream, size, FALSE, IID_IPicture, reinterpret_cast<void**>(&picture)))) {
    picture = nullptr;
  }
  stream->Release();
  SHORT type = PICTYPE_NONE;
  if (picture && (FAILED(picture->get_Type(&type)) || type != PICTYPE_BITMAP)) {
    picture->Release();
    picture = nullptr;
  }
  return picture;
}

HBITMAP BitmapOf(IPicture* picture) {
  OLE_HANDLE handle = 0;
  picture->get_Handle(&handle);
  // Picture handles are 32 bits wide; GDI handles are sign-extended.
  return reinterpret_cast<HBITMAP>(static_cast<LONG_PTR>(static_cast<LONG>(handle)));
}

// The client size, style and options of a splash window.
struct SplashLayout {
  int width = 500;
  int height = 400;
  DWORD style = kScriptWindowStyle;
  DWORD exStyle = WS_EX_TOPMOST;
  int options = -1;
};

// The steps both kinds share: size, place, options and the window itself.
bool CreateSplash(CMerlane_Script& engine, ScriptValueList& args, SplashLayout& layout) {
  const int width = SplashArgument(args, 2);
  const int height = SplashArgument(args, 3);
  if (width != -1) layout.width = width;
  if (height != -1) layout.height = height;
  RECT desktop = {};
  GetWindowRect(GetDesktopWindow(), &desktop);
  int x = SplashArgument(args, 4);
  int y = SplashArgument(args, 5);
  if (x == -1) x = AddClamped(desktop.right, -static_cast<long long>(layout.width)) / 2;
  if (y == -1) y = AddClamped(desktop.bottom, -static_cast<long long>(layout.height)) / 2;
  layout.options = SplashArgument(args, 6);
  if (layout.options != -1) {
    if (layout.options & 2) layout.exStyle = 0;
    if (layout.options & 1) layout.style = kScriptWindowThinBorder;
    if (layout.options & 16) layout.style ^= WS_DISABLED;
  }
  return splash.window.Create(static_cast<HWND>(engine.engineWindow), args.GetAt(0).GetText(), layout.style,
                              layout.exStyle, x, y, layout.width, layout.height);
}

int FnSplashImageOn(CMerlane_Script& engine, ScriptValueList& args, ScriptValue&) {
  DestroySplashWindow();
  IPicture* picture = LoadBitmapPicture(args.GetAt(1).GetText());
  if (!picture) {
    engine.ReportLineError(kPictureError, -1);
    return 1;
  }
  SplashLayout layout;
  if (!CreateSplash(engine, args, layout)) {
    picture->Release();
    return 0;
  }
  splash.picture = picture;
  HWND image = splash.window.AddChild("static", "", SS_BITMAP, 0, 0, 0, layout.width, layout.height);
  SendMessageA(image, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(BitmapOf(picture)));
  SetWindowPos(image, nullptr, 0, 0, layout.width, layout.height, SWP_NOZORDER | SWP_NOACTIVATE);
  splash.window.Show();
  return 0;
}

// Text alignment from the options: 8 right, then 4 left.
DWORD TextAlignment(int options) {
  DWORD alignment = SS_CENTER;
  if (options == -1) return alignment;
  if (options & 8) alignment = SS_RIGHT;
  if (options & 4) alignment = SS_LEFT;
  return alignment;
}

int FnSplashTextOn(CMerlane_Script& engine, ScriptValueList& args, ScriptValue&) {
  DestroySplashWindow();
  SplashLayout layout;
  if (!CreateSplash(engine, args, layout)) return 0;
  const std::string face = args.Count() > 7 ? args.GetAt(7).GetText() : "";
  const int points = SplashArgument(args, 8);
  const int weight = SplashArgument(args, 9);
  HFONT font = splash.window.MakeFont(face, points >= 6 ? points : 12, weight >= 0 && weight <= 1000 ? weight : 400);
  splash.window.AddChild("static", args.GetAt(1).GetText(), TextAlignment(layout.options), 0, 0, 0, layout.width,
                         layout.height, font);
  splash.window.Show();
  return 0;
}

int FnSplashOff(CMerlane_Script&, ScriptValueList&, ScriptValue&) {
  DestroySplashWindow();
  return 0;
}

}  // namespace

void DestroySplashWindow() {
  splash.window.Destroy();
  if (splash.picture) splash.picture->Release();
  splash.picture = nullptr;
}

void BindSplashBuiltins() {
  BindBuiltin("SPLASHIMAGEON", &FnSplashImageOn);
  BindBuiltin("SPLASHTEXTON", &FnSplashTextOn);
  BindBuiltin("SPLASHOFF", &FnSplashOff);
}
