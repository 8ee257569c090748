#pragma once
#include "model/Prompts.h"
#include <QDialog>

class QLabel;
class QPushButton;

namespace orvella::shell {

class SystemInfo;

// The about box: the program's title and version, what it is for, a word of warning and a
// contact line; "System Info..." starts the platform's system-information tool.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout(model::Prompts& prompts, const SystemInfo& systemInfo, QWidget* parent = nullptr);

    static QString versionText();

private:
    model::Prompts& m_prompts;
    const SystemInfo& m_systemInfo;
};

} // namespace orvella::shell
