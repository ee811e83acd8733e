#include "tests/support/ScriptRunner.h"

#include <fstream>
#include <sstream>

#include "engine/language/RunEndedHooks.h"

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  if (from.empty()) return text;
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

ScriptRunner::ScriptRunner() = default;

void ScriptRunner::Load(const std::string& path, const std::string& text) {
  path_ = path;
  std::istringstream lines(text);
  std::string line;
  int number = 0;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    file.AddLine(++number, line, file.AddSourceFile(path));
  }
  file.BuildLineIndex();
}

bool ScriptRunner::LoadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream text;
  text << in.rdbuf();
  Load(path, text.str());
  return true;
}

int ScriptRunner::Run() {
  if (RunOnce()) return 1;
  EndWholeRun(engine);
  return 0;
}

int ScriptRunner::RunOnce() {
  if (engine.PrepareScript(path_)) return 1;
  engine.RunFromLine(1, 1);
  return 0;
}

std::string ScriptRunner::RunAndReport(const std::string& text, const std::vector<std::string>& names) {
  file.Clear();
  Load("script.txt", text);
  Run();
  return Report(names);
}

std::vector<std::string> ScriptRunner::Errors() const {
  std::vector<std::string> texts;
  for (const MessageBoxRequest& box : boxes.boxes) {
    if (box.caption == "Internal Error") texts.push_back(box.text);
  }
  return texts;
}

namespace {

// One line per entry: line breaks are written as \r and \n.
std::string OneLine(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else out += c;
  }
  return out;
}

}  // namespace

std::string ScriptRunner::Report(const std::vector<std::string>& names) {
  std::string out;
  for (const std::string& name : names) {
    std::string lookup = !name.empty() && name[0] == '$' ? name.substr(1) : name;
    const ScriptValue* value = engine.variables.Find(lookup.c_str(), VariableTable::kAutomatic);
    out += name + "=" + (value ? OneLine(value->GetText()) : std::string("<undeclared>")) + "\n";
  }
  std::vector<std::string> errors = Errors();
  if (!errors.empty()) out += "error: " + OneLine(errors.back()) + "\n";
  return out;
}

std::string RunScriptText(const std::string& script, const std::vector<std::string>& names) {
  ScriptRunner runner;
  runner.Load("script.txt", script);
  runner.Run();
  return runner.Report(names);
}
