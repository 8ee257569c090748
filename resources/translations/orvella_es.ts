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
    <message>
        <source>CCP record of %1 (%2)</source>
        <translation>Registro de PCC de %1 (%2)</translation>
    </message>
    <message>
        <source>These answers belong to a task or hazard that is no longer listed and will be removed:</source>
        <translation>Estas respuestas pertenecen a una tarea o riesgo que ya no está en la lista y se quitarán:</translation>
    </message>
    <message>
        <source>Remove them and update the analysis?</source>
        <translation>¿Quitarlas y actualizar el análisis?</translation>
    </message>
    <message>
        <source>Update the Analysis</source>
        <translation>Actualizar el Análisis</translation>
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
        <source> How and how often does someone check that the monitoring works? (verification)</source>
        <translation>¿Cómo y cada cuánto se verifica que el monitoreo funciona? (verificación)</translation>
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
<context>
    <name>Startup</name>
    <message>
        <source>This program requires Microsoft Word.</source>
        <translation>Este programa reuiere Microsoft Word.</translation>
    </message>
    <message>
        <source>MS Word Not Found</source>
        <translation>MS Word no se encontró.</translation>
    </message>
    <message>
        <source>Microsoft Word is required but was not Found.<byte value="xd"/>
The program cannot continue and will now terminate.</source>
        <translation>Se requiere Microsoft Word pero no se encontró.<byte value="xd"/>
El programa no puede continuar y se terminará ahora.</translation>
    </message>
    <message>
        <source>Word Undetected</source>
        <translation>MS Word no se encontró.</translation>
    </message>
</context>
<context>
    <name>orvella::mainwindow::TasksPage</name>
    <message>
        <source>Task # %1</source>
        <translation>Trabajo  %1</translation>
    </message>
