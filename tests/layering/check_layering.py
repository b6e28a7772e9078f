#!/usr/bin/env python3
"""Fails when a source file breaks the layering of the repository:

- system, ICU and curses headers (any <header> that is not the C++ standard
  library's or the compiler's vector instructions) only in folders named
  posix/ or win32/, which the build picks;
- every quoted include resolves inside its own tree: src/ reaches src/ and
  the contract, host/ reaches host/ and the contract, contract/ only itself;
- src/platform/, the lowest layer of the plug-in, includes nothing from the
  plug-in's subsystems (only platform/ and contract/);
- the system is tested for (_WIN32 and the like) only in the per-OS folders
  and the two export-macro headers.

Usage: check_layering.py [ROOT]   (default: the repository this file is in)
"""

import pathlib
import re
import sys

STANDARD_HEADERS = set("""
algorithm any array atomic bit bitset cassert cctype cerrno cfloat charconv chrono cinttypes climits clocale cmath
compare concepts condition_variable csetjmp csignal cstdarg cstddef cstdint cstdio cstdlib cstring ctime cuchar
cwchar cwctype deque exception execution filesystem format forward_list fstream functional future
initializer_list iomanip ios iosfwd iostream istream iterator limits list locale map memory memory_resource mutex
new numbers numeric optional ostream queue random ranges ratio regex scoped_allocator set shared_mutex source_location
span sstream stack stdexcept stop_token streambuf string string_view syncstream system_error thread tuple
type_traits typeindex typeinfo unordered_map unordered_set utility valarray variant vector version
""".split())

# The CPU's vector instructions: the compiler's, the same on every system.
STANDARD_HEADERS |= {"emmintrin.h"}

# Each tree's include roots, relative to the repository.
TREES = {
    "src": ["src", "contract/include"],
    "host": ["host", "contract/include"],
    "contract": ["contract/include"],
}
EXPORT_MACRO_HEADERS = {"contract/include/contract/host_interface.h", "host/platform/export.h"}
SYSTEM_TEST = re.compile(r"^\s*#\s*(?:if|ifdef|ifndef|elif)\b.*\b(_WIN32|_WIN64|__linux__|__unix__|__APPLE__|_MSC_VER)\b")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def per_os(path):
    return bool({"posix", "win32"} & set(path.parts[:-1]))


def problems_of(root, path):
    relative = path.relative_to(root)
    tree = relative.parts[0]
    found = []
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        where = f"{relative}:{number}"
        if SYSTEM_TEST.match(line) and not per_os(relative) and str(relative) not in EXPORT_MACRO_HEADERS:
            found.append(f"{where}: tests for the system outside a posix/ or win32/ folder")
        match = INCLUDE.match(line)
        if not match:
            continue
        bracket, name = match.groups()
        if bracket == "<":
            if name not in STANDARD_HEADERS and not per_os(relative):
                found.append(f"{where}: system header <{name}> outside a posix/ or win32/ folder")
            continue
        targets = [root / base / name for base in TREES[tree] if (root / base / name).is_file()]
        if not targets:
            found.append(f'{where}: "{name}" is not in the trees {tree}/ may include')
            continue
        target = targets[0].relative_to(root)
        if relative.parts[:2] == ("src", "platform") and target.parts[:2] not in (("src", "platform"), ("contract", "include")):
            found.append(f'{where}: the platform layer includes the subsystem header "{name}"')
    return found


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parents[2])
    sources = [path for tree in TREES for path in sorted((root / tree).rglob("*"))
               if path.suffix in (".h", ".cpp", ".inc") and path.is_file()]
    problems = [problem for path in sources for problem in problems_of(root, path)]
    for problem in problems:
        print(problem)
    print(f"{len(sources)} files checked: " + (f"{len(problems)} layering problems" if problems else "layering holds"))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
