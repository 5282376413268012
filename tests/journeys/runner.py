"""The journey runner: the real TaveloPro.exe under Wine on an X display, driven like a person
drives it (xdotool moves the pointer, clicks and types), against tzsim on a pseudo-terminal.

A journey gets a Session: a fresh program folder with its DLLs and profiles, a fresh tzsim linked
as the program's serial port, the program's windows and controls as the probe reads them (texts,
list items, screen rectangles), waits on conditions with generous time-outs, tzsim's decoded trace
and state, and a screenshot of the end state kept as an artifact.
"""

import json
import os
import re
import shutil
import signal
import subprocess
import time

WINE = "/usr/lib/wine/wine64"
MAIN_TITLE = "高清多画面分割器"
BOX_CAPTION = "TaveloPro"
EXIT_QUESTION = "是否要退出高清多画面分割器?"
IDOK, IDCANCEL, IDYES, IDNO = 1, 2, 6, 7

# Time-outs are generous on purpose: the machine is shared and Wine starts slowly when loaded.
WINDOW_TIMEOUT = 60.0
STEP_TIMEOUT = 30.0


class JourneyFailed(Exception):
    pass


def check(condition, message):
    if not condition:
        raise JourneyFailed(message)


def wait_until(what, condition, timeout=STEP_TIMEOUT, interval=0.1):
    """Polls condition() until it returns something true; its value is returned."""
    end = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > end:
            raise JourneyFailed("timed out after %.0f s waiting for %s" % (timeout, what))
        time.sleep(interval)


class Window:
    """One window as the probe saw it."""

    def __init__(self, record, tree):
        self.__dict__.update(record)
        self.tree = tree

    @property
    def centre(self):
        left, top, right, bottom = self.rect
        return (left + right) // 2, (top + bottom) // 2

    @property
    def width(self):
        return self.rect[2] - self.rect[0]

    @property
    def height(self):
        return self.rect[3] - self.rect[1]

    def children(self):
        return [w for w in self.tree.windows if w.parent == self.hwnd]

    def descendants(self):
        out = []
        for child in self.children():
            out.append(child)
            out.extend(child.descendants())
        return out

    def control(self, ident=None, text=None, cls=None):
        """The first visible descendant with that dialog id, text and/or class."""
        for w in self.descendants():
            if ident is not None and w.id != ident:
                continue
            if text is not None and w.text != text:
                continue
            if cls is not None and w.cls.lower() != cls.lower():
                continue
            if w.visible:
                return w
        return None

    def texts(self):
        return [w.text for w in self.descendants() if w.text]

    def __repr__(self):
        return "<%s %r id=%d %r>" % (self.cls, self.text, self.id, self.rect)


class Tree:
    def __init__(self, data):
        self.processes = data.get("processes", 0)
        self.windows = [Window(r, self) for r in data.get("windows", [])]
        # Buttons that are no windows (a toolbar's), as their tooltips know them.
        self.tools = [Window(dict(r, cls="tool", depth=-1, parent=r["owner"], hwnd=0), self)
                      for r in data.get("tools", [])]

    def tool(self, text):
        """The visible toolbar button whose tip is text."""
        for t in self.tools:
            if t.visible and t.text == text and t.width > 0:
                return t
        return None

    def tops(self):
        return [w for w in self.windows if w.depth == 0]

    def top(self, text=None, cls=None, min_width=0):
        for w in self.tops():
            if text is not None and w.text != text:
                continue
            if cls is not None and w.cls.lower() != cls.lower():
                continue
            if w.width >= min_width:
                return w
        return None

    def main_frame(self):
        # The progress window shares the title; the frame is the one large window.
        return self.top(text=MAIN_TITLE, min_width=800)

    def message_box(self, text=None):
        for w in self.tops():
            if w.text != BOX_CAPTION or w.cls != "#32770":
                continue
            if text is None or text in w.texts():
                return w
        return None


