#pragma once
// The start-up codec installation.
#include <string>

// Installs the codec from the codec folder beside the program, unless the
// first argument is "s" or there is no codec folder.
void InstallCodecAtStart();
// Installs the codec from folder (no trailing backslash).
void InstallCodec(const std::string& folder);