</context>
<context>
    <name>SpanishCaptions</name>
    <message>
        <source>Step %1</source>
        <comment>TabStrip</comment>
        <translation>Paso %1</translation>
    </message>
    <message>
        <source>Facility (example: Corvane Nature Reserve)</source>
        <comment>Label2</comment>
        <translation>Instalación</translation>
    </message>
    <message>
        <source>Project Coordinator (example: Morgan Tessel)</source>
        <comment>Label3</comment>
        <translation>Coordinador del Proyecto</translation>
    </message>
    <message>
        <source>Site Manager </source>
        <comment>Label4</comment>
        <translation>Administrador del Lugar</translation>
    </message>
    <message>
        <source>Site (example: Refuge Wide, All Habitats)</source>
        <comment>Label5</comment>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>Address (example: 4120 Reserve Road)</source>
        <comment>Label6</comment>
        <translation>Dirección 1</translation>
    </message>
    <message>
        <source>Phone (example: 555 010-2000)</source>
        <comment>Label7</comment>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Activity (example: Fire Management Operations)</source>
        <comment>Label8</comment>
        <translation>Acitividad</translation>
    </message>
    <message>
        <source>Activity Description: The project description should be a narrative description that includes such information as who, what, when, where, how, and why. The description should offer a historical, working reference to facilitate communication with the facility staff and other resource management agency personnel. (Please describe the project concisely and completely)</source>
        <comment>Label9</comment>
        <translation>Descripción de la Actividad: La descripción del proyecto debe ser una descripción narrada que incluya información tal como quién, qué, cuándo, dónde, a dónde, cómo y por qué. La descripción debe ofrecer una referencia histórica, simple para facilitar la comunicación con el personal de la instalación y otro personal de agencias de administración de recursos. (Por favor describa el proyecto de manera concisa y completa).</translation>
    </message>
    <message>
        <source>City, State and Zip Code (example: Ashvale, TX 79999)</source>
        <comment>Label21</comment>
        <translation>Dirección 2</translation>
    </message>
    <message>
        <source>When you have entered the above information, you may move on to the next step.</source>
        <comment>lblWhen</comment>
        <translation>Cuando usted haya suministrado la información de arriba, usted puede continuar con el siguiente paso.</translation>
    </message>
    <message>
        <source>Submit &amp;&amp; Continue</source>
        <comment>cmdNext</comment>
        <translation>Paso Siguiente</translation>
    </message>
    <message>
        <source>As the second step you will need to list any potential hazards that may be associated with your activities.  Hazards are species that may be moved or introduced, causing ecological damage and furthering the spread of unwanted species to new habitats. They may include vertebrates, invertebrates, plants, or other biologics (e.g., diseases, pathogens, and parasites).</source>
        <comment>lblStep2</comment>
        <translation>Como segundo paso usted necesitará hacer una lista con todos los riesgos potenciales que puedan estar relacionados con sus actividades.  Riesgos son especies que pueden ser trasladadas o introducidas, causando daños ecológicos y promoviendo la propagación de especies indeseables a hábitats nuevos. Estos riesgos pueden incluir vertebrados, invertebrados, plantas y otros organismos biológicos (por ej., enfermedades, patógenos y parásitos).</translation>
    </message>
    <message>
        <source>Add Hazards to list one at a time</source>
        <comment>lblVerts</comment>
        <translation>Lista con Todos los Riesgos Potenciales</translation>
    </message>
    <message>
        <source>List of Potential Hazards</source>
        <comment>Label24</comment>
        <translation>Lista del Riegos</translation>
    </message>
    <message>
        <source>First, name a hazard (e.g. Giant Salvinia)...</source>
        <comment>Label26</comment>
        <translation>Primero, nombre un riesgo…</translation>
    </message>
    <message>
        <source>Second, indicate what kind of hazard it is...</source>
        <comment>Label27</comment>
        <translation>Segundo, indique qué tipo de riesgo es...</translation>
    </message>
    <message>
        <source>Vertebrate Hazard</source>
        <comment>optHazType(0)</comment>
        <translation>Vertebrados</translation>
    </message>
    <message>
        <source>Invertebrate Hazard</source>
        <comment>optHazType(1)</comment>
        <translation>Invertebrados</translation>
    </message>
    <message>
        <source>Plant Hazard</source>
        <comment>optHazType(2)</comment>
        <translation>Plantas</translation>
    </message>
    <message>
        <source>Other Biological Hazard</source>
        <comment>optHazType(3)</comment>
        <translation>Otros Organismos Biológicos</translation>
    </message>
    <message>
        <source>Other Hazard</source>
        <comment>optHazType(4)</comment>
        <translation>Otros Riesgos</translation>
    </message>
    <message>
        <source>Third, click this button to add the hazard to the list... </source>
        <comment>Label28</comment>
        <translation>Tercero, haga clic en el botón de abajo para agregar el riesgo a la lista... indique qué tipo de riesgo es...</translation>
    </message>
    <message>
        <source>Add to List</source>
        <comment>btnAddHazard</comment>
        <translation>Agregar a la Lista</translation>
    </message>
    <message>
        <source>Repeat for all possible hazards encountered during your activity.</source>
        <comment>Label29</comment>
        <translation>Repita para todos los riesgos posibles encontrados durante su actividad.</translation>
    </message>
    <message>
        <source>Remove From List</source>
        <comment>btnRemove</comment>
        <translation>Remover de la Lista</translation>
    </message>
    <message>
        <source>Once you have added all of the potential hazards to the list, you are ready to move on to Step 4</source>
        <comment>Label30</comment>
        <translation>Una vez que usted haya agregado todos los riesgos potenciales a la lista, usted está listo/a para continuar al Paso 4</translation>
    </message>
    <message>
        <source>Submit &amp;&amp; Continue</source>
        <comment>Command1</comment>
        <translation>Paso Siguiente</translation>
    </message>
    <message>
        <source>The third step is to provide a chronologically ordered list of tasks required to accomplish the activity you described in Step 1. This step provides essential information required to complete the remaining steps of the plan. Only a simple description of each task is needed. </source>
        <comment>lblStep3</comment>
        <translation>El tercer paso es suministrar una lista en orden cronológico de las tareas requeridas para llevar a cabo la actividad que usted describió en el Paso 1.  Este paso suministra información esencial requerida para completar los restantes pasos del plan.  Sólo se necesita una simple descripción de cada tarea.</translation>
    </message>
    <message>
        <source>Task 1</source>
        <comment>lblTask1</comment>
        <translation>Tarea 1</translation>
    </message>
    <message>
        <source>Task 2</source>
        <comment>Label11</comment>
        <translation>Tarea 2</translation>
    </message>
    <message>
        <source>Task 3</source>
        <comment>Label12</comment>
        <translation>Tarea 3</translation>
    </message>
    <message>
        <source>Task 4</source>
        <comment>Label13</comment>
        <translation>Tarea 4</translation>
    </message>
    <message>
        <source>Task 5</source>
        <comment>Label14</comment>
        <translation>Tarea 5</translation>
    </message>
    <message>
        <source>Task 6</source>
        <comment>Label15</comment>
        <translation>Tarea 6</translation>
    </message>
    <message>
        <source>Task 7</source>
        <comment>Label16</comment>
        <translation>Tarea 7</translation>
    </message>
    <message>
        <source>Task 8</source>
        <comment>Label17</comment>
        <translation>Tarea 8</translation>
    </message>
    <message>
        <source>Task 9</source>
        <comment>Label18</comment>
        <translation>Tarea 9</translation>
    </message>
    <message>
        <source>Task 10</source>
        <comment>Label19</comment>
        <translation>Tarea 10</translation>
    </message>
    <message>
        <source>Note: If you have more than ten tasks, then you should re-evaluate your activity.  It is likely too complex for a single HACCP plan.  Try breaking your activity up into sub-activities.  Each sub-activity will require its own HACCP plan.</source>
        <comment>Label20</comment>
        <translation>Nota: Si usted tiene más de diez tareas, entonces usted debe reevaluar su actividad.  Es posible que sea muy complicada para sólo un plan HACCP. Trate de dividir su actividad en subactividades.  Cada subactividad requerirá su propio plan HACCP.</translation>
    </message>
    <message>
        <source>Submit &amp;&amp; Continue</source>
        <comment>btnNext3</comment>
        <translation>Paso Siguiente</translation>
    </message>
    <message>
        <source>Now is a good time to save what you have done so far. </source>
        <comment>Label25</comment>
        <translation>Asegúrese de guardar ahora...</translation>
    </message>
    <message>
        <source>You are now ready to evaluate the tasks that you listed in the previous step.  After you click the button below, you will be asked a series of questions that will determine if your tasks contain any critical control points.  If you quit the application before completing all of the questions, you will have to start again from the beginning, unless you have saved your progress.  If you have saved your progress, you will be able to start over later from this point.  Be sure to save now and then click the button below to continue.</source>
        <comment>Label22</comment>
        <translation>Usted está ahora listo/a para evaluar los tareas que usted puso en la lista del paso anterior.  Luego de que usted haga un clic en el botón de abajo, a usted se le harán una serie de preguntas que determinarán si sus tareas contienen algún punto de control crítico.  Si usted se sale del programa antes de completar todas las preguntas, usted tendrá que comenzar de nuevo desde el principio, a menos que usted haya guardado su progreso. Si usted ha guardado su progreso, usted podrá recomenzar luego desde este punto.  Asegúrese de guardar ahora y después haga un clic en el botón de abajo para continuar.</translation>
    </message>
    <message>
        <source>Start Hazard Analysis</source>
        <comment>cmdEvalTasks</comment>
        <translation>Comenzar Análisis de Riegos</translation>
    </message>
    <message>
        <source>Skip to Next Step</source>
        <comment>cmdSkip</comment>
        <translation>Salto al Paso Siguiente</translation>
    </message>
    <message>
        <source>Please provide a simple title for the HACCP plan (e.g., Fire Management Operations HACCP Plan)</source>
        <comment>lblTitle</comment>
        <translation>Por favor suministre un título sencillo para el plan HACCP (por ej., Plan HACCP de Operaciones de Manejo de Fuegos).</translation>
    </message>
    <message>
        <source>Create HACCP Plan as an MS Word Document</source>
        <comment>cmdDone</comment>
        <translation>Crear Plan HACCP como un Documento MS Word. </translation>
    </message>
