#pragma once

#include <optional>
#include <string>

// The two arguments the program answers without opening a window: "--help" and
// "--version". Every other argument is ignored.
namespace CommandLine {

// What to print and end with status 0, when the arguments ask for it; the first of the
// two found wins.
std::optional<std::string> answer(int argc, const char* const* argv);

} // namespace CommandLine
