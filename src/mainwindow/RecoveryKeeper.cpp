#include "mainwindow/RecoveryKeeper.h"
#include "mainwindow/FileCommands.h"
#include "mainwindow/frmMain.h"
#include "planfile/PlanReader.h"
#include "planfile/PlanWriter.h"
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>

namespace orvella::mainwindow {

namespace {

const QString Prefix = QStringLiteral("plan-");

QString recoveryText(const char* text) {
    return QCoreApplication::translate("Recovery", text);
}

QString sibling(const QString& copy, const char* suffix) {
    QString path = copy;
    path.chop(4); // ".xml"
    return path + QLatin1String(suffix);
}

bool writeAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void removeCopy(const QString& copy) {
    QFile::remove(copy);
    QFile::remove(sibling(copy, ".origin"));
}

} // namespace

QString RecoveryKeeper::defaultFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("recovery"));
}

RecoveryKeeper::RecoveryKeeper(frmMain& window, analysis::Prompts& prompts, const QString& folder,
                               qint64 instanceId)
    : QObject(&window), m_window(window), m_files(window.fileCommands()), m_prompts(prompts),
      m_folder(folder) {
    setObjectName(QStringLiteral("RecoveryKeeper"));
    QDir().mkpath(m_folder);
    // A lock left by an earlier process that had this same id (after a restart) still names
    // a running process, us: take the next free name instead.
    for (int n = 0; n < 100 && !m_lock; ++n) {
        const QString base =
            Prefix + QString::number(instanceId) + (n ? QStringLiteral("-%1").arg(n) : QString());
        auto lock = std::make_unique<QLockFile>(QDir(m_folder).filePath(base + ".lock"));
        lock->setStaleLockTime(0); // stale only when its process is gone, never by age
        if (lock->tryLock(0)) {
            m_lock = std::move(lock);
            m_copyPath = QDir(m_folder).filePath(base + ".xml");
            m_originPath = sibling(m_copyPath, ".origin");
        }
    }

    m_timer = new QTimer(this);
    m_timer->setInterval(IdleIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &RecoveryKeeper::keepNow);
    m_timer->start();
    connect(&m_window, &frmMain::analysisAnswered, this, &RecoveryKeeper::keepNow);
    connect(&m_files, &FileCommands::changesSettled, this, &RecoveryKeeper::discard);
}

RecoveryKeeper::~RecoveryKeeper() {
    discard();
}

void RecoveryKeeper::keepNow() {
    if (!m_lock)
        return; // no copy of our own could be claimed
    if (!m_files.hasUnsavedChanges()) {
        discard();
        return;
    }
    const QByteArray bytes = planfile::writePlan(m_window.draftPlan());
    if (bytes == m_written)
        return;
    // The copy last, so a copy on disk always has its origin beside it. A failed write is
    // tried again at the next occasion; it is no reason to interrupt the user.
    if (writeAtomically(m_originPath, m_window.state().CurrentFileName.toUtf8()) &&
        writeAtomically(m_copyPath, bytes))
        m_written = bytes;
}

void RecoveryKeeper::discard() {
    if (!m_lock)
        return;
    removeCopy(m_copyPath);
    m_written.clear();
}

void RecoveryKeeper::offerRecovery() {
    const QFileInfoList copies =
        QDir(m_folder).entryInfoList({Prefix + QStringLiteral("*.xml")}, QDir::Files, QDir::Time);
    for (const QFileInfo& info : copies) {
        const QString copy = info.absoluteFilePath();
        if (copy == QFileInfo(m_copyPath).absoluteFilePath())
            continue;
        QLockFile owner(sibling(copy, ".lock"));
        owner.setStaleLockTime(0);
        if (!owner.tryLock(0))
            continue; // another instance is running and keeps it
        const Offer answer = offer(copy);
        removeCopy(copy);
        if (answer == Offer::Recovered) {
            keepNow(); // it is this instance's unsaved plan now
            break;
        }
    }
}

RecoveryKeeper::Offer RecoveryKeeper::offer(const QString& copy) {
    QFile file(copy);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (file.error() != QFileDevice::NoError || !planfile::readPlan(bytes.left(4096)).isPlan) {
        m_prompts.message(
            recoveryText("A recovery copy of an unsaved plan could not be read and has "
                         "been deleted: %1")
                .arg(QDir::toNativeSeparators(copy)),
            QString(), analysis::Prompts::Icon::Critical);
        return Offer::Unreadable;
    }
    QFile origin(sibling(copy, ".origin"));
    const QString originalPath =
        origin.open(QIODevice::ReadOnly) ? QString::fromUtf8(origin.readAll()) : QString();
    const QString name =
        originalPath.isEmpty() ? recoveryText("the new plan") : QFileInfo(originalPath).fileName();
    const QString when = QLocale().toString(QFileInfo(copy).lastModified(), QLocale::ShortFormat);
    const int answer = m_prompts.message(
        recoveryText("Orvella was closed without saving %1 (%2). Recover the unsaved plan?")
            .arg(name, when),
        QString(), analysis::Prompts::Icon::None, analysis::Prompts::Buttons::YesNo);
    if (answer != analysis::Prompts::AnswerYes)
        return Offer::Declined;
    return m_files.openRecovered(bytes, originalPath) ? Offer::Recovered : Offer::Unreadable;
}

} // namespace orvella::mainwindow
