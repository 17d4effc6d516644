// The command's text at its edges: the console and the messenger protocol both take the OEM
// code page, while the program's texts and the command line are ANSI.
#pragma once

#include <string>
#include <string_view>

namespace netsend {

// ANSI text in the OEM code page; a character the OEM code page lacks becomes its default one.
std::string ToOem(std::string_view ansi);

// Prints a line in the OEM code page: on standard error for a failure, else on standard output.
void PrintLine(std::string_view ansi, bool failure);

}  // namespace netsend
