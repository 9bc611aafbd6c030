// Starts the program's start-up probe and the minimal window alternately,
// N times each, under the same display, and reports median wall time and
// peak memory of both and their ratios.
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Run {
    double seconds;
    long peakKiB;
};

Run runOnce(const std::string& program)
{
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0) {
        std::perror(program.c_str());
        std::exit(2);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not end cleanly\n", program.c_str());
        std::exit(2);
    }
    return {seconds, usage.ru_maxrss};
}

template <class T>
T median(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PROGRAM_PROBE MINIMAL_WINDOW [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 20;
    runOnce(argv[1]);  // warm the file cache for both
    runOnce(argv[2]);
    std::vector<double> programTimes, minimalTimes;
    std::vector<long> programPeaks, minimalPeaks;
    for (int i = 0; i < runs; ++i) {
        const Run p = runOnce(argv[1]);
        const Run m = runOnce(argv[2]);
        programTimes.push_back(p.seconds);
        programPeaks.push_back(p.peakKiB);
        minimalTimes.push_back(m.seconds);
        minimalPeaks.push_back(m.peakKiB);
    }
    const double pt = median(programTimes), mt = median(minimalTimes);
    const long pm = median(programPeaks), mm = median(minimalPeaks);
    std::printf("start-up to the first window painted, %d alternate runs each:\n", runs);
    std::printf("  program          median %7.1f ms   peak memory %7ld KiB\n", pt * 1000, pm);
    std::printf("  minimal window   median %7.1f ms   peak memory %7ld KiB\n", mt * 1000, mm);
    std::printf("  ratio            time %.3f (target <= 1.10)   memory %.3f (target <= 1.10)\n", pt / mt,
                double(pm) / double(mm));
    return 0;
}
