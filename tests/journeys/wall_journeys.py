"""The wall and scene journeys: an MPD region with PIP windows built, fed and moved on the wall
view as an operator does it, and a scene saved, replaced and restored through the file dialogs.
Each checks the exact frames tzsim decoded, tzsim's final state and what the wall view shows on
the screen. journeys.py registers them with the others (same JOURNEYS table, same command line).
"""

import os
import struct

from journeys import (IDOK, MAIN_TITLE, JourneyFailed, JourneySkipped, check, exit_program,
                      journey, login, main_frame, no_anomalies, wait_until)

# The installation: four MPD channels (three PIP windows at most), a 1920 x 1080 MPD region,
# windows added into a 2 x 2 sub-grid, and a DVI matrix of four inputs (maker 3, address 1)
# whose inputs the popup lists as HDMI1..HDMI4.
WALL_TZVIEW = ("[application]\r\nmpdnums=3\r\nresolution=6\r\nmpdresolution=5\r\nmpdsubcells=2x2\r\n"
               "[DVI_Matrix]\r\nnumofinput=4\r\ndevfactory=3\r\ndevno=1\r\n")
MPD_COUNT = 4
RESOLUTION = 6
MPD_W, MPD_H = 1920, 1080
SUB_ROWS, SUB_COLUMNS = 2, 2

IDC_WALL_VIEW = 1000
IDC_CV_NEW_SCENE, IDC_CV_ADD_PIP, IDC_CV_DELETE_PIP = 32875, 32879, 1010
PIP_LIMIT = "MPD窗口已添加至最大"
SAVED = "保存成功!"
SCENE_TAB_TIPS = {"new": "按分割方式新建一个场景", "save": "把当前场景保存到文件",
                  "load": "从文件加载场景并发送"}

# What the wall view paints (0xRRGGBB): a cell's one-pixel frame, its inside as chosen or not.
FRAME = (0, 0, 0)
FILL = (100, 100, 100)
FILL_SELECTED = (36, 106, 64)

DVI_ADDRESS, KIND_DVI = 1, 2

# Input types as the board frames carry them.
INPUT_VGA, INPUT_YUV, INPUT_DVI = 2, 5, 6


# The link pauses 50 ms after each frame; tzsim stamps a frame when it has read it, and on this
# loaded machine it may read one late by several milliseconds, which shortens the next gap it
# measures. The GUI tests against tzsim allow 15 ms for that; a link without its pause (a gap of
# about 1 ms) is still caught.
PACE_TOLERANCE = ["--pace-tolerance", "15"]


def start_wall(s):
    """tzsim and the program with the wall installation, logged in as a User."""
    s.start_tzsim(extra=PACE_TOLERANCE)
    s.install_program(tzview=WALL_TZVIEW)
    s.start_program()
    login(s, "User", "")
    return main_frame(s)


# ---- Frames as the device must receive them ----

def board_frame(board, event, *args):
    body = [2, board, event] + list(args)
    body += [0x55] * (9 - len(body))
    return [0xAA, 0xBB] + body + [sum(body) & 0xFF]


def tzb8_switch(address, kind, output, input_no):
    """A crosspoint for the DVI matrix of the installation (maker 3): one matrix frame whose eight
    data bytes are A5, address, 01 (switch), kind, output, input, 00 and the sum of the six
    bytes after A5."""
    data = [address, 1, kind, output, input_no, 0]
    body = [1, 0xA5] + data + [sum(data) & 0xFF]
    return [0xAA, 0xBB] + body + [sum(body) & 0xFF]


def pip_on(n, on=True):
    return board_frame(n, 0x0E, 0, 1 if on else 0)


def pip_geometry(n, rect):
    """The two window-geometry frames: size, then position (16-bit values, high byte first)."""
    x, y, w, h = rect
    return [board_frame(n, 0x0E, 2, w >> 8, w & 255, h >> 8, h & 255),
            board_frame(n, 0x0E, 1, x >> 8, x & 255, y >> 8, y & 255)]


def blank_scene_frames():
    """新建场景, 设置位置 and 设置分辨率: what every new or blank scene starts with."""
    return [board_frame(0, 0x00), board_frame(0, 0x0A, 1, 1, 1), board_frame(0, 0x02, RESOLUTION)]


def mpd_assign_frames(region_input=None):
    """设置CBD for the one panel of the wall: MPD boards 2.. get input 4, the panel (board MPD
    count + 1) input 0; board 1 gets the region's own input only when a scene is restored."""
    frames = [] if region_input is None else [board_frame(1, 0x08, region_input)]
    frames += [board_frame(i, 0x08, 4) for i in range(2, MPD_COUNT + 1)]
    return frames + [board_frame(MPD_COUNT + 1, 0x08, 0)]


