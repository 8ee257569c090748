#include "planfile/PlanReader.h"
#include "model/HazardTypes.h"
#include "model/PlanCcps.h"
#include "planfile/TextEncoding.h"
#include <QSet>
#include <charconv>
#include <optional>

namespace orvella::planfile {

using namespace model;

namespace {

using Line = QByteArrayView;

// Splits the bytes into lines without copying them. CR LF, LF alone and CR alone each end
// a line; the file's last terminator does not start an empty line. One line may be pushed
// back so that a line which ends a record can be read again by the caller.
class LineSource {
public:
    explicit LineSource(QByteArrayView bytes) : m_p(bytes.data()), m_n(bytes.size()) {}

    std::optional<Line> next() {
        if (m_pending) {
            auto l = *m_pending;
            m_pending.reset();
            return l;
        }
        if (m_pos >= m_n)
            return std::nullopt;
        const qsizetype start = m_pos;
        qsizetype i = start;
        while (i < m_n && m_p[i] != '\n' && m_p[i] != '\r')
            ++i;
        Line l(m_p + start, i - start);
        if (i < m_n) {
            if (m_p[i] == '\r' && i + 1 < m_n && m_p[i + 1] == '\n')
                ++i;
            ++i;
        }
        m_pos = i;
        return l;
    }

    void pushBack(Line l) { m_pending = l; }

private:
    const char* m_p;
    qsizetype m_n;
    qsizetype m_pos = 0;
    std::optional<Line> m_pending;
};

// Tags are ASCII, and so the same bytes in both encodings: lines are matched before decoding.
bool is(Line l, const char* tag) {
    return l == QByteArrayView(tag);
}

// Blanks around the digits are ignored; anything that is not a 16-bit integer reads as 0.
qint16 toInt16(Line l) {
    l = l.trimmed();
    if (!l.isEmpty() && l.front() == '+')
        l = l.sliced(1);
    qint16 v = 0;
    const char* end = l.data() + l.size();
    auto [ptr, ec] = std::from_chars(l.data(), end, v);
    if (ec != std::errc() || ptr != end || l.isEmpty())
        return 0;
    return v;
}

class Reader {
public:
    Reader(QByteArrayView bytes, FileEncoding encoding, PlanReadResult& r)
        : m_lines(bytes), m_encoding(encoding), m_r(r), m_plan(*r.plan) {}

    void readBody() {
        while (auto l = m_lines.next())
            dispatchTopLevel(*l);
    }

    LineSource& lines() { return m_lines; }

private:
    QString decode(Line l) const { return planfile::decode(l, m_encoding); }

    // The line after a tag is its value, whatever it holds.
    std::optional<Line> rawValue() {
        auto l = m_lines.next();
        if (!l)
            m_r.truncated = true;
        return l;
    }

    bool value(QString& out) {
        auto l = rawValue();
        if (!l)
            return false;
        out = decode(*l);
        return true;
    }

    void dispatchTopLevel(Line l) {
        // Most lines of a damaged file are not tags; spare them the comparisons.
        if (l.size() < 5 || l.size() > 21 || l.front() != '<')
            return;
        if (is(l, "<Title>"))
            value(m_plan.Title);
        else if (is(l, "<Facility>"))
            value(m_plan.Facility);
        else if (is(l, "<ProjectCoordinator>"))
            value(m_plan.Coordinator);
        else if (is(l, "<SiteManager>"))
            value(m_plan.Manager);
        else if (is(l, "<AddressLine1>"))
            value(m_plan.Address1);
        else if (is(l, "<AddressLine2>"))
            value(m_plan.Address2);
        else if (is(l, "<Phone>"))
            value(m_plan.Phone);
        else if (is(l, "<Site>"))
            value(m_plan.Site);
        else if (is(l, "<Activity>"))
            value(m_plan.Activity);
        else if (is(l, "<ProjectDescription>"))
            readDescription();
        else if (is(l, "<Hazard>"))
            readHazard();
        else if (is(l, "<Task>"))
            readTask();
        else if (is(l, "<CCP>"))
            readCcp();
        else if (is(l, "<AnalysisStatus>"))
            readStatus();
        else if (is(l, "<DocumentControl>"))
            readDocumentControl();
    }

