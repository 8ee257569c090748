#pragma once
#include "model/ProgramState.h"
#include "model/Prompts.h"
#include "shell/HelpGuide.h"
#include <QObject>
#include <QPointer>

class QWidget;

namespace orvella::shell {

class HelpWindow;
class SystemInfo;

// The Help menu: the user guide (contents and search) and the about box.
class HelpCommands : public QObject {
    Q_OBJECT
public:
    HelpCommands(QWidget* mainWindow, model::ProgramState& state, model::Prompts& prompts,
                 QString guideRoot = HelpGuide::defaultRoot());
    ~HelpCommands() override;

    // Connects the main window's actions mnuHelpContents, mnuHelpSearchForHelpOn and
    // mnuHelpAbout to the commands below.
    void attach();

    void showContents();
    void showSearch();
    void showAbout();

    // The guide's window once it has been opened; it lives as long as the main window.
    HelpWindow* window() const;
    SystemInfo& systemInfo() { return *m_systemInfo; }

private:
    bool ensureWindow(const QString& noHelpText);

    QWidget* m_mainWindow;
    model::ProgramState& m_state;
    model::Prompts& m_prompts;
    HelpGuide m_guide;
    QPointer<HelpWindow> m_window;
    std::unique_ptr<SystemInfo> m_systemInfo;
};

} // namespace orvella::shell
