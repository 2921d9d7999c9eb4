#pragma once
// The labels the animation export defines for an animation, in one place for
// the writer and for the check that they are sound: "Anim" and the name with
// every space made "_" (labels cannot hold spaces), and that label followed by
// "Frame" and the frame's index for each frame.
#include <algorithm>
#include <cstdint>
#include <string>

namespace pixolan {

inline std::string AnimationLabel(const std::string& name) {
  std::string label = "Anim" + name;
  std::replace(label.begin(), label.end(), ' ', '_');
  return label;
}

inline std::string FrameLabel(const std::string& animationLabel, std::uint32_t frame) {
  return animationLabel + "Frame" + std::to_string(frame);
}

}  // namespace pixolan
