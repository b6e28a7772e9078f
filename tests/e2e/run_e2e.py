#!/usr/bin/env python3
"""Runs end-to-end cases: command lines through the torvane shell, compared
with the expected stdout, stderr and exit status.

Usage: run_e2e.py --shell "CMD" [--windows-paths] [--filter TEXT] [--help-examples] [CASES_DIR|FILE...]

The shell under test is given as a command (several words allowed, such as
"wine build/windows/bin/torvane.exe"); inside a case it is called "torvane".
See README.md beside this file for the case format. With --help-examples the
examples of the help pages run as cases too: each page's command lines, in
a clean environment of the page's choosing, against the lines it shows.
"""

import argparse
import concurrent.futures
import os
import pathlib
import re
import shlex
import subprocess
import sys
import tempfile

HELP = pathlib.Path(__file__).resolve().parents[2] / "help"
sys.path.insert(0, str(HELP))
import make_help  # noqa: E402

PLACEHOLDER = re.compile(r"\{\{(\w+) ?(.*?)\}\}")


class Case:
    def __init__(self, path, line, command):
        self.path = path
        self.line = line
        self.command = command
        self.stdout = []
        self.stderr = []
        self.status = 0
        self.example = None  # a help page's example: (environment, command lines)

    def name(self):
        return f"{self.path.name}:{self.line}"


def parse_cases(path):
    """Reads a .t file into its cases, in order."""
    cases = []
    current = None
    for number, raw in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if raw.startswith("$ "):
            current = Case(path, number, raw[2:])
            cases.append(current)
        elif current is not None and raw.startswith("  "):
            current.stdout.append(raw[2:])  # "  " alone expects an empty line
        elif current is None or raw.startswith("#") or raw.strip() == "":
            continue
        elif raw.startswith("> "):
            current.command += "\n" + raw[2:]
        elif raw.startswith("! "):
            current.stderr.append(raw[2:])
        elif raw == "!":
            current.stderr.append("")
        elif re.fullmatch(r"\[-?\d+\]", raw):
            current.status = int(raw[1:-1])
        else:
            raise ValueError(f"{path}:{number}: unreadable line {raw!r}")
    return cases


def help_cases():
    """The help pages' examples as cases. A command that shows no output sets
    the scene: it runs again before each later command of its page, in the
    same shell."""
    cases = []
    for page in make_help.load_pages().values():
        scene = []
        for number, (env, command, expected) in enumerate(make_help.examples(page), 1):
            if not expected:
                scene.append(command)
                continue
            case = Case(HELP / "pages" / f"{page.name}.page", f"example {number}", command)
            case.example = (env, [*scene, command])
            case.stdout = [line for line in expected if not line.startswith("! ")]
            case.stderr = [line[2:] for line in expected if line.startswith("! ")]
            case.status = None
            cases.append(case)
    return cases


def line_matches(expected, got):
    """A line "~ SHOWN ~ PATTERN" of a help page stands for what matches PATTERN."""
    if expected.startswith("~ "):
        return re.fullmatch(make_help.pattern(expected), got) is not None
    return expected == got


def shell_path(directory, name, windows):
    """The full path of a case file as the shell under test sees it."""
    full = os.path.join(directory, name)
    if windows:
        return "Z:" + full.replace("/", "\\")
    return full


def expand(line, directory, windows, env):
    """Replaces {{sh CMD}} by the command's output (computed now, so cases
    that depend on today stay true) and {{path NAME}} by a case file's path."""

    def replace(match):
        kind, text = match.group(1), match.group(2)
        if kind == "sh":
            done = subprocess.run(["/bin/bash", "-c", text], capture_output=True, text=True, cwd=directory, env=env)
            return done.stdout.rstrip("\n")
        if kind == "path":
            return shell_path(directory, text, windows)
        raise ValueError(f"unknown placeholder {kind!r}")

    return PLACEHOLDER.sub(replace, line)


# Wine's own notice when a volume's label cannot be read (its drives map to
# folders of the host, not to devices); the program under test wrote none of it.
WINE_NOTICE = "wine: Read access denied for device "


def lines_of(data):
    text = data.decode("utf-8", errors="replace").replace("\r\n", "\n").replace("\r", "\n")
    lines = text.split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    return lines


