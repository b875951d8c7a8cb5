#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// Runs a command and reports, as the last line of its error output, the command's peak resident memory
// and CPU time: "peak_kib N cpu_s S". A benchmark cannot take these of a process it starts itself: a
// child begins as a copy of its parent, and the kernel keeps that copy's size as the child's peak. Started
// from this small program, the command's peak is its own.
int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s COMMAND [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    const pid_t child = fork();
    if (child < 0) {
        std::fprintf(stderr, "fork: %s\n", std::strerror(errno));
        return 2;
    }
    if (child == 0) {
        execvp(argv[1], argv + 1);
        std::fprintf(stderr, "%s: %s\n", argv[1], std::strerror(errno));
        _exit(127);
    }
    int status = 0;
    rusage usage {};
    while (wait4(child, &status, 0, &usage) < 0) {
        if (errno != EINTR) {
            std::fprintf(stderr, "wait4: %s\n", std::strerror(errno));
            return 2;
        }
    }
    const double cpu = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    std::fprintf(stderr, "peak_kib %ld cpu_s %.3f\n", usage.ru_maxrss, cpu);
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    return 128 + WTERMSIG(status);
}
