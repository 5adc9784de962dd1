// SPDX-License-Identifier: GPL-3.0-or-later
// The command a program is started by. The program proper loads some sixty
// libraries before any code of its own runs; a SIGTERM or SIGINT in that
// time would end it with the signal's status. This command loads libc alone,
// holds the two signals blocked (a blocked signal stays pending across
// execve) and becomes the program, which unblocks them once its handler is
// in place. Same process, same arguments: argv[0] and the command name stay.
#include <errno.h>
#include <limits.h>
#include <signal.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

#ifndef LESSON_PROGRAMS_FROM_COMMANDS
#error "LESSON_PROGRAMS_FROM_COMMANDS names the programs' folder relative to the commands'"
#endif

namespace {

int cannotStart(const char* command, const char* path, int error) {
    fprintf(stderr, "%s: cannot start %s: %s\n", command, path, strerror(error));
    return 1;
}

}  // namespace

int main(int, char** argv) {
    sigset_t ending;
    sigemptyset(&ending);
    sigaddset(&ending, SIGTERM);
    sigaddset(&ending, SIGINT);
    sigprocmask(SIG_BLOCK, &ending, nullptr);

    // The program is found from this file itself, not from argv[0], which
    // a shell's PATH search or a symbolic link leaves elsewhere.
    char self[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) return cannotStart("launcher", "/proc/self/exe", errno);
    self[length] = '\0';
    char* slash = strrchr(self, '/');
    if (!slash) return cannotStart("launcher", self, ENOENT);
    *slash = '\0';
    const char* name = slash + 1;
    char program[PATH_MAX];
    const int written =
        snprintf(program, sizeof program, "%s/%s/%s", self, LESSON_PROGRAMS_FROM_COMMANDS, name);
    if (written < 0 || static_cast<size_t>(written) >= sizeof program)
        return cannotStart(name, LESSON_PROGRAMS_FROM_COMMANDS, ENAMETOOLONG);
    execv(program, argv);
    return cannotStart(name, program, errno);
}
