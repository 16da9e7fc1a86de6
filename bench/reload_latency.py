#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reload latency of the real program: the time from a new brv.txt written in place to the
status line "File BRV.TXT has changed", for each binary given, rounds interleaved.

Usage: bench/reload_latency.py ROUNDS LABEL=BREVIO...
"""
import os, subprocess, sys, time, statistics, fcntl

from station_run import command, station_copy


def measure(brevio):
    with station_copy() as (_, station, env):
        p = subprocess.Popen(command(brevio, "stdio", station), stdin=subprocess.PIPE,
                             stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, env=env)
        fcntl.fcntl(p.stderr, fcntl.F_SETFL, os.O_NONBLOCK)
        seen = b""
        def wait_for(text, limit=10.0):
            nonlocal seen
            end = time.monotonic() + limit
            while time.monotonic() < end:
                chunk = p.stderr.read() or b""
                seen += chunk
                if text in seen:
                    return time.monotonic()
                time.sleep(0.0005)
            return None
        wait_for(b"loading BRV object definitions")
        time.sleep(0.5)
        with open(os.path.join(station, "brv.txt"), "ab") as f:
            f.write(b"?NEW\r\n>A new topic\r\n")
        written = time.monotonic()
        reloaded = wait_for(b"File BRV.TXT has changed")
        p.terminate()
        p.wait()
        return None if reloaded is None else (reloaded - written) * 1000

def main():
    rounds = int(sys.argv[1])
    binaries = [arg.split("=", 1) for arg in sys.argv[2:]]
    results = {label: [] for label, _ in binaries}
    for _ in range(rounds):
        for label, path in binaries:
            ms = measure(path)
            if ms is not None:
                results[label].append(ms)
    for label, values in results.items():
        print(f"{label}: {len(values)} reloads, median {statistics.median(values):.1f} ms, "
              f"max {max(values):.1f} ms")

main()
