#!/usr/bin/env python3
"""Checks that every name the public header qzgfx.h declares is declared nowhere else.

The public header is the one declaration of each public function and constant; the library's own
headers include it instead of repeating it. This reads the names qzgfx.h declares, then looks
through every C++ file of the tree for another prototype of such a function, another constant of
such a name or another declaration of such a type (an opaque type that qzgfx.h only names, such as
RtString, is defined in the library, which the check allows). Prints each one found and exits 1.
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]
HEADER = ROOT / "include" / "qzgfx.h"
FOLDERS = ["rt", "gfx", "demo", "examples", "tests", "bench", "tools", "include"]

# A statement that begins a line with a type and then the name and its parameters, ending in ";"
# with no body: a prototype. Statements that begin with a keyword are calls, not declarations.
KEYWORDS = {"return", "else", "do", "case", "throw", "goto", "delete", "new", "co_return"}


def strip_comments(text):
    """The text with // and /* */ comments blanked out, line breaks kept."""
    text = re.sub(r"/\*.*?\*/", lambda m: re.sub(r"[^\n]", " ", m.group(0)), text, flags=re.S)
    return re.sub(r"//[^\n]*", "", text)


def public_names(text):
    """The functions, constants and types the header declares."""
    text = strip_comments(text)
    functions = set(re.findall(r"^[A-Za-z_][\w:\s\*&<>]*?\b(\w+)\s*\([^;{]*\)\s*;", text, re.M))
    constants = set(re.findall(r"\bconstexpr\s+[\w:]+\s+(\w+)\s*=", text))
    opaque = set(re.findall(r"^\s*struct\s+(\w+)\s*;", text, re.M))
    defined = set(re.findall(r"^\s*struct\s+(\w+)\s*\{", text, re.M))
    # An opaque type may be defined in the library, but named again nowhere; a type the header
    # defines may be neither.
    types = {name: r";" for name in opaque - defined}
    types.update({name: r"[;{]" for name in defined})
    return functions, constants, types


def declarations(text, functions, constants, types):
    """(line, what) for each declaration of a public name in a file's text."""
    found = []
    text = strip_comments(text)
    for m in re.finditer(r"^[ \t]*((?:\w+(?:::\w+)*[ \t\*&]+)+)(\w+)\s*\([^;{]*?\)\s*(?:noexcept\s*)?;",
                         text, re.M):
        words = m.group(1).split()
        if m.group(2) in functions and words and words[0] not in KEYWORDS:
            found.append((text.count("\n", 0, m.start(2)) + 1, "function " + m.group(2)))
    for m in re.finditer(r"\bconstexpr\s+[\w:]+\s+(\w+)\s*=", text):
        if m.group(1) in constants:
            found.append((text.count("\n", 0, m.start(1)) + 1, "constant " + m.group(1)))
    for m in re.finditer(r"^\s*struct\s+(\w+)\s*([;{])", text, re.M):
        if m.group(1) in types and re.fullmatch(types[m.group(1)], m.group(2)):
            found.append((text.count("\n", 0, m.start(1)) + 1, "type " + m.group(1)))
    return found


def main():
    functions, constants, types = public_names(HEADER.read_text())
    if not functions or not constants:
        print(f"no public names read from {HEADER}")
        return 1
    bad = 0
    for folder in FOLDERS:
        for path in sorted((ROOT / folder).rglob("*")):
            if path.suffix not in (".h", ".cpp") or path == HEADER:
                continue
            for line, what in declarations(path.read_text(errors="replace"), functions, constants,
                                           types):
                print(f"{path.relative_to(ROOT)}:{line}: {what} is declared again; qzgfx.h declares it")
                bad = 1
    if not bad:
        print(f"{len(functions)} functions, {len(constants)} constants and {len(types)} types "
              "of qzgfx.h are declared there alone")
    return bad


if __name__ == "__main__":
    sys.exit(main())
