#include "mainwindow/FieldText.h"
#include <QLineEdit>
#include <QPlainTextEdit>

namespace orvella::mainwindow {

QString trimSpaces(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

QString fieldText(const QWidget* box) {
    if (auto* line = qobject_cast<const QLineEdit*>(box))
        return line->text();
    if (auto* multi = qobject_cast<const QPlainTextEdit*>(box)) {
        QString text = multi->toPlainText();
        text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        return text;
    }
    return {};
}

bool setFieldText(QWidget* box, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setText(text);
        return true;
    }
    if (auto* multi = qobject_cast<QPlainTextEdit*>(box)) {
        QString plain = text;
        plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        multi->setPlainText(plain);
        return true;
    }
    return false;
}

} // namespace orvella::mainwindow
