#!/usr/bin/env python3
"""The Windows release zip holds the plug-in, the compiled help, the sample
holidays.ini and a readme, in one folder, and nothing else. Its plug-in is
the build's without debug information: no debug sections, no symbol table,
the same code and exports, and under 700 KB.

    check_zip.py ZIP BIN_FOLDER SAMPLE_HOLIDAYS_INI
"""
import struct
import sys
import zipfile
from pathlib import Path

MAX_PLUGIN_BYTES = 700 * 1024


def pe_sections(image):
    """{name: raw bytes} of a PE image's sections, and its COFF symbol table offset.
    A name longer than eight characters is "/N", an offset into the string table."""
    header = struct.unpack_from("<I", image, 0x3C)[0]
    if image[header:header + 4] != b"PE\0\0":
        raise ValueError("not a PE image")
    count, = struct.unpack_from("<H", image, header + 6)
    symbols, = struct.unpack_from("<I", image, header + 12)
    optional_size, = struct.unpack_from("<H", image, header + 20)
    sections = {}
    table = header + 24 + optional_size
    for i in range(count):
        entry = table + 40 * i
        name = image[entry:entry + 8].rstrip(b"\0").decode("ascii", "replace")
        size, offset = struct.unpack_from("<II", image, entry + 16)
        sections[name] = image[offset:offset + size]
    return sections, symbols


def plugin_problems(stripped, built):
    problems = []
    sections, symbols = pe_sections(stripped)
    debug = [name for name in sections if name.startswith((".debug", "/"))]
    if debug:
        problems.append(f"the plug-in carries debug sections {debug}")
    if symbols != 0:
        problems.append("the plug-in carries a symbol table")
    if len(stripped) >= MAX_PLUGIN_BYTES:
        problems.append(f"the plug-in has {len(stripped)} bytes, not under {MAX_PLUGIN_BYTES}")
    built_sections, _ = pe_sections(built)
    for name in (".text", ".rdata", ".edata", ".rsrc"):
        if sections.get(name) != built_sections.get(name):
            problems.append(f"the plug-in's {name} differs from the build's")
    return problems


archive, bin_folder, sample = Path(sys.argv[1]), Path(sys.argv[2]), Path(sys.argv[3])
folder = archive.stem
with zipfile.ZipFile(archive) as release:
    names = sorted(name for name in release.namelist() if not name.endswith("/"))
    want = sorted(f"{folder}/{name}" for name in ("kalendra-x64.dll", "kalendra.chm", "holidays.ini.sample", "README.txt"))
    problems = [] if names == want else [f"files {names}, expected {want}"]
    for name, original in (("kalendra.chm", bin_folder / "kalendra.chm"), ("holidays.ini.sample", sample)):
        if f"{folder}/{name}" in names and release.read(f"{folder}/{name}") != original.read_bytes():
            problems.append(f"{name} differs from {original}")
    plugin = f"{folder}/kalendra-x64.dll"
    if plugin in names:
        stripped = release.read(plugin)
        problems += plugin_problems(stripped, (bin_folder / "kalendra-x64.dll").read_bytes())
        print(f"kalendra-x64.dll: {len(stripped)} bytes")
    readme = f"{folder}/README.txt"
    if readme in names and b"KALENDRA" not in release.read(readme):
        problems.append("the readme does not name the plug-in")
for problem in problems:
    print("FAIL:", problem)
print("release zip:", "ok" if not problems else f"{len(problems)} problems")
sys.exit(1 if problems else 0)
