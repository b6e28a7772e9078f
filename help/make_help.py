#!/usr/bin/env python3
"""Builds the help pages from their sources in pages/.

    make_help.py [--project] OUTPUT_FOLDER

writes, for every page NAME.page, NAME.html (for the compiled help and a
browser) and NAME.txt (for a terminal), and the contents page
kalendra.html; with --project, instead of the texts, the compiled help's
project kalendra.hhp with its contents kalendra.hhc.

A page source is plain text:
    # TITLE                      the page's title (first line)
    Subject: SUBJECT             a name's page: its group on the contents
                                 page (second line); the line after it is
                                 the one-line summary shown there
    ## HEADING                   a section
    blank-line separated text    paragraphs; "- " starts a list item
    name: text                   under "## Arguments": one argument
    > COMMAND                    under "## Examples": a command line, then
                                 the lines it writes: "! " on standard
                                 error; "~ SHOWN ~ PATTERN" a line that
                                 depends on today or the system, shown as
                                 SHOWN and checked against the regular
                                 expression PATTERN; "." an empty line;
                                 a command that writes nothing runs again
                                 before each later one; "> (NAME=VALUE
                                 ...) COMMAND" runs with those environment
                                 variables
    "    " indented lines        kept as they stand (screen pictures)
    {{page}}                     a link to another page, shown by its title
    `text`                       code
"""
import html
import re
import sys
import textwrap
from pathlib import Path

PAGES = Path(__file__).resolve().parent / "pages"
# The subjects of the names' pages, in the order of the contents page.
SUBJECTS = ["Date queries", "Date arithmetic", "Weekday searches", "Holidays", "Times", "Local time and files",
            "Calendars and the picker", "Numerals", "Internal variables", "Commands"]
LINK = re.compile(r"\{\{([a-z0-9_]+)\}\}")
CODE = re.compile(r"`([^`]+)`")
EXAMPLE_ENV = re.compile(r"^\((?P<env>[^)]*)\)\s*(?P<line>.*)$")
WIDTH = 78


class Page:
    def __init__(self, name, text):
        self.name = name
        lines = text.rstrip("\n").split("\n")
        if not lines[0].startswith("# "):
            raise SystemExit(f"{name}.page: the first line must be '# TITLE'")
        self.title = lines[0][2:].strip()
        self.subject = None
        if len(lines) > 1 and lines[1].startswith("Subject: "):
            self.subject = lines.pop(1)[len("Subject: "):].strip()
            if self.subject not in SUBJECTS:
                raise SystemExit(f"{name}.page: unknown subject {self.subject!r}")
        # The line under the title, unless a section begins there.
        self.summary = lines[1].strip() if len(lines) > 1 and not lines[1].startswith("#") else ""
        self.sections = []  # (heading or None, lines)
        heading, body = None, []
        for line in lines[1:]:
            if line.startswith("## "):
                self.sections.append((heading, body))
                heading, body = line[3:].strip(), []
            else:
                body.append(line)
        self.sections.append((heading, body))


def load_pages():
    pages = {path.stem: Page(path.stem, path.read_text(encoding="utf-8")) for path in sorted(PAGES.glob("*.page"))}
    for page in pages.values():
        for _, body in page.sections:
            for target in LINK.findall("\n".join(body)):
                if target not in pages:
                    raise SystemExit(f"{page.name}.page links to a missing page {{{{{target}}}}}")
    return pages


def examples(page):
    """The page's examples: (environment, command line, expected lines)."""
    return [example for heading, body in page.sections if heading and heading.startswith("Examples")
            for example in examples_in(body)]


def examples_in(body):
    """The examples of one section's lines."""
    found = []
    for line in body:
        if line.startswith("> "):
            command = line[2:]
            env = {}
            match = EXAMPLE_ENV.match(command)
            if match:
                env = dict(item.split("=", 1) for item in match["env"].split())
                command = match["line"]
            found.append((env, command, []))
        elif line.strip() and found:
            found[-1][2].append("" if line == "." else line.rstrip())
    return found


def shown_text(line):
    """What a page shows for a line "~ SHOWN ~ PATTERN"."""
    return line[2:].split(" ~ ", 1)[0]


def pattern(line):
    """The regular expression a line "~ SHOWN ~ PATTERN" is checked with."""
    return line[2:].split(" ~ ", 1)[1]


