#pragma once
#include "analysis/Prompts.h"
#include "help/HelpGuide.h"
#include "model/ProgramState.h"
#include <QObject>
#include <QPointer>

class QAction;
class QWidget;

namespace orvella::help {
class HelpWindow;
}
namespace orvella::platform {
class SystemInfo;
}

namespace orvella::mainwindow {

// The Help menu: the user guide (contents and search) and the about box.
class HelpCommands : public QObject {
    Q_OBJECT
public:
    HelpCommands(QWidget* mainWindow, model::ProgramState& state, analysis::Prompts& prompts,
                 QString guideRoot = help::HelpGuide::defaultRoot());
    ~HelpCommands() override;

    // Connects the Help menu's Contents, Search and About (any may be none) and F1.
    void attach(QAction* contents, QAction* search, QAction* about);

    void showContents();
    void showSearch();
    void showAbout();

    // The guide's window once it has been opened; it lives as long as the main window.
    help::HelpWindow* window() const;
    platform::SystemInfo& systemInfo() { return *m_systemInfo; }

private:
    bool ensureWindow(const QString& noHelpText);

    QWidget* m_mainWindow;
    model::ProgramState& m_state;
    analysis::Prompts& m_prompts;
    help::HelpGuide m_guide;
    QPointer<help::HelpWindow> m_window;
    std::unique_ptr<platform::SystemInfo> m_systemInfo;
};

} // namespace orvella::mainwindow
