#include "QtPrinters.h"
#include "planfile/PlanApproval.h"
#include "planfile/PlanReader.h"
#include "planfile/PlanWriter.h"
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iostream>

using namespace orvella::planfile;

namespace {

struct CliRun {
    int code = -1;
    QByteArray out, err;
};

CliRun cli(const QStringList& args,
           const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ORVELLA_CLI_PATH), args);
    EXPECT_TRUE(p.waitForFinished(30000));
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

QString example(const char* name) {
    return QStringLiteral(ORVELLA_SOURCE_DIR "/examples/") + QLatin1String(name);
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QSet<QString> keysOf(const QJsonObject& o) {
    const QStringList k = o.keys();
    return QSet<QString>(k.begin(), k.end());
}

} // namespace

TEST(Cli, CheckSummarisesAPlan) {
    const CliRun r = cli({"check", example("prescribed-burn.xml")});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.err.isEmpty()) << r.err.constData();
    const QString out = QString::fromUtf8(r.out);
    for (const char* line : {"Title:        Prescribed Burn, Willow Flats Units 3-5 HACCP Plan",
                             "Facility:     Harrow Creek National Wildlife Refuge",
                             "Hazards:      6", "Tasks:        5", "Task hazards: 14",
                             "CCPs:         3", "Analysis:     completed 3/14/2026 4:22:10 PM"})
        EXPECT_TRUE(out.contains(QLatin1String(line))) << line << "\n" << r.out.constData();
}

TEST(Cli, CheckJsonHoldsTheWholePlanWithExactKeys) {
    const CliRun r = cli({"check", "--json", example("quema-prescrita.xml")});
    ASSERT_EQ(r.code, 0) << r.err.constData();
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(r.out, &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    const QJsonObject plan = doc.object();
    EXPECT_EQ(keysOf(plan),
              (QSet<QString>{"title", "facility", "site", "coordinator", "manager", "address1",
                             "address2", "phone", "activity", "description", "analysisStatus",
                             "potentialHazards", "tasks", "ccps", "warnings", "gaps"}));
    EXPECT_EQ(plan["gaps"].toArray().size(), 0);
    EXPECT_EQ(plan["manager"].toString(), QString::fromUtf8("Tomás Reyes, director del refugio"));
    EXPECT_TRUE(plan["description"].toString().contains("\r\n"));
    EXPECT_EQ(plan["warnings"].toArray().size(), 0);

    const QJsonArray hazards = plan["potentialHazards"].toArray();
    ASSERT_EQ(hazards.size(), 6);
    EXPECT_EQ(keysOf(hazards[0].toObject()), (QSet<QString>{"hazType", "entity"}));
    EXPECT_EQ(hazards[3].toObject()["hazType"].toString(), "Other Biologic");

    const QJsonArray tasks = plan["tasks"].toArray();
    ASSERT_EQ(tasks.size(), 5);
    const QJsonObject task2 = tasks[1].toObject();
    EXPECT_EQ(keysOf(task2),
              (QSet<QString>{"name", "number", "description", "ccpCount", "tsHazards"}));
    EXPECT_EQ(task2["name"].toString(), "Trabajo  2");
    EXPECT_TRUE(task2["number"].isDouble());
    EXPECT_EQ(task2["number"].toInt(), 2);
    EXPECT_EQ(task2["ccpCount"].toInt(), 2);
    const QJsonObject th = task2["tsHazards"].toArray()[1].toObject();
    EXPECT_EQ(keysOf(th), (QSet<QString>{"hazType", "entity", "probable", "justification",
                                         "controlMeasures", "isCCP"}));
    EXPECT_EQ(th["probable"].toString(), "Yes");
    EXPECT_TRUE(th["isCCP"].isBool());
    EXPECT_TRUE(th["isCCP"].toBool());
    EXPECT_FALSE(th["controlMeasures"].toString().endsWith(' '));

    const QJsonArray ccps = plan["ccps"].toArray();
    ASSERT_EQ(ccps.size(), 3);
    EXPECT_EQ(keysOf(ccps[0].toObject()),
              (QSet<QString>{"taskName", "taskNumber", "sigHaz", "control", "limits", "what", "how",
                             "when", "who", "correction", "supportDocs"}));
    EXPECT_EQ(ccps[2].toObject()["taskNumber"].toInt(), 5);
}

TEST(Cli, CheckListsGapsAndStrictHoldsBackAnUnfinishedPlan) {
    CliRun r = cli({"check", "--strict", example("prescribed-burn.xml")});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.contains("Gaps:         none, the plan is complete\n"));

    QTemporaryDir dir;
    const QString path = dir.filePath("unfinished.xml");
    writeAll(path,
             readAll(example("prescribed-burn.xml")).replace("3/14/2026 4:22:10 PM", "Incomplete"));
    r = cli({"check", path});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(
        r.out.endsWith("Gap:          step 4: The hazard analysis has not been run to its end.\n"))
        << r.out.constData();
    r = cli({"check", "--strict", "--json", path});
    EXPECT_EQ(r.code, 3);
    const QJsonArray gaps = QJsonDocument::fromJson(r.out).object()["gaps"].toArray();
    ASSERT_EQ(gaps.size(), 1) << r.out.constData();
    EXPECT_EQ(gaps[0].toObject()["step"].toInt(), 4);
    // Not a plan stays 1 under --strict.
    writeAll(path, "notes");
    EXPECT_EQ(cli({"check", "--strict", path}).code, 1);
}

