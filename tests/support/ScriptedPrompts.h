#pragma once
#include "model/Prompts.h"
#include <QList>
#include <QQueue>
#include <QString>

// A Prompts that answers from queues and records every question, so a test can run a
// command that asks things and check what it asked. An empty queue answers OK / Yes for
// message boxes and "cancel" for file dialogs.
class ScriptedPrompts : public orvella::model::Prompts {
public:
    struct Asked {
        QString text;
        QString title;
        Icon icon;
        Buttons buttons;
    };

    QQueue<int> answers;
    QQueue<QString> fileNames;
    QList<Asked> asked;
    QList<FileRequest> fileRequests;

    int message(const QString& text, const QString& title, Icon icon, Buttons buttons) override {
        asked.append({text, title, icon, buttons});
        if (!answers.isEmpty())
            return answers.dequeue();
        return buttons == Buttons::YesNo ? AnswerYes : AnswerOk;
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
