#!/usr/bin/env bash
# Installs what is missing, builds and runs every test headless.
#   ./test.sh             the ordinary build, in build/
#   ./test.sh --sanitize  AddressSanitizer and UndefinedBehaviorSanitizer, in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")"
. tools/common.sh

build=build
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVANE_SANITIZE=OFF)
case "${1:-}" in
    --sanitize)
        build=build-sanitize
        options=(-DCMAKE_BUILD_TYPE=Debug -DKELVANE_SANITIZE=ON)
        export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
        export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
        export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
        ;;
    "") ;;
    *) echo "usage: ./test.sh [--sanitize]" >&2; exit 2 ;;
esac

kelvane_install_packages
kelvane_build "$build" "${options[@]}"
export QT_QPA_PLATFORM=offscreen
cd "$build"
ctest --output-on-failure -j "$(nproc)"