// Document control: its gaps by the date given, its data in the JSON; an example plan that
// holds none keeps passing --strict whatever the date.
TEST(Cli, CheckJudgesApprovalAndReviewByTheDateGiven) {
    EXPECT_EQ(
        cli({"check", "--strict", "--today", "2099-01-01", example("prescribed-burn.xml")}).code,
        0);
    EXPECT_EQ(cli({"check", "--today", "12/10/2026", example("prescribed-burn.xml")}).code, 2);

    QByteArray bytes = readAll(example("prescribed-burn.xml"));
    auto plan = readPlan(bytes).plan;
    plan->Control.PlanVersion = "3";
    plan->Control.NextReview = "2027-03-01";
    plan->Control.People = {{"Approved", "Joan Diaz", "District ranger", "2026-03-01"}};
    for (const auto& task : plan->Tasks)
        for (const auto& th : task->TSHazards)
            th->Ccp.Verification = "Weekly log review";
    sealApproval(*plan);
    QTemporaryDir dir;
    const QString path = dir.filePath("approved.xml");
    writeAll(path, writePlan(*plan));

    EXPECT_EQ(cli({"check", "--strict", "--today", "2027-03-01", path}).code, 0);
    CliRun r = cli({"check", "--strict", "--today", "2027-03-02", path});
    EXPECT_EQ(r.code, 3);
    EXPECT_TRUE(r.out.contains("Approval:     Version 3 was approved on 2026-03-01.\n"));
    EXPECT_TRUE(
        r.out.endsWith("Gap:          step 5: The plan was due for review on 2027-03-01.\n"))
        << r.out.constData();

    writeAll(path, writePlan(*plan).replace("Harrow Creek", "Harrow Brook"));
    r = cli({"check", "--json", "--today", "2027-01-01", path});
    const QJsonObject json = QJsonDocument::fromJson(r.out).object();
    const QJsonObject control = json["documentControl"].toObject();
    EXPECT_EQ(control["approval"].toString(), "changed since approval");
    EXPECT_EQ(control["planVersion"].toString(), "3");
    EXPECT_EQ(control["people"].toArray()[0].toObject()["name"].toString(), "Joan Diaz");
    EXPECT_EQ(json["ccps"].toArray()[0].toObject()["verification"].toString(), "Weekly log review");
    const QJsonArray gaps = json["gaps"].toArray();
    ASSERT_EQ(gaps.size(), 1) << r.out.constData();
    EXPECT_EQ(gaps[0].toObject()["text"].toString(),
              "Version 3 was approved on 2026-03-01; the plan has changed since.");
}

