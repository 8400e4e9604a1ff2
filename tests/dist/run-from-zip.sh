#!/bin/sh
# Unpacks the portable zip into a fresh folder and starts one of its programs
# there in a fresh Wine prefix: no WINEPATH, no variable of the build, so the
# folder must hold everything the program loads.
#   run-from-zip.sh convert|wizard ZIP BUILD_DIR SOURCE_DIR
set -eu
what=$1 zip=$2 build=$3 source=$4
[ -f "$zip" ] || { echo "no $zip: run the windows-dist target first" >&2; exit 1; }
wine=$(command -v /usr/lib/wine/wine64 || command -v wine64 || command -v wine)
work=$(mktemp -d "$build/zip-test-$what.XXXXXX")
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
unset WINEPATH DISPLAY
cleanup() { wineserver -k 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
# A folder with an accented name, as users' folders have.
unpacked="$work/Données"
mkdir -p "$unpacked"
unzip -q "$zip" -d "$unpacked"
folder=$(echo "$unpacked"/Tembrix-*-windows-x64)

case $what in
convert)
    # The worked example, byte for byte, from a list in an accented folder:
    # the default script lands beside it with the folder's name in OutputDir.
    list="$work/Projet été/Support"
    mkdir -p "$list"
    cp "$source/examples/Inventory/Support/SETUP.LST" "$list/SETUP.LST"
    "$wine" "$folder/tembrix-convert.exe" "$list/SETUP.LST" -o - --output-dir 'C:\Build\OutPut\' \
        --setup-lines 'C:\nowhere\SetupLine.txt' >"$work/out.iss" 2>"$work/err.txt"
    cmp "$work/out.iss" "$source/tests/data/engine/worked-example.iss"
    "$wine" "$folder/tembrix-convert.exe" "$list/SETUP.LST" -q
    # OutputDir is Z:\...\Projet été\Support\OutPut\ in Windows-1252.
    expected=$(printf 'OutputDir=Z:%s\\OutPut\\\r' "$list" | tr / '\\' | iconv -f UTF-8 -t CP1252)
    grep -qF "$expected" "$list/Setup.iss" || {
        echo "no line: $expected" >&2
        grep OutputDir "$list/Setup.iss" >&2
        exit 1
    }
    ;;
wizard)
    # Offscreen, the program writes the translator's template beside itself.
    "$wine" "$folder/tembrix.exe" -platform offscreen >"$work/out.txt" 2>&1 &
    i=0
    while [ ! -s "$folder/Francais.lng" ] && [ $i -lt 120 ]; do sleep 0.5; i=$((i + 1)); done
    sleep 1
    cmp "$folder/Francais.lng" "$source/tests/data/localisation/Francais.lng"
    ;;
*)
    echo "usage: $0 convert|wizard ZIP BUILD_DIR SOURCE_DIR" >&2
    exit 2
    ;;
esac
echo "$what: passed"
