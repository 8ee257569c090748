#include "model/Decision.h"
#include <QStringList>

namespace orvella::model {

namespace {

// The step the tree takes from question q with the given answer: the next question, or a
// verdict (encoded as its negative).
int step(int q, bool yes) {
    constexpr int ccp = -int(Verdict::Ccp), notCcp = -int(Verdict::NotCcp),
                  noControl = -int(Verdict::NoControlMeasures);
    switch (q) {
    case 1:
        return yes ? 2 : 5;
    case 2:
        return yes ? ccp : 3;
    case 3:
        return yes ? 4 : notCcp;
    case 4:
        return yes ? notCcp : ccp;
    case 5:
        return yes ? noControl : notCcp;
    default:
        return 0;
    }
}

// Follows the path from Q1; answers the last step reached, 0 for a path off the tree.
int walk(const DecisionPath& path) {
    int at = 1;
    for (const DecisionAnswer& a : path) {
        if (at <= 0 || a.question != at)
            return 0;
        at = step(a.question, a.yes);
    }
    return at;
}

} // namespace

int nextQuestion(const DecisionPath& path) {
    const int at = walk(path);
    return at > 0 ? at : 0;
}

Verdict verdictOf(const DecisionPath& path) {
    const int at = walk(path);
    return at < 0 ? Verdict(-at) : Verdict::Unanswered;
}

QString pathText(const DecisionPath& path) {
    QStringList parts;
    for (const DecisionAnswer& a : path)
        parts << QStringLiteral("Q%1 %2")
                     .arg(a.question)
                     .arg(a.yes ? QStringLiteral("Yes") : QStringLiteral("No"));
    return parts.join(QStringLiteral(", "));
}

int answerTo(const DecisionPath& path, int q) {
    for (const DecisionAnswer& a : path)
        if (a.question == q)
            return a.yes ? 1 : 0;
    return -1;
}

} // namespace orvella::model
