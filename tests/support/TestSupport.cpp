#include "support/TestSupport.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include <fcntl.h>
#include <unistd.h>

namespace pixolan::test {

Bytes& Bytes::u8(std::uint32_t v) {
  m_data.push_back(static_cast<std::uint8_t>(v));
  return *this;
}
Bytes& Bytes::u16le(std::uint32_t v) { return u8(v).u8(v >> 8); }
Bytes& Bytes::u16be(std::uint32_t v) { return u8(v >> 8).u8(v); }
Bytes& Bytes::u32le(std::uint32_t v) { return u16le(v).u16le(v >> 16); }
Bytes& Bytes::u32be(std::uint32_t v) { return u16be(v >> 16).u16be(v); }
Bytes& Bytes::text(std::string_view s) {
  m_data.insert(m_data.end(), s.begin(), s.end());
  return *this;
}
Bytes& Bytes::raw(const std::vector<std::uint8_t>& v) {
  m_data.insert(m_data.end(), v.begin(), v.end());
  return *this;
}
Bytes& Bytes::fill(std::size_t n, std::uint8_t v) {
  m_data.insert(m_data.end(), n, v);
  return *this;
}

TempDir::TempDir() {
  static std::atomic<unsigned> counter{0};
  std::random_device rd;
  m_path = std::filesystem::temp_directory_path() /
           ("pixolan-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
            std::to_string(rd()));
  std::filesystem::create_directories(m_path);
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(m_path, ec);
}

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

void WriteFile(const std::filesystem::path& path, std::string_view text) {
  WriteFile(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string ReadText(const std::filesystem::path& path) {
  std::vector<std::uint8_t> bytes = ReadFile(path);
  return std::string(bytes.begin(), bytes.end());
}

bool MakeFolderReadOnly(const std::filesystem::path& folder) {
  namespace fs = std::filesystem;
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
  const fs::path probe = folder / ".write-probe";
  const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT, 0600);
  if (fd < 0) return true;
  ::close(fd);
  fs::remove(probe);
  fs::permissions(folder, fs::perms::owner_all);
  return false;
}

std::filesystem::path DataDir() { return PIXOLAN_TEST_DATA_DIR; }

}  // namespace pixolan::test
