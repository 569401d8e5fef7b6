#!/usr/bin/env python3
"""The manifest embedded in a built program (resource type 24, id 1) asks to run as its
invoker and names every Windows from Vista to 10 and 11."""
import struct
import sys
import xml.etree.ElementTree as ET

image = open(sys.argv[1], "rb").read()
pe = struct.unpack_from("<I", image, 0x3C)[0]
count, optional = struct.unpack_from("<H12xH", image, pe + 6)
plus = struct.unpack_from("<H", image, pe + 24)[0] == 0x20B
rsrc = struct.unpack_from("<I", image, pe + 24 + (128 if plus else 112))[0]
sections = [struct.unpack_from("<8xIIII", image, pe + 24 + optional + 40 * i) for i in range(count)]


def at(rva):  # file offset of an address
    return next(rva - va + raw for size, va, raw_size, raw in sections
                if va <= rva < va + max(size, raw_size))


def entry(directory, wanted=None):  # a resource directory's entry by id, or its first
    named, ids = struct.unpack_from("<HH", image, at(rsrc + directory) + 12)
    entries = [struct.unpack_from("<II", image, at(rsrc + directory) + 16 + 8 * i)
               for i in range(named + ids)]
    return next(target & 0x7FFFFFFF for name, target in entries if wanted in (None, name))


address, size = struct.unpack_from("<II", image, at(rsrc + entry(entry(entry(0, 24), 1))))
root = ET.fromstring(image[at(address):at(address) + size])
levels = [(e.get("level"), e.get("uiAccess"))
          for e in root.iter("{urn:schemas-microsoft-com:asm.v3}requestedExecutionLevel")]
systems = {e.get("Id") for e in root.iter("{urn:schemas-microsoft-com:compatibility.v1}supportedOS")}
expected = {"{e2011457-1546-43c5-a5fe-008deee3d3f0}", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
            "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
            "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}  # Vista, 7, 8, 8.1, 10 and 11
if levels != [("asInvoker", "false")] or systems != expected:
    sys.exit(f"{sys.argv[1]}: execution levels {levels}, supported systems {sorted(systems)}")
