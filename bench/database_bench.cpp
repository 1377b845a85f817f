// Loading and saving a full database against a plain read and a plain write+flush.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "bench/bench_ratio.h"
#include "store/card_database.h"

namespace {

QTemporaryDir* g_dir;
std::filesystem::path DbPath() { return std::filesystem::path(g_dir->path().toStdString()) / kDatabaseFileName; }

void WriteFullDatabase() {
  CardDatabase db;
  db.FilePath = DbPath();
  for (int s = 0; s < kCardSlots; ++s) {
    CardRecord& c = db.Card(s);
    std::snprintf(c.CardName, sizeof c.CardName, "K%d", s);
    std::snprintf(c.ObjectName, sizeof c.ObjectName, "Object %d", s);
    c.LastChange = 45000.5;
    for (int u = 0; u < kUooPerCard; ++u) {
      c.Uoo[u].Block.UooNumber = uint8_t(u + 1);
      c.Uoo[u].UooLastChange = 45001.25;
      std::snprintf(c.Uoo[u].UooObjectName, sizeof c.Uoo[u].UooObjectName, "UOO %d/%d", s, u);
    }
  }
  db.StampSlotCodes();
  db.SaveDatabase();
}

void BM_LoadDatabase(benchmark::State& state) {
  CardDatabase db;
  db.FilePath = DbPath();
  for (auto _ : state) benchmark::DoNotOptimize(db.LoadDatabase());
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kDatabaseFileSize));
}

void BM_PlainRead(benchmark::State& state) {
  std::vector<char> buf(kDatabaseFileSize);
  for (auto _ : state) {
    std::FILE* f = std::fopen(DbPath().c_str(), "rb");
    benchmark::DoNotOptimize(std::fread(buf.data(), 1, buf.size(), f));
    std::fclose(f);
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kDatabaseFileSize));
}

void BM_SaveDatabase(benchmark::State& state) {
  CardDatabase db;
  db.FilePath = DbPath();
  db.LoadDatabase();
  for (auto _ : state) benchmark::DoNotOptimize(db.SaveDatabase());
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kDatabaseFileSize));
}

void BM_PlainWriteFlush(benchmark::State& state) {
  std::vector<char> buf(kDatabaseFileSize, 'x');
  const auto path = DbPath().string() + ".plain";
  for (auto _ : state) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    benchmark::DoNotOptimize(::write(fd, buf.data(), buf.size()));
    ::fsync(fd);
    ::close(fd);
  }
  std::remove(path.c_str());
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kDatabaseFileSize));
}

BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadDatabase)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PlainWriteFlush)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
BENCHMARK(BM_SaveDatabase)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);

}  // namespace

int main(int argc, char** argv) {
  QTemporaryDir dir;
  g_dir = &dir;
  WriteFullDatabase();
  return RunWithRatios(argc, argv,
                       {{"BM_LoadDatabase/real_time", "BM_PlainRead/real_time", 1.5},
                        {"BM_SaveDatabase/min_time:1.000/real_time",
                         "BM_PlainWriteFlush/min_time:1.000/real_time", 1.5}});
}
