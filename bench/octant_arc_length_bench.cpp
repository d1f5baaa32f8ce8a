// Speed of octant_arc_length in nanoseconds per chord over the program's workload, its twenty
// counts (1,050,000 chords): the kernel that this processor gets against the plain
// transcription, and, on x86-64, each kernel that this processor can run, built alone at four
// code placements, against the square-root floors of its width (two vector square roots per
// chord and nothing else, and one, the ordinate's, for the kernels that estimate the chord's).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "octant_arc_length.hpp"
#include "octant_arc_length_kernels.hpp"
#include "plain_octant_arc_length.hpp"

#include "placed_kernels.inc"

namespace {

constexpr std::int32_t base_count = 5000;
constexpr std::int32_t runs = 20;
constexpr std::int64_t twenty_counts_chords = std::int64_t{base_count} * runs * (runs + 1) / 2;

struct placed_kernel {
  const char* width;
  int offset;
  double (*estimate)(std::int32_t);
  double (*floor)(std::int64_t);
  double (*one_root_floor)(std::int64_t);
};
const std::vector<placed_kernel> placed_kernels = {OCTANT_PI_PLACED_KERNELS};

// Whether this processor runs the kernels of WIDTH, as the estimator's own kernel of that width
// says.
bool runs_here(const std::string& width) {
  for (const octant_arc_length_kernel& kernel : octant_arc_length_kernels()) {
    if (kernel.name == width) {
      return kernel.runs_here();
    }
  }
  return false;
}

// The program's workload: one call per output line.
void twenty_counts(benchmark::State& state, double (*estimate)(std::int32_t)) {
  for (auto _ : state) {
    for (std::int32_t i = 1; i <= runs; ++i) {
      benchmark::DoNotOptimize(estimate(base_count * i));
    }
  }
  state.SetItemsProcessed(state.iterations() * twenty_counts_chords);
}

void square_roots(benchmark::State& state, double (*floor)(std::int64_t)) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(floor(twenty_counts_chords));
  }
  state.SetItemsProcessed(state.iterations() * twenty_counts_chords);
}

std::string placed_name(const placed_kernel& k) {
  return std::string("kernel/") + k.width + "@" + std::to_string(k.offset);
}

std::string floor_name(const placed_kernel& k, const char* roots = "") {
  return std::string("sqrt_floor") + roots + "/" + k.width + "@" + std::to_string(k.offset);
}

// Prints the usual table and keeps the median nanoseconds per chord of each benchmark.
class per_chord_reporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& report) override {
    ConsoleReporter::ReportRuns(report);
    for (const Run& run : report) {
      const auto rate = run.counters.find("items_per_second");
      if (!run.error_occurred && run.run_type == Run::RT_Aggregate &&
          run.aggregate_name == "median" && rate != run.counters.end()) {
        ns_per_chord_[run.run_name.function_name] = 1e9 / rate->second.value;
      }
    }
  }

  double ns(const std::string& name) const {
    const auto found = ns_per_chord_.find(name);
    return found == ns_per_chord_.end() ? std::nan("") : found->second;  // not run
  }

 private:
  std::map<std::string, double> ns_per_chord_;
};

void print_summary(const per_chord_reporter& r) {
  std::printf("\nns per chord, median of the repetitions, twenty counts:\n");
  std::printf("  octant_arc_length (%s kernel)  %7.3f\n", octant_arc_length_path(),
              r.ns("twenty_counts/octant_arc_length"));
  std::printf("  plain transcription             %7.3f\n",
              r.ns("twenty_counts/plain_transcription"));
  if (placed_kernels.empty()) {
    return;
  }
  std::printf(
      "\neach kernel / the square-root floors of its width, two roots a chord and one, each the"
      " fastest\nof its four placements, at code offsets 0 16 32 48:\n");
  for (const char* width : {"avx512f", "avx2", "sse2"}) {
    if (!runs_here(width)) {
      std::printf("  %-8s skipped: this processor does not run it\n", width);
      continue;
    }
    std::vector<placed_kernel> placed;
    std::copy_if(placed_kernels.begin(), placed_kernels.end(), std::back_inserter(placed),
                 [width](const placed_kernel& k) { return std::string(k.width) == width; });
    for (const char* roots : {"", "_one_root"}) {
      double floor = r.ns(floor_name(placed.front(), roots));
      for (const placed_kernel& k : placed) {
        floor = std::min(floor, r.ns(floor_name(k, roots)));
      }
      double worst = 0.0;
      std::printf("  %-8s %s floor %6.3f ns:", width, *roots != 0 ? "one-root" : "two-root", floor);
      for (const placed_kernel& k : placed) {
        const double ratio = r.ns(placed_name(k)) / floor;
        worst = std::max(worst, ratio);
        std::printf("  %5.3f", ratio);
      }
      std::printf("   worst %5.3f   (floor at each placement:", worst);
      for (const placed_kernel& k : placed) {
        std::printf(" %5.3f", r.ns(floor_name(k, roots)));
      }
      std::printf(" ns)\n");
    }
  }
}

void add(benchmark::internal::Benchmark* b) { b->Unit(benchmark::kMicrosecond); }

}  // namespace

int main(int argc, char** argv) {
  // Repeated and compared by medians, in random order, since the machine may be busy with other
  // work; a short minimum time per repetition keeps the whole run short. Flags given later, on
  // the command line, win: --benchmark_repetitions=2 --benchmark_min_time=0 for a quick look.
  char interleave[] = "--benchmark_enable_random_interleaving=true";
  char repetitions[] = "--benchmark_repetitions=15";
  char min_time[] = "--benchmark_min_time=0.1";
  char aggregates[] = "--benchmark_display_aggregates_only=true";
  std::vector<char*> args = {argv[0], interleave, repetitions, min_time, aggregates};
  std::copy(argv + 1, argv + argc, std::back_inserter(args));
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data())) {
    return 1;
  }
  add(benchmark::RegisterBenchmark("twenty_counts/octant_arc_length", twenty_counts,
                                   octant_arc_length));
  add(benchmark::RegisterBenchmark("twenty_counts/plain_transcription", twenty_counts,
                                   plain_octant_arc_length));
  for (const placed_kernel& k : placed_kernels) {
    if (!runs_here(k.width)) {
      continue;
    }
    add(benchmark::RegisterBenchmark(placed_name(k).c_str(), twenty_counts, k.estimate));
    add(benchmark::RegisterBenchmark(floor_name(k).c_str(), square_roots, k.floor));
    add(benchmark::RegisterBenchmark(floor_name(k, "_one_root").c_str(), square_roots,
                                     k.one_root_floor));
  }
  per_chord_reporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  print_summary(reporter);
  benchmark::Shutdown();
  return 0;
}
