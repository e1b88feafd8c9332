#!/usr/bin/env python3
"""drums: how close each General MIDI drum key of a voice file sounds to a sampled set.

Every drum key 35..81 is struck once on channel 10 at velocity 100 (note off after 1 s), in a
slot of 4 s of its own (all sound off shortly before the next slot). The one MIDI file is
rendered by `tesalo render -q 3` (44100 Hz, 16 bit, no low-pass filter) and by fluidsynth with
the reference SoundFont and with the small sampled set, the yardstick (as timbre.py does).

Measures, per key (times from the stroke's onset, found in the audio):
  spectrum  energy in 16 half-octave bands from 62.5 Hz, cut at 11 kHz (the last band lies above
            the cut: it stays at the floor for everyone), over the first 0.25 s under a Hann
            window, in dB relative to the strongest band, floored at -40 dB.
  distance  RMS over the bands of the difference of two spectra.
  decay     time from the start of the loudest 10 ms until the level (10 ms RMS) falls for
            good 30 dB below it.
  loudness  the loudest 50 ms (ours only), against the median of the kit.
The summary gives the median and 90th percentile of the distances, how many keys are closer to
the reference than the yardstick, how many decay within a factor of 2 of the reference's,
the keys whose loudness is more than 6 dB from the median, and the ten farthest keys.
"""
import argparse
import os
import struct

import numpy as np

import timbre

KEYS = range(35, 82)
SLOT_QUARTERS = 8            # 4 s at 120 beats per minute
DIVISION = timbre.DIVISION
SPECTRUM_SECONDS = 0.25
TOP_HZ = 11000.0
EDGES = [min(62.5 * 2 ** (i / 2), TOP_HZ) for i in range(16)] + [TOP_HZ]
FLOOR_DB = -40.0
DECAY_DROP_DB = 30.0
DECAY_FACTOR = 2.0
LOUDNESS_LIMIT_DB = 6.0


