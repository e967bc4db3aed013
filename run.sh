#!/usr/bin/env bash
# Installs what is missing, builds and starts Kelvane: ./run.sh [drawing.kel]
set -euo pipefail
cd "$(dirname "$0")"
. tools/common.sh

kelvane_install_packages
kelvane_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVANE_SANITIZE=OFF
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    drawing=${1:-examples/triangle.kel}
    picture=build/$(basename "${drawing%.*}").png
    build/kelvane --export "$drawing" "$picture"
    cat >&2 <<MSG
No display found, so the window cannot open here. Headless, Kelvane drew
$drawing into $picture instead.
It also runs command scripts against the same window:
  build/kelvane --script examples/tour.ks
(see build/kelvane --help), or start it in a virtual display:
  xvfb-run -a build/kelvane $drawing
MSG
    exit 1
fi
exec build/kelvane "$@"
