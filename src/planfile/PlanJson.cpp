#include "planfile/PlanJson.h"
#include "model/PlanCcps.h"
#include "planfile/PlanApproval.h"

namespace orvella::planfile {

using namespace model;

namespace {

// A small writer that keeps keys in the order written (QJsonObject sorts them).
class Json {
public:
    QByteArray take() {
        m_out += '\n';
        return std::move(m_out);
    }

    void beginObject() { open('{'); }
    void endObject() { close('}'); }
    void beginArray() { open('['); }
    void endArray() { close(']'); }

    void key(const char* name) {
        element();
        m_out += '"';
        m_out += name;
        m_out += "\": ";
        m_afterKey = true;
    }

    void value(const QString& s) {
        element();
        m_out += '"';
        for (const char c : s.toUtf8()) {
            switch (c) {
            case '"':
                m_out += "\\\"";
                break;
            case '\\':
                m_out += "\\\\";
                break;
            case '\n':
                m_out += "\\n";
                break;
            case '\r':
                m_out += "\\r";
                break;
            case '\t':
                m_out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20)
                    m_out +=
                        QByteArray("\\u00") + QByteArray::number(int(c), 16).rightJustified(2, '0');
                else
                    m_out += c;
            }
        }
        m_out += '"';
    }
    void value(int n) {
        element();
        m_out += QByteArray::number(n);
    }
    void value(bool b) {
        element();
        m_out += b ? "true" : "false";
    }

    template <typename V> void field(const char* name, const V& v) {
        key(name);
        value(v);
    }

private:
    // Before any value or key: a comma after a sibling, a new line and the indent.
    void element() {
        if (m_afterKey) {
            m_afterKey = false;
            return;
        }
        if (!m_first.isEmpty()) {
            if (!m_first.back())
                m_out += ',';
            m_first.back() = false;
            m_out += '\n';
            m_out += QByteArray(2 * m_first.size(), ' ');
        }
    }
    void open(char c) {
        element();
        m_out += c;
        m_first.push_back(true);
    }
    void close(char c) {
        const bool empty = m_first.back();
        m_first.pop_back();
        if (!empty) {
            m_out += '\n';
            m_out += QByteArray(2 * m_first.size(), ' ');
        }
        m_out += c;
    }

    QByteArray m_out;
    QList<bool> m_first; // per open container: nothing written in it yet
    bool m_afterKey = false;
};

} // namespace

QByteArray planToJson(const HACCP_Plan& plan, const QStringList& warnings) {
    Json j;
    j.beginObject();
    j.field("title", plan.Title);
    j.field("facility", plan.Facility);
    j.field("site", plan.Site);
    j.field("coordinator", plan.Coordinator);
    j.field("manager", plan.Manager);
    j.field("address1", plan.Address1);
    j.field("address2", plan.Address2);
    j.field("phone", plan.Phone);
    j.field("activity", plan.Activity);
    j.field("description", plan.Description);
    j.field("analysisStatus", plan.AnalysisStatus);

    j.key("potentialHazards");
    j.beginArray();
    for (const auto& hz : plan.PotentialHazards) {
        j.beginObject();
        j.field("hazType", hz->HazType);
        j.field("entity", hz->Entity);
        j.endObject();
    }
    j.endArray();

    j.key("tasks");
    j.beginArray();
    for (const auto& task : plan.Tasks) {
        j.beginObject();
        j.field("name", task->Name);
        j.field("number", int(task->Number));
        j.field("description", task->Description);
        j.field("ccpCount", int(task->CCP_Count()));
        j.key("tsHazards");
        j.beginArray();
        for (const auto& th : task->TSHazards) {
            j.beginObject();
            j.field("hazType", th->HazType);
            j.field("entity", th->Entity);
            j.field("probable", th->Probable);
            j.field("justification", th->Justification);
            j.field("controlMeasures", th->ControlMeasures);
            j.field("isCCP", th->IsCCP);
            if (!th->Answers.isEmpty())
                j.field("decisionPath", pathText(th->Answers));
            if (th->Unreviewed)
                j.field("reviewed", false);
            j.endObject();
        }
        j.endArray();
        j.endObject();
    }
    j.endArray();

    j.key("ccps");
    j.beginArray();
    for (const HACCP_CCP& record : ccpRecordsInFileOrder(plan)) {
        const HACCP_CCP* ccp = &record;
        j.beginObject();
        j.field("taskName", ccp->TaskName);
        j.field("taskNumber", int(ccp->TaskNumber));
        j.field("sigHaz", ccp->SigHaz);
        j.field("control", ccp->Control);
        j.field("limits", ccp->Limits);
        j.field("what", ccp->What);
        j.field("how", ccp->How);
        j.field("when", ccp->When);
        j.field("who", ccp->Who);
        j.field("correction", ccp->Correction);
        j.field("supportDocs", ccp->SupportDocs);
        if (!ccp->Verification.isEmpty())
            j.field("verification", ccp->Verification);
        j.endObject();
    }
    j.endArray();

    if (const DocumentControl& c = plan.Control; !c.isEmpty()) {
        static const char* const states[] = {"none", "not approved", "changed since approval",
                                             "approved"};
        j.key("documentControl");
        j.beginObject();
        j.field("planVersion", c.PlanVersion);
        j.field("nextReview", c.NextReview);
        j.field("approval", QString::fromLatin1(states[int(approvalState(plan))]));
        j.key("people");
        j.beginArray();
        for (const PlanPerson& p : c.People) {
            j.beginObject();
            j.field("role", p.Role);
            j.field("name", p.Name);
            j.field("jobTitle", p.JobTitle);
            j.field("signedOn", p.SignedOn);
            j.endObject();
        }
        j.endArray();
        j.key("revisions");
        j.beginArray();
        for (const PlanRevision& r : c.Revisions) {
            j.beginObject();
            j.field("number", r.Number);
            j.field("date", r.Date);
            j.field("change", r.Change);
            j.field("by", r.By);
            j.endObject();
        }
        j.endArray();
        j.endObject();
    }

    j.key("warnings");
    j.beginArray();
    for (const QString& w : warnings)
        j.value(w);
    j.endArray();
    j.endObject();
    return j.take();
}

} // namespace orvella::planfile
