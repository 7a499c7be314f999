#include "lockdown.h"

#include <seccomp.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <termios.h>
#include <unistd.h>

namespace Lockdown {

namespace {

// What a decoder, an encoder and the threads of their libraries need once loaded: memory,
// threads and their synchronisation, time, the descriptors already open, and signals to
// itself (abort).
const int allowed[] = {
    SCMP_SYS(read),
    SCMP_SYS(readv),
    SCMP_SYS(pread64),
    SCMP_SYS(preadv),
    SCMP_SYS(write),
    SCMP_SYS(writev),
    SCMP_SYS(pwrite64),
    SCMP_SYS(lseek),
    SCMP_SYS(close),
    SCMP_SYS(fstat),
    SCMP_SYS(sendmsg),
    SCMP_SYS(recvmsg),
    SCMP_SYS(sendto),
    SCMP_SYS(recvfrom),
    SCMP_SYS(poll),
    SCMP_SYS(ppoll),
    SCMP_SYS(mmap),
    SCMP_SYS(munmap),
    SCMP_SYS(mremap),
    SCMP_SYS(mprotect),
    SCMP_SYS(madvise),
    SCMP_SYS(brk),
    SCMP_SYS(futex),
    SCMP_SYS(set_robust_list),
    SCMP_SYS(get_robust_list),
    SCMP_SYS(rseq),
    SCMP_SYS(set_tid_address),
    SCMP_SYS(membarrier),
    SCMP_SYS(exit),
    SCMP_SYS(exit_group),
    SCMP_SYS(rt_sigaction),
    SCMP_SYS(rt_sigprocmask),
    SCMP_SYS(rt_sigreturn),
    SCMP_SYS(sigaltstack),
    SCMP_SYS(getpid),
    SCMP_SYS(gettid),
    SCMP_SYS(getppid),
    SCMP_SYS(getuid),
    SCMP_SYS(geteuid),
    SCMP_SYS(getgid),
    SCMP_SYS(getegid),
    SCMP_SYS(clock_gettime),
    SCMP_SYS(clock_getres),
    SCMP_SYS(clock_nanosleep),
    SCMP_SYS(nanosleep),
    SCMP_SYS(gettimeofday),
    SCMP_SYS(time),
    SCMP_SYS(sched_yield),
    SCMP_SYS(sched_getaffinity),
    SCMP_SYS(sched_setaffinity),
    SCMP_SYS(sched_getparam),
    SCMP_SYS(sched_getscheduler),
    SCMP_SYS(getcpu),
    SCMP_SYS(getrandom),
    SCMP_SYS(getrusage),
    SCMP_SYS(times),
    SCMP_SYS(sysinfo),
    SCMP_SYS(uname),
    SCMP_SYS(getrlimit),
    SCMP_SYS(restart_syscall),
    // Wake-ups between threads, which Qt's event loops make for themselves.
    SCMP_SYS(eventfd2),
    SCMP_SYS(pipe2),
    // Files in memory only, for encoders that seek in what they write.
    SCMP_SYS(memfd_create),
    SCMP_SYS(ftruncate),
};

// Asked for and refused, with an answer the libraries understand.
struct Refused
{
    int call;
    int error;
};

const Refused refused[] = {
    // Files: the input arrives open, the output leaves through the socket.
    { SCMP_SYS(open), EACCES },
    { SCMP_SYS(openat), EACCES },
    { SCMP_SYS(openat2), EACCES },
    { SCMP_SYS(creat), EACCES },
    // The network.
    { SCMP_SYS(socket), EACCES },
    { SCMP_SYS(socketpair), EACCES },
    // glibc tries this first and falls back to clone, whose flags can be inspected.
    { SCMP_SYS(clone3), ENOSYS },
};

// No picture needs these: an attempt means the worker is no longer ours, and ends it, so
// that its program can say so.
const int fatal[] = {
    SCMP_SYS(execve),
    SCMP_SYS(execveat),
    SCMP_SYS(fork),
    SCMP_SYS(vfork),
};

bool limit(int resource, rlim_t value, QString *error)
{
    const rlimit bounds { value, value };
    if (::setrlimit(resource, &bounds) == 0)
        return true;
    *error = QStringLiteral("cannot set a resource limit: %1").arg(qt_error_string(errno));
    return false;
}

// The system calls the worker may make, and how the others fail; 0, or the first error.
int addRules(scmp_filter_ctx filter)
{
    int status = 0;
    const auto add
        = [&](uint32_t action, int call, unsigned count = 0, scmp_arg_cmp first = scmp_arg_cmp(),
              scmp_arg_cmp second = scmp_arg_cmp()) {
              if (status != 0)
                  return;
              if (count == 0)
                  status = seccomp_rule_add(filter, action, call, 0);
              else if (count == 1)
                  status = seccomp_rule_add(filter, action, call, 1, first);
              else
                  status = seccomp_rule_add(filter, action, call, 2, first, second);
          };
    for (int call : allowed)
        add(SCMP_ACT_ALLOW, call);
    for (const Refused &call : refused)
        add(SCMP_ACT_ERRNO(uint32_t(call.error)), call.call);
    for (int call : fatal)
        add(SCMP_ACT_KILL_PROCESS, call);

    // Threads, but no processes.
    add(SCMP_ACT_ALLOW, SCMP_SYS(clone), 1,
        SCMP_A0(SCMP_CMP_MASKED_EQ, CLONE_THREAD, CLONE_THREAD));
    add(SCMP_ACT_KILL_PROCESS, SCMP_SYS(clone), 1, SCMP_A0(SCMP_CMP_MASKED_EQ, CLONE_THREAD, 0));
    // Signals to its own threads only (abort, the runtime's thread signals).
    add(SCMP_ACT_ALLOW, SCMP_SYS(tgkill), 1, SCMP_A0(SCMP_CMP_EQ, scmp_datum_t(::getpid())));
    // Status of the descriptors it holds, never of a path.
    add(SCMP_ACT_ALLOW, SCMP_SYS(newfstatat), 1,
        SCMP_A3(SCMP_CMP_MASKED_EQ, AT_EMPTY_PATH, AT_EMPTY_PATH));
    add(SCMP_ACT_ALLOW, SCMP_SYS(statx), 1,
        SCMP_A2(SCMP_CMP_MASKED_EQ, AT_EMPTY_PATH, AT_EMPTY_PATH));
    add(SCMP_ACT_ALLOW, SCMP_SYS(fcntl), 1, SCMP_A1(SCMP_CMP_EQ, F_GETFD));
    add(SCMP_ACT_ALLOW, SCMP_SYS(fcntl), 1, SCMP_A1(SCMP_CMP_EQ, F_SETFD));
    add(SCMP_ACT_ALLOW, SCMP_SYS(fcntl), 1, SCMP_A1(SCMP_CMP_EQ, F_GETFL));
    // isatty() and nothing else of the terminal.
    add(SCMP_ACT_ALLOW, SCMP_SYS(ioctl), 1, SCMP_A1(SCMP_CMP_EQ, TCGETS));
    // Reading its own limits (glibc's getrlimit), not changing them.
    add(SCMP_ACT_ALLOW, SCMP_SYS(prlimit64), 2, SCMP_A0(SCMP_CMP_EQ, 0), SCMP_A2(SCMP_CMP_EQ, 0));
    add(SCMP_ACT_ALLOW, SCMP_SYS(prctl), 1, SCMP_A0(SCMP_CMP_EQ, PR_SET_NAME));
    add(SCMP_ACT_ALLOW, SCMP_SYS(prctl), 1, SCMP_A0(SCMP_CMP_EQ, PR_GET_NAME));
    return status;
}

} // namespace

bool apply(quint64 addressSpace, QString *error)
{
    // The address sanitizer reserves terabytes of address space for its shadow memory; a
    // build made with it has its own limits on what a process may allocate.
#if defined(__SANITIZE_ADDRESS__)
    addressSpace = 0;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    addressSpace = 0;
#endif
#endif
    if (!limit(RLIMIT_CORE, 0, error))
        return false;
    if (addressSpace > 0 && !limit(RLIMIT_AS, rlim_t(addressSpace), error))
        return false;
    // Required for a filter without privileges, and it keeps set-user-id programs from
    // granting any; nothing is started anyway.
    if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0) {
        *error = QStringLiteral("cannot drop privileges: %1").arg(qt_error_string(errno));
        return false;
    }

    scmp_filter_ctx filter = seccomp_init(SCMP_ACT_ERRNO(EPERM));
    if (!filter) {
        *error = QStringLiteral("cannot make a system call filter");
        return false;
    }
    int status = addRules(filter);
    if (status == 0)
        status = seccomp_load(filter);
    seccomp_release(filter);
    if (status != 0) {
        *error = QStringLiteral("cannot install the system call filter: %1")
                     .arg(qt_error_string(-status));
        return false;
    }
    return true;
}

} // namespace Lockdown
