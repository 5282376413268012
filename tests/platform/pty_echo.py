#!/usr/bin/env python3
"""Far end of a serial line for tests under Wine.

Opens a pseudo-terminal, links its slave as comN in the Wine prefix, answers every byte it reads
with the byte's complement (so the test sees that the bytes went both ways and were processed),
runs the command after `--`, and exits with its status.
"""
import argparse
import os
import select
import subprocess
import sys
import threading
import tty


def serve(master: int, stop: threading.Event) -> None:
    while not stop.is_set():
        ready, _, _ = select.select([master], [], [], 0.1)
        if not ready:
            continue
        try:
            data = os.read(master, 4096)
        except OSError:
            continue  # no slave open at the moment
        os.write(master, bytes(b ^ 0xFF for b in data))


def main() -> int:
    parser = argparse.ArgumentParser()
    parser.add_argument("--prefix", required=True)
    parser.add_argument("--com", type=int, required=True)
    parser.add_argument("command", nargs=argparse.REMAINDER)
    args = parser.parse_args()
    command = args.command[1:] if args.command[:1] == ["--"] else args.command

    master, slave = os.openpty()
    tty.setraw(slave)
    link = os.path.join(args.prefix, "dosdevices", f"com{args.com}")
    os.makedirs(os.path.dirname(link), exist_ok=True)
    if os.path.lexists(link):
        os.unlink(link)
    os.symlink(os.ttyname(slave), link)

    stop = threading.Event()
    worker = threading.Thread(target=serve, args=(master, stop), daemon=True)
    worker.start()
    env = dict(os.environ, TAVELO_TEST_COM=str(args.com))
    try:
        status = subprocess.call(command, env=env)
    finally:
        stop.set()
        worker.join()
        os.unlink(link)
    return status


if __name__ == "__main__":
    sys.exit(main())
