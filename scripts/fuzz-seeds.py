#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into fuzz/corpus/<target>/.

Each seed is what the target reads: the payload (a file, a line, a text) followed by the bytes
that the target takes from the end of its input for its settings, in the order
FuzzedDataProvider takes them (the last byte first). The payloads come from examples/ and from
the shapes the unit tests use. Seeds that libFuzzer found and that crashed a target once
(fuzz/corpus/<target>/crash-*) are kept; every other file of a corpus is written anew.
The bytes are the same on every run.
"""
import hashlib
import pathlib
import struct

ROOT = pathlib.Path(__file__).resolve().parent.parent
EXAMPLES = ROOT / "examples"
CORPUS = ROOT / "fuzz" / "corpus"

# kAnsiCodePages of fuzz/FuzzSupport.h, in its order: Big5 takes the first four picks.
CODE_PAGES = [950, 950, 950, 950, 1258, 932, 936, 1252]


class Tail:
    """The settings a target takes from the end of its input, in the order it takes them."""

    def __init__(self):
        self.taken = []

    def integral(self, value, low, high):
        span = high - low
        offset = value - low
        assert 0 <= offset <= span
        count = 0
        while count < 8 and (span >> (8 * count)) > 0:
            count += 1
        # The first byte taken is the most significant one.
        for index in reversed(range(count)):
            self.taken.append((offset >> (8 * index)) & 0xFF)
        return self

    def boolean(self, value):
        self.taken.append(1 if value else 0)
        return self

    def pick(self, value, choices):
        return self.integral(choices.index(value), 0, len(choices) - 1)

    def code_page(self, code_page=950):
        return self.pick(code_page, CODE_PAGES)

    def bytes(self):
        return bytes(reversed(self.taken))


def random_length_string(text):
    """A text as FuzzedDataProvider::ConsumeRandomLengthString reads it from the front."""
    return text.replace(b"\\", b"\\\\") + b"\\x"


def big5(text):
    return text.encode("cp950")


# Phone books shaped like the exports the CSV tests read (tests/shared/ExportBooks.cpp).
EXPORT_BOOKS = {
    "spreadsheet-utf8": b"\xef\xbb\xbf" + "名稱,公司,電話,傳真,電子郵件\r\n"
    "王小明,台灣科技股份有限公司,02-2700-0000,(02) 2700-1234,wang@example.com\r\n"
    '李美玲 [業務部],"誠品, 信義店",,02-2700-5678,\r\n'
    "陳大同,,0912-345-678,,\r\n"
    '"林""阿志""",台北,,+886 2 2700 9999,\r\n'.encode("utf-8"),
    "web-address-book-utf8": "名稱,名字,姓氏,電子郵件,行動電話,商務傳真,住家傳真\n"
    "王小明,小明,王,wang@example.com,0912-000-111,(02) 2700-1234,\n"
    "Émile Zola,Émile,Zola,emile@example.fr,,+33 1 4000 0000,+33 1 4000 0001\n"
    '"李美玲 [業務部]",美玲,李,,,02-2700-5678,02-2700-5679\n'.encode("utf-8"),
    "mail-program-big5": big5(
        '"名稱","公司","商務地址","商務傳真","商務電話"\r\n'
        '"王小明","台灣科技","台北市信義區\r\n信義路五段7號\r\n89樓","(02) 2700-1234","02-2700-0000"\r\n'
        '"陳大同","","高雄市\r\n""前鎮區""","","07-123-4567"\r\n'
    ),
    "spreadsheet-utf16le": b"\xff\xfe"
    + "名稱\t部門\t傳真\t備註\r\n"
    "王小明\t業務部\t(02) 2700-1234\t\r\n"
    '李美玲\t"總務, 採購"\t02-2700-5678\t"第一行\n第二行"\r\n'.encode("utf-16-le"),
    "utf16be": b"\xfe\xff" + "名稱,傳真\r\n王小明,02-2700-1234\r\n".encode("utf-16-be"),
    "semicolon-big5": big5(
        "名稱;公司;傳真;金額\r\n"
        '王小明;"台灣科技; 台北";(02) 2700-1234;1,5\r\n'
        "李美玲 [業務部];誠品;02-2700-5678;2,25\r\n"
    ),
    "unclosed-quote": big5('名稱,傳真\r\n"王小明,02-2700-1234\r\n'),
    "long-name": big5("名稱,傳真\r\n" + "王" * 40 + ",02 2700 1234\r\n"),
    # Names and numbers around the 30-byte limit; Big5 characters straddling it.
    "field-limits": big5("名稱,傳真\r\n")
    + b"".join(
        b"n" * length + b"," + b"1" * number + b"\r\n"
        for length, number in [(29, 29), (30, 30), (31, 31), (32, 32)]
    )
    + b"x" + big5("王" * 15) + b",2\r\n"
    + big5("王" * 16) + b",3\r\n"
    + b"  " + b"y" * 31 + b"  ,4\r\n",
    "many-columns": b",".join([b"x"] * 1100) + b"," + big5("傳真") + b"\r\n" + b",".join([b"1"] * 1101),
    # Other phone books' header words, carriage returns alone, full-width and Unicode numbers.
    "spreadsheet-name-list": big5(
        "姓名,公司,傳真號碼\r\n王小明,台灣科技,０２－２７００－１２３４\r\n"
        "李美玲,誠品,02-2700-5678（公司）\r\n,宏遠貿易,03-555-0301\r\n"
    ),
    "chinese-mail-export": big5(
        '"名字","姓氏","公司","商務傳真","住家傳真","商務地址"\r\n'
        '"小明","王","台灣科技","(02) 2700-1234","","台北市信義路 ""A"" 棟\r\n5樓"\r\n'
        '"John","林","","","0912-000-111",""\r\n'
    ),
    "english-mail-export": b"\xef\xbb\xbf"
    + "First Name,Middle Name,Last Name,Company,Business Fax,Home Fax\r\n"
    "Ann,Mei,Lee,Acme,+886 2 2700 1234,\r\n"
    ",,,Initech,02\u22122700\u20115678,\r\n".encode("utf-8"),
    "web-address-book-types": "Name,Given Name,Family Name,Phone 1 - Type,Phone 1 - Value,"
    "Phone 2 - Label,Phone 2 - Value\n"
    "王小明,小明,王,Work Fax,(02) 2700-1234 ::: (02) 2700-1235,Mobile,0912-000-111\n"
    ",Ann,Lee,Mobile,0912-000-222,Home Fax, ::: 02\u00a02700\u20115678 ::: \n".encode("utf-8"),
    "mac-carriage-returns": big5("名稱,公司,傳真\r王小明,台灣科技,(02) 2700-1234\r李美玲,誠品,02-2700-5678\r"),
}


