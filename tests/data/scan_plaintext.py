#!/usr/bin/env python3
"""Scans a built program for the records of a results list in the clear.

    scan_plaintext.py absent  PROGRAM LIST   no record's ID-card number, ticket number or name
                                             occurs in UTF-8, UTF-16LE or GB18030
    scan_plaintext.py present PROGRAM LIST   every record occurs in one of them at least

A sealed build must pass "absent"; a plain build must pass "present", which shows that the scan
finds what is there."""

import sys

ENCODINGS = ("utf-8", "utf-16-le", "gb18030")
FIELDS = ("sfzh", "zkzh", "xm")


def records(list_path):
    with open(list_path, encoding="utf-8", newline="\n") as file:
        lines = file.read().split("\n")
    header = lines[0].split("\t")
    for line in lines[1:]:
        if line:
            values = dict(zip(header, line.split("\t")))
            yield {field: values[field] for field in FIELDS}


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
