// Runs a fuzz target's entry point over the files and folders it is given, one input per file,
// so that the seed corpus and every input that once broke a target are replayed by the ordinary
// tests, without clang's fuzzing engine.

#include "FuzzSupport.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <cstdio>

int main(int argc, char** argv) {
    LLVMFuzzerInitialize(&argc, &argv);
    QStringList files;
    for (int i = 1; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        if (QFileInfo(path).isDir()) {
            QDirIterator it(path, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) files.append(it.next());
        } else {
            files.append(path);
        }
    }
    if (files.isEmpty()) {
        std::fprintf(stderr, "no inputs found\n");
        return 1;
    }
    std::sort(files.begin(), files.end());
    for (const QString& path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
            return 1;
        }
        const QByteArray bytes = file.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size()));
    }
    std::printf("%lld inputs replayed\n", static_cast<long long>(files.size()));
    return 0;
}
