#include "analysis/HazardCatalogue.h"
#include "QtPrinters.h"
#include "model/HazardTypes.h"
#include <QFile>
#include <QMap>
#include <QSet>
#include <gtest/gtest.h>

using namespace orvella::analysis;

TEST(HazardCatalogue, FileHasAHeaderAndWellFormedDistinctEntriesOfEveryKind) {
    QFile file(QStringLiteral(ORVELLA_SOURCE_DIR "/resources/hazards/hazards.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.startsWith(
        "# kind | common name | scientific name | Spanish common name -- drawn from: "));
    EXPECT_EQ(text.count('#'), 1) << "one header line";
    QStringList problems;
    const QList<HazardEntry> entries = parseHazardCatalogue(text, &problems);
    EXPECT_EQ(problems, QStringList());
    EXPECT_EQ(entries.size(), text.count('\n') - 1) << "every line after the header is an entry";
    EXPECT_GE(entries.size(), 150);
    EXPECT_EQ(entries.size(), hazardCatalogue().size()) << "the compiled-in copy";

    const auto& kinds = orvella::model::HazardTypes::All;
    QMap<QString, int> perKind;
    QSet<QString> common, scientific, spanish;
    for (const HazardEntry& e : entries) {
        EXPECT_NE(std::find(kinds.begin(), kinds.end(), e.kind), kinds.end())
            << e.display().toStdString();
        ++perKind[e.kind];
        EXPECT_FALSE(common.contains(matchWords(e.commonName).join(' ')))
            << e.display().toStdString();
        common.insert(matchWords(e.commonName).join(' '));
        if (!e.scientificName.isEmpty()) {
            EXPECT_FALSE(scientific.contains(e.scientificName)) << e.display().toStdString();
            scientific.insert(e.scientificName);
            EXPECT_TRUE(e.scientificName.at(0).isUpper()) << e.display().toStdString();
        } else {
            EXPECT_TRUE(e.kind == "Other" || e.commonName == "Chronic wasting disease")
                << e.display().toStdString();
        }
        EXPECT_EQ(e.commonName.trimmed(), e.commonName);
        if (!e.spanishName.isEmpty()) {
            EXPECT_FALSE(spanish.contains(matchWords(e.spanishName).join(' ')))
                << e.display(true).toStdString();
            spanish.insert(matchWords(e.spanishName).join(' '));
        }
    }
    EXPECT_GE(spanish.size(), 100);
    for (const QString& kind : kinds)
        EXPECT_GE(perKind.value(kind), 10) << kind.toStdString();
}

TEST(HazardCatalogue, MatchesWordStartsOfEitherNameIgnoringCaseAndAccents) {
    const QList<HazardEntry> entries = {
        {"Invertebrate", "Zebra mussel", "Dreissena polymorpha",
         QString::fromUtf8("Mejillón cebra")},
        {"Invertebrate", "Quagga mussel", "Dreissena bugensis", {}},
        {"Other Biologic", QString::fromUtf8("Rapid ʻōhiʻa death"), "Ceratocystis lukuohia", {}},
        {"Plant", "Nuttall's waterweed", "Elodea nuttallii", {}},
        {"Other", "Seed-laden mud", "", "Barro con semillas"},
        {"Invertebrate", "Dark false mussel", "Mytilopsis leucophaeata", {}},
    };
    auto names = [&](const QString& typed, const QString& kind = {}) {
        QStringList out;
        for (const HazardEntry& e : matchHazards(entries, typed, kind))
            out << e.commonName;
        return out;
    };
    EXPECT_EQ(names("zebra"), QStringList({"Zebra mussel"}));
    EXPECT_EQ(names("MUSS"), QStringList({"Zebra mussel", "Quagga mussel", "Dark false mussel"}));
    EXPECT_EQ(names("dreissena b"), QStringList({"Quagga mussel"}));
    EXPECT_EQ(names("Zebra Mussel (Dreissena)"), QStringList({"Zebra mussel"}));
    EXPECT_EQ(names("quagga mussel"), QStringList({"Quagga mussel"}));
    EXPECT_EQ(names(QString::fromUtf8("OHIA")),
              QStringList({QString::fromUtf8("Rapid ʻōhiʻa death")}));
    EXPECT_EQ(names(QString::fromUtf8("ʻōhiʻa")).size(), 1);
    EXPECT_EQ(names("nuttalls"), QStringList({"Nuttall's waterweed"}));
    EXPECT_EQ(names("mud seed"), QStringList({"Seed-laden mud"}));
    EXPECT_EQ(names("ussel"), QStringList()) << "words match from their start";
    EXPECT_EQ(names("zebra mussle"), QStringList());
    EXPECT_EQ(names("mussel", "Plant"), QStringList());
    EXPECT_EQ(names("").size(), entries.size());
    // The common name read from the start first, then catalogue order.
    EXPECT_EQ(names("d"), QStringList({"Dark false mussel", "Zebra mussel", "Quagga mussel",
                                       QString::fromUtf8("Rapid ʻōhiʻa death")}));
    EXPECT_EQ(entries[0].display(), "Zebra mussel (Dreissena polymorpha)");
    EXPECT_EQ(entries[4].display(), "Seed-laden mud");
    // Spanish names match too, and show where the entry has one.
    EXPECT_EQ(names("cebra"), QStringList({"Zebra mussel"}));
    EXPECT_EQ(names("barro"), QStringList({"Seed-laden mud"}));
    EXPECT_EQ(entries[0].display(true), QString::fromUtf8("Mejillón cebra (Dreissena polymorpha)"));
    EXPECT_EQ(entries[1].display(true), "Quagga mussel (Dreissena bugensis)");
    EXPECT_EQ(entries[4].display(true), "Barro con semillas");
}

TEST(HazardCatalogue, SpanishNamesMatchAndDisplayInSpanishWhileEnglishKeepsMatching) {
    const QList<HazardEntry>& entries = hazardCatalogue();
    auto first = [&](const QString& typed) {
        const auto found = matchHazards(entries, typed);
        return found.isEmpty() ? QString() : found.first().display(true);
    };
    const QString zebra = QString::fromUtf8("Mejillón cebra (Dreissena polymorpha)");
    EXPECT_EQ(first(QString::fromUtf8("mejillón cebra")), zebra);
    EXPECT_EQ(first("MEJILLON CE"), zebra) << "accents and case are ignored";
    EXPECT_EQ(first("zebra mussel"), zebra) << "the English name still finds it";
    // An entry with no established Spanish name shows its English one in Spanish too.
    EXPECT_EQ(first("new zealand mudsnail"), "New Zealand mudsnail (Potamopyrgus antipodarum)");
    const auto lines = matchHazards(entries, "mejillon");
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[0].display(), "Zebra mussel (Dreissena polymorpha)")
        << "English display is unchanged";
}
