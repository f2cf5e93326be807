#include "Documents.h"

#include "DocumentParts.h"

#include "records/Markup.h"

JsonDocument DatabaseDocument(const std::vector<TSpeciesEntry>& entries, const QString& title,
                              const QString& version, const QString& date) {
    JsonBuilder b;
    b.BeginObject();
    b.Name(u"Type").String(kDatabaseType);
    b.Name(u"Header").BeginObject();
    b.Name(u"Version").String(u"1.0");  // the layout of the document, not of the data
    b.Name(u"Database").String(version);
    b.Name(u"Title").String(title);
    b.Name(u"Date").String(date);
    b.EndObject();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        b.Name(NumberedName(u"Entry", int(i + 1))).BeginObject();
        EntryMembers(entries[i], b);
        b.EndObject();
    }
    b.EndObject();
    return b.Finish();
}

std::vector<TSpeciesEntry> DatabaseFromDocument(const JsonValue& root) {
    const JsonValue& document = AsObject(root);
    RequireDatabaseType(document);
    const auto members = NumberedMembers(document, u"Entry");
    // The editor always shows a current species, so a database without one is of no use.
    if (members.empty()) throw Failure(QStringLiteral("Database contains no species. Load aborted."));
    std::vector<TSpeciesEntry> entries;
    entries.reserve(members.size());
    for (std::size_t i = 0; i < members.size(); ++i) {
        const QString name = NumberedName(u"Entry", int(i + 1));
        entries.push_back(ReadWithin(name, [&] { return EntryFromJSON(AsObject(*members[i])); }));
    }
    return entries;
}

DatabaseHeader DatabaseHeaderFromDocument(const JsonValue& root) {
    const JsonValue& document = AsObject(root);
    RequireDatabaseType(document);
    const JsonValue* header = MemberObject(document, u"Header");
    if (!header) throw MissingMember(QStringLiteral("Header"));
    return ReadWithin(QStringLiteral("Header"), [&] {
        return DatabaseHeader{MemberText(*header, u"Title"), MemberText(*header, u"Database")};
    });
}

std::vector<TSpeciesEntry> ReadDatabaseFile(const QString& fileName) {
    return DatabaseFromDocument(ReadJSONDocument(fileName, JsonEncodingRule::DatabaseFile).Root());
}

void WriteDatabaseFile(const QString& fileName, const std::vector<TSpeciesEntry>& entries, const QString& title,
                       const QString& version, const QString& date) {
    WriteJSONDocument(fileName, DatabaseDocument(entries, title, version, date).Root());
}

QString DatabaseLabel(const TSpecies& species) {
    return QStringLiteral("(") + StripTags(species.Formula) + QStringLiteral(") ") + species.Name;
}
