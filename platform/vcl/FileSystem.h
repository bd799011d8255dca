#pragma once
// Folder helpers.
#include <string>

// GetFileAttributesA succeeds for path and reports a folder.
bool DirectoryExists(const std::string& path);
// Creates folder and every missing folder on its way. The outcome is not
// reported: what could not be created shows when it is used.
void ForceDirectories(std::string folder);