</context>
<context>
    <name>PlanDocument</name>
    <message>
        <source>HACCP Step 1 - Activity Description</source>
        <translation>HACCP Paso 1 - Descripción de la Actividad</translation>
    </message>
    <message>
        <source>Facility: </source>
        <translation>Instalación: </translation>
    </message>
    <message>
        <source>Site: </source>
        <translation>Lugar: </translation>
    </message>
    <message>
        <source>Project Coordinator: </source>
        <translation>Coordinador del Proyecto: </translation>
    </message>
    <message>
        <source>Site Manager: </source>
        <translation>Administrador del Lugar: </translation>
    </message>
    <message>
        <source>Address: </source>
        <translation>Dirección: </translation>
    </message>
    <message>
        <source>Phone: </source>
        <translation>Teléfono: </translation>
    </message>
    <message>
        <source>Project Description: </source>
        <translation>Descripción del Proyecto: </translation>
    </message>
    <message>
        <source>Project Description
(Who, What, Where, When, How &amp; Why)</source>
        <translation>Descripción del Proyecto: 
(Quién, Qué, Dónde, Cuándo, Cómo &amp; Por Qué)</translation>
    </message>
    <message>
        <source>HACCP Step 2 - Potential Hazard Identification</source>
        <translation>HACCP Paso 2 - Identificación de Riesgos Potenciales</translation>
    </message>
    <message>
        <source>Vertebrates:</source>
        <translation>Vertebrados:</translation>
    </message>
    <message>
        <source>Invertebrates:</source>
        <translation>Invertebrados:</translation>
    </message>
    <message>
        <source>Plants:</source>
        <translation>Plantas:</translation>
    </message>
    <message>
        <source>Other Biologics:</source>
        <translation>Otros Organismos Biológicos:</translation>
    </message>
    <message>
        <source>Others:</source>
        <translation>Otros (ej. materiales de construcción, etc.):</translation>
    </message>
    <message>
        <source>HACCP Step 3 - Flow Diagram</source>
        <translation>HACCP Paso 3 - Diagrama de Flujo</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Trabajo</translation>
    </message>
    <message>
        <source>Hazard</source>
        <translation>Riesgo</translation>
    </message>
    <message>
        <source>Probable?</source>
        <translation>¿Probable?</translation>
    </message>
    <message>
        <source>Justification</source>
        <translation>Justificación</translation>
    </message>
    <message>
        <source>Control Measures</source>
        <translation>Medidas de Control</translation>
    </message>
    <message>
        <source>CCP?</source>
        <translation>¿Punto de Control Crítico?</translation>
    </message>
    <message>
        <source>HACCP Step 4 - Hazard Analysis</source>
        <translation>HACCP Paso 4 - Hoja para Análisis de Riesgos</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>HACCP Step 5 - HACCP Plan</source>
        <translation>HACCP Paso 5 - Formulario del Plan HACCP</translation>
    </message>
    <message>
        <source>Critical Control Point #%1: 
