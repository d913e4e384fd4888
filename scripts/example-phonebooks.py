#!/usr/bin/env python3
"""Writes the sample phone books in examples/ as Big5 (code page 950) CSV files.

phonebook-header-words.csv has the header words 名稱 and 傳真 (automatic column search);
phonebook-plain-header.csv has other phone books' words (聯絡人, FAX) and ends without a final line
break, as hand-made exports often do. Both have CR LF line ends, a name with square brackets, a
name of more than 30 bytes, rows without a fax number and one duplicate.

phonebook-spreadsheet.csv is a list typed in a spreadsheet, headed 姓名, with numbers typed in full
width and a row whose company stands for its missing name. phonebook-mail-export.csv is a mail
program's contact export: every field quoted, names in given, middle and family name columns,
business and home fax columns, and addresses over two lines with quotes inside.

contacts.vcf holds the mail program's contacts as vCard cards of three versions, as phones, web
address books and mail programs export them: 2.1 cards with quoted-printable Big5 and bare types,
3.0 cards in UTF-8 with grouped numbers and folded lines, 4.0 cards with tel: URIs. A card
without a fax number and one with an embedded agent card are among them.

Every name, company and number is made up. The bytes are the same on every run.
"""
import pathlib

EXAMPLES = pathlib.Path(__file__).resolve().parent.parent / "examples"

# (name, company, fax, office fax, phone)
PEOPLE = [
    ("林志明", "晨光文具行", "(02) 2700-0101", "(02) 2700-0102", "(02) 2700-0100"),
    ("陳怡君", "青山建設", "02-2700-0201", "", "02-2700-0200"),
    ("黃建宏 [業務部]", "宏遠貿易", "", "03-555-0301", "03-555-0300"),
    ("張雅婷", "海風旅行社", "04 2255 0401", "04 2255 0402", "04 2255 0400"),
    ("李俊傑", "李記餅舖", "07-555-0501 ext.12", "", "07-555-0500"),
    ("王淑芬", "王氏會計事務所", "+886-2-2700-0601", "+886-2-2700-0602", "+886-2-2700-0600"),
    ("吳家豪", "家豪汽車修理廠", "", "", "06-255-0700"),
    ("劉美玲", "美玲花坊, 總店", "(05) 255-0801", "", "(05) 255-0800"),
    ("蔡宗翰", "翰林印刷", "02 2700 0901", "02 2700 0902", "02 2700 0900"),
    ("楊佩珊", "珊瑚設計工作室", "049-255-1001", "", "049-255-1000"),
    ("許文彬", "彬彬五金", "(037) 55-1101", "(037) 55-1102", "(037) 55-1100"),
    ("鄭惠如", "惠如診所", "08-755-1201", "", "08-755-1200"),
    ("謝明哲(哲思顧問有限公司總經理室)", "哲思顧問有限公司", "02-2700-1301", "02-2700-1302", "02-2700-1300"),
    ("郭秀蘭", "秀蘭裁縫", "abc", "", "089-55-1400"),
    ("林志明", "晨光文具行", "(02) 2700-0101", "", "(02) 2700-0100"),
]


# (name, company, fax, remark): typed by hand, some numbers in full width
SPREADSHEET = [
    ("林志明", "晨光文具行", "(02) 2700-0101", ""),
    ("陳怡君", "青山建設", "０２－２７００－０２０１", "全形數字"),
    ("", "宏遠貿易", "03-555-0301", "只有公司名稱"),
    ("張雅婷", "海風旅行社", "（０４）２２５５－０４０１", "全形數字"),
    ("李俊傑", "李記餅舖", "07-555-0501 ext.12", ""),
    ("王淑芬", "王氏會計事務所", "＋８８６－２－２７００－０６０１", "全形數字"),
    ("吳家豪", "家豪汽車修理廠", "", "沒有傳真"),
    ("劉美玲 [花藝]", "美玲花坊, 總店", "(05) 255-0801", ""),
]

# (given, middle, family, company, business fax, home fax, address)
MAIL_CONTACTS = [
    ("志明", "", "林", "晨光文具行", "(02) 2700-0101", "(02) 2700-0109", "台北市信義區\n信義路五段7號"),
    ("Ann", "Mei", "Lee", "Globex Taiwan", "+886-2-2700-0301", "", "台北市松山區\n敦化北路100號"),
    ("John", "", "王", "宏遠貿易", "03-555-0301", "", "桃園市中壢區\n中山路1號"),
    ("", "", "", "翰林印刷", "02 2700 0901", "", "新北市板橋區\n文化路一段2號"),
    ("雅婷", "", "張", "海風旅行社", "", "04 2255 0402", "台中市西區\n公益路3號"),
    ("俊傑", "", "李", "李記餅舖", "", "", "高雄市前鎮區\n中華五路4號"),
    ("美玲", "", "劉", "美玲花坊, 總店", "(05) 255-0801", "", '嘉義市東區\n民族路5號 "A" 棟'),
    ("宗翰", "", "蔡", "", "02-2700-0901", "02-2700-0902", '台北市信義路 "B" 棟\n5樓'),
]


