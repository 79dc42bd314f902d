// The calculator's account list at the size of a whole trust's list: 100,000 accounts. Cutting
// it down to one member, loading it, and 10,000 TVPAN look-ups as the entry form makes them.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/TextMode.h"
#include "tallisk/member/AccountList.h"
#include "tallisk/member/MemberSearch.h"

namespace {

namespace fs = std::filesystem;

constexpr int kAccounts = 100000;
constexpr int kLookUps = 10000;
constexpr const char* kMember = "001200340056";

std::string Tvpan(int i) {
  char text[16];
  std::snprintf(text, sizeof text, "TV2003%05d", i);
  return text;
}

// One account in twenty belongs to the member; the rest to 400 other branches.
std::string MemberOf(int i) {
  if (i % 20 == 0) return kMember;
  char text[16];
  std::snprintf(text, sizeof text, "%04d%04d%04d", 1 + i % 40, i % 10, (i / 40) % 10);
  return text;
}

class ListFolder {
 public:
  ListFolder() {
    folder_ =
        fs::temp_directory_path() / ("tallisk-bench-" + std::to_string(std::random_device{}()));
    fs::create_directories(folder_);
    std::string list;
    for (int i = 0; i < kAccounts; ++i) {
      list += MemberOf(i) + "|" + Tvpan(i) + "|15/06/2003|Borrower " + std::to_string(i) +
              " Industries|500000|200000\n";
    }
    bytes_ = platform::ToTextMode(list);
    Restore();
  }
  ~ListFolder() {
    std::error_code ec;
    fs::remove_all(folder_, ec);
  }
  void Restore() const { platform::ReplaceFileAtomically(files().AccountList(), bytes_); }
  tallisk::ProgramFiles files() const { return tallisk::ProgramFiles{folder_}; }

 private:
  fs::path folder_;
  std::string bytes_;
};

const ListFolder& Folder() {
  static const ListFolder folder;
  return folder;
}

void BM_CutDownToTheMember(benchmark::State& state) {
  const ListFolder& folder = Folder();
  for (auto _ : state) {
    state.PauseTiming();
    folder.Restore();
    state.ResumeTiming();
    benchmark::DoNotOptimize(tallisk::CutDownAccountList(folder.files(), kMember));
  }
  folder.Restore();
  state.SetItemsProcessed(state.iterations() * kAccounts);
}

void BM_LoadTheWholeList(benchmark::State& state) {
  const ListFolder& folder = Folder();
  for (auto _ : state) {
    tallisk::AccountList list;
    benchmark::DoNotOptimize(list.Load(folder.files().AccountList()));
    benchmark::DoNotOptimize(list.size());
  }
  state.SetItemsProcessed(state.iterations() * kAccounts);
}

void BM_TenThousandTvpanLookUps(benchmark::State& state) {
  tallisk::AccountList list;
  list.Load(Folder().files().AccountList());
  // Hits in other letters' case and with blanks, and misses, as typed on the form.
  std::vector<std::string> typed;
  std::mt19937 random(7);
  for (int i = 0; i < kLookUps; ++i) {
    const int n = static_cast<int>(random() % (kAccounts + kAccounts / 10));
    std::string tvpan = Tvpan(n);
    if (i % 3 == 0) tvpan[1] = 'v';
    if (i % 5 == 0) tvpan = " " + tvpan + " ";
    typed.push_back(tvpan);
  }
  for (auto _ : state) {
    std::size_t found = 0;
    for (const std::string& tvpan : typed) {
      if (list.FindTvpan(tvpan)) ++found;
      found += list.TvpanOfBank("0012", tvpan) ? 1 : 0;
    }
    benchmark::DoNotOptimize(found);
  }
  state.SetItemsProcessed(state.iterations() * kLookUps);
}

BENCHMARK(BM_CutDownToTheMember)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadTheWholeList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TenThousandTvpanLookUps)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
