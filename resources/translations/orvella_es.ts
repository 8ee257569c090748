<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Analysis</name>
    <message>
        <source>Significant Hazards</source>
        <translation>Riegos</translation>
    </message>
    <message>
        <source>Critical Control Point #%1</source>
        <translation>Punto de Control Crítico #%1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Devolverse</translation>
    </message>
    <message>
        <source>Show List of Tasks</source>
        <translation>Muestre la Lista de Tareas</translation>
    </message>
    <message>
        <source>%1 (Justify Potential Hazard %2 of %3)</source>
        <translation>%1 (Justificar Riesgo %2 de %3)</translation>
    </message>
    <message>
        <source>Why is/are %1 probable during %2?</source>
        <translation>¿Por qué hay %1 probable(s) durante la tarea?</translation>
    </message>
    <message>
        <source>Why did you indicate that %1 is/are NOT probable during %2 (%3)?</source>
        <translation>¿Por qué indicó usted que NO hay %1 probable(s) durante la tarea %2?</translation>
    </message>
    <message>
        <source>What Control Measures can be applied during %1 to prevent the spread of %2?</source>
        <translation>Qué Medidas de Control se puende aplicar durante %1 para prevenir la propagación de Riesgo (%2)?</translation>
    </message>
    <message>
        <source>Wizard Complete</source>
        <translation>Terminado Su Labor</translation>
    </message>
    <message>
        <source>You have hazards but no critical control points!<byte value="xd"/>
Although the next screen will allow you to transfer your work to a <byte value="xd"/>
Microsoft Word Document, this is not yet recommended.<byte value="xd"/>
You first need to re-evaluate your procedures so that transporting <byte value="xd"/>
hazards can be minimized. Start by examining all of the tasks where <byte value="xd"/>
identified hazards may be detected.  One of these tasks should be a <byte value="xd"/>
critical control point.  Click OK to continue.</source>
        <translation>¡Usted tiene riesgos pero no tiene puntos de control críticos! <byte value="xd"/>
Aunque la próxima pantalla le permitirá a usted transferir su trabajo a un <byte value="xd"/>
Documento Microsoft Word, ésto aún no se recomienda.   Usted necesita primero <byte value="xd"/>
reevaluar sus procedimientos para poder minimizar el transporte de riesgos.  <byte value="xd"/>
Comience examinando todas las tareas donde se puedan detectar riesgos identificados.  <byte value="xd"/>
Una de esas tareas puede ser un punto de control crítico.  </translation>
    </message>
    <message>
        <source>The Orvella is finished doing its part. <byte value="xd"/>
The next screen will allow you to transfer your work to a Microsoft Word Document.<byte value="xd"/>
Click OK to Continue</source>
        <translation>El Orvella (Orvella) ha terminado su labor. La siguiente <byte value="xd"/>
pantalla le permitirá a usted transferir su trabajo a un Documento Microsoft Word. <byte value="xd"/>
Clic OK para continuar.</translation>
    </message>
    <message>
        <source>Can %1 be controlled at this step or a subsequent step?</source>
        <translation>¿Se puede controlar el riesgo (%1) en este paso o en un paso siguiente?</translation>
    </message>
    <message>
        <source>Does this step eliminate or reduce the likely occurrence of %1 to an acceptable level AND is this the best place to control the hazard?</source>
        <translation>¿Elimina o reduce este paso la posible incidencia de Riesgos (%1) a un nivel aceptable Y es este el mejor lugar para controlar riesgos?</translation>
    </message>
    <message>
        <source>Could contamination with %1 occur in excess of acceptable levels or could these increase to unacceptable levels?</source>
        <translation>¿Puede ocurrir contaminacion con el riesgo (%1) sobre niveles aceptables o puedo el riesgo aumentar a niveles inaceptables?</translation>
    </message>
    <message>
        <source>Will a subsequent step eliminate %1 or reduce the likely occurrence to an acceptable level?</source>
        <translation>¿Eliminará un paso siguiente el riesgo (%1) o reducirá la posible incidencia a un nivel aceptable?</translation>
    </message>
    <message>
        <source>Is control at this step necessary to prevent %1 or reduce it to an acceptable level?</source>
        <translation>¿Es necesario el control en este paso para prevenir el riesgo (%1) o reducirlo a un nivel aceptable?</translation>
    </message>
    <message>
        <source>Now let&apos;s see if %1 is a Critical Control Point for preventing the spread of %2. <byte value="xd"/>
