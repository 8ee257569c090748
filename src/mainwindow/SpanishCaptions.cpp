#include "mainwindow/SpanishCaptions.h"
#include <QAbstractButton>
#include <QLabel>
#include <QTabWidget>

namespace orvella::mainwindow {

namespace {
struct Caption {
    const char* control;
    QString text;
};

const QList<Caption>& captions() {
    static const QList<Caption> table = {
        {"Label2", QStringLiteral("Instalación")},
        {"Label3", QStringLiteral("Coordinador del Proyecto")},
        {"Label4", QStringLiteral("Administrador del Lugar")},
        {"Label5", QStringLiteral("Lugar")},
        {"Label6", QStringLiteral("Dirección 1")},
        {"Label7", QStringLiteral("Teléfono")},
        {"Label8", QStringLiteral("Acitividad")},
        {"Label9",
         QStringLiteral(
             "Descripción de la Actividad: La descripción del proyecto debe ser una descripción "
             "narrada que incluya información tal como quién, qué, cuándo, dónde, a dónde, cómo "
             "y por qué. La descripción debe ofrecer una referencia histórica, simple para "
             "facilitar la comunicación con el personal de la instalación y otro personal de "
             "agencias de administración de recursos. (Por favor describa el proyecto de manera "
             "concisa y completa).")},
        {"Label21", QStringLiteral("Dirección 2")},
        {"lblWhen", QStringLiteral("Cuando usted haya suministrado la información de arriba, "
                                   "usted puede continuar con el siguiente paso.")},
        {"cmdNext", QStringLiteral("Paso Siguiente")},
        {"lblStep2",
         QStringLiteral(
             "Como segundo paso usted necesitará hacer una lista con todos los riesgos "
             "potenciales que puedan estar relacionados con sus actividades.  Riesgos son "
             "especies que pueden ser trasladadas o introducidas, causando daños ecológicos y "
             "promoviendo la propagación de especies indeseables a hábitats nuevos. Estos "
             "riesgos pueden incluir vertebrados, invertebrados, plantas y otros organismos "
             "biológicos (por ej., enfermedades, patógenos y parásitos).")},
        {"lblVerts", QStringLiteral("Lista con Todos los Riesgos Potenciales")},
        {"Label24", QStringLiteral("Lista del Riegos")},
        {"Label26", QStringLiteral("Primero, nombre un riesgo\u2026")},
        {"Label27", QStringLiteral("Segundo, indique qué tipo de riesgo es...")},
        {"optHazType(0)", QStringLiteral("Vertebrados")},
        {"optHazType(1)", QStringLiteral("Invertebrados")},
        {"optHazType(2)", QStringLiteral("Plantas")},
        {"optHazType(3)", QStringLiteral("Otros Organismos Biológicos")},
        {"optHazType(4)", QStringLiteral("Otros Riesgos")},
        {"Label28", QStringLiteral("Tercero, haga clic en el botón de abajo para agregar el "
                                   "riesgo a la lista... indique qué tipo de riesgo es...")},
        {"btnAddHazard", QStringLiteral("Agregar a la Lista")},
        {"Label29", QStringLiteral("Repita para todos los riesgos posibles encontrados durante "
                                   "su actividad.")},
        {"btnRemove", QStringLiteral("Remover de la Lista")},
        {"Label30", QStringLiteral("Una vez que usted haya agregado todos los riesgos "
                                   "potenciales a la lista, usted está listo/a para continuar "
                                   "al Paso 4")},
        {"Command1", QStringLiteral("Paso Siguiente")},
        {"lblStep3",
         QStringLiteral(
             "El tercer paso es suministrar una lista en orden cronológico de las tareas "
             "requeridas para llevar a cabo la actividad que usted describió en el Paso 1.  "
             "Este paso suministra información esencial requerida para completar los restantes "
             "pasos del plan.  Sólo se necesita una simple descripción de cada tarea.")},
        {"lblTask1", QStringLiteral("Tarea 1")},
        {"Label11", QStringLiteral("Tarea 2")},
        {"Label12", QStringLiteral("Tarea 3")},
        {"Label13", QStringLiteral("Tarea 4")},
        {"Label14", QStringLiteral("Tarea 5")},
        {"Label15", QStringLiteral("Tarea 6")},
        {"Label16", QStringLiteral("Tarea 7")},
        {"Label17", QStringLiteral("Tarea 8")},
        {"Label18", QStringLiteral("Tarea 9")},
        {"Label19", QStringLiteral("Tarea 10")},
        {"Label20",
         QStringLiteral(
             "Nota: Si usted tiene más de diez tareas, entonces usted debe reevaluar su "
             "actividad.  Es posible que sea muy complicada para sólo un plan HACCP. Trate de "
             "dividir su actividad en subactividades.  Cada subactividad requerirá su propio "
             "plan HACCP.")},
        {"btnNext3", QStringLiteral("Paso Siguiente")},
        {"Label25", QStringLiteral("Asegúrese de guardar ahora...")},
        {"Label22",
         QStringLiteral(
             "Usted está ahora listo/a para evaluar los tareas que usted puso en la lista del "
             "paso anterior.  Luego de que usted haga un clic en el botón de abajo, a usted se "
             "le harán una serie de preguntas que determinarán si sus tareas contienen algún "
             "punto de control crítico.  Si usted se sale del programa antes de completar todas "
             "las preguntas, usted tendrá que comenzar de nuevo desde el principio, a menos que "
             "usted haya guardado su progreso. Si usted ha guardado su progreso, usted podrá "
             "recomenzar luego desde este punto.  Asegúrese de guardar ahora y después haga un "
             "clic en el botón de abajo para continuar.")},
        {"cmdEvalTasks", QStringLiteral("Comenzar Análisis de Riegos")},
        {"cmdSkip", QStringLiteral("Salto al Paso Siguiente")},
        {"lblTitle", QStringLiteral("Por favor suministre un título sencillo para el plan HACCP "
                                    "(por ej., Plan HACCP de Operaciones de Manejo de Fuegos).")},
        {"cmdDone", QStringLiteral("Crear Plan HACCP como un Documento MS Word. ")},
    };
    return table;
}
} // namespace

void ApplySpanishCaptions(QWidget* window) {
    if (!window)
        return;
    if (auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("TabStrip")))
        for (int i = 0; i < tabs->count(); ++i)
            tabs->setTabText(i, QStringLiteral("Paso %1").arg(i + 1));
    for (const Caption& caption : captions()) {
        QObject* control = window->findChild<QObject*>(QLatin1String(caption.control));
        if (auto* label = qobject_cast<QLabel*>(control))
            label->setText(caption.text);
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            button->setText(caption.text);
    }
}

} // namespace orvella::mainwindow
