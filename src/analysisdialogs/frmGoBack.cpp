#include "analysisdialogs/frmGoBack.h"
#include "analysisdialogs/EscapeGuard.h"
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvella::analysisdialogs {

frmGoBack::frmGoBack(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmGoBack"));
    setWindowTitle(QStringLiteral("What do you want to do?"));
    setModal(true);
    EscapeGuard::install(this);

    auto* label1 =
        new QLabel(tr("From this point you have three options: 1) you may go back to re-evaluate "
                      "this task to see if it is a Critical Control Point, 2) you may go back "
                      "further to start the Hazard Analysis again from scratch, or 3) you may "
                      "decide not to go back and continue forward."),
                   this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setWordWrap(true);

    QFont bold = font();
    bold.setBold(true);
    auto* label2 = new QLabel(QStringLiteral("Go Back"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setFont(bold);
    auto* label3 = new QLabel(QStringLiteral("Go Forward"), this);
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setFont(bold);

    const auto button = [this](const char* name, const QString& text, int destination) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, destination] {
            SetDestination(destination);
            accept();
        });
        return b;
    };
    auto* goBack1 =
        button("cmdGoBack1", QStringLiteral("Re-Evaluate Current Task"), ReEvaluateTask);
    auto* goBack2 =
        button("cmdGoBack2", QStringLiteral("Re-Start Hazard Analysis"), RestartAnalysis);
    auto* cont = button("cmdContinue", QStringLiteral("Continue "), Continue);
    cont->setDefault(true);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    grid->addWidget(label2, 0, 0, 1, 2, Qt::AlignHCenter);
    grid->addWidget(goBack1, 1, 0);
    grid->addWidget(goBack2, 1, 1);
    grid->addWidget(label3, 0, 2, Qt::AlignHCenter);
    grid->addWidget(cont, 1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1);
    layout->addSpacing(12);
    layout->addLayout(grid);
    setMinimumWidth(560);
}

void frmGoBack::reject() {
    SetDestination(Continue);
    QDialog::reject();
}

} // namespace orvella::analysisdialogs
