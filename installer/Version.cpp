#include "Version.h"
#include "Environment.h"
#include "VersionText.h"
#include <windows.h>
#include <cstring>
#include <vector>

TVersionResource::TVersionResource(TComponent* AOwner)
    : TComponent(AOwner), fileName_(ExeFileName()), versionInfo_(std::make_unique<TVersionInfo>()) {
  ReadVersionInfo();
}

TVersionResource::~TVersionResource() = default;

void TVersionResource::SetFileName(const std::string& value) {
  fileName_ = value;
  fileNameStored_ = fileName_ != ExeFileName();
  ReadVersionInfo();
  Changed();
}

void TVersionResource::SetLanguage(TLanguage value) {
  language_ = value;
  ReadVersionInfo();
  Changed();
}

void TVersionResource::SetCharacterSet(TCharacterSet value) {
  characterSet_ = value;
  ReadVersionInfo();
  Changed();
}

void TVersionResource::Changed() {
  if (OnChange)
    OnChange(this);
}

void TVersionResource::ReadVersionInfo() {
  TVersionInfo& info = *versionInfo_;
  for (std::string* field :
       {&info.Comment, &info.CompanyName, &info.FileDescription, &info.FileVersion,
        &info.InternalName, &info.LegalCopyright, &info.LegalTradeMarks, &info.OriginalFileName,
        &info.PrivateBuild, &info.ProductName, &info.ProductVersion, &info.SpecialBuild,
        &info.FileOS, &info.FileType, &info.FileSubType})
    field->clear();

  DWORD handle = 0;
  DWORD size = ::GetFileVersionInfoSizeA(fileName_.c_str(), &handle);
  if (size == 0)
    return;
  std::vector<char> block(size);
  if (!::GetFileVersionInfoA(fileName_.c_str(), handle, size, block.data()))
    return;
  const char* begin = block.data();
  const char* end = begin + size;

  // The platform answers "\" with an empty value when the resource has no
  // fixed information; that counts as none.
  void* value = nullptr;
  UINT length = 0;
  VS_FIXEDFILEINFO fixed;
  if (!::VerQueryValueA(begin, "\\", &value, &length) || length < sizeof fixed ||
      BytesInBlock(value, begin, end) < sizeof fixed)
    return;
  std::memcpy(&fixed, value, sizeof fixed);
  info.FileVersion = VersionNumberText(fixed.dwFileVersionMS, fixed.dwFileVersionLS);
  info.ProductVersion = VersionNumberText(fixed.dwProductVersionMS, fixed.dwProductVersionLS);
  info.FileOS = FileOSText(fixed.dwFileOS);
  info.FileType = FileTypeText(fixed.dwFileType);
  info.FileSubType = FileSubTypeText(fixed.dwFileType, fixed.dwFileSubtype);

  const std::string prefix = StringTablePrefix(language_, characterSet_);
  static constexpr struct {
    const char* key;
    std::string TVersionInfo::*field;
  } keys[] = {{"Comment", &TVersionInfo::Comment},
              {"CompanyName", &TVersionInfo::CompanyName},
              {"FileDescription", &TVersionInfo::FileDescription},
              {"InternalName", &TVersionInfo::InternalName},
              {"LegalCopyright", &TVersionInfo::LegalCopyright},
              {"LegalTradeMarks", &TVersionInfo::LegalTradeMarks},
              {"OriginalFileName", &TVersionInfo::OriginalFileName},
              {"PrivateBuild", &TVersionInfo::PrivateBuild},
              {"ProductName", &TVersionInfo::ProductName},
              {"ProductVersion", &TVersionInfo::ProductVersion},
              {"SpecialBuild", &TVersionInfo::SpecialBuild}};
  for (const auto& [key, field] : keys) {
    std::string query = prefix + key;
    if (::VerQueryValueA(begin, query.c_str(), &value, &length))
      info.*field = BoundedText(value, length, begin, end);
  }
}
