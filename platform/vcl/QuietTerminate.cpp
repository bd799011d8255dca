// Replaces the run-time library's verbose terminate handler, whose name
// demangler would make up a large part of a small program. Linked as an
// object of the program itself, so it is found before the library's own.
#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler() {
  std::abort();
}
} // namespace __gnu_cxx
