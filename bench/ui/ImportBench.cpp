// Importing a 4096x4096 8-bit sheet into an open document window until it is on
// screen, and the two parts of that: reading the file (with its display bitmap)
// and building the window's sheet picture (of which the 32-bit conversion). Run: build/bin/pixolan-view-bench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>

#include "document/PxoDoc.h"
#include "framework/MemorySettings.h"
#include "framework/ScriptedPrompts.h"
#include "support/BmpBuilder.h"
#include "support/TestSupport.h"
#include "ui/ChildFrame.h"
#include "ui/SheetPicture.h"
#include "view/DisplayPixels.h"

namespace pixolan {
namespace {

constexpr std::int32_t kSide = 4096;

// A 4096x4096 8-bit BMP of 256 colours, written once per run.
const std::string& LargeSheet() {
  static const test::TempDir dir;
  static const std::string path = [] {
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(kSide) * kSide);
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<std::uint8_t>((i / kSide) ^ (i * 7));
    const auto file = dir / "sheet4096.bmp";
    test::WriteFile(file, test::BuildBmp({.width = kSide, .height = kSide, .bits = 8, .coloursUsed = 256,
                                          .palette = test::GreyPalette(256), .pixels = std::move(pixels)}));
    return file.string();
  }();
  return path;
}

struct BenchDoc {
  CScriptedPrompts prompts;
  CMemorySettings settings;
  CPxoDoc doc{prompts, settings};
};

void BM_ImportSheet4096UntilShown(benchmark::State& state) {
  const std::string& sheet = LargeSheet();  // written before the clock runs
  BenchDoc bench;
  CChildFrame frame(bench.doc);
  frame.resize(1280, 800);
  frame.show();
  frame.InitialUpdateFrame();
  QApplication::processEvents();
  for (auto _ : state) {
    if (!bench.doc.ImportImage(sheet)) state.SkipWithError("the sheet was refused");
    frame.repaint();  // both panes draw from the new picture
    QApplication::processEvents();
    state.PauseTiming();
    bench.doc.History().Clear();  // the old sheets held for undo are not what is measured
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ImportSheet4096UntilShown)->Unit(benchmark::kMillisecond);

void BM_ReadSheet4096WithDisplayBitmap(benchmark::State& state) {
  const std::string& sheet = LargeSheet();
  CImageReaderList readers;
  for (auto _ : state) {
    std::unique_ptr<CRasterImage> image = readers.OpenImage(sheet.c_str());
    if (!image || image->CreateDisplayBitmap() == nullptr) state.SkipWithError("the sheet was refused");
    benchmark::DoNotOptimize(image.get());
  }
}
BENCHMARK(BM_ReadSheet4096WithDisplayBitmap)->Unit(benchmark::kMillisecond);

// The conversion the picture starts from: the display bitmap as 32-bit pixels.
void BM_DisplayPixels4096(benchmark::State& state) {
  BenchDoc bench;
  bench.doc.LoadImage(LargeSheet());
  const CRasterImage& sheet = *bench.doc.m_pImage;
  for (auto _ : state) benchmark::DoNotOptimize(DisplayPixels(*sheet.m_pBitmapInfo, *sheet.m_hBitmap).pixels.data());
}
BENCHMARK(BM_DisplayPixels4096)->Unit(benchmark::kMillisecond);

void BM_SheetPicture4096(benchmark::State& state) {
  BenchDoc bench;
  bench.doc.LoadImage(LargeSheet());
  CSheetPicture picture(bench.doc);
  for (auto _ : state) {
    picture.Invalidate();
    benchmark::DoNotOptimize(picture.Image().constBits());
  }
}
BENCHMARK(BM_SheetPicture4096)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pixolan
