# Texts of the starter plans, English and Spanish side by side. Each pair of a task:
# (hazard index, justification, verdict, control measures, CCP details) where the verdict is
# '-' not probable, 'C' a CCP, 'L' controlled by a later step, 'N' cannot grow to a harm here.
# The sources behind the limits are listed in resources/starters/SOURCES.md.

ZEBRA = ('Invertebrate', ('Zebra mussel (Dreissena polymorpha)', 'Mejillón cebra (Dreissena polymorpha)'))
QUAGGA = ('Invertebrate', ('Quagga mussel (Dreissena bugensis)', 'Mejillón quagga (Dreissena bugensis)'))
HYDRILLA = ('Plant', ('Hydrilla (Hydrilla verticillata)', 'Hidrilla (Hydrilla verticillata)'))
BILGE = ('Other', ('Bilge and live-well water', 'Agua de sentina y de vivero'))
TRAILER_PLANTS = ('Other', ('Aquatic plants caught on boat trailers', 'Plantas acuáticas enganchadas en remolques'))
MUDSNAIL = ('Invertebrate', ('New Zealand mudsnail (Potamopyrgus antipodarum)', 'New Zealand mudsnail (Potamopyrgus antipodarum)'))
DIDYMO = ('Other Biologic', ('Didymo (Didymosphenia geminata)', 'Didymo (Didymosphenia geminata)'))
WHIRLING = ('Other Biologic', ('Whirling disease parasite (Myxobolus cerebralis)', 'Whirling disease parasite (Myxobolus cerebralis)'))
CHYTRID = ('Other Biologic', ('Amphibian chytrid fungus (Batrachochytrium dendrobatidis)', 'Amphibian chytrid fungus (Batrachochytrium dendrobatidis)'))
WADERS = ('Other', ('Waders and felt-soled boots', 'Vadeadores y botas con suela de fieltro'))
MUD = ('Other', ('Seed-laden mud', 'Barro con semillas'))
TRACKS = ('Other', ('Tracks and undercarriage of heavy equipment', 'Orugas y bajos de maquinaria pesada'))
KNOTWEED = ('Plant', ('Japanese knotweed (Reynoutria japonica)', 'Japanese knotweed (Reynoutria japonica)'))
SPURGE = ('Plant', ('Leafy spurge (Euphorbia esula)', 'Leafy spurge (Euphorbia esula)'))
CHEATGRASS = ('Plant', ('Cheatgrass (Bromus tectorum)', 'Cheatgrass (Bromus tectorum)'))
FILL = ('Other', ('Fill dirt and gravel', 'Tierra de relleno y grava'))
HOSES = ('Other', ('Fire hoses, pumps and water buckets', 'Mangueras, bombas y cubos de agua contra incendios'))
VHS = ('Other Biologic', ('Viral haemorrhagic septicaemia virus (Piscine novirhabdovirus)', 'Virus de la septicemia hemorrágica viral (Piscine novirhabdovirus)'))
BAIT = ('Other', ('Live bait and bait-bucket water', 'Cebo vivo y agua del balde de cebo'))
SPOTTED = ('Plant', ('Spotted knapweed (Centaurea stoebe)', 'Spotted knapweed (Centaurea stoebe)'))
NURSERY = ('Other', ('Nursery stock and potting soil', 'Plantas de vivero y sustrato'))
MULCH = ('Other', ('Mulch and wood chips', 'Mantillo y astillas de madera'))
HAY = ('Other', ('Hay and straw', 'Heno y paja'))
PHYTO = ('Other Biologic', ('Sudden oak death (Phytophthora ramorum)', 'Muerte súbita del roble (Phytophthora ramorum)'))
FIREANT = ('Invertebrate', ('Red imported fire ant (Solenopsis invicta)', 'Hormiga roja de fuego (Solenopsis invicta)'))

def T(en, es):
    return (en, es)

PLANS = {}

