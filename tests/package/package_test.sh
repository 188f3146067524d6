#!/usr/bin/env bash
# The MSI under Wine, in a copy of the test prefix so the build's prefix stays
# clean: contents, silent install, the Start-menu shortcut and what it starts,
# an in-place upgrade by a higher version, and a clean uninstall.
#   package_test.sh BIN_DIR VERSION SHORTCUT_PROBE_EXE [RESULT_XML]
# RESULT_XML, in GoogleTest's layout, lets scripts/test count every check.
source "$(dirname "$0")/../../scripts/common.sh"
bin="$1"; version="$2"; probe="$3"; result_xml="${4:-}"
[ -z "$result_xml" ] || rm -f "$result_xml"
ensure_display

work="$(mktemp -d)"
cleanup() {
  WINEPREFIX="$work/prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
cp -a "$WINEPREFIX" "$work/prefix"
export WINEPREFIX="$work/prefix"

failed=0
cases=""
check() {  # NAME COMMAND...: runs the command, reports NAME pass/fail
  local name="$1"; shift
  if "$@"; then
    echo "package: $name pass"; cases+="<testcase name=\"$name\"/>"
  else
    echo "package: $name FAIL"; cases+="<testcase name=\"$name\"><failure message=\"failed\"/></testcase>"
    failed=$((failed + 1))
  fi
}
# A dialog in a "silent" install would otherwise hang until CTest's timeout.
msiexec() { timeout 120 "$WINE" msiexec "$@"; }
winpath() { local p="${1//\//\\}"; printf 'Z:%s' "$p"; }
regkey() { "$WINE" reg query "$1" >/dev/null 2>&1; }
no_regkey() { ! regkey "$1"; }

# Same files under a higher version (third field: Windows Installer ignores
# the fourth when it compares products).
IFS=. read -r v1 v2 v3 v4 <<<"$version"
newer="$v1.$v2.$((v3 + 1)).$v4"
"$ROOT/packaging/make-package.sh" "$bin" "$work/old" "$version" >/dev/null
"$ROOT/packaging/make-package.sh" "$bin" "$work/new" "$newer" --msi-only >/dev/null
old_msi="$work/old/brevox-$version.msi"
new_msi="$work/new/brevox-$newer.msi"

FILES=(brevox-verify.exe brevox.exe ketro.exe ketro_dll.dll xpblue.tvf)
# What Windows shows as brevox.exe's version (version resource and manifest)
# is the version the MSI is built with.
exe_versions() {
  python3 - "$bin/brevox.exe" <<'PY'
import re, struct, sys
data = open(sys.argv[1], "rb").read()
at = data.find(struct.pack("<I", 0xFEEF04BD))  # VS_FIXEDFILEINFO signature
if at >= 0:
    ms, ls, pms, pls = struct.unpack_from("<4I", data, at + 8)
    for a, b in ((ms, ls), (pms, pls)):
        print(f"{a >> 16}.{a & 0xFFFF}.{b >> 16}.{b & 0xFFFF}")
for text in ("FileVersion", "ProductVersion"):
    key = (text + "\0").encode("utf-16-le")
    m = re.search(re.escape(key) + rb"(?:\0\0)*((?:[0-9.]\0)+)", data)
    print(m.group(1).decode("utf-16-le") if m else "none")
m = re.search(rb'name="Brevox\.Manager" version="([0-9.]+)"', data)
print(m.group(1).decode() if m else "none")
PY
}
check "exe-version-is-package-version" test "$(exe_versions | sort -u)" = "$version"
packaged="$(msiinfo export "$old_msi" File | tail -n +4 | cut -f3 | sed 's/.*|//' | sort | tr '\n' ' ')"
check "msi-files-exactly-the-product" test "$packaged" = "${FILES[*]} "
check "msi-without-libusb0" bash -c "! msiinfo export '$old_msi' File | grep -qi libusb0"
zipped="$(python3 -c 'import sys, zipfile
print(" ".join(sorted(n.split("/", 1)[1] for n in zipfile.ZipFile(sys.argv[1]).namelist() if not n.endswith("/"))))' \
  "$work/old/brevox-$version-portable.zip")"
check "zip-files-exactly-the-product" test "$zipped" = "README.txt ${FILES[*]}"

product_code() { msiinfo export "$1" Property | tr -d '\r' | awk -F'\t' '$1 == "ProductCode" {print $2}'; }
uninstall_key() { echo "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$1"; }
old_code="$(product_code "$old_msi")"
new_code="$(product_code "$new_msi")"

dir="$WINEPREFIX/drive_c/Program Files/Brevox"
# Windows puts a per-machine ProgramMenuFolder in the all-users menu; Wine's
# msi does not yet and uses the installing user's. Either is accepted here,
# the one used must go away on uninstall.
lnk_common="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Brevox.lnk"
lnk_user="$(echo "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs)/Brevox.lnk"
lnk=""
find_shortcut() {
  lnk=""
  for candidate in "$lnk_common" "$lnk_user"; do [ -f "$candidate" ] && lnk="$candidate"; done
  [ -n "$lnk" ]
}
installed_as_built() {
  local f
  for f in "${FILES[@]}"; do cmp -s "$bin/$f" "$dir/$f" || { echo "  $dir/$f missing or not as built"; return 1; }; done
}

