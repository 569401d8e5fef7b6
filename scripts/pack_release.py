#!/usr/bin/env python3
"""One release zip: the folder tavrix/ with tavrix.exe, readme.txt and LICENSE.txt.

The same inputs give the same bytes: entries in sorted order, each with the given time
(UTC), MS-DOS attributes and no extra fields. readme.txt is the template with its
version filled in, as UTF-8 with a byte-order mark and CR LF line ends, which every
Notepad reads right on any code page; LICENSE.txt has CR LF line ends too.
"""
import argparse
import re
import time
import zipfile

FOLDER = "tavrix/"
DOS_DIRECTORY, DOS_ARCHIVE = 0x10, 0x20


def windows_text(text):
    return text.replace("\r\n", "\n").replace("\n", "\r\n")


def readme(template, version):
    text = template.replace("@VERSION@", version)
    left = re.findall(r"@[A-Z_]+@", text)
    if left:
        raise SystemExit(f"readme template: nothing fills in {', '.join(sorted(set(left)))}")
    return b"\xef\xbb\xbf" + windows_text(text).encode("utf-8")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    for option in ("--version", "--time", "--exe", "--readme", "--license", "--out"):
        parser.add_argument(option, required=True)
    args = parser.parse_args()

    with open(args.readme, encoding="utf-8") as f:
        readme_bytes = readme(f.read(), args.version)
    with open(args.license, encoding="ascii") as f:
        license_bytes = windows_text(f.read()).encode("ascii")
    with open(args.exe, "rb") as f:
        exe_bytes = f.read()
    files = {
        FOLDER: None,
        FOLDER + "LICENSE.txt": license_bytes,
        FOLDER + "readme.txt": readme_bytes,
        FOLDER + "tavrix.exe": exe_bytes,
    }
    stamp = time.gmtime(int(args.time))[:6]
    with zipfile.ZipFile(args.out, "w") as archive:
        for name in sorted(files):
            info = zipfile.ZipInfo(name, date_time=stamp)
            info.create_system = 0  # MS-DOS: no Unix owner or mode in the entry
            data = files[name]
            if data is None:
                info.external_attr = DOS_DIRECTORY
                archive.writestr(info, b"")
            else:
                info.external_attr = DOS_ARCHIVE
                info.compress_type = zipfile.ZIP_DEFLATED
                archive.writestr(info, data, compresslevel=9)


if __name__ == "__main__":
    main()
