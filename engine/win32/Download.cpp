#include "engine/win32/Download.h"

#include <windows.h>
#include <wininet.h>

#include <cstdio>

#include "engine/win32/ModuleFunction.h"

namespace {

struct InternetLibrary {
  using OpenFn = HINTERNET(WINAPI*)(LPCSTR, DWORD, LPCSTR, LPCSTR, DWORD);
  using OpenUrlFn = HINTERNET(WINAPI*)(HINTERNET, LPCSTR, LPCSTR, DWORD, DWORD, DWORD_PTR);
  using ReadFn = BOOL(WINAPI*)(HINTERNET, LPVOID, DWORD, LPDWORD);
  using CloseFn = BOOL(WINAPI*)(HINTERNET);
  using QueryInfoFn = BOOL(WINAPI*)(HINTERNET, DWORD, LPVOID, LPDWORD, LPDWORD);

  HMODULE module = LoadLibraryA("wininet.dll");
  OpenFn open = Get<OpenFn>("InternetOpenA");
  OpenUrlFn openUrl = Get<OpenUrlFn>("InternetOpenUrlA");
  ReadFn read = Get<ReadFn>("InternetReadFile");
  CloseFn close = Get<CloseFn>("InternetCloseHandle");
  QueryInfoFn queryInfo = Get<QueryInfoFn>("HttpQueryInfoA");

  ~InternetLibrary() {
    if (module) FreeLibrary(module);
  }
  bool Loaded() const { return open && openUrl && read && close && queryInfo; }

  template <typename Fn>
  Fn Get(const char* name) {
    return ModuleFunction<Fn>(module, name);
  }
};

// An HTTP answer with an error status is no download; other schemes have no
// status and pass.
bool AnsweredWithError(const InternetLibrary& wininet, HINTERNET request) {
  DWORD status = 0;
  DWORD size = sizeof status;
  if (!wininet.queryInfo(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size,
                         nullptr)) {
    return false;
  }
  return status >= 400;
}

bool CopyToFile(const InternetLibrary& wininet, HINTERNET request, const std::string& file) {
  std::FILE* out = std::fopen(file.c_str(), "wb");
  if (!out) return false;
  char chunk[8192];
  for (;;) {
    DWORD got = 0;
    if (!wininet.read(request, chunk, sizeof chunk, &got) ||
        (got > 0 && std::fwrite(chunk, 1, got, out) != got)) {
      std::fclose(out);
      DeleteFileA(file.c_str());
      return false;
    }
    if (got == 0) break;
  }
  if (std::fclose(out) != 0) {
    DeleteFileA(file.c_str());
    return false;
  }
  return true;
}

}  // namespace

bool DownloadUrlToFile(const std::string& url, const std::string& file, bool& noLibrary) {
  InternetLibrary wininet;
  noLibrary = !wininet.Loaded();
  if (noLibrary) return false;
  HINTERNET session = wininet.open(nullptr, INTERNET_OPEN_TYPE_PRECONFIG_WITH_NO_AUTOPROXY, nullptr,
                                   nullptr, 0);
  if (!session) return false;
  bool ok = false;
  if (HINTERNET request = wininet.openUrl(session, url.c_str(), nullptr, 0, 0, 0)) {
    ok = !AnsweredWithError(wininet, request) && CopyToFile(wininet, request, file);
    wininet.close(request);
  }
  wininet.close(session);
  return ok;
}
