#include "JsonInternal.h"

#include "records/NumberText.h"

std::size_t WriteNumberText(double value, char* out) {
    const QString text = NumberText(value, QLatin1Char('.'));
    for (qsizetype i = 0; i < text.size(); ++i) out[i] = char(text[i].unicode());
    return std::size_t(text.size());
}
