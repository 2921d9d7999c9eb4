// The animation export end to end (load the document and its sheet, prepare the
// tables, write the file) and its two main phases alone.
#include <benchmark/benchmark.h>

#include "BenchSheets.h"
#include "document/PxoDoc.h"
#include "export/AnimExport.h"
#include "export/ExportCheck.h"
#include "framework/MemorySettings.h"
#include "framework/ScriptedPrompts.h"

namespace pixolan::bench {
namespace {

ExportOptions BenchOptions() {
  ExportOptions options;
  options.m_bForceFirst = true;
  options.m_bFirstTrans = true;
  return options;
}

SheetKind KindOf(const benchmark::State& state) { return static_cast<SheetKind>(state.range(1)); }

void ReportCells(benchmark::State& state, const CExportTables& tables) {
  state.counters["records"] = tables.BlockCount();
  state.counters["blocks"] = tables.UniqueBlockCount();
  state.counters["palettes"] = tables.m_nPalettes;
}

void BM_FullExport(benchmark::State& state) {
  const BenchFiles& files = GetBenchFiles(static_cast<int>(state.range(0)), KindOf(state));
  const std::string out = files.document + ".asm";
  for (auto _ : state) {
    CScriptedPrompts prompts;
    CMemorySettings settings;
    CPxoDoc doc(prompts, settings);
    if (!doc.OnOpenDocument(files.document)) state.SkipWithError("document did not load");
    CAnimExport exporter(doc, prompts);
    if (!exporter.CheckDocument() || !exporter.Build(BenchOptions(), out) || !exporter.Save()) {
      state.SkipWithError("export failed");
    }
    if (state.iterations() == 0) ReportCells(state, exporter.Tables());
  }
}

void BM_Prepare(benchmark::State& state) {
  const BenchFiles& files = GetBenchFiles(static_cast<int>(state.range(0)), KindOf(state));
  CScriptedPrompts prompts;
  CMemorySettings settings;
  CPxoDoc doc(prompts, settings);
  if (!doc.OnOpenDocument(files.document)) state.SkipWithError("document did not load");
  CExportTables tables;
  for (auto _ : state) PrepareExportData(doc, BenchOptions(), prompts, tables);
  ReportCells(state, tables);
}

// A loaded document with its export tables prepared and its file written once.
struct PreparedExport {
  PreparedExport(benchmark::State& state, const BenchFiles& files) {
    if (!doc.OnOpenDocument(files.document)) state.SkipWithError("document did not load");
    PrepareExportData(doc, BenchOptions(), prompts, tables);
    file.Open(files.document + ".asm");
    WriteAnimExport(doc, tables, file);
  }
  CScriptedPrompts prompts;
  CMemorySettings settings;
  CPxoDoc doc{prompts, settings};
  CExportTables tables;
  CAsmFile file;
};

void BM_WriteText(benchmark::State& state) {
  PreparedExport prepared(state, GetBenchFiles(static_cast<int>(state.range(0)), KindOf(state)));
  for (auto _ : state) {
    CAsmFile file;
    file.Open("bench.asm");
    WriteAnimExport(prepared.doc, prepared.tables, file);
    benchmark::DoNotOptimize(file.Bytes().size());
    state.counters["bytes"] = static_cast<double>(file.Bytes().size());
  }
}

// What pixolan-cli check adds to an export: reading the file back and measuring it.
void BM_DecodeAndCheck(benchmark::State& state) {
  PreparedExport prepared(state, GetBenchFiles(static_cast<int>(state.range(0)), KindOf(state)));
  for (auto _ : state) {
    const ExportCheck check = CheckExport(prepared.doc, DecodeExport(prepared.file.Bytes()), true, false);
    benchmark::DoNotOptimize(check.nUniqueBlocks);
    state.counters["frames"] = static_cast<double>(check.FrameCount());
  }
}

void Sizes(benchmark::internal::Benchmark* b) {
  const auto realistic = static_cast<long>(SheetKind::kRealistic), equal = static_cast<long>(SheetKind::kEqualSums);
  for (long size : {1024L, 2048L, 4096L}) b->Args({size, realistic});
  for (long size : {1024L, 4096L}) b->Args({size, equal});
  b->ArgNames({"size", "equalsums"})->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_FullExport)->Apply(Sizes);
BENCHMARK(BM_Prepare)->Apply(Sizes);
BENCHMARK(BM_WriteText)->Apply(Sizes);
BENCHMARK(BM_DecodeAndCheck)->Apply(Sizes);

}  // namespace
}  // namespace pixolan::bench
