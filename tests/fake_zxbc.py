#!/usr/bin/env python3
"""A stand-in for the ZX Basic compiler in tests: it takes the same command
line, answers --version, prints its messages to standard error in the
compiler's formats and writes the output file only on success.

Driven by the source and the environment:
  ' fake-stderr: TEXT   a line for standard error; {file} is the source as given
  ' fake-stdout: TEXT   a line for standard output
  ' fake-exit: N        the exit code (also FAKE_ZXBC_EXIT)
  ' fake-size: N        bytes of the output file (default 64)
  FAKE_ZXBC_RECORD      file that receives the arguments, working folder and pid as JSON
  FAKE_ZXBC_STDERR      further standard-error lines, separated by newlines
  FAKE_ZXBC_DELAY       seconds to wait before compiling, like a long build
  FAKE_ZXBC_MODE        "hang": never exit; "flood": first print FAKE_ZXBC_FLOOD_MB
                        (default 4) megabytes to each stream
"""
import json
import os
import sys
import time

VERSION = "zxbc.py 1.17.2"
FLAGS = {"-A", "-d", "--sinclair", "--enable-break", "--debug-memory", "--debug-array",
         "--strict-bool", "--explicit", "--emit-backend"}
VALUED = {"--heap-size", "--array-base", "--string-base"}
USAGE = "usage: zxbc.py [-h] [-d] [-O OPTIMIZE] [-o OUTPUT_FILE] [-T] [-t] [-A] [-S ORG] PROGRAM"


def fail(message, code=2):
    sys.stderr.write(USAGE + "\n")
    sys.stderr.write("zxbc.py: error: " + message + "\n")
    sys.exit(code)


def parse(argv):
    opts = {"flags": set(), "values": {}, "source": None, "output": None, "org": None, "opt": None}
    i = 0
    while i < len(argv):
        a = argv[i]
        if a in ("-S", "-o", "-O"):
            if i + 1 >= len(argv):
                fail("argument %s: expected one argument" % a)
            opts[{"-S": "org", "-o": "output", "-O": "opt"}[a]] = argv[i + 1]
            i += 2
            continue
        if a in FLAGS:
            opts["flags"].add(a)
        elif "=" in a and a.split("=", 1)[0] in VALUED:
            opts["values"][a.split("=", 1)[0]] = a.split("=", 1)[1]
        elif a.startswith("-"):
            fail("unrecognized arguments: " + a)
        elif opts["source"] is None:
            opts["source"] = a
        else:
            fail("unrecognized arguments: " + a)
        i += 1
    return opts


def directives(text):
    found = {"stderr": [], "stdout": [], "exit": None, "size": None}
    for line in text.splitlines():
        body = line.strip()
        for lead in ("'", "REM", "rem"):
            if body.startswith(lead):
                body = body[len(lead):].strip()
                break
        else:
            continue
        for key in found:
            tag = "fake-%s:" % key
            if body.startswith(tag):
                value = body[len(tag):].strip()
                if isinstance(found[key], list):
                    found[key].append(value)
                else:
                    found[key] = int(value)
    return found


def flood():
    megabytes = int(os.environ.get("FAKE_ZXBC_FLOOD_MB", "4"))
    line = ("x" * 99 + "\n").encode()
    for _ in range(megabytes * 10486):
        sys.stdout.buffer.write(line)
        sys.stderr.buffer.write(line)
    sys.stdout.flush()
    sys.stderr.flush()


def main():
    argv = sys.argv[1:]
    record = os.environ.get("FAKE_ZXBC_RECORD")
    if record:
        with open(record, "w") as f:
            json.dump({"argv": argv, "cwd": os.getcwd(), "pid": os.getpid()}, f)
    if argv == ["--version"]:
        print(VERSION)
        return 0
    time.sleep(float(os.environ.get("FAKE_ZXBC_DELAY", "0")))
    mode = os.environ.get("FAKE_ZXBC_MODE", "")
    if mode == "hang":
        sys.stderr.write("compiling forever\n")
        sys.stderr.flush()
        while True:
            time.sleep(3600)
    opts = parse(argv)
    if opts["source"] is None:
        fail("the following arguments are required: PROGRAM")
    if "-A" in opts["flags"]:
        sys.stderr.write("WARNING: deprecated flag --asm (use -f asm or --output-format=asm instead)\n")
    try:
        with open(opts["source"], "rb") as f:
            text = f.read().decode("latin-1")
    except OSError:
        fail("No such file or directory: '%s'" % opts["source"])
    if mode == "flood":
        flood()
    d = directives(text)
    for line in d["stdout"]:
        sys.stdout.write(line.replace("{file}", opts["source"]) + "\n")
    extra = os.environ.get("FAKE_ZXBC_STDERR", "")
    for line in d["stderr"] + ([l for l in extra.split("\n") if l] if extra else []):
        sys.stderr.write(line.replace("{file}", opts["source"]) + "\n")
    code = d["exit"] if d["exit"] is not None else int(os.environ.get("FAKE_ZXBC_EXIT", "0"))
    if code == 0 and opts["output"]:
        size = d["size"] if d["size"] is not None else 64
        with open(opts["output"], "wb") as f:
            if "-A" in opts["flags"]:
                f.write(b"; fake assembler output\n")
            else:
                f.write(bytes((i * 7 + 3) & 0xFF for i in range(size)))
    return code


if __name__ == "__main__":
    sys.exit(main())
