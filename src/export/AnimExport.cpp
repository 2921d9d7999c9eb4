#include "export/AnimExport.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <unordered_map>

#include "document/PxoDoc.h"
#include "export/AsmLabels.h"
#include "export/ByteFields.h"
#include "export/FrameBounds.h"
#include "export/FrameLayout.h"
#include "framework/FileException.h"
#include "image/TrueColourIndex.h"

namespace pixolan {
namespace {

// Labels the file defines whatever the animations are called.
constexpr const char* kFixedLabels[] = {"NumberOfAnimations", "NumberOfPalettes", "PaletteData",
                                        "BlockPaletteData",   "AnimationData",    "GraphicData"};

std::string Quoted(const std::string& name) { return "\"" + name + "\""; }

bool IsLabelCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool FrameOutside(const CRect& source, std::int32_t cols, std::int32_t rows) {
  const CellSpan span = FrameCells(source);
  const bool cutOutside = !span.Empty() && (span.x0 < 0 || span.y0 < 0 || span.x1 > cols || span.y1 > rows);
  return cutOutside || !BlockMapInsideSheet(source, cols, rows);
}

std::string FrameOutsideMessage(int frame, const std::string& name) {
  char text[64];
  std::snprintf(text, sizeof text, "ERROR: Frame %d of animation ", frame);
  return text + name + " lies outside the image\n";
}

}  // namespace

std::optional<std::string> FindFrameOutsideSheet(const CPxoDoc& doc) {
  const auto [cols, rows] = WholeCellsOf(doc.m_pImage.get());
  for (const std::unique_ptr<CAnimation>& animation : doc.m_animations) {
    for (std::uint32_t f = 0; f < animation->m_nFrameCount; ++f) {
      if (FrameOutside(animation->FrameOrNeverSet(f).m_rectSource, cols, rows)) {
        return FrameOutsideMessage(static_cast<int>(f), animation->Name());
      }
    }
  }
  return std::nullopt;
}

std::optional<std::string> FindLabelProblem(const CPxoDoc& doc) {
  // Which animation (or -1: the file itself) defines each label.
  std::unordered_map<std::string, int> owners;
  for (const char* label : kFixedLabels) owners.emplace(label, -1);
  auto define = [&](const std::string& label, int a) -> std::optional<std::string> {
    const auto [it, fresh] = owners.emplace(label, a);
    if (fresh) return std::nullopt;
    const std::string& name = doc.m_animations[static_cast<std::size_t>(a)]->Name();
    if (it->second < 0) {
      return "ERROR: Animation " + Quoted(name) + " defines the label " + label +
             ", which the file uses for its own data\n";
    }
    const std::string& first = doc.m_animations[static_cast<std::size_t>(it->second)]->Name();
    return "ERROR: Animations " + Quoted(first) + " and " + Quoted(name) + " both define the label " + label + "\n";
  };
  for (std::size_t a = 0; a < doc.m_animations.size(); ++a) {
    const CAnimation& animation = *doc.m_animations[a];
    const std::string label = AnimationLabel(animation.Name());
    if (!std::all_of(label.begin(), label.end(), IsLabelCharacter)) {
      return "ERROR: Animation " + Quoted(animation.Name()) + " gives the label " + label +
             ", which holds a character no assembler label can hold\n";
    }
    if (auto problem = define(label, static_cast<int>(a))) return problem;
    for (std::uint32_t f = 0; f < animation.m_nFrameCount; ++f) {
      if (auto problem = define(FrameLabel(label, f), static_cast<int>(a))) return problem;
    }
  }
  return std::nullopt;
}

// About the size of the finished text, so that it is allocated once rather than
// grown by doubling (which can hold twice the file for a moment). Block maps count
// only when they will be written, so a hostile rectangle cannot inflate it.
std::size_t EstimatedExportSize(const CPxoDoc& doc, const CExportTables& tables) {
  constexpr std::size_t kGraphicsLine = 92, kBlockPaletteValue = 5, kBlockWord = 7, kFrameLines = 180, kPaletteLine = 46;
  const SheetCells cells = WholeCellsOf(doc.m_pImage.get());
  std::size_t size = 4096 + (kGraphicsLine + kBlockPaletteValue) * static_cast<std::size_t>(tables.UniqueBlockCount()) +
                     kPaletteLine * static_cast<std::size_t>(tables.m_nPalettes);
  for (const auto& animation : doc.m_animations) {
    size += 256 + 4 * animation->Name().size();
    for (std::uint32_t f = 0; f < animation->m_nFrameCount; ++f) {
      const CAnimFrame& frame = animation->FrameOrNeverSet(f);
      size += kFrameLines + 3 * animation->Name().size();
      const FrameLayout layout = LayoutOfFrame(frame.m_rectSource);
      if (layout.HasBlockMap() && BlockMapInsideSheet(frame.m_rectSource, cells.nCols, cells.nRows)) {
        size += static_cast<std::size_t>(layout.nHeight) * (16 + kBlockWord * static_cast<std::size_t>(layout.nWidth));
      }
    }
  }
  return size;
}

void WriteAnimExport(const CPxoDoc& doc, const CExportTables& tables, CAsmFile& file) {
  CTextWriter& out = file.Writer();
  out.Reserve(out.Bytes().size() + EstimatedExportSize(doc, tables));
  out.Printf(";// ORIGINALLY %d BLOCKS WE USED - SAVED %d BLOCKS DUE TO XFLIP, YFLIP OR DUPLICATES\n", tables.BlockCount(),
             tables.BlockCount() - tables.UniqueBlockCount());
  out.Printf("NumberOfAnimations:\t\tdb\t\t%d\n", static_cast<int>(doc.m_animations.size()));
  out.Printf("NumberOfPalettes:\t\tdb\t\t%d\n", tables.m_nPalettes);
  WritePaletteData(out, tables);
  WriteBlockPaletteData(out, tables);
  WriteAnimationData(out, doc, tables);
  WriteGraphicData(out, tables);
}

bool CAnimExport::Refuse(const std::string& message) {
  m_prompts.MessageBox(message);
  return false;
}

bool CAnimExport::CheckDocument() {
  if (!m_doc.m_pImage) return Refuse(kMsgNoImageLoaded);
  if (m_doc.m_pImage->IndexedForm() == nullptr) {
    // A true-colour sheet of few colours is exported as its indexed copy; this one has too many.
    const std::uint32_t colours = CountTrueColours(*m_doc.m_pImage);
    return Refuse(WithReason(kMsgImageHasNoPalette, std::to_string(colours) + " colours (at most " +
                                                        std::to_string(kMaxIndexedColours) + " become a palette)"));
  }
  if (auto problem = FindFrameOutsideSheet(m_doc)) return Refuse(*problem);
  if (auto problem = FindLabelProblem(m_doc)) return Refuse(*problem);
  if (!m_bRefusePastByte) return true;
  if (auto problem = FindValuePastByte(m_doc)) return Refuse(*problem);
  return true;
}

bool CAnimExport::Remap(const std::string& imagePath) {
  std::string refusal;
  std::unique_ptr<CRasterImage> other = m_doc.m_readers.OpenImage(imagePath.c_str(), &refusal);
  if (!other) return Refuse(WithReason(kMsgUnableToLoadImage, refusal));
  if (!other->HasPalette()) return Refuse(kMsgImageHasNoPalette);
  // Pixels keep their indices and take the other palette's colour at each index.
  // A larger palette than the document image's is copied only as far as ours reaches.
  CRasterImage* sheet = m_doc.m_pImage ? m_doc.m_pImage->IndexedForm() : nullptr;
  if (sheet == nullptr) return Refuse(kMsgImageHasNoPalette);
  std::vector<PaletteEntry>& ours = sheet->m_pPalette;
  const std::size_t count = std::min(ours.size(), other->m_pPalette.size());
  std::copy_n(other->m_pPalette.begin(), count, ours.begin());
  return true;
}

bool CAnimExport::Build(const ExportOptions& options, const std::string& path) {
  try {
    PrepareExportData(m_doc, options, m_prompts, m_tables);
  } catch (const CFileException& e) {
    return Refuse(e.GetErrorMessage());  // the palette file could not be read
  }
  if (m_bRefusePastByte) {
    if (auto problem = PaletteCountPastByte(m_tables.m_nPalettes)) return Refuse(*problem);
  }
  if (!m_file.Open(path)) return false;
  WriteAnimExport(m_doc, m_tables, m_file);
  return true;
}

void CAnimExport::StyleLabels(const AsmLabelStyle& style) {
  if (!style.IsPlain()) m_file.Writer().ReplaceBytes(StyledAsm(m_file.Bytes(), style));
}

bool CAnimExport::Save() {
  try {
    m_file.Close();
  } catch (const CFileException& e) {
    return Refuse(e.GetErrorMessage());
  }
  return true;
}

}  // namespace pixolan
