#!/usr/bin/env bash
# The Debian package of a build tree holds both programs and the desktop files, and
# depends on the libraries they link. Skipped (77) when the tree has no package.
# Usage: CheckDebListing.sh BUILD_DIR VERSION
set -euo pipefail
shopt -s nullglob
debs=("$1"/pixolan_"$2"_*.deb)
((${#debs[@]})) || { echo "no package in $1 (scripts/package.sh builds it)"; exit 77; }
listing=$(dpkg-deb -c "${debs[0]}")
status=0
for path in ./usr/bin/pixolan-cli ./usr/bin/pixolan ./usr/share/applications/pixolan.desktop \
  ./usr/share/mime/packages/pixolan.xml ./usr/share/icons/hicolor/scalable/apps/pixolan.svg \
  ./usr/share/icons/hicolor/scalable/mimetypes/application-x-pixolan-document.svg; do
  grep -q " $path\$" <<<"$listing" || { echo "missing: $path"; status=1; }
done
depends=$(dpkg-deb -f "${debs[0]}" Depends)
for lib in libpng libgif libqt6widgets6 libqt6svg6; do
  grep -q "$lib" <<<"$depends" || { echo "Depends lacks $lib: $depends"; status=1; }
done
exit $status