%2</source>
        <translation>Punto Crítico de Control #%1: %2
</translation>
    </message>
    <message>
        <source>Significant Hazards: 
</source>
        <translation>Riesgo(s) Significativo(s): </translation>
    </message>
    <message>
        <source>Control Measures: </source>
        <translation>Medida de Control: </translation>
    </message>
    <message>
        <source>Limits for Control Measures: </source>
        <translation>Límites para cada Medida de Control: </translation>
    </message>
    <message>
        <source>Monitoring: What? </source>
        <translation>Control - Qué: </translation>
    </message>
    <message>
        <source>Monitoring: How? </source>
        <translation>Control - Cómo: </translation>
    </message>
    <message>
        <source>Monitoring: Frequency? </source>
        <translation>Control - Frecuencia: </translation>
    </message>
    <message>
        <source>Monitoring: Who? </source>
        <translation>Control - Quién: </translation>
    </message>
    <message>
        <source>Evaluation &amp; Corrective Actions: </source>
        <translation>Evaluación &amp; Acción(es) Correctiva(s): </translation>
    </message>
    <message>
        <source>Supporting Documentation: </source>
        <translation>Documentación de Apoyo (si la hay): </translation>
    </message>
    <message>
        <source>Activity: </source>
        <translation>Actividad: </translation>
    </message>
    <message>
        <source>Signature: </source>
        <translation>Firma: </translation>
    </message>
    <message>
        <source>Date: </source>
        <translation>Fecha: </translation>
    </message>
    <message>
        <source>HACCP Checklist: </source>
        <translation>Lista de verificación: </translation>
    </message>
    <message>
        <source>CCP Decision Record</source>
        <translation>Registro de Decisiones PCC</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Veredicto</translation>
    </message>
    <message>
        <source>not recorded</source>
        <translation>no registrado</translation>
    </message>
    <message>
        <source>CCP #%1</source>
        <translation>PCC #%1</translation>
    </message>
    <message>
        <source>Not a CCP</source>
        <translation>No es un PCC</translation>
    </message>
    <message>
        <source>No control measures: the activity must change</source>
        <translation>Sin medidas de control: la actividad debe cambiar</translation>
    </message>
    <message>
        <source>Contains example answers not yet reviewed for this site</source>
        <translation>Contiene respuestas de ejemplo aún no revisadas para este lugar</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Orvella Help</source>
        <translation>Ayuda de Orvella</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Type words to find…</source>
        <translation>Escriba palabras para buscar…</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Start page</source>
        <translation>Página inicial</translation>
    </message>
    <message>
        <source>Guide language:</source>
        <translation>Idioma de la guía:</translation>
    </message>
    <message>
        <source>No page contains all of these words.</source>
        <translation>Ninguna página contiene todas estas palabras.</translation>
    </message>
    <message>
        <source>1 page found.</source>
        <translation>1 página encontrada.</translation>
    </message>
    <message>
        <source>%1 pages found.</source>
        <translation>%1 páginas encontradas.</translation>
    </message>
    <message>
        <source>Words you type are looked up in every page of the guide.</source>
        <translation>Las palabras que escriba se buscan en todas las páginas de la guía.</translation>
    </message>
    <message>
        <source>Guide navigation</source>
        <translation>Navegación de la guía</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Página de ayuda</translation>
    </message>
    <message>
        <source>Pages found</source>
        <translation>Páginas encontradas</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>Orvella was closed without saving %1 (%2). Recover the unsaved plan?</source>
        <translation>Orvella se cerró sin guardar %1 (%2). ¿Recuperar el plan no guardado?</translation>
    </message>
    <message>
        <source>the new plan</source>
        <translation>el plan nuevo</translation>
    </message>
    <message>
        <source>A recovery copy of an unsaved plan could not be read and has been deleted: %1</source>
        <translation>No se pudo leer una copia de recuperación de un plan no guardado y se ha borrado: %1</translation>
    </message>
