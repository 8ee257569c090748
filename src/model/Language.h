#pragma once
#include <QString>
#include <QStringList>

class QTranslator;

namespace orvella::model {

// The texts that exist in English and Spanish have one catalogue: English source texts in the
// code, their Spanish forms in resources/translations/orvella_es.ts, compiled into the program.

// The compiled Spanish catalogue (loaded on first use).
const QTranslator& spanishCatalogue();

// Installs the catalogue for the texts of this run (Spanish chosen) or removes it (English).
// Answers whether it was installed before.
bool useSpanishCatalogue(bool spanish);

// The Spanish form of a catalogue text, or the text itself where it has none: for output whose
// language its caller fixes (the plan document, the help window), whatever the run speaks.
QString spanishText(const char* context, const char* sourceText,
                    const char* disambiguation = nullptr);

// Puts values[0] into %1, values[1] into %2... in one pass. Unlike QString::arg it takes a
// translation that leaves a value out without a warning, and never rereads a value.
QString fillIn(const QString& text, const QStringList& values);

} // namespace orvella::model
