#include "help/HelpWindow.h"
#include "model/Language.h"
#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

namespace orvella::help {

namespace {

const char* const kStyle = R"(
body { font-family: "Arial"; font-size: 11pt; color: #1d2a22; }
h1 { font-size: 18pt; color: #1f5e3a; margin-bottom: 6px; }
h2 { font-size: 13pt; color: #2b7a4b; margin-top: 14px; }
h3 { font-size: 11pt; color: #1f5e3a; }
a { color: #1a5fa8; }
.note { background-color: #eef6f0; }
.key { font-family: "DejaVu Sans Mono", monospace; }
td, th { padding: 4px; }
th { background-color: #dcefe2; text-align: left; }
)";

// The window speaks the language of the guide it shows, whatever the run speaks.
const char* const kTitle = QT_TRANSLATE_NOOP("HelpWindow", "Orvella Help");
const char* const kContents = QT_TRANSLATE_NOOP("HelpWindow", "Contents");
const char* const kSearch = QT_TRANSLATE_NOOP("HelpWindow", "Search");
const char* const kSearchHint = QT_TRANSLATE_NOOP("HelpWindow", "Type words to find…");
const char* const kBack = QT_TRANSLATE_NOOP("HelpWindow", "Back");
const char* const kForward = QT_TRANSLATE_NOOP("HelpWindow", "Forward");
const char* const kHome = QT_TRANSLATE_NOOP("HelpWindow", "Start page");
const char* const kLanguage = QT_TRANSLATE_NOOP("HelpWindow", "Guide language:");
// Names a screen reader reads for controls without a label of their own.
const char* const kNavigation = QT_TRANSLATE_NOOP("HelpWindow", "Guide navigation");
const char* const kPage = QT_TRANSLATE_NOOP("HelpWindow", "Help page");
const char* const kResults = QT_TRANSLATE_NOOP("HelpWindow", "Pages found");
const char* const kNone = QT_TRANSLATE_NOOP("HelpWindow", "No page contains all of these words.");
const char* const kOne = QT_TRANSLATE_NOOP("HelpWindow", "1 page found.");
const char* const kMany = QT_TRANSLATE_NOOP("HelpWindow", "%1 pages found.");
const char* const kTypeMore =
    QT_TRANSLATE_NOOP("HelpWindow", "Words you type are looked up in every page of the guide.");

QString inLanguage(const QString& language, const char* text) {
    return language == QLatin1String("es") ? model::spanishText("HelpWindow", text)
                                           : QString::fromUtf8(text);
}

// Draws a search result as its page title in bold over a grey line of text around the match.
class ResultDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static constexpr int SnippetRole = Qt::UserRole + 1;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        opt.text.clear();
        const QWidget* view = option.widget;
        QStyle* style = view ? view->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, view);
        QTextDocument doc;
        layout(doc, option, index);
        painter->save();
        painter->translate(option.rect.topLeft() + QPoint(kPad, kPad));
        doc.drawContents(painter);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QTextDocument doc;
        layout(doc, option, index);
        return {int(doc.idealWidth()) + 2 * kPad, int(doc.size().height()) + 2 * kPad};
    }

private:
    static constexpr int kPad = 3;

    static void layout(QTextDocument& doc, const QStyleOptionViewItem& option,
                       const QModelIndex& index) {
        const bool selected = option.state & QStyle::State_Selected;
        const QColor text =
            option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
        QColor dim = text;
        if (!selected)
            dim.setAlpha(170);
        doc.setDefaultFont(option.font);
        const int width = option.widget ? option.widget->width() - 30 : option.rect.width();
        doc.setTextWidth(std::max(120, width - 2 * kPad));
        doc.setHtml(QStringLiteral("<div style='color:%1'><b>%2</b></div>"
                                   "<div style='color:%3'>%4</div>")
                        .arg(text.name(), index.data(Qt::DisplayRole).toString().toHtmlEscaped(),
                             dim.name(QColor::HexArgb),
                             index.data(SnippetRole).toString().toHtmlEscaped()));
    }
};

} // namespace

HelpWindow::HelpWindow(const HelpGuide& guide, const QString& language, QWidget* parent)
    : QWidget(parent, Qt::Window), m_guide(guide), m_language(language) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowIcon(QIcon(programIconPath()));
    // Smaller on a small screen, or one with large text.
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableGeometry().size() - QSize(0, 40) : QSize(960, 640);
    resize(QSize(960, 640).boundedTo(room));

    auto* top = new QHBoxLayout;
    auto makeButton = [this](const char* name, const QIcon& icon) {
        auto* b = new QToolButton(this);
        b->setObjectName(QLatin1String(name));
        b->setIcon(icon);
        b->setToolButtonStyle(icon.isNull() ? Qt::ToolButtonTextOnly
                                            : Qt::ToolButtonTextBesideIcon);
        b->setAutoRaise(true);
        return b;
    };
    m_back = makeButton("cmdHelpBack", style()->standardIcon(QStyle::SP_ArrowBack));
    m_forward = makeButton("cmdHelpForward", style()->standardIcon(QStyle::SP_ArrowForward));
    m_home = makeButton("cmdHelpHome", QIcon::fromTheme(QStringLiteral("go-home")));
    m_languageLabel = new QLabel(this);
    m_languageBox = new QComboBox(this);
    m_languageBox->setObjectName(QStringLiteral("cboHelpLanguage"));
    m_languageBox->addItem(QStringLiteral("English"), QStringLiteral("en"));
    m_languageBox->addItem(QStringLiteral("Español"), QStringLiteral("es"));
    m_languageLabel->setBuddy(m_languageBox);
    top->addWidget(m_back);
    top->addWidget(m_forward);
    top->addWidget(m_home);
    top->addStretch();
    top->addWidget(m_languageLabel);
    top->addWidget(m_languageBox);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabHelp"));
    m_contents = new QListWidget;
    m_contents->setObjectName(QStringLiteral("lstHelpContents"));
    m_contents->setSpacing(2);
    m_tabs->addTab(m_contents, QString());

    auto* searchPage = new QWidget;
    auto* searchLayout = new QVBoxLayout(searchPage);
    m_search = new QLineEdit;
    m_search->setObjectName(QStringLiteral("txtHelpSearch"));
    m_search->setClearButtonEnabled(true);
    m_resultCount = new QLabel;
    m_resultCount->setObjectName(QStringLiteral("lblHelpResults"));
    m_resultCount->setWordWrap(true);
    m_results = new QListWidget;
    m_results->setObjectName(QStringLiteral("lstHelpResults"));
    m_results->setItemDelegate(new ResultDelegate(m_results));
    m_results->setAlternatingRowColors(true);
    m_results->setUniformItemSizes(false);
    m_results->setResizeMode(QListView::Adjust);
    searchLayout->addWidget(m_search);
    searchLayout->addWidget(m_resultCount);
    searchLayout->addWidget(m_results, 1);
    m_tabs->addTab(searchPage, QString());

    m_browser = new QTextBrowser;
    m_browser->setObjectName(QStringLiteral("brwHelp"));
    m_browser->setOpenExternalLinks(true);
    m_browser->document()->setDefaultStyleSheet(QString::fromLatin1(kStyle));

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({280, 680});
    splitter->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(splitter, 1);

    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_home, &QToolButton::clicked, this, [this] {
        if (!m_pages.isEmpty())
            openPage(m_pages.first().file);
    });
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
    // source() lags behind this signal (it reads the history), so keep the page it names.
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
        m_currentUrl = url;
        syncContentsSelection();
        highlightQuery();
    });
    connect(m_contents, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row < m_pages.size() && currentPage() != m_pages.at(row).file)
            openPage(m_pages.at(row).file);
    });
    connect(m_search, &QLineEdit::textChanged, this, &HelpWindow::runSearch);
    connect(m_search, &QLineEdit::returnPressed, this, [this] {
        if (m_results->count() > 0)
            openResult(std::max(0, m_results->currentRow()));
    });
    connect(m_results, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { openResult(m_results->row(item)); });
    connect(m_results, &QListWidget::currentRowChanged, this, &HelpWindow::openResult);
    connect(m_languageBox, &QComboBox::currentIndexChanged, this,
            [this](int index) { setLanguage(m_languageBox->itemData(index).toString()); });
    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, &HelpWindow::showSearch);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    m_languageBox->setCurrentIndex(m_language == QLatin1String("es") ? 1 : 0);
    retranslate();
    fillContents();
    if (!m_pages.isEmpty())
        openPage(m_pages.first().file);
}

