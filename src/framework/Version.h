#pragma once
// The program's version, set once by the build from its project version, so that
// pixolan-cli --version, the About box and the package always agree.
#ifndef PIXOLAN_VERSION
#error "PIXOLAN_VERSION comes from the build (CMake's project version)"
#endif

namespace pixolan {

inline constexpr const char* kVersion = PIXOLAN_VERSION;

}  // namespace pixolan
