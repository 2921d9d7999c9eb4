#include "image/ByteRun1.h"

namespace pixolan {

void CByteRun1Decoder::ForgetRun() {
  m_nLiteralLeft = 0;
  m_nRepeatLeft = 0;
}

bool CByteRun1Decoder::StartRun() {
  std::uint8_t control = 0;
  if (!m_source.ReadU8(control)) return false;
  const int n = static_cast<std::int8_t>(control);
  if (n >= 0) {
    m_nLiteralLeft = static_cast<std::size_t>(n) + 1;
  } else if (n != -128) {
    if (!m_source.ReadU8(m_repeatValue)) return false;
    m_nRepeatLeft = static_cast<std::size_t>(1 - n);
  }
  return true;
}

bool CByteRun1Decoder::Fill(std::uint8_t* out, std::size_t n) {
  std::size_t done = 0;
  while (done < n) {
    if (m_nLiteralLeft > 0) {
      if (!m_source.ReadU8(out[done])) return false;
      --m_nLiteralLeft;
      ++done;
    } else if (m_nRepeatLeft > 0) {
      out[done++] = m_repeatValue;
      --m_nRepeatLeft;
    } else if (!StartRun()) {
      return false;
    }
  }
  return true;
}

}  // namespace pixolan
