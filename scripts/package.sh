#!/usr/bin/env bash
# Builds the Debian package in build-package/ and checks it with Debian's own tools.
#   scripts/package.sh          build the .deb, validate its desktop files, run lintian on it
#   scripts/package.sh --check  also install it, start the installed program in a private X
#                               server, check that its window pairs with its desktop entry, and
#                               remove again everything that the check installed
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
source "$ROOT/scripts/xserver.sh"
# dpkg-dev: dpkg-shlibdeps, which CPack asks for the binary's library dependencies.
ensure_packages "${BUILD_PACKAGES[@]}" dpkg-dev desktop-file-utils appstream lintian
if [ "${1:-}" = "--check" ]; then
    stop_unless_root "scripts/package.sh --check installs the package it built: run it as root."
    ensure_packages xvfb xdotool x11-utils
fi

dir="$ROOT/build-package"
rm -f "$dir"/morvik_*.deb
build "$dir" -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Release
if ! (cd "$dir" && cpack -G DEB >"$dir/cpack.log" 2>&1); then
    cat "$dir/cpack.log"
    exit 1
fi
deb="$(echo "$dir"/morvik_*.deb)"
echo "Built $deb"

# Both validators pass a file that has hints or notes; here anything they say is a failure.
notes="$(desktop-file-validate "$ROOT"/resources/*.desktop 2>&1
    appstreamcli validate --pedantic --no-net --format=yaml "$ROOT"/resources/*.metainfo.xml 2>&1
)" || true
if [ -n "$notes" ]; then
    echo "$notes"
    exit 1
fi

# The version is written in three places, CMakeLists.txt, the changelog and the metainfo: the
# package must not describe another release than its own.
version="$(dpkg-deb -f "$deb" Version)"
if [ "$(dpkg-parsechangelog -l "$ROOT/packaging/debian/changelog" -S Version)" != "$version" ] ||
    ! grep -q "<release version=\"$version\"" "$ROOT"/resources/*.metainfo.xml; then
    echo "Version $version is not the latest in packaging/debian/changelog and the metainfo"
    exit 1
fi

# No error and no warning. Below that, lintian only notes (I:) that the binary keeps the
# compiler's .comment section and binds lazily, as Debian's default flags do. It also says each
# time that it should not run as root, which the check below needs.
lintian --fail-on error,warning "$deb" 2>&1 |
    { grep -vx 'running with root privileges is not recommended!' || true; }
echo "desktop-file-validate, appstreamcli validate --pedantic and lintian: no notes"

if [ "${1:-}" != "--check" ]; then
    exit 0
fi

installed() {
    dpkg-query -W -f='${binary:Package} ${db:Status-Status}\n' |
        awk '$2 == "installed" { print $1 }' | sort
}
work="$(mktemp -d)"
app=""
# Purges exactly what the install added, taken right after it (or at the end, when it failed
# half-way), so that a package that someone else installs meanwhile stays.
cleanup() {
    if [ -n "$app" ]; then
        kill "$app" 2>/dev/null || true
    fi
    stop_xserver
    if [ ! -e "$work/added" ]; then
        installed | comm -13 "$work/before" - >"$work/added"
    fi
    local added=()
    mapfile -t added <"$work/added"
    if [ "${#added[@]}" -gt 0 ]; then
        apt_get "Removing the ${#added[@]} packages that the check installed" purge "${added[@]}"
    fi
    local left
    left="$(installed | comm -12 "$work/added" -)"
    rm -rf "$work"
    if [ -n "$left" ]; then
        echo "The check could not remove: $left" >&2
        exit 1
    fi
}

# Only what the package declares it depends on: Recommends are for a desktop, not for this test.
installed >"$work/before"
trap cleanup EXIT
apt_update
apt_get "Installing ${deb##*/} without its recommendations" install --no-install-recommends "$deb"
installed | comm -13 "$work/before" - >"$work/added"

start_xserver "$work" 1024x768
XDG_RUNTIME_DIR="$work" HOME="$work" /usr/bin/morvik >"$work/morvik.log" 2>&1 &
app=$!
window="$(timeout 20 xdotool search --sync --onlyvisible --name '^Morvik$' | head -1)" || true
if [ -z "$window" ]; then
    cat "$work/morvik.log"
    echo "The installed program did not show its window."
    exit 1
fi

# A desktop pairs the window with its launcher by the window class (StartupWMClass), and on
# Wayland by the desktop file name the program gives Qt, a UTF-16 literal in the binary.
entry="$(dpkg -L morvik | grep '^/usr/share/applications/.*\.desktop$')"
id="$(basename "$entry" .desktop)"
class="$(xprop -id "$window" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = ".*", "\(.*\)"$/\1/p')"
if ! grep -qx "StartupWMClass=$class" "$entry"; then
    echo "The window class \"$class\" is not the StartupWMClass of $entry."
    exit 1
fi
# grep reads on to the end: with -q it would stop at the match, and strings, cut off, would fail
# the pipeline.
if ! strings -el /usr/bin/morvik | grep -x "$id" >/dev/null; then
    echo "The program does not give Qt the desktop file name $id."
    exit 1
fi
# The plotting library is a plugin, loaded from where the package put it when the plot first
# shows: a click on "Plot a trend" loads it.
plugin="$(dpkg -L morvik | grep '/morvik-plot\.so$')"
xdotool mousemove --window "$window" 537 32 click 1
for _ in $(seq 100); do
    grep -qF "$plugin" "/proc/$app/maps" && break
    sleep 0.1
done
if ! grep -qF "$plugin" "/proc/$app/maps"; then
    cat "$work/morvik.log"
    echo "The installed program did not load the plot's plugin $plugin."
    exit 1
fi
echo "The installed program shows its window, of class $class, paired with $id.desktop,"
echo "and loads the plot from $plugin."
