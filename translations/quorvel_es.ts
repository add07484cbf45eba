<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CAddAtomDialog</name>
    <message>
        <source>Add Atom</source>
        <translation>Añadir átomo</translation>
    </message>
    <message>
        <source>Atom &amp;type:</source>
        <translation>&amp;Tipo de átomo:</translation>
    </message>
    <message>
        <source>&amp;x (m):</source>
        <translation>&amp;x (m):</translation>
    </message>
    <message>
        <source>&amp;y (m):</source>
        <translation>&amp;y (m):</translation>
    </message>
    <message>
        <source>&amp;z (m):</source>
        <translation>&amp;z (m):</translation>
    </message>
    <message>
        <source>v&amp;x (m/s):</source>
        <translation>v&amp;x (m/s):</translation>
    </message>
    <message>
        <source>v&amp;y (m/s):</source>
        <translation>v&amp;y (m/s):</translation>
    </message>
    <message>
        <source>v&amp;z (m/s):</source>
        <translation>v&amp;z (m/s):</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>z</source>
        <translation>z</translation>
    </message>
    <message>
        <source>vx</source>
        <translation>vx</translation>
    </message>
    <message>
        <source>vy</source>
        <translation>vy</translation>
    </message>
    <message>
        <source>vz</source>
        <translation>vz</translation>
    </message>
</context>
<context>
    <name>CAtomNumbersDialog</name>
    <message>
        <source>Number of Atoms</source>
        <translation>Número de átomos</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Atoms (at most %1)</source>
        <translation>Átomos (como máximo %1)</translation>
    </message>
    <message>
        <source>Number of atoms of type %1</source>
        <translation>Número de átomos del tipo %1</translation>
    </message>
</context>
<context>
    <name>CAtomPropertiesDialog</name>
    <message>
        <source>Atom Properties</source>
        <translation>Propiedades de los átomos</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Diameter (m)</source>
        <translation>Diámetro (m)</translation>
    </message>
    <message>
        <source>Mass (kg)</source>
        <translation>Masa (kg)</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Name of type %1: use plain ASCII letters, digits and punctuation only (&quot;%2&quot; cannot be saved).</source>
        <translation>Nombre del tipo %1: use solo letras ASCII simples, cifras y signos de puntuación («%2» no se puede guardar).</translation>
    </message>
    <message>
        <source>Name of type %1: at most %2 characters (this one has %3).</source>
        <translation>Nombre del tipo %1: como máximo %2 caracteres (este tiene %3).</translation>
    </message>
    <message>
        <source>Diameter of type %1</source>
        <translation>Diámetro del tipo %1</translation>
    </message>
    <message>
        <source>Mass of type %1</source>
        <translation>Masa del tipo %1</translation>
    </message>
    <message>
        <source>Name of type %1</source>
        <translation>Nombre del tipo %1</translation>
    </message>
    <message>
        <source>Colour of type %1</source>
        <translation>Color del tipo %1</translation>
    </message>
</context>
<context>
    <name>CBoxDialog</name>
    <message>
        <source>Box</source>
        <translation>Caja</translation>
    </message>
    <message>
        <source>Box &amp;width (m):</source>
        <translation>&amp;Anchura de la caja (m):</translation>
    </message>
    <message>
        <source>Piston</source>
        <translation>Pistón</translation>
    </message>
    <message>
        <source>&amp;Apply pressure with a piston</source>
        <translation>Aplicar &amp;presión con un pistón</translation>
    </message>
    <message>
        <source>Applied &amp;pressure (Pa):</source>
        <translation>Presión &amp;aplicada (Pa):</translation>
    </message>
    <message>
        <source>Piston &amp;mass (kg):</source>
        <translation>&amp;Masa del pistón (kg):</translation>
    </message>
    <message>
        <source>Box width</source>
        <translation>Anchura de la caja</translation>
    </message>
    <message>
        <source>Applied pressure</source>
        <translation>Presión aplicada</translation>
    </message>
    <message>
        <source>Piston mass</source>
        <translation>Masa del pistón</translation>
    </message>
    <message>
        <source>Closed box</source>
        <translation>Caja cerrada</translation>
    </message>
    <message>
        <source>Periodic (bulk)</source>
        <translation>Periódica (en volumen)</translation>
    </message>
    <message>
        <source>&amp;Kind of box:</source>
        <translation>&amp;Tipo de caja:</translation>
    </message>
</context>
<context>
    <name>CChangeKEDialog</name>
    <message>
        <source>Change Kinetic Energy</source>
        <translation>Cambiar la energía cinética</translation>
    </message>
    <message>
        <source>&amp;Change of the total kinetic energy (J):</source>
        <translation>&amp;Cambio de la energía cinética total (J):</translation>
    </message>
    <message>
        <source>Shared equally among all atoms; an atom never goes below rest.</source>
        <translation>Repartido por igual entre todos los átomos; ningún átomo baja del reposo.</translation>
    </message>
    <message>
        <source>Change of the kinetic energy</source>
        <translation>Cambio de la energía cinética</translation>
    </message>
</context>
<context>
    <name>CColorButton</name>
    <message>
        <source>Atom Colour</source>
        <translation>Color del átomo</translation>
    </message>
</context>
<context>
    <name>CControlDescriptions</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1, from %2 to %3.</source>
        <translation>%1, de %2 a %3.</translation>
    </message>
    <message>
        <source>%1, in %2, from %3 to %4.</source>
        <translation>%1, en %2, de %3 a %4.</translation>
    </message>
    <message>
        <source>%1, in %2.</source>
        <translation>%1, en %2.</translation>
    </message>
    <message>
        <source>%1: on or off.</source>
        <translation>%1: activado o desactivado.</translation>
    </message>
    <message>
        <source>%1: one of the choices beside it.</source>
        <translation>%1: una de las opciones de al lado.</translation>
    </message>
    <message>
        <source>%1: a choice from a list.</source>
        <translation>%1: una opción de una lista.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>kelvin</source>
        <translation>kelvin</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>metros</translation>
    </message>
    <message>
        <source>kilograms</source>
        <translation>kilogramos</translation>
    </message>
    <message>
        <source>joules</source>
        <translation>julios</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>coulombs</source>
        <translation>culombios</translation>
    </message>
    <message>
        <source>pascals</source>
        <translation>pascales</translation>
    </message>
    <message>
        <source>metres per second</source>
        <translation>metros por segundo</translation>
    </message>
    <message>
        <source>cubic metres</source>
        <translation>metros cúbicos</translation>
    </message>
    <message>
        <source>steps</source>
        <translation>pasos</translation>
    </message>
    <message>
        <source>points</source>
        <translation>puntos</translation>
    </message>
    <message>
        <source>points per metre</source>
        <translation>puntos por metro</translation>
    </message>
    <message>
        <source>atoms per bin</source>
        <translation>átomos por intervalo</translation>
    </message>
    <message>
        <source>displays</source>
        <translation>visualizaciones</translation>
    </message>
    <message>
        <source>frames</source>
        <translation>fotogramas</translation>
    </message>
    <message>
        <source>parts of full intensity</source>
        <translation>fracciones de la intensidad máxima</translation>
    </message>
    <message>
        <source>per cent</source>
        <translation>por ciento</translation>
    </message>
    <message>
        <source>six-hundredths of a second</source>
        <translation>seiscientosavos de segundo</translation>
    </message>
