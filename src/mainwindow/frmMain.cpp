#include "mainwindow/frmMain.h"
#include "analysis/HazardAnalysis.h"
#include "analysis/PlanGaps.h"
#include "analysisdialogs/QtAnalysisDialogs.h"
#include "analysisdialogs/ScreenFit.h"
#include "analysisdialogs/YesNoBox.h"
#include "mainwindow/ActivityPage.h"
#include "mainwindow/AnalysisPage.h"
#include "mainwindow/AnalysisUpdateCommand.h"
#include "mainwindow/Artwork.h"
#include "mainwindow/DocumentCommand.h"
#include "mainwindow/EditCommands.h"
#include "mainwindow/FileCommands.h"
#include "mainwindow/HazardsPage.h"
#include "mainwindow/HelpCommands.h"
#include "mainwindow/PlanFormPage.h"
#include "mainwindow/ReviewWindow.h"
#include "mainwindow/ScreenTwips.h"
#include "mainwindow/StringTable.h"
#include "mainwindow/TasksPage.h"
#include "mainwindow/WorkingDocument.h"
#include "mainwindow/frmApproval.h"
#include "model/PlanCcps.h"
#include "model/PlanCopy.h"
#include "planfile/PlanApproval.h"
#include <QAction>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>

namespace orvella::mainwindow {

namespace {
const char* const TabToolTips[frmMain::StepCount] = {"Activity Descritpion",
                                                     "Identify Potential Hazards", "Flow Diagram",
                                                     "Hazard Analysis", "HACCP Plan Form"};
constexpr int FirstStepMessage = 1045;
} // namespace

frmMain::frmMain(model::ProgramState& state, analysis::Prompts& prompts, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_prompts(prompts) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Orvella"));
    setWindowIcon(QIcon(Artwork::emblem(64)));

    m_state.HazardKeyCounter = 0;
    m_reviewUndo = new QUndoStack(this);
    buildMenus();
    buildToolbar();
    buildPages();
    buildStatusBar();

    ApplyStringTable(this);
    m_files = new FileCommands(*this, m_state, m_prompts);
    m_files->attach(m_actions);
    (new EditCommands(*this))->attach(m_actions);
    (new HelpCommands(this, m_state, m_prompts))
        ->attach(m_actions.helpContents, m_actions.helpSearch, m_actions.helpAbout);
    auto* document = new DocumentCommand(*this, *m_files, m_state, m_prompts);
    connect(m_planForm, &PlanFormPage::documentRequested, document, &DocumentCommand::run);
    setStatusMessage(lookupString(FirstStepMessage).value_or(QString()));
    // The designed size is also the smallest: word-wrapped texts need it to show whole.
    const QSize designed(pixelsFromTwips(this, 12400), pixelsFromTwips(this, 8000));
    const QSize room = analysisdialogs::ScreenFit::room(this);
    if (designed.height() > room.height()) {
        setMinimumSize(designed.expandedTo(minimumSizeHint()).boundedTo(room));
        resize(designed.boundedTo(room));
    } else {
        setMinimumSize(designed.expandedTo(minimumSizeHint()));
        resize(designed);
    }
    m_tabs->setCurrentIndex(0);
    refreshGaps();
    // Connected last: building the tabs must not count as a tab change.
    connect(m_tabs, &QTabWidget::currentChanged, this, &frmMain::ShowSelectedStep);
}

frmMain::~frmMain() {
    // The review's undo stack clears itself, and so signals a change, when the children are
    // deleted; by then this window is half gone and must not hear it.
    m_reviewUndo->disconnect(this);
}

void frmMain::buildMenus() {
    // Captions are string-table ids until ApplyStringTable fills them in.
    auto menu = [this](const char* name, const char* id) {
        QMenu* m = menuBar()->addMenu(QLatin1String(id));
        m->setObjectName(QLatin1String(name));
        return m;
    };
    auto item = [this](QMenu* m, const char* name, const char* id, const QKeySequence& keys = {}) {
        auto* action = new QAction(QLatin1String(id), this);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(keys);
        m->addAction(action);
        return action;
    };
    auto separator = [](QMenu* m, const char* name) {
        QAction* bar = m->addSeparator();
        bar->setObjectName(QLatin1String(name));
        return bar;
    };

    QMenu* file = menu("mnuFile", "1000");
    m_actions.fileNew = item(file, "mnuFileNew", "1001", QKeySequence(Qt::CTRL | Qt::Key_N));
    // Not in the numbered string table: its caption is a catalogue text.
    m_actions.fileNewFromStarter = new QAction(tr("New from Starter Plan..."), this);
    m_actions.fileNewFromStarter->setObjectName(QStringLiteral("mnuFileNewFromStarter"));
    file->addAction(m_actions.fileNewFromStarter);
    m_actions.fileOpen = item(file, "mnuFileOpen", "1002");
    m_actions.fileClose = item(file, "mnuFileClose", "1003");
    separator(file, "mnuFileBar0");
    m_actions.fileSave = item(file, "mnuFileSave", "1004");
    m_actions.fileSaveAs = item(file, "mnuFileSaveAs", "1005");
    separator(file, "mnuFileBar1");
    for (int i = 1; i <= 3; ++i) {
        auto* recent =
            item(file, QStringLiteral("mnuFileMRU(%1)").arg(i).toLatin1().constData(), "");
        recent->setVisible(false);
    }
    separator(file, "mnuFileBar2")->setVisible(false);
    m_actions.fileExit = item(file, "mnuFileExit", "1007");

    QMenu* edit = menu("mnuEdit", "1008");
    m_actions.editUndo = item(edit, "mnuEditUndo", "1009");
    separator(edit, "mnuEditBar0");
    m_actions.editCut = item(edit, "mnuEditCut", "1010", QKeySequence(Qt::CTRL | Qt::Key_X));
    m_actions.editCopy = item(edit, "mnuEditCopy", "1011", QKeySequence(Qt::CTRL | Qt::Key_C));
    m_actions.editPaste = item(edit, "mnuEditPaste", "1012", QKeySequence(Qt::CTRL | Qt::Key_V));

    QMenu* help = menu("mnuHelp", "1013");
    m_actions.helpContents = item(help, "mnuHelpContents", "1014");
    m_actions.helpSearch = item(help, "mnuHelpSearchForHelpOn", "1015");
    separator(help, "mnuHelpBar0");
    m_actions.helpAbout = item(help, "mnuHelpAbout", "1016");
}

void frmMain::buildToolbar() {
    auto* toolbar = addToolBar(QStringLiteral("Toolbar"));
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setIconSize(QSize(16, 16));
    toolbar->toggleViewAction()->setEnabled(false);
    const struct {
        const char* key;
        const char* icon;
        const char* name;
        const char* tip;
        QAction* MainWindowActions::*slot;
    } buttons[] = {{"SaveButton", "save", "Save", "Save", &MainWindowActions::saveButton},
                   {"OpenButton", "open", "Open", "Open", &MainWindowActions::openButton},
                   {"UndoButton", "undo", "Undo", "Undo", &MainWindowActions::undoButton},
                   {"CutButton", "cut", "Cut", "Cut", &MainWindowActions::cutButton},
                   {"CopyButton", "copy", "Copy", "Copy", &MainWindowActions::copyButton},
                   {"PasteButton", "paste", "Paste", "Past", &MainWindowActions::pasteButton}};
    for (const auto& b : buttons) {
        auto* action =
            new QAction(Artwork::toolIcon(QLatin1String(b.icon)), QLatin1String(b.name), this);
        action->setObjectName(QLatin1String(b.key));
        action->setProperty("key", QLatin1String(b.key));
        action->setToolTip(QLatin1String(b.tip));
        m_actions.*b.slot = action;
        toolbar->addAction(action);
    }
    connect(toolbar, &QToolBar::actionTriggered, this, [this](QAction* action) {
        emit toolbarButtonClicked(action->property("key").toString());
    });
}

void frmMain::buildPages() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("ClientArea"));
    QFont pageFont = font();
    pageFont.setFamily(QStringLiteral("Arial"));
    central->setFont(pageFont);

    auto* banner = new QLabel(QStringLiteral("  Orvella"), central);
    banner->setObjectName(QStringLiteral("Label23"));
    QFont bannerFont = pageFont;
    bannerFont.setBold(true);
    bannerFont.setPointSizeF(pageFont.pointSizeF() * 1.35);
    banner->setFont(bannerFont);
    banner->setAutoFillBackground(true);
    QPalette bannerPalette = banner->palette();
    bannerPalette.setColor(QPalette::Window, QColor(0x2e, 0x5e, 0x3e));
    bannerPalette.setColor(QPalette::WindowText, Qt::white);
    banner->setPalette(bannerPalette);
    banner->setContentsMargins(4, 2, 4, 2);

    m_tabs = new QTabWidget(central);
    m_tabs->setObjectName(QStringLiteral("TabStrip"));
    m_tabs->setDocumentMode(false);
    m_tabs->setUsesScrollButtons(false);
    m_tabs->setAccessibleName(tr("Steps"));

    m_hazards = new HazardsPage(m_state, m_prompts, m_tabs);
    m_analysis = new AnalysisPage(m_state, m_tabs);
    m_planForm = new PlanFormPage(m_state, m_tabs);
    m_pages = {new ActivityPage(m_state, m_tabs), m_hazards, new TasksPage(m_state, m_tabs),
               m_analysis, m_planForm};
    // Before the step change that a submit asks for, which shows the gaps anew: the review's
    // edits name pairs by their place, which a new list of hazards or tasks changes.
    for (StepPage* inputs : {static_cast<StepPage*>(m_hazards), m_pages[2]})
        connect(inputs, &StepPage::submitted, m_reviewUndo, &QUndoStack::clear);
    connect(m_planForm, &PlanFormPage::stepRequested, this, &frmMain::selectStep);
    // A screen too small for the designed window (large text on a laptop) scrolls each page.
    const QSize designed(pixelsFromTwips(this, 12400), pixelsFromTwips(this, 8000));
    const QSize room = analysisdialogs::ScreenFit::room(this);
    const bool scroll = designed.height() > room.height();
    for (int i = 0; i < m_pages.size(); ++i) {
        QWidget* tab = m_pages[i];
        if (scroll) {
            auto* area = new QScrollArea(m_tabs);
            area->setObjectName(QStringLiteral("scrStep(%1)").arg(i));
            area->setFrameShape(QFrame::NoFrame);
            area->setWidgetResizable(true);
            area->setFocusPolicy(Qt::NoFocus);
            area->setWidget(m_pages[i]);
            tab = area;
        }
        m_tabs->addTab(tab, QStringLiteral("Step %1").arg(i + 1));
        m_tabs->setTabToolTip(i, QLatin1String(TabToolTips[i]));
        connect(m_pages[i], &StepPage::submitted, this, &frmMain::NextStep);
    }
    connect(m_analysis, &AnalysisPage::skipRequested, this, [this] { selectStep(5); });
    connect(m_analysis, &AnalysisPage::analysisRequested, this, &frmMain::cmdEvalTasks_Click);
    connect(m_analysis, &AnalysisPage::reviewRequested, this, &frmMain::cmdReview_Click);
    connect(m_planForm, &PlanFormPage::approvalRequested, this, &frmMain::cmdApproval_Click);
    connect(m_analysis, &AnalysisPage::updateRequested, this, &frmMain::cmdUpdate_Click);
    // An edit, undo or redo in the review: the gaps, the tab marks and the recovery copy.
    connect(m_reviewUndo, &QUndoStack::indexChanged, this, [this] {
        refreshGaps();
        emit analysisAnswered();
    });

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(banner);
    layout->addWidget(m_tabs, 1);
    setCentralWidget(central);
}

