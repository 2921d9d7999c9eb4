#pragma once
// The preview of an export: what the exported tables show, drawn cell by cell
// as a contact sheet without gaps, or one cell at a time for an animation.
#include <cstddef>
#include <span>
#include <stdexcept>
#include <vector>

#include "export/PreviewCell.h"

namespace pixolan {

// A preview that cannot be drawn: a canvas without pixels, or a picture too large.
class PreviewError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr int kMinPreviewScale = 1;
inline constexpr int kMaxPreviewScale = 8;
// The canvas size comes from the document file: pictures past these are refused.
inline constexpr std::int64_t kMaxPreviewSide = 16384;
inline constexpr std::int64_t kMaxPreviewBytes = std::int64_t{256} << 20;

// Each listed animation starts a row and continues on the next after every
// nColumns frames (none given: as many as fit the side limit, at least one);
// cells without a frame show the background. With no frame at all the sheet is
// one empty cell. Throws PreviewError.
CRgbPicture RenderPreviewSheet(const DecodedExport& file, std::span<const std::size_t> animations,
                               const PreviewSettings& settings);

// One cell, scaled; a null frame gives the empty canvas. Throws PreviewError.
CRgbPicture RenderPreviewCell(const DecodedExport& file, const DecodedFrame* frame, const PreviewSettings& settings);

// GIF delays are in hundredths of a second: the playback's 33 ms a frame.
inline constexpr int kPreviewGifDelay = 3;

// The listed animations one after the other as one looping animated GIF, a
// frame for each of their frames; one empty cell when there is no frame at all.
// Throws PreviewError, or GifWriteError naming the frame it could not encode.
std::vector<std::uint8_t> EncodePreviewGif(const DecodedExport& file, std::span<const std::size_t> animations,
                                           const PreviewSettings& settings);

}  // namespace pixolan
