// A full programming and a full read against the simulated KO on the real clock: elapsed time
// and the CPU time the job thread spends while it mostly waits.
#include <benchmark/benchmark.h>
#include <time.h>

#include <cstdio>
#include <thread>

#include "link/cable_link.h"
#include "link/ko_exchange.h"
#include "link/protocol.h"
#include "sim/ko_model.h"
#include "sim/sim_driver.h"

namespace {

double ThreadCpuSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

KoConfigImage Image() {
  KoConfigImage image{};
  auto* b = reinterpret_cast<uint8_t*>(&image);
  for (int i = 0; i < 246; ++i) b[i] = uint8_t(i * 7);
  const uint16_t crc = Crc16(b, 246);
  b[246] = uint8_t(crc), b[247] = uint8_t(crc >> 8);
  return image;
}

template <typename Job>
void RunJob(benchmark::State& state, KoBehaviour behaviour, Job job) {
  double cpu = 0, wall = 0;
  for (auto _ : state) {
    RealClock clock;
    KoModel ko(behaviour);
    SimDriver driver(clock, &ko, 1);
    JobState result;
    double threadCpu = 0;
    const uint64_t start = clock.NowUs();
    std::thread worker([&] {
      const double c0 = ThreadCpuSeconds();
      CableLink link(driver);
      std::string failure;
      if (link.OpenCable(kKoProgrammingOpenTexts, failure)) {
        ExchangeContext ctx{link, clock, result, kKoProgrammingPhaseTexts};
        job(ctx);
      }
      threadCpu = ThreadCpuSeconds() - c0;
    });
    worker.join();
    const double elapsed = double(clock.NowUs() - start) * 1e-6;
    if (!result.JobSucceeded) state.SkipWithError("the exchange did not succeed");
    state.SetIterationTime(elapsed);
    cpu += threadCpu;
    wall += elapsed;
  }
  state.counters["job_thread_cpu_percent"] = 100.0 * cpu / wall;
  state.counters["job_thread_cpu_ms"] = 1000.0 * cpu / double(state.iterations());
}

void BM_FullProgramming(benchmark::State& state) {
  const KoConfigImage image = Image();
  RunJob(state, KoBehaviour{}, [&](ExchangeContext& ctx) { ProgrammingExchange(ctx, image); });
}

void BM_FullRead(benchmark::State& state) {
  KoBehaviour b;
  b.Image = Image();
  RunJob(state, b, [](ExchangeContext& ctx) {
    KoConfigImage got{};
    ReadingExchange(ctx, got);
  });
}

BENCHMARK(BM_FullProgramming)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FullRead)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
