#pragma once
#include "analysis/Prompts.h"
#include <QDialog>

class QLabel;
class QPushButton;

namespace orvella::platform {
class SystemInfo;
}

namespace orvella::mainwindow {

// The about box: the program's title and version, what it is for, a word of warning and a
// contact line; "System Info..." starts the platform's system-information tool.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout(analysis::Prompts& prompts, const platform::SystemInfo& systemInfo,
             QWidget* parent = nullptr);

    static QString versionText();

private:
    analysis::Prompts& m_prompts;
    const platform::SystemInfo& m_systemInfo;
};

} // namespace orvella::mainwindow
