// Pictures written by other programs (tests/data/third_party) and made byte by
// byte for the readers (tests/data/images): every file loads or is refused as
// its line in the folder's manifest.txt says (a refusal with its reason), with its size, depth, palette
// size, probed colours and indices, digest, and agreement pixel for pixel with
// other encodings of the same picture.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "ReaderHelpers.h"
#include "image/ImageReaderList.h"
#include "support/TestSupport.h"

namespace pixolan::test {
namespace {

namespace fs = std::filesystem;

// The file decoded by the reader named in the manifest ("BMP", "IFF", "GBR").
std::unique_ptr<CRasterImage> Open(const fs::path& dir, const std::string& file, std::string reader,
                                   std::string* refusal = nullptr) {
  const std::vector<std::uint8_t> bytes = ReadFile(dir / file);
  for (char& c : reader) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return CImageReaderList().OpenImageFromMemory("x." + reader, bytes.data(), bytes.size(), refusal);
}

struct Line {
  std::string file, reader, size;
  std::int32_t bits = 0, paletteSize = 0;
  std::vector<std::string> extras;  // the checks
  std::string reason;               // of a refusal, when the line gives it
};

std::vector<Line> Manifest(const fs::path& dir) {
  std::istringstream in(ReadText(dir / "manifest.txt"));
  std::vector<Line> lines;
  for (std::string text; std::getline(in, text);) {
    std::istringstream fields(text);
    Line& line = lines.emplace_back();
    fields >> line.file >> line.reader >> line.size;
    if (line.size == "refused") {
      std::getline(fields >> std::ws, line.reason);
    } else {
      fields >> line.bits >> line.paletteSize;
    }
    for (std::string extra; fields >> extra;) line.extras.push_back(extra);
    if (text.empty() || text[0] == '#') lines.pop_back();
  }
  return lines;
}

// Pixels where a channel differs by more than the tolerance.
int Differences(const CRasterImage& a, const CRasterImage& b, int tolerance) {
  auto near = [tolerance](int u, int v) { return std::abs(u - v) <= tolerance; };
  int differences = 0;
  for (std::int32_t y = 0; y < a.m_nHeight; ++y)
    for (std::int32_t x = 0; x < a.m_nWidth; ++x) {
      const PaletteEntry p = a.GetPixelColour(x, y), q = b.GetPixelColour(x, y);
      differences += !(near(p.red, q.red) && near(p.green, q.green) && near(p.blue, q.blue));
    }
  return differences;
}

// FNV-1a over everything a loaded image hands to the program: masks, palette, pixel rows.
std::string Digest(const CRasterImage& image) {
  std::uint64_t value = 0xcbf29ce484222325ull;
  auto add = [&value](const void* data, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) value = (value ^ static_cast<const std::uint8_t*>(data)[i]) * 0x100000001b3ull;
  };
  for (const ChannelMask& c : image.m_channels) add(&c.mask, sizeof c.mask);
  for (const PaletteEntry& e : image.m_pPalette) add(&e, sizeof e);
  for (const std::uint8_t* row : image.m_ppRows) add(row, static_cast<std::size_t>(image.GetRowBytes()));
  std::ostringstream text;
  text << std::hex << value;
  return text.str();
}

PaletteEntry Colour(const std::string& hex) {
  const unsigned v = static_cast<unsigned>(std::stoul(hex, nullptr, 16));
  return PaletteEntry{static_cast<std::uint8_t>(hex.size() > 6 ? v >> 24 : 0), static_cast<std::uint8_t>(v >> 16),
                      static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)};
}

void CheckExtra(const fs::path& dir, const CRasterImage& image, const std::string& extra,
                const std::map<std::string, std::string>& readers) {
  if (extra.starts_with("same=")) {
    const std::size_t tilde = extra.find('~');
    const std::string other = extra.substr(5, tilde - 5);
    const auto reference = Open(dir, other, readers.at(other));
    ASSERT_NE(reference, nullptr) << other;
    ASSERT_EQ(std::pair(image.m_nWidth, image.m_nHeight), std::pair(reference->m_nWidth, reference->m_nHeight));
    EXPECT_EQ(Differences(image, *reference, tilde == std::string::npos ? 0 : std::stoi(extra.substr(tilde + 1))), 0) << other;
  } else if (extra.starts_with("digest=")) {
    EXPECT_EQ("digest=" + Digest(image), extra);
  } else if (extra.starts_with("indices=")) {
    std::string indices;
    char hex[3];
    for (std::int32_t y = 0; y < image.m_nHeight; ++y)
      for (std::int32_t x = 0; x < image.m_nWidth; ++x) {
        std::snprintf(hex, sizeof hex, "%02x", image.GetPixelIndex(x, y) & 0xFF);
        indices += hex;
      }
    EXPECT_EQ("indices=" + indices, extra);
  } else if (extra.starts_with("entry=")) {
    const std::size_t colon = extra.find(':');
    const auto entry = static_cast<std::size_t>(std::stoul(extra.substr(6, colon - 6)));
    ASSERT_LT(entry, image.m_pPalette.size()) << extra;
    EXPECT_EQ(image.m_pPalette[entry], Colour(extra.substr(colon + 1))) << extra;
  } else {
    const std::size_t comma = extra.find(','), equals = extra.find('=');
    const std::int32_t x = std::stoi(extra.substr(0, comma)), y = std::stoi(extra.substr(comma + 1, equals - comma - 1));
    EXPECT_EQ(image.GetPixelColour(x, y), Colour(extra.substr(equals + 1))) << extra;
  }
}

class ImageManifest : public ::testing::TestWithParam<const char*> {};

TEST_P(ImageManifest, EveryFileLoadsOrIsRefusedAsTheManifestSays) {
  const fs::path dir = DataDir() / GetParam();
  const std::vector<Line> manifest = Manifest(dir);
  std::map<std::string, std::string> readers;
  for (const Line& line : manifest) EXPECT_TRUE(readers.emplace(line.file, line.reader).second) << line.file << " twice";
  for (const Line& line : manifest) {
    SCOPED_TRACE(line.file);
    std::string refusal;
    auto image = Open(dir, line.file, line.reader, &refusal);
    if (line.size == "refused") {
      EXPECT_EQ(image, nullptr);
      EXPECT_FALSE(refusal.empty());  // every refusal says why
      if (!line.reason.empty()) {
        EXPECT_EQ(refusal, line.reason);
      }
      continue;
    }
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(std::to_string(image->m_nWidth) + "x" + std::to_string(image->m_nHeight), line.size);
    EXPECT_EQ(image->m_nBitsPerPixel, line.bits);
    EXPECT_EQ(image->PaletteSize(), line.paletteSize);
    EXPECT_EQ(image->HasPalette(), line.bits <= 8);
    for (const std::string& extra : line.extras) CheckExtra(dir, *image, extra, readers);
    ExpectConsistent(*image);  // builds the display bitmap, which may convert the pixels: they must look the same
    for (const std::string& extra : line.extras)
      if (!extra.starts_with("digest=")) CheckExtra(dir, *image, extra, readers);
  }
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    const std::string rel = fs::relative(entry.path(), dir).generic_string();
    if (!entry.is_regular_file() || rel.ends_with(".txt") || rel.ends_with(".md") || rel.starts_with("ilbm/ref/")) {
      continue;
    }
    EXPECT_TRUE(readers.contains(rel)) << rel << " is not in the manifest";
  }
}

INSTANTIATE_TEST_SUITE_P(Folders, ImageManifest, ::testing::Values("images", "third_party"));

}  // namespace
}  // namespace pixolan::test
