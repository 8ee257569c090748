#include "mainwindow/TasksPage.h"
#include "mainwindow/FieldText.h"
#include "mainwindow/FlowArrow.h"
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvella::mainwindow {

TasksPage::TasksPage(model::ProgramState& state, QWidget* parent)
    : StepPage(2, QStringLiteral("Step 3 - Flow Diagram"), state, parent) {
    auto* intro = makeLabel(
        "lblStep3",
        QStringLiteral("The third step is to provide a chronologically ordered list of tasks "
                       "required to accomplish the activity you described in Step 1. This step "
                       "provides essential information required to complete the remaining "
                       "steps of the plan. Only a simple description of each task is needed. "));

    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(0);
    grid->setHorizontalSpacing(8);
    QWidget* previous = nullptr;
    for (int i = 1; i <= MaxTasks; ++i) {
        const QByteArray labelName =
            i == 1 ? QByteArray("lblTask1") : QByteArray("Label") + QByteArray::number(9 + i);
        auto* label = makeLabel(labelName.constData(), QStringLiteral("Task %1").arg(i), false);
        auto* box = makeLineEdit(QStringLiteral("txtTask(%1)").arg(i).toLatin1().constData());
        m_boxes[i - 1] = box;
        label->setBuddy(box);
        label->setAlignment(Qt::AlignCenter);
        grid->addWidget(label, 2 * (i - 1), 0);
        grid->addWidget(box, 2 * (i - 1), 1);
        if (i < MaxTasks) {
            auto* arrow = new FlowArrow(this);
            arrow->setObjectName(QStringLiteral("Image3(%1)").arg(i - 1));
            grid->addWidget(arrow, 2 * (i - 1) + 1, 0);
        }
        if (previous)
            setTabOrder(previous, box);
        previous = box;
    }
    grid->setColumnStretch(1, 1);

    auto* note = makeLabel(
        "Label20",
        QStringLiteral("Note: If you have more than ten tasks, then you should re-evaluate your "
                       "activity.  It is likely too complex for a single HACCP plan.  Try "
                       "breaking your activity up into sub-activities.  Each sub-activity will "
                       "require its own HACCP plan."));
    auto* next = makeButton("btnNext3", QStringLiteral("Submit && Continue"));
    setTabOrder(previous, next);
    connect(next, &QPushButton::clicked, this, &TasksPage::submit);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(note, 1);
    bottom->addWidget(next, 0, Qt::AlignTop);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(bottom);
}

void TasksPage::load(const model::HACCP_Plan& plan) {
    for (int row = 1; row <= MaxTasks; ++row) {
        QString text;
        m_rowTasks[row - 1] = 0;
        if (row <= plan.Tasks.count()) {
            const auto& task = *plan.Tasks.item(row);
            text = task.Description.isEmpty() ? task.Name : task.Description;
            m_rowTasks[row - 1] = task.Id;
        }
        m_boxes[row - 1]->setText(text);
    }
}

void TasksPage::store(model::HACCP_Plan& plan) {
    // A row keeps its task while it holds words, so editing them keeps the task's answers;
    // a blanked row ends its task.
    QHash<quint32, std::shared_ptr<model::HACCP_Task>> listed;
    for (const auto& task : plan.Tasks)
        listed.insert(task->Id, task);
    const bool analysed = model::isAnalysisComplete(plan);
    auto& tasks = plan.Tasks;
    tasks.clear();
    qint16 count = 0;
    for (int row = 1; row <= MaxTasks; ++row) {
        const QString text = trimSpaces(m_boxes[row - 1]->text());
        auto task = listed.take(m_rowTasks[row - 1]);
        m_rowTasks[row - 1] = 0;
        if (text.isEmpty())
            continue;
        ++count;
        if (!task) {
            task = std::make_shared<model::HACCP_Task>();
            task->AddedAfterAnalysis = analysed;
        }
        task->Description = text;
        task->Number = count;
        // The name carries the row number, blank-led: "Task # 3", "Trabajo  3".
        task->Name = tr("Task # %1").arg(row);
        m_rowTasks[row - 1] = task->Id;
        tasks.add(task, QString::number(count));
    }
}

void TasksPage::submit() {
    store(m_state.plan());
    m_state.InputsChanged = true;
    emit submitted();
}

} // namespace orvella::mainwindow
