#!/usr/bin/python3
"""The game's Windows resources as Windows reads them: the manifest (DPI awareness, code page,
long paths, supported systems), the icon's sizes and the version information.
Usage: pe_resources.py EXE VERSION; exit 1 with every fault found."""
import re
import sys

import pefile

SUPPORTED_OS = {
    "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  # 7
    "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  # 8
    "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  # 8.1
    "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  # 10 and 11
}
ICON_SIZES = [16, 20, 24, 32, 40, 48, 64, 256]


def resources(pe, kind):
    """The data of every resource of a type, in the order the file holds them."""
    found = []
    for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if entry.id != kind:
            continue
        for name in entry.directory.entries:
            for language in name.directory.entries:
                data = language.data.struct
                found.append(pe.get_data(data.OffsetToData, data.Size))
    return found


def manifest_faults(pe):
    manifests = resources(pe, pefile.RESOURCE_TYPE["RT_MANIFEST"])
    if len(manifests) != 1:
        return [f"expected one manifest, found {len(manifests)}"]
    text = manifests[0].decode("utf-8")
    faults = []
    awareness = re.search(r"<dpiAwareness[^>]*>([^<]*)<", text)
    if not awareness or [v.strip() for v in awareness.group(1).split(",")] != [
            "PerMonitorV2", "PerMonitor"]:
        faults.append("dpiAwareness should be 'PerMonitorV2, PerMonitor'")
    if not re.search(r"<dpiAware[^>]*>true/pm<", text):
        faults.append("dpiAware should be true/pm for systems before Windows 10 1607")
    if not re.search(r"<activeCodePage[^>]*>UTF-8<", text):
        faults.append("activeCodePage should be UTF-8")
    if not re.search(r"<longPathAware[^>]*>true<", text):
        faults.append("longPathAware should be true")
    systems = set(re.findall(r'<supportedOS Id="([^"]+)"', text))
    if systems != SUPPORTED_OS:
        faults.append(f"supportedOS should name Windows 7 to 11, names {sorted(systems)}")
    return faults


def icon_faults(pe):
    groups = resources(pe, pefile.RESOURCE_TYPE["RT_GROUP_ICON"])
    if not groups:
        return ["no icon"]
    group = groups[0]  # the first icon is the one Explorer shows
    count = int.from_bytes(group[4:6], "little")
    # GRPICONDIRENTRY: 14 bytes each after the 6-byte header; 0 means 256.
    sizes = sorted((group[6 + 14 * i] or 256) for i in range(count))
    return [] if sizes == ICON_SIZES else [f"icon sizes {sizes}, expected {ICON_SIZES}"]


def version_faults(pe, version):
    strings = {}
    for info in getattr(pe, "FileInfo", []):
        for block in info:
            for table in getattr(block, "StringTable", []):
                strings.update({k.decode(): v.decode() for k, v in table.entries.items()})
    expected = {"FileVersion": version, "ProductVersion": version, "FileDescription": "Brunival",
                "ProductName": "Brunival"}
    faults = [f"{key} is {strings.get(key)!r}, expected {value!r}"
              for key, value in expected.items() if strings.get(key) != value]
    faults += [f"{key} is missing" for key in ("CompanyName", "LegalCopyright")
               if not strings.get(key)]
    fixed = pe.VS_FIXEDFILEINFO[0]
    numbers = [fixed.FileVersionMS >> 16, fixed.FileVersionMS & 0xFFFF,
               fixed.FileVersionLS >> 16]
    if numbers != [int(part) for part in version.split(".")]:
        faults.append(f"the fixed file version is {numbers}, expected {version}")
    return faults


def main():
    exe, version = sys.argv[1], sys.argv[2]
    pe = pefile.PE(exe)
    faults = manifest_faults(pe) + icon_faults(pe) + version_faults(pe, version)
    for fault in faults:
        print(f"FAIL: {exe}: {fault}")
    if not faults:
        print(f"{exe}: manifest, icon sizes and version {version} as expected")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
