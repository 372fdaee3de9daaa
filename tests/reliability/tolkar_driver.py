"""Drives the real program under a private X server with no window manager, as a
user would: xdotool for the mouse and the keys, xclip for the clipboard (phrases are
pasted, so every character arrives whatever the keyboard layout), and Xlib through
ctypes to look at the screen. Every wait polls a condition with a time limit."""

import ctypes
import ctypes.util
import os
import select
import shutil
import subprocess
import sys
import tempfile
import time

MAIN_TITLE = "VORKAST Толкарь - 1.0 beta"
ERROR_CAPTION = "Vorkast Толкарь"
WARNING_CAPTION = "Warning"
SAVE_TITLE = "Сохранить разговор"
WINDOW_ORIGIN = (93, 26)

# Window coordinates of the controls (the skin is never scaled).
NEW_PAD = (41, 391)
SAVE_PAD = (41, 457)
CLOSE_EMBLEM = (600, 454)
MEMO_RECT = (103, 301, 415, 167)  # inside the frame, left of the scroll bar
EDIT_RECT = (146, 245, 355, 18)   # inside the input line's frame

SKIP = 77
WAIT_S = 20.0
NOBODY = 65534
NEEDED_TOOLS = ("Xvfb", "xdotool", "xclip")
X11_LIBRARY = ctypes.util.find_library("X11") or "libX11.so.6"


class Failure(Exception):
    pass


class Skipped(str):
    """Returned by a case that cannot run here; the text says why."""


def check(condition, what):
    if not condition:
        raise Failure(what)


def wait_for(condition, what, timeout=WAIT_S, interval=0.02):
    """Polls until condition() returns something true; returns it."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure("timed out after %.0f s waiting for %s" % (timeout, what))
        time.sleep(interval)


def missing_tools():
    missing = [tool for tool in NEEDED_TOOLS if shutil.which(tool) is None]
    try:
        ctypes.CDLL(X11_LIBRARY)
    except OSError:
        missing.append("libX11")
    return missing


def xdotool(*arguments):
    done = subprocess.run(["xdotool", *arguments], capture_output=True, text=True,
                          timeout=WAIT_S)
    return done.stdout.strip()


def _regex_escape(text):
    return "".join("\\" + c if c in ".^$*+?()[]{}|\\" else c for c in text)


def read_bytes(path):
    with open(path, "rb") as f:
        return f.read()


def write_bytes(path, data):
    with open(path, "wb") as f:
        f.write(data)


def cp1251(text):
    """The bytes the program keeps for a text: what Windows-1251 lacks becomes '?'."""
    return text.encode("cp1251", errors="replace")


# --- the X server -----------------------------------------------------------------

class XServer:
    """A private Xvfb on a display number it picks itself; DISPLAY points at it
    while it runs."""

    def __init__(self):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + WAIT_S
        while not number.endswith(b"\n"):
            ready, _, _ = select.select([read_end], [], [], max(0.0, deadline - time.monotonic()))
            chunk = os.read(read_end, 16) if ready else b""
            if not chunk:
                self.close()
                raise Failure("Xvfb did not start")
            number += chunk
        os.close(read_end)
        self.display = ":" + number.decode().strip()
        os.environ["DISPLAY"] = self.display
        os.environ.pop("XAUTHORITY", None)  # no authority: local clients of any user

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=WAIT_S)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()


# --- the screen -------------------------------------------------------------------

class _XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int),
                ("xoffset", ctypes.c_int), ("format", ctypes.c_int),
                ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int),
                ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int),
                ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int)]


class Screen:
    """Reads pixels of the root window, which without a window manager or a
    compositor holds exactly what the program has drawn."""

    def __init__(self):
        self.x11 = ctypes.CDLL(X11_LIBRARY)
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x11.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x11.XGetImage.restype = ctypes.POINTER(_XImage)
        self.x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int,
                                       ctypes.c_int, ctypes.c_uint, ctypes.c_uint,
                                       ctypes.c_ulong, ctypes.c_int]
        self.x11.XFree.argtypes = [ctypes.c_void_p]
        self.display = self.x11.XOpenDisplay(None)
        check(self.display, "cannot open the X display")
        self.root = self.x11.XDefaultRootWindow(self.display)

    def grab(self, x, y, width, height):
        """The bytes of the rectangle, 32 bits a pixel (B, G, R, unused)."""
        image = self.x11.XGetImage(self.display, self.root, x, y, width, height,
                                   ctypes.c_ulong(-1).value, 2)  # ZPixmap
        check(image, "XGetImage failed")
        try:
            row = image.contents.bytes_per_line
            return ctypes.string_at(image.contents.data, row * height)
        finally:
            self.x11.XFree(image.contents.data)
            self.x11.XFree(image)

    @staticmethod
    def lit_pixels(pixels):
        """How many pixels are bright green, the colour of the console's text."""
        blue, green, red = pixels[0::4], pixels[1::4], pixels[2::4]
        return sum(1 for b, g, r in zip(blue, green, red) if g > 128 and r < 100 and b < 100)


