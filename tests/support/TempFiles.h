#pragma once

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A test with a fresh folder of its own for the files it writes and reads.
class TempFilesTest : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return dir_.filePath(name); }

    QString Write(const QString& name, const QByteArray& bytes) const {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return Path(name);
    }

    static QByteArray Read(const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        return file.readAll();
    }

    QTemporaryDir dir_;
};
