#pragma once

#include <csignal>
#include <sys/resource.h>

// While it lives, no file of this process may grow past limit bytes: writes fail as on a
// full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit) : FOldHandler(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &FOld);
        const rlimit lowered{limit, FOld.rlim_max};
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &FOld);
        std::signal(SIGXFSZ, FOldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit FOld{};
    void (*FOldHandler)(int) = nullptr;
};