Click OK to continue.</source>
        <translation>%1: ¿Punto de Control Crítico para controlar riesgo (%2)? <byte value="xd"/>
Haga clic &quot;OK&quot; para continuar.</translation>
    </message>
    <message>
        <source>%1 is not a Critical Control Point</source>
        <translation>Este (%1) no es un Punto de Control Crítico.</translation>
    </message>
    <message>
        <source>You have no control measures to prevent the spread of %1.<byte value="xd"/>
It is necessary for you to modify your activity procedures <byte value="xd"/>
to prevent or reduce the hazard to an acceptable level.</source>
        <translation>Usted no tiene medidas de control para prevnir la propagción de un riesgo identifacdo(%1).Es necesario que usted modifique su actividad para prevenir o reducir el riesgo a un nivel aceptable.</translation>
    </message>
    <message>
        <source>No Control Measures</source>
        <translation>No Medidas de Control</translation>
    </message>
    <message>
        <source>%1 is a Critical Control Point necessary to control the spread of %2.</source>
        <translation>Esta tarea (%1) es un Punto de Control Crítico.</translation>
    </message>
</context>
<context>
    <name>orvella::analysisdialogs::Dialog</name>
    <message>
        <source>Select any hazards that may potentially be transported during this task.</source>
        <translation>Seleccione cualquier riesgo que pueda ser potencialmente transportado durante esta tarea.</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Trabajo</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nada</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Devolverse</translation>
    </message>
</context>
<context>
    <name>orvella::analysisdialogs::frmCCP</name>
    <message>
        <source>CCP:</source>
        <translation>PCC</translation>
    </message>
    <message>
        <source>Identified Hazards:</source>
        <translation>Riesgos Identificados</translation>
    </message>
    <message>
        <source>What are the limits for the control measures?  (e.g. Rinse for at least 20 min / Dry for at least 5 days)</source>
        <translation>¿Cuales son los limites de las Medidas de Control?</translation>
    </message>
    <message>
        <source> Who is responsible for monitoring for hazards during this task?</source>
        <translation>¿Quien es responsable del monitoréo de los riesgos en esta tarea?</translation>
    </message>
    <message>
        <source> What is monitored during this task?</source>
        <translation>¿Qué se monitorea durante esta tarea?</translation>
    </message>
    <message>
        <source> How is it monitored?</source>
        <translation>¿Como es que se hace el monitoreo?</translation>
    </message>
    <message>
        <source> How often is it monitored?</source>
        <translation>¿Cada cuanto se hace este monitoreo?</translation>
    </message>
    <message>
        <source> What corrective actions can be taken if control limits cannot be reached during this task?</source>
        <translation>¿Si los límites de control no pueden se alconzados, qué acciones correctivas pueden ser realizadas?</translation>
    </message>
    <message>
        <source> List any supporting documentation that exists regarding this task and potnetial hazards.</source>
        <translation>Haga una lista de los documentos qué existen con respecto a esta tarea o sus posibles riesgos.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Devolverse</translation>
    </message>
</context>
<context>
    <name>orvella::analysisdialogs::frmGoBack</name>
    <message>
        <source>From this point you have three options: 1) you may go back to re-evaluate this task to see if it is a Critical Control Point, 2) you may go back further to start the Hazard Analysis again from scratch, or 3) you may decide not to go back and continue forward.</source>
        <translation>A partir de este punto usted tiene tres opciones: 1) usted puede regresarse para reevaluar esta tarea y ver si éste es un Punto de Control Crítico, 2) usted puede regresar más atrás para comenzar el Análisis de Riesgos de nuevo desde el principio, o 3) usted puede decidir no regresar y seguir adelante.</translation>
    </message>
</context>
</TS>
