// The submits of steps 1 to 3 and the hazard lists of step 2.
#include "MainWindowFixture.h"
#include "SamplePlans.h"
#include "model/HazardTypes.h"
#include <QAbstractItemView>
#include <QApplication>

namespace {
// Types a text with characters keyClicks cannot (it aborts on anything beyond ASCII).
void typeUnicode(QWidget* w, const QString& text) {
    w->setFocus();
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}
} // namespace

TEST_F(MainWindowTest, Step1StoresTrimmedValuesAndMovesOn) {
    type("txtFacility", "  Corvane Nature Reserve  ");
    edit("txtSite")->setText("\tRefuge Wide ");
    type("txtCoordinator", "Morgan Tessel");
    type("txtPhone", " 555 010-2000");
    auto* description = control<QPlainTextEdit>("txtDescription");
    description->setPlainText("  Burn the north unit.\n\nThen the south.  ");
    click("cmdNext");

    const auto& plan = state.plan();
    EXPECT_EQ(plan.Facility, "Corvane Nature Reserve");
    EXPECT_EQ(plan.Site, "\tRefuge Wide") << "only spaces are trimmed";
    EXPECT_EQ(plan.Coordinator, "Morgan Tessel");
    EXPECT_EQ(plan.Phone, "555 010-2000");
    EXPECT_EQ(plan.Manager, "");
    EXPECT_EQ(plan.Address2, "");
    EXPECT_EQ(plan.Description, "Burn the north unit.\r\n\r\nThen the south.")
        << "inner line breaks stay, stored as CR LF";
    EXPECT_EQ(edit("txtFacility")->text(), "  Corvane Nature Reserve  ") << "boxes keep text";
    EXPECT_EQ(window->currentStep(), 2);
    EXPECT_EQ(window->statusMessage(), "Step 2: Identify any potential hazards.");
    EXPECT_FALSE(state.InputsChanged) << "step 1 does not touch the analysis";

    // A second submit replaces everything, empty boxes included.
    type("txtFacility", "");
    description->clear();
    window->selectStep(1);
    click("cmdNext");
    EXPECT_EQ(plan.Facility, "");
    EXPECT_EQ(plan.Description, "");
    EXPECT_EQ(plan.Coordinator, "Morgan Tessel");
}

TEST_F(MainWindowTest, Step1TypedButNotSubmittedStaysOutOfThePlan) {
    type("txtActivity", "Fire Management Operations");
    window->selectStep(2);
    EXPECT_EQ(state.plan().Activity, "");
}

