#!/usr/bin/env bash
# kelvane --export: a picture and status 0 for a good drawing; status 1 and
# one line on stderr for a missing input or an unwritable output.
set -u
kelvane=$1
drawing=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$kelvane" --export "$drawing" "$work/a.png" --surface 320x240 2>"$work/err" || fail "export failed: $(cat "$work/err")"
[ -s "$work/a.png" ] || fail "no picture written"
head -c 8 "$work/a.png" | od -An -c | grep -q 'P   N   G' || fail "not a PNG file"

"$kelvane" --export "$work/missing.kel" "$work/b.png" 2>"$work/err" && fail "missing input accepted"
[ "$(wc -l <"$work/err")" -eq 1 ] || fail "expected one line on stderr, got: $(cat "$work/err")"
grep -q 'missing.kel' "$work/err" || fail "the message does not name the file"
[ -e "$work/b.png" ] && fail "a picture was written for a missing input"

"$kelvane" --export "$drawing" "$work/no/dir/c.png" 2>"$work/err" && fail "unwritable output accepted"
[ "$(wc -l <"$work/err")" -eq 1 ] || fail "expected one line on stderr, got: $(cat "$work/err")"
echo "ok"
