#!/usr/bin/env python3
"""The feature table, the built plug-in's exports and the names its record
offers agree, with nothing extra: every row is exported under its symbol
(f_x for "@x", the name itself otherwise), so are the shell's own calls of
exports.cpp, and no other function; the shell lists the rows' names in the
rows' order.

Usage: check_exports.py --source DIR --plugin FILE --shell CMD... [--tool-prefix PREFIX]
A plug-in ending in .dll is read with PREFIXobjdump -p, any other with nm -D.
"""

import argparse
import pathlib
import re
import subprocess
import sys

ROW = re.compile(r"^FEATURE_(FUNCTION|TIME_FUNCTION|VARIABLE|COMMAND)\((\w+),", re.M)


def table_rows(source):
    """(name as the shell knows it, exported symbol) of every row, in order."""
    text = (source / "src/frame/feature_table.inc").read_text(encoding="utf-8")
    rows = []
    for kind, name in ROW.findall(text):
        function = kind in ("FUNCTION", "TIME_FUNCTION")
        rows.append(("@" + name if function else name, "f_" + name if function else name))
    return rows


def shell_calls(source):
    """The names exports.cpp defines on lines that begin with PLUGIN_EXPORT."""
    text = (source / "src/frame/exports.cpp").read_text(encoding="utf-8")
    return re.findall(r"^PLUGIN_EXPORT\b[^(]*?\b(\w+)\s*\(", text, flags=re.M)


def elf_exports(plugin):
    listing = subprocess.run(["nm", "-D", "--defined-only", str(plugin)], capture_output=True, text=True,
                             check=True).stdout
    return [fields[2] for fields in (line.split() for line in listing.splitlines())
            if len(fields) == 3 and fields[1] == "T"]


def pe_exports(plugin, tool_prefix):
    dump = subprocess.run([f"{tool_prefix}objdump", "-p", str(plugin)], capture_output=True, text=True,
                          check=True).stdout
    names, inside = [], False
    for line in dump.splitlines():
        if "[Ordinal/Name Pointer] Table" in line:
            inside = True
        elif inside:
            match = re.match(r"\s*\[\s*\d+\]\s+(\S+)", line)
            if not match:
                break
            names.append(match.group(1))
    return names


def offered_names(shell):
    listing = subprocess.run([*shell, "-c", "plugin"], capture_output=True, text=True, check=True).stdout
    for line in listing.splitlines():
        if line.startswith("KALENDRA "):
            return line.strip().split(": ", 1)[1].split(",")
    return []


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--source", type=pathlib.Path, required=True)
    parser.add_argument("--plugin", type=pathlib.Path, required=True)
    parser.add_argument("--tool-prefix", default="")
    parser.add_argument("--shell", nargs="+", required=True)
    args = parser.parse_args()

    rows = table_rows(args.source)
    expected = sorted([symbol for _, symbol in rows] + shell_calls(args.source))
    is_dll = args.plugin.suffix.lower() == ".dll"
    exported = pe_exports(args.plugin, args.tool_prefix) if is_dll else elf_exports(args.plugin)
    problems = []
    if len(rows) != len({name for name, _ in rows}):
        problems.append("a name has two rows")
    if sorted(exported) != expected:
        problems.append(f"exported but not in the table: {sorted(set(exported) - set(expected))}; "
                        f"in the table but not exported: {sorted(set(expected) - set(exported))}; "
                        f"exported twice: {sorted({n for n in exported if exported.count(n) > 1})}")
    offered = offered_names(args.shell)
    if offered != [name for name, _ in rows]:
        problems.append(f"the shell lists {offered}")
    for problem in problems:
        print(f"FAIL  {problem}")
    print(f"{len(rows)} rows, {len(exported)} exports of {args.plugin.name}: " + ("agree" if not problems else "differ"))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
