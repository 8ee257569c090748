#include "analysisdialogs/QtPrompts.h"
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace orvella::analysisdialogs {

namespace {
QMessageBox::Icon toQt(analysis::Prompts::Icon icon) {
    switch (icon) {
    case analysis::Prompts::Icon::Critical:
        return QMessageBox::Critical;
    case analysis::Prompts::Icon::Information:
        return QMessageBox::Information;
    case analysis::Prompts::Icon::Warning:
        return QMessageBox::Warning;
    case analysis::Prompts::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// The hourglass of a long command must not hide the pointer while the user is asked.
class NormalCursor {
public:
    NormalCursor() : m_active(QApplication::overrideCursor() != nullptr) {
        if (m_active)
            QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~NormalCursor() {
        if (m_active)
            QApplication::restoreOverrideCursor();
    }
    NormalCursor(const NormalCursor&) = delete;
    NormalCursor& operator=(const NormalCursor&) = delete;

private:
    bool m_active;
};
} // namespace

int QtPrompts::message(const QString& text, const QString& title, Icon icon, Buttons buttons) {
    NormalCursor cursor;
    // Message texts break lines with CR LF; Qt wants a plain line feed.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(toQt(icon), title.isEmpty() ? QStringLiteral("Orvella") : title, shown,
                    QMessageBox::NoButton, m_parent);
    box.setObjectName(QStringLiteral("Prompt"));
    box.setTextFormat(Qt::PlainText);
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? AnswerYes : AnswerNo;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return AnswerOk;
}

int QtPrompts::choose(const QString& text, const QString& title, const QStringList& buttons,
                      int escapeIndex) {
    NormalCursor cursor;
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::Question, title.isEmpty() ? QStringLiteral("Orvella") : title,
                    shown, QMessageBox::NoButton, m_parent);
    box.setObjectName(QStringLiteral("Prompt"));
    box.setTextFormat(Qt::PlainText);
    QList<QAbstractButton*> shownButtons;
    for (const QString& caption : buttons)
        shownButtons << box.addButton(caption, QMessageBox::ActionRole);
    if (!shownButtons.isEmpty())
        box.setDefaultButton(qobject_cast<QPushButton*>(shownButtons.constFirst()));
    if (escapeIndex >= 0 && escapeIndex < shownButtons.size())
        box.setEscapeButton(shownButtons.at(escapeIndex));
    box.exec();
    const qsizetype chosen = shownButtons.indexOf(box.clickedButton());
    return chosen < 0 ? escapeIndex : int(chosen);
}

namespace {

// Shows a file dialog and answers the chosen file, or empty text when cancelled.
QString chooseFile(QFileDialog& dialog) {
    // Where the desktop offers no dialog of its own, Qt's opens too small to read the file
    // sizes and dates; give it room for them.
    const int line = dialog.fontMetrics().height();
    dialog.resize(dialog.sizeHint().expandedTo(QSize(line * 58, line * 30)));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString QtPrompts::openFileName(const FileRequest& request) {
    NormalCursor cursor;
    QFileDialog dialog(m_parent, request.title, request.initialPath, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return chooseFile(dialog);
}

QString QtPrompts::saveFileName(const FileRequest& request) {
    NormalCursor cursor;
    QFileDialog dialog(m_parent, request.title, request.initialPath, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!request.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(request.defaultSuffix);
    return chooseFile(dialog);
}

} // namespace orvella::analysisdialogs