_screen = None


def screen():
    global _screen
    if _screen is None:
        _screen = Screen()
    return _screen


# --- the clipboard ----------------------------------------------------------------

class Clipboard:
    """Offers text on the clipboard until closed (xclip serves it in the foreground).
    Keep it open until the program has acted on the paste: the paste fetches the
    text from xclip while the program handles Ctrl+V."""

    def __init__(self, text):
        data = text.encode("utf-8")
        self.process = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard", "-i"],
                                        stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        self.process.stdin.write(data)
        self.process.stdin.close()
        wait_for(lambda: self.process.poll() is not None or _owned_by_xclip(len(data)),
                 "the clipboard to hold the text")
        check(self.process.poll() is None, "xclip ended at once")

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait()


def _owned_by_xclip(size):
    # Reading a megabyte back through the selection is slow; the length is enough.
    done = subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True,
                          timeout=WAIT_S)
    return done.returncode == 0 and len(done.stdout) == size


def clipboard_bytes():
    done = subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True,
                          timeout=WAIT_S)
    return done.stdout if done.returncode == 0 else b""


def clear_clipboard():
    subprocess.run(["xclip", "-selection", "clipboard", "-i", "/dev/null"], timeout=WAIT_S)


# --- the program ------------------------------------------------------------------

def demote():
    """What an unprivileged run needs: as root, setpriv to nobody; as anyone else,
    the current user already meets file permissions."""
    if os.geteuid() != 0:
        return []
    return ["setpriv", "--reuid=%d" % NOBODY, "--regid=%d" % NOBODY, "--clear-groups", "--"]


def owned_by_runner(path, unprivileged):
    """Gives a file or folder that the program must be able to write to its user."""
    if unprivileged and os.geteuid() == 0:
        os.chown(path, NOBODY, NOBODY)


