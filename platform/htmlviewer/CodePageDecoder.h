#pragma once
// Text in a Windows code page as UTF-16, by the system's own tables, so a
// page reads the same whatever the system's own code page is.
#include <string>
#include <string_view>

// Falls back to the system's ANSI code page when codePage is not installed.
std::u16string DecodeCodePage(std::string_view bytes, int codePage);
