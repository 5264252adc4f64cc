#!/usr/bin/env python3
"""Times whole sessions of the release build against the I/O floor.

Builds the game (release preset) and bench/io_floor.cpp, plays scripted
sessions of 1,000 and 100,000 rounds with standard output to /dev/null,
and prints the median wall time of several runs, rounds per second, peak
memory, and the ratio of the game's time to the floor's: a program that
only writes the same output, line by line with a flush after every line.
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
GAME = os.path.join(ROOT, "build", "blackjack")
FLOOR = os.path.join(ROOT, "build", "io_floor")
MEASURE = os.path.join(ROOT, "build", "measure")
RUNS = 7

# Bet, answer up to two ace questions (a spare 2 is refused as an answer),
# stay or take one card, play again. Every other round hits.
STAY = "10\n2\n2\ns\ny\n"
HIT = "10\n2\n2\nh\n2\ns\ny\n"


def build():
    subprocess.run(["cmake", "--preset", "default"], cwd=ROOT, check=True,
                   stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", "--preset", "default", "--target",
                    "blackjack"], cwd=ROOT, check=True,
                   stdout=subprocess.DEVNULL)
    for tool in (FLOOR, MEASURE):
        source = os.path.join(ROOT, "bench", os.path.basename(tool) + ".cpp")
        subprocess.run(["c++", "-O2", "-std=c++17", "-o", tool, source],
                       check=True)


def run(program, input_path, output_path=os.devnull):
    """Wall seconds and peak resident kibibytes of one whole process."""
    done = subprocess.run([MEASURE, input_path, output_path, program],
                          capture_output=True, text=True)
    if done.returncode != 0:
        sys.exit(f"{program} ended with status {done.returncode}")
    seconds, peak = done.stdout.split()
    return float(seconds), int(peak)


def measure(rounds, folder):
    script = os.path.join(folder, f"input-{rounds}")
    with open(script, "w") as out:
        out.write("".join(HIT if i % 2 else STAY for i in range(rounds)))
        out.write("n\n")
    dialogue = os.path.join(folder, f"output-{rounds}")
    run(GAME, script, dialogue)
    played = lines = 0
    with open(dialogue, "rb") as text:
        for line in text:
            lines += 1
            played += line.startswith(b"Games = ")
    if played != rounds:
        sys.exit(f"played {played} rounds of {rounds}")
    game = [run(GAME, script) for _ in range(RUNS)]
    floor = [run(FLOOR, dialogue) for _ in range(RUNS)]
    game_time = statistics.median(t for t, _ in game)
    floor_time = statistics.median(t for t, _ in floor)
    return {
        "rounds": rounds,
        "lines": lines,
        "game_s": game_time,
        "floor_s": floor_time,
        "rounds_per_s": rounds / game_time,
        "peak_kib": max(m for _, m in game),
        "ratio": game_time / floor_time,
    }


def main():
    build()
    with tempfile.TemporaryDirectory() as folder:
        results = [measure(rounds, folder) for rounds in (1000, 100000)]
    print(f"median of {RUNS} runs each, standard output to /dev/null")
    print(f"{'rounds':>8} {'lines':>10} {'game s':>8} {'floor s':>8} "
          f"{'ratio':>6} {'rounds/s':>10} {'peak KiB':>9}")
    for r in results:
        print(f"{r['rounds']:>8} {r['lines']:>10} {r['game_s']:>8.3f} "
              f"{r['floor_s']:>8.3f} {r['ratio']:>6.2f} "
              f"{r['rounds_per_s']:>10.0f} {r['peak_kib']:>9}")
    small, large = results
    print(f"peak memory at 100,000 rounds is "
          f"{large['peak_kib'] / small['peak_kib']:.3f} x that at 1,000")


if __name__ == "__main__":
    main()
