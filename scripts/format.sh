#!/usr/bin/env bash
# Formats every tracked C++ file with Debian 12's clang-format 14 and the committed
# .clang-format; another version would format some lines differently.
#   scripts/format.sh          reformat in place
#   scripts/format.sh --check  change nothing; fail and show where a file differs
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ensure_packages clang-format-14

mapfile -t files < <(git -C "$ROOT" ls-files '*.cpp' '*.h')
cd "$ROOT"
if [ "${1:-}" = "--check" ]; then
    clang-format-14 --dry-run -Werror "${files[@]}"
    echo "clang-format: all ${#files[@]} C++ files formatted"
else
    clang-format-14 -i "${files[@]}"
fi
