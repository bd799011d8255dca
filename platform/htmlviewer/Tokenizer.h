#pragma once
// Splits a page's bytes into start tags, end tags and text, the way browsers
// of the time read sloppy markup: unquoted and valueless attributes,
// comments, a "<" that starts no tag is text. Works on the undecoded bytes,
// which is safe for every ASCII-compatible code page. Text and attribute
// values are views into the bytes, references not yet resolved.
#include <string>
#include <string_view>
#include <vector>

namespace html {

struct TokenAttribute {
  std::string name; // lower case
  std::string_view value;
};

struct Token {
  enum class Kind { Text, Start, End } kind = Kind::Text;
  std::string name; // lower case, tags only
  std::vector<TokenAttribute> attributes;
  std::string_view text;
  bool raw = false; // text of script, style, xmp: no references
};

class Tokenizer {
public:
  explicit Tokenizer(std::string_view bytes) : s_(bytes) {}
  // The next token; false at the end.
  bool Next(Token& token);

private:
  void ReadTag(Token& token);
  std::string_view s_;
  size_t pos_ = 0;
  std::string rawEnd_; // after <script> and the like: the tag that ends the text
};

} // namespace html
