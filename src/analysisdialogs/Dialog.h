#pragma once
#include "analysis/AnalysisDialogs.h"
#include <QDialog>
#include <QList>

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QVBoxLayout;

namespace orvella::analysisdialogs {

// The hazard selection dialog: which potential hazards may be transported during a task.
// "None" (chkHaz(0)) and the hazard boxes exclude each other; any click marks the selection
// as changed. Closing the window counts as Back.
class Dialog : public QDialog, public analysis::SelectionDialog {
    Q_OBJECT
public:
    explicit Dialog(QWidget* parent = nullptr);

    void setCaption(const QString& caption) override;
    void setTask(const QString& name, const QString& description) override;
    void setHazards(const QStringList& entities, const QList<bool>& ticked) override;
    void setNoneTicked(bool ticked) override;
    void setBackVisible(bool visible) override;
    void showModal() override;
    bool isTicked(int index) const override;
    void removeHazards() override;
    bool GoBack() const override { return m_goBack; }
    void ResetGoBack() override { m_goBack = false; }
    bool Changed() const override { return m_changed; }
    void setChanged(bool changed) override { m_changed = changed; }

    // Height in pixels for n hazard boxes: 300 twips a box plus 4000, within the screen.
    int heightFor(int n) const;
    // Width that shows the longest hazard name, within the screen.
    int widthFor() const;

public slots:
    void reject() override;

private:
    void boxClicked(int index);
    QCheckBox* addBox(int index, const QString& caption);

    QLabel* m_label1;
    QLabel* m_lblTask;
    QLabel* m_txtTask;
    QScrollArea* m_scroll;
    QVBoxLayout* m_boxLayout;
    QList<QCheckBox*> m_boxes; // element 0 is "None"
    QObject* m_arrows;         // lets Up and Down move between the boxes
    QPushButton* m_ok;
    QPushButton* m_back;
    bool m_goBack = false;
    bool m_changed = false;
};

} // namespace orvella::analysisdialogs
