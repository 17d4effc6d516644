// The C++ runtime's default terminate handler writes the escaped exception's demangled type to
// stderr, which a GUI program does not have; it links the whole demangler (about 45 KB) for that.
// Defining it here keeps the runtime's copy out of the exe: an exception that escapes still ends
// the program through abort, as before.
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
