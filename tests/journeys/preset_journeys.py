"""Preset scene and system settings journeys: storing the wall as a preset from the panel under
the wall view and recalling it, renaming and deleting presets, what a User may not delete, and
the device clock and daily power-off timer of 系统设置.

journeys.py registers these into its table through register(); the shared steps (logging in,
the ribbon, answering message boxes) are journeys.py's own.
"""

import os
import re
import statistics
import time

from runner import IDCANCEL, IDOK, MAIN_TITLE, check, wait_until

J = None  # the journeys module, set by register()
PRESET_JOURNEYS = {}


def preset_journey(fn):
    PRESET_JOURNEYS[fn.__name__] = fn
    return fn


def register(journeys_module):
    global J
    J = journeys_module
    journeys_module.JOURNEYS.update(PRESET_JOURNEYS)


# The panel's twenty buttons, preset n at PRESET_BUTTON_IDS[n] (two rows of ten).
PRESET_BUTTON_IDS = (1003, 1054, 1055, 1056, 1057, 1058, 1059, 1060, 1061, 1004,
                     1005, 1062, 1063, 1064, 1065, 1066, 1067, 1068, 1069, 1006)
PRESET_SLOT_BASE = 20
LAST_PROTECTED_PRESET = 8

# A preset button's menu "btnpop", as the keyboard walks it from nothing chosen (separators are
# skipped): 加载(&L), 保存并发送预设场景, 删除(&D), 重命名 - without 删除 for a User on 0..8.
MENU_LOAD, MENU_STORE, MENU_DELETE, MENU_RENAME = 1, 2, 3, 4
RENAME_TITLE = "预设场景"
IDC_RENAME_EDIT = 1000

STORE_QUESTION = "确定要发送[预设场景%d]吗?"
OVERWRITE_QUESTION = "该预设场景已经存在,是否覆盖?"
STORED = "保存并发送预设场景成功!"
DELETE_QUESTION = "确定要删除该预设场景吗?"
EMPTY_NAME = "名称不能为空"

# The control view's 新建场景 opens the split menu "mpd"; with the configured MPD count 4 it holds
# 单画面全屏 (MPD1全屏 .. MPD3全屏), 双画面分割 (1x2分割), 三画面分割, 四画面分割 (2x2分割, 1x4分割), ...
IDC_CV_NEW_SCENE = 32875
SPLIT_FULL, SPLIT_TWO, SPLIT_THREE, SPLIT_FOUR = 1, 2, 3, 4

SYSTEM_TITLE = "系统设置"
IDC_SYS_CLOCK_ON, IDC_SYS_CLOCK_DATE, IDC_SYS_CLOCK_TIME, IDC_SYS_CLOCK_SEND = 1016, 1099, 1101, 1005
IDC_SYS_POWEROFF_OFF, IDC_SYS_POWEROFF_ON, IDC_SYS_POWEROFF_TIME, IDC_SYS_POWEROFF_SEND = 1017, 1019, 1102, 1006
IDC_SYS_POWERON_OFF = 1020
IDC_SYS_CLOSE = 1
BAD_DATE = "时间输入不合法(2000~2099年)!"


# ---- The screen's pieces ----

def scene_path(s, n):
    return os.path.join(s.folder, "insidemode", "tzinsidemode%d.tzs" % (PRESET_SLOT_BASE + n))


def thumbnail_path(s, n):
    return os.path.join(s.folder, "insidemode", "tzinsidemode1X1-%d.bmp" % (PRESET_SLOT_BASE + n))


def preset_button(s, n):
    frame = J.main_frame(s)
    button = frame.control(ident=PRESET_BUTTON_IDS[n], cls="Button")
    check(button is not None, "the preset panel has the button of preset %d" % n)
    return button


def busy_window(tree):
    # The progress window: a dialog titled like the main window.
    return tree.top(text=MAIN_TITLE, cls="#32770")


def open_popup(s, window, corner):
    """Clicks window and waits until a popup menu is drawn at corner (x, y), where the program
    tracks it: the strip right of the corner changes on screen (above or below it, as the menu
    opens downwards or, near the screen's bottom, upwards). Popup menus are no windows the probe
    reads, so the picture is what tells that keys will reach the menu."""
    x, y = corner
    strip = (x + 4, y - 10, x + 60, y + 10)
    before = s.region(strip)
    s.click(window)
    wait_until("the popup menu at %r" % (corner,), lambda: s.region(strip) != before, interval=0.1)


