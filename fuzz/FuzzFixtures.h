#pragma once
// Fixed files the fuzz entries need besides their input: a small 8-bit sheet
// with repeated, mirrored and many-coloured blocks, and a palette file. They
// are built in memory and written once per process into a private folder.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace pixolan::fuzz {

inline constexpr int kSheetWidth = 32;   // four cells across
inline constexpr int kSheetHeight = 24;  // three cells down

// The sheet as an 8-bit BMP file.
const std::vector<std::uint8_t>& SheetBmpBytes();
// A palette file as the exports write it, with colours the sheet uses.
const std::string& PaletteFileText();

// The folder holding "sheet.bmp" and "palette.asm"; created on first use, removed at exit.
const std::filesystem::path& FixtureDir();
std::string SheetPath();
std::string PaletteFilePath();

}  // namespace pixolan::fuzz
