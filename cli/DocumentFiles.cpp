#include "DocumentFiles.h"

#include <QDate>

namespace {

JsonDocument ReadTree(const QString& fileName, JsonEncodingRule rule) {
    try {
        return ReadJSONDocument(fileName, rule);
    } catch (const Failure& failure) {
        throw FileProblem{failure.Message(), kUnreadable};
    }
}

// Runs a reader over a tree; its failures mean the JSON is no valid document.
template <class Read>
auto Interpret(Read&& read) {
    try {
        return read();
    } catch (const WrongDocumentType& failure) {
        throw FileProblem{failure.Message(), kInvalidDocument, true};
    } catch (const Failure& failure) {
        throw FileProblem{failure.Message(), kInvalidDocument};
    }
}

QString TypeOf(const JsonValue& root) {
    const JsonValue* type = root.IsObject() ? root.Find(u"Type") : nullptr;
    return type && type->IsString() ? type->Text().toString() : QString();
}

}  // namespace

LoadedFile LoadFile(const QString& fileName, bool withDatabaseHeader) {
    // The type decides the encoding rule. Databases, the large files, are read once by their
    // own rule; a species or spectrum file is read again by the species rule, which may decode
    // its bytes differently, and so is a file that is no UTF-8 JSON at all.
    LoadedFile file;
    auto readDatabase = [&](const JsonDocument& tree) {
        file.type = kDatabaseType;
        file.entries = Interpret([&] { return DatabaseFromDocument(tree.Root()); });
        if (withDatabaseHeader) file.header = Interpret([&] { return DatabaseHeaderFromDocument(tree.Root()); });
    };
    std::optional<FileProblem> asDatabase;
    try {
        const JsonDocument tree = ReadTree(fileName, JsonEncodingRule::DatabaseFile);
        if (TypeOf(tree.Root()) == kDatabaseType) {
            readDatabase(tree);
            return file;
        }
    } catch (const FileProblem& problem) {
        if (problem.status != kUnreadable) throw;
        asDatabase = problem;
    }
    const JsonDocument tree = ReadTree(fileName, JsonEncodingRule::SpeciesFile);
    file.type = TypeOf(tree.Root());
    if (file.type == kSpeciesType) {
        file.species = Interpret([&] { return SpeciesFromDocument(tree.Root()); });
    } else if (file.type == kSpectrumType) {
        file.spectrum = Interpret([&] { return SpectrumFromDocument(tree.Root()); });
    } else if (file.type == kDatabaseType && asDatabase) {
        throw *asDatabase;  // a database that is not UTF-8
    } else if (file.type == kDatabaseType) {
        readDatabase(tree);
    } else {
        Interpret([&] { return AsObject(tree.Root()); });
        throw FileProblem{QStringLiteral("\"Type\" is none of \"%1\", \"%2\" and \"%3\"")
                              .arg(kSpeciesType, kSpectrumType, kDatabaseType),
                          kInvalidDocument, true};
    }
    return file;
}

TSpeciesEntry LoadSpecies(const QString& fileName) {
    const JsonDocument tree = ReadTree(fileName, JsonEncodingRule::SpeciesFile);
    return Interpret([&] { return SpeciesFromDocument(tree.Root()); });
}

std::vector<TSpeciesEntry> LoadDatabase(const QString& fileName) {
    const JsonDocument tree = ReadTree(fileName, JsonEncodingRule::DatabaseFile);
    return Interpret([&] { return DatabaseFromDocument(tree.Root()); });
}

QString Count(std::size_t n, const char* one, const char* many) {
    return QString::number(n) + QLatin1Char(' ') + QLatin1String(n == 1 ? one : many);
}

bool IsDateText(const QString& text) {
    const QDate date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    return date.isValid() && date.toString(QStringLiteral("yyyy-MM-dd")) == text;
}
