#!/usr/bin/env python3
"""Writes the dense stress song: 32 notes held on the 15 melodic channels, all released and
struck again every quarter note, for 10 minutes at 120 beats a minute (format 0, division 480).

    bench/stress_song.py OUT.mid [MINUTES]
"""
import struct
import sys

DIVISION = 480
TEMPO_US = 500000  # a quarter note every half second
NOTES = 32
CHANNELS = [1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16]  # 10 is the drums
# Programs whose tones loop, so that every note sounds for its whole quarter note.
PROGRAMS = [48, 19, 52, 61, 73, 89, 65, 16, 49, 56, 71, 91, 68, 50, 20]


def variable_length(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


def chord(quarter):
    """(channel, key) of the 32 notes of a quarter note; the chord moves every bar, and no key
    repeats on one channel (a repeated key would take over the channel's voice)."""
    shift = (quarter // 4) % 4 * 2
    return [(CHANNELS[i % 15], 36 + shift + (i * 5) % 48) for i in range(NOTES)]


def track_events(minutes):
    events = [(0, bytes([0xFF, 0x51, 0x03]) + TEMPO_US.to_bytes(3, "big"))]
    title = b"Dense test"
    events.append((0, bytes([0xFF, 0x03, len(title)]) + title))
    for channel, program in zip(CHANNELS, PROGRAMS):
        status = channel - 1
        events.append((0, bytes([0xC0 | status, program])))
        events.append((0, bytes([0xB0 | status, 7, 100])))
    quarters = minutes * 60 * 1_000_000 // TEMPO_US
    held = []
    for quarter in range(quarters):
        delta = 0 if quarter == 0 else DIVISION
        for channel, key in held:
            events.append((delta, bytes([0x80 | (channel - 1), key, 0])))
            delta = 0
        held = chord(quarter)
        for channel, key in held:
            events.append((delta, bytes([0x90 | (channel - 1), key, 100])))
            delta = 0
    delta = DIVISION
    for channel, key in held:
        events.append((delta, bytes([0x80 | (channel - 1), key, 0])))
        delta = 0
    events.append((0, bytes([0xFF, 0x2F, 0x00])))
    return b"".join(variable_length(delta) + data for delta, data in events)


def stress_song(minutes=10):
    track = track_events(minutes)
    header = b"MThd" + struct.pack(">IHHH", 6, 0, 1, DIVISION)
    return header + b"MTrk" + struct.pack(">I", len(track)) + track


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    minutes = int(sys.argv[2]) if len(sys.argv) == 3 else 10
    with open(sys.argv[1], "wb") as out:
        out.write(stress_song(minutes))


if __name__ == "__main__":
    main()