</context>
<context>
    <name>Gaps</name>
    <message>
        <source>The activity has no name or no description.</source>
        <translation>La actividad no tiene nombre o no tiene descripción.</translation>
    </message>
    <message>
        <source>No potential hazards are listed.</source>
        <translation>No hay riesgos potenciales en la lista.</translation>
    </message>
    <message>
        <source>No tasks are listed.</source>
        <translation>No hay tareas en la lista.</translation>
    </message>
    <message>
        <source>The hazard analysis has not been run to its end.</source>
        <translation>El análisis de riesgos no se ha completado.</translation>
    </message>
    <message>
        <source>%1 is probable but has no justification.</source>
        <translation>%1 es probable pero no tiene justificación.</translation>
    </message>
    <message>
        <source>%1 is probable but has no control measures.</source>
        <translation>%1 es probable pero no tiene medidas de control.</translation>
    </message>
    <message>
        <source>CCP #%1 is for a hazard that is no longer listed (%2).</source>
        <translation>El PCC #%1 es para un riesgo que ya no está en la lista (%2).</translation>
    </message>
    <message>
        <source>critical limits</source>
        <translation>límites críticos</translation>
    </message>
    <message>
        <source>what is monitored</source>
        <translation>qué se vigila</translation>
    </message>
    <message>
        <source>how it is monitored</source>
        <translation>cómo se vigila</translation>
    </message>
    <message>
        <source>monitoring frequency</source>
        <translation>frecuencia de vigilancia</translation>
    </message>
    <message>
        <source>who monitors</source>
        <translation>quién vigila</translation>
    </message>
    <message>
        <source>corrective action</source>
        <translation>acción correctiva</translation>
    </message>
    <message>
        <source>supporting documents</source>
        <translation>documentos de apoyo</translation>
    </message>
    <message>
        <source>CCP #%1 has no %2.</source>
        <translation>Al PCC #%1 le falta: %2.</translation>
    </message>
    <message>
        <source>Before you create the plan document</source>
        <translation>Antes de crear el documento del plan</translation>
    </message>
    <message>
        <source>The plan is complete: every step has what the document needs.</source>
        <translation>El plan está completo: cada paso tiene lo que el documento necesita.</translation>
    </message>
    <message>
        <source>Step %1:</source>
        <translation>Paso %1:</translation>
    </message>
    <message>
        <source>%1 has no answers yet for: %2. Update the analysis.</source>
        <translation>%1 aún no tiene respuestas para: %2. Actualice el análisis.</translation>
    </message>
    <message>
        <source>%1 is no longer listed but still answered in %2: update the analysis.</source>
        <translation>%1 ya no está en la lista pero aún tiene respuestas en %2: actualice el análisis.</translation>
    </message>
    <message>
        <source>A CCP record belongs to no task and hazard of the plan (%1; %2): update the analysis to remove it.</source>
        <translation>Un registro de PCC no pertenece a ninguna tarea y riesgo del plan (%1; %2): actualice el análisis para quitarlo.</translation>
    </message>
    <message>
        <source>facility</source>
        <translation>instalación</translation>
    </message>
    <message>
        <source>site</source>
        <translation>lugar</translation>
    </message>
    <message>
        <source>project coordinator</source>
        <translation>coordinador del proyecto</translation>
    </message>
    <message>
        <source>site manager</source>
        <translation>administrador del lugar</translation>
    </message>
    <message>
        <source>address</source>
        <translation>dirección</translation>
    </message>
    <message>
        <source>phone</source>
        <translation>teléfono</translation>
    </message>
    <message>
        <source>The plan names no %1 yet.</source>
        <translation>El plan aún no indica %1.</translation>
    </message>
    <message>
        <source>Example answers not yet reviewed for this site (%1 of %2 task hazards): confirm or edit them in Review the Analysis.</source>
        <translation>Respuestas de ejemplo aún no revisadas para este lugar (%1 de %2 riesgos de trabajo): confírmelas o edítelas en Revisar el Análisis.</translation>
    </message>
