#include "analysisdialogs/QtAnalysisDialogs.h"
#include "analysisdialogs/Dialog.h"
#include "analysisdialogs/YesNoBox.h"
#include "analysisdialogs/frmCCP.h"
#include "analysisdialogs/frmGoBack.h"
#include "analysisdialogs/frmJustification.h"

namespace orvella::analysisdialogs {

QtAnalysisDialogs::QtAnalysisDialogs(QWidget* parent, analysis::Prompts& prompts)
    : m_parent(parent), m_prompts(prompts) {}

// The parent may already have taken a dialog with it; QPointer knows.
QtAnalysisDialogs::~QtAnalysisDialogs() {
    delete m_selection;
    delete m_justification;
    delete m_ccp;
    delete m_goBack;
}

analysis::SelectionDialog& QtAnalysisDialogs::selection() {
    if (!m_selection)
        m_selection = new Dialog(m_parent);
    return *m_selection;
}

analysis::JustificationDialog& QtAnalysisDialogs::justification() {
    if (!m_justification)
        m_justification = new frmJustification(m_prompts, m_parent);
    return *m_justification;
}

analysis::CcpDialog& QtAnalysisDialogs::ccp() {
    if (!m_ccp)
        m_ccp = new frmCCP(m_parent);
    return *m_ccp;
}

analysis::GoBackDialog& QtAnalysisDialogs::goBack() {
    if (!m_goBack)
        m_goBack = new frmGoBack(m_parent);
    return *m_goBack;
}

int QtAnalysisDialogs::YesNo(const QString& prompt, const QString& caption, int defaultAnswer) {
    return analysisdialogs::YesNo(prompt, caption, m_parent, defaultAnswer);
}

} // namespace orvella::analysisdialogs
