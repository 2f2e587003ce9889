#!/usr/bin/env bash
# Builds Morvik and opens its window.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ensure_packages "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}"
build "$ROOT/build" -DBUILD_TESTING=OFF

# Without a desktop session Qt would only say that no platform plugin could be initialized
# and that reinstalling might help; a chosen QT_QPA_PLATFORM (offscreen, vnc) is left alone.
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
    echo "Morvik needs a graphical desktop session (DISPLAY or WAYLAND_DISPLAY); to try it" \
        "headless, run: xvfb-run -a $ROOT/build/morvik (Debian package xvfb)" >&2
    exit 1
fi
exec "$ROOT/build/morvik"
