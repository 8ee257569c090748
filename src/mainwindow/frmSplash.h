#pragma once
#include "model/ProgramState.h"
#include <QDialog>

class QLabel;

namespace orvella::mainwindow {

// The start-up screen: version, Word status and the choice of language for this run.
class frmSplash : public QDialog {
    Q_OBJECT
public:
    explicit frmSplash(model::ProgramState& state, QWidget* parent = nullptr);

    QLabel* statusLine() const { return m_status; }
    QLabel* wordStatus() const { return m_word; }

    // "Version " and the program's major, minor and revision numbers.
    static QString versionText();

private:
    model::ProgramState& m_state;
    QLabel* m_status = nullptr;
    QLabel* m_word = nullptr;
};

} // namespace orvella::mainwindow
