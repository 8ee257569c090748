#pragma once
#include "analysis/Prompts.h"
#include "mainwindow/StepPage.h"

class QButtonGroup;
class QCompleter;
class QListWidget;
class QStandardItemModel;

namespace orvella::mainwindow {

// Step 2: the potential hazards, each with its type, in two parallel lists.
class HazardsPage : public StepPage {
    Q_OBJECT
public:
    HazardsPage(model::ProgramState& state, analysis::Prompts& prompts, QWidget* parent = nullptr);

    // Adds the trimmed text of txt with kind as a new last row of both lists and empties txt;
    // false (nothing added) when the text is empty or blank.
    bool addHazard(QLineEdit* txt, const QString& kind);

    // The type key of the selected type button ("Other" when none is).
    QString selectedKind() const;

    void addClicked();
    void removeClicked();
    // Both lists from the plan's potential hazards; the name box is emptied.
    void load(const model::HACCP_Plan& plan) override;
    // Rebuilds the plan's potential hazards from the lists, each under a fresh key.
    void store(model::HACCP_Plan& plan) override;

    // Stores the hazards and asks for the next step.
    void submit();

    // The catalogue entries offered under the name box while the user types.
    QCompleter* suggestions() const { return m_suggest; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void suggest(const QString& typed);
    void pickSuggestion(const QModelIndex& index);

    analysis::Prompts& m_prompts;
    QCompleter* m_suggest = nullptr;
    QStandardItemModel* m_suggestions = nullptr;
    QButtonGroup* m_types = nullptr;
    QLineEdit* m_name = nullptr;
    QListWidget* m_hazards = nullptr;
    QListWidget* m_kinds = nullptr;
};

} // namespace orvella::mainwindow
