#include "FormDescription.h"
#include "SysUtils.h"
#include <cctype>
#include <cstdlib>

namespace {

class Parser {
public:
  explicit Parser(std::string_view text) : s_(text) {}

  FormObject Document() {
    FormObject root = Object();
    SkipBlanks();
    if (pos_ < s_.size())
      Fail("text after the last end");
    return root;
  }

private:
  [[noreturn]] void Fail(std::string_view what) {
    int line = 1;
    for (std::size_t i = 0; i < pos_ && i < s_.size(); ++i)
      line += s_[i] == '\n';
    throw EReadError("Error reading form description, line " + std::to_string(line) + ": " +
                     std::string(what));
  }

  void SkipBlanks() {
    while (pos_ < s_.size() && static_cast<unsigned char>(s_[pos_]) <= ' ')
      ++pos_;
  }

  bool Peek(char c) {
    SkipBlanks();
    return pos_ < s_.size() && s_[pos_] == c;
  }

  void Expect(char c) {
    if (!Peek(c))
      Fail(std::string("'") + c + "' expected");
    ++pos_;
  }

  static bool IdentChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.';
  }

  std::string Ident() {
    SkipBlanks();
    std::size_t start = pos_;
    while (pos_ < s_.size() && IdentChar(s_[pos_]))
      ++pos_;
    if (start == pos_ || std::isdigit(static_cast<unsigned char>(s_[start])))
      Fail("name expected");
    return std::string(s_.substr(start, pos_ - start));
  }

  long long Number() {
    std::size_t start = pos_;
    if (pos_ < s_.size() && (s_[pos_] == '-' || s_[pos_] == '+'))
      ++pos_;
    std::size_t digits = pos_;
    while (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_])))
      ++pos_;
    if (digits == pos_ || pos_ - digits > 18)
      Fail("number expected");
    return std::strtoll(std::string(s_.substr(start, pos_ - start)).c_str(), nullptr, 10);
  }

  // 'text', #nnn and + between them.
  std::string String() {
    std::string out;
    for (;;) {
      SkipBlanks();
      if (Peek('\'')) {
        ++pos_;
        for (;;) {
          if (pos_ >= s_.size() || s_[pos_] == '\n')
            Fail("unterminated string");
          char c = s_[pos_++];
          if (c == '\'') {
            if (pos_ < s_.size() && s_[pos_] == '\'')
              ++pos_;
            else
              break;
          }
          out += c;
        }
      } else if (Peek('#')) {
        ++pos_;
        long long code = Number();
        if (code < 0 || code > 255)
          Fail("character code out of range");
        out += static_cast<char>(code);
      } else {
        break;
      }
      if (Peek('+'))
        ++pos_;
    }
    return out;
  }

  std::string Binary() {
    Expect('{');
    long long size = Number();
    Expect(':');
    if (size < 0 || static_cast<unsigned long long>(size) > s_.size() - pos_)
      Fail("binary data shorter than its size");
    std::string data(s_.substr(pos_, static_cast<std::size_t>(size)));
    pos_ += static_cast<std::size_t>(size);
    if (pos_ >= s_.size() || s_[pos_] != '}')
      Fail("'}' expected after binary data");
    ++pos_;
    return data;
  }

  FormValue Value() {
    FormValue v;
    SkipBlanks();
    if (pos_ >= s_.size())
      Fail("value expected");
    char c = s_[pos_];
    if (c == '\'' || c == '#') {
      v.kind = FormValue::Kind::String;
      v.text = String();
    } else if (c == '-' || c == '+' || std::isdigit(static_cast<unsigned char>(c))) {
      v.kind = FormValue::Kind::Integer;
      v.integer = Number();
    } else if (c == '[') {
      v.kind = FormValue::Kind::Set;
      ++pos_;
      while (!Peek(']')) {
        v.set.push_back(Ident());
        if (!Peek(']'))
          Expect(',');
      }
      ++pos_;
    } else if (c == '{') {
      v.kind = FormValue::Kind::Binary;
      v.text = Binary();
    } else {
      v.kind = FormValue::Kind::Ident;
      v.text = Ident();
    }
    return v;
  }

  FormObject Object() {
    if (Ident() != "object")
      Fail("'object' expected");
    FormObject o;
    o.name = Ident();
    Expect(':');
    o.className = Ident();
    for (;;) {
      std::string word = Ident();
      if (word == "end")
        return o;
      if (word == "object") {
        pos_ -= word.size();
        o.children.push_back(Object());
        continue;
      }
      Expect('=');
      o.properties.push_back({word, Value()});
    }
  }

  std::string_view s_;
  std::size_t pos_ = 0;
};

[[noreturn]] void WrongKind(const FormProperty& p, const char* wanted) {
  throw EReadError("Invalid property value of " + p.name + ": " + wanted + " expected");
}

} // namespace

FormObject ParseFormDescription(std::string_view text) {
  return Parser(text).Document();
}

long long AsInteger(const FormProperty& p) {
  if (p.value.kind != FormValue::Kind::Integer)
    WrongKind(p, "integer");
  return p.value.integer;
}

bool AsBoolean(const FormProperty& p) {
  if (p.value.kind == FormValue::Kind::Ident) {
    if (p.value.text == "True")
      return true;
    if (p.value.text == "False")
      return false;
  }
  WrongKind(p, "True or False");
}

const std::string& AsString(const FormProperty& p) {
  if (p.value.kind != FormValue::Kind::String)
    WrongKind(p, "string");
  return p.value.text;
}

const std::string& AsIdent(const FormProperty& p) {
  if (p.value.kind != FormValue::Kind::Ident)
    WrongKind(p, "identifier");
  return p.value.text;
}
