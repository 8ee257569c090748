#include "help/HelpGuide.h"
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextDocument>
#include <algorithm>

// Q_INIT_RESOURCE declares a function of its own and so must stand outside any namespace.
static void initShellResources() {
    Q_INIT_RESOURCE(help);
}

namespace orvella::help {

void initHelpResources() {
    static const bool done = (initShellResources(), true);
    (void)done;
}

QString programIconPath() {
    initHelpResources();
    return QStringLiteral(":/orvella/orvella.png");
}

HelpGuide::HelpGuide(QString root) : m_root(std::move(root)) {
    if (m_root.startsWith(QLatin1Char(':')))
        initHelpResources();
}

QString HelpGuide::languageDir(const QString& language) const {
    return m_root + QLatin1Char('/') + language;
}

bool HelpGuide::isAvailable(const QString& language) const {
    return !pages(language).isEmpty();
}

QList<HelpGuide::Page> HelpGuide::pages(const QString& language) const {
    if (language == m_cachedLanguage && !m_cachedPages.isEmpty())
        return m_cachedPages;
    QList<Page> out;
    QFile list(languageDir(language) + QStringLiteral("/contents.txt"));
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text))
        return out;
    const QStringList files = QString::fromUtf8(list.readAll()).split(QLatin1Char('\n'));
    for (QString file : files) {
        file = file.trimmed();
        if (file.isEmpty() || file.startsWith(QLatin1Char('#')))
            continue;
        QFile f(languageDir(language) + QLatin1Char('/') + file);
        if (!f.open(QIODevice::ReadOnly))
            continue; // a listed page that is missing is left out rather than shown blank
        QTextDocument doc;
        doc.setHtml(QString::fromUtf8(f.readAll()));
        Page page;
        page.file = file;
        page.title = doc.metaInformation(QTextDocument::DocumentTitle);
        if (page.title.isEmpty())
            page.title = QFileInfo(file).completeBaseName();
        page.text = doc.toPlainText();
        out.append(page);
    }
    m_cachedLanguage = language;
    m_cachedPages = out;
    return out;
}

QUrl HelpGuide::pageUrl(const QString& language, const QString& file) const {
    const QString path = languageDir(language) + QLatin1Char('/') + file;
    if (path.startsWith(QLatin1Char(':')))
        return QUrl(QStringLiteral("qrc") + path);
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
}

QString HelpGuide::fold(const QString& text) {
    QString out = text;
    for (qsizetype i = 0; i < out.size(); ++i) {
        QChar c = out.at(i);
        if (c.decompositionTag() == QChar::Canonical) {
            const QString d = c.decomposition();
            if (!d.isEmpty() && !d.at(0).isSurrogate())
                c = d.at(0);
        }
        out[i] = c.toLower();
    }
    return out;
}

QStringList HelpGuide::queryWords(const QString& query) {
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    QStringList words = fold(query).split(blanks, Qt::SkipEmptyParts);
    words.removeDuplicates();
    return words;
}

QList<HelpGuide::Hit> HelpGuide::search(const QString& language, const QString& query) const {
    QList<Hit> hits;
    const QStringList words = queryWords(query);
    if (words.isEmpty())
        return hits;
    const QList<Page> all = pages(language);
    for (int i = 0; i < all.size(); ++i) {
        const QString text = fold(all.at(i).text);
        Hit hit;
        hit.page = i;
        const QString& title = all.at(i).title;
        const qsizetype bodyStart = all.at(i).text.startsWith(title) ? title.size() : qsizetype(0);
        qsizetype first = -1;
        bool everyWord = true;
        for (const QString& w : words) {
            const qsizetype n = text.count(w);
            if (n == 0) {
                everyWord = false;
                break;
            }
            hit.matches += int(n);
            // The snippet prefers a match in the body to one in the page's heading.
            qsizetype at = text.indexOf(w, bodyStart);
            if (at < 0)
                at = text.indexOf(w);
            if (first < 0 || at < first)
                first = at;
        }
        if (!everyWord)
            continue;
        // The snippet is the stretch of text around the first match, on one line.
        const QString& original = all.at(i).text;
        qsizetype from = std::max<qsizetype>(0, first - 40);
        QString snippet = original.mid(from, 120).simplified();
        if (from > 0)
            snippet.prepend(QStringLiteral("…"));
        if (from + 120 < original.size())
            snippet.append(QStringLiteral("…"));
        hit.snippet = snippet;
        hits.append(hit);
    }
    std::stable_sort(hits.begin(), hits.end(),
                     [](const Hit& a, const Hit& b) { return a.matches > b.matches; });
    return hits;
}

} // namespace orvella::help