</context>
<context>
    <name>CControlsPanel</name>
    <message>
        <source>%1 in %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>Heat bath</source>
        <translation>Baño térmico</translation>
    </message>
    <message>
        <source>Floor heat bath</source>
        <translation>Baño térmico del suelo</translation>
    </message>
    <message>
        <source>Floor Heat Bath</source>
        <translation>Baño térmico del suelo</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Floor Temperature</source>
        <translation>Temperatura del suelo</translation>
    </message>
    <message>
        <source>Heat and cool</source>
        <translation>Calentar y enfriar</translation>
    </message>
    <message>
        <source>Heat</source>
        <translation>Calentar</translation>
    </message>
    <message>
        <source>Cool</source>
        <translation>Enfriar</translation>
    </message>
    <message>
        <source>Heat: hold to add kinetic energy</source>
        <translation>Calentar: mantener pulsado para añadir energía cinética</translation>
    </message>
    <message>
        <source>Cool: hold to remove kinetic energy</source>
        <translation>Enfriar: mantener pulsado para quitar energía cinética</translation>
    </message>
    <message>
        <source>Hold to add %1% of the kinetic energy per second</source>
        <translation>Mantener pulsado para añadir un %1 % de la energía cinética por segundo</translation>
    </message>
    <message>
        <source>Hold to remove %1% of the kinetic energy per second</source>
        <translation>Mantener pulsado para quitar un %1 % de la energía cinética por segundo</translation>
    </message>
    <message>
        <source>Piston</source>
        <translation>Pistón</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Presión</translation>
    </message>
    <message>
        <source>Pa</source>
        <translation>Pa</translation>
    </message>
    <message>
        <source>Applied Pressure</source>
        <translation>Presión aplicada</translation>
    </message>
    <message>
        <source>Forces</source>
        <translation>Fuerzas</translation>
    </message>
    <message>
        <source>Potentials</source>
        <translation>Potenciales</translation>
    </message>
    <message>
        <source>Well depth factor</source>
        <translation>Factor de profundidad del pozo</translation>
    </message>
    <message>
        <source>× 0 to 3</source>
        <translation>× 0 a 3</translation>
    </message>
    <message>
        <source>Well depth</source>
        <translation>Profundidad del pozo</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Steps per display</source>
        <translation>Pasos por visualización</translation>
    </message>
    <message>
        <source>steps</source>
        <translation>pasos</translation>
    </message>
    <message>
        <source>Steps per Display</source>
        <translation>Pasos por visualización</translation>
    </message>
    <message>
        <source>Time step in s</source>
        <translation>Paso de tiempo en s</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Time step</source>
        <translation>Paso de tiempo</translation>
    </message>
    <message>
        <source>Time Step</source>
        <translation>Paso de tiempo</translation>
    </message>
    <message>
        <source>Readouts</source>
        <translation>Lecturas</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Instantáneo</translation>
    </message>
    <message>
        <source>Time constant</source>
        <translation>Constante de tiempo</translation>
    </message>
    <message>
        <source>Accumulated</source>
        <translation>Acumulado</translation>
    </message>
    <message>
        <source>Averaging</source>
        <translation>Promedio</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Displayed type</source>
        <translation>Tipo mostrado</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>= %1 bar</source>
        <translation>= %1 bar</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Choose one type under Readouts to change its well depth.</source>
        <translation>Elija un tipo en Lecturas para cambiar la profundidad de su pozo.</translation>
    </message>
    <message>
        <source>%1-%1: %2 J (× %3)</source>
        <translation>%1-%1: %2 J (× %3)</translation>
    </message>
    <message>
        <source>Well Depth %1-%1</source>
        <translation>Profundidad del pozo %1-%1</translation>
    </message>
</context>
<context>
    <name>CDiffusionChart</name>
    <message>
        <source>Time (ps)</source>
        <translation>Tiempo (ps)</translation>
    </message>
    <message>
        <source>Mean squared displacement (nm²)</source>
        <translation>Desplazamiento cuadrático medio (nm²)</translation>
    </message>
    <message>
        <source>Velocity autocorrelation ((m/s)²)</source>
        <translation>Autocorrelación de velocidades ((m/s)²)</translation>
    </message>
    <message>
        <source>Running integral / 3 (nm²/ns = 1e-9 m²/s)</source>
        <translation>Integral acumulada / 3 (nm²/ns = 1e-9 m²/s)</translation>
    </message>
    <message>
        <source>Mean squared displacement</source>
        <translation>Desplazamiento cuadrático medio</translation>
    </message>
    <message>
        <source>Velocity autocorrelation</source>
        <translation>Autocorrelación de velocidades</translation>
    </message>
    <message>
        <source>The curve shown</source>
        <translation>La curva mostrada</translation>
    </message>
    <message>
        <source>All atoms</source>
        <translation>Todos los átomos</translation>
    </message>
    <message>
        <source>Type %1</source>
        <translation>Tipo %1</translation>
    </message>
    <message>
        <source>The atoms averaged over</source>
        <translation>Los átomos promediados</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Start the measurement again from the next step</source>
        <translation>Empezar de nuevo la medida desde el paso siguiente</translation>
    </message>
    <message>
        <source>MSD (nm²)</source>
        <translation>MSD (nm²)</translation>
    </message>
    <message>
        <source>Einstein fit 6 D t + c (nm²)</source>
        <translation>Ajuste de Einstein 6 D t + c (nm²)</translation>
    </message>
    <message>
        <source>slope 1 (diffusive)</source>
        <translation>pendiente 1 (difusivo)</translation>
    </message>
    <message>
        <source>fit window</source>
        <translation>ventana de ajuste</translation>
    </message>
    <message>
        <source>VACF ((m/s)²)</source>
        <translation>VACF ((m/s)²)</translation>
    </message>
    <message>
        <source>Running integral / 3, the Green-Kubo D (nm²/ns)</source>
        <translation>Integral acumulada / 3, la D de Green-Kubo (nm²/ns)</translation>
    </message>
    <message>
        <source>%1: no atoms.</source>
        <translation>%1: ningún átomo.</translation>
    </message>
    <message>
        <source>%1 samples, every %2 steps</source>
        <translation>%1 muestras, cada %2 pasos</translation>
    </message>
    <message>
        <source>%1 (%2 atoms): no diffusion coefficient: %3. %4.</source>
        <translation>%1 (%2 átomos): sin coeficiente de difusión: %3. %4.</translation>
    </message>
    <message>
        <source> ± %1</source>
        <translation> ± %1</translation>
    </message>
    <message>
        <source> (too few blocks for an error yet)</source>
        <translation> (aún hay pocos bloques para un error)</translation>
    </message>
    <message>
        <source>%1 (%2 atoms): Einstein D = %3%4 m²/s, fit from %5 to %6 ps; Green-Kubo D = %7 m²/s. %8.</source>
        <translation>%1 (%2 átomos): D de Einstein = %3%4 m²/s, ajuste de %5 a %6 ps; D de Green-Kubo = %7 m²/s. %8.</translation>
    </message>
    <message>
        <source>Diffusion</source>
        <translation>Difusión</translation>
    </message>
</context>
<context>
    <name>CDisplaysDialog</name>
    <message>
        <source>Displays</source>
        <translation>Visualizaciones</translation>
    </message>
    <message>
        <source>Values shown</source>
        <translation>Valores mostrados</translation>
    </message>
    <message>
        <source>&amp;Instantaneous</source>
        <translation>&amp;Instantáneos</translation>
    </message>
    <message>
        <source>&amp;Time-constant averages</source>
        <translation>Promedios con &amp;constante de tiempo</translation>
    </message>
    <message>
        <source>&amp;Accumulated averages</source>
        <translation>Promedios &amp;acumulados</translation>
    </message>
    <message>
        <source>Time &amp;constant (steps):</source>
        <translation>Cons&amp;tante de tiempo (pasos):</translation>
    </message>
    <message>
        <source>Speed histogram</source>
        <translation>Histograma de velocidades</translation>
    </message>
    <message>
        <source>Largest &amp;speed (m/s):</source>
        <translation>&amp;Velocidad máxima (m/s):</translation>
    </message>
    <message>
        <source>&amp;Height of the scale (atoms per bin):</source>
        <translation>A&amp;ltura de la escala (átomos por intervalo):</translation>
    </message>
    <message>
        <source>&amp;Width (pixels):</source>
        <translation>A&amp;nchura (píxeles):</translation>
    </message>
    <message>
        <source>H&amp;eight (pixels):</source>
        <translation>Altu&amp;ra (píxeles):</translation>
    </message>
    <message>
        <source>Time constant</source>
        <translation>Constante de tiempo</translation>
    </message>
    <message>
        <source>Largest speed</source>
        <translation>Velocidad máxima</translation>
    </message>
    <message>
        <source>Height of the histogram scale</source>
        <translation>Altura de la escala del histograma</translation>
    </message>
    <message>
        <source>Histogram width</source>
        <translation>Anchura del histograma</translation>
    </message>
    <message>
        <source>Histogram height</source>
        <translation>Altura del histograma</translation>
    </message>
</context>
<context>
    <name>CDocument</name>
    <message>
        <source>U&amp;ndo</source>
        <translation>Des&amp;hacer</translation>
    </message>
    <message>
        <source>U&amp;ndo %1%2</source>
        <translation>Des&amp;hacer %1%2</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Redo %1%2</source>
        <translation>&amp;Rehacer %1%2</translation>
    </message>
    <message>
        <source>Move 1 Atom</source>
        <translation>Mover 1 átomo</translation>
    </message>
    <message>
        <source>Move %1 Atoms</source>
        <translation>Mover %1 átomos</translation>
    </message>