# ---------------------------------------------------------------------------------------------
PLANS['boat-launch'] = dict(
    title=T('Launching and Retrieving Boats and Trailers HACCP Plan',
            'Plan HACCP para botar y recuperar embarcaciones y remolques'),
    activity=T('Launching, operating and retrieving a work boat on a trailer',
               'Botar, usar y recuperar una embarcación de trabajo con remolque'),
    description=T(
        'A crew of two tows an outboard work boat on a trailer to a public ramp, launches it, works on the water for the day and retrieves it.\r\n'
        'The boat may have been used on another water in the last 30 days. Mussels, plant fragments and water held in the hull, motor, live well or bilge can carry organisms from one water to the next.\r\n'
        'Fill in the site fields and check every answer against the waters you actually use.',
        'Un equipo de dos personas remolca una embarcación de trabajo con motor fuera de borda hasta una rampa pública, la bota, trabaja en el agua durante el día y la recupera.\r\n'
        'La embarcación puede haberse usado en otra masa de agua en los últimos 30 días. Los mejillones, los fragmentos de plantas y el agua retenida en el casco, el motor, el vivero o la sentina pueden llevar organismos de un agua a otra.\r\n'
        'Complete los datos del lugar y compruebe cada respuesta con las aguas que usa realmente.'),
    hazards=[ZEBRA, QUAGGA, HYDRILLA, BILGE, TRAILER_PLANTS],
    tasks=[
        (T('Inspect boat, motor and trailer at the yard before towing',
           'Inspeccionar embarcación, motor y remolque en la base antes de remolcar'), [
            (0, T('Adult mussels attach to hulls, trim tabs, transducers and trailer bunks and survive out of water for days in cool, humid weather.',
                  'Los mejillones adultos se fijan a cascos, flaps, transductores y patines del remolque y sobreviven fuera del agua varios días con tiempo fresco y húmedo.'),
             'C', T('Inspect hull, motor, trailer and all compartments by sight and touch; hot-water wash any boat that fails or was in mussel water in the last 30 days',
                    'Inspeccionar a la vista y al tacto casco, motor, remolque y todos los compartimentos; lavar con agua caliente toda embarcación que no pase o que haya estado en aguas con mejillones en los últimos 30 días'),
             [T('No attached mussels, no rough "sandpaper" feel on hull or bunks, no standing water; decontamination with water of at least 140 °F (60 °C) at the surface, 120 °F (49 °C) flushed through the motor',
                'Ningún mejillón adherido, ningún tacto áspero «de lija» en casco o patines, nada de agua estancada; descontaminación con agua de al menos 60 °C (140 °F) en la superficie y 49 °C (120 °F) por el motor'),
              T('Hull, transom, trim tabs, transducer, motor lower unit, trailer bunks and rollers, bilge, live well',
                'Casco, espejo de popa, flaps, transductor, pie del motor, patines y rodillos del remolque, sentina, vivero'),
              T('Walk-around by sight and hand with a flashlight; thermometer at the wand tip during any wash',
                'Recorrido a la vista y al tacto con linterna; termómetro en la punta de la lanza durante el lavado'),
              T('Every time the boat leaves the yard', 'Cada vez que la embarcación sale de la base'),
              T('Boat operator; a trained inspector for boats from mussel water',
                'Patrón de la embarcación; un inspector formado para embarcaciones de aguas con mejillones'),
              T('Do not tow; hot-water decontaminate, or hold the boat dry for 30 days, then inspect again',
                'No remolcar; descontaminar con agua caliente o mantener la embarcación en seco 30 días, y volver a inspeccionar'),
              T('Watercraft inspection log; decontamination record with water temperature',
                'Registro de inspección de embarcaciones; registro de descontaminación con la temperatura del agua')]),
            (1, T('Quagga mussels attach as zebra mussels do and also settle in deeper, cooler water; the same places on the boat hold them.',
                  'El mejillón quagga se fija igual que el mejillón cebra y también en aguas más profundas y frías; los mismos puntos de la embarcación lo retienen.'),
             'L', T('Same inspection and hot-water wash as for zebra mussels',
                    'La misma inspección y lavado con agua caliente que para el mejillón cebra'), None),
            (2, T('Hydrilla regrows from a single fragment with one whorl; fragments wrap around the propeller and trailer axle.',
                  'La hidrilla rebrota de un solo fragmento con un verticilo; los fragmentos se enrollan en la hélice y el eje del remolque.'),
             'L', T('Pull off all plant material by hand and bin it away from the water',
                    'Retirar a mano todo el material vegetal y tirarlo a un contenedor lejos del agua'), None),
            (4, T('Plants left on bunks, rollers and the winch strap dry slowly and stay viable for days.',
                  'Las plantas que quedan en patines, rodillos y cinta del cabrestante se secan despacio y siguen viables durante días.'),
             'L', T('Remove and bin all plants from trailer and boat before towing',
                    'Retirar y tirar al contenedor todas las plantas del remolque y la embarcación antes de remolcar'), None),
        ]),
        (T('Launch the boat at the ramp', 'Botar la embarcación en la rampa'), [
            (0, T('The boat was inspected and passed before it left the yard; nothing attached is added at the ramp.',
                  'La embarcación se inspeccionó y aprobó antes de salir de la base; en la rampa no se añade nada adherido.'),
             '-', None, None),
            (3, T('Water carried from the last water in the bilge, live well or motor would be released at launch.',
                  'El agua traída de la última masa de agua en la sentina, el vivero o el motor se liberaría al botar.'),
             'N', T('Confirm all drain plugs were out during transport and every compartment is dry before the plugs go back in',
                    'Confirmar que los tapones estuvieron quitados durante el transporte y que todo compartimento está seco antes de volver a ponerlos'), None),
        ]),
        (T('Work on the water and move between sites', 'Trabajar en el agua y desplazarse entre puntos'), [
            (2, T('Running through hydrilla beds cuts fragments that the boat can carry to uninfested parts of the lake.',
                  'Navegar por praderas de hidrilla corta fragmentos que la embarcación puede llevar a zonas del lago sin hidrilla.'),
             'N', T('Avoid mapped hydrilla beds; raise the motor and clear the propeller after crossing weed',
                    'Evitar las praderas de hidrilla cartografiadas; levantar el motor y limpiar la hélice después de cruzar vegetación'), None),
            (3, T('The live well and bilge fill with lake water that may hold veligers.',
                  'El vivero y la sentina se llenan con agua del lago que puede contener larvas velígeras.'),
             'L', T('Do not move lake water to another water; drain it at the ramp on retrieval',
                    'No trasladar agua del lago a otra masa de agua; vaciarla en la rampa al recuperar'), None),
        ]),
        (T('Retrieve, clean, drain and dry the boat and trailer at the ramp',
           'Recuperar, limpiar, vaciar y secar la embarcación y el remolque en la rampa'), [
            (0, T('Veligers in water held aboard and juveniles settled during the day leave the water with the boat.',
                  'Las larvas velígeras del agua retenida a bordo y los juveniles fijados durante el día salen del agua con la embarcación.'),
             'C', T('Clean off plants and mud, pull every drain plug, drain bilge, live well, ballast and motor at the ramp; keep plugs out while towing and let the boat dry before the next water',
                    'Limpiar plantas y barro, quitar todos los tapones y vaciar sentina, vivero, lastre y motor en la rampa; llevar los tapones fuera al remolcar y dejar secar la embarcación antes de la siguiente agua'),
             [T('All plugs out and no water draining from any compartment before leaving the ramp; dry at least 5 days in summer (30 days in spring and fall) before another water unless hot-water decontaminated',
                'Todos los tapones quitados y ningún compartimento goteando antes de salir de la rampa; secado de al menos 5 días en verano (30 días en primavera y otoño) antes de otra agua, salvo descontaminación con agua caliente'),
              T('Drain plugs, bilge, live well, ballast tanks, motor cooling system',
                'Tapones de vaciado, sentina, vivero, tanques de lastre, circuito de refrigeración del motor'),
              T('Tilt the motor down to drain; look into each compartment; note the date of last use',
                'Bajar el motor para vaciarlo; mirar dentro de cada compartimento; anotar la fecha del último uso'),
              T('Every retrieval', 'En cada recuperación'),
              T('Boat operator', 'Patrón de la embarcación'),
              T('Stay at the ramp until drained; book a hot-water decontamination before the next water if the drying time cannot be met',
                'Quedarse en la rampa hasta vaciar; reservar una descontaminación con agua caliente antes de la siguiente agua si no se puede cumplir el tiempo de secado'),
              T('Boat use log with dates, waters and drying days',
                'Registro de uso de la embarcación con fechas, aguas y días de secado')]),
            (1, T('Quagga mussels leave with the boat in the same way as zebra mussels.',
                  'El mejillón quagga sale con la embarcación igual que el mejillón cebra.'),
             'L', T('Same draining and drying as for zebra mussels', 'El mismo vaciado y secado que para el mejillón cebra'), None),
            (4, T('Plants snag on the trailer as it is pulled out through the shallows.',
                  'Las plantas se enganchan en el remolque al sacarlo por la zona poco profunda.'),
             'C', T('Remove every plant from boat, motor and trailer at the ramp and bin it above the waterline',
                    'Retirar todas las plantas de embarcación, motor y remolque en la rampa y tirarlas a un contenedor por encima de la orilla'),
             [T('No visible plant fragment on boat, motor, trailer, anchor or lines',
                'Ningún fragmento de planta visible en embarcación, motor, remolque, ancla o cabos'),
              T('Propeller, lower unit, trailer axle, bunks, rollers, winch strap, anchor and lines',
                'Hélice, pie del motor, eje del remolque, patines, rodillos, cinta del cabrestante, ancla y cabos'),
              T('Walk around boat and trailer by sight before leaving the ramp',
                'Recorrer embarcación y remolque a la vista antes de salir de la rampa'),
              T('Every retrieval', 'En cada recuperación'),
              T('Boat operator', 'Patrón de la embarcación'),
              T('Remove what is left and check again before driving off',
                'Retirar lo que quede y volver a comprobar antes de marcharse'),
              T('Watercraft inspection log', 'Registro de inspección de embarcaciones')]),
        ]),
    ])