class Program:
    """One run of the real program, started in a working directory."""

    def __init__(self, executable, directory, unprivileged=False):
        self.directory = directory
        env = dict(os.environ)
        command = [executable]
        if unprivileged and os.geteuid() == 0:
            check(shutil.which("setpriv"), "setpriv is needed to run the program unprivileged")
            home = tempfile.mkdtemp(prefix="home-", dir=directory)
            # The build tree may lie where the other user cannot reach (under /root).
            copy = os.path.join(home, os.path.basename(executable))
            shutil.copy2(executable, copy)
            owned_by_runner(home, True)
            command = demote() + [copy]
            env["HOME"] = home
            env.pop("XDG_RUNTIME_DIR", None)
        self.stderr = tempfile.TemporaryFile()
        self.process = subprocess.Popen(command, cwd=directory, env=env,
                                        stdout=subprocess.DEVNULL, stderr=self.stderr)
        self.window = wait_for(lambda: self._windows(MAIN_TITLE), "the main window")[0]
        wait_for(lambda: self.position() == WINDOW_ORIGIN, "the window at its place")
        self.origin = WINDOW_ORIGIN

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.kill()

    def _windows(self, title):
        # Only this process's mapped windows: Qt keeps hidden windows of the same title.
        self.check_alive()
        found = subprocess.run(["xdotool", "search", "--all", "--onlyvisible", "--pid",
                                str(self.process.pid), "--name",
                                "^" + _regex_escape(title) + "$"],
                               capture_output=True, text=True, timeout=WAIT_S)
        return found.stdout.split()

    def alive(self):
        return self.process.poll() is None

    def check_alive(self):
        if not self.alive():
            self.stderr.seek(0)
            raise Failure("the program ended (status %s): %s" % (
                self.process.returncode, self.stderr.read().decode(errors="replace")[-2000:]))

    def position(self):
        self.check_alive()
        shape = xdotool("getwindowgeometry", "--shell", self.window)
        values = dict(line.split("=", 1) for line in shape.splitlines() if "=" in line)
        return int(values.get("X", -1)), int(values.get("Y", -1))

    def at(self, point):
        return self.origin[0] + point[0], self.origin[1] + point[1]

    def click(self, point):
        x, y = self.at(point)
        xdotool("mousemove", str(x), str(y), "click", "1")

    def grab(self, rect):
        x, y = self.at(rect[:2])
        return screen().grab(x, y, rect[2], rect[3])

    def view_pixels(self):
        return self.grab(MEMO_RECT)

    def input_shows_text(self):
        # More than the blinking caret: the phrase is still in the input line.
        return Screen.lit_pixels(self.grab(EDIT_RECT)) > 40

    def settled_view(self, first=None):
        """The view once two looks 60 ms apart agree (a repaint may come in parts)."""
        previous = first if first is not None else self.view_pixels()
        for _ in range(int(WAIT_S / 0.06)):
            time.sleep(0.06)
            current = self.view_pixels()
            if current == previous:
                return current
            previous = current
        raise Failure("the view never settled")

    def focus(self):
        xdotool("windowfocus", "--sync", self.window)

    def open_box(self):
        """(caption, window) of an open message box of this program, or None."""
        for caption in (ERROR_CAPTION, WARNING_CAPTION):
            found = self._windows(caption)
            if found:
                return caption, found[0]
        return None

    def start_dialogue(self):
        """Clicks the start pad; returns the text of a box if one came up."""
        before = self.settled_view()
        self.click(NEW_PAD)
        return self.await_answer(before)

    def say(self, phrase, timeout=WAIT_S):
        """Pastes the phrase into the input line and presses Enter. Returns the text
        of the box that came up (it is then closed), or None once the view has
        changed without one."""
        with Clipboard(phrase):
            started = time.monotonic()
            xdotool("key", "ctrl+v")
            self.paste_seconds = None  # how long the pasted phrase took to show
            if phrase.strip():
                try:
                    wait_for(self.input_shows_text, "the pasted phrase", timeout=5)
                    self.paste_seconds = time.monotonic() - started
                except Failure:
                    pass  # the view alone tells when it is answered
            return self.enter(timeout)

    def enter(self, timeout=WAIT_S):
        before = self.settled_view()
        # An answer may leave the view as it was (a recall of the same long text
        # again); the input line is cleared by every answer all the same.
        typed = self.input_shows_text()
        started = time.monotonic()
        xdotool("key", "Return")
        return self.await_answer(before, timeout, started, typed)

    def await_answer(self, before, timeout=WAIT_S, started=None, typed=False):
        """Waits for the view to change, the typed phrase to leave the input line or
        a box to open; answer_seconds is then the time from started to the first
        sight of it."""
        started = started if started is not None else time.monotonic()
        # The handler appends every line and opens any box before the window repaints.
        outcome = wait_for(lambda: self.open_box() or self.view_pixels() != before or
                           (typed and not self.input_shows_text()),
                           "an answer or a box", timeout=timeout, interval=0.005)
        self.answer_seconds = time.monotonic() - started
        if outcome is True:
            self.settled_view()
            outcome = self.open_box()
        return self.close_box(*outcome) if outcome else None

    def close_box(self, caption, box):
        """Reads the box's text (its Copy key puts caption, text and buttons on the
        clipboard) and closes it with Enter."""
        xdotool("windowfocus", "--sync", box)
        clear_clipboard()
        xdotool("key", "ctrl+c")
        copied = wait_for(clipboard_bytes, "the box's text on the clipboard").decode()
        xdotool("key", "Return")
        wait_for(lambda: not self._windows(caption), "the box to close")
        self.focus()
        text = box_text(copied)
        check(text["caption"] == caption, "a box copied as %r" % copied)
        return text["text"] if caption == ERROR_CAPTION else "%s: %s" % (caption, text["text"])

    def save_log(self, path):
        """Saves the view through the save dialog under the path typed in full.
        Returns the error box's text, or None once the log is written."""
        before = read_bytes(path) if os.path.isfile(path) else None
        self.click(SAVE_PAD)
        dialog = wait_for(lambda: self._windows(SAVE_TITLE), "the save dialog")[0]
        # Typing goes where the keyboard focus is.
        xdotool("windowfocus", "--sync", dialog)
        wait_for(lambda: xdotool("getwindowfocus") == dialog, "the save dialog to hold the focus")
        # The dialog offers the last name chosen; select it so the path replaces it.
        xdotool("key", "ctrl+a")
        xdotool("type", "--delay", "2", "--", path)
        xdotool("key", "Return")
        wait_for(lambda: not self._windows(SAVE_TITLE), "the dialog to close")
        # The file is written before the handler returns; a box opens before that.
        outcome = wait_for(lambda: self.open_box() or
                           (os.path.isfile(path) and read_bytes(path) != before and "saved"),
                           "the log or a box")
        self.focus()
        return None if outcome == "saved" else self.close_box(*outcome)

    def close(self):
        self.check_alive()
        self.click(CLOSE_EMBLEM)
        self.process.wait(timeout=WAIT_S)
        check(self.process.returncode == 0, "exit status %s" % self.process.returncode)

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait()


