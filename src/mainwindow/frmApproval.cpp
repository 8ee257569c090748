#include "mainwindow/frmApproval.h"
#include "analysis/Prompts.h"
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

namespace orvella::mainwindow {

using namespace model;

namespace {

const QString* const signerRoles[3] = {&RolePrepared, &RoleReviewed, &RoleApproved};

QLineEdit* makeEdit(QWidget* parent, const QString& name, const QString& text) {
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(name);
    return e;
}

QTableWidget* makeTable(QWidget* parent, const QString& name, const QStringList& headings) {
    auto* t = new QTableWidget(0, int(headings.size()), parent);
    t->setObjectName(name);
    t->setHorizontalHeaderLabels(headings);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setStretchLastSection(true);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setTabKeyNavigation(false);
    return t;
}

void appendRow(QTableWidget* t, const QStringList& cells) {
    const int r = t->rowCount();
    t->insertRow(r);
    for (int c = 0; c < cells.size(); ++c)
        t->setItem(r, c, new QTableWidgetItem(cells[c]));
}

QString cellText(const QTableWidget* t, int r, int c) {
    const QTableWidgetItem* item = t->item(r, c);
    return item ? item->text().trimmed() : QString();
}

// Add and Remove under a table.
QHBoxLayout* rowButtons(QWidget* parent, QTableWidget* table, const QString& prefix) {
    auto* add = new QPushButton(frmApproval::tr("Add"), parent);
    add->setObjectName(QStringLiteral("cmdAdd") + prefix);
    auto* remove = new QPushButton(frmApproval::tr("Remove"), parent);
    remove->setObjectName(QStringLiteral("cmdRemove") + prefix);
    QObject::connect(add, &QPushButton::clicked, table, [table] {
        appendRow(table, QStringList(table->columnCount(), QString()));
        table->setCurrentCell(table->rowCount() - 1, 0);
        table->editItem(table->item(table->rowCount() - 1, 0));
    });
    QObject::connect(remove, &QPushButton::clicked, table, [table] {
        if (table->currentRow() >= 0)
            table->removeRow(table->currentRow());
    });
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(add);
    row->addWidget(remove);
    return row;
}

} // namespace

frmApproval::frmApproval(const DocumentControl& current, const QDate& today,
                         analysis::Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_current(current), m_today(today), m_prompts(prompts) {
    setObjectName(QStringLiteral("frmApproval"));
    setWindowTitle(tr("Plan Approval"));

    auto* head = new QFormLayout;
    m_version = makeEdit(this, QStringLiteral("txtPlanVersion"), current.PlanVersion);
    m_version->setMaximumWidth(120);
    head->addRow(tr("Plan version:"), m_version);

    auto* teamBox = new QGroupBox(tr("Planning team"), this);
    m_team = makeTable(teamBox, QStringLiteral("tblTeam"), {tr("Name"), tr("Job title")});
    m_team->setAccessibleName(teamBox->title());
    for (const PlanPerson& p : current.team())
        appendRow(m_team, {p.Name, p.JobTitle});
    m_team->setColumnWidth(0, 260);
    auto* teamLayout = new QVBoxLayout(teamBox);
    teamLayout->addWidget(m_team);
    teamLayout->addLayout(rowButtons(teamBox, m_team, QStringLiteral("Team")));

    auto* signBox = new QGroupBox(tr("Signatures"), this);
    auto* grid = new QGridLayout(signBox);
    grid->addWidget(new QLabel(tr("Name"), signBox), 0, 1);
    grid->addWidget(new QLabel(tr("Job title"), signBox), 0, 2);
    grid->addWidget(new QLabel(tr("Date signed (YYYY-MM-DD)"), signBox), 0, 3);
    const QString labels[3] = {tr("Prepared by"), tr("Reviewed by"), tr("Approved by")};
    const char* names[3] = {"Prepared", "Reviewed", "Approved"};
    for (int i = 0; i < 3; ++i) {
        const PlanPerson* p = current.signer(*signerRoles[i]);
        const QString n = QLatin1String(names[i]);
        m_signers[i] = {
            makeEdit(signBox, QStringLiteral("txtName") + n, p ? p->Name : QString()),
            makeEdit(signBox, QStringLiteral("txtJobTitle") + n, p ? p->JobTitle : QString()),
            makeEdit(signBox, QStringLiteral("txtSignedOn") + n, p ? p->SignedOn : QString())};
        m_signers[i].signedOn->setPlaceholderText(QStringLiteral("YYYY-MM-DD"));
        auto* label = new QLabel(labels[i], signBox);
        label->setBuddy(m_signers[i].name);
        grid->addWidget(label, i + 1, 0);
        grid->addWidget(m_signers[i].name, i + 1, 1);
        grid->addWidget(m_signers[i].jobTitle, i + 1, 2);
        grid->addWidget(m_signers[i].signedOn, i + 1, 3);
    }
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 2);
    grid->setColumnStretch(3, 1);
    auto* sealNote = new QLabel(tr("Entering the approver's date approves the plan as it now "
                                   "stands; any later change makes it a draft again."),
                                signBox);
    sealNote->setWordWrap(true);
    grid->addWidget(sealNote, 4, 0, 1, 4);

    auto* revBox = new QGroupBox(tr("Revision history"), this);
    m_revisions = makeTable(revBox, QStringLiteral("tblRevisions"),
                            {tr("Revision"), tr("Date"), tr("What changed"), tr("By")});
    m_revisions->setAccessibleName(revBox->title());
    for (const PlanRevision& r : current.Revisions)
        appendRow(m_revisions, {r.Number, r.Date, r.Change, r.By});
    m_revisions->setColumnWidth(2, 300);
    m_change = makeEdit(revBox, QStringLiteral("txtRevisionChange"), QString());
    m_change->setPlaceholderText(tr("What changes in the new revision"));
    auto* start = new QPushButton(tr("Start Revision"), revBox);
    start->setObjectName(QStringLiteral("cmdStartRevision"));
    connect(start, &QPushButton::clicked, this, &frmApproval::startRevision);
    auto* startRow = new QHBoxLayout;
    startRow->addWidget(m_change, 1);
    startRow->addWidget(start);
    auto* revLayout = new QVBoxLayout(revBox);
    revLayout->addWidget(m_revisions);
    revLayout->addLayout(rowButtons(revBox, m_revisions, QStringLiteral("Revision")));
    revLayout->addLayout(startRow);

    auto* tail = new QFormLayout;
    m_nextReview = makeEdit(this, QStringLiteral("txtNextReview"), current.NextReview);
    m_nextReview->setPlaceholderText(tr("one year after approval"));
    m_nextReview->setMaximumWidth(200);
    tail->addRow(tr("Next review (YYYY-MM-DD):"), m_nextReview);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKButton"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelButton"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &frmApproval::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &frmApproval::reject);

