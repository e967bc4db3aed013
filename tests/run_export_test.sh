#!/usr/bin/env bash
# kelvane --export: a picture in the format of the extension and status 0
# for a good drawing; status 1, one line on stderr and nothing written for a
# bad request; rows that cannot be drawn reported on stderr.
set -u
kelvane=$1
drawing=$2
work=$(mktemp -d)
chmod 755 "$work"
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
starts() { head -c "${#2}" "$1" | grep -q "^$2" || fail "$1 does not start with $2"; }

"$kelvane" --export "$drawing" "$work/a.png" --surface 320x240 >"$work/out" 2>"$work/err" \
    || fail "export failed: $(cat "$work/err")"
head -c 8 "$work/a.png" | od -An -c | grep -q 'P   N   G' || fail "not a PNG file"
grep -q 'a.png written' "$work/out" || fail "no success line: $(cat "$work/out")"
[ -s "$work/err" ] && fail "stderr not empty for a good drawing: $(cat "$work/err")"

for format in emf svg pdf jpg; do
    "$kelvane" --export "$drawing" "$work/a.$format" --crop 10,10,200,150 >/dev/null 2>"$work/err" \
        || fail "$format export failed: $(cat "$work/err")"
done
[ "$(head -c 44 "$work/a.emf" | tail -c 4)" = " EMF" ] || fail "not an EMF file"
starts "$work/a.svg" '<?xml'
starts "$work/a.pdf" '%PDF-'
grep -aq 'MediaBox \[0 0 150' "$work/a.pdf" || fail "PDF page is not 200 x 150 px at 96 dpi"

"$kelvane" --export "$work/missing.kel" "$work/b.png" 2>"$work/err" && fail "missing input accepted"
[ "$(wc -l <"$work/err")" -eq 1 ] || fail "expected one line on stderr, got: $(cat "$work/err")"
grep -q 'missing.kel' "$work/err" || fail "the message does not name the file"
[ -e "$work/b.png" ] && fail "a picture was written for a missing input"

"$kelvane" --export "$drawing" "$work/no/dir/c.png" 2>"$work/err" && fail "unwritable output accepted"
[ "$(wc -l <"$work/err")" -eq 1 ] || fail "expected one line on stderr, got: $(cat "$work/err")"

for bad in '--crop 1,2,3' '--crop a,b,c,d' '--scale 0' '--scale x'; do
    # shellcheck disable=SC2086
    "$kelvane" --export "$drawing" "$work/f.svg" $bad 2>"$work/err" >/dev/null
    [ $? -eq 2 ] || fail "'$bad' was not refused as a usage error"
    grep -q -e "${bad%% *} needs" "$work/err" || fail "no reason for '$bad': $(head -1 "$work/err")"
done
[ -e "$work/f.svg" ] && fail "a picture was written for bad options"

# An empty crop area is refused before anything is written.
echo old >"$work/d.emf"
"$kelvane" --export "$drawing" "$work/d.emf" --crop 10,10,0,50 2>"$work/err" && fail "empty crop accepted"
grep -q 'empty' "$work/err" || fail "no reason for the empty crop: $(cat "$work/err")"
[ "$(cat "$work/d.emf")" = old ] || fail "an empty crop touched the old file"

# Rows that cannot be drawn: the picture is written and stderr says which.
printf 'Y\tL\t0000FF01\t10\t20\t90\t20\t\t\t\r\nY\tb\t0\tx\t1\t5\t5\t\t\t\r\n' >"$work/bad.kel"
"$kelvane" --export "$work/bad.kel" "$work/bad.svg" >/dev/null 2>"$work/err" || fail "a drawing with a bad row failed"
grep -q 'Row 2 not drawn' "$work/err" || fail "rows left out were not reported: $(cat "$work/err")"
[ -s "$work/bad.svg" ] || fail "no picture for a drawing with a bad row"

# A read-only folder: a clear message, the old file intact. Root writes
# anywhere, so there the export runs as another user.
mkdir "$work/ro"
cp "$drawing" "$work/in.kel"
chmod 644 "$work/in.kel"
echo old >"$work/ro/e.pdf"
chmod 555 "$work/ro"
as_user=()
[ "$(id -u)" -eq 0 ] && as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
"${as_user[@]}" "$kelvane" --export "$work/in.kel" "$work/ro/e.pdf" 2>"$work/err" \
    && fail "a read-only folder accepted"
grep -q 'cannot write .*e.pdf' "$work/err" || fail "unclear message: $(cat "$work/err")"
[ "$(cat "$work/ro/e.pdf")" = old ] || fail "the old file was changed"
echo "ok"