check "install-silent" msiexec /i "$(winpath "$old_msi")" /qn
check "install-files" installed_as_built
check "install-no-libusb0" test ! -e "$dir/libusb0.dll"
check "install-shortcut" find_shortcut
echo "  shortcut: ${lnk#"$WINEPREFIX/"}"
check "install-registered" regkey "$(uninstall_key "$old_code")"

# Started as the shortcut starts it, with the simulator beside it for this
# test only, brevox must find its skin and show the skinned login window.
mkdir -p "$work/sim/storage"
cp "$ROOT/sim/default.conf" "$work/sim/sim.conf"
cp "$bin/libusb0.dll" "$dir/"
probe_out="$(RECORDER_SIM_CONFIG="$work/sim/sim.conf" "$WINE" "$probe" "$(winpath "$lnk")" 60 | tr -d '\r')" || true
rm -f "$dir/libusb0.dll"
echo "$probe_out" | sed 's/^/  probe: /'
check "shortcut-target" grep -qxF 'target=C:\Program Files\Brevox\brevox.exe' <<<"$probe_out"
check "shortcut-working-folder" grep -qxE 'workdir=C:\\Program Files\\Brevox\\?' <<<"$probe_out"
check "shortcut-starts-skinned-login" grep -qxF 'login=skinned' <<<"$probe_out"

check "upgrade-silent" msiexec /i "$(winpath "$new_msi")" /qn
check "upgrade-old-product-gone" no_regkey "$(uninstall_key "$old_code")"
check "upgrade-new-product-registered" regkey "$(uninstall_key "$new_code")"
check "upgrade-files" installed_as_built
check "upgrade-shortcut" find_shortcut
# An older MSI over a newer install is refused and changes nothing.
check "downgrade-refused" bash -c '! timeout 120 "$0" msiexec /i "$1" /qn' "$WINE" "$(winpath "$old_msi")"
check "downgrade-keeps-newer" regkey "$(uninstall_key "$new_code")"
check "downgrade-not-registered" no_regkey "$(uninstall_key "$old_code")"

check "uninstall-silent" msiexec /x "$(winpath "$new_msi")" /qn
check "uninstall-files-gone" test ! -e "$dir"
check "uninstall-shortcut-gone" test ! -e "$lnk_common" -a ! -e "$lnk_user"
check "uninstall-unregistered" no_regkey "$(uninstall_key "$new_code")"
check "uninstall-registry-gone" no_regkey 'HKLM\Software\Brevox'

echo "package: $failed failed"
if [ -n "$result_xml" ]; then
  mkdir -p "$(dirname "$result_xml")"
  printf '<?xml version="1.0"?>\n<testsuites><testsuite name="package">%s</testsuite></testsuites>\n' "$cases" > "$result_xml"
fi
[ "$failed" = 0 ]
