#include "mainwindow/FileCommands.h"
#include "mainwindow/StarterChooser.h"
#include "mainwindow/WorkingDocument.h"
#include "mainwindow/frmMain.h"
#include "model/HazardTypes.h"
#include "planfile/PlanReader.h"
#include "planfile/PlanWriter.h"
#include "planfile/StarterPlans.h"
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace orvella::mainwindow {

namespace {

const QString kCloseTitle = QStringLiteral("Close Current File");
const QString kCloseQuestion = QStringLiteral("You are about to reset all the fields.  \r\n"
                                              "Are you sure you want to start from scratch?");

} // namespace

FileCommands::FileCommands(frmMain& mainWindow, model::ProgramState& state,
                           analysis::Prompts& prompts)
    : QObject(&mainWindow), m_window(mainWindow), m_state(state), m_prompts(prompts),
      m_programFolder(QCoreApplication::applicationDirPath()) {
    setObjectName(QStringLiteral("FileCommands"));
}

void FileCommands::attach(const MainWindowActions& actions) {
    auto hook = [this](QAction* action, auto command) {
        if (action)
            connect(action, &QAction::triggered, this, command);
    };
    hook(actions.fileNew, [this] { newPlan(); });
    hook(actions.fileNewFromStarter, [this] { newFromStarter(); });
    hook(actions.fileOpen, [this] { open(); });
    hook(actions.fileClose, [this] { closePlan(); });
    hook(actions.fileSave, [this] { saveAs(); });
    hook(actions.fileSaveAs, [this] { saveAs(); });
    hook(actions.fileExit, [this] { exit(); });
    hook(actions.saveButton, [this] { saveAs(); });
    hook(actions.openButton, [this] { open(); });
    m_window.installEventFilter(this);
    m_savedFingerprint = fingerprint();
}

bool FileCommands::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_window && event->type() == QEvent::Close) {
        // The document command has saved and handed the plan over; Exit has asked already.
        if (!m_closeConfirmed && !m_state.DocumentCreated && !askToSaveChanges()) {
            event->ignore();
            return true;
        }
        closingSequence();
    }
    return QObject::eventFilter(watched, event);
}

// ---- unsaved changes ----

QByteArray FileCommands::fingerprint() const {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    // A status never set is the same "no analysis" as Incomplete (the copy shares records).
    model::HACCP_Plan plan = m_state.plan();
    if (plan.AnalysisStatus.isEmpty())
        plan.AnalysisStatus = model::Incomplete;
    hash.addData(planfile::writePlan(plan));
    for (const QString& text : m_window.pageContents()) {
        hash.addData(QByteArray::number(text.size()) + ':');
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(text.utf16()),
                                    text.size() * qsizetype(sizeof(char16_t))));
    }
    return hash.result();
}

void FileCommands::settle() {
    m_savedFingerprint = fingerprint();
    emit changesSettled();
}

bool FileCommands::hasUnsavedChanges() const {
    return m_savedFingerprint.isEmpty() || fingerprint() != m_savedFingerprint;
}

bool FileCommands::askToSaveChanges() {
    if (!hasUnsavedChanges())
        return true;
    const QString name = m_state.CurrentFileName.isEmpty()
                             ? QStringLiteral("the new plan")
                             : QFileInfo(m_state.CurrentFileName).fileName();
    const int answer = m_prompts.choose(
        QStringLiteral("Save changes to %1 before closing?").arg(name), QString(),
        {QStringLiteral("Save"), QStringLiteral("Don't Save"), QStringLiteral("Cancel")}, 2);
    if (answer == 0)
        return saveAs();
    if (answer == 1) {
        emit changesSettled();
        return true;
    }
    return false;
}

// ---- starting from scratch ----

void FileCommands::newPlan() {
    closePlan();
}

void FileCommands::closePlan() {
    if (!askToSaveChanges())
        return;
    m_state.LastAnswer =
        m_prompts.message(kCloseQuestion, kCloseTitle, analysis::Prompts::Icon::None,
                          analysis::Prompts::Buttons::YesNo);
    if (m_state.LastAnswer == analysis::Prompts::AnswerYes)
        startFromScratch();
}

void FileCommands::newFromStarter() {
    if (!askToSaveChanges())
        return;
    if (const auto name = StarterChooser::choose(&m_window))
        openStarter(*name);
}

void FileCommands::openStarter(const QString& name) {
    planfile::PlanReadResult read = planfile::readPlan(
        planfile::starterPlanFile(name, m_state.UseSpanish), m_state.HazardKeyCounter);
    if (!read.isPlan || !read.plan)
        return;
    m_state.CurrentPlan = read.plan;
    m_state.HazardKeyCounter = read.hazardKeyCounter;
    // A new plan: Save asks for a name, and never proposes the file last opened.
    m_state.CurrentFileName.clear();
    m_dialogFileName.clear();
    m_window.loadPlan();
    m_state.InputsChanged = false;
    m_savedFingerprint.clear();
    emit changesSettled();
}