</context>
<context>
    <name>orvella::analysisdialogs::frmPairEdit</name>
    <message>
        <source>Edit the Answers</source>
        <translation>Editar las Respuestas</translation>
    </message>
    <message>
        <source>Hazard: %1</source>
        <translation>Riesgo: %1</translation>
    </message>
    <message>
        <source>Is this hazard probable during this task?</source>
        <translation>¿Es probable este riesgo durante esta tarea?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Justification:</source>
        <translation>Justificación:</translation>
    </message>
    <message>
        <source>Control measures:</source>
        <translation>Medidas de control:</translation>
    </message>
    <message>
        <source>Critical control point decision</source>
        <translation>Decisión de punto de control crítico</translation>
    </message>
    <message>
        <source>Critical control point</source>
        <translation>Punto de control crítico</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The answers to these questions were not recorded.</source>
        <translation>Las respuestas a estas preguntas no se registraron.</translation>
    </message>
    <message>
        <source>This is a critical control point.</source>
        <translation>Es un punto de control crítico.</translation>
    </message>
    <message>
        <source>This is not a critical control point.</source>
        <translation>No es un punto de control crítico.</translation>
    </message>
    <message>
        <source>There are no control measures for this hazard: the activity must change to prevent it or reduce it to an acceptable level.</source>
        <translation>No hay medidas de control para este riesgo: la actividad debe cambiar para prevenirlo o reducirlo a un nivel aceptable.</translation>
    </message>
    <message>
        <source>Answer the question shown to reach a decision.</source>
        <translation>Conteste la pregunta que se muestra para llegar a una decisión.</translation>
    </message>
    <message>
        <source>This pair will no longer be a critical control point: its limits, monitoring and corrective action will be removed.</source>
        <translation>Este par dejará de ser un punto de control crítico: se eliminarán sus límites, su monitoreo y su acción correctiva.</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Respuestas</translation>
    </message>
</context>
<context>
    <name>orvella::mainwindow::ReviewTableModel</name>
    <message>
        <source>hazard no longer listed</source>
        <translation>el riesgo ya no está en la lista</translation>
    </message>
    <message>
        <source>justification</source>
        <translation>justificación</translation>
    </message>
    <message>
        <source>control measures</source>
        <translation>medidas de control</translation>
    </message>
    <message>
        <source>Missing: %1</source>
        <translation>Falta: %1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>not recorded</source>
        <translation>no registrado</translation>
    </message>
    <message>
        <source>yes, no record</source>
        <translation>sí, sin registro</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Revisión</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Tarea</translation>
    </message>
    <message>
        <source>Hazard</source>
        <translation>Riesgo</translation>
    </message>
    <message>
        <source>Probable</source>
        <translation>Probable</translation>
    </message>
    <message>
        <source>Justification</source>
        <translation>Justificación</translation>
    </message>
    <message>
        <source>Control measures</source>
        <translation>Medidas de control</translation>
    </message>
    <message>
        <source>Decision path</source>
        <translation>Camino de decisión</translation>
    </message>
    <message>
        <source>CCP</source>
        <translation>PCC</translation>
    </message>
    <message>
        <source>Critical limits</source>
        <translation>Límites críticos</translation>
    </message>
    <message>
        <source>Corrective action</source>
        <translation>Acción correctiva</translation>
    </message>
    <message>
        <source>Example, not reviewed yet</source>
        <translation>Ejemplo, aún sin revisar</translation>
    </message>
</context>
<context>
    <name>orvella::mainwindow::ReviewWindow</name>
    <message>
        <source>Analysis review</source>
        <translation>Revisión del análisis</translation>
    </message>
    <message>
        <source>Double-click a row, or select it and press Enter, to edit its answers. Rows marked &quot;Missing&quot; lack an answer the plan needs.</source>
        <translation>Haga doble clic en una fila, o selecciónela y pulse Intro, para editar sus respuestas. Las filas marcadas «Falta» no tienen una respuesta que el plan necesita.</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Editar...</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Mark Reviewed</source>
        <translation>Marcar revisado</translation>
    </message>
    <message>
        <source>Confirm the example answers of the selected pair for this site as they stand</source>
        <translation>Confirmar para este lugar las respuestas de ejemplo del par seleccionado tal como están</translation>
    </message>
    <message>
        <source>Task hazards</source>
        <translation>Riesgos por tarea</translation>
    </message>
</context>
<context>
    <name>ReviewCommands</name>
    <message>
        <source>Edit %1: %2</source>
        <translation>Editar %1: %2</translation>
    </message>
    <message>
        <source>Update the Analysis</source>
        <translation>Actualizar el Análisis</translation>
    </message>