</context>
<context>
    <name>CEditAtomDialog</name>
    <message>
        <source>Edit Atoms</source>
        <translation>Editar átomos</translation>
    </message>
    <message>
        <source>&amp;x (m):</source>
        <translation>&amp;x (m):</translation>
    </message>
    <message>
        <source>&amp;y (m):</source>
        <translation>&amp;y (m):</translation>
    </message>
    <message>
        <source>&amp;z (m):</source>
        <translation>&amp;z (m):</translation>
    </message>
    <message>
        <source>v&amp;x (m/s):</source>
        <translation>v&amp;x (m/s):</translation>
    </message>
    <message>
        <source>v&amp;y (m/s):</source>
        <translation>v&amp;y (m/s):</translation>
    </message>
    <message>
        <source>v&amp;z (m/s):</source>
        <translation>v&amp;z (m/s):</translation>
    </message>
    <message>
        <source>Velocities left at NA stay as they are.</source>
        <translation>Las velocidades que quedan en NA no cambian.</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>z</source>
        <translation>z</translation>
    </message>
    <message>
        <source>vx</source>
        <translation>vx</translation>
    </message>
    <message>
        <source>vy</source>
        <translation>vy</translation>
    </message>
    <message>
        <source>vz</source>
        <translation>vz</translation>
    </message>
</context>
<context>
    <name>CEnergyDialog</name>
    <message>
        <source>Energy</source>
        <translation>Energía</translation>
    </message>
    <message>
        <source>&amp;Conserve energy (rescale speeds after each step)</source>
        <translation>&amp;Conservar la energía (reescalar las velocidades tras cada paso)</translation>
    </message>
</context>
<context>
    <name>CEnergyLedgerChart</name>
    <message>
        <source>Simulated time (ps)</source>
        <translation>Tiempo simulado (ps)</translation>
    </message>
    <message>
        <source>Energy since the ledger restarted (zJ)</source>
        <translation>Energía desde que se reinició el balance (zJ)</translation>
    </message>
    <message>
        <source>%1 (zJ)</source>
        <translation>%1 (zJ)</translation>
    </message>
    <message>
        <source>now</source>
        <translation>ahora</translation>
    </message>
    <message>
        <source>dE = heat + work + user + correction + residual + piston stop</source>
        <translation>dE = calor + trabajo + usuario + corrección + residuo + tope del pistón</translation>
    </message>
    <message>
        <source>Balanced to rounding: every term is below a billionth of the kinetic energy.</source>
        <translation>Equilibrado hasta el redondeo: cada término es menor que una milmillonésima de la energía cinética.</translation>
    </message>
    <message>
        <source>No displays since the ledger restarted.</source>
        <translation>Ninguna visualización desde que se reinició el balance.</translation>
    </message>
    <message>
        <source>%1 displays since the ledger restarted (opening a file or restarting the averages restarts it); one sample every %2 display(s).</source>
        <translation>%1 visualizaciones desde que se reinició el balance (abrir un archivo o reiniciar los promedios lo reinicia); una muestra cada %2 visualización(es).</translation>
    </message>
    <message>
        <source>Energy Ledger</source>
        <translation>Balance de energía</translation>
    </message>
</context>
<context>
    <name>CFloorDialog</name>
    <message>
        <source>Floor</source>
        <translation>Suelo</translation>
    </message>
    <message>
        <source>Heat bath</source>
        <translation>Baño térmico</translation>
    </message>
    <message>
        <source>&amp;Floor exchanges heat with a bath</source>
        <translation>El &amp;suelo intercambia calor con un baño</translation>
    </message>
    <message>
        <source>Floor &amp;temperature (K):</source>
        <translation>&amp;Temperatura del suelo (K):</translation>
    </message>
    <message>
        <source>Floor potential</source>
        <translation>Potencial del suelo</translation>
    </message>
    <message>
        <source>Floor &amp;attracts atoms (Lennard-Jones)</source>
        <translation>El suelo &amp;atrae a los átomos (Lennard-Jones)</translation>
    </message>
    <message>
        <source>Well depth (J)</source>
        <translation>Profundidad del pozo (J)</translation>
    </message>
    <message>
        <source>Floor temperature</source>
        <translation>Temperatura del suelo</translation>
    </message>
    <message>
        <source>Floor well depth of type %1</source>
        <translation>Profundidad del pozo del suelo para el tipo %1</translation>
    </message>
</context>
<context>
    <name>CFrameCaptureDialog</name>
    <message>
        <source>Capture Frame</source>
        <translation>Capturar fotograma</translation>
    </message>
    <message>
        <source>JPEG</source>
        <translation>JPEG</translation>
    </message>
    <message>
        <source>TIFF</source>
        <translation>TIFF</translation>
    </message>
    <message>
        <source>File &amp;type:</source>
        <translation>&amp;Tipo de archivo:</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>JPEG &amp;quality:</source>
        <translation>&amp;Calidad JPEG:</translation>
    </message>
    <message>
        <source>Full &amp;resolution of a scaled screen</source>
        <translation>&amp;Resolución completa de una pantalla escalada</translation>
    </message>
</context>
<context>
    <name>CKeyboardMouseDialog</name>
    <message>
        <source>drag</source>
        <translation>arrastrar</translation>
    </message>
    <message>
        <source>turn the view (0.9 degrees per point)</source>
        <translation>girar la vista (0,9 grados por punto)</translation>
    </message>
    <message>
        <source>Shift-click on an atom</source>
        <translation>Mayús-clic sobre un átomo</translation>
    </message>
    <message>
        <source>select or deselect it</source>
        <translation>seleccionarlo o deseleccionarlo</translation>
    </message>
    <message>
        <source>Shift-drag</source>
        <translation>Mayús-arrastrar</translation>
    </message>
    <message>
        <source>select the atoms inside the dashed box</source>
        <translation>seleccionar los átomos dentro del recuadro discontinuo</translation>
    </message>
    <message>
        <source>Super-drag, or middle-button drag</source>
        <translation>Super-arrastrar, o arrastrar con el botón central</translation>
    </message>
    <message>
        <source>move the selected atoms in the screen plane</source>
        <translation>mover los átomos seleccionados en el plano de la pantalla</translation>
    </message>
    <message>
        <source>Ctrl-drag, or right-button drag</source>
        <translation>Ctrl-arrastrar, o arrastrar con el botón derecho</translation>
    </message>
    <message>
        <source>zoom (drag down to shrink)</source>
        <translation>zoom (arrastrar hacia abajo para reducir)</translation>
    </message>
    <message>
        <source>Alt-drag</source>
        <translation>Alt-arrastrar</translation>
    </message>
    <message>
        <source>move the eye away (down) or closer (up), scaling the picture alike</source>
        <translation>alejar (hacia abajo) o acercar (hacia arriba) el ojo, escalando la imagen a la vez</translation>
    </message>
    <message>
        <source>wheel</source>
        <translation>rueda</translation>
    </message>
    <message>
        <source>zoom, one arrow-key step per notch</source>
        <translation>zoom, un paso de tecla de flecha por muesca</translation>
    </message>
    <message>
        <source>Shift-wheel</source>
        <translation>Mayús-rueda</translation>
    </message>
    <message>
        <source>move the eye closer (away from you) or away (towards you)</source>
        <translation>acercar el ojo (alejándose de usted) o alejarlo (hacia usted)</translation>
    </message>
    <message>
        <source>Left, Right</source>
        <translation>Izquierda, Derecha</translation>
    </message>
    <message>
        <source>turn about the vertical axis (4.5 degrees a press)</source>
        <translation>girar alrededor del eje vertical (4,5 grados por pulsación)</translation>
    </message>
    <message>
        <source>Up, Down</source>
        <translation>Arriba, Abajo</translation>
    </message>
    <message>
        <source>tilt (4.5 degrees a press)</source>
        <translation>inclinar (4,5 grados por pulsación)</translation>
    </message>
    <message>
        <source>Ctrl+Up, Ctrl+Down</source>
        <translation>Ctrl+Arriba, Ctrl+Abajo</translation>
    </message>
    <message>
        <source>zoom</source>
        <translation>zoom</translation>
    </message>
    <message>
        <source>Alt+Up, Alt+Down</source>
        <translation>Alt+Arriba, Alt+Abajo</translation>
    </message>
    <message>
        <source>move the eye</source>
        <translation>mover el ojo</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>restore the standard orientation, keeping the zoom</source>
        <translation>restaurar la orientación estándar, conservando el zoom</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>deselect every atom</source>
        <translation>deseleccionar todos los átomos</translation>
    </message>
    <message>
        <source>Does</source>
        <translation>Efecto</translation>
    </message>
    <message>
        <source>Mouse in the view</source>
        <translation>Ratón en la vista</translation>
    </message>
    <message>
        <source>Gesture</source>
        <translation>Gesto</translation>
    </message>
    <message>
        <source>Keys in the view</source>
        <translation>Teclas en la vista</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Many window managers keep Alt-drag and Super-drag for moving windows; the middle button, the right button, the wheel and the View menu do the same without them.</source>
        <translation>Muchos gestores de ventanas reservan Alt-arrastrar y Super-arrastrar para mover ventanas; el botón central, el botón derecho, la rueda y el menú Vista hacen lo mismo sin ellos.</translation>
    </message>
    <message>
        <source>Keyboard and Mouse</source>
        <translation>Teclado y ratón</translation>
    </message>
    <message>
        <source>Keys and mouse actions</source>
        <translation>Teclas y acciones del ratón</translation>
    </message>
    <message>
        <source>Tables of what each key and mouse action does in the view and the windows.</source>
        <translation>Tablas de lo que hace cada tecla y cada acción del ratón en la vista y las ventanas.</translation>
    </message>
