#!/usr/bin/env python3
"""Writes the sample phone books in examples/ as Big5 (code page 950) CSV files.

phonebook-header-words.csv has the header words 名稱 and 傳真 (automatic column search);
phonebook-plain-header.csv has neither, so its columns are chosen by hand, and it ends without a
final line break, as hand-made exports often do. Both have CR LF line ends, a name with square
brackets, a name of more than 30 bytes, rows without a fax number and one duplicate. Every name,
company and number is made up. The bytes are the same on every run.
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


def quoted(field: str) -> str:
    if any(ch in field for ch in ',"'):
        return '"' + field.replace('"', '""') + '"'
    return field


def write(name: str, header: list, rows: list, final_line_break: bool = True) -> None:
    lines = [",".join(quoted(field) for field in row) for row in [header] + rows]
    data = ("\r\n".join(lines) + ("\r\n" if final_line_break else "")).encode("cp950")
    (EXAMPLES / name).write_bytes(data)


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


if __name__ == "__main__":
    main()
