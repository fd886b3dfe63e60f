#!/usr/bin/env python3
"""A stand-in for the MegaLZ, ApLib and Exomizer packers in tests.

It takes their command lines: IN OUT; -d IN OUT (unpack); raw IN [-b] -o OUT.
Packing writes the first half of the input (at least one byte), unpacking
the input twice over.
  FAKE_PACKER_RECORD   file that receives the arguments, the working folder
                       and the files in it, as JSON
  FAKE_PACKER_MODE     "fail": exit 3 with a message; "empty": exit 0 writing
                       nothing; "hang": never exit
"""
import json
import os
import sys
import time


def main(args):
    record = os.environ.get("FAKE_PACKER_RECORD")
    if record:
        with open(record, "w") as f:
            json.dump({"args": args, "cwd": os.getcwd(), "files": sorted(os.listdir("."))}, f)
    mode = os.environ.get("FAKE_PACKER_MODE", "")
    if mode == "hang":
        while True:
            time.sleep(1)
    if mode == "fail":
        sys.stderr.write("cannot pack this\n")
        return 3
    if mode == "empty":
        return 0
    unpack = args[0] == "-d"
    if args[0] == "raw":
        source, target = args[1], args[args.index("-o") + 1]
    else:
        source, target = args[-2], args[-1]
    with open(source, "rb") as f:
        data = f.read()
    out = data + data if unpack else data[: max(1, len(data) // 2)]
    with open(target, "wb") as f:
        f.write(out)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
