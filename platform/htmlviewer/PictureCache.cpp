#include "PictureCache.h"
#include "FileBytes.h"
#include "SysUtils.h"

void PictureCache::SetCapacity(int capacity) {
  capacity_ = capacity < 0 ? 0 : capacity;
  if (entries_.size() > static_cast<std::size_t>(capacity_))
    entries_.resize(capacity_);
}

std::shared_ptr<const Picture> PictureCache::Get(const std::string& path) {
  const std::string key = AsciiUpperCase(path); // file names ignore letter case
  for (std::size_t i = 0; i < entries_.size(); ++i)
    if (entries_[i].path == key) {
      Entry hit = std::move(entries_[i]);
      entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(i));
      entries_.insert(entries_.begin(), hit);
      return hit.picture;
    }
  std::shared_ptr<const Picture> picture;
  if (std::optional<std::string> bytes = ReadFileBytes(path))
    if (std::optional<Picture> decoded = loader_.Decode(*bytes))
      picture = std::make_shared<const Picture>(std::move(*decoded));
  if (capacity_ > 0) {
    entries_.insert(entries_.begin(), Entry{key, picture});
    if (entries_.size() > static_cast<std::size_t>(capacity_))
      entries_.pop_back();
  }
  return picture;
}