void HelpWindow::retranslate() {
    auto t = [this](const char* text) { return inLanguage(m_language, text); };
    setWindowTitle(t(kTitle));
    m_tabs->setTabText(0, t(kContents));
    m_tabs->setTabText(1, t(kSearch));
    m_search->setPlaceholderText(t(kSearchHint));
    m_back->setText(t(kBack));
    m_forward->setText(t(kForward));
    m_home->setText(t(kHome));
    m_languageLabel->setText(t(kLanguage));
    m_tabs->setAccessibleName(t(kNavigation));
    m_contents->setAccessibleName(t(kContents));
    m_search->setAccessibleName(t(kSearch));
    m_results->setAccessibleName(t(kResults));
    m_browser->setAccessibleName(t(kPage));
    runSearch();
}

void HelpWindow::fillContents() {
    m_pages = m_guide.pages(m_language);
    const QSignalBlocker block(m_contents);
    m_contents->clear();
    for (const auto& page : m_pages)
        m_contents->addItem(page.title);
}

void HelpWindow::setLanguage(const QString& language) {
    if (language == m_language || !m_guide.isAvailable(language))
        return;
    // Keep the reader on the same page in the other language.
    const QString page = currentPage();
    m_language = language;
    {
        const QSignalBlocker block(m_languageBox);
        m_languageBox->setCurrentIndex(language == QLatin1String("es") ? 1 : 0);
    }
    m_browser->clearHistory();
    fillContents();
    retranslate();
    bool found = false;
    for (const auto& p : m_pages)
        found = found || p.file == page;
    if (found)
        openPage(page);
    else if (!m_pages.isEmpty())
        openPage(m_pages.first().file);
}

