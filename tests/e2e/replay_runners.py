#!/usr/bin/env python3
"""A game of each mode recorded with --record by the reference runner; each replay verifies
through every runner given (exit 0) with the state the original run had at the game's last frame
(ScreenState, StateTime, Game), and every runner records the same bytes. A replay with a key
changed, a truncated one and one tied to other gameplay data are refused. The day's challenge,
played by the automatic player, is the same game whatever the seed and language, verifies to its
score everywhere, and is refused under another date.

usage: replay_runners.py --data DIR --reference CMD -- RUNNER_CMD... [-- RUNNER_CMD...]
"""
import json, os, random, shlex, shutil, struct, subprocess, sys, tempfile, zlib

HEADER = 20


def varint(data, at):
    value = shift = 0
    while True:
        byte = data[at]
        at += 1
        value |= (byte & 0x7F) << shift
        shift += 7
        if byte < 0x80:
            return value, at


def put_varint(value):
    out = bytearray()
    while value >= 0x80:
        out.append(value & 0x7F | 0x80)
        value >>= 7
    out.append(value)
    return bytes(out)


def unpack(replay):
    return bytearray(zlib.decompress(replay[HEADER:-4]))


def pack(payload, version=1):
    packed = zlib.compress(bytes(payload), 9)
    head = b"BRNVRPLY" + struct.pack("<HHII", version, 0, len(payload), len(packed)) + packed
    return head + struct.pack("<I", zlib.crc32(head))


def runs(payload):
    """(offset of the frame count, [(count, lag, bits)])"""
    at = 8
    _, at = varint(payload, at)  # seed
    _, at = varint(payload, at)  # draws before
    at += 5  # mode, latches, settings
    at += 1  # claimed mode
    _, at = varint(payload, at)
    _, at = varint(payload, at)
    at += 1 + 8  # end screen, digest
    start = at
    frames, at = varint(payload, at)
    count, at = varint(payload, at)
    out = []
    for _ in range(count):
        n, at = varint(payload, at)
        lag, at = varint(payload, at)
        bits, at = varint(payload, at)
        out.append((n, lag, bits))
    return start, frames, out


def with_runs(payload, start, frames, new_runs):
    body = put_varint(frames) + put_varint(len(new_runs))
    for run in new_runs:
        body += b"".join(put_varint(v) for v in run)
    return payload[:start] + body


KEYS = ["space", "left", "right", "up", "down"]


def game_script(mode, rng):
    """The menu lines, the index of the line that starts the game, the game's lines."""
    lines = ["frames 80 100", "frame 16 enter", "frame 16"]
    for _ in range(mode - 1):
        lines += ["frame 16 down", "frame 16"]
    start = len(lines)
    lines.append("frame 16 enter")
    lags = [17, 17, 16]
    length = {1: 1500, 2: 9000, 3: 2500, 4: 1200, 5: 1200}[mode]
    for i in range(length):
        # "bitva" is left alone after a while: the supply overflows and the game ends by itself.
        busy = mode != 2 or i < 2400
        keys = [rng.choice(KEYS)] if busy and rng.random() < 0.3 else []
        if mode == 1 and 300 <= i < 305:
            keys.append("f1")  # points for nothing: the replay says "cheat keys used"
        lines.append(" ".join(["frame", str(lags[i % 3])] + keys))
    if mode in (1, 4, 5):  # these end by quitting
        lines += ["frame 16 esc", "frame 16", "frame 16 enter"]
    lines += ["frames 20 16"]
    return lines, start


def run(cmd, cwd, script=None, check=True):
    proc = subprocess.run(cmd, cwd=cwd, input=script, capture_output=True, text=True)
    if check and proc.returncode != 0:
        sys.exit(f"{shlex.join(cmd)} failed ({proc.returncode}): {proc.stderr[-2000:]}")
    return proc


def compare(original, verified, what):
    a, b = json.loads(original), json.loads(verified)
    for member in ("ScreenState", "StateTime", "Game"):
        if a[member] != b[member]:
            sys.exit(f"{what}: {member} differs from the original run at the same frame")


