#pragma once
#include <QList>
#include <QString>
#include <QStringList>

namespace orvella::analysis {

// The analysis talks to the user through these dialogs only. Each one keeps its state
// between shows, as the analysis relies on: a dialog is filled by the caller, shown
// modally, and read back afterwards. Its buttons only record the outcome (GoBack,
// Destination, Result) and hide it.

// The hazard selection dialog ("Dialog"): one check box per potential hazard plus "None".
class SelectionDialog {
public:
    virtual ~SelectionDialog() = default;

    virtual void setCaption(const QString& caption) = 0;
    virtual void setTask(const QString& name, const QString& description) = 0; // lblTask, txtTask
    // Creates the boxes chkHaz(1) to chkHaz(N), one per entity, ticked as given.
    virtual void setHazards(const QStringList& entities, const QList<bool>& ticked) = 0;
    virtual void setNoneTicked(bool ticked) = 0; // chkHaz(0)
    virtual void setBackVisible(bool visible) = 0;
    virtual void showModal() = 0;
    // 1-based like the boxes; chkHaz(0) is "None".
    virtual bool isTicked(int index) const = 0;
    // Removes chkHaz(1) to chkHaz(N); "None" stays.
    virtual void removeHazards() = 0;

    virtual bool GoBack() const = 0;
    virtual void ResetGoBack() = 0;
    // True once the user clicked any box since the caller last cleared it.
    virtual bool Changed() const = 0;
    virtual void setChanged(bool changed) = 0;
};

// The justification dialog ("frmJustification"): why a hazard is or is not probable, and
// for probable ones the control measures. Both combo boxes learn what is typed into them
// for as long as the dialog lives.
class JustificationDialog {
public:
    virtual ~JustificationDialog() = default;

    virtual void setButtonCaptions(const QString& ok, const QString& back,
                                   const QString& showTasks) = 0;
    virtual void setTaskLabel(const QString& text) = 0;       // lblTask
    virtual void setTaskDescription(const QString& text) = 0; // lblTaskDesc
    virtual void setPrompt(const QString& text) = 0;          // lblPrompt
    virtual void setControlQuestion(const QString& text) = 0; // lblControl
    virtual void setControlVisible(bool visible) = 0;         // lblControl and cboControl
    virtual void setJustification(const QString& text) = 0;   // cboJust text
    virtual void setControlMeasures(const QString& text) = 0; // cboControl text
    // The listing of all tasks that "Show List of Tasks" shows.
    virtual void setTaskList(const QString& text) = 0;
    virtual void showModal() = 0;
    virtual QString justification() const = 0;
    virtual QString controlMeasures() const = 0;
    // What the drop-down lists offer.
    virtual QStringList justificationList() const = 0;
    virtual QStringList controlMeasuresList() const = 0;

    virtual bool GoBack() const = 0;
    virtual void ResetGoBack() = 0;
};

// The answers of the CCP details dialog.
struct CcpFields {
    QString Limits;         // txtLimits
    QString Who;            // txtWho
    QString What;           // txtWhat
    QString How;            // txtHow
    QString Frequency;      // txtFreq
    QString Correction;     // txtCorrection
    QString SupportDocs;    // txtSuppDocs
    QString Verification{}; // txtVerification
};

// The CCP details dialog ("frmCCP").
class CcpDialog {
public:
    virtual ~CcpDialog() = default;

    virtual void setCaption(const QString& caption) = 0;
    virtual void setTask(const QString& name, const QString& description) = 0; // lblName, lblDesc
    virtual void setHazard(const QString& text) = 0;                           // lblHazards
    virtual void setControlMeasures(const QString& text) = 0;                  // lblCM
    // The Spanish captions of Label1 to Label8 and cmdBack.
    virtual void setSpanishCaptions() = 0;
    // Empties the seven text boxes.
    virtual void clearFields() = 0;
    // Fills the seven text boxes with earlier answers.
    virtual void setFields(const CcpFields& fields) = 0;
    virtual void showModal() = 0;
    virtual CcpFields fields() const = 0;

    virtual bool GoBack() const = 0;
};

// The go-back dialog ("frmGoBack"), offered after Back in the CCP details dialog.
class GoBackDialog {
public:
    enum : int { Continue = 0, ReEvaluateTask = 1, RestartAnalysis = 2 };

    virtual ~GoBackDialog() = default;
    virtual void showModal() = 0;
    virtual int Destination() const = 0;
    virtual void SetDestination(int destination) = 0;
};

// Everything one run of the analysis shows. Each dialog is made on first use and kept until
// the run ends, so a new run starts with new, empty dialogs.
class AnalysisDialogs {
public:
    virtual ~AnalysisDialogs() = default;

    virtual SelectionDialog& selection() = 0;
    virtual JustificationDialog& justification() = 0;
    virtual CcpDialog& ccp() = 0;
    virtual GoBackDialog& goBack() = 0;
    // A yes/no question in a box of its own: Prompts::AnswerYes, Prompts::AnswerNo, or 0 when
    // closed without either. `defaultAnswer` is the button Enter presses (an earlier answer).
    virtual int YesNo(const QString& prompt, const QString& caption, int defaultAnswer) = 0;
};

} // namespace orvella::analysis
