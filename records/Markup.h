#pragma once

#include <QString>

// Removes the four sub- and superscript tags (case-sensitive); other tags stay.
QString StripTags(QString text);

// Today's local date as "yyyy-mm-dd", whatever the locale.
QString TodayText();