    // Reads tag and value lines up to `close`, handing each tag to `onTag`; false when the
    // file ended first.
    template <typename OnTag> bool readUntil(const char* close, OnTag onTag) {
        for (;;) {
            auto l = m_lines.next();
            if (!l) {
                m_r.truncated = true;
                return false;
            }
            if (is(*l, close))
                return true;
            onTag(*l);
        }
    }

    void readDocumentControl() {
        DocumentControl& c = m_plan.Control;
        readUntil("</DocumentControl>", [&](Line l) {
            if (is(l, "<PlanVersion>")) {
                value(c.PlanVersion);
            } else if (is(l, "<NextReview>")) {
                value(c.NextReview);
            } else if (is(l, "<ApprovedDigest>")) {
                value(c.ApprovedDigest);
            } else if (is(l, "<Person>")) {
                PlanPerson p;
                readUntil("</Person>", [&](Line t) {
                    if (is(t, "<Role>"))
                        value(p.Role);
                    else if (is(t, "<PersonName>"))
                        value(p.Name);
                    else if (is(t, "<JobTitle>"))
                        value(p.JobTitle);
                    else if (is(t, "<SignedOn>"))
                        value(p.SignedOn);
                });
                c.People.append(p);
            } else if (is(l, "<Revision>")) {
                PlanRevision r;
                readUntil("</Revision>", [&](Line t) {
                    if (is(t, "<RevisionNumber>"))
                        value(r.Number);
                    else if (is(t, "<RevisionDate>"))
                        value(r.Date);
                    else if (is(t, "<RevisionChange>"))
                        value(r.Change);
                    else if (is(t, "<RevisionBy>"))
                        value(r.By);
                });
                c.Revisions.append(r);
            }
        });
    }

    // Every line up to the closing tag, line breaks kept, so the text comes back as saved.
    void readDescription() {
        QString text;
        bool first = true;
        for (;;) {
            auto l = m_lines.next();
            if (!l) {
                m_r.truncated = true;
                break;
            }
            if (is(*l, "</ProjectDescription>"))
                break;
            if (!first)
                text += QStringLiteral("\r\n");
            text += decode(*l);
            first = false;
        }
        m_plan.Description = text;
    }

    // A hazard record has a fixed shape. The first line that breaks it ends the record (the
    // hazard is dropped) and is read again at top level, so the records after it survive.
    void readHazard() {
        auto hz = std::make_shared<HACCP_PotentialHazard>();
        if (!expect("<HazType>") || !value(hz->HazType) || !expect("</HazType>") ||
            !expect("<Entity>") || !value(hz->Entity) || !expect("</Entity>") ||
            !expect("</Hazard>"))
            return;
        if (m_r.hazardKeyCounter < 32767) {
            ++m_r.hazardKeyCounter;
            if (m_plan.PotentialHazards.add(hz, QString::number(m_r.hazardKeyCounter)))
                return;
        }
        m_hazardsWithoutKey = true;
    }

    bool expect(const char* tag) {
        auto l = m_lines.next();
        if (!l) {
            m_r.truncated = true;
            return false;
        }
        if (!is(*l, tag)) {
            m_r.hazardError = true;
            m_lines.pushBack(*l);
            return false;
        }
        return true;
    }

    void readTask() {
        auto task = std::make_shared<HACCP_Task>();
        for (;;) {
            auto l = m_lines.next();
            if (!l) {
                m_r.truncated = true;
                break;
            }
            if (is(*l, "</Task>"))
                break;
            if (is(*l, "<Name>")) {
                value(task->Name);
            } else if (is(*l, "<Number>")) {
                if (auto v = rawValue())
                    task->Number = toInt16(*v);
            } else if (is(*l, "<Description>")) {
                value(task->Description);
            } else if (is(*l, "<CCP_Count>")) {
                if (auto v = rawValue())
                    task->CcpCountInFile = toInt16(*v);
            } else if (is(*l, "<TaskHazard>")) {
                readTaskHazard(*task);
            }
        }
        m_plan.Tasks.append(task);
    }

