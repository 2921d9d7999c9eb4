#include "document/Animation.h"

namespace pixolan {

void CAnimation::SetName(const std::string& name) {
  std::string text = name.substr(0, name.find('\0'));
  if (text.size() >= kMaxDocumentString) text.resize(kMaxDocumentString - 1);
  m_pszName = std::move(text);
}

void CAnimation::SetFrameCount(std::uint32_t n) {
  // resize keeps the leading frames and appends default (invalid, all-zero) ones.
  m_pFrames.resize(n);
  m_nFrameCount = n;
  m_bHasFrameArray = true;
}

void CAnimation::InsertFrame(std::uint32_t after) {
  if (!m_bHasFrameArray || after > m_pFrames.size()) return;
  m_pFrames.insert(m_pFrames.begin() + static_cast<std::ptrdiff_t>(after), CAnimFrame{});
  m_nFrameCount = static_cast<std::uint32_t>(m_pFrames.size());
}

CAnimFrame* CAnimation::Frame(std::int32_t n) {
  return const_cast<CAnimFrame*>(static_cast<const CAnimation*>(this)->Frame(n));
}

const CAnimFrame* CAnimation::Frame(std::int32_t n) const {
  // The array's own size bounds the access, whatever m_nFrameCount claims.
  if (n < 1 || static_cast<std::uint32_t>(n) > m_nFrameCount || static_cast<std::size_t>(n) > m_pFrames.size()) {
    return nullptr;
  }
  return &m_pFrames[static_cast<std::size_t>(n) - 1];
}

const std::string& CAnimation::Name() const {
  static const std::string kNoName;
  return m_pszName ? *m_pszName : kNoName;
}

}  // namespace pixolan
