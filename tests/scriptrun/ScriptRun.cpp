// scriptrun: runs a script for the tests.
//
//   scriptrun FILE [NAME...]   runs FILE (plain script lines) from line 1 and
//                              prints NAME=value for each name, then
//                              "error: " and the "Internal Error" text when
//                              the run ended on a script error.
//   scriptrun --suite TABLE... runs every case of conformance tables and
//                              compares the output with the expected one.
//
// A table holds cases: a line "=== NAME" begins one, its script lines
// follow, a line "---" ends them, and the expected output follows up to the
// next case. The names printed are those of the expected "NAME=" lines. In
// the expected error text the script's file is written as NAME.txt.
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/ScriptRunner.h"

#ifdef _WIN32
#include "engine/language/win32/SystemServices.h"
#endif

namespace {

struct Case {
  std::string name;
  std::string script;
  std::string expected;
  int line = 0;
};

bool ReadTable(const std::string& path, std::vector<Case>* cases) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string line;
  bool inScript = false;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("=== ", 0) == 0) {
      cases->push_back(Case{line.substr(4), "", "", number});
      inScript = true;
    } else if (cases->empty()) {
      continue;  // heading comments of the table
    } else if (inScript && line == "---") {
      inScript = false;
    } else {
      (inScript ? cases->back().script : cases->back().expected) += line + "\n";
    }
  }
  // A blank line separates one case from the next.
  for (Case& test : *cases) {
    while (test.expected.size() >= 2 && test.expected.compare(test.expected.size() - 2, 2, "\n\n") == 0)
      test.expected.pop_back();
    if (test.expected == "\n") test.expected.clear();
  }
  return true;
}

// The names of the expected "NAME=" lines.
std::vector<std::string> ExpectedNames(const std::string& expected) {
  std::vector<std::string> names;
  std::istringstream lines(expected);
  std::string line;
  while (std::getline(lines, line)) {
    size_t equal = line.find('=');
    if (line.rfind("error: ", 0) != 0 && equal != std::string::npos) names.push_back(line.substr(0, equal));
  }
  return names;
}

int RunSuite(int argc, char** argv) {
  int passed = 0;
  int failed = 0;
  for (int i = 2; i < argc; ++i) {
    std::vector<Case> cases;
    if (!ReadTable(argv[i], &cases)) {
      std::fprintf(stderr, "scriptrun: cannot read %s\n", argv[i]);
      return 2;
    }
    for (const Case& test : cases) {
      auto runner = std::make_unique<ScriptRunner>();
      const std::string fileName = test.name + ".txt";
      runner->Load(fileName, test.script);
      runner->Run();
      std::string actual = runner->Report(ExpectedNames(test.expected));
      if (const std::string* full = runner->file.GetSourceFileName(0)) actual = ReplaceAll(actual, *full, fileName);
      if (actual == test.expected) {
        ++passed;
        continue;
      }
      ++failed;
      std::printf("FAILED %s:%d %s\n--- expected\n%s--- actual\n%s\n", argv[i], test.line, test.name.c_str(),
                  test.expected.c_str(), actual.c_str());
    }
  }
  std::printf("conformance: %d passed, %d failed\n", passed, failed);
  return failed ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  InstallWindowsServices();
#endif
  if (argc < 2) {
    std::fprintf(stderr, "usage: scriptrun FILE [NAME...] | scriptrun --suite TABLE...\n");
    return 2;
  }
  if (std::string(argv[1]) == "--suite") return RunSuite(argc, argv);
  auto runner = std::make_unique<ScriptRunner>();
  if (!runner->LoadFile(argv[1])) {
    std::fprintf(stderr, "scriptrun: cannot read %s\n", argv[1]);
    return 2;
  }
  runner->Run();
  std::vector<std::string> names(argv + 2, argv + argc);
  std::fputs(runner->Report(names).c_str(), stdout);
  return 0;
}
