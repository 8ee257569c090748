#include "model/Language.h"
#include <QCoreApplication>
#include <QTranslator>

// Q_INIT_RESOURCE declares a function of its own and so must stand outside any namespace; a
// static library's resources are registered only when asked to.
static void initTranslationResources() {
    Q_INIT_RESOURCE(translations);
}

namespace orvella::model {

namespace {
QTranslator& catalogue() {
    static QTranslator* translator = [] {
        initTranslationResources();
        auto* t = new QTranslator; // lives for the whole process, as installed translators must
        if (!t->load(QStringLiteral(":/translations/orvella_es.qm")))
            qWarning("orvella: the Spanish catalogue is missing from the build");
        return t;
    }();
    return *translator;
}
bool installed = false;
} // namespace

const QTranslator& spanishCatalogue() {
    return catalogue();
}

bool useSpanishCatalogue(bool spanish) {
    const bool before = installed;
    if (spanish && !installed)
        installed = QCoreApplication::installTranslator(&catalogue());
    else if (!spanish && installed)
        installed = !QCoreApplication::removeTranslator(&catalogue());
    return before;
}

QString spanishText(const char* context, const char* sourceText, const char* disambiguation) {
    const QString text = catalogue().translate(context, sourceText, disambiguation);
    return text.isNull() ? QString::fromUtf8(sourceText) : text;
}

QString fillIn(const QString& text, const QStringList& values) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('%') && i + 1 < text.size()) {
            const int n = text.at(i + 1).digitValue();
            if (n >= 1 && n <= values.size()) {
                out += values.at(n - 1);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

} // namespace orvella::model
