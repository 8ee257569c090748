#pragma once
#include "analysis/AnalysisDialogs.h"
#include "analysis/Prompts.h"
#include "analysisdialogs/Dialog.h"
#include "analysisdialogs/frmCCP.h"
#include "analysisdialogs/frmGoBack.h"
#include "analysisdialogs/frmJustification.h"
#include <QPointer>
#include <functional>

class QWidget;

namespace orvella::analysisdialogs {

// The real dialogs of one analysis run, each made on first use and kept until this object
// goes, so what the combo boxes learned stays offered for the whole run.
class QtAnalysisDialogs : public analysis::AnalysisDialogs {
public:
    QtAnalysisDialogs(QWidget* parent, analysis::Prompts& prompts);
    ~QtAnalysisDialogs() override;

    analysis::SelectionDialog& selection() override;
    analysis::JustificationDialog& justification() override;
    analysis::CcpDialog& ccp() override;
    analysis::GoBackDialog& goBack() override;
    int YesNo(const QString& prompt, const QString& caption, int defaultAnswer) override;

private:
    QWidget* m_parent;
    analysis::Prompts& m_prompts;
    QPointer<Dialog> m_selection;
    QPointer<frmJustification> m_justification;
    QPointer<frmCCP> m_ccp;
    QPointer<frmGoBack> m_goBack;
};

} // namespace orvella::analysisdialogs
