#pragma once
// What the control makes of a link's target that it follows itself. Pure
// logic.
#include <string>
#include <string_view>

struct LinkTarget {
  std::string file;     // up to the first "#"; empty for "#name"
  std::string position; // after the first "#"
};

LinkTarget SplitTarget(std::string_view target);

// The folder part of a path: up to and including its last backslash, "/" or ":".
std::string FolderOf(std::string_view path);

// A path as a page gives it, taken against the page's folder (which ends in
// a backslash) unless it names its drive or share itself.
std::string ResolveAgainst(std::string_view folder, std::string_view path);

enum class TargetKind { Page, Picture, Other };
// By the upper-cased extension: ".HTM", ".HTML" a page; ".BMP", ".GIF",
// ".JPG", ".JPEG", ".PNG" a picture.
TargetKind KindOf(std::string_view file);
