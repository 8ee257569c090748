#include "analysis/HazardCatalogue.h"
#include <QFile>
#include <algorithm>

// Q_INIT_RESOURCE declares a function of its own and so must stand outside any namespace; a
// static library's resources are registered only when asked to.
static void initHazardResources() {
    Q_INIT_RESOURCE(hazards);
}

namespace orvella::analysis {

QString HazardEntry::display(bool spanish) const {
    const QString& name = spanish && !spanishName.isEmpty() ? spanishName : commonName;
    return scientificName.isEmpty()
               ? name
               : name + QStringLiteral(" (") + scientificName + QLatin1Char(')');
}

QList<HazardEntry> parseHazardCatalogue(const QByteArray& text, QStringList* problems) {
    QList<HazardEntry> entries;
    const QList<QByteArray> lines = text.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = QString::fromUtf8(lines[i]).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'|');
        if (fields.size() < 3 || fields.size() > 4 || fields[0].trimmed().isEmpty() ||
            fields[1].trimmed().isEmpty()) {
            if (problems)
                *problems << QStringLiteral("line %1: not \"kind|common name|scientific name\"")
                                 .arg(i + 1);
            continue;
        }
        entries.append({fields[0].trimmed(), fields[1].trimmed(), fields[2].trimmed(),
                        fields.size() > 3 ? fields[3].trimmed() : QString()});
    }
    return entries;
}

const QList<HazardEntry>& hazardCatalogue() {
    static const QList<HazardEntry> entries = [] {
        initHazardResources();
        QFile file(QStringLiteral(":/hazards/hazards.txt"));
        if (!file.open(QIODevice::ReadOnly)) {
            qWarning("orvella: the hazard catalogue is missing from the build");
            return QList<HazardEntry>();
        }
        return parseHazardCatalogue(file.readAll());
    }();
    return entries;
}

QStringList matchWords(const QString& text) {
    QStringList words;
    QString word;
    for (const QChar c : text.normalized(QString::NormalizationForm_KD)) {
        // Accents, the Hawaiian ʻokina and apostrophes belong to the word they stand in.
        const bool inWord = c.category() == QChar::Mark_NonSpacing ||
                            c.category() == QChar::Letter_Modifier || c == u'\'' || c == u'\u2019';
        if (inWord)
            continue;
        if (c.isLetterOrNumber()) {
            word += c.toCaseFolded();
        } else if (!word.isEmpty()) {
            words << word;
            word.clear();
        }
    }
    if (!word.isEmpty())
        words << word;
    return words;
}

QList<HazardEntry> matchHazards(const QList<HazardEntry>& entries, const QString& typed,
                                const QString& kind) {
    const QStringList wanted = matchWords(typed);
    QList<HazardEntry> first, rest;
    for (const HazardEntry& e : entries) {
        if (!kind.isEmpty() && e.kind != kind)
            continue;
        const QStringList common = matchWords(e.commonName);
        const QStringList spanish = matchWords(e.spanishName);
        QStringList words = common + spanish + matchWords(e.scientificName);
        const bool all = std::all_of(wanted.begin(), wanted.end(), [&words](const QString& w) {
            return std::any_of(words.begin(), words.end(),
                               [&w](const QString& word) { return word.startsWith(w); });
        });
        if (!all)
            continue;
        // The common name read from its start, as the user most often types it.
        const QString typedText = wanted.join(u' ');
        const bool leading =
            !wanted.isEmpty() && (common.join(u' ').startsWith(typedText) ||
                                  (!spanish.isEmpty() && spanish.join(u' ').startsWith(typedText)));
        (leading ? first : rest).append(e);
    }
    return first + rest;
}

} // namespace orvella::analysis
