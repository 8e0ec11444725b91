#!/usr/bin/env python3
"""Build checks of a Windows executable of the program, one group per call:

    check_exe.py imports  EXE --objdump PATH [--allow DLL]  only the allowed system DLLs
    check_exe.py size     EXE                  at most 2 MiB
    check_exe.py version  EXE --wrestool PATH --version V  version resource: V, e.g. 1.00
    check_exe.py icon     EXE --wrestool PATH  48 x 48 at 8 bits and a larger image
    check_exe.py manifest EXE --wrestool PATH  the manifest resource and what it declares

Prints each fault and exits non-zero when there is one."""

import argparse
import re
import struct
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

# The system DLLs the program may use; the C runtime is msvcrt or the UCRT's API sets.
# dwmapi and shcore are looked up at run time, never imported: shcore does not exist on
# Windows 7, and an import of it would keep the program from starting there.
# bcrypt is CNG, for the sealed records' cryptography; Windows has it since Vista.
ALLOWED_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "msvcrt.dll",
                "ucrtbase.dll", "bcrypt.dll"}
MAX_SIZE = 2 * 1024 * 1024
SUPPORTED_OS = {
    "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}": "Windows 7",
    "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}": "Windows 8",
    "{1f676c76-80e1-4239-95bb-83d0f6d0da78}": "Windows 8.1",
    "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}": "Windows 10 and 11",
}

faults = []


def fault(message):
    faults.append(message)


def resource(args, kind, raw=True):
    """The bytes of the executable's resources of one type (wrestool -t), or b"" if none."""
    command = [args.wrestool, "-x", "-t", str(kind), args.exe]
    if raw:
        command.insert(1, "--raw")
    return subprocess.run(command, check=True, capture_output=True).stdout


def check_imports(args):
    dump = subprocess.run([args.objdump, "-p", args.exe], check=True, capture_output=True,
                          text=True).stdout
    dlls = [name.lower() for name in re.findall(r"DLL Name: (\S+)", dump)]
    if "kernel32.dll" not in dlls:
        fault(f"no import table found; objdump listed {dlls}")
    for dll in dlls:
        if dll not in ALLOWED_DLLS | set(args.allow) and not dll.startswith("api-ms-win-crt-"):
            fault(f"imports {dll}, which is not among the system DLLs the program may use")


def check_size(args):
    with open(args.exe, "rb") as file:
        size = len(file.read())
    if size > MAX_SIZE:
        fault(f"{size} bytes, more than {MAX_SIZE}")