def device_rect(view, region):
    """A window's device rectangle from its view rectangle within its region, as the device is
    told it: scaled to the MPD pixel size, x and w kept even (down), y and h made even (up), a
    margin under 10 pixels snapped to the edge."""
    left, top, right, bottom = view
    sx, sy = MPD_W / (region[2] - region[0]), MPD_H / (region[3] - region[1])
    x = int(max(0, left - region[0]) * sx)
    y = int(max(0, top - region[1]) * sy)
    x -= x % 2
    y += y % 2
    x = 0 if x < 10 else x
    y = 0 if y < 10 else y
    w, h = int((right - left) * sx), int((bottom - top) * sy)
    w -= w % 2
    h += h % 2
    if x + w > MPD_W - 10:
        w = MPD_W - x
    if y + h > MPD_H - 10:
        h = MPD_H - y
    return x, y, w, h


def sub_grid_slot(region, k):
    """Where the k-th window added to a region lands (0-based) in the 2 x 2 sub-grid."""
    left, top, right, bottom = region
    cw, ch = (right - left) // SUB_COLUMNS, (bottom - top) // SUB_ROWS
    k %= SUB_ROWS * SUB_COLUMNS
    j, i = k % SUB_COLUMNS, k // SUB_COLUMNS
    return (left + j * cw, top + i * ch,
            right - (SUB_COLUMNS - j - 1) * cw, bottom - (SUB_ROWS - i - 1) * ch)


def wait_frames(s, count, what):
    """Waits until tzsim has decoded at least count frames; gives them all."""
    return wait_until(what, lambda: (lambda f: f if len(f) >= count else None)(s.frames()), 60)


def check_frames(s, start, expected, what):
    """The frames after the first `start` are exactly `expected`."""
    frames = wait_frames(s, start + len(expected), what)
    got = frames[start:]
    shown = "\n  ".join("%s  %s" % (" ".join("%02X" % b for b in f), m) for f, m in got)
    check(len(got) == len(expected), "%s: %d frames, not %d:\n  %s" % (what, len(got), len(expected), shown))
    for i, ((bytes_, _), want) in enumerate(zip(got, expected)):
        check(bytes_ == want, "%s: frame %d is %s, not %s:\n  %s"
              % (what, i, " ".join("%02X" % b for b in bytes_), " ".join("%02X" % b for b in want), shown))
    return start + len(expected)


# ---- The screen: the wall view, menus, settling ----

def seen(s):
    """The window tree once it shows the main window: a reading taken while the program was too
    busy to answer the probe in time lacks it, and is taken again (an empty reading would look
    like a closed menu or a window gone)."""
    return wait_until("a reading of the main window",
                      lambda: (lambda tree: tree if tree.main_frame() else None)(s.tree()), 60)


def gone(s, what, pick):
    wait_until(what + " to go", lambda: pick(seen(s)) is None)


def answer(s, text, button=IDOK):
    """Answers the message box with that text, and waits until a reading shows it gone."""
    s.answer_box(text, button)
    gone(s, "the message %r" % text, lambda t: t.message_box(text))


def wall_view(s):
    view = seen(s).main_frame().control(ident=IDC_WALL_VIEW, cls="TzViewCtrl")
    check(view is not None, "the main window shows the wall view")
    return view


def visible_part(view):
    """The view's rectangle as far as its page shows it (the page's scroll bar covers its right
    edge), in screen pixels."""
    parent = next(w for w in view.tree.windows if w.hwnd == view.parent)
    return (max(view.rect[0], parent.rect[0]), max(view.rect[1], parent.rect[1]),
            min(view.rect[2], parent.rect[2]), min(view.rect[3], parent.rect[3]))


def at(view, point):
    """The screen position of a point of the view's client area (the control has no border)."""
    return view.rect[0] + point[0], view.rect[1] + point[1]


def menus(tree):
    """The open popup menus: the skin's (the split menu) and the system's (the wall view's)."""
    return [w for w in tree.tops() if w.cls in ("luMenu", "#32768")]


def wait_menus(s, count, what):
    wait_until(what, lambda: len(menus(seen(s))) == count or None)


def settled(s):
    """Nothing in between: no menu, no progress window, no message."""
    def quiet():
        tree = seen(s)
        return not menus(tree) and tree.top(text=MAIN_TITLE, cls="#32770") is None and tree.message_box() is None
    wait_until("the program to settle", quiet)


def menu_keys(s, path):
    """Walks an open popup menu by the keyboard: path is a list of key lists, one per menu level;
    after each but the last, Right opens the highlighted sub-menu (its first item highlighted),
    and Enter ends the last."""
    for depth, keys in enumerate(path):
        if keys:
            s.key(*keys)
        if depth + 1 < len(path):
            s.key("Right")
            wait_menus(s, depth + 2, "sub-menu %d to open" % (depth + 1))
        else:
            s.key("Return")
    wait_menus(s, 0, "the menu to close")


def split(s, frame, path):
    """The control view's 新建场景 opens the split menu; path picks the split by the keyboard."""
    button = frame.control(ident=IDC_CV_NEW_SCENE, cls="Button")
    if button is None or frame.control(ident=IDC_WALL_VIEW) is None:
        exit_program(s, frame)
        raise JourneySkipped("the main window has no control view or wall view")
    s.click(button)
    wait_menus(s, 1, "the split menu")
    menu_keys(s, path)


def popup_input(s, view, point, path):
    """Right-clicks the view at point (a PIP window) and picks an input from its popup."""
    x, y = at(view, point)
    s.xdotool("mousemove", x, y)
    s.xdotool("click", 3)
    wait_menus(s, 1, "the wall view's popup")
    menu_keys(s, path)