</context>
<context>
    <name>CLessonPanel</name>
    <message>
        <source>Lesson</source>
        <translation>Lección</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Siguiente &gt;</translation>
    </message>
    <message>
        <source>Lesson: %1</source>
        <translation>Lección: %1</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>This lesson has problems to fix:
%1</source>
        <translation>Esta lección tiene problemas que corregir:
%1</translation>
    </message>
    <message>
        <source>No lesson is open. Choose one in Help &gt; Lessons, or File &gt; Open Lesson...</source>
        <translation>No hay ninguna lección abierta. Elija una en Ayuda &gt; Lecciones, o en Archivo &gt; Abrir lección...</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Waiting for %1</source>
        <translation>Esperando a %1</translation>
    </message>
    <message>
        <source>Next opens once %1 is %2 %3 %4; it is %5 now.</source>
        <translation>Siguiente se abre cuando %1 sea %2 %3 %4; ahora es %5.</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>This link does nothing: line %1 of the lesson has a problem.</source>
        <translation>Este enlace no hace nada: la línea %1 de la lección tiene un problema.</translation>
    </message>
    <message>
        <source>This link is not one the lesson&apos;s page holds: %1</source>
        <translation>Este enlace no pertenece a la página de la lección: %1</translation>
    </message>
    <message>
        <source>Lesson page</source>
        <translation>Página de la lección</translation>
    </message>
    <message>
        <source>The text of the lesson&apos;s page; its links carry out the lesson&apos;s actions.</source>
        <translation>El texto de la página de la lección; sus enlaces realizan las acciones de la lección.</translation>
    </message>
    <message>
        <source>Goes back to the lesson&apos;s previous page.</source>
        <translation>Vuelve a la página anterior de la lección.</translation>
    </message>
    <message>
        <source>Goes on to the lesson&apos;s next page once its task is done.</source>
        <translation>Pasa a la página siguiente de la lección una vez hecha su tarea.</translation>
    </message>
</context>
<context>
    <name>CMovieDialog</name>
    <message>
        <source>Make Movie</source>
        <translation>Grabar película</translation>
    </message>
    <message>
        <source>&amp;Displays per frame:</source>
        <translation>&amp;Visualizaciones por fotograma:</translation>
    </message>
    <message>
        <source>&amp;Frames to capture (after the first):</source>
        <translation>&amp;Fotogramas que capturar (tras el primero):</translation>
    </message>
    <message>
        <source>Frame &amp;length (1/600 s):</source>
        <translation>&amp;Duración del fotograma (1/600 s):</translation>
    </message>
    <message>
        <source>H.264</source>
        <translation>H.264</translation>
    </message>
    <message>
        <source>Uncompressed</source>
        <translation>Sin comprimir</translation>
    </message>
    <message>
        <source>&amp;Codec:</source>
        <translation>&amp;Códec:</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Máxima</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baja</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Mínima</translation>
    </message>
    <message>
        <source>&amp;Quality:</source>
        <translation>&amp;Calidad:</translation>
    </message>
    <message>
        <source>Full &amp;resolution of a scaled screen</source>
        <translation>&amp;Resolución completa de una pantalla escalada</translation>
    </message>
    <message>
        <source>This comes to</source>
        <translation>Esto da</translation>
    </message>
    <message>
        <source>Steps per display:</source>
        <translation>Pasos por visualización:</translation>
    </message>
    <message>
        <source>Simulated time per display (s):</source>
        <translation>Tiempo simulado por visualización (s):</translation>
    </message>
    <message>
        <source>Steps per frame:</source>
        <translation>Pasos por fotograma:</translation>
    </message>
    <message>
        <source>Simulated time per frame (s):</source>
        <translation>Tiempo simulado por fotograma (s):</translation>
    </message>
    <message>
        <source>Steps in all:</source>
        <translation>Pasos en total:</translation>
    </message>
    <message>
        <source>Simulated time in all (s):</source>
        <translation>Tiempo simulado en total (s):</translation>
    </message>
    <message>
        <source>Movie running time (s):</source>
        <translation>Duración de la película (s):</translation>
    </message>
</context>
<context>
    <name>CNewSimulationDialog</name>
    <message>
        <source>New Simulation</source>
        <translation>Nueva simulación</translation>
    </message>
    <message>
        <source>Atoms</source>
        <translation>Átomos</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Substance</source>
        <translation>Sustancia</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Diameter (m)</source>
        <translation>Diámetro (m)</translation>
    </message>
    <message>
        <source>Mass (kg)</source>
        <translation>Masa (kg)</translation>
    </message>
    <message>
        <source>Well depth (J)</source>
        <translation>Profundidad del pozo (J)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source> atoms</source>
        <translation> átomos</translation>
    </message>
    <message>
        <source>Unlike pairs: the mean diameter and the geometric mean of the well depths (Lorentz-Berthelot).</source>
        <translation>Pares distintos: el diámetro medio y la media geométrica de las profundidades de pozo (Lorentz-Berthelot).</translation>
    </message>
    <message>
        <source>Arrangement and density of the whole box</source>
        <translation>Disposición y densidad de toda la caja</translation>
    </message>
    <message>
        <source>Face-centred cubic lattice (fcc)</source>
        <translation>Red cúbica centrada en las caras (fcc)</translation>
    </message>
    <message>
        <source>Body-centred cubic lattice (bcc)</source>
        <translation>Red cúbica centrada en el cuerpo (bcc)</translation>
    </message>
    <message>
        <source>Simple cubic lattice (sc)</source>
        <translation>Red cúbica simple (sc)</translation>
    </message>
    <message>
        <source>Random, without overlap</source>
        <translation>Aleatoria, sin solapamiento</translation>
    </message>
    <message>
        <source>&amp;Arrangement:</source>
        <translation>&amp;Disposición:</translation>
    </message>
    <message>
        <source>&amp;Mass density (kg/m3):</source>
        <translation>Densidad de &amp;masa (kg/m3):</translation>
    </message>
    <message>
        <source>N&amp;umber density (atoms/m3):</source>
        <translation>De&amp;nsidad numérica (átomos/m3):</translation>
    </message>
    <message>
        <source>&amp;Packing fraction:</source>
        <translation>Fracción de &amp;empaquetamiento:</translation>
    </message>
    <message>
        <source>&amp;Box width (m):</source>
        <translation>&amp;Anchura de la caja (m):</translation>
    </message>
    <message>
        <source>Temperature and switches</source>
        <translation>Temperatura y opciones</translation>
    </message>
    <message>
        <source>&amp;Temperature (K):</source>
        <translation>&amp;Temperatura (K):</translation>
    </message>
    <message>
        <source>Random s&amp;eed:</source>
        <translation>&amp;Semilla aleatoria:</translation>
    </message>
    <message>
        <source>Lennard-Jones forces between atoms</source>
        <translation>Fuerzas de Lennard-Jones entre los átomos</translation>
    </message>
    <message>
        <source>Floor attracts atoms (each type&apos;s well depth)</source>
        <translation>El suelo atrae a los átomos (profundidad de pozo de cada tipo)</translation>
    </message>
    <message>
        <source>Floor exchanges heat with a bath at</source>
        <translation>El suelo intercambia calor con un baño a</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Piston on top of the box</source>
        <translation>Pistón sobre la caja</translation>
    </message>
    <message>
        <source>What will be built</source>
        <translation>Lo que se construirá</translation>
    </message>
    <message>
        <source>The diameter of type %1 is not a number.</source>
        <translation>El diámetro del tipo %1 no es un número.</translation>
    </message>
    <message>
        <source>The mass of type %1 is not a number.</source>
        <translation>La masa del tipo %1 no es un número.</translation>
    </message>
    <message>
        <source>The well depth of type %1 is not a number.</source>
        <translation>La profundidad del pozo del tipo %1 no es un número.</translation>
    </message>
    <message>
        <source>The density is not a number.</source>
        <translation>La densidad no es un número.</translation>
    </message>
    <message>
        <source>The temperature is not a number.</source>
        <translation>La temperatura no es un número.</translation>
    </message>
    <message>
        <source>The floor temperature is not a number.</source>
        <translation>La temperatura del suelo no es un número.</translation>
    </message>
    <message>
        <source>Cannot be built: %1</source>
        <translation>No se puede construir: %1</translation>
    </message>
    <message>
        <source>%1 atoms in a box %2 m wide.</source>
        <translation>%1 átomos en una caja de %2 m de anchura.</translation>
    </message>
    <message>
        <source>%1 sites for %2 atoms, filled from the floor up</source>
        <translation>%1 posiciones para %2 átomos, llenadas desde el suelo hacia arriba</translation>
    </message>
    <message>
        <source>%1 sites for %2 atoms</source>
        <translation>%1 posiciones para %2 átomos</translation>
    </message>
    <message>
        <source>%1 x %1 x %1 cells, %2 atoms per cell, %3; lattice constant %4 m, nearest distance %5 m (%6 diameters).</source>
        <translation>%1 x %1 x %1 celdas, %2 átomos por celda, %3; constante de red %4 m, distancia mínima %5 m (%6 diámetros).</translation>
    </message>
    <message>
        <source>Placed at random, each pair at least its mean diameter apart.</source>
        <translation>Colocados al azar, cada par separado al menos por su diámetro medio.</translation>
    </message>
    <message>
        <source>Contacts at the mean diameter</source>
        <translation>Contactos en el diámetro medio</translation>
    </message>
    <message>
        <source>Periodic (bulk)</source>
        <translation>Periódica (en volumen)</translation>
    </message>
    <message>
        <source>The box is periodic: the atoms fill it, with no walls.</source>
        <translation>La caja es periódica: los átomos la llenan, sin paredes.</translation>
    </message>
    <message>
        <source>Floor temperature</source>
        <translation>Temperatura del suelo</translation>
    </message>
