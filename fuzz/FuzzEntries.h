#pragma once
// The entry points shared by the libFuzzer targets and the regression replay:
// each takes one input's bytes and drives one reader (or the whole export) the
// way the program would. Expected refusals are swallowed; anything else (a
// sanitizer report, an escaping exception, an abort) is a finding.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace pixolan::fuzz {

using EntryFunction = int (*)(const std::uint8_t* data, std::size_t size);

struct FuzzTarget {
  std::string_view name;  // "bmp", "pxo", ... also the folder name under corpus/ and regressions/
  EntryFunction entry;
};

int FuzzBmp(const std::uint8_t* data, std::size_t size);
int FuzzIff(const std::uint8_t* data, std::size_t size);
int FuzzGbr(const std::uint8_t* data, std::size_t size);
int FuzzPng(const std::uint8_t* data, std::size_t size);
// The document reader on the raw bytes: the sheet path inside rarely names a file.
int FuzzPxo(const std::uint8_t* data, std::size_t size);
// The document reader after a fixed valid head whose path names a small sheet,
// so that the canvas, selection and animation fields are reached.
int FuzzPxoSheet(const std::uint8_t* data, std::size_t size);
int FuzzPaletteFile(const std::uint8_t* data, std::size_t size);
int FuzzExport(const std::uint8_t* data, std::size_t size);

std::span<const FuzzTarget> AllTargets();
const FuzzTarget* FindTarget(std::string_view name);

}  // namespace pixolan::fuzz
