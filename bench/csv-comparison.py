#!/usr/bin/env python3
"""Runs the CSV reader's benchmarks and Python's csv module on the same synthetic phone book, in
alternating rounds, and prints every rate beside memchr over the same bytes and beside Python,
then one read in a process of its own with its peak memory. scripts/bench builds the programs
and calls this.

    csv-comparison.py BENCH_DIR FOLDER [ROUNDS]

BENCH_DIR holds csv_benchmark and csv_read_once; the files are written into FOLDER. Rates are
of processor time, and the ratios are the medians of each round's own ratios, so that a machine
busy with other work slows both sides of a ratio alike.
"""
import contextlib
import json
import os
import re
import runpy
import statistics
import subprocess
import sys
import tempfile

READER_BENCHMARKS = ["ReadWholeFile", "ReadAndFillTable", "ReadAndSplit", "ReadAndSplitUtf8", "ReadAndSplitUtf16"]
BASELINE = "MemchrLineFeeds"
PYTHON_ENCODINGS = ["cp950", "latin-1"]
LABELS = {
    BASELINE: "memchr over the same bytes",
    "ReadWholeFile": "the file read alone",
    "ReadAndFillTable": "the file read, a fresh table filled",
    "ReadAndSplit": "ReadCsvFile without dialogs, Big5",
    "ReadAndSplitUtf8": "  the same rows from UTF-8",
    "ReadAndSplitUtf16": "  the same rows from UTF-16",
    "cp950": "Python csv module, cp950",
    "latin-1": "Python csv module, latin-1",
}


def python_reader():
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "python-csv-read.py")
    return runpy.run_path(path)["read"]


def run_benchmarks(bench_dir: str, book: str) -> dict:
    """One repetition of each benchmark, in random order. Returns MB/s by name."""
    pattern = "^(" + "|".join(READER_BENCHMARKS + [BASELINE]) + ")$"
    with tempfile.NamedTemporaryFile(suffix=".json") as out:
        subprocess.run([os.path.join(bench_dir, "csv_benchmark"), "--files", book,
                        f"--benchmark_filter={pattern}", "--benchmark_min_time=1",
                        "--benchmark_enable_random_interleaving=true",
                        f"--benchmark_out={out.name}", "--benchmark_out_format=json"],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        results = json.load(open(out.name))["benchmarks"]
    return {r["name"].split("/")[0]: r["bytes_per_second"] / 1e6 for r in results
            if r.get("run_type", "iteration") == "iteration"}


def one_read(bench_dir: str, path: str):
    """csv_read_once in its own process: the read's processor time and its line on the peak."""
    output = subprocess.run([os.path.join(bench_dir, "csv_read_once"), path], check=True,
                            capture_output=True, text=True).stdout
    seconds = float(re.search(r"\(cpu ([0-9.]+) s\)", output).group(1))
    peak = next(line for line in output.splitlines() if ": peak " in line)
    return seconds, re.sub(r"^.*?: peak", "peak", peak)


def main() -> int:
    if len(sys.argv) not in (3, 4):
        print(__doc__)
        return 2
    bench_dir, folder = sys.argv[1], sys.argv[2]
    rounds = int(sys.argv[3]) if len(sys.argv) == 4 else 5
    book = os.path.join(folder, "phonebook.csv")
    subprocess.run([os.path.join(bench_dir, "csv_benchmark"), "--write-files", book], check=True)
    reader = python_reader()

    rates = {}  # name -> the rate of every round
    for round_number in range(1, rounds + 1):
        print(f"round {round_number} of {rounds}", file=sys.stderr, flush=True)
        measured = run_benchmarks(bench_dir, book)
        for encoding in PYTHON_ENCODINGS:
            with contextlib.redirect_stdout(None):
                measured[encoding] = reader(book, encoding)
        for name, rate in measured.items():
            rates.setdefault(name, []).append(rate)

    def ratio(name: str, base: str) -> float:
        return statistics.median(a / b for a, b in zip(rates[name], rates[base]))

    print(f"\nThe 100 MB synthetic Big5 phone book, {rounds} rounds; medians of processor time. "
          "The UTF-8 and UTF-16 rates count the Big5 file's bytes, so that the same rows compare.")
    print(f"{'':36} {'MB/s':>8} {'of memchr':>10} {'x Python cp950':>15} {'x Python latin-1':>17}")
    for name in [BASELINE] + READER_BENCHMARKS + PYTHON_ENCODINGS:
        print(f"{LABELS[name]:36} {statistics.median(rates[name]):8.0f} "
              f"{ratio(name, BASELINE):10.3f} {ratio(name, 'cp950'):15.2f} "
              f"{ratio(name, 'latin-1'):17.2f}")

    print("\nOne read in a process of its own, as the importer reads (processor time, rate of the "
          "Big5 file's bytes), and its peak memory in MB:")
    size = os.path.getsize(book) / 1e6
    for label, suffix in (("Big5", ""), ("UTF-8", ".utf8"), ("UTF-16", ".utf16")):
        seconds, peak = one_read(bench_dir, book + suffix)
        print(f"  {label:7} {seconds:.2f} s ({size / seconds:.0f} MB/s); {peak}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
