#!/usr/bin/env python3
"""The portable zip and the MSI package each hold a complete Windows program.

Every DLL that numora.exe and each shipped DLL or plugin imports is either shipped in the folder or
a DLL that Windows itself provides; the platform, style and JPEG plugins are in the folders Qt
looks in beside the program; the notices of what the folder carries are in licenses/; numora.exe
is a 64-bit GUI program that carries its icon, its version information and its application
manifest (supported Windows versions, per-monitor DPI awareness, common controls 6). The zip alone
carries numora.ini beside numora.exe, for its copy to keep its settings there.

    check_folder.py PACKAGE.zip|PACKAGE.msi OBJDUMP
"""
import re
import subprocess
import sys
import tempfile
import zipfile
from pathlib import Path

# DLLs that come with every Windows 10 and 11 installation.
WINDOWS_DLLS = {
    "advapi32.dll", "authz.dll", "comctl32.dll", "comdlg32.dll", "d3d11.dll", "d3d9.dll",
    "dwmapi.dll", "dwrite.dll", "dxgi.dll", "gdi32.dll", "imm32.dll", "kernel32.dll", "mpr.dll",
    "msvcrt.dll", "netapi32.dll", "ole32.dll", "oleaut32.dll", "setupapi.dll", "shell32.dll",
    "shlwapi.dll", "user32.dll", "userenv.dll", "uxtheme.dll", "version.dll", "winmm.dll",
    "ws2_32.dll", "wtsapi32.dll", "crypt32.dll", "bcrypt.dll", "ntdll.dll", "shcore.dll",
    "d2d1.dll", "opengl32.dll", "secur32.dll", "iphlpapi.dll", "dnsapi.dll", "rpcrt4.dll",
    "winspool.drv",
}

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def main():
    package, objdump = Path(sys.argv[1]), sys.argv[2]
    version = package.stem.split("-")[1]
    with tempfile.TemporaryDirectory() as temp:
        if package.suffix == ".msi":
            # The MSI installs its files into Program Files\Numora.
            subprocess.run(["msiextract", "-C", temp, str(package)], capture_output=True,
                           check=True)
            expected = "Numora"
        else:
            with zipfile.ZipFile(package) as archive:
                archive.extractall(temp)
            expected = package.stem
        tops = list(Path(temp).iterdir())
        check(len(tops) == 1 and tops[0].name == expected,
              f"{package.name} should hold one folder {expected}, holds {[t.name for t in tops]}")
        folder = tops[0]
        binaries = sorted(p for p in folder.rglob("*") if p.suffix.lower() in (".exe", ".dll"))
        shipped = {p.name.lower() for p in binaries}
        relative = {str(p.relative_to(folder)).replace("\\", "/").lower() for p in binaries}

        for needed in ("numora.exe", "qt6core.dll", "qt6gui.dll", "qt6widgets.dll",
                       "qt6printsupport.dll",
                       "libstdc++-6.dll", "libgcc_s_seh-1.dll", "libwinpthread-1.dll",
                       "platforms/qwindows.dll", "styles/qwindowsvistastyle.dll",
                       "imageformats/qjpeg.dll"):
            check(needed in relative, f"{needed} is not in the folder")
        notices = {p.name for p in (folder / "licenses").glob("*.txt")}
        for needed in ("Numora-LICENSE.txt", "Qt-LGPL-3.txt", "Qt-copyright.txt",
                       "MinGW-GCC-runtime-copyright.txt", "MinGW-w64-winpthreads-copyright.txt"):
            check(needed in notices, f"licenses/{needed} is not in the folder")
        portable = (folder / "numora.ini").is_file()
        check(portable == (package.suffix == ".zip"),
              f"{package.name} {'carries' if portable else 'does not carry'} numora.ini")
        licence = folder / "licenses" / "Numora-LICENSE.txt"
        check(licence.exists() and "GNU GENERAL PUBLIC LICENSE" in licence.read_text()[:200],
              "Numora-LICENSE.txt is not the GNU GPL")

        for binary in binaries:
            dump = subprocess.run([objdump, "-p", str(binary)], capture_output=True, text=True,
                                  check=True).stdout
            check("file format pei-x86-64" in dump, f"{binary.name} is not a 64-bit Windows binary")
            for name in re.findall(r"DLL Name: (\S+)", dump):
                lower = name.lower()
                if lower in shipped or lower in WINDOWS_DLLS or lower.startswith("api-ms-win-"):
                    continue
                failures.append(f"{binary.relative_to(folder)} imports {name}, which is neither "
                                f"shipped nor part of Windows")
            if binary.name == "numora.exe":
                check(re.search(r"Subsystem\s+0+2\s+\(Windows GUI\)", dump) is not None,
                      "numora.exe is not a Windows GUI program")
                # The resource types at the top of the resource directory: 0xe is an icon group
                # (the program's icon in Explorer and the Start menu), 0x10 the version, 0x18 the
                # application manifest.
                resources = dump.partition("Resource Directory section:")[2]
                top = set(re.findall(r"^0[0-9a-f]{2}   Entry: ID: 0x0*([0-9a-f]+),", resources,
                                     re.MULTILINE))
                check("e" in top, "numora.exe carries no icon")
                check("10" in top, "numora.exe carries no version resource")
                check("18" in top, "numora.exe carries no application manifest")

        program = (folder / "numora.exe").read_bytes() if (folder / "numora.exe").exists() else b""
        for needed in (b"PerMonitorV2", b"Microsoft.Windows.Common-Controls",
                       b"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"):
            check(needed in program, f"numora.exe's manifest does not say {needed.decode()}")
        for key, value in (("ProductName", "Numora"), ("CompanyName", "Numora developers"),
                           ("ProductVersion", version)):
            entry = (key + "\0").encode("utf-16-le")
            check(entry in program and (value + "\0").encode("utf-16-le") in program,
                  f"numora.exe has no version entry {key} = {value}")

    for failure in failures:
        print("FAIL:", failure)
    print(f"{len(binaries)} binaries checked, {len(failures)} problems")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
