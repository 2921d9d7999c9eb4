#pragma once
// Diagnostics for developers (the GBR reader's object log). Silent by default;
// printed to stderr when PIXOLAN_DEBUG is set; tests install their own sink.
#include <functional>
#include <string_view>

namespace pixolan {

using DebugSink = std::function<void(std::string_view)>;

void OutputDebugString(std::string_view text);

// Replaces the sink and returns the previous one. An empty sink restores the default.
DebugSink SetDebugSink(DebugSink sink);

}  // namespace pixolan
