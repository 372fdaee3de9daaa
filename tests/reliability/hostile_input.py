#!/usr/bin/env python3
"""Hostile input through the real input line, and a recall of a file of 10 MB.
Every phrase is answered within a few seconds, and user.vrk keeps one record per
line: the phrase as the input line took it, as Windows-1251 bytes."""

import os
import sys
from collections import namedtuple

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from tolkar_driver import (Failure, Program, Screen, check, cp1251, main, read_bytes, records,
                           write_bytes)

LONGEST_INPUT = 32767  # the most characters the input line takes
ANSWER_WITHIN_S = 5.0
RECALL_WITHIN_S = 2.0

Paste = namedtuple("Paste", ["name", "pasted", "recorded"])


def spaced(count):
    text = ("слово " * (count // 6 + 1))[:count - 1]
    return text + "ы"  # ends in a letter, so a trailing space cannot hide a cut


PASTES = [
    Paste("a megabyte", spaced(1024 * 1024), spaced(1024 * 1024)[:LONGEST_INPUT]),
    Paste("exactly the longest input", spaced(LONGEST_INPUT), spaced(LONGEST_INPUT)),
    Paste("one more than the longest", spaced(LONGEST_INPUT + 1),
          spaced(LONGEST_INPUT + 1)[:LONGEST_INPUT]),
    Paste("several lines with CR LF", "первая строка\r\nвторая строка\r\nтретья",
          "первая строка"),
    Paste("several lines with LF", "первая строка\nвторая строка", "первая строка"),
    Paste("lone CR", "первая строка\rвторая", "первая строка"),
    Paste("line break at the very end", "только одна строка\n", "только одна строка"),
    Paste("tabs and control characters", "таб\tи\x01управляющие\x1b \x7fзнаки\x08",
          "таб\tи\x01управляющие\x1b \x7fзнаки\x08"),
    Paste("emoji and CJK", "смайлик 😀 и 漢字 конец", "смайлик ? и ?? конец"),
    Paste("code page extras", "кавычки «ёлки» — №1 €", "кавычки «ёлки» — №1 €"),
]


def hostile_pastes(executable, directory):
    learned = os.path.join(directory, "user.vrk")
    slowest = slowest_paste = 0.0
    with Program(executable, directory) as program:
        check(program.start_dialogue() is None, "a box at the start")
        check(program.say("Привет") is None, "a box at the introduction")
        expected = b""
        for paste in PASTES:
            shown = program.say(paste.pasted, timeout=ANSWER_WITHIN_S)
            check(program.paste_seconds is not None, "%s: the paste never showed" % paste.name)
            slowest_paste = max(slowest_paste, program.paste_seconds)
            slowest = max(slowest, program.answer_seconds)
            check(shown is None, "%s: the box %r" % (paste.name, shown))
            expected += cp1251(paste.recorded) + b"\r\n"
            got = read_bytes(learned)
            check(got == expected, "%s: user.vrk ends with %r, expected %r"
                  % (paste.name, got[-80:], expected[-80:]))
        check(len(records(read_bytes(learned))) == len(PASTES), "one record per phrase")
        program.close()
    return "slowest paste shown in %.2f s, slowest answer %.2f s" % (slowest_paste, slowest)


# A view full of the recalled rows glows far brighter than any reply leaves it.
DENSE_ROW = "Ж" * 60
RECALL_LIT_PIXELS = 9000


def recall_of_ten_megabytes(executable, directory):
    learned = os.path.join(directory, "user.vrk")
    rows = (DENSE_ROW + "\n") * (10 * 1024 * 1024 // (len(DENSE_ROW) + 1) + 1)
    write_bytes(learned, cp1251(rows))  # LF alone between rows: one line of 10 MB
    size = os.path.getsize(learned)
    timings, recalls = [], []
    with Program(executable, directory) as program:
        check(program.start_dialogue() is None, "a box at the start")
        check(program.say("Привет") is None, "a box at the introduction")
        # Without a space nothing is recorded; one answer in three tries a recall.
        # Go on until two recalls have shown and answers have followed them.
        last_was_recall = False
        while len(timings) < 40 and (len(recalls) < 2 or last_was_recall):
            shown = program.say("погода", timeout=30)
            check(shown is None, "the box %r" % shown)
            timings.append(program.answer_seconds)
            last_was_recall = Screen.lit_pixels(program.settled_view()) > RECALL_LIT_PIXELS
            if last_was_recall:
                recalls.append(program.answer_seconds)
        check(recalls, "no recall came up in %d answers" % len(timings))
        check(read_bytes(learned) == cp1251(rows), "user.vrk changed")
        program.close()
    check(max(timings) <= RECALL_WITHIN_S,
          "an answer took %.2f s (recalls: %s)" % (max(timings), ["%.2f" % t for t in recalls]))
    return ("user.vrk of %d bytes; %d answers, %d recalls shown in %s s; slowest answer %.2f s"
            % (size, len(timings), len(recalls), ", ".join("%.2f" % t for t in recalls),
               max(timings)))


if __name__ == "__main__":
    try:
        sys.exit(main([hostile_pastes, recall_of_ten_megabytes], "hostile input"))
    except Failure as error:
        print("FAIL: %s" % error)
        sys.exit(1)
