#pragma once
#include "analysis/AnalysisContext.h"

namespace orvella::analysis {

// What the driver does after one hazard has been decided.
enum class DecisionResult { NextHazard, ReEvaluateTask, RestartAnalysis };

// The five decision questions for one hazard, in the language of the run. Q1 to Q4 carry the
// task header in front; Q5 does not.
struct DecisionQuestions {
    QString q1, q2, q3, q4, q5;
};
DecisionQuestions decisionQuestions(const model::HACCP_Task& task, const QString& entity);

// Asks the decision questions for one probable hazard of a task, announces the verdict and,
// for a critical control point, records its details. ccpNumber is the run's running CCP
// number: raised by one on every CCP verdict and never lowered. Each question offers the answer
// `offered` gives it as its default (Yes where it gives none); the answers given are kept in
// the hazard.
DecisionResult evaluateHazard(AnalysisContext& ctx, model::HACCP_Task& task,
                              model::HACCP_TaskSpecific_Hazard& hazard, int& ccpNumber,
                              const model::DecisionPath& offered = {});

// The answers that lead to the verdict a pair already holds, for a pair decided before its
// answers were kept: Yes, Yes for a CCP; Yes, No, No otherwise.
model::DecisionPath presumedPath(const model::HACCP_TaskSpecific_Hazard& hazard);

} // namespace orvella::analysis
