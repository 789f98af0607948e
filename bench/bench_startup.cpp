// Start-up of zantoria (startup_probe) against a minimal Qt dialog program (minimal_dialog):
// both run as whole processes, alternately, on the offscreen platform with a home folder of their
// own. Measured per run: the time from spawning until the first window has been shown and painted
// (the probe's clock line) and the time until the process has ended. Prints the medians and the
// ratio of the two programs; with several repetitions, also the median of their ratios.
// Usage: bench_startup [runs, default 40] [repetitions, default 1] [PROGRAM PROGRAM]
// Two programs given replace the pair, for instance to compare two builds of the probe.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

long long now()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

struct Run
{
    double shownMs = 0;
    double endedMs = 0;
};

std::vector<std::string> environment(const QString &home)
{
    std::vector<std::string> env;
    for (char **variable = environ; *variable; ++variable) {
        const std::string entry(*variable);
        const std::string name = entry.substr(0, entry.find('='));
        if (name == "HOME" || name.rfind("XDG_", 0) == 0 || name == "QT_QPA_PLATFORM"
            || name == "DISPLAY" || name == "WAYLAND_DISPLAY")
            continue;
        env.push_back(entry);
    }
    const std::string root = home.toStdString();
    env.push_back("HOME=" + root);
    env.push_back("XDG_CONFIG_HOME=" + root + "/.config");
    env.push_back("XDG_DATA_HOME=" + root + "/.local/share");
    env.push_back("XDG_CACHE_HOME=" + root + "/.cache");
    env.push_back("XDG_RUNTIME_DIR=" + root + "/runtime");
    env.push_back("QT_QPA_PLATFORM=offscreen");
    return env;
}

// The child's standard error goes to errorLog, shown when a run fails.
bool runOnce(const char *program, const std::vector<std::string> &env, const std::string &errorLog,
             Run &run)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errorLog.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<char *> envp;
    for (const std::string &entry : env)
        envp.push_back(const_cast<char *>(entry.c_str()));
    envp.push_back(nullptr);
    char *argv[] = {const_cast<char *>(program), nullptr};

    const long long start = now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        return false;
    }
    std::string output;
    char buffer[256];
    for (;;) {
        const ssize_t count = read(pipeFds[0], buffer, sizeof buffer);
        if (count > 0)
            output.append(buffer, std::size_t(count));
        else if (count == 0 || errno != EINTR)
            break;
    }
    close(pipeFds[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    const long long ended = now();
    const std::size_t at = output.find("shown ");
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || at == std::string::npos)
        return false;
    const long long shown = std::atoll(output.c_str() + at + 6);
    run.shownMs = double(shown - start) / 1e6;
    run.endedMs = double(ended - start) / 1e6;
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 40;
    const int repetitions = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1;
    QTemporaryDir home;
    if (!home.isValid() || !QDir(home.path()).mkpath(QStringLiteral("runtime"))) {
        std::fprintf(stderr, "bench_startup: no temporary home folder\n");
        return 2;
    }
    QFile::setPermissions(home.filePath(QStringLiteral("runtime")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const std::vector<std::string> env = environment(home.path());
    const std::string errorLog = home.filePath(QStringLiteral("stderr.log")).toStdString();
    const char *programs[] = {ZANT_MINIMAL_DIALOG, ZANT_STARTUP_PROBE};
    const char *names[] = {"minimal_dialog", "zantoria (startup_probe)"};
    if (argc > 4) {
        for (int which = 0; which < 2; ++which)
            programs[which] = names[which] = argv[3 + which];
    }

    std::vector<double> shownRatios;
    std::vector<double> endedRatios;
    for (int repetition = 0; repetition < repetitions; ++repetition) {
        std::vector<Run> results[2];
        // One run each first, unmeasured: the files are then in the page cache and zantoria has
        // the settings file it finds on every later start.
        for (int round = -1; round < runs; ++round) {
            for (int k = 0; k < 2; ++k) {
                const int which = (round & 1) ? 1 - k : k; // alternate the order
                Run run;
                if (!runOnce(programs[which], env, errorLog, run)) {
                    std::fprintf(stderr, "bench_startup: %s failed or showed no window\n",
                                 programs[which]);
                    QFile log(QString::fromStdString(errorLog));
                    if (log.open(QIODevice::ReadOnly))
                        std::fprintf(stderr, "%s", log.readAll().constData());
                    return 1;
                }
                if (round >= 0)
                    results[which].push_back(run);
            }
        }

        double shown[2];
        double ended[2];
        std::printf("%-26s %6s %18s %18s\n", "program", "runs", "shown, median ms",
                    "ended, median ms");
        for (int which = 0; which < 2; ++which) {
            std::vector<double> s;
            std::vector<double> e;
            for (const Run &run : results[which]) {
                s.push_back(run.shownMs);
                e.push_back(run.endedMs);
            }
            shown[which] = median(s);
            ended[which] = median(e);
            std::printf("%-26s %6d %18.1f %18.1f\n", names[which], runs, shown[which], ended[which]);
        }
        shownRatios.push_back(shown[1] / shown[0]);
        endedRatios.push_back(ended[1] / ended[0]);
        std::printf("ratio zantoria / minimal: shown %.2f, ended %.2f\n", shownRatios.back(),
                    endedRatios.back());
    }
    if (repetitions > 1) {
        const auto [lowest, highest] = std::minmax_element(shownRatios.begin(), shownRatios.end());
        std::printf("median of %d repetitions: shown %.2f (from %.2f to %.2f), ended %.2f\n",
                    repetitions, median(shownRatios), *lowest, *highest, median(endedRatios));
    }
    return 0;
}
