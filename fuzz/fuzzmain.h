#pragma once

#include <QCoreApplication>
#include <cstddef>
#include <cstdint>

// Shared set-up for the fuzz targets: one application object, so that Qt's plugin loading
// (picture formats) and settings files behave as they do in the shell.
inline void kestrelFuzzInit(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    Q_UNUSED(app);
}

// A failed check inside a target must stop the run like a crash, so libFuzzer keeps the input.
#define FUZZ_CHECK(condition) \
    do { \
        if (!(condition)) \
            __builtin_trap(); \
    } while (false)
