#pragma once

// Makes one C library call fail with an error number for the lifetime of the object, the
// way a full disk or a failing drive would. The program's own code calls the library as
// usual; the test binary that links this file stands in for the library functions and
// passes every call through while nothing is armed.
class InjectedFault
{
public:
    enum class Call { Write, Fdatasync, Rename, Fsync };

    InjectedFault(Call call, int error);
    ~InjectedFault();
    InjectedFault(const InjectedFault &) = delete;
    InjectedFault &operator=(const InjectedFault &) = delete;

    // How many calls failed so far.
    int failures() const;
};
