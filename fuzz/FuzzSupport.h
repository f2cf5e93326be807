#pragma once

// What every fuzz target shares: the entry points libFuzzer calls, a Qt application for the
// image codecs, and a check that stops the run when an invariant breaks.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// The input as bytes, without a copy.
inline QByteArrayView InputBytes(const std::uint8_t* data, std::size_t size) {
    return QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size));
}

// Aborts with the message, so that libFuzzer keeps the input that broke the invariant.
#define FUZZ_CHECK(condition)                                                                     \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                         \
        }                                                                                         \
    } while (false)
