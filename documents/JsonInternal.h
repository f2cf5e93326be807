#pragma once

// Pieces of the JSON layer shared by its own files only.

#include "Json.h"

#include <cstddef>

// Room for any number text the layer writes ("-1.23456789012345E-308" and the like).
inline constexpr std::size_t kNumberTextCapacity = 32;

// Writes the number text of `value` with "." as decimal mark into `out`; returns its length.
std::size_t WriteNumberText(double value, char* out);

// ParseJSONUtf8 for bytes already known to be well-formed UTF-8.
std::optional<JsonDocument> ParseValidUtf8(QByteArrayView utf8);
