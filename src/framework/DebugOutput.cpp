#include "framework/DebugOutput.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace pixolan {
namespace {

void DefaultSink(std::string_view text) {
  static const bool enabled = std::getenv("PIXOLAN_DEBUG") != nullptr;
  if (enabled) {
    std::fwrite(text.data(), 1, text.size(), stderr);
  }
}

DebugSink& CurrentSink() {
  static DebugSink sink = DefaultSink;
  return sink;
}

}  // namespace

void OutputDebugString(std::string_view text) { CurrentSink()(text); }

DebugSink SetDebugSink(DebugSink sink) {
  DebugSink previous = std::move(CurrentSink());
  CurrentSink() = sink ? std::move(sink) : DebugSink(DefaultSink);
  return previous;
}

}  // namespace pixolan