TEST_F(MainWindowTest, Step2AddPairsEachHazardWithItsKind) {
    addHazard("Giant Salvinia");
    EXPECT_EQ(rows("lstHazards"), QStringList({"Giant Salvinia"}));
    EXPECT_EQ(rows("lstHazardKinds"), QStringList({"Other"}));
    EXPECT_EQ(edit("txtAddHaz")->text(), "");

    addHazard(" Giant Salvinia ", 2);
    addHazard("Zebra mussel", 1);
    addHazard("Feral hog", 0);
    addHazard("Chytrid fungus", 3);
    EXPECT_EQ(rows("lstHazards"), QStringList({"Giant Salvinia", "Giant Salvinia", "Zebra mussel",
                                               "Feral hog", "Chytrid fungus"}));
    EXPECT_EQ(rows("lstHazardKinds"),
              QStringList({"Other", "Plant", "Invertebrate", "Vertebrate", "Other Biologic"}));
    EXPECT_TRUE(control<QRadioButton>("optHazType(3)")->isChecked()) << "type stays selected";
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(MainWindowTest, Step2BlankNameIsRefusedWithAMessage) {
    addHazard("   ");
    addHazard("");
    EXPECT_EQ(list("lstHazards")->count(), 0);
    EXPECT_EQ(list("lstHazardKinds")->count(), 0);
    EXPECT_EQ(edit("txtAddHaz")->text(), "");
    ASSERT_EQ(prompts.asked.size(), 2);
    EXPECT_EQ(prompts.asked[0].text, "Hazard was not added.");
    EXPECT_EQ(prompts.asked[0].title, "");
    EXPECT_EQ(prompts.asked[0].icon, ScriptedPrompts::Icon::None);
    EXPECT_EQ(prompts.asked[0].buttons, ScriptedPrompts::Buttons::Ok);

    // Tabs and line breaks are not blanks: they make a name.
    auto* box = edit("txtAddHaz");
    box->setText("\t");
    EXPECT_TRUE(window->AddHazard(box, "Plant"));
    EXPECT_FALSE(window->AddHazard(nullptr, "Plant"));
}

TEST_F(MainWindowTest, Step2EnterInTheNameBoxAdds) {
    type("txtAddHaz", "Quagga mussel");
    QTest::keyClick(edit("txtAddHaz"), Qt::Key_Return);
    EXPECT_EQ(rows("lstHazards"), QStringList({"Quagga mussel"}));
}

TEST_F(MainWindowTest, Step2RemoveTakesTheSameRowFromBothLists) {
    addHazard("Rat", 0);
    addHazard("Snail", 1);
    addHazard("Cheatgrass", 2);

    // Nothing selected: nothing happens, no message.
    click("btnRemove");
    EXPECT_EQ(list("lstHazards")->count(), 3);

    auto* hazards = list("lstHazards");
    QTest::mouseClick(hazards->viewport(), Qt::LeftButton, {},
                      hazards->visualItemRect(hazards->item(1)).center());
    EXPECT_EQ(state.SelectedHazardIndex, 1);
    click("btnRemove");
    EXPECT_EQ(rows("lstHazards"), QStringList({"Rat", "Cheatgrass"}));
    EXPECT_EQ(rows("lstHazardKinds"), QStringList({"Vertebrate", "Plant"}));

    // No row is selected after a removal, so a second press does nothing.
    click("btnRemove");
    EXPECT_EQ(rows("lstHazards"), QStringList({"Rat", "Cheatgrass"}));

    // The Delete key on the list removes the selected row too.
    hazards->setCurrentRow(0);
    hazards->setFocus();
    QTest::keyClick(hazards, Qt::Key_Delete);
    EXPECT_EQ(rows("lstHazards"), QStringList({"Cheatgrass"}));
    EXPECT_EQ(rows("lstHazardKinds"), QStringList({"Plant"}));
    EXPECT_EQ(state.plan().PotentialHazards.count(), 0) << "remove does not touch the plan";
}

TEST_F(MainWindowTest, Step2SubmitRebuildsHazardsWithFreshKeys) {
    addHazard("Giant Salvinia", 2);
    addHazard("Giant Salvinia", 2);
    addHazard("Brown tree snake", 0);
    window->selectStep(2);
    click("Command1");

    auto& hazards = state.plan().PotentialHazards;
    ASSERT_EQ(hazards.count(), 3);
    EXPECT_EQ(hazards.key(1), "1");
    EXPECT_EQ(hazards.key(3), "3");
    EXPECT_EQ(hazards.item(3)->Entity, "Brown tree snake");
    EXPECT_EQ(hazards.item(3)->HazType, "Vertebrate");
    EXPECT_EQ(hazards.item(1)->HazType, "Plant");
    EXPECT_TRUE(state.InputsChanged);
    EXPECT_EQ(window->currentStep(), 3);
    EXPECT_EQ(window->statusMessage(),
              "Step 3: Break the activity into tasks and list them in order.");
    EXPECT_EQ(list("lstHazards")->count(), 3) << "the lists stay";

    window->selectStep(2);
    click("Command1");
    ASSERT_EQ(hazards.count(), 3);
    EXPECT_EQ(QStringList({hazards.key(1), hazards.key(2), hazards.key(3)}),
              QStringList({"4", "5", "6"}));

    // An empty list empties the plan's hazards and still moves on.
    for (int i = 0; i < 3; ++i) {
        list("lstHazards")->setCurrentRow(0);
        click("btnRemove");
    }
    window->selectStep(2);
    click("Command1");
    EXPECT_EQ(hazards.count(), 0);
    EXPECT_EQ(window->currentStep(), 3);
}

TEST_F(MainWindowTest, Step2KindsStayEnglishInSpanish) {
    open(true);
    addHazard("Rata", 0);
    addHazard("Salvinia gigante", 2);
    typeUnicode(edit("txtAddHaz"), QStringLiteral("Caracol ñandú"));
    click("btnAddHazard");
    EXPECT_EQ(rows("lstHazardKinds"), QStringList({"Vertebrate", "Plant", "Plant"}));
    EXPECT_EQ(rows("lstHazards").last(), QStringLiteral("Caracol ñandú"));
}

TEST_F(MainWindowTest, Step3NamesCarryTheRowAndNumbersCloseGaps) {
    type("txtTask(1)", "  Drive to the site ");
    type("txtTask(2)", "    ");
    type("txtTask(3)", "Walk the transect");
    type("txtTask(10)", "Wash the boots");
    window->selectStep(3);
    click("btnNext3");

    auto& tasks = state.plan().Tasks;
    ASSERT_EQ(tasks.count(), 3);
    EXPECT_EQ(tasks.item(1)->Name, "Task # 1");
    EXPECT_EQ(tasks.item(1)->Description, "Drive to the site");
    EXPECT_EQ(tasks.item(2)->Name, "Task # 3");
    EXPECT_EQ(tasks.item(2)->Number, 2);
    EXPECT_EQ(tasks.key(2), "2");
    EXPECT_EQ(tasks.item(3)->Name, "Task # 10");
    EXPECT_EQ(tasks.item(3)->Number, 3);
    EXPECT_EQ(tasks.item(3)->CCP_Count(), 0);
    EXPECT_EQ(tasks.item(3)->TSHazards.count(), 0);
    EXPECT_TRUE(state.InputsChanged);
    EXPECT_EQ(window->currentStep(), 4);
    EXPECT_EQ(window->statusMessage(), "Step 4: Analyze the potential hazards.");
}

TEST_F(MainWindowTest, Step3SubmitKeepsEachRowsTaskAndItsAnswers) {
    type("txtTask(1)", "Drive");
    window->selectStep(3);
    click("btnNext3");
    auto old = state.plan().Tasks.item(1);
    old->TSHazards.append(std::make_shared<orvella::model::HACCP_TaskSpecific_Hazard>());

    // New words for the same row: the same task, its answers kept.
    type("txtTask(1)", "Drive slowly");
    window->selectStep(3);
    click("btnNext3");
    ASSERT_EQ(state.plan().Tasks.count(), 1);
    EXPECT_EQ(state.plan().Tasks.item(1), old);
    EXPECT_EQ(old->Description, "Drive slowly");
    EXPECT_EQ(old->TSHazards.count(), 1);

    // All boxes empty: no tasks, still on to step 4.
    type("txtTask(1)", "");
    window->selectStep(3);
    click("btnNext3");
    EXPECT_EQ(state.plan().Tasks.count(), 0);
    EXPECT_EQ(window->currentStep(), 4);
}

TEST_F(MainWindowTest, Step3SpanishNamesHaveTwoBlanks) {
    open(true);
    typeUnicode(edit("txtTask(1)"), QStringLiteral("Llegar al área"));
    type("txtTask(4)", "Lavar las botas");
    window->selectStep(3);
    click("btnNext3");
    auto& tasks = state.plan().Tasks;
    ASSERT_EQ(tasks.count(), 2);
    EXPECT_EQ(tasks.item(1)->Name, "Trabajo  1");
    EXPECT_EQ(tasks.item(1)->Description, QStringLiteral("Llegar al área"));
    EXPECT_EQ(tasks.item(2)->Name, "Trabajo  4");
}

TEST_F(MainWindowTest, Step5ListsWhatThePlanLacksAndTabsMarkCompleteSteps) {
    auto marked = [this] {
        QList<bool> out;
        for (int i = 0; i < tabs()->count(); ++i)
            out << !tabs()->tabIcon(i).isNull();
        return out;
    };
    auto* gaps = label("lstGaps");
    EXPECT_EQ(marked(), QList<bool>({false, false, false, false, false}));
    EXPECT_TRUE(gaps->text().contains("Step 2: No potential hazards are listed."));

    state.CurrentPlan = samples::makeTypicalPlan();
    window->loadPlan();
    EXPECT_EQ(marked(), QList<bool>({true, true, true, true, true}));
    EXPECT_EQ(gaps->text(), "The plan is complete: every step has what the document needs.");

    // The same tasks submitted again change nothing; a task added after the analysis has
    // pairs to answer.
    window->selectStep(3);
    click("btnNext3");
    EXPECT_EQ(marked(), QList<bool>({true, true, true, true, true}));
    window->selectStep(3);
    type("txtTask(9)", "Wash the engines");
    click("btnNext3");
    window->selectStep(5);
    EXPECT_EQ(marked(), QList<bool>({true, true, true, false, false}));
    EXPECT_TRUE(gaps->text().contains("Task # 9 has no answers yet for: Hazard species 1"));
    emit gaps->linkActivated(QStringLiteral("4"));
    EXPECT_EQ(window->currentStep(), 4);
    EXPECT_TRUE(button("cmdDone")->isEnabled());

    open(true);
    EXPECT_TRUE(label("lblGaps")->text().startsWith("Antes de crear"));
}

TEST_F(MainWindowTest, Step2SuggestsUsualHazardsAndPickingSetsNameAndKind) {
    window->selectStep(2);
    QAbstractItemView* popup = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "lstSuggestions")
            popup = qobject_cast<QAbstractItemView*>(w);
    ASSERT_NE(popup, nullptr);
    auto shown = [&] {
        QStringList out;
        for (int row = 0; popup->isVisible() && row < popup->model()->rowCount(); ++row)
            out << popup->model()->index(row, 0).data().toString();
        return out;
    };

    type("txtAddHaz", "dreissena");
    EXPECT_EQ(shown(), QStringList({"Zebra mussel (Dreissena polymorpha)",
                                    "Quagga mussel (Dreissena bugensis)"}));
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(edit("txtAddHaz")->text(), "Zebra mussel (Dreissena polymorpha)");
    EXPECT_TRUE(control<QRadioButton>("optHazType(1)")->isChecked());
    EXPECT_TRUE(rows("lstHazards").isEmpty()) << "picking only fills the box";
    click("btnAddHazard");
    EXPECT_EQ(rows("lstHazardKinds"), QStringList({"Invertebrate"}));

    // Accents and case do not matter; Enter with nothing highlighted adds what was typed.
    type("txtAddHaz", "OHIA");
    EXPECT_EQ(shown(),
              QStringList({QString::fromUtf8("Rapid ʻōhiʻa death (Ceratocystis lukuohia)")}));
    QTest::keyClick(popup, Qt::Key_Return);
    type("txtAddHaz", "Zebra mussle");
    EXPECT_TRUE(shown().isEmpty());
    QTest::keyClick(edit("txtAddHaz"), Qt::Key_Return);
    EXPECT_EQ(rows("lstHazards"),
              QStringList({"Zebra mussel (Dreissena polymorpha)", "OHIA", "Zebra mussle"}));
    EXPECT_EQ(rows("lstHazardKinds"),
              QStringList({"Invertebrate", "Invertebrate", "Invertebrate"}));
}

