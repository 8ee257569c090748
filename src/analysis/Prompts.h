#pragma once
#include <QString>
#include <QStringList>

namespace orvella::analysis {

// Every question the program asks the user goes through this interface: message boxes and
// the file dialogs. The program shows Qt dialogs; tests queue answers and read back what
// was asked.
class Prompts {
public:
    enum class Icon { None, Critical, Information, Warning };
    enum class Buttons { Ok, YesNo };

    // Answers as the classic message box did: 1 for OK, 6 for Yes, 7 for No. The yes/no
    // question boxes of the analysis answer the same codes.
    static constexpr int AnswerOk = 1;
    static constexpr int AnswerYes = 6;
    static constexpr int AnswerNo = 7;

    virtual ~Prompts() = default;

    // An empty title means the program's name, Orvella.
    virtual int message(const QString& text, const QString& title = {}, Icon icon = Icon::None,
                        Buttons buttons = Buttons::Ok) = 0;

    // A question answered with buttons of its own (the first is the default). Answers the
    // index of the button chosen; closing the box or Escape answers `escapeIndex`.
    virtual int choose(const QString& text, const QString& title, const QStringList& buttons,
                       int escapeIndex) = 0;

    struct FileRequest {
        QString title;         // dialog title; empty for the platform's own
        QString initialPath;   // folder or full file name to start from
        QString filter;        // Qt filter text, e.g. "Text Files (*.xml)"
        QString defaultSuffix; // added when the user types a name without one
    };
    // Answer the chosen file's full path, or empty text when the user cancelled.
    virtual QString openFileName(const FileRequest& request) = 0;
    virtual QString saveFileName(const FileRequest& request) = 0;
};

} // namespace orvella::analysis
