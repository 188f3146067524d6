#!/usr/bin/env bash
# Command-line behaviour of skinc: build, dump, round trip, failures.
# Usage: skinc_cli_test.sh SKINC SOURCE-ROOT
set -euo pipefail
skinc=$1
root=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$skinc" build "$root/skins/xpblue/xpblue.skin" "$work/a.tvf" --version 1.9
mkdir "$work/img"
"$skinc" dump "$work/a.tvf" --images "$work/img" > "$work/img/a.skin"
head -1 "$work/img/a.skin" | grep -qx "skin 1.9" || fail "dump header"
grep -q '^object 1 "MainFrame" {' "$work/img/a.skin" || fail "MainFrame missing"
grep -q '^image "button" "button.bmp" format bmp width 32 height 110 bpp 24$' "$work/img/a.skin" || fail "image line"
"$skinc" build "$work/img/a.skin" "$work/b.tvf"
"$skinc" dump "$work/b.tvf" > "$work/b.skin"
diff "$work/img/a.skin" "$work/b.skin" > /dev/null || fail "round trip differs"

# A frame image (type 22) among a frame's elements survives build, dump, build.
printf 'object 1 "F" {\n object 22 "Logo" {\n  @image = image("logo", 0, 0, 16, 16, 0)\n }\n}\n' > "$work/logo.skin"
"$skinc" build "$work/logo.skin" "$work/logo1.tvf"
"$skinc" dump "$work/logo1.tvf" > "$work/logo1.skin"
grep -qx '        @image = image("logo", 0, 0, 16, 16, 0)' "$work/logo1.skin" || fail "frame image not dumped"
"$skinc" build "$work/logo1.skin" "$work/logo2.tvf"
cmp -s "$work/logo1.tvf" "$work/logo2.tvf" || fail "frame image round trip differs"

printf 'garbage!' > "$work/bad.tvf"
if "$skinc" dump "$work/bad.tvf" > "$work/out.txt"; then fail "bad file accepted"; fi
grep -qx "error 5" "$work/out.txt" || fail "expected error 5"
if "$skinc" dump "$work/missing.tvf" > "$work/out.txt"; then fail "missing file accepted"; fi
grep -qx "error 4" "$work/out.txt" || fail "expected error 4"

"$skinc" decode "$root/skins/xpblue/images/radio.bmp" "$work/radio.bmp"
cmp -s "$work/radio.bmp" "$root/skins/xpblue/images/radio.bmp" || fail "decode changed a 24-bit BMP"
printf 'xx' > "$work/short.bmp"
if "$skinc" decode "$work/short.bmp" "$work/o.bmp" > "$work/out.txt"; then fail "short image accepted"; fi
grep -qx "Not a BMP" "$work/out.txt" || fail "expected the decoder's message, got $(cat "$work/out.txt")"
# A 2 x 1 TGA of 32 bits: colours and a second file with the alpha channel.
printf '\x00\x00\x02\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x01\x00\x20\x08\x10\x20\x30\x80\x40\x50\x60\xff' > "$work/px.tga"
"$skinc" decode "$work/px.tga" "$work/px.bmp"
[ -f "$work/px-alpha.bmp" ] || fail "no alpha file for a 32-bit TGA"
# Bottom-up 24-bit rows: first pixel blue 0x10 green 0x20 red 0x30; alpha 0x80.
[ "$(od -An -tx1 -j54 -N3 "$work/px.bmp" | tr -d ' ')" = "102030" ] || fail "TGA colours"
[ "$(od -An -tx1 -j54 -N1 "$work/px-alpha.bmp" | tr -d ' ')" = "80" ] || fail "TGA alpha"
echo "skinc command line: all checks passed"
