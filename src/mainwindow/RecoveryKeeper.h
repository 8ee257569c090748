#pragma once
#include "analysis/Prompts.h"
#include <QByteArray>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class QTimer;

namespace orvella::mainwindow {

class FileCommands;
class frmMain;

// Keeps a copy of an unsaved plan where a crash, a killed process or a flat battery cannot
// take it: in the plan-file format, in a folder of its own, written atomically. Each running
// instance writes only its own copy, named by its instance id and guarded by a lock file
// that dies with the process; a copy whose lock is gone belongs to an instance that ended
// without saving, and is offered at the next start.
class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    static constexpr int IdleIntervalMs = 30 * 1000;

    RecoveryKeeper(frmMain& window, analysis::Prompts& prompts, const QString& folder,
                   qint64 instanceId);
    // Ending normally leaves no copy behind.
    ~RecoveryKeeper() override;

    // The folder production uses: the user's application-data folder.
    static QString defaultFolder();

    // Offers every copy left by an instance that is no longer running, newest first, until
    // one is recovered: Yes opens it as an unsaved plan, No deletes it. A copy that cannot
    // be read is reported in one line and deleted.
    void offerRecovery();

    // Writes the copy when the plan has unsaved changes and removes it otherwise; the idle
    // timer and every answer of the analysis call it.
    void keepNow();

    QString copyPath() const { return m_copyPath; }

private:
    void discard();
    // False when the copy could not be read (it has then been deleted).
    enum class Offer { Recovered, Declined, Unreadable };
    Offer offer(const QString& copy);

    frmMain& m_window;
    FileCommands& m_files;
    analysis::Prompts& m_prompts;
    QString m_folder;
    QString m_copyPath;
    QString m_originPath;
    std::unique_ptr<QLockFile> m_lock;
    QByteArray m_written; // what the copy on disk holds; empty when there is none
    QTimer* m_timer = nullptr;
};

} // namespace orvella::mainwindow
