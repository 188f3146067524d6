#!/usr/bin/env bash
# Builds the MSI and the portable zip of brevox from a Windows build's bin
# folder:  make-package.sh BIN_DIR OUT_DIR VERSION [--msi-only]
# Writes OUT_DIR/brevox-VERSION.msi and OUT_DIR/brevox-VERSION-portable.zip.
# VERSION must be the build's version; the tests pass a higher one to make an
# upgrade of the same files.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
bin="$(cd "$1" && pwd)"; mkdir -p "$2"; out="$(cd "$2" && pwd)"; version="$3"
msi_only="${4:-}"

# What a PC gets. Never the simulator's libusb0.dll: on a real PC that file
# belongs to the recorder's USB driver, and a copy beside brevox.exe would
# shadow it.
FILES=(brevox.exe ketro_dll.dll xpblue.tvf ketro.exe brevox-verify.exe)
# DLLs the programs may import without shipping them: Windows' own, and
# libusb0.dll, which the recorder's driver installs.
PROVIDED='^(kernel32|user32|gdi32|comctl32|comdlg32|ole32|oleaut32|shell32|shlwapi|advapi32|bcrypt|msvcrt|uxtheme|msimg32|version|winmm|imm32|setupapi|ntdll|libusb0)\.dll$|^api-ms-win-'

for f in "${FILES[@]}"; do
  [ -f "$bin/$f" ] || { echo "make-package: $bin/$f is missing" >&2; exit 1; }
done
# A mingw runtime DLL (libstdc++-6.dll, libgcc_s_seh-1.dll, libwinpthread-1.dll)
# that slipped in would make the installed program fail to start.
for f in "${FILES[@]}"; do
  case "$f" in *.exe | *.dll) ;; *) continue ;; esac
  while read -r dll; do
    lower="${dll,,}"
    printf '%s\n' "${FILES[@],,}" | grep -qxF "$lower" && continue
    [[ "$lower" =~ $PROVIDED ]] && continue
    echo "make-package: $f needs $dll, which is neither in the package nor a Windows DLL" >&2
    exit 1
  done < <(x86_64-w64-mingw32-objdump -p "$bin/$f" | sed -n 's/^\s*DLL Name: //p')
done

stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/brevox-$version"
for f in "${FILES[@]}"; do cp "$bin/$f" "$stage/brevox-$version/"; done
cp "$here/../app/res/brevox.ico" "$stage/brevox.ico"

# wixl resolves sources from its working folder (absolute paths fail).
rm -f "$out/brevox-$version.msi"
(cd "$stage" && wixl -a x64 -D Version="$version" -D BinDir="brevox-$version" -D IconFile=brevox.ico \
  -o "$out/brevox-$version.msi" "$here/brevox.wxs")
echo "make-package: $out/brevox-$version.msi"
[ "$msi_only" = "--msi-only" ] && exit 0

# CRLF and a BOM so Notepad on any Windows shows the text as written.
{ printf '\xef\xbb\xbf'; sed 's/$/\r/' "$here/portable-readme.txt" | sed "s/@VERSION@/$version/"; } \
  > "$stage/brevox-$version/README.txt"
rm -f "$out/brevox-$version-portable.zip"
(cd "$stage" && zip -q -X -r "$out/brevox-$version-portable.zip" "brevox-$version")
echo "make-package: $out/brevox-$version-portable.zip"
