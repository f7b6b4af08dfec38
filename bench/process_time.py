#!/usr/bin/env python3
"""The process time (user and system) of a whole command, averaged over runs:

    process_time.py RUNS COMMAND [ARGUMENT...] [< INPUT]

Standard input, if any, is given to every run; the output goes nowhere.
"""
import resource
import subprocess
import sys

runs = int(sys.argv[1])
command = sys.argv[2:]
stdin = sys.stdin.buffer.read() if not sys.stdin.isatty() else b""
before = resource.getrusage(resource.RUSAGE_CHILDREN)
for _ in range(runs):
    subprocess.run(command, input=stdin, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
after = resource.getrusage(resource.RUSAGE_CHILDREN)
seconds = (after.ru_utime - before.ru_utime + after.ru_stime - before.ru_stime) / runs
print(f"{seconds * 1000:.1f} ms of process time")
