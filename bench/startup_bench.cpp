// Start-up with a full database up to the first shown main window, against a bare Qt window
// program started the same way.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <climits>
#include <cstdlib>
#include <string>

#include "bench/bench_ratio.h"
#include "tests/support/sample_cards.h"

extern char** environ;

namespace {

std::string g_binDir;
QTemporaryDir* g_work;

long long MonotonicNs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<long long>(ts.tv_sec) * 1'000'000'000LL + ts.tv_nsec;
}

// Starts the probe in the database's folder and times it from the start of the process to its
// first shown window; the probe's own end is not timed.
void RunOnce(benchmark::State& state, const std::string& program) {
  int out[2];
  if (pipe(out) != 0) return state.SkipWithError("no pipe");
  pid_t pid;
  char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, g_work->path().toLocal8Bit().constData());
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  const long long started = MonotonicNs();
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (spawned != 0) {
    close(out[0]);
    return state.SkipWithError("cannot start the probe");
  }
  char text[64] = {};
  std::size_t got = 0;
  for (ssize_t n; got < sizeof text - 1 && (n = read(out[0], text + got, sizeof text - 1 - got)) > 0;)
    got += std::size_t(n);
  close(out[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  const long long shown = std::atoll(text);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || shown <= started)
    return state.SkipWithError("probe failed");
  state.SetIterationTime(double(shown - started) * 1e-9);
}

void BM_BareQtWindow(benchmark::State& state) {
  for (auto _ : state) RunOnce(state, g_binDir + "/bare_window_probe");
}

void BM_StartupFullDatabase(benchmark::State& state) {
  for (auto _ : state) RunOnce(state, g_binDir + "/startup_probe");
}

BENCHMARK(BM_BareQtWindow)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(2.0);
BENCHMARK(BM_StartupFullDatabase)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  char resolved[4096];
  const std::string self = realpath(argv[0], resolved) ? resolved : argv[0];
  g_binDir = self.substr(0, self.find_last_of('/'));
  QTemporaryDir work;
  g_work = &work;
  {
    CardDatabase db;
    db.FilePath = work.filePath(kDatabaseFileName).toStdString();
    MakeSampleDatabase(db, kCardSlots, kUooPerCard);
    db.SaveDatabase();
  }
  return RunWithRatios(argc, argv,
                       {{"BM_StartupFullDatabase/min_time:2.000/manual_time",
                         "BM_BareQtWindow/min_time:2.000/manual_time", 1.5}});
}
