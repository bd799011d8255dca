#pragma once
// The control's pictures by file path: each decoded once while it stays
// among the most recently used.
#include "PictureLoader.h"
#include <memory>
#include <string>
#include <vector>

class PictureCache {
public:
  explicit PictureCache(int capacity) : capacity_(capacity) {}
  void SetCapacity(int capacity);
  // The picture in the file at path; null when the file is missing or holds
  // no picture that Windows can decode.
  std::shared_ptr<const Picture> Get(const std::string& path);

private:
  struct Entry {
    std::string path;
    std::shared_ptr<const Picture> picture;
  };
  int capacity_;
  std::vector<Entry> entries_; // the most recently used first
  PictureLoader loader_;
};
