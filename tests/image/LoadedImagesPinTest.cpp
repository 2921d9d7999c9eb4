// Every third-party picture (and the example sheet) that the readers took before
// the PNG reader and the BMP/IFF variants were added must still give the same
// image: size, depth, masks, palette and every pixel byte, pinned by a digest in
// tests/data/third_party/loaded-images.tsv.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "image/ImageReaderList.h"
#include "image/IffReader.h"
#include "support/TestSupport.h"

namespace pixolan::test {
namespace {

// FNV-1a over everything a loaded image hands to the program.
class Digest {
 public:
  void Add(const void* data, std::size_t n) {
    const auto* p = static_cast<const std::uint8_t*>(data);
    for (std::size_t i = 0; i < n; ++i) m_value = (m_value ^ p[i]) * 0x100000001b3ull;
  }
  void Add(std::uint32_t v) { Add(&v, sizeof v); }
  std::uint64_t Value() const { return m_value; }

 private:
  std::uint64_t m_value = 0xcbf29ce484222325ull;
};

std::string Describe(const CRasterImage& image) {
  Digest d;
  for (const ChannelMask& c : image.m_channels) d.Add(c.mask);
  for (const PaletteEntry& e : image.m_pPalette) d.Add(&e, sizeof e);
  for (const std::uint8_t* row : image.m_ppRows) d.Add(row, static_cast<std::size_t>(image.GetRowBytes()));
  std::ostringstream text;
  text << image.m_nWidth << ' ' << image.m_nHeight << ' ' << image.m_nBitsPerPixel << ' ' << std::hex << d.Value();
  return text.str();
}

// ".ilbm" is not an extension the list takes; those files go to the IFF reader directly.
std::unique_ptr<CRasterImage> OpenPinned(const std::filesystem::path& path) {
  if (path.extension() != ".ilbm") return CImageReaderList().OpenImage(path.string().c_str());
  auto reader = std::make_unique<CIffReader>();
  return reader->Load(path.string().c_str()) ? std::move(reader) : nullptr;
}

TEST(LoadedImagesPin, FilesThatLoadedBeforeGiveTheSameImage) {
  const std::filesystem::path root = DataDir() / "..";
  std::ifstream table(DataDir() / "third_party" / "loaded-images.tsv");
  ASSERT_TRUE(table.good());
  std::string line;
  int checked = 0;
  while (std::getline(table, line)) {
    if (line.empty() || line[0] == '#') continue;
    const std::size_t tab = line.find('\t');
    ASSERT_NE(tab, std::string::npos) << line;
    const std::string file = line.substr(0, tab);
    SCOPED_TRACE(file);
    auto image = OpenPinned(root / file);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(file + '\t' + Describe(*image), line);
    ++checked;
  }
  EXPECT_GT(checked, 70);
}

}  // namespace
}  // namespace pixolan::test
