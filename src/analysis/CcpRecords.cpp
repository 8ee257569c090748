#include "analysis/CcpRecords.h"
#include "analysis/AnalysisText.h"

namespace orvella::analysis {

using namespace orvella::model;

bool recordCcp(ProgramState& state, const HACCP_Task& task, HACCP_TaskSpecific_Hazard& hazard,
               int ccpNumber, CcpDialog& dialog) {
    const QString sigHaz = hazard.HazType + QStringLiteral(": ") + hazard.Entity;

    dialog.setControlMeasures(hazard.ControlMeasures);
    dialog.setTask(task.Name, task.Description);
    dialog.setHazard(sigHaz);
    if (state.UseSpanish)
        dialog.setSpanishCaptions();
    dialog.setCaption(AnalysisText::tr("Critical Control Point #%1").arg(ccpNumber));
    // The text boxes keep what they held: within one task the previous CCP's answers are
    // offered again.
    dialog.showModal();
    if (dialog.GoBack())
        return false;

    const CcpFields f = dialog.fields();
    auto record = std::make_shared<HACCP_CCP>();
    record->TaskName = task.Name + QStringLiteral(": ") + task.Description;
    record->TaskNumber = task.Number;
    record->SigHaz = sigHaz;
    record->Control = hazard.ControlMeasures;
    record->Limits = f.Limits;
    record->What = f.What;
    record->How = f.How;
    record->When = f.Frequency;
    record->Who = f.Who;
    record->Correction = f.Correction;
    record->SupportDocs = f.SupportDocs;
    state.plan().CCPs.append(record);
    hazard.IsCCP = true;
    return true;
}

void clearCcps(HACCP_Plan& plan) {
    plan.CCPs.clear();
}

} // namespace orvella::analysis
