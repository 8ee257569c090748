#include "document/PlanDocx.h"
#include "document/DocxWriter.h"
#include "document/PlanDocumentBuilder.h"
#include <QDir>
#include <QTemporaryDir>

namespace orvella::document {

QByteArray buildPlanDocx(const model::HACCP_Plan& plan, bool useSpanish, const QDateTime& now) {
    return DocxWriter::toBytes(PlanDocumentBuilder(plan, useSpanish, now).build());
}

bool writePlanDocx(const model::HACCP_Plan& plan, bool useSpanish, const QDateTime& now,
                   const QString& path, QString* error) {
    return DocxWriter::writeFile(PlanDocumentBuilder(plan, useSpanish, now).build(), path, error);
}

QString writePlanDocxToFreshFolder(const model::HACCP_Plan& plan, bool useSpanish,
                                   const QDateTime& now, QString* error) {
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/orvella-XXXXXX"));
    if (!folder.isValid()) {
        if (error)
            *error = QStringLiteral("Cannot create a folder for the document: %1")
                         .arg(folder.errorString());
        return QString();
    }
    const QString path = folder.filePath(documentFileName(plan.Title));
    if (!writePlanDocx(plan, useSpanish, now, path, error))
        return QString();
    // The word processor opens the file after we return: the folder stays.
    folder.setAutoRemove(false);
    return path;
}

QString documentFileName(const QString& title) {
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    QString name;
    name.reserve(title.size());
    for (qsizetype i = 0; i < title.size(); ++i) {
        const QChar c = title.at(i);
        if (c.isHighSurrogate() && i + 1 < title.size() && title.at(i + 1).isLowSurrogate()) {
            name += c;
            name += title.at(++i);
            continue;
        }
        if (c.category() == QChar::Other_Control || c.isSurrogate() || forbidden.contains(c))
            continue;
        name += c;
    }
    // Windows refuses names that end in a dot or a blank, and reserves a few device names.
    while (!name.isEmpty() && (name.back() == QLatin1Char('.') || name.back().isSpace()))
        name.chop(1);
    name = name.trimmed();
    static const QStringList reserved = {
        QStringLiteral("CON"),  QStringLiteral("PRN"),  QStringLiteral("AUX"),
        QStringLiteral("NUL"),  QStringLiteral("COM1"), QStringLiteral("COM2"),
        QStringLiteral("COM3"), QStringLiteral("COM4"), QStringLiteral("COM5"),
        QStringLiteral("COM6"), QStringLiteral("COM7"), QStringLiteral("COM8"),
        QStringLiteral("COM9"), QStringLiteral("LPT1"), QStringLiteral("LPT2"),
        QStringLiteral("LPT3"), QStringLiteral("LPT4"), QStringLiteral("LPT5"),
        QStringLiteral("LPT6"), QStringLiteral("LPT7"), QStringLiteral("LPT8"),
        QStringLiteral("LPT9")};
    if (reserved.contains(name.section(QLatin1Char('.'), 0, 0), Qt::CaseInsensitive))
        name.prepend(QLatin1Char('_'));
    // Leave room for ".docx" and a folder within common path limits (255 bytes a name).
    while (name.toUtf8().size() > 200)
        name.chop(name.size() > 1 && name.back().isLowSurrogate() ? 2 : 1);
    if (name.isEmpty())
        return QStringLiteral("HACCP Plan.docx");
    return name + QStringLiteral(".docx");
}

} // namespace orvella::document
