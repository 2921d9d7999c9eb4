#include "ui/DialogTemplates.h"

#include <array>

#include "framework/Version.h"

namespace {

using K = ControlKind;

constexpr ControlTemplate kAbout[] = {
    {kStaticId, K::kIcon, "", {11, 14, 21, 20}},
    {kStaticId, K::kLabel, "Pixolan Version " PIXOLAN_VERSION, {42, 10, 124, 8}},
    {kStaticId, K::kLabel, "Copyright (C) Brindlewerk", {42, 25, 124, 8}},
    {1, K::kDefaultButton, "OK", {178, 7, 50, 14}},
};

constexpr ControlTemplate kAddAnimation[] = {
    {1, K::kDefaultButton, "OK", {129, 7, 50, 14}},
    {2, K::kButton, "Cancel", {129, 24, 50, 14}},
    {kStaticId, K::kGroupBox, "Animation Name", {7, 4, 115, 31}},
    {1002, K::kEdit, "", {14, 16, 101, 13}},
    {kStaticId, K::kGroupBox, "# Frames", {7, 38, 115, 31}},
    {1003, K::kNumberEdit, "", {14, 50, 40, 13}},
};

constexpr ControlTemplate kExportOptions[] = {
    {1, K::kDefaultButton, "OK", {200, 60, 50, 14}},
    {2, K::kButton, "Cancel", {200, 45, 50, 14}},
    {1013, K::kCheckBox, "Force Transparent First Block", {10, 5, 120, 10}},
    {kStaticId, K::kGroupBox, "Palette ASM File", {5, 45, 190, 30}},
    {1014, K::kEdit, "", {10, 56, 165, 14}},
    {1015, K::kButton, "...", {175, 55, 15, 14}},
    {1016, K::kCheckBox, "Use Palette File", {10, 15, 120, 10}},
    {1017, K::kCheckBox, "Make First Colour Transparent Colour", {10, 25, 120, 10}},
    {1018, K::kCheckBox, "Remap Image", {10, 35, 120, 10}},
    {kStaticId, K::kLabel, "Label prefix", {10, 83, 50, 8}},
    {1019, K::kEdit, "", {60, 80, 135, 14}},
};

// Two columns of four: palettes 0..3 on the left, 4..7 on the right.
constexpr ControlTemplate PaletteLabel(int n, const char* text) {
  return {kStaticId, K::kLabel, text, {14 + (n / 4) * 76, 20 + (n % 4) * 16, 36, 8}};
}
constexpr ControlTemplate PaletteEdit(int n) {
  return {1016 + n, K::kNumberEdit, "", {52 + (n / 4) * 76, 18 + (n % 4) * 16, 30, 12}};
}

constexpr ControlTemplate kExportPalette[] = {
    {1, K::kDefaultButton, "OK", {172, 7, 50, 14}},
    {2, K::kButton, "Cancel", {172, 24, 50, 14}},
    {kStaticId, K::kGroupBox, "Palette Start Indicies", {7, 4, 158, 82}},
    PaletteLabel(0, "Palette 0"), PaletteEdit(0), PaletteLabel(1, "Palette 1"), PaletteEdit(1),
    PaletteLabel(2, "Palette 2"), PaletteEdit(2), PaletteLabel(3, "Palette 3"), PaletteEdit(3),
    PaletteLabel(4, "Palette 4"), PaletteEdit(4), PaletteLabel(5, "Palette 5"), PaletteEdit(5),
    PaletteLabel(6, "Palette 6"), PaletteEdit(6), PaletteLabel(7, "Palette 7"), PaletteEdit(7),
    {kStaticId, K::kLabel, "Label prefix", {7, 95, 50, 8}},
    {1024, K::kEdit, "", {57, 92, 108, 14}},
};

constexpr ControlTemplate kInsertFrame[] = {
    {1, K::kDefaultButton, "OK", {129, 7, 50, 14}},
    {2, K::kButton, "Cancel", {129, 24, 50, 14}},
    {kStaticId, K::kGroupBox, "Insert After Frame", {7, 4, 115, 31}},
    {1017, K::kNumberEdit, "", {14, 16, 40, 13}},
};

constexpr std::array kTemplates = {
    DialogTemplate{100, "About Pixolan", 235, 42, kAbout},
    DialogTemplate{133, "Add New Animation", 186, 76, kAddAnimation},
    DialogTemplate{139, "Export Options", 252, 100, kExportOptions},
    DialogTemplate{140, "Export Palette", 229, 112, kExportPalette},
    DialogTemplate{141, "Insert Frame", 186, 42, kInsertFrame},
};

}  // namespace

const DialogTemplate* FindDialogTemplate(int templateId) {
  for (const DialogTemplate& dialogTemplate : kTemplates) {
    if (dialogTemplate.nId == templateId) return &dialogTemplate;
  }
  return nullptr;
}
