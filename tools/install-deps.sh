#!/usr/bin/env bash
# Installs the Debian packages that building, playing and testing need,
# only those that are missing. Runs as root or through sudo.
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ make pkg-config ccache
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libgl-dev
    # the catalogues of texts: lupdate, lrelease and their CMake functions
    qt6-tools-dev qt6-l10n-tools
    # runtime plugins and fonts
    qt6-qpa-plugins fonts-dejavu-core
    # benchmarks, fuzzing, sanitizers
    libbenchmark-dev liblz4-dev clang libclang-rt-14-dev
    # end-to-end, sound and desktop tests
    xvfb xauth xdotool x11-apps x11-utils imagemagick pulseaudio pulseaudio-utils sox openbox
    dbus-daemon
    # the board read as a screen reader reads it: the accessibility bus and
    # its Python client
    at-spi2-core python3-pyatspi
    appstream desktop-file-utils time
    # a Wayland session without a screen, with and without XWayland
    weston qt6-wayland xwayland
    # the Debian package (make deb) and its test: the build, its check, and
    # the triggers that register the file type and the game as its handler,
    # and a desktop's questions to them
    debhelper dpkg-dev lintian shared-mime-info xdg-utils libfile-mimeinfo-perl
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