def preset_menu(s, n, item):
    """Opens preset n's menu and chooses the entry at that place by the keyboard."""
    button = preset_button(s, n)
    open_popup(s, button, (button.rect[2], button.rect[3]))
    s.key(*(["Down"] * item + ["Return"]))


def split(s, group, item=0):
    """新建场景 → the split group at that place → its item, by the keyboard."""
    frame = J.main_frame(s)
    button = J.control_view_button(s, frame, IDC_CV_NEW_SCENE)
    open_popup(s, button, (button.rect[2], button.rect[3]))
    s.key(*(["Down"] * group + ["Right"] + ["Down"] * item + ["Return"]))


def settled(s, what, timeout=60):
    """Waits until the progress window is gone and tzsim's frame count stays put for a second."""
    def quiet():
        if busy_window(s.tree()) is not None:
            return None
        count = len(s.frames())
        time.sleep(1.0)
        return count if len(s.frames()) == count and busy_window(s.tree()) is None else None
    return wait_until(what, quiet, timeout, interval=0.2)


def windows_on(s):
    """tzsim's PIP windows that are on, with their geometry and input."""
    state = s.state() or {}
    return sorted((p["window"], p["x"], p["y"], p["width"], p["height"], p["input"])
                  for p in state.get("pips", []) if p["on"])


# tzsim times a frame when it reads it; on a loaded machine a late read makes the next frame
# look early by some milliseconds. A frame without its pause is still caught (it comes ~1 ms
# after the one before); scheduling noise of the reader is not taken as the program's.
PACE_TOLERANCE_MS = 20


def start_with_blank_scene(s, name, password, **install):
    s.start_tzsim(extra=("--pace-tolerance", str(PACE_TOLERANCE_MS)))
    s.install_program(**install)
    s.start_program()
    J.login(s, name, password)
    frame = J.main_frame(s)
    # Without a recent scene the wall page sets up the blank scene at start; wait for it.
    wait_until("the blank scene at start", lambda: any(m.startswith("SetResolution") for _, m in s.frames()), 60)
    settled(s, "the start-up to settle")
    return frame


def split_in_two(s):
    split(s, SPLIT_TWO)
    wait_until("tzsim to show the two windows of 1x2分割",
               lambda: [w[:5] for w in windows_on(s)] == [(2, 0, 0, 960, 1080), (3, 960, 0, 960, 1080)] or None,
               60)
    settled(s, "the split to settle")


def store_preset(s, n, overwrite=False):
    """保存并发送预设场景 on preset n, answering the program's questions; gives the frames sent."""
    first = len(s.frames())
    preset_menu(s, n, MENU_STORE)
    s.answer_box(STORE_QUESTION % n, IDOK)
    if overwrite:
        s.answer_box(OVERWRITE_QUESTION, IDOK)
    s.answer_box(STORED, IDOK)
    settled(s, "the store to settle")
    return s.frames()[first:]


def admin_password():
    return J.ADMIN_PASSWORD


# ---- Journeys ----

