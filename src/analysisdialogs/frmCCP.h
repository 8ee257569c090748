#pragma once
#include "analysis/AnalysisDialogs.h"
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace orvella::analysisdialogs {

// The details of one critical control point: limits, monitoring and corrective actions.
// The text boxes keep their texts between shows; only clearFields() empties them. Closing
// the window counts as Back.
class frmCCP : public QDialog, public analysis::CcpDialog {
    Q_OBJECT
public:
    explicit frmCCP(QWidget* parent = nullptr);

    void setCaption(const QString& caption) override;
    void setTask(const QString& name, const QString& description) override;
    void setHazard(const QString& text) override;
    void setControlMeasures(const QString& text) override;
    void setSpanishCaptions() override;
    void clearFields() override;
    void setFields(const analysis::CcpFields& fields) override;
    void showModal() override;
    analysis::CcpFields fields() const override;
    bool GoBack() const override { return m_goBack; }

public slots:
    void reject() override;

private:
    QLabel* label(const char* name) const;

    QLabel* m_lblName;
    QLabel* m_lblDesc;
    QLabel* m_lblHazards;
    QLabel* m_lblCM;
    QLineEdit* m_txtLimits;
    QLineEdit* m_txtWho;
    QLineEdit* m_txtWhat;
    QLineEdit* m_txtHow;
    QLineEdit* m_txtFreq;
    QLineEdit* m_txtCorrection;
    QLineEdit* m_txtSuppDocs;
    QLineEdit* m_txtVerification;
    QPushButton* m_ok;
    QPushButton* m_back;
    bool m_goBack = false;
};

} // namespace orvella::analysisdialogs
