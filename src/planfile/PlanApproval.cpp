#include "planfile/PlanApproval.h"
#include "planfile/PlanWriter.h"
#include <QCryptographicHash>

namespace orvella::planfile {

using namespace model;

QByteArray contentDigest(const HACCP_Plan& plan) {
    const QByteArray bytes = writePlan(plan);
    qsizetype end = bytes.indexOf("\r\n<DocumentControl>\r\n");
    end = end < 0 ? bytes.size() : end + 2;
    return QCryptographicHash::hash(QByteArrayView(bytes).first(end), QCryptographicHash::Sha256)
        .toHex();
}

ApprovalState approvalState(const HACCP_Plan& plan) {
    const DocumentControl& c = plan.Control;
    if (c.isEmpty())
        return ApprovalState::NoControl;
    const PlanPerson* approver = c.signer(RoleApproved);
    if (c.ApprovedDigest.isEmpty() || !approver || approver->SignedOn.isEmpty())
        return ApprovalState::NotApproved;
    return c.ApprovedDigest.toLatin1() == contentDigest(plan) ? ApprovalState::Approved
                                                              : ApprovalState::Changed;
}

void sealApproval(HACCP_Plan& plan) {
    DocumentControl& c = plan.Control;
    const PlanPerson* approver = c.signer(RoleApproved);
    if (!approver || approver->SignedOn.isEmpty()) {
        c.ApprovedDigest.clear();
        return;
    }
    if (c.NextReview.isEmpty())
        c.NextReview = storedDateText(storedDate(approver->SignedOn).addYears(1));
    // The digest covers only the bytes before the block, so the block may change with it.
    c.ApprovedDigest = QString::fromLatin1(contentDigest(plan));
}

} // namespace orvella::planfile
