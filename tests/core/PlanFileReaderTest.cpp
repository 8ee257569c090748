#include "PlanFileCompare.h"
#include "QtPrinters.h"
#include "SamplePlans.h"
#include "model/HazardTypes.h"
#include "model/PlanCcps.h"
#include "planfile/PlanApproval.h"
#include "planfile/PlanReader.h"
#include "planfile/PlanWriter.h"
#include "planfile/TextEncoding.h"
#include <QCryptographicHash>
#include <QFile>
#include <QRandomGenerator>
#include <QSet>
#include <QStringDecoder>
#include <gtest/gtest.h>

using namespace orvella::model;
using namespace orvella::planfile;

namespace {

// A file from lines joined by CR LF, starting with the xml line.
QByteArray planFile(const QStringList& body) {
    return (QStringList{kXmlLine, "<HACCP>"} + body).join("\r\n").toLatin1() + "\r\n";
}

QStringList hazard(const QString& type, const QString& entity) {
    return {"<Hazard>", "<HazType>", type,        "</HazType>",
            "<Entity>", entity,      "</Entity>", "</Hazard>"};
}

std::shared_ptr<HACCP_Plan> richPlan() {
    auto plan = samples::makeTypicalPlan();
    plan->Description =
        QString::fromUtf8("Crews walk the creek.\r\n\r\n  Indented line <b> & \"q\"\r\n");
    plan->Tasks.item(1)->TSHazards.item(1)->ControlMeasures = "Scrub boots  "; // blanks kept
    plan->Tasks.item(2)->Number = -4;
    plan->Facility = QString::fromUtf8("Réserve naturelle € “Ouest”");
    return plan;
}

} // namespace

TEST(PlanReader, ReadsBackExactlyWhatTheWriterWrote) {
    for (const auto& plan : {samples::makePlan(0, 0, 0, 0), samples::makeTypicalPlan(), richPlan(),
                             samples::makeLargestPlan()}) {
        const QByteArray bytes = writePlan(*plan);
        const PlanReadResult r = readPlan(bytes);
        ASSERT_TRUE(r.isPlan);
        EXPECT_TRUE(r.warnings.isEmpty()) << r.warnings.join('|').toStdString();
        expectSamePlan(*r.plan, *plan);
        EXPECT_TRUE(writePlan(*r.plan) == bytes); // and saving again changes no byte
    }
}

TEST(PlanReader, HazardsContinueTheProgramsKeyCount) {
    auto plan = samples::makePlan(5, 3, 1);
    const PlanReadResult r = readPlan(writePlan(*plan), 5);
    EXPECT_EQ(r.hazardKeyCounter, 8);
    EXPECT_EQ(r.plan->PotentialHazards.key(1), "6");
    EXPECT_EQ(r.plan->PotentialHazards.key(3), "8");
    EXPECT_EQ(r.plan->Tasks.key(5), "5");
    EXPECT_TRUE(isAnalysisComplete(*r.plan));

    plan->AnalysisStatus = Incomplete;
    EXPECT_FALSE(isAnalysisComplete(*readPlan(writePlan(*plan)).plan));
    EXPECT_FALSE(isAnalysisComplete(*readPlan(planFile({"<Title>", "x"})).plan)); // never read
}

TEST(PlanReader, KeepsEveryTaskBeyondTheTenBoxes) {
    auto plan = samples::makePlan(13, 2, 0);
    const PlanReadResult r = readPlan(writePlan(*plan));
    ASSERT_EQ(r.plan->Tasks.count(), 13);
    EXPECT_EQ(r.plan->Tasks.item(13)->Name, "Task # 13");
    EXPECT_EQ(r.plan->Tasks.item(10)->Description, plan->Tasks.item(10)->Description);
}

