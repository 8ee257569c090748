#include "PlanFileCompare.h"
#include "QtPrinters.h"
#include "SamplePlans.h"
#include "model/HazardTypes.h"
#include "planfile/PlanReader.h"
#include "planfile/PlanWriter.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvella::model;
using namespace orvella::planfile;

namespace {

QByteArray crlf(const QStringList& lines) {
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
}

QStringList linesOf(const QByteArray& bytes) {
    QStringList l = QString::fromLatin1(bytes).split(QStringLiteral("\r\n"));
    EXPECT_EQ(l.last(), QString()); // the file ends with the terminator of its last line
    l.removeLast();
    return l;
}

QStringList header(const QString& description = {}) {
    return {"<?xml version=\"1.0\"?>",
            "<HACCP>",
            "<Title>",
            "",
            "</Title>",
            "<Facility>",
            "",
            "</Facility>",
            "<ProjectCoordinator>",
            "",
            "</ProjectCoordinator>",
            "<SiteManager>",
            "",
            "</SiteManager>",
            "<AddressLine1>",
            "",
            "</AddressLine1>",
            "<AddressLine2>",
            "",
            "</AddressLine2>",
            "<Phone>",
            "",
            "</Phone>",
            "<Site>",
            "",
            "</Site>",
            "<Activity>",
            "",
            "</Activity>",
            "<ProjectDescription>",
            description,
            "</ProjectDescription>"};
}

std::shared_ptr<HACCP_TaskSpecific_Hazard> taskHazard(const QString& probable, bool ccp = false) {
    auto th = std::make_shared<HACCP_TaskSpecific_Hazard>();
    th->HazType = HazardTypes::Invertebrate;
    th->Entity = QStringLiteral("Zebra mussel");
    th->Probable = probable;
    th->Justification = QStringLiteral("Boats move between lakes");
    th->ControlMeasures = QStringLiteral("Drain bilge");
    th->IsCCP = ccp;
    return th;
}

} // namespace

TEST(PlanWriter, NewPlanIsExactlyThirtySixLines) {
    HACCP_Plan plan;
    plan.AnalysisStatus = Incomplete;
    QStringList expected = header();
    expected << "<AnalysisStatus>"
             << "Incomplete"
             << "</AnalysisStatus>"
             << "</HACCP>";
    ASSERT_EQ(expected.size(), 36);
    EXPECT_EQ(writePlan(plan), crlf(expected));
}

