#include "mainwindow/FileCommands.h"
#include "model/HazardTypes.h"
#include "planfile/PlanReader.h"
#include "planfile/PlanWriter.h"
#include "mainwindow/WorkingDocument.h"
#include "mainwindow/FieldText.h"
#include "mainwindow/frmMain.h"
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextEdit>

namespace orvella::mainwindow {

namespace {

const QString kCloseTitle = QStringLiteral("Close Current File");
const QString kCloseQuestion = QStringLiteral("You are about to reset all the fields.  \r\n"
                                              "Are you sure you want to start from scratch?");

// The entry boxes of the window itself; windows it owns (help, dialogs) have their own.
QList<QWidget*> entryBoxes(QWidget& window) {
    QList<QWidget*> boxes;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (w->window() != &window)
            continue;
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
            (qobject_cast<QTextEdit*>(w) && !static_cast<QTextEdit*>(w)->isReadOnly()))
            boxes << w;
    }
    return boxes;
}

bool isEmptyBox(const QWidget* box) {
    if (auto* line = qobject_cast<const QLineEdit*>(box))
        return line->text().isEmpty();
    if (auto* plain = qobject_cast<const QPlainTextEdit*>(box))
        return plain->document()->isEmpty();
    if (auto* rich = qobject_cast<const QTextEdit*>(box))
        return rich->document()->isEmpty();
    return false;
}

void setBoxText(QWidget* box, const QString& text) {
    if (mainwindow::setFieldText(box, text))
        return;
    if (auto* rich = qobject_cast<QTextEdit*>(box))
        rich->setPlainText(text);
}

} // namespace

FileCommands::FileCommands(mainwindow::frmMain& mainWindow, model::ProgramState& state,
                           analysis::Prompts& prompts)
    : QObject(&mainWindow), m_window(mainWindow), m_state(state), m_prompts(prompts),
      m_programFolder(QCoreApplication::applicationDirPath()) {
    setObjectName(QStringLiteral("FileCommands"));
}

void FileCommands::attach() {
    auto hook = [this](const char* name, auto command) {
        if (auto* action = m_window.findChild<QAction*>(QLatin1String(name)))
            connect(action, &QAction::triggered, this, command);
    };
    hook("mnuFileNew", [this] { newPlan(); });
    hook("mnuFileOpen", [this] { open(); });
    hook("mnuFileClose", [this] { closePlan(); });
    hook("mnuFileSave", [this] { saveAs(); });
    hook("mnuFileSaveAs", [this] { saveAs(); });
    hook("mnuFileExit", [this] { exit(); });
    hook("SaveButton", [this] { saveAs(); });
    hook("OpenButton", [this] { open(); });
    m_window.installEventFilter(this);
}

bool FileCommands::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_window && event->type() == QEvent::Close)
        closingSequence();
    return QObject::eventFilter(watched, event);
}

// ---- starting from scratch ----

void FileCommands::newPlan() {
    closePlan();
}

void FileCommands::closePlan() {
    m_state.LastAnswer = m_prompts.message(kCloseQuestion, kCloseTitle, analysis::Prompts::Icon::None,
                                           analysis::Prompts::Buttons::YesNo);
    if (m_state.LastAnswer == analysis::Prompts::AnswerYes)
        startFromScratch();
}

void FileCommands::startFromScratch() {
    resetFields(m_window);
    // Nothing of the old plan may live on in a member the pages no longer show.
    m_state.CurrentPlan = std::make_shared<model::HACCP_Plan>();
    m_state.CurrentPlan->AnalysisStatus = model::Incomplete;
    if (auto* note = m_window.findChild<QLabel*>(QStringLiteral("lblStatus")))
        note->hide();
    if (auto* skip = m_window.findChild<QPushButton*>(QStringLiteral("cmdSkip")))
        skip->setEnabled(false);
}

void FileCommands::resetFields(QWidget& window) {
    for (QWidget* box : entryBoxes(window))
        setBoxText(box, QString());
    // The two lists are parallel: always emptied together.
    for (const char* name : {"lstHazards", "lstHazardKinds"}) {
        if (auto* list = window.findChild<QListWidget*>(QLatin1String(name)))
            list->clear();
    }
}

void FileCommands::fillBlanks(QWidget& window) {
    for (QWidget* box : entryBoxes(window)) {
        if (box->objectName().startsWith(QLatin1String("txt")) && isEmptyBox(box))
            setBoxText(box, QStringLiteral(" "));
    }
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
    return true;
}

// ---- opening ----

void FileCommands::open() {
    analysis::Prompts::FileRequest request;
    request.title = QStringLiteral("Open");
    request.initialPath = m_dialogFileName;
    request.filter = QStringLiteral("Data Files (*.xml)");
    const QString path = m_prompts.openFileName(request);
    if (path.isEmpty())
        return;

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

    startFromScratch();
    m_state.CurrentPlan = read.plan ? read.plan : std::make_shared<model::HACCP_Plan>();
    m_state.HazardKeyCounter = read.hazardKeyCounter;
    m_state.CurrentFileName = path;
    m_dialogFileName = path;

    const planfile::PlanPageTexts& pages = read.pages;
    const struct {
        const char* box;
        const QString& text;
    } fields[] = {{"txtTitle", pages.title},
                  {"txtFacility", pages.facility},
                  {"txtCoordinator", pages.coordinator},
                  {"txtManager", pages.manager},
                  {"txtAddress1", pages.address1},
                  {"txtAddress2", pages.address2},
                  {"txtPhone", pages.phone},
                  {"txtSite", pages.site},
                  {"txtActivity", pages.activity},
                  {"txtDescription", pages.description}};
    for (const auto& field : fields)
        setBoxText(m_window.findChild<QWidget*>(QLatin1String(field.box)), field.text);
    for (int i = 0; i < pages.taskBoxes.size() && i < 10; ++i)
        setBoxText(m_window.findChild<QWidget*>(QStringLiteral("txtTask(%1)").arg(i + 1)),
                   pages.taskBoxes.at(i));
    auto* hazards = m_window.findChild<QListWidget*>(QStringLiteral("lstHazards"));
    auto* kinds = m_window.findChild<QListWidget*>(QStringLiteral("lstHazardKinds"));
    if (hazards && kinds) {
        for (const auto& row : pages.hazardRows) {
            hazards->addItem(row.first);
            kinds->addItem(row.second);
        }
    }

    if (read.analysisComplete) {
        // The note has no Spanish text, so a Spanish run keeps it hidden.
        if (auto* note = m_window.findChild<QLabel*>(QStringLiteral("lblStatus")))
            note->setVisible(!m_state.UseSpanish);
        if (auto* skip = m_window.findChild<QPushButton*>(QStringLiteral("cmdSkip")))
            skip->setEnabled(true);
    }

    for (const QString& warning : read.warnings)
        m_prompts.message(warning);
    m_state.InputsChanged = false;
}

// ---- leaving ----

void FileCommands::discardWorkingDocument() {
    if (auto document = m_window.workingDocument()) {
        document->open = false;
        m_window.setWorkingDocument(nullptr);
    }
}

void FileCommands::exit() {
    discardWorkingDocument();
    m_window.close();
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
