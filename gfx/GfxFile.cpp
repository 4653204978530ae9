#include "GfxFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char *describeType(mode_t mode) {
    if (S_ISDIR(mode))
        return "a folder, not a file";
    if (S_ISFIFO(mode))
        return "a pipe, not a file";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device, not a file";
    return "not a regular file";
}

} // namespace

extern "C" {

bool GfxFileOpen(GfxFile *file, const char *path, const char **reason) {
    const char *why = nullptr;
    file->iFd = -1;
    file->nSize = 0;
    // Non-blocking, so that opening a pipe with no writer returns at once.
    const int fd = path ? open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY) : -1;
    struct stat info {};
    if (fd < 0) {
        why = path ? std::strerror(errno) : "no file name";
    } else if (fstat(fd, &info) != 0) {
        why = std::strerror(errno);
    } else if (!S_ISREG(info.st_mode)) {
        why = describeType(info.st_mode);
    }
    if (why) {
        if (fd >= 0)
            close(fd);
        if (reason)
            *reason = why;
        return false;
    }
    file->iFd = fd;
    file->nSize = static_cast<uint64_t>(info.st_size);
    return true;
}

bool GfxFileRead(GfxFile *file, void *buffer, size_t size) {
    auto *out = static_cast<char *>(buffer);
    while (size > 0) {
        const ssize_t got = read(file->iFd, out, size);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        out += got;
        size -= static_cast<size_t>(got);
    }
    return true;
}

void GfxFileClose(GfxFile *file) {
    if (file->iFd >= 0)
        close(file->iFd);
    file->iFd = -1;
}

} // extern "C"
