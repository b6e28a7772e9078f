#!/usr/bin/env python3
"""Checks the help: every name the plug-in offers has its page, no page
links to a missing one, and what a page shows for a changing line fits its
pattern. (The pages' examples run with the end-to-end cases.)

    check_help.py --shell "COMMAND" --pages FOLDER

COMMAND starts the shell (such as "wine-env.sh run torvane.exe"); FOLDER
holds the built pages (NAME.html), as installed or as extracted from the
compiled help.
"""
import argparse
import os
import re
import shlex
import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "help"))
import make_help  # noqa: E402

HREF = re.compile(r'href="([^"#]+)(#[^"]*)?"', re.IGNORECASE)


def page_of(name):
    name = name.lower()
    if name.startswith("@"):
        return "f_" + name[1:]
    if name.startswith("_"):
        return "v" + name
    return name


def offered_names(shell):
    listing = subprocess.run([*shell, "-c", "plugin"], capture_output=True, text=True, check=True).stdout
    for line in listing.splitlines():
        if line.startswith("KALENDRA "):
            return line.strip().split(": ", 1)[1].split(",")
    raise SystemExit("the shell did not list the KALENDRA plug-in")


def check_pages(shell, folder):
    problems = []
    for name in offered_names(shell) + ["overview"]:
        if not (folder / f"{page_of(name)}.html").is_file():
            problems.append(f"{name}: no page {page_of(name)}.html")
    for page in folder.glob("*.html"):
        for target, _ in HREF.findall(page.read_text(encoding="utf-8", errors="replace")):
            if "://" not in target and not (folder / target).is_file():
                problems.append(f"{page.name}: link to a missing {target}")
    return problems


def check_shown_lines():
    """What a page shows for a changing line must itself fit its pattern."""
    return [f"{page.name}: shown {line!r} does not fit its pattern"
            for page in make_help.load_pages().values() for _, _, expected in make_help.examples(page)
            for line in expected if line.startswith("~ ")
            and not re.fullmatch(make_help.pattern(line), make_help.shown_text(line))]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--shell", required=True)
    parser.add_argument("--pages", required=True, type=Path)
    args = parser.parse_args()
    shell = [os.path.abspath(word) if os.path.exists(word) else word for word in shlex.split(args.shell)]
    problems = check_pages(shell, args.pages) + check_shown_lines()
    for problem in problems:
        print(problem)
    print("help: " + ("ok" if not problems else f"{len(problems)} problems"))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
