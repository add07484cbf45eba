#include "CAtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

// Writes the text to a temporary file beside the target and renames it over
// the target, so a reader never sees half a file and a failure leaves an
// existing file as it was. Answers the reason of a failure, empty on success.
std::string writeFileAtomically(const std::string& path, const std::string& text)
{
    std::string temporary = path + ".XXXXXX";
    int fd = mkstemp(temporary.data());
    if (fd < 0) return std::strerror(errno);
    size_t written = 0;
    while (written < text.size()) {
        ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            break;
        }
        written += static_cast<size_t>(n);
    }
    std::string failure;
    if (written < text.size() || fsync(fd) != 0) failure = std::strerror(errno);
    if (fchmod(fd, 0644) != 0 && failure.empty()) failure = std::strerror(errno);
    if (::close(fd) != 0 && failure.empty()) failure = std::strerror(errno);
    if (failure.empty() && std::rename(temporary.c_str(), path.c_str()) != 0) failure = std::strerror(errno);
    if (!failure.empty()) ::unlink(temporary.c_str());
    return failure;
}