def blocks(body):
    """Paragraphs, list items and kept blocks of a section's lines."""
    result, current, kind = [], [], None

    def flush():
        nonlocal current, kind
        if current:
            result.append((kind, current))
        current, kind = [], None

    for line in body:
        if not line.strip():
            flush()
        elif line.startswith("    "):
            if kind != "pre":
                flush()
                kind = "pre"
            current.append(line[4:])
        elif line.startswith("- "):
            flush()
            kind, current = "item", [line[2:]]
        else:
            if kind == "pre":
                flush()
            if kind is None:
                kind = "para"
            current.append(line.strip())
    flush()
    return result


# ---- HTML ------------------------------------------------------------------

STYLE = """body { font-family: Verdana, Arial, sans-serif; font-size: 10pt; margin: 1em 2em; }
h1 { font-size: 16pt; } h2 { font-size: 12pt; margin-top: 1.5em; }
code, pre { font-family: Consolas, "Courier New", monospace; }
pre { background: #f4f4f4; padding: 0.5em; }
dt { font-weight: bold; font-family: Consolas, "Courier New", monospace; } dd { margin-bottom: 0.4em; }
.err { color: #a00000; } .note { font-style: italic; }"""


def inline_html(text, pages):
    text = html.escape(text, quote=False)
    text = CODE.sub(lambda m: f"<code>{m[1]}</code>", text)
    return LINK.sub(lambda m: f'<a href="{m[1]}.html">{html.escape(pages[m[1]].title)}</a>', text)


def section_html(heading, body, pages):
    out = []
    if heading is not None:
        out.append(f"<h2>{html.escape(heading)}</h2>")
    if heading is not None and heading.startswith("Examples"):
        for env, command, expected in examples_in(body):
            prefix = "".join(f"{k}={v} " for k, v in env.items())
            shown = [f"&gt; {html.escape(prefix + command)}"]
            for line in expected:
                if line.startswith("! "):
                    shown.append(f'<span class="err">{html.escape(line[2:])}</span>')
                elif line.startswith("~ "):
                    shown.append(html.escape(shown_text(line)) + ' <span class="note">(depends on today or the system)</span>')
                else:
                    shown.append(html.escape(line))
            out.append("<pre>" + "\n".join(shown) + "</pre>")
        return out
    in_list = False
    for kind, lines in blocks(body):
        if kind == "item":
            if not in_list:
                out.append("<ul>")
                in_list = True
            out.append(f"<li>{inline_html(' '.join(lines), pages)}</li>")
            continue
        if in_list:
            out.append("</ul>")
            in_list = False
        if kind == "pre":
            out.append("<pre>" + html.escape("\n".join(lines)) + "</pre>")
        elif heading == "Arguments":
            out.append("<dl>")
            for line in lines:
                name, _, text = line.partition(": ")
                out.append(f"<dt>{html.escape(name)}</dt><dd>{inline_html(text, pages)}</dd>")
            out.append("</dl>")
        else:
            out.append(f"<p>{inline_html(' '.join(lines), pages)}</p>")
    if in_list:
        out.append("</ul>")
    return out


def page_html(page, pages):
    parts = [f"<h1>{html.escape(page.title)}</h1>"]
    for heading, body in page.sections:
        parts += section_html(heading, body, pages)
    if page.name != "overview":
        parts.append('<p><a href="overview.html">Overview</a> | <a href="kalendra.html">Contents</a></p>')
    return document(page.title, parts)


def document(title, parts):
    return ("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">"
            f"<title>{html.escape(title)}</title><style>{STYLE}</style></head>\n<body>\n"
            + "\n".join(parts) + "\n</body></html>\n")


# ---- Text ------------------------------------------------------------------

def inline_text(text, pages):
    text = CODE.sub(lambda m: m[1], text)
    return LINK.sub(lambda m: pages[m[1]].title, text)