TEST(Cli, HazardsListsTheCatalogueEntriesThatMatch) {
    CliRun r = cli({"hazards", "--type", "invertebrate", "DREISSENA"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "Invertebrate    Zebra mussel (Dreissena polymorpha)\n"
                     "Invertebrate    Quagga mussel (Dreissena bugensis)\n");
    r = cli({"hazards", "zebra", "mussle"});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_FALSE(r.err.isEmpty());
    EXPECT_GE(cli({"hazards"}).out.count('\n'), 150);
}

TEST(Cli, HazardsInSpanishAndTheStarterPlans) {
    CliRun r = cli({"hazards", "--spanish", "zebra"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "Invertebrate    Mejillón cebra (Dreissena polymorpha)\n");

    r = cli({"starters"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out.count('\n'), 6);
    EXPECT_TRUE(r.out.startsWith("boat-launch            Launching and retrieving boats"));
    EXPECT_TRUE(cli({"starters", "--spanish"}).out.contains("Repoblación de peces"));

    // A starter written out lacks only its site and the review of its answers.
    QTemporaryDir dir;
    for (const QStringList& lang : {QStringList{}, QStringList{"--spanish"}}) {
        const QString plan = dir.filePath("fish.xml");
        r = cli(QStringList{"starters"} + lang + QStringList{"--write", "fish-stocking", plan});
        EXPECT_EQ(r.code, 0) << r.err.toStdString();
        r = cli({"check", "--strict", plan});
        EXPECT_EQ(r.code, 3);
        EXPECT_EQ(r.out.count("Gap:"), 2) << r.out.toStdString();
        EXPECT_TRUE(r.out.contains("Gap:          step 1: "));
        EXPECT_TRUE(r.out.contains("Gap:          step 4: "));
        const QJsonObject pair = QJsonDocument::fromJson(cli({"check", "--json", plan}).out)
                                     .object()["tasks"]
                                     .toArray()[0]
                                     .toObject()["tsHazards"]
                                     .toArray()[0]
                                     .toObject();
        EXPECT_EQ(pair["reviewed"], QJsonValue(false));
    }
    r = cli({"starters", "--write", "canoe", dir.filePath("x.xml")});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath("x.xml")));
}

TEST(Cli, DocumentAsPdfThroughLibreOfficeOrSaysWhatToInstall) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("plan.PDF");
    QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
    bare.insert("PATH", dir.path());
    CliRun r = cli({"document", example("prescribed-burn.xml"), "-o", pdf}, bare);
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains("sudo apt-get install libreoffice-writer-nogui"))
        << r.err.constData();
    EXPECT_FALSE(QFile::exists(pdf));

    if (QStandardPaths::findExecutable("soffice").isEmpty())
        GTEST_SKIP() << "LibreOffice (soffice) is not installed: no PDF to check";
    r = cli({"document", example("quema-prescrita.xml"), "-o", pdf, "--spanish"});
    ASSERT_EQ(r.code, 0) << r.err.constData();
    EXPECT_TRUE(readAll(pdf).startsWith("%PDF-"));
    // A screen reader gets a tagged PDF/UA file that names the plan.
    if (QStandardPaths::findExecutable("pdfinfo").isEmpty()) {
        std::cout << "pdfinfo (poppler-utils) is not installed: the PDF's tags are not checked\n";
    } else {
        QProcess info;
        info.start("pdfinfo", {pdf});
        ASSERT_TRUE(info.waitForFinished(30000));
        const QString said = QString::fromUtf8(info.readAllStandardOutput());
        EXPECT_TRUE(said.contains(
            QRegularExpression("^Tagged: +yes$", QRegularExpression::MultilineOption)))
            << said.toStdString();
        EXPECT_TRUE(said.contains(QRegularExpression(
            "^Title: +Plan HACCP de quema prescrita, unidades 3 a 5 de Willow Flats$",
            QRegularExpression::MultilineOption)))
            << said.toStdString();
    }
    // --pdf whatever the name.
    const QString named = dir.filePath("plan.out");
    r = cli({"document", "--pdf", example("prescribed-burn.xml"), "-o", named});
    ASSERT_EQ(r.code, 0) << r.err.constData();
    EXPECT_TRUE(readAll(named).startsWith("%PDF-"));
}

TEST(Cli, CheckReportsWarningsAndStillSucceeds) {
    QTemporaryDir dir;
    const QString path = dir.filePath("odd.xml");
    writeAll(path, "<?xml version=\"1.0\"?>\n<Hazard>\n<Entity>\nx\n</Entity>\n</Hazard>\n"
                   "<Title>\n\"quoted\" \\ tab\there \x01\n<Task>\n");
    CliRun r = cli({"check", "--json", path});
    EXPECT_EQ(r.code, 0);
    const QJsonObject plan = QJsonDocument::fromJson(r.out).object();
    EXPECT_EQ(plan["title"].toString(), QString::fromLatin1("\"quoted\" \\ tab\there \x01"));
    const QJsonArray warnings = plan["warnings"].toArray();
    ASSERT_EQ(warnings.size(), 2);
    EXPECT_EQ(warnings[0].toString(), kHazardErrorMessage);
    r = cli({"check", path});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.contains(kHazardErrorMessage.toUtf8()));
}

