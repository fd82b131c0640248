#!/usr/bin/env python3
"""Fails when a source file includes a header from a layer above its own.

The layers, top to bottom, and what each may include besides itself:
    editor  -> import, publish, render, kinds, ui, kernel, host, image, drawing, text
    import  -> publish, render, kinds, kernel, host, image, drawing, text
    publish -> render, kinds, kernel, host, image, drawing, text
    render  -> kinds, kernel, drawing, text
    kinds   -> drawing, text
    ui      -> kernel, host, text
    kernel  -> host, image, text
    host    -> image, text
    image   -> text
    drawing -> text
    text    -> (nothing)
The executables in app/ may include anything. Qt is included only in
src/host/qt/ (and the window's own tests).
"""
import pathlib
import re
import sys

ALLOWED = {
    "editor": {"import", "publish", "render", "kinds", "ui", "kernel", "host", "image", "drawing", "text"},
    "import": {"publish", "render", "kinds", "kernel", "host", "image", "drawing", "text"},
    "publish": {"render", "kinds", "kernel", "host", "image", "drawing", "text"},
    "render": {"kinds", "kernel", "drawing", "text"},
    "kinds": {"drawing", "text"},
    "ui": {"kernel", "host", "text"},
    "kernel": {"host", "image", "text"},
    "host": {"image", "text"},
    "image": {"text"},
    "drawing": {"text"},
    "text": set(),
}
PROJECT_INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
QT_INCLUDE = re.compile(r"^\s*#\s*include\s+<Q")


def problems(root: pathlib.Path):
    for path in sorted((root / "src").rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        relative = path.relative_to(root / "src")
        layer = relative.parts[0]
        if layer not in ALLOWED:
            yield f"src/{relative}: src/{layer}/ is not a layer"
            continue
        in_qt = relative.parts[:2] == ("host", "qt")
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            where = f"src/{relative}:{number}"
            if QT_INCLUDE.match(line) and not in_qt:
                yield f"{where}: Qt is included only in src/host/qt/"
            match = PROJECT_INCLUDE.match(line)
            if not match:
                continue
            target = pathlib.PurePosixPath(match.group(1)).parts
            if len(target) < 2:
                continue  # a header beside the file
            if target[0] != layer and target[0] not in ALLOWED[layer]:
                yield f"{where}: {layer} may not include {match.group(1)}"
            if layer == "host" and not in_qt and target[:2] == ("host", "qt"):
                yield f"{where}: the portable host may not include the Qt window"


def main() -> int:
    root = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent
    found = list(problems(root))
    for problem in found:
        print(problem)
    if found:
        print(f"{len(found)} include(s) against the layer order")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