# ---------------------------------------------------------------------------------------------
PLANS['stream-survey'] = dict(
    title=T('Stream Survey by Wading and Electrofishing HACCP Plan',
            'Plan HACCP para muestreo de ríos vadeando y con pesca eléctrica'),
    activity=T('Wading stream survey with backpack electrofishing',
               'Muestreo de río vadeando con pesca eléctrica de mochila'),
    description=T(
        'A crew of three to five samples fish and habitat in wadeable streams with a backpack electrofisher, dip nets, block nets, buckets and measuring boards, wearing waders and wading boots.\r\n'
        'The crew visits several streams in a week, often in more than one watershed. Mud, water and organisms carried on wet gear are the pathway.\r\n'
        'Work upstream sites and uninfested streams first. Fill in the site fields and check every answer against your streams.',
        'Un equipo de tres a cinco personas muestrea peces y hábitat en ríos vadeables con un equipo de pesca eléctrica de mochila, salabres, redes de bloqueo, cubos e ictiómetros, con vadeadores y botas de vadeo.\r\n'
        'El equipo visita varios ríos en una semana, a menudo en más de una cuenca. El barro, el agua y los organismos que lleva el equipo mojado son la vía de dispersión.\r\n'
        'Trabaje primero los tramos de aguas arriba y los ríos no afectados. Complete los datos del lugar y compruebe cada respuesta con sus ríos.'),
    hazards=[MUDSNAIL, DIDYMO, WHIRLING, CHYTRID, WADERS],
    tasks=[
        (T('Check and pack clean, dry gear before leaving for the stream',
           'Revisar y cargar equipo limpio y seco antes de salir hacia el río'), [
            (0, T('Mudsnails sealed in wet gear survive out of water for weeks; one snail can start a population.',
                  'Potamopyrgus antipodarum sobrevive semanas fuera del agua en equipo mojado cerrado; un solo caracol puede iniciar una población.'),
             'L', T('Pack only gear that was decontaminated and is dry', 'Cargar solo equipo descontaminado y seco'), None),
            (4, T('Felt soles and boot seams stay wet for days and hold mud, snails and diatom cells.',
                  'Las suelas de fieltro y las costuras de las botas siguen mojadas días y retienen barro, caracoles y células de diatomeas.'),
             'L', T('Use rubber-soled boots only; pack waders dry and brushed clean',
                    'Usar solo botas con suela de goma; cargar los vadeadores secos y cepillados'), None),
        ]),
        (T('Wade the reach and set block nets', 'Vadear el tramo y colocar las redes de bloqueo'), [
            (1, T('Didymo cells cling to boots, waders and nets; a single drop of water can move a viable cell.',
                  'Las células de didymo se adhieren a botas, vadeadores y redes; una sola gota de agua puede llevar una célula viable.'),
             'L', T('Look for didymo mats before entering; work infested reaches last', 
                    'Buscar tapetes de didymo antes de entrar; muestrear al final los tramos afectados'), None),
            (2, T('Spores of the whirling disease parasite are carried in mud on boots and nets.',
                  'Las esporas del parásito de la enfermedad del torneo viajan en el barro de botas y redes.'),
             'L', T('Knock off mud in the stream before leaving it', 'Quitar el barro en el propio río antes de salir'), None),
        ]),
        (T('Electrofish the reach; net, hold, measure and release fish',
           'Pescar el tramo con pesca eléctrica; capturar, mantener, medir y liberar los peces'), [
            (3, T('Chytrid zoospores live in stream water held in buckets and live cars and on amphibians handled by mistake.',
                  'Las zoosporas de quitridio viven en el agua del río que queda en cubos y viveros y en anfibios manipulados por error.'),
             'N', T('Return fish and water to the same reach; handle any amphibian with fresh gloves',
                    'Devolver peces y agua al mismo tramo; manipular cualquier anfibio con guantes nuevos'), None),
            (2, T('Fish are released where they were caught; no fish or water leaves the reach.',
                  'Los peces se liberan donde se capturaron; ni peces ni agua salen del tramo.'),
             '-', None, None),
        ]),
        (T('Decontaminate waders, boots, nets and buckets before the next stream',
           'Descontaminar vadeadores, botas, redes y cubos antes del siguiente río'), [
            (0, T('Mudsnails hide in boot laces, seams and net mesh and survive a drive to the next site.',
                  'Potamopyrgus antipodarum se esconde en cordones, costuras y malla de las redes y sobrevive al viaje al siguiente punto.'),
             'C', T('Scrub gear with a stiff brush at the site, then freeze, dry or soak it before the next stream',
                    'Frotar el equipo con un cepillo duro en el lugar y después congelarlo, secarlo o sumergirlo antes del siguiente río'),
             [T('No visible mud or plant matter; then one of: frozen at 26 °F (-3 °C) or colder for at least 8 hours, dried completely for at least 48 hours, or soaked in water of at least 120 °F (49 °C) for at least 10 minutes',
                'Nada de barro ni restos vegetales visibles; después una de estas opciones: congelado a -3 °C (26 °F) o menos durante al menos 8 horas, secado completo durante al menos 48 horas, o sumergido en agua de al menos 49 °C (120 °F) durante al menos 10 minutos'),
              T('Waders, boots, laces, nets, buckets, measuring boards, electrofisher anode ring',
                'Vadeadores, botas, cordones, redes, cubos, ictiómetros, anillo del ánodo'),
              T('Look over each item; read the freezer or water thermometer and the clock',
                'Revisar cada elemento; leer el termómetro del congelador o del agua y el reloj'),
              T('Between every two streams, and between reaches upstream and downstream of a known infestation',
                'Entre dos ríos cualesquiera, y entre tramos aguas arriba y aguas abajo de una zona afectada conocida'),
              T('Crew leader', 'Jefe de equipo'),
              T('Do not use the gear at the next stream; use a spare clean set or repeat the treatment',
                'No usar el equipo en el siguiente río; usar un juego limpio de repuesto o repetir el tratamiento'),
              T('Field decontamination log with times and temperatures',
                'Registro de descontaminación de campo con horas y temperaturas')]),
            (3, T('Chytrid survives in wet mud and water left on gear.',
                  'El quitridio sobrevive en el barro húmedo y el agua que quedan en el equipo.'),
             'C', T('Disinfect gear that touched water with a registered disinfectant at label strength, or dry it completely',
                    'Desinfectar el equipo que tocó el agua con un desinfectante registrado a la dosis de la etiqueta, o secarlo por completo'),
             [T('Disinfectant contact time of at least 10 minutes at label concentration, or 48 hours completely dry',
                'Tiempo de contacto con el desinfectante de al menos 10 minutos a la concentración de la etiqueta, o 48 horas completamente seco'),
              T('Nets, buckets, boots and waders', 'Redes, cubos, botas y vadeadores'),
              T('Timer on the decon station; mixing record', 'Temporizador en el puesto de descontaminación; registro de mezcla'),
              T('Between every two streams', 'Entre dos ríos cualesquiera'),
              T('Crew leader', 'Jefe de equipo'),
              T('Repeat the disinfection before the gear is used again', 'Repetir la desinfección antes de volver a usar el equipo'),
              T('Field decontamination log', 'Registro de descontaminación de campo')]),
            (4, T('Waders and boots are the item most likely to carry organisms between streams.',
                  'Vadeadores y botas son lo que con más probabilidad lleva organismos de un río a otro.'),
             'L', T('Keep a separate set of waders and boots for infested streams',
                    'Tener un juego aparte de vadeadores y botas para ríos afectados'), None),
        ]),
    ])

