#!/usr/bin/env bash
# Builds the Debian package from a built tree, checks its control fields and contents,
# unpacks it into a scratch root and starts the program from there without a display: it
# must still be running when `timeout` stops it, not crash or refuse to start.
#   packaging/check-deb.sh <build dir> <cpack> <application id>
# Exits 77 (skipped) when the Debian tools are missing.
set -euo pipefail

build=$1
cpack=$2
app_id=$3
root=$(cd "$(dirname "$0")/.." && pwd)

for tool in dpkg-deb dpkg-shlibdeps; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is missing (Debian's dpkg-dev package has it)"
        exit 77
    fi
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log"
    fail "cpack could not build the package"
fi
debs=("$scratch"/out/*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    fail "expected one package, found: ${debs[*]}"
fi
deb=${debs[0]}

section=$(dpkg-deb -f "$deb" Section)
[ "$section" = games ] || fail "section is '$section', not games"
depends=$(dpkg-deb -f "$deb" Depends)
# Computed from the program's shared libraries, so the toolkit and the C++ runtime show up.
for library in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 libc6; do
    grep -q "\b$library\b" <<<"$depends" || fail "Depends lacks $library: $depends"
done
# The About box's font, and what the game would run without: the toolkit's catalogues.
grep -q "\bfonts-dejavu-core\b" <<<"$depends" || fail "Depends lacks fonts-dejavu-core: $depends"
recommends=$(dpkg-deb -f "$deb" Recommends)
for package in qt6-wayland qt6-translations-l10n; do
    grep -q "\b$package\b" <<<"$recommends" || fail "Recommends lacks $package: $recommends"
done

dpkg-deb -x "$deb" "$scratch/root"
# The game's catalogue of every language it has a source for.
catalogues=()
for source in "$root"/translations/blinzor_*.ts; do
    catalogues+=("usr/share/blinzor/translations/$(basename "$source" .ts).qm")
done
for file in usr/games/blinzor \
    usr/share/man/man6/blinzor.6.gz \
    usr/share/doc/blinzor/copyright \
    usr/share/doc/blinzor/changelog.gz \
    "usr/share/applications/$app_id.desktop" \
    "usr/share/metainfo/$app_id.metainfo.xml" \
    "usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
    "usr/share/icons/hicolor/256x256/apps/$app_id.png" \
    "${catalogues[@]}"; do
    [ -f "$scratch/root/$file" ] || fail "the package lacks /$file"
done

# The newest entry of the changelog is this version: a native package's history.
version=$(dpkg-deb -f "$deb" Version)
newest=$(gzip -dc "$scratch/root/usr/share/doc/blinzor/changelog.gz" | head -n1)
[[ $newest == "blinzor ($version) "* ]] || fail "the changelog begins '$newest', not version $version"
grep -q "^Exec=/usr/games/blinzor$" "$scratch/root/usr/share/applications/$app_id.desktop" ||
    fail "the menu entry does not start /usr/games/blinzor"

status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$scratch/root/usr/games/blinzor" || status=$?
[ $status -eq 124 ] || fail "the packaged program exited with $status instead of running"

echo "$(basename "$deb"): $(stat -c %s "$deb") bytes, installs:"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print "  " $NF }'