class Session:
    """One journey's world: the folder, tzsim, the program, the display and the artifacts."""

    def __init__(self, name, config):
        self.name = name
        self.cfg = config
        self.com = int(config["com"])
        self.absent_com = self.com + 1  # listed by the machine, no device behind it
        self.prefix = config["prefix"]
        self.work = os.path.join(config["work"], name)
        self.folder = os.path.join(self.work, "program")
        self.simdir = os.path.join(self.work, "tzsim")
        self.artifacts = config["artifacts"]
        self.tzsim = None
        self.program = None
        self.log = open(os.path.join(self._fresh_work(), "journey.log"), "w", encoding="utf-8")
        self.env = dict(os.environ)
        self.env.update(WINEPREFIX=self.prefix, WINEDEBUG="-all", WINEARCH="win64",
                        WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml=",
                        LC_ALL=config.get("locale", "zh_CN.UTF-8"))
        self._probe_count = 0
        self._managed_before = None
        self._listed = set()  # ports this journey put into the machine's list, taken out at the end

    def _fresh_work(self):
        shutil.rmtree(self.work, ignore_errors=True)
        os.makedirs(self.work)
        return self.work

    def note(self, text):
        self.log.write("%8.2f %s\n" % (time.monotonic(), text))
        self.log.flush()

    # ---- Wine and the probe ----

    def wine(self, args, cwd=None, out_name=None):
        out = open(os.path.join(self.work, out_name or "wine.out"), "ab")
        return subprocess.Popen([WINE] + args, cwd=cwd or self.work, env=self.env,
                                stdout=out, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)

    def probe(self, command, *args, timeout=STEP_TIMEOUT):
        self._probe_count += 1
        path = os.path.join(self.work, "probe-%s.json" % command)
        if os.path.exists(path):
            os.remove(path)
        proc = self.wine([self.cfg["probe"], command, path] + list(args), out_name="probe.out")
        try:
            proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            proc.kill()
            raise JourneyFailed("the probe did not finish")
        if proc.returncode != 0 or not os.path.exists(path):
            return None
        with open(path, encoding="utf-8") as f:
            return json.load(f)

    def tree(self):
        data = self.probe("tree")
        return Tree(data or {})

    def dialog_control(self, title, ident, cls=None):
        """A control of the top-level window with that title, as a reading now finds it; None
        when the reading lacks either (one taken while the program is busy may miss a window)."""
        top = self.tree().top(text=title)
        return top.control(ident=ident, cls=cls) if top else None

    def wait_dialog_control(self, title, ident, cls=None, timeout=STEP_TIMEOUT):
        """The control, once a reading finds it."""
        return wait_until("control %d of %r" % (ident, title),
                          lambda: self.dialog_control(title, ident, cls), timeout, interval=0.2)

    def wait_window(self, what, pick, timeout=WINDOW_TIMEOUT):
        """Polls the window tree until pick(tree) gives a window."""
        return wait_until(what, lambda: pick(self.tree()), timeout, interval=0.2)

    def wait_gone(self, what, pick, timeout=STEP_TIMEOUT):
        wait_until(what + " to go", lambda: pick(self.tree()) is None, timeout, interval=0.2)

    def list_port(self, port, remove=False):
        proc = self.wine([self.cfg["probe"], "serialcomm", str(port)] + (["del"] if remove else []),
                         out_name="probe.out")
        proc.wait(timeout=STEP_TIMEOUT)
        check(proc.returncode == 0, "the port register takes COM%d" % port)
        if remove:
            self._listed.discard(port)
        else:
            self._listed.add(port)

    def draw_own_frames(self):
        """Lets Wine draw whole windows (see the probe's "managed"); undone in close()."""
        path = os.path.join(self.work, "managed.txt")
        proc = self.wine([self.cfg["probe"], "managed", path, "N"], out_name="probe.out")
        proc.wait(timeout=STEP_TIMEOUT)
        check(proc.returncode == 0, "Wine's X11 driver takes Managed=N")
        with open(path) as f:
            self._managed_before = f.read().strip()

    def process_figures(self):
        data = self.probe("proc")
        return data[0] if data else None

    # ---- The device ----

    def start_tzsim(self, wall="4x2", mpd=4, extra=()):
        link = os.path.join(self.prefix, "dosdevices", "com%d" % self.com)
        if os.path.islink(link):
            os.remove(link)
        out = open(os.path.join(self.work, "tzsim.out"), "w")
        self.tzsim = subprocess.Popen([self.cfg["tzsim"], "--wall", wall, "--mpd", str(mpd),
                                       "--link", "%s:%d" % (self.prefix, self.com), "--dir", self.simdir]
                                      + list(extra), stdout=out, stderr=subprocess.STDOUT)
        wait_until("tzsim to link COM%d" % self.com, lambda: os.path.islink(link), 20)

    def control_tzsim(self, line):
        with open(os.path.join(self.simdir, "control"), "w") as f:
            f.write(line + "\n")

    def trace(self):
        """tzsim's decoded trace, one string per line (the file is rewritten as frames arrive)."""
        self.signal_tzsim()
        path = os.path.join(self.simdir, "trace.txt")
        if not os.path.exists(path):
            return []
        with open(path, encoding="utf-8", errors="replace") as f:
            return f.read().splitlines()

    def frames(self):
        """The frames tzsim received, as lists of 12 byte values, with the trace's meaning."""
        out = []
        for line in self.trace():
            m = re.match(r"\s*[\d.]+\s+((?:[0-9A-F]{2} ){11}[0-9A-F]{2})\s+(.*)$", line)
            if m:
                out.append(([int(b, 16) for b in m.group(1).split()], m.group(2)))
        return out

    def anomalies(self):
        return [line for line in self.trace() if re.match(r"\s*[\d.]+\s+! ", line)]

    def signal_tzsim(self):
        if self.tzsim and self.tzsim.poll() is None:
            self.tzsim.send_signal(signal.SIGUSR1)

    def state(self):
        path = os.path.join(self.simdir, "state.json")
        for _ in range(20):
            try:
                with open(path) as f:
                    return json.load(f)
            except (OSError, ValueError):
                time.sleep(0.05)  # rewritten atomically; absent before the first change
        return None

    # ---- The program ----

    def install_program(self, tzview=None, port=None):
        os.makedirs(self.folder, exist_ok=True)
        for name in ("TaveloPro.exe", "LuLib20.dll", "TzComm.dll", "TzCommFun.dll"):
            shutil.copy2(os.path.join(self.cfg["bin"], name), self.folder)
        self.write_com_ini(port if port is not None else self.com)
        profile = tzview or "[application]\r\nmpdnums=3\r\nresolution=6\r\nmpdresolution=5\r\n"
        with open(os.path.join(self.folder, "TzView.ini"), "w", newline="") as f:
            f.write(profile)
        self.list_port(self.com)
        self.draw_own_frames()

    def write_com_ini(self, port):
        with open(os.path.join(self.folder, "com.ini"), "w", newline="") as f:
            f.write("[comm]\r\ncommport=%d\r\ntimeout=10\r\nbaudrate=115200\r\nlog=1\r\n" % port)

    def read_com_ini(self):
        with open(os.path.join(self.folder, "com.ini"), encoding="latin-1") as f:
            return dict(re.findall(r"^(\w+)=(.*?)\r?$", f.read(), re.M))

    def recent_scene(self):
        """The host path of the scene file TzView.ini names as the most recent, or None."""
        with open(os.path.join(self.folder, "TzView.ini"), encoding="gbk", errors="replace") as f:
            m = re.search(r"^recentfilename=(.*?)\r?$", f.read(), re.M | re.I)
        if not m:
            return None
        path = m.group(1)
        # The program runs from its folder: a Windows path in it maps back onto the host folder.
        tail = path.split("\\")
        for i, part in enumerate(tail):
            if part.lower() == "program":
                return os.path.join(self.folder, *tail[i + 1:])
        return None

    def start_program(self, *args):
        self.note("start TaveloPro.exe %s" % " ".join(args))
        self.program = self.wine(["TaveloPro.exe"] + list(args), cwd=self.folder, out_name="program.out")

    def running(self):
        return self.program is not None and self.program.poll() is None

    def wait_exit(self, timeout=STEP_TIMEOUT):
        wait_until("the program to end", lambda: not self.running() or None, timeout)

    # ---- The person: pointer and keyboard through X ----

    def xdotool(self, *args):
        self.note("xdotool " + " ".join(str(a) for a in args))
        subprocess.run(["xdotool"] + [str(a) for a in args], check=True, env=self.env)

    def click(self, window, dx=None, dy=None, button=1):
        """Clicks a window at its centre, or at (dx, dy) from its top-left corner."""
        if dx is None:
            x, y = window.centre
        else:
            x, y = window.rect[0] + dx, window.rect[1] + dy
        self.xdotool("mousemove", x, y)
        self.xdotool("click", button)

    def type_text(self, text):
        self.xdotool("type", "--delay", 40, text)

    def key(self, *keys):
        self.xdotool("key", "--delay", 60, *keys)

    def answer_box(self, text, button):
        """Waits for the message box with that text and clicks its button (IDOK, IDYES, ...)."""
        box = self.wait_window("the message %r" % text, lambda t: t.message_box(text))
        target = box.control(ident=button, cls="Button")
        check(target is not None, "the message %r has button %d" % (text, button))
        self.click(target)
        self.wait_gone("the message %r" % text, lambda t: t.message_box(text))
        return box

    # ---- The screen ----

    def screenshot(self, label="end"):
        os.makedirs(self.artifacts, exist_ok=True)
        path = os.path.join(self.artifacts, "%s-%s.png" % (self.name, label))
        subprocess.run(self.grab_root() + [path], check=True)
        self.note("screenshot " + path)
        return path

    def region(self, rect):
        """The screen's pixels in rect (left, top, right, bottom), as raw RGB bytes."""
        left, top, right, bottom = rect
        geometry = "%dx%d+%d+%d" % (right - left, bottom - top, left, top)
        return subprocess.run(self.grab_root() + ["-crop", geometry, "-depth", "8", "rgb:-"],
                              check=True, capture_output=True).stdout

    def grab_root(self):
        """The command that reads the screen as the server holds it, in one GetImage of the root.
        Not xwd: Wine gives every window a colormap of its own, and xwd then loses a window that
        lies wholly inside another (a dialog or message box over the main window) to black."""
        return ["import", "-display", self.env["DISPLAY"], "-silent", "-window", "root"]

    # ---- The end ----

    def close(self):
        hung = self.program is not None and self.program.poll() is None
        if hung:
            # The Windows process is ended by its own id inside this prefix's server; the Wine
            # loader that started it goes with it.
            for figures in self.probe("proc") or []:
                kill = self.wine(["taskkill", "/F", "/PID", str(figures["pid"])], out_name="probe.out")
                try:
                    kill.wait(timeout=20)
                except subprocess.TimeoutExpired:
                    kill.kill()
            try:
                self.program.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.program.kill()
        # Other programs of this Wine server (the GUI tests) expect the machine's list as it was.
        for port in sorted(self._listed):
            self.wine([self.cfg["probe"], "serialcomm", str(port), "del"], out_name="probe.out").wait(timeout=STEP_TIMEOUT)
        if self._managed_before is not None:
            path = os.path.join(self.work, "managed-after.txt")
            self.wine([self.cfg["probe"], "managed", path, self._managed_before or "-"],
                      out_name="probe.out").wait(timeout=STEP_TIMEOUT)
        if self.tzsim and self.tzsim.poll() is None:
            self.tzsim.terminate()
            try:
                self.tzsim.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.tzsim.kill()
        self.log.close()


