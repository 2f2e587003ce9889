# Shared by the scripts: install what is missing, then configure and build.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# What every build needs (Qt's translation tools build the catalogues, Qt SVG writes the chart
# as a vector image, QCustomPlot draws the plot), and what the built program needs at run time to look as designed:
# the SVG plugin for its icon, the font that the drawing tests were measured with, Qt's own
# catalogues, so that the file, print and preview dialogs speak the window's language, and a
# font that draws Chinese and Japanese.
BUILD_PACKAGES=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools
    libqcustomplot-dev)
RUN_PACKAGES=(libqt6svg6 fonts-dejavu-core qt6-translations-l10n fonts-noto-cjk)

# apt-get and locale-gen print hundreds of lines; the console gets one line a step.
SETUP_LOG="$ROOT/build/setup.log"
APT_UPDATED=""

# stop_unless_root MESSAGE: without root and without sudo, nothing can be set up: say what to
# run as root instead of failing on "sudo: command not found".
stop_unless_root() {
    if [ "$(id -u)" -ne 0 ] && ! command -v sudo >/dev/null; then
        echo "$1" >&2
        exit 1
    fi
}

# setup_step TEXT COMMAND...: runs COMMAND as root, its output into the log.
setup_step() {
    local text="$1"
    shift
    stop_unless_root "$text needs root. Run as root: $*"
    local root=()
    if [ "$(id -u)" -ne 0 ]; then
        root=(sudo)
    fi
    echo "$text"
    mkdir -p "$(dirname "$SETUP_LOG")"
    if ! "${root[@]}" "$@" >>"$SETUP_LOG" 2>&1; then
        tail -n 5 "$SETUP_LOG" >&2
        echo "Failed: $*; the full output is in $SETUP_LOG" >&2
        exit 1
    fi
}

# apt_get TEXT ARGUMENTS...: apt-get as root, never asking, and waiting for another apt or
# dpkg run to finish rather than failing on its lock.
apt_get() {
    setup_step "$1" env DEBIAN_FRONTEND=noninteractive \
        apt-get -y -o DPkg::Lock::Timeout=300 "${@:2}"
}

# Once a run, before the first install: a machine's package lists may be old or missing.
apt_update() {
    if [ -z "$APT_UPDATED" ]; then
        apt_get "Updating the package lists" update
        APT_UPDATED=yes
    fi
}

# Installs the Debian packages that are not installed yet; apt runs only when one is missing.
ensure_packages() {
    local missing=()
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"
        then
            missing+=("$package")
        fi
    done
    if [ "${#missing[@]}" -eq 0 ]; then
        return 0
    fi
    stop_unless_root "Missing Debian packages: ${missing[*]}. Install them as root with:
    apt-get update && apt-get install --no-install-recommends ${missing[*]}"
    apt_update
    apt_get "Installing ${missing[*]}" install --no-install-recommends "${missing[@]}"
}

# ensure_locales NAME...: generates the UTF-8 locales (tr_TR.UTF-8 ...) that are missing.
ensure_locales() {
    local missing=()
    for name in "$@"; do
        if ! locale -a | grep -qx "${name%.UTF-8}.utf8"; then
            missing+=("$name")
        fi
    done
    if [ "${#missing[@]}" -eq 0 ]; then
        return 0
    fi
    # Listed in locale.gen, since locale-gen rebuilds only those whenever it runs again.
    local lines
    lines="$(printf '%s UTF-8\n' "${missing[@]}")"
    stop_unless_root "Missing locales: ${missing[*]}. Generate them as root with:
    printf '%s UTF-8\n' ${missing[*]} >>/etc/locale.gen && locale-gen"
    setup_step "Generating the locales ${missing[*]}" \
        sh -c 'printf "%s\n" "$1" >>/etc/locale.gen && locale-gen' sh "$lines"
}

# build DIR [cmake options...]
build() {
    local dir="$1"
    shift
    cmake -S "$ROOT" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)"
}
