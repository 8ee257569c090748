#pragma once
#include "model/DocumentControl.h"
#include <QDate>
#include <QDialog>

class QLineEdit;
class QTableWidget;

namespace orvella::analysis {
class Prompts;
}

namespace orvella::mainwindow {

// "Plan Approval...": the planning team, who prepared, reviewed and approved the plan and
// when, the revision history and the next review. Takes the current values and gives back
// new ones; the caller seals an approval into the plan.
class frmApproval : public QDialog {
    Q_OBJECT
public:
    frmApproval(const model::DocumentControl& current, const QDate& today,
                analysis::Prompts& prompts, QWidget* parent = nullptr);

    model::DocumentControl control() const;

    // "Start Revision": the next revision row (today, the change typed beside the button, the
    // preparer) and the three signature dates cleared; the plan is a draft until signed again.
    void startRevision();

    void accept() override;

private:
    struct SignerRow {
        QLineEdit* name;
        QLineEdit* jobTitle;
        QLineEdit* signedOn;
    };

    model::DocumentControl m_current;
    QDate m_today;
    analysis::Prompts& m_prompts;
    QLineEdit* m_version = nullptr;
    QLineEdit* m_nextReview = nullptr;
    QLineEdit* m_change = nullptr;
    QTableWidget* m_team = nullptr;
    QTableWidget* m_revisions = nullptr;
    SignerRow m_signers[3] = {};
};

} // namespace orvella::mainwindow
