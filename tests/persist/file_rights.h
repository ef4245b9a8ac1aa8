#pragma once
// Makes permission bits bind while tests run as root: drops the capabilities that let root
// read, write and search anything from this thread's effective set, and gives them back
// at the end of the scope. For other users it changes nothing, since they hold neither.
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <vector>

namespace kestrilon::testing {

class PermissionsBind {
public:
    PermissionsBind() {
        syscall(SYS_capget, &header_, saved_);
        __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
        lowered[0].effective &= ~kOverrides;
        syscall(SYS_capset, &header_, lowered);
        __user_cap_data_struct now[2]{};
        binds_ = syscall(SYS_capget, &header_, now) == 0 && (now[0].effective & kOverrides) == 0;
    }
    ~PermissionsBind() {
        for (auto it = modes_.rbegin(); it != modes_.rend(); ++it) ::chmod(it->first.c_str(), it->second);
        syscall(SYS_capset, &header_, saved_);
    }
    PermissionsBind(const PermissionsBind&) = delete;
    PermissionsBind& operator=(const PermissionsBind&) = delete;

    // False where the capabilities could not be dropped; the test should skip then.
    bool Binds() const { return binds_; }

    // Sets the mode of a file or folder; the old mode returns with the scope's end.
    void Mode(const std::filesystem::path& path, mode_t mode) {
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0) modes_.push_back({path, st.st_mode & 07777});
        ::chmod(path.c_str(), mode);
    }

private:
    static constexpr uint32_t kOverrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
    std::vector<std::pair<std::filesystem::path, mode_t>> modes_;
    bool binds_ = false;
};

}  // namespace kestrilon::testing