# ---------------------------------------------------------------------------------------------
PLANS['heavy-equipment'] = dict(
    title=T('Heavy Equipment on a Road, Culvert or Stream-Crossing Job HACCP Plan',
            'Plan HACCP para maquinaria pesada en obras de caminos, alcantarillas o pasos de río'),
    activity=T('Road, culvert or stream-crossing work with excavators, dozers and trucks',
               'Obras de camino, alcantarilla o paso de río con excavadoras, bulldozers y camiones'),
    description=T(
        'A contractor moves an excavator, a dozer and dump trucks to a forest road to replace a culvert at a stream crossing, bringing in gravel and riprap and dewatering the work area.\r\n'
        'The machines come from other jobs. Soil, seed and plant parts packed in tracks and undercarriages, imported fill, and water pumped around the site are the pathways.\r\n'
        'Fill in the site fields and check every answer against the weeds and waters of your job.',
        'Un contratista traslada una excavadora, un bulldozer y camiones volquete a un camino forestal para sustituir una alcantarilla en un paso de río, con aporte de grava y escollera y achique de la zona de obra.\r\n'
        'Las máquinas vienen de otras obras. La tierra, las semillas y los restos de plantas en orugas y bajos, el relleno importado y el agua bombeada son las vías de dispersión.\r\n'
        'Complete los datos del lugar y compruebe cada respuesta con las malas hierbas y las aguas de su obra.'),
    hazards=[TRACKS, MUD, KNOTWEED, SPURGE, FILL, MUDSNAIL],
    tasks=[
        (T('Inspect and clean equipment before it is moved to the job',
           'Inspeccionar y limpiar la maquinaria antes de trasladarla a la obra'), [
            (0, T('Tracks, rollers, belly pans and radiators hold kilograms of soil with seeds and root fragments from the last job.',
                  'Orugas, rodillos, cárteres y radiadores retienen kilos de tierra con semillas y fragmentos de raíz de la obra anterior.'),
             'C', T('Pressure-wash and blow out the machine at the contractor\'s yard; inspect before loading',
                    'Lavar a presión y soplar la máquina en el parque del contratista; inspeccionar antes de cargarla'),
             [T('No visible soil, seed, plant parts or mud clods on any part of the machine, including inside belly pans and track frames',
                'Nada de tierra, semillas, restos de plantas o terrones visibles en ninguna parte de la máquina, incluido el interior de cárteres y bastidores de orugas'),
              T('Tracks, rollers, blade, bucket, belly pans, radiator and grille, cab floor',
                'Orugas, rodillos, hoja, cazo, cárteres, radiador y rejilla, suelo de la cabina'),
              T('Walk-around with flashlight and inspection mirror; photos of each machine',
                'Recorrido con linterna y espejo de inspección; fotos de cada máquina'),
              T('Every machine, every time it comes to the job', 'Cada máquina, cada vez que llega a la obra'),
              T('Project inspector or contracting officer\'s representative', 'Inspector de la obra o representante de la dirección de obra'),
              T('Refuse the machine on site; it goes back to be cleaned and is inspected again',
                'Rechazar la máquina en obra; vuelve a limpiarse y se inspecciona de nuevo'),
              T('Equipment cleaning certificate and inspection checklist with photos',
                'Certificado de limpieza de maquinaria y lista de inspección con fotos')]),
            (2, T('Knotweed regrows from stem and root fragments as small as a fingernail carried in soil on buckets and blades.',
                  'Reynoutria japonica rebrota de fragmentos de tallo y raíz del tamaño de una uña que viajan en la tierra de cazos y hojas.'),
             'L', T('Ask where the machine last worked; clean buckets and blades with extra care if knotweed was present',
                    'Preguntar dónde trabajó la máquina por última vez; limpiar cazos y hojas con especial cuidado si había Reynoutria japonica'), None),
        ]),
        (T('Bring in gravel, riprap and fill', 'Aportar grava, escollera y relleno'), [
            (4, T('Pit-run gravel and fill from an uninspected pit can hold weed seed and rhizomes.',
                  'La grava y el relleno de una cantera no inspeccionada pueden contener semillas y rizomas de malas hierbas.'),
             'C', T('Use only material from a pit inspected and found weed-free this season',
                    'Usar solo material de una cantera inspeccionada y declarada libre de malas hierbas esta temporada'),
             [T('Source pit inspected in the current growing season with no listed noxious weeds in the pit or its stockpiles',
                'Cantera inspeccionada en la temporada de crecimiento actual sin malas hierbas catalogadas en la cantera ni en sus acopios'),
              T('Source pit and stockpiles of each material', 'Cantera y acopios de cada material'),
              T('Pit inspection record, or a site visit to the pit', 'Registro de inspección de la cantera, o visita a la cantera'),
              T('Before the first load from each source', 'Antes de la primera carga de cada procedencia'),
              T('Project inspector', 'Inspector de la obra'),
              T('Reject the source; any material already placed is removed or treated and watched for 3 years',
                'Rechazar la procedencia; el material ya colocado se retira o se trata y se vigila durante 3 años'),
              T('Weed-free material certificate; pit inspection record', 'Certificado de material libre de malas hierbas; registro de inspección de la cantera')]),
            (3, T('Leafy spurge grows in many gravel pits and its seed is moved in the material.',
                  'Euphorbia esula crece en muchas canteras y su semilla se mueve con el material.'),
             'L', T('Same weed-free source requirement as for the fill', 'El mismo requisito de procedencia libre de malas hierbas que para el relleno'), None),
        ]),
        (T('Dewater the work area and pump around the crossing', 'Achicar la zona de obra y bombear el caudal alrededor del paso'), [
            (5, T('Pumps and hoses from other streams can hold water and snails; water pumped here stays in the same stream.',
                  'Bombas y mangueras de otros ríos pueden retener agua y caracoles; el agua bombeada aquí se queda en el mismo río.'),
             'C', T('Bring pumps and hoses drained and dry or decontaminated; inspect before they touch the stream',
                    'Traer bombas y mangueras vaciadas y secas o descontaminadas; inspeccionarlas antes de que toquen el río'),
             [T('No standing water in pumps, hoses or intake screens; dried at least 48 hours, or flushed with water of at least 120 °F (49 °C) for 10 minutes',
                'Nada de agua estancada en bombas, mangueras o rejillas de aspiración; secadas al menos 48 horas, o lavadas con agua de al menos 49 °C (120 °F) durante 10 minutos'),
              T('Pumps, hoses, intake screens, settling bags', 'Bombas, mangueras, rejillas de aspiración, sacos de decantación'),
              T('Open and look into each pump and hose end; read the cleaning record', 'Abrir y mirar cada bomba y extremo de manguera; leer el registro de limpieza'),
              T('Before the first use on this job', 'Antes del primer uso en esta obra'),
              T('Project inspector', 'Inspector de la obra'),
              T('Hold the pump until it is decontaminated', 'Retener la bomba hasta que se descontamine'),
              T('Equipment cleaning certificate', 'Certificado de limpieza de maquinaria')]),
            (1, T('Mud dug from the streambed is left on the banks and on machines working at the water.',
                  'El barro excavado del lecho queda en las orillas y en las máquinas que trabajan junto al agua.'),
             'L', T('Keep spoil within the work area; clean machines before they leave', 'Mantener los sobrantes dentro de la zona de obra; limpiar las máquinas antes de que salgan'), None),
        ]),
        (T('Clean equipment before it leaves the job and revegetate disturbed ground',
           'Limpiar la maquinaria antes de que salga de la obra y revegetar el suelo removido'), [
            (0, T('Soil from this site, with any weeds it holds, would go to the contractor\'s next job.',
                  'La tierra de esta obra, con las malas hierbas que tenga, iría a la siguiente obra del contratista.'),
             'L', T('Wash machines at a designated wash area away from streams before they leave', 'Lavar las máquinas en una zona de lavado designada lejos de los ríos antes de que salgan'), None),
            (2, T('Bare ground after the work is where knotweed and other weeds establish first.',
                  'El suelo desnudo tras la obra es donde primero se instalan Reynoutria japonica y otras malas hierbas.'),
             'N', T('Seed and mulch disturbed ground with certified weed-free material within 2 weeks; monitor the site for 3 years',
                    'Sembrar y acolchar el suelo removido con material certificado libre de malas hierbas en 2 semanas; vigilar la zona durante 3 años'), None),
            (3, T('Spurge seed in mud on the machines would leave with them.',
                  'La semilla de Euphorbia esula en el barro de las máquinas saldría con ellas.'),
             'L', T('Same wash as for the tracks and undercarriage', 'El mismo lavado que para orugas y bajos'), None),
        ]),
    ])

