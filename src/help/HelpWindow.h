#pragma once
#include "help/HelpGuide.h"
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QToolButton;

namespace orvella::help {

// The user guide's own window: contents and search on the left, the page on the right.
// Searching is find-as-you-type over every page of the guide; the words found are
// highlighted in the page shown.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(const HelpGuide& guide, const QString& language, QWidget* parent = nullptr);

    void showContents();
    void showSearch();
    void setLanguage(const QString& language);
    QString language() const { return m_language; }
    void openPage(const QString& file);
    QString currentPage() const;
    void setQuery(const QString& query);

private:
    void retranslate();
    void fillContents();
    void runSearch();
    void openResult(int row);
    void highlightQuery();
    void syncContentsSelection();
    void raiseWindow();

    const HelpGuide& m_guide;
    QString m_language;
    QList<HelpGuide::Page> m_pages;
    QList<HelpGuide::Hit> m_hits;
    QUrl m_currentUrl;

    QTabWidget* m_tabs = nullptr;
    QListWidget* m_contents = nullptr;
    QLineEdit* m_search = nullptr;
    QLabel* m_resultCount = nullptr;
    QListWidget* m_results = nullptr;
    QTextBrowser* m_browser = nullptr;
    QToolButton* m_back = nullptr;
    QToolButton* m_forward = nullptr;
    QToolButton* m_home = nullptr;
    QComboBox* m_languageBox = nullptr;
    QLabel* m_languageLabel = nullptr;
};

} // namespace orvella::help
