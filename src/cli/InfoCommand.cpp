// pixolan-cli info FILE...: what each sheet (or document) holds.
#include <iostream>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "image/ImageReaderList.h"

namespace pixolan::cli {
namespace {

bool PrintSheetInfo(const std::string& path) {
  CImageReaderList readers;
  std::unique_ptr<CRasterImage> image = readers.OpenImage(path.c_str());
  if (!image) {
    std::cerr << path << ": error: cannot load image\n";
    return false;
  }
  std::cout << path << ": " << readers.FormatOf(path) << ' ' << image->m_nWidth << 'x' << image->m_nHeight << ", "
            << image->m_nBitsPerPixel << " bpp, palette " << image->PaletteSize() << " entries\n";
  return true;
}

}  // namespace

void AddInfoCommand(CLI::App& app, int& exitStatus) {
  auto files = std::make_shared<std::vector<std::string>>();
  CLI::App* info = app.add_subcommand("info", "Print what each sheet file holds");
  info->add_option("files", *files, "Sheet files (.bmp, .lbm, .iff, .gbr)")->required();
  info->callback([files, &exitStatus] {
    for (const std::string& path : *files) {
      if (!PrintSheetInfo(path)) exitStatus = kExitFailure;
    }
  });
}

}  // namespace pixolan::cli