</context>
<context>
    <name>CParameterDialog</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number. Write numbers with a decimal point, for example 3.00e-10.</source>
        <translation>%1: «%2» no es un número. Escriba los números con coma o punto decimal, por ejemplo 3,00e-10.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a whole number.</source>
        <translation>%1: «%2» no es un número entero.</translation>
    </message>
    <message>
        <source>%1 must be between %2 and %3.</source>
        <translation>%1 debe estar entre %2 y %3.</translation>
    </message>
    <message>
        <source>A periodic box has no walls, floor or piston.</source>
        <translation>Una caja periódica no tiene paredes, suelo ni pistón.</translation>
    </message>
</context>
<context>
    <name>CPlotChart</name>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>CSV Table...</source>
        <translation>Tabla CSV...</translation>
    </message>
    <message>
        <source>PNG Picture...</source>
        <translation>Imagen PNG...</translation>
    </message>
    <message>
        <source>SVG Drawing...</source>
        <translation>Dibujo SVG...</translation>
    </message>
    <message>
        <source>Quorvel Plots: %1</source>
        <translation>Gráficas de Quorvel: %1</translation>
    </message>
    <message>
        <source>the drawing could not be started</source>
        <translation>no se pudo empezar el dibujo</translation>
    </message>
</context>
<context>
    <name>CPlotsWindow</name>
    <message>
        <source>Quorvel Plots</source>
        <translation>Gráficas de Quorvel</translation>
    </message>
</context>
<context>
    <name>CPotentialsDialog</name>
    <message>
        <source>Potentials</source>
        <translation>Potenciales</translation>
    </message>
    <message>
        <source>&amp;Use the pair potentials (Lennard-Jones and Coulomb)</source>
        <translation>&amp;Usar los potenciales de pares (Lennard-Jones y Coulomb)</translation>
    </message>
    <message>
        <source>Lennard-Jones well depth between types (J)</source>
        <translation>Profundidad del pozo de Lennard-Jones entre tipos (J)</translation>
    </message>
    <message>
        <source>Charge (C)</source>
        <translation>Carga (C)</translation>
    </message>
    <message>
        <source>Well depth %1-%2</source>
        <translation>Profundidad del pozo %1-%2</translation>
    </message>
    <message>
        <source>Charge of type %1</source>
        <translation>Carga del tipo %1</translation>
    </message>
    <message>
        <source>Con&amp;tacts at the mean diameter</source>
        <translation>&amp;Contactos en el diámetro medio</translation>
    </message>
    <message>
        <source>Atoms meet as hard cores at the mean of their diameters; off, the Lennard-Jones potential alone keeps them apart.</source>
        <translation>Los átomos chocan como núcleos duros a la media de sus diámetros; desactivado, solo el potencial de Lennard-Jones los mantiene separados.</translation>
    </message>
</context>
<context>
    <name>CQtPlatform</name>
    <message>
        <source>Alert.</source>
        <translation>Atención.</translation>
    </message>
    <message>
        <source>Note.</source>
        <translation>Nota.</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>¿Guardar los cambios?</translation>
    </message>
    <message>
        <source>Operation Incomplete.</source>
        <translation>Operación incompleta.</translation>
    </message>
    <message>
        <source>Cannot Build the Simulation.</source>
        <translation>No se puede construir la simulación.</translation>
    </message>
    <message>
        <source>Exported for LAMMPS.</source>
        <translation>Exportado para LAMMPS.</translation>
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
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Revertir</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Guardar...</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>No guardar</translation>
    </message>
    <message>
        <source>Finish Movie and Quit</source>
        <translation>Terminar la película y salir</translation>
    </message>
    <message>
        <source>Finish Trajectory and Quit</source>
        <translation>Terminar la trayectoria y salir</translation>
    </message>
    <message>
        <source>A trajectory is being recorded. Stop it and start another?</source>
        <translation>Se está grabando una trayectoria. ¿Detenerla y empezar otra?</translation>
    </message>
    <message>
        <source>Movie making in progress. Abort current movie?</source>
        <translation>Se está grabando una película. ¿Interrumpir la película actual?</translation>
    </message>
    <message>
        <source>The example could not be found in the application.</source>
        <translation>No se encontró el ejemplo en la aplicación.</translation>
    </message>
    <message>
        <source>The example could not be copied to the temporary folder.</source>
        <translation>No se pudo copiar el ejemplo en la carpeta temporal.</translation>
    </message>
    <message>
        <source>The selected file type is incompatible; requires file type of &apos;txt&apos;.</source>
        <translation>El tipo de archivo elegido no es compatible; se requiere el tipo de archivo «txt».</translation>
    </message>
    <message>
        <source>Charged atoms in a periodic box need Ewald summation, which Quorvel does not have yet. Set the charge of every type with atoms to zero first, or keep the closed box.</source>
        <translation>Los átomos cargados en una caja periódica requieren la suma de Ewald, que Quorvel aún no tiene. Ponga primero a cero la carga de cada tipo con átomos, o mantenga la caja cerrada.</translation>
    </message>
</context>
<context>
    <name>CRadialDistributionChart</name>
    <message>
        <source>r (nm)</source>
        <translation>r (nm)</translation>
    </message>
    <message>
        <source>g(r) (pairs over independent pairs)</source>
        <translation>g(r) (pares respecto a pares independientes)</translation>
    </message>
    <message>
        <source>The pair of atom types g(r) counts</source>
        <translation>El par de tipos de átomos que cuenta g(r)</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Start the average again from the next display</source>
        <translation>Empezar de nuevo el promedio desde la visualización siguiente</translation>
    </message>
    <message>
        <source>g(r)</source>
        <translation>g(r)</translation>
    </message>
    <message>
        <source>independent centres</source>
        <translation>centros independientes</translation>
    </message>
    <message>
        <source>All atoms</source>
        <translation>Todos los átomos</translation>
    </message>
    <message>
        <source>No pairs to count: the chosen types have fewer than two atoms.</source>
        <translation>No hay pares que contar: los tipos elegidos tienen menos de dos átomos.</translation>
    </message>
    <message>
        <source>%1 display(s) counted since the reset (every %2 while running), bins of %3 nm out to half the box width.</source>
        <translation>%1 visualización(es) contadas desde el reinicio (cada %2 durante la ejecución), intervalos de %3 nm hasta la mitad de la anchura de la caja.</translation>
    </message>
    <message>
        <source>Radial Distribution</source>
        <translation>Distribución radial</translation>
    </message>
