#!/usr/bin/env python3
"""Builds the Windows release bundle from a configured and built tree and checks what it holds:

    check-zip.py <build dir> <scratch dir> --cpack CPACK --program EXE --packer EXE --guide TXT
                 --list LIST [--emulator COMMAND]

One .zip with exactly three files side by side at its top: merrowdale-results.exe and
merrowdale-pack.exe as the build made them, and 使用说明.txt. A name that is not ASCII carries the
UTF-8 flag (general purpose bit 11), without which Explorer reads it in the ANSI code page; the
instructions are UTF-8 with a byte order mark and CRLF line ends, so that every Notepad shows them,
and hold the text of packaging/bundle-guide.txt. Then, as a clerk does, the bundle is unpacked and
the packer given a list alone (at the tests' low work factor): it must find the program beside
itself and write the new program beside the list. A cross build runs the packer with COMMAND
(Wine, through tests/win32/wine-run.sh; CMake's ;-separated list), which sees the host's folders
as drive Z:. Prints each fault and exits non-zero when there is one."""

import argparse
import os
import pathlib
import shutil
import subprocess
import sys
import zipfile

GUIDE = "使用说明.txt"
UTF8_NAME_FLAG = 0x800


def packed_by_bundle(bundle, args):
    """Faults of the unpacked bundle's packer given a list in another folder, as dropped."""
    folder = args.scratch / "解压"
    shutil.unpack_archive(bundle, folder)
    listed = args.scratch / "成绩 表" / args.list.name
    listed.parent.mkdir()
    shutil.copyfile(args.list, listed)
    emulator = [part for part in args.emulator.split(";") if part]
    drive = "Z:" if emulator else ""
    run = subprocess.run(
        [*emulator, str(folder / "merrowdale-pack.exe"), "--iterations", "64",
         drive + str(listed.resolve())],
        stdin=subprocess.DEVNULL, capture_output=True, timeout=300)
    made = listed.parent / "成绩查询.exe"
    if run.returncode != 0 or not made.is_file():
        return [f"the unpacked packer ended with {run.returncode} and made "
                f"{'it' if made.is_file() else 'no'} {made.name}:\n"
                + (run.stdout + run.stderr).decode("utf-8", "replace")]
    return []


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build", type=pathlib.Path)
    parser.add_argument("scratch", type=pathlib.Path)
    parser.add_argument("--cpack", default="cpack")
    parser.add_argument("--program", type=pathlib.Path, required=True)
    parser.add_argument("--packer", type=pathlib.Path, required=True)
    parser.add_argument("--guide", type=pathlib.Path, required=True)
    parser.add_argument("--list", type=pathlib.Path, required=True)
    parser.add_argument("--emulator", default="")
    args = parser.parse_args()

    shutil.rmtree(args.scratch, ignore_errors=True)
    args.scratch.mkdir(parents=True)
    # CPack's archive writer names files in the locale's encoding: a Chinese name needs UTF-8.
    cpack = subprocess.run(
        [args.cpack, "-G", "ZIP", "-B", str(args.scratch),
         "--config", str(args.build / "CPackConfig.cmake")],
        env=dict(os.environ, LC_ALL="C.UTF-8"), capture_output=True, text=True)
    if cpack.returncode != 0:
        print(cpack.stdout + cpack.stderr)
        print("FAIL: cpack -G ZIP")
        return 1
    zips = sorted(args.scratch.glob("*.zip"))
    if len(zips) != 1:
        print(f"FAIL: expected one .zip in {args.scratch}, found {zips}")
        return 1
    print(f"built {zips[0]}")

    faults = []
    expected = {"merrowdale-results.exe": args.program.read_bytes(),
                "merrowdale-pack.exe": args.packer.read_bytes()}
    with zipfile.ZipFile(zips[0]) as bundle:
        members = {info.filename: info for info in bundle.infolist()}
        if sorted(members) != sorted([*expected, GUIDE]):
            faults.append(f"holds {sorted(members)}, expected {sorted([*expected, GUIDE])}")
        for name, info in members.items():
            if not name.isascii() and not info.flag_bits & UTF8_NAME_FLAG:
                faults.append(f"{name}: the name is not marked as UTF-8")
        for name, content in expected.items():
            if name in members and bundle.read(name) != content:
                faults.append(f"{name} is not the program the build made")
        if GUIDE in members:
            guide = bundle.read(GUIDE)
            if not guide.startswith(b"\xef\xbb\xbf"):
                faults.append(f"{GUIDE} has no UTF-8 byte order mark")
            if guide.count(b"\n") != guide.count(b"\r\n"):
                faults.append(f"{GUIDE} has line ends other than CRLF")
            text = guide.removeprefix(b"\xef\xbb\xbf").replace(b"\r\n", b"\n")
            if text != args.guide.read_bytes():
                faults.append(f"{GUIDE} is not the text of {args.guide}")

    if not faults:
        faults += packed_by_bundle(zips[0], args)
    for fault in faults:
        print(f"FAIL: {zips[0].name}: {fault}")
    print("bundle checks " + ("failed" if faults else "passed"))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
