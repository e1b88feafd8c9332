#!/usr/bin/env python3
"""`make bench`: rendering speed and memory of `tesalo render` beside the baseline commit and the
peer synthesizers, the render loop per voice-sample, and batch rendering on every core; the
tables go to bench/results.md.

    bench/bench.py [--build BUILD] [--runs N] [--quick] [--jobs N] [--out FILE]

Environment: BENCH_RUNS (runs of every measurement, medians are reported; default 3),
BENCH_PEER_RUNS (runs of the slow peers over the real songs; default a third of BENCH_RUNS, at
least 1) and BENCH_QUICK=1 (one run, two output formats, the peers on the dense song only).

Every figure is measured on the programs as a user runs them: one process per song, CPU seconds
(user + system) and the peak memory (max RSS) of that process from wait4. The real-time factor
is the songs' play time over those CPU seconds. The programs under comparison run interleaved
(A B, B A, ...) inside each measurement so that the machine's drift cancels in the medians.
"""
import argparse
import datetime
import hashlib
import json
import os
import platform
import re
import shutil
import statistics
import subprocess
import sys
import time
from pathlib import Path

REPO = Path(__file__).resolve().parent.parent
sys.path.insert(0, str(REPO / "bench"))
import stress_song  # noqa: E402

SONG_SECONDS = {}  # song path -> play time, filled once by song_sets
QUALITIES = {0: (22050, 8), 1: (22050, 16), 2: (44100, 8), 3: (44100, 16)}
SF2 = "/usr/share/sounds/sf2/TimGM6mb.sf2"
PEER_PACKAGES = {"fluidsynth": "fluidsynth", "timidity": "timidity", "wildmidi": "wildmidi"}
PEER_DATA_PACKAGES = ["timgm6mb-soundfont", "freepats", "valgrind", "time"]


def log(message):
    print(f"[bench {time.strftime('%H:%M:%S')}] {message}", file=sys.stderr, flush=True)


def run(cmd, **kwargs):
    return subprocess.run(cmd, check=True, **kwargs)


def output_of(cmd, stderr=None):
    return subprocess.run(cmd, check=True, stdout=subprocess.PIPE, stderr=stderr, text=True).stdout


# ---------------------------------------------------------------- measuring one process

class Sample:
    """One run of a program over a set of songs: CPU seconds summed, peak memory the largest."""

    def __init__(self):
        self.cpu = 0.0
        self.wall = 0.0
        self.rss_kib = 0
        self.failed = []


def measure(cmd, log_file):
    """Runs cmd to its end; (exit code, CPU seconds user + system, max RSS KiB, wall seconds).

    The CPU seconds come from wait4 (microseconds). The peak memory comes from GNU time, which
    forks the program from its own small process: Linux keeps a process's peak across exec, so
    a program started straight from this Python process would report Python's own size."""
    start = time.monotonic()
    peak_file = log_file.with_name("peak.txt")
    with open(log_file, "ab") as err:
        proc = subprocess.Popen(["/usr/bin/time", "-f", "%M", "-o", str(peak_file)] + cmd,
                                stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=err)
        _, status, usage = os.wait4(proc.pid, 0)
    proc.returncode = os.waitstatus_to_exitcode(status)
    lines = peak_file.read_text().split() if peak_file.exists() else []
    peak = int(lines[-1]) if lines and lines[-1].isdigit() else 0
    return proc.returncode, usage.ru_utime + usage.ru_stime, peak, time.monotonic() - start


