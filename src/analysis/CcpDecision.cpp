#include "analysis/CcpDecision.h"
#include "analysis/CcpRecords.h"
#include "analysis/Prompts.h"

namespace orvella::analysis {

using namespace orvella::model;

namespace {

const QString CrLf = QStringLiteral("\r\n");

enum class Verdict { Ccp, NotCcp, NoControlMeasures };

// The decision tree. A question box closed without an answer (0) takes its own branch.
Verdict decide(AnalysisDialogs& dialogs, const DecisionQuestions& q) {
    const QString caption = QStringLiteral("CCP Analysis");
    const auto ask = [&](const QString& prompt) { return dialogs.YesNo(prompt, caption); };
    constexpr int yes = Prompts::AnswerYes;
    constexpr int no = Prompts::AnswerNo;

    if (ask(q.q1) == yes) {
        const int a2 = ask(q.q2);
        if (a2 != no)
            return Verdict::Ccp;
        if (ask(q.q3) != yes)
            return Verdict::NotCcp;
        return ask(q.q4) == no ? Verdict::Ccp : Verdict::NotCcp;
    }
    return ask(q.q5) == yes ? Verdict::NoControlMeasures : Verdict::NotCcp;
}

} // namespace

DecisionQuestions decisionQuestions(const ProgramState& state, const HACCP_Task& task,
                                    const QString& e) {
    const QString header = task.Name + QStringLiteral(": ") + task.Description + CrLf + CrLf;
    if (state.UseSpanish) {
        return {
            header + QStringLiteral("¿Se puede controlar el riesgo (") + e +
                QStringLiteral(") en este paso o en un paso siguiente?"),
            header +
                QStringLiteral("¿Elimina o reduce este paso la posible incidencia de Riesgos (") +
                e +
                QStringLiteral(
                    ") a un nivel aceptable Y es este el mejor lugar para controlar riesgos?"),
            header + QStringLiteral("¿Puede ocurrir contaminacion con el riesgo (") + e +
                QStringLiteral(") sobre niveles aceptables o puedo el riesgo aumentar a niveles "
                               "inaceptables?"),
            header + QStringLiteral("¿Eliminará un paso siguiente el riesgo (") + e +
                QStringLiteral(") o reducirá la posible incidencia a un nivel aceptable?"),
            QStringLiteral("¿Es necesario el control en este paso para prevenir el riesgo (") + e +
                QStringLiteral(") o reducirlo a un nivel aceptable?"),
        };
    }
    return {
        header + QStringLiteral("Can ") + e +
            QStringLiteral(" be controlled at this step or a subsequent step?"),
        header + QStringLiteral("Does this step eliminate or reduce the likely occurrence of ") +
            e +
            QStringLiteral(
                " to an acceptable level AND is this the best place to control the hazard?"),
        header + QStringLiteral("Could contamination with ") + e +
            QStringLiteral(" occur in excess of acceptable levels or could these increase to "
                           "unacceptable levels?"),
        header + QStringLiteral("Will a subsequent step eliminate ") + e +
            QStringLiteral(" or reduce the likely occurrence to an acceptable level?"),
        QStringLiteral("Is control at this step necessary to prevent ") + e +
            QStringLiteral(" or reduce it to an acceptable level?"),
    };
}

DecisionResult evaluateHazard(AnalysisContext& ctx, HACCP_Task& task,
                              HACCP_TaskSpecific_Hazard& hazard, int& ccpNumber) {
    const QString& e = hazard.Entity;
    const QString& name = task.Name;
    const DecisionQuestions questions = decisionQuestions(ctx.state, task, e);

    if (ctx.state.UseSpanish)
        ctx.prompts.message(
            name + QStringLiteral(": ¿Punto de Control Crítico para controlar riesgo (") + e +
                QStringLiteral(")? ") + CrLf + QStringLiteral("Haga clic \"OK\" para continuar."),
            QStringLiteral("CCP?"));
    else
        ctx.prompts.message(
            QStringLiteral("Now let's see if ") + name +
                QStringLiteral(" is a Critical Control Point for preventing the spread of ") + e +
                QStringLiteral(". ") + CrLf + QStringLiteral("Click OK to continue."),
            QStringLiteral("CCP?"));

    switch (decide(ctx.dialogs, questions)) {
    case Verdict::NotCcp:
        ctx.prompts.message(ctx.tr(name + QStringLiteral(" is not a Critical Control Point"),
                                   QStringLiteral("Este (") + name +
                                       QStringLiteral(") no es un Punto de Control Crítico.")));
        return DecisionResult::NextHazard;
    case Verdict::NoControlMeasures:
        ctx.prompts.message(
            ctx.tr(
                QStringLiteral("You have no control measures to prevent the spread of ") + e +
                    QStringLiteral(".") + CrLf +
                    QStringLiteral("It is necessary for you to modify your activity procedures ") +
                    CrLf +
                    QStringLiteral("to prevent or reduce the hazard to an acceptable level."),
                QStringLiteral(
                    "Usted no tiene medidas de control para prevnir la propagción de un riesgo "
                    "identifacdo(") +
                    e +
                    QStringLiteral(
                        ").Es necesario que usted modifique su actividad para prevenir o reducir "
                        "el riesgo a un nivel aceptable.")),
            ctx.tr(QStringLiteral("No Control Measures"), QStringLiteral("No Medidas de Control")),
            Prompts::Icon::Critical);
        return DecisionResult::NextHazard;
    case Verdict::Ccp:
        break;
    }

    ctx.prompts.message(ctx.tr(
        name + QStringLiteral(" is a Critical Control Point necessary to control the spread of ") +
            e + QStringLiteral("."),
        QStringLiteral("Esta tarea (") + name +
            QStringLiteral(") es un Punto de Control Crítico.")));
    ++task.CCP_Count;
    ++ccpNumber;
    for (;;) {
        if (recordCcp(ctx.state, task, hazard, ccpNumber, ctx.dialogs.ccp()))
            return DecisionResult::NextHazard;
        GoBackDialog& goBack = ctx.dialogs.goBack();
        goBack.showModal();
        switch (goBack.Destination()) {
        case GoBackDialog::Continue:
            continue; // same number, nothing counted again
        case GoBackDialog::ReEvaluateTask:
            return DecisionResult::ReEvaluateTask;
        case GoBackDialog::RestartAnalysis:
            return DecisionResult::RestartAnalysis;
        default:
            return DecisionResult::NextHazard;
        }
    }
}

} // namespace orvella::analysis