def page_text(page, pages):
    out = [page.title, "=" * len(page.title), ""]
    for heading, body in page.sections:
        if heading is not None:
            out += [heading, "-" * len(heading), ""]
        if heading is not None and heading.startswith("Examples"):
            for env, command, expected in examples_in(body):
                prefix = "".join(f"{k}={v} " for k, v in env.items())
                out.append(f"    > {prefix}{command}")
                for line in expected:
                    if line.startswith("! "):
                        out.append(f"    {line[2:]}")
                    elif line.startswith("~ "):
                        out.append(f"    {shown_text(line)}   (depends on today or the system)")
                    else:
                        out.append(f"    {line}")
                out.append("")
            continue
        for kind, lines in blocks(body):
            if kind == "pre":
                out += ["    " + line for line in lines] + [""]
            elif kind == "item":
                out += textwrap.wrap(inline_text(" ".join(lines), pages), WIDTH, initial_indent="  - ",
                                     subsequent_indent="    ")
            elif heading == "Arguments":
                for line in lines:
                    name, _, text = line.partition(": ")
                    out += textwrap.wrap(inline_text(text, pages), WIDTH, initial_indent=f"  {name}: ",
                                         subsequent_indent="      ")
                out.append("")
            else:
                out += textwrap.wrap(inline_text(" ".join(lines), pages), WIDTH) + [""]
        if out[-1] != "":
            out.append("")
    while out and out[-1] == "":
        out.pop()
    return "\n".join(out) + "\n"


# ---- Contents and the compiled help's project ------------------------------

def grouped(pages):
    """The contents by subject: the general pages first (the overview
    leading), then each subject's names in the order of their pages."""
    general = sorted((n for n in pages if pages[n].subject is None), key=lambda n: (n != "overview", n))
    return [("Overview", general)] + [(subject, sorted(n for n in pages if pages[n].subject == subject))
                                      for subject in SUBJECTS]


def contents_html(pages):
    parts = ["<h1>KALENDRA Plugin Help: Contents</h1>"]
    for title, names in grouped(pages):
        parts.append(f"<h2>{title}</h2><dl>")
        for n in names:
            summary = html.escape(inline_text(pages[n].summary, pages))
            parts.append(f'<dt><a href="{n}.html">{html.escape(pages[n].title)}</a></dt>' +
                         (f"<dd>{summary}</dd>" if summary else ""))
        parts.append("</dl>")
    return document("Contents", parts)


def contents_text(pages):
    out = ["KALENDRA Plugin Help: Contents", "=" * 30, ""]
    for title, names in grouped(pages):
        out += [title, "-" * len(title)]
        for n in names:
            title = pages[n].title
            if not pages[n].summary:
                out.append(f"  {title}")
                continue
            out += textwrap.wrap(inline_text(pages[n].summary, pages), WIDTH, initial_indent=f"  {title:<16}",
                                 subsequent_indent=" " * 18)
        out.append("")
    return "\n".join(out).rstrip("\n") + "\n"


def contents_tree(pages):
    def item(name, title):
        return (f'<LI><OBJECT type="text/sitemap"><param name="Name" value="{html.escape(title)}">'
                f'<param name="Local" value="{name}.html"></OBJECT>')
    lines = ["<HTML><BODY><UL>"]
    for title, names in grouped(pages):
        lines.append(item(names[0], title) + "<UL>")
        lines += [item(n, pages[n].title) for n in names]
        lines.append("</UL>")
    lines.append("</UL></BODY></HTML>")
    return "\n".join(lines) + "\n"


def project(pages):
    files = "\n".join(["kalendra.html"] + [f"{n}.html" for n in sorted(pages)])
    return f"""[OPTIONS]
Compatibility=1.1 or later
Compiled file=kalendra.chm
Contents file=kalendra.hhc
Default Window=main
Default topic=overview.html
Display compile progress=No
Language=0x409 English (United States)
Title=KALENDRA Plugin Help

[WINDOWS]
main="KALENDRA Plugin Help","kalendra.hhc",,"overview.html","overview.html",,,,,0x2520,,0x387e,,,,,,,,0

[FILES]
{files}
"""


def main():
    arguments = sys.argv[1:]
    for_project = arguments[:1] == ["--project"]
    if for_project:
        arguments = arguments[1:]
    if len(arguments) != 1:
        raise SystemExit(__doc__)
    out = Path(arguments[0])
    out.mkdir(parents=True, exist_ok=True)
    pages = load_pages()
    for page in pages.values():
        (out / f"{page.name}.html").write_text(page_html(page, pages), encoding="utf-8")
        if not for_project:
            (out / f"{page.name}.txt").write_text(page_text(page, pages), encoding="utf-8")
    (out / "kalendra.html").write_text(contents_html(pages), encoding="utf-8")
    if not for_project:
        (out / "kalendra.txt").write_text(contents_text(pages), encoding="utf-8")
    if for_project:
        (out / "kalendra.hhc").write_text(contents_tree(pages), encoding="utf-8")
        (out / "kalendra.hhp").write_text(project(pages), encoding="utf-8")


if __name__ == "__main__":
    main()
