#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A flood over APRS-IS against the real program: a loopback APRS-IS server of our own logs the
station in, pours out position reports at a steady rate for a while, then sends one query to
the station. For each binary given, one after the other in the same run: the flood's real rate,
VmRSS before, at its peak and after, the time from the query sent to its answer, and the
station's own summary line. Standard error goes to a pipe read as a service's journal reads it.

Usage: bench/aprsis_flood.py [--rate LINES_A_SECOND] [--seconds S] LABEL=BREVIO...
"""
import argparse, os, re, signal, socket, subprocess, threading, time

from station_run import command, rss_kb, station_copy

QUERY = b"BENCH>APRS,TCPIP*,qAC,T2TEST::N0CALL-10:?WX{1\r\n"


def flood_lines(count, start):
    return b"".join(b"P%d>APRS,TCPIP*,qAC,T2TEST:!4903.50N/07201.75W-Flood %d\r\n"
                    % ((start + n) % 20000, start + n) for n in range(count))


def measure(brevio, rate, seconds):
    listener = socket.socket()
    listener.bind(("127.0.0.1", 0))
    listener.listen(1)
    port = listener.getsockname()[1]
    with station_copy() as (_, station, env):
        proc = subprocess.Popen(command(brevio, f"aprsis://127.0.0.1:{port}", station),
                                stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, env=env)
        # Standard error is read as a service's journal reads it; its tail is kept.
        tail = bytearray()

        def drain():
            for chunk in iter(lambda: proc.stderr.read1(65536), b""):
                tail.extend(chunk)
                del tail[:-4096]

        threading.Thread(target=drain, daemon=True).start()
        peer, _ = listener.accept()
        peer.recv(4096)  # the login
        peer.sendall(b"# logresp N0CALL-10 verified, server BENCH\r\n")
        answered = threading.Event()
        received = bytearray()

        def read():
            while not answered.is_set():
                chunk = peer.recv(65536)
                if not chunk:
                    return
                received.extend(chunk)
                if b":BENCH    :" in received and b"{" in received.split(b":BENCH    :", 1)[1]:
                    answered.set()

        threading.Thread(target=read, daemon=True).start()
        time.sleep(1.5)
        before = rss_kb(proc.pid)
        peak = before
        per_tick = rate // 100
        sent = 0
        start = time.monotonic()
        for tick in range(seconds * 100):
            peer.sendall(flood_lines(per_tick, sent))
            sent += per_tick
            peak = max(peak, rss_kb(proc.pid))
            pause = start + (tick + 1) / 100 - time.monotonic()
            if pause > 0:
                time.sleep(pause)
        flood_s = time.monotonic() - start
        peer.sendall(QUERY)
        asked = time.monotonic()
        while not answered.wait(0.05):
            peak = max(peak, rss_kb(proc.pid))
            if time.monotonic() - asked > 120:
                break
        latency = time.monotonic() - asked if answered.is_set() else None
        time.sleep(2)
        after = rss_kb(proc.pid)
        proc.send_signal(signal.SIGUSR2)
        time.sleep(0.5)
        summary = re.findall(rb"frames heard: .*", bytes(tail))
        proc.terminate()
        proc.wait()
        peer.close()
        listener.close()
        return sent / flood_s, flood_s, before, peak, after, latency, summary[-1].decode()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--rate", type=int, default=60000)
    parser.add_argument("--seconds", type=int, default=10)
    parser.add_argument("programs", nargs="+")
    args = parser.parse_args()
    print(f"load average before: {os.getloadavg()[0]:.2f}")
    for labelled in args.programs:
        label, brevio = labelled.split("=", 1)
        rate, flood_s, before, peak, after, latency, summary = measure(brevio, args.rate,
                                                                       args.seconds)
        answer = "no answer within 120 s" if latency is None else f"answered in {latency:.3f} s"
        print(f"{label}: flood {rate:,.0f} lines/s for {flood_s:.1f} s; VmRSS {before / 1024:.1f} "
              f"MiB before, {peak / 1024:.1f} peak, {after / 1024:.1f} 2 s after the answer "
              f"({(after - before) / 1024:+.1f}); query {answer}; {summary}")


if __name__ == "__main__":
    main()