    void readTaskHazard(HACCP_Task& task) {
        auto th = std::make_shared<HACCP_TaskSpecific_Hazard>();
        for (;;) {
            auto l = m_lines.next();
            if (!l) {
                m_r.truncated = true;
                break;
            }
            if (is(*l, "</TaskHazard>"))
                break;
            if (is(*l, "<Entity>")) {
                value(th->Entity);
            } else if (is(*l, "<Type>")) {
                value(th->HazType);
            } else if (is(*l, "<Probable>")) {
                value(th->Probable);
            } else if (is(*l, "<Justification>")) {
                value(th->Justification);
            } else if (is(*l, "<ControlMeasures>")) {
                // The writer adds one blank after the measures; take exactly that one off so
                // that the value does not grow with every save.
                if (value(th->ControlMeasures) && th->ControlMeasures.endsWith(u' '))
                    th->ControlMeasures.chop(1);
            } else if (is(*l, "<CCP>")) {
                if (auto v = rawValue())
                    th->IsCCP = is(*v, "True");
            } else if (l->size() == 4 && l->startsWith("<Q") && l->back() == '>' &&
                       (*l)[2] >= '1' && (*l)[2] <= '5') {
                // A decision answer; anything but the two stored words answers nothing.
                if (auto v = rawValue(); v && (is(*v, "Yes") || is(*v, "No")))
                    th->Answers.append({qint8((*l)[2] - '0'), is(*v, "Yes")});
            } else if (is(*l, "<Reviewed>")) {
                if (auto v = rawValue())
                    th->Unreviewed = is(*v, "No");
            }
        }
        task.TSHazards.append(th);
    }

    void readCcp() {
        auto ccp = std::make_shared<HACCP_CCP>();
        for (;;) {
            auto l = m_lines.next();
            if (!l) {
                m_r.truncated = true;
                break;
            }
            if (is(*l, "</CCP>"))
                break;
            if (is(*l, "<Name>")) {
                value(ccp->TaskName);
            } else if (is(*l, "<TaskNumber>")) {
                if (auto v = rawValue())
                    ccp->TaskNumber = toInt16(*v);
            } else if (is(*l, "<SigHaz>")) {
                value(ccp->SigHaz);
            } else if (is(*l, "<Control>")) {
                value(ccp->Control);
            } else if (is(*l, "<Limits>")) {
                value(ccp->Limits);
            } else if (is(*l, "<What>")) {
                value(ccp->What);
            } else if (is(*l, "<How>")) {
                value(ccp->How);
            } else if (is(*l, "<Frequency>")) {
                value(ccp->When);
            } else if (is(*l, "<Who>")) {
                value(ccp->Who);
            } else if (is(*l, "<Correction>")) {
                value(ccp->Correction);
            } else if (is(*l, "<Documents>")) {
                value(ccp->SupportDocs);
            } else if (is(*l, "<Verification>")) {
                value(ccp->Verification);
            }
        }
        m_ccps.append(std::move(*ccp));
    }

