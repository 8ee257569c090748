#pragma once
// Answers the next modal dialog a test is about to open. Arm it before the click that opens
// the dialog: the click blocks inside exec(), and the answerer runs inside that nested loop.
// A watchdog rejects any modal still open after the timeout, so a test can never hang.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace testsupport {

template <typename T> void answerNextModal(std::function<void(T*)> answer, int timeoutMs = 5000) {
    auto* poll = new QTimer(qApp);
    // Real time, not ticks: on a loaded machine ticks come late, and an answerer that outlives
    // the wait its test allowed for would answer the next test's dialog.
    auto elapsed = std::make_shared<QElapsedTimer>();
    elapsed->start();
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer, elapsed, timeoutMs] {
        QWidget* modal = QApplication::activeModalWidget();
        if (T* dialog = qobject_cast<T*>(modal); dialog && dialog->isVisible()) {
            poll->stop();
            poll->deleteLater();
            answer(dialog);
            return;
        }
        if (elapsed->elapsed() >= timeoutMs) {
            poll->stop();
            poll->deleteLater();
            if (auto* d = qobject_cast<QDialog*>(modal))
                d->reject();
        }
    });
    poll->start();
}

} // namespace testsupport