void frmMain::buildStatusBar() {
    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    setStatusBar(bar);
    m_status = new QLabel(QStringLiteral("Status"), bar);
    m_status->setObjectName(QStringLiteral("Status"));
    m_date = new QLabel(bar);
    m_date->setObjectName(QStringLiteral("Date"));
    m_time = new QLabel(bar);
    m_time->setObjectName(QStringLiteral("Time"));
    for (QLabel* panel : {m_date, m_time}) {
        panel->setMinimumWidth(pixelsFromTwips(this, 2540));
        panel->setAlignment(Qt::AlignCenter);
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
    }
    m_status->setFrameShape(QFrame::StyledPanel);
    m_status->setFrameShadow(QFrame::Sunken);
    bar->addWidget(m_status, 1);
    bar->addPermanentWidget(m_date);
    bar->addPermanentWidget(m_time);
    m_clockTimer = new QTimer(this);
    m_clockTimer->setInterval(1000);
    connect(m_clockTimer, &QTimer::timeout, this, &frmMain::refreshClock);
    m_clockTimer->start();
    refreshClock();
}

void frmMain::refreshClock() {
    const QDateTime now = m_state.clock ? m_state.clock() : QDateTime::currentDateTime();
    const QLocale locale;
    m_date->setText(locale.toString(now.date(), QLocale::ShortFormat));
    m_time->setText(locale.toString(now.time(), QLocale::ShortFormat));
}

