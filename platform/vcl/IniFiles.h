#pragma once
// INI files through the profile functions of Windows.
#include "Classes.h"
#include <string>

class TIniFile : public TObject {
public:
  explicit TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

  const std::string& FileName() const { return fileName_; }
  // Writes key=value into section, creating both when missing; raises
  // Exception when Windows refuses.
  void WriteString(const std::string& section, const std::string& key, const std::string& value);

private:
  std::string fileName_;
};
