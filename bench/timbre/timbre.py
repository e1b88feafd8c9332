#!/usr/bin/env python3
"""timbre: how close each melodic program of a voice file sounds to a sampled General MIDI set.

Every program 0..119 plays C3, C4 and C5 (keys 48, 60, 72) at velocity 100, held one second.
Each key is one MIDI file: the programs one after the other on channel 1, a slot of 2.5 s each
(program change, note on, note off after 1 s, all sound off before the next slot). The file is
rendered by `tesalo render -q 1` (22050 Hz, 16 bit, no low-pass filter: the voice set itself)
and by fluidsynth (44100 Hz, reverb and chorus off) with the reference SoundFont and with the
small sampled set, the yardstick.

Measures, per program and key (times from the note's onset, found in the audio):
  profile   levels of harmonics 1..12 in dB relative to the strongest, floored at -40 dB, from
            a Hann-windowed spectrum of 0.30..0.60 s (percussive and plucked programs:
            0.05..0.20 s); a harmonic's level is the highest bin within 3 % of its frequency.
  distance  RMS over the twelve harmonics of the difference of two profiles.
  decay     RMS level of 0.30..0.60 s against the loudest 10 ms of the note, floored at -60 dB.
  loudness  the loudest 50 ms of the first 0.6 s (ours only), against the median of all programs.
Per program the three keys' distances and decay levels are averaged (a key that the reference
does not sound, below -60 dBFS, is left out and shown as "-"); the summary gives the
median and 90th percentile of the program distances, how many programs are closer to the
reference than the yardstick, the percussive and plucked programs whose decay level is more than
8 dB from the reference's, and the ten programs farthest from the reference.
"""
import argparse
import math
import os
import struct
import subprocess
import sys
import wave

import numpy as np

KEYS = (48, 60, 72)
KEY_NAMES = {48: "C3", 60: "C4", 72: "C5"}
PROGRAMS = range(120)
SLOT_QUARTERS = 5            # 2.5 s at 120 beats per minute
DIVISION = 480
HARMONICS = 12
FLOOR_DB = -40.0
DECAY_FLOOR_DB = -60.0
DECAY_LIMIT_DB = 8.0
# A reference note quieter than this (loudest 50 ms) is missing from the SoundFont: that key is
# left out of the program's means.
SILENT_DBFS = -60.0
LOUDNESS_LIMIT_DB = 6.0
# Struck and plucked programs: pianos and chromatic percussion, guitars, plucked basses, harp,
# timpani, the plucked ethnic strings and kalimba, and the pitched percussion up to synth drum.
PERCUSSIVE = set(range(0, 16)) | set(range(24, 38)) | {46, 47} | set(range(104, 109)) | set(range(112, 119))
REFERENCE_SF2 = "/usr/share/sounds/sf2/FluidR3_GM.sf2"
YARDSTICK_SF2 = "/usr/share/sounds/sf2/TimGM6mb.sf2"