bool frmMain::AddHazard(QLineEdit* txt, const QString& kind) {
    return m_hazards->addHazard(txt, kind);
}

int frmMain::YesNo(const QString& prompt, const QString& caption) {
    return analysisdialogs::YesNo(prompt, caption, this);
}

void frmMain::cmdEvalTasks_Click() {
    runAnalysis(false);
}

void frmMain::cmdUpdate_Click() {
    runAnalysis(true);
}

void frmMain::runAnalysis(bool update) {
    // The dialogs live for this run only: a new run starts with empty drop-down lists.
    analysisdialogs::QtAnalysisDialogs dialogs(this, m_prompts);
    analysis::HazardAnalysis analysis({m_state, m_prompts, dialogs});
    analysis.onTaskList = [this](const QString& text) { SetTaskList(text); };
    analysis.onAnswer = [this] { emit analysisAnswered(); };
    using Answers = AnalysisUpdateCommand::Answers;
    Answers before = Answers::of(m_state.plan());
    if ((update ? analysis.update() : analysis.run()) != analysis::AnalysisOutcome::Completed) {
        refreshGaps();
        return;
    }
    // An update can be undone from the review, like an edit; a whole run starts anew.
    if (update)
        m_reviewUndo->push(
            new AnalysisUpdateCommand(m_state, std::move(before), Answers::of(m_state.plan())));
    else
        m_reviewUndo->clear();
    analysisCompleted();
}

