# Shared by scripts/run, scripts/test and .ci/run: installs what the build
# needs from Debian's packages and builds the program in Release mode.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build/release}"

# Debian 12 packages the build, the tests and the benchmarks need.
DEPS=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-image-formats-plugins
      libgl-dev libxcb1-dev pkg-config fonts-liberation libbenchmark-dev libicu-dev ${EXTRA_DEPS:-})

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# apt-get as root, waiting for another apt or dpkg run to finish rather than
# failing on its lock.
apt_get() {
    as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 "$@"
}

install_deps() {
    local missing=()
    for pkg in "${DEPS[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing missing packages: ${missing[*]}"
        apt_get update -qq
        apt_get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

# What debian/control names for building the package (dpkg-buildpackage).
install_build_deps() {
    if ! (cd "$ROOT" && dpkg-checkbuilddeps 2>/dev/null); then
        echo "Installing the build dependencies named in debian/control"
        apt_get update -qq
        apt_get build-dep -y -qq "$ROOT" >/dev/null
    fi
}

# Copies the working tree, as it is but without its builds (a package build's
# leftovers in debian/ among them), into DEST.
copy_tree() {
    mkdir -p "$1"
    tar -C "$ROOT" --exclude=./build --exclude=./.git --exclude='./obj-*' --exclude=./debian/.debhelper \
        --exclude=./debian/netadmin-quiz --exclude=./debian/tmp --exclude=./debian/files \
        --exclude=./debian/debhelper-build-stamp --exclude='./debian/*.substvars' \
        --exclude='./debian/*.debhelper.log' -cf - . | tar -C "$1" -xf - "${@:2}"
}

# NETADMIN_CMAKE_ARGS adds options to every configure (CI: -DNETADMIN_WERROR=ON).
configure_and_build() {
    local dir="$1"; shift
    cmake -S "$ROOT" -B "$dir" -G Ninja "$@" ${NETADMIN_CMAKE_ARGS:-} >/dev/null
    cmake --build "$dir" --parallel "$(nproc)" ${BUILD_TARGET:+--target "$BUILD_TARGET"}
}
