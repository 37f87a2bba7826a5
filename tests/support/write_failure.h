#pragma once

#include <sys/resource.h>

// Makes every write beyond a few bytes fail for the lifetime of the object, whoever runs
// the tests (a read-only folder does not stop root). The writes fail with EFBIG instead of
// killing the process.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
};
