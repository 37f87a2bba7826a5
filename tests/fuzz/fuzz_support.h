#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// What every harness needs before its first input: a GUI application on the offscreen
// platform (the layouts measure text), a program directory of its own and a prompter that
// answers every question with Yes and shows nothing.
void initFuzzing();

// The program directory of the run, empty at the start.
QString fuzzProgramDir();

// Writes bytes as they are into the program directory; returns the path.
QString writeFuzzFile(const QString &name, const QByteArray &bytes);

inline QByteArray fuzzBytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// A failed property: the message goes to standard error and the run stops with a finding.
[[noreturn]] void fuzzFailure(const char *property, const QString &detail);

#define FUZZ_CHECK(condition, detail)                                                              \
    do {                                                                                           \
        if (!(condition))                                                                          \
            fuzzFailure(#condition, detail);                                                       \
    } while (false)
