#!/usr/bin/env python3
"""Checks that two textmend-filter builds give the same bytes, exit status and messages
for the same input and options: an older build against a newer one, to show that a
change of speed changed no result.

Usage: compare_filters.py OLD NEW [--corpus-dir DIR]

Inputs: the fuzz corpus, random texts built from the characters the operations look at
(line breaks of every kind, spaces, tabs, quote markers, sentence ends, letters whose
case mapping changes their length, invalid UTF-8, NUL), texts with lines longer than
the pieces the scratch files are read back in, and, with --corpus-dir, the benchmark
corpora (corpus-<N>.txt and their LF forms corpus-<N>-lf.txt). The small inputs run
with every combination of case option and clean-up flags, with --raw and without; the
corpora with each option alone, every option, and --defaults. The later clean-ups
(--invisible ... --keeplists) are compared as well when both builds have them.
"""

import argparse
import itertools
import os
import random
import subprocess
import sys
import tempfile

CASES = [[], ["--upper"], ["--lower"], ["--proper"]]
FLAGS = ["--remgt", "--dblspc", "--sentence", "--noblanks", "--trimcr", "--remcrs", "--remcrdbl"]
# The later clean-ups, compared only when both builds list them in --help: every
# combination of them with each of LATER_WITH.
LATER_FLAGS = ["--invisible", "--plainpunct", "--joinwords", "--trimspaces", "--keeplists"]
LATER_WITH = [[], ["--remcrs"], ["--remcrdbl"], ["--no-dictionary", "--remcrs"], FLAGS[:-1]]
WORDS = [word.encode() for word in
         ["a", "b", "Z", "word", "é", "ı", "ſ", "\u212a", "Σ", "ς", "ǅ", "x-y", "1.5"]]
MARKS = [b" ", b"  ", b"   ", b".", b". ", b".  ", b"?", b"! ", b">", b"> ", b" >", b"\t",
         b"\r", b"\n", b"\r\n", b"\n\r", b"\0", b"\xff", b"\xc3", b"\xe2\x82",
         b"-", b"- ", b"1. ", b"(a) ", "\u2022 ".encode(), "\u00ad".encode(),
         "\u200b".encode(), "\u2010".encode(), "\u201c".encode(), "\u2014".encode(),
         "\u00a0".encode(), "\u2026".encode(), "\U0001d41a".encode(), b"\x7f", b"\x1b"]
# A scratch folder below a file: every line step fails.
UNUSABLE_SCRATCH = "--scratch=/dev/null/scratch"


def random_text(rng, length):
    parts = []
    size = 0
    while size < length:
        parts.append(rng.choice(WORDS) if rng.random() < 0.5 else rng.choice(MARKS))
        size += len(parts[-1])
    return b"".join(parts)


def small_inputs(seed=1):
    rng = random.Random(seed)
    inputs = {}
    corpus = os.path.join(os.path.dirname(__file__), "..", "fuzz", "corpus")
    for name in sorted(os.listdir(corpus)):
        with open(os.path.join(corpus, name), "rb") as source:
            inputs["fuzz/" + name] = source.read()
    for i in range(25):
        inputs[f"random {i}"] = random_text(rng, rng.choice([0, 1, 3, 10, 60, 400, 3000]))
    # Lines longer than a read-back piece (256 KiB), with spaces, tabs and markers at
    # their ends, among short ones.
    long_line = b"x" * 300_000
    inputs["long lines"] = (b"> >  \t" + long_line + b"   \r\n\r\n  \t\t" + long_line +
                            b"\r\nshort\r" + b" " * 300_000 + b"\r\n" + long_line)
    inputs["long lines, LF"] = inputs["long lines"].replace(b"\r\n", b"\n")
    inputs["mixed 600 KB"] = random_text(rng, 600_000)
    return inputs


def option_sets(every_combination, later):
    if every_combination:
        for case in CASES:
            for count in range(len(FLAGS) + 1):
                for flags in itertools.combinations(FLAGS, count):
                    yield case + list(flags)
        yield [UNUSABLE_SCRATCH, "--upper"] + FLAGS
        yield [UNUSABLE_SCRATCH, "--remcrdbl", "--trimcr"]
        if later:
            for case in CASES:
                for count in range(1, len(LATER_FLAGS) + 1):
                    for flags in itertools.combinations(LATER_FLAGS, count):
                        for others in LATER_WITH:
                            yield case + others + list(flags)
            yield [UNUSABLE_SCRATCH] + FLAGS + LATER_FLAGS
        return
    if later:
        for flag in LATER_FLAGS:
            yield [flag]
        yield ["--proper"] + FLAGS + LATER_FLAGS
    for case in CASES[1:]:
        yield case
    for flag in FLAGS:
        yield [flag]
    yield ["--proper"] + FLAGS
    yield ["--lower"] + FLAGS
    yield ["--defaults"]
    yield ["--cleanse"]


def knows_later_flags(program):
    help_text = subprocess.run([program, "--help"], capture_output=True, text=True).stdout
    return all(flag in help_text for flag in LATER_FLAGS + ["--no-dictionary"])


def run(program, arguments, path):
    with open(path, "rb") as source:
        done = subprocess.run([program] + arguments, stdin=source, capture_output=True)
    return done.returncode, done.stdout, done.stderr


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("old")
    parser.add_argument("new")
    parser.add_argument("--corpus-dir")
    arguments = parser.parse_args()

    work = tempfile.mkdtemp(prefix="textmend-compare-")
    # Texts of many lines with every combination; those of long lines with a selection.
    inputs = [(name, data, len(data) < 100_000) for name, data in small_inputs().items()]
    if arguments.corpus_dir:
        for name in sorted(os.listdir(arguments.corpus_dir)):
            if name.startswith("corpus-") and name.endswith(".txt"):
                with open(os.path.join(arguments.corpus_dir, name), "rb") as source:
                    inputs.append((name, source.read(), False))

    later = knows_later_flags(arguments.old) and knows_later_flags(arguments.new)
    print("the later clean-ups are " + ("compared too" if later else
                                       "left out: a build does not know them"))
    compared = differences = 0
    for name, data, every_combination in inputs:
        path = os.path.join(work, "input")
        with open(path, "wb") as target:
            target.write(data)
        for options in option_sets(every_combination, later):
            for mode in [["--raw"], []]:
                flags = mode + options
                old, new = run(arguments.old, flags, path), run(arguments.new, flags, path)
                compared += 1
                if old != new:
                    differences += 1
                    print(f"DIFFERENT: {name} with {' '.join(flags) or '(no options)'}: exit "
                          f"{old[0]}/{new[0]}, {len(old[1])}/{len(new[1])} bytes out")
        print(f"{name}: compared", flush=True)
    os.remove(os.path.join(work, "input"))
    os.rmdir(work)
    print(f"{compared} runs compared, {differences} different")
    sys.exit(1 if differences else 0)


if __name__ == "__main__":
    main()
