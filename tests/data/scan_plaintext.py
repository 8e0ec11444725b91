#!/usr/bin/env python3
"""Scans a built program for the records of a results list in the clear.

    scan_plaintext.py absent  PROGRAM LIST   no record's ID-card number, ticket number or name
                                             occurs in UTF-8, UTF-16LE or GB18030
    scan_plaintext.py present PROGRAM LIST   every record occurs in one of them at least

A sealed build must pass "absent"; a plain build must pass "present", which shows that the scan
finds what is there."""

import csv
import io
import sys

ENCODINGS = ("utf-8", "utf-16-le", "gb18030")
# The names the table builder accepts for the three columns scanned for.
COLUMNS = {
    "sfzh": ("sfzh", "身份证号", "身份证号码", "证件号码"),
    "zkzh": ("zkzh", "准考证号", "准考证号码"),
    "xm": ("xm", "姓名"),
}


def records(list_path):
    """The records of the list in any form the table builder reads: UTF-8 (with or without a
    byte order mark) or GB18030, comma- or tab-separated, the columns by any accepted name, blanks
    around a field dropped."""
    raw = open(list_path, "rb").read()
    try:
        text = raw.decode("utf-8-sig")
    except UnicodeDecodeError:
        text = raw.decode("gb18030")
    header_line = text.split("\n", 1)[0]
    rows = csv.reader(io.StringIO(text, newline=""), delimiter="\t" if "\t" in header_line else ",")
    header = [name.strip(" \u3000") for name in next(rows)]
    where = {field: next(i for i, name in enumerate(header) if name in names)
             for field, names in COLUMNS.items()}
    for row in rows:
        if any(value.strip(" \u3000") for value in row):
            yield {field: row[i].strip(" \u3000") for field, i in where.items()}


def main():
    if len(sys.argv) != 4 or sys.argv[1] not in ("absent", "present"):
        print(__doc__, file=sys.stderr)
        return 2
    mode, program, list_path = sys.argv[1:]
    with open(program, "rb") as file:
        binary = file.read()

    found = []
    missing = []
    count = 0
    for number, record in enumerate(records(list_path), start=1):
        count += 1
        seen = False
        for field, value in record.items():
            for encoding in ENCODINGS:
                if value.encode(encoding) in binary:
                    found.append(f"record {number}: {field} in {encoding}")
                    seen = True
        if not seen:
            missing.append(f"record {number}")

    if mode == "absent" and found:
        print(f"{program}: {len(found)} plaintext occurrences, first: {found[:5]}")
        return 1
    if mode == "present" and missing:
        print(f"{program}: {len(missing)} records not found, first: {missing[:5]}")
        return 1
    print(f"{program}: {count} records, {len(found)} occurrences in the clear ({mode} expected)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
