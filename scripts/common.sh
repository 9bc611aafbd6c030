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

# A minimal root of Debian release $1 (debootstrap --variant=minbase), made
# once and kept in build/RELEASE-base; roots to run things in are copies of
# it, so the project's own scripts must install all they need there.
# DEBIAN_MIRROR names another mirror.
debian_base() {
    local suite="$1" mirror="${DEBIAN_MIRROR:-http://deb.debian.org/debian}"
    local base="$ROOT/build/$1-base"
    if [ -x "$base/bin/bash" ]; then
        return
    fi
    if ! command -v debootstrap >/dev/null; then
        apt_get update -qq
        apt_get install -y -qq --no-install-recommends debootstrap >/dev/null
    fi
    echo "== debootstrap --variant=minbase $suite (cached in $base) =="
    remove_root "$base.new"
    local start=$SECONDS
    if ! debootstrap --variant=minbase "$suite" "$base.new" "$mirror" >"$ROOT/build/$suite-debootstrap.log" 2>&1; then
        tail -n 20 "$ROOT/build/$suite-debootstrap.log"
        echo "debootstrap failed; the whole log is $ROOT/build/$suite-debootstrap.log" >&2
        exit 1
    fi
    # A new install's sources: the release, its updates and its security fixes.
    cat >"$base.new/etc/apt/sources.list" <<EOF2
deb $mirror $suite main
deb $mirror $suite-updates main
deb ${mirror%/debian}/debian-security $suite-security main
EOF2
    # Packages installed in a chroot must not start services.
    printf '#!/bin/sh\nexit 101\n' >"$base.new/usr/sbin/policy-rc.d"
    chmod 755 "$base.new/usr/sbin/policy-rc.d"
    mv "$base.new" "$base"
    echo "made in $((SECONDS - start)) s"
}

# Removes a root, but never one with something still mounted below it.
remove_root() {
    if findmnt -rn -o TARGET | grep -q "^$1\(/\|$\)"; then
        echo "$1 has something mounted in it; not removing it" >&2
        exit 1
    fi
    rm -rf --one-file-system "$1"
}

# Mounts what programs in root $1 expect (proc, sys, dev, /tmp, /run) and
# binds the package cache $2 to its apt's. Only in a mount namespace of the
# caller's own (unshare --mount --propagation private), with a PID namespace
# of its own for proc, so that all goes away with it.
mount_system() {
    local root="$1"
    mount -t proc proc "$root/proc"
    mount -t sysfs -o ro sysfs "$root/sys"
    mount -t tmpfs -o mode=755,nosuid dev "$root/dev"
    for node in null zero full random urandom tty; do
        touch "$root/dev/$node"
        mount --bind "/dev/$node" "$root/dev/$node"
    done
    mkdir "$root/dev/pts" "$root/dev/shm"
    mount -t devpts -o newinstance,ptmxmode=0666,mode=620 devpts "$root/dev/pts"
    ln -s pts/ptmx "$root/dev/ptmx"
    ln -s /proc/self/fd "$root/dev/fd"
    ln -s /proc/self/fd/0 "$root/dev/stdin"
    ln -s /proc/self/fd/1 "$root/dev/stdout"
    ln -s /proc/self/fd/2 "$root/dev/stderr"
    mount -t tmpfs -o mode=1777,nosuid,nodev shm "$root/dev/shm"
    mount -t tmpfs -o mode=1777,nosuid,nodev tmp "$root/tmp"
    mount -t tmpfs -o mode=755,nosuid,nodev run "$root/run"
    mkdir -m 1777 "$root/run/lock"
    mount --bind "$2" "$root/var/cache/apt/archives"
}

# NETADMIN_CMAKE_ARGS adds options to every configure (CI: -DNETADMIN_WERROR=ON).
configure_and_build() {
    local dir="$1"; shift
    cmake -S "$ROOT" -B "$dir" -G Ninja "$@" ${NETADMIN_CMAKE_ARGS:-} >/dev/null
    cmake --build "$dir" --parallel "$(nproc)" ${BUILD_TARGET:+--target "$BUILD_TARGET"}
}
