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
#include <exception>
#include <new>
#include <typeinfo>

namespace __gnu_cxx {
void __verbose_terminate_handler() {
  std::abort();
}
} // namespace __gnu_cxx

namespace std {
// Every helper of the library's own set is defined here, so that none of its
// set is linked beside these.
void __throw_bad_alloc() {
  throw std::bad_alloc();
}
void __throw_bad_array_new_length() {
  throw std::bad_array_new_length();
}
void __throw_bad_cast() {
  throw std::bad_cast();
}
void __throw_bad_typeid() {
  throw std::bad_typeid();
}
void __throw_bad_exception() {
  throw std::bad_exception();
}
void __throw_logic_error(const char* what) {
  throw Exception(what);
}
void __throw_domain_error(const char* what) {
  throw Exception(what);
}
void __throw_invalid_argument(const char* what) {
  throw Exception(what);
}
void __throw_length_error(const char* what) {
  throw Exception(what);
}
void __throw_out_of_range(const char* what) {
  throw Exception(what);
}
// The formatted variant's arguments only fill in its message.
void __throw_out_of_range_fmt(const char* what, ...) {
  throw Exception(what);
}
void __throw_runtime_error(const char* what) {
  throw Exception(what);
}
void __throw_range_error(const char* what) {
  throw Exception(what);
}
void __throw_overflow_error(const char* what) {
  throw Exception(what);
}
void __throw_underflow_error(const char* what) {
  throw Exception(what);
}
} // namespace std
