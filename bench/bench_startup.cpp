// Start-up: from starting the game's process to the flush of its main window's first paint.
// Each run starts this program again as the game, which goes through the same start-up as the
// tallyrun program (Main) and writes a byte to a pipe once the first paint is flushed. Run it on
// a real display (QT_QPA_PLATFORM=xcb under xvfb-run), where the flush is followed by a round
// trip to the X server, and offscreen.
#include "flushwatch.h"
#include "gamestart.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr const char* kGameFlag = "--as-game";

// In the started game: the first flushed paint is written to `fd`, and the game ends there.
int runAsGame(char* program, int fd) {
    FlushWatch watch;
    watch.onFlush = [fd] {
        const char done = 'p';
        if (write(fd, &done, 1) != 1)
            std::_Exit(1);
        std::_Exit(0);
    };
    char* argv[] = {program, nullptr};
    return Main(1, argv, &watch);
}

std::string g_self;

void StartUp(benchmark::State& state) {
    // A settings store of its own, created by the first start as on a player's first run.
    QTemporaryDir settings;
    setenv("TALLYRUN_SETTINGS_DIR", settings.path().toLocal8Bit().constData(), 1);
    for (auto _ : state) {
        int pipeFds[2];
        if (pipe(pipeFds) != 0) {
            state.SkipWithError("no pipe");
            return;
        }
        const std::string fd = std::to_string(pipeFds[1]);
        char* argv[] = {g_self.data(), const_cast<char*>(kGameFlag), const_cast<char*>(fd.c_str()),
                        nullptr};
        const auto started = std::chrono::steady_clock::now();
        pid_t game = 0;
        const bool spawned =
            posix_spawn(&game, g_self.c_str(), nullptr, nullptr, argv, environ) == 0;
        close(pipeFds[1]);
        pollfd painted{pipeFds[0], POLLIN, 0};
        char byte = 0;
        const bool seen =
            spawned && poll(&painted, 1, 10000) == 1 && read(pipeFds[0], &byte, 1) == 1;
        const auto flushed = std::chrono::steady_clock::now();
        close(pipeFds[0]);
        if (spawned) {
            kill(game, SIGKILL);
            waitpid(game, nullptr, 0);
        }
        if (!seen) {
            state.SkipWithError("the game showed no window");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(flushed - started).count());
    }
}
// Other programs on the machine make single starts vary; the repetitions' median and minimum
// are the figures to read.
BENCHMARK(StartUp)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5)
    ->Repetitions(6)
    ->ReportAggregatesOnly(true)
    ->ComputeStatistics("min", [](const std::vector<double>& v) {
        return *std::min_element(v.begin(), v.end());
    });

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], kGameFlag) == 0)
        return runAsGame(argv[0], std::atoi(argv[2]));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    char self[4096] = {};
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    g_self = length > 0 ? std::string(self, static_cast<std::size_t>(length)) : argv[0];
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
