#include "planfile/PlanWriter.h"
#include "model/HazardTypes.h"
#include "model/PlanCcps.h"
#include "planfile/TextEncoding.h"
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace orvella::planfile {

using namespace model;

namespace {

const QString kCrLf = QStringLiteral("\r\n");

class LineWriter {
public:
    explicit LineWriter(QString& out) : m_out(out) {}

    void line(QLatin1StringView tag) {
        m_out += tag;
        m_out += kCrLf;
    }

    // A value that holds line breaks goes over several lines; every one of them ends in CR LF
    // whatever break the text held.
    void value(const QString& text) {
        const qsizetype n = text.size();
        qsizetype start = 0;
        for (qsizetype i = 0; i < n; ++i) {
            const QChar c = text.at(i);
            if (c != u'\r' && c != u'\n')
                continue;
            m_out += QStringView(text).mid(start, i - start);
            m_out += kCrLf;
            if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
                ++i;
            start = i + 1;
        }
        m_out += QStringView(text).mid(start);
        m_out += kCrLf;
    }

    void field(QLatin1StringView open, const QString& text, QLatin1StringView close) {
        line(open);
        value(text);
        line(close);
    }

    // " 3 ": a blank (or the minus sign) in front, a blank after.
    void field(QLatin1StringView open, qint16 number, QLatin1StringView close) {
        line(open);
        if (number >= 0)
            m_out += u' ';
        m_out += QString::number(number);
        m_out += u' ';
        m_out += kCrLf;
        line(close);
    }

private:
    QString& m_out;
};

void writeTaskHazard(LineWriter& w, const HACCP_TaskSpecific_Hazard& th) {
    w.line(QLatin1StringView("<TaskHazard>"));
    w.field(QLatin1StringView("<Entity>"), th.Entity, QLatin1StringView("</Entity>"));
    w.field(QLatin1StringView("<Type>"), th.HazType, QLatin1StringView("</Type>"));
    w.field(QLatin1StringView("<Probable>"), th.Probable, QLatin1StringView("</Probable>"));
    w.field(QLatin1StringView("<Justification>"), th.Justification,
            QLatin1StringView("</Justification>"));
    if (th.Probable == Yes) {
        // The blank after the measures is part of the format; the reader takes it off again.
        w.field(QLatin1StringView("<ControlMeasures>"), th.ControlMeasures + u' ',
                QLatin1StringView("</ControlMeasures>"));
        w.field(QLatin1StringView("<CCP>"),
                th.IsCCP ? QStringLiteral("True") : QStringLiteral("False"),
                QLatin1StringView("</CCP>"));
        // The decision answers, in the order asked; older readers skip these lines.
        static const QLatin1StringView open[] = {
            QLatin1StringView("<Q1>"), QLatin1StringView("<Q2>"), QLatin1StringView("<Q3>"),
            QLatin1StringView("<Q4>"), QLatin1StringView("<Q5>")};
        static const QLatin1StringView close[] = {
            QLatin1StringView("</Q1>"), QLatin1StringView("</Q2>"), QLatin1StringView("</Q3>"),
            QLatin1StringView("</Q4>"), QLatin1StringView("</Q5>")};
        for (const DecisionAnswer& a : th.Answers)
            if (a.question >= 1 && a.question <= 5)
                w.field(open[a.question - 1], a.yes ? Yes : No, close[a.question - 1]);
    }
    // Only while the example answers wait for review, so other plans keep their bytes.
    if (th.Unreviewed)
        w.field(QLatin1StringView("<Reviewed>"), No, QLatin1StringView("</Reviewed>"));
    w.line(QLatin1StringView("</TaskHazard>"));
}

// The block values are one line each: an older reader takes every line of the block for a
// top-level line, so a line break would let part of a value pass for a tag.
QString oneLine(const QString& text) {
    QString s = text;
    s.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    s.replace(u'\r', u' ');
    s.replace(u'\n', u' ');
    return s;
}

void writeDocumentControl(LineWriter& w, const DocumentControl& c) {
    auto field = [&w](const char* open, const QString& text, const char* close) {
        w.field(QLatin1StringView(open), oneLine(text), QLatin1StringView(close));
    };
    // Only what the plan holds, so that a block read back is written as it came.
    auto optional = [&field](const char* open, const QString& text, const char* close) {
        if (!text.isEmpty())
            field(open, text, close);
    };
    w.line(QLatin1StringView("<DocumentControl>"));
    optional("<PlanVersion>", c.PlanVersion, "</PlanVersion>");
    optional("<NextReview>", c.NextReview, "</NextReview>");
    optional("<ApprovedDigest>", c.ApprovedDigest, "</ApprovedDigest>");
    for (const PlanPerson& p : c.People) {
        w.line(QLatin1StringView("<Person>"));
        field("<Role>", p.Role, "</Role>");
        field("<PersonName>", p.Name, "</PersonName>");
        field("<JobTitle>", p.JobTitle, "</JobTitle>");
        field("<SignedOn>", p.SignedOn, "</SignedOn>");
        w.line(QLatin1StringView("</Person>"));
    }
    for (const PlanRevision& r : c.Revisions) {
        w.line(QLatin1StringView("<Revision>"));
        field("<RevisionNumber>", r.Number, "</RevisionNumber>");
        field("<RevisionDate>", r.Date, "</RevisionDate>");
        field("<RevisionChange>", r.Change, "</RevisionChange>");
        field("<RevisionBy>", r.By, "</RevisionBy>");
        w.line(QLatin1StringView("</Revision>"));
    }
    w.line(QLatin1StringView("</DocumentControl>"));
}

qsizetype estimatedSize(const HACCP_Plan& plan) {
    qsizetype n = 600 + plan.Description.size() + plan.PotentialHazards.count() * 120 +
                  plan.UnattachedCCPs.size() * 600;
    for (const auto& task : plan.Tasks)
        n += 200 + task->Description.size() + task->TSHazards.count() * 300 +
             task->CCP_Count() * 600;
    return n;
}

} // namespace

QString planText(const HACCP_Plan& plan) {
    QString out;
    out.reserve(estimatedSize(plan));
    LineWriter w(out);
    w.line(QLatin1StringView("<?xml version=\"1.0\"?>"));
    w.line(QLatin1StringView("<HACCP>"));
    w.field(QLatin1StringView("<Title>"), plan.Title, QLatin1StringView("</Title>"));
    w.field(QLatin1StringView("<Facility>"), plan.Facility, QLatin1StringView("</Facility>"));
    w.field(QLatin1StringView("<ProjectCoordinator>"), plan.Coordinator,
            QLatin1StringView("</ProjectCoordinator>"));
    w.field(QLatin1StringView("<SiteManager>"), plan.Manager, QLatin1StringView("</SiteManager>"));
    w.field(QLatin1StringView("<AddressLine1>"), plan.Address1,
            QLatin1StringView("</AddressLine1>"));
    w.field(QLatin1StringView("<AddressLine2>"), plan.Address2,
            QLatin1StringView("</AddressLine2>"));
    w.field(QLatin1StringView("<Phone>"), plan.Phone, QLatin1StringView("</Phone>"));
    w.field(QLatin1StringView("<Site>"), plan.Site, QLatin1StringView("</Site>"));
    w.field(QLatin1StringView("<Activity>"), plan.Activity, QLatin1StringView("</Activity>"));
    w.field(QLatin1StringView("<ProjectDescription>"), plan.Description,
            QLatin1StringView("</ProjectDescription>"));

    for (const auto& hz : plan.PotentialHazards) {
        w.line(QLatin1StringView("<Hazard>"));
        w.field(QLatin1StringView("<HazType>"), hz->HazType, QLatin1StringView("</HazType>"));
        w.field(QLatin1StringView("<Entity>"), hz->Entity, QLatin1StringView("</Entity>"));
        w.line(QLatin1StringView("</Hazard>"));
    }

    for (const auto& task : plan.Tasks) {
        w.line(QLatin1StringView("<Task>"));
        w.field(QLatin1StringView("<Name>"), task->Name, QLatin1StringView("</Name>"));
        w.field(QLatin1StringView("<Number>"), task->Number, QLatin1StringView("</Number>"));
        w.field(QLatin1StringView("<Description>"), task->Description,
                QLatin1StringView("</Description>"));
        w.field(QLatin1StringView("<CCP_Count>"), task->CCP_Count(),
                QLatin1StringView("</CCP_Count>"));
        for (const auto& th : task->TSHazards)
            writeTaskHazard(w, *th);
        w.line(QLatin1StringView("</Task>"));
    }

    for (const HACCP_CCP& record : ccpRecordsInFileOrder(plan)) {
        const HACCP_CCP* ccp = &record;
        w.line(QLatin1StringView("<CCP>"));
        w.field(QLatin1StringView("<Name>"), ccp->TaskName, QLatin1StringView("</Name>"));
        w.field(QLatin1StringView("<TaskNumber>"), ccp->TaskNumber,
                QLatin1StringView("</TaskNumber>"));
        w.field(QLatin1StringView("<SigHaz>"), ccp->SigHaz, QLatin1StringView("</SigHaz>"));
        w.field(QLatin1StringView("<Control>"), ccp->Control, QLatin1StringView("</Control>"));
        w.field(QLatin1StringView("<Limits>"), ccp->Limits, QLatin1StringView("</Limits>"));
        w.field(QLatin1StringView("<What>"), ccp->What, QLatin1StringView("</What>"));
        w.field(QLatin1StringView("<How>"), ccp->How, QLatin1StringView("</How>"));
        w.field(QLatin1StringView("<Frequency>"), ccp->When, QLatin1StringView("</Frequency>"));
        w.field(QLatin1StringView("<Who>"), ccp->Who, QLatin1StringView("</Who>"));
        w.field(QLatin1StringView("<Correction>"), ccp->Correction,
                QLatin1StringView("</Correction>"));
        w.field(QLatin1StringView("<Documents>"), ccp->SupportDocs,
                QLatin1StringView("</Documents>"));
        if (!ccp->Verification.isEmpty())
            w.field(QLatin1StringView("<Verification>"), ccp->Verification,
                    QLatin1StringView("</Verification>"));
        w.line(QLatin1StringView("</CCP>"));
    }

    if (!plan.Control.isEmpty())
        writeDocumentControl(w, plan.Control);
    w.field(QLatin1StringView("<AnalysisStatus>"), plan.AnalysisStatus,
            QLatin1StringView("</AnalysisStatus>"));
    w.line(QLatin1StringView("</HACCP>"));
    return out;
}

QByteArray writePlan(const HACCP_Plan& plan) {
    const QString text = planText(plan);
    if (auto ansi = encodeWindows1252(text)) {
        // A windows-1252 file whose bytes also happen to be valid UTF-8 ("Ã©") would be read
        // back as UTF-8 and change; such a plan is written as UTF-8 as well.
        bool high = false;
        if (!isValidUtf8(*ansi, &high) || !high)
            return *ansi;
    }
    return text.toUtf8();
}

SaveResult savePlan(const HACCP_Plan& plan, const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    auto failed = [&](const QString& reason) {
        return SaveResult{
            false, QStringLiteral("The plan could not be saved to \"%1\": %2").arg(shown, reason)};
    };
    if (path.isEmpty())
        return failed(QStringLiteral("no file name was given."));
    const QFileInfo info(path);
    if (info.isDir())
        return failed(QStringLiteral("that is a folder, not a file."));
    // The save replaces the file by renaming a new one over it, which a read-only file would
    // not stop; respect the protection the user gave it.
    if (info.exists() && !info.isWritable())
        return failed(QStringLiteral("the file is read-only."));

    const QByteArray bytes = writePlan(plan);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failed(reason);
    }
    if (!file.commit())
        return failed(file.errorString());
    return SaveResult{true, {}};
}

} // namespace orvella::planfile