def var_len(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.insert(0, 0x80 | (value & 0x7F))
        value >>= 7
    return bytes(out)


def test_song(key):
    """One key for every program, a slot of SLOT_QUARTERS quarter notes each."""
    events = [(0, b"\xff\x51\x03\x07\xa1\x20"), (0, b"\xb0\x07\x64"), (0, b"\xb0\x0a\x40")]
    for index, program in enumerate(PROGRAMS):
        start = (index + 1) * SLOT_QUARTERS * DIVISION
        events.append((start, bytes([0xC0, program])))
        events.append((start, bytes([0x90, key, 100])))
        events.append((start + 2 * DIVISION, bytes([0x80, key, 0])))
        events.append((start + SLOT_QUARTERS * DIVISION - DIVISION // 4, b"\xb0\x78\x00"))
    end = (len(PROGRAMS) + 2) * SLOT_QUARTERS * DIVISION
    events.append((end, b"\xff\x2f\x00"))
    track, now = b"", 0
    for tick, data in events:
        track += var_len(tick - now) + data
        now = tick
    return b"MThd" + struct.pack(">IHHH", 6, 0, 1, DIVISION) + b"MTrk" + struct.pack(">I", len(track)) + track


def read_wav(path):
    with wave.open(path, "rb") as w:
        rate, channels, width = w.getframerate(), w.getnchannels(), w.getsampwidth()
        data = np.frombuffer(w.readframes(w.getnframes()), dtype="<i2" if width == 2 else np.uint8)
    audio = data.astype(np.float64)
    audio = audio / 32768.0 if width == 2 else (audio - 128.0) / 128.0
    if channels > 1:
        audio = audio.reshape(-1, channels).mean(axis=1)
    return audio, rate


def run(command):
    result = subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    if result.returncode != 0:
        sys.exit("timbre: failed: %s\n%s" % (" ".join(command), result.stderr))


def render_ours(tesalo, voice, song, out):
    command = [tesalo, "render", "-q", "1"] + (["--voice", voice] if voice else []) + [song, "-o", out]
    run(command)


def render_fluid(sf2, song, out):
    if not os.path.exists(out):
        run(["fluidsynth", "-n", "-i", "-q", "-R", "0", "-C", "0", "-g", "0.4", "-r", "44100",
             "-F", out + ".part", sf2, song])
        os.replace(out + ".part", out)


def onsets(audio, rate, seconds_per_slot, slots=len(PROGRAMS)):
    """The start of each slot's note (slot 0 starts one slot in): the first sample above -50 dB
    of the slot's peak, searched from shortly before the slot's nominal start."""
    found = []
    for index in range(slots):
        nominal = int((index + 1) * seconds_per_slot * rate)
        begin = max(0, nominal - int(0.1 * rate))
        slot = audio[begin: begin + int(seconds_per_slot * rate)]
        peak = np.max(np.abs(slot)) if slot.size else 0.0
        if peak <= 0:
            found.append(nominal)
            continue
        above = np.nonzero(np.abs(slot) > peak * 10 ** (-50 / 20))[0]
        found.append(begin + int(above[0]))
    return found


def part(audio, rate, onset, start, end):
    return audio[onset + int(start * rate): onset + int(end * rate)]


def profile(audio, rate, onset, key, percussive):
    start, end = (0.05, 0.20) if percussive else (0.30, 0.60)
    x = part(audio, rate, onset, start, end)
    if x.size == 0 or not np.any(x):
        return np.full(HARMONICS, FLOOR_DB)
    size = 1 << int(math.ceil(math.log2(x.size * 4)))
    spectrum = np.abs(np.fft.rfft(x * np.hanning(x.size), size))
    f0 = 440.0 * 2 ** ((key - 69) / 12)
    levels = []
    for h in range(1, HARMONICS + 1):
        low = int(math.floor(h * f0 * 0.97 * size / rate))
        high = int(math.ceil(h * f0 * 1.03 * size / rate)) + 1
        band = spectrum[low:high]
        levels.append(20 * math.log10(max(np.max(band) if band.size else 0.0, 1e-12)))
    levels = np.array(levels) - max(levels)
    return np.maximum(levels, FLOOR_DB)


def rms_db(x):
    return 20 * math.log10(max(math.sqrt(float(np.mean(x * x))) if x.size else 0.0, 1e-9))


def frame_peak_db(x, rate, frame_seconds):
    frame = max(1, int(frame_seconds * rate))
    hop = max(1, frame // 2)
    best = -180.0
    for at in range(0, max(1, x.size - frame + 1), hop):
        best = max(best, rms_db(x[at: at + frame]))
    return best


def decay_level(audio, rate, onset):
    peak = frame_peak_db(part(audio, rate, onset, 0.0, 0.30), rate, 0.010)
    return max(rms_db(part(audio, rate, onset, 0.30, 0.60)) - peak, DECAY_FLOOR_DB)


def loudness(audio, rate, onset):
    return frame_peak_db(part(audio, rate, onset, 0.0, 0.60), rate, 0.050)


def measure(path, key, seconds_per_slot):
    audio, rate = read_wav(path)
    result = {}
    for program, onset in zip(PROGRAMS, onsets(audio, rate, seconds_per_slot)):
        result[program] = {
            "profile": profile(audio, rate, onset, key, program in PERCUSSIVE),
            "decay": decay_level(audio, rate, onset),
            "loudness": loudness(audio, rate, onset),
        }
    return result


def distance(a, b):
    return float(np.sqrt(np.mean((a - b) ** 2)))


def program_names(voice):
    names = {}
    with open(voice, encoding="latin-1") as text:
        for line in text:
            if line.startswith("@"):
                fields = line[1:].split(",")
                names[int(fields[0]) - 1] = fields[1]
    return names


def percentile(values, q):
    return float(np.percentile(np.array(values), q))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--tesalo", required=True, help="the tesalo program")
    parser.add_argument("--voice", help="voice file (default: tesalo's own)")
    parser.add_argument("--work", default="timbre-work", help="folder for the renders")
    parser.add_argument("--profiles", action="store_true", help="print the harmonic profiles too")
    args = parser.parse_args()
    os.makedirs(args.work, exist_ok=True)
    voice = args.voice or os.path.join(os.path.dirname(os.path.abspath(args.tesalo)), "voice.txt")
    names = program_names(voice)
    ours, ref, small = {}, {}, {}
    for key in KEYS:
        song = os.path.join(args.work, "key%d.mid" % key)
        with open(song, "wb") as out:
            out.write(test_song(key))
        mine = os.path.join(args.work, "ours%d.wav" % key)
        render_ours(args.tesalo, args.voice, song, mine)
        # The references depend only on the song; they are rendered once and kept.
        render_fluid(REFERENCE_SF2, song, os.path.join(args.work, "reference%d.wav" % key))
        render_fluid(YARDSTICK_SF2, song, os.path.join(args.work, "small%d.wav" % key))
        # The synthesizer counts 1041 us per tick at this tempo; the references 1041.67.
        ours[key] = measure(mine, key, SLOT_QUARTERS * DIVISION * 1041e-6)
        ref[key] = measure(os.path.join(args.work, "reference%d.wav" % key), key, SLOT_QUARTERS * 0.5)
        small[key] = measure(os.path.join(args.work, "small%d.wav" % key), key, SLOT_QUARTERS * 0.5)
    report(names, ours, ref, small, args.profiles)


def report(names, ours, ref, small, show_profiles):
    rows = []
    print("distance to the reference (dB, RMS over harmonics 1..12) at C3 C4 C5 and their mean, ours | small set;")
    print("decay level at 0.30..0.60 s against the peak (dB, mean of the keys): ours / reference / small set")
    print("%-3s %-22s %5s %5s %5s %5s | %5s %5s  %6s %6s %6s" %
          ("pr", "name", "C3", "C4", "C5", "mean", "small", "", "ours", "ref", "small"))
    medians = {key: float(np.median([ours[key][p]["loudness"] for p in PROGRAMS])) for key in KEYS}
    for p in PROGRAMS:
        keys = sounding_keys(ref, p)
        d = [distance(ours[k][p]["profile"], ref[k][p]["profile"]) if k in keys else None for k in KEYS]
        s = [distance(small[k][p]["profile"], ref[k][p]["profile"]) for k in keys]
        decay = [float(np.mean([m[k][p]["decay"] for k in keys])) for m in (ours, ref, small)]
        loud = max((ours[k][p]["loudness"] - medians[k] for k in KEYS), key=abs)
        row = {"program": p, "name": names.get(p, ""), "d": d, "mean": float(np.mean([v for v in d if v is not None])),
               "small": float(np.mean(s)), "decay": decay, "loud": loud}
        rows.append(row)
        flags = ("<" if row["mean"] < row["small"] else " ")
        if p in PERCUSSIVE:
            flags += " P" + ("!" if abs(decay[0] - decay[1]) > DECAY_LIMIT_DB else " ")
        if abs(loud) > LOUDNESS_LIMIT_DB:
            flags += " loudness %+.1f" % loud
        print("%3d %-22.22s %5s %5s %5s %5.1f | %5.1f %s %6.1f %6.1f %6.1f" %
              (p, row["name"], *map(shown, d), row["mean"], row["small"], flags, *decay))
        if show_profiles:
            for k in KEYS:
                for label, m in (("ours", ours), ("ref", ref)):
                    print("      %s %-4s %s" % (KEY_NAMES[k], label,
                                               " ".join("%4.0f" % v for v in m[k][p]["profile"])))
    summarize(rows, ours, ref, small)


def sounding_keys(ref, program):
    keys = [k for k in KEYS if ref[k][program]["loudness"] > SILENT_DBFS]
    return keys or list(KEYS)


def shown(value):
    return "-" if value is None else "%.1f" % value


def summarize(rows, ours, ref, small):
    mean = [r["mean"] for r in rows]
    yard = [r["small"] for r in rows]
    print("\nsummary (per program: mean over C3, C4, C5)")
    print("  ours:      median %.1f dB, 90th percentile %.1f dB" % (np.median(mean), percentile(mean, 90)))
    print("  small set: median %.1f dB, 90th percentile %.1f dB" % (np.median(yard), percentile(yard, 90)))
    for i, key in enumerate(KEYS):
        sounding = [p for p in PROGRAMS if key in sounding_keys(ref, p)]
        mine = [rows[p]["d"][i] for p in sounding]
        theirs = [distance(small[key][p]["profile"], ref[key][p]["profile"]) for p in sounding]
        print("  %s alone:  ours median %.1f / p90 %.1f, small set %.1f / %.1f (%d programs)" % (
            KEY_NAMES[key], np.median(mine), percentile(mine, 90), np.median(theirs), percentile(theirs, 90),
            len(sounding)))
    closer = sum(1 for r in rows if r["mean"] < r["small"])
    print("  closer to the reference than the small set: %d of %d programs" % (closer, len(rows)))
    off = [r for r in rows if r["program"] in PERCUSSIVE and abs(r["decay"][0] - r["decay"][1]) > DECAY_LIMIT_DB]
    print("  percussive/plucked programs with decay level more than %.0f dB from the reference: %d of %d%s" % (
        DECAY_LIMIT_DB, len(off), len(PERCUSSIVE),
        "" if not off else " (" + ", ".join("%d %+.0f" % (r["program"], r["decay"][0] - r["decay"][1]) for r in off) + ")"))
    loud = [r for r in rows if abs(r["loud"]) > LOUDNESS_LIMIT_DB]
    print("  loudness (loudest 50 ms of 0..0.6 s) %+.1f .. %+.1f dB to the median, more than %.0f dB off: %d%s" % (
        min(r["loud"] for r in rows), max(r["loud"] for r in rows),
        LOUDNESS_LIMIT_DB, len(loud), "" if not loud else " (" + ", ".join("%d %+.1f" % (r["program"], r["loud"]) for r in loud) + ")"))
    print("\nten farthest from the reference (mean distance; C3 C4 C5; small set's mean)")
    for r in sorted(rows, key=lambda r: -r["mean"])[:10]:
        print("  %3d %-22.22s %5.1f  (%s %s %s)  small %4.1f" % (r["program"], r["name"], r["mean"],
                                                            *map(shown, r["d"]), r["small"]))


if __name__ == "__main__":
    main()
