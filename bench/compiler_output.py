#!/usr/bin/env python3
"""Peak memory and time of "quillo --build" against compilers that flood
their output: short lines, empty lines, one endless line without a line end.
Each case runs at 1x, 2x, 4x and 8x its base size so growth shows.

    bench/compiler_output.py [BUILD_DIR]
"""
import os
import subprocess
import sys
import tempfile
import time

build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
quillo = os.path.join(build, "quillo")

CASES = [
    # name, shell command printing the flood for a size factor n
    ("short lines on stdout, MB", 50, "yes 'temp.bas:1: warning: a short line' | head -c {size}000000"),
    ("empty lines on stderr, M lines", 10, "yes '' | head -n {size}000000 >&2"),
    ("one line without end, MiB", 128, "head -c {size}m /dev/zero"),
]


def run(work, command):
    compiler = os.path.join(work, "flood.sh")
    with open(compiler, "w") as f:
        f.write("#!/bin/sh\n%s\nexit 0\n" % command)
    os.chmod(compiler, 0o755)
    home = os.path.join(work, "home")
    os.makedirs(os.path.join(home, "Quillo_Files"), exist_ok=True)
    os.makedirs(os.path.join(home, "Quillo_Help"), exist_ok=True)
    with open(os.path.join(home, "Quillo_Files", "quillo.ini"), "wb") as f:
        f.write(b"[Editor]\r\nCompilerZXB = %s\r\n" % compiler.encode())
    source = os.path.join(work, "game.bas")
    with open(source, "w") as f:
        f.write("10 PRINT 1\n")
    env = dict(os.environ, QUILLO_HOME=home)
    env.pop("DISPLAY", None)
    start = time.monotonic()
    with open(os.devnull, "wb") as null:
        p = subprocess.Popen([quillo, "--build", source], env=env, stdout=null, stderr=null)
        _, _, usage = os.wait4(p.pid, 0)
    return time.monotonic() - start, usage.ru_maxrss / 1024.0


def main():
    print("| Output | Size | Time | Peak resident memory |")
    print("|---|---|---|---|")
    for name, base, command in CASES:
        for factor in (1, 2, 4, 8):
            size = base * factor
            with tempfile.TemporaryDirectory() as work:
                seconds, mib = run(work, command.format(size=size))
            print("| %s | %d | %.2f s | %.1f MiB |" % (name, size, seconds, mib), flush=True)


if __name__ == "__main__":
    main()
