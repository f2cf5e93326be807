#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <cstddef>
#include <optional>

// The 15-significant-digit text of a double: fixed form from 0.0001 up to below 1E15,
// scientific form (1.5E-7, -2.5E20) otherwise; zero of either sign is "0".
// `mark` is the decimal mark: "." in documents, the user's separator in window fields.
QString NumberText(double value, QChar mark);

// The same text as Latin-1 characters in `out`, which must hold kNumberCharsCapacity; returns the
// length. For writing many numbers without a QString each.
inline constexpr std::size_t kNumberCharsCapacity = 32;
std::size_t NumberChars(double value, char mark, char* out);

// NumberText written into `out`, which has room for kNumberCharsCapacity characters; returns the
// end. Texts of many numbers (a spectrum's data lines) are built without a string per number.
QChar* WriteNumberChars(QChar* out, double value, QChar mark);

// Reads a number text with the given decimal mark: optional spaces, sign, digits, fraction,
// exponent, spaces; nothing else. Values too small for a double become 0; values too large
// fail, except that a magnitude up to 1.79769313486232E308 (the text of the largest double)
// reads as the largest double, so every text we write reads back.
std::optional<double> ReadNumber(QStringView text, QChar mark);

// The user's decimal separator, read once at program start (see InitDecimalSeparator).
QChar DecimalSeparator();

// Reads the separator from the system locale; a separator of more than one character gives ".".
void InitDecimalSeparator();

// Sets the separator directly; used at start-up and by tests.
void SetDecimalSeparator(QChar separator);

// The separator that a locale's decimal point text gives us.
QChar SeparatorFromLocaleText(const QString& decimalPoint);

// The text read with the user's separator, or NO_VALUE when it does not read.
double TextToFloat(QStringView text);

// The mass field's text: empty for NO_VALUE, otherwise the number text with the user's separator.
QString FloatToText(double value);
