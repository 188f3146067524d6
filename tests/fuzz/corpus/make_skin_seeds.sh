#!/usr/bin/env bash
# Writes the seed corpus of the skin loader fuzz target: small skin files in
# several format versions and their uncompressed bodies.
# Usage: tests/fuzz/corpus/make_skin_seeds.sh build/linux/bin/skinc
set -euo pipefail
skinc=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
out=$here/skin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
cp "$here/../../../skins/xpblue/images/edit.bmp" pic.bmp
cat > small.skin <<'SRC'
skin 1.13
object 25 "Info" {
    USETRANSPARENTCOLOR = 1
}
object 1 "MainFrame" {
    ACTIVEFRAME.TOPLEFT = image("pic", 0, 0, 8, 8, 0)
    menubar "Bar" {
        @colorA = 0x00102030
    }
    object 3 "Close" {
        @kind = 1
    }
    object 22 "Logo" {
        @image = image("pic", 0, 0, 4, 4, 0)
        @anchor = 6
    }
    object 38 "Area" {
        @image = image("pic", 0, 0, 4, 4, 2)
    }
}
object 4 "Button" {
    NORMAL.IMAGE = grid("pic", 0, 0, 16, 16, 2, 2, 2, 2, 1)
}
object 6 "Combo" {
    COLOR.FOCUS = 0x00FF0000
}
object 12 "Scroll" {
    VNORMAL.ARROW1 = image("pic", 0, 0, 4, 4, 0)
}
object 42 "Tip" {
    @tiptext = "<b>tip</b>"
}
object 100 "Custom" {
    property("Speed", 6, "1", bytes("05000000"), "five")
}
image "pic" "pic.bmp"
auxiliary "Aux" {
}
SRC
for v in 0 3 6 7 8 9 11 13; do
    "$skinc" build small.skin "$out/small-1.$v.tvf" --version "1.$v"
done
cat > tiny.skin <<'SRC'
skin 1.13
object 14 "Static" {
    object 7 "Edit" {
        object 29 "Tree" {
        }
    }
}
SRC
"$skinc" build tiny.skin "$out/tiny.tvf"
# Uncompressed bodies, which the fuzz target packs itself.
"$skinc" build small.skin "$out/small-1.13.body" --raw
"$skinc" build small.skin "$out/small-1.5.body" --version 1.5 --raw
"$skinc" build tiny.skin "$out/tiny.body" --raw
