#pragma once
#include <QList>
#include <QString>

namespace orvella::model {

// One answer to a CCP decision question (1 to 5).
struct DecisionAnswer {
    qint8 question = 0;
    bool yes = false;

    bool operator==(const DecisionAnswer&) const = default;
};

// The answers in the order asked: Q1, then Q2 or Q5, and so on.
using DecisionPath = QList<DecisionAnswer>;

enum class Verdict {
    Unanswered,        // the path stops before a verdict (or none was recorded)
    Ccp,               // a critical control point
    NotCcp,            // not a critical control point
    NoControlMeasures, // no control measures: the activity must change
};

// Where the decision tree goes after the answers given: the next question to ask (1 to 5), or
// 0 when the path has reached its verdict or left the tree.
int nextQuestion(const DecisionPath& path);

// The verdict the answers reach.
Verdict verdictOf(const DecisionPath& path);

// "Q1 Yes, Q2 No, Q3 Yes" (the stored words, English in both languages).
QString pathText(const DecisionPath& path);

// The answer recorded for question q: 1 yes, 0 no, -1 not asked.
int answerTo(const DecisionPath& path, int q);

} // namespace orvella::model
