#pragma once
// What the fuzz targets share: their input as text, and properties whose breach is a finding
// like a crash.

#include <QByteArray>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

inline QByteArray fuzzText(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

#define FUZZ_REQUIRE(condition)                                                                    \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "property broken: %s\n", #condition);                             \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
