// The robot editor's steps: the action lines its key page makes, where a new
// step goes in the list, what a robot's script becomes when saved, the
// repeat text, and which file a save leaves behind.
#pragma once

#include <string>
#include <vector>

// "Key Press <Tab>, 3 times": the action ("Key Press", "Key Down", "Key Up"),
// the key, and the count unless it is 1. Empty when no key is given.
std::string KeyStepLine(const std::string& action, const std::string& key, int count);

// "Input text hi"; empty when there is no text.
std::string TextStepLine(const std::string& text);

// The row a new step takes. With no row selected (-1) it is appended. A
// selected row gives its place to the first new step; each next step goes
// right under the one added before it (`lastAddedRow`, -1 when the selection
// came from the user), so steps keep the order in which they were added.
int StepInsertRow(int rowCount, int selectedRow, int lastAddedRow);

// The script lines of the steps, in order: each action line translated,
// lines of no known form dropped. An empty step stands for an empty script
// line and stays one.
std::vector<std::string> ScriptLinesOfSteps(const std::vector<std::string>& steps);

// "Run until pressing end key" for mode 1, else "Run N times".
std::string RepeatText(int repeatMode, int count);

// The repeat count typed in a count field: a whole number (decimals are cut)
// within [min, max]; false for any other text, a lone sign included.
bool CountInRange(const std::string& text, int min, int max, int& count);

// A robot saved under a new name leaves its old file only when the two names
// are two files: names that differ in letter case only are one file.
bool SaveRemovesOldFile(const std::string& oldName, const std::string& newName);
