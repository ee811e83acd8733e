// What action lines and script lines share: the optional window tag and speed
// marker that follow a line's body.
#pragma once

#include <string>

inline constexpr const char* kSpeedMarker = "=> [remove on faster speed]";
// The window tag of an action line; a script line has kScriptTagArrow before it.
inline constexpr const char* kActionWindowTag = " At Win [";
inline constexpr const char* kScriptTagArrow = "->";

struct LineParts {
  std::string body;
  std::string windowTag;    // from kActionWindowTag to the end of the tag; empty when none
  std::string speedMarker;  // kSpeedMarker or empty
};

// Cuts the speed marker off the end, then the window tag: from the last
// " At Win [" (in a script line "-> At Win [") to the end, when a "]" follows
// its bracket. The tag is kept in its action form.
LineParts SplitActionLine(const std::string& line);
LineParts SplitScriptLine(const std::string& line);

// The annotations after a translated body, in action or script form.
std::string JoinActionLine(const std::string& body, const LineParts& parts);
std::string JoinScriptLine(const std::string& body, const LineParts& parts);