def csv_reader_seeds():
    books = {path.stem: path.read_bytes() for path in sorted(EXAMPLES.glob("phonebook-*.csv"))}
    books.update(EXPORT_BOOKS)
    seeds = {}
    for name, content in books.items():
        # Import type 5 (found columns) under Big5.
        seeds[f"{name}-type5"] = content + Tail().boolean(False).code_page().bytes()
    # Import type 4: name column 0, fax column 3, OK.
    for name in ["phonebook-plain-header", "spreadsheet-utf8"]:
        tail = Tail().boolean(True).code_page().integral(2, 0, 6)
        tail.boolean(True).integral(0, -1, 40).boolean(False).integral(3, -1, 40).boolean(True)
        seeds[f"{name}-type4"] = books[name] + tail.bytes()
    return seeds


def qp(data):
    return "".join("=%02X" % b if b > 0x7E or b == 0x3D else chr(b) for b in data)


# Cards shaped like the exports the vCard tests read (tests/shared/VCardBooks.cpp).
VCARD_BOOKS = {
    "phone-3.0": "BEGIN:VCARD\r\nVERSION:3.0\r\nN:王;小明;;;\r\nFN:王小明\r\n"
    "TEL;TYPE=CELL:0912-345-678\r\nTEL;TYPE=WORK,FAX:(02) 2700-1234\r\nEND:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:3.0\r\nN:陳;大同;;;\r\nTEL;TYPE=FAX;TYPE=HOME:+886 2 2700 9999\r\n"
    "TEL;TYPE=FAX,WORK:０２－２７００－５６７８\r\nPHOTO;ENCODING=b;TYPE=JPEG:/9j/4AAQSkZJRgAB\r\n"
    " AQEASABIAAD/2wBDAP\r\nEND:VCARD\r\n".encode("utf-8"),
    "web-3.0-groups": "BEGIN:VCARD\nVERSION:3.0\nFN:Émile Zola\nN:Zola;Émile;;;\n"
    "item1.TEL:+33 1 4000 0000\nitem1.X-ABLabel:Bureau\n"
    "item2.TEL;TYPE=WORK;TYPE=FAX:+33 1 4000 0001\nLABEL;TYPE=WORK:1 rue\\, Paris\\nFrance\n"
    "END:VCARD\nBEGIN:VCARD\nVERSION:3.0\nFN:李美玲 [業務部]\nTEL;TYPE=\"work,fax\":02-2700-5678\n"
    "END:VCARD\n".encode("utf-8"),
    "mail-2.1": ("BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=BIG5;ENCODING=QUOTED-PRINTABLE:"
                 + qp("王;大明".encode("cp950")) + "\r\nTEL;WORK;FAX:02-2700-0101\r\n"
                 "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=E9=99=\r\n=B3\r\n"
                 "AGENT:\r\nBEGIN:VCARD\r\nTEL;FAX:9\r\nEND:VCARD\r\nEND:VCARD\r\n"
                 "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=BIG5:").encode("ascii")
    + "許;功蓋".encode("cp950") + b"\r\nTEL;FAX;HOME:03-555-0302\r\nEND:VCARD\r\n",
    "4.0-uris": "\ufeffBEGIN:VCARD\r\nVERSION:4.0\r\nFN:Ann Mei Lee\r\nN:Lee;Ann;Mei;Dr.;\r\n"
    "TEL;VALUE=uri;TYPE=\"work,fax\":tel:+886-2-2700-0101;ext=12\r\nEND:VCARD\r\n".encode("utf-8"),
    "open-card": b"BEGIN:VCARD\r\nFN:A\r\nTEL;TYPE=FAX:1\r\n",
}


