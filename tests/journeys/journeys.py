#!/usr/bin/env python3
"""Operator journeys, each one test: journeys.py NAME --bin DIR --probe EXE --tzsim PATH
--prefix PREFIX --work DIR --artifacts DIR [--com N]; journeys.py --list names them.

Every journey starts tzsim and the program fresh, acts only through the screen (clicks at the
control positions the probe reads from the window tree, typed text, keys) and checks the outcome
on tzsim's decoded trace and state and on the screen. Its end state is saved as
artifacts/NAME-end.png, pass or fail.
"""

import argparse
import os
import subprocess
import sys
import time
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from runner import (IDCANCEL, IDNO, IDOK, IDYES, EXIT_QUESTION, MAIN_TITLE, JourneyFailed,  # noqa: E402
                    Session, add_session_options, check, session_config, wait_until)

LOGIN_TITLE = "登录"
COMM_TITLE = "通讯设置"
IDC_LOGIN_BUTTON, IDC_LOGIN_PASSWORD, IDC_LOGIN_USER = 1003, 1004, 1007
IDC_COMM_PORT, IDC_COMM_TIMEOUT, IDC_COMM_BAUD = 1010, 1042, 1043
WRONG_PASSWORD = "密码错误，请重试！"
ADMIN_PASSWORD = "807162"
OPEN_PORT_FAILED = "打开串口设备失败"
STATUS_BAR_ID = 59393
CAPTION_HEIGHT = 25  # the skinned caption band; the close button sits 30..5 px from the right

IDC_CV_POWER_ON, IDC_CV_POWER_OFF = 32877, 1009
COMM_FAILED = "通讯失败;\n错误码:0X0003"
SKIPPED = 77  # ctest's SKIP_RETURN_CODE: the program lacks what the journey needs


class JourneySkipped(Exception):
    pass


JOURNEYS = {}


def journey(fn):
    JOURNEYS[fn.__name__] = fn
    return fn


# ---- Steps shared by the journeys ----

def login_dialog(s):
    return s.wait_window("the login dialog", lambda t: t.top(text=LOGIN_TITLE))


def main_frame(s, timeout=60):
    return s.wait_window("the main window", lambda t: t.main_frame(), timeout)


def choose_user(s, dialog, name):
    """Picks the user in the drop-down list by the keyboard, as a person does: click it open,
    Home/End, Enter. The list holds "Administrator" then "User"."""
    combo = dialog.control(ident=IDC_LOGIN_USER)
    check(combo is not None, "the login dialog has its user list")
    check(combo.items == ["Administrator", "User"], "the users are %r" % (combo.items,))
    s.click(combo)
    s.key("Home" if name == "Administrator" else "End", "Return")
    wanted = combo.items.index(name)
    wait_until("%s to be chosen" % name,
               lambda: getattr(s.dialog_control(LOGIN_TITLE, IDC_LOGIN_USER), "sel", None) == wanted)


def type_password(s, dialog, password):
    edit = dialog.control(ident=IDC_LOGIN_PASSWORD)
    s.click(edit)
    s.key("End", "shift+Home", "BackSpace")
    if password:
        s.type_text(password)
    wait_until("the password to be typed",
               lambda: len(getattr(s.dialog_control(LOGIN_TITLE, IDC_LOGIN_PASSWORD), "text", "")) == len(password))


def press_login(s, dialog):
    s.click(dialog.control(ident=IDC_LOGIN_BUTTON))


def login(s, name, password):
    dialog = login_dialog(s)
    choose_user(s, dialog, name)
    type_password(s, dialog, password)
    press_login(s, dialog)


def close_button(frame):
    """Where the skinned caption's close button is: right - 30 .. right - 5, centred in the band."""
    return frame.width - 17, CAPTION_HEIGHT // 2 + 1


def start_logged_in(s, name="Administrator", password=ADMIN_PASSWORD, **install):
    s.start_tzsim()
    s.install_program(**install)
    s.start_program()
    login(s, name, password)
    return main_frame(s)


