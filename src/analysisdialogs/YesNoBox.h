#pragma once
#include <QDialog>

class QLabel;

namespace orvella::analysisdialogs {

// A yes/no question with English buttons in both languages. Result is Prompts::AnswerYes
// after Yes, Prompts::AnswerNo after No and stays 0 when the box is closed otherwise.
class YesNoBox : public QDialog {
    Q_OBJECT
public:
    explicit YesNoBox(QWidget* parent = nullptr);

    int Result = 0;
    QLabel* Label1() const { return m_label1; }

private:
    QLabel* m_label1;
};

// Asks one question in a new box: the prompt left-aligned from 50 characters on, centred
// below that. Answers the box's Result.
int YesNo(const QString& prompt, const QString& caption, QWidget* parent = nullptr);

} // namespace orvella::analysisdialogs
