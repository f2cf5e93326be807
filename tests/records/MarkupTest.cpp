#include "records/Markup.h"
#include "support/TestSupport.h"

#include <QDate>
#include <QRegularExpression>

#include <gtest/gtest.h>

TEST(Markup, StripTagsRemovesOnlyTheFourTags) {
    const std::pair<const char*, const char*> cases[] = {
        {"C<sub>6</sub>H<sub>6</sub>", "C6H6"},
        {"x<sup>2</sup>", "x2"},
        {"<SUB>2</SUB>", "<SUB>2</SUB>"},
        {"<b>bold</b><sub>", "<b>bold</b>"},
        {"<su<sub>b>", "<sub>"},  // each tag is removed once, in its own pass
        {"", ""},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(StripTags(QString::fromUtf8(in)), QString::fromUtf8(out)) << in;
}

TEST(Markup, TodayIsIsoDate) {
    const QString today = TodayText();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$")).match(today).hasMatch());
    EXPECT_EQ(QDate::fromString(today, Qt::ISODate), QDate::currentDate());
}
