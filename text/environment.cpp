// Environment variables and the home directory, for the places of the settings and recovery files.
#include "text/environment.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

std::string EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::string HomeDirectory() {
    std::string home = EnvironmentValue("HOME");
    if (!home.empty()) return home;
    // A session started without HOME (a service, env -i) still has an account with a home directory.
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    if (size <= 0) size = 16384;
    std::vector<char> buffer(static_cast<std::size_t>(size));
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
        found->pw_dir != nullptr)
        home = found->pw_dir;
    return home;
}
