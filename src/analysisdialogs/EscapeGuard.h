#pragma once
#include <QObject>

class QDialog;

namespace orvella::analysisdialogs {

// Keeps Escape from answering a dialog: one stray key press must not count as Back or as
// an answer. The frame's close box still closes it (as its reject()).
class EscapeGuard : public QObject {
    Q_OBJECT
public:
    static void install(QDialog* dialog);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

} // namespace orvella::analysisdialogs
