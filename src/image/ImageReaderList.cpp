#include "image/ImageReaderList.h"

#include "framework/DebugOutput.h"
#include "image/BmpReader.h"
#include "image/GbrReader.h"
#include "image/IffReader.h"
#include "image/PngReader.h"

namespace pixolan {
namespace {

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
  }
  return true;
}

template <typename Reader>
class CReaderFactory : public CImageReaderFactory {
 public:
  CReaderFactory(std::initializer_list<std::string_view> extensions, std::string_view format)
      : m_extensions(extensions), m_format(format) {}
  bool Handles(std::string_view path) const override {
    for (std::string_view ext : m_extensions) {
      if (PathHasExtension(path, {ext})) return true;
    }
    return false;
  }
  std::unique_ptr<CImageReader> CreateReader() const override { return std::make_unique<Reader>(); }
  std::string_view Format() const override { return m_format; }

 private:
  std::vector<std::string_view> m_extensions;
  std::string_view m_format;
};

using CBmpReaderFactory = CReaderFactory<CBmpReader>;
using CGbrReaderFactory = CReaderFactory<CGbrReader>;
using CIffReaderFactory = CReaderFactory<CIffReader>;
using CPngReaderFactory = CReaderFactory<CPngReader>;

constexpr const char* kNoReader = "not a .bmp, .lbm, .iff, .gbr or .png file";

std::unique_ptr<CRasterImage> Refused(std::string_view name, const std::string& reason, std::string* refusal) {
  OutputDebugString("cannot load image " + std::string(name) + ": " + reason + "\n");
  if (refusal != nullptr) *refusal = reason;
  return nullptr;
}

}  // namespace

std::string WithReason(std::string_view message, std::string_view reason) {
  if (reason.empty()) return std::string(message);
  const bool lineEnd = !message.empty() && message.back() == '\n';
  std::string text(message.substr(0, message.size() - (lineEnd ? 1 : 0)));
  text += ": ";
  text += reason;
  if (lineEnd) text += '\n';
  return text;
}

bool PathHasExtension(std::string_view path, std::initializer_list<std::string_view> extensions) {
  const std::size_t dot = path.rfind('.');
  if (dot == std::string_view::npos) return false;
  const std::string_view tail = path.substr(dot);
  for (std::string_view ext : extensions) {
    if (EqualsIgnoringAsciiCase(tail, ext)) return true;
  }
  return false;
}

CImageReaderList::CImageReaderList() {
  // The order is the order in which extensions are tried.
  m_factories.push_back(std::make_unique<CBmpReaderFactory>(std::initializer_list<std::string_view>{".BMP"}, "BMP"));
  m_factories.push_back(std::make_unique<CGbrReaderFactory>(std::initializer_list<std::string_view>{".GBR"}, "GBR"));
  m_factories.push_back(
      std::make_unique<CIffReaderFactory>(std::initializer_list<std::string_view>{".LBM", ".IFF"}, "IFF"));
  m_factories.push_back(std::make_unique<CPngReaderFactory>(std::initializer_list<std::string_view>{".PNG"}, "PNG"));
}

const CImageReaderFactory* CImageReaderList::FactoryFor(std::string_view path) const {
  for (const auto& factory : m_factories) {
    if (factory->Handles(path)) return factory.get();
  }
  return nullptr;
}

std::string_view CImageReaderList::FormatOf(std::string_view path) const {
  const CImageReaderFactory* factory = FactoryFor(path);
  return factory != nullptr ? factory->Format() : std::string_view{};
}

std::unique_ptr<CRasterImage> CImageReaderList::OpenImage(const char* path, std::string* refusal) const {
  if (path == nullptr || *path == '\0') return Refused("", "no file name given", refusal);
  const CImageReaderFactory* factory = FactoryFor(path);
  if (factory == nullptr) return Refused(path, kNoReader, refusal);
  std::unique_ptr<CImageReader> reader = factory->CreateReader();
  if (!reader->Load(path)) return Refused(path, reader->Refusal(), refusal);
  return reader;
}

std::unique_ptr<CRasterImage> CImageReaderList::OpenImageFromMemory(std::string_view name, const void* data,
                                                                    std::size_t size, std::string* refusal) const {
  const CImageReaderFactory* factory = FactoryFor(name);
  if (factory == nullptr) return Refused(name, kNoReader, refusal);
  std::unique_ptr<CImageReader> reader = factory->CreateReader();
  if (!reader->LoadMemory(data, size)) return Refused(name, reader->Refusal(), refusal);
  return reader;
}

}  // namespace pixolan
