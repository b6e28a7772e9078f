#!/usr/bin/env python3
"""Checks the Windows binaries from the outside, with the mingw-w64 tools:
no binary imports anything but Windows system DLLs (and the plug-in and
shell import the shell's Torvane.dll); the plug-in carries its version
block, a manifest that asks for no elevation, and the date picker's icon and
dialog. Its exports are checked against the feature table by
tests/frame/check_exports.py.

Usage: check_binaries.py --bin DIR --source DIR [--tool-prefix x86_64-w64-mingw32-]
"""

import argparse
import pathlib
import re
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

PLUGIN = "kalendra-x64.dll"
SERVICES = "Torvane.dll"
SHELL = "torvane.exe"

# DLLs that every Windows system has; an import of anything else is a file a
# user would have to install. Compared without regard to case.
SYSTEM_DLLS = {
    "advapi32.dll", "comctl32.dll", "comdlg32.dll", "gdi32.dll", "kernel32.dll", "msvcrt.dll",
    "ole32.dll", "oleaut32.dll", "shell32.dll", "shlwapi.dll", "ucrtbase.dll", "user32.dll",
    "uxtheme.dll", "version.dll",
}

def strip_comments(cpp):
    cpp = re.sub(r"/\*.*?\*/", " ", cpp, flags=re.S)
    return re.sub(r"//[^\n]*", " ", cpp)


def cpp_constant(header, name, pattern):
    match = re.search(rf"\b{name}\s*=\s*{pattern}", strip_comments(header))
    if not match:
        raise ValueError(f"{name} not found")
    return match


def objdump(tool_prefix, binary):
    done = subprocess.run([f"{tool_prefix}objdump", "-p", str(binary)], capture_output=True, text=True, check=True)
    return done.stdout


def imported_dlls(dump):
    return re.findall(r"^\s*DLL Name: (\S+)", dump, flags=re.M)


def resources(tool_prefix, binary):
    """The resources as rc text; empty when the binary has none."""
    done = subprocess.run([f"{tool_prefix}windres", "-i", str(binary), "-O", "rc"], capture_output=True, text=True)
    return done.stdout if done.returncode == 0 else ""


def rc_manifest(rc):
    """The XML of the RT_MANIFEST (24) resource, its rc string lines joined."""
    block = re.search(r"^\d+ 24\b.*?\nBEGIN\n(.*?)\nEND", rc, flags=re.S | re.M)
    if not block:
        return None
    text = "".join(re.findall(r'^\s*"(.*)"\s*$', block.group(1), flags=re.M))
    return text.replace('""', '"').replace("\\n", "\n").replace("\\r", "\r").replace("\\t", "\t")


def execution_level(manifest):
    namespace = "{urn:schemas-microsoft-com:asm.v3}"
    root = ElementTree.fromstring(manifest)
    levels = [element.get("level") for element in root.iter(f"{namespace}requestedExecutionLevel")]
    return levels[0] if len(levels) == 1 else None


class Checks:
    def __init__(self):
        self.failed = 0
        self.passed = 0

    def expect(self, condition, what, detail=""):
        if condition:
            self.passed += 1
            print(f"ok    {what}")
        else:
            self.failed += 1
            print(f"FAIL  {what}" + (f"\n      {detail}" if detail else ""))


def check_imports(checks, binary, dump, required):
    dlls = imported_dlls(dump)
    foreign = [dll for dll in dlls if dll.lower() not in SYSTEM_DLLS and not dll.lower().startswith("api-ms-win-")
               and dll not in required]
    checks.expect(not foreign, f"{binary.name} imports only system DLLs" + (f" and {required}" if required else ""),
                  f"other imports: {foreign}")
    if required:
        checks.expect(set(required) <= set(dlls), f"{binary.name} imports {required}", f"imports: {dlls}")


def check_plugin_resources(checks, rc, source):
    plugin_h = (source / "src/frame/plugin.h").read_text(encoding="utf-8")
    version = [cpp_constant(plugin_h, name, r"(\d+);").group(1) for name in
               ("kVersionMajor", "kVersionMinor", "kVersionBuild")]
    plugin_name = cpp_constant(plugin_h, "kPluginName", r'u"([^"]*)"').group(1)
    file_version = re.search(r"^\s*FILEVERSION (\d+), (\d+), (\d+), (\d+)", rc, flags=re.M)
    checks.expect(file_version is not None and list(file_version.groups()) == version + ["0"],
                  f"{PLUGIN} file version is the record's {'.'.join(version)}",
                  f"got {file_version.groups() if file_version else None}")
    values = dict(re.findall(r'^\s*VALUE "(\w+)", "(.*)"', rc, flags=re.M))
    for key, value in {"ProductName": plugin_name, "FileVersion": ".".join(version), "OriginalFilename": PLUGIN}.items():
        checks.expect(values.get(key) == value, f"{PLUGIN} version block {key} is {value!r}", f"got {values.get(key)!r}")
    manifest = rc_manifest(rc)
    checks.expect(manifest is not None and execution_level(manifest) == "asInvoker",
                  f"{PLUGIN} manifest requests the level asInvoker", f"manifest: {manifest!r}")
    check_picker_resources(checks, rc, (source / "resources/kalendra.rc").read_text(encoding="utf-8"))


def dialog_controls(rc):
    """The ids of dialog 101's controls, in tab order."""
    block = re.search(r"^101 DIALOG [^\n]*\n(.*?)^END", rc, flags=re.S | re.M)
    return [int(i) for i in re.findall(r"^\s*CONTROL \"[^\"]*\", (\d+),", block.group(1), flags=re.M)] if block else []


def check_picker_resources(checks, rc, source_rc):
    """The date picker's icon, and dialog 101 as the resource script has it."""
    checks.expect(re.search(r'^"CALDATE_ICON" 14\b', rc, flags=re.M) is not None,
                  f"{PLUGIN} holds the icon CALDATE_ICON")
    ids = dialog_controls(rc)
    checks.expect(len(ids) > 50 and ids == dialog_controls(source_rc),
                  f"{PLUGIN} holds dialog 101 with the script's controls in tab order", f"ids: {ids}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bin", required=True, type=pathlib.Path, help="build/windows/bin")
    parser.add_argument("--source", required=True, type=pathlib.Path, help="the repository")
    parser.add_argument("--tool-prefix", default="x86_64-w64-mingw32-")
    args = parser.parse_args()

    checks = Checks()
    plugin = args.bin / PLUGIN
    plugin_dump = objdump(args.tool_prefix, plugin)
    check_imports(checks, plugin, plugin_dump, [SERVICES])
    check_plugin_resources(checks, resources(args.tool_prefix, plugin), args.source)
    check_imports(checks, args.bin / SERVICES, objdump(args.tool_prefix, args.bin / SERVICES), [])
    check_imports(checks, args.bin / SHELL, objdump(args.tool_prefix, args.bin / SHELL), [SERVICES])
    print(f"binaries: {checks.passed} passed, {checks.failed} failed")
    return 1 if checks.failed else 0


if __name__ == "__main__":
    sys.exit(main())
