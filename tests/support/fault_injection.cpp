#include "fault_injection.h"

#include <atomic>
#include <cerrno>

#include <dlfcn.h>
#include <sys/types.h>

namespace {

struct Armed
{
    std::atomic<int> call{-1};
    std::atomic<int> error{0};
    std::atomic<int> failures{0};
};

Armed &armed()
{
    static Armed state;
    return state;
}

// True, with errno set, when this call is to fail.
bool failNow(InjectedFault::Call call)
{
    if (armed().call.load() != int(call))
        return false;
    ++armed().failures;
    errno = armed().error.load();
    return true;
}

template<typename Function> Function next(const char *name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

} // namespace

InjectedFault::InjectedFault(Call call, int error)
{
    armed().failures = 0;
    armed().error = error;
    armed().call = int(call);
}

InjectedFault::~InjectedFault()
{
    armed().call = -1;
}

int InjectedFault::failures() const
{
    return armed().failures.load();
}

// Standard output and error stay writable, so a failing test can still say why.
extern "C" ssize_t write(int descriptor, const void *buffer, size_t count)
{
    static const auto real = next<ssize_t (*)(int, const void *, size_t)>("write");
    if (descriptor > 2 && failNow(InjectedFault::Call::Write))
        return -1;
    return real(descriptor, buffer, count);
}

extern "C" int fdatasync(int descriptor)
{
    static const auto real = next<int (*)(int)>("fdatasync");
    if (failNow(InjectedFault::Call::Fdatasync))
        return -1;
    return real(descriptor);
}

extern "C" int fsync(int descriptor)
{
    static const auto real = next<int (*)(int)>("fsync");
    if (failNow(InjectedFault::Call::Fsync))
        return -1;
    return real(descriptor);
}

extern "C" int rename(const char *from, const char *to)
{
    static const auto real = next<int (*)(const char *, const char *)>("rename");
    if (failNow(InjectedFault::Call::Rename))
        return -1;
    return real(from, to);
}
