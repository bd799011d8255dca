#pragma once
// Reading a whole file, for pages and pictures.
#include <optional>
#include <string>

// The file's bytes, or nothing when it cannot be opened.
std::optional<std::string> ReadFileBytes(const std::string& path);
