#!/usr/bin/env python3
"""Reads a CSV file with Python's csv module and prints its rate, beside csv_benchmark.

    csv_benchmark --write-files /tmp/phonebook.csv
    python3 bench/python-csv-read.py /tmp/phonebook.csv

Decodes the file as Big5 (cp950), as the importer's input is, and also as Latin-1, which costs
no decoding, so both bounds of a Python reader are shown. Rates are of processor time, as
csv_benchmark's are.
"""
import csv
import os
import sys
import time


def read(path: str, encoding: str) -> float:
    """Reads the file once; returns its rate in MB/s."""
    started = time.process_time()
    rows = 0
    with open(path, encoding=encoding, newline="") as file:
        for _ in csv.reader(file):
            rows += 1
    elapsed = time.process_time() - started
    megabytes = os.path.getsize(path) / 1e6
    print(f"{encoding:8} {rows} rows in {elapsed:.2f} s: {megabytes / elapsed:.1f} MB/s")
    return megabytes / elapsed


def main() -> int:
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    for encoding in ("cp950", "latin-1"):
        read(sys.argv[1], encoding)
    return 0


if __name__ == "__main__":
    sys.exit(main())