def test_song():
    """One stroke per drum key, a slot of SLOT_QUARTERS quarter notes each."""
    events = [(0, b"\xff\x51\x03\x07\xa1\x20"), (0, b"\xb9\x07\x64"), (0, b"\xb9\x0a\x40")]
    for index, key in enumerate(KEYS):
        start = (index + 1) * SLOT_QUARTERS * DIVISION
        events.append((start, bytes([0x99, key, 100])))
        events.append((start + 2 * DIVISION, bytes([0x89, key, 0])))
        events.append((start + SLOT_QUARTERS * DIVISION - DIVISION // 4, b"\xb9\x78\x00"))
    events.append(((len(KEYS) + 2) * SLOT_QUARTERS * DIVISION, b"\xff\x2f\x00"))
    track, now = b"", 0
    for tick, data in events:
        track += timbre.var_len(tick - now) + data
        now = tick
    return b"MThd" + struct.pack(">IHHH", 6, 0, 1, DIVISION) + b"MTrk" + struct.pack(">I", len(track)) + track


def spectrum(audio, rate, onset):
    """Band levels of the first SPECTRUM_SECONDS under a Hann window, as timbre.py's profiles."""
    x = timbre.part(audio, rate, onset, 0.0, SPECTRUM_SECONDS)
    if x.size == 0 or not np.any(x):
        return np.full(len(EDGES) - 1, FLOOR_DB)
    power = np.abs(np.fft.rfft(x * np.hanning(x.size))) ** 2
    hz = np.fft.rfftfreq(x.size, 1.0 / rate)
    bands = np.array([np.sum(power[(hz >= lo) & (hz < hi)]) for lo, hi in zip(EDGES, EDGES[1:])])
    levels = 10 * np.log10(np.maximum(bands, 1e-20))
    return np.maximum(levels - np.max(levels), FLOOR_DB)


def frame_levels(x, rate, frame_seconds=0.010):
    frame = max(1, int(frame_seconds * rate))
    hop = max(1, frame // 2)
    starts = range(0, max(1, x.size - frame + 1), hop)
    return np.array([timbre.rms_db(x[at: at + frame]) for at in starts]), hop / rate


def decay_time(audio, rate, onset, slot_seconds):
    levels, hop = frame_levels(timbre.part(audio, rate, onset, 0.0, slot_seconds - 0.2), rate)
    peak = int(np.argmax(levels))
    above = np.nonzero(levels[peak:] > levels[peak] - DECAY_DROP_DB)[0]
    return (int(above[-1]) + 1) * hop


def measure(path, seconds_per_slot):
    audio, rate = timbre.read_wav(path)
    result = {}
    for key, onset in zip(KEYS, timbre.onsets(audio, rate, seconds_per_slot, len(KEYS))):
        result[key] = {
            "spectrum": spectrum(audio, rate, onset),
            "decay": decay_time(audio, rate, onset, seconds_per_slot),
            "loudness": timbre.frame_peak_db(timbre.part(audio, rate, onset, 0.0, 1.0), rate, 0.050),
        }
    return result


def drum_names(voice):
    names = {}
    with open(voice, encoding="latin-1") as text:
        for line in text:
            if line.startswith("#"):
                head = line[1:].split(",")[0]
                number, _, name = head.partition(" ")
                names[int(number)] = name
    return names


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--tesalo", required=True, help="the tesalo program")
    parser.add_argument("--voice", help="voice file (default: tesalo's own)")
    parser.add_argument("--work", default="drums-work", help="folder for the renders")
    parser.add_argument("--spectra", action="store_true", help="print the band levels too")
    args = parser.parse_args()
    os.makedirs(args.work, exist_ok=True)
    voice = args.voice or os.path.join(os.path.dirname(os.path.abspath(args.tesalo)), "voice.txt")
    song = os.path.join(args.work, "drums.mid")
    with open(song, "wb") as out:
        out.write(test_song())
    mine = os.path.join(args.work, "ours.wav")
    timbre.run([args.tesalo, "render", "-q", "3"] + (["--voice", args.voice] if args.voice else [])
               + [song, "-o", mine])
    timbre.render_fluid(timbre.REFERENCE_SF2, song, os.path.join(args.work, "reference.wav"))
    timbre.render_fluid(timbre.YARDSTICK_SF2, song, os.path.join(args.work, "small.wav"))
    # The synthesizer counts 1041 us per tick at this tempo; the references 1041.67.
    ours = measure(mine, SLOT_QUARTERS * DIVISION * 1041e-6)
    ref = measure(os.path.join(args.work, "reference.wav"), SLOT_QUARTERS * 0.5)
    small = measure(os.path.join(args.work, "small.wav"), SLOT_QUARTERS * 0.5)
    report(drum_names(voice), ours, ref, small, args.spectra)


def rows_of(names, ours, ref, small):
    median = float(np.median([ours[k]["loudness"] for k in KEYS]))
    rows = []
    for k in KEYS:
        rows.append({
            "key": k, "name": names.get(k, ""),
            "d": timbre.distance(ours[k]["spectrum"], ref[k]["spectrum"]),
            "small": timbre.distance(small[k]["spectrum"], ref[k]["spectrum"]),
            "decay": [m[k]["decay"] for m in (ours, ref, small)],
            "loud": ours[k]["loudness"] - median,
        })
    return rows


def within(decay, reference):
    return reference / DECAY_FACTOR <= decay <= reference * DECAY_FACTOR


def report(names, ours, ref, small, show_spectra):
    rows = rows_of(names, ours, ref, small)
    print("distance to the reference (dB, RMS over %d bands of the first %.2f s), ours | small set;"
          % (len(EDGES) - 1, SPECTRUM_SECONDS))
    print("decay to -%.0f dB (s): ours / reference / small set; loudness against the kit's median"
          % DECAY_DROP_DB)
    print("%-3s %-20s %5s | %5s    %5s %5s %5s  %s" % ("key", "name", "ours", "small", "ours", "ref", "small", "loud"))
    for r in rows:
        flags = ("<" if r["d"] < r["small"] else " ") + (" " if within(r["decay"][0], r["decay"][1]) else "!")
        print("%3d %-20.20s %5.1f | %5.1f %s %5.2f %5.2f %5.2f  %+5.1f" %
              (r["key"], r["name"], r["d"], r["small"], flags, *r["decay"], r["loud"]))
        if show_spectra:
            for label, m in (("ours", ours), ("ref", ref), ("small", small)):
                print("      %-5s %s" % (label, " ".join("%4.0f" % v for v in m[r["key"]]["spectrum"])))
    summarize(rows)


def summarize(rows):
    d = [r["d"] for r in rows]
    s = [r["small"] for r in rows]
    print("\nsummary (%d keys)" % len(rows))
    print("  ours:      median %.1f dB, 90th percentile %.1f dB" % (np.median(d), timbre.percentile(d, 90)))
    print("  small set: median %.1f dB, 90th percentile %.1f dB" % (np.median(s), timbre.percentile(s, 90)))
    print("  closer to the reference than the small set: %d of %d keys" %
          (sum(1 for r in rows if r["d"] < r["small"]), len(rows)))
    for label, i in (("ours", 0), ("small set", 2)):
        print("  decay within a factor of %.0f of the reference, %s: %d of %d keys" % (
            DECAY_FACTOR, label, sum(1 for r in rows if within(r["decay"][i], r["decay"][1])), len(rows)))
    loud = [r for r in rows if abs(r["loud"]) > LOUDNESS_LIMIT_DB]
    print("  loudness (loudest 50 ms) %+.1f .. %+.1f dB to the median, more than %.0f dB off: %d%s" % (
        min(r["loud"] for r in rows), max(r["loud"] for r in rows), LOUDNESS_LIMIT_DB, len(loud),
        "" if not loud else " (" + ", ".join("%d %+.1f" % (r["key"], r["loud"]) for r in loud) + ")"))
    print("\nten farthest from the reference (distance; small set's; decay ours / reference)")
    for r in sorted(rows, key=lambda r: -r["d"])[:10]:
        print("  %3d %-20.20s %5.1f  small %4.1f  decay %5.2f / %5.2f" %
              (r["key"], r["name"], r["d"], r["small"], r["decay"][0], r["decay"][1]))


if __name__ == "__main__":
    main()
