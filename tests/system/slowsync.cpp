// Preloaded into tarvo-convert by tst_hostile: each fdatasync(), which the writer calls with
// the output's temporary file complete, first creates the file TARVO_TEST_SYNC_MARK names and
// then waits three seconds, so that a test can send a signal while a file is being written.
#include <cstdlib>

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

extern "C" int fdatasync(int fd)
{
    static int (*next)(int) = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fdatasync"));
    const char *mark = std::getenv("TARVO_TEST_SYNC_MARK");
    if (mark) {
        const int marked = open(mark, O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        if (marked >= 0)
            close(marked);
        sleep(3);
    }
    return next(fd);
}