# ---------------------------------------------------------------------------------------------
PLANS['wildland-fire'] = dict(
    title=T('Wildland and Prescribed Fire Operations HACCP Plan',
            'Plan HACCP para operaciones de incendios forestales y quemas prescritas'),
    activity=T('Fire operations with engines, portable pumps, water drafting and hand tools',
               'Operaciones de incendio con autobombas, motobombas portátiles, aspiración de agua y herramientas manuales'),
    description=T(
        'Engines, a water tender, portable pumps, folding tanks and hand crews work a wildfire or prescribed burn, drafting water from local streams and ponds and cutting line with hand tools.\r\n'
        'Equipment arrives from other incidents and leaves for the next. Water carried in tanks, pumps and hose, and soil and seed on vehicles and tools, are the pathways.\r\n'
        'On a wildfire, firefighter and public safety comes first: apply these measures as conditions allow. Fill in the site fields and check every answer against your waters and weeds.',
        'Autobombas, una nodriza, motobombas portátiles, depósitos plegables y cuadrillas trabajan en un incendio forestal o una quema prescrita, aspirando agua de arroyos y charcas y abriendo líneas con herramientas manuales.\r\n'
        'El equipo llega de otros incendios y sale hacia el siguiente. El agua en depósitos, bombas y mangueras, y la tierra y las semillas en vehículos y herramientas, son las vías de dispersión.\r\n'
        'En un incendio forestal la seguridad de las personas es lo primero: aplique estas medidas cuando las condiciones lo permitan. Complete los datos del lugar y compruebe cada respuesta con sus aguas y malas hierbas.'),
    hazards=[HOSES, ZEBRA, CHYTRID, CHEATGRASS, MUD],
    tasks=[
        (T('Arrive at the incident: inspect engines, tenders and pumps', 'Llegada al incendio: inspeccionar autobombas, nodrizas y bombas'), [
            (0, T('Tanks, pumps and hose from the last incident can hold water with organisms from another watershed.',
                  'Depósitos, bombas y mangueras del último incendio pueden retener agua con organismos de otra cuenca.'),
             'L', T('Drain and inspect tanks and pumps at check-in; note the last water source', 'Vaciar e inspeccionar depósitos y bombas al registrarse; anotar la última fuente de agua'), None),
            (3, T('Cheatgrass seed rides in radiators, bumpers and tool boxes of engines from rangeland fires.',
                  'La semilla de Bromus tectorum viaja en radiadores, parachoques y cajas de herramientas de las autobombas que vienen de incendios en pastizales.'),
             'L', T('Inspect and wash vehicles at check-in when a wash station is set up', 'Inspeccionar y lavar los vehículos al registrarse cuando haya un puesto de lavado'), None),
        ]),
        (T('Draft water from streams and ponds into engines, tenders and folding tanks',
           'Aspirar agua de arroyos y charcas a autobombas, nodrizas y depósitos plegables'), [
            (1, T('Drafting from a mussel-infested water pumps veligers into tanks, where they survive for days.',
                  'Aspirar de un agua con mejillones bombea larvas velígeras a los depósitos, donde sobreviven días.'),
             'C', T('Draft only from approved sources; use a screened foot valve; prime the pump with source water, never with tank water; never discharge water from one source into another',
                    'Aspirar solo de fuentes aprobadas; usar válvula de pie con rejilla; cebar la bomba con agua de la fuente, nunca con la del depósito; nunca verter agua de una fuente en otra'),
             [T('Water drafted only from sources on the incident\'s approved list; no water from an infested source released into another water body',
                'Agua aspirada solo de fuentes de la lista aprobada del incendio; ningún agua de una fuente afectada vertida en otra masa de agua'),
              T('Water source of each fill; foot valve screen', 'Fuente de agua de cada llenado; rejilla de la válvula de pie'),
              T('Check each fill against the water source map and list', 'Comprobar cada llenado con el mapa y la lista de fuentes de agua'),
              T('Every fill', 'En cada llenado'),
              T('Engine boss; water tender operator', 'Jefe de autobomba; conductor de la nodriza'),
              T('Stop drafting; drain the tank back at the same source and decontaminate before moving',
                'Dejar de aspirar; vaciar el depósito en la misma fuente y descontaminar antes de moverse'),
              T('Water source log; incident AIS plan', 'Registro de fuentes de agua; plan de especies acuáticas invasoras del incendio')]),
            (2, T('Chytrid zoospores in pond water survive in tanks and folding tanks and can be spread with the water.',
                  'Las zoosporas de quitridio del agua de charcas sobreviven en depósitos y depósitos plegables y pueden dispersarse con el agua.'),
             'L', T('Drain folding tanks back at the source; disinfect before moving to another watershed', 'Vaciar los depósitos plegables en la fuente; desinfectar antes de ir a otra cuenca'), None),
            (4, T('The draft site bank is trampled and mud sticks to hose and boots.', 'La orilla del punto de aspiración se pisotea y el barro se pega a mangueras y botas.'),
             'N', T('Lay hose on a tarp; brush boots and hose before leaving the draft site', 'Tender la manguera sobre una lona; cepillar botas y mangueras antes de dejar el punto de aspiración'), None),
        ]),
        (T('Cut and hold line with hand tools and engines', 'Abrir y mantener línea con herramientas manuales y autobombas'), [
            (3, T('Line cut through cheatgrass spreads seed along the line and onto tools and clothing.',
                  'La línea abierta en rodales de Bromus tectorum reparte semilla por la línea y en herramientas y ropa.'),
             'N', T('Brush off tools, boots and clothing before leaving the line; avoid parking in weed patches', 'Cepillar herramientas, botas y ropa antes de dejar la línea; no aparcar en rodales de malas hierbas'), None),
            (1, T('No water from an infested source is used on the line; engines were filled from approved sources.',
                  'En la línea no se usa agua de fuentes afectadas; las autobombas se llenaron en fuentes aprobadas.'),
             '-', None, None),
        ]),
        (T('Demobilize: clean and decontaminate all equipment before release', 'Desmovilización: limpiar y descontaminar todo el equipo antes de liberarlo'), [
            (0, T('Equipment leaves for other incidents, often in other watersheds, within days.',
                  'El equipo sale hacia otros incendios, a menudo en otras cuencas, en pocos días.'),
             'C', T('Drain all water; flush tanks, pumps and hose with hot water or let them dry; inspect before release',
                    'Vaciar toda el agua; lavar depósitos, bombas y mangueras con agua caliente o dejarlos secar; inspeccionar antes de liberar'),
             [T('No water left in any tank, pump or hose; hot-water flush of at least 140 °F (60 °C) for at least 10 seconds on all wetted surfaces, or dried at least 5 days',
                'Nada de agua en ningún depósito, bomba o manguera; lavado con agua de al menos 60 °C (140 °F) durante al menos 10 segundos en todas las superficies mojadas, o secado de al menos 5 días'),
              T('Tanks, pumps, hose, foot valves, folding tanks, buckets', 'Depósitos, bombas, mangueras, válvulas de pie, depósitos plegables, cubos'),
              T('Open drains and look into each tank; thermometer at the flush outlet', 'Abrir los desagües y mirar cada depósito; termómetro a la salida del lavado'),
              T('Every piece of equipment, before release from the incident', 'Cada equipo, antes de su liberación del incendio'),
              T('Equipment manager or an assigned inspector', 'Responsable de equipos o un inspector asignado'),
              T('Hold the equipment; decontaminate again and re-inspect', 'Retener el equipo; descontaminar de nuevo y volver a inspeccionar'),
              T('Equipment decontamination record; demobilization checklist', 'Registro de descontaminación de equipos; lista de desmovilización')]),
            (3, T('Seed picked up during the fire goes with vehicles to the next incident.',
                  'La semilla recogida durante el incendio viaja con los vehículos al siguiente incendio.'),
             'C', T('Wash vehicles at the incident wash station and inspect them before release', 'Lavar los vehículos en el puesto de lavado del incendio e inspeccionarlos antes de liberarlos'),
             [T('No visible soil, seed or plant parts on undercarriage, wheel wells, radiator, bumpers or in tool boxes',
                'Nada de tierra, semillas ni restos vegetales visibles en bajos, pasos de rueda, radiador, parachoques ni cajas de herramientas'),
              T('Undercarriage, wheel wells, radiator and grille, bumpers, tool boxes, cab floor', 'Bajos, pasos de rueda, radiador y rejilla, parachoques, cajas de herramientas, suelo de la cabina'),
              T('Walk-around with a checklist and an inspection mirror', 'Recorrido con lista de comprobación y espejo de inspección'),
              T('Every vehicle, before release', 'Cada vehículo, antes de su liberación'),
              T('Equipment manager or an assigned inspector', 'Responsable de equipos o un inspector asignado'),
              T('Wash again; the vehicle stays until it passes', 'Lavar de nuevo; el vehículo se queda hasta que pase'),
              T('Vehicle inspection checklist', 'Lista de inspección de vehículos')]),
            (2, T('Chytrid in water left in pumps and folding tanks would be carried to the next incident.',
                  'El quitridio en el agua que queda en bombas y depósitos plegables viajaría al siguiente incendio.'),
             'L', T('The hot-water flush or drying for the tanks and pumps also controls chytrid', 'El lavado con agua caliente o el secado de depósitos y bombas también controla el quitridio'), None),
        ]),
    ])

