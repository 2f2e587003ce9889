#!/usr/bin/env bash
# Builds Morvik with its tests and runs every one of them, headless.
#   scripts/test.sh             the normal build, in build/
#   scripts/test.sh --sanitize  the same tests under address and undefined-behaviour sanitizers
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
packages=(
    "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}"
    locales                          # tests that read, sort and translate under other locales
    xvfb openbox xdotool imagemagick # the end-to-end test: X, window manager, input, screen
    xclip                            # and the clipboard it reads what the window copied from
    qt6-gtk-platformtheme gnome-themes-extra # and its run under a dark desktop theme
    poppler-utils                    # pdftotext: the text of a printout made as a PDF file
)
ensure_packages "${packages[@]}"
ensure_locales tr_TR.UTF-8 de_DE.UTF-8

dir="$ROOT/build"
options=()
if [ "${1:-}" = "--sanitize" ]; then
    dir="$ROOT/build-sanitize"
    options=(-DMORVIK_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
    export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
fi
build "$dir" -DBUILD_TESTING=ON "${options[@]}"
cd "$dir"
ctest --output-on-failure --parallel "$(nproc)"