def exit_program(s, frame):
    s.click(frame, *close_button(frame))
    s.answer_box(EXIT_QUESTION, IDYES)
    s.wait_exit()


def no_anomalies(s):
    bad = s.anomalies()
    check(not bad, "tzsim saw no anomaly: %s" % bad[:5])


def control_view_button(s, frame, ident):
    """A button of the control view in the main window's left bar; a program without the
    control view cannot take the journey: it is closed through its prompt and the journey is
    skipped, not passed."""
    button = frame.control(ident=ident, cls="Button")
    if button is None:
        exit_program(s, frame)
        raise JourneySkipped("the main window has no control view button %d" % ident)
    return button


# The ribbon's 控制 tab (Alt+T) holds, in the menu's order: 开机, 关机, 系统设置, 通讯设置,
# 工程设置, 矩阵切换; its buttons are no windows and are found through their tooltips.
CONTROL_TAB_KEY = "alt+t"
CONTROL_TAB_BUTTONS = 6
RIBBON_SYSTEM, RIBBON_COMM, RIBBON_FACTORY, RIBBON_MATRIX = 3, 4, 5, 6
ROLE_REFUSAL = "只有管理员身份才能对此进行操作！"
FACTORY_TITLE = "工厂设置"


def ribbon_control_button(s, frame, ordinal):
    """Opens the 控制 tab with its accelerator and gives the button at that place (1-based)."""
    if not any(w.cls == "luRibbonBar" for w in frame.descendants()):
        exit_program(s, frame)
        raise JourneySkipped("the main window has no ribbon")
    s.click(frame, frame.width // 2, frame.height - 60)  # the keyboard goes to the main window
    s.key(CONTROL_TAB_KEY)

    def shown():
        tree = s.tree()
        by_owner = {}
        for t in tree.tools:
            if t.visible and t.width > 0:
                by_owner.setdefault(t.parent, []).append(t)
        for tools in by_owner.values():
            if len(tools) == CONTROL_TAB_BUTTONS:
                return sorted(tools, key=lambda t: t.rect[0])[ordinal - 1]
        return None
    return wait_until("the 控制 tab's buttons", shown)


def choose_in_list(s, dialog_title, ident, text):
    """Opens a drop-down list, moves to the entry by the keyboard and closes it with Enter."""
    combo = s.wait_dialog_control(dialog_title, ident)
    check(text in combo.items, "%r is offered: %r" % (text, combo.items))
    s.click(combo)
    steps = combo.items.index(text) - combo.sel
    s.key(*(["Down"] * steps if steps > 0 else ["Up"] * -steps), "Return")
    wait_until("%s to be chosen" % text,
               lambda: getattr(s.dialog_control(dialog_title, ident), "sel", None) == combo.items.index(text))


def power_frames(s):
    return [(f, meaning) for f, meaning in s.frames() if meaning.startswith("SetPower")]


def press_power(s, frame, on, count_before):
    """Presses 开机 or 关机 and waits for the frame to reach tzsim and the progress window to go."""
    s.click(control_view_button(s, frame, IDC_CV_POWER_ON if on else IDC_CV_POWER_OFF))
    wait_until("the power frame", lambda: len(power_frames(s)) > count_before)
    s.wait_gone("the progress window", lambda t: t.top(text=MAIN_TITLE, cls="#32770"))


# ---- Journeys ----

@journey
def login_user(s):
    """User with an empty password reaches the main window through the open-device step."""
    s.start_tzsim()
    s.install_program()
    s.start_program()
    dialog = login_dialog(s)
    combo = dialog.control(ident=IDC_LOGIN_USER)
    check(combo.sel == 1, "User is preselected")
    type_password(s, dialog, "")
    press_login(s, dialog)
    frame = main_frame(s)
    tree = s.tree()
    check(tree.top(text=LOGIN_TITLE) is None, "the login dialog is gone")
    check(frame.width == 880 and frame.height == 760, "the main window is 880 x 760: %r" % (frame.rect,))
    check(s.running(), "the program runs")
    no_anomalies(s)
    s.screenshot()
    exit_program(s, frame)


@journey
def login_administrator(s):
    """Administrator with the administrator's password, typed and confirmed with Enter."""
    s.start_tzsim()
    s.install_program()
    s.start_program()
    dialog = login_dialog(s)
    choose_user(s, dialog, "Administrator")
    type_password(s, dialog, ADMIN_PASSWORD)
    s.key("Return")
    frame = main_frame(s)
    check(s.tree().top(text=LOGIN_TITLE) is None, "the login dialog is gone")
    check(frame.width == 880 and frame.height == 760, "the main window is 880 x 760: %r" % (frame.rect,))
    no_anomalies(s)
    s.screenshot()
    exit_program(s, frame)


@journey
def login_wrong_password(s):
    """A wrong administrator password and a User with a password are refused with the message,
    the dialog keeps what was typed; Escape does nothing; the right password then logs in."""
    s.start_tzsim()
    s.install_program()
    s.start_program()
    dialog = login_dialog(s)
    choose_user(s, dialog, "Administrator")
    type_password(s, dialog, "123456")
    press_login(s, dialog)
    s.answer_box(WRONG_PASSWORD, IDOK)
    dialog = login_dialog(s)
    check(dialog.control(ident=IDC_LOGIN_USER).sel == 0, "Administrator stays chosen")
    check(len(dialog.control(ident=IDC_LOGIN_PASSWORD).text) == 6, "the typed password stays")
    check(s.tree().main_frame() is None, "no main window after a refusal")

    choose_user(s, dialog, "User")
    type_password(s, dialog, "x")
    press_login(s, dialog)
    s.answer_box(WRONG_PASSWORD, IDOK)

    s.click(login_dialog(s).control(ident=IDC_LOGIN_PASSWORD))
    s.key("Escape")
    # Escape is swallowed: the dialog is still there once the key has been handled (the probe's
    # next reading comes after the program has taken the key from its queue).
    dialog = login_dialog(s)
    check(s.running(), "Escape does not end the program")
    s.screenshot("refused")

    choose_user(s, dialog, "Administrator")
    type_password(s, dialog, ADMIN_PASSWORD)
    press_login(s, dialog)
    frame = main_frame(s)
    s.screenshot()
    exit_program(s, frame)


@journey
def comm_absent_port_at_login(s):
    """The profile names a port the machine lists but nothing answers on: the login's open-device
    step reports the failure and opens the communication settings; choosing the simulator's port
    there reconnects, writes com.ini and the main window comes, its pane 1 naming that port."""
    s.start_tzsim()
    s.install_program(port=s.absent_com)
    s.list_port(s.absent_com)
    s.start_program()
    dialog = login_dialog(s)
    type_password(s, dialog, "")
    press_login(s, dialog)
    box = s.wait_window("the open-device failure", lambda t: t.message_box())
    texts = " ".join(box.texts())
    check(OPEN_PORT_FAILED in texts, "the failure names the port: %r" % texts)
    s.answer_box(None, IDOK)
    comm = s.wait_window("the communication settings", lambda t: t.top(text=COMM_TITLE))
    ports = comm.control(ident=IDC_COMM_PORT)
    check("COM%d" % s.com in ports.items and "COM%d" % s.absent_com in ports.items,
          "both listed ports are offered: %r" % (ports.items,))
    check(ports.items[ports.sel] == "COM%d" % s.absent_com, "the profile's port is preselected")
    baud = comm.control(ident=IDC_COMM_BAUD)
    check(baud.items == ["9600", "19200", "38400", "57600", "115200"] and baud.sel == 4, "baud rates %r" % (baud.items,))
    check(comm.control(ident=IDC_COMM_TIMEOUT).text == "10", "the time-out from com.ini")

    # Pick the simulator's port with the keyboard in the opened list.
    s.click(ports)
    target = ports.items.index("COM%d" % s.com)
    steps = target - ports.sel
    s.key(*(["Down"] * steps if steps > 0 else ["Up"] * -steps), "Return")
    wait_until("COM%d to be chosen" % s.com,
               lambda: getattr(s.dialog_control(COMM_TITLE, IDC_COMM_PORT), "sel", None) == target)
    s.click(comm.control(ident=IDOK))
    frame = main_frame(s)
    check(s.read_com_ini().get("commport") == str(s.com), "com.ini names the chosen port: %r" % s.read_com_ini())
    check(s.tree().top(text=LOGIN_TITLE) is None, "the login continued into the program")
    no_anomalies(s)
    status_pane_follows_the_port(s, frame)
    s.screenshot()
    exit_program(s, frame)


def status_pane_follows_the_port(s, frame):
    """Pane 1 (the right half of the status bar) says 连接 while the machine lists the configured
    port and 断开 once it no longer does, within the frame's one-second refresh; listing the
    port again brings back the very same picture."""
    bar = frame.control(ident=STATUS_BAR_ID)
    check(bar is not None, "the main window has its status bar")
    left, top, right, bottom = bar.rect
    pane = (left + (right - left) // 2 + 4, top + 3, right - 24, bottom - 3)
    listed = wait_until("pane 1 to settle", lambda: stable_region(s, pane))
    s.list_port(s.com, remove=True)
    absent = wait_until("pane 1 to show the port gone", lambda: changed_region(s, pane, listed))
    s.screenshot("port-gone")
    s.list_port(s.com)
    wait_until("pane 1 to show the port again", lambda: s.region(pane) == listed or None)
    check(absent != listed, "the pane changed")


def stable_region(s, rect):
    first = s.region(rect)
    time.sleep(0.3)
    return first if s.region(rect) == first else None


def changed_region(s, rect, before):
    now = s.region(rect)
    return now if now != before else None


@journey
def exit_through_prompt(s):
    """The caption's close button asks the exit question; No keeps the program, Yes ends it (and
    the wall view, where the window has one, saves the scene to the recent scene file)."""
    frame = start_logged_in(s)
    started = time.time()
    s.click(frame, *close_button(frame))
    s.answer_box(EXIT_QUESTION, IDNO)
    frame = main_frame(s)
    check(s.running(), "No keeps the program")
    has_wall = frame.control(cls="TzViewCtrl") is not None
    s.key("alt+F4")
    s.answer_box(EXIT_QUESTION, IDYES)
    s.wait_exit()
    if has_wall:
        recent = s.recent_scene()
        check(recent and os.path.exists(recent) and os.path.getmtime(recent) >= started - 1,
              "the scene was saved to the recent scene file %r" % recent)
    s.screenshot()


@journey
def power_on_off(s):
    """开机 and 关机 in the control view: each is one device frame, exact on the wire
    (AA BB 00 00 00|01 55 x6 checksum), and tzsim's power follows."""
    frame = start_logged_in(s, "User", "")
    control_view_button(s, frame, IDC_CV_POWER_ON)
    press_power(s, frame, True, 0)
    wait_until("tzsim to be on", lambda: s.state() and s.state()["power"] is True)
    press_power(s, frame, False, 1)
    wait_until("tzsim to be off", lambda: s.state() and s.state()["power"] is False)
    frames = [f for f, _ in power_frames(s)]
    check(frames == [[0xAA, 0xBB, 0, 0, 0] + [0x55] * 6 + [0xFE], [0xAA, 0xBB, 0, 0, 1] + [0x55] * 6 + [0xFF]],
          "the power frames: %r" % frames)
    check(s.tree().message_box() is None, "no message for a working link")
    no_anomalies(s)
    s.screenshot()
    exit_program(s, frame)


@journey
def power_with_noreply(s):
    """tzsim answers nothing: the power commands expect no answer, so both still arrive in order
    and apply, no message is shown, and the program answers its exit prompt."""
    frame = start_logged_in(s, "User", "")
    control_view_button(s, frame, IDC_CV_POWER_ON)
    s.control_tzsim("fail noreply")
    for i, on in enumerate((True, False, True)):
        press_power(s, frame, on, i)
        wait_until("tzsim's power to follow", lambda: s.state() and s.state()["power"] is on)
    check([m for _, m in power_frames(s)] == ["SetPower on", "SetPower off", "SetPower on"],
          "every frame arrived in order: %r" % power_frames(s))
    check(s.tree().message_box() is None, "no message")
    no_anomalies(s)
    s.screenshot()
    exit_program(s, frame)


@journey
def power_with_vanish(s):
    """The device vanishes on 开机 (the frame arrives, the line goes): the next command reports
    "通讯失败" with its error-code line, the program stays responsive (the message and then the
    exit prompt answer), and what reached the device before is in tzsim's trace exactly once."""
    frame = start_logged_in(s, "User", "")
    control_view_button(s, frame, IDC_CV_POWER_ON)
    s.control_tzsim("fail vanish")
    link = os.path.join(s.prefix, "dosdevices", "com%d" % s.com)
    s.click(control_view_button(s, frame, IDC_CV_POWER_ON))
    wait_until("the line to vanish", lambda: not os.path.islink(link))
    s.click(control_view_button(s, frame, IDC_CV_POWER_OFF))
    box = s.wait_window("the failure message", lambda t: t.message_box())
    check(COMM_FAILED in box.texts(), "the message is the composed failure: %r" % box.texts())
    s.screenshot("failure")
    s.answer_box(COMM_FAILED, IDOK)
    trace = s.trace()
    vanished = [i for i, line in enumerate(trace) if line.endswith("received; the line vanishes")]
    check(len(vanished) == 1 and "AA BB 00 00 00 55 55 55 55 55 55 FE" in trace[vanished[0]],
          "开机 reached the device once before the line went: %r" % trace[-5:])
    check(not [line for line in trace[vanished[0] + 1:] if "AA BB" in line], "nothing after the vanish")
    frame = main_frame(s)
    s.screenshot()
    exit_program(s, frame)


@journey
def operations_hold_steady(s):
    """A short endurance run: twelve power operations in a row. Every frame reaches tzsim in
    order (开机, 关机, ...), none is malformed, the program's windows after the last operation
    are those after the fourth (nothing leaks a window), and the program still answers its exit
    prompt. bench/operator runs the long version and prints memory and the cycle."""
    frame = start_logged_in(s, "User", "")
    control_view_button(s, frame, IDC_CV_POWER_ON)
    operations = 12
    windows_early = None
    for i in range(operations):
        press_power(s, frame, i % 2 == 0, i)
        if i + 1 == 4:
            windows_early = sorted((w.cls, w.id) for w in s.tree().windows)
    wait_until("tzsim to count every frame", lambda: len(power_frames(s)) >= operations)
    meanings = [m for _, m in power_frames(s)]
    check(meanings == ["SetPower on", "SetPower off"] * (operations // 2), "every frame, in order: %r" % meanings)
    no_anomalies(s)
    check(sorted((w.cls, w.id) for w in s.tree().windows) == windows_early,
          "the same windows after the fourth and the last operation")
    s.screenshot()
    exit_program(s, frame)


@journey
def comm_settings_absent_port_and_back(s):
    """From the main window (ribbon 控制, 通讯设置): a port that the machine lists but nothing
    answers on is written to com.ini, reconnecting fails with the composed message and the
    dialog stays; pane 1 names the new port. Choosing the simulator's port again reconnects,
    com.ini and pane 1 come back exactly, and the next command reaches the device."""
    frame = start_logged_in(s, "User", "")
    s.list_port(s.absent_com)
    bar = frame.control(ident=STATUS_BAR_ID)
    left, top, right, bottom = bar.rect
    pane = (left + (right - left) // 2 + 4, top + 3, right - 24, bottom - 3)
    before = wait_until("pane 1 to settle", lambda: stable_region(s, pane))

    s.click(ribbon_control_button(s, frame, RIBBON_COMM))
    comm = s.wait_window("the communication settings", lambda t: t.top(text=COMM_TITLE))
    check(comm.control(ident=IDC_COMM_PORT).items[comm.control(ident=IDC_COMM_PORT).sel] == "COM%d" % s.com,
          "the configured port is preselected")
    choose_in_list(s, COMM_TITLE, IDC_COMM_PORT, "COM%d" % s.absent_com)
    s.click(comm.control(ident=IDOK))
    box = s.wait_window("the reconnection failure", lambda t: t.message_box())
    check(any(OPEN_PORT_FAILED in text for text in box.texts()), "the failure: %r" % box.texts())
    s.answer_box(None, IDOK)
    comm = s.wait_window("the dialog to stay", lambda t: t.top(text=COMM_TITLE))
    check(s.read_com_ini().get("commport") == str(s.absent_com), "the settings stay written")
    s.click(comm.control(ident=IDCANCEL))
    s.wait_gone("the communication settings", lambda t: t.top(text=COMM_TITLE))
    wait_until("pane 1 to name the other port", lambda: changed_region(s, pane, before))
    s.screenshot("absent")

    s.click(ribbon_control_button(s, frame, RIBBON_COMM))
    s.wait_window("the communication settings", lambda t: t.top(text=COMM_TITLE))
    choose_in_list(s, COMM_TITLE, IDC_COMM_PORT, "COM%d" % s.com)
    s.click(s.wait_dialog_control(COMM_TITLE, IDOK))
    s.wait_gone("the communication settings", lambda t: t.top(text=COMM_TITLE))
    check(s.tree().message_box() is None, "reconnecting to the simulator succeeds")
    check(s.read_com_ini().get("commport") == str(s.com), "com.ini names the simulator's port again")
    wait_until("pane 1 to be as before", lambda: s.region(pane) == before or None)
    press_power(s, frame, True, 0)
    wait_until("tzsim to be on", lambda: s.state() and s.state()["power"] is True)
    no_anomalies(s)
    s.screenshot()
    exit_program(s, frame)


@journey
def factory_settings_by_role(s):
    """工程设置 refuses a User with "只有管理员身份才能对此进行操作！"; the Administrator gets the
    factory settings dialog."""
    frame = start_logged_in(s, "User", "")
    s.click(ribbon_control_button(s, frame, RIBBON_FACTORY))
    s.answer_box(ROLE_REFUSAL, IDOK)
    check(s.tree().top(text=FACTORY_TITLE) is None, "no factory settings for a User")
    exit_program(s, frame)

    s.program = None
    s.start_program()
    login(s, "Administrator", ADMIN_PASSWORD)
    frame = main_frame(s)
    s.click(ribbon_control_button(s, frame, RIBBON_FACTORY))
    dialog = s.wait_window("the factory settings", lambda t: t.top(text=FACTORY_TITLE))
    check(s.tree().message_box() is None, "no refusal for the Administrator")
    s.screenshot()
    s.click(dialog.control(ident=IDOK, cls="Button"))  # "关闭(&C)"
    s.wait_gone("the factory settings", lambda t: t.top(text=FACTORY_TITLE))
    exit_program(s, main_frame(s))


MATRIX_TITLE = "矩陈切换"
IDC_MATRIX_DVI_INPUT, IDC_MATRIX_DVI_SWITCH, IDC_MATRIX_DVI_OUTPUT = 1007, 1003, 1010


@journey
def matrix_switch(s):
    """ribbon 控制 → 矩阵切换 with a DVI matrix of four inputs (maker 3, address 1): input
    "HDMI3" to "输出 7" reaches the matrix as that crosspoint (tzsim decodes the maker's
    protocol), the dialog stays open and closes with Alt+F4."""
    tzview = ("[application]\r\nmpdnums=3\r\nresolution=6\r\nmpdresolution=5\r\n"
              "[DVI_Matrix]\r\nnumofinput=4\r\ndevfactory=3\r\ndevno=1\r\n")
    frame = start_logged_in(s, "User", "", tzview=tzview)
    s.click(ribbon_control_button(s, frame, RIBBON_MATRIX))
    dialog = s.wait_window("the matrix dialog", lambda t: t.top(text=MATRIX_TITLE))
    inputs = dialog.control(ident=IDC_MATRIX_DVI_INPUT)
    check(inputs.items == ["HDMI1", "HDMI2", "HDMI3", "HDMI4"], "the DVI inputs: %r" % (inputs.items,))
    check(len(dialog.control(ident=IDC_MATRIX_DVI_OUTPUT).items) == 255, "255 outputs")
    choose_in_list(s, MATRIX_TITLE, IDC_MATRIX_DVI_INPUT, "HDMI3")
    choose_in_list(s, MATRIX_TITLE, IDC_MATRIX_DVI_OUTPUT, "输出 7")
    s.click(dialog.control(ident=IDC_MATRIX_DVI_SWITCH))
    wait_until("the crosspoint at tzsim", lambda: s.state() and s.state()["crosspoints"])
    check(s.state()["crosspoints"] == [{"protocol": "tzb8", "address": 1, "kind": 2, "output": 7, "input": 3}],
          "the crosspoint: %r" % s.state()["crosspoints"])
    check(s.tree().message_box() is None, "no refusal")
    check(s.tree().top(text=MATRIX_TITLE) is not None, "the dialog stays open")
    no_anomalies(s)
    s.screenshot()
    s.key("alt+F4")
    s.wait_gone("the matrix dialog", lambda t: t.top(text=MATRIX_TITLE))
    exit_program(s, frame)


# The wall and scene journeys live in a module of their own and register into JOURNEYS; it
# imports the steps above from this module, by its own name even when it runs as the script.
sys.modules.setdefault("journeys", sys.modules[__name__])
import wall_journeys  # noqa: E402,F401
import preset_journeys  # noqa: E402  (the preset and system settings journeys join the table)
preset_journeys.register(sys.modules[__name__])

JOURNEY_TIMEOUT_NOTE = "each journey's ctest time-out is in CMakeLists.txt"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("name", nargs="?")
    parser.add_argument("--list", action="store_true")
    add_session_options(parser, required=False)
    args = parser.parse_args()
    if args.list:
        print("\n".join(JOURNEYS))
        return 0
    if args.name not in JOURNEYS:
        print("no journey %r; journeys: %s" % (args.name, ", ".join(JOURNEYS)))
        return 2
    xvfb = None
    if not os.environ.get("DISPLAY"):
        xvfb = start_xvfb()
    session = Session(args.name, session_config(args))
    started = time.monotonic()
    status = 0
    try:
        JOURNEYS[args.name](session)
        print("journey %s passed in %.1f s" % (args.name, time.monotonic() - started))
    except JourneySkipped as e:
        status = SKIPPED
        print("journey %s skipped: %s" % (args.name, e))
        session.screenshot("skipped")
    except (JourneyFailed, AssertionError, subprocess.SubprocessError) as e:
        status = 1
        print("journey %s FAILED: %s" % (args.name, e))
        traceback.print_exc()
        try:
            print("screen: %s" % session.screenshot("failed"))
            print("windows: %r" % session.tree().tops())
            print("trace tail:\n  " + "\n  ".join(session.trace()[-15:]))
        except Exception as e2:  # the report of a failure must not hide it
            print("(no failure details: %s)" % e2)
    finally:
        session.close()
        if xvfb:
            xvfb.terminate()
    return status


def start_xvfb():
    for n in range(141, 190):
        if os.path.exists("/tmp/.X%d-lock" % n):
            continue
        proc = subprocess.Popen(["Xvfb", ":%d" % n, "-screen", "0", "1280x800x24", "-nolisten", "tcp"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            wait_until("Xvfb :%d" % n, lambda: os.path.exists("/tmp/.X11-unix/X%d" % n), 10)
        except JourneyFailed:
            proc.kill()
            continue
        os.environ["DISPLAY"] = ":%d" % n
        return proc
    raise JourneyFailed("no free display")


if __name__ == "__main__":
    sys.exit(main())
