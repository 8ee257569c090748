#pragma once
#include "analysis/AnalysisDialogs.h"
#include "analysis/Prompts.h"
#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;

namespace orvella::analysisdialogs {

// Why a hazard is or is not probable during a task, and the control measures of probable
// ones. Both combo boxes learn every new text confirmed with OK, for as long as the dialog
// lives. Closing the window counts as Back.
class frmJustification : public QDialog, public analysis::JustificationDialog {
    Q_OBJECT
public:
    explicit frmJustification(analysis::Prompts& prompts, QWidget* parent = nullptr);

    void setButtonCaptions(const QString& ok, const QString& back,
                           const QString& showTasks) override;
    void setTaskLabel(const QString& text) override;
    void setTaskList(const QString& text) override { m_taskList = text; }
    void setTaskDescription(const QString& text) override;
    void setPrompt(const QString& text) override;
    void setControlQuestion(const QString& text) override;
    void setControlVisible(bool visible) override;
    void setJustification(const QString& text) override;
    void setControlMeasures(const QString& text) override;
    void showModal() override;
    QString justification() const override;
    QString controlMeasures() const override;
    QStringList justificationList() const override;
    QStringList controlMeasuresList() const override;
    bool GoBack() const override { return m_goBack; }
    void ResetGoBack() override { m_goBack = false; }

public slots:
    void reject() override;

private:
    void confirm();

    analysis::Prompts& m_prompts;
    QString m_taskList;
    QLabel* m_lblTask;
    QLabel* m_lblTaskDesc;
    QLabel* m_lblPrompt;
    QComboBox* m_cboJust;
    QLabel* m_lblControl;
    QComboBox* m_cboControl;
    QPushButton* m_showTasks;
    QPushButton* m_back;
    QPushButton* m_ok;
    bool m_goBack = false;
};

} // namespace orvella::analysisdialogs
