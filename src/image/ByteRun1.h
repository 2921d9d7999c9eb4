#pragma once
// ByteRun1, the run-length scheme of IFF picture bodies. A control byte n
// (signed) starts a literal run of n + 1 bytes (0..127) or repeats the next
// byte 1 - n times (-127..-1); -128 does nothing. A run may continue from one
// plane row into the next, so the decoder keeps it until ForgetRun.
#include <cstddef>
#include <cstdint>

#include "image/MappedFile.h"

namespace pixolan {

class CByteRun1Decoder {
 public:
  explicit CByteRun1Decoder(CMappedFile& source) : m_source(source) {}

  // Drops a run in progress: pictures start every row with a fresh control byte.
  void ForgetRun();
  // Writes exactly n decoded bytes to out; false when the source ends first.
  bool Fill(std::uint8_t* out, std::size_t n);

 private:
  bool StartRun();

  CMappedFile& m_source;
  std::size_t m_nLiteralLeft = 0;
  std::size_t m_nRepeatLeft = 0;
  std::uint8_t m_repeatValue = 0;
};

}  // namespace pixolan