# ---- Options of every driver of the program (the journeys and the operator benches) ----

PATH_OPTIONS = ("bin", "probe", "tzsim", "prefix", "work", "artifacts")


def add_session_options(parser, required=True):
    """Where the program, the probe, tzsim, the Wine prefix and the work folders are; the port."""
    for opt in PATH_OPTIONS:
        parser.add_argument("--" + opt, required=required and opt != "artifacts")
    parser.add_argument("--com", default="57")


def session_config(args):
    """The parsed options with their folders made absolute; a bench without --artifacts keeps its
    screenshots under its work folder."""
    cfg = dict(vars(args))
    for opt in PATH_OPTIONS:
        if cfg.get(opt):
            cfg[opt] = os.path.abspath(cfg[opt])
    if not cfg.get("artifacts") and cfg.get("work"):
        cfg["artifacts"] = os.path.join(cfg["work"], "shots")
    return cfg


# ---- The program's figures, as the operator benches print them ----

MB = 1024 * 1024


def program_figures(session, label):
    """The program's memory and object figures and its window count now, printed on one line."""
    f = session.process_figures() or {}
    f["windows"] = len(session.tree().windows)
    print("%-28s working set %6.1f MB (peak %6.1f MB), private %6.1f MB, windows %d, GDI %s, USER %s, handles %s"
          % (label, f.get("working_set", 0) / MB, f.get("peak_working_set", 0) / MB, f.get("private", 0) / MB,
             f["windows"], f.get("gdi") or "n/a", f.get("user") or "n/a", f.get("handles") or "n/a"))
    return f


def print_object_counts(earlier, later, moments):
    """Windows, GDI, USER objects and handles at two moments (goal equal); the system objects only
    where the system reports them (Wine answers 0)."""
    print("windows %s: %d / %d (goal equal)" % (moments, earlier["windows"], later["windows"]))
    for kind in ("gdi", "user", "handles"):
        if earlier.get(kind) or later.get(kind):
            print("%s %s: %d / %d (goal equal)" % (kind.upper(), moments, earlier[kind], later[kind]))
        else:
            print("%s: not reported by the system here (Wine answers 0)" % kind.upper())
