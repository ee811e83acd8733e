// Action line -> script line.
#include <cstring>
#include <utility>

#include "robots/ActionLineParts.h"
#include "robots/ActionTranslator.h"
#include "robots/TextParts.h"

namespace {

const std::string kTimes = " times";

struct Translation {
  std::string script;
  bool annotated = true;  // the window tag and speed marker follow the script
};

// The count from `from` up to the final " times".
std::string Count(const std::string& body, std::size_t from) {
  return TextBetween(body, from, EndsWith(body, kTimes) ? body.size() - kTimes.size() : body.size());
}

// "Mouse Left Click" or "Mouse Left Click, N times".
std::string Click(const std::string& body, const std::string& prefix, const std::string& call) {
  std::string count = "1";
  if (EndsWith(body, "times")) count = StartsWith(body, prefix + ", ") ? Count(body, prefix.size() + 2) : "";
  return call + count + ")";
}

// "Mouse move to X, Y": X runs to the first comma, Y starts after the comma and its blank.
std::string Move(const std::string& body, const std::string& prefix, const std::string& call) {
  std::size_t comma = body.find(',');
  std::string x = comma == std::string::npos ? TextFrom(body, prefix.size())
                                             : TextBetween(body, prefix.size(), comma);
  std::string y = comma == std::string::npos ? "" : TextFrom(body, comma + 2);
  return call + x + ", " + y + ")";
}

// "Key Press K" or "Key Press K, N times"; the comma key is "Key Press ," or
// "Key Press ,, N times" and its script carries no annotations.
Translation Key(const std::string& body, const std::string& prefix, const std::string& name) {
  const std::string head = name + "(\"\",\"\",\"\",\"";
  std::size_t comma = body.find(',');
  if (comma == std::string::npos) return {head + TextFrom(body, prefix.size()) + "\", 1)"};
  if (comma == prefix.size()) {
    const std::string doubled = prefix + ",,";
    std::string count = "1";
    if (StartsWith(body, doubled)) count = Count(body, doubled.size());
    return {head + ",\"," + count + ")", false};
  }
  std::string key = TextBetween(body, prefix.size(), comma);
  std::string count = Count(body, comma + 2);
  return {head + key + "\", " + count + ")"};
}

// "Wait N milliseconds|seconds|minutes"; a number without a known unit is milliseconds.
std::string Wait(const std::string& body) {
  static const std::pair<std::string, long long> kUnits[] = {
      {"milliseconds", 1}, {"seconds", 1000}, {"minutes", 60000}};
  const std::size_t start = std::strlen("Wait ");
  std::string number = TextFrom(body, start);
  long long factor = 1;
  for (const auto& [unit, unitFactor] : kUnits) {
    if (!EndsWith(body, unit)) continue;
    std::size_t end = body.size() - unit.size();
    number = TextBetween(body, start, end > 0 ? end - 1 : 0);
    factor = unitFactor;
    break;
  }
  // Wide arithmetic: minutes times 60000 leaves the int range.
  long long ms = AtoiText(number) * factor;
  return (ms <= 60000 ? "WAIT(" : "WAITLONG(") + std::to_string(ms) + ")";
}

// Typed text goes out raw, so that + ^ ! # { are typed as themselves. Double
// quotes and line breaks cannot stand inside one script string and are left out.
std::string InputText(const std::string& body) {
  std::string text;
  for (char c : TextFrom(body, std::strlen("Input text ")))
    if (c != '"' && c != '\r' && c != '\n') text += c;
  return "Send(\"" + text + "\", 1)";
}

int HexPair(const std::string& colour, std::size_t at) {
  return 16 * HexDigitValue(TextBetween(colour, at, at + 1)) +
         HexDigitValue(TextBetween(colour, at + 1, at + 2));
}

// "If color at (X, Y) Equal to #RRGGBB, Then" or "If color at mouse point ...".
std::string ColourTest(const std::string& body) {
  std::string x = "-1", y = "-1";
  std::size_t wordStart = std::strlen("If color at mouse point") + 1;
  const std::string pointHead = "If color at (";
  if (StartsWith(body, pointHead)) {
    std::size_t comma = body.find(',');
    std::size_t close = comma == std::string::npos ? comma : body.find(')', comma);
    x = TrimLeadingBlanks(TextBetween(body, pointHead.size(), comma));
    y = comma == std::string::npos ? "" : TrimLeadingBlanks(TextBetween(body, comma + 1, close));
    wordStart = close == std::string::npos ? body.size() : close + 2;
  }
  std::string word = TextFrom(body, wordStart);
  const char* comparison = StartsWith(word, "Equal to") ? "0" : StartsWith(word, "Unqual to") ? "1" : "2";
  std::size_t hash = body.find('#');
  std::string colour = hash == std::string::npos ? "" : WithoutSuffix(body.substr(hash + 1), ", Then");
  return "If CheckColor(" + x + "," + y + "," + std::to_string(HexPair(colour, 0)) + "," +
         std::to_string(HexPair(colour, 2)) + "," + std::to_string(HexPair(colour, 4)) + "," +
         comparison + ") Then";
}

// "Start loopL, loop N times".
std::string LoopStart(const std::string& body) {
  const std::size_t start = std::strlen("Start loop");
  std::size_t comma = body.find(',');
  std::string loop = comma == std::string::npos ? TextFrom(body, start) : TextBetween(body, start, comma);
  std::size_t countAt = body.find(", loop ");
  std::string count = countAt == std::string::npos ? "" : Count(body, countAt + std::strlen(", loop "));
  return "For $count" + loop + " = 1 To " + count;
}

// "Run P|W|F|M", read from the end: M, F, then W after the last "|" left.
std::string RunLine(const std::string& body) {
  std::string rest = TextFrom(body, std::strlen("Run "));
  auto takeLast = [&rest]() {
    std::string last = rest.empty() ? "" : rest.substr(rest.size() - 1);
    if (!rest.empty()) rest.pop_back();
    return last;
  };
  std::string mode = takeLast();
  takeLast();  // its "|"
  std::string flag = takeLast();
  takeLast();  // its "|"
  std::size_t bar = rest.rfind('|');
  std::string program = bar == std::string::npos ? rest : rest.substr(0, bar);
  std::string folder = bar == std::string::npos ? "" : rest.substr(bar + 1);
  const char* call = mode == "1" ? "RunReadyInput(\"" : mode == "2" ? "RunWait(\"" : "Run(\"";
  return call + program + "\", \"" + folder + "\", " + flag + ")";
}

Translation TranslateBody(const std::string& body) {
  static const std::pair<const char*, const char*> kClicks[] = {
      {"Mouse Left Click", "MouseClick(\"left\", "},
      {"Mouse Right Click", "MouseClick(\"right\", "},
      {"Mouse Double Click", "MouseDoubleClick(\"left\", "}};
  static const std::pair<const char*, const char*> kButtons[] = {
      {"Mouse Left Down", "MouseDown(\"left\")"},   {"Mouse Left Up", "MouseUp(\"left\")"},
      {"Mouse Right Down", "MouseDown(\"right\")"}, {"Mouse Right Up", "MouseUp(\"right\")"}};
  static const std::pair<const char*, const char*> kMoves[] = {
      {"Mouse move to", "MouseMove("}, {"Relative mouse move", "MouseRelativeMove("}};
  static const std::pair<const char*, const char*> kKeys[] = {
      {"Key Press ", "KeySend"}, {"Key Up ", "KeyUp"}, {"Key Down ", "KeyDown"}};
  static const std::pair<const char*, const char*> kShutdowns[] = {
      {"Shut down computer", "Shutdown(1)"}, {"Power off computer", "Shutdown(8)"},
      {"Restart computer", "Shutdown(2)"},   {"Log off computer", "Shutdown(0)"}};

  for (const auto& [prefix, call] : kClicks)
    if (StartsWith(body, prefix)) return {Click(body, prefix, call)};
  if (StartsWith(body, "Mouse Scroll "))
    return {EqualsNoCase(TextFrom(body, 13), "Up") ? "MouseWheel(\"up\")" : "MouseWheel(\"down\")"};
  for (const auto& [prefix, script] : kButtons)
    if (StartsWith(body, prefix)) return {script};
  for (const auto& [prefix, call] : kMoves)
    if (StartsWith(body, prefix)) return {Move(body, std::string(prefix) + " ", call)};
  for (const auto& [prefix, name] : kKeys)
    if (StartsWith(body, prefix)) return Key(body, prefix, name);
  if (StartsWith(body, "Wait")) return {Wait(body)};
  if (StartsWith(body, "Input text")) return {InputText(body)};
  if (StartsWith(body, "If color at ")) return {ColourTest(body)};
  if (StartsWith(body, "Else") || StartsWith(body, "EndIf")) return {body};
  if (StartsWith(body, "TAG")) return {"TAG $" + TextFrom(body, 4)};
  if (StartsWith(body, "Switch to TAG")) return {"GOTO $" + TextFrom(body, 14)};
  if (StartsWith(body, "Start loop")) return {LoopStart(body)};
  if (StartsWith(body, "End loop block")) return {"Next"};
  if (StartsWith(body, "Comment:")) return {body};
  if (StartsWith(body, "Run ")) return {RunLine(body), false};
  for (const auto& [text, script] : kShutdowns)
    if (body == text) return {script};
  return {""};
}

}  // namespace

std::string ActionToScriptLine(const std::string& actionLine) {
  if (StartsWith(actionLine, kScriptLineAction)) return TextFrom(actionLine, std::strlen(kScriptLineAction));
  LineParts parts = SplitActionLine(actionLine);
  Translation translation = TranslateBody(parts.body);
  if (!translation.annotated || translation.script.empty()) return translation.script;
  return JoinScriptLine(translation.script, parts);
}