</context>
<context>
    <name>orvella::mainwindow::AnalysisPage</name>
    <message>
        <source>Review the Analysis...</source>
        <translation>Revisar el Análisis...</translation>
    </message>
    <message>
        <source>Update the Analysis</source>
        <translation>Actualizar el Análisis</translation>
    </message>
    <message>
        <source>1 new task and hazard pair to answer</source>
        <translation>1 par nuevo de tarea y riesgo por responder</translation>
    </message>
    <message>
        <source>%1 new task and hazard pairs to answer</source>
        <translation>%1 pares nuevos de tarea y riesgo por responder</translation>
    </message>
    <message>
        <source>1 pair removed</source>
        <translation>1 par eliminado</translation>
    </message>
    <message>
        <source>%1 pairs removed</source>
        <translation>%1 pares eliminados</translation>
    </message>
</context>
<context>
    <name>orvella::mainwindow::frmMain</name>
    <message>
        <source>New from Starter Plan...</source>
        <translation>Nuevo desde Plan Modelo...</translation>
    </message>
</context>
<context>
    <name>orvella::mainwindow::StarterChooser</name>
    <message>
        <source>New from Starter Plan</source>
        <translation>Nuevo desde Plan Modelo</translation>
    </message>
    <message>
        <source>Starter plans</source>
        <translation>Planes modelo</translation>
    </message>
    <message>
        <source>Each starter plan is a complete example for common field work. Its answers are examples, not yet reviewed for your site: fill in step 1, then confirm or edit every answer in Review the Analysis.</source>
        <translation>Cada plan modelo es un ejemplo completo para un trabajo de campo habitual. Sus respuestas son ejemplos aún no revisados para su lugar: complete el paso 1 y después confirme o edite cada respuesta en Revisar el Análisis.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Gaps</name>
    <message>
        <source>The plan has not been approved.</source>
        <translation>El plan no ha sido aprobado.</translation>
    </message>
    <message>
        <source>Version %1 was approved on %2; the plan has changed since.</source>
        <translation>La versión %1 fue aprobada el %2; el plan ha cambiado desde entonces.</translation>
    </message>
    <message>
        <source>Version %1 was approved on %2.</source>
        <translation>La versión %1 fue aprobada el %2.</translation>
    </message>
    <message>
        <source>CCP #%1 has no verification.</source>
        <translation>El PCC #%1 no tiene verificación.</translation>
    </message>
    <message>
        <source>The plan was due for review on %1.</source>
        <translation>El plan debía revisarse el %1.</translation>
    </message>
</context>
<context>
    <name>PlanDocument</name>
    <message>
        <source>Plan Approval and Revisions</source>
        <translation>Aprobación y Revisiones del Plan</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Versión: </translation>
    </message>
    <message>
        <source>Planning Team</source>
        <translation>Equipo de Planificación</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>Firmas</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Job Title</source>
        <translation>Cargo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Prepared by</source>
        <translation>Preparado por</translation>
    </message>
    <message>
        <source>Reviewed by</source>
        <translation>Revisado por</translation>
    </message>
    <message>
        <source>Approved by</source>
        <translation>Aprobado por</translation>
    </message>
    <message>
        <source>Revision History</source>
        <translation>Historial de Revisiones</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>Revisión</translation>
    </message>
    <message>
        <source>What changed</source>
        <translation>Qué cambió</translation>
    </message>
    <message>
        <source>By</source>
        <translation>Por</translation>
    </message>
    <message>
        <source>Next review: </source>
        <translation>Próxima revisión: </translation>
    </message>
    <message>
        <source>DRAFT, not approved</source>
        <translation>BORRADOR, no aprobado</translation>
    </message>
    <message>
        <source>Verification: </source>
        <translation>Verificación: </translation>
    </message>
    <message>
        <source>Record Sheet: CCP #%1</source>
        <translation>Hoja de Registro: PCC #%1</translation>
    </message>
    <message>
        <source>Task: </source>
        <translation>Tarea: </translation>
    </message>
    <message>
        <source>Hazard: </source>
        <translation>Riesgo: </translation>
    </message>
    <message>
        <source>Critical limits: </source>
        <translation>Límites críticos: </translation>
    </message>
    <message>
        <source>What is monitored: </source>
        <translation>Qué se monitorea: </translation>
    </message>
    <message>
        <source>How, and how often: </source>
        <translation>Cómo, y cada cuánto: </translation>
    </message>
    <message>
        <source>Who monitors: </source>
        <translation>Quién monitorea: </translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Observation</source>
        <translation>Observación</translation>
    </message>
    <message>
        <source>Within limits? (yes/no)</source>
        <translation>¿Dentro de los límites? (sí/no)</translation>
    </message>
    <message>
        <source>Corrective action taken</source>
        <translation>Acción correctiva tomada</translation>
    </message>
    <message>
        <source>Initials</source>
        <translation>Iniciales</translation>
    </message>