</context>
<context>
    <name>CReplicateDialog</name>
    <message>
        <source>Export for LAMMPS</source>
        <translation>Exportar para LAMMPS</translation>
    </message>
    <message>
        <source>&amp;Copies of the box along each edge (1 to %1):</source>
        <translation>&amp;Copias de la caja a lo largo de cada arista (1 a %1):</translation>
    </message>
    <message>
        <source>N x N x N copies in the same state, side by side in a box N times as wide.
Writes in.quorvel and data.quorvel; run with: lmp -in in.quorvel</source>
        <translation>N x N x N copias en el mismo estado, una junto a otra en una caja N veces más ancha.
Escribe in.quorvel y data.quorvel; ejecutar con: lmp -in in.quorvel</translation>
    </message>
    <message>
        <source>Atoms in LAMMPS: -</source>
        <translation>Átomos en LAMMPS: -</translation>
    </message>
    <message>
        <source>Atoms in LAMMPS: %1</source>
        <translation>Átomos en LAMMPS: %1</translation>
    </message>
    <message>
        <source>Copies along each edge</source>
        <translation>Copias a lo largo de cada arista</translation>
    </message>
</context>
<context>
    <name>CSpeedDistributionChart</name>
    <message>
        <source>Speed (m/s)</source>
        <translation>Velocidad (m/s)</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Histograma</translation>
    </message>
    <message>
        <source>Maxwell-Boltzmann, measured T</source>
        <translation>Maxwell-Boltzmann, T medida</translation>
    </message>
    <message>
        <source>Maxwell-Boltzmann, fitted T</source>
        <translation>Maxwell-Boltzmann, T ajustada</translation>
    </message>
    <message>
        <source>All atoms</source>
        <translation>Todos los átomos</translation>
    </message>
    <message>
        <source>Type %1</source>
        <translation>Tipo %1</translation>
    </message>
    <message>
        <source>%1: no atoms.</source>
        <translation>%1: ningún átomo.</translation>
    </message>
    <message>
        <source>%1 (%2 atoms): measured T = %3 K, fitted T = %4 K, total variation from the measured-T curve %5.</source>
        <translation>%1 (%2 átomos): T medida = %3 K, T ajustada = %4 K, variación total respecto a la curva de la T medida %5.</translation>
    </message>
    <message>
        <source>Fraction of atoms per bin (bins of %1 m/s)</source>
        <translation>Fracción de átomos por intervalo (intervalos de %1 m/s)</translation>
    </message>
    <message>
        <source>Speed Distribution</source>
        <translation>Distribución de velocidades</translation>
    </message>
</context>
<context>
    <name>CTimeSeriesChart</name>
    <message>
        <source>Draw the %1 (%2)</source>
        <translation>Dibujar %1 (%2)</translation>
    </message>
    <message>
        <source>Time (ps)</source>
        <translation>Tiempo (ps)</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Pasos</translation>
    </message>
    <message>
        <source>What the horizontal axis counts</source>
        <translation>Lo que cuenta el eje horizontal</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>Seguir</translation>
    </message>
    <message>
        <source>Move with the run; clear it to pause the chart</source>
        <translation>Avanzar con la ejecución; desmarcar para detener la gráfica</translation>
    </message>
    <message>
        <source>Reset Zoom</source>
        <translation>Restablecer zoom</translation>
    </message>
    <message>
        <source>The whole run again, following it (the wheel over the chart zooms the time axis)</source>
        <translation>De nuevo toda la ejecución, siguiéndola (la rueda sobre la gráfica amplía el eje del tiempo)</translation>
    </message>
    <message>
        <source>all atoms</source>
        <translation>todos los átomos</translation>
    </message>
    <message>
        <source>type %1 %2</source>
        <translation>tipo %1 %2</translation>
    </message>
    <message>
        <source>Displayed atoms: %1.  %2 samples, one every %3 display(s); %4 in view.</source>
        <translation>Átomos mostrados: %1.  %2 muestras, una cada %3 visualización(es); %4 a la vista.</translation>
    </message>
    <message>
        <source>Time Series</source>
        <translation>Series temporales</translation>
    </message>
</context>
<context>
    <name>CTimingDialog</name>
    <message>
        <source>Timing</source>
        <translation>Temporización</translation>
    </message>
    <message>
        <source>&amp;Steps per display:</source>
        <translation>&amp;Pasos por visualización:</translation>
    </message>
    <message>
        <source>&amp;Time step (s):</source>
        <translation>Paso de &amp;tiempo (s):</translation>
    </message>
    <message>
        <source>&amp;Real time between displays (s):</source>
        <translation>Tiempo &amp;real entre visualizaciones (s):</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Pasos</translation>
    </message>
    <message>
        <source>Show elapsed time &amp;in:</source>
        <translation>Mostrar el tiempo transcurrido &amp;en:</translation>
    </message>
    <message>
        <source>Steps per display</source>
        <translation>Pasos por visualización</translation>
    </message>
    <message>
        <source>Time step</source>
        <translation>Paso de tiempo</translation>
    </message>
    <message>
        <source>Real time between displays</source>
        <translation>Tiempo real entre visualizaciones</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>automático</translation>
    </message>
    <message>
        <source>The threads the engine steps with: automatic (every core of this computer) or 1 to %1. Every count gives the same results.</source>
        <translation>Los hilos con los que calcula el motor: automático (cada núcleo de este ordenador) o de 1 a %1. Cualquier número da los mismos resultados.</translation>
    </message>
    <message>
        <source>T&amp;hreads:</source>
        <translation>&amp;Hilos:</translation>
    </message>
</context>
<context>
    <name>CTrajectoryDialog</name>
    <message>
        <source>Record Trajectory</source>
        <translation>Grabar trayectoria</translation>
    </message>
    <message>
        <source>Extended XYZ (.xyz): OVITO, ASE, VMD</source>
        <translation>Extended XYZ (.xyz): OVITO, ASE, VMD</translation>
    </message>
    <message>
        <source>LAMMPS dump (.lammpstrj): with Export for LAMMPS&apos;s data file</source>
        <translation>Volcado de LAMMPS (.lammpstrj): con el archivo de datos de Exportar para LAMMPS</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>A frame &amp;every (displays, 1 to %1):</source>
        <translation>Un fotograma &amp;cada (visualizaciones, 1 a %1):</translation>
    </message>
    <message>
        <source>The first frame is the state now. Positions in Angstrom, velocities in Angstrom/ps, time in ps.
Each frame is on disk as soon as it is written.</source>
        <translation>El primer fotograma es el estado actual. Posiciones en angstroms, velocidades en angstroms/ps, tiempo en ps.
Cada fotograma está en el disco en cuanto se escribe.</translation>
    </message>
    <message>
        <source>A frame every</source>
        <translation>Un fotograma cada</translation>
    </message>
