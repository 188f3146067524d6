#!/usr/bin/env bash
# One import under Wine (the end-to-end case that leaves its import in
# c:\MEDIA), then its manifest checked by sha256sum -c on the Unix side: the
# manifest must be usable without brevox, on any machine.
source "$(dirname "$0")/../../scripts/common.sh"
bin="$1"
cd "$bin"
"$ROOT/scripts/wine-run" ./app_e2e_test.exe --gtest_filter='MediaImportEvidence.ManifestAndRecordOfAnImport'
media="$WINEPREFIX/drive_c/MEDIA"
manifests=("$media"/import-*.sha256)
[ "${#manifests[@]}" -eq 1 ] && [ -f "${manifests[0]}" ] || { echo "expected one manifest in $media"; exit 1; }
cd "$media"
sha256sum --check --strict "$(basename "${manifests[0]}")"
