#pragma once
#include <QList>
#include <QString>
#include <QUrl>

namespace orvella::help {

// Makes the resources of the shell (the user guide and the program icon) available. Static
// libraries drop resources nobody refers to, so everyone who needs them calls this first.
void initHelpResources();

// The program icon, 256 px, from the shell's resources.
QString programIconPath();

// The user guide: HTML pages per language under one root folder (the resources in the
// program, a plain folder in tests). Each language folder lists its pages, in reading order,
// in contents.txt; a page's title is its <title>.
class HelpGuide {
public:
    struct Page {
        QString file;  // e.g. "step4.html"
        QString title; // from the page's <title>
        QString text;  // plain text, for searching
    };
    struct Hit {
        int page = -1;   // index into pages()
        int matches = 0; // occurrences of all words together
        QString snippet; // a line of text around the first match
    };

    static QString defaultRoot() { return QStringLiteral(":/help"); }

    explicit HelpGuide(QString root = defaultRoot());

    // Language folder: "en" or "es".
    bool isAvailable(const QString& language) const;
    QList<Page> pages(const QString& language) const;
    QUrl pageUrl(const QString& language, const QString& file) const;

    // Pages holding every word of the query, best first; case and accents do not matter
    // ("analisis" finds "Análisis").
    QList<Hit> search(const QString& language, const QString& query) const;

    // Lower case without accents, one character for one, so positions stay valid.
    static QString fold(const QString& text);
    static QStringList queryWords(const QString& query);

private:
    QString languageDir(const QString& language) const;
    QString m_root;
    mutable QString m_cachedLanguage;
    mutable QList<Page> m_cachedPages;
};

} // namespace orvella::help