def board_and_column(state_line):
    game = json.loads(state_line)["Game"]
    return game["Board"], game["Queue"], game["QueueCount"]


def daily_challenge(reference, others, work):
    autoplay = os.path.join(os.path.dirname(reference[-1]), "brunival-autoplay")
    played = run([autoplay, "--data", work, "daily", "2026-12-24", "1", "daily.txt"], work).stdout
    score = int(played.split("score ")[-1])
    lines = open(os.path.join(work, "daily.txt")).read().splitlines()
    lines[1500] += " f1 m"  # neither adds points nor ends the day's game
    sampled = "\n".join(l + ("\nstate" if i % 400 == 0 else "") for i, l in enumerate(lines))
    states = [run(reference + ["--daily", date, "--seed", seed, "--lang", lang], work, sampled)
              .stdout.splitlines() for date, seed, lang in
              [("2026-12-24", "1", "cs"), ("2026-12-24", "99", "en"), ("2026-12-25", "1", "cs")]]
    if [board_and_column(s) for s in states[0]] != [board_and_column(s) for s in states[1]]:
        sys.exit("the day's game changed with the seed or the language")
    if board_and_column(states[0][0]) == board_and_column(states[2][0]):
        sys.exit("two days gave the same board")
    script = "\n".join(lines) + "\n"
    run(reference + ["--daily", "2026-12-24", "--seed", "5", "--record", "daily"], work, script)
    replay = open(os.path.join(work, "daily", "game-0001.replay"), "rb").read()
    payload = unpack(replay)
    other_day = payload[:8] + put_varint(20261225) + payload[8 + len(put_varint(20261224)):]
    open(os.path.join(work, "other-day.replay"), "wb").write(pack(other_day, 2))
    for runner in [reference] + others:
        name = f"the daily challenge through {shlex.join(runner)}"
        out = run(runner + ["--verify", "daily/game-0001.replay"], work).stdout.splitlines()
        if out[-1] != f"verified 3 1 {score}":
            sys.exit(f"{name}: {out[-1]} (the automatic player scored {score})")
        if runner is not reference:
            run(runner + ["--daily", "2026-12-24", "--seed", "5", "--record", "again"], work, script)
            if open(os.path.join(work, "again", "game-0001.replay"), "rb").read() != replay:
                sys.exit(f"{name}: recorded other bytes than the reference")
            shutil.rmtree(os.path.join(work, "again"))
        proc = run(runner + ["--verify", "other-day.replay"], work, check=False)
        if proc.returncode != 1 or "differs: " not in proc.stdout:
            sys.exit(f"{name}: a replay under another date was not refused: {proc.stdout[-300:]}")
        proc = run(runner + ["--daily", "2026-02-29"], work, "", check=False)
        if proc.returncode != 1 or "not a date" not in proc.stderr:
            sys.exit(f"{name}: 2026-02-29 was taken for a date")
    shutil.rmtree(os.path.join(work, "daily"))
    print(f"the daily challenge of 2026-12-24: {len(lines)} frames, {len(replay)} bytes, "
          f"verified to {score}")


