#include "largepages.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include <unistd.h>

namespace LargePages {

namespace {

constexpr const char *kTunables = "GLIBC_TUNABLES";
constexpr const char *kSetting = "glibc.malloc.hugetlb";

// "always [madvise] never": the allocator's request only counts under madvise; with always
// every process has them already, with never nobody does.
bool kernelHonoursRequests()
{
    std::ifstream file("/sys/kernel/mm/transparent_hugepage/enabled");
    std::string modes;
    std::getline(file, modes);
    return modes.find("[madvise]") != std::string::npos;
}

// Adds the setting to the environment; false when it is there already (or refused), when the
// kernel offers none, or when the environment cannot be changed.
bool askInEnvironment()
{
    const char *tunables = std::getenv(kTunables);
    if (tunables && std::strstr(tunables, kSetting))
        return false;
    if (!kernelHonoursRequests())
        return false;
    std::string value = std::string(kSetting) + "=1";
    if (tunables && *tunables)
        value = std::string(tunables) + ":" + value;
    return setenv(kTunables, value.c_str(), 1) == 0;
}

} // namespace

void preferForChildren()
{
#ifdef __GLIBC__
    askInEnvironment();
#endif
}

void preferForHeap(char *argv[])
{
#ifdef __GLIBC__
    const char *given = std::getenv(kTunables);
    const std::string tunables = given ? given : "";
    if (!askInEnvironment())
        return;
    execv("/proc/self/exe", argv);
    // Not replaced (no /proc, say): go on as we are; the setting would only reach children.
    unsetenv(kTunables);
    if (given)
        setenv(kTunables, tunables.c_str(), 1);
#else
    (void)argv;
#endif
}

} // namespace LargePages
