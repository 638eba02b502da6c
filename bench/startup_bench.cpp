// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up to the first painted window, as a whole process, for the game and
// for its title window written by hand in plain Qt: the ratio shows what the
// game adds to Qt's own cost.
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char **environ; // NOLINT: POSIX

namespace {

std::string gamePath;
std::string barePath;

void runProbe(benchmark::State &st, std::string &path, const char *language = nullptr) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    std::vector<long> peaks;
    for (auto _ : st) {
        pid_t pid = 0;
        std::string lang = language != nullptr ? language : "";
        char *argv[] = {path.data(), language != nullptr ? lang.data() : nullptr, nullptr};
        if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, environ) != 0) {
            st.SkipWithError("cannot start the probe");
            return;
        }
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        peaks.push_back(usage.ru_maxrss);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            st.SkipWithError("the probe failed");
            return;
        }
    }
    // Peak resident memory of one start-up, the median over the runs.
    std::sort(peaks.begin(), peaks.end());
    st.counters["peak_rss_KiB"] = static_cast<double>(peaks[peaks.size() / 2]);
}

void BM_StartupGame(benchmark::State &st) { runProbe(st, gamePath); }
void BM_StartupGameEnglish(benchmark::State &st) { runProbe(st, gamePath, "en"); }
void BM_StartupHandWritten(benchmark::State &st) { runProbe(st, barePath); }
BENCHMARK(BM_StartupGame)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_StartupGameEnglish)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_StartupHandWritten)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv) {
    gamePath = GAME_PROBE_PATH;
    barePath = BARE_PROBE_PATH;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
