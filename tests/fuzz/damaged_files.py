#!/usr/bin/env python3
"""Writes damaged MIDI files and damaged voice files for the damaged-file campaign
(tests/fuzz/damaged-campaign): OUT/songs/*.mid (200) and OUT/voices/*.txt (50), the same bytes
on every run. Songs are made from the demo songs and from small songs built here; voice files
from the bundled voice set."""
import pathlib
import random
import struct
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]


def varlen(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


def chunk(tag, body, length=None):
    return tag + struct.pack(">I", len(body) if length is None else length & 0xFFFFFFFF) + body


def smf(tracks, fmt=None, division=96, count=None):
    fmt = (0 if len(tracks) == 1 else 1) if fmt is None else fmt
    head = chunk(b"MThd", struct.pack(">HHH", fmt, len(tracks) if count is None else count, division))
    return head + b"".join(chunk(b"MTrk", t) for t in tracks)


END = b"\x00\xff\x2f\x00"


def notes(rng, count, channel=0, delta=48):
    out = b""
    for _ in range(count):
        key = rng.randrange(30, 100)
        out += bytes([0, 0x90 | channel, key, 100]) + varlen(delta) + bytes([0x80 | channel, key, 0])
    return out


def demo_songs():
    return [p.read_bytes() for p in sorted((ROOT / "voiceset/demo").glob("*.mid"))]


def truncated(rng, demos):
    song = rng.choice(demos)
    return song[:rng.randrange(0, len(song))]


def mutated(rng, demos):
    song = bytearray(rng.choice(demos))
    for _ in range(rng.randrange(1, 40)):
        at = rng.randrange(14, len(song))
        song[at] = rng.choice([0x00, 0xFF, 0x7F, 0x80, 0xF0, 0xF7, 0x2F, 0x51, rng.randrange(256)])
    return bytes(song)


def huge_deltas(rng, _demos):
    deltas = [0x0FFFFFFF, 0x0FFFFF00, 0x7FFFFFF, 0x1FFFFF, rng.randrange(1 << 28)]
    track = b"\x00\xff\x51\x03" + bytes(rng.choice([b"\x07\xa1\x20", b"\xff\xff\xff", b"\x00\x00\x01"]))
    for _ in range(rng.randrange(1, 6)):
        track += notes(rng, rng.randrange(1, 4))
        delta = rng.choice(deltas)
        track += varlen(delta) if rng.random() < 0.7 else b"\x8f\xff\xff\xff\x7f"  # five bytes
        track += bytes([0xC0, rng.randrange(128)])
    track += END
    tracks = [track] if rng.random() < 0.5 else [track, notes(rng, 8, 9) + END]
    return smf(tracks, division=rng.choice([1, 96, 480, 960]))


def wrong_lengths(rng, demos):
    song = bytearray(rng.choice(demos) if rng.random() < 0.5 else smf([notes(rng, 20) + END] * 3))
    chunks = [i for i in range(len(song) - 4) if song[i:i + 4] in (b"MThd", b"MTrk")]
    for at in rng.sample(chunks, min(len(chunks), rng.randrange(1, 4))):
        value = rng.choice([0, 1, 5, 0xFFFFFFFF, 0x7FFFFFFF, 0x80000000, rng.randrange(1 << 20),
                            struct.unpack(">I", song[at + 4:at + 8])[0] + rng.randrange(-20, 20)])
        song[at + 4:at + 8] = struct.pack(">I", value & 0xFFFFFFFF)
    if rng.random() < 0.3:
        song[10:12] = struct.pack(">H", rng.choice([0, 1, 200, 0xFFFF]))  # the track count
    return bytes(song)


def running_status(rng, _demos):
    body = b"\x00\x90\x3c\x64"
    for _ in range(rng.randrange(3, 30)):
        kind = rng.randrange(5)
        if kind == 0:
            body += b"\x00\xff\x01" + varlen(3) + b"abc"  # a text event amid running status
        elif kind == 1:
            body += b"\x00\xf0\x03\x7e\x7f\xf7"  # exclusive
        elif kind == 2:
            body += b"\x00\xf7\x02\x01"  # an escape without its close
        elif kind == 3:
            body += b"\x00\xff\x51\x03\x05\x00\x00"
        body += varlen(rng.randrange(0, 200)) + bytes([rng.randrange(0, 128), rng.randrange(0, 128)])
    if rng.random() < 0.5:
        body += END
    return smf([body], division=rng.choice([24, 96, 480]))


def odd_headers(rng, demos):
    kind = rng.randrange(6)
    if kind == 0:
        return b""
    if kind == 1:
        return smf([], fmt=rng.choice([0, 1, 2]), division=rng.choice([0, 96, 0x8000 | 25, 961]))
    if kind == 2:
        return b"RIFF" + struct.pack("<I", rng.randrange(1 << 32)) + b"RMIDdata" + rng.choice(demos)[:rng.randrange(10, 3000)]
    if kind == 3:
        many = [notes(rng, rng.randrange(0, 5), rng.randrange(16)) + END for _ in range(rng.randrange(50, 300))]
        return smf(many, division=rng.choice([1, 96, 960]))
    if kind == 4:
        return bytes(rng.randrange(256) for _ in range(rng.randrange(1, 2000)))
    return b"MThd" + bytes(rng.randrange(256) for _ in range(rng.randrange(0, 40)))


SONG_KINDS = [(truncated, 35), (mutated, 40), (huge_deltas, 35), (wrong_lengths, 40),
              (running_status, 25), (odd_headers, 25)]


def voice_files(rng):
    text = (ROOT / "voiceset/voice.txt").read_bytes()
    first_tone = text.find(b"\n@001")
    drums = text.find(b"\n#")
    damaged = []
    for i in range(50):
        kind = i % 10
        data = bytearray(text)
        if kind == 0:
            data = data[:rng.randrange(0, len(data))]
        elif kind == 1:
            for _ in range(rng.randrange(1, 200)):
                data[rng.randrange(len(data))] = rng.randrange(256)
        elif kind == 2:  # sample counts that do not match the samples
            at = text.find(b",", text.find(b"\n@", first_tone + rng.randrange(0, drums - first_tone)) + 1)
            fields = data[at:data.find(b"\n", at)].split(b",")
            fields[-2] = rng.choice([b"0", b"-1", b"-200", b"2147483647", b"99999999999", b"1"])
            data[at:data.find(b"\n", at)] = b",".join(fields)
        elif kind == 3:  # tone numbers out of range
            data = data.replace(b"\n@0", b"\n@" + rng.choice([b"0", b"-", b"9", b"129"]) + b"0", rng.randrange(1, 30))
        elif kind == 4:
            data[first_tone - 1:first_tone] = rng.choice([b"3", b"", b"0", b"20000000000"])
        elif kind == 5:  # the separators gone
            data = data.replace(b";", b"", rng.randrange(1, 200))
        elif kind == 6:  # drums that point to drums that are not there, or at each other
            data = data[:drums] + b"\n#35 Loop,36,0\n#36 Loop,35,0\n#40 Far,999,0\n#1 None,0,-5\n;" + data[drums:]
        elif kind == 7:  # envelope and loop fields at their extremes
            at = first_tone + 1
            line_end = data.find(b"\n", at)
            fields = data[at:line_end].split(b",")
            for j in range(2, len(fields)):
                fields[j] = rng.choice([b"-1", b"0", b"255", b"2147483647", b"-2147483648", b"65536"])
            data[at:line_end] = b",".join(fields)
        elif kind == 8:  # shared waveforms that name themselves, later tones or nothing
            data = data.replace(b",11264,", b",-" + rng.choice([b"1", b"128", b"200", b"0"]) + b",", rng.randrange(1, 10))
        else:
            data = data[:rng.randrange(0, 4000)] + bytes(rng.randrange(256) for _ in range(rng.randrange(0, 4000)))
        damaged.append(bytes(data))
    return damaged


def main():
    out = pathlib.Path(sys.argv[1])
    rng = random.Random(14)
    demos = demo_songs()
    (out / "songs").mkdir(parents=True, exist_ok=True)
    (out / "voices").mkdir(parents=True, exist_ok=True)
    number = 0
    for kind, count in SONG_KINDS:
        for _ in range(count):
            number += 1
            (out / "songs" / ("%03d-%s.mid" % (number, kind.__name__))).write_bytes(kind(rng, demos))
    for number, data in enumerate(voice_files(rng), 1):
        (out / "voices" / ("%02d.txt" % number)).write_bytes(data)


if __name__ == "__main__":
    main()
