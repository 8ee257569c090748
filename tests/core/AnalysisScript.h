#pragma once
// Scripted analysis dialogs: each dialog answers from its own queue and every show is logged,
// so a test can run the whole analysis without a window and check what was asked.
#include "ScriptedPrompts.h"
#include "analysis/AnalysisDialogs.h"
#include "analysis/HazardAnalysis.h"
#include "model/HazardTypes.h"
#include <QQueue>
#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>

namespace analysistest {

using namespace orvella::analysis;
using namespace orvella::model;
using namespace orvella::model::HazardTypes;

// What a yes/no box answers, short for the answer scripts.
constexpr int Y = Prompts::AnswerYes;
constexpr int N = Prompts::AnswerNo;
constexpr int Closed = 0; // closed without an answer
constexpr int Enter = -1; // the default button

// A test that loops forever would hang the suite; give up loudly instead.
struct ShowBudget {
    int left = 500;
    void spend() {
        if (--left < 0)
            throw std::runtime_error("the analysis showed too many dialogs");
    }
};

class ScriptedSelection : public SelectionDialog {
public:
    struct Answer {
        bool back = false;
        std::optional<QList<bool>> ticks; // the user's clicks, leaving these hazard boxes ticked
    };
    struct Shown {
        QString caption, taskName, taskDescription;
        QStringList entities;
        QList<bool> ticked;
        bool noneTicked = false;
    };
    QQueue<Answer> answers;
    QList<Shown> shown;
    QStringList* log = nullptr;
    ShowBudget* budget = nullptr;

    void setCaption(const QString& c) override { m_caption = c; }
    void setTask(const QString& n, const QString& d) override { m_name = n, m_desc = d; }
    void setHazards(const QStringList& e, const QList<bool>& t) override {
        m_entities = e, m_ticked = t;
    }
    void setNoneTicked(bool t) override { m_none = t; }
    void setBackVisible(bool) override {}
    void showModal() override {
        budget->spend();
        shown.append({m_caption, m_name, m_desc, m_entities, m_ticked, m_none});
        *log << QStringLiteral("select ") + m_name;
        const Answer a = answers.isEmpty() ? Answer{} : answers.dequeue();
        if (a.ticks) {
            m_ticked = *a.ticks;
            m_changed = true;
        }
        m_goBack = a.back;
    }
    bool isTicked(int i) const override { return m_ticked.value(i - 1); }
    void removeHazards() override { m_entities.clear(), m_ticked.clear(); }
    bool GoBack() const override { return m_goBack; }
    void ResetGoBack() override { m_goBack = false; }
    bool Changed() const override { return m_changed; }
    void setChanged(bool c) override { m_changed = c; }

private:
    QString m_caption, m_name, m_desc;
    QStringList m_entities;
    QList<bool> m_ticked;
    bool m_none = false, m_goBack = false, m_changed = false;
};

class ScriptedJustification : public JustificationDialog {
public:
    struct Answer {
        bool back = false;
        std::optional<QString> justification; // typed over what was shown
        std::optional<QString> control;
    };
    struct Shown {
        QString taskLabel, taskDescription, prompt, controlQuestion, justification, control;
        bool controlVisible = false;
        QStringList justList, controlList;
    };
    QQueue<Answer> answers;
    QList<Shown> shown;
    QStringList captions; // ok, back, show tasks
    QString taskList;
    QStringList* log = nullptr;
    ShowBudget* budget = nullptr;

    void setButtonCaptions(const QString& ok, const QString& back, const QString& tasks) override {
        captions = {ok, back, tasks};
    }
    void setTaskLabel(const QString& t) override { m_label = t; }
    void setTaskList(const QString& t) override { taskList = t; }
    void setTaskDescription(const QString& t) override { m_desc = t; }
    void setPrompt(const QString& t) override { m_prompt = t; }
    void setControlQuestion(const QString& t) override { m_question = t; }
    void setControlVisible(bool v) override { m_visible = v; }
    void setJustification(const QString& t) override { m_just = t; }
    void setControlMeasures(const QString& t) override { m_control = t; }
    void showModal() override {
        budget->spend();
        shown.append({m_label, m_desc, m_prompt, m_question, m_just, m_control, m_visible,
                      m_justList, m_controlList});
        *log << QStringLiteral("justify ") + m_label;
        const Answer a = answers.isEmpty() ? Answer{} : answers.dequeue();
        if (a.justification)
            m_just = *a.justification;
        if (a.control)
            m_control = *a.control;
        m_goBack = a.back;
        if (!a.back) {
            learn(m_justList, m_just);
            learn(m_controlList, m_control);
        }
    }
    QString justification() const override { return m_just; }
    QString controlMeasures() const override { return m_control; }
    QStringList justificationList() const override { return m_justList; }
    QStringList controlMeasuresList() const override { return m_controlList; }
    bool GoBack() const override { return m_goBack; }
    void ResetGoBack() override { m_goBack = false; }

private:
    static void learn(QStringList& list, const QString& text) {
        if (!text.isEmpty() && !list.contains(text))
            list << text;
    }
    QString m_label, m_desc, m_prompt, m_question, m_just, m_control;
    QStringList m_justList, m_controlList;
    bool m_visible = false, m_goBack = false;
};

class ScriptedCcp : public CcpDialog {
public:
    struct Answer {
        bool back = false;
        std::optional<CcpFields> fields;
    };
    struct Shown {
        QString caption, name, description, hazard, control;
        CcpFields fields;
        bool spanish = false;
    };
    QQueue<Answer> answers;
    QList<Shown> shown;
    int clears = 0;
    QStringList* log = nullptr;
    ShowBudget* budget = nullptr;