# ---------------------------------------------------------------------------------------------
PLANS['fish-stocking'] = dict(
    title=T('Stocking Fish from a Hatchery Truck HACCP Plan',
            'Plan HACCP para repoblar peces desde un camión de piscifactoría'),
    activity=T('Loading fish at a hatchery and stocking them into lakes and streams from a distribution truck',
               'Cargar peces en una piscifactoría y soltarlos en lagos y ríos desde un camión de distribución'),
    description=T(
        'Hatchery staff crowd and load fish from raceways into a distribution truck, drive to stocking sites and release them by chute or hose; the truck returns to the hatchery between trips.\r\n'
        'The truck\'s tanks, the transport water and the fish themselves can carry unwanted species and pathogens from the hatchery or from one stocking site to the next.\r\n'
        'Fill in the site fields and check every answer against your hatchery\'s fish health status and stocking sites.',
        'El personal de la piscifactoría concentra y carga peces de los canales en un camión de distribución, va a los puntos de suelta y los libera por canaleta o manguera; el camión vuelve a la piscifactoría entre viajes.\r\n'
        'Los tanques del camión, el agua de transporte y los propios peces pueden llevar especies no deseadas y patógenos de la piscifactoría o de un punto de suelta a otro.\r\n'
        'Complete los datos del lugar y compruebe cada respuesta con el estado sanitario de su piscifactoría y sus puntos de suelta.'),
    hazards=[VHS, WHIRLING, MUDSNAIL, ZEBRA, BAIT],
    tasks=[
        (T('Confirm fish health inspection of the lot before loading', 'Confirmar la inspección sanitaria del lote antes de cargar'), [
            (0, T('VHS and other listed viruses are carried by infected fish that look healthy.',
                  'La septicemia hemorrágica viral y otros virus de declaración obligatoria los llevan peces infectados de aspecto sano.'),
             'C', T('Stock only lots with a current fish health inspection free of listed pathogens',
                    'Soltar solo lotes con una inspección sanitaria vigente libre de patógenos de declaración obligatoria'),
             [T('A fish health inspection of the lot within the last 12 months with no listed pathogen detected, and no disease signs at loading',
                'Una inspección sanitaria del lote en los últimos 12 meses sin ningún patógeno de declaración obligatoria detectado, y ningún signo de enfermedad al cargar'),
              T('Fish health certificate of the lot; the fish at crowding', 'Certificado sanitario del lote; los peces al concentrarlos'),
              T('Read the certificate; look at the fish for signs of disease', 'Leer el certificado; observar los peces en busca de signos de enfermedad'),
              T('Every lot, before the first load', 'Cada lote, antes de la primera carga'),
              T('Hatchery manager', 'Responsable de la piscifactoría'),
              T('Do not load; hold the lot and call the fish health biologist', 'No cargar; retener el lote y avisar al biólogo de sanidad piscícola'),
              T('Fish health certificate; stocking record', 'Certificado sanitario; registro de suelta')]),
            (1, T('The hatchery\'s spring water source is tested and free of the parasite.',
                  'El manantial de la piscifactoría está analizado y libre del parásito.'),
             '-', None, None),
        ]),
        (T('Crowd, net and load fish into the truck', 'Concentrar, pescar y cargar los peces en el camión'), [
            (2, T('Mudsnails can live in raceways and outflow channels and be loaded with fish and water.',
                  'Potamopyrgus antipodarum puede vivir en canales y desagües y cargarse con los peces y el agua.'),
             'C', T('Load from raceways screened and inspected for snails; fill truck tanks with well or treated water only',
                    'Cargar de canales con rejilla e inspeccionados en busca de caracoles; llenar los tanques del camión solo con agua de pozo o tratada'),
             [T('No snails found in a 10-minute search of raceway walls, screens and nets before loading; truck filled from the well or treated supply only',
                'Ningún caracol encontrado en 10 minutos de búsqueda en paredes, rejillas y redes del canal antes de cargar; camión llenado solo con agua de pozo o tratada'),
              T('Raceway walls and screens, loading nets, tank fill water', 'Paredes y rejillas del canal, redes de carga, agua de llenado de los tanques'),
              T('Timed visual search; check the fill valve used', 'Búsqueda visual cronometrada; comprobar la válvula de llenado usada'),
              T('Every load', 'En cada carga'),
              T('Truck driver with a hatchery technician', 'Conductor del camión con un técnico de la piscifactoría'),
              T('Stop loading; clean the raceway and nets, drain and refill the truck with treated water', 'Parar la carga; limpiar el canal y las redes, vaciar y volver a llenar el camión con agua tratada'),
              T('Loading record; raceway snail check sheet', 'Registro de carga; hoja de control de caracoles en los canales')]),
            (4, T('Staff must not bring bait or bait-bucket water onto the hatchery or truck.', 'El personal no debe llevar cebo ni agua de cebo a la piscifactoría ni al camión.'),
             '-', None, None),
        ]),
        (T('Drive to the site and release fish by chute or hose', 'Ir al punto de suelta y liberar los peces por canaleta o manguera'), [
            (3, T('Where the stocking water holds zebra mussels, the chute, hose and tank outlet contact it.',
                  'Donde el agua de suelta tiene mejillón cebra, la canaleta, la manguera y la salida del tanque la tocan.'),
             'L', T('Release from the bank without drawing site water into the truck; never top up tanks with site water',
                    'Soltar desde la orilla sin aspirar agua del lugar al camión; nunca rellenar los tanques con agua del lugar'), None),
            (2, T('Water discharged with the fish came from the hatchery supply, checked at loading.',
                  'El agua vertida con los peces procede del suministro de la piscifactoría, comprobado al cargar.'),
             'N', T('Release only water loaded at the hatchery', 'Verter solo agua cargada en la piscifactoría'), None),
        ]),
        (T('Drain, clean and disinfect the truck before the next trip', 'Vaciar, limpiar y desinfectar el camión antes del siguiente viaje'), [
            (0, T('Virus from one site or lot in tanks and hoses would reach the next lot of fish.',
                  'El virus de un punto o lote en tanques y mangueras llegaría al siguiente lote de peces.'),
             'C', T('Drain tanks away from any water; scrub and disinfect tanks, nets and hoses; rinse and dry',
                    'Vaciar los tanques lejos de cualquier agua; frotar y desinfectar tanques, redes y mangueras; aclarar y secar'),
             [T('Chlorine at 200 mg/L for at least 30 minutes, or an approved iodophor at label strength, on all tank surfaces, nets and hoses; then rinsed and drained',
                'Cloro a 200 mg/L durante al menos 30 minutos, o un yodóforo aprobado a la dosis de la etiqueta, en todas las superficies de los tanques, redes y mangueras; después aclarado y vaciado'),
              T('Truck tanks, valves, hoses, chutes and nets', 'Tanques del camión, válvulas, mangueras, canaletas y redes'),
              T('Chlorine test strip and timer', 'Tira reactiva de cloro y temporizador'),
              T('After every trip that stocked a water other than the hatchery\'s own', 'Tras cada viaje que soltó peces en aguas distintas de las de la piscifactoría'),
              T('Truck driver', 'Conductor del camión'),
              T('Disinfect again before the truck is loaded', 'Desinfectar de nuevo antes de cargar el camión'),
              T('Truck disinfection log', 'Registro de desinfección del camión')]),
            (3, T('Site water left in tank outlets and hoses could carry veligers back to the hatchery.',
                  'El agua del lugar que queda en salidas de tanques y mangueras podría llevar larvas velígeras a la piscifactoría.'),
             'L', T('The drain and disinfection of the tanks and hoses also controls veligers', 'El vaciado y la desinfección de tanques y mangueras también controla las larvas velígeras'), None),
        ]),
    ])

