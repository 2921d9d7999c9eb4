#include "document/Animation.h"

#include <utility>

namespace pixolan {

void CAnimation::SetName(const std::string& name) {
  std::string text = name.substr(0, name.find('\0'));
  if (text.size() >= kMaxDocumentString) text.resize(kMaxDocumentString - 1);
  m_pszName = std::move(text);
}

void CAnimation::SetFrameCount(std::uint32_t n) {
  // resize keeps the leading frames and appends default (invalid, all-zero) ones.
  m_frames.resize(n);
  m_nFrameCount = n;
}

void CAnimation::InsertFrame(std::uint32_t after) {
  if (!HasFrameArray() || after > m_nFrameCount) return;
  m_frames.insert(m_frames.begin() + static_cast<std::ptrdiff_t>(after), CAnimFrame{});
  ++m_nFrameCount;
}

void CAnimation::RemoveFrame(std::uint32_t index) {
  if (!HasFrameArray() || index >= m_nFrameCount) return;
  m_frames.erase(m_frames.begin() + static_cast<std::ptrdiff_t>(index));
  --m_nFrameCount;
}

void CAnimation::DuplicateFrame(std::uint32_t index) {
  if (!HasFrameArray() || index >= m_nFrameCount) return;
  const CAnimFrame copy = m_frames[index];  // insert may move the array
  m_frames.insert(m_frames.begin() + static_cast<std::ptrdiff_t>(index) + 1, copy);
  ++m_nFrameCount;
}

void CAnimation::SwapFrames(std::uint32_t a, std::uint32_t b) {
  if (!HasFrameArray() || a >= m_nFrameCount || b >= m_nFrameCount) return;
  std::swap(m_frames[a], m_frames[b]);
}

CAnimFrame* CAnimation::Frame(std::int32_t n) {
  return const_cast<CAnimFrame*>(static_cast<const CAnimation*>(this)->Frame(n));
}

const CAnimFrame* CAnimation::Frame(std::int32_t n) const {
  if (n < 1 || static_cast<std::size_t>(n) > m_frames.size() || !HasFrameArray()) return nullptr;
  return &m_frames[static_cast<std::size_t>(n) - 1];
}

const CAnimFrame& CAnimation::FrameOrNeverSet(std::uint32_t i) const {
  static const CAnimFrame kNeverSet{};
  return i < m_frames.size() ? m_frames[i] : kNeverSet;
}

const std::string& CAnimation::Name() const {
  static const std::string kNoName;
  return m_pszName ? *m_pszName : kNoName;
}

}  // namespace pixolan
