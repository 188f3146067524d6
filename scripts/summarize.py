"""Sums CTest, GoogleTest and fuzz results into "N passed, N failed"."""
import glob
import os
import sys
import xml.etree.ElementTree as ET

folder, build_failures = sys.argv[1], int(sys.argv[2])
passed, failed = 0, build_failures

for ctest_xml in sorted(glob.glob(os.path.join(folder, "*.ctest.xml"))):
    preset = os.path.basename(ctest_xml)[: -len(".ctest.xml")]
    for case in ET.parse(ctest_xml).getroot().iter("testcase"):
        name = case.get("name")
        ok = case.get("status") in ("run", "passed") and case.find("failure") is None
        gtest = os.path.join(folder, preset + ".gtest", name + ".xml")
        gp = gf = 0
        if os.path.exists(gtest):
            try:
                for tc in ET.parse(gtest).getroot().iter("testcase"):
                    if tc.get("result", "completed") == "skipped" or tc.find("skipped") is not None:
                        continue
                    if tc.find("failure") is not None:
                        gf += 1
                    else:
                        gp += 1
            except ET.ParseError:
                gp = gf = 0
        if gp + gf == 0:  # not a GoogleTest program, or it died before writing
            gp, gf = (1, 0) if ok else (0, 1)
        elif not ok and gf == 0:  # crashed or timed out after its last case
            gf = 1
        if gf:
            print(f"FAILED: {preset}/{name}")
        passed += gp
        failed += gf

# One line per fuzz run or other check: "NAME pass|fail ...".
for kind in ("fuzz", "checks"):
    listing = os.path.join(folder, kind + ".txt")
    if not os.path.exists(listing):
        continue
    for line in open(listing):
        parts = line.split()
        if len(parts) >= 2 and parts[1] == "pass":
            passed += 1
        elif parts:
            print(f"FAILED: {kind}/{parts[0]}")
            failed += 1

print(f"{passed} passed, {failed} failed")
sys.exit(1 if failed else 0)
