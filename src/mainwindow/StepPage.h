#pragma once
#include "model/ProgramState.h"
#include <QGroupBox>

class QLabel;
class QLineEdit;
class QPushButton;

namespace orvella::mainwindow {

// One page of the main window: a captioned frame that belongs to one tab.
class StepPage : public QGroupBox {
    Q_OBJECT
public:
    StepPage(int index, const QString& caption, model::ProgramState& state,
             QWidget* parent = nullptr);

    // Shows what the plan holds: every entry of the page is rewritten from it.
    virtual void load(const model::HACCP_Plan& plan) = 0;
    // Puts what the page shows into the plan.
    virtual void store(model::HACCP_Plan& plan) = 0;

    // Everything the page's boxes and lists show, in a fixed order: two calls answer the
    // same list exactly when nothing on the page was typed, added or removed in between.
    QStringList contents() const;

signals:
    // The page has stored its entries in the plan; the window moves on to the next step.
    void submitted();

protected:
    QLabel* makeLabel(const char* name, const QString& text, bool wrap = true);
    QLineEdit* makeLineEdit(const char* name);
    QPushButton* makeButton(const char* name, const QString& text);

    model::ProgramState& m_state;
};

} // namespace orvella::mainwindow
