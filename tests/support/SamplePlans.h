#pragma once
#include "model/HACCP_Plan.h"
#include "model/ProgramState.h"
#include <memory>

namespace samples {

// A plan with every member filled: `tasks` tasks, `hazards` potential hazards, every task
// considering every hazard (alternately probable and not), and `ccps` CCP records spread
// over the tasks. Texts carry ordinary Western characters only, so the plan file stays in
// windows-1252. `descriptionLines` lines of project description.
std::shared_ptr<orvella::model::HACCP_Plan> makePlan(int tasks, int hazards, int ccps,
                                                     int descriptionLines = 3);

// The largest plan the program is built for: 10 tasks x 100 hazards, 100 CCPs and a
// 1,000-line description.
std::shared_ptr<orvella::model::HACCP_Plan> makeLargestPlan();

// A typical field plan: 5 tasks, 8 hazards, 3 CCPs.
std::shared_ptr<orvella::model::HACCP_Plan> makeTypicalPlan();

// Gives the plan a team, three signers (the approver's date left empty), two revisions, a next
// review and a verification for every CCP: document control as a user would enter it.
void addDocumentControl(orvella::model::HACCP_Plan& plan);

// Adds to the current plan one task, "Launch boat", and one potential hazard, Hydrilla: the
// smallest plan an analysis runs on.
void addLaunchBoatTask(orvella::model::ProgramState& state);

} // namespace samples
