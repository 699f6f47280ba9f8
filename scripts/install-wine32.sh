#!/usr/bin/env bash
# The 32-bit Wine that runs the shipped 32-bit Launcher, unpacked into a
# folder of the build tree:
#   install-wine32.sh ROOT
# Debian's i386 Wine 8.0 is run by qemu-i386 (bookworm-backports), so that
# it works both where the kernel runs 32-bit programs and where it refuses
# them. It is never installed with dpkg: an installed wine32 makes the
# system's wine pick the 32-bit loader, and where 32-bit programs cannot run
# every Wine program then fails. Idempotent: a finished ROOT is left alone.
set -euo pipefail
root=$(mkdir -p "$1" && cd "$1" && pwd)
stamp="wine32 8.0, qemu-user bookworm-backports, 1"
[ "$(cat "$root/.stamp" 2>/dev/null)" != "$stamp" ] || exit 0
echo "install-wine32: downloading Debian's i386 Wine and qemu-i386 into $root (some 150 MB)"
apt=$root/apt
rm -rf "$apt" "$root/usr" "$root/etc" "$root/lib"
mkdir -p "$apt/state/lists/partial" "$apt/cache/archives/partial" "$apt/parts" "$apt/preferences.d" "$apt/debs"
touch "$apt/state/status"
# The system's own Debian mirror and keyring.
mirror=$(sed -n 's|^URIs: *\(.*/debian\)/*$|\1|p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -1)
mirror=${mirror:-http://deb.debian.org/debian}
keyring=/usr/share/keyrings/debian-archive-keyring.gpg
for suite in bookworm bookworm-updates bookworm-backports; do
    echo "deb [signed-by=$keyring] $mirror $suite main"
done >"$apt/sources.list"
cat >"$apt/apt.conf" <<CONF
APT::Architecture "i386";
APT::Architectures { "i386"; "amd64"; };
Dir::State "$apt/state";
Dir::State::status "$apt/state/status";
Dir::Cache "$apt/cache";
Dir::Etc::SourceList "$apt/sources.list";
Dir::Etc::SourceParts "$apt/parts";
Dir::Etc::Parts "$apt/parts";
Dir::Etc::PreferencesParts "$apt/preferences.d";
CONF
export APT_CONFIG=$apt/apt.conf
fail() { echo "install-wine32: $1 failed; see $apt/apt.log" >&2; exit 1; }
apt-get update -qq >"$apt/apt.log" 2>&1 || fail "reading the package lists of $mirror"
# The GUI needs these beside wine32; recommends would add some 130 MB more.
apt-get install --download-only --no-install-recommends -y -qq wine32:i386 libwine:i386 libxrender1:i386 \
    libxcursor1:i386 libxi6:i386 libxrandr2:i386 libxinerama1:i386 libxcomposite1:i386 libxfixes3:i386 \
    libxxf86vm1:i386 libgnutls30:i386 libdbus-1-3:i386 >>"$apt/apt.log" 2>&1 || fail "downloading the i386 Wine"
(cd "$apt/debs" && apt-get download -qq qemu-user:amd64/bookworm-backports >>"$apt/apt.log" 2>&1) || fail "downloading qemu-user"
for deb in "$apt"/cache/archives/*.deb "$apt"/debs/*.deb; do
    dpkg-deb -x "$deb" "$root"
done
ldconfig -r "$root"
# Wine recomputes its loader from its own folder and name: a 32-bit child
# drops "64" from the name, a 64-bit child adds it. So the folder holds a
# "wine" that runs the real 32-bit loader through qemu, and a copy (not a
# link, which Wine would resolve) of the system's wine64 and its server.
wine=$root/usr/lib/wine
mv "$wine/wine" "$wine/wine-i386.elf"
printf '#!/bin/sh\nexec %s -L %s -0 "$0" %s "$@"\n' "$root/usr/bin/qemu-i386" "$root" "$wine/wine-i386.elf" >"$wine/wine"
chmod +x "$wine/wine"
cp /usr/lib/wine/wine64 /usr/lib/wine/wineserver64 "$wine/"
mkdir -p "$root/usr/lib/x86_64-linux-gnu"
ln -sfn /usr/lib/x86_64-linux-gnu/wine "$root/usr/lib/x86_64-linux-gnu/wine"
rm -rf "$apt/cache" "$apt/debs" "$apt/state"
echo "$stamp" >"$root/.stamp"
echo "install-wine32: ready; run programs with $wine/wine64 and WINEDLLPATH=$root/usr/lib/i386-linux-gnu/wine:/usr/lib/x86_64-linux-gnu/wine"
