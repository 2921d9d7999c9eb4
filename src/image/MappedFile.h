#pragma once
// A read-only view of a whole file (memory-mapped) or of a caller's byte buffer,
// with a movable cursor. Every read is bounds-checked: a read that would pass the
// end fails and leaves the cursor where it was, so a truncated file is refused
// instead of read past.
#include <cstddef>
#include <cstdint>
#include <string>

namespace pixolan {

class CMappedFile {
 public:
  enum Origin { kBegin = 0, kCurrent = 1, kEnd = 2 };

  CMappedFile() = default;
  CMappedFile(const CMappedFile&) = delete;
  CMappedFile& operator=(const CMappedFile&) = delete;
  virtual ~CMappedFile() { Close(); }

  // Maps the whole file read-only. Fails for a missing, unreadable or empty file.
  bool Open(const char* path);
  // Why the last Open failed, as the system words it ("No such file or directory").
  const std::string& OpenError() const { return m_strOpenError; }
  // Views a buffer the caller keeps alive until Close (used for fuzzing and tests).
  bool OpenMemory(const void* data, std::size_t size);
  void Close();

  // Moves the cursor without a range check; reads check it.
  void Seek(std::uint32_t offset, int origin);

  bool IsOpen() const { return m_pBase != nullptr; }
  std::size_t Size() const { return m_nSize; }
  std::int64_t Tell() const { return m_nCursor; }
  // The end test of the readers: the cursor has reached or passed the end.
  bool AtEnd() const { return m_nCursor >= static_cast<std::int64_t>(m_nSize); }
  // Bytes from the cursor to the end; 0 when the cursor lies outside the view.
  std::size_t Remaining() const;
  // The cursor must lie inside the view (its end included) even for an empty read,
  // so that no pointer is ever formed outside it.
  bool CanRead(std::size_t n) const {
    return m_pBase != nullptr && m_nCursor >= 0 && m_nCursor <= static_cast<std::int64_t>(m_nSize) &&
           Remaining() >= n;
  }

  bool ReadU8(std::uint8_t& value);
  bool ReadU16LE(std::uint16_t& value);
  bool ReadU16BE(std::uint16_t& value);
  bool ReadU32LE(std::uint32_t& value);
  bool ReadU32BE(std::uint32_t& value);
  bool ReadBytes(void* out, std::size_t n);
  bool Skip(std::size_t n);
  // A pointer to the next n bytes inside the view (the cursor advances), or null.
  const std::uint8_t* ReadSpan(std::size_t n);

 private:
  int m_hFile = -1;
  void* m_hMapping = nullptr;  // the mmap'd region, when the view is a file
  std::size_t m_nSize = 0;
  std::int64_t m_nCursor = 0;  // offset from the base; may lie outside after Seek
  const std::uint8_t* m_pBase = nullptr;
  std::string m_strOpenError;
};

}  // namespace pixolan
