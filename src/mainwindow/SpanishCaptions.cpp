#include "mainwindow/SpanishCaptions.h"
#include "model/Language.h"
#include <QAbstractButton>
#include <QLabel>
#include <QTabWidget>

namespace orvella::mainwindow {

namespace {
// The controls that get a Spanish caption: each one's English design caption, with its
// objectName as the disambiguation under which the catalogue keeps the Spanish.
struct Caption {
    const char* english;
    const char* control;
};

const Caption Captions[] = {
    QT_TRANSLATE_NOOP3("SpanishCaptions", "Facility (example: Corvane Nature Reserve)", "Label2"),
    QT_TRANSLATE_NOOP3("SpanishCaptions", "Project Coordinator (example: Morgan Tessel)", "Label3"),
    QT_TRANSLATE_NOOP3("SpanishCaptions", "Site Manager ", "Label4"),
    QT_TRANSLATE_NOOP3("SpanishCaptions", "Site (example: Refuge Wide, All Habitats)", "Label5"),
    QT_TRANSLATE_NOOP3("SpanishCaptions", "Address (example: 4120 Reserve Road)", "Label6"),
    QT_TRANSLATE_NOOP3("SpanishCaptions", "Phone (example: 555 010-2000)", "Label7"),
    QT_TRANSLATE_NOOP3("SpanishCaptions", "Activity (example: Fire Management Operations)",
                       "Label8"),
    QT_TRANSLATE_NOOP3(
        "SpanishCaptions",
        "Activity Description: The project description should be a narrative "
        "description that includes such information as who, what, when, where, how, and why. "
        "The description should offer a historical, working reference to facilitate "
        "communication with the facility staff and other resource management agency "
        "personnel. (Please describe the project concisely and completely)",
        "Label9"),
    QT_TRANSLATE_NOOP3("SpanishCaptions", "City, State and Zip Code (example: Ashvale, TX 79999)",
                       "Label21"),
    QT_TRANSLATE_NOOP3("SpanishCaptions",
                       "When you have entered the above information, you may move on to the "
                       "next step.",
                       "lblWhen"),
    QT_TRANSLATE_NOOP3("SpanishCaptions", "Submit && Continue", "cmdNext"),
    QT_TRANSLATE_NOOP3(
        "SpanishCaptions",
        "As the second step you will need to list any potential hazards that "
        "may be associated with your activities.  Hazards are species that may be moved or "
        "introduced, causing ecological damage and furthering the spread of unwanted species "
        "to new habitats. They may include vertebrates, invertebrates, plants, or other "
        "biologics (e.g., diseases, pathogens, and parasites).",
        "lblStep2"),
    QT_TRANSLATE_NOOP3("SpanishCaptions", "Add Hazards to list one at a time", "lblVerts"),
    QT_TRANSLATE_NOOP3("SpanishCaptions", "List of Potential Hazards", "Label24"),
    QT_TRANSLATE_NOOP3("SpanishCaptions", "First, name a hazard (e.g. Giant Salvinia)...",
                       "Label26"),
    QT_TRANSLATE_NOOP3("SpanishCaptions", "Second, indicate what kind of hazard it is...",
                       "Label27"),
    QT_TRANSLATE_NOOP3("SpanishCaptions", "Vertebrate Hazard", "optHazType(0)"),
    QT_TRANSLATE_NOOP3("SpanishCaptions", "Invertebrate Hazard", "optHazType(1)"),
    QT_TRANSLATE_NOOP3("SpanishCaptions", "Plant Hazard", "optHazType(2)"),
    QT_TRANSLATE_NOOP3("SpanishCaptions", "Other Biological Hazard", "optHazType(3)"),
    QT_TRANSLATE_NOOP3("SpanishCaptions", "Other Hazard", "optHazType(4)"),
    QT_TRANSLATE_NOOP3("SpanishCaptions",
                       "Third, click this button to add the hazard to the list... ", "Label28"),
    QT_TRANSLATE_NOOP3("SpanishCaptions", "Add to List", "btnAddHazard"),
    QT_TRANSLATE_NOOP3("SpanishCaptions",
                       "Repeat for all possible hazards encountered during your activity.",
                       "Label29"),
    QT_TRANSLATE_NOOP3("SpanishCaptions", "Remove From List", "btnRemove"),
    QT_TRANSLATE_NOOP3("SpanishCaptions",
                       "Once you have added all of the potential hazards to the list, you are "
                       "ready to move on to Step 4",
                       "Label30"),
    QT_TRANSLATE_NOOP3("SpanishCaptions", "Submit && Continue", "Command1"),
    QT_TRANSLATE_NOOP3(
        "SpanishCaptions",
        "The third step is to provide a chronologically ordered list of tasks "
        "required to accomplish the activity you described in Step 1. This step provides "
        "essential information required to complete the remaining steps of the plan. Only a "
        "simple description of each task is needed. ",
        "lblStep3"),
    QT_TRANSLATE_NOOP3("SpanishCaptions", "Task 1", "lblTask1"),
    QT_TRANSLATE_NOOP3("SpanishCaptions", "Task 2", "Label11"),
    QT_TRANSLATE_NOOP3("SpanishCaptions", "Task 3", "Label12"),
    QT_TRANSLATE_NOOP3("SpanishCaptions", "Task 4", "Label13"),
    QT_TRANSLATE_NOOP3("SpanishCaptions", "Task 5", "Label14"),
    QT_TRANSLATE_NOOP3("SpanishCaptions", "Task 6", "Label15"),
    QT_TRANSLATE_NOOP3("SpanishCaptions", "Task 7", "Label16"),
    QT_TRANSLATE_NOOP3("SpanishCaptions", "Task 8", "Label17"),
    QT_TRANSLATE_NOOP3("SpanishCaptions", "Task 9", "Label18"),
    QT_TRANSLATE_NOOP3("SpanishCaptions", "Task 10", "Label19"),
    QT_TRANSLATE_NOOP3(
        "SpanishCaptions",
        "Note: If you have more than ten tasks, then you should re-evaluate "
        "your activity.  It is likely too complex for a single HACCP plan.  Try breaking "
        "your activity up into sub-activities.  Each sub-activity will require its own HACCP "
        "plan.",
        "Label20"),
    QT_TRANSLATE_NOOP3("SpanishCaptions", "Submit && Continue", "btnNext3"),
    QT_TRANSLATE_NOOP3("SpanishCaptions", "Now is a good time to save what you have done so far. ",
                       "Label25"),
    QT_TRANSLATE_NOOP3(
        "SpanishCaptions",
        "You are now ready to evaluate the tasks that you listed in the "
        "previous step.  After you click the button below, you will be asked a series of "
        "questions that will determine if your tasks contain any critical control points.  "
        "If you quit the application before completing all of the questions, you will have "
        "to start again from the beginning, unless you have saved your progress.  If you "
        "have saved your progress, you will be able to start over later from this point.  Be "
        "sure to save now and then click the button below to continue.",
        "Label22"),
    QT_TRANSLATE_NOOP3("SpanishCaptions", "Start Hazard Analysis", "cmdEvalTasks"),
    QT_TRANSLATE_NOOP3("SpanishCaptions", "Skip to Next Step", "cmdSkip"),
    QT_TRANSLATE_NOOP3("SpanishCaptions",
                       "Please provide a simple title for the HACCP plan (e.g., Fire "
                       "Management Operations HACCP Plan)",
                       "lblTitle"),
    QT_TRANSLATE_NOOP3("SpanishCaptions", "Create HACCP Plan as an MS Word Document", "cmdDone"),
};

const Caption TabCaption = QT_TRANSLATE_NOOP3("SpanishCaptions", "Step %1", "TabStrip");
} // namespace

// The window is Spanish whatever the run's catalogue: its captions come from the Spanish
// catalogue directly.
void ApplySpanishCaptions(QWidget* window) {
    if (!window)
        return;
    const auto spanish = [](const Caption& c) {
        return model::spanishText("SpanishCaptions", c.english, c.control);
    };
    if (auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("TabStrip")))
        for (int i = 0; i < tabs->count(); ++i)
            tabs->setTabText(i, spanish(TabCaption).arg(i + 1));
    for (const Caption& caption : Captions) {
        QObject* control = window->findChild<QObject*>(QLatin1String(caption.control));
        if (auto* label = qobject_cast<QLabel*>(control))
            label->setText(spanish(caption));
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            button->setText(spanish(caption));
    }
}

} // namespace orvella::mainwindow
