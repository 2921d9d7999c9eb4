#include "ViewFixture.h"
#include "view/AnimDetailsModel.h"

namespace pixolan::test {
namespace {

class AnimDetailsModelTest : public ViewTest {
 protected:
  // Three animations of 1, 3 and 2 frames, the list filled as on opening.
  void OpenThree() {
    AddAnimation("Idle", 1);
    AddAnimation("Walk", 3);
    AddAnimation("Jump", 2);
    m_state = m_model.OnUpdate(0, std::nullopt);
  }

  void Select(int index) {
    m_model.OnSelChange(index);
    m_view.m_hints.clear();
  }

  CAnimDetailsModel m_model{m_doc};
  std::optional<ListState> m_state;
};

TEST_F(AnimDetailsModelTest, OpeningSelectsTheLastAnimationAtFrameOne) {
  OpenThree();
  ASSERT_TRUE(m_state);
  EXPECT_EQ(m_state->nSelected, 2);
  EXPECT_EQ(m_state->entries.size(), 3u);
  EXPECT_EQ(m_model.EntryNames(), (std::vector<std::string>{"Idle", "Walk", "Jump"}));
  EXPECT_EQ(m_doc.m_pCurrentAnim, m_doc.m_animations[2].get());
  EXPECT_EQ(m_doc.GetCurrentFrame(), 1);
  EXPECT_EQ(m_model.FrameText(), "1");
  EXPECT_EQ(m_model.FramesText(), "2");
}

TEST_F(AnimDetailsModelTest, HintsRefillByTheirRules) {
  OpenThree();
  Select(1);
  m_doc.m_animations[1]->SetFrameCount(5);  // Properties changed the count
  m_state = m_model.OnUpdate(HINT_ANIM_CHANGED, 1);
  EXPECT_EQ(m_state->nSelected, 1);  // kept
  EXPECT_EQ(m_model.FramesText(), "5");
  EXPECT_EQ(m_view.m_hints, (std::vector<long>{3, 3}));
  AddAnimation("Fall", 4);
  m_state = m_model.OnUpdate(HINT_ANIM_ADDED, 1);
  EXPECT_EQ(m_state->nSelected, 3);  // the new one
  EXPECT_EQ(m_doc.m_pCurrentAnim->Name(), "Fall");
  m_view.m_hints.clear();
  EXPECT_FALSE(m_model.OnUpdate(HINT_IMAGE_CHANGED, 3));
  EXPECT_FALSE(m_model.OnUpdate(HINT_CURRENT_CHANGED, 3));
  EXPECT_TRUE(m_view.m_hints.empty());
  EXPECT_EQ(m_model.OnUpdate(HINT_ANIM_CHANGED, 9)->nSelected, std::nullopt);  // an index the list lacks
}

TEST_F(AnimDetailsModelTest, EmptyListSetsNoCurrentAnimation) {
  m_state = m_model.OnUpdate(0, std::nullopt);
  EXPECT_TRUE(m_state->entries.empty());
  EXPECT_EQ(m_state->nSelected, std::nullopt);
  EXPECT_TRUE(m_view.m_hints.empty());
  m_model.OnPlay();
  EXPECT_FALSE(m_model.IsPlaying());
  m_model.OnNextFrame();
  m_model.OnSpinDelta(-1);
  m_model.OnSelChange(0);
  EXPECT_TRUE(m_view.m_hints.empty());
}

TEST_F(AnimDetailsModelTest, FrameCommandsStepClampOrWrap) {
  enum Command { kFirst, kPrevious, kNext, kLast, kSpinUp, kSpinDown, kSpinOther, kTick };
  struct Case {
    int index;  // 0: one frame, 1: three frames
    std::uint32_t from;
    Command command;
    std::uint32_t to;
  };
  const Case cases[] = {
      {1, 3, kNext, 3},     {1, 2, kNext, 3},     {1, 1, kPrevious, 1}, {1, 3, kPrevious, 2},
      {1, 2, kFirst, 1},    {1, 1, kLast, 3},     {1, 3, kSpinUp, 1},   {1, 1, kSpinUp, 2},
      {1, 1, kSpinDown, 3}, {1, 3, kSpinDown, 2}, {1, 2, kSpinOther, 2}, {1, 3, kTick, 1},
      {1, 1, kTick, 2},     {0, 1, kNext, 1},     {0, 1, kSpinUp, 1},   {0, 1, kSpinDown, 1},
      {0, 1, kTick, 1},     {0, 1, kLast, 1},
  };
  OpenThree();
  for (const Case& c : cases) {
    Select(c.index);
    m_model.m_nFrame = c.from;
    switch (c.command) {
      case kFirst: m_model.OnFirstFrame(); break;
      case kPrevious: m_model.OnPreviousFrame(); break;
      case kNext: m_model.OnNextFrame(); break;
      case kLast: m_model.OnLastFrame(); break;
      case kSpinUp: m_model.OnSpinDelta(-1); break;
      case kSpinDown: m_model.OnSpinDelta(1); break;
      case kSpinOther: m_model.OnSpinDelta(2); break;
      case kTick: m_model.OnTimer(); break;
    }
    EXPECT_EQ(m_model.m_nFrame, c.to) << "case " << (&c - cases);
    // Every command but an unknown spin sets the current frame, changed or not.
    const bool sets = c.command != kSpinOther;
    EXPECT_EQ(m_view.m_hints, sets ? std::vector<long>{3} : std::vector<long>{});
    EXPECT_EQ(m_doc.m_nCurrentFrame, sets ? static_cast<std::int32_t>(c.to) : 1);  // selecting set 1
  }
}

TEST_F(AnimDetailsModelTest, PlaybackWrapsAndPlayTogglesWithStop) {
  OpenThree();
  Select(1);
  m_model.OnPlay();
  ASSERT_TRUE(m_model.IsPlaying());
  std::vector<std::uint32_t> shown;
  for (int tick = 0; tick < 5; ++tick) {
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

}  // namespace
}  // namespace pixolan::test
