#include "cli/SpeciesFileNames.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(SpeciesFileNames, SafeOnEveryCommonFileSystem) {
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("C<sub>6</sub>H<sub>6</sub>"), QStringLiteral("C6H6.json")},
        {QStringLiteral("a/b\\c:d*e?f\"g<h>i|j"), QStringLiteral("a_b_c_d_e_f_g_h_i_j.json")},
        {QStringLiteral("tab\there\r\nnew"), QStringLiteral("tab_here__new.json")},
        {QStringLiteral("  .hidden "), QStringLiteral("_hidden.json")},
        {QStringLiteral("-rf"), QStringLiteral("_rf.json")},
        {QStringLiteral("name. . "), QStringLiteral("name.json")},
        {QStringLiteral(".."), QStringLiteral("_.json")},
        {QString(), QStringLiteral("species.json")},
        {QStringLiteral("<sub></sub>"), QStringLiteral("species.json")},
        {QStringLiteral("CON"), QStringLiteral("CON_.json")},
        {QStringLiteral("com1.txt"), QStringLiteral("com1.txt_.json")},
        {QStringLiteral("console"), QStringLiteral("console.json")},
        {QStringLiteral("\u00C5ngstr\u00F6m 1,3-butadiene (E)"), QStringLiteral("\u00C5ngstr\u00F6m 1,3-butadiene (E).json")},
    };
    for (const auto& [name, file] : cases) EXPECT_EQ(SpeciesFileName(name), file) << name.toStdString();

    // Long names are cut to 150 bytes of UTF-8, never inside a character.
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    EXPECT_EQ(SpeciesFileName(emoji.repeated(60)), emoji.repeated(37) + QStringLiteral(".json"));
    EXPECT_EQ(SpeciesFileName(QStringLiteral("x").repeated(400)).size(), 150 + 5);
}

TEST(SpeciesFileNames, UniqueWithoutRegardToCase) {
    EXPECT_EQ(UniqueSpeciesFileNames({QStringLiteral("Benzene"), QStringLiteral("benzene"), QStringLiteral("BENZENE"),
                                      QStringLiteral("Benzene (2)"), QStringLiteral("water")}),
              QStringList({QStringLiteral("Benzene.json"), QStringLiteral("benzene (2).json"),
                           QStringLiteral("BENZENE (3).json"), QStringLiteral("Benzene (2) (2).json"),
                           QStringLiteral("water.json")}));
}

}  // namespace
