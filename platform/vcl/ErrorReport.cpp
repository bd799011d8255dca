#include "ErrorReport.h"
#include "SysUtils.h"

std::string ErrorReportText(std::string_view message) {
  std::string text(message);
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
    text += '.';
  return text;
}

std::string ApplicationTitleOf(std::string_view modulePath) {
  std::string name = ExtractFileName(modulePath);
  name = name.substr(0, name.find('.'));
  if (name.size() > 1)
    name = name.substr(0, 1) + AsciiLowerCase(std::string_view(name).substr(1));
  return name;
}
