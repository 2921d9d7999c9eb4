#pragma once
// The document archive: raw little-endian bytes in order, nothing of its own.
// Storing fills a byte buffer; loading reads from one and throws CFileException
// (cause generic, as for any bad file) instead of ever reading past its end.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace pixolan {

class CArchive {
 public:
  enum Mode { store = 0, load = 1 };

  // An archive that stores into its own buffer.
  explicit CArchive(std::string fileName = {});
  // An archive that loads from bytes the caller keeps alive.
  CArchive(std::span<const std::uint8_t> bytes, std::string fileName);

  bool IsStoring() const { return m_mode == store; }
  bool IsLoading() const { return m_mode == load; }
  const std::string& GetFileName() const { return m_strFileName; }

  void Write(const void* data, std::size_t n);
  void WriteU8(std::uint8_t v) { Write(&v, 1); }
  void WriteU32(std::uint32_t v);
  void WriteI32(std::int32_t v) { WriteU32(static_cast<std::uint32_t>(v)); }

  void Read(void* data, std::size_t n);
  std::uint8_t ReadU8();
  std::uint32_t ReadU32();
  std::int32_t ReadI32() { return static_cast<std::int32_t>(ReadU32()); }

  std::size_t Remaining() const { return m_load.size() - m_nPosition; }
  const std::vector<std::uint8_t>& StoredBytes() const { return m_store; }
  // A writer that has told the user why it cannot store the document abandons
  // the archive: the save then writes nothing and the earlier file stays.
  void Abort() { m_bAborted = true; }
  bool IsAborted() const { return m_bAborted; }

 private:
  Mode m_mode;
  std::string m_strFileName;
  std::vector<std::uint8_t> m_store;
  std::span<const std::uint8_t> m_load;
  std::size_t m_nPosition = 0;
  bool m_bAborted = false;
};

}  // namespace pixolan
