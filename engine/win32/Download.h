// Downloads a URL to a file through the system's internet library.
#pragma once

#include <string>

// Writes what the URL answers into `file`. False when the library, the
// connection, the file or a read fails (a failed read deletes the file) and
// when an HTTP server answers with an error status (no file is written).
// noLibrary is true when the internet library cannot be loaded.
bool DownloadUrlToFile(const std::string& url, const std::string& file, bool& noLibrary);
