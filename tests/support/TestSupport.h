#pragma once

#include <QString>

#include <ostream>

// Third-party test data shipped beside the checkout.
inline QString TestData(const QString& relative) {
    return QStringLiteral(SPECEDIT_TESTDATA) + QLatin1Char('/') + relative;
}

// Lets GoogleTest print QStrings in failure messages.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
QT_END_NAMESPACE
