#!/usr/bin/env python3
"""Rewrites the Big5 column of src/text/FixedTexts.def from its UTF-8 column.

Each entry is FIXED_TEXT(name, "<Big5 bytes>", "<readable UTF-8>"). Write the readable text and
leave the Big5 column as "" (or stale); this script fills it in. A unit test checks the result.
"""
import pathlib
import re
import sys

DEF = pathlib.Path(__file__).resolve().parent.parent / "src" / "text" / "FixedTexts.def"
ENTRY = re.compile(r'^(FIXED_TEXT\(\s*(\w+),\s*)((?:"(?:[^"\\]|\\.)*"\s*)+)(,\s*)("(?:[^"\\]|\\.)*")(\)\s*)$')
HEX = set("0123456789abcdefABCDEF")


def unescape(literal: str) -> str:
    escapes = {"n": "\n", "t": "\t", '"': '"', "\\": "\\"}
    return re.sub(r"\\(.)", lambda m: escapes[m.group(1)], literal[1:-1])


def big5_literal(text: str) -> str:
    out = []
    previous_hex = False
    for byte in text.encode("cp950"):
        ch = chr(byte)
        if byte >= 0x80 or byte < 0x20:
            out.append({0x0A: "\\n", 0x09: "\\t"}.get(byte, "\\x%02x" % byte) if byte < 0x20 else "\\x%02x" % byte)
            previous_hex = byte >= 0x80 or byte not in (0x0A, 0x09)
            continue
        if previous_hex and ch in HEX:
            out.append('" "')
        out.append({'"': '\\"', "\\": "\\\\"}.get(ch, ch))
        previous_hex = False
    return '"' + "".join(out) + '"'


def main() -> int:
    lines = DEF.read_text(encoding="utf-8").splitlines(keepends=False)
    result = []
    for line in lines:
        match = ENTRY.match(line)
        if match:
            readable = match.group(5)
            line = match.group(1) + big5_literal(unescape(readable)) + match.group(4) + readable + match.group(6)
        result.append(line)
    DEF.write_text("\n".join(result) + "\n", encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main())
