// Script line -> action line.
#include <cstring>
#include <utility>
#include <vector>

#include "engine/ports/MessageBoxPort.h"
#include "robots/ActionLineParts.h"
#include "robots/ActionTranslator.h"
#include "robots/TextParts.h"

namespace {

// Position of the n-th double quote (counted from 0), or npos.
std::size_t NthQuote(const std::string& line, int n) {
  std::size_t at = std::string::npos;
  for (int i = 0; i <= n; ++i) {
    at = line.find('"', at == std::string::npos ? 0 : at + 1);
    if (at == std::string::npos) break;
  }
  return at;
}

// The n-th quoted argument (counted from 0); empty when the line lacks it.
std::string QuotedArgument(const std::string& line, int n) {
  std::size_t open = NthQuote(line, 2 * n);
  std::size_t close = open == std::string::npos ? open : line.find('"', open + 1);
  return open == std::string::npos ? "" : TextBetween(line, open + 1, close);
}

// The text between the first "(" and the last ")".
std::string Arguments(const std::string& line) {
  std::size_t open = line.find('(');
  return open == std::string::npos ? "" : TextBetween(line, open + 1, line.rfind(')'));
}

// "left" gives "Left".
std::string ButtonName(const std::string& text) {
  std::string name = text;
  for (std::size_t i = 0; i < name.size(); ++i) {
    char c = name[i];
    if (i == 0 && c >= 'a' && c <= 'z') name[i] = static_cast<char>(c - 'a' + 'A');
    if (i > 0 && c >= 'A' && c <= 'Z') name[i] = static_cast<char>(c - 'A' + 'a');
  }
  return name;
}

std::string WithCount(const std::string& action, const std::string& count) {
  return count == "1" ? action : action + ", " + count + " times";
}

std::string Click(const std::string& line, bool isDouble) {
  std::size_t separator = line.find(", ");
  std::string count = separator == std::string::npos ? "" : TextBetween(line, separator + 2, line.rfind(')'));
  return WithCount(isDouble ? "Mouse Double Click" : "Mouse " + ButtonName(QuotedArgument(line, 0)) + " Click",
                   count);
}

std::string Move(const std::string& line, const std::string& action) {
  std::string arguments = Arguments(line);
  std::size_t comma = arguments.find(',');
  if (comma == std::string::npos) return action + TrimBlanks(arguments) + ", ";
  return action + TrimBlanks(arguments.substr(0, comma)) + ", " + TrimBlanks(arguments.substr(comma + 1));
}

// KeySend("","","","K", N): K runs from the fourth argument's opening quote to
// the last quote, N from the last comma to the closing parenthesis.
std::string Key(const std::string& line, const std::string& action) {
  std::size_t open = NthQuote(line, 6);
  std::string key = open == std::string::npos ? "" : TextBetween(line, open + 1, line.rfind('"'));
  std::size_t comma = line.rfind(',');
  std::string count = comma == std::string::npos ? "" : TrimLeadingBlanks(TextBetween(line, comma + 1, line.rfind(')')));
  return WithCount(action + key, count);
}

std::string BetweenFirstAndLastQuote(const std::string& line) {
  std::size_t first = line.find('"');
  return first == std::string::npos ? "" : TextBetween(line, first + 1, line.rfind('"'));
}

std::string LoopStart(const std::string& line) {
  const std::size_t start = std::strlen("For $count");
  std::string loop = TrimTrailingBlanks(TextBetween(line, start, line.find('=', start)));
  std::size_t blank = line.rfind(' ');
  std::string count = blank == std::string::npos ? "" : line.substr(blank + 1);
  return "Start loop" + loop + ", loop " + count + " times";
}

std::string ColourTest(const std::string& line) {
  const std::size_t open = std::strlen("If CheckColor(");
  std::string arguments = TextBetween(line, open, line.find(')', open));
  std::vector<std::string> values = SplitText(arguments, ',');
  values.resize(6);
  for (std::string& value : values) value = TrimBlanks(value);
  std::string action = values[0] == "-1" && values[1] == "-1"
                           ? "If color at mouse point "
                           : "If color at (" + values[0] + ", " + values[1] + ") ";
  action += values[5] == "0" ? "Equal to #" : values[5] == "1" ? "Unqual to #" : "Approximately equal to #";
  for (int i = 2; i < 5; ++i) {
    int component = AtoiText(values[i]);
    action += HexDigitText(component / 16) + HexDigitText(component % 16);
  }
  return action + ", Then";
}

std::string RunLine(const std::string& line, const char* mode) {
  std::size_t comma = line.rfind(',');
  std::string flag = comma == std::string::npos ? "" : TrimBlanks(TextBetween(line, comma + 1, line.rfind(')')));
  if (flag.size() != 1) ShowMessageBox(nullptr, "Some error may happened", "Warning", mb::kOk);
  return "Run " + QuotedArgument(line, 0) + "|" + QuotedArgument(line, 1) + "|" + flag + "|" + mode;
}

std::string Shutdown(const std::string& line) {
  static const std::pair<const char*, const char*> kShutdowns[] = {
      {"1", "Shut down computer"}, {"8", "Power off computer"},
      {"2", "Restart computer"},   {"0", "Log off computer"}};
  std::string argument = Arguments(line);
  for (const auto& [code, action] : kShutdowns)
    if (argument == code) return action;
  return "";
}

std::string TranslateBody(const std::string& line) {
  if (StartsWith(line, "MouseClick(")) return Click(line, false);
  if (StartsWith(line, "MouseDoubleClick(")) return Click(line, true);
  if (StartsWith(line, "MouseWheel("))
    return EqualsNoCase(Arguments(line), "\"up\"") ? "Mouse Scroll Up" : "Mouse Scroll Down";
  if (StartsWith(line, "MouseDown(")) return "Mouse " + ButtonName(QuotedArgument(line, 0)) + " Down";
  if (StartsWith(line, "MouseUp(")) return "Mouse " + ButtonName(QuotedArgument(line, 0)) + " Up";
  if (StartsWith(line, "MouseMove(")) return Move(line, "Mouse move to ");
  if (StartsWith(line, "MouseRelativeMove(")) return Move(line, "Relative mouse move ");
  if (StartsWith(line, "KeySend(")) return Key(line, "Key Press ");
  if (StartsWith(line, "KeyUp(")) return Key(line, "Key Up ");
  if (StartsWith(line, "KeyDown(")) return Key(line, "Key Down ");
  if (StartsWith(line, "WAIT(") || StartsWith(line, "WAITLONG("))
    return "Wait " + Arguments(line) + " milliseconds";
  if (StartsWith(line, "Send(")) return "Input text " + BetweenFirstAndLastQuote(line);
  if (StartsWith(line, "TAG $")) return "TAG " + TextFrom(line, 5);
  if (StartsWith(line, "GOTO $")) return "Switch to TAG " + TextFrom(line, 6);
  if (StartsWith(line, "For $count")) return LoopStart(line);
  if (StartsWith(line, "Next")) return "End loop block";
  if (StartsWith(line, "Comment:")) return line;
  if (StartsWith(line, "If CheckColor(")) return ColourTest(line);
  if (StartsWith(line, "Else") || StartsWith(line, "EndIf")) return line;
  if (StartsWith(line, "RunReadyInput(")) return RunLine(line, "1");
  if (StartsWith(line, "RunWait(")) return RunLine(line, "2");
  if (StartsWith(line, "Run(")) return RunLine(line, "0");
  if (StartsWith(line, "Shutdown(")) return Shutdown(line);
  return "";
}

// Send("T") types T by key notation and Send("T", 1) types it raw. For a T
// without notation characters both type the same, so the plain form counts
// as the raw one: such old lines open as "Input text T".
std::string RawFormOfPlainSend(const std::string& body) {
  const std::string head = "Send(\"", tail = "\")";
  if (!StartsWith(body, head) || !EndsWith(body, tail) || body.size() < head.size() + tail.size())
    return body;
  std::string text = body.substr(head.size(), body.size() - head.size() - tail.size());
  if (text.find_first_of("\"!#+^{") != std::string::npos) return body;
  return head + text + "\", 1)";
}

}  // namespace

std::string ScriptLineToAction(const std::string& scriptLine) {
  LineParts parts = SplitScriptLine(scriptLine);
  parts.body = RawFormOfPlainSend(parts.body);
  std::string translation = TranslateBody(parts.body);
  if (!translation.empty()) {
    std::string action = JoinActionLine(translation, parts);
    // Only an action that saves back to this very line may stand for it.
    if (ActionToScriptLine(action) == JoinScriptLine(parts.body, parts)) return action;
  }
  return scriptLine.empty() ? "" : kScriptLineAction + scriptLine;
}