    // The body scrolls, so that large fonts on a small screen still reach every field and the
    // buttons stay in view.
    auto* body = new QWidget;
    auto* bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(0, 0, 0, 0);
    bodyLayout->addLayout(head);
    bodyLayout->addWidget(teamBox, 2);
    bodyLayout->addWidget(signBox);
    bodyLayout->addWidget(revBox, 3);
    bodyLayout->addLayout(tail);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("scrApproval"));
    scroll->setAccessibleName(windowTitle());
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(body);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addWidget(buttons);
    QSize size(760, 720);
    if (const QScreen* s = screen())
        size = size.boundedTo(s->availableGeometry().size() * 0.9);
    resize(size);
}

void frmApproval::startRevision() {
    int last = m_version->text().trimmed().toInt();
    for (int r = 0; r < m_revisions->rowCount(); ++r)
        last = std::max(last, cellText(m_revisions, r, 0).toInt());
    const QString number = QString::number(last + 1);
    appendRow(m_revisions, {number, storedDateText(m_today), m_change->text().trimmed(),
                            m_signers[0].name->text().trimmed()});
    m_change->clear();
    m_version->setText(number);
    for (const SignerRow& s : m_signers)
        s.signedOn->clear();
}

void frmApproval::accept() {
    // A date that is not one would never make the plan approved nor its review due.
    QList<QLineEdit*> dates{m_nextReview};
    for (const SignerRow& s : m_signers)
        dates << s.signedOn;
    for (QLineEdit* e : dates) {
        const QString t = e->text().trimmed();
        if (!t.isEmpty() && !storedDate(t).isValid()) {
            m_prompts.message(tr("\"%1\" is not a date: write it as YYYY-MM-DD.").arg(t),
                              windowTitle(), analysis::Prompts::Icon::Warning);
            e->setFocus();
            e->selectAll();
            return;
        }
    }
    QDialog::accept();
}

DocumentControl frmApproval::control() const {
    DocumentControl c;
    c.PlanVersion = m_version->text().trimmed();
    c.NextReview = m_nextReview->text().trimmed();
    for (int i = 0; i < 3; ++i) {
        const SignerRow& s = m_signers[i];
        PlanPerson p{*signerRoles[i], s.name->text().trimmed(), s.jobTitle->text().trimmed(),
                     s.signedOn->text().trimmed()};
        if (!p.Name.isEmpty() || !p.JobTitle.isEmpty() || !p.SignedOn.isEmpty())
            c.People << p;
    }
    for (int r = 0; r < m_team->rowCount(); ++r) {
        PlanPerson p{RoleTeam, cellText(m_team, r, 0), cellText(m_team, r, 1), QString()};
        if (!p.Name.isEmpty() || !p.JobTitle.isEmpty())
            c.People << p;
    }
    // People of other roles, written by a newer program, are kept.
    for (const PlanPerson& p : m_current.People)
        if (p.Role != RoleTeam && p.Role != RolePrepared && p.Role != RoleReviewed &&
            p.Role != RoleApproved)
            c.People << p;
    for (int r = 0; r < m_revisions->rowCount(); ++r) {
        PlanRevision v{cellText(m_revisions, r, 0), cellText(m_revisions, r, 1),
                       cellText(m_revisions, r, 2), cellText(m_revisions, r, 3)};
        if (!(v == PlanRevision{}))
            c.Revisions << v;
    }
    // The seal stays while the approver's signature does; sealing anew is the caller's.
    const PlanPerson* approver = c.signer(RoleApproved);
    const PlanPerson* before = m_current.signer(RoleApproved);
    if (approver && before && approver->SignedOn == before->SignedOn &&
        !approver->SignedOn.isEmpty())
        c.ApprovedDigest = m_current.ApprovedDigest;
    return c;
}

} // namespace orvella::mainwindow
