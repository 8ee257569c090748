#pragma once
#include "model/HACCP_Plan.h"
#include <QList>

namespace orvella::model {

// The <CCP> record a task hazard stands for: task name and number, hazard, control measures
// and its details.
HACCP_CCP ccpRecord(const HACCP_Task& task, const HACCP_TaskSpecific_Hazard& hazard);

// One critical control point of the plan, with the pair it belongs to.
struct PlanCcp {
    int number = 0; // 1, 2, ... in task order, then hazard order
    const HACCP_Task* task = nullptr;
    const HACCP_TaskSpecific_Hazard* hazard = nullptr;
};

// Every pair that is a CCP with a record, numbered.
QList<PlanCcp> planCcps(const HACCP_Plan& plan);

// The CCP number of a pair, 0 when it is not one.
int ccpNumberOf(const HACCP_Plan& plan, const HACCP_TaskSpecific_Hazard& hazard);

// The <CCP> records in the order the plan file holds them: the plan's own, with the
// unattached ones back in their places.
QList<HACCP_CCP> ccpRecordsInFileOrder(const HACCP_Plan& plan);

// The potential hazard a pair is about, or null when it is no longer listed.
const HACCP_PotentialHazard* hazardOf(const HACCP_Plan& plan, const HACCP_TaskSpecific_Hazard& th);

// Whether the task holds an answer for the potential hazard.
bool pairAnswered(const HACCP_Task& task, const HACCP_PotentialHazard& hazard);

// A task and hazard pair without answers: listed after the analysis (a new hazard or task).
struct OpenPair {
    const HACCP_Task* task = nullptr;
    const HACCP_PotentialHazard* hazard = nullptr;
};

// The pairs a completed analysis has not answered because their task or hazard came after it
// (listed since, or answered by no task at all), task by task. A task of the analysis that
// holds no task hazards was answered "none". Empty while no analysis completed.
QList<OpenPair> unansweredPairs(const HACCP_Plan& plan);

// Task hazards whose potential hazard is no longer listed.
QList<std::pair<const HACCP_Task*, const HACCP_TaskSpecific_Hazard*>>
removedPairs(const HACCP_Plan& plan);

// Puts type and name of each renamed potential hazard into the task hazards about it.
void followHazardNames(HACCP_Plan& plan);

// Forgets what a file said that the task's answers no longer bear out: call after changing
// any answer of the task.
void answersChanged(HACCP_Task& task);

// Whether the plan holds any analysis answer (a task hazard, or a kept CCP record).
bool hasAnalysisAnswers(const HACCP_Plan& plan);

} // namespace orvella::model
