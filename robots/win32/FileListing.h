// The files of one kind in a folder: the robot files of the script folder
// (".txt") and the exported robots of a chosen folder (".robo").
#pragma once

#include <string>
#include <vector>

// Full paths of the files in `folder` whose name ends in exactly `extension`
// (".txt"), in any case, in the order the file system lists them; folders
// are skipped. The system's pattern search also matches short 8.3 names, so
// "x.txtold" and "longname.txt2" would be found for "*.txt": only the long
// name counts here. An empty folder text lists nothing.
std::vector<std::string> ListFilesWithExtension(const std::string& folder,
                                                const std::string& extension);