# ---------------------------------------------------------------------------------------------
PLANS['restoration-planting'] = dict(
    title=T('Planting and Seeding for Restoration HACCP Plan',
            'Plan HACCP para plantación y siembra de restauración'),
    activity=T('Restoration planting and seeding with nursery stock, native seed, mulch and soil',
               'Plantación y siembra de restauración con planta de vivero, semilla autóctona, acolchado y tierra'),
    description=T(
        'A restoration crew prepares a disturbed site, plants container and bare-root nursery stock, broadcasts native seed and spreads straw or wood mulch.\r\n'
        'Weeds, pests and pathogens arrive with the plants and their potting soil, with seed lots, with mulch and with the crew\'s tools and vehicles.\r\n'
        'Fill in the site fields and check every answer against your suppliers and your site.',
        'Una cuadrilla de restauración prepara una zona alterada, planta planta de vivero en contenedor y a raíz desnuda, siembra a voleo semilla autóctona y extiende acolchado de paja o de madera.\r\n'
        'Las malas hierbas, las plagas y los patógenos llegan con las plantas y su sustrato, con los lotes de semilla, con el acolchado y con las herramientas y vehículos de la cuadrilla.\r\n'
        'Complete los datos del lugar y compruebe cada respuesta con sus proveedores y su zona.'),
    hazards=[NURSERY, PHYTO, FIREANT, SPOTTED, HAY, MULCH],
    tasks=[
        (T('Receive and inspect nursery stock', 'Recibir e inspeccionar la planta de vivero'), [
            (0, T('Potting soil carries weed seed, insects, earthworms and root pathogens into the site.',
                  'El sustrato lleva semillas de malas hierbas, insectos, lombrices y patógenos de raíz a la zona.'),
             'C', T('Accept stock only from a certified nursery; inspect a sample of every shipment before it goes to the site',
                    'Aceptar planta solo de un vivero certificado; inspeccionar una muestra de cada envío antes de llevarlo a la zona'),
             [T('Phytosanitary certificate or nursery inspection for the shipment; in a sample of at least 5 % of containers (at least 10), no weeds, insects, ants or diseased roots',
                'Certificado fitosanitario o inspección del vivero para el envío; en una muestra de al menos el 5 % de los contenedores (mínimo 10), ni malas hierbas, ni insectos, ni hormigas, ni raíces enfermas'),
              T('Shipment papers; sampled containers: soil surface, root ball, leaves', 'Documentos del envío; contenedores muestreados: superficie del sustrato, cepellón, hojas'),
              T('Read the certificate; tip out and look at each sampled root ball', 'Leer el certificado; sacar y examinar cada cepellón muestreado'),
              T('Every shipment, on arrival', 'Cada envío, a su llegada'),
              T('Restoration project lead', 'Responsable del proyecto de restauración'),
              T('Reject or hold the shipment apart; return it to the nursery', 'Rechazar o apartar el envío; devolverlo al vivero'),
              T('Plant receiving log; phytosanitary certificates', 'Registro de recepción de planta; certificados fitosanitarios')]),
            (1, T('Nursery stock of host plants (rhododendron, viburnum, oaks) is the main way sudden oak death has spread.',
                  'La planta de vivero de especies huésped (rododendro, viburno, robles) es la vía principal de dispersión de la muerte súbita del roble.'),
             'L', T('Buy host species only from nurseries in a certification program for Phytophthora', 'Comprar especies huésped solo a viveros de un programa de certificación para Phytophthora'), None),
            (2, T('Fire ant colonies travel in container soil from nurseries in infested areas.',
                  'Las colonias de hormiga de fuego viajan en el sustrato de contenedores de viveros de zonas afectadas.'),
             'L', T('Check nursery origin against the quarantine area; look for mounds and ants in sampled containers',
                    'Comprobar el origen del vivero frente a la zona de cuarentena; buscar hormigueros y hormigas en los contenedores muestreados'), None),
        ]),
        (T('Prepare the site and plant', 'Preparar la zona y plantar'), [
            (3, T('Knapweed already on the site edges moves onto bare, disturbed ground on boots and tools.',
                  'Centaurea stoebe, ya presente en los bordes de la zona pasa al suelo desnudo en botas y herramientas.'),
             'N', T('Treat or pull knapweed on the site edges before planting; brush tools and boots before entering the planting area',
                    'Tratar o arrancar Centaurea stoebe en los bordes antes de plantar; cepillar herramientas y botas antes de entrar en la zona de plantación'), None),
            (0, T('Containers are planted the same day; their soil was inspected on arrival.',
                  'Los contenedores se plantan el mismo día; su sustrato se inspeccionó a la llegada.'),
             '-', None, None),
        ]),
        (T('Broadcast native seed', 'Sembrar a voleo semilla autóctona'), [
            (3, T('Seed lots of native grasses can be contaminated with knapweed and other weed seed.',
                  'Los lotes de semilla de gramíneas autóctonas pueden estar contaminados con semilla de Centaurea stoebe y otras malas hierbas.'),
             'C', T('Use only seed lots with a seed test report showing no noxious weed seed',
                    'Usar solo lotes de semilla con un informe de análisis sin semillas de malas hierbas nocivas'),
             [T('Seed test report for each lot, dated within the last 12 months, showing 0 noxious weed seeds in the sample tested',
                'Informe de análisis de cada lote, con fecha de los últimos 12 meses, con 0 semillas de malas hierbas nocivas en la muestra analizada'),
              T('Seed tag and seed test report of each lot', 'Etiqueta y informe de análisis de cada lote'),
              T('Read the report and match the lot number on the bags', 'Leer el informe y cotejar el número de lote de los sacos'),
              T('Every seed lot, before it is opened', 'Cada lote de semilla, antes de abrirlo'),
              T('Restoration project lead', 'Responsable del proyecto de restauración'),
              T('Do not sow the lot; return it to the supplier', 'No sembrar el lote; devolverlo al proveedor'),
              T('Seed tags and test reports filed with the project', 'Etiquetas y análisis de semilla archivados con el proyecto')]),
        ]),
        (T('Spread straw or wood mulch', 'Extender acolchado de paja o de madera'), [
            (4, T('Straw and hay bring weed seed from the fields where they were grown.',
                  'La paja y el heno traen semillas de malas hierbas de los campos donde se cultivaron.'),
             'C', T('Use only straw certified weed-free', 'Usar solo paja certificada libre de malas hierbas'),
             [T('Every bale tagged or twined as certified weed-free under a state or provincial program, with the certificate for the load',
                'Cada paca con etiqueta o cordel de certificación libre de malas hierbas de un programa oficial, con el certificado de la carga'),
              T('Bales and the load certificate', 'Pacas y certificado de la carga'),
              T('Check tags or twine on every bale as it is unloaded', 'Comprobar la etiqueta o el cordel de cada paca al descargar'),
              T('Every load', 'Cada carga'),
              T('Crew leader', 'Jefe de cuadrilla'),
              T('Reject untagged bales; remove any that were spread', 'Rechazar las pacas sin etiqueta; retirar las que se hayan extendido'),
              T('Weed-free certificates; delivery notes', 'Certificados libres de malas hierbas; albaranes de entrega')]),
            (5, T('Wood chips from trees with pests or pathogens, or stockpiled near weeds, carry them to the site.',
                  'Las astillas de árboles con plagas o patógenos, o acopiadas junto a malas hierbas, los llevan a la zona.'),
             'N', T('Use chips from a known local source, composted or aged; avoid chips from host trees of local quarantine pests',
                    'Usar astillas de una procedencia local conocida, compostadas o maduradas; evitar astillas de árboles huésped de plagas en cuarentena'), None),
        ]),
        (T('Clean tools, boots and vehicles before leaving the site', 'Limpiar herramientas, botas y vehículos antes de salir de la zona'), [
            (3, T('Seed of knapweed on the site edges would go with the crew to the next site.',
                  'La semilla de Centaurea stoebe de los bordes iría con la cuadrilla a la siguiente zona.'),
             'N', T('Brush boots, clothing and tools; knock mud off vehicles before leaving', 'Cepillar botas, ropa y herramientas; quitar el barro de los vehículos antes de salir'), None),
            (1, T('Soil from a site with sudden oak death would carry spores on boots and tools.',
                  'La tierra de una zona con muerte súbita del roble llevaría esporas en botas y herramientas.'),
             'N', T('Where the pathogen is known, disinfect boots and tools with 70 % alcohol after brushing', 'Donde se conozca el patógeno, desinfectar botas y herramientas con alcohol al 70 % tras cepillarlas'), None),
        ]),
    ])
