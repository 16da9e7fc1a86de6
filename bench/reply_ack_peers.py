#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Memory of the real program after callers that offer reply-acks: VmRSS once 10^3 distinct
callers have sent "hi{1}" (with the closing brace) over the stdio link, and once 10^6 have, for
each binary given, in the same run.

Usage: bench/reply_ack_peers.py LABEL=BREVIO...
"""
import os, subprocess, sys, time

from station_run import command, rss_kb, station_copy


def measure(brevio):
    with station_copy() as (tmp, station, env):
        sent = os.path.join(tmp, "sent")
        with open(sent, "wb") as out:
            proc = subprocess.Popen(command(brevio, "stdio", station), stdin=subprocess.PIPE,
                                    stdout=out, stderr=subprocess.DEVNULL, env=env)
        rss = []
        done = 0
        for total in (1000, 1000000):
            for start in range(done, total, 10000):
                proc.stdin.write(b"".join(b"A%d>APRS::N0CALL-10:hi{1}\n" % n
                                          for n in range(start, min(total, start + 10000))))
            done = total
            marker = b"END%d" % len(rss)
            proc.stdin.write(marker + b">APRS::N0CALL-10:bye{1\n")
            proc.stdin.flush()
            while True:
                with open(sent, "rb") as f:
                    f.seek(max(0, os.path.getsize(sent) - 200))
                    if b":%-9s:ack1" % marker in f.read():
                        break
                time.sleep(0.2)
            rss.append(rss_kb(proc.pid))
        proc.stdin.close()
        proc.wait()
        return rss


for labelled in sys.argv[1:]:
    label, brevio = labelled.split("=", 1)
    small, large = measure(brevio)
    print(f"{label}: VmRSS {small / 1024:.1f} MiB after 10^3 reply-ack callers, "
          f"{large / 1024:.1f} MiB after 10^6 ({(large - small) / 1024:+.1f})")
