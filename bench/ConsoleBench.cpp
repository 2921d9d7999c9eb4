// What the desktop recomputes after every change for Console Colours and the
// budget pane: the copy taken on the user-interface thread, and the whole run on
// that copy (export, read back, check, console picture) on the worker.
#include <benchmark/benchmark.h>

#include "BenchSheets.h"
#include "document/PxoDoc.h"
#include "export/ConsoleRun.h"
#include "framework/MemorySettings.h"
#include "framework/ScriptedPrompts.h"

namespace pixolan::bench {
namespace {

struct LoadedDocument {
  explicit LoadedDocument(benchmark::State& state) {
    const BenchFiles& files = GetBenchFiles(static_cast<int>(state.range(0)), static_cast<SheetKind>(state.range(1)));
    if (!doc.OnOpenDocument(files.document)) state.SkipWithError("document did not load");
    options.m_bFirstTrans = true;
  }
  CScriptedPrompts prompts;
  CMemorySettings settings;
  CPxoDoc doc{prompts, settings};
  ExportOptions options;
};

void BM_ConsoleSnapshot(benchmark::State& state) {
  LoadedDocument loaded(state);
  for (auto _ : state) benchmark::DoNotOptimize(TakeConsoleSnapshot(loaded.doc, loaded.options).animations.size());
}

void BM_ConsoleRecompute(benchmark::State& state) {
  LoadedDocument loaded(state);
  for (auto _ : state) {
    const ConsoleResult result = RunConsole(TakeConsoleSnapshot(loaded.doc, loaded.options));
    if (!result.bExported) state.SkipWithError("export refused");
    state.counters["frames"] = static_cast<double>(result.check.FrameCount());
  }
}

// 1024: 256 frames of 64 x 64 pixels on a 1024 x 1024 sheet.
void Sizes(benchmark::internal::Benchmark* b) {
  for (long kind : {static_cast<long>(SheetKind::kRealistic), static_cast<long>(SheetKind::kEqualSums)}) {
    b->Args({1024, kind});
  }
  b->ArgNames({"size", "equalsums"})->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_ConsoleSnapshot)->Apply(Sizes);
BENCHMARK(BM_ConsoleRecompute)->Apply(Sizes);

}  // namespace
}  // namespace pixolan::bench
