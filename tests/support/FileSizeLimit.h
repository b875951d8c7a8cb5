#pragma once

#include <QByteArray>
#include <QString>
#include <csignal>
#include <functional>
#include <optional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// Runs `save` in a child process that may not write files larger than `limitBytes`: past the limit a
// write fails with "File too large" (the signal the kernel would raise is ignored), as a write fails
// on a full disk. `save` returns its error text, empty when it reports success. The result is that
// text, or nothing when the child did not end normally.
inline std::optional<QString> saveWithFileSizeLimit(rlim_t limitBytes, const std::function<QString()>& save)
{
    int channel[2];
    if (pipe(channel) != 0)
        return std::nullopt;
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit {limitBytes, limitBytes};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            _exit(2);
        const QByteArray error = save().toUtf8();
        const bool sent = write(channel[1], error.constData(), size_t(error.size())) == error.size();
        _exit(sent ? 0 : 2);
    }
    close(channel[1]);
    QByteArray error;
    char buffer[512];
    for (ssize_t got; (got = read(channel[0], buffer, sizeof buffer)) > 0;)
        error.append(buffer, got);
    close(channel[0]);
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return QString::fromUtf8(error);
}
