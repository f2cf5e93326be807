#include "SpeciesFileNames.h"

#include "records/Markup.h"

#include <QRegularExpression>
#include <QSet>

namespace {

constexpr qsizetype kMaxBytes = 150;

QString Stem(const QString& speciesName) {
    QString stem = StripTags(speciesName).trimmed();
    for (QChar& c : stem) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || QStringLiteral("/\\:*?\"<>|").contains(c)) c = u'_';
    }
    if (stem.startsWith(u'.') || stem.startsWith(u'-')) stem[0] = u'_';
    // Cut at a character boundary, never between the halves of a surrogate pair.
    qsizetype bytes = 0, end = 0;
    while (end < stem.size()) {
        const qsizetype units = stem[end].isHighSurrogate() && end + 1 < stem.size() ? 2 : 1;
        const qsizetype size = stem.mid(end, units).toUtf8().size();
        if (bytes + size > kMaxBytes) break;
        bytes += size;
        end += units;
    }
    stem.truncate(end);
    while (stem.endsWith(u'.') || stem.endsWith(u' ')) stem.chop(1);
    if (stem.isEmpty()) stem = QStringLiteral("species");
    // Windows keeps these names for devices, whatever the extension.
    static const QRegularExpression device(QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])(\\..*)?$"),
                                           QRegularExpression::CaseInsensitiveOption);
    if (device.match(stem).hasMatch()) stem += u'_';
    return stem;
}

}  // namespace

QString SpeciesFileName(const QString& speciesName) { return Stem(speciesName) + QStringLiteral(".json"); }

QStringList UniqueSpeciesFileNames(const QStringList& speciesNames) {
    QStringList names;
    QSet<QString> taken;
    for (const QString& speciesName : speciesNames) {
        const QString stem = Stem(speciesName);
        QString name = stem + QStringLiteral(".json");
        for (int k = 2; taken.contains(name.toCaseFolded()); ++k) {
            name = QStringLiteral("%1 (%2).json").arg(stem).arg(k);
        }
        taken.insert(name.toCaseFolded());
        names << name;
    }
    return names;
}
