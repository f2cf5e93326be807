#pragma once

// Pieces of the JSON layer shared by its own files only.

#include "Json.h"

#include <QIODevice>

#include <cstddef>

// FormatJSONUtf8 straight into a device, a piece at a time; false when a write failed.
bool FormatJSONTo(QIODevice& device, const JsonValue& value);

// ParseJSONUtf8 for the bytes of `source` from `offset` on. The document keeps `source` and its
// number texts point into it.
std::optional<JsonDocument> ParseUtf8Source(const QByteArray& source, qsizetype offset);

// The length of the well-formed UTF-8 sequence that starts with the byte at `p` (0x80 or above)
// and ends before `end`, or 0 when there is none: no overlong forms, no surrogates, nothing
// beyond U+10FFFF.
inline int Utf8SequenceLength(const unsigned char* p, const unsigned char* end) {
    const unsigned c = *p;
    unsigned low = 0x80, high = 0xBF;
    int length;
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        if (c == 0xE0) low = 0xA0;
        if (c == 0xED) high = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        if (c == 0xF0) low = 0x90;
        if (c == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (end - p < length || p[1] < low || p[1] > high) return 0;
    for (int i = 2; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80) return 0;
    }
    return length;
}
