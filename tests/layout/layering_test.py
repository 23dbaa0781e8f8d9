#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The folders depend one way: each may include only from the folders listed for it, and
the standard-library-only layers include no Qt. Usage: layering_test.py SOURCE_DIR"""
import pathlib
import re
import sys

# Each folder and what it may include from, besides itself and the standard library.
ALLOWED = {
    "common": set(),
    "encoding": {"common"},
    "symbologies": {"encoding", "common"},
    "picture": {"symbologies", "encoding", "common"},
    "flow": {"symbologies", "encoding", "common"},
    "library": {"picture", "flow", "symbologies", "encoding", "common"},
    "console": {"library"},
    "framework": {"common"},
    "encoder_app": {"framework", "picture", "flow", "symbologies", "encoding", "common"},
    "calibration_app": {"framework", "common"},
}
STANDARD_ONLY = {"common", "encoding", "symbologies", "picture", "flow", "library", "console"}
# The page renderer reaches the window system only through its drawing surface.
STANDARD_ONLY_FILES = {"calibration_app/calibration_page.h", "calibration_app/calibration_page.cpp",
                       "calibration_app/drawing_surface.h"}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def main() -> int:
    root = pathlib.Path(sys.argv[1])
    faults = []
    for folder, allowed in ALLOWED.items():
        for path in sorted((root / folder).rglob("*")):
            if path.suffix not in {".h", ".hpp", ".cpp", ".c"}:
                continue
            name = path.relative_to(root).as_posix()
            for kind, target in INCLUDE.findall(path.read_text(encoding="utf-8")):
                top = target.split("/")[0]
                if kind == '"' and "/" in target and top in ALLOWED and top != folder and top not in allowed:
                    faults.append(f"{name} includes {target}: {folder}/ may not depend on {top}/")
                if kind == "<" and target.startswith("Q") and (folder in STANDARD_ONLY or name in STANDARD_ONLY_FILES):
                    faults.append(f"{name} includes <{target}>: no Qt below the front ends")
    for fault in faults:
        print(fault)
    print(f"{0 if faults else 1} passed, {1 if faults else 0} failed")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
