#include "Catalogue.h"
#include <QFile>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace testsupport {

namespace {
// The text of a .ts element; lupdate writes a carriage return as <byte value="xd"/>.
QString tsText(QXmlStreamReader& xml) {
    QString text;
    for (int depth = 1; depth > 0 && !xml.atEnd();) {
        xml.readNext();
        if (xml.isCharacters()) {
            text += xml.text();
        } else if (xml.isStartElement()) {
            ++depth;
            if (xml.name() == u"byte")
                text += QChar(
                    xml.attributes().value(QLatin1String("value")).mid(1).toUShort(nullptr, 16));
        } else if (xml.isEndElement()) {
            --depth;
        }
    }
    return text;
}
} // namespace

QList<CatalogueMessage> readCatalogue() {
    QList<CatalogueMessage> out;
    QFile f(QStringLiteral(ORVELLA_SOURCE_DIR "/resources/translations/orvella_es.ts"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << f.fileName().toStdString();
    QXmlStreamReader xml(&f);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            out.append({context, {}, {}, {}, {}});
        } else if (xml.name() == u"source") {
            out.last().source = tsText(xml);
        } else if (xml.name() == u"comment") {
            out.last().comment = tsText(xml);
        } else if (xml.name() == u"translation") {
            out.last().type = xml.attributes().value(QLatin1String("type")).toString();
            out.last().translation = tsText(xml);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return out;
}

} // namespace testsupport
