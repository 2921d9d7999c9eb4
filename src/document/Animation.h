#pragma once
// A named animation: an ordered array of frames, numbered from 1 by the user.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/AnimFrame.h"

namespace pixolan {

// A string in a document file holds at most this many bytes, its NUL included.
inline constexpr std::size_t kMaxDocumentString = 2048;

class CAnimation {
 public:
  virtual ~CAnimation() = default;

  // Keeps the text up to its first NUL, cut to kMaxDocumentString - 1 bytes so
  // that every name can be saved and read back.
  void SetName(const std::string& name);
  // Keeps the first min(old, n) frames; new frames are invalid.
  void SetFrameCount(std::uint32_t n);
  // Puts an invalid frame at element `after` (0: first, count: last). Nothing
  // happens before the record has a frame array or when `after` is past the end.
  void InsertFrame(std::uint32_t after);

  // Frame number n (from 1), or null when n is outside 1..m_nFrameCount.
  CAnimFrame* Frame(std::int32_t n);
  const CAnimFrame* Frame(std::int32_t n) const;
  const std::string& Name() const;  // empty for a record without a name

  std::optional<std::string> m_pszName;   // no name until SetName
  std::uint32_t m_nFrameCount = 1;        // a fresh record says one frame but has no array
  std::vector<CAnimFrame> m_pFrames;
  bool m_bHasFrameArray = false;
};

}  // namespace pixolan
