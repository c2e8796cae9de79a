#pragma once
// The permissions of files and folders bind root too while the object lives:
// the test's thread puts aside the capabilities that let root pass over them
// and takes them back afterwards (an ordinary user has none to put aside).
// So a folder without write permission refuses a new file as root in CI as
// on a developer's machine, where changing the file system (chattr,
// read-only mounts) would need rights or a file system that tests lack.

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

class DroitsOrdinaires {
public:
    DroitsOrdinaires() {
        if (syscall(SYS_capget, &entete_, avant_) != 0) return;
        __user_cap_data_struct sans[2] = {avant_[0], avant_[1]};
        sans[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        actif_ = syscall(SYS_capset, &entete_, sans) == 0;
    }
    ~DroitsOrdinaires() {
        if (actif_) syscall(SYS_capset, &entete_, avant_);
    }
    DroitsOrdinaires(const DroitsOrdinaires&) = delete;
    DroitsOrdinaires& operator=(const DroitsOrdinaires&) = delete;

    bool actif() const { return actif_; }

private:
    __user_cap_header_struct entete_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct avant_[2]{};
    bool actif_ = false;
};
