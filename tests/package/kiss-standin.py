#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A TNC on a loopback KISS port: to each connection it sends W2DEMO's query for ?WX to the
station (a new message number each time) and prints the information field of every frame the
station sends, one a line.  kiss-standin.py PORT STATION-CALL"""
import socket
import sys

FEND, FESC, TFEND, TFESC = 0xC0, 0xDB, 0xDC, 0xDD


def address(call, last):
    name, _, ssid = call.partition("-")
    field = bytes(ord(c) << 1 for c in name.ljust(6))
    return field + bytes([0x60 | int(ssid or 0) << 1 | last])


def kiss(frame):
    body = frame.replace(bytes([FESC]), bytes([FESC, TFESC])).replace(bytes([FEND]), bytes([FESC, TFEND]))
    return bytes([FEND, 0]) + body + bytes([FEND])


def information(frame):
    end = next(i for i in range(6, len(frame), 7) if frame[i] & 1)
    return frame[end + 3:].decode("latin-1")


def serve(port, station):
    listener = socket.create_server(("127.0.0.1", port))
    number = 0
    while True:
        link, _ = listener.accept()
        number += 1
        query = ":" + station.ljust(9) + ":?WX{" + str(number)
        link.sendall(kiss(address("APRS", 0) + address("W2DEMO", 1) + b"\x03\xf0" + query.encode()))
        pending = b""
        while chunk := link.recv(4096):
            *frames, pending = (pending + chunk).split(bytes([FEND]))
            for frame in frames:
                if len(frame) > 16 and frame[0] == 0:
                    raw = frame[1:].replace(bytes([FESC, TFEND]), bytes([FEND]))
                    print(information(raw.replace(bytes([FESC, TFESC]), bytes([FESC]))), flush=True)
        link.close()


serve(int(sys.argv[1]), sys.argv[2])
