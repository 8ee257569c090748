#pragma once
#include <QList>
#include <QString>
#include <QStringList>

namespace orvella::analysis {

// One of the usual hazards that field work moves, as the catalogue lists it.
struct HazardEntry {
    QString kind; // a hazard type key
    QString commonName;
    QString scientificName; // empty for hazards that are no organism (mud, ballast water)
    QString spanishName;    // the established Spanish common name; empty where there is none

    // "Common name (Scientific name)", or the common name alone. In Spanish, the Spanish
    // name where the entry has one, else the English one.
    QString display(bool spanish = false) const;
};

// Reads catalogue text: a header line starting with '#', then one entry a line,
// "kind|common name|scientific name", optionally "|Spanish common name". Lines that are not entries
// are reported in `problems`
// ("line 12: ...") and left out.
QList<HazardEntry> parseHazardCatalogue(const QByteArray& text, QStringList* problems = nullptr);

// The catalogue compiled into the program (resources/hazards/hazards.txt), read once.
const QList<HazardEntry>& hazardCatalogue();

// The words of a text for matching: letters and digits only, lower case, accents and
// apostrophes dropped ("Nuttall's" gives "nuttalls", "Rapid ʻōhiʻa death" "rapid", "ohia",
// "death").
QStringList matchWords(const QString& text);

// The entries that the typed text names: every typed word begins a word of the common or the
// scientific name (or of the Spanish name), ignoring case and accents. Entries whose common name
// begins with the typed text come first; otherwise catalogue order. Nothing typed matches every
// entry. A non-empty `kind` keeps entries of that kind only.
QList<HazardEntry> matchHazards(const QList<HazardEntry>& entries, const QString& typed,
                                const QString& kind = {});

} // namespace orvella::analysis
