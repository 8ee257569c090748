#include "mainwindow/HazardsPage.h"
#include "analysis/HazardCatalogue.h"
#include "mainwindow/FieldText.h"
#include "mainwindow/ScreenTwips.h"
#include "model/HazardTypes.h"
#include "model/PlanCcps.h"
#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCompleter>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace orvella::mainwindow {

using model::HazardTypes::All;

HazardsPage::HazardsPage(model::ProgramState& state, analysis::Prompts& prompts, QWidget* parent)
    : StepPage(1, QStringLiteral("Step 2 - Identify Hazards"), state, parent), m_prompts(prompts) {
    auto* intro = makeLabel(
        "lblStep2",
        QStringLiteral(
            "As the second step you will need to list any potential hazards that may be "
            "associated with your activities.  Hazards are species that may be moved or "
            "introduced, causing ecological damage and furthering the spread of unwanted "
            "species to new habitats. They may include vertebrates, invertebrates, plants, or "
            "other biologics (e.g., diseases, pathogens, and parasites)."));

    // Left column: name, type, add.
    auto* heading = makeLabel("lblVerts", QStringLiteral("Add Hazards to list one at a time"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    auto* first =
        makeLabel("Label26", QStringLiteral("First, name a hazard (e.g. Giant Salvinia)..."));
    auto* name = makeLineEdit("txtAddHaz");
    m_name = name;
    first->setBuddy(name);
    auto* second =
        makeLabel("Label27", QStringLiteral("Second, indicate what kind of hazard it is..."));
    const QString typeTexts[5] = {
        QStringLiteral("Vertebrate Hazard"), QStringLiteral("Invertebrate Hazard"),
        QStringLiteral("Plant Hazard"), QStringLiteral("Other Biological Hazard"),
        QStringLiteral("Other Hazard")};
    m_types = new QButtonGroup(this);
    auto* typeBox = new QVBoxLayout;
    typeBox->setSpacing(0);
    typeBox->setContentsMargins(12, 0, 0, 0);
    for (int i = 0; i < 5; ++i) {
        auto* option = new QRadioButton(typeTexts[i], this);
        option->setObjectName(QStringLiteral("optHazType(%1)").arg(i));
        m_types->addButton(option, i);
        typeBox->addWidget(option);
    }
    m_types->button(4)->setChecked(true);
    second->setBuddy(m_types->button(4));
    auto* third = makeLabel("Label28", QStringLiteral("Third, click this button to add the "
                                                      "hazard to the list... "));
    auto* add = makeButton("btnAddHazard", QStringLiteral("Add to List"));
    third->setBuddy(add);
    auto* repeat = makeLabel("Label29", QStringLiteral("Repeat for all possible hazards "
                                                       "encountered during your activity."));
    auto* addRow = new QHBoxLayout;
    addRow->addWidget(third, 1);
    addRow->addWidget(add, 0, Qt::AlignVCenter);

    auto* left = new QVBoxLayout;
    left->setSpacing(3);
    left->addWidget(heading);
    left->addWidget(first);
    left->addWidget(name);
    left->addSpacing(2);
    left->addWidget(second);
    left->addLayout(typeBox);
    left->addLayout(addRow);
    left->addWidget(repeat);
    left->addStretch(1);

    // Right column: the two parallel lists.
    auto* listHeading = makeLabel("Label24", QStringLiteral("List of Potential Hazards"));
    listHeading->setFont(bold);
    m_kinds = new QListWidget(this);
    m_kinds->setObjectName(QStringLiteral("lstHazardKinds"));
    m_hazards = new QListWidget(this);
    m_hazards->setObjectName(QStringLiteral("lstHazards"));
    // Lists are not named by their buddy label as boxes are.
    m_hazards->setAccessibleName(tr("Potential hazards"));
    listHeading->setBuddy(m_hazards);
    // The kinds only mirror the hazards row by row: no clicks, no focus, no scroll bar of
    // their own; they scroll with the hazard list.
    m_kinds->setEnabled(false);
    m_kinds->setFocusPolicy(Qt::NoFocus);
    m_kinds->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_kinds->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_hazards->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_hazards->setWordWrap(false);
    m_hazards->setTextElideMode(Qt::ElideRight);
    // Read as active colours: a disabled widget's palette answers its greyed ones.
    QPalette kindsPalette = m_kinds->palette();
    const QColor face = kindsPalette.color(QPalette::Active, QPalette::Button);
    const QColor faceText = kindsPalette.color(QPalette::Active, QPalette::ButtonText);
    for (auto group : {QPalette::Disabled, QPalette::Active, QPalette::Inactive}) {
        kindsPalette.setColor(group, QPalette::Base, face);
        kindsPalette.setColor(group, QPalette::Text, faceText);
    }
    m_kinds->setPalette(kindsPalette);
    // Wide enough for the longest type key, so no kind is cut off.
    int widest = 0;
    for (const QString& key : All)
        widest = qMax(widest, m_kinds->fontMetrics().horizontalAdvance(key));
    m_kinds->setFixedWidth(
        qMax(pixelsFromTwips(this, 975), widest + 2 * m_kinds->frameWidth() + 12));
    m_kinds->setUniformItemSizes(true);
    m_hazards->setUniformItemSizes(true);
    m_kinds->setAccessibleName(QStringLiteral("Hazard kinds"));
    connect(m_hazards->verticalScrollBar(), &QScrollBar::valueChanged, m_kinds->verticalScrollBar(),
            &QScrollBar::setValue);
    auto* lists = new QHBoxLayout;
    lists->setSpacing(0);
    lists->addWidget(m_kinds);
    lists->addWidget(m_hazards, 1);

    auto* remove = makeButton("btnRemove", QStringLiteral("Remove From List"));
    auto* removeRow = new QHBoxLayout;
    removeRow->addStretch(1);
    removeRow->addWidget(remove);

    auto* right = new QVBoxLayout;
    right->setSpacing(3);
    right->addWidget(listHeading);
    right->addLayout(lists, 1);
    right->addLayout(removeRow);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(pixelsFromTwips(this, 360));
    columns->addLayout(left, 4);
    columns->addLayout(right, 6);

    auto* done =
        makeLabel("Label30", QStringLiteral("Once you have added all of the potential hazards to "
                                            "the list, you are ready to move on to Step 4"));
    auto* next = makeButton("Command1", QStringLiteral("Submit && Continue"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(done, 1);
    bottom->addWidget(next);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(columns, 1);
    layout->addLayout(bottom);

    // Reading order: name, type, add, then the list and its button, then submit.
    setTabOrder(name, m_types->button(0));
    for (int i = 0; i < 4; ++i)
        setTabOrder(m_types->button(i), m_types->button(i + 1));
    setTabOrder(m_types->button(4), add);
    setTabOrder(add, m_hazards);
    setTabOrder(m_hazards, remove);
    setTabOrder(remove, next);

    connect(add, &QPushButton::clicked, this, &HazardsPage::addClicked);
    connect(name, &QLineEdit::returnPressed, this, &HazardsPage::addClicked);
    connect(remove, &QPushButton::clicked, this, &HazardsPage::removeClicked);
    connect(next, &QPushButton::clicked, this, &HazardsPage::submit);
    connect(m_hazards, &QListWidget::itemSelectionChanged, this, [this] {
        const auto rows = m_hazards->selectionModel()->selectedRows();
        if (!rows.isEmpty())
            m_state.SelectedHazardIndex = qint16(rows.constFirst().row());
    });
    m_hazards->installEventFilter(this);

    // Suggestions from the catalogue of usual hazards. The completer is only shown and fed
    // here: what the user types stays exactly as typed unless an entry is picked.
    m_suggestions = new QStandardItemModel(this);
    m_suggest = new QCompleter(m_suggestions, this);
    m_suggest->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_suggest->setWidget(name);
    m_suggest->setMaxVisibleItems(8);
    m_suggest->popup()->setObjectName(QStringLiteral("lstSuggestions"));
    m_suggest->popup()->setFont(name->font());
    m_suggest->popup()->installEventFilter(this);
    connect(name, &QLineEdit::textEdited, this, &HazardsPage::suggest);
    connect(m_suggest, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            &HazardsPage::pickSuggestion);
}

void HazardsPage::suggest(const QString& typed) {
    constexpr int Shown = 30;
    m_suggestions->clear();
    if (trimSpaces(typed).size() >= 2) {
        const auto found = analysis::matchHazards(analysis::hazardCatalogue(), typed);
        for (qsizetype i = 0; i < found.size() && i < Shown; ++i) {
            auto* item = new QStandardItem(found[i].display(m_state.UseSpanish));
            item->setData(found[i].kind, Qt::UserRole);
            item->setToolTip(found[i].kind);
            m_suggestions->appendRow(item);
        }
    }
    if (m_suggestions->rowCount() > 0) {
        m_suggest->complete();
        // No row looks chosen until the user moves to one: Enter alone adds what was typed.
        m_suggest->popup()->setCurrentIndex(QModelIndex());
    } else
        m_suggest->popup()->hide();
}

void HazardsPage::pickSuggestion(const QModelIndex& index) {
    if (!index.isValid())
        return;
    m_suggest->popup()->hide();
    m_name->setText(index.data(Qt::DisplayRole).toString());
    const QString kind = index.data(Qt::UserRole).toString();
    for (int i = 0; i < 5; ++i)
        if (All[std::size_t(i)] == kind)
            m_types->button(i)->setChecked(true);
}

bool HazardsPage::eventFilter(QObject* watched, QEvent* event) {
    // Enter on a highlighted suggestion picks it; with none highlighted it goes to the name
    // box alone, which adds what was typed.
    if (m_suggest && watched == m_suggest->popup() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        const QModelIndexList picked = m_suggest->popup()->selectionModel()->selectedIndexes();
        m_suggest->popup()->hide();
        if (!picked.isEmpty())
            pickSuggestion(picked.constFirst());
        else
            QCoreApplication::sendEvent(m_name, event);
        return true;
    }
    // Delete on the list does what "Remove From List" does, for keyboard users.
    if (watched == m_hazards && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        removeClicked();
        return true;
    }
    return StepPage::eventFilter(watched, event);
}

QString HazardsPage::selectedKind() const {
    QString kind = model::HazardTypes::Other;
    for (int i = 0; i < 5; ++i)
        if (m_types->button(i)->isChecked())
            kind = All[i];
    return kind;
}

bool HazardsPage::addHazard(QLineEdit* txt, const QString& kind) {
    if (!txt)
        return false;
    const QString name = trimSpaces(txt->text());
    txt->clear();
    if (name.isEmpty())
        return false;
    m_hazards->addItem(name);
    m_kinds->addItem(kind);
    m_hazards->scrollToBottom();
    return true;
}

void HazardsPage::addClicked() {
    if (!addHazard(m_name, selectedKind()))
        m_prompts.message(QStringLiteral("Hazard was not added."));
}

void HazardsPage::removeClicked() {
    const auto rows = m_hazards->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return;
    // Both lists lose the same row, so every kind stays beside its own hazard.
    const int row = rows.constFirst().row();
    m_state.SelectedHazardIndex = qint16(row);
    delete m_hazards->takeItem(row);
    if (row < m_kinds->count())
        delete m_kinds->takeItem(row);
    m_hazards->clearSelection();
}

void HazardsPage::load(const model::HACCP_Plan& plan) {
    m_suggest->popup()->hide();
    m_name->clear();
    m_hazards->clear();
    m_kinds->clear();
    for (const auto& hazard : plan.PotentialHazards) {
        auto* item = new QListWidgetItem(hazard->Entity, m_hazards);
        item->setData(Qt::UserRole, hazard->Id);
        m_kinds->addItem(hazard->HazType);
    }
}

void HazardsPage::store(model::HACCP_Plan& plan) {
    // A row that came from the plan keeps its hazard, and so the answers about it.
    QHash<quint32, std::shared_ptr<model::HACCP_PotentialHazard>> listed;
    for (const auto& hazard : plan.PotentialHazards)
        listed.insert(hazard->Id, hazard);
    auto& hazards = plan.PotentialHazards;
    hazards.clear();
    for (int i = 0; i < m_hazards->count(); ++i) {
        QListWidgetItem* item = m_hazards->item(i);
        auto hazard = listed.take(item->data(Qt::UserRole).toUInt());
        if (!hazard) {
            hazard = std::make_shared<model::HACCP_PotentialHazard>();
            hazard->AddedAfterAnalysis = model::isAnalysisComplete(plan);
        }
        hazard->Entity = item->text();
        hazard->HazType = i < m_kinds->count() ? m_kinds->item(i)->text() : QString();
        item->setData(Qt::UserRole, hazard->Id);
        hazards.add(hazard, m_state.nextHazardKey());
    }
    model::followHazardNames(plan);
}

void HazardsPage::submit() {
    store(m_state.plan());
    m_state.InputsChanged = true;
    emit submitted();
}

} // namespace orvella::mainwindow
