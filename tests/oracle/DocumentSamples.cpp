// Writes the documents that the oracle scripts read back: sample plans of several shapes in
// both languages, and hostile plans.
#include "SamplePlans.h"
#include "model/HazardTypes.h"
#include "plandocument/PlanDocx.h"
#include "planfile/PlanReader.h"
#include "planfile/StarterPlans.h"
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

using namespace orvella;

namespace {

const QDateTime fixedNow(QDate(2026, 12, 7), QTime(15, 4, 5), Qt::UTC);

QString words(int size) {
    QString text;
    while (text.size() < size)
        text += QStringLiteral("lorem ipsum dolor sit amet & <consectetur> ");
    return text;
}

// Megabyte values: fine for a reader of the file, but LibreOffice needs minutes to lay out a
// table row hundreds of pages long, so only python-docx reads these.
std::shared_ptr<model::HACCP_Plan> hugePlan() {
    auto plan = samples::makePlan(2, 5, 2, 1);
    plan->Description = words(1 << 20);
    plan->Tasks.item(1)->TSHazards.item(1)->Justification = QString(1 << 20, QLatin1Char('<'));
    plan->Tasks.item(1)->TSHazards.item(1)->Entity = words(1 << 20); // CCP #1's hazard
    return plan;
}

std::shared_ptr<model::HACCP_Plan> hostilePlan() {
    auto plan = samples::makePlan(2, 150, 6, 5);
    QString controls;
    for (char16_t c = 0; c < 0x20; ++c)
        controls += QChar(c);
    const QString specials = QStringLiteral("<w:t>&amp; \"quoted\" 'single' ]]> &#0; </w:body>");
    plan->Title = QStringLiteral("  Title with ") + specials + controls + QStringLiteral("  ");
    plan->Facility = controls + QStringLiteral("\f form feed \v vertical tab");
    plan->Site = QString(QChar(0xD800)) + QStringLiteral("lone surrogate") + QChar(0xFFFF) +
                 QChar(0xFFFE) + QStringLiteral("😀");
    // Long values: 32 KB of words, and a 4 KB word with no place to break.
    plan->Description = words(1 << 15);
    plan->Site += QString(1 << 12, QLatin1Char('x'));
    plan->Activity = specials;
    plan->Tasks.item(1)->Description = QStringLiteral("  leading and trailing  ");
    plan->Tasks.item(2)->Name = specials;
    plan->Tasks.item(1)->TSHazards.item(1)->Entity = QString(1 << 12, QLatin1Char('&'));
    plan->Tasks.item(2)->Number = 99;
    auto ts = plan->Tasks.item(2)->TSHazards.item(1);
    ts->Justification = controls + specials;
    ts->HazType = QStringLiteral("<script>");
    ts->Answers = {{1, true}, {2, false}, {3, true}, {4, false}}; // the decision record too
    return plan;
}

// The typical plan with an approval page, a draft mark and the crew's record sheets.
std::shared_ptr<model::HACCP_Plan> controlledPlan() {
    auto plan = samples::makeTypicalPlan();
    samples::addDocumentControl(*plan);
    return plan;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: orvella_document_samples OUTDIR\n";
        return 2;
    }
    QDir dir(args[1]);
    dir.mkpath(QStringLiteral("."));
    struct Sample {
        QString name;
        std::shared_ptr<model::HACCP_Plan> plan;
    };
    const std::vector<Sample> plans = {
        {QStringLiteral("empty"), std::make_shared<model::HACCP_Plan>()},
        {QStringLiteral("one"), samples::makePlan(1, 1, 1, 1)},
        {QStringLiteral("typical"), samples::makeTypicalPlan()},
        {QStringLiteral("three"), samples::makePlan(3, 3, 2, 3)},
        {QStringLiteral("largest"), samples::makeLargestPlan()},
        {QStringLiteral("hostile"), hostilePlan()},
        {QStringLiteral("huge"), hugePlan()},
        {QStringLiteral("wildland-fire"), nullptr},
        {QStringLiteral("controlled"), controlledPlan()},
    };
    int failures = 0;
    for (const Sample& s : plans) {
        for (bool spanish : {false, true}) {
            // A starter plan comes in the language of its document, with its review mark.
            std::shared_ptr<model::HACCP_Plan> plan = s.plan;
            if (!plan)
                plan = planfile::readPlan(planfile::starterPlanFile(s.name, spanish)).plan;
            const QString path =
                dir.filePath(s.name + (spanish ? QStringLiteral("-es") : QStringLiteral("-en")) +
                             QStringLiteral(".docx"));
            QString error;
            plandocument::DocumentExtras extras;
            extras.recordSheets = extras.draft = !plan->Control.isEmpty();
            if (!plandocument::writePlanDocx(*plan, spanish, fixedNow, path, &error, extras)) {
                QTextStream(stderr) << path << ": " << error << "\n";
                ++failures;
            }
        }
    }
    return failures ? 1 : 0;
}
