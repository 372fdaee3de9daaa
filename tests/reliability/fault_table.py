#!/usr/bin/env python3
"""Failing files under the real program: the learned file and the conversation log
broken in the ways a user's machine breaks them. For each row: the error box and its
text, the program going on, the view as it should be, the files left whole, and what
the next start of a dialogue brings."""

import os
import subprocess
import sys
from collections import namedtuple

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from tolkar_driver import (REPLY, Failure, Program, Skipped, check, cp1251, log_blocks,
                           main, match_blocks, owned_by_runner, read_bytes, write_bytes)

OLD_LINE = b"old line\r\n"
FIRST = "мы говорим о погоде"       # recorded before the damage
SECOND = "а потом о книгах"         # fails at the recording
THIRD = "и снова о погоде"          # after the next start
MENDED = "файл снова на месте"      # once the user has mended the file
YES = "Да."                         # a fixed answer: no file is touched
NO_SPACE = ["погода", "дождь", "снег", "ветер", "туман", "град"]  # may be recalled


def kind_of(path):
    """What stands at the path: its bytes, or what else it is."""
    if os.path.islink(path):
        return "symlink to " + os.readlink(path)
    if os.path.isdir(path):
        return "directory holding %r" % sorted(os.listdir(path))
    if os.path.exists(path):
        return read_bytes(path)
    return "nothing"


# --- the learned file -------------------------------------------------------------

def delete(path):
    os.unlink(path)


def replace_by_directory(path):
    os.unlink(path)
    os.mkdir(path)


def make_read_only(path):
    os.chmod(path, 0o444)


def link_to_dev_full(path):
    os.unlink(path)
    os.symlink("/dev/full", path)


def mend(path, unprivileged):
    """What a user does about it: an ordinary file that the program may write."""
    if os.path.isdir(path) and not os.path.islink(path):
        os.rmdir(path)
    elif os.path.lexists(path):
        os.unlink(path)
    write_bytes(path, OLD_LINE)
    owned_by_runner(path, unprivileged)


LearnedRow = namedtuple("LearnedRow", [
    "name",
    "damage",         # done to user.vrk while a topic runs
    "unprivileged",   # run as a user that file permissions bind
    "message",        # the box that the recording of a phrase with a space shows
    "recall_works",   # phrases without a space are answered without a box
    "after_start",    # what user.vrk is after the next start; None: as after the damage
    "recovers",       # a phrase with a space is recorded again after that start
])

LEARNED_ROWS = [
    LearnedRow("deleted during a topic", delete, False, "File not found.", False, b"", True),
    LearnedRow("replaced by a directory", replace_by_directory, False, "File access denied.",
               False, None, False),
    LearnedRow("read-only", make_read_only, True, "File access denied.", True, None, False),
    LearnedRow("symlink to /dev/full", link_to_dev_full, False, "I/O error 112.", True, None,
               False),
]


def learned_file_row(row, executable, directory):
    learned = os.path.join(directory, "user.vrk")
    write_bytes(learned, OLD_LINE)
    owned_by_runner(directory, row.unprivileged)
    owned_by_runner(learned, row.unprivileged)
    with Program(executable, directory, unprivileged=row.unprivileged) as program:
        check(program.start_dialogue() is None, "a box at the start")
        check(program.say("Привет") is None, "a box at the introduction")
        check(program.say(FIRST) is None, "a box before the damage")
        check(read_bytes(learned) == OLD_LINE + cp1251(FIRST) + b"\r\n", "the first phrase recorded")

        row.damage(learned)
        damaged = kind_of(learned)
        shown = program.say(SECOND)
        check(shown == row.message, "the box said %r, expected %r" % (shown, row.message))
        program.check_alive()
        # A fixed answer comes before any file access: the dialogue goes on.
        check(program.say(YES) is None, "a box for %r" % YES)
        pattern = [REPLY, "Привет", REPLY, FIRST, REPLY, SECOND, YES, REPLY]
        if row.recall_works:
            for word in NO_SPACE:
                shown = program.say(word, timeout=10)
                check(shown is None, "%r got the box %r" % (word, shown))
                pattern += [word, REPLY]
        check(kind_of(learned) == damaged, "user.vrk changed: %r, was %r" % (kind_of(learned), damaged))

        log = os.path.join(directory, "talk.log")
        check(program.save_log(log) is None, "the log could not be saved")
        # The failed phrase is echoed and gets no reply; nothing else is missing.
        mismatch = match_blocks(log_blocks(log), pattern)
        check(mismatch is None, "the view: %s" % mismatch)

        # Mended, the file takes a phrase with a space at once: the topic ran on
        # through the failure (neither back to the greeting nor ended).
        mend(learned, row.unprivileged)
        check(program.say(MENDED) is None, "a box once the file was mended")
        check(read_bytes(learned) == OLD_LINE + cp1251(MENDED) + b"\r\n",
              "once mended user.vrk holds %r" % kind_of(learned))
        row.damage(learned)
        damaged = kind_of(learned)

        check(program.start_dialogue() is None, "the next start showed a box")
        expected = row.after_start if row.after_start is not None else damaged
        check(kind_of(learned) == expected,
              "after the next start user.vrk is %r, expected %r" % (kind_of(learned), expected))
        check(program.say("Привет") is None, "a box at the introduction after the start")
        shown = program.say(THIRD)
        if row.recovers:
            check(shown is None, "the next start did not recover: %r" % shown)
            check(read_bytes(learned) == expected + cp1251(THIRD) + b"\r\n",
                  "after the next start user.vrk holds %r" % kind_of(learned))
        else:
            check(shown == row.message, "after the next start the box said %r" % shown)
            check(kind_of(learned) == damaged, "user.vrk changed after the next start")
        program.close()
    return None


