#!/usr/bin/env python3
"""Builds the program's description files (code page 1251 RTF) from the UTF-8 texts beside this script.

Usage: rtfmake.py [SOURCE_DIR] [OUTPUT_DIR]
Defaults: text/ next to this script and data/files/ of the repository.

Markup of a text file (one block per paragraph, blocks separated by blank lines):
  = Title               centred title (Arial 14 pt, bold)
  == Heading            section heading (Arial 12 pt, bold)
  === Heading           subsection heading (Arial 10 pt, bold)
  > formula             formula line, centred (Times New Roman 12 pt)
  - text                bulleted paragraph
  | text                continues the previous paragraph on a new line
  ! text                note in italics
  : text                a line of a file example, kept as it is (one paragraph per line)
  ordinary lines        body text (Arial 10 pt, justified); lines of one block are joined
Inline: **bold**, __italic__, ^{superscript}, _{subscript}.
Only characters of code page 1251 are allowed; anything else stops the build with the line number.
"""
import pathlib
import re
import sys

HEADER = (r"{\rtf1\ansi\ansicpg1251"
          r"{\fonttbl{\f0\fswiss\fcharset204 Arial;}{\f1\froman\fcharset204 Times New Roman;}}"
          r"{\colortbl;\red0\green0\blue0;}" "\n")

INLINE = re.compile(r"\*\*|__|\^\{|_\{|\}")


class MarkupError(Exception):
    pass


def escape(text, where):
    out = []
    for ch in text:
        if ch in "\\{}":
            out.append("\\" + ch)
        elif ord(ch) < 0x80:
            out.append(ch)
        else:
            try:
                byte = ch.encode("cp1251")
            except UnicodeEncodeError:
                raise MarkupError(f"{where}: character {ch!r} (U+{ord(ch):04X}) has no code page 1251 form")
            out.append("\\'%02x" % byte[0])
    return "".join(out)


def inline(text, where):
    """Turns the inline markup of one paragraph into RTF."""
    out = []
    bold = italic = False
    script = []  # stack of open ^{ / _{ groups
    pos = 0
    for m in INLINE.finditer(text):
        out.append(escape(text[pos:m.start()], where))
        tok = m.group(0)
        if tok == "**":
            bold = not bold
            out.append(r"\b " if bold else r"\b0 ")
        elif tok == "__":
            italic = not italic
            out.append(r"\i " if italic else r"\i0 ")
        elif tok in ("^{", "_{"):
            script.append(tok)
            out.append(r"\super " if tok == "^{" else r"\sub ")
        else:  # closing brace
            if not script:
                out.append(escape("}", where))
            else:
                script.pop()
                out.append(r"\nosupersub " if not script else (r"\super " if script[-1] == "^{" else r"\sub "))
        pos = m.end()
    out.append(escape(text[pos:], where))
    if bold or italic or script:
        raise MarkupError(f"{where}: unclosed inline markup")
    return "".join(out)


STYLES = {
    "title": r"\pard\qc\f0\fs28\b ",
    "h2": r"\pard\ql\f0\fs24\b ",
    "h3": r"\pard\ql\f0\fs20\b ",
    "formula": r"\pard\qc\f1\fs24 ",
    "bullet": r"\pard\qj\li360\fi-240\f0\fs20 ",
    "note": r"\pard\qj\li360\f0\fs18\i ",
    "example": r"\pard\ql\li720\f1\fs20 ",
    "body": r"\pard\qj\fi360\f0\fs20 ",
}
CLOSE = {"title": r"\b0", "h2": r"\b0", "h3": r"\b0", "note": r"\i0"}


def blocks(lines):
    """Groups source lines into (style, [lines]) blocks."""
    current = None
    for number, raw in enumerate(lines, 1):
        line = raw.rstrip()
        if not line.strip():
            if current:
                yield current
            current = None
            continue
        for prefix, style in (("=== ", "h3"), ("== ", "h2"), ("= ", "title"), ("> ", "formula"),
                              ("- ", "bullet"), ("! ", "note"), (": ", "example")):
            if line.startswith(prefix):
                if current:
                    yield current
                current = [style, number, [line[len(prefix):].strip()]]
                break
        else:
            if line.startswith("| "):
                if not current:
                    raise MarkupError(f"line {number}: '|' continues nothing")
                current[2].append("\n" + line[2:].strip())
            elif current and current[0] in ("body", "bullet", "note"):
                current[2].append(line.strip())
            else:
                if current:
                    yield current
                current = ["body", number, [line.strip()]]
    if current:
        yield current


def convert(source_text, name):
    out = [HEADER]
    for style, number, parts in blocks(source_text.splitlines()):
        where = f"{name}:{number}"
        text = " ".join(parts).replace(" \n", "\n")
        body = r"\line ".join(inline(piece, where) for piece in text.split("\n"))
        if style == "bullet":
            body = "\\'95 " + body  # no tab: tab stops differ between readers, a blank does not
        space = r"\par" if style in ("title", "h2") else ""
        out.append(STYLES[style] + space + " " + body + CLOSE.get(style, "") + "\\par\n")
    out.append("}\n")
    rtf = "".join(out)
    check(rtf, name)
    return rtf.encode("ascii")


def check(rtf, name):
    depth = 0
    i = 0
    while i < len(rtf):
        c = rtf[i]
        if c == "\\":
            i += 2
            continue
        depth += {"{": 1, "}": -1}.get(c, 0)
        if depth < 0:
            raise MarkupError(f"{name}: unbalanced braces")
        i += 1
    if depth != 0:
        raise MarkupError(f"{name}: unbalanced braces")
    allowed = {"rtf", "ansi", "ansicpg", "fonttbl", "colortbl", "fswiss", "froman", "fcharset", "red", "green",
               "blue", "f", "fs", "b", "i", "ul", "par", "pard", "ql", "qc", "qr", "qj", "fi", "li", "tab", "line",
               "super", "sub", "nosupersub"}
    for word in re.findall(r"\\([a-z]+)-?\d*", rtf):
        if word not in allowed:
            raise MarkupError(f"{name}: unexpected control word \\{word}")


def main():
    here = pathlib.Path(__file__).resolve().parent
    source = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else here / "text"
    target = pathlib.Path(sys.argv[2]) if len(sys.argv) > 2 else here.parent.parent / "files"
    failed = False
    for path in sorted(source.glob("*.txt")):
        try:
            data = convert(path.read_text(encoding="utf-8"), path.name)
        except MarkupError as error:
            print(error, file=sys.stderr)
            failed = True
            continue
        (target / (path.stem + ".rtf")).write_bytes(data)
        print(f"{path.stem}.rtf: {len(data)} bytes")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
