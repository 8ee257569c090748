#pragma once
#include <QDate>
#include <QList>
#include <QString>

namespace orvella::model {

// A person the plan names: one of its signers or a member of the planning team.
struct PlanPerson {
    QString Role; // "Prepared", "Reviewed", "Approved" or "Team"; others are kept as read
    QString Name;
    QString JobTitle;
    QString SignedOn; // YYYY-MM-DD, empty until signed (kept as written when it is not a date)

    bool operator==(const PlanPerson&) const = default;
};

// One row of the revision history.
struct PlanRevision {
    QString Number;
    QString Date; // YYYY-MM-DD
    QString Change;
    QString By;

    bool operator==(const PlanRevision&) const = default;
};

inline const QString RolePrepared = QStringLiteral("Prepared");
inline const QString RoleReviewed = QStringLiteral("Reviewed");
inline const QString RoleApproved = QStringLiteral("Approved");
inline const QString RoleTeam = QStringLiteral("Team");

// Who wrote, reviewed and approved which version of the plan, and when it is due for review.
// Texts are kept as read so that a file comes back byte for byte.
struct DocumentControl {
    QString PlanVersion;
    QString NextReview;       // YYYY-MM-DD
    QString ApprovedDigest;   // SHA-256 (lowercase hex) of the approved file up to this block
    QList<PlanPerson> People; // in file order
    QList<PlanRevision> Revisions;

    bool isEmpty() const {
        return PlanVersion.isEmpty() && NextReview.isEmpty() && ApprovedDigest.isEmpty() &&
               People.isEmpty() && Revisions.isEmpty();
    }
    // The first person with the role, or null.
    const PlanPerson* signer(const QString& role) const;
    QList<PlanPerson> team() const;

    bool operator==(const DocumentControl&) const = default;
};

// A stored date, or an invalid one when the text is not YYYY-MM-DD.
inline QDate storedDate(const QString& text) {
    return QDate::fromString(text, Qt::ISODate);
}
inline QString storedDateText(const QDate& date) {
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
}

} // namespace orvella::model
