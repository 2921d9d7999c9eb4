#pragma once
// Sheets fill tens of megabytes that are written once, right after they are
// reserved: asking for large pages spares the system a page fault per 4 KiB,
// which dominates such a write on some machines. Only a hint: where the system
// has no large pages nothing changes.
#include <cstddef>
#include <vector>

namespace pixolan {

// Advises large pages for the whole 2 MiB pages inside [data, data + bytes).
void AdviseLargePages(const void* data, std::size_t bytes);

// An empty vector with room for n elements, advised as above before anything is written.
template <typename T>
std::vector<T> ReserveLarge(std::size_t n) {
  std::vector<T> v;
  v.reserve(n);
  AdviseLargePages(v.data(), n * sizeof(T));
  return v;
}

}  // namespace pixolan
