// The palette-file reader and the whole animation export. The export runs on a
// document decoded from the input (animations, frames with any rectangles and
// offsets, names, options) over the fixed sheet, and writes to memory only.
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "FuzzEntries.h"
#include "FuzzFixtures.h"
#include "document/PxoDoc.h"
#include "export/AnimExport.h"
#include "export/CheckReport.h"
#include "export/ExportDecoder.h"
#include "export/ExportOptions.h"
#include "export/PaletteFileReader.h"
#include "framework/FileException.h"
#include "framework/MemorySettings.h"
#include "framework/ScriptedPrompts.h"

namespace pixolan::fuzz {
namespace {

// Lines as the text file reader splits them: at "\n", a CR before it dropped,
// a last line without a line end kept.
std::vector<std::string> SplitLines(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < size) {
    const void* found = std::memchr(data + start, '\n', size - start);
    const std::size_t end = found ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(found) - data) : size;
    std::string line(reinterpret_cast<const char*>(data) + start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

void CheckPalettes(const std::vector<GbcPalette>& palettes) {
  if (palettes.size() > CPaletteFileReader::kMaxPalettes) std::abort();
  for (const GbcPalette& palette : palettes) {
    for (const PaletteEntry& c : palette) {
      // Five bits a component, scaled by 8.
      if (c.red % 8 != 0 || c.green % 8 != 0 || c.blue % 8 != 0 || c.red > 248 || c.green > 248 || c.blue > 248) {
        std::abort();
      }
    }
  }
}

// Reads the input's bytes one by one; past the end every read gives 0.
class CInputCursor {
 public:
  CInputCursor(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
  std::uint8_t Byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
  std::int32_t Int32() {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(Byte()) << (8 * i);
    return static_cast<std::int32_t>(v);
  }
  // Small values reach the sheet's cells; wide ones reach the edges of int32.
  std::int32_t Value(bool wide) { return wide ? Int32() : static_cast<std::int8_t>(Byte()); }
  std::string Text(std::size_t n) {
    std::string s;
    for (std::size_t i = 0; i < n; ++i) s.push_back(static_cast<char>(Byte()));
    return s;
  }

 private:
  const std::uint8_t* m_data;
  std::size_t m_size;
  std::size_t m_pos = 0;
};

enum ExportFlags : std::uint8_t {
  kForceFirst = 1,
  kFirstTrans = 2,
  kUsePalette = 4,
  kWideValues = 8,
  kRemap = 16,
  kSetCurrent = 32,
  kMissingPalette = 64,
};

void DecodeFrames(CInputCursor& in, CAnimation& animation, bool wide) {
  const std::uint8_t count = in.Byte();
  if (count == 0xFF) return;  // a fresh record: one frame promised, no array
  animation.SetFrameCount(count % 33);
  for (std::int32_t n = 1; n <= static_cast<std::int32_t>(animation.m_nFrameCount); ++n) {
    CAnimFrame& frame = *animation.Frame(n);
    const std::uint8_t flag = in.Byte();
    if ((flag & 1) == 0) continue;
    CRect r;
    r.left = in.Value(wide);
    r.top = in.Value(wide);
    r.right = in.Value(wide);
    r.bottom = in.Value(wide);
    const std::int32_t x = in.Value(wide), y = in.Value(wide);
    frame.Set(r, x, y);
    if (flag & 2) frame.m_bValid = false;  // lifted back: keeps its rectangle
  }
  // Then the edits of the details view: insert a frame, change the count.
  const std::uint8_t edit = in.Byte();
  if (edit & 0x80) animation.InsertFrame(edit & 0x3F);
  if (edit & 0x40) animation.SetFrameCount(edit & 0x1F);
}

void DecodeDocument(CInputCursor& in, CPxoDoc& doc, std::uint8_t flags) {
  const int animations = in.Byte() % 9;
  for (int a = 0; a < animations; ++a) {
    auto animation = std::make_unique<CAnimation>();
    animation->SetName(in.Text(in.Byte() % 24));
    DecodeFrames(in, *animation, (flags & kWideValues) != 0);
    doc.m_animations.push_back(std::move(animation));
  }
  if ((flags & kSetCurrent) && !doc.m_animations.empty()) {
    doc.m_pCurrentAnim = doc.m_animations[in.Byte() % doc.m_animations.size()].get();
    doc.m_nCurrentFrame = in.Value(true);
  }
}

bool LoadSheet(CPxoDoc& doc) {
  doc.m_pImage = doc.m_readers.OpenImageFromMemory("sheet.bmp", SheetBmpBytes().data(), SheetBmpBytes().size());
  if (!doc.m_pImage || doc.m_pImage->CreateDisplayBitmap() == nullptr) return false;
  doc.m_strImagePath = SheetPath();
  return true;
}

std::vector<std::uint8_t> StoredDocument(CPxoDoc& doc) {
  CArchive ar((FixtureDir() / "fuzz.pxo").string());
  doc.Serialize(ar);
  return ar.IsAborted() ? std::vector<std::uint8_t>{} : ar.StoredBytes();
}

}  // namespace

int FuzzPaletteFile(const std::uint8_t* data, std::size_t size) {
  // Through a real file, as the export reads it; then the same lines in memory.
  static const std::string path = (FixtureDir() / ("input-" + std::to_string(::getpid()) + ".asm")).string();
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!out) std::abort();
  }
  const std::vector<GbcPalette> fromFile = CPaletteFileReader::Read(path);
  CheckPalettes(fromFile);
  if (CPaletteFileReader::ReadLines(SplitLines(data, size)) != fromFile) std::abort();
  return 0;
}

int FuzzExport(const std::uint8_t* data, std::size_t size) {
  static const CImageReaderList readers;
  CScriptedPrompts prompts;
  CMemorySettings settings;
  CPxoDoc doc(prompts, settings);
  if (!LoadSheet(doc)) std::abort();

  CInputCursor in(data, size);
  const std::uint8_t flags = in.Byte();
  DecodeDocument(in, doc, flags);

  ExportOptions options;
  options.m_bForceFirst = (flags & kForceFirst) != 0;
  options.m_bFirstTrans = (flags & kFirstTrans) != 0;
  options.m_bUsePalette = (flags & kUsePalette) != 0;
  options.m_strPaletteName = (flags & kMissingPalette) ? (FixtureDir() / "missing.asm").string() : PaletteFilePath();

  const std::vector<std::uint8_t> before = StoredDocument(doc);
  CAnimExport exportRun(doc, prompts);
  if (exportRun.CheckDocument() && (!(flags & kRemap) || exportRun.Remap(SheetPath()))) {
    if (exportRun.Build(options, (FixtureDir() / "never-saved.asm").string())) {
      const std::string& text = exportRun.File().Bytes();
      if (text.size() < 2 || text.compare(text.size() - 2, 2, "\r\n") != 0) std::abort();
      // Whatever the export writes reads back, and the check measures it: a
      // decode error escapes as a finding.
      const DecodedExport decoded = DecodeExport(text);
      if (decoded.animations.size() != doc.m_animations.size()) std::abort();
      CheckReport(CheckExport(doc, decoded, options.m_bFirstTrans, false));
    }
  } else {
    // The preparation must stand any document, also one the checks refuse.
    try {
      CExportTables tables;
      PrepareExportData(doc, options, prompts, tables);
    } catch (const CFileException&) {
    }
  }
  // An export changes the tables only: the saved form of the document stays the same.
  if (StoredDocument(doc) != before) std::abort();
  return 0;
}

}  // namespace pixolan::fuzz
