#!/usr/bin/env python3
"""Replays beside the runner's --store: a record keeps the game that made it, the hall of fame
plays it (arrows, Enter) and comes back, and a later record that pushes it out removes it.

usage: replay_store.py RUNNER DATA_DIR
"""
import json, os, shutil, subprocess, sys, tempfile

runner, data = os.path.realpath(sys.argv[1]), os.path.realpath(sys.argv[2])


def bitva_with_record(f1_frames):
    """A game of "bitva" with F1 held for points, left alone until the supply overflows, then
    the name "A" entered on the on-screen keyboard."""
    lines = ["frames 80 100", "frame 16 enter", "frame 16", "frame 16 down", "frame 16",
             "frame 16 enter", "frames 25 100", "frame 16 space", "frames 13 100",
             f"frames {f1_frames} 16 f1", "frames 1200 100", "state", "frame 16 space",
             "frames 20 16"]
    for key in ["right"] * 7 + ["down"] * 4:
        lines += [f"frame 16 {key}", "frames 20 16"]
    return lines + ["frame 16 space", "frames 5 16", "state"]


def play(lines, work):
    proc = subprocess.run([runner, "--seed", "3", "--store", "hall.store"], cwd=work,
                          input="\n".join(lines) + "\n", capture_output=True, text=True)
    if proc.returncode != 0:
        sys.exit(f"the runner failed: {proc.stderr[-1000:]}")
    return [json.loads(line) for line in proc.stdout.splitlines()]


def ties(work):
    path = os.path.join(work, "replays", "records.txt")
    return open(path).read().split("\n")[:-1] if os.path.exists(path) else []


work = tempfile.mkdtemp(prefix="brunival-replay-store.")
try:
    shutil.copytree(data, work, dirs_exist_ok=True)
    states = play(bitva_with_record(60), work)
    if states[0]["ScreenState"] != 12 or states[0]["Game"]["NewRecord"] != 1:
        sys.exit(f"the first game should end in a new record's name entry: {states[0]['ScreenState']}")
    score = states[-1]["Game"]["Score"]
    if states[-1]["ScreenState"] != 4 or "A" not in states[-1]["HallNames"][10:20]:
        sys.exit("the record was not stored")
    if ties(work) != [f"1 A {score} game-0001.replay"]:
        sys.exit(f"the record's game is not kept: {ties(work)}")

    # The hall of fame: the first arrow picks the top of "arkada", Right moves to "bitva", Down
    # to the record (entry 9, the lowest), Enter watches it; the watch comes back by itself.
    row = states[-1]["HallNames"][10:20].index("A")
    keys = ["right", "right"] + ["down"] * row
    lines = ["frames 80 100", "frame 16 down", "frame 16", "frame 16 down", "frame 16",
             "frame 16 enter", "frame 16"]
    for key in keys:
        lines += [f"frame 16 {key}", "frame 16"]
    lines += ["state", "frame 16 enter", "frames 60 100", "state", "frames 1500 100", "state"]
    hall, watching, back = play(lines, work)
    if hall["ScreenState"] != 4 or watching["ScreenState"] != 10 or back["ScreenState"] != 4:
        sys.exit(f"watching from the hall of fame: screens {hall['ScreenState']}, "
                 f"{watching['ScreenState']}, {back['ScreenState']}")
    if watching["Game"]["GameMode"] != 2:
        sys.exit("the watched game is not the record's")

    # A better game pushes the first record out of the table, and its game with it.
    states = play(bitva_with_record(70), work)
    better = states[-1]["Game"]["Score"]
    if not better > score or score in map(int, states[-1]["HallScores"][10:20]):
        sys.exit(f"the second record ({better}) should push out the first ({score})")
    if ties(work) != [f"1 A {better} game-0002.replay"]:
        sys.exit(f"only the second record's game should be tied: {ties(work)}")
    if os.path.exists(os.path.join(work, "replays", "game-0001.replay")):
        sys.exit("the pushed-out record's game was not removed")
    print(f"record {score} kept and watched; record {better} pushed it out and its game went")
finally:
    shutil.rmtree(work)
