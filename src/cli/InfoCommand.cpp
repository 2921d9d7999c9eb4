// pixolan-cli info FILE...: what each sheet (or document) holds, as text or,
// for tools, as a JSON array of one object per file.
#include <cctype>
#include <iostream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "document/PxoDoc.h"
#include "framework/ConsolePrompts.h"
#include "framework/MemorySettings.h"
#include "image/ImageReaderList.h"
#include "image/TrueColourIndex.h"

namespace pixolan::cli {
namespace {

bool PrintSheetInfo(const std::string& path) {
  CImageReaderList readers;
  std::string refusal;
  std::unique_ptr<CRasterImage> image = readers.OpenImage(path.c_str(), &refusal);
  if (!image) {
    std::cerr << WithReason(path + ": error: cannot load image", refusal) << '\n';
    return false;
  }
  std::cout << path << ": " << readers.FormatOf(path) << ' ' << image->m_nWidth << 'x' << image->m_nHeight << ", ";
  if (image->HasPalette()) {
    std::cout << image->m_nBitsPerPixel << " bpp, palette " << image->PaletteSize() << " entries\n";
    return true;
  }
  const std::uint32_t colours = CountTrueColours(*image);
  std::cout << "RGB " << image->m_nBitsPerPixel << " bpp (" << colours << (colours == 1 ? " colour: " : " colours: ")
            << (colours <= kMaxIndexedColours ? "exportable as indexed" : "too many to export") << ")\n";
  return true;
}

bool IsDocumentPath(const std::string& path) {
  if (path.size() < 4) return false;
  std::string ext = path.substr(path.size() - 4);
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext == ".pxo";
}

std::string RectText(const CRect& r) {
  return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) + ", " +
         std::to_string(r.bottom) + ")";
}

void PrintAnimation(const CAnimation& animation) {
  std::cout << "ANIM \"" << animation.Name() << "\": " << animation.m_nFrameCount << " frames\n";
  for (std::uint32_t k = 0; k < animation.m_nFrameCount; ++k) {
    const CAnimFrame& frame = animation.FrameOrNeverSet(k);
    std::cout << "  frame " << k + 1 << ": ";
    if (frame.m_bValid) {
      std::cout << RectText(frame.m_rectSource) << " at (" << frame.m_nOffsetX << ", " << frame.m_nOffsetY << ")\n";
    } else {
      std::cout << "not set\n";
    }
  }
}

bool PrintDocumentInfo(const std::string& path) {
  CConsolePrompts prompts([](std::string_view text) { std::cerr << text << '\n'; });
  CMemorySettings settings;
  CPxoDoc doc(prompts, settings);
  doc.SetBuildDisplayBitmap(false);
  if (!doc.OnOpenDocument(path)) return false;
  std::cout << path << ": document\n";
  std::cout << "sheet: \"" << doc.m_strImagePath << "\" ";
  if (!doc.m_pImage) std::cout << "(not loaded)\n";
  else if (doc.m_strLoadedImagePath == doc.m_strImagePath) std::cout << "(loaded)\n";
  else std::cout << "(loaded from \"" << doc.m_strLoadedImagePath << "\")\n";
  std::cout << "canvas: " << doc.m_nCanvasWidth << 'x' << doc.m_nCanvasHeight << ", zoom " << doc.m_nZoom << '\n';
  CRect selection;
  const bool selected = doc.GetSelection(selection);
  std::cout << "selection: " << (selected ? RectText(selection) : std::string("none")) << '\n';
  for (const auto& animation : doc.m_animations) PrintAnimation(*animation);
  if (doc.m_pCurrentAnim != nullptr) std::cout << "current: \"" << doc.m_pCurrentAnim->Name() << "\"\n";
  else std::cout << "current: none\n";
  return true;
}

using Json = nlohmann::ordered_json;

Json RectJson(const CRect& r) { return Json::array({r.left, r.top, r.right, r.bottom}); }

Json FailureJson(const std::string& path, const std::string& reason) {
  return {{"file", path}, {"error", reason}};
}

Json SheetJson(const std::string& path) {
  CImageReaderList readers;
  std::unique_ptr<CRasterImage> image = readers.OpenImage(path.c_str());
  if (!image) {
    std::cerr << path << ": error: cannot load image\n";
    return FailureJson(path, "cannot load image");
  }
  return {{"file", path},
          {"kind", "sheet"},
          {"format", std::string(readers.FormatOf(path))},
          {"width", image->m_nWidth},
          {"height", image->m_nHeight},
          {"depth", image->m_nBitsPerPixel},
          {"paletteSize", image->PaletteSize()}};
}

Json AnimationJson(const CAnimation& animation) {
  Json frames = Json::array();
  for (std::uint32_t k = 0; k < animation.m_nFrameCount; ++k) {
    const CAnimFrame& frame = animation.FrameOrNeverSet(k);
    if (!frame.m_bValid) {
      frames.push_back(nullptr);
      continue;
    }
    frames.push_back(
        {{"source", RectJson(frame.m_rectSource)}, {"offsetX", frame.m_nOffsetX}, {"offsetY", frame.m_nOffsetY}});
  }
  return {{"name", animation.Name()}, {"frames", frames}};
}

Json DocumentJson(const std::string& path) {
  std::string reason;
  CConsolePrompts prompts([&reason](std::string_view text) {
    std::cerr << text << '\n';
    if (reason.empty()) reason = text;
  });
  CMemorySettings settings;
  CPxoDoc doc(prompts, settings);
  doc.SetBuildDisplayBitmap(false);
  if (!doc.OnOpenDocument(path)) return FailureJson(path, reason.empty() ? "cannot open document" : reason);
  Json animations = Json::array();
  for (const auto& animation : doc.m_animations) animations.push_back(AnimationJson(*animation));
  CRect selection;
  const bool selected = doc.GetSelection(selection);
  return {{"file", path},
          {"kind", "document"},
          {"sheet", doc.m_strImagePath},
          {"sheetLoadedFrom", doc.m_pImage ? Json(doc.m_strLoadedImagePath) : Json(nullptr)},
          {"canvasWidth", doc.m_nCanvasWidth},
          {"canvasHeight", doc.m_nCanvasHeight},
          {"zoom", doc.m_nZoom},
          {"selection", selected ? RectJson(selection) : Json(nullptr)},
          {"animations", animations},
          {"current", doc.m_pCurrentAnim != nullptr ? Json(doc.m_pCurrentAnim->Name()) : Json(nullptr)}};
}

bool PrintJson(const std::vector<std::string>& paths) {
  Json files = Json::array();
  bool ok = true;
  for (const std::string& path : paths) {
    files.push_back(IsDocumentPath(path) ? DocumentJson(path) : SheetJson(path));
    ok = ok && !files.back().contains("error");
  }
  // Names and paths are bytes from the files: anything that is not UTF-8 is replaced, not refused.
  return WriteToStdout(files.dump(2, ' ', false, Json::error_handler_t::replace) + "\n") && ok;
}

}  // namespace

void AddInfoCommand(CLI::App& app, int& exitStatus) {
  auto files = std::make_shared<std::vector<std::string>>();
  auto json = std::make_shared<bool>(false);
  CLI::App* info = app.add_subcommand("info", "Print what each sheet or document file holds");
  info->add_option("files", *files, "Sheet files (.bmp, .lbm, .iff, .gbr, .png) or documents (.pxo)")->required();
  info->add_flag("--json", *json, "Print a JSON array of one object per file");
  info->callback([files, json, &exitStatus] {
    if (*json) {
      if (!PrintJson(*files)) exitStatus = kExitFailure;
      return;
    }
    for (const std::string& path : *files) {
      const bool ok = IsDocumentPath(path) ? PrintDocumentInfo(path) : PrintSheetInfo(path);
      if (!ok) exitStatus = kExitFailure;
    }
  });
}

}  // namespace pixolan::cli