    void readStatus() { value(m_plan.AnalysisStatus); }

public:
    bool m_hazardsWithoutKey = false;
    QList<HACCP_CCP> m_ccps; // every <CCP> record, in file order

private:
    LineSource m_lines;
    FileEncoding m_encoding;
    PlanReadResult& m_r;
    HACCP_Plan& m_plan;
};

// Each task hazard is about the potential hazard of its type and name: the one at its own
// position when that one fits (the analysis makes them in list order), else the first that
// fits and no other pair of the task is about.
void attachHazards(HACCP_Plan& plan) {
    for (const auto& task : plan.Tasks) {
        QSet<quint32> used;
        for (int i = 1; i <= task->TSHazards.count(); ++i) {
            HACCP_TaskSpecific_Hazard& th = *task->TSHazards.item(i);
            auto fits = [&th, &used](const HACCP_PotentialHazard& h) {
                return h.Entity == th.Entity && h.HazType == th.HazType && !used.contains(h.Id);
            };
            const HACCP_PotentialHazard* found = nullptr;
            if (i <= plan.PotentialHazards.count() && fits(*plan.PotentialHazards.item(i)))
                found = plan.PotentialHazards.item(i).get();
            for (int k = 1; !found && k <= plan.PotentialHazards.count(); ++k)
                if (fits(*plan.PotentialHazards.item(k)))
                    found = plan.PotentialHazards.item(k).get();
            if (found) {
                th.HazardId = found->Id;
                used.insert(found->Id);
            }
        }
    }
}

// Gives every <CCP> record to the pair it describes. A record attaches when it is exactly what
// that pair would write, and only in the order the writer puts them (task by task), so that the
// file comes back byte for byte; every other record is kept as it stands, in its place.
void attachAnswers(HACCP_Plan& plan, const QList<HACCP_CCP>& records) {
    attachHazards(plan);
    QList<std::pair<const HACCP_Task*, HACCP_TaskSpecific_Hazard*>> candidates;
    for (const auto& task : plan.Tasks)
        for (const auto& th : task->TSHazards)
            if (th->IsCCP)
                candidates.append({task.get(), th.get()});
    QList<bool> attached(candidates.size(), false);
    qsizetype next = 0;
    int attachedCount = 0;
    for (const HACCP_CCP& r : records) {
        qsizetype found = -1;
        for (qsizetype q = next; q < candidates.size() && found < 0; ++q) {
            const HACCP_CCP own = ccpRecord(*candidates[q].first, *candidates[q].second);
            if (own.TaskName == r.TaskName && own.TaskNumber == r.TaskNumber &&
                own.SigHaz == r.SigHaz && own.Control == r.Control)
                found = q;
        }
        if (found < 0) {
            plan.UnattachedCCPs.append({r, attachedCount});
            continue;
        }
        candidates[found].second->Ccp = {r.Limits, r.What,       r.How,         r.When,
                                         r.Who,    r.Correction, r.SupportDocs, r.Verification};
        attached[found] = true;
        next = found + 1;
        ++attachedCount;
    }
    for (qsizetype i = 0; i < candidates.size(); ++i)
        candidates[i].second->CcpRecordMissing = !attached[i];

    // The count a file gives stays only where the pairs do not bear it out.
    for (const auto& task : plan.Tasks) {
        const qint16 inFile = task->CcpCountInFile.value_or(0);
        task->CcpCountInFile.reset();
        if (task->CCP_Count() != inFile)
            task->CcpCountInFile = inFile;
    }
}

} // namespace

PlanReadResult readPlan(const QByteArray& bytes, qint16 hazardKeyCounter) {
    PlanReadResult r;
    r.plan = std::make_shared<HACCP_Plan>();
    // A file that ends before its status (or never had one) holds no finished analysis.
    r.plan->AnalysisStatus = Incomplete;
    r.hazardKeyCounter = hazardKeyCounter;

    QByteArrayView body(bytes);
    if (body.startsWith("\xEF\xBB\xBF"))
        body = body.sliced(3);

    Reader reader(body, detectEncoding(body), r);
    auto first = reader.lines().next();
    if (!first || !is(*first, kXmlLine))
        return r;
    r.isPlan = true;
    reader.readBody();
    attachAnswers(*r.plan, reader.m_ccps);

    if (r.hazardError)
        r.warnings << kHazardErrorMessage;
    if (reader.m_hazardsWithoutKey)
        r.warnings << QStringLiteral("Some hazards of the saved HACCP file could not be added: "
                                     "no hazard keys are left in this session.");
    if (r.truncated)
        r.warnings << kTruncatedMessage;
    return r;
}

} // namespace orvella::planfile
