#!/usr/bin/env python3
"""Writes the fuzz targets' seed corpora under fuzz/corpus/<target>/, drawn
from the end-to-end cases: every %@name[...] call and qcal command line they
run, in each target's input layout, with the sample holidays.ini as the rule
file; and the dictionary fuzz/kalendra.dict of the grammar's tokens, as
UTF-16LE (the functions' text) and as 8-bit text (rule files, batch files).
Run it again when the cases or the targets' function tables change."""
import hashlib
import pathlib
import re
import shutil

ROOT = pathlib.Path(__file__).resolve().parent.parent
FUZZ = ROOT / "fuzz"
CASES = sorted((ROOT / "tests/e2e/cases").glob("*.t"))

# Export name -> core function, from the one export list.
EXPORTS = dict(re.findall(r"PLUGIN_EXPORT int f?_?(\w+)\(KChar\* buffer\) \{ return With\w*Buffer\(buffer, kalendra::(\w+)\)",
                          (ROOT / "src/frame/exports.cpp").read_text()))
FUNCTION_NAME = {core: name for name, core in EXPORTS.items()}


def function_table(target):
    """The core functions of a target's kFunctions or kCalls table, in order."""
    source = (FUZZ / f"{target}.cpp").read_text()
    table = re.search(r"constexpr Function k\w+\[\] = \{(.*?)\};", source, re.S).group(1)
    return [FUNCTION_NAME[core] for core in re.findall(r"kalendra::(\w+)", table)]


def calls(text):
    """(name, arguments) of every %@name[...] in the text, brackets balanced."""
    for match in re.finditer(r"%@(\w+)\[", text):
        depth, start = 1, match.end()
        for end in range(start, len(text)):
            depth += {"[": 1, "]": -1}.get(text[end], 0)
            if depth == 0:
                yield match.group(1), text[start:end]
                break


def utf16(text):
    return text.encode("utf-16-le")


def write(target, seeds):
    folder = FUZZ / "corpus" / target
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir(parents=True)
    for seed in set(seeds):
        (folder / hashlib.sha1(seed).hexdigest()[:16]).write_bytes(seed)
    print(f"{target}: {len(set(seeds))} seeds")


def sample_sections(*countries):
    """The sections of the sample holidays.ini for those countries."""
    sections = re.split(r"(?m)^(?=\[)", (ROOT / "data/holidays.ini").read_text(encoding="latin-1"))
    chosen = "".join(s for s in sections if any(s.startswith(f"[{c}]") for c in countries))
    lines = (re.sub(r"\s+;.*", "", line) for line in chosen.splitlines() if not line.startswith(";"))
    return "".join(line + "\n" for line in lines)


MONTHS = ["January", "February", "March", "April", "May", "June", "July", "August", "September", "October",
          "November", "December"]
DAYS = ["Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"]
TOKENS = (MONTHS + [m[:3] for m in MONTHS] + DAYS + [d[:3] for d in DAYS] +
          ["W", "T", "@", "*", ",", "[", "]", "%@", "%_", "%%", "(", ")", "-", "+", ":", ".", ";", "D", "L",
           "AM", "PM", "a.m.", "p.m.", " day", " days", "/3", "/D", "/E", "/H", "/H:", "/I", "/P", "/W:", "/Y",
           "/Z", "/ZZ", "/?", "\r\n", "9999-12-31", "1601-01-01", "2147483648", "[United States]"])


def write_dictionary(names):
    entries = []
    for token in TOKENS + [f"%@{name}[" for name in names]:
        for encoding in ("utf-16-le", "latin-1"):
            escaped = "".join(f"\\x{b:02x}" for b in token.encode(encoding))
            entries.append(f'"{escaped}"')
    (FUZZ / "kalendra.dict").write_text("# Written by make_corpus.py: the grammar's tokens.\n" + "\n".join(entries) + "\n")


def main():
    text = "\n".join(case.read_text() for case in CASES)
    found = list(calls(text))
    qcal_lines = re.findall(r"qcal([^\"|$]*)\"", text)
    rules = sample_sections("United States", "Germany")

    for target in ("fuzz_date_functions", "fuzz_time_functions"):
        table = function_table(target)
        write(target, [bytes([table.index(name)]) + utf16(args) for name, args in found if name in table])
    write("fuzz_splitters", [utf16(args) for _, args in found])

    table = function_table("fuzz_holidays")
    holiday_calls = [(name, args) for name, args in found if name in table] + [("qcal", line) for line in qcal_lines]
    seeds = []
    for name, args in holiday_calls:
        call = utf16(args)
        head = bytes([table.index(name)])
        seeds.append(head + bytes([0]) + len(call).to_bytes(2, "little") + call + rules.encode("latin-1"))
        seeds.append(head + bytes([1]) + len(call).to_bytes(2, "little") + call + utf16(rules))
    write("fuzz_holidays", seeds)

    write_dictionary(sorted(EXPORTS))
    echoed = re.findall(r"echo ([^\"]*)\"", text)
    sums = [args for name, args in found if name == "eval"] + ["(1+2)*-3 % 4", "9223372036854775807+1", "7/0"]
    batches = [case.read_bytes() for case in CASES] + [b"\xff\xfe" + utf16("echo one\r\necho two\r\n")]
    formats = ["%d|%5q|%-8x|%.2f|%10.3s|%c", "%+05d %q %08X %e %s", "100%% %0-3.0d%.q", "%999.999f"]
    write("fuzz_shell", [b"\0" + utf16(line) for line in echoed] + [b"\1" + utf16(s) for s in sums] +
          [b"\2" + utf16(f) for f in formats] + [b"\3" + batch for batch in batches])


if __name__ == "__main__":
    main()
