#pragma once
#include "analysis/Prompts.h"
#include "mainwindow/MainWindowActions.h"
#include "model/ProgramState.h"
#include <QMainWindow>
#include <memory>

class QLabel;
class QLineEdit;
class QTabWidget;
class QTimer;
class QUndoStack;

namespace orvella::mainwindow {
struct WorkingDocument;
}

namespace orvella::mainwindow {

class ActivityPage;
class FileCommands;
class AnalysisPage;
class HazardsPage;
class PlanFormPage;
class StepPage;
class TasksPage;

// The window in which the user works through the five steps of a plan. Every control
// carries its design name as objectName (arrays as "txtTask(3)"), by which the captions of
// both languages are put on it.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int StepCount = 5;

    frmMain(model::ProgramState& state, analysis::Prompts& prompts, QWidget* parent = nullptr);
    ~frmMain() override;

    model::ProgramState& state() { return m_state; }
    analysis::Prompts& prompts() { return m_prompts; }
    const MainWindowActions& actions() const { return m_actions; }

    // Every page shows the current plan afresh (after Open, New and Close).
    void loadPlan();

    // What every step page shows (StepPage::contents), page by page.
    QStringList pageContents() const;
    // The plan with what steps 1 and 5 show put into it, as their submits would: what a
    // recovery copy keeps. The current plan itself is not touched.
    model::HACCP_Plan draftPlan() const;

    FileCommands& fileCommands() const { return *m_files; }

    AnalysisPage& analysisPage() const { return *m_analysis; }
    PlanFormPage& planFormPage() const { return *m_planForm; }

    // Adds a hazard named by txt's trimmed text with the given type key to the step-2 lists
    // and empties txt; false when the name was empty.
    bool AddHazard(QLineEdit* txt, const QString& kind);

    // Selects the tab after the current one (called by the step submits).
    void NextStep();

    // The listing of all tasks ("Name: Description" lines) that the analysis keeps here.
    QString GetTaskList() const { return m_taskList; }
    void SetTaskList(const QString& text) { m_taskList = text; }

    // Asks a yes/no question in a box of its own: Prompts::AnswerYes/AnswerNo, 0 if closed.
    int YesNo(const QString& prompt, const QString& caption);

    // "Start Hazard Analysis": runs the analysis and, when it completes, moves on to step 5.
    void cmdEvalTasks_Click();
    // "Update the Analysis": asks only about what changed; moves on to step 5 as a run does.
    void cmdUpdate_Click();
    // "Review the Analysis...": the review window, modal.
    void cmdReview_Click();
    // "Plan Approval...": the approval dialog, modal; its OK goes to applyApproval.
    void cmdApproval_Click();
    // Puts the dialog's document control into the plan: an approver's date entered there
    // seals the plan as it now stands.
    void applyApproval(const model::DocumentControl& control);

    // The edits of the review and the updates of the analysis, undone in the review window.
    QUndoStack& reviewUndoStack() const { return *m_reviewUndo; }

    // The selected step, 1 to 5; selecting one runs the same page switch as a tab click.
    int currentStep() const;
    void selectStep(int step);

    // Panel 1 of the status bar; the next tab change puts the step message back.
    QString statusMessage() const;
    void setStatusMessage(const QString& text);

    // The document the plan will be written into (made at start-up; may be none).
    std::shared_ptr<WorkingDocument> workingDocument() const { return m_document; }
    void setWorkingDocument(std::shared_ptr<WorkingDocument> document) {
        m_document = std::move(document);
    }

    // Rewrites the date and time panels from the state's clock.
    void refreshClock();

    // Brings the step-5 gap list and the tab marks up to date with the plan.
    void refreshGaps();

signals:
    // A toolbar button was pressed; key is "SaveButton", "OpenButton", "UndoButton",
    // "CutButton", "CopyButton" or "PasteButton".
    void toolbarButtonClicked(const QString& key);
    // The running analysis has put an answer into the plan.
    void analysisAnswered();

private:
    void runAnalysis(bool update);
    void buildMenus();
    void buildToolbar();
    void buildPages();
    void buildStatusBar();
    void ShowSelectedStep(int index);
    void analysisCompleted();

    model::ProgramState& m_state;
    analysis::Prompts& m_prompts;
    QString m_taskList;
    MainWindowActions m_actions;
    QTabWidget* m_tabs = nullptr;
    QList<StepPage*> m_pages;
    FileCommands* m_files = nullptr;
    HazardsPage* m_hazards = nullptr;
    AnalysisPage* m_analysis = nullptr;
    PlanFormPage* m_planForm = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_date = nullptr;
    QLabel* m_time = nullptr;
    QTimer* m_clockTimer = nullptr;
    std::shared_ptr<WorkingDocument> m_document;
    // Emptied whenever the plan's tasks or hazards change outside it.
    QUndoStack* m_reviewUndo = nullptr;
};

} // namespace orvella::mainwindow
