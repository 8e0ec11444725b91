#!/usr/bin/env python3
"""Writes the repository's results list in the forms an examination office's Excel exports it.

    officeexports.py <results.tsv> <directory>

writes, from the same records in the same order:
  gb18030.csv  "CSV" on a Chinese Windows: GB18030, CRLF, Chinese column names among extra
               columns in another order, fields with commas quoted, empty rows at the end;
  utf8bom.csv  "CSV UTF-8": a byte order mark, every field quoted, doubled quotes, LF, no final
               line break;
  padded.tsv   tab-separated UTF-8 with a Chinese header and blanks (spaces, U+3000) around the
               fields, a final line break and blank lines after it;
  titled.csv   "CSV UTF-8" of Excel in a decimal-comma locale: semicolons, CRLF, a merged title
               row and an empty row above the header.
The table builder must compile each of them into exactly the table of results.tsv.
"""
import pathlib
import sys


def records(path):
    lines = pathlib.Path(path).read_text(encoding="utf-8").split("\n")
    assert lines[0] == "sfzh\tzkzh\txm\tcj", lines[0]
    return [line.split("\t") for line in lines[1:] if line]


def csv_field(value, always=False):
    if always or any(c in value for c in ',"\r\n'):
        return '"' + value.replace('"', '""') + '"'
    return value


def gb18030_csv(rows):
    header = ["序号", "姓名", "性别", "报考岗位", "身份证号", "成绩", "准考证号", "备注"]
    lines = [",".join(header)]
    for n, (sfzh, zkzh, xm, cj) in enumerate(rows, 1):
        sex = "男" if int(sfzh[16]) % 2 else "女"
        post = "综合管理, 岗位" + zkzh[4:6]
        note = "缺考" if cj == "缺考" else ""
        fields = [str(n), xm, sex, post, sfzh, cj, zkzh, note]
        lines.append(",".join(csv_field(f) for f in fields))
    text = "\r\n".join(lines) + "\r\n" + ",,,,,,,\r\n" * 3
    return text.encode("gb18030")


def utf8_bom_csv(rows):
    header = ["身份证号码", "准考证号码", "姓名", "笔试成绩", "备注"]
    lines = [",".join(csv_field(f, always=True) for f in header)]
    for sfzh, zkzh, xm, cj in rows:
        fields = [sfzh, zkzh, xm, cj, '第"一"场, 上午']
        lines.append(",".join(csv_field(f, always=True) for f in fields))
    return b"\xef\xbb\xbf" + "\n".join(lines).encode("utf-8")


def padded_tsv(rows):
    pads = [" ", "\u3000", "  ", ""]
    lines = ["证件号码 \t 准考证号\t\u3000姓名\t成绩 "]
    for n, fields in enumerate(rows):
        pad = pads[n % len(pads)]
        lines.append("\t".join(pad + f + pads[(n + 1) % len(pads)] for f in fields))
    return ("\n".join(lines) + "\n\n\n").encode("utf-8")


def titled_csv(rows):
    header = ["序号", "准考证号", "姓名", "身份证号", "成绩"]
    lines = ["2020年公开招聘工作人员笔试成绩;;;;", ";;;;", ";".join(header)]
    for n, (sfzh, zkzh, xm, cj) in enumerate(rows, 1):
        lines.append(";".join([str(n), zkzh, xm, sfzh, cj]))
    return b"\xef\xbb\xbf" + ("\r\n".join(lines) + "\r\n").encode("utf-8")


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    rows = records(sys.argv[1])
    out = pathlib.Path(sys.argv[2])
    out.mkdir(parents=True, exist_ok=True)
    (out / "gb18030.csv").write_bytes(gb18030_csv(rows))
    (out / "utf8bom.csv").write_bytes(utf8_bom_csv(rows))
    (out / "padded.tsv").write_bytes(padded_tsv(rows))
    (out / "titled.csv").write_bytes(titled_csv(rows))


if __name__ == "__main__":
    main()
