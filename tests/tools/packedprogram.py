#!/usr/bin/env python3
"""Packs the program with a list that differs from the one compiled in, and damages copies of it.

    packedprogram.py DIR PACKER PROGRAM LIST [EMULATOR...]

In the folder DIR/成绩 查询 2020 (a Chinese name with a space, as an office's may be) it writes
"成绩 表.csv", the repository's LIST with the ticket numbers of records 1 and 2 swapped, as
Excel's "CSV" on a Chinese Windows saves it (GB18030, commas, CRLF), and packs
PROGRAM with it at 64 iterations into "成绩 查询" (".exe" for a Windows PROGRAM, run by the
Windows packer under EMULATOR, which sees the host's folders as drive Z:). Then, beside it, copies
damaged as a program may be: one byte of a record changed (byte), the payload cut short
(short: its second half as an unpacked program has it), an unknown format version whose hash
is made again (version), and a blown fuse over an empty payload (missing). The program's
layout is data/packed/packedlayout.h."""

import hashlib
import pathlib
import subprocess
import sys

MARK = b"merrowdale-results added records 5c1e94d7b8a3f620"
RECORDS, RECORD_BYTES = 1117, 32 + 34
HEADER_BYTES, HASH_BYTES = 4 + 4 + 32, 32
PAYLOAD_BYTES = HEADER_BYTES + RECORDS * RECORD_BYTES + HASH_BYTES


def swapped_list(source):
    rows = [line.split("\t") for line in source.read_text(encoding="utf-8").splitlines()]
    rows[1][1], rows[2][1] = rows[2][1], rows[1][1]
    return "".join(",".join(row) + "\r\n" for row in rows).encode("gb18030")


def damaged(program, kind):
    data = bytearray(program)
    assert data.count(MARK) == 1, "the packed program holds its area once"
    fuse = data.index(MARK) + len(MARK)
    payload = fuse + 1
    assert data[fuse:fuse + 1] == b"1", "the program is packed"
    if kind == "byte":
        data[payload + HEADER_BYTES + 500 * RECORD_BYTES] ^= 0x01
    elif kind == "short":
        half = PAYLOAD_BYTES // 2
        data[payload + half:payload + PAYLOAD_BYTES] = bytes(PAYLOAD_BYTES - half)
    elif kind == "version":
        data[payload:payload + 4] = (2).to_bytes(4, "little")
        hashed = payload + PAYLOAD_BYTES - HASH_BYTES
        data[hashed:hashed + HASH_BYTES] = hashlib.sha256(data[payload:hashed]).digest()
    elif kind == "missing":
        data[payload:payload + PAYLOAD_BYTES] = bytes(PAYLOAD_BYTES)
    return bytes(data)


def main():
    folder, packer, program, source = (pathlib.Path(arg) for arg in sys.argv[1:5])
    emulator = sys.argv[5:]
    drive = "Z:" if emulator else ""
    suffix = ".exe" if program.suffix == ".exe" else ""
    place = folder / "成绩 查询 2020"
    place.mkdir(parents=True, exist_ok=True)
    listed = place / "成绩 表.csv"
    listed.write_bytes(swapped_list(source))
    packed = place / ("成绩 查询" + suffix)
    packed.unlink(missing_ok=True)
    subprocess.run(emulator + [str(packer), "--iterations", "64", "--program",
                               drive + str(program), "-o", drive + str(packed),
                               drive + str(listed)], check=True)
    for kind in ("byte", "short", "version", "missing"):
        (place / f"损坏-{kind}{suffix}").write_bytes(damaged(packed.read_bytes(), kind))
        (place / f"损坏-{kind}{suffix}").chmod(0o755)


if __name__ == "__main__":
    main()
