#include "engine/system/win32/Download.h"

#include <windows.h>
#include <wininet.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/ports/win32/ModuleFunction.h"

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

// The length an HTTP answer announces; false when it announces none.
bool AnnouncedLength(const InternetLibrary& wininet, HINTERNET request, unsigned long long& length) {
  char text[32] = {};
  DWORD size = sizeof text - 1;
  if (!wininet.queryInfo(request, HTTP_QUERY_CONTENT_LENGTH, text, &size, nullptr)) return false;
  char* end = nullptr;
  length = std::strtoull(text, &end, 10);
  return end != text;
}

// Reads the whole answer into the file; false when a read or a write fails
// or fewer bytes arrive than the server announced.
bool CopyToFile(const InternetLibrary& wininet, HINTERNET request, const std::string& file) {
  std::FILE* out = std::fopen(file.c_str(), "wb");
  if (!out) return false;
  char chunk[8192];
  unsigned long long total = 0;
  bool ok = true;
  for (;;) {
    DWORD got = 0;
    if (!wininet.read(request, chunk, sizeof chunk, &got) || (got > 0 && std::fwrite(chunk, 1, got, out) != got)) {
      ok = false;
      break;
    }
    if (got == 0) break;
    total += got;
  }
  ok = std::fclose(out) == 0 && ok;
  unsigned long long announced = 0;
  return ok && (!AnnouncedLength(wininet, request, announced) || announced == total);
}

// A new empty file in the target's folder, where it can replace the target.
bool MakeTemporaryBeside(const std::string& file, std::string& temporary) {
  char full[MAX_PATH] = {};
  char* name = nullptr;
  const DWORD length = GetFullPathNameA(file.c_str(), MAX_PATH, full, &name);
  if (length == 0 || length >= MAX_PATH || !name) return false;
  *name = '\0';
  char made[MAX_PATH] = {};
  if (!GetTempFileNameA(full, "qmd", 0, made)) return false;
  temporary = made;
  return true;
}

// The answer goes to a temporary file that takes the target's place only
// once all of it has arrived: a failed download leaves the target as it was.
bool DownloadTo(const InternetLibrary& wininet, HINTERNET request, const std::string& file) {
  std::string temporary;
  if (!MakeTemporaryBeside(file, temporary)) return false;
  const bool ok = CopyToFile(wininet, request, temporary) &&
                  MoveFileExA(temporary.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING);
  if (!ok) DeleteFileA(temporary.c_str());
  return ok;
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
    ok = !AnsweredWithError(wininet, request) && DownloadTo(wininet, request, file);
    wininet.close(request);
  }
  wininet.close(session);
  return ok;
}