@preset_journey
def preset_store_and_recall(s):
    """The wall split in two is stored as preset 3 from the panel's menu: the scene file
    tzinsidemode23.tzs is written and the whole scene reaches the device between the store
    brackets (RecordPreset 3 begin ... end), which tzsim keeps without showing. The wall is then
    changed (MPD1全屏); 加载 on preset 3 restores the stored scene: exactly the frames stored go
    out again, in order, and tzsim's windows are those of the split once more. The device's own
    copy is then recalled from 系统设置 (设置预设场景) after another change, and tzsim replays it."""
    frame = start_with_blank_scene(s, "Administrator", admin_password())
    split_in_two(s)
    stored_windows = windows_on(s)

    sent = store_preset(s, 3)
    check(os.path.exists(scene_path(s, 3)), "the scene file %s exists" % scene_path(s, 3))
    check(s.recent_scene() == scene_path(s, 3), "the stored preset became the recent scene: %r" % s.recent_scene())
    frames = [f for f, _ in sent]
    check(frames[0] == frame_of([0, 2, 3, 1] + [0x55] * 5), "the store opens preset 3: %r" % frames[:1])
    check(frames[-1] == frame_of([0, 2, 3, 0] + [0x55] * 5), "the store closes preset 3: %r" % frames[-1:])
    scene = frames[1:-1]
    check(all(m == "stored in preset 3" for _, m in sent[1:-1]), "tzsim stores the scene: %r" % sent[1:-1])
    check([f[2:5] for f in scene if f[4] == 0x0E and f[5] == 1] == [[2, 2, 0x0E], [2, 3, 0x0E]],
          "both windows are placed in the store: %r" % scene)
    state = s.state()
    check(state["presets"] == [{"preset": 3, "frames": len(scene)}] and state["recordingPreset"] == -1,
          "tzsim keeps preset 3 with the %d frames of the scene: %r" % (len(scene), state["presets"]))
    check(windows_on(s) == stored_windows, "storing does not change what the device shows")

    split(s, SPLIT_FULL)  # MPD1全屏: one window over the whole region
    wait_until("tzsim to show the one window of MPD1全屏",
               lambda: [w[:5] for w in windows_on(s)][:1] == [(2, 0, 0, 1920, 1080)] or None, 60)
    settled(s, "the change to settle")
    check(windows_on(s) != stored_windows, "the wall changed")

    first = len(s.frames())
    preset_menu(s, 3, MENU_LOAD)
    wait_until("the restore's frames", lambda: len(s.frames()) - first >= len(scene), 90)
    settled(s, "the restore to settle")
    restored = [f for f, _ in s.frames()[first:]]
    check(restored == scene, "加载 sends exactly the stored scene: %d frames against %d" % (len(restored), len(scene)))
    check(windows_on(s) == stored_windows, "tzsim shows the stored scene again: %r" % windows_on(s))
    check(s.tree().message_box() is None, "no message")

    split(s, SPLIT_FULL)
    wait_until("the wall to change again",
               lambda: [w[:5] for w in windows_on(s)][:1] == [(2, 0, 0, 1920, 1080)] or None, 60)
    settled(s, "the change to settle")
    system = open_system_settings(s, frame)
    J.choose_in_list(s, SYSTEM_TITLE, 1106, "3")
    first = len(s.frames())
    s.click(system.control(ident=1003))  # 发送(&S)
    wait_until("the recall frame", lambda: len(s.frames()) > first)
    settled(s, "the recall to settle")
    check([f for f, _ in s.frames()[first:]] == [frame_of([0, 1, 3] + [0x55] * 6)],
          "设置预设场景 3 is one frame: %r" % s.frames()[first:])
    wait_until("tzsim to replay preset 3", lambda: windows_on(s) == stored_windows or None)
    close_system_settings(s)
    J.no_anomalies(s)
    s.screenshot()
    J.exit_program(s, J.main_frame(s))


@preset_journey
def preset_rename_and_delete(s):
    """重命名 on preset 12 opens dialog 175; an empty name is refused with "名称不能为空" and the
    dialog stays; a name is taken by the button and button.ini ([quick2_text] preset_button12),
    and the next start shows it. 删除 on stored preset 5 asks first (Cancel keeps the file, OK
    deletes the scene file and its thumbnail) and sends nothing."""
    frame = start_with_blank_scene(s, "Administrator", admin_password())
    preset_menu(s, 12, MENU_RENAME)
    dialog = s.wait_window("the rename dialog", lambda t: t.top(text=RENAME_TITLE))
    check("重命名为：" in dialog.texts(), "the dialog's label: %r" % dialog.texts())
    s.click(dialog.control(ident=IDOK, cls="Button"))
    s.answer_box(EMPTY_NAME, IDOK)
    dialog = s.wait_window("the rename dialog to stay", lambda t: t.top(text=RENAME_TITLE))
    s.click(dialog.control(ident=IDC_RENAME_EDIT))
    s.type_text("Lobby 2")
    wait_until("the name to be typed",
               lambda: getattr(s.dialog_control(RENAME_TITLE, IDC_RENAME_EDIT), "text", None) == "Lobby 2")
    s.click(dialog.control(ident=IDOK, cls="Button"))
    s.wait_gone("the rename dialog", lambda t: t.top(text=RENAME_TITLE))
    wait_until("the button to take the name", lambda: preset_button(s, 12).text == "Lobby 2" or None)
    with open(os.path.join(s.folder, "button.ini"), "rb") as f:
        ini = f.read()
    check(b"[quick2_text]" in ini and b"preset_button12=Lobby 2" in ini, "button.ini: %r" % ini)
    check(preset_button(s, 11).text == "11", "the other buttons keep their captions")

    store_preset(s, 5)
    check(os.path.exists(scene_path(s, 5)), "preset 5 is stored")
    with open(thumbnail_path(s, 5), "wb") as f:  # a thumbnail, which goes with its preset
        f.write(b"BM")
    sent = len(s.frames())
    preset_menu(s, 5, MENU_DELETE)
    s.answer_box(DELETE_QUESTION, IDCANCEL)
    check(os.path.exists(scene_path(s, 5)), "Cancel keeps the preset")
    preset_menu(s, 5, MENU_DELETE)
    s.answer_box(DELETE_QUESTION, IDOK)
    wait_until("the preset's files to go",
               lambda: not os.path.exists(scene_path(s, 5)) and not os.path.exists(thumbnail_path(s, 5)))
    check(len(s.frames()) == sent, "deleting sends nothing: %r" % s.frames()[sent:])
    s.screenshot()
    J.exit_program(s, frame)

    s.program = None
    s.start_program()
    J.login(s, "Administrator", admin_password())
    J.main_frame(s)
    check(preset_button(s, 12).text == "Lobby 2", "the name is there at the next start")
    J.exit_program(s, J.main_frame(s))


