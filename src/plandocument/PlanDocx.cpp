#include "plandocument/PlanDocx.h"
#include "docx/DocxWriter.h"
#include "plandocument/PlanDocumentBuilder.h"
#include <QDir>
#include <QFileInfo>

namespace orvella::plandocument {

using namespace docx;

namespace {

Document layOut(const model::HACCP_Plan& plan, bool useSpanish, const QDateTime& now,
                const DocumentExtras& extras) {
    PlanDocumentBuilder builder(plan, useSpanish, now);
    builder.setExtras(extras);
    return builder.build();
}

} // namespace

QByteArray buildPlanDocx(const model::HACCP_Plan& plan, bool useSpanish, const QDateTime& now,
                         const DocumentExtras& extras) {
    return DocxWriter::toBytes(layOut(plan, useSpanish, now, extras));
}

bool writePlanDocx(const model::HACCP_Plan& plan, bool useSpanish, const QDateTime& now,
                   const QString& path, QString* error, const DocumentExtras& extras) {
    return DocxWriter::writeFile(layOut(plan, useSpanish, now, extras), path, error);
}

bool writePlanDocx(std::shared_ptr<const model::HACCP_Plan>&& plan, bool useSpanish,
                   const QDateTime& now, const QString& path, QString* error,
                   const DocumentExtras& extras) {
    Document document = layOut(*plan, useSpanish, now, extras);
    plan.reset(); // the document shares the texts it needs
    return DocxWriter::writeFile(std::move(document), path, error);
}

QString documentPathBeside(const QString& planPath, const QString& title) {
    return QFileInfo(planPath).absoluteDir().filePath(documentFileName(title));
}

QString keepBothPath(const QString& path) {
    const QFileInfo file(path);
    const QString stem = file.completeBaseName();
    const QString suffix = file.suffix().isEmpty() ? QString() : QLatin1Char('.') + file.suffix();
    for (int n = 2;; ++n) {
        const QString candidate =
            file.absoluteDir().filePath(QStringLiteral("%1 (%2)%3").arg(stem).arg(n).arg(suffix));
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
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

} // namespace orvella::plandocument
