// Start-up with a full database up to the first shown main window, against a bare Qt window
// program started the same way.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
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

void RunOnce(benchmark::State& state, const std::string& program) {
  pid_t pid;
  char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, g_work->path().toLocal8Bit().constData());
  if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ) != 0) {
    state.SkipWithError("cannot start the probe");
    return;
  }
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("probe failed");
}

void BM_BareQtWindow(benchmark::State& state) {
  for (auto _ : state) RunOnce(state, g_binDir + "/bare_window_probe");
}

void BM_StartupFullDatabase(benchmark::State& state) {
  for (auto _ : state) RunOnce(state, g_binDir + "/startup_probe");
}

BENCHMARK(BM_BareQtWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_StartupFullDatabase)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

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
                       {{"BM_StartupFullDatabase/min_time:2.000/real_time",
                         "BM_BareQtWindow/min_time:2.000/real_time", 1.5}});
}
