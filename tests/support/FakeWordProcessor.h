#pragma once
#include "platform/WordProcessor.h"
#include <QStringList>

// A word processor that is installed or not as the test says, and records what it was
// asked to open.
class FakeWordProcessor : public orvella::platform::WordProcessor {
public:
    explicit FakeWordProcessor(QString application = QStringLiteral("fake-writer.desktop"))
        : application(std::move(application)) {}

    QString application; // empty: no word processor
    int queries = 0;
    QStringList opened;
    bool openSucceeds = true;

    QString defaultApplication() override {
        ++queries;
        return application;
    }
    bool open(const QString& path) override {
        opened << path;
        return openSucceeds;
    }
};
