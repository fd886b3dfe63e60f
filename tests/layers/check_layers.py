#!/usr/bin/env python3
"""Fails when a source file includes a header of a layer above its own.

The layers, lowest first:
  common            helpers with no knowledge of the program
  app model         documents, settings, project files, commands, menus
  subsystem cores   editor, pipeline, fonteditor, gfxeditor (plain C++)
  app workflows     what spans subsystems: source bundles, application state
  windows           every ui/ folder; common/ui holds only generic Qt helpers
A subsystem's windows never include the main window's folder (app/ui); the
main window is the one place that puts the subsystems together.
"""
import re
import sys
from pathlib import Path

APP_WORKFLOWS = {"app/source_bundle", "app/app_state"}
CORES = {"editor", "pipeline", "fonteditor", "gfxeditor"}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def layer(path: str) -> tuple[int, str]:
    """Rank and name of the layer a path under src/ belongs to."""
    parts = path.split("/")
    stem = path.rsplit(".", 1)[0]
    if parts[0] == "common":
        return (5, "common/ui") if len(parts) > 2 and parts[1] == "ui" else (0, "common")
    if len(parts) > 2 and parts[1] == "ui":
        return (6, parts[0] + "/ui")
    if parts[0] == "app":
        return (3, "app workflows") if stem in APP_WORKFLOWS else (1, "app model")
    if parts[0] in CORES:
        return (2, parts[0])
    return (7, "program")


def allowed(source: str, header: str) -> bool:
    (s_rank, s_name), (h_rank, h_name) = layer(source), layer(header)
    if s_name == "common/ui":
        return h_name in ("common", "common/ui")
    if s_rank == 6 and s_name != "app/ui" and h_name == "app/ui":
        return False
    if s_rank == 6 or s_rank == 7:
        return True
    return h_rank <= s_rank and h_rank != 5 and h_rank != 6


# Edges the rules must refuse, so a change to them cannot quietly allow everything.
KNOWN_FAULTS = [
    ("common/text.cpp", "app/document.h"),
    ("common/ui/message_box.cpp", "app/settings.h"),
    ("app/project_file.cpp", "editor/routine_scan.h"),
    ("app/document.cpp", "app/source_bundle.h"),
    ("pipeline/tape_writer.cpp", "pipeline/ui/build_pipeline.h"),
    ("pipeline/bmi_file.cpp", "common/ui/qt_text.h"),
    ("pipeline/ui/build_pipeline.cpp", "app/ui/main_window.h"),
]


def main(src: Path) -> int:
    for source, header in KNOWN_FAULTS:
        assert not allowed(source, header), f"{source} -> {header} should be refused"
    faults = []
    files = sorted(p for p in src.rglob("*") if p.suffix in (".h", ".cpp"))
    for file in files:
        source = file.relative_to(src).as_posix()
        for header in INCLUDE.findall(file.read_text(encoding="utf-8", errors="replace")):
            if (src / header).exists() and not allowed(source, header):
                faults.append(f"{source} includes {header} ({layer(source)[1]} -> {layer(header)[1]})")
    for fault in faults:
        print(fault)
    print(f"{len(files)} files, {len(faults)} includes against the layers")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parents[2] / "src")))
