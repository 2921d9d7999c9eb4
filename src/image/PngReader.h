#pragma once
// Reads PNG pictures through libpng. Palette pictures of 1, 2, 4 and 8 bits
// become indexed images with their PLTE as palette (2 bits: a 4-bit image whose
// first four entries are used); grey pictures of 1 to 16 bits become indexed
// images with a grey ramp as palette; colour pictures, and grey ones with an
// alpha channel, become 32-bit images. 16-bit channels keep their high byte;
// interlaced files load too; transparency (tRNS) is left to the export's own rule.
// A picture whose pixels need more than 64 MiB is proven complete first.
#include <cstddef>
#include <cstdint>

#include "image/ImageReader.h"

namespace pixolan {

class CPngSession;
struct PngHeader;

class CPngReader : public CImageReader {
 protected:
  bool Decode() override;

 private:
  bool AllRowsPresent(const std::uint8_t* data, std::size_t size);
  bool RefuseWith(const CPngSession& session);
  bool DecodeIndexed(CPngSession& session, const PngHeader& header);
  bool DecodeTrueColour(CPngSession& session, const PngHeader& header);
  void CopyPalette(const CPngSession& session);
  void FillGreyRamp(int bitDepth);
  void WidenTwoBitRows();
};

}  // namespace pixolan
