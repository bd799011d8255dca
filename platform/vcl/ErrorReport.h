#pragma once
// Texts of the application's standard error report. Pure logic.
#include <string>
#include <string_view>

// The message as the box shows it: a full stop is added when the message ends
// in a character that sorts after ".".
std::string ErrorReportText(std::string_view message);

// The application's title: the program's file name without its folder, cut
// at its first full stop, every letter after the first in lower case.
std::string ApplicationTitleOf(std::string_view modulePath);