@preset_journey
def preset_user_refusal(s):
    """A User stores presets (3 twice, the second time over the existing file, and 9) but gets
    no 删除 on presets 0 to 8: on preset 3 the delete key (D) does nothing and the third entry
    is 重命名; on preset 8 likewise; on preset 9 the third entry is 删除 and deletes."""
    start_with_blank_scene(s, "User", "")
    split_in_two(s)
    store_preset(s, 3)
    store_preset(s, 3, overwrite=True)
    store_preset(s, 9)
    check(os.path.exists(scene_path(s, 3)) and os.path.exists(scene_path(s, 9)), "both presets are stored")

    for n in (3, LAST_PROTECTED_PRESET):
        button = preset_button(s, n)
        open_popup(s, button, (button.rect[2], button.rect[3]))
        s.key("d")  # 删除(&D)'s mnemonic: no such entry, the menu stays
        s.key("Escape")
        preset_menu(s, n, MENU_DELETE)  # the third entry: 重命名 without 删除
        dialog = s.wait_window("the rename dialog in 删除's place", lambda t: t.top(text=RENAME_TITLE))
        check(s.tree().message_box() is None, "no delete question for preset %d" % n)
        s.click(dialog.control(ident=IDCANCEL, cls="Button"))
        s.wait_gone("the rename dialog", lambda t: t.top(text=RENAME_TITLE))
    check(os.path.exists(scene_path(s, 3)), "preset 3 stays")

    first_open = LAST_PROTECTED_PRESET + 1
    preset_menu(s, first_open, MENU_DELETE)
    s.answer_box(DELETE_QUESTION, IDOK)
    wait_until("preset 9's file to go", lambda: not os.path.exists(scene_path(s, first_open)))
    s.screenshot()
    J.exit_program(s, J.main_frame(s))


# ---- 系统设置 ----

def open_system_settings(s, frame):
    """控制 → 系统设置; waits until the dialog has read the device (clock and both timers)."""
    count = len(s.frames())
    s.click(J.ribbon_control_button(s, frame, J.RIBBON_SYSTEM))
    wait_until("the status read", lambda: any(m.startswith("ReadPowerOnTimer") for _, m in s.frames()[count:]))
    return s.wait_window("the system settings", lambda t: t.top(text=SYSTEM_TITLE)
                         if t.top(text=SYSTEM_TITLE) and busy_window(t) is None else None)


def close_system_settings(s):
    s.click(s.wait_dialog_control(SYSTEM_TITLE, IDC_SYS_CLOSE, cls="Button"))
    s.wait_gone("the system settings", lambda t: t.top(text=SYSTEM_TITLE))


def system_control(s, ident):
    return s.wait_dialog_control(SYSTEM_TITLE, ident)