def vcard_reader_seeds():
    books = {"contacts": (EXAMPLES / "contacts.vcf").read_bytes()}
    books.update(VCARD_BOOKS)
    return {name: content + Tail().code_page().bytes() for name, content in books.items()}


def speeddial_files():
    return {path.stem: path.read_bytes() for path in sorted(EXAMPLES.glob("speeddial-*.csv"))}


def limit_lines():
    """Version 1 revision 1 data lines (texts in clear), fax column 3, with fields around the
    sizes of their record members."""
    lines = []
    for number, (name, fax, box, password, subaddress) in enumerate(
        [
            (b"n" * 30, b"1" * 30, b"123", b"4567", b"s" * 20),
            (b"n" * 31, b"1" * 31, b"1234", b"45678", b"s" * 21),
            (b"x" + big5("王" * 15), b"2" * 29, b"12", b"456", b"s" * 19),
        ]
    ):
        fields = [b"%d" % (number + 1), b"FAX", name, fax] + [b""] * 26
        fields[3 + 2] = b"1"
        fields[3 + 11], fields[3 + 12], fields[3 + 13] = b"1", password, box
        fields[3 + 14], fields[3 + 15], fields[3 + 16] = b"1", b"12", b"1"
        fields[3 + 17] = b"MDUjMQ=="
        fields[3 + 21], fields[3 + 22] = subaddress, password
        lines.append(b",".join(fields))
    return lines


def speeddial_reader_seeds():
    seeds = {}
    for name, content in speeddial_files().items():
        # Big5, no option, no limit, add every entry, no deletion, replace, keep the numbers.
        tail = Tail().code_page().boolean(False).integral(0, 0, 4).integral(1, 1, 4)
        tail.integral(0, 0, 3).boolean(True).boolean(True).boolean(False)
        seeds[name] = content + tail.bytes()
        # Single recipient, a limit of 2, every second entry, deleting every second pick.
        tail = Tail().code_page().boolean(True).integral(2, 0, 4).integral(2, 1, 4)
        tail.integral(2, 0, 3).boolean(False).boolean(False).boolean(True)
        seeds[name + "-restricted"] = content + tail.bytes()
    titles = (EXAMPLES / "speeddial-v1.csv").read_bytes().split(b"\n")[1]
    limits = b"*,1,1,1\r\n" + titles + b"\n" + b"\r\n".join(limit_lines()) + b"\r\n"
    tail = Tail().code_page().boolean(False).integral(0, 0, 4).integral(1, 1, 4)
    tail.integral(0, 0, 3).boolean(True).boolean(True).boolean(False)
    seeds["limits"] = limits + tail.bytes()
    return seeds


