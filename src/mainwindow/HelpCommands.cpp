#include "mainwindow/HelpCommands.h"
#include "help/HelpWindow.h"
#include "mainwindow/frmAbout.h"
#include "platform/SystemInfo.h"
#include <QAction>
#include <QShortcut>
#include <QWidget>

namespace orvella::mainwindow {

HelpCommands::HelpCommands(QWidget* mainWindow, model::ProgramState& state,
                           analysis::Prompts& prompts, QString guideRoot)
    : QObject(mainWindow), m_mainWindow(mainWindow), m_state(state), m_prompts(prompts),
      m_guide(std::move(guideRoot)), m_systemInfo(std::make_unique<platform::SystemInfo>()) {}

HelpCommands::~HelpCommands() = default;

help::HelpWindow* HelpCommands::window() const {
    return m_window;
}

void HelpCommands::attach(QAction* contents, QAction* search, QAction* about) {
    auto hook = [this](QAction* action, void (HelpCommands::*command)()) {
        if (action)
            connect(action, &QAction::triggered, this, command);
    };
    hook(contents, &HelpCommands::showContents);
    // F1 is where every desktop program keeps its help; the menu keeps its own captions.
    auto* f1 = new QShortcut(QKeySequence::HelpContents, m_mainWindow);
    f1->setObjectName(QStringLiteral("HelpShortcut"));
    connect(f1, &QShortcut::activated, this, &HelpCommands::showContents);
    hook(search, &HelpCommands::showSearch);
    hook(about, &HelpCommands::showAbout);
}

bool HelpCommands::ensureWindow(const QString& noHelpText) {
    if (m_window)
        return true;
    // The guide in the language of this run, else the other one.
    QString language = m_state.UseSpanish ? QStringLiteral("es") : QStringLiteral("en");
    if (!m_guide.isAvailable(language))
        language = m_state.UseSpanish ? QStringLiteral("en") : QStringLiteral("es");
    if (!m_guide.isAvailable(language)) {
        m_prompts.message(noHelpText, m_mainWindow ? m_mainWindow->windowTitle() : QString(),
                          analysis::Prompts::Icon::Information);
        return false;
    }
    m_window = new help::HelpWindow(m_guide, language, m_mainWindow);
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    return true;
}

void HelpCommands::showContents() {
    if (ensureWindow(QStringLiteral("Unable to display Help Contents. There is no Help "
                                    "associated with this project yet.")))
        m_window->showContents();
}

void HelpCommands::showSearch() {
    if (ensureWindow(QStringLiteral("Unable to display Help Contents. There is no Help "
                                    "associated with this project.")))
        m_window->showSearch();
}

void HelpCommands::showAbout() {
    frmAbout about(m_prompts, *m_systemInfo, m_mainWindow);
    about.exec();
}

} // namespace orvella::mainwindow
