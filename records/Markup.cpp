#include "Markup.h"

#include <QDate>

QString StripTags(QString text) {
    for (const char* tag : {"<sub>", "</sub>", "<sup>", "</sup>"}) text.remove(QLatin1String(tag));
    return text;
}

QString TodayText() { return QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")); }
