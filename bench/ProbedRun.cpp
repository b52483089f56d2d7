#include "ProbedRun.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

long long MonotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

std::vector<std::string> ChildEnvironment(const std::string& report, int lingerMs) {
    std::vector<std::string> env;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string var = *entry;
        if (var.rfind("LD_PRELOAD=", 0) != 0 && var.rfind("QT_QPA_PLATFORM=", 0) != 0) {
            env.push_back(var);
        }
    }
    env.push_back("QT_QPA_PLATFORM=offscreen");
    env.push_back(std::string("LD_PRELOAD=") + TESVAN_FIRST_PAINT_PROBE);
    env.push_back("TESVAN_PROBE_REPORT=" + report);
    env.push_back("TESVAN_PROBE_LINGER_MS=" + std::to_string(lingerMs));
    return env;
}

} // namespace

std::optional<ProbedRun> RunProbed(int lingerMs, std::string& error) {
    char reportPath[] = "/tmp/tesvan-probe-XXXXXX";
    const int reportFd = mkstemp(reportPath);
    if (reportFd < 0) {
        error = "cannot make the probe's report file";
        return std::nullopt;
    }
    close(reportFd);
    const std::vector<std::string> env = ChildEnvironment(reportPath, lingerMs);
    std::vector<char*> envp;
    for (const std::string& var : env) {
        envp.push_back(const_cast<char*>(var.c_str()));
    }
    envp.push_back(nullptr);
    std::string program = TESVAN_PROGRAM;
    char* argv[] = {program.data(), nullptr};

    // The program's own output (platform notes) would only clutter the report.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    const long long spawned = MonotonicNanoseconds();
    pid_t child = 0;
    const int spawnError = posix_spawn(&child, argv[0], &quiet, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&quiet);
    if (spawnError != 0) {
        std::remove(reportPath);
        error = "cannot start " + program;
        return std::nullopt;
    }
    int status = 0;
    waitpid(child, &status, 0);

    long long firstPaint = 0;
    long long peakKilobytes = -1;
    std::ifstream(reportPath) >> firstPaint >> peakKilobytes;
    std::remove(reportPath);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || firstPaint <= 0 || peakKilobytes < 0) {
        error = program + " ended without painting its canvas (exit status " +
                std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : -1) + ")";
        return std::nullopt;
    }
    return ProbedRun{static_cast<double>(firstPaint - spawned) * 1e-9,
                     static_cast<double>(peakKilobytes) / 1024.0};
}
