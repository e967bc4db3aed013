#!/usr/bin/env bash
# Runs one command script and compares its stdout, stderr and exit status with
# NAME.expected (stdout), NAME.stderr (optional: compared when present) and
# NAME.status (optional, default 0). NAME.args (optional) holds arguments,
# separated by blanks, that go before --script on the command line.
set -u
kelvane=$1
script=$2
base=${script%.ks}
dir=$(dirname "$script")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Scripts run in a scratch folder where examples/ and fixtures/ are at hand and
# whatever they write disappears afterwards.
root=$(cd "$dir/../.." && pwd)
mkdir -p "$work/run"
ln -s "$root/examples" "$work/run/examples"
ln -s "$root/tests/scripts/fixtures" "$work/run/fixtures"
cd "$work/run" || exit 2
args=()
[ -f "$base.args" ] && read -r -a args <"$base.args"
"$kelvane" "${args[@]}" --script "$script" >"$work/out" 2>"$work/err"
status=$?
want_status=0
[ -f "$base.status" ] && want_status=$(cat "$base.status")
ok=1
if ! diff -u "$base.expected" "$work/out"; then ok=0; fi
if [ -f "$base.stderr" ]; then
  diff -u "$base.stderr" "$work/err" || ok=0
fi
if [ "$status" != "$want_status" ]; then
  echo "exit status $status, expected $want_status"; ok=0
fi
[ $ok = 1 ]
