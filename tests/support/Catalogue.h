#pragma once
#include <QList>
#include <QString>

namespace testsupport {

// One <message> of resources/translations/orvella_es.ts.
struct CatalogueMessage {
    QString context, source, comment, translation;
    QString type; // of the translation: empty when finished
};

// Every message of the Spanish catalogue's source, in file order; a parse error fails the test.
QList<CatalogueMessage> readCatalogue();

} // namespace testsupport