TEST(PlanWriter, WritesEveryRecordInTheExactLayout) {
    HACCP_Plan plan;
    plan.Title = "T";
    plan.Facility = "F";
    plan.Coordinator = "C";
    plan.Manager = "M";
    plan.Address1 = "A1";
    plan.Address2 = "A2";
    plan.Phone = "P";
    plan.Site = "S";
    plan.Activity = "Act";
    plan.Description = "line one\r\nline two & <three>";
    plan.PotentialHazards.append(std::make_shared<HACCP_PotentialHazard>(
        HACCP_PotentialHazard{HazardTypes::OtherBiologic, "Chytrid fungus"}));
    auto task = std::make_shared<HACCP_Task>();
    task->Name = "Task # 2";
    task->Number = 1;
    task->Description = "Survey the stream";
    task->TSHazards.append(taskHazard(Yes, true));
    task->TSHazards.item(1)->Ccp = {"L", "W", "H", "Daily", "Crew lead", "Redo", "Log"};
    task->TSHazards.item(1)->Answers = {{1, true}, {2, false}, {3, true}, {4, false}};
    task->TSHazards.append(taskHazard(No));
    plan.Tasks.append(task);
    plan.AnalysisStatus = "12/7/2026 3:04:05 PM";

    const QStringList expected = {
        "<?xml version=\"1.0\"?>", "<HACCP>", "<Title>", "T", "</Title>", "<Facility>", "F",
        "</Facility>", "<ProjectCoordinator>", "C", "</ProjectCoordinator>", "<SiteManager>", "M",
        "</SiteManager>", "<AddressLine1>", "A1", "</AddressLine1>", "<AddressLine2>", "A2",
        "</AddressLine2>", "<Phone>", "P", "</Phone>", "<Site>", "S", "</Site>", "<Activity>",
        "Act", "</Activity>", "<ProjectDescription>", "line one", "line two & <three>",
        "</ProjectDescription>",
        // hazard record: type before entity
        "<Hazard>", "<HazType>", "Other Biologic", "</HazType>", "<Entity>", "Chytrid fungus",
        "</Entity>", "</Hazard>",
        // task record
        "<Task>", "<Name>", "Task # 2", "</Name>", "<Number>", " 1 ", "</Number>", "<Description>",
        "Survey the stream", "</Description>", "<CCP_Count>", " 1 ", "</CCP_Count>",
        // probable: 17 lines, the measures followed by one blank
        "<TaskHazard>", "<Entity>", "Zebra mussel", "</Entity>", "<Type>", "Invertebrate",
        "</Type>", "<Probable>", "Yes", "</Probable>", "<Justification>",
        "Boats move between lakes", "</Justification>", "<ControlMeasures>", "Drain bilge ",
        "</ControlMeasures>", "<CCP>", "True", "</CCP>",
        // the decision answers, in the order asked
        "<Q1>", "Yes", "</Q1>", "<Q2>", "No", "</Q2>", "<Q3>", "Yes", "</Q3>", "<Q4>", "No",
        "</Q4>", "</TaskHazard>",
        // not probable: 11 lines
        "<TaskHazard>", "<Entity>", "Zebra mussel", "</Entity>", "<Type>", "Invertebrate",
        "</Type>", "<Probable>", "No", "</Probable>", "<Justification>", "Boats move between lakes",
        "</Justification>", "</TaskHazard>", "</Task>",
        // CCP record: three tags differ from the member names
        "<CCP>", "<Name>", "Task # 2: Survey the stream", "</Name>", "<TaskNumber>", " 1 ",
        "</TaskNumber>", "<SigHaz>", "Invertebrate: Zebra mussel", "</SigHaz>", "<Control>",
        "Drain bilge", "</Control>", "<Limits>", "L", "</Limits>", "<What>", "W", "</What>",
        "<How>", "H", "</How>", "<Frequency>", "Daily", "</Frequency>", "<Who>", "Crew lead",
        "</Who>", "<Correction>", "Redo", "</Correction>", "<Documents>", "Log", "</Documents>",
        "</CCP>", "<AnalysisStatus>", "12/7/2026 3:04:05 PM", "</AnalysisStatus>", "</HACCP>"};
    EXPECT_EQ(linesOf(writePlan(plan)), expected);
}

// Entity, type, probable and justification: 14 lines with the record's own tags; a probable
// hazard adds the control measures and the decision, six lines more.
TEST(PlanWriter, TaskHazardRecordGrowsBySixLinesOnlyWhenProbableIsYes) {
    struct Case {
        QString probable;
        bool ccp;
        int lines;
        QString decision;
    };
    for (const Case& c : {Case{"", false, 14, ""}, Case{"No", false, 14, ""},
                          Case{"yes", false, 14, ""}, // exact, case-sensitive comparison
                          Case{"Yes", false, 20, "False"}, Case{"Yes", true, 20, "True"}}) {
        HACCP_Plan plan;
        auto task = std::make_shared<HACCP_Task>();
        task->TSHazards.append(taskHazard(c.probable, c.ccp));
        plan.Tasks.append(task);
        const QStringList lines = linesOf(writePlan(plan));
        const auto from = lines.indexOf("<TaskHazard>"), to = lines.indexOf("</TaskHazard>");
        ASSERT_GE(from, 0);
        EXPECT_EQ(to - from + 1, c.lines) << c.probable.toStdString();
        if (c.lines == 20) {
            EXPECT_EQ(lines[from + 14], "Drain bilge "); // the measures and one blank
            EXPECT_EQ(lines[from + 17], c.decision);
        }
    }
}

TEST(PlanWriter, IntegersCarryBlanksAroundThem) {
    HACCP_Plan plan;
    for (qint16 n : {qint16(3), qint16(0), qint16(-12), qint16(32767)}) {
        auto task = std::make_shared<HACCP_Task>();
        task->Number = n;
        plan.Tasks.append(task);
    }
    const QStringList lines = linesOf(writePlan(plan));
    QStringList numbers;
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        if (lines[i] == "<Number>")
            numbers << lines[i + 1];
    EXPECT_EQ(numbers, QStringList({" 3 ", " 0 ", "-12 ", " 32767 "}));
}

