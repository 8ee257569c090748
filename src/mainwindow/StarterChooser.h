#pragma once
#include <QDialog>
#include <QString>
#include <optional>

class QListWidget;

namespace orvella::mainwindow {

// File > New from Starter Plan: the starter plans, one line each in the interface language.
class StarterChooser : public QDialog {
    Q_OBJECT
public:
    explicit StarterChooser(QWidget* parent = nullptr);

    // The name of the starter chosen ("boat-launch"), nothing on Cancel.
    static std::optional<QString> choose(QWidget* parent);

    QString chosenName() const;

private:
    QListWidget* m_list;
};

} // namespace orvella::mainwindow