class Program:
    """A renderer: how it renders one song at an output configuration into a file. A program
    whose exit code does not tell a failure (WildMIDI skips a file it cannot read and succeeds)
    is held to the file size it must at least write: min_bytes(config, play seconds)."""

    def __init__(self, name, command, min_bytes=None):
        self.name = name
        self.command = command  # (song, config, out) -> argv
        self.min_bytes = min_bytes

    def render_set(self, songs, config, work, digests=None):
        sample = Sample()
        out = work / f"{self.name}.out"
        for song in songs:
            if out.exists():
                out.unlink()
            code, cpu, rss, wall = measure(self.command(song, config, str(out)), work / "stderr.log")
            sample.cpu += cpu
            sample.wall += wall
            sample.rss_kib = max(sample.rss_kib, rss)
            too_short = self.min_bytes and (not out.exists() or
                                            out.stat().st_size < self.min_bytes(config, SONG_SECONDS[song]))
            if code != 0 or too_short:
                sample.failed.append(Path(song).name)
            elif digests is not None:
                digests.append(file_digest(out))
        return sample


def file_digest(path):
    digest = hashlib.sha256()
    with open(path, "rb") as data:
        for chunk in iter(lambda: data.read(1 << 20), b""):
            digest.update(chunk)
    return digest.hexdigest()


def interleaved(programs, songs, config, runs, work, digest_names=()):
    """Medians over runs of every program on the song set, in alternating order."""
    samples = {p.name: [] for p in programs}
    digests = {name: [] for name in digest_names}
    for r in range(runs):
        order = programs if r % 2 == 0 else list(reversed(programs))
        for program in order:
            keep = digests.get(program.name) if r == 0 else None
            samples[program.name].append(program.render_set(songs, config, work, keep))
    result = {}
    for name, runs_of in samples.items():
        result[name] = {
            "cpu": statistics.median(s.cpu for s in runs_of),
            "wall": statistics.median(s.wall for s in runs_of),
            "rss_kib": max(s.rss_kib for s in runs_of),
            "failed": sorted({f for s in runs_of for f in s.failed}),
        }
    if digest_names:
        lists = [digests[name] for name in digest_names]
        result["identical"] = all(lst == lists[0] for lst in lists) and bool(lists[0])
    return result


# ---------------------------------------------------------------- the programs

def tesalo_program(name, binary, voice_file):
    def command(song, config, out):
        quality, lpf = config
        argv = [str(binary), "render", "-q", str(quality), "-p", "32", "--voice", str(voice_file)]
        return argv + (["--lpf"] if lpf else []) + [song, "-o", out]
    return Program(name, command)


def half_of_stereo_16(rate, seconds):
    return int(seconds * rate * 4 / 2)


def peer_programs():
    timidity_cfg = "/etc/timidity/timgm6mb.cfg"
    wildmidi_cfg = "/etc/wildmidi/wildmidi.cfg"
    if not Path(wildmidi_cfg).exists():
        wildmidi_cfg = "/etc/timidity/freepats.cfg"
    return [
        Program("FluidSynth", lambda song, rate, out: [
            "fluidsynth", "-ni", "-F", out, "-r", str(rate), "-o", "synth.polyphony=32",
            "-o", "synth.reverb.active=0", "-o", "synth.chorus.active=0", SF2, song], half_of_stereo_16),
        Program("TiMidity++", lambda song, rate, out: [
            "timidity", "-c", timidity_cfg, "-p", "32", "-Ow", "-s", str(rate), "-o", out, song], half_of_stereo_16),
        Program("WildMIDI", lambda song, rate, out: [
            "wildmidi", "-c", wildmidi_cfg, "-r", str(rate), "-o", out, song], half_of_stereo_16),
    ]


def install_peers():
    """The peers (and valgrind, GNU time) come from Debian packages; missing ones are installed here."""
    wanted = list(PEER_PACKAGES.values()) + PEER_DATA_PACKAGES
    missing = []
    for package in wanted:
        status = subprocess.run(["dpkg-query", "-W", "-f=${Status}", package], capture_output=True, text=True)
        if status.stdout != "install ok installed":
            missing.append(package)
    if not missing:
        return True
    log(f"installing the peers: {' '.join(missing)}")
    sudo = [] if os.geteuid() == 0 else ["sudo"]
    env = dict(os.environ, DEBIAN_FRONTEND="noninteractive")
    try:
        run(sudo + ["apt-get", "-o", "DPkg::Lock::Timeout=300", "update", "-qq"], env=env)
        run(sudo + ["apt-get", "-o", "DPkg::Lock::Timeout=300", "install", "-y", "-qq",
                    "--no-install-recommends"] + missing, env=env, stdout=subprocess.DEVNULL)
    except (subprocess.CalledProcessError, FileNotFoundError) as error:
        log(f"the peers cannot be installed ({error}); their rows stay empty")
        return False
    return True


