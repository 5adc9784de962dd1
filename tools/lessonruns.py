# SPDX-License-Identifier: GPL-3.0-or-later
"""Headless runs of the programs through replay, shared by tools/soak and tools/trace-digest.

The keys come from what the lessons themselves take: numbers typed at the status line and
entered (chapter, item, a new problem or the way out), and any key at a step wait. The
digests' random sessions (random_keys) never type the main menu's exit number and stay as they
are, so that digests taken before stay comparable; the soak's walks (walk) type it too, and so
leave every chapter, and visit every topic.
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


def walk_keys(rnd, program, count):
    """count key tokens of a pupil's wandering: numbers typed and entered, among them the main
    menu's exit number, which leaves a chapter's sub-menu where it is that menu's last item (and
    the program at the main menu), and any key at a step wait."""
    exit_number = str(EXITS[program])
    menu = [str(n) for n in range(1, 10)]
    chars = menu * 2 + list('1234567890') + ['/', '.', '-']
    waits = ['Space'] * 6 + ['a', 'k', 'x', 'Q', 'Enter', 'Backspace', 'Delete']
    out = []
    while len(out) < count:
        r = rnd.random()
        if r < 0.03:
            out += [exit_number, 'Enter']
        elif r < 0.5:
            entry = ''.join(rnd.choice(chars) for _ in range(rnd.choice((1, 1, 1, 2, 2, 3, 4))))
            out += list(entry) + ['Enter']
        else:
            out += [rnd.choice(waits) for _ in range(rnd.randint(1, 8))]
    return out[:count]


# Keys a walk gives each topic it enters from the main menu, at the least.
TOPIC_VISIT_KEYS = 40


def walk(program, seed, count, chapters):
    """A soak run of count keys as segments, each a run of its own from the main menu: first one
    for every topic, in an order of the seed's, entering it (chapter and item) and wandering on
    from there; then one long wander over the keys left. chapters: {chapter: topics} as the main
    menu offers them; without it (or keys too few to visit each topic), one long wander.
    Returns [(where, keys)], where the topic visited ('C.I') or 'wander'."""
    rnd = random.Random(f'walk/{program}/{seed}')
    topics = [(c, i) for c, n in sorted(chapters.items()) for i in range(1, n + 1)]
    if not topics or count < TOPIC_VISIT_KEYS * len(topics):
        return [('wander', walk_keys(rnd, program, count))]
    rnd.shuffle(topics)
    visit = max(TOPIC_VISIT_KEYS, count // (2 * len(topics)))
    segments = [(f'{c}.{i}', [str(c), 'Enter', str(i), 'Enter'] + walk_keys(rnd, program, visit - 4))
                for c, i in topics]
    segments.append(('wander', walk_keys(rnd, program, count - visit * len(topics))))
    return segments


def read_topics(path):
    """The lines of a --topics file: ('chapter', C, N) and ('topic', C, I)."""
    if not os.path.exists(path):
        return []
    out = []
    for line in open(path, encoding='utf-8', errors='replace'):
        f = line.split()
        if len(f) == 3 and f[0] in ('chapter', 'topic') and f[1].isdigit() and f[2].isdigit():
            out.append((f[0], int(f[1]), int(f[2])))
    return out


def chapters(replay, program, timeout=120):
    """{chapter: topics} as the program's main menu offers them; {} from a runner that does not say."""
    with tempfile.TemporaryDirectory() as tmp:
        tf = os.path.join(tmp, 'topics')
        try:
            subprocess.run([replay, program, '--topics', tf], capture_output=True, timeout=timeout)
        except subprocess.TimeoutExpired:
            return {}
        return {c: n for kind, c, n in read_topics(tf) if kind == 'chapter'}


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
    def __init__(self, status, trace, stderr, topics=()):
        self.status = status  # the exit status, or 'hang'
        self.trace = trace    # the trace file's bytes
        self.stderr = stderr
        self.topics = set(topics)  # (chapter, item) of each topic begun, when asked for

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


def run(replay, program, seed, keys, timeout, topics=False):
    with tempfile.TemporaryDirectory() as tmp:
        kf, tr, tf = os.path.join(tmp, 'keys'), os.path.join(tmp, 'trace'), os.path.join(tmp, 'topics')
        with open(kf, 'w') as f:
            f.write(' '.join(keys))
        command = [replay, program, '--seed', str(seed), '--keys-file', kf, '--trace', tr]
        if topics:
            command += ['--topics', tf]
        try:
            p = subprocess.run(command, capture_output=True, timeout=timeout)
            status, stderr = p.returncode, p.stderr.decode('utf-8', 'replace')
        except subprocess.TimeoutExpired:
            status, stderr = 'hang', ''
        data = open(tr, 'rb').read() if os.path.exists(tr) else b''
        begun = [(c, i) for kind, c, i in read_topics(tf) if kind == 'topic'] if topics else []
        return Outcome(status, data, stderr, begun)


def run_on(replay, program, seed, keys, timeout):
    """A run that goes on after the pupil leaves the program by its exit item: the keys left start
    it again, until they run out or something goes wrong; one Outcome for all, with the topics."""
    trace, stderr, topics = b'', '', set()
    while True:
        o = run(replay, program, seed, keys, timeout, topics=True)
        trace, stderr, topics = trace + o.trace, stderr + o.stderr, topics | o.topics
        taken = o.keys_taken()
        left_by_exit = o.status == 0 and o.lines()[-1:] == ['end']
        if not left_by_exit or o.fault() or taken == 0 or taken >= len(keys):
            return Outcome(o.status, trace, stderr, topics)
        keys = keys[taken:]


def run_all(replay, jobs, timeout, runs, topics=False):
    """runs: (key, program, seed, keys) tuples; yields (key, program, seed, keys, Outcome) in order.
    topics: each Outcome says which topics its run began, and a run the pupil ends by the main
    menu's exit item goes on with the keys left (run_on)."""
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
                job = (run_on, replay, r[1], r[2], r[3], timeout) if topics else (run, replay, r[1], r[2], r[3], timeout)
                window.append((r, pool.submit(*job)))
            if not window:
                return
            r, f = window.popleft()
            yield (*r, f.result())


def check_replay(replay):
    if not os.access(replay, os.X_OK):
        raise SystemExit(f'no runner at {replay}: build first')
