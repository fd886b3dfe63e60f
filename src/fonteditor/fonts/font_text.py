"""Reads and writes the library's font text files (format in README.md).

Shared by embed_fonts.py (the build), derive_fonts.py and contact_sheet.py.
"""

KINDS = {
    # kind: (first character code, character count)
    "full": (0, 256),
    "extended": (32, 224),
    "printable": (32, 96),
}


class FontTextError(Exception):
    pass


def label(code):
    """What a character header shows after the code: the ASCII character where it is one."""
    if 33 <= code <= 126:
        return " '%s'" % chr(code)
    return ""


def parse(path):
    """Returns (name, kind, bytes) of one font text file, or raises FontTextError."""
    name = kind = None
    glyphs = []
    rows = None
    with open(path, encoding="utf-8") as f:
        lines = f.read().splitlines()
    for number, raw in enumerate(lines, 1):
        line = raw.strip()
        where = "%s:%d" % (path, number)
        if not line or line.startswith(";"):
            continue
        if line.startswith("name:"):
            name = line[5:].strip()
        elif line.startswith("kind:"):
            kind = line[5:].strip()
            if kind not in KINDS:
                raise FontTextError("%s: unknown kind %r" % (where, kind))
        elif line.startswith("char "):
            if rows is not None and len(rows) != 8:
                raise FontTextError("%s: previous character has %d rows, not 8" % (where, len(rows)))
            if kind is None:
                raise FontTextError("%s: 'kind:' must come before the characters" % where)
            code = int(line.split()[1])
            expected = KINDS[kind][0] + len(glyphs)
            if code != expected:
                raise FontTextError("%s: character %d where %d was expected" % (where, code, expected))
            rows = []
            glyphs.append(rows)
        else:
            if rows is None or len(rows) == 8 or len(line) != 8 or set(line) - set("#."):
                raise FontTextError("%s: expected a row of 8 '#' or '.'" % where)
            rows.append(int(line.replace("#", "1").replace(".", "0"), 2))
    if name is None or kind is None:
        raise FontTextError("%s: needs 'name:' and 'kind:' lines" % path)
    if rows is not None and len(rows) != 8:
        raise FontTextError("%s: last character has %d rows, not 8" % (path, len(rows)))
    if len(glyphs) != KINDS[kind][1]:
        raise FontTextError("%s: %d characters, a %s font has %d" % (path, len(glyphs), kind, KINDS[kind][1]))
    return name, kind, bytes(b for g in glyphs for b in g)


def render(name, kind, data, comments=()):
    """The text of a font file; comments become ';' lines under the header."""
    first, count = KINDS[kind]
    assert len(data) == count * 8, (name, len(data))
    out = ["name: " + name, "kind: " + kind]
    out += ["; " + c if c else ";" for c in comments]
    for i in range(count):
        code = first + i
        out.append("")
        out.append("char %d%s" % (code, label(code)))
        for b in data[i * 8:i * 8 + 8]:
            out.append("".join("#" if b & (0x80 >> x) else "." for x in range(8)))
    return "\n".join(out) + "\n"
