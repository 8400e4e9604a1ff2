#!/bin/sh
# make-installer.sh SCRIPT.iss
#
# Compiles an Inno Setup script with Inno Setup's own compiler under Wine.
# The compiler comes from the npm package that ships it, checked against the
# SHA-256 below and unpacked once into the cache. Users have no copy of it, so
# the build fetches its own.
set -eu

version=6.4.1
package_sha256=fc36b763a729c8964416552d733f4864ac4a4934d0a6569e20c2feb4c29b9684

fail() {
    echo "make-installer: $*" >&2
    exit 1
}

[ $# -eq 1 ] || fail "usage: make-installer.sh SCRIPT.iss"
script=$(realpath "$1")
[ -f "$script" ] || fail "no such script: $1"
command -v wine >/dev/null || fail "Wine is needed (make windows-installer installs it)"
# The compiler is a 32-bit program: Wine needs its 32-bit half, and a kernel
# that runs 32-bit Linux programs (some have that switched off at boot).
wine --version >/dev/null 2>&1 ||
    fail "Wine cannot start 32-bit programs here (is wine32 installed? does the kernel run 32-bit programs?)"

cache=${TEMBRIX_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tembrix}
compiler=$cache/innosetup-$version
if [ ! -f "$compiler/bin/ISCC.exe" ]; then
    command -v npm >/dev/null || fail "npm is needed to fetch Inno Setup $version"
    mkdir -p "$cache"
    work=$(mktemp -d "$cache/innosetup-fetch.XXXXXX")
    trap 'rm -rf "$work"' EXIT
    (cd "$work" && npm pack --silent "innosetup@$version" >/dev/null) ||
        fail "npm could not fetch innosetup@$version"
    tarball=$work/innosetup-$version.tgz
    echo "$package_sha256  $tarball" | sha256sum -c --quiet - ||
        fail "innosetup@$version is not the package this build knows (SHA-256 differs); nothing installed"
    mkdir "$work/unpacked"
    tar -xzf "$tarball" -C "$work/unpacked" --strip-components=1
    [ -f "$work/unpacked/bin/ISCC.exe" ] || fail "innosetup@$version holds no bin/ISCC.exe"
    # Moved into place whole, so that a broken fetch never looks like a compiler.
    rm -rf "$compiler"
    mv "$work/unpacked" "$compiler"
    rm -rf "$work"
    trap - EXIT
fi

# Wine's own prefix for the compiler, apart from the user's; Wine shows the
# Linux root as drive Z:, which is how the compiler sees the script.
export WINEPREFIX="${TEMBRIX_WINEPREFIX:-$cache/wine-iscc}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
windows_script="Z:$(printf '%s' "$script" | tr / '\\')"
exec wine "$compiler/bin/ISCC.exe" /Q "$windows_script"
