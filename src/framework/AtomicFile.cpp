#include "framework/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <vector>

namespace pixolan {
namespace {

[[noreturn]] void Fail(const std::string& path, int error) {
  throw CFileException(CFileException::CauseFromErrno(error), error, path);
}

// The mode a new file would get, or the existing target's mode, so a save keeps permissions.
mode_t ModeForTarget(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Devices and pipes (/dev/full, /dev/stdout) cannot be replaced by a rename: write into them.
void WriteSpecialFile(const std::string& path, std::span<const std::uint8_t> bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) Fail(path, errno);
  int error = WriteAll(fd, bytes) ? 0 : errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error != 0) Fail(path, error);
}

// A link is kept: the file it points to is replaced, not the link itself.
std::filesystem::path FollowLink(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_symlink(path, ec)) return path;
  std::filesystem::path resolved = std::filesystem::weakly_canonical(path, ec);
  return ec ? std::filesystem::path(path) : resolved;
}

}  // namespace

void WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) Fail(path, EISDIR);
    if (!S_ISREG(st.st_mode)) return WriteSpecialFile(path, bytes);
  }
  const std::filesystem::path target = FollowLink(path);
  const std::filesystem::path dir = target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
  std::string hidden = ".";
  hidden.append(target.filename().string()).append(".XXXXXX");
  const std::string pattern = (dir / hidden).string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) Fail(path, errno);
  const std::string temp(name.data());
  int error = 0;
  if (!WriteAll(fd, bytes) || ::fchmod(fd, ModeForTarget(target.string())) != 0 || ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temp.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temp.c_str());
    Fail(path, error);
  }
}

void WriteFileAtomically(const std::string& path, const std::string& text) {
  WriteFileAtomically(path, std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace pixolan