def check_version(args):
    data = resource(args, 16)
    # VS_FIXEDFILEINFO follows its signature: file version then product version, each as two
    # DWORDs of two 16-bit parts.
    signature = data.find(struct.pack("<I", 0xFEEF04BD))
    if signature < 0:
        fault("no version resource")
        return
    (_, file_ms, file_ls, product_ms, product_ls) = struct.unpack_from("<5I", data, signature + 4)
    # "1.00" is 1.0.0.0 in the fixed fields.
    parts = [int(part) for part in args.version.split(".")]
    expected = tuple(parts + [0] * (4 - len(parts)))
    for name, ms, ls in (("file", file_ms, file_ls), ("product", product_ms, product_ls)):
        numbers = (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
        if numbers != expected:
            fault(f"fixed {name} version {'.'.join(map(str, numbers))}, "
                  f"expected {'.'.join(map(str, expected))}")
    text = data.decode("utf-16-le", errors="replace")
    for key in ("ProductVersion", "FileVersion"):
        found = re.search(key + r"\x00+([^\x00]*)\x00", text)
        value = found.group(1) if found else None
        if value != args.version:
            fault(f"{key} string {value!r}, expected {args.version!r}")


def check_icon(args):
    data = resource(args, 14, raw=False)
    if len(data) < 6:
        fault("no icon resource")
        return
    (_, kind, count) = struct.unpack_from("<3H", data, 0)
    if kind != 1:
        fault(f"icon file of type {kind}")
    images = []
    for index in range(count):
        (width, height, colours, _, _, bits, _, offset) = struct.unpack_from(
            "<4B2H2I", data, 6 + 16 * index)
        width, height = width or 256, height or 256
        # A PNG image keeps its depth in its own header; a bitmap in its BITMAPINFOHEADER.
        if data[offset:offset + 8] == b"\x89PNG\r\n\x1a\n":
            bits = 8 * {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}[data[offset + 25]]
        else:
            bits = struct.unpack_from("<H", data, offset + 14)[0]
        images.append((width, height, bits, colours))
    if not any(image == (48, 48, 8, 0) for image in images):
        fault(f"no 48 x 48 image with a 256-colour palette; images (w, h, bits, colours): {images}")
    if not any(width > 48 and height > 48 for (width, height, _, _) in images):
        fault(f"no image larger than 48 x 48; images: {images}")


def check_manifest(args):
    data = resource(args, 24)
    if not data:
        fault("no manifest resource")
        return
    namespaces = {
        "asm1": "urn:schemas-microsoft-com:asm.v1",
        "asm3": "urn:schemas-microsoft-com:asm.v3",
        "compat": "urn:schemas-microsoft-com:compatibility.v1",
        "ws2005": "http://schemas.microsoft.com/SMI/2005/WindowsSettings",
        "ws2016": "http://schemas.microsoft.com/SMI/2016/WindowsSettings",
    }
    try:
        root = ElementTree.fromstring(data)
    except ElementTree.ParseError as error:
        fault(f"manifest is not well-formed XML: {error}")
        return

    controls = [identity.attrib for identity in root.iterfind(
        "asm1:dependency/asm1:dependentAssembly/asm1:assemblyIdentity", namespaces)]
    if not any(identity.get("name") == "Microsoft.Windows.Common-Controls"
               and identity.get("version") == "6.0.0.0"
               and identity.get("publicKeyToken") == "6595b64144ccf1df"
               for identity in controls):
        fault(f"no dependency on Common Controls 6.0.0.0; dependencies: {controls}")

    settings = "asm3:application/asm3:windowsSettings/"
    dpi_aware = root.findtext(settings + "ws2005:dpiAware", None, namespaces)
    if (dpi_aware or "").strip().lower() != "true/pm":
        fault(f"dpiAware {dpi_aware!r}, expected 'true/pm'")
    awareness = root.findtext(settings + "ws2016:dpiAwareness", None, namespaces)
    if [item.strip().lower() for item in (awareness or "").split(",")] != ["permonitorv2",
                                                                          "permonitor"]:
        fault(f"dpiAwareness {awareness!r}, expected 'PerMonitorV2,PerMonitor'")

    declared = {os.get("Id", "").lower() for os in root.iterfind(
        "compat:compatibility/compat:application/compat:supportedOS", namespaces)}
    for guid, system in SUPPORTED_OS.items():
        if guid not in declared:
            fault(f"does not declare support for {system}")

    levels = [level.attrib for level in root.iterfind(
        "asm3:trustInfo/asm3:security/asm3:requestedPrivileges/asm3:requestedExecutionLevel",
        namespaces)]
    if [level.get("level") for level in levels] != ["asInvoker"]:
        fault(f"execution level {levels}, expected asInvoker")


def main():
    checks = {"imports": check_imports, "size": check_size, "version": check_version,
              "icon": check_icon, "manifest": check_manifest}
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("check", choices=checks)
    parser.add_argument("exe")
    parser.add_argument("--objdump", default="x86_64-w64-mingw32-objdump")
    parser.add_argument("--wrestool", default="wrestool")
    parser.add_argument("--version", help="the project's version, for the version check")
    parser.add_argument("--allow", action="append", default=[], type=str.lower,
                        help="a further system DLL this executable may import")
    args = parser.parse_args()
    checks[args.check](args)
    for message in faults:
        print(f"{args.exe}: {message}")
    print(f"{args.check}: {'failed' if faults else 'passed'}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
