# Shared by scripts/run and scripts/test: installs the Debian packages that are missing,
# then configures and builds the program in a build folder of the repository.
set -euo pipefail

TRIVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

BUILD_PACKAGES=(cmake make g++ pkg-config qt6-base-dev qt6-svg-dev libsdl2-dev libpulse-dev
                fonts-liberation2 fonts-ebgaramond fonts-lato fonts-dejavu-core libeigen3-dev
                qt6-translations-l10n)
TEST_PACKAGES=(qt6-multimedia-dev pulseaudio pulseaudio-utils dbus-daemon xvfb xauth x11-utils clang
               libclang-rt-14-dev libx11-dev libxtst-dev ngspice poppler-utils clang-format)

install_missing() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Instalando: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# build_program <build folder> [cmake options...]
build_program() {
    local folder="$1"
    shift
    cmake -S "$TRIVANE_ROOT" -B "$folder" "$@"
    cmake --build "$folder" -j"$(nproc)"
}