# The split menu is the skin's: its first Down highlights the first group (单画面全屏), the next
# ones the following groups.
SPLIT_MPD1_FULL = [["Down"], []]                # 单画面全屏 > MPD1全屏
SPLIT_THREE = [["Down"] * 3, []]                # 三画面分割 > 三画面分割

# The popup "POP" over a PIP window is the system's menu, opened under the pointer: Home
# highlights its first item "分解(&D)" (disabled over a window, but the keyboard passes it), Down
# skips the separator to 本地VGA, then 本地视频, 本地DVI and the item 本地YUV.
POPUP_LOCAL_VGA = [["Home", "Down"], []]        # 本地VGA > 本地VGA
POPUP_YUV = [["Home"] + ["Down"] * 4]           # 本地YUV


def popup_dvi(n):
    return [["Home"] + ["Down"] * 3, ["Down"] * (n - 1)]    # 本地DVI > HDMIn


def drag(s, view, start, end, steps=6):
    """Presses at start, moves in steps as a hand does, releases at end (view points)."""
    x0, y0 = at(view, start)
    x1, y1 = at(view, end)
    s.xdotool("mousemove", x0, y0)
    s.xdotool("mousedown", 1)
    for i in range(1, steps + 1):
        s.xdotool("mousemove", x0 + (x1 - x0) * i // steps, y0 + (y1 - y0) * i // steps)
    s.xdotool("mouseup", 1)


def split_three(s, frame, region, start):
    """新建场景 > 三画面分割: the panel becomes an MPD region with windows 2, 3 and 4 in the first
    three slots of the sub-grid, each opened and placed; gives the windows and the frame count."""
    split(s, frame, SPLIT_THREE)
    windows = {n: sub_grid_slot(region, k) for k, n in enumerate((2, 3, 4))}
    expected = blank_scene_frames() + mpd_assign_frames()
    for n in (2, 3, 4):
        expected += [pip_on(n)] + pip_geometry(n, device_rect(windows[n], region))
    start = check_frames(s, start, expected, "三画面分割")
    settled(s)
    return windows, start


def double_click(s, view, point):
    x, y = at(view, point)
    s.xdotool("mousemove", x, y)
    s.xdotool("click", "--repeat", 2, "--delay", 120, 1)


# ---- What the view shows ----

def expected_pixel(region, windows, current, point):
    """The colour the wall view paints at point, or None where a label may be: the region, then
    its windows in list order, each a black frame around its fill."""
    colour = None
    for rect, chosen in [(region, False)] + [(r, n == current) for n, r in windows]:
        left, top, right, bottom = rect
        x, y = point
        if not (left <= x < right and top <= y < bottom):
            continue
        if x in (left, right - 1) or y in (top, bottom - 1):
            colour = FRAME
        else:
            colour = FILL_SELECTED if chosen else FILL
            # The label sits in the middle of the rectangle less its top 10 pixels.
            cx, cy = (left + right) // 2, (top + 10 + bottom) // 2
            if abs(x - cx) < 70 and abs(y - cy) < 12:
                colour = None
    return colour


def check_view_pixels(s, view, region, windows, current):
    """Compares the screen with the painting of the region and its windows along every window's
    edges (on them, one pixel inside and one outside) wherever the page shows the view."""
    vis = visible_part(view)
    pixels = s.region(vis)
    width = vis[2] - vis[0]
    points = set()
    for _, (left, top, right, bottom) in windows:
        for x in range(left, right, 3):
            for y in (top - 1, top, top + 1, bottom - 2, bottom - 1, bottom):
                points.add((x, y))
        for y in range(top, bottom, 3):
            for x in (left - 1, left, left + 1, right - 2, right - 1, right):
                points.add((x, y))
    wrong, compared = [], 0
    for point in sorted(points):
        sx, sy = at(view, point)
        if not (vis[0] <= sx < vis[2] and vis[1] <= sy < vis[3]):
            continue
        want = expected_pixel(region, windows, current, point)
        if want is None:
            continue
        i = ((sy - vis[1]) * width + (sx - vis[0])) * 3
        got = tuple(pixels[i:i + 3])
        compared += 1
        if got != want:
            wrong.append((point, got, want))
    check(compared > len(points) // 2, "the page shows most of the windows' edges (%d of %d)" % (compared, len(points)))
    check(not wrong, "the wall view shows the windows where they are: %d of %d pixels differ, e.g. %s"
          % (len(wrong), compared, wrong[:6]))
    return compared


# ---- Journeys ----

@journey
def wall_mpd_pip_windows(s):
    """An MPD region from the split menu (MPD1全屏: one window over the whole region), that window
    deleted, three windows added with 添加窗口 into the sub-grid and a fourth refused with
    "MPD窗口已添加至最大"; each window's input picked from the right-button popup by the keyboard
    (local VGA, YUV, and DVI matrix input HDMI2, which also switches the matrix); one window
    dragged and another stretched by its bottom edge with real pointer moves. tzsim receives
    exactly those operations in that order, ends with the windows, inputs and crosspoint the
    view shows, and the screen shows each window's frame where its geometry says."""
    frame = start_wall(s)
    settled(s)
    start = len(s.frames())
    view = wall_view(s)
    check(view.width == 640 and view.height == 480, "the wall view is 640 x 480: %r" % (view.rect,))
    region = (0, 0, 640, 480)  # the wall is one panel, laid out over the whole view

    # 新建场景 > 单画面全屏 > MPD1全屏: a region with one window over all of it.
    split(s, frame, SPLIT_MPD1_FULL)
    start = check_frames(s, start, blank_scene_frames() + mpd_assign_frames()
                         + [pip_on(2)] + pip_geometry(2, device_rect(region, region)), "the split")
    check(device_rect(region, region) == (0, 0, MPD_W, MPD_H), "one window covers the region")
    settled(s)

    # The operator picks that window and deletes it: 关PIP, and the region is empty.
    s.click(view, 320, 200)
    s.click(frame.control(ident=IDC_CV_DELETE_PIP, cls="Button"))
    start = check_frames(s, start, [pip_on(2, False)], "删除窗口")
    settled(s)

    # 添加窗口 three times: windows 2, 3, 4 in sub-grid slots 0, 1, 2, each opened then placed.
    windows = {}
    for k, n in enumerate((2, 3, 4)):
        s.click(frame.control(ident=IDC_CV_ADD_PIP, cls="Button"))
        windows[n] = sub_grid_slot(region, k)
        start = check_frames(s, start, [pip_on(n)] + pip_geometry(n, device_rect(windows[n], region)),
                             "添加窗口 for window %d" % n)
        settled(s)
    s.click(frame.control(ident=IDC_CV_ADD_PIP, cls="Button"))
    answer(s, PIP_LIMIT)
    check(len(s.frames()) == start, "nothing is sent for a window past the limit")

    # Inputs from the popup over each window.
    popup_input(s, view, (80, 60), POPUP_LOCAL_VGA)
    start = check_frames(s, start, [board_frame(2, 0x09, INPUT_VGA)], "本地VGA for window 2")
    settled(s)
    popup_input(s, view, (400, 60), POPUP_YUV)
    start = check_frames(s, start, [board_frame(3, 0x09, INPUT_YUV)], "本地YUV for window 3")
    settled(s)
    popup_input(s, view, (80, 300), popup_dvi(2))
    start = check_frames(s, start, [board_frame(4, 0x09, INPUT_DVI),
                                           tzb8_switch(DVI_ADDRESS, KIND_DVI, 4, 2)], "HDMI2 for window 4")
    settled(s)

    # Window 2 dragged by (+300, +220): it stays inside the region; its size and position follow.
    drag(s, view, (100, 100), (400, 320))
    windows[2] = (300, 220, 620, 460)
    start = check_frames(s, start, pip_geometry(2, device_rect(windows[2], region)), "the drag of window 2")
    settled(s)
    # Window 3's bottom edge (pressed one pixel inside, in its band) dragged down to y = 300.
    drag(s, view, (480, 239), (480, 300))
    windows[3] = (320, 0, 640, 300)
    start = check_frames(s, start, pip_geometry(3, device_rect(windows[3], region)), "the resize of window 3")
    settled(s)

    # The device holds what the view shows.
    state = s.state()
    pips = {p["window"]: p for p in state["pips"]}
    check(sorted(pips) == [2, 3, 4], "tzsim has windows 2, 3 and 4: %r" % state["pips"])
    inputs = {2: INPUT_VGA, 3: INPUT_YUV, 4: INPUT_DVI}
    for n, rect in windows.items():
        p = pips[n]
        got = (p["x"], p["y"], p["width"], p["height"])
        check(p["on"] and got == device_rect(rect, region) and p["input"] == inputs[n],
              "window %d at tzsim: %r, the view shows %r -> %r, input %d"
              % (n, p, rect, device_rect(rect, region), inputs[n]))
    boards = {b["board"]: b["input"] for b in state["boards"]}
    check(boards == {2: 4, 3: 4, 4: 4, MPD_COUNT + 1: 0}, "the MPD boards and the panel: %r" % boards)
    check(state["crosspoints"] == [{"protocol": "tzb8", "address": 1, "kind": 2, "output": 4, "input": 2}],
          "HDMI2 is switched to MPD channel 4: %r" % state["crosspoints"])
    no_anomalies(s)

    # And the screen shows them: window 3 is the current one, window 4 lies over window 2.
    check_view_pixels(s, wall_view(s), region, [(n, windows[n]) for n in (2, 3, 4)], current=3)
    s.screenshot()
    exit_program(s, frame)

    # Leaving saves the scene to the recent scene file, the new scene's default: the same windows.
    recent = s.recent_scene()
    check(recent is not None and recent.endswith(os.path.join("insidemode", "newmode.tzs")),
          "the new scene's default file is the recent one: %r" % recent)
    _, cells = read_scene(recent)
    kept = [(p["number"], p["rect"], p["input"], p["input_no"], p["device"]) for p in cells[0]["pips"]]
    check(kept == [(2, windows[2], INPUT_VGA, 0, device_rect(windows[2], region)),
                   (3, windows[3], INPUT_YUV, 0, device_rect(windows[3], region)),
                   (4, windows[4], INPUT_DVI, 2, device_rect(windows[4], region))],
          "the scene saved at exit holds the windows as shown: %r" % kept)


# ---- Scene files ----

SAVE_TITLE, OPEN_TITLE = "另存为", "打开"
IDC_FILE_NAME, IDC_FILE_FOLDER = 1148, 1137  # the file dialogs' name edit and folder list
SCENE_MAGIC = 0x637A


def windows_path(path):
    """The program's name for a host path (Wine's drive Z: is the host's root)."""
    return "Z:" + path.replace("/", "\\")


def file_dialog(s, title, path, remembered=False):
    """The system's file dialog (owned by the main window): the scene's full path is typed into
    its file name edit and Enter pressed. Where it first opens for a program that has not used
    one yet is Wine's choice (the folder last used by any TaveloPro.exe in this prefix); with
    `remembered` it must open in the folder of `path`, the one the program used last."""
    dialog = s.wait_window("the %s dialog" % title, lambda t: t.top(text=title, cls="#32770"))
    if remembered:
        # The folder list shows the folder and, above it, its parents: the last three must be
        # this journey's own.
        folder = dialog.control(ident=IDC_FILE_FOLDER, cls="ComboBox")
        tail = os.path.dirname(path).strip("/").split("/")[-3:]
        items = folder.items if folder is not None else []
        shown = [items[i:i + 3] for i in range(len(items))]
        check(folder is not None and folder.text == tail[-1] and tail in shown,
              "the %s dialog opens in %s: %r" % (title, os.path.dirname(path), folder and (folder.text, items)))
    edit = dialog.control(ident=IDC_FILE_NAME, cls="Edit")
    check(edit is not None, "the %s dialog has its file name edit" % title)
    s.click(edit)
    s.key("ctrl+a", "BackSpace")
    typed = windows_path(path)
    s.type_text(typed)
    def typed_in():
        shown = s.tree().top(text=title, cls="#32770")
        name = shown and shown.control(ident=IDC_FILE_NAME, cls="Edit")
        return name is not None and name.text == typed
    wait_until("the path to be typed", typed_in)
    s.key("Return")

    def closed():
        tree = seen(s)
        for box in tree.tops():
            if box.cls == "#32770" and box.text not in (title, MAIN_TITLE) and tree.message_box() is None:
                raise JourneyFailed("the %s dialog answers %r: %r" % (title, box.text, box.texts()))
        return tree.top(text=title, cls="#32770") is None
    wait_until("the %s dialog to go" % title, closed)


def scene_tab_tool(s, which):
    """A button of the ribbon's 场景 tab (the tab shown from the start), by its tip."""
    return wait_until("the 场景 tab's button %r" % SCENE_TAB_TIPS[which],
                      lambda: s.tree().tool(SCENE_TAB_TIPS[which]))


class SceneReader:
    """Reads a scene file as the device's operator keeps it: the header, then the top-level cells
    as the framework archive writes an object list (new classes by name, later ones by index)."""

    def __init__(self, data):
        self.data, self.at, self.classes, self.objects = data, 0, {}, 0
        self.next_index = 1

    def take(self, fmt):
        value = struct.unpack_from("<" + fmt, self.data, self.at)
        self.at += struct.calcsize("<" + fmt)
        return value if len(value) > 1 else value[0]

    def header(self):
        magic = self.take("h")
        reserved = self.data[2:202]
        self.at = 202
        rows, columns, resolution, mpd = self.take("iiii")
        return dict(magic=magic, reserved_zero=reserved == bytes(200), rows=rows, columns=columns,
                    resolution=resolution, mpd=mpd)

    def cell_list(self):
        count = self.take("H")
        if count == 0xFFFF:
            count = self.take("I")
        return [self.cell() for _ in range(count)]

    def cell(self):
        tag = self.take("H")
        check(tag not in (0, 0x7FFF) and (tag == 0xFFFF or tag & 0x8000),
              "a new object at %d: tag %04X" % (self.at - 2, tag))
        if tag == 0xFFFF:
            self.take("H")  # schema
            length = self.take("H")
            name = self.data[self.at:self.at + length].decode("ascii")
            self.at += length
            self.classes[self.next_index] = name
            self.next_index += 1
        else:
            name = self.classes[tag & 0x7FFF]
        self.next_index += 1  # the object's own index
        left, top, right, bottom, flags, mpd, number, order, itype, ino, kind = self.take("iiiiiHiiiiH")
        cell = dict(cls=name, rect=(left, top, right, bottom), flags=flags, mpd=mpd, number=number,
                    order=order, input=itype, input_no=ino, kind=kind, pips=self.cell_list())
        if name == "CPIPCell":
            cell.update(transparency=self.take("i"), device=self.take("iiii"))
        elif name == "CCombineCell":
            cell["members"] = self.cell_list()
        return cell


def read_scene(path):
    with open(path, "rb") as f:
        reader = SceneReader(f.read())
    head = reader.header()
    cells = reader.cell_list()
    check(reader.at == len(reader.data),
          "the scene file ends after its cells (%d of %d bytes)" % (reader.at, len(reader.data)))
    return head, cells


def restore_frames(windows, inputs):
    """恢复场景 of a one-panel wall whose panel is an MPD region without an input of its own:
    new scene, resolution, the panel's layout, the MPD assignment with the region's "no input",
    then per window in list order its geometry, PIP on, its input (if it has one), transparency 0."""
    frames = [board_frame(0, 0x00), board_frame(0, 0x02, RESOLUTION), board_frame(MPD_COUNT + 1, 0x0A, 1, 1, 1)]
    frames += mpd_assign_frames(region_input=12)
    for n, rect in windows:
        frames += pip_geometry(n, rect) + [pip_on(n)]
        if inputs.get(n) is not None:
            frames.append(board_frame(n, 0x09, inputs[n]))
        frames.append(board_frame(n, 0x0E, 3, 0))
    return frames


def device_picture(state):
    """What a scene puts on the device: the windows, the boards' sources (a board told "no
    input" has none, as one never told), the crosspoints."""
    boards = {b["board"]: b["input"] for b in state["boards"] if b["input"] >= 0}
    return dict(pips=state["pips"], boards=boards, crosspoints=state["crosspoints"])


@journey
def scene_save_new_load_restore(s):
    """A scene made on the wall (三画面分割, inputs from the popup, a window dragged) is saved with
    保存场景 through the file dialog ("保存成功!"; the file holds the header and the cells as the
    view has them); 新建场景 replaces it on the device (three fresh windows, then the limit's
    message); 加载场景 through the file dialog, which opens in the folder used last, restores the
    saved scene with exactly the restore's frames, and the device and the view end as they were
    before the new scene."""
    frame = start_wall(s)
    settled(s)
    view = wall_view(s)
    region = (0, 0, 640, 480)
    start = len(s.frames())

    windows, start = split_three(s, frame, region, start)
    popup_input(s, view, (400, 60), POPUP_YUV)
    settled(s)
    popup_input(s, view, (80, 300), popup_dvi(3))
    settled(s)
    drag(s, view, (100, 400), (300, 300))
    windows[4] = (200, 140, 520, 380)
    inputs = {2: None, 3: INPUT_YUV, 4: INPUT_DVI}
    start = check_frames(s, start, [board_frame(3, 0x09, INPUT_YUV), board_frame(4, 0x09, INPUT_DVI),
                                    tzb8_switch(DVI_ADDRESS, KIND_DVI, 4, 3)]
                         + pip_geometry(4, device_rect(windows[4], region)), "the inputs and the drag")
    settled(s)
    before = device_picture(s.state())
    check(len(before["pips"]) == 3, "three windows on the device: %r" % before["pips"])

    # 保存场景 into the program's folder.
    path = os.path.join(s.folder, "wall-scene.tzs")
    s.click(scene_tab_tool(s, "save"))
    file_dialog(s, SAVE_TITLE, path)
    answer(s, SAVED)
    check(os.path.exists(path), "the scene file %s exists" % path)
    head, cells = read_scene(path)
    with open(path, "rb") as f:
        saved_bytes = f.read()
    check(head == dict(magic=SCENE_MAGIC, reserved_zero=True, rows=1, columns=1, resolution=RESOLUTION, mpd=MPD_COUNT),
          "the scene file's header: %r" % head)
    check(len(cells) == 1 and cells[0]["cls"] == "CCell" and cells[0]["mpd"] == 1 and cells[0]["rect"] == region
          and cells[0]["input"] == 12, "one panel, an MPD region without an input: %r" % cells)
    saved = [(p["cls"], p["number"], p["rect"], p["input"], p["input_no"], p["flags"], p["kind"])
             for p in cells[0]["pips"]]
    check(saved == [("CPIPCell", 2, windows[2], 12, 0, 0, 1), ("CPIPCell", 3, windows[3], INPUT_YUV, 0, 0, 1),
                    ("CPIPCell", 4, windows[4], INPUT_DVI, 3, 0, 1)],
          "the windows as the view has them, none written as selected: %r" % saved)
    kept = {p["number"]: p["device"] for p in cells[0]["pips"]}
    check(kept == {n: device_rect(windows[n], region) for n in (2, 3, 4)},
          "each window keeps the device rectangle it was sent with: %r" % kept)
    settled(s)
    shown = s.region(visible_part(wall_view(s)))
    check_view_pixels(s, wall_view(s), region, [(n, windows[n]) for n in (2, 3, 4)], current=None)

    # 新建场景 with the configured layout: four windows asked for, three fit, then the message.
    s.click(scene_tab_tool(s, "new"))
    answer(s, PIP_LIMIT)
    fresh = {n: sub_grid_slot(region, k) for k, n in enumerate((2, 3, 4))}
    expected = blank_scene_frames() + mpd_assign_frames()
    for n in (2, 3, 4):
        expected += [pip_on(n)] + pip_geometry(n, device_rect(fresh[n], region))
    start = check_frames(s, start, expected, "新建场景")
    settled(s)
    check(device_picture(s.state()) != before, "the new scene changed the device")

    # 加载场景: the dialog opens where the scene was saved; the scene is restored.
    s.click(scene_tab_tool(s, "load"))
    file_dialog(s, OPEN_TITLE, path, remembered=True)
    start = check_frames(s, start, restore_frames([(n, device_rect(windows[n], region)) for n in (2, 3, 4)], inputs),
                         "恢复场景")
    settled(s)
    after = device_picture(s.state())
    check(after == before, "the device is as before the new scene:\n  before %r\n  after  %r" % (before, after))
    check(s.recent_scene() == path, "the loaded scene is the recent one: %r" % s.recent_scene())
    no_anomalies(s)
    check(s.region(visible_part(wall_view(s))) == shown, "the wall view shows the scene as it was saved")
    s.screenshot()
    exit_program(s, frame)
    # Leaving saves the scene, unchanged since it was loaded, over its own file: the same bytes.
    with open(path, "rb") as f:
        check(f.read() == saved_bytes, "the scene saved at exit is the file it was loaded from")


def scene_bytes(rows, columns, resolution, mpd, magic=SCENE_MAGIC):
    """A scene file as another installation would have written it: the header and one panel
    that is an MPD region without windows."""
    head = struct.pack("<h", magic) + bytes(200) + struct.pack("<iiii", rows, columns, resolution, mpd)
    name = b"CCell"
    cell = struct.pack("<HHH", 0xFFFF, 0, len(name)) + name
    cell += struct.pack("<iiiiiHiiiiH", 0, 0, 640, 480, 0, 1, 1, 1, 12, 0, 0) + struct.pack("<H", 0)
    return head + struct.pack("<H", 1) + cell


INVALID_SCENE = "非法的场景文件!"
INVALID_SCENE_FAILED = "非法的场景文件，加载失败!"
MPD_MISMATCH = "当前场景MPD为:%d,加载场景MPD为:%d\n当前场景与加载场景MPD数目不一致,加载失败!"


@journey
def scene_load_refusals(s):
    """加载场景 with files the installation cannot take: one whose header is no scene's gives
    "非法的场景文件!" and then "非法的场景文件，加载失败!", one made for eight MPD channels names
    both counts; each time the program lays out the blank scene (the device is told so, its
    windows go, the view shows the one plain panel) and the default scene file becomes the
    recent one."""
    for name, data in (("broken.tzs", scene_bytes(1, 1, RESOLUTION, MPD_COUNT, magic=0x1234)),
                       ("eight.tzs", scene_bytes(1, 1, RESOLUTION, 8))):
        os.makedirs(s.folder, exist_ok=True)
        with open(os.path.join(s.folder, name), "wb") as f:
            f.write(data)
    frame = start_wall(s)
    settled(s)
    region = (0, 0, 640, 480)
    split(s, frame, SPLIT_MPD1_FULL)
    wait_until("the split's window at tzsim", lambda: s.state() and s.state()["pips"])
    settled(s)

    for name, messages in (("broken.tzs", [INVALID_SCENE, INVALID_SCENE_FAILED]),
                           ("eight.tzs", [MPD_MISMATCH % (MPD_COUNT, 8)])):
        start = len(s.frames())
        s.click(scene_tab_tool(s, "load"))
        file_dialog(s, OPEN_TITLE, os.path.join(s.folder, name), remembered=name != "broken.tzs")
        for text in messages:
            answer(s, text)
        check_frames(s, start, blank_scene_frames(), "the blank scene after %s" % name)
        settled(s)
        state = s.state()
        check(state["pips"] == [] and state["boards"] == [], "the device is blank after %s: %r" % (name, state))
        recent = s.recent_scene()
        check(recent is not None and recent.endswith(os.path.join("insidemode", "newmode.tzs")),
              "the default scene file is the recent one after %s: %r" % (name, recent))
        check_view_pixels(s, wall_view(s), region, [(1, region)], current=None)
    no_anomalies(s)
    s.screenshot()
    exit_program(s, frame)


NOTHING_TO_DELETE = "请选中要删除的窗口"


@journey
def wall_gestures_and_refusals(s):
    """The wall view's other gestures on three windows: 删除窗口 with the region but no window
    chosen says "请选中要删除的窗口" and sends nothing; a double click makes a window fill its
    region and a second one puts it back into its sub-grid slot, each sent as that geometry; the
    popup closed with Escape chooses nothing; a window dragged towards the outside of its region
    stays where it was (its unchanged geometry is sent again on release). tzsim and the screen
    end with the windows in their slots."""
    frame = start_wall(s)
    settled(s)
    view = wall_view(s)
    region = (0, 0, 640, 480)
    windows, start = split_three(s, frame, region, len(s.frames()))

    # The empty quadrant is the region itself: no window is chosen, so there is nothing to delete.
    s.click(view, 500, 400)
    s.click(frame.control(ident=IDC_CV_DELETE_PIP, cls="Button"))
    answer(s, NOTHING_TO_DELETE)
    check(s.state() and len(s.state()["pips"]) == 3, "the three windows stay on the device")

    # Window 3 double-clicked: it fills the region; window 4, later in the list, still lies over it.
    double_click(s, view, (400, 60))
    start = check_frames(s, start, pip_geometry(3, device_rect(region, region)), "window 3 filling its region")
    settled(s)
    check_view_pixels(s, wall_view(s), region, [(2, windows[2]), (3, region), (4, windows[4])], current=3)
    double_click(s, view, (400, 60))
    start = check_frames(s, start, pip_geometry(3, device_rect(windows[3], region)), "window 3 back in its slot")
    settled(s)

    # The popup over window 4, left with Escape, changes nothing (the next check sees every frame).
    x, y = at(view, (80, 300))
    s.xdotool("mousemove", x, y)
    s.xdotool("click", 3)
    wait_menus(s, 1, "the wall view's popup")
    s.key("Escape")
    wait_menus(s, 0, "the popup to close")

    # Window 2 dragged up and to the left, out of its region: it does not move.
    drag(s, view, (100, 100), (40, 40))
    start = check_frames(s, start, pip_geometry(2, device_rect(windows[2], region)), "window 2 held in its region")
    settled(s)

    pips = {p["window"]: (p["x"], p["y"], p["width"], p["height"], p["input"]) for p in s.state()["pips"]}
    check(pips == {n: device_rect(windows[n], region) + (-1,) for n in (2, 3, 4)},
          "tzsim's windows are in their slots without inputs: %r" % pips)
    # The size goes before the position, so window 3 growing from its slot to the whole region
    # is, for one frame, the full size at its old place: tzsim notes that, and nothing else.
    x, y, _, _ = device_rect(windows[3], region)
    notes = [line.split("! ", 1)[1] for line in s.anomalies()]
    check(notes == ["PIP %d,%d %dx%d reaches past the MPD region %dx%d" % (x, y, MPD_W, MPD_H, MPD_W, MPD_H)],
          "tzsim notes only the growing window's one frame: %r" % notes)
    check_view_pixels(s, wall_view(s), region, [(n, windows[n]) for n in (2, 3, 4)], current=2)
    s.screenshot()
    exit_program(s, frame)


PARAM_TITLE = "参数调整"
POPUP_PARAMETERS = [["Home"] + ["Down"] * 5]   # past the second separator to 参数调整
IDC_BRIGHTNESS_UP, IDC_CONTRAST_DOWN, IDC_SATURATION_UP = 1034, 1037, 1038
IDC_PICTURE_RESET, IDC_MENU_ON, IDC_PARAM_CLOSE = 1041, 32812, 32663


@journey
def wall_picture_parameters(s):
    """参数调整 from the popup over a PIP window: brightness up, contrast down and saturation up
    are each one step for that window with its PIP flag (the buttons repeat only while held),
    复位 resets its picture, 调试菜单 显示 turns its menu on; tzsim's window follows each, and
    关闭 closes the dialog."""
    frame = start_wall(s)
    settled(s)
    view = wall_view(s)
    start = len(s.frames())
    split(s, frame, SPLIT_MPD1_FULL)
    start = check_frames(s, start, blank_scene_frames() + mpd_assign_frames() + [pip_on(2)]
                         + pip_geometry(2, (0, 0, MPD_W, MPD_H)), "the split")
    settled(s)

    popup_input(s, view, (320, 120), POPUP_PARAMETERS)
    dialog = s.wait_window("the parameter dialog", lambda t: t.top(text=PARAM_TITLE))
    steps = ((IDC_BRIGHTNESS_UP, board_frame(2, 0x03, 1, 1)), (IDC_CONTRAST_DOWN, board_frame(2, 0x04, 1, 0)),
             (IDC_SATURATION_UP, board_frame(2, 0x05, 1, 1)))
    for ident, sent in steps:
        s.click(dialog.control(ident=ident, cls="Button"))
        start = check_frames(s, start, [sent], "button %d" % ident)
    picture = {p["window"]: p["picture"] for p in s.state()["pips"]}[2]
    check((picture["brightness"], picture["contrast"], picture["saturation"]) == (1, -1, 1),
          "window 2's picture one step each: %r" % picture)

    s.click(dialog.control(ident=IDC_PICTURE_RESET, cls="Button"))
    start = check_frames(s, start, [board_frame(2, 0x06, 1)], "复位")
    gone(s, "the progress window", lambda t: t.top(text=MAIN_TITLE, cls="#32770"))
    s.click(dialog.control(ident=IDC_MENU_ON, cls="Button"))
    start = check_frames(s, start, [board_frame(2, 0x0F, 2, 1)], "调试菜单 显示")
    gone(s, "the progress window", lambda t: t.top(text=MAIN_TITLE, cls="#32770"))
    state = s.state()
    picture = {p["window"]: p["picture"] for p in state["pips"]}[2]
    check((picture["brightness"], picture["contrast"], picture["saturation"]) == (0, 0, 0),
          "window 2's picture reset: %r" % picture)
    check({b["board"]: b["menu"] for b in state["boards"]}.get(2) == 1, "window 2's menu on: %r" % state["boards"])
    check(seen(s).message_box() is None, "no refusal")
    s.screenshot()
    s.click(dialog.control(ident=IDC_PARAM_CLOSE, cls="Button"))
    gone(s, "the parameter dialog", lambda t: t.top(text=PARAM_TITLE))
    check(len(s.frames()) == start, "nothing more was sent")
    no_anomalies(s)
    exit_program(s, frame)