TEST(Cli, NotAPlanAndBadUsageHaveTheirOwnExitCodes) {
    QTemporaryDir dir;
    const QString text = dir.filePath("notes.xml");
    writeAll(text, "<?xml version='1.0'?>\r\n<HACCP>\r\n");
    CliRun r = cli({"check", text});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err.trimmed(), (text + " is not a HACCP Plan").toUtf8());
    EXPECT_TRUE(r.out.isEmpty());

    for (const QStringList& args : {QStringList{},
                                    {"frobnicate"},
                                    {"check"},
                                    {"check", text, text},
                                    {"check", "--xml", text},
                                    {"check", dir.filePath("missing.xml")},
                                    {"check", dir.path()},
                                    {"resave", text},
                                    {"resave", text, "-o"},
                                    {"resave", "-o", dir.filePath("out.xml")},
                                    {"hazards", "--type", "Fish"},
                                    {"hazards", "--type"},
                                    {"starters", "--write", "boat-launch"},
                                    {"starters", "--frob"}}) {
        r = cli(args);
        EXPECT_EQ(r.code, 2) << args.join(' ').toStdString();
        EXPECT_FALSE(r.err.isEmpty());
        EXPECT_TRUE(r.out.isEmpty());
    }
}

TEST(Cli, HelpAndVersion) {
    CliRun r = cli({"--version"});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.contains("2.0.4"));
    r = cli({"--help"});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.contains("check [--json] [--strict] [--today YYYY-MM-DD] PLAN"));
    EXPECT_TRUE(r.out.contains("resave PLAN -o OUT"));
    // The list, a command's usage errors and the README give each command the same line.
    const QByteArray document =
        "document PLAN -o OUT.docx|OUT.pdf [--pdf] [--spanish] [--title TEXT] [--record-sheets]";
    EXPECT_TRUE(r.out.contains("  " + document + "\n"));
    EXPECT_TRUE(cli({"document"}).err.contains("Usage: orvella-cli " + document + "\n"));
    r = cli({"resave", "--help"});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.contains("resave PLAN -o OUT"));
}

TEST(Cli, ResaveKeepsOurFilesByteForByteAndNormalisesOthers) {
    QTemporaryDir dir;
    for (const char* name : {"prescribed-burn.xml", "quema-prescrita.xml"}) {
        const QString out = dir.filePath(name);
        const CliRun r = cli({"resave", example(name), "-o", out});
        EXPECT_EQ(r.code, 0) << r.err.constData();
        EXPECT_TRUE(readAll(out) == readAll(example(name))) << name;
    }

    // Hand-edited: LF line ends, an indented line, a UTF-8 name, measures without the blank.
    const QString edited = dir.filePath("edited.xml");
    writeAll(edited, "<?xml version=\"1.0\"?>\n<HACCP>\n  <Note>\n<Facility>\nŁódź wetlands\n"
                     "<Task>\n<TaskHazard>\n<Probable>\nYes\n<ControlMeasures>\nRinse\n</Task>\n");
    const QString out = dir.filePath("normal.xml");
    const CliRun r = cli({"resave", edited, "--output", out});
    EXPECT_EQ(r.code, 0) << r.err.constData();
    const QByteArray normal = readAll(out);
    EXPECT_TRUE(normal == writePlan(*readPlan(readAll(edited)).plan));
    EXPECT_TRUE(normal.contains("\r\n\xC5\x81\xC3\xB3"
                                "d\xC5\xBA wetlands\r\n")); // UTF-8 kept
    EXPECT_TRUE(normal.contains("<ControlMeasures>\r\nRinse \r\n</ControlMeasures>\r\n"));
    EXPECT_FALSE(normal.contains("<Note>"));
}

TEST(Cli, FailedResaveLeavesNoHalfWrittenFile) {
    QTemporaryDir dir;
    const QString out = dir.filePath("keep.xml");
    writeAll(out, "previous contents");
    const QString notPlan = dir.filePath("notes.txt");
    writeAll(notPlan, "shopping list\n");

    CliRun r = cli({"resave", notPlan, "-o", out});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(readAll(out), "previous contents");

    const QString missingDir = dir.filePath("no/such/folder/out.xml");
    r = cli({"resave", example("prescribed-burn.xml"), "-o", missingDir});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains(missingDir.toUtf8()));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot),
              (QStringList{"keep.xml", "notes.txt"}));
}
