#include "engine/scripting/RunCommand.h"

#include "engine/values/AsciiNoCase.h"

RunCommandSyntax SplitRunCommand(const std::string& command, std::string& program, std::string& parameters) {
  if (command.empty() || command[0] != '\'') return RunCommandSyntax::kInvalid;
  const size_t last = command.rfind('\'');
  if (last <= 1) return RunCommandSyntax::kEmpty;
  program = command.substr(1, last - 1);
  parameters = command.substr(last + 1);
  return RunCommandSyntax::kOk;
}

const char* RunCommandSyntaxMessage(RunCommandSyntax syntax) {
  switch (syntax) {
    case RunCommandSyntax::kInvalid: return "Invalid program to launch";
    case RunCommandSyntax::kEmpty: return "Empty program to launch";
    default: return "";
  }
}

std::string BareProgramName(const std::string& program) {
  const size_t slash = program.rfind('\\');
  return slash == std::string::npos ? program : program.substr(slash + 1);
}

bool IsExecutableProgram(const std::string& program) {
  const size_t dot = program.rfind('.');
  return dot == std::string::npos || AsciiCompareNoCase(program.c_str() + dot, ".exe") == 0;
}

std::string RunCommandLine(const std::string& program, const std::string& parameters) {
  return "\"" + program + "\"" + parameters;
}
