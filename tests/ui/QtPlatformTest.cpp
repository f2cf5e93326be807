#include "ui/QtPlatform.h"

#include "support/TestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include <gtest/gtest.h>

TEST(QtPlatform, FilterTextForQtsFileDialog) {
    const std::pair<const char*, const char*> cases[] = {
        {"JSON files (*.json)|*.json", "JSON files (*.json)"},
        {"JSON files|*.json;*.txt|All|*", "JSON files (*.json *.txt);;All (*)"},
        {"", ""},
    };
    for (const auto& [filter, qt] : cases) EXPECT_EQ(QtFilter(QString::fromUtf8(filter)), QString::fromUtf8(qt)) << filter;
}

// Text on the clipboard wins over a picture, as the paste commands expect.
TEST(QtPlatform, ClipboardTextTakesPrecedence) {
    QtPlatform platform;
    ASSERT_TRUE(platform.HasClipboard());
    QImage picture(2, 2, QImage::Format_ARGB32);
    picture.fill(Qt::red);

    auto* both = new QMimeData;
    both->setText(QStringLiteral("text"));
    both->setImageData(picture);
    QGuiApplication::clipboard()->setMimeData(both);
    ClipboardValue value = platform.ReadClipboard();
    ASSERT_TRUE(std::holds_alternative<QString>(value));
    EXPECT_EQ(std::get<QString>(value), "text");

    QGuiApplication::clipboard()->setImage(picture);
    value = platform.ReadClipboard();
    ASSERT_TRUE(std::holds_alternative<QImage>(value));
    EXPECT_EQ(std::get<QImage>(value).size(), QSize(2, 2));

    QGuiApplication::clipboard()->clear();
    EXPECT_TRUE(std::holds_alternative<std::monostate>(platform.ReadClipboard()));

    platform.WriteClipboardText(QStringLiteral("{\r\n}\r\n"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "{\r\n}\r\n");
}