def speeddial_lines_seeds():
    seeds = {}
    versions = [0, 1, 2, 3, 5, 6]
    for name, content in speeddial_files().items():
        lines = content.split(b"\n")
        header = lines[0].replace(b"\xef\xbb\xbf", b"").replace(b'"', b"").strip().split(b",")
        version = int(header[2])
        revision = int(header[3]) if len(header) > 3 and header[3].strip().isdigit() else 0
        titles = lines[1].rstrip(b"\r").split(b",") if version > 0 else []
        fax = titles.index(b"MFFAX") if b"MFFAX" in titles else -1
        enc = titles.index(b"MFENCSTR") if b"MFENCSTR" in titles else -1
        for number, line in enumerate(lines[2 if version > 0 else 1 :]):
            line = line.rstrip(b"\r")
            if not line or line == b"*":
                continue
            tail = Tail().code_page().boolean(version == 0).pick(version, versions)
            tail.integral(min(revision, 3), 0, 3).integral(fax, -1, 40).integral(enc, -1, 80)
            seeds[f"{name}-line{number}"] = line + tail.bytes()
    for number, line in enumerate(limit_lines()):
        tail = Tail().code_page().boolean(False).pick(1, versions).integral(1, 0, 3)
        tail.integral(3, -1, 40).integral(-1, -1, 80)
        seeds[f"limits{number}"] = line + tail.bytes()
    return seeds


