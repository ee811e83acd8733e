#include "robots/RobotSteps.h"

#include <algorithm>

#include "robots/ActionTranslator.h"
#include "robots/TextParts.h"
#include "robots/Utilities.h"

std::string KeyStepLine(const std::string& action, const std::string& key, int count) {
  if (key.empty()) return {};
  std::string line = action + " " + key;
  if (count != 1) line += ", " + IntToString(count) + " times";
  return line;
}

std::string TextStepLine(const std::string& text) {
  return text.empty() ? std::string() : "Input text " + text;
}

int StepInsertRow(int rowCount, int selectedRow, int lastAddedRow) {
  if (selectedRow < 0 || selectedRow >= rowCount) return rowCount;
  if (selectedRow == lastAddedRow) return selectedRow + 1;
  return selectedRow;
}

std::vector<std::string> ScriptLinesOfSteps(const std::vector<std::string>& steps) {
  std::vector<std::string> lines;
  for (const std::string& step : steps) {
    if (step.empty()) {
      lines.push_back(step);
      continue;
    }
    std::string line = ActionToScriptLine(step);
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

std::string RepeatText(int repeatMode, int count) {
  return repeatMode == 1 ? "Run until pressing end key" : "Run " + IntToString(count) + " times";
}

bool CountInRange(const std::string& text, int min, int max, int& count) {
  std::string number = TrimBlanks(text);
  if (!number.empty() && number[0] == '+') number.erase(0, 1);
  std::size_t point = number.find('.');
  std::string whole = number.substr(0, point);
  std::string decimals = point == std::string::npos ? "" : number.substr(point + 1);
  auto allDigits = [](const std::string& part) {
    return part.find_first_not_of("0123456789") == std::string::npos;
  };
  if (whole.empty() || !allDigits(whole) || !allDigits(decimals)) return false;
  // Leading zeros aside, more than nine digits lie beyond any int range.
  whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
  if (whole.size() > 9) return false;
  int value = AtoiText(whole);
  if (value < min || value > max) return false;
  count = value;
  return true;
}

bool SaveRemovesOldFile(const std::string& oldName, const std::string& newName) {
  return !oldName.empty() && !EqualsNoCase(oldName, newName);
}