</context>
<context>
    <name>CUIWindow</name>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open a simulation file</source>
        <translation>Abrir un archivo de simulación</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;About Quorvel</source>
        <translation>&amp;Acerca de Quorvel</translation>
    </message>
    <message>
        <source>&amp;Keyboard and Mouse</source>
        <translation>&amp;Teclado y ratón</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Ejecutar</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>Ctrl+.</source>
        <translation>Ctrl+.</translation>
    </message>
    <message>
        <source>Select A&amp;ll</source>
        <translation>Seleccionar t&amp;odo</translation>
    </message>
    <message>
        <source>Select Type &amp;%1</source>
        <translation>Seleccionar tipo &amp;%1</translation>
    </message>
    <message>
        <source>Ctrl+%1</source>
        <translation>Ctrl+%1</translation>
    </message>
    <message>
        <source>D&amp;elete Selected</source>
        <translation>&amp;Eliminar selección</translation>
    </message>
    <message>
        <source>Cl&amp;ump Selected</source>
        <translation>A&amp;grupar selección</translation>
    </message>
    <message>
        <source>Ctrl+K</source>
        <translation>Ctrl+K</translation>
    </message>
    <message>
        <source>Shift Atoms to &amp;Fit</source>
        <translation>A&amp;justar los átomos a la caja</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Next Atom &amp;Type</source>
        <translation>Siguiente &amp;tipo de átomo</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Next &amp;Averaging Mode</source>
        <translation>Siguiente &amp;modo de promedio</translation>
    </message>
    <message>
        <source>Ctrl+Shift+T</source>
        <translation>Ctrl+Shift+T</translation>
    </message>
    <message>
        <source>Standard &amp;View</source>
        <translation>Vista &amp;estándar</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>St&amp;ereo</source>
        <translation>Es&amp;téreo</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Acercar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>A&amp;lejar</translation>
    </message>
    <message>
        <source>Eye &amp;Closer</source>
        <translation>Ojo más ce&amp;rca</translation>
    </message>
    <message>
        <source>Ctrl+]</source>
        <translation>Ctrl+]</translation>
    </message>
    <message>
        <source>Eye F&amp;arther</source>
        <translation>Ojo más lej&amp;os</translation>
    </message>
    <message>
        <source>Ctrl+[</source>
        <translation>Ctrl+[</translation>
    </message>
    <message>
        <source>&amp;Small</source>
        <translation>&amp;Pequeño</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Mediano</translation>
    </message>
    <message>
        <source>&amp;Large</source>
        <translation>&amp;Grande</translation>
    </message>
    <message>
        <source>&amp;Free</source>
        <translation>&amp;Libre</translation>
    </message>
    <message>
        <source>&amp;1 : 1</source>
        <translation>&amp;1 : 1</translation>
    </message>
    <message>
        <source>&amp;4 : 3</source>
        <translation>&amp;4 : 3</translation>
    </message>
    <message>
        <source>1&amp;6 : 9</source>
        <translation>1&amp;6 : 9</translation>
    </message>
    <message>
        <source>&amp;24 : 10</source>
        <translation>&amp;24 : 10</translation>
    </message>
    <message>
        <source>&amp;State</source>
        <translation>&amp;Estado</translation>
    </message>
    <message>
        <source>&amp;Energy Difference</source>
        <translation>&amp;Diferencia de energía</translation>
    </message>
    <message>
        <source>&amp;Numeric Values</source>
        <translation>Valores &amp;numéricos</translation>
    </message>
    <message>
        <source>&amp;Histogram</source>
        <translation>&amp;Histograma</translation>
    </message>
    <message>
        <source>&amp;Box</source>
        <translation>&amp;Caja</translation>
    </message>
    <message>
        <source>&amp;Floor</source>
        <translation>&amp;Suelo</translation>
    </message>
    <message>
        <source>S&amp;hadows</source>
        <translation>So&amp;mbras</translation>
    </message>
    <message>
        <source>A&amp;xes</source>
        <translation>E&amp;jes</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Open &amp;Example</source>
        <translation>Abrir &amp;ejemplo</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Simulation</source>
        <translation>&amp;Simulación</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Vista</translation>
    </message>
    <message>
        <source>Aspect &amp;Ratio</source>
        <translation>&amp;Proporción</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>Visuali&amp;zación</translation>
    </message>
    <message>
        <source>Text Si&amp;ze</source>
        <translation>Tamaño del te&amp;xto</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Quorvel[*]</source>
        <translation>Quorvel[*]</translation>
    </message>
    <message>
        <source>Quorvel - %1[*]</source>
        <translation>Quorvel - %1[*]</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>Acerca de Quorvel</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Quorvel %1&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Quorvel %1&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>Interactive molecular dynamics: up to 1,600 atoms of four types in a closed box.&lt;br&gt;&lt;br&gt;Copyright © 2025 the Quorvel developers.&lt;br&gt;Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Dinámica molecular interactiva: hasta 1600 átomos de cuatro tipos en una caja cerrada.&lt;br&gt;&lt;br&gt;Copyright © 2025 los desarrolladores de Quorvel.&lt;br&gt;Software libre bajo la Licencia Pública General de GNU, versión 3 o posterior.</translation>
    </message>
    <message>
        <source>Make &amp;Movie...</source>
        <translation>Grabar &amp;película...</translation>
    </message>
    <message>
        <source>Ctrl+Shift+M</source>
        <translation>Ctrl+Shift+M</translation>
    </message>
    <message>
        <source>A&amp;bort Movie</source>
        <translation>Interr&amp;umpir película</translation>
    </message>
    <message>
        <source>Capture &amp;Frame...</source>
        <translation>Capturar &amp;fotograma...</translation>
    </message>
    <message>
        <source>Ctrl+Shift+C</source>
        <translation>Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Clump</source>
        <translation>Agrupar</translation>
    </message>
    <message>
        <source>Shift Atoms to Fit</source>
        <translation>Ajustar los átomos a la caja</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Controles</translation>
    </message>
    <message>
        <source>&amp;Controls</source>
        <translation>&amp;Controles</translation>
    </message>
    <message>
        <source>Ctrl+Shift+K</source>
        <translation>Ctrl+Shift+K</translation>
    </message>
    <message>
        <source>Live controls of the heat bath, the piston, the forces and the speed</source>
        <translation>Controles en directo del baño térmico, el pistón, las fuerzas y la velocidad</translation>
    </message>
    <message>
        <source>&amp;Presentation</source>
        <translation>Prese&amp;ntación</translation>
    </message>
    <message>
        <source>Full screen, with readouts large enough to read across a room</source>
        <translation>Pantalla completa, con lecturas lo bastante grandes para leerlas desde el fondo del aula</translation>
    </message>
    <message>
        <source>&amp;Leave Presentation</source>
        <translation>&amp;Salir de la presentación</translation>
    </message>
    <message>
        <source>Ne&amp;w...</source>
        <translation>&amp;Nuevo...</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Minimizar</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>Add A&amp;tom...</source>
        <translation>Añadir á&amp;tomo...</translation>
    </message>
    <message>
        <source>Ctrl+Shift+A</source>
        <translation>Ctrl+Shift+A</translation>
    </message>
    <message>
        <source>Ed&amp;it Selected Atoms...</source>
        <translation>Editar átomos &amp;seleccionados...</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>&amp;Number of Atoms...</source>
        <translation>Núme&amp;ro de átomos...</translation>
    </message>
    <message>
        <source>Ctrl+Shift+N</source>
        <translation>Ctrl+Shift+N</translation>
    </message>
    <message>
        <source>Atom &amp;Properties...</source>
        <translation>&amp;Propiedades de los átomos...</translation>
    </message>
    <message>
        <source>P&amp;otentials...</source>
        <translation>P&amp;otenciales...</translation>
    </message>
    <message>
        <source>&amp;Box and Piston...</source>
        <translation>&amp;Caja y pistón...</translation>
    </message>
    <message>
        <source>Ctrl+Shift+B</source>
        <translation>Ctrl+Shift+B</translation>
    </message>
    <message>
        <source>&amp;Floor...</source>
        <translation>&amp;Suelo...</translation>
    </message>
    <message>
        <source>&amp;Energy Conservation...</source>
        <translation>Conser&amp;vación de la energía...</translation>
    </message>
    <message>
        <source>Change &amp;Kinetic Energy...</source>
        <translation>Ca&amp;mbiar la energía cinética...</translation>
    </message>
    <message>
        <source>&amp;Timing...</source>
        <translation>&amp;Temporización...</translation>
    </message>
    <message>
        <source>&amp;Displays...</source>
        <translation>&amp;Visualizaciones...</translation>
    </message>
    <message>
        <source>View &amp;Distances...</source>
        <translation>&amp;Distancias de vista...</translation>
    </message>
    <message>
        <source>Export for &amp;LAMMPS...</source>
        <translation>E&amp;xportar para LAMMPS...</translation>
    </message>
    <message>
        <source>Ctrl+Shift+L</source>
        <translation>Ctrl+Shift+L</translation>
    </message>
    <message>
        <source>Debug &amp;1 (Clump Selected)</source>
        <translation>Depuración &amp;1 (Agrupar selección)</translation>
    </message>
    <message>
        <source>Debug &amp;2 (Shift Atoms to Fit)</source>
        <translation>Depuración &amp;2 (Ajustar los átomos a la caja)</translation>
    </message>
    <message>
        <source>Box Width %1 nm</source>
        <translation>Anchura de la caja %1 nm</translation>
    </message>
    <message>
        <source>New Simulation</source>
        <translation>Nueva simulación</translation>
    </message>
    <message>
        <source>Add Atom</source>
        <translation>Añadir átomo</translation>
    </message>
    <message>
        <source>Edit Selected Atoms</source>
        <translation>Editar átomos seleccionados</translation>
    </message>
    <message>
        <source>Number of Atoms</source>
        <translation>Número de átomos</translation>
    </message>
    <message>
        <source>Atom Properties</source>
        <translation>Propiedades de los átomos</translation>
    </message>
    <message>
        <source>Potentials</source>
        <translation>Potenciales</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Temporización</translation>
    </message>
    <message>
        <source>Box and Piston</source>
        <translation>Caja y pistón</translation>
    </message>
    <message>
        <source>Floor</source>
        <translation>Suelo</translation>
    </message>
    <message>
        <source>Energy Conservation</source>
        <translation>Conservación de la energía</translation>
    </message>
    <message>
        <source>Change Kinetic Energy</source>
        <translation>Cambiar la energía cinética</translation>
    </message>
    <message>
        <source>Displays</source>
        <translation>Visualizaciones</translation>
    </message>
    <message>
        <source>View Distances</source>
        <translation>Distancias de vista</translation>
    </message>
    <message>
        <source>Export for LAMMPS: choose a folder</source>
        <translation>Exportar para LAMMPS: elija una carpeta</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Abrir %1</translation>
    </message>
    <message>
        <source>%1 is gone and was removed</source>
        <translation>%1 ya no existe y se ha quitado</translation>
    </message>
    <message>
        <source>%1 files are gone and were removed</source>
        <translation>%1 archivos ya no existen y se han quitado</translation>
    </message>
    <message>
        <source>No Recent Files</source>
        <translation>No hay archivos recientes</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>&amp;Vaciar el menú</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Sistema</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The new language takes effect when Quorvel is started again.</source>
        <translation>El nuevo idioma se aplicará cuando Quorvel se inicie de nuevo.</translation>
    </message>
    <message>
        <source>Open Lesso&amp;n...</source>
        <translation>Abrir &amp;lección...</translation>
    </message>
    <message>
        <source>A lesson&apos;s pages in a panel beside the view</source>
        <translation>Las páginas de una lección en un panel junto a la vista</translation>
    </message>
    <message>
        <source>&amp;Lessons</source>
        <translation>&amp;Lecciones</translation>
    </message>
    <message>
        <source>Lesson &amp;Panel</source>
        <translation>&amp;Panel de lección</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Fijar %1</translation>
    </message>
    <message>
        <source>&amp;Plots</source>
        <translation>&amp;Gráficas</translation>
    </message>
    <message>
        <source>Ctrl+Shift+P</source>
        <translation>Ctrl+Shift+P</translation>
    </message>
    <message>
        <source>Charts of the run: time series, speed distribution, g(r)</source>
        <translation>Gráficas de la ejecución: series temporales, distribución de velocidades, g(r)</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Ve&amp;ntana</translation>
    </message>
    <message>
        <source>De&amp;bug</source>
        <translation>&amp;Depuración</translation>
    </message>
    <message>
        <source>Record &amp;Trajectory...</source>
        <translation>Grabar &amp;trayectoria...</translation>
    </message>
    <message>
        <source>Abort Tra&amp;jectory</source>
        <translation>Interrumpir tra&amp;yectoria</translation>
    </message>
    <message>
        <source>REC trajectory %1: %2 frames</source>
        <translation>REC trayectoria %1: %2 fotogramas</translation>
    </message>
    <message>
        <source>Open Trajectory</source>
        <translation>Abrir trayectoria</translation>
    </message>
    <message>
        <source>The file holds %1 frames. Open frame (1 to %1):</source>
        <translation>El archivo contiene %1 fotogramas. Abrir el fotograma (1 a %1):</translation>
    </message>
    <message>
        <source>U&amp;ndo</source>
        <translation>Des&amp;hacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Z</source>
        <translation>Ctrl+Shift+Z</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>Histor&amp;ial</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>&lt;Start&gt;</source>
        <translation>&lt;Inicio&gt;</translation>
    </message>
    <message>
        <source>Colo&amp;urs for Colour Blindness</source>
        <translation>Colores para &amp;visión daltónica</translation>
    </message>
    <message>
        <source>Draw the four types in colours that stay apart with any colour vision; the file keeps its own</source>
        <translation>Dibujar los cuatro tipos en colores que se distinguen con cualquier visión del color; el archivo conserva los suyos</translation>
    </message>
</context>
<context>
    <name>CViewDialog</name>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Box width:</source>
        <translation>Anchura de la caja:</translation>
    </message>
    <message>
        <source>&amp;Eye distance (m):</source>
        <translation>Distancia del &amp;ojo (m):</translation>
    </message>
    <message>
        <source>&amp;Projection plane distance (m):</source>
        <translation>Distancia del &amp;plano de proyección (m):</translation>
    </message>
    <message>
        <source>&amp;Scale (points per metre at the projection plane):</source>
        <translation>&amp;Escala (puntos por metro en el plano de proyección):</translation>
    </message>
    <message>
        <source>Eye distance</source>
        <translation>Distancia del ojo</translation>
    </message>
    <message>
        <source>Projection plane distance</source>
        <translation>Distancia del plano de proyección</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Escala</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>, back to step %1</source>
        <translation>, vuelta al paso %1</translation>
    </message>
    <message>
        <source>Simulation and structure files (*.%1);;All files (*)</source>
        <translation>Archivos de simulación y de estructura (*.%1);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Simulation files (*.%1)</source>
        <translation>Archivos de simulación (*.%1)</translation>
    </message>
    <message>
        <source>Type the path of one folder, without quotation marks.</source>
        <translation>Escriba la ruta de una sola carpeta, sin comillas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder.</source>
        <translation>«%1» es un archivo, no una carpeta.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist, so no new folder can be made in it.</source>
        <translation>La carpeta «%1» no existe, así que no se puede crear en ella una carpeta nueva.</translation>
    </message>
    <message>
        <source>dE</source>
        <translation>dE</translation>
    </message>
    <message>
        <source>Not conserved</source>
        <translation>No conservada</translation>
    </message>
    <message>
        <source>KE (J)</source>
        <translation>Ec (J)</translation>
    </message>
    <message>
        <source>PE (J)</source>
        <translation>Ep (J)</translation>
    </message>
    <message>
        <source>TE (J)</source>
        <translation>Em (J)</translation>
    </message>
    <message>
        <source>T (K)</source>
        <translation>T (K)</translation>
    </message>
    <message>
        <source>P (Pa)</source>
        <translation>P (Pa)</translation>
    </message>
    <message>
        <source>Vrms (m/s)</source>
        <translation>Vrms (m/s)</translation>
    </message>
    <message>
        <source>V (m³)</source>
        <translation>V (m³)</translation>
    </message>
    <message>
        <source>Total energy difference since the run began; highlighted once it is as large as the total energy</source>
        <translation>Diferencia de energía total desde el inicio de la ejecución; resaltada en cuanto es tan grande como la energía total</translation>
    </message>
    <message>
        <source>undefined</source>
        <translation>indefinido</translation>
    </message>
    <message>
        <source>infinite</source>
        <translation>infinito</translation>
    </message>
    <message>
        <source>-infinite</source>
        <translation>-infinito</translation>
    </message>
    <message>
        <source>%1 1 Atom</source>
        <translation>%1 (1 átomo)</translation>
    </message>
    <message>
        <source>%1 %2 Atoms</source>
        <translation>%1 (%2 átomos)</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>DETENIDO</translation>
    </message>
    <message>
        <source>RUNNING</source>
        <translation>EN MARCHA</translation>
    </message>
    <message>
        <source>%1 secs</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 steps</source>
        <translation>%1 pasos</translation>
    </message>
    <message>
        <source>%1 ips</source>
        <translation>%1 ips</translation>
    </message>
    <message>
        <source>ALL TYPES</source>
        <translation>TODOS LOS TIPOS</translation>
    </message>
    <message>
        <source>INSTANT</source>
        <translation>INSTANTÁNEO</translation>
    </message>
    <message>
        <source>%1 secs TIME CONSTANT</source>
        <translation>%1 s CONSTANTE DE TIEMPO</translation>
    </message>
    <message>
        <source>%1 steps TIME CONSTANT</source>
        <translation>%1 pasos CONSTANTE DE TIEMPO</translation>
    </message>
    <message>
        <source>%1 secs ACCUMULATED</source>
        <translation>%1 s ACUMULADO</translation>
    </message>
    <message>
        <source>%1 steps ACCUMULATED</source>
        <translation>%1 pasos ACUMULADO</translation>
    </message>
</context>
<context>
    <name>language</name>
    <message>
        <source>English</source>
        <comment>this language&apos;s own name</comment>
        <translation>Español</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Interactive molecular dynamics: up to 1,600 atoms of four types in a closed box.</source>
        <translation>Dinámica molecular interactiva: hasta 1600 átomos de cuatro tipos en una caja cerrada.</translation>
    </message>
    <message>
        <source>A simulation file to open, as if dropped on the window.</source>
        <translation>Un archivo de simulación que abrir, como si se hubiera soltado sobre la ventana.</translation>
    </message>
</context>
</TS>
