#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The command that starts a program (bin/NAME) and the program itself
(PROGRAMS_DIR/NAME): a SIGTERM or SIGINT that is pending when either starts,
as one sent while the loader maps the program's libraries, ends it with
status 0; the command passes its arguments on, argv[0] included; a command
that cannot find its program says so in one line and exits 1.

usage: launcher_test.py BIN_DIR PROGRAMS_DIR NAME
"""
import os
import shutil
import signal
import subprocess
import sys
import tempfile

failures = []


def check(what, ok, detail=''):
    if not ok:
        failures.append(f'{what}{": " + detail if detail else ""}')


def pending(sig):
    # Sent while blocked, the signal waits across execve for whoever unblocks it.
    def prepare():
        signal.pthread_sigmask(signal.SIG_BLOCK, {sig})
        os.kill(os.getpid(), sig)
    return prepare


def run(args, executable=None, preexec=None):
    # Without a display a program that missed the signal ends at once with
    # its start-up failure (status 1), never hangs.
    env = {k: v for k, v in os.environ.items() if k not in ('DISPLAY', 'WAYLAND_DISPLAY')}
    env.update(LESSON_MESSAGE_BOX_SECONDS='1', LANGUAGE='C', LC_ALL='C.UTF-8')
    return subprocess.run(args, executable=executable, env=env, capture_output=True, text=True,
                          preexec_fn=preexec, timeout=120)


def main():
    bin_dir, programs_dir, name = sys.argv[1:4]
    command = os.path.join(bin_dir, name)
    program = os.path.join(programs_dir, name)

    for path in (command, program):
        for sig in (signal.SIGTERM, signal.SIGINT):
            r = run([path], preexec=pending(sig))
            check(f'{path} with {sig.name} pending ended with {r.returncode}', r.returncode == 0, r.stderr.strip())

    r = run(['ichiji-other', '--help'], executable=command)
    check('argv[0] reaches the program', r.returncode == 0 and 'ichiji-other' in r.stdout, r.stdout + r.stderr)
    r = run([command, '--no-such-option'])
    check('the program\'s arguments reach it', r.returncode == 2 and 'no-such-option' in r.stderr, r.stderr)

    with tempfile.TemporaryDirectory() as work:
        alone = os.path.join(work, 'bin', name)
        os.mkdir(os.path.dirname(alone))
        shutil.copy2(command, alone)
        r = run([alone])
        relative = os.path.relpath(programs_dir, bin_dir)
        expected = f'{name}: cannot start {os.path.join(work, "bin", relative, name)}: No such file or directory\n'
        check('a command without its program', r.returncode == 1 and r.stderr == expected,
              f'status {r.returncode}, said {r.stderr!r}, not {expected!r}')

    for f in failures:
        print('FAIL:', f)
    if failures:
        sys.exit(1)
    print('PASS')


main()