void FileCommands::startFromScratch() {
    // Nothing of the old plan may live on in a member the pages no longer show.
    m_state.CurrentPlan = std::make_shared<model::HACCP_Plan>();
    m_state.CurrentPlan->AnalysisStatus = model::Incomplete;
    m_window.loadPlan();
    settle();
}

// ---- saving ----

QString FileCommands::defaultFolder(const QString& programFolder) {
    const QFileInfo folder(programFolder);
    if (!programFolder.isEmpty() && folder.isDir() && folder.isWritable())
        return folder.absoluteFilePath();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

bool FileCommands::saveAs() {
    if (m_dialogFileName.isEmpty())
        m_dialogFileName = QDir(defaultFolder(m_programFolder)).filePath(defaultFileName());
    analysis::Prompts::FileRequest request;
    request.initialPath = m_dialogFileName;
    request.filter = QStringLiteral("Text Files (*.xml)");
    request.defaultSuffix = QStringLiteral("xml");
    // The dialog itself asks before an existing file is replaced.
    const QString path = m_prompts.saveFileName(request);
    if (path.isEmpty())
        return false;
    m_dialogFileName = path;

    const planfile::SaveResult saved = planfile::savePlan(m_state.plan(), path);
    if (!saved.ok) {
        m_prompts.message(saved.error + QStringLiteral("\r\n\r\nYour plan is still open and "
                                                       "unchanged. Choose another folder or "
                                                       "name and save it again."),
                          QString(), analysis::Prompts::Icon::Critical);
        return false;
    }
    m_state.CurrentFileName = path;
    settle();
    return true;
}

// ---- opening ----

void FileCommands::open() {
    if (!askToSaveChanges())
        return;
    analysis::Prompts::FileRequest request;
    request.title = QStringLiteral("Open");
    request.initialPath = m_dialogFileName;
    request.filter = QStringLiteral("Data Files (*.xml)");
    const QString path = m_prompts.openFileName(request);
    if (!path.isEmpty())
        openFile(path);
}

void FileCommands::openFile(const QString& path) {
    // The file is read and checked before anything of the current plan is touched.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_prompts.message(QStringLiteral("%1 could not be opened: %2")
                              .arg(QDir::toNativeSeparators(path), file.errorString()),
                          QString(), analysis::Prompts::Icon::Critical);
        return;
    }
    // A file picked by mistake (a photo, an archive) is turned away by its first line before
    // the whole of it is read.
    if (!planfile::readPlan(file.peek(4096)).isPlan) {
        m_prompts.message(QDir::toNativeSeparators(path) + QStringLiteral(" is not a HACCP Plan"));
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_prompts.message(QStringLiteral("%1 could not be read: %2")
                              .arg(QDir::toNativeSeparators(path), file.errorString()),
                          QString(), analysis::Prompts::Icon::Critical);
        return;
    }
    file.close();
    planfile::PlanReadResult read = planfile::readPlan(bytes, m_state.HazardKeyCounter);
    if (!read.isPlan) {
        m_prompts.message(QDir::toNativeSeparators(path) + QStringLiteral(" is not a HACCP Plan"));
        return;
    }

    m_state.CurrentPlan = read.plan ? read.plan : std::make_shared<model::HACCP_Plan>();
    m_state.HazardKeyCounter = read.hazardKeyCounter;
    m_state.CurrentFileName = path;
    m_dialogFileName = path;
    m_window.loadPlan();

    for (const QString& warning : read.warnings)
        m_prompts.message(warning);
    m_state.InputsChanged = false;
    settle();
}

bool FileCommands::openRecovered(const QByteArray& bytes, const QString& originalPath) {
    planfile::PlanReadResult read = planfile::readPlan(bytes, m_state.HazardKeyCounter);
    if (!read.isPlan || !read.plan)
        return false;
    m_state.CurrentPlan = read.plan;
    m_state.HazardKeyCounter = read.hazardKeyCounter;
    m_state.CurrentFileName = originalPath;
    if (!originalPath.isEmpty())
        m_dialogFileName = originalPath;
    m_window.loadPlan();
    for (const QString& warning : read.warnings)
        m_prompts.message(warning);
    m_state.InputsChanged = false;
    m_savedFingerprint.clear();
    return true;
}

// ---- leaving ----

void FileCommands::discardWorkingDocument() {
    m_window.setWorkingDocument(nullptr);
}

void FileCommands::exit() {
    if (!m_state.DocumentCreated && !askToSaveChanges())
        return;
    discardWorkingDocument();
    m_closeConfirmed = true;
    m_window.close();
    m_closeConfirmed = false;
}

void FileCommands::closingSequence() {
    if (m_closing)
        return;
    m_closing = true;
    // Other windows first, the most recent first, so none keeps the program running.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        QWidget* w = *it;
        if (w != &m_window && w->isVisible())
            w->close();
    }
    if (!m_state.DocumentCreated)
        discardWorkingDocument();
    m_closing = false;
}

} // namespace orvella::mainwindow
