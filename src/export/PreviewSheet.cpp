#include "export/PreviewSheet.h"

#include <algorithm>
#include <limits>
#include <string>

#include "image/GifWriter.h"

namespace pixolan {
namespace {

std::string SizeText(std::int64_t width, std::int64_t height) {
  return std::to_string(width) + "x" + std::to_string(height);
}

// Refuses a bad scale, an empty canvas and a picture past the limits. Every
// factor is checked before it is multiplied, so nothing overflows.
void CheckSize(const PreviewSettings& settings, std::size_t cols, std::size_t rows) {
  if (settings.nScale < kMinPreviewScale || settings.nScale > kMaxPreviewScale) {
    throw PreviewError("the scale must be " + std::to_string(kMinPreviewScale) + " to " + std::to_string(kMaxPreviewScale));
  }
  const std::int64_t canvasWidth = settings.nCanvasWidth, canvasHeight = settings.nCanvasHeight;
  if (canvasWidth < 1 || canvasHeight < 1) {
    throw PreviewError("the document's canvas is " + SizeText(canvasWidth, canvasHeight) +
                       " pixels; a preview needs at least one pixel a side");
  }
  auto refuse = [&](const std::string& size) {
    throw PreviewError("the preview would be " + size + " (" + std::to_string(cols) + "x" + std::to_string(rows) +
                       " cells of " + SizeText(canvasWidth, canvasHeight) + " canvas pixels at scale " +
                       std::to_string(settings.nScale) + "), over the limit of " + std::to_string(kMaxPreviewSide) +
                       " pixels a side and " + std::to_string(kMaxPreviewBytes >> 20) + " MiB");
  };
  const auto side = static_cast<std::size_t>(kMaxPreviewSide);
  if (canvasWidth > kMaxPreviewSide || canvasHeight > kMaxPreviewSide || cols > side || rows > side) {
    refuse("wider or taller than " + std::to_string(kMaxPreviewSide) + " pixels");
  }
  const std::int64_t width = canvasWidth * static_cast<std::int64_t>(cols) * settings.nScale;
  const std::int64_t height = canvasHeight * static_cast<std::int64_t>(rows) * settings.nScale;
  if (width > kMaxPreviewSide || height > kMaxPreviewSide || 3 * width * height > kMaxPreviewBytes) {
    refuse(SizeText(width, height) + " pixels");
  }
}

// Cells a row: the chosen number, or as many as stay within the side limit.
// When not even one cell does, wrapping cannot help: the size check refuses
// the sheet as it would be laid out unwrapped.
std::size_t CellsPerRow(const PreviewSettings& settings) {
  if (settings.nColumns > 0) return static_cast<std::size_t>(settings.nColumns);
  const std::int64_t cell = settings.nCanvasWidth * settings.nScale;  // both checked to lie within limits later
  if (cell <= 0 || cell > kMaxPreviewSide) return std::numeric_limits<std::size_t>::max();
  return static_cast<std::size_t>(kMaxPreviewSide / cell);
}

std::size_t RowsOf(std::size_t frames, std::size_t perRow) { return frames == 0 ? 1 : 1 + (frames - 1) / perRow; }

}  // namespace

CRgbPicture RenderPreviewSheet(const DecodedExport& file, std::span<const std::size_t> animations,
                               const PreviewSettings& settings) {
  const std::size_t perRow = std::max<std::size_t>(1, CellsPerRow(settings));
  std::size_t cols = 1, rows = 0;
  for (const std::size_t a : animations) {
    const std::size_t frames = file.animations.at(a).frames.size();
    cols = std::max(cols, std::min(frames, perRow));
    rows += RowsOf(frames, perRow);
  }
  CheckSize(settings, cols, std::max<std::size_t>(1, rows));
  const int cellWidth = static_cast<int>(settings.nCanvasWidth), cellHeight = static_cast<int>(settings.nCanvasHeight);
  CRgbPicture sheet(cellWidth * static_cast<int>(cols), cellHeight * static_cast<int>(std::max<std::size_t>(1, rows)));
  if (rows == 0) DrawPreviewCell(sheet, 0, 0, file, nullptr, settings);
  std::size_t row = 0;
  for (const std::size_t a : animations) {
    const std::vector<DecodedFrame>& frames = file.animations.at(a).frames;
    const std::size_t animationRows = RowsOf(frames.size(), perRow);
    for (std::size_t r = 0; r < animationRows; ++r, ++row) {
      for (std::size_t col = 0; col < cols; ++col) {
        const std::size_t f = r * perRow + col;
        const DecodedFrame* frame = f < frames.size() ? &frames[f] : nullptr;
        DrawPreviewCell(sheet, cellWidth * static_cast<int>(col), cellHeight * static_cast<int>(row), file, frame, settings);
      }
    }
  }
  return sheet.Scaled(settings.nScale);
}

CRgbPicture RenderPreviewCell(const DecodedExport& file, const DecodedFrame* frame, const PreviewSettings& settings) {
  CheckSize(settings, 1, 1);
  CRgbPicture cell(static_cast<int>(settings.nCanvasWidth), static_cast<int>(settings.nCanvasHeight));
  DrawPreviewCell(cell, 0, 0, file, frame, settings);
  return cell.Scaled(settings.nScale);
}

std::vector<std::uint8_t> EncodePreviewGif(const DecodedExport& file, std::span<const std::size_t> animations,
                                           const PreviewSettings& settings) {
  const CRgbPicture empty = RenderPreviewCell(file, nullptr, settings);
  CGifWriter gif(empty.Width(), empty.Height(), kPreviewGifDelay);
  bool anyFrame = false;
  for (const std::size_t a : animations) {
    const DecodedAnimation& animation = file.animations.at(a);
    for (std::size_t f = 0; f < animation.frames.size(); ++f, anyFrame = true) {
      try {
        gif.AddFrame(RenderPreviewCell(file, &animation.frames[f], settings));
      } catch (const GifWriteError& e) {
        throw GifWriteError(animation.strLabel + " frame " + std::to_string(f + 1) + ": " + e.what());
      }
    }
  }
  if (!anyFrame) gif.AddFrame(empty);
  return gif.Finish();
}

}  // namespace pixolan
