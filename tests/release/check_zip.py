#!/usr/bin/env python3
"""The Windows release zip holds the plug-in, the compiled help, the sample
holidays.ini and a readme, in one folder, and nothing else.

    check_zip.py ZIP BIN_FOLDER SAMPLE_HOLIDAYS_INI
"""
import sys
import zipfile
from pathlib import Path

archive, bin_folder, sample = Path(sys.argv[1]), Path(sys.argv[2]), Path(sys.argv[3])
folder = archive.stem
with zipfile.ZipFile(archive) as release:
    names = sorted(name for name in release.namelist() if not name.endswith("/"))
    want = sorted(f"{folder}/{name}" for name in ("kalendra-x64.dll", "kalendra.chm", "holidays.ini.sample", "README.txt"))
    problems = [] if names == want else [f"files {names}, expected {want}"]
    for name, original in (("kalendra-x64.dll", bin_folder / "kalendra-x64.dll"),
                           ("kalendra.chm", bin_folder / "kalendra.chm"), ("holidays.ini.sample", sample)):
        if f"{folder}/{name}" in names and release.read(f"{folder}/{name}") != original.read_bytes():
            problems.append(f"{name} differs from {original}")
    readme = f"{folder}/README.txt"
    if readme in names and b"KALENDRA" not in release.read(readme):
        problems.append("the readme does not name the plug-in")
for problem in problems:
    print("FAIL:", problem)
print("release zip:", "ok" if not problems else f"{len(problems)} problems")
sys.exit(1 if problems else 0)