TEST(PlanReader, OnlyTheExactXmlLineMakesAPlan) {
    EXPECT_FALSE(readPlan({}).isPlan);
    EXPECT_FALSE(readPlan("<?xml version='1.0'?>\r\n<HACCP>\r\n").isPlan);
    EXPECT_FALSE(readPlan(" <?xml version=\"1.0\"?>\r\n").isPlan);
    EXPECT_FALSE(readPlan("<HACCP>\r\n<?xml version=\"1.0\"?>\r\n").isPlan);
    EXPECT_FALSE(readPlan("<?xml version=\"1.0\"?> \r\n").isPlan);
    EXPECT_FALSE(readPlan("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n").isPlan);
    EXPECT_TRUE(readPlan("<?xml version=\"1.0\"?>").isPlan);
    EXPECT_TRUE(readPlan("\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<Title>\nx\n").isPlan);

    const PlanReadResult r = readPlan("Title,Facility\r\n<Title>\r\nx\r\n");
    EXPECT_TRUE(r.warnings.isEmpty()); // the caller words the message with the file name
    EXPECT_TRUE(r.plan->Title.isEmpty());
}

TEST(PlanReader, AcceptsEveryKindOfLineEnd) {
    const QByteArray crlf = writePlan(*samples::makeTypicalPlan());
    QByteArray lf = crlf, cr = crlf;
    lf.replace("\r\n", "\n");
    cr.replace("\r\n", "\r");
    for (const QByteArray& b : {lf, cr, lf.chopped(1)}) {
        const PlanReadResult r = readPlan(b);
        EXPECT_TRUE(r.warnings.isEmpty());
        expectSamePlan(*r.plan, *readPlan(crlf).plan);
    }
}

TEST(PlanReader, TakesTheLineAfterATagAsItsValueAndMatchesWholeLinesOnly) {
    const PlanReadResult r = readPlan(planFile({
        "<Facility>", "<Task>",      "</Facility>", // a facility named "<Task>"
        "<Title>",    "First line",  "<Site>",      "Second", "</Title>", // later lines act as tags
        "  <Phone>",  "555",         "<Phone> ",    "556",    "<phone>",
        "557",                                     // not the exact tag
        "<Unknown>",  "<Activity>",  "</Unknown>", // foreign tag skipped
        "<Activity>", "</Activity>",               // an empty line was lost
    }));
    EXPECT_EQ(r.plan->Facility, "<Task>");
    EXPECT_EQ(r.plan->Tasks.count(), 0);
    EXPECT_EQ(r.plan->Title, "First line");
    EXPECT_EQ(r.plan->Site, "Second");
    EXPECT_EQ(r.plan->Phone, "");
    EXPECT_EQ(r.plan->Activity, "</Activity>");
    EXPECT_TRUE(r.warnings.isEmpty());
}

TEST(PlanReader, DescriptionKeepsItsLineBreaksWithoutALineLimit) {
    QStringList body{"<ProjectDescription>"};
    QStringList lines;
    for (int i = 1; i <= 150; ++i)
        lines << QString("Line %1").arg(i);
    lines << ""
          << "<Title>"
          << "last";
    body << lines << "</ProjectDescription>"
         << "<Title>"
         << "T";
    const PlanReadResult r = readPlan(planFile(body));
    EXPECT_EQ(r.plan->Description, lines.join("\r\n"));
    EXPECT_EQ(r.plan->Title, "T");
    EXPECT_EQ(
        readPlan(planFile({"<ProjectDescription>", "", "</ProjectDescription>"})).plan->Description,
        "");
}

TEST(PlanReader, TakesOffOnlyTheBlankTheWriterAdded) {
    auto plan = samples::makePlan(1, 1, 0);
    auto& th = *plan->Tasks.item(1)->TSHazards.item(1);
    ASSERT_EQ(th.Probable, Yes);
    for (const QString measures : {"Wash", "Wash  ", " ", ""}) {
        th.ControlMeasures = measures;
        QByteArray bytes = writePlan(*plan);
        for (int save = 0; save < 3; ++save) // no blank creeps in with every save
            bytes = writePlan(*readPlan(bytes).plan);
        EXPECT_EQ(readPlan(bytes).plan->Tasks.item(1)->TSHazards.item(1)->ControlMeasures,
                  measures);
    }
    // A hand-written value without the blank stays as it is.
    const PlanReadResult r = readPlan(
        planFile({"<Task>", "<TaskHazard>", "<ControlMeasures>", "Rinse", "</ControlMeasures>",
                  "<CCP>", "true", "</CCP>", "</TaskHazard>", "</Task>"}));
    const auto& read = *r.plan->Tasks.item(1)->TSHazards.item(1);
    EXPECT_EQ(read.ControlMeasures, "Rinse");
    EXPECT_FALSE(read.IsCCP); // only "True" is true
}