def quoted(field: str, always: bool = False) -> str:
    if always or any(ch in field for ch in ',"\n'):
        return '"' + field.replace('"', '""').replace("\n", "\r\n") + '"'
    return field


def write(name: str, header: list, rows: list, final_line_break: bool = True,
          quote_all: bool = False) -> None:
    lines = [",".join(quoted(field, quote_all) for field in row) for row in [header] + rows]
    data = ("\r\n".join(lines) + ("\r\n" if final_line_break else "")).encode("cp950")
    (EXAMPLES / name).write_bytes(data)


def quoted_printable(data: bytes) -> str:
    """2.1's quoted-printable: bytes above 0x7E and "=" as =XX, soft line breaks before 76."""
    out, length = [], 0
    for byte in data:
        piece = "=%02X" % byte if byte > 0x7E or byte == 0x3D else chr(byte)
        if length + len(piece) > 73:
            out.append("=\r\n")
            length = 0
        out.append(piece)
        length += len(piece)
    return "".join(out)


def folded(line: str) -> str:
    """A 3.0 content line folded every 75 bytes, a UTF-8 character perhaps across the fold."""
    data = line.encode("utf-8")
    return b"\r\n ".join(data[i:i + 75] for i in range(0, len(data), 75)).decode("utf-8", "surrogateescape")


def vcard(version: str, given: str, middle: str, family: str, company: str, work_fax: str,
          home_fax: str) -> bytes:
    """One card of `version` for a contact of MAIL_CONTACTS."""
    full = " ".join(p for p in (given, middle, family) if p) if (given + middle + family).isascii() \
        else family + given
    lines = ["BEGIN:VCARD", "VERSION:" + version]
    if version == "2.1":
        parts = ";".join([family, given, middle, "", ""]).encode("cp950")
        lines.append("N;CHARSET=BIG5;ENCODING=QUOTED-PRINTABLE:" + quoted_printable(parts))
        if company:
            lines.append("ORG;CHARSET=BIG5;ENCODING=QUOTED-PRINTABLE:"
                         + quoted_printable(company.encode("cp950")))
        if work_fax:
            lines.append("TEL;WORK;FAX:" + work_fax)
        if home_fax:
            lines.append("TEL;HOME;FAX:" + home_fax)
        if full == "林志明":
            lines += ["AGENT:", "BEGIN:VCARD", "VERSION:2.1", "N:Assistant;;;;",
                      "TEL;WORK;FAX:02-2700-0199", "END:VCARD"]
        lines.append("TEL;WORK;VOICE:02-2700-0000")
        lines.append("END:VCARD")
        return ("\r\n".join(lines) + "\r\n").encode("cp950", "surrogateescape")
    org = company.replace(",", "\\,")
    lines.append("N:" + ";".join([family, given, middle, "", ""]))
    if full:
        lines.append("FN:" + full)
    if org:
        lines.append("ORG:" + org + ";")
    if version == "3.0":
        if work_fax:
            lines += ["item1.TEL;TYPE=WORK,FAX:" + work_fax, "item1.X-ABLabel:_$!<WorkFax>!$_"]
        if home_fax:
            lines.append("TEL;TYPE=HOME;TYPE=FAX:" + home_fax)
        lines.append(folded("NOTE:" + full + "是範例聯絡人，姓名、公司與號碼都是虛構的，"
                            "請勿撥打或傳真。"))
    else:
        if work_fax:
            lines.append('TEL;VALUE=uri;TYPE="work,fax":tel:' + work_fax.replace(" ", "-"))
        if home_fax:
            lines.append("TEL;VALUE=uri;TYPE=home,fax:tel:" + home_fax.replace(" ", "-"))
    lines.append("END:VCARD")
    return ("\r\n".join(lines) + "\r\n").encode("utf-8", "surrogateescape")


def write_vcards(name: str) -> None:
    versions = ["2.1", "3.0", "4.0"]
    cards = [vcard(versions[n % 3], given, middle, family, company, work, home)
             for n, (given, middle, family, company, work, home, _) in enumerate(MAIL_CONTACTS)]
    (EXAMPLES / name).write_bytes(b"".join(cards))


def main() -> None:
    EXAMPLES.mkdir(exist_ok=True)
    write(
        "phonebook-header-words.csv",
        ["編號", "名稱", "公司", "傳真號碼", "公司傳真", "電話"],
        [[str(n + 1), name, company, fax, office, phone]
         for n, (name, company, fax, office, phone) in enumerate(PEOPLE)],
    )
    write(
        "phonebook-plain-header.csv",
        ["聯絡人", "公司", "電話", "FAX", "備註"],
        [[name, company, phone, fax or office, "樣本資料"]
         for name, company, fax, office, phone in PEOPLE],
        final_line_break=False,
    )
    write(
        "phonebook-spreadsheet.csv",
        ["姓名", "公司", "傳真號碼", "備註"],
        [list(row) for row in SPREADSHEET],
    )
    write(
        "phonebook-mail-export.csv",
        ["名字", "中間名", "姓氏", "公司", "商務傳真", "住家傳真", "商務地址"],
        [list(row) for row in MAIL_CONTACTS],
        quote_all=True,
    )
    write_vcards("contacts.vcf")


if __name__ == "__main__":
    main()
