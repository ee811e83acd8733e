// Replaces the shell's "open" while alive: records each request and answers
// with a chosen result, so no test starts a browser or a mail program.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "robots/win32/Browser.h"

struct ShellOpenRequest {
  HWND owner;
  std::string verb;
  std::string file;
  int show;
};

class ShellOpenRecorder {
 public:
  // 42 is a success (above 32); 2 (file not found) a failure.
  explicit ShellOpenRecorder(INT_PTR answer = 42) {
    Answer() = answer;
    Requests().clear();
    SetShellOpenFunction(&Record);
  }
  ~ShellOpenRecorder() { SetShellOpenFunction(nullptr); }
  ShellOpenRecorder(const ShellOpenRecorder&) = delete;
  ShellOpenRecorder& operator=(const ShellOpenRecorder&) = delete;

  const std::vector<ShellOpenRequest>& requests() const { return Requests(); }

 private:
  static INT_PTR Record(HWND owner, const char* verb, const char* file, int show) {
    Requests().push_back({owner, verb ? verb : "", file ? file : "", show});
    return Answer();
  }
  static std::vector<ShellOpenRequest>& Requests() {
    static std::vector<ShellOpenRequest> requests;
    return requests;
  }
  static INT_PTR& Answer() {
    static INT_PTR answer = 42;
    return answer;
  }
};
