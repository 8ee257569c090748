#include "analysis/CcpRecords.h"
#include "analysis/AnalysisText.h"

namespace orvella::analysis {

using namespace orvella::model;

CcpFields ccpFields(const CcpDetails& d) {
    return {d.Limits, d.Who, d.What, d.How, d.When, d.Correction, d.SupportDocs, d.Verification};
}

CcpDetails ccpDetails(const CcpFields& f) {
    return {f.Limits, f.What,       f.How,         f.Frequency,
            f.Who,    f.Correction, f.SupportDocs, f.Verification};
}

bool recordCcp(ProgramState& state, const HACCP_Task& task, HACCP_TaskSpecific_Hazard& hazard,
               int ccpNumber, CcpDialog& dialog, bool offerStored) {
    dialog.setControlMeasures(hazard.ControlMeasures);
    dialog.setTask(task.Name, task.Description);
    dialog.setHazard(hazard.HazType + QStringLiteral(": ") + hazard.Entity);
    if (state.UseSpanish)
        dialog.setSpanishCaptions();
    dialog.setCaption(AnalysisText::tr("Critical Control Point #%1").arg(ccpNumber));
    // A pair that was a CCP offers its own details again; a new one finds what the boxes
    // hold (within one task, the previous CCP's answers).
    if (offerStored && hazard.hasCcpRecord())
        dialog.setFields(ccpFields(hazard.Ccp));
    dialog.showModal();
    if (dialog.GoBack())
        return false;

    hazard.Ccp = ccpDetails(dialog.fields());
    hazard.IsCCP = true;
    hazard.CcpRecordMissing = false;
    return true;
}

} // namespace orvella::analysis
