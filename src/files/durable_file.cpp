#include "files/durable_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <strings.h>

namespace vela {

namespace fs = std::filesystem;

namespace {

// Says what failed and why, closes fd when one is given, and leaves errno
// at the cause.
bool failure(std::string& error, const std::string& what, const std::string& path, int fd = -1) {
    int cause = errno;
    error = what + " " + path + ": " + std::strerror(cause);
    if (fd >= 0) ::close(fd);
    errno = cause;
    return false;
}

std::string folderOf(const std::string& path) {
    std::string folder = fs::path(path).parent_path().string();
    return folder.empty() ? "." : folder;
}

}  // namespace

bool WriteAndSync(const std::string& path, std::span<const uint8_t> bytes, std::string& error) {
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) return failure(error, "cannot remove", path);
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) return failure(error, "cannot create", path);
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) errno = ENOSPC;  // a disk that takes no byte of a write is full
        if (n <= 0) return failure(error, "cannot write", path, fd);
        done += std::size_t(n);
    }
    if (::fsync(fd) != 0) return failure(error, "cannot flush", path, fd);
    // A close that fails may have lost data the disk never took.
    if (::close(fd) != 0) return failure(error, "cannot close", path);
    return true;
}

bool RenameFile(const std::string& from, const std::string& to, std::string& error) {
    if (std::rename(from.c_str(), to.c_str()) != 0) return failure(error, "cannot rename " + from + " to", to);
    return true;
}

bool SyncFolder(const std::string& folder, std::string& error) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return failure(error, "cannot open folder", folder);
    if (::fsync(fd) != 0) return failure(error, "cannot flush folder", folder, fd);
    ::close(fd);
    return true;
}

bool ReplaceFile(const std::string& path, std::span<const uint8_t> bytes, std::string& error) {
    std::string temporary = path + ".tmp";
    if (!WriteAndSync(temporary, bytes, error) || !RenameFile(temporary, path, error)) {
        int cause = errno;
        std::remove(temporary.c_str());
        errno = cause;
        return false;
    }
    return SyncFolder(folderOf(path), error);
}

bool ReplaceFile(const std::string& path, std::string_view text, std::string& error) {
    return ReplaceFile(path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()), error);
}

std::string FindFileNoCase(const std::string& folder, const std::string& name) {
    std::error_code ec;
    if (fs::is_regular_file(fs::path(folder) / name, ec)) return name;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        std::string candidate = entry.path().filename().string();
        if (candidate.size() == name.size() && strcasecmp(candidate.c_str(), name.c_str()) == 0 &&
            entry.is_regular_file(ec))
            return candidate;
    }
    return "";
}

}  // namespace vela
