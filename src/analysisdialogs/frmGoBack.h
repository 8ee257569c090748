#pragma once
#include "analysis/AnalysisDialogs.h"
#include <QDialog>

namespace orvella::analysisdialogs {

// Offered after Back in the CCP details: re-evaluate the task, restart the analysis, or go
// on. Closing the window counts as going on.
class frmGoBack : public QDialog, public analysis::GoBackDialog {
    Q_OBJECT
public:
    explicit frmGoBack(QWidget* parent = nullptr);

    void showModal() override { exec(); }
    int Destination() const override { return m_destination; }
    void SetDestination(int destination) override { m_destination = destination; }

public slots:
    void reject() override;

private:
    int m_destination = Continue;
};

} // namespace orvella::analysisdialogs
