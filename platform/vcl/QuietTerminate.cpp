// Replaces two pieces of the run-time library that would make up a large
// part of a small program: the verbose terminate handler with its name
// demangler, and the helpers that raise the standard library's logic errors,
// which bring in a second, copy-on-write string implementation and
// std::random_device with them. The standard library's containers raise
// their errors through these helpers; here they raise the platform's
// Exception (or std::bad_alloc), which every guard of the system catches
// alike. Linked as an object of the program itself, so these definitions are
// found before the library's own.
#include "SysUtils.h"
#include <cstdlib>
#include <new>

namespace __gnu_cxx {
void __verbose_terminate_handler() {
  std::abort();
}
} // namespace __gnu_cxx

namespace std {
void __throw_bad_alloc() {
  throw std::bad_alloc();
}
void __throw_length_error(const char* what) {
  throw Exception(what);
}
void __throw_logic_error(const char* what) {
  throw Exception(what);
}
void __throw_out_of_range(const char* what) {
  throw Exception(what);
}
// The formatted variant's arguments only fill in its message.
void __throw_out_of_range_fmt(const char* what, ...) {
  throw Exception(what);
}
void __throw_invalid_argument(const char* what) {
  throw Exception(what);
}
} // namespace std
