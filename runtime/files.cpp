// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/files.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace vermona {

namespace {

constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

// PATH.PID-N.tmp, both numbers decimal.
std::string temporaryName(const std::string &path, int attempt) {
    return path + "." + std::to_string(::getpid()) + "-" + std::to_string(attempt) + ".tmp";
}

} // namespace

ReadFault readWholeFile(const std::string &path, std::size_t maxBytes, std::string &text, Overflow overflow) {
    text.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return errno == ENOENT ? ReadFault::Missing : ReadFault::Unreadable;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return ReadFault::Unreadable;
    }
    ReadFault fault = ReadFault::None;
    char buf[4096];
    for (;;) {
        // One byte beyond the limit tells a file that is exactly maxBytes
        // long from a longer one.
        const std::size_t room = maxBytes - text.size();
        const std::size_t want = overflow == Overflow::KeepHead ? std::min(sizeof buf, room) : sizeof buf;
        if (want == 0) {
            break;
        }
        const ssize_t n = ::read(fd, buf, want);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            fault = ReadFault::Unreadable;
            break;
        }
        if (n == 0) {
            break;
        }
        if (static_cast<std::size_t>(n) > room) {
            fault = ReadFault::TooLarge;
            break;
        }
        text.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (fault != ReadFault::None) {
        text.clear();
    }
    return fault;
}

void removeStaleTemporaries(const std::string &path) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    const std::string prefix = target.filename().string() + ".";
    const std::string suffix = ".tmp";
    std::error_code ec;
    fs::directory_iterator it(target.parent_path().empty() ? fs::path(".") : target.parent_path(), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() <= prefix.size() + suffix.size() || name.compare(0, prefix.size(), prefix) != 0 ||
            name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) {
            continue;
        }
        // Exactly PID-N, both decimal, as temporaryName makes them.
        std::string_view middle(name);
        middle = middle.substr(prefix.size(), middle.size() - prefix.size() - suffix.size());
        auto dash = middle.find('-');
        auto digits = [](std::string_view s) {
            return !s.empty() && s.size() <= 9 && std::all_of(s.begin(), s.end(), isDigit);
        };
        if (dash == std::string_view::npos || !digits(middle.substr(0, dash)) ||
            !digits(middle.substr(dash + 1))) {
            continue;
        }
        pid_t pid = 0;
        for (char c : middle.substr(0, dash)) {
            pid = pid * 10 + (c - '0');
        }
        // Only a dead writer's file is ours to take; kill(pid, 0) fails with
        // ESRCH exactly when no such process runs.
        if (pid <= 0 || ::kill(pid, 0) == 0 || errno != ESRCH) {
            continue;
        }
        std::error_code typeError;
        if (it->is_regular_file(typeError) && !it->is_symlink(typeError)) {
            ::unlink(it->path().c_str());
        }
    }
}

int writeFileAtomically(const std::string &path, std::string_view text) {
    // A name of our own beside the target, so that the rename stays within
    // one file system and never replaces anything but the file itself.
    removeStaleTemporaries(path);
    std::string tmp;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        tmp = temporaryName(path, attempt);
        fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0 && errno != EEXIST) {
            return errno;
        }
    }
    if (fd < 0) {
        return EEXIST;
    }
    auto fail = [&](int err) {
        if (fd >= 0) {
            ::close(fd);
        }
        ::unlink(tmp.c_str());
        return err;
    };
    const char *p = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return fail(n < 0 ? errno : EIO);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) {
        return fail(errno);
    }
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0) {
        return fail(errno);
    }
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        return fail(errno);
    }
    // Make the rename itself durable. The new file is complete and in place
    // already, so a file system that cannot sync a directory is no failure.
    const std::filesystem::path dir = std::filesystem::path(path).parent_path();
    const int dfd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return 0;
}

} // namespace vermona