def type_fields(s, ident, fields):
    """Types into a date or time picker field by field (digits, then Right to the next field),
    starting from the first field, which a click near the left edge chooses."""
    picker = system_control(s, ident)
    s.click(picker, 8, picker.height // 2)
    for i, field in enumerate(fields):
        if i:
            s.key("Right")
        s.type_text(field)


def send_and_wait(s, ident, prefix):
    count = len([1 for _, m in s.frames() if m.startswith(prefix)])
    s.click(system_control(s, ident))
    wait_until("%s at tzsim" % prefix, lambda: len([1 for _, m in s.frames() if m.startswith(prefix)]) > count)
    settled(s, "%s to settle" % prefix)
    return [f for f, m in s.frames() if m.startswith(prefix)][-1]


def frame_of(body):
    return [0xAA, 0xBB] + body + [sum(body) % 256]


@preset_journey
def clock_and_power_off_timer(s):
    """系统设置 reads the device's clock and timers; the clock set to 2030-05-17 08:15:09 goes
    out as one SetClock frame with BCD bytes and tzsim's clock runs from there; the year 2100 is
    refused with "时间输入不合法(2000~2099年)!" and sends nothing; the daily power-off time 23:45
    goes out with the fixed date 2009-01-01, then 关闭定时关机 clears it. Opening the dialog again
    shows what the device now holds."""
    frame = start_with_blank_scene(s, "User", "")
    open_system_settings(s, frame)
    check(system_control(s, IDC_SYS_CLOCK_ON).checked == 1, "the device's clock runs: 设置实时时钟 is chosen")
    check(system_control(s, IDC_SYS_POWEROFF_OFF).checked == 1 and not system_control(s, IDC_SYS_POWEROFF_TIME).enabled,
          "no power-off timer on the device: 关闭定时关机, its time disabled")

    type_fields(s, IDC_SYS_CLOCK_DATE, ["2030", "5", "17"])
    type_fields(s, IDC_SYS_CLOCK_TIME, ["08", "15", "09"])
    wait_until("the clock to be typed", lambda: (system_control(s, IDC_SYS_CLOCK_DATE).text,
                                                 system_control(s, IDC_SYS_CLOCK_TIME).text) == ("2030/5/17", "08:15:09"))
    sent = send_and_wait(s, IDC_SYS_CLOCK_SEND, "SetClock")
    check(sent == frame_of([0, 4, 1, 0x09, 0x15, 0x08, 0x17, 0x05, 0x30]), "the clock frame: %r" % sent)
    clock = s.state()["clock"]
    check(clock["valid"] and (clock["year"], clock["month"], clock["day"], clock["hour"], clock["minute"]) ==
          (2030, 5, 17, 8, 15), "tzsim's clock runs from the value set: %r" % clock)

    count = len(s.frames())
    type_fields(s, IDC_SYS_CLOCK_DATE, ["2100"])
    wait_until("the year to be typed", lambda: system_control(s, IDC_SYS_CLOCK_DATE).text.startswith("2100") or None)
    s.click(system_control(s, IDC_SYS_CLOCK_SEND))
    s.answer_box(BAD_DATE, IDOK)
    check(len(s.frames()) == count, "a refused year sends nothing: %r" % s.frames()[count:])
    type_fields(s, IDC_SYS_CLOCK_DATE, ["2030"])

    s.click(system_control(s, IDC_SYS_POWEROFF_ON))
    wait_until("the power-off time to be enabled", lambda: system_control(s, IDC_SYS_POWEROFF_TIME).enabled or None)
    type_fields(s, IDC_SYS_POWEROFF_TIME, ["23", "45", "00"])
    wait_until("the time to be typed", lambda: system_control(s, IDC_SYS_POWEROFF_TIME).text == "23:45:00" or None)
    sent = send_and_wait(s, IDC_SYS_POWEROFF_SEND, "SetPowerOffTimer")
    check(sent == frame_of([0, 5, 1, 0x55, 0x45, 0x23, 0x01, 0x01, 0x09]), "the power-off frame: %r" % sent)
    timer = s.state()["powerOffTimer"]
    check(timer["enabled"] and (timer["hour"], timer["minute"]) == (23, 45), "tzsim's power-off timer: %r" % timer)
    check(not s.state()["powerOnTimer"]["enabled"], "the power-on timer is untouched")
    check(s.tree().message_box() is None, "no message")
    close_system_settings(s)

    open_system_settings(s, frame)
    check(system_control(s, IDC_SYS_POWEROFF_ON).checked == 1, "the dialog reads the timer back: 每天定时关机时间")
    check(system_control(s, IDC_SYS_POWEROFF_TIME).text == "23:45:00", "and its time: %r" % system_control(s, IDC_SYS_POWEROFF_TIME).text)
    check(system_control(s, IDC_SYS_CLOCK_DATE).text == "2030/5/17", "the device's date: %r" % system_control(s, IDC_SYS_CLOCK_DATE).text)
    check(system_control(s, IDC_SYS_POWERON_OFF).checked == 1, "no power-on timer")
    s.click(system_control(s, IDC_SYS_POWEROFF_OFF))
    wait_until("the power-off time to be disabled", lambda: not system_control(s, IDC_SYS_POWEROFF_TIME).enabled or None)
    sent = send_and_wait(s, IDC_SYS_POWEROFF_SEND, "SetPowerOffTimer")
    check(sent == frame_of([0, 5, 0, 0x55, 0, 0, 0, 0, 0]), "关闭定时关机 sends the flag 0 and zeros: %r" % sent)
    check(not s.state()["powerOffTimer"]["enabled"], "tzsim's power-off timer is off")
    J.no_anomalies(s)
    s.screenshot()
    close_system_settings(s)
    J.exit_program(s, frame)


# ---- Timed recall ----

IDC_SYS_CYCLE_FIRST, IDC_SYS_CYCLE_LAST, IDC_SYS_CYCLE_INTERVAL, IDC_SYS_CYCLE_SEND = 1010, 1011, 1121, 1004
IDC_COMBO_EDIT = 1001  # the edit field of an editable drop-down list


def timed_frames(s):
    """tzsim's frames with the time each arrived, in milliseconds from tzsim's start."""
    out = []
    for line in s.trace():
        m = re.match(r"\s*([\d.]+)\s+((?:[0-9A-F]{2} ){11}[0-9A-F]{2})\s+(.*)$", line)
        if m:
            out.append((float(m.group(1)), [int(b, 16) for b in m.group(2).split()], m.group(3)))
    return out


def tzsim_ms(s, monotonic):
    """A moment of this host's monotonic clock (time.monotonic) on tzsim's trace clock."""
    for line in s.trace()[:4]:
        m = re.search(r"# monotonic start (\d+)\.(\d+)", line)
        if m:
            start = int(m.group(1)) + int(m.group(2)) / 1e9
            return (monotonic - start) * 1000.0
    raise AssertionError("tzsim's trace names its start on the monotonic clock")


def recalls(s):
    """The CallPreset frames tzsim received: (time in ms, preset, bytes)."""
    return [(ms, f[4], f) for ms, f, m in timed_frames(s) if f[2] == 0 and f[3] == 1]


def logged_recalls(s):
    """CallPreset frames the program's traffic log says it sent (device layout, event 0x01)."""
    path = os.path.join(s.folder, "tzview.log")
    if not os.path.exists(path):
        return 0
    with open(path, "rb") as f:
        return f.read().count(b"dest:0 eventid:0x01")


def type_interval(s, seconds):
    edit = s.wait_dialog_control(SYSTEM_TITLE, IDC_SYS_CYCLE_INTERVAL).control(ident=IDC_COMBO_EDIT)
    s.click(edit)
    s.key("End", "shift+Home", "BackSpace")
    s.type_text(str(seconds))
    wait_until("the interval to be typed", lambda: system_control(s, IDC_SYS_CYCLE_INTERVAL).text == str(seconds) or None)


def start_cycling(s, frame, first, last, seconds):
    """系统设置 → 定时发送预设场景 from first to last every `seconds`, 发送; gives the moment of the
    click on this host's monotonic clock."""
    open_system_settings(s, frame)
    J.choose_in_list(s, SYSTEM_TITLE, IDC_SYS_CYCLE_FIRST, str(first))
    J.choose_in_list(s, SYSTEM_TITLE, IDC_SYS_CYCLE_LAST, str(last))
    type_interval(s, seconds)
    button = wait_until("发送 to be enabled", lambda: system_control(s, IDC_SYS_CYCLE_SEND)
                        if system_control(s, IDC_SYS_CYCLE_SEND).enabled else None)
    clicked = time.monotonic()
    s.click(button)
    wait_until("the button to read 停止", lambda: system_control(s, IDC_SYS_CYCLE_SEND).text == "停止" or None)
    return clicked


def stop_cycling(s):
    s.click(system_control(s, IDC_SYS_CYCLE_SEND))
    wait_until("the button to read 发送", lambda: system_control(s, IDC_SYS_CYCLE_SEND).text == "发送" or None)


def cycle_figures(got, first, last, seconds):
    """What a run of timed recalls shows: the presets in order, the intervals between them and how
    far the last recall is from where a steady cycle puts it."""
    presets = [p for _, p, _ in got]
    span = last - first + 1
    expected = [first + i % span for i in range(len(presets))]
    gaps = [b[0] - a[0] for a, b in zip(got, got[1:])]
    # The first recall goes out at once and the timer starts after it (and its 50 ms pause), so
    # a steady cycle is measured from the second recall on; the first gap is given apart.
    drift = (got[-1][0] - got[1][0]) - (len(got) - 2) * seconds * 1000.0 if len(got) > 2 else 0.0
    tenth = max(1, len(gaps) // 10)
    return dict(in_order=presets == expected, presets=presets, gaps=gaps, drift=drift,
                first_gap=gaps[0] if gaps else 0.0,
                first_median=statistics.median(gaps[:tenth]) if gaps else 0.0,
                last_median=statistics.median(gaps[-tenth:]) if gaps else 0.0)


@preset_journey
def preset_cycling_holds_steady(s):
    """A short endurance run of 系统设置's timed recall: presets 0 (the wall split in two) and 1
    (one window over the region) stored from the panel, then recalled every second from 0 to 1
    for about twenty seconds. Every recall the program's log says it sent reaches tzsim, exactly
    (00 01 n), in the order 0, 1, 0, 1 ..., the first at once; tzsim replays each stored scene
    without an anomaly; the program's windows are the same after the first recalls and at the
    end; 停止 stops the recalls. bench/endurance runs the twenty presets for as long as asked and
    prints the interval's drift."""
    frame = start_with_blank_scene(s, "Administrator", admin_password())
    split_in_two(s)
    scene0 = windows_on(s)
    store_preset(s, 0)
    split(s, SPLIT_FULL)
    wait_until("the one window of MPD1全屏", lambda: [w[:5] for w in windows_on(s)][:1] == [(2, 0, 0, 1920, 1080)] or None, 60)
    settled(s, "the change to settle")
    scene1 = windows_on(s)
    store_preset(s, 1)

    clicked = start_cycling(s, frame, 0, 1, 1)
    wait_until("the first recalls", lambda: len(recalls(s)) >= 3, 30)
    windows_early = sorted((w.cls, w.id) for w in s.tree().windows)
    wait_until("twenty recalls", lambda: len(recalls(s)) >= 20, 120, interval=1.0)
    stop_cycling(s)
    stopped = len(recalls(s))
    time.sleep(2.5)  # two periods: nothing more may come
    got = recalls(s)
    check(len(got) == stopped, "停止 stops the recalls: %d then %d" % (stopped, len(got)))
    check(logged_recalls(s) == len(got), "every recall sent reached tzsim: %d logged, %d received"
          % (logged_recalls(s), len(got)))
    figures = cycle_figures(got, 0, 1, 1)
    check(figures["in_order"], "the presets in turn from 0: %r" % figures["presets"])
    check(all(f == frame_of([0, 1, p] + [0x55] * 6) for _, p, f in got), "each recall is exactly 00 01 n")
    check(got[0][0] >= tzsim_ms(s, clicked), "the first recall follows the click")
    check(windows_on(s) == (scene0 if got[-1][1] == 0 else scene1), "tzsim shows the last preset recalled")
    check(sorted((w.cls, w.id) for w in s.tree().windows) == windows_early, "the same windows as after the first recalls")
    J.no_anomalies(s)
    print("%d recalls; interval median %.1f ms first tenth, %.1f ms last tenth; the last recall %+.1f ms from"
          " a steady cycle's place from the second" % (len(got), figures["first_median"], figures["last_median"],
                                                       figures["drift"]))
    s.screenshot()
    close_system_settings(s)
    J.exit_program(s, frame)