TEST_F(MainWindowTest, Step2InSpanishSuggestsAndWritesSpanishNamesWhileEnglishOnesStillMatch) {
    open(true);
    window->selectStep(2);
    QAbstractItemView* popup = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "lstSuggestions")
            popup = qobject_cast<QAbstractItemView*>(w);
    ASSERT_NE(popup, nullptr);
    auto shown = [&] {
        QStringList out;
        for (int row = 0; popup->isVisible() && row < popup->model()->rowCount(); ++row)
            out << popup->model()->index(row, 0).data().toString();
        return out;
    };
    const QString zebra = QString::fromUtf8("Mejillón cebra (Dreissena polymorpha)");
    type("txtAddHaz", "MEJILLON CEB");
    EXPECT_EQ(shown(), QStringList({zebra}));
    // QTest types ASCII only: the accented letter comes as the key event a keyboard sends.
    type("txtAddHaz", "mejill");
    QKeyEvent accent(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("ó"));
    QApplication::sendEvent(edit("txtAddHaz"), &accent);
    QTest::keyClicks(edit("txtAddHaz"), "n q");
    EXPECT_EQ(shown(), QStringList({QString::fromUtf8("Mejillón quagga (Dreissena bugensis)")}));
    type("txtAddHaz", "zebra mus");
    EXPECT_EQ(shown(), QStringList({zebra})) << "English names keep matching";
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_EQ(edit("txtAddHaz")->text(), zebra);
    click("btnAddHazard");
    EXPECT_EQ(rows("lstHazards"), QStringList({zebra}));
    // No established Spanish name: the English one is offered.
    type("txtAddHaz", "mudsnail");
    EXPECT_EQ(shown(), QStringList({"New Zealand mudsnail (Potamopyrgus antipodarum)"}));
}