TEST(PlanReader, AMalformedHazardDropsOnlyItself) {
    QStringList body;
    body << hazard("Plant", "Purple loosestrife");
    body << "<Hazard>"
         << "<Entity>"
         << "Missing type"
         << "</Entity>"
         << "</Hazard>";
    body << hazard("Invertebrate", "Zebra mussel");
    body << "<Hazard>"
         << "<HazType>"
         << "Plant"
         << "</HazType>"; // cut short by a new record
    body << hazard("Other Biologic", "Chytrid fungus");
    body << "<Task>"
         << "<Name>"
         << "Task # 1"
         << "</Name>"
         << "</Task>";
    body << "<Title>"
         << "After the errors";
    const PlanReadResult r = readPlan(planFile(body), 10);
    ASSERT_EQ(r.plan->PotentialHazards.count(), 3);
    EXPECT_EQ(r.plan->PotentialHazards.item(1)->Entity, "Purple loosestrife");
    EXPECT_EQ(r.plan->PotentialHazards.item(2)->Entity, "Zebra mussel");
    EXPECT_EQ(r.plan->PotentialHazards.item(3)->Entity, "Chytrid fungus");
    EXPECT_EQ(r.plan->PotentialHazards.key(3), "13");
    EXPECT_EQ(r.hazardKeyCounter, 13);
    EXPECT_EQ(r.plan->Tasks.count(), 1);
    EXPECT_EQ(r.plan->Title, "After the errors");
    EXPECT_TRUE(r.hazardError);
    EXPECT_EQ(r.warnings, QStringList{kHazardErrorMessage}); // once, for both records
}

TEST(PlanReader, BadNumbersReadAsZeroAndTheReadGoesOn) {
    const QStringList values{" 7 ", "", "seven", "40000", "-32768", "+12", "3.5", " -5\t", "7x"};
    const QList<qint16> expected{7, 0, 0, 0, -32768, 12, 0, -5, 0};
    QStringList body;
    for (const QString& v : values)
        body << "<Task>"
             << "<Number>" << v << "</Number>"
             << "<CCP_Count>" << v << "</CCP_Count>"
             << "</Task>"
             << "<CCP>"
             << "<TaskNumber>" << v << "</CCP>";
    const PlanReadResult r = readPlan(planFile(body));
    ASSERT_EQ(r.plan->Tasks.count(), values.size());
    ASSERT_EQ(r.plan->UnattachedCCPs.size(), values.size()); // these describe no pair
    for (int i = 0; i < values.size(); ++i) {
        EXPECT_EQ(r.plan->Tasks.item(i + 1)->Number, expected[i]) << values[i].toStdString();
        EXPECT_EQ(r.plan->Tasks.item(i + 1)->CCP_Count(), expected[i]);
        EXPECT_EQ(r.plan->UnattachedCCPs[i].record.TaskNumber, expected[i]);
    }
}