void HelpWindow::openPage(const QString& file) {
    m_browser->setSource(m_guide.pageUrl(m_language, file));
}

QString HelpWindow::currentPage() const {
    return m_currentUrl.fileName();
}

void HelpWindow::syncContentsSelection() {
    const QString page = currentPage();
    for (int i = 0; i < m_pages.size(); ++i) {
        if (m_pages.at(i).file == page) {
            const QSignalBlocker block(m_contents);
            m_contents->setCurrentRow(i);
            return;
        }
    }
}

void HelpWindow::raiseWindow() {
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void HelpWindow::showContents() {
    m_tabs->setCurrentIndex(0);
    raiseWindow();
    m_contents->setFocus();
}

void HelpWindow::showSearch() {
    m_tabs->setCurrentIndex(1);
    raiseWindow();
    m_search->setFocus();
    m_search->selectAll();
}

void HelpWindow::setQuery(const QString& query) {
    m_search->setText(query);
}

void HelpWindow::runSearch() {
    auto t = [this](const char* text) { return inLanguage(m_language, text); };
    m_hits = m_guide.search(m_language, m_search->text());
    {
        const QSignalBlocker block(m_results);
        m_results->clear();
        for (const auto& hit : m_hits) {
            auto* item = new QListWidgetItem(m_pages.value(hit.page).title);
            item->setData(ResultDelegate::SnippetRole, hit.snippet);
            item->setToolTip(hit.snippet);
            m_results->addItem(item);
        }
    }
    if (HelpGuide::queryWords(m_search->text()).isEmpty())
        m_resultCount->setText(t(kTypeMore));
    else if (m_hits.isEmpty())
        m_resultCount->setText(t(kNone));
    else if (m_hits.size() == 1)
        m_resultCount->setText(t(kOne));
    else
        m_resultCount->setText(t(kMany).arg(m_hits.size()));
    highlightQuery();
}

void HelpWindow::openResult(int row) {
    if (row < 0 || row >= m_hits.size())
        return;
    const QString file = m_pages.value(m_hits.at(row).page).file;
    if (file == currentPage())
        highlightQuery();
    else
        openPage(file);
}

void HelpWindow::highlightQuery() {
    QList<QTextEdit::ExtraSelection> marks;
    const QStringList words = HelpGuide::queryWords(m_search->text());
    QTextDocument* doc = m_browser->document();
    const QString text = HelpGuide::fold(doc->toPlainText());
    QTextCharFormat mark;
    mark.setBackground(QColor(0xff, 0xe0, 0x66));
    mark.setForeground(QColor(0x1d, 0x2a, 0x22));
    int first = -1;
    for (const QString& w : words) {
        for (qsizetype at = text.indexOf(w); at >= 0; at = text.indexOf(w, at + w.size())) {
            QTextCursor c(doc);
            c.setPosition(int(at));
            c.setPosition(int(at + w.size()), QTextCursor::KeepAnchor);
            marks.append({c, mark});
            if (first < 0 || at < first)
                first = int(at);
        }
    }
    m_browser->setExtraSelections(marks);
    if (first >= 0) {
        QTextCursor c(doc);
        c.setPosition(first);
        m_browser->setTextCursor(c);
        m_browser->ensureCursorVisible();
    }
}

} // namespace orvella::help
