#include "robots/ActionLineParts.h"

#include "robots/TextParts.h"

namespace {

LineParts Split(const std::string& line, const std::string& tagOpener, std::size_t arrowLength) {
  LineParts parts;
  parts.body = line;
  if (EndsWith(parts.body, kSpeedMarker)) {
    parts.body = WithoutSuffix(parts.body, kSpeedMarker);
    parts.speedMarker = kSpeedMarker;
  }
  std::size_t tag = parts.body.rfind(tagOpener);
  if (tag != std::string::npos && parts.body.find(']', tag + tagOpener.size() - 1) != std::string::npos) {
    parts.windowTag = parts.body.substr(tag + arrowLength);
    parts.body.erase(tag);
  }
  return parts;
}

}  // namespace

LineParts SplitActionLine(const std::string& line) { return Split(line, kActionWindowTag, 0); }

LineParts SplitScriptLine(const std::string& line) {
  const std::string arrow = kScriptTagArrow;
  return Split(line, arrow + kActionWindowTag, arrow.size());
}

std::string JoinActionLine(const std::string& body, const LineParts& parts) {
  return body + parts.windowTag + parts.speedMarker;
}

std::string JoinScriptLine(const std::string& body, const LineParts& parts) {
  std::string tag = parts.windowTag.empty() ? "" : kScriptTagArrow + parts.windowTag;
  return body + tag + parts.speedMarker;
}