TEST(PlanReader, DecodesUtf8OnlyWhenTheWholeFileIsValidUtf8) {
    // windows-1252: the euro sign, an undefined byte, and an e acute
    PlanReadResult r = readPlan("<?xml version=\"1.0\"?>\r\n<Site>\r\n\x80 \x81 caf\xE9\r\n");
    EXPECT_EQ(r.plan->Site, QString::fromUtf8("€ \xC2\x81 café"));
    // UTF-8, with and without a byte-order mark
    for (const QByteArray& start : {QByteArray(), QByteArray("\xEF\xBB\xBF")}) {
        r = readPlan(start + "<?xml version=\"1.0\"?>\n<Site>\nŁódź 湿地 😀\n");
        EXPECT_EQ(r.plan->Site, QString::fromUtf8("Łódź 湿地 😀"));
    }
    // One invalid sequence anywhere (overlong, surrogate, cut short) makes it windows-1252.
    for (const QByteArray& bad : {QByteArray("\xC0\xAF"), QByteArray("\xED\xA0\x80"),
                                  QByteArray("\xE6\xB9"), QByteArray("\xF4\x90\x80\x80")}) {
        r = readPlan("<?xml version=\"1.0\"?>\n<Site>\n\xC3\xA9\n<Phone>\n" + bad);
        EXPECT_EQ(r.plan->Site, QString::fromUtf8("Ã©"));
    }
}

TEST(TextEncoding, Windows1252TableMatchesTheSystemConverter) {
    QStringDecoder system("windows-1252");
    ASSERT_TRUE(system.isValid());
    for (int b = 0; b < 256; ++b) {
        const char c = char(b);
        const QString mine = decodeWindows1252(QByteArrayView(&c, 1));
        EXPECT_EQ(mine, system.decode(QByteArrayView(&c, 1))) << b;
        EXPECT_EQ(encodeWindows1252(mine).value_or("?"), QByteArray(1, c)) << b;
    }
    EXPECT_FALSE(encodeWindows1252(QString::fromUtf8("ł")).has_value());
}

TEST(PlanReader, TruncatedFilesKeepWhatWasReadAndSaySo) {
    const QByteArray full = writePlan(*samples::makeTypicalPlan());
    const PlanReadResult whole = readPlan(full);
    const auto titleEnd = full.indexOf("</Title>");
    for (qsizetype cut = 0; cut < full.size(); ++cut) {
        const PlanReadResult r = readPlan(full.left(cut));
        ASSERT_TRUE(r.plan);
        EXPECT_LE(r.plan->Tasks.count(), whole.plan->Tasks.count());
        EXPECT_LE(r.plan->PotentialHazards.count(), whole.plan->PotentialHazards.count());
        if (cut > titleEnd) {
            EXPECT_EQ(r.plan->Title, whole.plan->Title);
        }
        if (cut == 0 || full[cut - 1] == '\n') { // a record cut between lines is not malformed
            EXPECT_FALSE(r.hazardError) << cut;
        }
    }
    // Cut inside a hazard record, between a tag and its value, inside the description.
    for (const char* at : {"<Entity>\r\n", "<Probable>\r\n", "Line 2:", "<Justification>"}) {
        const PlanReadResult r = readPlan(full.left(full.indexOf(at) + qstrlen(at)));
        EXPECT_TRUE(r.truncated) << at;
        EXPECT_EQ(r.warnings, QStringList{kTruncatedMessage}) << at;
    }
    const PlanReadResult midTask = readPlan(full.left(full.lastIndexOf("<Justification>")));
    EXPECT_EQ(midTask.plan->Tasks.count(), 5);
    EXPECT_EQ(midTask.plan->Tasks.item(5)->TSHazards.count(), 8); // the cut one too, part filled
    EXPECT_EQ(midTask.plan->PotentialHazards.count(), 8);

    // Cut before the status: no analysis, and saving again does not make one.
    const PlanReadResult noStatus = readPlan(full.left(full.indexOf("<AnalysisStatus>")));
    EXPECT_EQ(noStatus.plan->AnalysisStatus, Incomplete);
    EXPECT_EQ(readPlan(writePlan(*noStatus.plan)).plan->AnalysisStatus, Incomplete);
}