def run_case(case, shell, windows):
    with tempfile.TemporaryDirectory(prefix="e2e-") as directory:
        env = dict(os.environ)
        env["E2E_DIR"] = directory
        env["TORVANE"] = shell  # for commands that start the shell themselves (script, env)
        # Helper programs built beside the shell run the same way it does
        # ("$TORVANE_RUN" "$TORVANE_BIN/locale_probe" ...).
        words = shlex.split(shell)
        env["TORVANE_BIN"] = os.path.dirname(words[-1])
        env["TORVANE_RUN"] = " ".join(words[:-1])
        env["E2E_CASES"] = str(case.path.parent.resolve())  # helper scripts beside the cases
        if case.example:
            example_env, lines = case.example
            env = {"PATH": os.environ.get("PATH", ""), "HOME": directory, "LANG": "en_US.UTF-8", "TZ": "UTC",
                   **example_env}
            argv = [*shlex.split(shell)] + [word for line in lines for word in ("-c", line)]
        else:
            argv = ["/bin/bash", "-c", f"torvane() {{ {shell} \"$@\"; }}\n{case.command}\n"]
        done = subprocess.run(argv, capture_output=True, cwd=directory, env=env, stdin=subprocess.DEVNULL, timeout=120)
        expected_out = [expand(line, directory, windows, env) for line in case.stdout]
        expected_err = [expand(line, directory, windows, env) for line in case.stderr]
        got_out, got_err = lines_of(done.stdout), lines_of(done.stderr)
        got_err = [line for line in got_err if not line.startswith(WINE_NOTICE)]
        if case.example:  # trailing blanks are no part of what a page shows
            got_out = [line.rstrip() for line in got_out]
        problems = []
        if len(got_out) != len(expected_out) or not all(map(line_matches, expected_out, got_out)):
            problems.append(describe("stdout", expected_out, got_out))
        if got_err != expected_err:
            problems.append(describe("stderr", expected_err, got_err))
        if case.status is not None and done.returncode != case.status:
            problems.append(f"  exit status: expected {case.status}, got {done.returncode}")
        return problems


def describe(stream, expected, got):
    text = [f"  {stream} expected:"] + [f"    |{line}" for line in expected]
    text += [f"  {stream} got:"] + [f"    |{line}" for line in got]
    return "\n".join(text)


def run_cases(cases, shell, windows, pattern):
    results = []
    for case in cases:
        if pattern and pattern not in case.command:
            continue
        try:
            problems = run_case(case, shell, windows)
        except subprocess.TimeoutExpired:
            problems = ["  timed out"]
        results.append((case, problems))
    return results


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--shell", required=True, help="command that runs the torvane shell under test")
    parser.add_argument("--windows-paths", action="store_true", help="the shell sees paths as Z:\\...")
    parser.add_argument("--filter", default="", help="run only cases whose command holds this text")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    parser.add_argument("--help-examples", action="store_true", help="also run the help pages' examples")
    parser.add_argument("cases", nargs="*", type=pathlib.Path)
    args = parser.parse_args()

    files = []
    for item in args.cases:
        files += sorted(item.glob("*.t")) if item.is_dir() else [item]
    # Cases run in directories of their own: paths in the command become absolute.
    words = [os.path.abspath(word) if os.path.exists(word) else word for word in shlex.split(args.shell)]
    shell = " ".join(shlex.quote(word) for word in words)

    passed = failed = 0
    with concurrent.futures.ThreadPoolExecutor(max_workers=args.jobs) as pool:
        batches = [parse_cases(path) for path in files] + ([[case] for case in help_cases()] if args.help_examples else [])
        jobs = [pool.submit(run_cases, cases, shell, args.windows_paths, args.filter) for cases in batches]
        for job in jobs:
            for case, problems in job.result():
                if problems:
                    failed += 1
                    print(f"FAIL {case.name()}: $ {case.command}")
                    print("\n".join(problems))
                else:
                    passed += 1
    print(f"e2e: {passed} passed, {failed} failed")
    return 1 if failed or not passed else 0


if __name__ == "__main__":
    sys.exit(main())
