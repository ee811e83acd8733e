// Opens or closes the door of a CD drive through the multimedia commands.
#pragma once

#include <string>

// Sends the door command ("open" or "closed") to the drive. The device is
// closed again on every path, so a failed door command leaves nothing open
// that would make later calls fail.
bool SetCdTrayDoor(const std::string& drive, const std::string& action);
