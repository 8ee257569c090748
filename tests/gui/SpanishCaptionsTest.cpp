// The Spanish captions of the step pages, and what stays English.
#include "mainwindow/SpanishCaptions.h"
#include "Catalogue.h"
#include "MainWindowFixture.h"
#include <QAbstractButton>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>

namespace {
QString textOf(QWidget* w) {
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    if (auto* g = qobject_cast<QGroupBox*>(w))
        return g->title();
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    return {};
}

// Every caption on the window, by control name.
QMap<QString, QString> captions(QWidget* window) {
    QMap<QString, QString> out;
    for (auto* w : window->findChildren<QWidget*>())
        if (!w->objectName().isEmpty())
            out[w->objectName()] = textOf(w);
    return out;
}
} // namespace

TEST_F(MainWindowTest, SpanishCaptionsReplaceThePageTexts) {
    const auto english = captions(window.get());
    orvella::mainwindow::ApplySpanishCaptions(window.get());
    const auto spanish = captions(window.get());

    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(tabs()->tabText(i), QStringLiteral("Paso %1").arg(i + 1));
    for (auto name : {"cmdNext", "Command1", "btnNext3"})
        EXPECT_EQ(spanish[name], "Paso Siguiente") << name;
    EXPECT_EQ(spanish["Label26"], QStringLiteral("Primero, nombre un riesgo\u2026"));
    EXPECT_EQ(spanish["Label8"], "Acitividad");
    EXPECT_EQ(spanish["Label24"], "Lista del Riegos");
    EXPECT_EQ(spanish["optHazType(3)"], QStringLiteral("Otros Organismos Biológicos"));
    EXPECT_EQ(spanish["Label19"], "Tarea 10");
    EXPECT_EQ(spanish["cmdEvalTasks"], QStringLiteral("Comenzar Análisis de Riegos"));
    EXPECT_EQ(spanish["cmdSkip"], "Salto al Paso Siguiente");
    EXPECT_EQ(spanish["cmdDone"], "Crear Plan HACCP como un Documento MS Word. ");
    EXPECT_TRUE(spanish["Label9"].startsWith(QStringLiteral("Descripción de la Actividad:")));
    EXPECT_TRUE(spanish["Label22"].endsWith("para continuar."));

    // What the table does not name keeps its English text.
    for (auto name :
         {"Label1", "lblStatus", "Label23", "txtTitle", "Frame1(0)", "Frame1(2)", "Frame1(4)"})
        EXPECT_EQ(spanish[name], english[name]) << name;
    EXPECT_EQ(spanish["txtTitle"], "HACCP Plan");
    EXPECT_EQ(tabs()->tabToolTip(0), "Activity Descritpion");
    EXPECT_EQ(window->findChild<QMenu*>("mnuEdit")->title(), "&Edit");
    EXPECT_EQ(window->findChild<QAction*>("mnuFileSaveAs")->text(), "Save &As...");

    // Every label and button of the step pages except those has a Spanish text.
    int changed = 0;
    for (auto it = english.begin(); it != english.end(); ++it)
        changed += spanish[it.key()] != it.value() ? 1 : 0;
    EXPECT_EQ(changed, 46);

    // Status messages stay English.
    window->NextStep();
    EXPECT_EQ(window->statusMessage(), "Step 2: Identify any potential hazards.");
}

TEST_F(MainWindowTest, EnglishWindowKeepsItsDesignTexts) {
    const auto english = captions(window.get());
    EXPECT_EQ(english["cmdNext"], "Submit && Continue");
    EXPECT_EQ(english["Label4"], "Site Manager ");
    EXPECT_EQ(english["Label28"], "Third, click this button to add the hazard to the list... ");
    EXPECT_EQ(english["Label11"], "Task 2");
    EXPECT_EQ(english["cmdDone"], "Create HACCP Plan as an MS Word Document");

    // The catalogue knows each Spanish caption by the English caption of the control it names.
    int named = 0;
    for (const auto& m : testsupport::readCatalogue()) {
        if (m.context != "SpanishCaptions" || m.comment == "TabStrip")
            continue;
        EXPECT_EQ(m.source, english.value(m.comment)) << m.comment.toStdString();
        ++named;
    }
    EXPECT_EQ(named, 46);
}
