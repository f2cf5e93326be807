#pragma once

#include <QString>
#include <QStringList>

#include <cmath>

// A realistic spectrum data text of `lines` points (a damped oscillation over 8 to 28 eV), in
// ascending or descending energy order, as a contributor would paste it.
inline QStringList SpectrumTextLines(int lines, bool descending) {
    QStringList text;
    text.reserve(lines);
    for (int i = 0; i < lines; ++i) {
        const int k = descending ? lines - 1 - i : i;
        const double x = 8 + k * 0.0002;
        const double y = 1000 * (1 + std::sin(k * 0.01)) * std::exp(-k * 0.00002);
        text.append(QString::number(x, 'f', 4) + QLatin1Char('\t') + QString::number(y, 'g', 6));
    }
    return text;
}
