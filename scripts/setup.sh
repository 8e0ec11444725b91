#!/usr/bin/env bash
# Installs what building, running and testing the program need on Debian 12, skipping what is
# there already. Run as root (or with sudo available).
#   scripts/setup.sh             the Linux (Qt) edition: build, run, tests, benchmarks
#   scripts/setup.sh --windows   also the Windows edition: the MinGW-w64 cross build and its
#                                tests and benchmark under Wine (the windows preset)
#   scripts/setup.sh --fuzz      also the fuzz target's clang and libFuzzer (scripts/fuzz.sh)
# The options can be combined.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config file                 # toolchain
    clang-format                                         # the repository's .clang-format
    qt6-base-dev libgl-dev libxcb1-dev                   # Qt 6 Widgets, X11 stacking
    libbenchmark-dev hyperfine time                      # bench/
    googletest libgtest-dev                              # tests of the core and the tools
    libssl-dev                                           # libcrypto: sealing and sealed records
    fonts-arphic-uming fonts-wqy-zenhei                  # faces for 宋体 and 黑体
    qt6-translations-l10n                                # Qt's own texts in Chinese
    xvfb xauth x11-utils openbox xdotool imagemagick     # a headless display and screenshots
    desktop-file-utils appstream dpkg-dev                # packaging checks and the .deb
    python3                                              # bench/startup.sh's summary
)

windows_packages=(
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64   # the cross toolchain, windres
    icoutils                                             # icon build, resource checks
    wine wine64 fonts-wine                               # Wine and its own UI fonts
    locales                                              # the private zh_CN.UTF-8 locale
    xvfb fonts-arphic-uming fonts-wqy-zenhei python3     # display, 宋体/黑体 faces, checks
)

fuzz_packages=(
    clang-14 libfuzzer-14-dev                            # the fuzz preset
)

for option in "$@"; do
    case "$option" in
    --windows) packages+=("${windows_packages[@]}") ;;
    --fuzz) packages+=("${fuzz_packages[@]}") ;;
    *)
        echo "usage: $0 [--windows] [--fuzz]" >&2
        exit 2
        ;;
    esac
done

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
        || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=$([ "$(id -u)" = 0 ] && echo "" || echo sudo)
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
