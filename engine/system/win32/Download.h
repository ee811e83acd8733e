// Downloads a URL to a file through the system's internet library.
#pragma once

#include <string>

// Writes what the URL answers into `file`. The answer is first written to a
// temporary file in the same folder, which replaces `file` only once the
// whole answer has arrived. False, with `file` left as it was, when the
// library, the connection, the file or a read fails, when fewer bytes arrive
// than an HTTP server announced, and when it answers with an error status.
// noLibrary is true when the internet library cannot be loaded.
bool DownloadUrlToFile(const std::string& url, const std::string& file, bool& noLibrary);
