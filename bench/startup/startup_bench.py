#!/usr/bin/env python3
"""Start-up speed of the program against a minimal Qt Widgets window.

Runs both programs, alternately, under a private Xvfb with no window manager and
prints, for each, the median time from starting the process to its first window
shown and painted, and the median peak resident memory, with their ratios.

    bench_startup.py [--runs N] PROGRAM YARDSTICK
"""
import argparse
import os
import statistics
import subprocess
import time


def start_xvfb():
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
        pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as display_pipe:
        display = display_pipe.readline().strip()
    return server, ":" + display


def run_once(program, environment):
    """Seconds to the first paint, and peak memory in KiB."""
    started = time.perf_counter()
    child = subprocess.Popen([program], stdout=subprocess.PIPE, env=environment,
                             stderr=subprocess.DEVNULL)
    line = child.stdout.readline()
    painted = time.perf_counter() - started
    _, status, usage = os.wait4(child.pid, 0)
    child.stdout.close()
    if line.strip() != b"painted" or status != 0:
        raise RuntimeError(f"{program} did not report its first paint")
    return painted, usage.ru_maxrss


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--runs", type=int, default=20)
    parser.add_argument("program")
    parser.add_argument("yardstick")
    arguments = parser.parse_args()

    server, display = start_xvfb()
    try:
        environment = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb")
        results = {arguments.program: [], arguments.yardstick: []}
        for program in results:  # one run each to warm the file cache
            run_once(program, environment)
        for _ in range(arguments.runs):
            for program in results:
                results[program].append(run_once(program, environment))
    finally:
        server.terminate()
        server.wait()

    medians = {}
    for program, runs in results.items():
        seconds = statistics.median(run[0] for run in runs)
        memory = statistics.median(run[1] for run in runs)
        medians[program] = (seconds, memory)
        print(f"{os.path.basename(program):24} shown and painted {seconds * 1000:7.1f} ms"
              f"   peak RSS {memory / 1024:6.1f} MiB   ({len(runs)} runs, medians)")
    ours, yardstick = medians[arguments.program], medians[arguments.yardstick]
    print(f"ratio: time {ours[0] / yardstick[0]:.2f}x, peak memory {ours[1] / yardstick[1]:.2f}x"
          " (limit 1.3x each)")


if __name__ == "__main__":
    main()
