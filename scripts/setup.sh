# Shared set-up of run-editor and run-tests: installs what is missing from
# Debian's packages, then configures and builds. Sourced, not run.

QUORVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
QUORVANE_PACKAGES=(cmake ninja-build g++ libgtest-dev libbenchmark-dev qt6-base-dev fonts-dejavu-core
    clang libclang-rt-14-dev libcsv-dev qt6-svg-dev poppler-utils desktop-file-utils libxml2-utils
    shared-mime-info dpkg-dev file xvfb xauth x11-utils qt6-translations-l10n qt6-qpa-plugins
    qt6-image-formats-plugins)

install_missing_packages() {
    local missing=() package
    for package in "${QUORVANE_PACKAGES[@]}"; do
        if [ "$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null)" != installed ]; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "These Debian packages are missing: ${missing[*]}. Install them as root, or install sudo." >&2
            return 1
        fi
        as_root=(sudo)
    fi
    echo "Installing from Debian: ${missing[*]}"
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# The dev tree's optimised build with line tables only (-g1): backtraces in
# gdb keep their files and lines, and the build takes a third
# less time than with full debug information.
dev_flags=(-DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG")

# build DIR [CMAKE_ARGS...]: configures DIR once, then builds it.
build_tree() {
    local dir="$QUORVANE_ROOT/$1"
    shift
    cmake -S "$QUORVANE_ROOT" -B "$dir" -G Ninja -Wno-dev "$@" >/dev/null
    cmake --build "$dir"
}