def main():
    args = sys.argv[1:]
    data = os.path.realpath(args[args.index("--data") + 1])
    reference = shlex.split(args[args.index("--reference") + 1])
    others, current = [], None
    for word in args[args.index("--") :] if "--" in args else []:
        if word == "--":
            current = []
            others.append(current)
        else:
            current.append(os.path.realpath(word) if os.path.exists(word) else word)
    reference = [os.path.realpath(w) if os.path.exists(w) else w for w in reference]
    work = tempfile.mkdtemp(prefix="brunival-replays.")
    try:
        shutil.copytree(data, work, dirs_exist_ok=True)
        rng = random.Random(26)
        for mode in range(1, 6):
            lines, start = game_script(mode, rng)
            script = "\n".join(lines) + "\n"
            run(reference + ["--seed", "7", "--record", "rec"], work, script)
            replay_path = os.path.join(work, "rec", "game-0001.replay")
            replay = open(replay_path, "rb").read()
            payload = unpack(replay)
            offset, frames, frame_runs = runs(payload)
            # The original run's state at the game's last frame.
            cut = "\n".join(lines[: start + frames] + ["state"]) + "\n"
            original = run(reference + ["--seed", "7"], work, cut).stdout.splitlines()[-1]
            for runner in [reference] + others:
                name = f"mode {mode} through {shlex.join(runner)}"
                out = run(runner + ["--verify", "rec/game-0001.replay"], work).stdout.splitlines()
                if not out[-1].startswith(f"verified {mode} "):
                    sys.exit(f"{name}: {out[-1]}")
                if (mode == 1) != ("cheat keys used" in out):
                    sys.exit(f"{name}: the cheat keys line is wrong")
                compare(original, out[0], name)
                if runner is not reference:
                    run(runner + ["--seed", "7", "--record", "again"], work, script)
                    if open(os.path.join(work, "again", "game-0001.replay"), "rb").read() != replay:
                        sys.exit(f"{name}: recorded other bytes than the reference")
                    shutil.rmtree(os.path.join(work, "again"))
            print(f"mode {mode}: {frames} frames, {len(replay)} bytes, {out[-1]}")
            shutil.rmtree(os.path.join(work, "rec"))

        # A game played after another in the same run starts from what that one left; its
        # replay, played from a fresh start-up, must reach the same states.
        first, _ = game_script(2, rng)
        second, start = game_script(4, rng)
        back = ["frames 100 100", "frame 16 esc", "frame 16", "frames 10 100", "frame 16 esc",
                "frame 16"]
        lines = first + back + second[1:]
        start += len(first) + len(back) - 1
        run(reference + ["--seed", "9", "--record", "rec"], work, "\n".join(lines) + "\n")
        replay = open(os.path.join(work, "rec", "game-0002.replay"), "rb").read()
        _, frames, _ = runs(unpack(replay))
        cut = "\n".join(lines[: start + frames] + ["state"]) + "\n"
        original = run(reference + ["--seed", "9"], work, cut).stdout.splitlines()[-1]
        for runner in [reference] + others:
            out = run(runner + ["--verify", "rec/game-0002.replay"], work).stdout.splitlines()
            if not out[-1].startswith("verified 4 "):
                sys.exit(f"the second game of a run through {shlex.join(runner)}: {out[-1]}")
            compare(original, out[0], "the second game of a run")
        print(f"the second game of a run: {out[-1]}")

        # Refusals, by the last replay (mode 5): one key changed in the middle of play (with a
        # valid checksum), truncated, other gameplay data, missing.
        expanded = [r for n, lag, bits in frame_runs for r in [(lag, bits)] * n]
        middle = len(expanded) // 2
        lag, bits = expanded[middle]
        expanded[middle] = (lag, bits ^ 4)  # Space
        changed = [(1, lag, bits) for lag, bits in expanded]
        cases = {
            "changed.replay": (pack(with_runs(payload, offset, frames, changed)), 1, "differs: "),
            "truncated.replay": (replay[:-7], 2, "truncated"),
            "other-data.replay": (pack(bytes([payload[0] ^ 1]) + payload[1:]), 2, "other gameplay"),
        }
        for runner in [reference] + others:
            for name, (content, status, message) in cases.items():
                open(os.path.join(work, name), "wb").write(content)
                proc = run(runner + ["--verify", name], work, check=False)
                said = proc.stdout + proc.stderr
                if proc.returncode != status or message not in said:
                    sys.exit(f"{name} through {shlex.join(runner)}: exit {proc.returncode}: {said[-300:]}")
            proc = run(runner + ["--verify", "missing.replay"], work, check=False)
            if proc.returncode != 2:
                sys.exit(f"a missing replay gave exit {proc.returncode}")
        print("refused: a changed key, a truncated file, other gameplay data, a missing file")
        daily_challenge(reference, others, work)
    finally:
        shutil.rmtree(work)


main()
