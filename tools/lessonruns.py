# SPDX-License-Identifier: GPL-3.0-or-later
"""Headless runs of the programs through replay, shared by tools/soak and tools/trace-digest.

The keys come from what the lessons themselves take: numbers typed at the status line and
entered (chapter, item, a new problem or the way out), and any key at a step wait.
"""
import collections
import os
import random
import subprocess
import tempfile
from concurrent.futures import ThreadPoolExecutor

# The main menu's exit item per program: a soak that chose it would end early.
EXITS = {'kestrel': 9, 'plover': 8, 'tern': 6, 'grebe': 7}

# Sanitizer reports on stderr; a run that prints one is a fault even if it ends 0.
SANITIZER_MARKS = ('ERROR: AddressSanitizer', 'ERROR: LeakSanitizer', 'runtime error:', 'SUMMARY: ')


def random_keys(program, seed, count):
    """count key tokens for one run, the same for the same program and seed."""
    rnd = random.Random(f'{program}/{seed}')
    menu = [str(n) for n in range(1, EXITS[program])]
    chars = menu * 2 + list('1234567890') + ['/', '.', '-']
    waits = ['Space'] * 6 + ['a', 'k', 'x', 'Q', 'Enter', 'Backspace', 'Delete']
    out = []
    while len(out) < count:
        if rnd.random() < 0.5:
            entry = ''.join(rnd.choice(chars) for _ in range(rnd.choice((1, 1, 1, 2, 2, 3, 4))))
            if entry.strip('0') == str(EXITS[program]) or entry.endswith(str(EXITS[program])):
                continue  # leaving the program by choice ends the run early
            out += list(entry) + ['Enter']
        else:
            out += [rnd.choice(waits) for _ in range(rnd.randint(1, 8))]
    return out[:count]


def topic_keys(program):
    """(name, keys) walking every chapter and item number 1 to 9 to its end and out again."""
    steps = ['Space'] * 80
    for ch in range(1, EXITS[program]):
        for it in range(1, 10):
            # random topics ask for a number: a new problem twice, then 1 to leave
            keys = [str(ch), 'Enter', str(it), 'Enter'] + steps + ['2', 'Enter'] + steps + ['Enter'] + steps
            keys += ['1', 'Enter'] + steps
            yield f'chapter{ch}-item{it}', keys


class Outcome:
    def __init__(self, status, trace, stderr):
        self.status = status  # the exit status, or 'hang'
        self.trace = trace    # the trace file's bytes
        self.stderr = stderr

    def lines(self):
        return self.trace.decode('utf-8', 'replace').splitlines()

    def keys_taken(self):
        return sum(1 for l in self.lines() if l.startswith('key '))

    def fault(self):
        """What went wrong, or None."""
        if self.status == 'hang':
            return 'hung'
        report = next((l.strip() for l in self.stderr.splitlines() if any(m in l for m in SANITIZER_MARKS)), None)
        if report:
            return f'sanitizer: {report}'
        errors = [l for l in self.lines() if l.startswith('error ')]
        if errors:
            return errors[0]
        if self.status != 0:
            return f'exit {self.status}' if self.status > 0 else f'signal {-self.status}'
        return None


def run(replay, program, seed, keys, timeout):
    with tempfile.TemporaryDirectory() as tmp:
        kf, tr = os.path.join(tmp, 'keys'), os.path.join(tmp, 'trace')
        with open(kf, 'w') as f:
            f.write(' '.join(keys))
        try:
            p = subprocess.run([replay, program, '--seed', str(seed), '--keys-file', kf, '--trace', tr],
                               capture_output=True, timeout=timeout)
            status, stderr = p.returncode, p.stderr.decode('utf-8', 'replace')
        except subprocess.TimeoutExpired:
            status, stderr = 'hang', ''
        data = open(tr, 'rb').read() if os.path.exists(tr) else b''
        return Outcome(status, data, stderr)


def run_all(replay, jobs, timeout, runs):
    """runs: (key, program, seed, keys) tuples; yields (key, program, seed, keys, Outcome) in order."""
    # A bounded window of runs in flight: traces are large, and holding every finished
    # one until its turn to be yielded took gigabytes for a few hundred runs.
    window = collections.deque()
    pending = iter(runs)
    with ThreadPoolExecutor(max_workers=jobs) as pool:
        while True:
            while len(window) < 2 * jobs:
                r = next(pending, None)
                if r is None:
                    break
                window.append((r, pool.submit(run, replay, r[1], r[2], r[3], timeout)))
            if not window:
                return
            r, f = window.popleft()
            yield (*r, f.result())


def check_replay(replay):
    if not os.access(replay, os.X_OK):
        raise SystemExit(f'no runner at {replay}: build first')
