#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the desktop files:
# each is there, the .desktop entry validates and the MIME entry parses.
set -u
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "install failed"; exit 1; }
status=0
for file in bin/kelvane share/applications/kelvane.desktop share/mime/packages/kelvane.xml \
  share/icons/hicolor/scalable/apps/kelvane.svg share/kelvane/KelvaneHelp.doc \
  share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/kelvane.png; do
  [ -s "$prefix/$file" ] || { echo "missing: $file"; status=1; }
done
desktop-file-validate "$prefix/share/applications/kelvane.desktop" || status=1
update-mime-database "$prefix/share/mime" || status=1
grep -q '^application/x-kelvane:\*\.kel$' "$prefix/share/mime/globs" ||
  { echo "no glob for *.kel"; status=1; }
grep -q 'x-kelvane' "$prefix/share/mime/magic" || { echo "no magic for application/x-kelvane"; status=1; }
exit $status
