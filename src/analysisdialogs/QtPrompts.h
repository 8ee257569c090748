#pragma once
#include "analysis/Prompts.h"
#include <QPointer>
#include <QWidget>

namespace orvella::analysisdialogs {

// Message boxes and file dialogs as the user sees them.
class QtPrompts : public analysis::Prompts {
public:
    explicit QtPrompts(QWidget* parent = nullptr) : m_parent(parent) {}

    // The window the boxes are centred on and modal to (the main window once it exists).
    void setParentWidget(QWidget* parent) { m_parent = parent; }

    int message(const QString& text, const QString& title = {}, Icon icon = Icon::None,
                Buttons buttons = Buttons::Ok) override;
    int choose(const QString& text, const QString& title, const QStringList& buttons,
               int escapeIndex) override;
    QString openFileName(const FileRequest& request) override;
    QString saveFileName(const FileRequest& request) override;

private:
    QPointer<QWidget> m_parent;
};

} // namespace orvella::analysisdialogs
