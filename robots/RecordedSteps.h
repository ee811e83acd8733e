// What a recording adds to the robot in the editor: its lines between two
// comment lines, and its windows after the robot's own window records, the
// lines' window tags counting on after those.
#pragma once

#include <string>
#include <vector>

#include "engine/ports/RecWinInfo.h"

inline constexpr const char* kRecordedStartComment = "Comment: ==== Start recorded actions ====";
inline constexpr const char* kRecordedEndComment = "Comment: ==== End of recorded actions ====";

// The line with the number in its window tag raised by `offset`; a line
// without a tag, or whose number would leave the int range, comes back
// unchanged.
std::string OffsetWindowTag(const std::string& actionLine, int offset);

// The steps to add for the recorded lines of a robot that has `windowOffset`
// window records: the start comment, every non-empty line with its tag
// offset, the end comment. Empty when nothing was recorded.
std::vector<std::string> RecordedSteps(const std::vector<std::string>& recorded, int windowOffset);

// The recorded windows as they join the robot's. WinIndex tells the windows
// of one program apart, so a recorded window takes the index of the robot's
// window of the same program and title, else an index that no earlier window
// of that program has; windows of one index in the recording keep sharing one.
std::vector<RecWinInfo> WindowsToAppend(const std::vector<RecWinInfo>& existing,
                                        const std::vector<RecWinInfo>& recorded);