TEST(PlanReader, SurvivesHostileBytes) {
    QByteArray head = "<?xml version=\"1.0\"?>\r\n";
    // NUL bytes inside tags and values
    PlanReadResult r = readPlan(head + QByteArray("<Title>\r\na\0b\r\n<Site\0>\r\nx\r\n", 25));
    EXPECT_EQ(r.plan->Title, QString::fromLatin1("a\0b", 3));
    EXPECT_EQ(r.plan->Site, "");
    // a line of many megabytes as a value and as a skipped line
    const QByteArray huge(8 << 20, 'x');
    r = readPlan(head + "<Title>\n" + huge + "\n" + huge + "\n<Phone>\n1\n");
    EXPECT_EQ(r.plan->Title.size(), huge.size());
    EXPECT_EQ(r.plan->Phone, "1");
    // records inside records: the "<CCP>" of a task hazard is its decision, not a CCP record
    r = readPlan(head + "<Task>\n<TaskHazard>\n<Task>\n<CCP>\n<Hazard>\n</Task>\n</TaskHazard>\n"
                        "<CCP>\n</Task>\n<Name>\n</CCP>\n</CCP>");
    ASSERT_EQ(r.plan->Tasks.count(), 1);
    EXPECT_EQ(r.plan->Tasks.item(1)->TSHazards.count(), 1);
    EXPECT_EQ(r.plan->CCPs().count() + r.plan->UnattachedCCPs.size(), 0);
    EXPECT_EQ(r.plan->PotentialHazards.count(), 0);
    // random bytes behind the xml line, with many line ends and tags mixed in
    QRandomGenerator rng(1234);
    const QList<QByteArray> pieces{
        "<Task>", "<Hazard>", "<HazType>", "<CCP>",        "</Task>",
        "\r\n",   "\n",       "\r",        "<TaskHazard>", "<ProjectDescription>"};
    for (int round = 0; round < 200; ++round) {
        QByteArray b = head;
        const int n = int(rng.bounded(400));
        for (int i = 0; i < n; ++i)
            b += rng.bounded(3) ? pieces[rng.bounded(pieces.size())]
                                : QByteArray(1, char(rng.bounded(256)));
        r = readPlan(b);
        EXPECT_TRUE(r.isPlan);
        ASSERT_TRUE(r.plan);
    }
}

