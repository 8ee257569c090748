// The living plan on the largest plan (10 tasks x 100 hazards, 100 CCPs): building the review
// table and reading every cell of it, and updating the analysis for one new pair.
#include "SamplePlans.h"
#include "analysis/AnalysisDialogs.h"
#include "analysis/HazardAnalysis.h"
#include "analysis/Prompts.h"
#include "mainwindow/ReviewTableModel.h"
#include "model/PlanCcps.h"
#include <benchmark/benchmark.h>

using namespace orvella;

namespace {

// Answers every question at once: nothing ticked, every text confirmed as offered.
struct Quiet : analysis::Prompts,
               analysis::AnalysisDialogs,
               analysis::SelectionDialog,
               analysis::JustificationDialog,
               analysis::CcpDialog,
               analysis::GoBackDialog {
    int message(const QString&, const QString&, Icon, Buttons) override { return AnswerYes; }
    int choose(const QString&, const QString&, const QStringList&, int) override { return 0; }
    QString openFileName(const FileRequest&) override { return {}; }
    QString saveFileName(const FileRequest&) override { return {}; }

    SelectionDialog& selection() override { return *this; }
    JustificationDialog& justification() override { return *this; }
    CcpDialog& ccp() override { return *this; }
    GoBackDialog& goBack() override { return *this; }
    int YesNo(const QString&, const QString&, int defaultAnswer) override { return defaultAnswer; }

    void setCaption(const QString&) override {}
    void setTask(const QString&, const QString&) override {}
    void setHazards(const QStringList& e, const QList<bool>& t) override { ticked = t, (void)e; }
    void setNoneTicked(bool) override {}
    void setBackVisible(bool) override {}
    void showModal() override {}
    bool isTicked(int i) const override { return ticked.value(i - 1); }
    void removeHazards() override { ticked.clear(); }
    bool GoBack() const override { return false; }
    void ResetGoBack() override {}
    bool Changed() const override { return false; }
    void setChanged(bool) override {}

    void setButtonCaptions(const QString&, const QString&, const QString&) override {}
    void setTaskLabel(const QString&) override {}
    void setTaskDescription(const QString&) override {}
    void setPrompt(const QString&) override {}
    void setControlQuestion(const QString&) override {}
    void setControlVisible(bool) override {}
    void setJustification(const QString& t) override { just = t; }
    void setControlMeasures(const QString& t) override { control = t; }
    void setTaskList(const QString&) override {}
    QString justification() const override { return just; }
    QString controlMeasures() const override { return control; }
    QStringList justificationList() const override { return {}; }
    QStringList controlMeasuresList() const override { return {}; }

    void setHazard(const QString&) override {}
    void setSpanishCaptions() override {}
    void clearFields() override {}
    void setFields(const analysis::CcpFields&) override {}
    analysis::CcpFields fields() const override { return {}; }

    int Destination() const override { return 0; }
    void SetDestination(int) override {}

    QList<bool> ticked;
    QString just, control;
};

void BM_ReviewTableOfLargestPlan(benchmark::State& state) {
    model::ProgramState program;
    program.CurrentPlan = samples::makeLargestPlan();
    for (auto _ : state) {
        mainwindow::ReviewTableModel table(program);
        qsizetype chars = 0;
        for (int r = 0; r < table.rowCount(); ++r)
            for (int c = 0; c < table.columnCount(); ++c)
                chars += table.data(table.index(r, c), Qt::DisplayRole).toString().size();
        benchmark::DoNotOptimize(chars);
    }
}
BENCHMARK(BM_ReviewTableOfLargestPlan)->Unit(benchmark::kMillisecond);

void BM_UpdateOnePairOfLargestPlan(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        model::ProgramState program;
        program.CurrentPlan = samples::makeLargestPlan();
        // One new task hazard pair: a hazard that task 1 has not answered.
        program.plan().Tasks.item(1)->TSHazards.remove(100);
        program.plan().PotentialHazards.item(100)->AddedAfterAnalysis = true;
        Quiet quiet;
        state.ResumeTiming();
        analysis::HazardAnalysis run({program, quiet, quiet});
        if (run.update() != analysis::AnalysisOutcome::Completed ||
            !model::unansweredPairs(program.plan()).isEmpty())
            state.SkipWithError("the update did not answer the pair");
    }
}
BENCHMARK(BM_UpdateOnePairOfLargestPlan)->Unit(benchmark::kMillisecond);

} // namespace