</context>
<context>
    <name>orvella::mainwindow::PlanFormPage</name>
    <message>
        <source>Plan Approval...</source>
        <translation>Aprobación del Plan...</translation>
    </message>
    <message>
        <source>Add blank record sheets for the crew</source>
        <translation>Añadir hojas de registro en blanco</translation>
    </message>
</context>
<context>
    <name>orvella::mainwindow::frmApproval</name>
    <message>
        <source>Plan Approval</source>
        <translation>Aprobación del Plan</translation>
    </message>
    <message>
        <source>Plan version:</source>
        <translation>Versión del plan:</translation>
    </message>
    <message>
        <source>Planning team</source>
        <translation>Equipo de planificación</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Job title</source>
        <translation>Cargo</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>Firmas</translation>
    </message>
    <message>
        <source>Date signed (YYYY-MM-DD)</source>
        <translation>Fecha de firma (AAAA-MM-DD)</translation>
    </message>
    <message>
        <source>Prepared by</source>
        <translation>Preparado por</translation>
    </message>
    <message>
        <source>Reviewed by</source>
        <translation>Revisado por</translation>
    </message>
    <message>
        <source>Approved by</source>
        <translation>Aprobado por</translation>
    </message>
    <message>
        <source>Entering the approver&apos;s date approves the plan as it now stands; any later change makes it a draft again.</source>
        <translation>Al escribir la fecha del aprobador se aprueba el plan tal como está; cualquier cambio posterior lo vuelve a dejar como borrador.</translation>
    </message>
    <message>
        <source>Revision history</source>
        <translation>Historial de revisiones</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>Revisión</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>What changed</source>
        <translation>Qué cambió</translation>
    </message>
    <message>
        <source>By</source>
        <translation>Por</translation>
    </message>
    <message>
        <source>What changes in the new revision</source>
        <translation>Qué cambia en la nueva revisión</translation>
    </message>
    <message>
        <source>Start Revision</source>
        <translation>Iniciar Revisión</translation>
    </message>
    <message>
        <source>one year after approval</source>
        <translation>un año después de la aprobación</translation>
    </message>
    <message>
        <source>Next review (YYYY-MM-DD):</source>
        <translation>Próxima revisión (AAAA-MM-DD):</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>StarterPlans</name>
    <message>
        <source>Launching and retrieving boats and trailers</source>
        <translation>Botar y recuperar embarcaciones y remolques</translation>
    </message>
    <message>
        <source>Stream survey by wading and electrofishing</source>
        <translation>Muestreo de ríos vadeando y con pesca eléctrica</translation>
    </message>
    <message>
        <source>Heavy equipment on a road, culvert or stream crossing job</source>
        <translation>Maquinaria pesada en obras de caminos, alcantarillas o pasos de río</translation>
    </message>
    <message>
        <source>Wildland or prescribed fire: engines, pumps, water drafting, tools</source>
        <translation>Incendios forestales o quemas prescritas: autobombas, bombas, aspiración de agua, herramientas</translation>
    </message>
    <message>
        <source>Stocking fish from a hatchery truck</source>
        <translation>Repoblación de peces desde un camión de piscifactoría</translation>
    </message>
    <message>
        <source>Planting and seeding for restoration: nursery stock, seed, mulch, soil</source>
        <translation>Plantación y siembra de restauración: planta de vivero, semilla, acolchado, tierra</translation>
    </message>
</context>
<context>
    <name>orvella::mainwindow::frmMain</name>
    <message>
        <source>Steps</source>
        <translation>Pasos</translation>
    </message>
    <message>
        <source>complete</source>
        <translation>completo</translation>
    </message>
</context>
<context>
    <name>orvella::mainwindow::HazardsPage</name>
    <message>
        <source>Potential hazards</source>
        <translation>Riesgos potenciales</translation>
    </message>
</context>
<context>
    <name>orvella::mainwindow::frmSplash</name>
    <message>
        <source>Orvella logo</source>
        <translation>Logotipo de Orvella</translation>
    </message>
</context>
<context>
    <name>orvella::mainwindow::frmAbout</name>
    <message>
        <source>Orvella logo</source>
        <translation>Logotipo de Orvella</translation>
    </message>
</context>
<context>
    <name>orvella::mainwindow::frmApproval</name>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date: write it as YYYY-MM-DD.</source>
        <translation>&quot;%1&quot; no es una fecha: escríbala como AAAA-MM-DD.</translation>
    </message>
</context>
</TS>