# ---------------------------------------------------------------- the baseline build

BENCH_OVERLAY = ["bench/render/CMakeLists.txt", "bench/render/render_bench.cpp",
                 "bench/render/voice_rig.cpp", "bench/render/voice_rig.h"]


def baseline_build(jobs):
    """Builds the commit bench/baseline-commit names in build-baseline/ (once: a stamp keeps the
    commit and the micro-benchmark sources it was built with). The micro-benchmark of this tree
    is laid over the baseline's sources, so both builds run the same benchmark code."""
    commit = (REPO / "bench" / "baseline-commit").read_text().split()[0]
    folder = REPO / "build-baseline"
    overlay_digest = hashlib.sha256(b"".join((REPO / f).read_bytes() for f in BENCH_OVERLAY)).hexdigest()
    stamp_text = f"{commit} {overlay_digest}\n"
    stamp = folder / "STAMP"
    binary = folder / "build" / "bin" / "tesalo"
    if stamp.exists() and stamp.read_text() == stamp_text and binary.exists():
        log(f"baseline {commit[:12]}: built already in {folder}")
        return commit, folder / "build"
    if subprocess.run(["git", "-C", str(REPO), "cat-file", "-e", f"{commit}^{{commit}}"],
                      capture_output=True).returncode != 0:
        log(f"baseline {commit[:12]} is not in this clone: fetching it")
        subprocess.run(["git", "-C", str(REPO), "fetch", "--quiet", "origin", commit])
    log(f"baseline {commit[:12]}: building in {folder}")
    shutil.rmtree(folder, ignore_errors=True)
    source = folder / "src"
    source.mkdir(parents=True)
    archive = subprocess.Popen(["git", "-C", str(REPO), "archive", commit], stdout=subprocess.PIPE)
    run(["tar", "-x", "-C", str(source)], stdin=archive.stdout)
    if archive.wait() != 0:
        raise RuntimeError(f"git archive {commit} failed")
    for name in BENCH_OVERLAY:
        (source / name).parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(REPO / name, source / name)
    configure = ["cmake", "-S", str(source), "-B", str(folder / "build"), "-DCMAKE_BUILD_TYPE=RelWithDebInfo"]
    if shutil.which("ccache"):
        configure += ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache", "-DCMAKE_C_COMPILER_LAUNCHER=ccache"]
    run(configure, stdout=subprocess.DEVNULL)
    run(["cmake", "--build", str(folder / "build"), "-j", str(jobs), "--target", "tesalo-cli"],
        stdout=subprocess.DEVNULL)
    micro = subprocess.run(["cmake", "--build", str(folder / "build"), "-j", str(jobs), "--target", "render_bench"],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    if micro.returncode != 0:
        log("the micro-benchmark does not build against the baseline's library: its baseline column stays empty")
    stamp.write_text(stamp_text)
    return commit, folder / "build"


# ---------------------------------------------------------------- songs

def play_seconds(tesalo, song):
    text = output_of([str(tesalo), "info", song])
    match = re.search(r"\((\d+) ms\)", text)
    return int(match.group(1)) / 1000.0 if match else 0.0


def song_sets(build, work):
    stress = work / "dense-stress.mid"
    stress.write_bytes(stress_song.stress_song(10))
    sets = {"dense": [str(stress)], "demo": sorted(str(p) for p in (build / "bin" / "demo").glob("*.mid"))}
    shared = (REPO.parent / "shared" / "midi")
    corpus = sorted(str(p) for p in shared.glob("*.mid")) if shared.is_dir() else []
    if corpus:
        sets["corpus"] = corpus
    return sets


# ---------------------------------------------------------------- the micro-benchmark

def micro_benchmark(binary, runs_of):
    """ns per voice-sample of every WaveSynth case (median of runs_of runs)."""
    if not binary.exists():
        return None
    values = {}
    for _ in range(runs_of):
        text = output_of([str(binary), "--benchmark_format=json"], stderr=subprocess.DEVNULL)
        for case in json.loads(text)["benchmarks"]:
            match = re.search(r"voices:(\d+)/rate:(\d+)", case["name"])
            if match and "ns_per_voice_sample" in case:
                values.setdefault((int(match.group(1)), int(match.group(2))), []).append(case["ns_per_voice_sample"])
    return {key: statistics.median(v) for key, v in values.items()}


def callgrind_count(binary, voices, rate, work):
    """Instructions per voice-sample inside WaveSynth (callgrind, so repeatable)."""
    if not binary.exists() or not shutil.which("valgrind"):
        return None
    out = work / f"callgrind-{voices}-{rate}.out"
    text = output_of(["valgrind", "--tool=callgrind", "--toggle-collect=WaveSynth", f"--callgrind-out-file={out}",
                      str(binary), "--count", str(voices), str(rate), "16"], stderr=subprocess.DEVNULL)
    samples = int(re.search(r"voice_samples (\d+)", text).group(1))
    totals = re.search(r"^(?:totals|summary): (\d+)", out.read_text(), re.M)
    return int(totals.group(1)) / samples if totals and samples else None


# ---------------------------------------------------------------- batch rendering

def batch_walls(tesalo, voice_file, songs, runs, work):
    walls = {1: [], 2: []}
    for r in range(runs):
        for jobs in ((1, 2) if r % 2 == 0 else (2, 1)):
            folder = work / f"batch-j{jobs}"
            shutil.rmtree(folder, ignore_errors=True)
            start = time.monotonic()
            subprocess.run([str(tesalo), "render", "-j", str(jobs), "-q", "3", "--lpf", "-p", "32",
                            "--voice", str(voice_file)] + songs + ["-o", f"{folder}/"],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            walls[jobs].append(time.monotonic() - start)
            shutil.rmtree(folder, ignore_errors=True)
    return {jobs: statistics.median(w) for jobs, w in walls.items()}


# ---------------------------------------------------------------- the report

def machine():
    model = "unknown"
    try:
        for line in output_of(["lscpu"]).splitlines():
            if line.startswith("Model name:"):
                model = line.split(":", 1)[1].strip()
    except (OSError, subprocess.CalledProcessError):
        pass
    return f"{model}, {os.cpu_count()} cores, Linux {platform.release()}"


def rtf(seconds, cpu):
    return seconds / cpu if cpu > 0 else float("nan")


def mib(kib):
    return f"{kib / 1024:.1f}"


def config_name(config):
    quality, lpf = config
    rate, bits = QUALITIES[quality]
    return f"-q {quality} ({rate} Hz {bits}-bit){' --lpf' if lpf else ''}"


class Report:
    def __init__(self):
        self.lines = []
        self.targets = []

    def add(self, line=""):
        self.lines.append(line)

    def table(self, header, rows):
        self.add("| " + " | ".join(header) + " |")
        self.add("|" + "|".join("---" for _ in header) + "|")
        for row in rows:
            self.add("| " + " | ".join(str(c) for c in row) + " |")
        self.add()

    def target(self, text, value, met):
        verdict = "n/a" if met is None else ("met" if met else "NOT met")
        self.targets.append((text, value, verdict))


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default="build")
    parser.add_argument("--runs", type=int, default=int(os.environ.get("BENCH_RUNS", "3")))
    parser.add_argument("--quick", action="store_true", default=os.environ.get("BENCH_QUICK", "") not in ("", "0"))
    parser.add_argument("--peer-runs", type=int, default=int(os.environ.get("BENCH_PEER_RUNS", "0")),
                        help="runs of the peers over the real songs (default: a third of --runs, at least 1)")
    parser.add_argument("--jobs", type=int, default=2, help="parallel jobs of the baseline's build")
    parser.add_argument("--out", default=str(REPO / "bench" / "results.md"))
    args = parser.parse_args()
    runs = 1 if args.quick else max(1, args.runs)
    build = (REPO / args.build).resolve() if not Path(args.build).is_absolute() else Path(args.build)
    tesalo = build / "bin" / "tesalo"
    voice_file = build / "bin" / "voice.txt"
    work = build / "bench-work"
    shutil.rmtree(work, ignore_errors=True)
    work.mkdir(parents=True)
    started = time.monotonic()
    load_before = os.getloadavg()

    commit, baseline = baseline_build(args.jobs)
    have_peers = install_peers()
    if not Path("/usr/bin/time").exists():
        sys.exit("bench: GNU time (Debian package time) is needed for the peak memory")
    sets = song_sets(build, work)
    for songs in sets.values():
        SONG_SECONDS.update((song, play_seconds(tesalo, song)) for song in songs)
    seconds = {name: sum(SONG_SECONDS[s] for s in songs) for name, songs in sets.items()}
    real_set = "corpus" if "corpus" in sets else "demo"
    current = tesalo_program("current", tesalo, voice_file)
    base = tesalo_program("baseline", baseline / "bin" / "tesalo", voice_file)
    configs = [(0, False), (3, True)] if args.quick else [(q, lpf) for q in range(4) for lpf in (False, True)]

    report = Report()
    head = output_of(["git", "-C", str(REPO), "rev-parse", "--short=12", "HEAD"]).strip()
    dirty = output_of(["git", "-C", str(REPO), "status", "--porcelain", "--untracked-files=no"]).strip()
    report.add("# Benchmark results")
    report.add()
    report.add(f"- Date: {datetime.datetime.now(datetime.timezone.utc):%Y-%m-%d %H:%M UTC}")
    report.add(f"- Machine: {machine()}")
    report.add(f"- Current build: {head}{' (with uncommitted changes)' if dirty else ''}; "
               f"baseline: {commit[:12]} (bench/baseline-commit), built in build-baseline/")
    report.add(f"- Runs: {runs} per figure (medians), programs interleaved{'; quick mode' if args.quick else ''}")
    report.add(f"- Songs: dense = generated stress song (32 notes on 15 channels re-struck every quarter "
               f"note, {seconds['dense']:.0f} s); demo = {len(sets['demo'])} demo songs ({seconds['demo']:.0f} s)"
               + (f"; corpus = {len(sets['corpus'])} songs of ../shared/midi ({seconds['corpus']:.0f} s)"
                  if "corpus" in sets else "; ../shared/midi absent"))
    report.add("- CPU = user + system seconds of the rendering processes; RTF = play time / CPU; "
               "memory = largest max RSS of one process. All renders at polyphony 32, with the same voice file.")
    report.add()

    # current against the baseline, every set and output format
    log("tesalo render: current build against the baseline")
    rows = []
    results = {}
    for set_name, songs in sets.items():
        for config in configs:
            log(f"  {set_name} {config_name(config)}")
            r = interleaved([current, base], songs, config, runs, work, digest_names=("current", "baseline"))
            results[(set_name, config)] = r
            c, b = r["current"], r["baseline"]
            failed = c["failed"] + b["failed"]
            rows.append([set_name, config_name(config), f"{seconds[set_name]:.0f}",
                         f"{c['cpu']:.2f}", f"{rtf(seconds[set_name], c['cpu']):.0f}",
                         f"{b['cpu']:.2f}", f"{rtf(seconds[set_name], b['cpu']):.0f}",
                         f"**{b['cpu'] / c['cpu']:.2f}**" if c["cpu"] > 0 else "n/a",
                         mib(c["rss_kib"]), mib(b["rss_kib"]),
                         ("yes" if r["identical"] else "**NO**") + (f" (failed: {', '.join(failed)})" if failed else "")])
    report.add("## `tesalo render`: current build and baseline")
    report.add()
    report.add("Ratio = current RTF / baseline RTF. Same bytes: every output file of the first run of both "
               "builds has the same SHA-256.")
    report.add()
    report.table(["songs", "format", "audio s", "CPU s", "RTF", "baseline CPU s", "baseline RTF", "ratio",
                  "max RSS MiB", "baseline max RSS MiB", "same bytes"], rows)

    # the peers
    peer_rows = []
    peer_results = {}
    peer_runs = {}
    if have_peers:
        log("the peers")
        peer_sets = ["dense"] if args.quick else ["dense", real_set]
        peer_runs = {"dense": runs, real_set: args.peer_runs or max(1, runs // 3)}
        for set_name in peer_sets:
            for quality, lpf in ((0, False), (3, True)):
                rate = QUALITIES[quality][0]
                log(f"  {set_name} at {rate} Hz")
                ours = Program("tesalo", lambda song, rate_, out, q=quality, f=lpf:
                               current.command(song, (q, f), out))
                r = interleaved([ours] + peer_programs(), sets[set_name], rate, peer_runs[set_name], work)
                peer_results[(set_name, rate)] = r
                row = [set_name, f"{rate} Hz", f"{rtf(seconds[set_name], r['tesalo']['cpu']):.0f} ({config_name((quality, lpf))})"]
                for peer in ("FluidSynth", "TiMidity++", "WildMIDI"):
                    p = r[peer]
                    ratio = p["cpu"] and r["tesalo"]["cpu"] and p["cpu"] / r["tesalo"]["cpu"]
                    note = f" (failed: {len(p['failed'])})" if p["failed"] else ""
                    row.append(f"{rtf(seconds[set_name], p['cpu']):.0f}, **{ratio:.1f}x**, {mib(p['rss_kib'])} MiB{note}")
                peer_rows.append(row)
    report.add("## Beside the peers")
    report.add()
    report.add("Each peer cell: its RTF, tesalo's RTF over it, its max RSS. FluidSynth: `-ni -F out.wav -r RATE "
               "-o synth.polyphony=32 -o synth.reverb.active=0 -o synth.chorus.active=0` TimGM6mb.sf2; "
               "TiMidity++: `-c timgm6mb.cfg -p 32 -Ow -s RATE` (the same SoundFont); WildMIDI: `-r RATE -o` "
               "with the freepats patches. The peers write 16-bit stereo; tesalo runs 22050 Hz 8-bit "
               "plain and 44100 Hz 16-bit with filter and echo. A peer run that fails or writes less than "
               "half the song's length counts as failed. Runs: "
               + ", ".join(f"{n} on {name}" for name, n in (peer_runs.items() if have_peers else [])) + ".")
    report.add()
    if peer_rows:
        report.table(["songs", "rate", "tesalo RTF", "FluidSynth", "TiMidity++", "WildMIDI"], peer_rows)
    else:
        report.add("(the peers could not be installed)")
        report.add()

    # the render loop
    log("the render loop: Google Benchmark and callgrind")
    micro_current = micro_benchmark(build / "bench" / "render" / "render_bench", min(runs, 3))
    micro_base = micro_benchmark(baseline / "bench" / "render" / "render_bench", min(runs, 3))
    micro_rows = []
    for voices in (8, 16, 32):
        for rate in (22050, 44100):
            ns = micro_current.get((voices, rate)) if micro_current else None
            ns_b = micro_base.get((voices, rate)) if micro_base else None
            ir = callgrind_count(build / "bench" / "render" / "render_bench", voices, rate, work) if voices != 16 else None
            ir_b = callgrind_count(baseline / "bench" / "render" / "render_bench", voices, rate, work) if voices != 16 else None
            fmt = lambda v, pattern: "n/a" if v is None else format(v, pattern)  # noqa: E731
            micro_rows.append([voices, rate, fmt(ns, ".3f"), fmt(ns_b, ".3f"),
                               fmt(ir, ".2f"), fmt(ir_b, ".2f")])
    report.add("## The render loop")
    report.add()
    report.add("`bench/render/render_bench`: WaveSynth over a quarter note with the voices struck anew every "
               "quarter note (CPU ns per voice-sample, Google Benchmark), and instructions per voice-sample "
               "inside WaveSynth counted by `valgrind --tool=callgrind` (16 quarter notes). The baseline "
               "column is the same benchmark built against the baseline's library.")
    report.add()
    report.table(["voices", "rate", "ns / voice-sample", "baseline ns", "instructions / voice-sample",
                  "baseline instructions"], micro_rows)

    # batch
    log("batch rendering: -j 1 and -j 2")
    batch_songs = sets[real_set]
    walls = batch_walls(tesalo, voice_file, batch_songs, runs, work)
    batch_ratio = walls[2] / walls[1] if walls[1] > 0 else float("nan")
    report.add("## Batch rendering")
    report.add()
    report.add(f"`tesalo render -j N -q 3 --lpf -p 32` of the {real_set} songs ({len(batch_songs)}) into a folder, wall time:")
    report.add()
    report.table(["-j 1 s", "-j 2 s", "ratio -j 2 / -j 1"], [[f"{walls[1]:.2f}", f"{walls[2]:.2f}", f"**{batch_ratio:.2f}**"]])

    # targets
    def ratio_of(set_name, config):
        r = results.get((set_name, config))
        return r and r["current"]["cpu"] > 0 and r["baseline"]["cpu"] / r["current"]["cpu"]
    for set_name, goal in (("dense", 2.0), (real_set, 1.5)):
        for config in ((0, False), (3, True)):
            value = ratio_of(set_name, config)
            report.target(f"{set_name}, {config_name(config)}: at least {goal}x the baseline",
                          f"{value:.2f}x" if value else "n/a", None if not value else value >= goal)
    for (set_name, rate), r in sorted(peer_results.items()):
        def ahead(peer):
            p = r[peer]
            return p["cpu"] / r["tesalo"]["cpu"] if r["tesalo"]["cpu"] > 0 and not p["failed"] else None
        fluid = ahead("FluidSynth")
        report.target(f"{set_name} at {rate} Hz: at least 25x FluidSynth's RTF", f"{fluid:.1f}x" if fluid else "n/a",
                      None if fluid is None else fluid >= 25)
        for peer in ("TiMidity++", "WildMIDI"):
            value = ahead(peer)
            report.target(f"{set_name} at {rate} Hz: further ahead of {peer} than of FluidSynth",
                          f"{value:.1f}x" if value else "n/a", None if value is None or fluid is None else value > fluid)
    if micro_current:
        worst = max(micro_current.values())
        report.target("render loop: 0.5 ns per voice-sample or less (aim)", f"{worst:.3f} ns (slowest case)", worst <= 0.5)
    peak = max(r["current"]["rss_kib"] for r in results.values())
    report.target("peak memory of `tesalo render` under 16 MiB", f"{mib(peak)} MiB", peak < 16 * 1024)
    report.target("batch: -j 2 wall time at most 0.6 of -j 1", f"{batch_ratio:.2f}", batch_ratio <= 0.6)
    report.add("## Targets")
    report.add()
    report.table(["target", "measured", "verdict"], report.targets)
    load_after = os.getloadavg()
    report.add(f"Load average (1 min) {load_before[0]:.1f} at the start, {load_after[0]:.1f} at the end; "
               f"the run took {(time.monotonic() - started) / 60:.1f} min. Rerun with `make bench` "
               "(`BENCH_RUNS=5` for steadier medians, `BENCH_QUICK=1` for a short check).")

    Path(args.out).write_text("\n".join(report.lines) + "\n")
    # What the programs said on stderr stays for a look at any failure.
    shutil.copyfile(work / "stderr.log", build / "bench-stderr.log")
    shutil.rmtree(work, ignore_errors=True)
    log(f"written: {args.out}")
    print("\n".join(report.lines))


if __name__ == "__main__":
    main()