TEST(PlanWriter, EveryLineBreakInAValueBecomesCrLf) {
    HACCP_Plan plan;
    plan.Description = "a\nb\rc\r\n\r\nd";
    const QByteArray bytes = writePlan(plan);
    EXPECT_TRUE(bytes.contains("<ProjectDescription>\r\na\r\nb\r\nc\r\n\r\nd\r\n</Project"));
    EXPECT_EQ(bytes.count('\n'), bytes.count('\r'));
}

TEST(PlanWriter, UsesWindows1252WhenEveryCharacterFits) {
    HACCP_Plan plan;
    plan.Facility = QString::fromUtf8("Zoë Marsh € “Nord” Š");
    const QByteArray bytes = writePlan(plan);
    EXPECT_TRUE(bytes.contains("Zo\xEB Marsh \x80 \x93Nord\x94 \x8A\r\n"));
    expectSamePlan(*readPlan(bytes).plan, plan);
}

TEST(PlanWriter, WritesTheWholeFileAsUtf8WhenACharacterDoesNotFit) {
    for (const char* odd : {"Łódź", "湿地"}) {
        HACCP_Plan plan;
        plan.Facility = QString::fromUtf8("Café");
        plan.Site = QString::fromUtf8(odd);
        const QByteArray bytes = writePlan(plan);
        EXPECT_TRUE(bytes.contains("Caf\xC3\xA9\r\n")) << odd;
        EXPECT_TRUE(bytes.contains(QByteArray(odd) + "\r\n")) << odd;
        expectSamePlan(*readPlan(bytes).plan, plan);
    }
}

TEST(PlanWriter, AvoidsWindows1252BytesThatWouldReadBackAsUtf8) {
    HACCP_Plan plan;
    plan.Site = QString::fromUtf8("Ã©tang"); // C3 A9 in windows-1252: valid UTF-8 for "é"
    const QByteArray bytes = writePlan(plan);
    EXPECT_TRUE(bytes.contains("\xC3\x83\xC2\xA9tang\r\n"));
    EXPECT_EQ(readPlan(bytes).plan->Site, plan.Site);

    plan.Facility = QString::fromUtf8("Café"); // now the bytes are not UTF-8: windows-1252 is safe
    EXPECT_TRUE(writePlan(plan).contains("\xC3\xA9tang\r\n"));
    EXPECT_EQ(readPlan(writePlan(plan)).plan->Site, plan.Site);
}

TEST(PlanWriter, SaveReplacesTheFileWithTheWrittenBytes) {
    QTemporaryDir dir;
    const QString path = dir.filePath("plan.xml");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("a much longer old file than the new plan will ever be ... " + QByteArray(9000, 'x'));
    old.close();
    auto plan = samples::makeTypicalPlan();
    const SaveResult r = savePlan(*plan, path);
    EXPECT_TRUE(r.ok) << r.error.toStdString();
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), writePlan(*plan));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"plan.xml"}); // no temp left
}

TEST(PlanWriter, FailedSaveNamesTheFileAndLeavesEverythingAlone) {
    QTemporaryDir dir;
    QFile blocker(dir.filePath("notafolder"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.write("keep me");
    blocker.close();
    auto plan = samples::makeTypicalPlan();
    const QByteArray before = writePlan(*plan);
    for (const QString& bad : {dir.filePath("missing/plan.xml"),
                               dir.filePath("notafolder/plan.xml"), dir.path(), QString()}) {
        const SaveResult r = savePlan(*plan, bad);
        EXPECT_FALSE(r.ok) << bad.toStdString();
        EXPECT_TRUE(r.error.contains(QDir::toNativeSeparators(bad))) << r.error.toStdString();
        EXPECT_GT(r.error.size(), QDir::toNativeSeparators(bad).size() + 30); // and a reason
    }
    EXPECT_EQ(writePlan(*plan), before);
    QFile check(blocker.fileName());
    ASSERT_TRUE(check.open(QIODevice::ReadOnly));
    EXPECT_EQ(check.readAll(), "keep me");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{"notafolder"});
}