def field_helpers_seeds():
    seeds = {}
    texts = {
        "header": big5("編號,名稱,公司,傳真號碼,公司傳真,電話"),
        "quoted": b'"a ""quoted"" field",plain,"",x',
        "unclosed": b'one,"two,three',
        "brackets-big5": big5("王小明") + b"[\xa5\x5d]" + b"\xc0\x5b",
        "spaces": b"   (02) 2700-0101 ext 12   ",
        "lead-at-end": b"[x\xa4",
        "vietnamese": b"Nguy\xea\xecn V\xe3n A\xd2 [b]",
        "fax": b"+886-2 (2700) 1234 ext. 9, [x]",
        "many-fields": b",".join([b"f"] * 1030),
        "straddle": b"x" + big5("王" * 15),
        "full-width": big5("（０２）２７００－１２３４＃５ 傳真") + b"\xa1\x56\xa4",
    }
    for name, content in speeddial_files().items():
        for number, line in enumerate(content.split(b"\n")[:4]):
            texts[f"{name}-line{number}"] = line.rstrip(b"\r")
    for name, text in texts.items():
        limit = min(len(text) // 2 + 1, 300)
        if name == "straddle":
            limit = 30
        for code_page in (950, 1258):
            tail = Tail().code_page(code_page).integral(limit, -2, 300)
            seeds[f"{name}-{code_page}"] = text + tail.bytes()
    return seeds


def masked_text_seeds():
    seeds = {}
    texts = {
        "base64": b"MDItMjM0NS0wMDAx",
        "padded": b"MTIzNA==",
        "pad-third": b"MQ=x",
        "masked": b"ZGVmBwD1Awp=",
        "masked-password": b"AQH2Aj==",
        "odd-length": b"abcde",
        "long": b"QUJD" * 20,
        "zero-inside": b"ZGVm\x00BwD1",
    }
    for name, text in texts.items():
        for decoder in range(3):
            tail = Tail().integral(decoder, 0, 2).integral(17, 0, 100)
            seeds[f"{name}-{decoder}"] = text + tail.bytes()
    return seeds


def record_bytes():
    """A speed-dial record as the line parsers leave it."""
    record = bytearray(236)
    record[0:6] = b"Name\x00\x00"
    record[31:43] = b"0223450001\x00\x00"
    struct.pack_into("<i", record, 64, 1)
    record[68] = ord("1")
    record[83] = ord("0")
    struct.pack_into("<i", record, 188, 12)
    return bytes(record)


def write_settings_seeds():
    seeds = {}
    texts = [
        (0, 1, b"12/05/#1"),
        (0, 1, b"P12/05/#1/**/7*/000"),
        (0, 1, b"1/" + b"/".join([b"%d" % n for n in range(1, 25)])),
        (1, 1, b"123:4567"),
        (1, 0, b"ZGVmBwD1Awp="),
        (1, 2, b"12:34"),
        (1, 1, b"1234:56789"),
        (2, 1, b"12345678901234567890:12345678901234567890"),
        (2, 1, b"12345678901234567890123:password"),
        (2, 0, b"AQH2Aj=="),
    ]
    versions = [0, 1, 2, 3, 5, 6, -1]
    for number, (setting, version, text) in enumerate(texts):
        tail = Tail().integral(setting, 0, 2).pick(version, versions)
        seeds[f"setting{setting}-{number}"] = record_bytes() + text + tail.bytes()
    return seeds


def cp1258_seeds():
    seeds = {}
    texts = {
        "tones": b"Ti\xea\xecng Vi\xea\xf2t",
        "stray-marks": b"1\xec B\xd2 A\xd2\xcc",
        "high-chars": bytes([0x80, 0x8C, 0x9F, 0xC3, 0xD0, 0xD5, 0xDD, 0xE3, 0xF0, 0xFD, 0xFE]),
        "latin": b"\xc0\xc1\xd3\xde\xa8\xec",
        "zero-inside": b"A\xcc\x00B\xd2",
    }
    for name, text in texts.items():
        for normalize in (True, False):
            # To UTF-16 terminated, two target sizes; four bytes stay for the source length and
            # the sizes.
            tail = Tail().boolean(True).boolean(normalize).integral(0, 0, 5).integral(0, 0, 2)
            tail.boolean(True)
            after = Tail().integral(0, 0, 3).integral(3, 1, 2 * len(text) + 2)
            after.integral(1, 1, 2 * len(text) + 2)
            pad = b"\x00" * (4 - len(after.taken))
            seeds[f"{name}-wide-{normalize}"] = text + pad + after.bytes() + tail.bytes()
    units = {
        "precomposed": "Tiếng Việt Ấ Ṍ ΅".encode("utf-16-le"),
        "combining": "e\u0302\u0301 B\u0309 Q\u0301\u0323".encode("utf-16-le"),
        "uncovered": "中文 😀 \ud800".encode("utf-16-le", "surrogatepass"),
    }
    for name, text in units.items():
        for normalize in (True, False):
            tail = Tail().boolean(False).boolean(normalize).integral(1, 0, 5).integral(1, 0, 2)
            tail.boolean(True)
            after = Tail().integral(1, 0, 3).integral(2, 1, len(text) + 2)
            after.integral(5, 1, len(text) + 2)
            pad = b"\x00" * (4 - len(after.taken))
            seeds[f"{name}-bytes-{normalize}"] = text + pad + after.bytes() + tail.bytes()
    return seeds


def command_line_seeds():
    program = b"C:\\Fax\\bin\\importer.exe\n"
    shapes = [
        b"C:\\r.bin||0|IMPORT_TYPE_4",
        b"C:\\r.bin|my.chm|2",
        b"C:\\r.bin|||IMPORT_TYPE_6",
        b"   C:\\my files\\r.bin |h.chm| +2abc|IMPORT_TYPE_ 5x",
        b"r||-99999999999|IMPORT_TYPE_99999999999",
        b"r||2|IMPORT_TYPE_4|more",
        b"C:\\" + b"p" * 300 + b"\\result.bin|" + b"h" * 200 + b".chm|0",
    ]
    return {f"shape{n}": program + shape for n, shape in enumerate(shapes)}


def fax_screening_seeds():
    seeds = {}
    tags = [0x3001001E, 0x3A23001E, 0x3A24001E, 0x3A25001E]
    all_tags = [0x3001001E, 0x3A23001E, 0x3A24001E, 0x3A25001E, 0x3001000A, 0x3A24000A,
                0x0FFF0102, 0x0FFE0003, 0]
    people = [
        ("王小明 [業務部]", "02 2700 1234", "(02) 2700-5678", ""),
        ("  Alice  ", "555 1234 ext 9", "", "+1 (555) 000-1111"),
        ("謝明哲(哲思顧問有限公司總經理室)", "02-2700-1301", "02-2700-1301", "x" * 40),
    ]
    for number, person in enumerate(people):
        front = b""
        tail = Tail().code_page().integral(number % 3, 0, 3).integral(1, 1, 4)
        tail.integral(4, 0, 6)
        for tag, text in zip(tags, person):
            tail.pick(tag, all_tags).boolean(text != "")
            if text:
                front += random_length_string(big5(text))
        front += random_length_string(big5("陳大同")) + b"0912-345-678"
        seeds[f"entry{number}"] = front + tail.bytes()
    return seeds


TARGETS = {
    "command_line": command_line_seeds,
    "cp1258": cp1258_seeds,
    "csv_reader": csv_reader_seeds,
    "fax_screening": fax_screening_seeds,
    "field_helpers": field_helpers_seeds,
    "masked_text": masked_text_seeds,
    "speeddial_lines": speeddial_lines_seeds,
    "speeddial_reader": speeddial_reader_seeds,
    "vcard_reader": vcard_reader_seeds,
    "write_settings": write_settings_seeds,
}


def main():
    total = 0
    for target, make in TARGETS.items():
        folder = CORPUS / target
        folder.mkdir(parents=True, exist_ok=True)
        for old in folder.iterdir():
            if not old.name.startswith("crash-"):
                old.unlink()
        for name, content in make().items():
            (folder / f"seed-{name}").write_bytes(content)
        size = sum(path.stat().st_size for path in folder.iterdir())
        total += size
        print(f"{target}: {len(list(folder.iterdir()))} seeds, {size} bytes")
    print(f"total: {total} bytes")


if __name__ == "__main__":
    main()
