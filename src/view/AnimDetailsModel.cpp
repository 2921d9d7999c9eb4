#include "view/AnimDetailsModel.h"

#include <algorithm>

#include "document/PxoDoc.h"

namespace pixolan {

std::uint32_t NextFrameWrapped(std::uint32_t frame, std::uint32_t count) { return frame < count ? frame + 1 : 1; }

std::uint32_t PreviousFrameWrapped(std::uint32_t frame, std::uint32_t count) { return frame < 2 ? count : frame - 1; }

std::vector<std::string> CAnimDetailsModel::EntryNames() const {
  std::vector<std::string> names;
  for (const auto& animation : m_doc.m_animations) names.push_back(animation->Name());
  return names;
}

ListState CAnimDetailsModel::Fill(std::optional<int> select) {
  m_entries.clear();
  for (const auto& animation : m_doc.m_animations) m_entries.push_back(animation.get());
  // Selecting an index the list does not have leaves it without a selection.
  if (select && (*select < 0 || static_cast<std::size_t>(*select) >= m_entries.size())) select.reset();
  return {m_entries, select};
}

std::optional<ListState> CAnimDetailsModel::OnUpdate(UpdateHint hint, std::optional<int> selectedIndex) {
  std::optional<ListState> state;
  if (hint == HINT_INITIAL_UPDATE || hint == HINT_ANIM_CHANGED) {
    state = Fill(selectedIndex);
    OnSelChange(state->nSelected);
  }
  if (hint == HINT_LIST_EDITED) state = ShowDocumentsCurrent();
  if (hint == HINT_INITIAL_UPDATE || hint == HINT_ANIM_ADDED) {
    const int count = static_cast<int>(m_doc.m_animations.size());
    state = Fill(count > 0 ? std::optional<int>(count - 1) : std::nullopt);
    OnSelChange(state->nSelected);
  }
  return state;
}

ListState CAnimDetailsModel::ShowDocumentsCurrent() {
  const std::optional<std::size_t> index = m_doc.CurrentAnimationIndex();
  const CAnimation* animation = index ? Current() : nullptr;
  m_nFrames = animation != nullptr ? animation->m_nFrameCount : 0;
  m_nFrame = animation != nullptr ? static_cast<std::uint32_t>(std::max(m_doc.m_nCurrentFrame, 0)) : 0;
  return Fill(index ? std::optional<int>(static_cast<int>(*index)) : std::nullopt);
}

void CAnimDetailsModel::OnSelChange(std::optional<int> index) {
  if (!index || *index < 0 || static_cast<std::size_t>(*index) >= m_entries.size()) return;
  CAnimation* animation = m_entries[static_cast<std::size_t>(*index)];
  // An entry whose record the document no longer holds is never made current.
  const auto held = std::find_if(m_doc.m_animations.begin(), m_doc.m_animations.end(),
                                 [animation](const auto& a) { return a.get() == animation; });
  if (held == m_doc.m_animations.end()) return;
  m_nFrame = 1;
  m_nFrames = animation->m_nFrameCount;
  m_doc.SetCurrentAnimation(animation);
  m_doc.SetCurrentFrame(1);
}

CAnimation* CAnimDetailsModel::Current() const { return m_doc.m_pCurrentAnim; }

void CAnimDetailsModel::SetFrame(std::uint32_t frame) {
  m_nFrame = frame;
  // Frame numbers past INT32_MAX become negative and address no frame.
  m_doc.SetCurrentFrame(static_cast<int>(frame));
}

void CAnimDetailsModel::OnFirstFrame() {
  if (Current() != nullptr) SetFrame(1);
}

void CAnimDetailsModel::OnPreviousFrame() {
  if (Current() != nullptr) SetFrame(m_nFrame > 1 ? m_nFrame - 1 : m_nFrame);
}

void CAnimDetailsModel::OnNextFrame() {
  if (const CAnimation* animation = Current()) SetFrame(m_nFrame < animation->m_nFrameCount ? m_nFrame + 1 : m_nFrame);
}

void CAnimDetailsModel::OnLastFrame() {
  if (const CAnimation* animation = Current()) SetFrame(animation->m_nFrameCount);
}

void CAnimDetailsModel::OnSpinDelta(int delta) {
  const CAnimation* animation = Current();
  if (animation == nullptr) return;
  if (delta == -1) SetFrame(NextFrameWrapped(m_nFrame, animation->m_nFrameCount));
  if (delta == 1) SetFrame(PreviousFrameWrapped(m_nFrame, animation->m_nFrameCount));
}

bool CAnimDetailsModel::OnFrameTyped(const std::string& text) {
  const CAnimation* animation = Current();
  if (animation == nullptr || text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
  // Leading zeros are skipped; more digits than a frame count has means past the last.
  const std::size_t first = std::min(text.find_first_not_of('0'), text.size());
  const std::string digits = text.substr(first);
  const std::uint32_t count = animation->m_nFrameCount;
  std::uint32_t frame = digits.size() > 9 ? count : static_cast<std::uint32_t>(std::stoul("0" + digits));
  frame = std::clamp<std::uint32_t>(frame, 1, std::max<std::uint32_t>(count, 1));
  if (frame == m_nFrame) return false;
  SetFrame(frame);
  return true;
}

void CAnimDetailsModel::OnFrameKey(FrameKey key) {
  switch (key) {
    case FrameKey::kPrevious: OnPreviousFrame(); break;
    case FrameKey::kNext: OnNextFrame(); break;
    case FrameKey::kFirst: OnFirstFrame(); break;
    case FrameKey::kLast: OnLastFrame(); break;
    case FrameKey::kPlayStop: OnPlay(); break;
  }
}

void CAnimDetailsModel::OnPlay() {
  if (Current() == nullptr || m_bPlaying) {
    OnStop();
  } else {
    m_bPlaying = true;
  }
}

void CAnimDetailsModel::OnStop() { m_bPlaying = false; }

void CAnimDetailsModel::OnTimer() {
  // Without a current animation the tick does nothing; playback goes on.
  if (const CAnimation* animation = Current()) SetFrame(NextFrameWrapped(m_nFrame, animation->m_nFrameCount));
}

std::string CAnimDetailsModel::FrameText() const { return std::to_string(m_nFrame); }

std::string CAnimDetailsModel::FramesText() const { return std::to_string(m_nFrames); }

}  // namespace pixolan
