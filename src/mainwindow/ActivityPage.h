#pragma once
#include "mainwindow/StepPage.h"

class QLineEdit;
class QPlainTextEdit;

namespace orvella::mainwindow {

// Step 1: contact information and the description of the activity.
class ActivityPage : public StepPage {
    Q_OBJECT
public:
    ActivityPage(model::ProgramState& state, QWidget* parent = nullptr);

    void load(const model::HACCP_Plan& plan) override;
    // The nine boxes, without leading and trailing blanks.
    void store(model::HACCP_Plan& plan) override;

    // Stores the boxes and asks for the next step.
    void submit();

private:
    struct Field {
        QLineEdit* box;
        QString model::HACCP_Plan::*member;
    };
    QList<Field> m_fields;
    QPlainTextEdit* m_description = nullptr;
};

} // namespace orvella::mainwindow
