// Speed of octant_arc_length per chord: at each of the program's twenty counts, and for all
// twenty together against the plain transcription and against one dependent addition per chord.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "dependent_additions.hpp"
#include "octant_arc_length.hpp"
#include "plain_octant_arc_length.hpp"

namespace {

constexpr std::int32_t base_count = 5000;
constexpr std::int32_t runs = 20;
constexpr std::int64_t twenty_counts_chords = std::int64_t{base_count} * runs * (runs + 1) / 2;

void one_count(benchmark::State& state) {
  const auto n = static_cast<std::int32_t>(state.range(0));
  for (auto _ : state) {
    benchmark::DoNotOptimize(octant_arc_length(n));
  }
  state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(one_count)
    ->Name("octant_arc_length")
    ->DenseRange(base_count, base_count* runs, base_count);

// The program's whole workload: one call per output line.
void twenty_counts(benchmark::State& state, double (*chord_sum)(std::int32_t)) {
  for (auto _ : state) {
    for (std::int32_t i = 1; i <= runs; ++i) {
      benchmark::DoNotOptimize(chord_sum(base_count * i));
    }
  }
  state.SetItemsProcessed(state.iterations() * twenty_counts_chords);
}
// Repeated, and compared by their medians, since the machine may be busy with other work.
BENCHMARK_CAPTURE(twenty_counts, octant_arc_length, octant_arc_length)
    ->Repetitions(5)
    ->DisplayAggregatesOnly();
BENCHMARK_CAPTURE(twenty_counts, plain_transcription, plain_octant_arc_length)
    ->Repetitions(5)
    ->DisplayAggregatesOnly();
BENCHMARK_CAPTURE(twenty_counts, dependent_additions, dependent_additions)
    ->Repetitions(5)
    ->DisplayAggregatesOnly();

// Prints the usual table, and remembers the nanoseconds per chord of each benchmark: the
// median where there are repetitions, else the one run.
class per_chord_reporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& report) override {
    ConsoleReporter::ReportRuns(report);
    for (const Run& run : report) {
      const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      const auto rate = run.counters.find("items_per_second");
      if (run.error_occurred || !(single || median) || rate == run.counters.end()) {
        continue;
      }
      std::string name = run.run_name.function_name;
      if (!run.run_name.args.empty()) {
        name += "/" + run.run_name.args;
      }
      names_.push_back(name);
      ns_per_chord_[name] = 1e9 / rate->second.value;
    }
  }

  void print_summary() const {
    if (names_.empty()) {
      return;
    }
    std::printf("\nns per chord (median where repeated):\n");
    for (const std::string& name : names_) {
      std::printf("  %-40s %7.3f\n", name.c_str(), ns_per_chord_.at(name));
    }
    const auto fast = ns_per_chord_.find("twenty_counts/octant_arc_length");
    const auto plain = ns_per_chord_.find("twenty_counts/plain_transcription");
    const auto floor = ns_per_chord_.find("twenty_counts/dependent_additions");
    if (fast == ns_per_chord_.end() || plain == ns_per_chord_.end() ||
        floor == ns_per_chord_.end()) {
      return;
    }
    std::printf(
        "\ntwenty counts, octant_arc_length / dependent additions: %.2f (aim: at most 2.0)\n",
        fast->second / floor->second);
    std::printf(
        "twenty counts, plain transcription / octant_arc_length: %.2f (aim: at least 3.0)\n",
        plain->second / fast->second);
  }

 private:
  std::vector<std::string> names_;
  std::map<std::string, double> ns_per_chord_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  per_chord_reporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.print_summary();
  benchmark::Shutdown();
  return 0;
}
