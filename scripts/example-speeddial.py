#!/usr/bin/env python3
"""Writes the sample speed-dial exports (EWS-CSV) in examples/, one per format version.

speeddial-v0.csv has the fixed columns of format version 0, its confidential and F-code
columns masked as a whole. speeddial-v1.csv (revision 1) keeps the passwords in clear;
speeddial-v2.csv, -v3.csv, -v5.csv and -v6.csv mask them. All but version 0 are laid out from
the column titled MFFAX; versions 5 and 6 carry the check column MFENCSTR. Version 6 is UTF-8
with a byte order mark and a quoted first field; the others are Big5 (code page 950).

Masked texts are Base64 rotated with ROT13; relay targets are Base64 of two-character codes;
the check column is Base64 of the fax number as written (and a tab and the F-code
sub-address when there is one), with '0' written as '-'. Every name and number is made up.
The bytes are the same on every run.
"""
import base64
import codecs
import pathlib

EXAMPLES = pathlib.Path(__file__).resolve().parent.parent / "examples"


def b64(text: str) -> str:
    return base64.b64encode(text.encode("ascii")).decode("ascii")


def mask(text: str) -> str:
    return codecs.encode(b64(text), "rot13") if text else ""


def check_column(fax: str, subaddress: str = "") -> str:
    plain = fax + ("\t" + subaddress if subaddress else "")
    return base64.b64encode(plain.encode("ascii")).decode("ascii").replace("0", "-")


def quote(field: str) -> str:
    return '"' + field.replace('"', '""') + '"' if ("," in field or '"' in field) else field


def write(name: str, lines: list[str], encoding: str, line_end: str, bom: bool = False) -> None:
    data = line_end.join(lines) + line_end
    raw = data.encode(encoding)
    if bom:
        raw = b"\xef\xbb\xbf" + raw
    (EXAMPLES / name).write_bytes(raw)


# Version 0: number, X or P, fax, name, -, -, mode (2 or 3: mode 1, 4: mode 2), -, -, -, -,
# confidential (masked box:password), relay text, -, F-code (masked sub-address:password), -, -
V0_ENTRIES = [
    ("1", "X", "02-2345-0001", "陳家豪", "2", "123:4567", "", ""),
    ("2", "P", "(03) 456-0002", "林雅婷", "4", "", "P12/05/#1", "12345:9876"),
    ("10", "X", "04 2345 0003", "王志明[總公司]", "3", "", "7/1*/a/**/9", ""),
    ("11", "X", "(02)2345-0004", "ABC星河國際貿易股份有限公司台北分公司", "1", "12:34", "", ""),
    ("12", "Z", "02-2345-0099", "不是傳真", "2", "", "", ""),  # not X or P: left out
    ("13", "X", "", "沒有號碼", "2", "", "", ""),  # no fax number: left out
    ("3", "X", "+886-7-345-0005", "李美玲", "2", "45:6789", "P3/01/02", "8:"),
]


def version0() -> list[str]:
    lines = ["*,1,0,0"]
    for number, kind, fax, name, mode, secret, relay, fcode in V0_ENTRIES:
        fields = [number, kind, fax, name, "", "", mode, "", "", "", "", mask(secret), relay,
                  "", mask(fcode), "", ""]
        lines.append(",".join(quote(f) for f in fields))
    lines += ["", "*", "99,X,09-9999-9999,結束之後"]  # an empty line; the data end here
    return lines


# Versions 1 to 6: titles, the fax column F = 3 and the columns counted from it.
TITLES = (["NO", "TYPE", "NAME", "MFFAX", "MFSUB", "MFMODE"]
          + ["MFOPT%02d" % i for i in range(1, 9)]
          + ["MFSECURE", "MFSECPW", "MFSECBOX", "MFRELAY", "MFRELAYST", "MFRELAYOPT",
             "MFRELAYTO", "MFOPT09", "MFOPT10", "MFOPT11", "MFFSUB", "MFFPW",
             "MFOPT12", "MFOPT13", "MFOPT14", "MFOPT15"])
