#include "analysisdialogs/EscapeGuard.h"
#include <QDialog>
#include <QKeyEvent>

namespace orvella::analysisdialogs {

void EscapeGuard::install(QDialog* dialog) {
    dialog->installEventFilter(new EscapeGuard(dialog));
}

bool EscapeGuard::eventFilter(QObject* watched, QEvent* event) {
    // QDialog turns Escape into reject() in its own key handler, which sees the key after
    // every child passed it on; a popup (a combo box's list) takes its Escape before that.
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        event->accept();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace orvella::analysisdialogs
