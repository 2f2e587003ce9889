#!/usr/bin/env bash
# Builds the Debian package in build-package/.
#   scripts/package.sh          build the .deb
#   scripts/package.sh --check  also install it, start the installed program in a private X
#                               server until its window shows, and remove the package again
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ensure_packages "${BUILD_PACKAGES[@]}" desktop-file-utils appstream

dir="$ROOT/build-package"
build "$dir" -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Release
desktop-file-validate "$ROOT/resources/io.github.morvik.Morvik.desktop"
appstreamcli validate --no-net "$ROOT/resources/io.github.morvik.Morvik.metainfo.xml"
(cd "$dir" && cpack -G DEB >/dev/null)
deb="$(ls "$dir"/morvik_*.deb)"
echo "Built $deb"

if [ "${1:-}" = "--check" ]; then
    ensure_packages xvfb xdotool
    apt_update
    apt_get "Installing ${deb##*/}" install "$deb"
    work="$(mktemp -d)"
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(cat "$work/display")"
    XDG_RUNTIME_DIR="$work" HOME="$work" /usr/bin/morvik >/dev/null 2>&1 &
    app=$!
    if timeout 20 xdotool search --sync --onlyvisible --name '^Morvik$' >/dev/null; then
        result=0
        echo "The installed program starts and shows its window."
    else
        result=1
        echo "The installed program did not show its window."
    fi
    kill "$app" "$xvfb" 2>/dev/null || true
    rm -rf "$work"
    apt_get "Removing morvik" remove morvik
    exit "$result"
fi
