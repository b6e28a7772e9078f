#!/usr/bin/env python3
"""Checks the help: every name the plug-in offers has its page, no page
links to a missing one, and every example on a page gives what it shows.

    check_help.py --shell "COMMAND" --pages FOLDER [--examples]

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
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "help"))
import make_help  # noqa: E402

HREF = re.compile(r'href="([^"#]+)(#[^"]*)?"', re.IGNORECASE)
# Wine's own notice when a volume's label cannot be read; the shell wrote none of it.
WINE_NOTICE = "wine: Read access denied for device "


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


def expected_matches(expected, actual):
    if expected.startswith("~ "):
        return re.fullmatch(make_help.pattern(expected), actual) is not None
    return expected == actual


def check_examples(shell):
    problems = []
    count = 0
    with tempfile.TemporaryDirectory() as home:
        base = {"PATH": os.environ.get("PATH", ""), "HOME": home, "LANG": "en_US.UTF-8", "TZ": "UTC"}
        for page in make_help.load_pages().values():
            # A command that shows no output sets the scene: it runs again
            # before each later command of its page, in the same shell.
            scene = []
            for env, command, expected in make_help.examples(page):
                if not expected:
                    scene += ["-c", command]
                    continue
                count += 1
                run = subprocess.run([*shell, *scene, "-c", command], capture_output=True, env={**base, **env},
                                     cwd=home, timeout=60)
                # Trailing blanks are no part of what a page shows.
                out = [line.rstrip() for line in run.stdout.decode("utf-8").replace("\r\n", "\n").splitlines()]
                err = [line for line in run.stderr.decode("utf-8").replace("\r\n", "\n").splitlines()
                       if not line.startswith(WINE_NOTICE)]
                want_err = [line[2:] for line in expected if line.startswith("! ")]
                want_out = [line for line in expected if not line.startswith("! ")]
                good = (len(out) == len(want_out) and all(map(expected_matches, want_out, out))
                        and err == want_err)
                # What a page shows for a changing line must itself fit.
                good = good and all(re.fullmatch(make_help.pattern(line), make_help.shown_text(line))
                                    for line in want_out if line.startswith("~ "))
                if not good:
                    problems.append(f"{page.name}: > {command}\n  expected {expected}\n  stdout {out}\n  stderr {err}")
    print(f"{count} examples run")
    return problems


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--shell", required=True)
    parser.add_argument("--pages", required=True, type=Path)
    parser.add_argument("--examples", action="store_true")
    args = parser.parse_args()
    shell = [os.path.abspath(word) if os.path.exists(word) else word for word in shlex.split(args.shell)]
    problems = check_pages(shell, args.pages)
    if args.examples:
        problems += check_examples(shell)
    for problem in problems:
        print(problem)
    print("help: " + ("ok" if not problems else f"{len(problems)} problems"))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
