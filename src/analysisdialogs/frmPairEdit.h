#pragma once
#include "analysis/Prompts.h"
#include "model/HACCP_Task.h"
#include <QDialog>
#include <optional>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace orvella::analysisdialogs {

// Every answer of one task and hazard pair in one dialog: probable, justification, control
// measures, the decision questions as far as the answers reach, and the CCP details when
// the answers make the pair a CCP. It takes the current answers and gives back new ones, so
// any caller can put them where they belong.
class frmPairEdit : public QDialog {
    Q_OBJECT
public:
    frmPairEdit(const model::HACCP_Task& task, const model::HACCP_TaskSpecific_Hazard& current,
                analysis::Prompts& prompts, QWidget* parent = nullptr);

    // Shows the dialog modally: the new answers on OK, nothing on Cancel.
    static std::optional<model::HACCP_TaskSpecific_Hazard>
    edit(const model::HACCP_Task& task, const model::HACCP_TaskSpecific_Hazard& current,
         analysis::Prompts& prompts, QWidget* parent);

    // The answers as the dialog shows them now.
    model::HACCP_TaskSpecific_Hazard answers() const;
    // Whether the answers shown make the pair a critical control point.
    bool isCcp() const;

public slots:
    // Asks first when a CCP would stop being one.
    void accept() override;

private:
    bool probable() const;
    model::DecisionPath path() const;
    bool decisionComplete() const;
    void refresh();

    model::HACCP_TaskSpecific_Hazard m_original;
    analysis::Prompts& m_prompts;
    bool m_decisionTouched = false;
    QRadioButton* m_yes;
    QRadioButton* m_no;
    QPlainTextEdit* m_justification;
    QLabel* m_lblControl;
    QPlainTextEdit* m_control;
    QGroupBox* m_decision;
    QWidget* m_question[6] = {};
    QButtonGroup* m_answer[6] = {};
    QLabel* m_verdict;
    QGroupBox* m_ccp;
    QLineEdit* m_txtLimits;
    QLineEdit* m_txtWho;
    QLineEdit* m_txtWhat;
    QLineEdit* m_txtHow;
    QLineEdit* m_txtFreq;
    QLineEdit* m_txtCorrection;
    QLineEdit* m_txtSuppDocs;
    QLineEdit* m_txtVerification;
    QPushButton* m_ok;
};

} // namespace orvella::analysisdialogs
