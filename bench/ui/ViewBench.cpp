// Repaints of the two drawing panes, playback timing and the time to show the demo
// document, offscreen. Run: build/bin/pixolan-view-bench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>

#include "../BenchSheets.h"
#include "document/PxoDoc.h"
#include "framework/MemorySettings.h"
#include "framework/ScriptedPrompts.h"
#include "ui/AnimDetails.h"
#include "ui/ChildFrame.h"
#include "ui/GuardedApplication.h"
#include "ui/ImageView.h"
#include "ui/MainFrame.h"
#include "ui/PxoApp.h"
#include "ui/SpriteView.h"

namespace pixolan {
namespace {

// A document on a 1024x1024 sheet whose one animation shows a full-canvas frame.
struct BenchDocument {
  CScriptedPrompts prompts;
  CMemorySettings settings;
  CPxoDoc doc{prompts, settings};

  BenchDocument() {
    const auto& files = bench::GetBenchFiles(1024, bench::SheetKind::kRealistic);
    doc.LoadImage(files.sheet);
    auto animation = std::make_unique<CAnimation>();
    animation->SetName("Full");
    animation->SetFrameCount(1);
    animation->Frame(1)->Set(CRect{0, 0, 160, 144}, -80, -72);
    doc.m_animations.push_back(std::move(animation));
  }
};

void RepaintPane(benchmark::State& state, bool spriteView) {
  BenchDocument bench;
  CChildFrame frame(bench.doc);
  frame.resize(spriteView ? QSize(1400, 700) : QSize(2100, 2100));
  frame.show();
  frame.InitialUpdateFrame();
  QWidget* viewport = spriteView ? frame.SpriteView()->viewport() : frame.ImageView()->viewport();
  QApplication::processEvents();
  for (auto _ : state) viewport->repaint();
  state.counters["pane_w"] = viewport->width();
  state.counters["pane_h"] = viewport->height();
}

void BM_SpriteViewRepaintFullFrameZoom4(benchmark::State& state) { RepaintPane(state, true); }
void BM_ImageViewRepaint1024Sheet(benchmark::State& state) { RepaintPane(state, false); }
BENCHMARK(BM_SpriteViewRepaintFullFrameZoom4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImageViewRepaint1024Sheet)->Unit(benchmark::kMillisecond);

// Ten seconds of playback: how far the last tick lands from 303 x 33 ms.
void BM_PlaybackTenSeconds(benchmark::State& state) {
  BenchDocument bench;
  CChildFrame frame(bench.doc);
  frame.show();
  frame.InitialUpdateFrame();
  CPxoAnimDetails* pane = frame.AnimDetails();
  for (auto _ : state) {
    int ticks = 0;
    QElapsedTimer clock;
    QObject::connect(&pane->Timer(), &QTimer::timeout, [&] { ++ticks; });
    clock.start();
    pane->Button(CPxoAnimDetails::IDC_PLAY)->click();
    constexpr int kTicks = 303;
    while (ticks < kTicks) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    pane->Button(CPxoAnimDetails::IDC_STOP)->click();
    state.counters["ticks"] = ticks;
    state.counters["elapsed_ms"] = elapsed;
    state.counters["drift_ms"] = elapsed - kTicks * 33.0;
  }
}
BENCHMARK(BM_PlaybackTenSeconds)->Iterations(1)->Unit(benchmark::kSecond);

// From an empty application to the demo document on screen.
void BM_ShowDemoDocument(benchmark::State& state) {
  const std::string demo = std::filesystem::path(PIXOLAN_SOURCE_DIR) / "examples" / "walker.pxo";
  for (auto _ : state) {
    CPxoApp app;
    app.OpenDocumentFile(demo);
    app.MainFrame().show();
    if (!QTest::qWaitForWindowExposed(&app.MainFrame())) state.SkipWithError("the window never showed");
    QApplication::processEvents();
  }
}
BENCHMARK(BM_ShowDemoDocument)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pixolan

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  pixolan::CGuardedApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
