#include "export/ConsoleRun.h"

#include <algorithm>

#include "document/PxoDoc.h"
#include "export/AnimExport.h"
#include "export/PaletteAssigner.h"
#include "export/SheetColours.h"
#include "framework/CollectingPrompts.h"
#include "framework/MemorySettings.h"

namespace pixolan {
namespace {

// A sheet copied pixel row for pixel row; it never loads a file.
class CSheetCopy : public CRasterImage {
 public:
  bool Load(const char*) override { return false; }
};

std::unique_ptr<CRasterImage> CopySheet(const CRasterImage& source) {
  auto copy = std::make_unique<CSheetCopy>();
  copy->SetChannelMasks(source.Mask(CRasterImage::kAlpha).mask, source.Mask(CRasterImage::kRed).mask,
                        source.Mask(CRasterImage::kGreen).mask, source.Mask(CRasterImage::kBlue).mask);
  if (!copy->Create(source.m_nWidth, source.m_nHeight, source.m_nBitsPerPixel)) return nullptr;
  copy->m_pPalette = source.m_pPalette;
  if (copy->m_pBits.size() != source.m_pBits.size()) return nullptr;
  std::copy(source.m_pBits.begin(), source.m_pBits.end(), copy->m_pBits.begin());  // the row table stays valid
  return copy;
}

bool SameFrames(const CAnimation& a, const CAnimation& b) {
  if (a.Name() != b.Name() || a.m_nFrameCount != b.m_nFrameCount) return false;
  for (std::uint32_t f = 0; f < a.m_nFrameCount; ++f) {
    const CAnimFrame &x = a.FrameOrNeverSet(f), &y = b.FrameOrNeverSet(f);
    if (x.m_rectSource != y.m_rectSource || x.m_nOffsetX != y.m_nOffsetX || x.m_nOffsetY != y.m_nOffsetY ||
        x.m_bValid != y.m_bValid) {
      return false;
    }
  }
  return true;
}

bool SameOptions(const ExportOptions& a, const ExportOptions& b) {
  return a.m_bFirstTrans == b.m_bFirstTrans && a.m_bForceFirst == b.m_bForceFirst &&
         a.m_bUsePalette == b.m_bUsePalette && (!a.m_bUsePalette || a.m_strPaletteName == b.m_strPaletteName);
}

}  // namespace

ConsoleSnapshot TakeConsoleSnapshot(CPxoDoc& doc, const ExportOptions& options) {
  ConsoleSnapshot snapshot;
  if (const CRasterImage* sheet = ExportSheet(doc.m_pImage)) snapshot.sheet = CopySheet(*sheet);
  for (const auto& animation : doc.m_animations) snapshot.animations.push_back(*animation);
  snapshot.nCanvasWidth = doc.m_nCanvasWidth;
  snapshot.nCanvasHeight = doc.m_nCanvasHeight;
  snapshot.options = options;
  snapshot.options.m_bRemap = false;
  return snapshot;
}

bool SameConsoleInput(const ConsoleSnapshot& a, const ConsoleSnapshot& b) {
  if (!SameOptions(a.options, b.options) || a.animations.size() != b.animations.size()) return false;
  if (a.nCanvasWidth != b.nCanvasWidth || a.nCanvasHeight != b.nCanvasHeight) return false;
  if ((a.sheet == nullptr) != (b.sheet == nullptr)) return false;
  if (a.sheet && (a.sheet->m_pBits != b.sheet->m_pBits || a.sheet->m_pPalette.size() != b.sheet->m_pPalette.size() ||
                  !std::equal(a.sheet->m_pPalette.begin(), a.sheet->m_pPalette.end(), b.sheet->m_pPalette.begin(),
                              [](const PaletteEntry& x, const PaletteEntry& y) { return SameColour(x, y); }))) {
    return false;
  }
  for (std::size_t i = 0; i < a.animations.size(); ++i) {
    if (!SameFrames(a.animations[i], b.animations[i])) return false;
  }
  return true;
}

ConsoleResult RunConsole(const ConsoleSnapshot& snapshot) {
  ConsoleResult result;
  CCollectingPrompts prompts;
  CMemorySettings settings;
  CPxoDoc doc(prompts, settings);
  doc.SetBuildDisplayBitmap(false);
  doc.m_nCanvasWidth = snapshot.nCanvasWidth;
  doc.m_nCanvasHeight = snapshot.nCanvasHeight;
  // The document owns its sheet: it gets a copy of the copy, which stays shared and unchanged.
  if (snapshot.sheet) doc.m_pImage = CopySheet(*snapshot.sheet);
  for (const CAnimation& animation : snapshot.animations) doc.m_animations.push_back(std::make_unique<CAnimation>(animation));
  CAnimExport exporter(doc, prompts);
  exporter.WriteValuesPastByte();
  result.bExported = exporter.CheckDocument() && exporter.Build(snapshot.options, "console.asm");
  if (result.bExported) {
    try {
      result.decoded = DecodeExport(exporter.File().Bytes());
      const bool ranOut = std::find(prompts.Messages().begin(), prompts.Messages().end(),
                                    std::string(kMsgRanOutOfPalettes)) != prompts.Messages().end();
      result.check = CheckExport(doc, result.decoded, snapshot.options.m_bFirstTrans, ranOut);
      result.picture = BuildConsolePicture(doc, result.decoded);
    } catch (const ExportDecodeError& e) {
      result.bExported = false;
      result.messages.push_back(std::string("The exported data could not be read back: ") + e.what());
    }
  }
  result.messages.insert(result.messages.begin(), prompts.Messages().begin(), prompts.Messages().end());
  return result;
}

}  // namespace pixolan
