#!/usr/bin/env python3
"""Sudden death: the real program is killed with SIGKILL at a random moment of a
conversation, many times over, in one directory. After every kill user.vrk holds
whole CR LF lines only: what it held before, then the phrases of that run in the
order they were said, every phrase whose answer had appeared among them, and at
most the one phrase that was being answered when the kill came."""

import os
import random
import sys
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from tolkar_driver import Failure, Program, check, cp1251, main, read_bytes, records, write_bytes

RUNS = 50
LONGEST_LIFE_S = 2.0  # a kill comes at a moment drawn from 0 .. this after the start
TIME_BUDGET_S = 150


def phrase(run, number):
    # Long phrases with spaces and no trigger words: each is recorded, then answered.
    return "фраза %d прогона %d " % (number, run) + "слово " * random.randint(0, 400)


def one_run(executable, directory, run, learned):
    before = read_bytes(learned)
    program = Program(executable, directory)
    said, answered = [], 0
    moment = random.uniform(0.0, LONGEST_LIFE_S)
    killer = threading.Timer(moment, program.process.kill)
    try:
        killer.start()
        check(program.start_dialogue() is None, "a box at the start")
        check(program.say("Привет") is None, "a box at the introduction")
        while True:
            said.append(phrase(run, len(said) + 1))
            check(program.say(said[-1]) is None, "a box for a phrase")
            answered = len(said)
    except Failure:
        if program.alive():
            raise
    finally:
        killer.cancel()
        program.kill()
    check(program.process.returncode == -9, "run %d ended with %s, not by the kill"
          % (run, program.process.returncode))

    after = read_bytes(learned)
    records(after)  # whole CR LF lines only
    check(after.startswith(before), "run %d changed what was there before" % run)
    added = after[len(before):]
    allowed = [b"".join(cp1251(p) + b"\r\n" for p in said[:n])
               for n in range(answered, len(said) + 1)]
    check(added in allowed, "run %d: %d phrases said, %d answered, the file gained %r"
          % (run, len(said), answered, added[:200]))
    return len(said), answered, added.count(b"\r\n")


def kill_loop(executable, directory):
    seed = int(os.environ.get("TOLKAR_KILL_SEED", time.time()))
    random.seed(seed)  # printed below, so a failing run can be repeated
    learned = os.path.join(directory, "user.vrk")
    write_bytes(learned, b"old line\r\n")
    started = time.monotonic()
    runs = recorded = answered_total = in_flight = 0
    for run in range(1, RUNS + 1):
        if time.monotonic() - started > TIME_BUDGET_S:
            break
        try:
            said, answered, added = one_run(executable, directory, run, learned)
        except Failure as error:
            raise Failure("seed %d (TOLKAR_KILL_SEED draws the same moments and phrases): %s" % (seed, error))
        runs += 1
        recorded += added
        answered_total += answered
        in_flight += added > answered
    check(runs >= 30, "only %d runs fitted the time budget" % runs)
    lines = records(read_bytes(learned))
    check(len(lines) == 1 + recorded, "the file holds %d lines, expected %d" % (len(lines), 1 + recorded))
    return ("seed %d: %d runs killed, %d phrases answered before a kill, %d lines recorded, "
            "%d runs killed after a recording but before its answer showed, file %d bytes"
            % (seed, runs, answered_total, recorded, in_flight, len(read_bytes(learned))))


if __name__ == "__main__":
    try:
        sys.exit(main([kill_loop], "kill loop"))
    except Failure as error:
        print("FAIL: %s" % error)
        sys.exit(1)
