#pragma once
// Helpers shared by the test suites: byte builders, temporary folders, data paths.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace pixolan::test {

// Appends little- and big-endian numbers and text to a byte vector.
class Bytes {
 public:
  Bytes& u8(std::uint32_t v);
  Bytes& u16le(std::uint32_t v);
  Bytes& u16be(std::uint32_t v);
  Bytes& u32le(std::uint32_t v);
  Bytes& u32be(std::uint32_t v);
  Bytes& text(std::string_view s);  // without a NUL
  Bytes& raw(const std::vector<std::uint8_t>& v);
  Bytes& fill(std::size_t n, std::uint8_t v);
  std::size_t size() const { return m_data.size(); }
  const std::vector<std::uint8_t>& data() const { return m_data; }
  std::vector<std::uint8_t>& data() { return m_data; }

 private:
  std::vector<std::uint8_t> m_data;
};

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return m_path; }
  std::filesystem::path operator/(std::string_view name) const { return m_path / name; }

 private:
  std::filesystem::path m_path;
};

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
void WriteFile(const std::filesystem::path& path, std::string_view text);
std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path);
std::string ReadText(const std::filesystem::path& path);

// Takes write permission away from a folder. False (with the permission given
// back) when that does not stop this user, as for root: callers then skip.
bool MakeFolderReadOnly(const std::filesystem::path& folder);

// tests/data inside the source tree.
std::filesystem::path DataDir();

}  // namespace pixolan::test
