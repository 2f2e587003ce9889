#!/usr/bin/env bash
# Builds the Debian package in build-package/.
#   scripts/package.sh          build the .deb
#   scripts/package.sh --check  also install it, start the installed program in a private X
#                               server until its window shows, and remove the package again
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
source "$ROOT/scripts/xserver.sh"
ensure_packages "${BUILD_PACKAGES[@]}" desktop-file-utils appstream

dir="$ROOT/build-package"
build "$dir" -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Release
desktop-file-validate "$ROOT/resources/io.github.morvik.morvik.desktop"
appstreamcli validate --no-net "$ROOT/resources/io.github.morvik.morvik.metainfo.xml"
(cd "$dir" && cpack -G DEB >/dev/null)
deb="$(ls "$dir"/morvik_*.deb)"
echo "Built $deb"

if [ "${1:-}" = "--check" ]; then
    ensure_packages xvfb xdotool
    apt_update
    apt_get "Installing ${deb##*/}" install "$deb"
    work="$(mktemp -d)"
    start_xserver "$work" 1024x768
    XDG_RUNTIME_DIR="$work" HOME="$work" /usr/bin/morvik >/dev/null 2>&1 &
    app=$!
    if timeout 20 xdotool search --sync --onlyvisible --name '^Morvik$' >/dev/null; then
        result=0
        echo "The installed program starts and shows its window."
    else
        result=1
        echo "The installed program did not show its window."
    fi
    kill "$app" 2>/dev/null || true
    stop_xserver
    rm -rf "$work"
    apt_get "Removing morvik" remove morvik
    exit "$result"
fi