# --- the conversation log ---------------------------------------------------------

def missing_folder(directory):
    return os.path.join(directory, "missing", "talk.log"), None


def read_only_folder(directory):
    folder = os.path.join(directory, "locked")
    os.mkdir(folder, 0o555)  # its owner is us; the program runs as another user
    os.chmod(folder, 0o555)
    return os.path.join(folder, "talk.log"), None


def full_disk(directory):
    folder = os.path.join(directory, "full")
    os.mkdir(folder)
    if os.geteuid() != 0:
        return None, Skipped("mounting a small tmpfs as a full disk needs root")
    mounted = subprocess.run(["mount", "-t", "tmpfs", "-o", "size=256k,mode=0777", "tmpfs", folder],
                             capture_output=True, text=True)
    if mounted.returncode != 0:
        return None, Skipped("cannot mount a small tmpfs as a full disk here: %s"
                             % mounted.stderr.strip())
    return os.path.join(folder, "talk.log"), None


def fill(folder):
    """Fills the file system that holds the folder up to its last byte."""
    descriptor = os.open(os.path.join(folder, "filler"), os.O_WRONLY | os.O_CREAT, 0o644)
    try:
        for size in (65536, 4096, 1):
            try:
                while os.write(descriptor, b"\0" * size) == size:
                    pass
            except OSError:
                pass
    finally:
        os.close(descriptor)


LogRow = namedtuple("LogRow", [
    "name",
    "place",          # makes the place: (path of the log, or None and why it is skipped)
    "unprivileged",
    "existing_log",   # a log saved there first, then the disk filled
    "message",
])

LOG_ROWS = [
    LogRow("log into a folder that does not exist", missing_folder, False, False,
           "Invalid filename."),
    LogRow("log into a read-only folder", read_only_folder, True, False, "File access denied."),
    LogRow("log over an existing log on a full disk", full_disk, False, True, "I/O error 112."),
]


def folder_state(folder):
    if not os.path.isdir(folder):
        return "no folder"
    return {name: kind_of(os.path.join(folder, name)) for name in sorted(os.listdir(folder))}


def log_row(row, executable, directory):
    path, skipped = row.place(directory)
    if skipped:
        return skipped
    folder = os.path.dirname(path)
    owned_by_runner(directory, row.unprivileged)
    with Program(executable, directory, unprivileged=row.unprivileged) as program:
        check(program.start_dialogue() is None, "a box at the start")
        check(program.say("Привет") is None, "a box at the introduction")
        pattern = [REPLY, "Привет", REPLY]
        if row.existing_log:
            check(program.save_log(path) is None, "the first log could not be saved")
            check(program.say(FIRST) is None, "a box for the first phrase")
            pattern += [FIRST, REPLY]
            fill(folder)

        before = folder_state(folder)
        view = program.settled_view()
        shown = program.save_log(path)
        check(shown == row.message, "the box said %r, expected %r" % (shown, row.message))
        check(program.settled_view() == view, "the view changed")
        check(folder_state(folder) == before,
              "the folder changed: %r, was %r" % (folder_state(folder), before))

        check(program.say(YES) is None, "a box for %r after the failed save" % YES)
        pattern += [YES, REPLY]
        good = os.path.join(directory, "good.log")
        check(program.save_log(good) is None, "the log could not be saved in a good place")
        mismatch = match_blocks(log_blocks(good), pattern)
        check(mismatch is None, "the view: %s" % mismatch)
        program.close()
    return None


def case_for(row, run):
    def case(executable, directory):
        return run(row, executable, directory)
    case.__name__ = row.name.replace(" ", "_").replace("/", "").replace("-", "_")
    return case


CASES = [case_for(row, learned_file_row) for row in LEARNED_ROWS] + \
        [case_for(row, log_row) for row in LOG_ROWS]

if __name__ == "__main__":
    try:
        sys.exit(main(CASES, "fault table"))
    except Failure as error:
        print("FAIL: %s" % error)
        sys.exit(1)
