#!/usr/bin/env bash
# Builds Morvik and opens its window.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ensure_packages "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}"
build "$ROOT/build" -DBUILD_TESTING=OFF
exec "$ROOT/build/morvik"