FAX = 3


class Entry:
    def __init__(self, number, kind, name, fax, mode="", secure="", password="", box="",
                 relay="", station="", option="", targets="", subaddress="", fpassword="",
                 check=None):
        self.__dict__.update(locals())
        del self.__dict__["self"]

    def fields(self, masked: bool, with_check: bool) -> list[str]:
        f = [""] * len(TITLES)
        f[0], f[1], f[2], f[FAX] = self.number, self.kind, self.name, self.fax
        f[FAX + 2] = self.mode
        f[FAX + 11], f[FAX + 13], f[FAX + 14] = self.secure, self.box, self.relay
        f[FAX + 12] = mask(self.password) if masked else self.password
        f[FAX + 15], f[FAX + 16] = self.station, self.option
        f[FAX + 17] = b64(self.targets) if self.targets else ""
        f[FAX + 21] = self.subaddress
        f[FAX + 22] = mask(self.fpassword) if masked else self.fpassword
        if with_check:
            f.append(self.check if self.check is not None
                     else check_column(self.fax, self.subaddress))
        return f


ENTRIES = [
    Entry("1", "FAX", "陳家豪", "02-2345-0001", mode="1", secure="1", password="4567", box="123"),
    Entry("2", "FAX", "林雅婷", "(03) 456-0002", mode="2", relay="1", station="12", option="1",
          targets="05#1", subaddress="12345", fpassword="9876"),
    Entry("3", "MAIL", "王志明", "wang@example.com"),  # not a fax entry: left out
    Entry("10", "FAX", "李美玲", "+886-7-345-0005", mode="0", secure="1", box="7", relay="1",
          station="3", targets="010200"),
    Entry("11", "FAX", "張偉 [業務部]", " 06 345 0006 ext.12 ", mode=" 2 ", station="5",
          subaddress="0042", fpassword=""),
    Entry("12", "FAX", "ABC星河國際貿易股份有限公司台北分公司", "(02)2345-0004", secure="1",
          password="12", box="45678"),
    Entry("13", "FAX", "沒有號碼", ""),  # no fax number: left out
]


def fax_file(version: int, revision: int, masked: bool, entries, with_check=False,
             header_first='*') -> list[str]:
    titles = TITLES + (["MFENCSTR"] if with_check else [])
    lines = [f"{header_first},1,{version},{revision}", ",".join(titles)]
    for entry in entries:
        lines.append(",".join(quote(f) for f in entry.fields(masked, with_check)))
    lines.append("*")
    return lines


def main() -> None:
    EXAMPLES.mkdir(exist_ok=True)
    write("speeddial-v0.csv", version0(), "cp950", "\r\n")
    write("speeddial-v1.csv", fax_file(1, 1, False, ENTRIES), "cp950", "\n")
    write("speeddial-v2.csv", fax_file(2, 3, True, ENTRIES), "cp950", "\r\n")
    write("speeddial-v3.csv", fax_file(3, 0, True, ENTRIES), "cp950", "\r\n")

    checked = list(ENTRIES)
    # A check column that does not match its line leaves the line out.
    checked.append(Entry("14", "FAX", "黃志強", "02-2345-0014",
                         check=check_column("02-2345-0041")))
    write("speeddial-v5.csv", fax_file(5, 0, True, checked, with_check=True), "cp950", "\r\n")

    utf8 = list(checked)
    utf8[0] = Entry("1", "FAX", "陳家豪, 業務部", "02-2345-0001", mode="1", secure="1",
                    password="4567", box="123")
    write("speeddial-v6.csv", fax_file(6, 2, True, utf8, with_check=True, header_first='"*"'),
          "utf-8", "\r\n", bom=True)


if __name__ == "__main__":
    main()
