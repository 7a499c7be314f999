// Shuts itself in as a worker does, then tries one thing a picture never needs and tells by
// its exit how that went: 0 when refused as the sandbox should refuse it, 1 when it was not.
// What ends the process instead (starting a program, making a process) ends it with SIGSYS.
// Usage: tarvo-lockdown-probe open|socket|exec|fork|thread|memory-file
#include <QString>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <unistd.h>

#include "lockdown.h"

int main(int argc, char *argv[])
{
    if (argc != 2)
        std::_Exit(2);
    QString error;
    if (!Lockdown::apply(quint64(4) << 30, &error))
        std::_Exit(3);
    const char *what = argv[1];
    bool refused = false;
    if (std::strcmp(what, "open") == 0) {
        refused = ::open("/etc/hostname", O_RDONLY) < 0 && errno == EACCES;
    } else if (std::strcmp(what, "socket") == 0) {
        refused = ::socket(AF_INET, SOCK_STREAM, 0) < 0 && errno == EACCES;
    } else if (std::strcmp(what, "exec") == 0) {
        ::execl("/bin/true", "true", static_cast<char *>(nullptr));
    } else if (std::strcmp(what, "fork") == 0) {
        if (::fork() == 0)
            std::_Exit(0);
    } else if (std::strcmp(what, "thread") == 0) {
        // Allowed: the libraries' own threads must work.
        std::thread([] {}).join();
        refused = true;
    } else if (std::strcmp(what, "memory-file") == 0) {
        refused = ::memfd_create("probe", MFD_CLOEXEC) >= 0; // allowed, for the PDF writer
    } else {
        std::_Exit(2);
    }
    // Without exit handlers, which the sanitizers would run and the sandbox refuse.
    std::_Exit(refused ? 0 : 1);
}
