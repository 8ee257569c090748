#pragma once
#include "analysis/Prompts.h"
#include <QList>
#include <QQueue>
#include <QString>

// A Prompts that answers from queues and records every question, so a test can run a
// command that asks things and check what it asked. An empty queue answers OK / Yes for
// message boxes and "cancel" for file dialogs.
class ScriptedPrompts : public orvella::analysis::Prompts {
public:
    struct Asked {
        QString text;
        QString title;
        Icon icon;
        Buttons buttons;
        QStringList choices; // the buttons of a choose() question
    };

    QQueue<int> answers;
    QQueue<QString> fileNames;
    QList<Asked> asked;
    QList<FileRequest> fileRequests;

    int message(const QString& text, const QString& title, Icon icon, Buttons buttons) override {
        asked.append({text, title, icon, buttons, {}});
        if (!answers.isEmpty())
            return answers.dequeue();
        return buttons == Buttons::YesNo ? AnswerYes : AnswerOk;
    }
    // An empty queue picks the first button.
    int choose(const QString& text, const QString& title, const QStringList& buttons,
               int) override {
        asked.append({text, title, Icon::None, Buttons::Ok, buttons});
        return answers.isEmpty() ? 0 : answers.dequeue();
    }
    QString openFileName(const FileRequest& request) override {
        fileRequests.append(request);
        return fileNames.isEmpty() ? QString() : fileNames.dequeue();
    }
    QString saveFileName(const FileRequest& request) override {
        fileRequests.append(request);
        return fileNames.isEmpty() ? QString() : fileNames.dequeue();
    }

    QStringList texts() const {
        QStringList out;
        for (const auto& a : asked)
            out << a.text;
        return out;
    }
};
