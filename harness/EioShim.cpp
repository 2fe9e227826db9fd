// A preloaded library that makes the disk fail under one program: once ZEM_EIO_AFTER writes or flushes have
// gone to files whose path contains ZEM_EIO_MATCH (the database, its log), that call and every later one on
// such files fails with EIO; with ZEM_EIO_FULL set, the writes fail with ENOSPC instead, as on a full disk,
// and the flushes go through. Other files (the terminal, the package) are left alone. ZEM_EIO_AFTER=0 fails
// nothing; ZEM_EIO_COUNT names a file that receives, when the program ends, how many such calls it made, and
// ZEM_EIO_TRACE one that receives a line for each (its number, write or flush, the file).
#include <dlfcn.h>
#include <errno.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/types.h>
#include <sys/uio.h>
#include <unistd.h>

#include <atomic>

namespace {

std::atomic<long> calls{0};

enum class Call { Write, Flush };

bool failing(int fd, Call call = Call::Write) {
    const char* match = getenv("ZEM_EIO_MATCH");
    const char* after = getenv("ZEM_EIO_AFTER");
    if (!match || !after || fd < 0)
        return false;
    char link[64];
    char path[PATH_MAX];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = readlink(link, path, sizeof path - 1);
    if (n <= 0)
        return false;
    path[n] = '\0';
    if (!strstr(path, match))
        return false;
    const long limit = atol(after);
    const bool full = getenv("ZEM_EIO_FULL") != nullptr;
    const long number = ++calls;
    if (const char* trace = getenv("ZEM_EIO_TRACE")) {
        if (FILE* f = fopen(trace, "a")) {
            fprintf(f, "%ld %s %s\n", number, call == Call::Flush ? "flush" : "write", path);
            fclose(f);
        }
    }
    if (number < limit || limit <= 0 || (full && call == Call::Flush))
        return false;
    errno = full ? ENOSPC : EIO;
    return true;
}

__attribute__((destructor)) void tell() {
    if (const char* file = getenv("ZEM_EIO_COUNT")) {
        if (FILE* f = fopen(file, "w")) {
            fprintf(f, "%ld\n", calls.load());
            fclose(f);
        }
    }
}

template <typename F>
F real(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" {

ssize_t write(int fd, const void* buf, size_t count) {
    if (failing(fd))
        return -1;
    static const auto f = real<ssize_t (*)(int, const void*, size_t)>("write");
    return f(fd, buf, count);
}

ssize_t pwrite(int fd, const void* buf, size_t count, off_t offset) {
    if (failing(fd))
        return -1;
    static const auto f = real<ssize_t (*)(int, const void*, size_t, off_t)>("pwrite");
    return f(fd, buf, count, offset);
}

ssize_t pwrite64(int fd, const void* buf, size_t count, off64_t offset) {
    if (failing(fd))
        return -1;
    static const auto f = real<ssize_t (*)(int, const void*, size_t, off64_t)>("pwrite64");
    return f(fd, buf, count, offset);
}

ssize_t writev(int fd, const struct iovec* iov, int n) {
    if (failing(fd))
        return -1;
    static const auto f = real<ssize_t (*)(int, const struct iovec*, int)>("writev");
    return f(fd, iov, n);
}

int fsync(int fd) {
    if (failing(fd, Call::Flush))
        return -1;
    static const auto f = real<int (*)(int)>("fsync");
    return f(fd);
}

int fdatasync(int fd) {
    if (failing(fd, Call::Flush))
        return -1;
    static const auto f = real<int (*)(int)>("fdatasync");
    return f(fd);
}
}
