#include "CommandLine.h"

#include <string_view>

namespace CommandLine {
namespace {

constexpr std::string_view Help =
    "Uso: trivane [--help | --version]\n"
    "Tutorial de manejo de siete instrumentos del laboratorio de electrónica.\n"
    "Sin argumentos, abre el selector de instrumentos; cualquier otro argumento se pasa por alto.\n";

constexpr std::string_view Version = "Trivane " TRIVANE_VERSION "\n";

} // namespace

std::optional<std::string> answer(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help")
            return std::string(Help);
        if (argument == "--version")
            return std::string(Version);
    }
    return std::nullopt;
}

} // namespace CommandLine