def box_text(copied):
    """The parts of a box copied with its Copy key: caption, text and buttons, each
    after a line of dashes."""
    rule = "---------------------------"
    parts = [p.strip("\n") for p in copied.replace("\r\n", "\n").split(rule)]
    parts = [p for p in parts if p.strip()]
    check(len(parts) == 3, "unexpected copy of a box: %r" % copied)
    return {"caption": parts[0], "text": parts[1], "buttons": parts[2].split()}


# --- the log and the learned file -------------------------------------------------

def log_blocks(path):
    """The view's lines from a saved log, grouped at empty lines and before echo
    lines: each block is one appended line as the view wrapped it, joined again."""
    data = read_bytes(path)
    check(data.endswith(b"\r\n"), "the log ends with CR LF")
    lines = data.decode("cp1251").split("\r\n")[:-1]
    check(lines[0].startswith('LOG разговора с программой "VORKAST Толкарь" за '),
          "the log's header: %r" % lines[0])
    check(lines[1:3] == [">>>", ""], "the log's header: %r" % lines[:3])
    blocks, current = [], []
    for line in lines[3:]:
        check("\r" not in line and "\n" not in line, "a bare line break in the log")
        if line == "" or line.startswith("ТЫ: "):
            if current:
                blocks.append("".join(current))
            current = [line] if line else []
        else:
            current.append(line)
    if current:
        blocks.append("".join(current))
    return blocks


def match_blocks(blocks, pattern):
    """pattern: a list of phrases (each an echo line "ТЫ: " + phrase) and REPLY (one
    line of the character). Returns what differs, or None."""
    if len(blocks) != len(pattern):
        return "%d blocks, expected %d: %r" % (len(blocks), len(pattern),
                                               [b[:50] for b in blocks])
    for at, (block, item) in enumerate(zip(blocks, pattern)):
        if item is REPLY:
            if block.startswith("ТЫ: "):
                return "block %d: expected a reply, got %r" % (at, block[:80])
        elif block != "ТЫ: " + item:
            return "block %d: expected the echo of %r, got %r" % (at, item[:80], block[:80])
    return None


REPLY = object()


def records(data):
    """The records of a learned file that this program wrote: whole CR LF lines."""
    check(data.endswith(b"\r\n") or data == b"", "the file ends inside a line: %r" % data[-40:])
    lines = data[:-2].split(b"\r\n") if data else []
    for line in lines:
        check(b"\r" not in line and b"\n" not in line, "a bare line break in %r" % line[:80])
    return lines


# --- running the cases ------------------------------------------------------------

def main(cases, description):
    """Runs the cases (or those named on the command line after --program PATH)
    under a private X server; prints each outcome. Exit status 0 if all passed,
    SKIP if a needed tool is missing or every case was skipped, 1 if any failed."""
    arguments = sys.argv[1:]
    check(len(arguments) >= 2 and arguments[0] == "--program",
          "usage: %s --program PATH [case ...]" % sys.argv[0])
    executable, names = os.path.abspath(arguments[1]), arguments[2:]
    missing = missing_tools()
    if missing:
        print("SKIP: %s needs %s" % (description, ", ".join(missing)))
        return SKIP
    chosen = [c for c in cases if not names or c.__name__ in names]
    check(chosen, "no case named %s" % names)
    server = XServer()
    failed = skipped = 0
    try:
        print("%s on display %s" % (description, server.display), flush=True)
        for case in chosen:
            started = time.monotonic()
            # Under /tmp, where another user can reach it, whatever TMPDIR says.
            base = "/tmp" if os.access("/tmp", os.W_OK) else None
            with tempfile.TemporaryDirectory(prefix="tolkar-", dir=base) as directory:
                os.chmod(directory, 0o755)
                try:
                    note = case(executable, directory)
                    status = "SKIP" if isinstance(note, Skipped) else "PASS"
                    skipped += status == "SKIP"
                except Failure as error:
                    status, note = "FAIL", str(error)
                    failed += 1
                except Exception as error:  # a tool that hung or broke: still a failure
                    status, note = "FAIL", "%s: %s" % (type(error).__name__, error)
                    failed += 1
                finally:
                    unmount_under(directory)
            print("%s %s (%.1f s)%s" % (status, case.__name__, time.monotonic() - started,
                                        ": %s" % note if note else ""), flush=True)
    finally:
        server.close()
    if failed:
        return 1
    return SKIP if skipped == len(chosen) else 0


def unmount_under(directory):
    """Unmounts whatever a case mounted below its directory, so it can be removed."""
    try:
        with open("/proc/self/mounts") as mounts:
            points = [line.split()[1] for line in mounts]
    except OSError:
        return
    for point in reversed(points):
        if point.startswith(directory + "/"):
            subprocess.run(["umount", "-l", point], capture_output=True)
