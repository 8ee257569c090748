#include "mainwindow/StringTable.h"
#include <QAbstractButton>
#include <QAction>
#include <QFont>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QWidget>
#include <cmath>

namespace orvella::mainwindow {

namespace {

const QHash<int, QString>& table() {
    static const QHash<int, QString> entries = {
        {1000, QStringLiteral("&File")},
        {1001, QStringLiteral("&New")},
        {1002, QStringLiteral("&Open...")},
        {1003, QStringLiteral("&Close")},
        {1004, QStringLiteral("&Save")},
        {1005, QStringLiteral("Save &As...")},
        {1007, QStringLiteral("E&xit")},
        {1008, QStringLiteral("&Edit")},
        {1009, QStringLiteral("&Undo")},
        {1010, QStringLiteral("Cu&t")},
        {1011, QStringLiteral("&Copy")},
        {1012, QStringLiteral("&Paste")},
        {1013, QStringLiteral("&Help")},
        {1014, QStringLiteral("&Contents")},
        {1015, QStringLiteral("&Search For Help On...")},
        {1016, QStringLiteral("&About ")},
        {1017, QStringLiteral("New")},
        {1018, QStringLiteral("Open")},
        {1019, QStringLiteral("Save")},
        {1021, QStringLiteral("Cut")},
        {1022, QStringLiteral("Copy")},
        {1023, QStringLiteral("Paste")},
        // Splash and about box.
        {1030, QStringLiteral("Orvella")},
        {1031, QStringLiteral("HACCP planning for field activities")},
        {1032, QStringLiteral("Orvella leads you step by step through a Hazard Analysis and "
                              "Critical Control Point plan for a field activity that can carry "
                              "unwanted species from one place to another.")},
        {1033, QStringLiteral("Keep unwanted species where they belong.")},
        {1034, QStringLiteral("Warning: Orvella is provided as is, without warranty of any "
                              "kind. Review every plan it writes before you put it to use.")},
        {1035, QStringLiteral("Design and programming: the Orvella team")},
        {1036, QStringLiteral("Plan forms follow the HACCP approach to preventing the spread "
                              "of invasive species.")},
        {1037, QStringLiteral("Icons: the desktop theme, or Orvella's own drawings")},
        {1038, QStringLiteral("Questions and suggestions: ask the person who gave you Orvella.")},
        {1039, QStringLiteral("Choose the language of this session to begin.")},
        {1040, QStringLiteral("Loading...")},
        {1041, QStringLiteral("MS Word Status:")},
        {1042, QStringLiteral("Copyright \u00A9 2026 the Orvella authors")},
        {1043, QStringLiteral("Free to copy and share within your agency.")},
        {1044, QStringLiteral("Version")},
        // Status-bar messages of the five steps.
        {1045, QStringLiteral("Step 1: Describe the project or activity.")},
        {1046, QStringLiteral("Step 2: Identify any potential hazards.")},
        {1047, QStringLiteral("Step 3: Break the activity into tasks and list them in order.")},
        {1048, QStringLiteral("Step 4: Analyze the potential hazards.")},
        {1049, QStringLiteral("Step 5: Create HACCP form.")},
    };
    return entries;
}

// A whole text read as an id (surrounding blanks allowed, fractions rounded half to even).
std::optional<int> wholeNumber(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > 32767.5)
        return std::nullopt;
    return int(std::nearbyint(value));
}

// The number a text begins with, rounded to the nearest integer; 0 when it begins with none.
int leadingNumber(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)"));
    const auto match = number.match(text);
    if (!match.hasMatch())
        return 0;
    const double value = match.captured(0).trimmed().toDouble();
    if (!std::isfinite(value) || std::fabs(value) > 1e9)
        return 0;
    return int(std::nearbyint(value));
}

std::optional<QString> lookupText(const QString& idText) {
    if (auto id = wholeNumber(idText))
        return lookupString(*id);
    return std::nullopt;
}

void applyToTabs(QTabWidget* tabs) {
    for (int i = 0; i < tabs->count(); ++i) {
        if (auto text = lookupText(tabs->tabBar()->tabData(i).toString()))
            tabs->setTabText(i, *text);
        if (auto tip = lookupText(tabs->tabToolTip(i)))
            tabs->setTabToolTip(i, *tip);
    }
}

void applyToOther(QWidget* widget) {
    if (int id = leadingNumber(widget->property(TagProperty).toString()); id > 0) {
        if (auto text = lookupString(id)) {
            if (auto* button = qobject_cast<QAbstractButton*>(widget))
                button->setText(*text);
            else if (auto* group = qobject_cast<QGroupBox*>(widget))
                group->setTitle(*text);
        }
    }
    if (int id = leadingNumber(widget->toolTip()); id > 0) {
        if (auto tip = lookupString(id))
            widget->setToolTip(*tip);
    }
}

} // namespace

std::optional<QString> lookupString(int id) {
    const auto& entries = table();
    auto it = entries.constFind(id);
    if (it == entries.constEnd())
        return std::nullopt;
    return *it;
}

void ApplyStringTable(QWidget* window) {
    if (!window)
        return;
    if (auto title = lookupText(window->property(TagProperty).toString()))
        window->setWindowTitle(*title);

    // The font name and size live under 20 and 21; without them the design font stays.
    auto fontName = lookupString(20);
    auto fontSize = lookupString(21);
    if (fontName || fontSize) {
        QFont font = window->font();
        if (fontName)
            font.setFamily(*fontName);
        if (fontSize)
            if (auto size = wholeNumber(*fontSize); size && *size > 0)
                font.setPointSize(*size);
        window->setFont(font);
    }

    for (QObject* object : window->findChildren<QObject*>()) {
        if (auto* menu = qobject_cast<QMenu*>(object)) {
            if (auto text = lookupText(menu->title()))
                menu->setTitle(*text);
        } else if (auto* action = qobject_cast<QAction*>(object)) {
            if (action->isSeparator())
                continue;
            if (auto text = lookupText(action->text()))
                action->setText(*text);
        } else if (auto* label = qobject_cast<QLabel*>(object)) {
            if (auto text = lookupText(label->property(TagProperty).toString()))
                label->setText(*text);
        } else if (auto* tabs = qobject_cast<QTabWidget*>(object)) {
            applyToTabs(tabs);
        } else if (auto* toolbar = qobject_cast<QToolBar*>(object)) {
            for (QAction* button : toolbar->actions())
                if (auto tip = lookupText(button->toolTip()))
                    button->setToolTip(*tip);
        } else if (auto* widget = qobject_cast<QWidget*>(object)) {
            applyToOther(widget);
        }
    }
}

} // namespace orvella::mainwindow
