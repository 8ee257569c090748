#include "analysisdialogs/frmJustification.h"
#include "analysisdialogs/EntryBoxes.h"
#include "analysisdialogs/EscapeGuard.h"
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvella::analysisdialogs {

namespace {

QComboBox* makeCombo(const QString& name, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    // What is stored is what was typed or picked: an editable combo box would otherwise
    // complete "Mud" to an earlier "Mud on boots" as the user types.
    box->setCompleter(nullptr);
    removeLengthLimit(box->lineEdit());
    // Only OK adds to the list: Return in the box confirms the dialog instead.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(40);
    box->setMaxVisibleItems(15);
    return box;
}

// A new text, not yet in the list, is kept for later hazards of the run.
void learn(QComboBox* box) {
    const QString text = box->currentText();
    if (!text.isEmpty() && box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
        box->addItem(text);
}

void setComboText(QComboBox* box, const QString& text) {
    box->setCurrentIndex(-1);
    box->setEditText(text);
}

QStringList items(const QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

QLabel* makeLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

frmJustification::frmJustification(analysis::Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_prompts(prompts) {
    setObjectName(QStringLiteral("frmJustification"));
    setWindowTitle(QStringLiteral("Justification"));
    setModal(true);
    EscapeGuard::install(this);

    m_lblTask = makeLabel(QStringLiteral("lblTask"), QStringLiteral("Task"), this);
    QFont bold = m_lblTask->font();
    bold.setBold(true);
    m_lblTask->setFont(bold);
    m_lblTaskDesc =
        makeLabel(QStringLiteral("lblTaskDesc"), QStringLiteral("Task Description"), this);
    m_lblPrompt = makeLabel(QStringLiteral("lblPrompt"), QStringLiteral("Label1"), this);
    m_cboJust = makeCombo(QStringLiteral("cboJust"), this);
    m_lblControl =
        makeLabel(QStringLiteral("lblControl"),
                  QStringLiteral(
                      "What Control Measures can be applied to prevent the spread of this hazard?"),
                  this);
    m_cboControl = makeCombo(QStringLiteral("cboControl"), this);
    m_lblPrompt->setBuddy(m_cboJust);
    m_lblControl->setBuddy(m_cboControl);
    auto* debug = new QLabel(this);
    debug->setObjectName(QStringLiteral("lblDebug"));

    m_showTasks = new QPushButton(QStringLiteral("Show List of Tasks"), this);
    m_showTasks->setObjectName(QStringLiteral("cmdShowTasks"));
    m_showTasks->setAutoDefault(false);
    m_back = new QPushButton(QStringLiteral("Back"), this);
    m_back->setObjectName(QStringLiteral("btnBack"));
    m_back->setAutoDefault(false);
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("OKButton"));
    m_ok->setDefault(true);

    connect(m_ok, &QPushButton::clicked, this, &frmJustification::confirm);
    connect(m_back, &QPushButton::clicked, this, &frmJustification::reject);
    connect(m_showTasks, &QPushButton::clicked, this, [this] { m_prompts.message(m_taskList); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_showTasks);
    buttons->addStretch(1);
    buttons->addWidget(m_back);
    buttons->addWidget(m_ok);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_lblTask);
    layout->addWidget(m_lblTaskDesc);
    layout->addSpacing(10);
    layout->addWidget(m_lblPrompt);
    layout->addWidget(m_cboJust);
    layout->addSpacing(10);
    layout->addWidget(m_lblControl);
    layout->addWidget(m_cboControl);
    layout->addWidget(debug);
    layout->addStretch(1);
    layout->addLayout(buttons);

    setMinimumWidth(600);
}

void frmJustification::setButtonCaptions(const QString& ok, const QString& back,
                                         const QString& showTasks) {
    m_ok->setText(ok);
    m_back->setText(back);
    m_showTasks->setText(showTasks);
}

void frmJustification::setTaskLabel(const QString& text) {
    m_lblTask->setText(text);
}
void frmJustification::setTaskDescription(const QString& text) {
    m_lblTaskDesc->setText(text);
}
void frmJustification::setPrompt(const QString& text) {
    m_lblPrompt->setText(text);
    // The typing happens in the box's line edit, which a reader names on its own.
    m_cboJust->lineEdit()->setAccessibleName(text);
}
void frmJustification::setControlQuestion(const QString& text) {
    m_lblControl->setText(text);
    m_cboControl->lineEdit()->setAccessibleName(text);
}
void frmJustification::setControlVisible(bool visible) {
    m_lblControl->setVisible(visible);
    m_cboControl->setVisible(visible);
}
void frmJustification::setJustification(const QString& text) {
    setComboText(m_cboJust, text);
}
void frmJustification::setControlMeasures(const QString& text) {
    setComboText(m_cboControl, text);
}

void frmJustification::showModal() {
    m_cboJust->setFocus();
    m_cboJust->lineEdit()->selectAll();
    // Grow for a longer question, but never jump smaller between hazards.
    resize(size().expandedTo(sizeHint()));
    exec();
}

QString frmJustification::justification() const {
    return m_cboJust->currentText();
}
QString frmJustification::controlMeasures() const {
    return m_cboControl->currentText();
}
QStringList frmJustification::justificationList() const {
    return items(m_cboJust);
}
QStringList frmJustification::controlMeasuresList() const {
    return items(m_cboControl);
}

void frmJustification::confirm() {
    learn(m_cboJust);
    learn(m_cboControl);
    m_goBack = false;
    accept();
}

void frmJustification::reject() {
    m_goBack = true;
    QDialog::reject();
}

} // namespace orvella::analysisdialogs
