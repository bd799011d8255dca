#include "Tokenizer.h"
#include "Ascii.h"

namespace html {
namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}
bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Elements whose content is text up to their end tag, not markup.
bool IsRawText(std::string_view name) {
  return name == "script" || name == "style" || name == "xmp" || name == "title" ||
         name == "textarea";
}

} // namespace

bool Tokenizer::Next(Token& t) {
  t.attributes.clear();
  t.name.clear();
  t.raw = false;
  t.kind = Token::Kind::Text;
  while (pos_ < s_.size()) {
    if (!rawEnd_.empty()) {
      // Raw text runs to "</name" followed by a blank, "/" or ">" (or the end).
      size_t start = pos_, i = pos_;
      for (; i < s_.size(); ++i) {
        if (s_[i] != '<' || i + 1 >= s_.size() || s_[i + 1] != '/')
          continue;
        size_t k = 0;
        while (k < rawEnd_.size() && i + 2 + k < s_.size() &&
               AsciiLower(s_[i + 2 + k]) == rawEnd_[k])
          ++k;
        size_t after = i + 2 + k;
        if (k == rawEnd_.size() &&
            (after >= s_.size() || IsSpace(s_[after]) || s_[after] == '/' || s_[after] == '>'))
          break;
      }
      t.raw = rawEnd_ != "title" && rawEnd_ != "textarea";
      t.text = s_.substr(start, i - start);
      pos_ = i;
      rawEnd_.clear();
      if (!t.text.empty())
        return true;
      t.raw = false;
      continue;
    }
    size_t start = pos_;
    char c = 0;
    for (; pos_ + 1 < s_.size(); ++pos_) {
      if (s_[pos_] != '<')
        continue;
      c = s_[pos_ + 1];
      char d = pos_ + 2 < s_.size() ? s_[pos_ + 2] : 0;
      if (IsLetter(c) || c == '!' || c == '?' || (c == '/' && (IsLetter(d) || d == '>')))
        break;
    }
    if (pos_ + 1 >= s_.size())
      pos_ = s_.size();
    if (pos_ > start) {
      t.text = s_.substr(start, pos_ - start);
      return true;
    }
    if (c == '/' ? s_[pos_ + 2] == '>' : c == '!' || c == '?') {
      // Comment, declaration, processing instruction or "</>": nothing to show.
      size_t end;
      if (s_.substr(pos_, 4) == "<!--") {
        end = s_.find("-->", pos_ + 4);
        end = end == std::string_view::npos ? s_.size() : end + 3;
      } else {
        end = s_.find('>', pos_);
        end = end == std::string_view::npos ? s_.size() : end + 1;
      }
      pos_ = end;
      continue;
    }
    ReadTag(t);
    return true;
  }
  return false;
}

void Tokenizer::ReadTag(Token& t) {
  size_t i = pos_ + 1;
  t.kind = Token::Kind::Start;
  if (s_[i] == '/') {
    t.kind = Token::Kind::End;
    ++i;
  }
  while (i < s_.size() && !IsSpace(s_[i]) && s_[i] != '/' && s_[i] != '>')
    t.name += AsciiLower(s_[i++]);
  for (;;) {
    while (i < s_.size() && (IsSpace(s_[i]) || s_[i] == '/'))
      ++i;
    if (i >= s_.size() || s_[i] == '>')
      break;
    TokenAttribute a;
    // A name may begin with "=" ("<a =x>"): take it as part of the name.
    do
      a.name += AsciiLower(s_[i++]);
    while (i < s_.size() && !IsSpace(s_[i]) && s_[i] != '/' && s_[i] != '>' && s_[i] != '=');
    size_t j = i;
    while (j < s_.size() && IsSpace(s_[j]))
      ++j;
    if (j < s_.size() && s_[j] == '=') {
      ++j;
      while (j < s_.size() && IsSpace(s_[j]))
        ++j;
      if (j < s_.size() && (s_[j] == '"' || s_[j] == '\'')) {
        char quote = s_[j++];
        size_t end = s_.find(quote, j);
        // An unclosed quote ends at the tag's end rather than eating the page.
        if (end == std::string_view::npos) {
          end = s_.find('>', j);
          end = end == std::string_view::npos ? s_.size() : end;
          a.value = s_.substr(j, end - j);
          i = end;
        } else {
          a.value = s_.substr(j, end - j);
          i = end + 1;
        }
      } else {
        size_t end = j;
        while (end < s_.size() && !IsSpace(s_[end]) && s_[end] != '>')
          ++end;
        a.value = s_.substr(j, end - j);
        i = end;
      }
    }
    bool known = false;
    for (const TokenAttribute& b : t.attributes)
      known = known || b.name == a.name;
    if (!known)
      t.attributes.push_back(std::move(a));
  }
  pos_ = i < s_.size() ? i + 1 : s_.size();
  if (t.kind == Token::Kind::Start && IsRawText(t.name))
    rawEnd_ = t.name;
}

} // namespace html
