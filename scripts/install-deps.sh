#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests and the demo need,
# then the 32-bit Wine that runs the shipped Launcher, into the build tree's wine32.
# Idempotent: packages already present are skipped, apt-get update runs at
# most once, only when something is missing, and the 32-bit Wine is fetched
# once per build tree.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${THUNDRA_BUILD:-$root/build}

packages=(
    cmake ninja-build
    g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
    googletest libgtest-dev
    clang libclang-rt-14-dev
    wine wine64 fonts-wine xvfb xauth x11-apps x11-utils imagemagick xorriso
    locales strace
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
    echo "install-deps: installing ${missing[*]}"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# A Japanese host locale: with it, Wine gives programs code page 932 (and
# names files right); the tests of a Japanese user need it.
if ! locale -a 2>/dev/null | grep -qx 'ja_JP.utf8'; then
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO="sudo -n"; fi
    $SUDO localedef -i ja_JP -c -f UTF-8 ja_JP.UTF-8 || echo "install-deps: could not make the ja_JP.UTF-8 locale"
fi

"$root/scripts/install-wine32.sh" "$build/wine32"
