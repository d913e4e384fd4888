#!/usr/bin/env python3
"""Prints the bodies of the code page 1258 tables in src/text/Cp1258Tables.cpp.

The compositions come from Unicode canonical composition (NFC) of each code page 1258 character
with the five tone marks, plus the six tilde forms of O and U with acute or diaeresis that NFC
does not give. The unit tests check every entry against ICU, so the output only needs pasting
when the tables are rebuilt.
"""
import unicodedata

TONE_MARKS = [0xCC, 0xD2, 0xDE, 0xEC, 0xF2]  # grave, hook above, tilde, acute, dot below
ADDITIONS = {(0xD3, 2): 0x1E4C, (0xF3, 2): 0x1E4D, (0xD6, 2): 0x1E4E, (0xF6, 2): 0x1E4F,
             (0xDA, 2): 0x1E78, (0xFA, 2): 0x1E79}


def char(byte):
    return bytes([byte]).decode("cp1258", errors="strict")


def composed(byte, tone):
    if (byte, tone) in ADDITIONS:
        return ADDITIONS[(byte, tone)]
    text = unicodedata.normalize("NFC", char(byte) + char(TONE_MARKS[tone]))
    return ord(text) if len(text) == 1 else 0


def decodes(byte):
    try:
        char(byte)
        return True
    except UnicodeDecodeError:
        return False



records = []
for byte in range(0x20, 0x100):
    if not decodes(byte):
        continue
    row = [composed(byte, tone) for tone in range(5)]
    if any(row):
        records.append((byte, row))

print(f"// compositionTable: {len(records)} records")
for byte, row in records:
    print("    {0x%02X, {%s}}," % (byte, ", ".join("0x%04X" % c for c in row)))



high = [(b, ord(char(b))) for b in range(0x80, 0x100) if decodes(b) and ord(char(b)) > 0xFF]
print(f"// highCharTable: {len(high)} entries")
for byte, unit in high:
    print("    {0x%02X, 0x%04X}," % (byte, unit))
