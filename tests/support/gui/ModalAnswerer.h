#pragma once
// Answers the next modal dialog a test is about to open. Arm it before the click that opens
// the dialog: the click blocks inside exec(), and the answerer runs inside that nested loop.
// A watchdog rejects any modal still open after the timeout, so a test can never hang.
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace testsupport {

template <typename T>
void answerNextModal(std::function<void(T*)> answer, int timeoutMs = 5000) {
    auto* poll = new QTimer(qApp);
    auto elapsed = std::make_shared<int>(0);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer, elapsed, timeoutMs] {
        *elapsed += 10;
        QWidget* modal = QApplication::activeModalWidget();
        if (T* dialog = qobject_cast<T*>(modal); dialog && dialog->isVisible()) {
            poll->stop();
            poll->deleteLater();
            answer(dialog);
            return;
        }
        if (*elapsed >= timeoutMs) {
            poll->stop();
            poll->deleteLater();
            if (auto* d = qobject_cast<QDialog*>(modal))
                d->reject();
        }
    });
    poll->start();
}

} // namespace testsupport