TEST(PlanReader, ExamplesAreFinishedPlansOurWriterWrote) {
    for (const char* name : {"prescribed-burn.xml", "quema-prescrita.xml"}) {
        QFile f(QStringLiteral(ORVELLA_SOURCE_DIR "/examples/") + QLatin1String(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name;
        const QByteArray bytes = f.readAll();
        const PlanReadResult r = readPlan(bytes);
        ASSERT_TRUE(r.isPlan);
        EXPECT_TRUE(r.warnings.isEmpty());
        EXPECT_TRUE(isAnalysisComplete(*r.plan));
        EXPECT_TRUE(writePlan(*r.plan) == bytes) << name;
        EXPECT_EQ(detectEncoding(bytes), FileEncoding::Windows1252);
        const auto& plan = *r.plan;
        EXPECT_GE(plan.Tasks.count(), 4);
        EXPECT_LE(plan.Tasks.count(), 6);
        EXPECT_GE(plan.CCPs().count(), 2);
        EXPECT_LE(plan.CCPs().count(), 3);
        EXPECT_TRUE(plan.UnattachedCCPs.isEmpty()); // every record is its pair's
        QSet<QString> types;
        for (const auto& hz : plan.PotentialHazards)
            types << hz->HazType;
        EXPECT_GE(types.size(), 3);
        const bool spanish = QByteArray(name).startsWith("quema");
        int ccps = 0;
        for (const auto& task : plan.Tasks) {
            EXPECT_EQ(task->Name, QString(spanish ? "Trabajo  %1" : "Task # %1").arg(task->Number));
            int flagged = 0;
            for (const auto& th : task->TSHazards) {
                EXPECT_TRUE(std::find(HazardTypes::All.begin(), HazardTypes::All.end(),
                                      th->HazType) != HazardTypes::All.end());
                EXPECT_TRUE(th->Probable == Yes || th->Probable == No);
                flagged += th->IsCCP;
            }
            EXPECT_EQ(task->CCP_Count(), flagged);
            EXPECT_FALSE(task->CcpCountInFile);
            ccps += flagged;
        }
        EXPECT_EQ(ccps, plan.CCPs().count());
    }
}

// Files whose analysis records disagree with each other, as older versions or a hand could
// leave them: each is read, its odd records kept where they stand, and written back byte for
// byte; records that belong to no pair are listed as such.
TEST(PlanReader, PlansWhoseRecordsDisagreeComeBackByteForByte) {
    QFile f(QStringLiteral(ORVELLA_SOURCE_DIR "/examples/prescribed-burn.xml"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray example = f.readAll();
    const QByteArray open = "<CCP>\r\n<Name>\r\n";
    const qsizetype first = example.indexOf(open);
    const qsizetype second = example.indexOf(open, first + 1);
    const qsizetype end = example.indexOf("<AnalysisStatus>");
    ASSERT_GT(first, 0);
    ASSERT_GT(second, first);
    const QByteArray one = example.mid(first, second - first);
    const QByteArray rest = example.mid(second, end - second);
    const QByteArray head = example.left(first), tail = example.mid(end);

    QByteArray renumbered = example; // a task row blanked: the record names the old number
    renumbered.replace(first + one.indexOf("<TaskNumber>\r\n") + 14, 3, " 7 ");
    QByteArray counted = example; // a count that no pair bears out
    counted.replace(example.indexOf("<CCP_Count>\r\n 0 "), 16, "<CCP_Count>\r\n 4 ");
    QByteArray decided = example; // decision answers after a task hazard's CCP line
    decided.replace(
        example.indexOf("True\r\n</CCP>\r\n</TaskHazard>"), 27,
        "True\r\n</CCP>\r\n<Q1>\r\nYes\r\n</Q1>\r\n<Q2>\r\nYes\r\n</Q2>\r\n</TaskHazard>");
    const struct {
        const char* what;
        QByteArray bytes;
        int unattached;
    } cases[] = {
        {"doubled record", head + one + one + rest + tail, 1},
        {"records out of order", head + rest + one + tail, 1},
        {"a pair marked CCP without its record", head + rest + tail, 0},
        {"renumbered task", renumbered, 1},
        {"count of the file", counted, 0},
        {"decision answers", decided, 0},
    };
    for (const auto& c : cases) {
        const PlanReadResult r = readPlan(c.bytes);
        EXPECT_EQ(r.plan->UnattachedCCPs.size(), c.unattached) << c.what;
        EXPECT_TRUE(writePlan(*r.plan) == c.bytes) << c.what;
    }
    const auto read = readPlan(decided).plan;
    QStringList paths;
    for (const auto& task : read->Tasks)
        for (const auto& th : task->TSHazards)
            if (!th->Answers.isEmpty())
                paths << pathText(th->Answers);
    EXPECT_EQ(paths, QStringList{"Q1 Yes, Q2 Yes"});
}

// The approval block: where it stands, what it holds, that older readers cannot mistake a line
// of it for one of theirs, and that the seal breaks when the plan is edited, even by hand.
TEST(PlanReader, DocumentControlComesBackByteForByteAndSealsThePlan) {
    auto plan = samples::makeTypicalPlan();
    EXPECT_FALSE(writePlan(*plan).contains("DocumentControl")); // nothing to write, nothing written
    EXPECT_FALSE(writePlan(*plan).contains("<Verification>"));
    samples::addDocumentControl(*plan);
    plan->Control.Revisions[1].Change = QStringLiteral("Two\r\nlines"); // the block has no breaks
    plan->Control.People[2].SignedOn = QStringLiteral("2026-12-09");
    sealApproval(*plan);
    EXPECT_EQ(plan->Control.NextReview, "2027-12-09"); // kept: one was set
    const QByteArray bytes = writePlan(*plan);

    const qsizetype block = bytes.indexOf("\r\n<DocumentControl>\r\n") + 2;
    ASSERT_GT(block, bytes.lastIndexOf("</CCP>\r\n"));
    EXPECT_EQ(bytes.indexOf("</DocumentControl>\r\n<AnalysisStatus>\r\n"),
              bytes.indexOf("</DocumentControl>"));
    EXPECT_EQ(plan->Control.ApprovedDigest,
              QCryptographicHash::hash(bytes.left(block), QCryptographicHash::Sha256).toHex());
    EXPECT_TRUE(bytes.mid(block).startsWith(
        "<DocumentControl>\r\n<PlanVersion>\r\n2\r\n</PlanVersion>\r\n<NextReview>\r\n"
        "2027-12-09\r\n</NextReview>\r\n<ApprovedDigest>\r\n" +
        plan->Control.ApprovedDigest.toLatin1() +
        "\r\n</ApprovedDigest>\r\n<Person>\r\n<Role>\r\nPrepared\r\n</Role>\r\n<PersonName>\r\n"
        "Ana Ruiz\r\n</PersonName>\r\n<JobTitle>\r\nField ecologist\r\n</JobTitle>\r\n"
        "<SignedOn>\r\n2026-12-01\r\n</SignedOn>\r\n</Person>\r\n"));
    EXPECT_TRUE(bytes.contains("<RevisionChange>\r\nTwo lines\r\n</RevisionChange>\r\n"));
    EXPECT_TRUE(bytes.contains("</Documents>\r\n<Verification>\r\nUnit lead reviews the log "
                               "weekly (CCP 2)\r\n</Verification>\r\n</CCP>\r\n"));
    const QList<QByteArray> topLevel = {"<Title>",
                                        "<Facility>",
                                        "<ProjectCoordinator>",
                                        "<SiteManager>",
                                        "<AddressLine1>",
                                        "<AddressLine2>",
                                        "<Phone>",
                                        "<Site>",
                                        "<Activity>",
                                        "<ProjectDescription>",
                                        "<Hazard>",
                                        "<Task>",
                                        "<CCP>",
                                        "<AnalysisStatus>"};
    const QByteArray inside = bytes.mid(block, bytes.indexOf("<AnalysisStatus>") - block);
    for (const QByteArray& line : inside.split('\n'))
        EXPECT_FALSE(topLevel.contains(line.chopped(1))) << line.toStdString();

    const PlanReadResult r = readPlan(bytes);
    ASSERT_TRUE(r.warnings.isEmpty());
    plan->Control.Revisions[1].Change = QStringLiteral("Two lines");
    EXPECT_EQ(r.plan->Control, plan->Control);
    expectSamePlan(*r.plan, *plan);
    EXPECT_EQ(r.plan->CCPs().item(2)->Verification, "Unit lead reviews the log weekly (CCP 2)");
    EXPECT_TRUE(writePlan(*r.plan) == bytes);
    EXPECT_EQ(approvalState(*r.plan), ApprovalState::Approved);

    QByteArray edited = bytes; // a hand changes a limit in a text editor
    edited.replace("Rinse for at least 20 min", "Rinse for at least 2 min");
    EXPECT_EQ(approvalState(*readPlan(edited).plan), ApprovalState::Changed);
    edited = bytes; // or the digest itself
    edited.replace(plan->Control.ApprovedDigest.toLatin1(), QByteArray(64, '0'));
    EXPECT_EQ(approvalState(*readPlan(edited).plan), ApprovalState::Changed);
    // Signing anew makes the edited plan the approved one.
    auto resigned = readPlan(edited).plan;
    sealApproval(*resigned);
    EXPECT_EQ(approvalState(*resigned), ApprovalState::Approved);
    resigned->Control.People[2].SignedOn.clear();
    sealApproval(*resigned);
    EXPECT_EQ(approvalState(*resigned), ApprovalState::NotApproved);
    EXPECT_TRUE(resigned->Control.ApprovedDigest.isEmpty());

    // A record that lost its pair keeps its verification too.
    QByteArray orphan = bytes;
    orphan.replace("<TaskNumber>\r\n 1 \r\n", "<TaskNumber>\r\n 9 \r\n");
    const auto kept = readPlan(orphan).plan;
    ASSERT_FALSE(kept->UnattachedCCPs.isEmpty());
    EXPECT_FALSE(kept->UnattachedCCPs[0].record.Verification.isEmpty());
    EXPECT_TRUE(writePlan(*kept) == orphan);
}