    void setCaption(const QString& c) override { m_caption = c; }
    void setTask(const QString& n, const QString& d) override { m_name = n, m_desc = d; }
    void setHazard(const QString& t) override { m_hazard = t; }
    void setControlMeasures(const QString& t) override { m_control = t; }
    void setSpanishCaptions() override { m_spanish = true; }
    void clearFields() override {
        m_fields = {};
        ++clears;
    }
    void setFields(const CcpFields& f) override { m_fields = f; }
    void showModal() override {
        budget->spend();
        shown.append({m_caption, m_name, m_desc, m_hazard, m_control, m_fields, m_spanish});
        *log << QStringLiteral("ccp ") + m_caption;
        const Answer a = answers.isEmpty() ? Answer{} : answers.dequeue();
        if (a.fields)
            m_fields = *a.fields;
        m_goBack = a.back;
    }
    CcpFields fields() const override { return m_fields; }
    bool GoBack() const override { return m_goBack; }

private:
    QString m_caption, m_name, m_desc, m_hazard, m_control;
    CcpFields m_fields;
    bool m_spanish = false, m_goBack = false;
};

class ScriptedGoBack : public GoBackDialog {
public:
    QQueue<int> answers;
    QStringList* log = nullptr;
    ShowBudget* budget = nullptr;
    void showModal() override {
        budget->spend();
        *log << QStringLiteral("goback");
        m_destination = answers.isEmpty() ? 0 : answers.dequeue();
    }
    int Destination() const override { return m_destination; }
    void SetDestination(int d) override { m_destination = d; }

private:
    int m_destination = 0;
};

class ScriptedDialogs : public AnalysisDialogs {
public:
    ScriptedSelection sel;
    ScriptedJustification just;
    ScriptedCcp ccpDialog;
    ScriptedGoBack goBackDialog;
    QQueue<int> yesNo; // an empty queue answers No
    QStringList questions;
    QStringList log;
    ShowBudget budget;

    ScriptedDialogs() {
        for (auto* l : {&sel.log, &just.log, &ccpDialog.log, &goBackDialog.log})
            *l = &log;
        sel.budget = just.budget = ccpDialog.budget = goBackDialog.budget = &budget;
    }
    SelectionDialog& selection() override { return sel; }
    JustificationDialog& justification() override { return just; }
    CcpDialog& ccp() override { return ccpDialog; }
    GoBackDialog& goBack() override { return goBackDialog; }
    QList<int> defaults; // the default button of every question asked
    int YesNo(const QString& prompt, const QString& caption, int defaultAnswer) override {
        budget.spend();
        EXPECT_EQ(caption, QStringLiteral("CCP Analysis"));
        questions << prompt;
        defaults << defaultAnswer;
        log << QStringLiteral("ask");
        const int a = yesNo.isEmpty() ? N : yesNo.dequeue();
        return a == Enter ? defaultAnswer : a;
    }
    // The answers that lead straight to a CCP verdict: Yes to Q1, Yes to Q2.
    void answerCcp() { yesNo << Y << Y; }
    // Yes to Q1, No to Q2, No to Q3.
    void answerNotCcp() { yesNo << Y << N << N; }
};

// A plan with `tasks` tasks ("Task # i", "Do thing i") and hazards named by `entities`.
inline void fillPlan(ProgramState& state, int tasks, const QStringList& entities) {
    HACCP_Plan& plan = state.plan();
    for (const QString& e : entities)
        plan.PotentialHazards.add(
            std::make_shared<HACCP_PotentialHazard>(HACCP_PotentialHazard{Plant, e}),
            state.nextHazardKey());
    for (int i = 1; i <= tasks; ++i) {
        auto task = std::make_shared<HACCP_Task>();
        task->Name = QStringLiteral("Task # %1").arg(i);
        task->Number = qint16(i);
        task->Description = QStringLiteral("Do thing %1").arg(i);
        plan.Tasks.add(task, QString::number(i));
    }
}

// Everything one analysis test needs.
struct Rig {
    ProgramState state;
    ScriptedPrompts prompts;
    ScriptedDialogs dialogs;
    AnalysisContext ctx{state, prompts, dialogs};

    Rig() {
        state.plan().AnalysisStatus = Incomplete;
        state.clock = [] { return QDateTime(QDate(2026, 3, 14), QTime(9, 26, 53)); };
    }
    HACCP_Plan& plan() { return state.plan(); }
    HACCP_Task& task(int i) { return *plan().Tasks.item(i); }
    HACCP_TaskSpecific_Hazard& hazard(int t, int h) { return *task(t).TSHazards.item(h); }
    AnalysisOutcome run() { return HazardAnalysis(ctx).run(); }
    QStringList titles() const {
        QStringList out;
        for (const auto& a : prompts.asked)
            out << a.title;
        return out;
    }
};

} // namespace analysistest
