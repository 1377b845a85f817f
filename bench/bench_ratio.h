// Runs the registered benchmarks and prints "name / reference" ratios of their real times.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  std::map<std::string, double> RealNs;
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const auto& r : runs)
      if (!r.error_occurred && r.run_type == Run::RT_Iteration)
        RealNs[r.benchmark_name()] = r.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
};

// pairs: {measured, reference, target ratio}
struct RatioCheck {
  std::string Measured, Reference;
  double Target;
};

inline int RunWithRatios(int argc, char** argv, const std::vector<RatioCheck>& checks) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  bool allMet = true;
  for (const auto& c : checks) {
    auto m = reporter.RealNs.find(c.Measured), r = reporter.RealNs.find(c.Reference);
    if (m == reporter.RealNs.end() || r == reporter.RealNs.end()) continue;
    const double ratio = m->second / r->second;
    const bool met = ratio <= c.Target;
    allMet = allMet && met;
    std::printf("ratio %s / %s = %.3f (target <= %.2f) %s\n", c.Measured.c_str(),
                c.Reference.c_str(), ratio, c.Target, met ? "met" : "NOT MET");
  }
  return allMet ? 0 : 1;
}
