// The scrambler against a plain copy with cat, on a 50 MB file of record-like text.
// Goal: the scrambler runs at least half as fast as cat.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "mirsaclient/shell/FileScrambler.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kFileSize = 50u * 1024u * 1024u;

const fs::path& Source() {
  static const fs::path source = [] {
    fs::path p = fs::temp_directory_path() / "scrambler-bench-source.txt";
    std::ofstream out(p, std::ios::binary);
    const std::string line =
        "MAKER1|BR/2004/0001|M/S SHREE INDUSTRIES|12 MIDC ROAD|PUNE|411001|MAHARASHTRA|PUNE|TC|"
        "500000|15/06/2003|12.5|400000|\r\n";
    for (std::size_t written = 0; written < kFileSize; written += line.size()) out << line;
    return p;
  }();
  return source;
}

void BM_FileScrambler(benchmark::State& state) {
  const fs::path target = fs::temp_directory_path() / "scrambler-bench-target";
  for (auto _ : state) benchmark::DoNotOptimize(mirsa::FileScrambler(Source(), target));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * fs::file_size(Source())));
  fs::remove(target);
}

void BM_Cat(benchmark::State& state) {
  const fs::path target = fs::temp_directory_path() / "scrambler-bench-cat";
  const std::string command = "cat '" + Source().string() + "' > '" + target.string() + "'";
  for (auto _ : state) benchmark::DoNotOptimize(std::system(command.c_str()));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * fs::file_size(Source())));
  fs::remove(target);
}

BENCHMARK(BM_FileScrambler)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_Cat)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
