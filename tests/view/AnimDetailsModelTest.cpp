#include "ViewFixture.h"
#include "view/AnimDetailsModel.h"

namespace pixolan::test {
namespace {

class AnimDetailsModelTest : public ViewTest {
 protected:
  // Three animations of 1, 3 and 2 frames, the list filled as on opening.
  std::optional<ListState> OpenThree() {
    AddAnimation("Idle", 1);
    AddAnimation("Walk", 3);
    AddAnimation("Jump", 2);
    return m_model.OnUpdate(HINT_INITIAL_UPDATE, std::nullopt);
  }
  void Select(int index) {
    m_model.OnSelChange(index);
    m_view.m_hints.clear();
  }

  CAnimDetailsModel m_model{m_doc};
};

TEST_F(AnimDetailsModelTest, OpeningSelectsTheLastAnimationAtFrameOne) {
  const std::optional<ListState> state = OpenThree();
  EXPECT_EQ(state->nSelected, 2);
  EXPECT_EQ(state->entries.size(), 3u);
  EXPECT_EQ(m_model.EntryNames(), (std::vector<std::string>{"Idle", "Walk", "Jump"}));
  EXPECT_EQ(m_doc.m_pCurrentAnim, m_doc.m_animations[2].get());
  EXPECT_EQ(m_doc.GetCurrentFrame(), 1);
  EXPECT_EQ(m_model.FrameText() + "/" + m_model.FramesText(), "1/2");
}

TEST_F(AnimDetailsModelTest, HintsRefillByTheirRules) {
  OpenThree();
  Select(1);
  m_doc.m_animations[1]->SetFrameCount(5);  // Properties changed the count
  EXPECT_EQ(m_model.OnUpdate(HINT_ANIM_CHANGED, 1)->nSelected, 1);
  EXPECT_EQ(m_model.FramesText(), "5");
  EXPECT_EQ(m_view.m_hints, (std::vector<UpdateHint>{HINT_CURRENT_CHANGED, HINT_CURRENT_CHANGED}));
  AddAnimation("Fall", 4);
  EXPECT_EQ(m_model.OnUpdate(HINT_ANIM_ADDED, 1)->nSelected, 3);
  EXPECT_EQ(m_doc.m_pCurrentAnim->Name(), "Fall");
  m_view.m_hints.clear();
  EXPECT_FALSE(m_model.OnUpdate(HINT_IMAGE_CHANGED, 3));
  EXPECT_FALSE(m_model.OnUpdate(HINT_CURRENT_CHANGED, 3));
  EXPECT_TRUE(m_view.m_hints.empty());
  EXPECT_EQ(m_model.OnUpdate(HINT_ANIM_CHANGED, 9)->nSelected, std::nullopt);  // an index the list lacks
}

TEST_F(AnimDetailsModelTest, EmptyListSetsNoCurrentAnimationAndCommandsDoNothing) {
  const std::optional<ListState> state = m_model.OnUpdate(HINT_INITIAL_UPDATE, std::nullopt);
  EXPECT_TRUE(state->entries.empty());
  EXPECT_EQ(state->nSelected, std::nullopt);
  m_model.OnPlay();
  EXPECT_FALSE(m_model.IsPlaying());
  m_model.OnNextFrame();
  m_model.OnSpinDelta(-1);
  m_model.OnSelChange(0);
  EXPECT_TRUE(m_view.m_hints.empty());
}

TEST_F(AnimDetailsModelTest, FrameCommandsStepClampOrWrap) {
  // Commands: First, Previous, Next, Last, spin u(p, -1) / d(own, +1) / o(ther), t(imer tick).
  // Animation index 0 has one frame, index 1 three.
  struct Case { int index; std::uint32_t from; char command; std::uint32_t to; };
  const Case cases[] = {
      {1, 3, 'N', 3}, {1, 2, 'N', 3}, {1, 1, 'P', 1}, {1, 3, 'P', 2}, {1, 2, 'F', 1}, {1, 1, 'L', 3},
      {1, 3, 'u', 1}, {1, 1, 'u', 2}, {1, 1, 'd', 3}, {1, 3, 'd', 2}, {1, 2, 'o', 2}, {1, 3, 't', 1},
      {1, 1, 't', 2}, {0, 1, 'N', 1}, {0, 1, 'u', 1}, {0, 1, 'd', 1}, {0, 1, 't', 1}, {0, 1, 'L', 1},
  };
  OpenThree();
  for (const Case& c : cases) {
    Select(c.index);
    m_model.m_nFrame = c.from;
    if (c.command == 'F') m_model.OnFirstFrame();
    if (c.command == 'P') m_model.OnPreviousFrame();
    if (c.command == 'N') m_model.OnNextFrame();
    if (c.command == 'L') m_model.OnLastFrame();
    if (c.command == 'u') m_model.OnSpinDelta(-1);
    if (c.command == 'd') m_model.OnSpinDelta(1);
    if (c.command == 'o') m_model.OnSpinDelta(2);
    if (c.command == 't') m_model.OnTimer();
    EXPECT_EQ(m_model.m_nFrame, c.to) << c.from << c.command;
    // Every command but an unknown spin sets the current frame, changed or not.
    const bool sets = c.command != 'o';
    EXPECT_EQ(m_view.m_hints, sets ? std::vector<UpdateHint>{HINT_CURRENT_CHANGED} : std::vector<UpdateHint>{});
    EXPECT_EQ(m_doc.m_nCurrentFrame, sets ? static_cast<std::int32_t>(c.to) : 1);  // selecting set 1
  }
}

TEST_F(AnimDetailsModelTest, PlaybackWrapsAndPlayTogglesWithStop) {
  OpenThree();
  Select(1);
  m_model.OnPlay();
  std::vector<std::uint32_t> shown;
  for (int tick = 0; tick < 5 && m_model.IsPlaying(); ++tick) {
    m_model.OnTimer();
    shown.push_back(m_model.m_nFrame);
  }
  EXPECT_EQ(shown, (std::vector<std::uint32_t>{2, 3, 1, 2, 3}));
  m_model.OnPlay();  // a second Play stops
  EXPECT_FALSE(m_model.IsPlaying());
  m_model.OnPlay();
  m_doc.m_pCurrentAnim = nullptr;
  m_model.OnTimer();  // nothing to play: the timer runs on
  EXPECT_TRUE(m_model.IsPlaying());
  EXPECT_EQ(m_model.m_nFrame, 3u);
  m_model.OnStop();
  EXPECT_FALSE(m_model.IsPlaying());
}

TEST_F(AnimDetailsModelTest, FrameKeysActAsTheirButtonsAndTypedNumbersAreClamped) {
  OpenThree();
  Select(1);  // Walk, three frames
  const std::pair<FrameKey, std::uint32_t> keys[] = {
      {FrameKey::kNext, 2}, {FrameKey::kNext, 3}, {FrameKey::kNext, 3}, {FrameKey::kFirst, 1},
      {FrameKey::kPrevious, 1}, {FrameKey::kLast, 3}, {FrameKey::kPrevious, 2}};
  for (const auto& [key, frame] : keys) {
    m_model.OnFrameKey(key);
    EXPECT_EQ(m_doc.m_nCurrentFrame, static_cast<std::int32_t>(frame));
  }
  m_model.OnFrameKey(FrameKey::kPlayStop);
  EXPECT_TRUE(m_model.IsPlaying());
  m_model.OnFrameKey(FrameKey::kPlayStop);
  EXPECT_FALSE(m_model.IsPlaying());
  // Typed: past the last gives the last, 0 the first; what is not a number changes nothing.
  const std::pair<const char*, std::uint32_t> typed[] = {
      {"1", 1}, {"99", 3}, {"0", 1}, {"0002", 2}, {"12345678901234", 3}, {"", 3}, {"-1", 3}, {"2x", 3}};
  for (const auto& [text, frame] : typed) {
    m_model.OnFrameTyped(text);
    EXPECT_EQ(m_model.m_nFrame, frame) << text;
    EXPECT_EQ(m_doc.m_nCurrentFrame, static_cast<std::int32_t>(frame)) << text;
  }
}

TEST_F(AnimDetailsModelTest, AListEditShowsTheDocumentsCurrentAnimationAndFrame) {
  OpenThree();
  Select(2);
  m_doc.m_pCurrentAnim = m_doc.m_animations[1].get();  // as the edit left it: Walk at frame 3
  m_doc.m_nCurrentFrame = 3;
  const std::optional<ListState> state = m_model.OnUpdate(HINT_LIST_EDITED, 2);
  EXPECT_EQ(state->nSelected, 1);
  EXPECT_EQ(m_model.FrameText() + "/" + m_model.FramesText(), "3/3");
  EXPECT_TRUE(m_view.m_hints.empty());  // the edit told the views already
  m_doc.m_pCurrentAnim = nullptr;
  EXPECT_EQ(m_model.OnUpdate(HINT_LIST_EDITED, 1)->nSelected, std::nullopt);
  EXPECT_EQ(m_model.FrameText() + "/" + m_model.FramesText(), "0/0");
}

}  // namespace
}  // namespace pixolan::test
