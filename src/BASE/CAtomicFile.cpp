// SPDX-License-Identifier: GPL-3.0-or-later
#include "CAtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Writes the text to a new temporary file beside the target; answers the
// reason of a failure (and leaves no temporary file), empty on success.
static std::string writeTemporary(const std::string& path, const std::string& text, std::string& temporary)
{
    temporary = path + ".XXXXXX";
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
    if (!failure.empty()) ::unlink(temporary.c_str());
    return failure;
}

// Writes the text to a temporary file beside the target and renames it over
// the target, so a reader never sees half a file and a failure leaves an
// existing file as it was. Answers the reason of a failure, empty on success.
std::string writeFileAtomically(const std::string& path, const std::string& text)
{
    return writeFilesTogether({{path, text}});
}

// Every temporary is complete before the first rename, so a full disk or a
// refused folder leaves the targets as they were.
std::string writeFilesTogether(const std::vector<std::pair<std::string, std::string>>& files)
{
    std::vector<std::string> temporaries;
    std::string failure;
    for (const auto& [path, text] : files) {
        std::string temporary;
        failure = writeTemporary(path, text, temporary);
        if (!failure.empty()) break;
        temporaries.push_back(temporary);
    }
    for (size_t k = 0; failure.empty() && k < temporaries.size(); k++)
        if (std::rename(temporaries[k].c_str(), files[k].first.c_str()) != 0) failure = std::strerror(errno);
    if (!failure.empty())
        for (const std::string& temporary : temporaries) ::unlink(temporary.c_str());
    return failure;
}

std::string readWholeFile(const std::string& path, std::string& text)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::strerror(errno);
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return "not a regular file";
    }
    text.clear();
    text.reserve(static_cast<size_t>(info.st_size));
    char buffer[65536];
    while (true) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            std::string failure = std::strerror(errno);
            ::close(fd);
            return failure;
        }
        text.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return {};
}
