#include <array>

#include "FuzzEntries.h"

namespace pixolan::fuzz {
namespace {

constexpr std::array kTargets{
    FuzzTarget{"bmp", &FuzzBmp},           FuzzTarget{"iff", &FuzzIff},
    FuzzTarget{"gbr", &FuzzGbr},           FuzzTarget{"pxo", &FuzzPxo},
    FuzzTarget{"pxo_sheet", &FuzzPxoSheet}, FuzzTarget{"palette_file", &FuzzPaletteFile},
    FuzzTarget{"export", &FuzzExport},     FuzzTarget{"png", &FuzzPng},
};

}  // namespace

std::span<const FuzzTarget> AllTargets() { return kTargets; }

const FuzzTarget* FindTarget(std::string_view name) {
  for (const FuzzTarget& target : kTargets) {
    if (target.name == name) return &target;
  }
  return nullptr;
}

}  // namespace pixolan::fuzz
