#pragma once
// A full disk without a file system of its own: the process may not grow any
// file beyond `octets` while the object lives (writes fail with EFBIG, as
// they fail with ENOSPC on a full disk).

#include <csignal>
#include <sys/resource.h>

class DisqueLimite {
public:
    explicit DisqueLimite(rlim_t octets) {
        getrlimit(RLIMIT_FSIZE, &avant_);
        ancienSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite = avant_;
        limite.rlim_cur = octets;
        actif_ = setrlimit(RLIMIT_FSIZE, &limite) == 0;
    }
    ~DisqueLimite() {
        setrlimit(RLIMIT_FSIZE, &avant_);
        std::signal(SIGXFSZ, ancienSignal_);
    }
    DisqueLimite(const DisqueLimite&) = delete;
    DisqueLimite& operator=(const DisqueLimite&) = delete;

    bool actif() const { return actif_; }

private:
    rlimit avant_{};
    void (*ancienSignal_)(int) = nullptr;
    bool actif_ = false;
};
