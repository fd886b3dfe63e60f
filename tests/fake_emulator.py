#!/usr/bin/env python3
"""A stand-in for an emulator in tests: records its arguments and working
folder as JSON in the file named by FAKE_EMULATOR_RECORD, then stays for
FAKE_EMULATOR_SECONDS (default 0) seconds."""
import json
import os
import sys
import time

record = os.environ.get("FAKE_EMULATOR_RECORD")
if record:
    with open(record, "w") as f:
        json.dump({"argv": sys.argv[1:], "cwd": os.getcwd()}, f)
time.sleep(float(os.environ.get("FAKE_EMULATOR_SECONDS", "0")))
