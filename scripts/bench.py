#!/usr/bin/env python3
"""Benchmarks that keep the conversion engine honest about speed and memory.

Runs the command-line converter (tarvo-convert) and the floor program (tarvo-floor, the same
per-file work with bare library calls) on the same images and prints one table:

  * per job (JPEG, PNG, GIF, fit into 1280x720 + JPEG, PDF): the floor against the engine
    with one job; the engine should cost at most 5% more time than the floor;
  * for the JPEG and fit + JPEG jobs: the engine with --jobs 1 against --jobs 2; two jobs should
    take at most 0.6 of the time of one on two cores, and peak memory with N jobs should stay
    within N times the one-job peak plus 20%.

With --window it runs the window's engine instead (tarvo-bench-window: ImageConvertEngine in an
event loop, the window's default options) one file at a time against two at once, with the
same targets; the outputs of every run must be byte for byte those of the first one-at-a-time
run.
With --jp2, JPEG 2000 (lossless) jobs instead: the engine of today (a build given with
--jp2-before) against this one, one job each; this one with one job against two; and, when
opj_compress (libopenjp2-tools) is installed, OpenJPEG's own tool with two threads on the same
pixels (read from PPM/PAM copies made beforehand) against this one. Every output of this build
is decoded with opj_decompress and must give exactly the input's pixels.

The two sides of every comparison run paired and alternating (A B, B A, A B, ...), each run
into a fresh empty folder, so a slow drift of the machine hits both alike. Wall time is taken
around each child; peak memory is the child's own maximum resident set (os.wait4). The table
is a report, not a test: the script exits 0 whether the targets are met or not, and non-zero
only when a program is missing or a run fails.

With --before DIR it compares instead the converter of an older build (DIR, holding
cli/tarvo-convert) with this one on the chosen jobs, with one job and with two: what a change
costs, such as converting in sandboxed worker processes. This build should take at most
BEFORE_TARGET times the older one's time, or BEFORE_SMALL_TARGET on sets of small files (under
SMALL_FILE_KIB on average), where a fixed cost per file weighs most; outputs must be identical
(but for PDF, which dates its files).

With --decode-scale it compares instead the engine with resize at decode off (the environment
variable TARVO_NO_DECODE_SCALE=1, today's full decode) and on (the default), on resize jobs
that shrink JPEGs: time, CPU time, peak memory and the PSNR of every output against the full
decode's. Outputs must have the same names and pixel sizes, inputs that are not JPEGs must give
identical bytes, and no JPEG's PNG output may fall below PSNR_BOUND dB; otherwise the script
exits 1. A JPEG output differs from the full decode's by its encoder's own error too (30 to 33 dB
on photos at the default quality, however close the pixels), so there the bound is on what the
scale costs: the output's PSNR against the full decode's PNG may drop by at most LOSS_BOUND dB
from the full decode's JPEG's. PSNR comes from `gm compare -metric PSNR`.

Python 3 standard library only.
"""

import argparse
import hashlib
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

# (label, converter arguments); the same arguments go to both programs.
JOBS = [
    ("JPEG", ["--format", "jpeg"]),
    ("PNG", ["--format", "png"]),
    ("GIF", ["--format", "gif"]),
    ("fit 1280x720 + JPEG", ["--format", "jpeg", "--resize", "1280x720"]),
    ("PDF", ["--format", "pdf"]),
]
PARALLEL_JOBS = ["JPEG", "fit 1280x720 + JPEG"]
# The window engine's jobs for --window; tarvo-bench-window takes these arguments too.
WINDOW_JOBS = [("JPEG", ["--format", "jpeg"])]

ENGINE_TARGET = 1.05  # engine time / floor time, one job
JOBS2_TARGET = 0.6  # two-job time / one-job time, on two cores
MEMORY_SLACK = 1.20  # N-job peak <= N x one-job peak x this
BEFORE_TARGET = 1.05  # this build's time / the older build's, photographs
BEFORE_SMALL_TARGET = 1.15  # the same on small files
SMALL_FILE_KIB = 100

SUFFIX = {"jpeg": ".jpg", "gif": ".gif", "png": ".png", "pdf": ".pdf"}
IMAGE_SUFFIXES = {
    ".jpg", ".jpeg", ".png", ".gif", ".tif", ".tiff", ".bmp", ".webp", ".tga", ".pnm",
    ".ppm", ".pgm", ".jp2", ".j2k", ".psd",
}

# Sizes of the generated images: camera and screen sizes, all but one JPEG; one PNG keeps an
# alpha channel so that the flatten step is part of every job, one PNG is opaque.
FULL_SET = [
    (1680, 1050, "jpg"), (1920, 1080, "jpg"), (1920, 1200, "png"), (2048, 1536, "jpg"),
    (2560, 1440, "png-alpha"), (2560, 1600, "jpg"), (3000, 2000, "jpg"), (3264, 2448, "jpg"),
    (3840, 2160, "jpg"),
]
QUICK_SET = [(1024, 768, "jpg"), (1280, 800, "png-alpha"), (1440, 900, "jpg"), (1680, 1050, "jpg")]
# Bumped whenever the recipe below changes, so that cached images are made again.
RECIPE = "plasma+noise+blur v1"


def fail(message):
    print("bench.py: " + message, file=sys.stderr)
    sys.exit(2)


# ----------------------------------------------------------------------------------------
# Images


