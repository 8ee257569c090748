#pragma once
#include "analysis/Prompts.h"
#include <QDialog>

class QLabel;
class QPushButton;

namespace orvella::analysisdialogs {

// A yes/no question with English buttons in both languages. Result is Prompts::AnswerYes
// after Yes, Prompts::AnswerNo after No and stays 0 when the box is closed otherwise.
class YesNoBox : public QDialog {
    Q_OBJECT
public:
    explicit YesNoBox(QWidget* parent = nullptr);

    int Result = 0;
    QLabel* Label1() const { return m_label1; }
    // The button Enter presses and that has the focus: AnswerYes (as made) or AnswerNo.
    void setDefaultAnswer(int answer);

private:
    QLabel* m_label1;
    QPushButton* m_yes;
    QPushButton* m_no;
};

// Asks one question in a new box: the prompt left-aligned from 50 characters on, centred
// below that. Answers the box's Result. (AnswerYes or AnswerNo) is the button Enter presses.
int YesNo(const QString& prompt, const QString& caption, QWidget* parent = nullptr,
          int defaultAnswer = analysis::Prompts::AnswerYes);

} // namespace orvella::analysisdialogs
