#pragma once
// Text files as the program writes and reads them: every "\n" written becomes
// CR LF on every platform; lines are read without their end, CR LF or LF.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <string_view>

namespace pixolan {

// Collects text with CR LF line ends; Save writes it atomically.
class CTextWriter {
 public:
  void WriteString(std::string_view text);
  void Printf(const char* format, ...) __attribute__((format(printf, 2, 3)));
  // Lower-case hexadecimal with at least minDigits digits, as "%0*x" writes it;
  // the exports write hundreds of thousands of these.
  void WriteHex(std::uint32_t value, int minDigits);
  void Reserve(std::size_t bytes) { m_bytes.reserve(bytes); }
  const std::string& Bytes() const { return m_bytes; }
  // Takes text that is already as saved (CR LF line ends), e.g. a rewritten copy of Bytes().
  void ReplaceBytes(std::string bytes) { m_bytes = std::move(bytes); }
  // Throws CFileException naming the path; an earlier file stays intact on failure.
  void Save(const std::string& path) const;

 private:
  std::string m_bytes;
};

class CTextFileReader {
 public:
  static constexpr std::size_t kMaxLineLength = 64 * 1024;

  // Throws CFileException with the cause of the failure and the path.
  explicit CTextFileReader(const std::string& path);
  // The next line without its line end (cut at kMaxLineLength); false at the end of the file.
  bool ReadString(std::string& line);

 private:
  struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  std::unique_ptr<std::FILE, FileCloser> m_file;
};

}  // namespace pixolan