def gm(args):
    result = subprocess.run(["gm"] + args, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    if result.returncode != 0:
        fail("gm %s failed: %s" % (" ".join(args), result.stderr.decode(errors="replace")))


def make_image(path, width, height, kind, scratch):
    # Plasma alone is either white noise or, blurred, too smooth to cost an encoder what a photo
    # does; noise blurred together with it gives grain and soft edges, and JPEGs of about the
    # size a camera writes.
    size = "%dx%d" % (width, height)
    base = os.path.join(scratch, "base.miff")
    gm(["convert", "-size", size, "plasma:fractal", "+noise", "Gaussian", "-blur", "0x2",
        "-modulate", "105,150", "-depth", "8", base])
    if kind == "jpg":
        gm(["convert", base, "-quality", "92", path])
    elif kind == "png":
        gm(["convert", base, path])
    elif kind == "png-alpha":
        mask = os.path.join(scratch, "mask.miff")
        gm(["convert", "-size", size, "gradient:white-black", "-depth", "8", mask])
        gm(["composite", "-compose", "CopyOpacity", mask, base, "-depth", "8", path])
    else:
        raise ValueError(kind)


def generated_images(build_dir, quick):
    name = "quick" if quick else "full"
    image_set = QUICK_SET if quick else FULL_SET
    folder = os.path.join(build_dir, "bench-images", name)
    stamp = os.path.join(folder, "recipe.txt")
    paths = []
    for i, (width, height, kind) in enumerate(image_set):
        suffix = ".png" if kind.startswith("png") else ".jpg"
        paths.append(os.path.join(folder, "bench%02d-%dx%d%s" % (i + 1, width, height, suffix)))

    pixels = sum(width * height for width, height, _ in image_set)
    wanted = RECIPE + "\n" + repr(image_set) + "\n"
    try:
        with open(stamp) as f:
            if f.read() == wanted and all(os.path.isfile(p) for p in paths):
                return paths, pixels
    except OSError:
        pass

    if shutil.which("gm") is None:
        fail("the GraphicsMagick command 'gm' is needed to generate images (or pass --images)")
    if os.path.isdir(folder):
        shutil.rmtree(folder)
    os.makedirs(folder)
    print("Generating %d images into %s ..." % (len(paths), folder), flush=True)
    with tempfile.TemporaryDirectory(dir=folder) as scratch:
        for path, (width, height, kind) in zip(paths, image_set):
            partial = os.path.join(scratch, os.path.basename(path))
            make_image(partial, width, height, kind, scratch)
            os.replace(partial, path)
    with open(stamp, "w") as f:
        f.write(wanted)
    return paths, pixels


def folder_images(folder):
    if not os.path.isdir(folder):
        fail("no such folder: %s" % folder)
    paths = []
    for name in sorted(os.listdir(folder)):
        path = os.path.join(folder, name)
        if os.path.isfile(path) and os.path.splitext(name)[1].lower() in IMAGE_SUFFIXES:
            paths.append(os.path.abspath(path))
    if not paths:
        fail("no images in %s" % folder)
    return paths


# ----------------------------------------------------------------------------------------
# Running


class Sample:
    def __init__(self, seconds, cpu, peak_kib, outputs):
        self.seconds = seconds
        self.cpu = cpu
        self.peak_kib = peak_kib
        self.outputs = outputs  # name -> (size, SHA-256 of the content)


class Side:
    """One program with its arguments: the floor, the engine with one job, or with two."""

    def __init__(self, name, command, tool=False):
        self.name = name
        self.command = command
        self.tool = tool  # a reference tool's loop: takes the output folder, then its inputs
        self.samples = []

    def median(self):
        return statistics.median(s.seconds for s in self.samples)

    def cpu_median(self):
        return statistics.median(s.cpu for s in self.samples)

    def peak_mib(self):
        return max(s.peak_kib for s in self.samples) / 1024.0


class RunFailed(Exception):
    pass


def run_child(command, out_dir, env):
    with tempfile.TemporaryFile() as errors:
        start = time.perf_counter()
        child = subprocess.Popen(command, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                 stderr=errors, env=env)
        # wait4 rather than wait(): the rusage it returns is this child's alone.
        _, status, usage = os.wait4(child.pid, 0)
        seconds = time.perf_counter() - start
        child.returncode = os.waitstatus_to_exitcode(status)
        if child.returncode != 0:
            errors.seek(0)
            text = errors.read().decode(errors="replace").strip()
            raise RunFailed("%s exited with %d%s" % (
                os.path.basename(command[0]), child.returncode,
                (":\n    " + "\n    ".join(text.splitlines()[-5:])) if text else ""))
    outputs = {}
    for name in os.listdir(out_dir):
        with open(os.path.join(out_dir, name), "rb") as f:
            data = f.read()
        outputs[name] = (len(data), hashlib.sha256(data).digest())
    return Sample(seconds, usage.ru_utime + usage.ru_stime, usage.ru_maxrss, outputs)


def measure(sides, rounds, files, scratch, env, verbose):
    """Runs the two sides alternating, A B B A A B ..., each into a fresh empty folder."""
    for r in range(rounds):
        order = sides if r % 2 == 0 else list(reversed(sides))
        for side in order:
            out_dir = tempfile.mkdtemp(prefix="out-", dir=scratch)
            try:
                command = side.command + ["--output", out_dir] + files
                sample = run_child(command, out_dir, env)
            finally:
                shutil.rmtree(out_dir, ignore_errors=True)
            side.samples.append(sample)
            if verbose:
                print(" %s %.3fs %.0fMiB" % (side.name, sample.seconds, sample.peak_kib / 1024.0),
                      end="", flush=True)
        if not verbose:
            print(".", end="", flush=True)


def expected_outputs(files, suffix, numbered):
    """Names the outputs of files get: the base name up to its first dot plus the suffix; the
    converter numbers clashing names, the floor replaces them."""
    names = []
    for path in files:
        base = os.path.basename(path).split(".", 1)[0]
        name = base + suffix
        n = 0
        while name in names:
            if not numbered:
                break
            n += 1
            name = "%s_%d%s" % (base, n, suffix)
        if name not in names:
            names.append(name)
    return sorted(names)


def check_outputs(side, files, suffix):
    """Whether every run of side wrote exactly the expected files, none of them empty."""
    want = expected_outputs(files, suffix, numbered=(side.name != "floor"))
    for sample in side.samples:
        written = [name for name in want if sample.outputs.get(name, (0,))[0] > 0]
        if sorted(sample.outputs) != want or len(written) != len(want):
            return "%s wrote %d of %d expected files" % (
                side.name, len(written), len(want)), False
    return "%d written" % len(want), True


def compare_outputs(a, b, files, suffix):
    """How close the two sides' outputs are: identical bytes, or the largest size difference."""
    problems = []
    for side in (a, b):
        text, complete = check_outputs(side, files, suffix)
        if not complete:
            problems.append(text)
    if problems:
        return "; ".join(problems), False
    first_a = a.samples[0].outputs
    first_b = b.samples[0].outputs
    # Where inputs share a base name the floor keeps only the last one's output under it.
    bases = [os.path.basename(path).split(".", 1)[0] for path in files]
    unique = {base + suffix for base in bases if bases.count(base) == 1}
    common = sorted(set(first_a) & set(first_b) & unique)
    if not common:
        return "not compared", True
    same = sum(1 for name in common if first_a[name] == first_b[name])
    if same == len(common):
        return "%d/%d identical" % (same, len(common)), True
    worst = max(abs(first_a[n][0] - first_b[n][0]) / first_a[n][0] for n in common)
    return "%d/%d identical, size diff <= %.1f%%" % (same, len(common), 100 * worst), True


def window_plans(program):
    """The window's engine one file at a time against two at once, for each window job."""
    plans = []
    for label, job_args in WINDOW_JOBS:
        sides = [Side("window 1", [program, "--jobs", "1"] + job_args),
                 Side("window 2", [program, "--jobs", "2"] + job_args)]
        plans.append((label, "window 1 / 2 at once", job_args, sides))
    return plans


def same_outputs(a, b, files, suffix):
    """Whether every run of both sides wrote the names and bytes of a's first run: several
    files at once must plan names as one after the other does, and write the same."""
    text, complete = check_outputs(a, files, suffix)
    if not complete:
        return text, False
    first = a.samples[0].outputs
    differing = sum(1 for side in (a, b) for sample in side.samples if sample.outputs != first)
    if differing:
        return "%d of %d runs differ from the first" % (
            differing, len(a.samples) + len(b.samples)), False
    return "%d identical in every run" % len(first), True


# ----------------------------------------------------------------------------------------
# Report


def attempt(label, kind, rows, notes, run):
    """Runs one comparison with its progress on the terminal; when a run fails, records a
    FAILED row and the reason and returns False."""
    print("%-20s %-16s" % (label, kind), end=" ", flush=True)
    try:
        run()
    except RunFailed as e:
        print(" failed")
        notes.append("%s, %s: %s" % (label, kind, e))
        rows.append([label, kind, "-", "-", "-", "-", "-", "FAILED", "", ""])
        return False
    print(" done")
    return True


def mark(ok):
    return "PASS" if ok else "MISS"


def print_rows(header, rows, right):
    """The header, a rule and the rows in columns as wide as their widest cell; the columns
    numbered in right are aligned to the right. A blank line before and after."""
    cells = [header] + rows
    widths = [max(len(str(row[i])) for row in cells) for i in range(len(header))]

    def line(row):
        return "  ".join(str(c).rjust(widths[i]) if i in right else str(c).ljust(widths[i])
                         for i, c in enumerate(row)).rstrip()

    print()
    print(line(header))
    print("  ".join("-" * w for w in widths))
    for row in rows:
        print(line(row))
    print()


TABLE_HEADER = ["job", "A / B", "A med s", "B med s", "B/A", "CPU A/B s", "peak RSS A/B MiB",
                "time", "memory", "outputs"]


def print_table(rows, cores, notes):
    print_rows(TABLE_HEADER, rows, right={2, 3, 4, 5, 6})
    print("Targets (a report, not an assertion):")
    print("  floor / engine:  engine median <= %.2f x floor median, one job each"
          % ENGINE_TARGET)
    print("  jobs 1 / jobs 2: jobs 2 median <= %.1f x jobs 1 median on 2 cores (this machine: %d)"
          % (JOBS2_TARGET, cores))
    print("                   peak RSS with N jobs <= N x one-job peak x %.2f (N = 2)"
          % MEMORY_SLACK)
    print("  med = median wall time over the rounds; CPU = median user+system time; peak RSS = "
          "largest over the rounds")
    for note in notes:
        print("  note: " + note)


# ----------------------------------------------------------------------------------------
# Resize at decode

DECODE_SCALE_JOBS = [
    ("fit 640x480 + JPEG", ["--format", "jpeg", "--resize", "640x480"]),
    ("fit 640x480 + PNG", ["--format", "png", "--resize", "640x480"]),
    ("1/4 + JPEG", ["--format", "jpeg", "--scale", "-4"]),
    ("fit 320x240 + JPEG, Lanczos", ["--format", "jpeg", "--resize", "320x240",
                                     "--resize-operator", "optimization"]),
]
DECODE_SCALE_TARGET = 0.6  # at-scale time / full-decode time, fit 640x480 + JPEG
PSNR_BOUND = 40.0  # dB, every JPEG input's lossless output against the full decode's
LOSS_BOUND = 0.5  # dB, lossy outputs: PSNR lost against the full decode's lossless pixels
NO_DECODE_SCALE = "TARVO_NO_DECODE_SCALE"


def gm_text(args):
    result = subprocess.run(["gm"] + args, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    if result.returncode != 0:
        raise RunFailed("gm %s failed: %s" % (" ".join(args[:2]),
                                               result.stderr.decode(errors="replace").strip()))
    return result.stdout.decode(errors="replace")


def psnr(a, b):
    """PSNR of two images over all channels, in dB; inf when they are the same."""
    for line in gm_text(["compare", "-metric", "PSNR", a, b]).splitlines():
        parts = line.split()
        if parts and parts[0] == "Total:":
            return float("inf") if parts[1] == "inf" else float(parts[1])
    raise RunFailed("gm compare printed no PSNR for %s" % os.path.basename(a))


def is_jpeg(path):
    with open(path, "rb") as f:
        return f.read(2) == b"\xff\xd8"


def compare_decode_scale(full_dir, scaled_dir, files, suffix, reference_dir=None):
    """Whether the at-scale outputs match the full decode's as stated: same names and sizes,
    identical bytes for inputs that are not JPEGs, PSNR >= PSNR_BOUND for the rest, or for a
    lossy output with the full decode's PNG outputs in reference_dir, at most LOSS_BOUND dB
    less PSNR against them. Returns (text, worst PSNR, worst loss, ok)."""
    names = expected_outputs(files, suffix, numbered=True)
    jpeg_outputs = set()
    for path in files:
        if is_jpeg(path):
            jpeg_outputs.add(os.path.basename(path).split(".", 1)[0] + suffix)
    problems = []
    worst = (float("inf"), "")
    worst_loss = 0.0
    for name in names:
        a, b = os.path.join(full_dir, name), os.path.join(scaled_dir, name)
        if not (os.path.isfile(a) and os.path.isfile(b)):
            problems.append("%s missing" % name)
            continue
        size_a = gm_text(["identify", "-format", "%wx%h\n", a]).split()[0]
        size_b = gm_text(["identify", "-format", "%wx%h\n", b]).split()[0]
        if size_a != size_b:
            problems.append("%s is %s, not %s" % (name, size_b, size_a))
            continue
        if name not in jpeg_outputs:
            with open(a, "rb") as fa, open(b, "rb") as fb:
                if fa.read() != fb.read():
                    problems.append("%s (not from a JPEG) differs" % name)
            continue
        value = psnr(a, b)
        worst = min(worst, (value, name))
        if reference_dir is None:
            if value < PSNR_BOUND:
                problems.append("%s at %.1f dB" % (name, value))
            continue
        reference = os.path.join(reference_dir, os.path.splitext(name)[0] + ".png")
        loss = psnr(a, reference) - psnr(b, reference)
        worst_loss = max(worst_loss, loss)
        if loss > LOSS_BOUND:
            problems.append("%s loses %.2f dB" % (name, loss))
    if problems:
        return "; ".join(problems), worst, worst_loss, False
    if reference_dir is None:
        text = "%d same size, %d JPEGs >= %.0f dB" % (len(names), len(jpeg_outputs), PSNR_BOUND)
    else:
        text = "%d same size, %d JPEGs lose <= %.1f dB" % (
            len(names), len(jpeg_outputs), LOSS_BOUND)
    return text, worst, worst_loss, True


def decode_scale_rows(engine, files, rounds, scratch, env, verbose):
    """Full decode against resize at decode on each job; returns (rows, notes, failed)."""
    rows, notes, failed = [], [], False
    full_env = dict(env)
    full_env[NO_DECODE_SCALE] = "1"
    scaled_env = dict(env)
    scaled_env.pop(NO_DECODE_SCALE, None)
    for label, job_args in DECODE_SCALE_JOBS:
        print("%-28s full / at scale " % label, end=" ", flush=True)
        suffix = SUFFIX[job_args[job_args.index("--format") + 1]]
        command = [engine, "--jobs", "1"] + job_args
        sides = [(Side("full", command), full_env), (Side("at scale", command), scaled_env)]
        kept = {}
        try:
            for r in range(rounds):
                for side, side_env in (sides if r % 2 == 0 else list(reversed(sides))):
                    out_dir = tempfile.mkdtemp(prefix="out-", dir=scratch)
                    sample = run_child(command + ["--output", out_dir] + files, out_dir,
                                       side_env)
                    side.samples.append(sample)
                    # The first run of each side is kept to compare its pixels.
                    if side.name not in kept:
                        kept[side.name] = out_dir
                    else:
                        shutil.rmtree(out_dir, ignore_errors=True)
                    if verbose:
                        print(" %s %.3fs %.2fcpu %.0fMiB" % (
                            side.name, sample.seconds, sample.cpu, sample.peak_kib / 1024.0),
                            end="", flush=True)
                if not verbose:
                    print(".", end="", flush=True)
            reference = None
            if suffix != ".png":
                # The full decode's pixels before a lossy encoder: one more run, untimed.
                reference = tempfile.mkdtemp(prefix="ref-", dir=scratch)
                kept["reference"] = reference
                png = list(job_args)
                png[png.index("--format") + 1] = "png"
                run_child([engine, "--jobs", "1"] + png + ["--output", reference] + files,
                          reference, full_env)
            outputs, worst, loss, ok = compare_decode_scale(
                kept["full"], kept["at scale"], files, suffix, reference)
        except RunFailed as e:
            print(" failed")
            notes.append("%s: %s" % (label, e))
            rows.append([label, "-", "-", "-", "-", "-", "-", "FAILED", "", "", ""])
            failed = True
            continue
        finally:
            for out_dir in kept.values():
                shutil.rmtree(out_dir, ignore_errors=True)
        print(" done")
        a, b = sides[0][0], sides[1][0]
        ratio = b.median() / a.median()
        time_mark = mark(ratio <= DECODE_SCALE_TARGET) if label == DECODE_SCALE_JOBS[0][0] else "-"
        failed = failed or not ok
        worst_text = "inf" if worst[0] == float("inf") else "%.1f %s" % worst
        rows.append([label, "%.2f" % a.median(), "%.2f" % b.median(), "%.3f" % ratio,
                     "%.2f/%.2f" % (a.cpu_median(), b.cpu_median()),
                     "%.3f" % (b.cpu_median() / a.cpu_median()),
                     "%.0f/%.0f" % (a.peak_mib(), b.peak_mib()), time_mark, worst_text,
                     "%.2f" % loss if suffix != ".png" else "-", outputs])
    return rows, notes, failed


def print_decode_scale_table(rows, notes):
    header = ["job", "full s", "scaled s", "time ratio", "CPU full/scaled s", "CPU ratio",
              "peak RSS MiB", "time", "worst PSNR dB", "loss dB", "outputs"]
    print_rows(header, rows, right={1, 2, 3, 4, 5, 6, 9})
    print("Full = %s=1 (every JPEG decoded whole); scaled = resize at decode (the default)."
          % NO_DECODE_SCALE)
    print("Target (a report): fit 640x480 + JPEG at scale <= %.1f x the full decode's median "
          "time, --jobs 1." % DECODE_SCALE_TARGET)
    print("Checked (exit 1 when not): same output names and pixel sizes, identical bytes for "
          "inputs that are not JPEGs;")
    print("  PNG output: PSNR against the full decode's >= %.0f dB for every JPEG input;"
          % PSNR_BOUND)
    print("  JPEG output: PSNR against the full decode's PNG (its pixels before the encoder) "
          "drops by <= %.1f dB" % LOSS_BOUND)
    print("  from the full decode's JPEG's (loss dB, worst); worst PSNR dB is output against "
          "output.")
    for note in notes:
        print("  note: " + note)
# JPEG 2000

JP2_TARGET = 0.75  # this build's time / today's, one job
JP2_PEAK_MIB = 200  # one job's peak resident memory on the photo set


def opj_inputs(files, folder):
    """Copies of the inputs that opj_compress reads, in the pixels the converter starts from:
    PPM (8 or 16 bits) for opaque images, PAM for those with alpha."""
    paths = []
    for i, path in enumerate(files):
        stem = "%02d-%s" % (i, os.path.basename(path).split(".", 1)[0])
        probe = subprocess.run(["gm", "identify", "-format", "%A %q", path],
                               capture_output=True, text=True)
        alpha = probe.stdout.split()[:1] == ["True"] if probe.returncode == 0 else False
        target = os.path.join(folder, stem + (".pam" if alpha else ".ppm"))
        gm(["convert", path, target])
        paths.append(target)
    return paths


def opj_command(inputs):
    """One command that encodes every input losslessly with two threads, into $1."""
    script = ('out="$1"; shift; for f; do b=$(basename "$f"); '
              'opj_compress -threads 2 -i "$f" -o "$out/${b%.*}.jp2" >/dev/null || exit 1; done')
    return ["sh", "-c", script, "opj"], inputs


def run_opj(side, inputs, rounds_done, scratch, env):
    out_dir = tempfile.mkdtemp(prefix="out-", dir=scratch)
    try:
        sample = run_child(side.command + [out_dir] + inputs, out_dir, env)
    finally:
        shutil.rmtree(out_dir, ignore_errors=True)
    side.samples.append(sample)


def measure_jp2(sides, rounds, files, opj_files, scratch, env, verbose):
    """Like measure(), but a reference tool's side takes its own inputs and output argument."""
    for r in range(rounds):
        order = sides if r % 2 == 0 else list(reversed(sides))
        for side in order:
            if side.tool:
                run_opj(side, opj_files, r, scratch, env)
            else:
                out_dir = tempfile.mkdtemp(prefix="out-", dir=scratch)
                try:
                    side.samples.append(run_child(side.command + ["--output", out_dir] + files,
                                                  out_dir, env))
                finally:
                    shutil.rmtree(out_dir, ignore_errors=True)
            if verbose:
                s = side.samples[-1]
                print(" %s %.3fs %.0fMiB" % (side.name, s.seconds, s.peak_kib / 1024.0),
                      end="", flush=True)
        if not verbose:
            print(".", end="", flush=True)


def jp2_pixels_match(engine, files, scratch, env):
    """Converts once more (untimed) and decodes every output with opj_decompress: each must
    give exactly the input's pixels. Returns (text, ok)."""
    if shutil.which("opj_decompress") is None:
        return "opj_decompress missing: pixels not checked", False
    out_dir = tempfile.mkdtemp(prefix="pixels-", dir=scratch)
    try:
        run_child([engine, "--jobs", "1", "--format", "jp2", "--keep-transparency",
                   "--output", out_dir] + files, out_dir, env)
        bad = []
        for path in files:
            base = os.path.basename(path).split(".", 1)[0]
            encoded = os.path.join(out_dir, base + ".jp2")
            decoded = os.path.join(out_dir, base + "-decoded.png")
            result = subprocess.run(["opj_decompress", "-i", encoded, "-o", decoded],
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            if result.returncode != 0:
                bad.append(base + " (no decode)")
                continue
            compare = subprocess.run(["gm", "compare", "-metric", "MAE", path, decoded],
                                     capture_output=True, text=True)
            total = [line for line in compare.stdout.splitlines()
                     if line.strip().startswith("Total:")]
            if compare.returncode != 0 or not total or float(total[0].split()[-1]) != 0.0:
                bad.append(base)
        if bad:
            return "pixels differ: " + ", ".join(bad), False
        return "%d/%d decode to the input pixels" % (len(files), len(files)), True
    except RunFailed as e:
        return "pixel run failed: %s" % e, False
    finally:
        shutil.rmtree(out_dir, ignore_errors=True)


def run_jp2(args, build, files, rounds, env):
    engine = os.path.join(build, "cli", "tarvo-convert")
    if not os.access(engine, os.X_OK):
        fail("--jp2 needs %s" % engine)
    before = None
    if args.jp2_before:
        before = os.path.join(os.path.abspath(args.jp2_before), "cli", "tarvo-convert")
        if not os.access(before, os.X_OK):
            fail("--jp2-before: %s not found" % before)
    have_opj = shutil.which("opj_compress") is not None and shutil.which("gm") is not None
    cores = os.cpu_count() or 1
    job = ["--format", "jp2", "--keep-transparency"]
    notes = []
    rows = []
    failed = False
    scratch = tempfile.mkdtemp(prefix="bench-jp2-", dir=build)
    try:
        opj_files = opj_inputs(files, tempfile.mkdtemp(dir=scratch)) if have_opj else []
        plans = []
        if before:
            plans.append(("JPEG 2000", "today / this", [
                Side("today", [before, "--jobs", "1"] + job),
                Side("this", [engine, "--jobs", "1"] + job)]))
        else:
            notes.append("no --jp2-before build: today's engine not compared")
        plans.append(("JPEG 2000", "jobs 1 / jobs 2", [
            Side("jobs 1", [engine, "--jobs", "1"] + job),
            Side("jobs 2", [engine, "--jobs", "2"] + job)]))
        if have_opj:
            command, _ = opj_command(opj_files)
            plans.append(("JPEG 2000", "opj 2 thr / this", [
                Side("opj_compress", command, tool=True),
                Side("this", [engine, "--jobs", "1"] + job)]))
        else:
            notes.append("opj_compress (libopenjp2-tools) or gm missing: no comparison with it")

        for label, kind, sides in plans:
            if not attempt(label, kind, rows, notes, lambda: measure_jp2(
                    sides, rounds, files, opj_files, scratch, env, args.verbose)):
                failed = True
                continue
            a, b = sides
            ratio = b.median() / a.median()
            if kind.startswith("today"):
                outputs, complete = compare_outputs(a, b, files, ".jp2")
                time_mark = mark(ratio <= JP2_TARGET)
                memory_mark = mark(b.peak_mib() <= JP2_PEAK_MIB)
            elif kind.startswith("jobs"):
                outputs, complete = compare_outputs(a, b, files, ".jp2")
                time_mark = mark(ratio <= JOBS2_TARGET)
                memory_mark = mark(b.peak_mib() <= 2 * a.peak_mib() * MEMORY_SLACK)
            else:
                outputs, complete = check_outputs(b, files, ".jp2")
                time_mark, memory_mark = mark(ratio <= 1.0), "-"
            failed = failed or not complete
            rows.append([label, kind, "%.2f" % a.median(), "%.2f" % b.median(), "%.3f" % ratio,
                         "%.2f/%.2f" % (a.cpu_median(), b.cpu_median()),
                         "%.0f/%.0f" % (a.peak_mib(), b.peak_mib()), time_mark, memory_mark,
                         outputs])

        pixels, exact = jp2_pixels_match(engine, files, scratch, env)
        failed = failed or not exact
        notes.append("this build's outputs: " + pixels)
    finally:
        shutil.rmtree(scratch, ignore_errors=True)

    notes.append("load average at the end: %.2f (1 min)" % os.getloadavg()[0])
    print_table(rows, cores, [])
    print("JPEG 2000 targets (a report, not an assertion):")
    print("  today / this:     this median <= %.2f x today's median, one job; this build's peak "
          "RSS <= %d MiB" % (JP2_TARGET, JP2_PEAK_MIB))
    print("  opj 2 thr / this: this (one job, the cores it finds free) faster than opj_compress "
          "-threads 2, one process per file, on PPM/PAM copies")
    for note in notes:
        print("  note: " + note)
    return 1 if failed else 0


# --modern: our encoders against the reference ones on the same inputs, one file at a time,
# with the same settings and as many threads ({threads}: the cores, which one job of ours
# gives its codec). Each reference runs as a shell loop over the inputs,
# "$f" the input and "$o" the output without its suffix.
MODERN = [
    ("WebP", ["--format", "webp"], "vips",
     'vips copy "$f" "$o.webp[Q=75,effort=4]"'),
    ("WebP", ["--format", "webp"], "cwebp",
     'cwebp -quiet -q 75 -m 4 "$f" -o "$o.webp"'),
    ("AVIF", ["--format", "avif"], "avifenc",
     'avifenc -j {threads} -s 6 --min 25 --max 25 --minalpha 25 --maxalpha 25 -y 420 "$f" "$o.avif"'),
    ("JPEG XL", ["--format", "jxl"], "cjxl",
     'cjxl -q 90 -e 7 --num_threads={threads} --lossless_jpeg=0 "$f" "$o.jxl"'),
]


def tool_loop(template, name):
    script = ('out="$1"; shift; for f; do b=$(basename "$f"); o="$out/${b%%.*}"; '
              + template + ' >/dev/null 2>&1 || exit 1; done')
    return ["sh", "-c", script, name]


def run_modern(args, build, files, rounds, env):
    engine = os.path.join(build, "cli", "tarvo-convert")
    if not os.access(engine, os.X_OK):
        fail("--modern needs %s" % engine)
    # With one job our codecs take every core; so do the tools that can.
    threads = str(os.cpu_count() or 1)
    rows = []
    notes = []
    failed = False
    scratch = tempfile.mkdtemp(prefix="bench-modern-", dir=build)
    try:
        for label, job, tool, template in MODERN:
            if shutil.which(tool) is None:
                notes.append("%s not installed: %s not compared with it" % (tool, label))
                continue
            sides = [Side(tool, tool_loop(template.replace("{threads}", threads), tool), tool=True),
                     Side("this", [engine, "--jobs", "1"] + job)]
            if not attempt(label, tool + " / this", rows, notes, lambda: measure_jp2(
                    sides, rounds, files, files, scratch, env, args.verbose)):
                failed = True
                continue
            a, b = sides
            ratio = b.median() / a.median()
            outputs, complete = check_outputs(b, files, "." + job[1])
            failed = failed or not complete
            rows.append([label, tool + " / this", "%.2f" % a.median(), "%.2f" % b.median(),
                         "%.3f" % ratio, "%.2f/%.2f" % (a.cpu_median(), b.cpu_median()),
                         "%.0f/%.0f" % (a.peak_mib(), b.peak_mib()), mark(ratio <= 1.0), "-",
                         outputs])
    finally:
        shutil.rmtree(scratch, ignore_errors=True)
    print_rows(TABLE_HEADER, rows, right={2, 3, 4, 5, 6})
    print("Targets (a report, not an assertion): this no slower than the reference tool, one")
    print("  file at a time, same quality, effort and threads; the tool starts once per file.")
    for note in notes:
        print("  note: " + note)
    return 1 if failed else 0


# ---------------------------------------------------------------------------------------------
# Scripts and clusters: what one process costs to start, many small files, and two processes
# on one machine.

STARTUP_TARGET = 1.5  # one-file run / gm convert of the same file
SMALL_TARGET = 0.9  # 300 icons: this / the floor running the same options
SMALL_CPU_TARGET = 1.2  # CPU time / wall time of the small-files run, per job


def small_icons(build):
    """300 PNG icons with transparency, 16 to 64 pixels, made once."""
    folder = os.path.join(build, "bench-images", "icons")
    paths = [os.path.join(folder, "icon%03d.png" % i) for i in range(300)]
    if all(os.path.isfile(p) for p in paths):
        return paths
    os.makedirs(folder, exist_ok=True)
    print("Generating 300 icons into %s ..." % folder, flush=True)
    for i, path in enumerate(paths):
        side = 16 + (i % 4) * 16
        gm(["convert", "-size", "%dx%d" % (side, side),
            "gradient:#%02x4080-#20%02xc0" % (i % 256, (i * 7) % 256), "-matte",
            "-fill", "#00000000", "-draw", "circle %d,%d %d,0" % (side // 2, side // 2, side // 4),
            path])
    return paths


def best_of(rounds, command, out_dir, env):
    """The fastest of rounds runs (wall seconds, CPU seconds), each into an empty folder."""
    best = None
    for _ in range(rounds):
        shutil.rmtree(out_dir, ignore_errors=True)
        os.makedirs(out_dir)
        sample = run_child(command, out_dir, env)
        if best is None or sample.seconds < best[0]:
            best = (sample.seconds, sample.cpu)
    return best


def run_scripts(args, build, rounds, env):
    engine = os.path.join(build, "cli", "tarvo-convert")
    floor = os.path.join(build, "bench", "tarvo-floor")
    for program in (engine, floor):
        if not os.access(program, os.X_OK):
            fail("--scripts needs %s" % program)
    if shutil.which("gm") is None:
        fail("--scripts needs the GraphicsMagick command 'gm'")
    rounds = max(rounds, 10)
    scratch = tempfile.mkdtemp(prefix="bench-scripts-", dir=build)
    out = os.path.join(scratch, "out")
    failed = False
    try:
        icons = small_icons(build)
        photo = generated_images(build, True)[0][0]
        one = icons[0]
        print("Start-up, best of %d (ms)" % rounds)
        rows = []
        for label, ours, theirs in [
                ("--help / gm version", [engine, "--help"], ["gm", "version"]),
                ("one icon to JPEG", [engine, "--output", out, one],
                 ["gm", "convert", one, os.path.join(out, "x.jpg")]),
                ("one photo to JPEG", [engine, "--output", out, photo],
                 ["gm", "convert", photo, os.path.join(out, "x.jpg")])]:
            a = best_of(rounds, theirs, out, env)[0]
            b = best_of(rounds, ours, out, env)[0]
            ok = label == "--help / gm version" or b / a <= STARTUP_TARGET
            failed = failed or not ok
            rows.append([label, "%.1f" % (a * 1000), "%.1f" % (b * 1000), "%.2f" % (b / a),
                         mark(ok)])
        print_rows(["job", "gm ms", "this ms", "this/gm", "target"], rows, right={1, 2, 3})

        print("\n300 icons to JPEG, best of %d (s; CPU s)" % (rounds // 2))
        rows = []
        mogrify_dir = os.path.join(scratch, "mogrify")
        mogrify = ["sh", "-c", 'cp "$@" "%s" && cd "%s" && gm mogrify -format jpg *.png'
                   % (mogrify_dir, mogrify_dir), "gm"] + icons
        sides = [("gm mogrify", mogrify, mogrify_dir),
                 ("floor", [floor, "--format", "jpeg", "--output", out] + icons, out),
                 ("this, 1 job", [engine, "--jobs", "1", "--output", out] + icons, out),
                 ("this", [engine, "--output", out] + icons, out)]
        times = {}
        for label, command, folder in sides:
            wall, cpu = best_of(rounds // 2, command, folder, env)
            times[label] = wall
            rows.append([label, "%.3f" % wall, "%.3f" % cpu, "%.2f" % (cpu / wall)])
        ratio = times["this"] / times["floor"]
        failed = failed or ratio > SMALL_TARGET
        print_rows(["side", "wall s", "CPU s", "CPU/wall"], rows, right={1, 2, 3})
        print("  this / floor: %.2f (target %.2f) %s" % (ratio, SMALL_TARGET,
                                                          mark(ratio <= SMALL_TARGET)))

        print("\nTwo processes side by side, each --jobs 1 on half the icons and a photo (s)")
        halves = [icons[:150] + [photo], icons[150:] + [photo]]
        commands = [[engine, "--jobs", "1", "--output", os.path.join(scratch, "half%d" % i)]
                    + half for i, half in enumerate(halves)]
        alone = []
        for i, command in enumerate(commands):
            alone.append(best_of(3, command, os.path.join(scratch, "half%d" % i), env)[0])
        together = None
        for _ in range(3):
            for i in range(2):
                shutil.rmtree(os.path.join(scratch, "half%d" % i), ignore_errors=True)
                os.makedirs(os.path.join(scratch, "half%d" % i))
            start = time.perf_counter()
            children = [subprocess.Popen(c, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                         stderr=subprocess.DEVNULL, env=env) for c in commands]
            for child in children:
                if child.wait() != 0:
                    raise RunFailed("a side-by-side run failed")
            seconds = time.perf_counter() - start
            together = seconds if together is None else min(together, seconds)
        slower = together / max(alone)
        print_rows(["", "s"], [["first alone", "%.2f" % alone[0]],
                               ["second alone", "%.2f" % alone[1]],
                               ["both at once", "%.2f" % together],
                               ["both / the slower alone", "%.2f" % slower]], right={1})
        print("  Two processes on %d cores share them; each alone may use them all. Both at"
              % (os.cpu_count() or 1))
        print("  once should take no more than about twice the slower one alone on one core.")
    except RunFailed as error:
        print("failed: %s" % error)
        failed = True
    finally:
        shutil.rmtree(scratch, ignore_errors=True)
    return 1 if failed else 0


def main():
    parser = argparse.ArgumentParser(
        description="Time and memory of the converter against the bare-library floor.")
    parser.add_argument("folder", nargs="?", help="folder of input images (default: generated)")
    parser.add_argument("--images", metavar="DIR", help="folder of input images")
    parser.add_argument("--build", metavar="DIR", default="build",
                        help="build directory holding bench/tarvo-floor and cli/tarvo-convert "
                             "(default: ./build)")
    parser.add_argument("--rounds", type=int, help="runs of each side per comparison "
                        "(default 5, 2 with --quick)")
    parser.add_argument("--jobs-only", action="store_true",
                        help="only compare --jobs 1 with --jobs 2")
    parser.add_argument("--window", action="store_true",
                        help="only compare the window's engine one file at a time with two at "
                             "once (bench/tarvo-bench-window)")
    parser.add_argument("--only", metavar="JOBS",
                        help="comma-separated jobs to run: jpeg, png, gif, fit, pdf "
                             "(default: all)")
    parser.add_argument("--quick", action="store_true",
                        help="2 rounds and 4 smaller generated images")
    parser.add_argument("--verbose", action="store_true", help="print every run's time")
    parser.add_argument("--decode-scale", action="store_true",
                        help="only compare resize at decode off and on, with PSNR")
    parser.add_argument("--jp2", action="store_true",
                        help="JPEG 2000 jobs only: today's engine, this one, two jobs and "
                             "opj_compress with two threads")
    parser.add_argument("--before", metavar="DIR",
                        help="compare an older build's converter (DIR/cli/tarvo-convert) with "
                             "this one, one job and two")
    parser.add_argument("--modern", action="store_true",
                        help="WebP, AVIF and JPEG XL against vips/cwebp, avifenc and cjxl, "
                             "one job, same settings")
    parser.add_argument("--scripts", action="store_true",
                        help="start-up against gm, 300 icons against the floor and gm mogrify, "
                             "two processes side by side")
    parser.add_argument("--jp2-before", metavar="DIR",
                        help="with --jp2: build directory of today's engine to compare with")
    args = parser.parse_args()

    if args.folder and args.images:
        parser.error("give the image folder either as an argument or with --images")
    jobs = JOBS
    if args.only:
        wanted = [name.strip().lower() for name in args.only.split(",") if name.strip()]
        known = {label.split()[0].lower(): label for label, _ in JOBS}
        unknown = [name for name in wanted if name not in known]
        if unknown:
            parser.error("--only: unknown job %s (known: %s)" % (
                ", ".join(unknown), ", ".join(known)))
        jobs = [job for job in JOBS if job[0].split()[0].lower() in wanted]
    rounds = args.rounds if args.rounds is not None else (2 if args.quick else 5)
    if rounds < 1:
        parser.error("--rounds must be at least 1")

    build = os.path.abspath(args.build)
    if args.scripts:
        env = dict(os.environ)
        env.setdefault("QT_QPA_PLATFORM", "offscreen")
        return run_scripts(args, build, rounds, env)
    if args.modern:
        image_dir = args.folder or args.images
        files = folder_images(image_dir) if image_dir else generated_images(build, args.quick)[0]
        env = dict(os.environ)
        env.setdefault("QT_QPA_PLATFORM", "offscreen")
        return run_modern(args, build, files, rounds, env)
    if args.jp2:
        image_dir = args.folder or args.images
        if image_dir:
            files = folder_images(image_dir)
        else:
            files, _ = generated_images(build, args.quick)
        env = dict(os.environ)
        env.setdefault("QT_QPA_PLATFORM", "offscreen")
        print("%d images, %.1f MiB; %d rounds; %d cores; load %.2f" % (
            len(files), sum(os.path.getsize(p) for p in files) / 1048576.0, rounds,
            os.cpu_count() or 1, os.getloadavg()[0]), flush=True)
        return run_jp2(args, build, files, rounds, env)
    floor = os.path.join(build, "bench", "tarvo-floor")
    engine = os.path.join(build, "cli", "tarvo-convert")
    have_floor = os.access(floor, os.X_OK)
    have_engine = os.access(engine, os.X_OK)
    window = os.path.join(build, "bench", "tarvo-bench-window")
    if args.window and not os.access(window, os.X_OK):
        fail("%s not found; build the tarvo-bench-window target first" % window)
    if (args.jobs_only or args.decode_scale) and not have_engine:
        fail("--jobs-only and --decode-scale need %s" % engine)
    if args.decode_scale and shutil.which("gm") is None:
        fail("--decode-scale needs the GraphicsMagick command 'gm' to compare outputs")
    if (not args.jobs_only and not args.window and not args.decode_scale and not args.before
            and not have_floor):
        fail("%s not found; build the tarvo-floor target first" % floor)
    notes = []
    if not have_engine:
        notes.append("%s not found: engine columns left empty" % engine)

    image_dir = args.folder or args.images
    if image_dir:
        files, pixels = folder_images(image_dir), 0
    else:
        files, pixels = generated_images(build, args.quick)
    total_bytes = sum(os.path.getsize(path) for path in files)

    env = dict(os.environ)
    # The converter needs no display; should it create a GUI application, it still must not.
    env.setdefault("QT_QPA_PLATFORM", "offscreen")
    cores = os.cpu_count() or 1
    print("%d images, %.1f MiB%s; %d rounds; %d cores; OMP_NUM_THREADS=%s; load %.2f" % (
        len(files), total_bytes / 1048576.0,
        (", %.1f Mpixel" % (pixels / 1e6)) if pixels else "", rounds, cores,
        env.get("OMP_NUM_THREADS", "unset"), os.getloadavg()[0]), flush=True)

    # Inputs in the page cache and both programs' libraries loaded once before anything counts.
    for path in files:
        with open(path, "rb") as f:
            while f.read(1 << 20):
                pass

    rows = []
    failed = False
    scratch = tempfile.mkdtemp(prefix="bench-out-", dir=build)
    try:
        present = [p for p, have in ((floor, have_floor), (engine, have_engine)) if have]
        if args.window:
            present = [window]
        if args.before:
            present = [engine, os.path.join(os.path.abspath(args.before), "cli", "tarvo-convert")]
        for program in present:
            out_dir = tempfile.mkdtemp(dir=scratch)
            try:
                run_child([program, "--jobs", "1", "--format", "jpeg", "--output", out_dir,
                           files[0]], out_dir, env)
            except RunFailed as e:
                fail("warm-up run failed: %s" % e)
            finally:
                shutil.rmtree(out_dir, ignore_errors=True)

        if args.decode_scale:
            rows, notes, failed = decode_scale_rows(engine, files, rounds, scratch, env,
                                                    args.verbose)
            notes.append("load average at the end: %.2f (1 min)" % os.getloadavg()[0])
            print_decode_scale_table(rows, notes)
            return 1 if failed else 0

        plans = []
        before_target = BEFORE_TARGET
        if args.before:
            before = os.path.join(os.path.abspath(args.before), "cli", "tarvo-convert")
            if not os.access(before, os.X_OK) or not have_engine:
                fail("--before needs %s and %s" % (before, engine))
            if total_bytes / len(files) < SMALL_FILE_KIB * 1024:
                before_target = BEFORE_SMALL_TARGET
            for label, job_args in jobs:
                for count in ("1", "2"):
                    plans.append((label, "before / this, jobs %s" % count, job_args, [
                        Side("before", [before, "--jobs", count] + job_args),
                        Side("this", [engine, "--jobs", count] + job_args)]))
        elif args.window:
            plans = window_plans(window)
        elif not args.jobs_only:
            for label, job_args in jobs:
                sides = [Side("floor", [floor, "--jobs", "1"] + job_args)]
                if have_engine:
                    sides.append(Side("engine", [engine, "--jobs", "1"] + job_args))
                plans.append((label, "floor / engine", job_args, sides))
        if have_engine and not args.window and not args.before:
            for label, job_args in jobs:
                if label in PARALLEL_JOBS:
                    sides = [Side("jobs 1", [engine, "--jobs", "1"] + job_args),
                             Side("jobs 2", [engine, "--jobs", "2"] + job_args)]
                    plans.append((label, "jobs 1 / jobs 2", job_args, sides))

        for label, kind, job_args, sides in plans:
            if not attempt(label, kind, rows, notes,
                           lambda: measure(sides, rounds, files, scratch, env, args.verbose)):
                failed = True
                continue
            suffix = SUFFIX[job_args[job_args.index("--format") + 1]]
            a = sides[0]
            if len(sides) == 1:
                outputs, complete = check_outputs(a, files, suffix)
                failed = failed or not complete
                rows.append([label, kind, "%.2f" % a.median(), "-", "-",
                             "%.2f/-" % a.cpu_median(), "%.0f/-" % a.peak_mib(), "-", "-",
                             outputs])
                continue
            b = sides[1]
            ratio = b.median() / a.median()
            if kind.startswith("window"):
                outputs, complete = same_outputs(a, b, files, suffix)
            else:
                outputs, complete = compare_outputs(a, b, files, suffix)
            if not complete:
                failed = True
            if kind.startswith("floor"):
                time_mark, memory_mark = mark(ratio <= ENGINE_TARGET), "-"
            elif kind.startswith("before"):
                if suffix == ".pdf":  # dated, and titled by a temporary file's name before
                    outputs, complete = check_outputs(b, files, suffix)
                    failed = failed or not complete
                elif "size diff" in outputs:
                    failed = True
                time_mark, memory_mark = mark(ratio <= before_target), "-"
            else:
                time_mark = mark(ratio <= JOBS2_TARGET)
                memory_mark = mark(b.peak_mib() <= 2 * a.peak_mib() * MEMORY_SLACK)
            rows.append([label, kind, "%.2f" % a.median(), "%.2f" % b.median(), "%.3f" % ratio,
                         "%.2f/%.2f" % (a.cpu_median(), b.cpu_median()),
                         "%.0f/%.0f" % (a.peak_mib(), b.peak_mib()), time_mark, memory_mark,
                         outputs])
    finally:
        shutil.rmtree(scratch, ignore_errors=True)

    # Other work on the machine skews every number; the load says whether there was any.
    notes.append("load average at the end: %.2f (1 min)" % os.getloadavg()[0])
    if cores != 2:
        notes.append("the jobs target is set for 2 cores; this machine has %d" % cores)
    if args.window:
        notes.append("window 1 / 2 at once: the targets of jobs 1 / jobs 2; on a busy machine "
                     "compare CPU, which two at once should not raise much")
    if args.before:
        notes.append("before / this: this build's median at most %.2f x the older build's "
                     "(%s files)" % (before_target,
                                     "small" if before_target == BEFORE_SMALL_TARGET else "large"))
    print_table(rows, cores, notes)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
