#pragma once
// The start-up codec installation and the system-file updater.
#include <string>

// Installs the codec from the codec folder beside the program, unless the
// first argument is "s" or there is no codec folder.
void InstallCodecAtStart();
// Brings the system folder up to date from folder (no trailing backslash)
// and registers the codec for the running platform family.
void InstallCodec(const std::string& folder);

// path with a backslash at its end: unchanged when it has one already.
std::string AddBackslash(const std::string& path);
// Copies every file of sourceFolder that targetFolder lacks, or whose product
// version string sorts after the installed one's in byte order; creates
// targetFolder when missing. True when anything was copied.
bool CopyNewerFiles(const std::string& sourceFolder, const std::string& targetFolder);

// A folder query of the GetWindowsDirectoryA kind.
using FolderQuery = unsigned(__stdcall*)(char* buffer, unsigned size);
// The folder that query writes into a buffer of 256 bytes; raises Exception
// when the query fails or the path does not fit.
std::string QueryFolder(FolderQuery query, const char* what);
