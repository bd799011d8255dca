#pragma once
// Exceptions and small string helpers; no Windows headers, so the pure
// logic that uses them builds anywhere.
#include <exception>
#include <string>
#include <string_view>

class Exception : public std::exception {
public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  // The message with every "%s" replaced by arg.
  static Exception CreateFmt(std::string_view fmt, std::string_view arg) {
    return Exception(Format(fmt, arg));
  }
  static std::string Format(std::string_view fmt, std::string_view arg);

  const std::string& Message() const { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

private:
  std::string message_;
};

// The classes that the platform and the system raise; each keeps the
// message it is given.
#define KLENDO_EXCEPTION(Name, Base)                                                               \
  class Name : public Base {                                                                       \
  public:                                                                                          \
    using Base::Base;                                                                              \
    explicit Name(const Exception& e) : Base(e) {}                                                 \
  };
KLENDO_EXCEPTION(EInOutError, Exception)
KLENDO_EXCEPTION(EStreamError, Exception)
KLENDO_EXCEPTION(EFOpenError, EStreamError)
KLENDO_EXCEPTION(EFCreateError, EStreamError)
KLENDO_EXCEPTION(EReadError, EStreamError)
KLENDO_EXCEPTION(ERegistryException, Exception)
#undef KLENDO_EXCEPTION

// Folder part of a path: everything up to and including the last backslash
// or colon; empty when there is neither.
std::string ExtractFilePath(std::string_view path);
// The rest after that folder part.
std::string ExtractFileName(std::string_view path);

// Letter-case folding of the ASCII letters only; every other byte stays.
std::string AsciiUpperCase(std::string_view s);
std::string AsciiLowerCase(std::string_view s);
