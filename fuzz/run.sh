#!/usr/bin/env bash
# Builds the fuzz targets into build-fuzz/ (clang, libFuzzer, ASan, UBSan)
# and runs one target, or every target in turn.
#   fuzz/run.sh TARGET SECONDS
#   TARGET: kel_file, clipboard_paste, picture_rows, script_parser, emf_player or all
# New inputs go to build-fuzz/corpus/TARGET, findings to
# build-fuzz/artifacts/TARGET/. The exit status is 1 when a target found
# something. KELVANE_JOBS sets the build's parallel jobs (default: every core);
# KELVANE_FUZZ_ARGS adds libFuzzer options, which win over the ones below
# (e.g. -timeout=5 on a machine so loaded that wall-clock seconds say little).
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/common.sh

targets=(kel_file clipboard_paste picture_rows script_parser emf_player)
declare -A max_len=([kel_file]=16384 [clipboard_paste]=16384 [picture_rows]=65536
    [emf_player]=65536
    [script_parser]=4096)
# Picture inputs stay small unless libFuzzer may grow them at once.
declare -A extra=([picture_rows]=-len_control=0)
declare -A dictionary=([kel_file]=kel [clipboard_paste]=kel [picture_rows]=picture
    [emf_player]=picture
    [script_parser]=script)

usage() {
    echo "usage: fuzz/run.sh {${targets[*]// /|}|all} SECONDS" >&2
    exit 2
}
[ $# -eq 2 ] || usage
[[ $2 =~ ^[0-9]+$ ]] || usage
wanted=()
if [ "$1" = all ]; then
    wanted=("${targets[@]}")
else
    for t in "${targets[@]}"; do [ "$t" = "$1" ] && wanted=("$t"); done
    [ ${#wanted[@]} -eq 1 ] || usage
fi
seconds=$2
build=build-fuzz

kelvane_install_packages
started=$(date +%s)
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
export CCACHE_BASEDIR="$kelvane_root" CCACHE_NOHASHDIR=1
# -O1 keeps the build quick and the assertions stay on.
cmake -S . -B "$build" -G Ninja "${launcher[@]}" -DCMAKE_CXX_COMPILER=clang++-14 \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" \
    -DKELVANE_FUZZ=ON -DKELVANE_TESTS=OFF >/dev/null
cmake --build "$build" -j "${KELVANE_JOBS:-$(nproc)}" --target "${wanted[@]/%/_fuzzer}"
echo "fuzz targets built in $(($(date +%s) - started)) s"

# A small quarantine keeps ASan's own memory from reaching the 2 GB cap.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:quarantine_size_mb=64
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
status=0
for t in "${wanted[@]}"; do
    mkdir -p "$build/corpus/$t" "$build/artifacts/$t"
    echo "== $t: $seconds s"
    # A hang (1 s for one input), a leak or 2 GB of memory is a finding.
    log="$build/$t.log"
    result=0
    "$build/fuzz/${t}_fuzzer" "$build/corpus/$t" "fuzz/corpus/$t" \
        -max_total_time="$seconds" -timeout=1 -rss_limit_mb=2048 -max_len="${max_len[$t]}" \
        -detect_leaks=1 -dict="fuzz/dict/${dictionary[$t]}.dict" -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$t/" ${extra[$t]:-} ${KELVANE_FUZZ_ARGS:-} >"$log" 2>&1 || result=$?
    # Progress lines left out; the full output stays in the log.
    grep -v '^#[0-9]*[[:space:]]*\(NEW\|REDUCE\|pulse\)' "$log" || true
    if [ $result -ne 0 ]; then
        echo "== $t found a fault (exit $result): see $log and $build/artifacts/$t/"
        status=1
    fi
done
exit $status
