#include "image/TrueColourIndex.h"

#include <unordered_map>
#include <vector>

namespace pixolan {
namespace {

constexpr std::uint32_t kRgbValues = 1u << 24;

std::uint32_t Rgb(const PaletteEntry& c) {
  return static_cast<std::uint32_t>(c.red) << 16 | static_cast<std::uint32_t>(c.green) << 8 | c.blue;
}

PaletteEntry FromRgb(std::uint32_t rgb) {
  return PaletteEntry{0, static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                      static_cast<std::uint8_t>(rgb)};
}

// An image that was never read from a file: the indexed copy.
class CIndexedCopy : public CRasterImage {
 public:
  bool Load(const char*) override { return false; }
};

// One bit for every 24-bit colour.
class CRgbSet {
 public:
  CRgbSet() : m_bits(kRgbValues / 64, 0) {}
  bool Contains(std::uint32_t rgb) const { return (m_bits[rgb / 64] >> (rgb % 64)) & 1u; }
  void Add(std::uint32_t rgb) { m_bits[rgb / 64] |= std::uint64_t{1} << (rgb % 64); }

 private:
  std::vector<std::uint64_t> m_bits;
};

// The picture's colours: the opaque ones in order of appearance (as many as an
// indexed picture can hold, plus one to tell that there are more), and the transparent one.
struct ColourSurvey {
  std::uint32_t nOpaque = 0;
  std::vector<std::uint32_t> order;
  bool bTransparent = false;
  std::uint32_t transparentRgb = 0;
};

bool UsesAlpha(const CRasterImage& image) {
  if (image.Mask(CRasterImage::kAlpha).mask == 0) return false;
  for (std::int32_t y = 0; y < image.m_nHeight; ++y)
    for (std::int32_t x = 0; x < image.m_nWidth; ++x)
      if (image.GetPixelColour(x, y).reserved != 0) return true;
  return false;
}

ColourSurvey Survey(const CRasterImage& image) {
  ColourSurvey survey;
  CRgbSet seen;
  const bool alpha = UsesAlpha(image);
  for (std::int32_t y = 0; y < image.m_nHeight; ++y) {
    for (std::int32_t x = 0; x < image.m_nWidth; ++x) {
      const PaletteEntry c = image.GetPixelColour(x, y);
      const std::uint32_t rgb = Rgb(c);
      if (alpha && c.reserved == 0) {
        if (!survey.bTransparent) survey.transparentRgb = rgb;
        survey.bTransparent = true;
      } else if (!seen.Contains(rgb)) {
        seen.Add(rgb);
        ++survey.nOpaque;
        if (survey.order.size() <= kMaxIndexedColours) survey.order.push_back(rgb);
      }
    }
  }
  // The export tells colours apart by red, green and blue alone: the transparent
  // colour must not share them with an opaque one.
  while (survey.bTransparent && seen.Contains(survey.transparentRgb)) {
    survey.transparentRgb = (survey.transparentRgb + 1) % kRgbValues;
  }
  return survey;
}

}  // namespace

std::uint32_t CountTrueColours(const CRasterImage& image) {
  const ColourSurvey survey = Survey(image);
  return survey.nOpaque + (survey.bTransparent ? 1 : 0);
}

std::unique_ptr<CRasterImage> MakeIndexedCopy(const CRasterImage& image) {
  if (image.HasPalette() || image.m_ppRows.empty()) return nullptr;
  const ColourSurvey survey = Survey(image);
  if (survey.nOpaque + (survey.bTransparent ? 1 : 0) > kMaxIndexedColours) return nullptr;
  auto copy = std::make_unique<CIndexedCopy>();
  copy->SetChannelMasks(0, 0, 0, 0);
  if (!copy->Create(image.m_nWidth, image.m_nHeight, 8)) return nullptr;
  std::unordered_map<std::uint32_t, std::uint8_t> indexOf;
  std::size_t next = 0;
  if (survey.bTransparent) copy->m_pPalette[next++] = FromRgb(survey.transparentRgb);
  for (std::uint32_t rgb : survey.order) {
    indexOf.emplace(rgb, static_cast<std::uint8_t>(next));
    copy->m_pPalette[next++] = FromRgb(rgb);
  }
  const bool alpha = survey.bTransparent;
  for (std::int32_t y = 0; y < image.m_nHeight; ++y) {
    std::uint8_t* row = copy->m_ppRows[static_cast<std::size_t>(y)];
    for (std::int32_t x = 0; x < image.m_nWidth; ++x) {
      const PaletteEntry c = image.GetPixelColour(x, y);
      row[x] = alpha && c.reserved == 0 ? 0 : indexOf.at(Rgb(c));
    }
  }
  return copy;
}

}  // namespace pixolan