void frmMain::cmdReview_Click() {
    ReviewWindow review(m_state, *m_reviewUndo, m_prompts, this);
    review.exec();
}

void frmMain::cmdApproval_Click() {
    frmApproval dialog(m_state.plan().Control, m_state.clock().date(), m_prompts, this);
    if (dialog.exec() == QDialog::Accepted)
        applyApproval(dialog.control());
}

void frmMain::applyApproval(const model::DocumentControl& control) {
    model::HACCP_Plan& plan = m_state.plan();
    // The title as step 5 shows it is part of what is approved.
    m_planForm->store(plan);
    plan.Control = control;
    if (control.ApprovedDigest.isEmpty())
        planfile::sealApproval(plan);
    refreshGaps();
}

void frmMain::analysisCompleted() {
    selectStep(5);
    setStatusMessage(lookupString(FirstStepMessage + 4).value_or(QString()));
    m_analysis->showCompletedNote(true);
    m_analysis->enableSkip(true);
    refreshGaps();
}

void frmMain::loadPlan() {
    const model::HACCP_Plan& plan = m_state.plan();
    for (StepPage* page : m_pages)
        page->load(plan);
    m_reviewUndo->clear();
    refreshGaps();
}

void frmMain::refreshGaps() {
    analysis::GapFacts facts;
    facts.changedSinceApproval =
        planfile::approvalState(m_state.plan()) == planfile::ApprovalState::Changed;
    const QList<analysis::PlanGap> gaps = analysis::planGaps(m_state.plan(), facts);
    const QIcon complete = Artwork::stepCompleteIcon();
    for (int step = 1; step <= StepCount; ++step) {
        const bool done = analysis::stepComplete(gaps, step);
        m_tabs->setTabIcon(step - 1, done ? complete : QIcon());
        // A screen reader hears the step's caption and the tick as words.
        QString name =
            m_tabs->tabText(step - 1) + QStringLiteral(": ") + m_tabs->tabToolTip(step - 1);
        if (done)
            name += QStringLiteral(", ") + tr("complete");
        m_tabs->tabBar()->setAccessibleTabName(step - 1, name);
    }
    m_planForm->showGaps(gaps);
    m_planForm->showApproval(analysis::approvalSummary(m_state.plan(), facts.changedSinceApproval));
    const model::HACCP_Plan& plan = m_state.plan();
    m_analysis->showReviewState(model::hasAnalysisAnswers(plan),
                                int(model::unansweredPairs(plan).size()),
                                int(model::removedPairs(plan).size()));
}

QStringList frmMain::pageContents() const {
    QStringList out;
    for (const StepPage* page : m_pages)
        out << page->contents();
    return out;
}

model::HACCP_Plan frmMain::draftPlan() const {
    model::HACCP_Plan draft = model::copyPlan(m_state.plan());
    // Steps 2 and 3 stay as submitted: their submits would drop an analysis or use up keys.
    m_pages.first()->store(draft);
    m_planForm->store(draft);
    return draft;
}

int frmMain::currentStep() const {
    return m_tabs->currentIndex() + 1;
}

void frmMain::selectStep(int step) {
    if (step >= 1 && step <= StepCount)
        m_tabs->setCurrentIndex(step - 1);
}

void frmMain::NextStep() {
    selectStep(currentStep() + 1);
}

QString frmMain::statusMessage() const {
    return m_status->text();
}

void frmMain::setStatusMessage(const QString& text) {
    m_status->setText(text);
}

void frmMain::ShowSelectedStep(int index) {
    const int step = index + 1;
    const QString message = lookupString(FirstStepMessage - 1 + step).value_or(QString());
    if (m_state.InputsChanged) {
        // Changed hazards or tasks make an earlier analysis stale.
        m_analysis->showCompletedNote(false);
        m_analysis->enableSkip(false);
    }
    setStatusMessage(message);
    refreshGaps();
}

} // namespace orvella::mainwindow
