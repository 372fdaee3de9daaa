// One recall on a 1 GiB learned-phrase file, against `wc -l` on the same file,
// with the peak memory the recall adds. Run: build/bench/bench_recall
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <benchmark/benchmark.h>

#include "LearnedPhraseFile.h"

namespace {

constexpr std::uintmax_t kFileSize = std::uintmax_t{1} << 30;

// Always draws the last line, the one farthest from the start.
class LastLine : public tolkar::RandomSource
{
  public:
    void Randomize() override {}
    std::int64_t Random(std::int64_t range) override { return range - 1; }
};

std::filesystem::path BenchFile()
{
    auto path = std::filesystem::temp_directory_path() / "tolkar-bench-1g.vrk";
    std::error_code error;
    if (std::filesystem::file_size(path, error) == kFileSize) {
        return path;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    std::string chunk;
    for (int i = 0; chunk.size() < (1u << 20); ++i) {
        chunk += "Phrase number " + std::to_string(i) + " of an ordinary conversation\r\n";
    }
    std::uintmax_t written = 0;
    while (written < kFileSize) {
        const auto n = std::min<std::uintmax_t>(chunk.size(), kFileSize - written);
        out.write(chunk.data(), static_cast<std::streamsize>(n));
        written += n;
    }
    return path;
}

long PeakRssKiB()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmHWM:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 12, '\n');
    }
    return value;
}

void ResetPeakRss()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

void WarmPageCache(const std::filesystem::path& path)
{
    const std::string command = "cat '" + path.string() + "' > /dev/null";
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "could not read %s\n", path.c_str());
    }
}

void BM_Recall(benchmark::State& state)
{
    const auto path = BenchFile();
    WarmPageCache(path);
    std::filesystem::current_path(path.parent_path());
    const tolkar::LearnedPhraseFile file(path.filename().string());
    LastLine random;
    std::string recalled;
    ResetPeakRss();
    const long before = PeakRssKiB();
    for (auto _ : state) {
        file.Recall(random, recalled);
        benchmark::DoNotOptimize(recalled);
    }
    state.counters["peak_added_KiB"] = static_cast<double>(PeakRssKiB() - before);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kFileSize));
}

void BM_WcLines(benchmark::State& state)
{
    const auto path = BenchFile();
    WarmPageCache(path);
    const std::string command = "wc -l '" + path.string() + "' > /dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("wc failed");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kFileSize));
}

} // namespace

BENCHMARK(BM_Recall)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_WcLines)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK_MAIN();
