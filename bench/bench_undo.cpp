// Taking back and making again one large action on a 1,000,000-record
// drawing (every tenth record marked deleted: 100,000 steps), and writing
// that action to the recovery copy.

#include <benchmark/benchmark.h>

#include "million_file.h"

#include "drawing/change_journal.h"
#include "drawing/recovery_copy.h"
#include "drawing/recovery_journal.h"

namespace {

constexpr long kRecords = plv::bench::kMillion;

struct Drawing {
  Drawing() {
    for (long n = 1; n <= kRecords; ++n) store.append(plv::Record("LI" + std::to_string(n)));
    store.watch(&journal);
  }
  void mark_every_tenth() {
    for (long n = 1; n <= kRecords; n += 10) {
      plv::Record r = store.read(n);
      r.put_text({1, 2}, "DE");
      store.write(n, r);
    }
    journal.end_action();
  }
  plv::RecordStore store;
  plv::ChangeJournal journal;
};

void BM_UndoAndRedoOfAHundredThousandSteps(benchmark::State& state) {
  Drawing d;
  d.mark_every_tenth();
  for (auto _ : state) {
    if (!d.journal.undo(d.store) || !d.journal.redo(d.store)) state.SkipWithError("nothing to undo");
  }
  state.counters["steps_per_s"] = benchmark::Counter(2.0 * kRecords / 10 * state.iterations(), benchmark::Counter::kIsRate);
}

void BM_RecoveryCopyOfAHundredThousandSteps(benchmark::State& state) {
  const std::string file = plv::bench::run_folder().file("copy.journal");
  for (auto _ : state) {
    state.PauseTiming();
    Drawing d;
    plv::RecoveryCopy copy(d.journal);
    copy.start(file, plv::recovery::Head{"/bench/d.plv", {}, {}, 0, 0, 0});
    state.ResumeTiming();
    d.mark_every_tenth();
    copy.flush();
    state.PauseTiming();
    copy.stop();
    state.ResumeTiming();
  }
  state.counters["steps_per_s"] = benchmark::Counter(1.0 * kRecords / 10 * state.iterations(), benchmark::Counter::kIsRate);
}

// Reading that copy back on a fresh drawing and making its action again.
void BM_RecoveryOfAHundredThousandSteps(benchmark::State& state) {
  const std::string file = plv::bench::run_folder().file("recovered.journal");
  {
    Drawing d;
    plv::RecoveryCopy copy(d.journal);
    copy.start(file, plv::recovery::head_as_read("/bench/d.plv", {}, d.store));
    d.mark_every_tenth();
    copy.flush();
  }
  for (auto _ : state) {
    state.PauseTiming();
    Drawing d;
    d.store.watch(nullptr);
    state.ResumeTiming();
    const auto found = plv::recovery::read_journal(file);
    plv::RecordStore recovered;
    if (!found || !plv::recovery::rebuild(found->head, d.store, recovered)) state.SkipWithError("not rebuilt");
    plv::ChangeJournal journal;
    recovered.watch(&journal);
    if (plv::recovery::replay(found->entries, recovered, journal).applied != 1) state.SkipWithError("not replayed");
  }
  state.counters["steps_per_s"] = benchmark::Counter(1.0 * kRecords / 10 * state.iterations(), benchmark::Counter::kIsRate);
}

BENCHMARK(BM_UndoAndRedoOfAHundredThousandSteps)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecoveryCopyOfAHundredThousandSteps)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_RecoveryOfAHundredThousandSteps)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
