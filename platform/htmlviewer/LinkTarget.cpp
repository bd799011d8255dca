#include "LinkTarget.h"
#include "SysUtils.h"

LinkTarget SplitTarget(std::string_view target) {
  const std::size_t hash = target.find('#');
  if (hash == std::string_view::npos)
    return {std::string(target), {}};
  return {std::string(target.substr(0, hash)), std::string(target.substr(hash + 1))};
}

std::string FolderOf(std::string_view path) {
  const std::size_t last = path.find_last_of("\\/:");
  return last == std::string_view::npos ? std::string() : std::string(path.substr(0, last + 1));
}

std::string ResolveAgainst(std::string_view folder, std::string_view path) {
  const bool drive = path.size() >= 2 && path[1] == ':' &&
                     ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
  const bool share = path.starts_with("\\\\") || path.starts_with("//");
  if (drive || share)
    return std::string(path);
  return std::string(folder) + std::string(path);
}

TargetKind KindOf(std::string_view file) {
  std::string name = AsciiUpperCase(ExtractFileName(file));
  name.erase(0, name.rfind('/') + 1); // npos + 1 is 0
  const std::size_t dot = name.rfind('.');
  if (dot == std::string::npos)
    return TargetKind::Other;
  const std::string_view ext = std::string_view(name).substr(dot);
  if (ext == ".HTM" || ext == ".HTML")
    return TargetKind::Page;
  for (const char* picture : {".BMP", ".GIF", ".JPG", ".JPEG", ".PNG"})
    if (ext == picture)
      return TargetKind::Picture;
  return TargetKind::Other;
}
