// The texts and flags of the file and folder dialogs: the filter list, the
// dialog and browse flags, and the chosen names as one result text.
#pragma once

#include <cstddef>
#include <string>

// A filter such as "Text files (*.txt;*.log)": the whole text describes the
// one entry and the text between the first "(" and the first ")" after it is
// its pattern. The list is "description\0pattern\0\0" as the dialog takes
// it. False, with the list empty, when there is no "(" followed by a ")".
bool ParseDialogFilter(const std::string& filter, std::string& list);

// The flags of the open and save dialogs: hide read-only, explorer style and
// links not followed, plus, for options 0..31 when they are given: 1 file
// must exist, 2 path must exist, 4 multiple selection, 8 create prompt,
// 16 overwrite prompt.
unsigned FileDialogFlags(bool optionsGiven, int options);

// The browse flags of the folder dialog: bit 1 new dialog style (else no new
// folder button), bit 2 new dialog style, bit 4 edit box.
unsigned FolderBrowseFlags(int flags);

// The dialog's answer (a path, or a folder followed by names, each ending
// in "\0", with a final "\0", within `size` bytes) as one text: the path, or
// the folder and the names joined by "|".
std::string JoinDialogSelection(const char* buffer, std::size_t size);
