#!/usr/bin/env bash
# Checks what the build gives the desktop: the launcher and the software centre's entry, the
# Debian package (lintian: no errors; its other findings are listed), and the package's programs,
# file type and man pages as installed, from the package unpacked into a scratch folder.
#   scripts/check-package.sh [build folder, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

desktop-file-validate data/cz.varko.Tool.desktop
appstreamcli validate --no-net data/cz.varko.Tool.metainfo.xml

rm -f "$build"/varko_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(echo "$build"/varko_*.deb)
lintian --allow-root --fail-on error "$deb"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg-deb -x "$deb" "$scratch"
usr=$scratch/usr
"$usr/bin/varko-cli" --version
"$usr/bin/varko-cli" preset 1 -o "$scratch/x.ign"
grep -q '^KALUBREN_KEY' "$scratch/x.ign"
for page in "$usr"/share/man/man1/*.1.gz; do
    man -l "$page" >"$scratch/page.txt"
    grep -q '^NAME' "$scratch/page.txt" || { echo "check-package: $page has no NAME" >&2; exit 1; }
done
XDG_DATA_DIRS="$usr/share" update-mime-database "$usr/share/mime"
grep -q '^50:application/x-varko-ign:\*\.ign$' "$usr/share/mime/globs2"
grep -q 'application/x-varko-ign' "$usr/share/mime/magic"
echo "check-package: $(basename "$deb") checked"
