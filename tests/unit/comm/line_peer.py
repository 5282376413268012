#!/usr/bin/env python3
"""The processor's end of a serial line for the device-link tests.

Opens a pseudo-terminal and makes it COM<n>: natively through the environment variable
TAVELO_COM<n> (the slave's path), under Wine through a link dosdevices/com<n> in the prefix.
Then runs the command after `--` and exits with its status.

While the command runs, every chunk read from the line is appended to <dir>/received as
"<milliseconds since start> <hex bytes>", and replies are written on cue from <dir>/rules, which
is read again whenever bytes arrive. A rule line is

    <trigger hex> -> <reply hex> [delay=<ms>] [split=<ms>]

When the bytes received since the last cue end with the trigger, the reply is written after
the delay; with split, in two halves that far apart. The test finds the folder in
TAVELO_PEER_DIR (a Z: path under Wine) and the COM number in TAVELO_TEST_COM.
"""
import argparse
import os
import select
import subprocess
import sys
import threading
import time
import tty


def load_rules(path):
    rules = []
    try:
        with open(path) as f:
            lines = f.read().splitlines()
    except OSError:
        return rules
    for line in lines:
        line = line.split("#", 1)[0].strip()
        if "->" not in line:
            continue
        trigger, rest = line.split("->", 1)
        words = rest.split()
        reply = bytearray()
        delay = split = 0
        for word in words:
            if word.startswith("delay="):
                delay = int(word[6:])
            elif word.startswith("split="):
                split = int(word[6:])
            else:
                reply += bytes.fromhex(word)
        rules.append((bytes.fromhex(trigger.replace(" ", "")), bytes(reply), delay, split))
    return rules


def serve(master, folder, start, stop):
    pending = bytearray()
    received = os.path.join(folder, "received")
    while not stop.is_set():
        ready, _, _ = select.select([master], [], [], 0.05)
        if not ready:
            continue
        try:
            data = os.read(master, 4096)
        except OSError:
            continue
        stamp = (time.monotonic() - start) * 1000.0
        with open(received, "a") as f:
            f.write("%.3f %s\n" % (stamp, data.hex()))
        pending += data
        for trigger, reply, delay, split in load_rules(os.path.join(folder, "rules")):
            if trigger and pending.endswith(trigger):
                pending.clear()
                time.sleep(delay / 1000.0)
                if split and len(reply) > 1:
                    half = len(reply) // 2
                    os.write(master, reply[:half])
                    time.sleep(split / 1000.0)
                    os.write(master, reply[half:])
                else:
                    os.write(master, reply)
                break


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--com", type=int, required=True)
    parser.add_argument("--dir", required=True)
    parser.add_argument("--prefix")
    parser.add_argument("--rules", help="initial rules file")
    parser.add_argument("--expect-line", help="hex bytes the line must carry, in order")
    parser.add_argument("--expect-stdout", help="text the command must print")
    parser.add_argument("command", nargs=argparse.REMAINDER)
    args = parser.parse_args()
    command = args.command[1:] if args.command[:1] == ["--"] else args.command

    folder = os.path.abspath(args.dir)
    os.makedirs(folder, exist_ok=True)
    for name in ("received", "rules"):
        open(os.path.join(folder, name), "w").close()
    if args.rules:
        with open(args.rules) as src, open(os.path.join(folder, "rules"), "w") as dst:
            dst.write(src.read())

    master, slave = os.openpty()
    tty.setraw(slave)
    env = dict(os.environ, TAVELO_TEST_COM=str(args.com), TAVELO_PEER_DIR=folder)
    env["TAVELO_COM%d" % args.com] = os.ttyname(slave)
    link = None
    if args.prefix:
        link = os.path.join(args.prefix, "dosdevices", "com%d" % args.com)
        os.makedirs(os.path.dirname(link), exist_ok=True)
        if os.path.lexists(link):
            os.unlink(link)
        os.symlink(os.ttyname(slave), link)
        env["TAVELO_PEER_DIR"] = "Z:" + folder.replace("/", "\\")

    stop = threading.Event()
    worker = threading.Thread(target=serve, args=(master, folder, time.monotonic(), stop),
                              daemon=True)
    worker.start()
    try:
        if args.expect_stdout:
            run = subprocess.run(command, env=env, stdout=subprocess.PIPE)
            status = run.returncode
            sys.stdout.write(run.stdout.decode("latin-1"))
        else:
            status = subprocess.call(command, env=env)
        if args.expect_line:
            status = status or check_line(args.expect_line, folder)
        if args.expect_stdout:
            with open(args.expect_stdout, "rb") as f:
                want = f.read().replace(b"\r\n", b"\n")
            if run.stdout.replace(b"\r\n", b"\n") != want:
                print("line_peer: output differs; expected:\n" + want.decode("latin-1"))
                status = status or 1
    finally:
        stop.set()
        worker.join()
        if link:
            os.unlink(link)
    return status


def received_bytes(folder):
    data = bytearray()
    with open(os.path.join(folder, "received")) as f:
        for line in f:
            parts = line.split()
            if len(parts) == 2:
                data += bytes.fromhex(parts[1])
    return bytes(data)


def check_line(path, folder):
    with open(path) as f:
        want = bytes.fromhex(" ".join(l.split("#", 1)[0] for l in f))
    deadline = time.monotonic() + 3
    got = received_bytes(folder)
    while len(got) < len(want) and time.monotonic() < deadline:
        time.sleep(0.05)
        got = received_bytes(folder)
    if got != want:
        print("line_peer: the line carried\n  %s\nexpected\n  %s" % (got.hex(" "), want.hex(" ")))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
