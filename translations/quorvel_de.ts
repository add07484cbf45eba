<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CAddAtomDialog</name>
    <message>
        <source>Add Atom</source>
        <translation>Atom hinzufügen</translation>
    </message>
    <message>
        <source>Atom &amp;type:</source>
        <translation>Atom&amp;typ:</translation>
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
        <translation>Anzahl der Atome</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Atoms (at most %1)</source>
        <translation>Atome (höchstens %1)</translation>
    </message>
    <message>
        <source>Number of atoms of type %1</source>
        <translation>Anzahl der Atome vom Typ %1</translation>
    </message>
</context>
<context>
    <name>CAtomPropertiesDialog</name>
    <message>
        <source>Atom Properties</source>
        <translation>Atomeigenschaften</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Diameter (m)</source>
        <translation>Durchmesser (m)</translation>
    </message>
    <message>
        <source>Mass (kg)</source>
        <translation>Masse (kg)</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Name of type %1: use plain ASCII letters, digits and punctuation only (&quot;%2&quot; cannot be saved).</source>
        <translation>Name von Typ %1: nur einfache ASCII-Buchstaben, Ziffern und Satzzeichen verwenden („%2“ kann nicht gespeichert werden).</translation>
    </message>
    <message>
        <source>Name of type %1: at most %2 characters (this one has %3).</source>
        <translation>Name von Typ %1: höchstens %2 Zeichen (dieser hat %3).</translation>
    </message>
    <message>
        <source>Diameter of type %1</source>
        <translation>Durchmesser von Typ %1</translation>
    </message>
    <message>
        <source>Mass of type %1</source>
        <translation>Masse von Typ %1</translation>
    </message>
    <message>
        <source>Name of type %1</source>
        <translation>Name von Typ %1</translation>
    </message>
    <message>
        <source>Colour of type %1</source>
        <translation>Farbe von Typ %1</translation>
    </message>
</context>
<context>
    <name>CBoxDialog</name>
    <message>
        <source>Box</source>
        <translation>Box</translation>
    </message>
    <message>
        <source>Box &amp;width (m):</source>
        <translation>Box&amp;breite (m):</translation>
    </message>
    <message>
        <source>Piston</source>
        <translation>Kolben</translation>
    </message>
    <message>
        <source>&amp;Apply pressure with a piston</source>
        <translation>Druck mit einem &amp;Kolben ausüben</translation>
    </message>
    <message>
        <source>Applied &amp;pressure (Pa):</source>
        <translation>Ausgeübter &amp;Druck (Pa):</translation>
    </message>
    <message>
        <source>Piston &amp;mass (kg):</source>
        <translation>Kolben&amp;masse (kg):</translation>
    </message>
    <message>
        <source>Box width</source>
        <translation>Boxbreite</translation>
    </message>
    <message>
        <source>Applied pressure</source>
        <translation>Ausgeübter Druck</translation>
    </message>
    <message>
        <source>Piston mass</source>
        <translation>Kolbenmasse</translation>
    </message>
    <message>
        <source>Closed box</source>
        <translation>Geschlossene Box</translation>
    </message>
    <message>
        <source>Periodic (bulk)</source>
        <translation>Periodisch (Bulk)</translation>
    </message>
    <message>
        <source>&amp;Kind of box:</source>
        <translation>&amp;Art der Box:</translation>
    </message>
</context>
<context>
    <name>CChangeKEDialog</name>
    <message>
        <source>Change Kinetic Energy</source>
        <translation>Kinetische Energie ändern</translation>
    </message>
    <message>
        <source>&amp;Change of the total kinetic energy (J):</source>
        <translation>Ä&amp;nderung der gesamten kinetischen Energie (J):</translation>
    </message>
    <message>
        <source>Shared equally among all atoms; an atom never goes below rest.</source>
        <translation>Zu gleichen Teilen auf alle Atome verteilt; kein Atom fällt unter den Stillstand.</translation>
    </message>
    <message>
        <source>Change of the kinetic energy</source>
        <translation>Änderung der kinetischen Energie</translation>
    </message>
</context>
<context>
    <name>CColorButton</name>
    <message>
        <source>Atom Colour</source>
        <translation>Atomfarbe</translation>
    </message>
</context>
<context>
    <name>CControlDescriptions</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1, from %2 to %3.</source>
        <translation>%1, von %2 bis %3.</translation>
    </message>
    <message>
        <source>%1, in %2, from %3 to %4.</source>
        <translation>%1, in %2, von %3 bis %4.</translation>
    </message>
    <message>
        <source>%1, in %2.</source>
        <translation>%1, in %2.</translation>
    </message>
    <message>
        <source>%1: on or off.</source>
        <translation>%1: ein oder aus.</translation>
    </message>
    <message>
        <source>%1: one of the choices beside it.</source>
        <translation>%1: eine der Möglichkeiten daneben.</translation>
    </message>
    <message>
        <source>%1: a choice from a list.</source>
        <translation>%1: eine Auswahl aus einer Liste.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>kelvin</source>
        <translation>Kelvin</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>Metern</translation>
    </message>
    <message>
        <source>kilograms</source>
        <translation>Kilogramm</translation>
    </message>
    <message>
        <source>joules</source>
        <translation>Joule</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>coulombs</source>
        <translation>Coulomb</translation>
    </message>
    <message>
        <source>pascals</source>
        <translation>Pascal</translation>
    </message>
    <message>
        <source>metres per second</source>
        <translation>Metern pro Sekunde</translation>
    </message>
    <message>
        <source>cubic metres</source>
        <translation>Kubikmetern</translation>
    </message>
    <message>
        <source>steps</source>
        <translation>Schritten</translation>
    </message>
    <message>
        <source>points</source>
        <translation>Punkten</translation>
    </message>
    <message>
        <source>points per metre</source>
        <translation>Punkten pro Meter</translation>
    </message>
    <message>
        <source>atoms per bin</source>
        <translation>Atomen pro Klasse</translation>
    </message>
    <message>
        <source>displays</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>frames</source>
        <translation>Bildern</translation>
    </message>
    <message>
        <source>parts of full intensity</source>
        <translation>Anteilen der vollen Intensität</translation>
    </message>
    <message>
        <source>per cent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>six-hundredths of a second</source>
        <translation>Sechshundertstelsekunden</translation>
    </message>
</context>
<context>
    <name>CControlsPanel</name>
    <message>
        <source>%1 in %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>Heat bath</source>
        <translation>Wärmebad</translation>
    </message>
    <message>
        <source>Floor heat bath</source>
        <translation>Wärmebad des Bodens</translation>
    </message>
    <message>
        <source>Floor Heat Bath</source>
        <translation>Wärmebad des Bodens</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Floor Temperature</source>
        <translation>Bodentemperatur</translation>
    </message>
    <message>
        <source>Heat and cool</source>
        <translation>Heizen und Kühlen</translation>
    </message>
    <message>
        <source>Heat</source>
        <translation>Heizen</translation>
    </message>
    <message>
        <source>Cool</source>
        <translation>Kühlen</translation>
    </message>
    <message>
        <source>Heat: hold to add kinetic energy</source>
        <translation>Heizen: gedrückt halten, um kinetische Energie zuzuführen</translation>
    </message>
    <message>
        <source>Cool: hold to remove kinetic energy</source>
        <translation>Kühlen: gedrückt halten, um kinetische Energie zu entziehen</translation>
    </message>
    <message>
        <source>Hold to add %1% of the kinetic energy per second</source>
        <translation>Gedrückt halten, um %1 % der kinetischen Energie pro Sekunde zuzuführen</translation>
    </message>
    <message>
        <source>Hold to remove %1% of the kinetic energy per second</source>
        <translation>Gedrückt halten, um %1 % der kinetischen Energie pro Sekunde zu entziehen</translation>
    </message>
    <message>
        <source>Piston</source>
        <translation>Kolben</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Pa</source>
        <translation>Pa</translation>
    </message>
    <message>
        <source>Applied Pressure</source>
        <translation>Ausgeübter Druck</translation>
    </message>
    <message>
        <source>Forces</source>
        <translation>Kräfte</translation>
    </message>
    <message>
        <source>Potentials</source>
        <translation>Potentiale</translation>
    </message>
    <message>
        <source>Well depth factor</source>
        <translation>Faktor der Topftiefe</translation>
    </message>
    <message>
        <source>× 0 to 3</source>
        <translation>× 0 bis 3</translation>
    </message>
    <message>
        <source>Well depth</source>
        <translation>Topftiefe</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Steps per display</source>
        <translation>Schritte pro Anzeige</translation>
    </message>
    <message>
        <source>steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Steps per Display</source>
        <translation>Schritte pro Anzeige</translation>
    </message>
    <message>
        <source>Time step in s</source>
        <translation>Zeitschritt in s</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Time step</source>
        <translation>Zeitschritt</translation>
    </message>
    <message>
        <source>Time Step</source>
        <translation>Zeitschritt</translation>
    </message>
    <message>
        <source>Readouts</source>
        <translation>Messwerte</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Momentan</translation>
    </message>
    <message>
        <source>Time constant</source>
        <translation>Zeitkonstante</translation>
    </message>
    <message>
        <source>Accumulated</source>
        <translation>Kumuliert</translation>
    </message>
    <message>
        <source>Averaging</source>
        <translation>Mittelung</translation>
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
        <translation>Alle</translation>
    </message>
    <message>
        <source>Displayed type</source>
        <translation>Angezeigter Typ</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
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
        <translation>Wählen Sie unter Messwerte einen Typ, um seine Topftiefe zu ändern.</translation>
    </message>
    <message>
        <source>%1-%1: %2 J (× %3)</source>
        <translation>%1-%1: %2 J (× %3)</translation>
    </message>
    <message>
        <source>Well Depth %1-%1</source>
        <translation>Topftiefe %1-%1</translation>
    </message>
</context>
<context>
    <name>CDiffusionChart</name>
    <message>
        <source>Time (ps)</source>
        <translation>Zeit (ps)</translation>
    </message>
    <message>
        <source>Mean squared displacement (nm²)</source>
        <translation>Mittleres Verschiebungsquadrat (nm²)</translation>
    </message>
    <message>
        <source>Velocity autocorrelation ((m/s)²)</source>
        <translation>Geschwindigkeitsautokorrelation ((m/s)²)</translation>
    </message>
    <message>
        <source>Running integral / 3 (nm²/ns = 1e-9 m²/s)</source>
        <translation>Laufendes Integral / 3 (nm²/ns = 1e-9 m²/s)</translation>
    </message>
    <message>
        <source>Mean squared displacement</source>
        <translation>Mittleres Verschiebungsquadrat</translation>
    </message>
    <message>
        <source>Velocity autocorrelation</source>
        <translation>Geschwindigkeitsautokorrelation</translation>
    </message>
    <message>
        <source>The curve shown</source>
        <translation>Die gezeigte Kurve</translation>
    </message>
    <message>
        <source>All atoms</source>
        <translation>Alle Atome</translation>
    </message>
    <message>
        <source>Type %1</source>
        <translation>Typ %1</translation>
    </message>
    <message>
        <source>The atoms averaged over</source>
        <translation>Die Atome, über die gemittelt wird</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Start the measurement again from the next step</source>
        <translation>Die Messung ab dem nächsten Schritt neu beginnen</translation>
    </message>
    <message>
        <source>MSD (nm²)</source>
        <translation>MSD (nm²)</translation>
    </message>
    <message>
        <source>Einstein fit 6 D t + c (nm²)</source>
        <translation>Einstein-Anpassung 6 D t + c (nm²)</translation>
    </message>
    <message>
        <source>slope 1 (diffusive)</source>
        <translation>Steigung 1 (diffusiv)</translation>
    </message>
    <message>
        <source>fit window</source>
        <translation>Anpassungsfenster</translation>
    </message>
    <message>
        <source>VACF ((m/s)²)</source>
        <translation>VACF ((m/s)²)</translation>
    </message>
    <message>
        <source>Running integral / 3, the Green-Kubo D (nm²/ns)</source>
        <translation>Laufendes Integral / 3, das Green-Kubo-D (nm²/ns)</translation>
    </message>
    <message>
        <source>%1: no atoms.</source>
        <translation>%1: keine Atome.</translation>
    </message>
    <message>
        <source>%1 samples, every %2 steps</source>
        <translation>%1 Messpunkte, alle %2 Schritte</translation>
    </message>
    <message>
        <source>%1 (%2 atoms): no diffusion coefficient: %3. %4.</source>
        <translation>%1 (%2 Atome): kein Diffusionskoeffizient: %3. %4.</translation>
    </message>
    <message>
        <source> ± %1</source>
        <translation> ± %1</translation>
    </message>
    <message>
        <source> (too few blocks for an error yet)</source>
        <translation> (noch zu wenige Blöcke für eine Fehlerangabe)</translation>
    </message>
    <message>
        <source>%1 (%2 atoms): Einstein D = %3%4 m²/s, fit from %5 to %6 ps; Green-Kubo D = %7 m²/s. %8.</source>
        <translation>%1 (%2 Atome): Einstein-D = %3%4 m²/s, angepasst von %5 bis %6 ps; Green-Kubo-D = %7 m²/s. %8.</translation>
    </message>
    <message>
        <source>Diffusion</source>
        <translation>Diffusion</translation>
    </message>
</context>
<context>
    <name>CDisplaysDialog</name>
    <message>
        <source>Displays</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Values shown</source>
        <translation>Angezeigte Werte</translation>
    </message>
    <message>
        <source>&amp;Instantaneous</source>
        <translation>&amp;Momentanwerte</translation>
    </message>
    <message>
        <source>&amp;Time-constant averages</source>
        <translation>Mittelwerte mit &amp;Zeitkonstante</translation>
    </message>
    <message>
        <source>&amp;Accumulated averages</source>
        <translation>&amp;Kumulierte Mittelwerte</translation>
    </message>
    <message>
        <source>Time &amp;constant (steps):</source>
        <translation>Zeit&amp;konstante (Schritte):</translation>
    </message>
    <message>
        <source>Speed histogram</source>
        <translation>Geschwindigkeitshistogramm</translation>
    </message>
    <message>
        <source>Largest &amp;speed (m/s):</source>
        <translation>Größte &amp;Geschwindigkeit (m/s):</translation>
    </message>
    <message>
        <source>&amp;Height of the scale (atoms per bin):</source>
        <translation>&amp;Höhe der Skala (Atome pro Klasse):</translation>
    </message>
    <message>
        <source>&amp;Width (pixels):</source>
        <translation>&amp;Breite (Pixel):</translation>
    </message>
    <message>
        <source>H&amp;eight (pixels):</source>
        <translation>Hö&amp;he (Pixel):</translation>
    </message>
    <message>
        <source>Time constant</source>
        <translation>Zeitkonstante</translation>
    </message>
    <message>
        <source>Largest speed</source>
        <translation>Größte Geschwindigkeit</translation>
    </message>
    <message>
        <source>Height of the histogram scale</source>
        <translation>Höhe der Histogrammskala</translation>
    </message>
    <message>
        <source>Histogram width</source>
        <translation>Histogrammbreite</translation>
    </message>
    <message>
        <source>Histogram height</source>
        <translation>Histogrammhöhe</translation>
    </message>
</context>
<context>
    <name>CDocument</name>
    <message>
        <source>U&amp;ndo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>U&amp;ndo %1%2</source>
        <translation>&amp;Rückgängig: %1%2</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Redo %1%2</source>
        <translation>&amp;Wiederholen: %1%2</translation>
    </message>
    <message>
        <source>Move 1 Atom</source>
        <translation>1 Atom verschieben</translation>
    </message>
    <message>
        <source>Move %1 Atoms</source>
        <translation>%1 Atome verschieben</translation>
    </message>
</context>
<context>
    <name>CEditAtomDialog</name>
    <message>
        <source>Edit Atoms</source>
        <translation>Atome bearbeiten</translation>
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
        <translation>Geschwindigkeiten, die auf NA stehen, bleiben unverändert.</translation>
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
        <translation>Energie</translation>
    </message>
    <message>
        <source>&amp;Conserve energy (rescale speeds after each step)</source>
        <translation>Energie &amp;erhalten (Geschwindigkeiten nach jedem Schritt skalieren)</translation>
    </message>
</context>
<context>
    <name>CEnergyLedgerChart</name>
    <message>
        <source>Simulated time (ps)</source>
        <translation>Simulierte Zeit (ps)</translation>
    </message>
    <message>
        <source>Energy since the ledger restarted (zJ)</source>
        <translation>Energie seit dem Neustart der Bilanz (zJ)</translation>
    </message>
    <message>
        <source>%1 (zJ)</source>
        <translation>%1 (zJ)</translation>
    </message>
    <message>
        <source>now</source>
        <translation>jetzt</translation>
    </message>
    <message>
        <source>dE = heat + work + user + correction + residual + piston stop</source>
        <translation>dE = Wärme + Arbeit + Eingriff + Korrektur + Rest + Kolbenanschlag</translation>
    </message>
    <message>
        <source>Balanced to rounding: every term is below a billionth of the kinetic energy.</source>
        <translation>Bis auf Rundung ausgeglichen: jeder Term ist kleiner als ein Milliardstel der kinetischen Energie.</translation>
    </message>
    <message>
        <source>No displays since the ledger restarted.</source>
        <translation>Keine Anzeigen seit dem Neustart der Bilanz.</translation>
    </message>
    <message>
        <source>%1 displays since the ledger restarted (opening a file or restarting the averages restarts it); one sample every %2 display(s).</source>
        <translation>%1 Anzeigen seit dem Neustart der Bilanz (Öffnen einer Datei oder Neustart der Mittelwerte startet sie neu); ein Messpunkt alle %2 Anzeige(n).</translation>
    </message>
    <message>
        <source>Energy Ledger</source>
        <translation>Energiebilanz</translation>
    </message>
</context>
<context>
    <name>CFloorDialog</name>
    <message>
        <source>Floor</source>
        <translation>Boden</translation>
    </message>
    <message>
        <source>Heat bath</source>
        <translation>Wärmebad</translation>
    </message>
    <message>
        <source>&amp;Floor exchanges heat with a bath</source>
        <translation>&amp;Boden tauscht Wärme mit einem Bad aus</translation>
    </message>
    <message>
        <source>Floor &amp;temperature (K):</source>
        <translation>Boden&amp;temperatur (K):</translation>
    </message>
    <message>
        <source>Floor potential</source>
        <translation>Bodenpotential</translation>
    </message>
    <message>
        <source>Floor &amp;attracts atoms (Lennard-Jones)</source>
        <translation>Boden &amp;zieht Atome an (Lennard-Jones)</translation>
    </message>
    <message>
        <source>Well depth (J)</source>
        <translation>Topftiefe (J)</translation>
    </message>
    <message>
        <source>Floor temperature</source>
        <translation>Bodentemperatur</translation>
    </message>
    <message>
        <source>Floor well depth of type %1</source>
        <translation>Topftiefe des Bodens für Typ %1</translation>
    </message>
</context>
<context>
    <name>CFrameCaptureDialog</name>
    <message>
        <source>Capture Frame</source>
        <translation>Bild aufnehmen</translation>
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
        <translation>Datei&amp;typ:</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>JPEG &amp;quality:</source>
        <translation>JPEG-&amp;Qualität:</translation>
    </message>
    <message>
        <source>Full &amp;resolution of a scaled screen</source>
        <translation>Volle &amp;Auflösung eines skalierten Bildschirms</translation>
    </message>
</context>
<context>
    <name>CKeyboardMouseDialog</name>
    <message>
        <source>drag</source>
        <translation>Ziehen</translation>
    </message>
    <message>
        <source>turn the view (0.9 degrees per point)</source>
        <translation>die Ansicht drehen (0,9 Grad pro Punkt)</translation>
    </message>
    <message>
        <source>Shift-click on an atom</source>
        <translation>Umschalt-Klick auf ein Atom</translation>
    </message>
    <message>
        <source>select or deselect it</source>
        <translation>es aus- oder abwählen</translation>
    </message>
    <message>
        <source>Shift-drag</source>
        <translation>Umschalt-Ziehen</translation>
    </message>
    <message>
        <source>select the atoms inside the dashed box</source>
        <translation>die Atome im gestrichelten Rahmen auswählen</translation>
    </message>
    <message>
        <source>Super-drag, or middle-button drag</source>
        <translation>Super-Ziehen oder Ziehen mit der mittleren Taste</translation>
    </message>
    <message>
        <source>move the selected atoms in the screen plane</source>
        <translation>die ausgewählten Atome in der Bildschirmebene verschieben</translation>
    </message>
    <message>
        <source>Ctrl-drag, or right-button drag</source>
        <translation>Strg-Ziehen oder Ziehen mit der rechten Taste</translation>
    </message>
    <message>
        <source>zoom (drag down to shrink)</source>
        <translation>zoomen (nach unten ziehen verkleinert)</translation>
    </message>
    <message>
        <source>Alt-drag</source>
        <translation>Alt-Ziehen</translation>
    </message>
    <message>
        <source>move the eye away (down) or closer (up), scaling the picture alike</source>
        <translation>das Auge entfernen (nach unten) oder annähern (nach oben), das Bild skaliert mit</translation>
    </message>
    <message>
        <source>wheel</source>
        <translation>Mausrad</translation>
    </message>
    <message>
        <source>zoom, one arrow-key step per notch</source>
        <translation>zoomen, ein Pfeiltastenschritt pro Raste</translation>
    </message>
    <message>
        <source>Shift-wheel</source>
        <translation>Umschalt-Mausrad</translation>
    </message>
    <message>
        <source>move the eye closer (away from you) or away (towards you)</source>
        <translation>das Auge annähern (von Ihnen weg) oder entfernen (zu Ihnen hin)</translation>
    </message>
    <message>
        <source>Left, Right</source>
        <translation>Links, Rechts</translation>
    </message>
    <message>
        <source>turn about the vertical axis (4.5 degrees a press)</source>
        <translation>um die senkrechte Achse drehen (4,5 Grad pro Druck)</translation>
    </message>
    <message>
        <source>Up, Down</source>
        <translation>Hoch, Runter</translation>
    </message>
    <message>
        <source>tilt (4.5 degrees a press)</source>
        <translation>kippen (4,5 Grad pro Druck)</translation>
    </message>
    <message>
        <source>Ctrl+Up, Ctrl+Down</source>
        <translation>Strg+Hoch, Strg+Runter</translation>
    </message>
    <message>
        <source>zoom</source>
        <translation>zoomen</translation>
    </message>
    <message>
        <source>Alt+Up, Alt+Down</source>
        <translation>Alt+Hoch, Alt+Runter</translation>
    </message>
    <message>
        <source>move the eye</source>
        <translation>das Auge bewegen</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>restore the standard orientation, keeping the zoom</source>
        <translation>die Standardausrichtung wiederherstellen, der Zoom bleibt</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>deselect every atom</source>
        <translation>alle Atome abwählen</translation>
    </message>
    <message>
        <source>Does</source>
        <translation>Wirkung</translation>
    </message>
    <message>
        <source>Mouse in the view</source>
        <translation>Maus in der Ansicht</translation>
    </message>
    <message>
        <source>Gesture</source>
        <translation>Geste</translation>
    </message>
    <message>
        <source>Keys in the view</source>
        <translation>Tasten in der Ansicht</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Many window managers keep Alt-drag and Super-drag for moving windows; the middle button, the right button, the wheel and the View menu do the same without them.</source>
        <translation>Viele Fenstermanager belegen Alt-Ziehen und Super-Ziehen zum Verschieben von Fenstern; die mittlere Taste, die rechte Taste, das Mausrad und das Menü Ansicht leisten dasselbe ohne sie.</translation>
    </message>
    <message>
        <source>Keyboard and Mouse</source>
        <translation>Tastatur und Maus</translation>
    </message>
    <message>
        <source>Keys and mouse actions</source>
        <translation>Tasten und Mausaktionen</translation>
    </message>
    <message>
        <source>Tables of what each key and mouse action does in the view and the windows.</source>
        <translation>Tabellen dazu, was jede Taste und jede Mausaktion in der Ansicht und den Fenstern bewirkt.</translation>
    </message>
</context>
<context>
    <name>CLessonPanel</name>
    <message>
        <source>Lesson</source>
        <translation>Lektion</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Weiter &gt;</translation>
    </message>
    <message>
        <source>Lesson: %1</source>
        <translation>Lektion: %1</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>This lesson has problems to fix:
%1</source>
        <translation>Diese Lektion hat Fehler, die zu beheben sind:
%1</translation>
    </message>
    <message>
        <source>No lesson is open. Choose one in Help &gt; Lessons, or File &gt; Open Lesson...</source>
        <translation>Keine Lektion ist geöffnet. Wählen Sie eine unter Hilfe &gt; Lektionen oder Datei &gt; Lektion öffnen...</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Waiting for %1</source>
        <translation>Warten auf %1</translation>
    </message>
    <message>
        <source>Next opens once %1 is %2 %3 %4; it is %5 now.</source>
        <translation>Weiter öffnet sich, sobald %1 %2 %3 %4 ist; jetzt ist es %5.</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>This link does nothing: line %1 of the lesson has a problem.</source>
        <translation>Dieser Verweis bewirkt nichts: Zeile %1 der Lektion hat einen Fehler.</translation>
    </message>
    <message>
        <source>This link is not one the lesson&apos;s page holds: %1</source>
        <translation>Dieser Verweis gehört nicht zur Seite der Lektion: %1</translation>
    </message>
    <message>
        <source>Lesson page</source>
        <translation>Lektionsseite</translation>
    </message>
    <message>
        <source>The text of the lesson&apos;s page; its links carry out the lesson&apos;s actions.</source>
        <translation>Der Text der Lektionsseite; ihre Links führen die Aktionen der Lektion aus.</translation>
    </message>
    <message>
        <source>Goes back to the lesson&apos;s previous page.</source>
        <translation>Geht zur vorigen Seite der Lektion zurück.</translation>
    </message>
    <message>
        <source>Goes on to the lesson&apos;s next page once its task is done.</source>
        <translation>Geht zur nächsten Seite der Lektion weiter, sobald ihre Aufgabe erledigt ist.</translation>
    </message>
</context>
<context>
    <name>CMovieDialog</name>
    <message>
        <source>Make Movie</source>
        <translation>Film aufnehmen</translation>
    </message>
    <message>
        <source>&amp;Displays per frame:</source>
        <translation>&amp;Anzeigen pro Bild:</translation>
    </message>
    <message>
        <source>&amp;Frames to capture (after the first):</source>
        <translation>&amp;Bilder aufnehmen (nach dem ersten):</translation>
    </message>
    <message>
        <source>Frame &amp;length (1/600 s):</source>
        <translation>Bild&amp;dauer (1/600 s):</translation>
    </message>
    <message>
        <source>H.264</source>
        <translation>H.264</translation>
    </message>
    <message>
        <source>Uncompressed</source>
        <translation>Unkomprimiert</translation>
    </message>
    <message>
        <source>&amp;Codec:</source>
        <translation>&amp;Codec:</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximal</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimal</translation>
    </message>
    <message>
        <source>&amp;Quality:</source>
        <translation>&amp;Qualität:</translation>
    </message>
    <message>
        <source>Full &amp;resolution of a scaled screen</source>
        <translation>Volle &amp;Auflösung eines skalierten Bildschirms</translation>
    </message>
    <message>
        <source>This comes to</source>
        <translation>Das ergibt</translation>
    </message>
    <message>
        <source>Steps per display:</source>
        <translation>Schritte pro Anzeige:</translation>
    </message>
    <message>
        <source>Simulated time per display (s):</source>
        <translation>Simulierte Zeit pro Anzeige (s):</translation>
    </message>
    <message>
        <source>Steps per frame:</source>
        <translation>Schritte pro Bild:</translation>
    </message>
    <message>
        <source>Simulated time per frame (s):</source>
        <translation>Simulierte Zeit pro Bild (s):</translation>
    </message>
    <message>
        <source>Steps in all:</source>
        <translation>Schritte insgesamt:</translation>
    </message>
    <message>
        <source>Simulated time in all (s):</source>
        <translation>Simulierte Zeit insgesamt (s):</translation>
    </message>
    <message>
        <source>Movie running time (s):</source>
        <translation>Laufzeit des Films (s):</translation>
    </message>
</context>
<context>
    <name>CNewSimulationDialog</name>
    <message>
        <source>New Simulation</source>
        <translation>Neue Simulation</translation>
    </message>
    <message>
        <source>Atoms</source>
        <translation>Atome</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Substance</source>
        <translation>Stoff</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Diameter (m)</source>
        <translation>Durchmesser (m)</translation>
    </message>
    <message>
        <source>Mass (kg)</source>
        <translation>Masse (kg)</translation>
    </message>
    <message>
        <source>Well depth (J)</source>
        <translation>Topftiefe (J)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source> atoms</source>
        <translation> Atome</translation>
    </message>
    <message>
        <source>Unlike pairs: the mean diameter and the geometric mean of the well depths (Lorentz-Berthelot).</source>
        <translation>Ungleiche Paare: der mittlere Durchmesser und das geometrische Mittel der Topftiefen (Lorentz-Berthelot).</translation>
    </message>
    <message>
        <source>Arrangement and density of the whole box</source>
        <translation>Anordnung und Dichte der ganzen Box</translation>
    </message>
    <message>
        <source>Face-centred cubic lattice (fcc)</source>
        <translation>Kubisch flächenzentriertes Gitter (kfz)</translation>
    </message>
    <message>
        <source>Body-centred cubic lattice (bcc)</source>
        <translation>Kubisch raumzentriertes Gitter (krz)</translation>
    </message>
    <message>
        <source>Simple cubic lattice (sc)</source>
        <translation>Einfach kubisches Gitter (sc)</translation>
    </message>
    <message>
        <source>Random, without overlap</source>
        <translation>Zufällig, ohne Überlappung</translation>
    </message>
    <message>
        <source>&amp;Arrangement:</source>
        <translation>&amp;Anordnung:</translation>
    </message>
    <message>
        <source>&amp;Mass density (kg/m3):</source>
        <translation>&amp;Massendichte (kg/m3):</translation>
    </message>
    <message>
        <source>N&amp;umber density (atoms/m3):</source>
        <translation>A&amp;nzahldichte (Atome/m3):</translation>
    </message>
    <message>
        <source>&amp;Packing fraction:</source>
        <translation>&amp;Packungsdichte:</translation>
    </message>
    <message>
        <source>&amp;Box width (m):</source>
        <translation>&amp;Boxbreite (m):</translation>
    </message>
    <message>
        <source>Temperature and switches</source>
        <translation>Temperatur und Schalter</translation>
    </message>
    <message>
        <source>&amp;Temperature (K):</source>
        <translation>&amp;Temperatur (K):</translation>
    </message>
    <message>
        <source>Random s&amp;eed:</source>
        <translation>&amp;Startwert des Zufalls:</translation>
    </message>
    <message>
        <source>Lennard-Jones forces between atoms</source>
        <translation>Lennard-Jones-Kräfte zwischen den Atomen</translation>
    </message>
    <message>
        <source>Floor attracts atoms (each type&apos;s well depth)</source>
        <translation>Boden zieht Atome an (Topftiefe jedes Typs)</translation>
    </message>
    <message>
        <source>Floor exchanges heat with a bath at</source>
        <translation>Boden tauscht Wärme mit einem Bad aus bei</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Piston on top of the box</source>
        <translation>Kolben oben auf der Box</translation>
    </message>
    <message>
        <source>What will be built</source>
        <translation>Was gebaut wird</translation>
    </message>
    <message>
        <source>The diameter of type %1 is not a number.</source>
        <translation>Der Durchmesser von Typ %1 ist keine Zahl.</translation>
    </message>
    <message>
        <source>The mass of type %1 is not a number.</source>
        <translation>Die Masse von Typ %1 ist keine Zahl.</translation>
    </message>
    <message>
        <source>The well depth of type %1 is not a number.</source>
        <translation>Die Topftiefe von Typ %1 ist keine Zahl.</translation>
    </message>
    <message>
        <source>The density is not a number.</source>
        <translation>Die Dichte ist keine Zahl.</translation>
    </message>
    <message>
        <source>The temperature is not a number.</source>
        <translation>Die Temperatur ist keine Zahl.</translation>
    </message>
    <message>
        <source>The floor temperature is not a number.</source>
        <translation>Die Bodentemperatur ist keine Zahl.</translation>
    </message>
    <message>
        <source>Cannot be built: %1</source>
        <translation>Kann nicht gebaut werden: %1</translation>
    </message>
    <message>
        <source>%1 atoms in a box %2 m wide.</source>
        <translation>%1 Atome in einer Box von %2 m Breite.</translation>
    </message>
    <message>
        <source>%1 sites for %2 atoms, filled from the floor up</source>
        <translation>%1 Plätze für %2 Atome, vom Boden aufwärts gefüllt</translation>
    </message>
    <message>
        <source>%1 sites for %2 atoms</source>
        <translation>%1 Plätze für %2 Atome</translation>
    </message>
    <message>
        <source>%1 x %1 x %1 cells, %2 atoms per cell, %3; lattice constant %4 m, nearest distance %5 m (%6 diameters).</source>
        <translation>%1 x %1 x %1 Zellen, %2 Atome pro Zelle, %3; Gitterkonstante %4 m, kleinster Abstand %5 m (%6 Durchmesser).</translation>
    </message>
    <message>
        <source>Placed at random, each pair at least its mean diameter apart.</source>
        <translation>Zufällig platziert, jedes Paar mindestens seinen mittleren Durchmesser voneinander entfernt.</translation>
    </message>
    <message>
        <source>Contacts at the mean diameter</source>
        <translation>Kontakte beim mittleren Durchmesser</translation>
    </message>
    <message>
        <source>Periodic (bulk)</source>
        <translation>Periodisch (Bulk)</translation>
    </message>
    <message>
        <source>The box is periodic: the atoms fill it, with no walls.</source>
        <translation>Die Box ist periodisch: Die Atome füllen sie ganz aus, ohne Wände.</translation>
    </message>
    <message>
        <source>Floor temperature</source>
        <translation>Bodentemperatur</translation>
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
        <translation>%1: „%2“ ist keine Zahl. Schreiben Sie Zahlen mit Dezimalkomma oder Dezimalpunkt, zum Beispiel 3,00e-10.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a whole number.</source>
        <translation>%1: „%2“ ist keine ganze Zahl.</translation>
    </message>
    <message>
        <source>%1 must be between %2 and %3.</source>
        <translation>%1 muss zwischen %2 und %3 liegen.</translation>
    </message>
    <message>
        <source>A periodic box has no walls, floor or piston.</source>
        <translation>Eine periodische Box hat keine Wände, keinen Boden und keinen Kolben.</translation>
    </message>
</context>
<context>
    <name>CPlotChart</name>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>CSV Table...</source>
        <translation>CSV-Tabelle...</translation>
    </message>
    <message>
        <source>PNG Picture...</source>
        <translation>PNG-Bild...</translation>
    </message>
    <message>
        <source>SVG Drawing...</source>
        <translation>SVG-Zeichnung...</translation>
    </message>
    <message>
        <source>Quorvel Plots: %1</source>
        <translation>Quorvel-Diagramme: %1</translation>
    </message>
    <message>
        <source>the drawing could not be started</source>
        <translation>die Zeichnung konnte nicht begonnen werden</translation>
    </message>
</context>
<context>
    <name>CPlotsWindow</name>
    <message>
        <source>Quorvel Plots</source>
        <translation>Quorvel-Diagramme</translation>
    </message>
</context>
<context>
    <name>CPotentialsDialog</name>
    <message>
        <source>Potentials</source>
        <translation>Potentiale</translation>
    </message>
    <message>
        <source>&amp;Use the pair potentials (Lennard-Jones and Coulomb)</source>
        <translation>&amp;Paarpotentiale verwenden (Lennard-Jones und Coulomb)</translation>
    </message>
    <message>
        <source>Lennard-Jones well depth between types (J)</source>
        <translation>Lennard-Jones-Topftiefe zwischen den Typen (J)</translation>
    </message>
    <message>
        <source>Charge (C)</source>
        <translation>Ladung (C)</translation>
    </message>
    <message>
        <source>Well depth %1-%2</source>
        <translation>Topftiefe %1-%2</translation>
    </message>
    <message>
        <source>Charge of type %1</source>
        <translation>Ladung von Typ %1</translation>
    </message>
    <message>
        <source>Con&amp;tacts at the mean diameter</source>
        <translation>&amp;Kontakte beim mittleren Durchmesser</translation>
    </message>
    <message>
        <source>Atoms meet as hard cores at the mean of their diameters; off, the Lennard-Jones potential alone keeps them apart.</source>
        <translation>Atome stoßen als harte Kerne beim Mittel ihrer Durchmesser zusammen; ausgeschaltet hält allein das Lennard-Jones-Potential sie auseinander.</translation>
    </message>
</context>
<context>
    <name>CQtPlatform</name>
    <message>
        <source>Alert.</source>
        <translation>Achtung.</translation>
    </message>
    <message>
        <source>Note.</source>
        <translation>Hinweis.</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Änderungen speichern?</translation>
    </message>
    <message>
        <source>Operation Incomplete.</source>
        <translation>Vorgang nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>Cannot Build the Simulation.</source>
        <translation>Die Simulation kann nicht gebaut werden.</translation>
    </message>
    <message>
        <source>Exported for LAMMPS.</source>
        <translation>Für LAMMPS exportiert.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Zurücknehmen</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Speichern...</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Nicht speichern</translation>
    </message>
    <message>
        <source>Finish Movie and Quit</source>
        <translation>Film fertigstellen und beenden</translation>
    </message>
    <message>
        <source>Finish Trajectory and Quit</source>
        <translation>Trajektorie fertigstellen und beenden</translation>
    </message>
    <message>
        <source>A trajectory is being recorded. Stop it and start another?</source>
        <translation>Eine Trajektorie wird gerade aufgezeichnet. Soll sie beendet und eine neue begonnen werden?</translation>
    </message>
    <message>
        <source>Movie making in progress. Abort current movie?</source>
        <translation>Ein Film wird gerade aufgenommen. Soll der laufende Film abgebrochen werden?</translation>
    </message>
    <message>
        <source>The example could not be found in the application.</source>
        <translation>Das Beispiel wurde im Programm nicht gefunden.</translation>
    </message>
    <message>
        <source>The example could not be copied to the temporary folder.</source>
        <translation>Das Beispiel konnte nicht in den temporären Ordner kopiert werden.</translation>
    </message>
    <message>
        <source>The selected file type is incompatible; requires file type of &apos;txt&apos;.</source>
        <translation>Der gewählte Dateityp passt nicht; erforderlich ist der Dateityp „txt“.</translation>
    </message>
    <message>
        <source>Charged atoms in a periodic box need Ewald summation, which Quorvel does not have yet. Set the charge of every type with atoms to zero first, or keep the closed box.</source>
        <translation>Geladene Atome in einer periodischen Box erfordern eine Ewald-Summation, die Quorvel noch nicht hat. Setzen Sie zuerst die Ladung jedes Typs mit Atomen auf null, oder behalten Sie die geschlossene Box.</translation>
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
        <translation>g(r) (Paare bezogen auf unabhängige Paare)</translation>
    </message>
    <message>
        <source>The pair of atom types g(r) counts</source>
        <translation>Das Paar von Atomtypen, das g(r) zählt</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Start the average again from the next display</source>
        <translation>Die Mittelung ab der nächsten Anzeige neu beginnen</translation>
    </message>
    <message>
        <source>g(r)</source>
        <translation>g(r)</translation>
    </message>
    <message>
        <source>independent centres</source>
        <translation>unabhängige Zentren</translation>
    </message>
    <message>
        <source>All atoms</source>
        <translation>Alle Atome</translation>
    </message>
    <message>
        <source>No pairs to count: the chosen types have fewer than two atoms.</source>
        <translation>Keine Paare zu zählen: die gewählten Typen haben weniger als zwei Atome.</translation>
    </message>
    <message>
        <source>%1 display(s) counted since the reset (every %2 while running), bins of %3 nm out to half the box width.</source>
        <translation>%1 Anzeige(n) gezählt seit dem Zurücksetzen (alle %2 während des Laufs), Klassen von %3 nm bis zur halben Boxbreite.</translation>
    </message>
    <message>
        <source>Radial Distribution</source>
        <translation>Radiale Verteilung</translation>
    </message>
</context>
<context>
    <name>CReplicateDialog</name>
    <message>
        <source>Export for LAMMPS</source>
        <translation>Für LAMMPS exportieren</translation>
    </message>
    <message>
        <source>&amp;Copies of the box along each edge (1 to %1):</source>
        <translation>&amp;Kopien der Box entlang jeder Kante (1 bis %1):</translation>
    </message>
    <message>
        <source>N x N x N copies in the same state, side by side in a box N times as wide.
Writes in.quorvel and data.quorvel; run with: lmp -in in.quorvel</source>
        <translation>N x N x N Kopien im selben Zustand, nebeneinander in einer N-mal so breiten Box.
Schreibt in.quorvel und data.quorvel; ausführen mit: lmp -in in.quorvel</translation>
    </message>
    <message>
        <source>Atoms in LAMMPS: -</source>
        <translation>Atome in LAMMPS: -</translation>
    </message>
    <message>
        <source>Atoms in LAMMPS: %1</source>
        <translation>Atome in LAMMPS: %1</translation>
    </message>
    <message>
        <source>Copies along each edge</source>
        <translation>Kopien entlang jeder Kante</translation>
    </message>
</context>
<context>
    <name>CSpeedDistributionChart</name>
    <message>
        <source>Speed (m/s)</source>
        <translation>Geschwindigkeit (m/s)</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Histogramm</translation>
    </message>
    <message>
        <source>Maxwell-Boltzmann, measured T</source>
        <translation>Maxwell-Boltzmann, gemessenes T</translation>
    </message>
    <message>
        <source>Maxwell-Boltzmann, fitted T</source>
        <translation>Maxwell-Boltzmann, angepasstes T</translation>
    </message>
    <message>
        <source>All atoms</source>
        <translation>Alle Atome</translation>
    </message>
    <message>
        <source>Type %1</source>
        <translation>Typ %1</translation>
    </message>
    <message>
        <source>%1: no atoms.</source>
        <translation>%1: keine Atome.</translation>
    </message>
    <message>
        <source>%1 (%2 atoms): measured T = %3 K, fitted T = %4 K, total variation from the measured-T curve %5.</source>
        <translation>%1 (%2 Atome): gemessenes T = %3 K, angepasstes T = %4 K, gesamte Abweichung von der Kurve zum gemessenen T %5.</translation>
    </message>
    <message>
        <source>Fraction of atoms per bin (bins of %1 m/s)</source>
        <translation>Anteil der Atome pro Klasse (Klassen von %1 m/s)</translation>
    </message>
    <message>
        <source>Speed Distribution</source>
        <translation>Geschwindigkeitsverteilung</translation>
    </message>
</context>
<context>
    <name>CTimeSeriesChart</name>
    <message>
        <source>Draw the %1 (%2)</source>
        <translation>%1 zeichnen (%2)</translation>
    </message>
    <message>
        <source>Time (ps)</source>
        <translation>Zeit (ps)</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>What the horizontal axis counts</source>
        <translation>Was die waagerechte Achse zählt</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>Folgen</translation>
    </message>
    <message>
        <source>Move with the run; clear it to pause the chart</source>
        <translation>Mit dem Lauf mitgehen; abwählen, um das Diagramm anzuhalten</translation>
    </message>
    <message>
        <source>Reset Zoom</source>
        <translation>Zoom zurücksetzen</translation>
    </message>
    <message>
        <source>The whole run again, following it (the wheel over the chart zooms the time axis)</source>
        <translation>Wieder der ganze Lauf, ihm folgend (das Mausrad über dem Diagramm zoomt die Zeitachse)</translation>
    </message>
    <message>
        <source>all atoms</source>
        <translation>alle Atome</translation>
    </message>
    <message>
        <source>type %1 %2</source>
        <translation>Typ %1 %2</translation>
    </message>
    <message>
        <source>Displayed atoms: %1.  %2 samples, one every %3 display(s); %4 in view.</source>
        <translation>Angezeigte Atome: %1.  %2 Messpunkte, einer alle %3 Anzeige(n); %4 im Blick.</translation>
    </message>
    <message>
        <source>Time Series</source>
        <translation>Zeitverlauf</translation>
    </message>
</context>
<context>
    <name>CTimingDialog</name>
    <message>
        <source>Timing</source>
        <translation>Zeitsteuerung</translation>
    </message>
    <message>
        <source>&amp;Steps per display:</source>
        <translation>&amp;Schritte pro Anzeige:</translation>
    </message>
    <message>
        <source>&amp;Time step (s):</source>
        <translation>&amp;Zeitschritt (s):</translation>
    </message>
    <message>
        <source>&amp;Real time between displays (s):</source>
        <translation>&amp;Echtzeit zwischen den Anzeigen (s):</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Show elapsed time &amp;in:</source>
        <translation>Verstrichene Zeit anzeigen &amp;in:</translation>
    </message>
    <message>
        <source>Steps per display</source>
        <translation>Schritte pro Anzeige</translation>
    </message>
    <message>
        <source>Time step</source>
        <translation>Zeitschritt</translation>
    </message>
    <message>
        <source>Real time between displays</source>
        <translation>Echtzeit zwischen den Anzeigen</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>automatisch</translation>
    </message>
    <message>
        <source>The threads the engine steps with: automatic (every core of this computer) or 1 to %1. Every count gives the same results.</source>
        <translation>Die Threads, mit denen die Engine rechnet: automatisch (jeder Kern dieses Computers) oder 1 bis %1. Jede Anzahl liefert dieselben Ergebnisse.</translation>
    </message>
    <message>
        <source>T&amp;hreads:</source>
        <translation>&amp;Threads:</translation>
    </message>
</context>
<context>
    <name>CTrajectoryDialog</name>
    <message>
        <source>Record Trajectory</source>
        <translation>Trajektorie aufzeichnen</translation>
    </message>
    <message>
        <source>Extended XYZ (.xyz): OVITO, ASE, VMD</source>
        <translation>Extended XYZ (.xyz): OVITO, ASE, VMD</translation>
    </message>
    <message>
        <source>LAMMPS dump (.lammpstrj): with Export for LAMMPS&apos;s data file</source>
        <translation>LAMMPS-Dump (.lammpstrj): mit der Datendatei von Für LAMMPS exportieren</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>A frame &amp;every (displays, 1 to %1):</source>
        <translation>Ein Bild &amp;alle (Anzeigen, 1 bis %1):</translation>
    </message>
    <message>
        <source>The first frame is the state now. Positions in Angstrom, velocities in Angstrom/ps, time in ps.
Each frame is on disk as soon as it is written.</source>
        <translation>Das erste Bild ist der jetzige Zustand. Orte in Angstrom, Geschwindigkeiten in Angstrom/ps, Zeit in ps.
Jedes Bild steht auf der Festplatte, sobald es geschrieben ist.</translation>
    </message>
    <message>
        <source>A frame every</source>
        <translation>Ein Bild alle</translation>
    </message>
</context>
<context>
    <name>CUIWindow</name>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Öffnen...</translation>
    </message>
    <message>
        <source>Open a simulation file</source>
        <translation>Eine Simulationsdatei öffnen</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;About Quorvel</source>
        <translation>Ü&amp;ber Quorvel</translation>
    </message>
    <message>
        <source>&amp;Keyboard and Mouse</source>
        <translation>&amp;Tastatur und Maus</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>Sto&amp;pp</translation>
    </message>
    <message>
        <source>Ctrl+.</source>
        <translation>Ctrl+.</translation>
    </message>
    <message>
        <source>Select A&amp;ll</source>
        <translation>Alles a&amp;uswählen</translation>
    </message>
    <message>
        <source>Select Type &amp;%1</source>
        <translation>Typ &amp;%1 auswählen</translation>
    </message>
    <message>
        <source>Ctrl+%1</source>
        <translation>Ctrl+%1</translation>
    </message>
    <message>
        <source>D&amp;elete Selected</source>
        <translation>Auswahl &amp;löschen</translation>
    </message>
    <message>
        <source>Cl&amp;ump Selected</source>
        <translation>Auswahl zu&amp;sammenschieben</translation>
    </message>
    <message>
        <source>Ctrl+K</source>
        <translation>Ctrl+K</translation>
    </message>
    <message>
        <source>Shift Atoms to &amp;Fit</source>
        <translation>Atome in die Box &amp;einpassen</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Next Atom &amp;Type</source>
        <translation>Nächster Atom&amp;typ</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Next &amp;Averaging Mode</source>
        <translation>Nächste &amp;Mittelungsart</translation>
    </message>
    <message>
        <source>Ctrl+Shift+T</source>
        <translation>Ctrl+Shift+T</translation>
    </message>
    <message>
        <source>Standard &amp;View</source>
        <translation>&amp;Standardansicht</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>St&amp;ereo</source>
        <translation>St&amp;ereo</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Eye &amp;Closer</source>
        <translation>Auge &amp;näher</translation>
    </message>
    <message>
        <source>Ctrl+]</source>
        <translation>Ctrl+]</translation>
    </message>
    <message>
        <source>Eye F&amp;arther</source>
        <translation>Auge &amp;weiter weg</translation>
    </message>
    <message>
        <source>Ctrl+[</source>
        <translation>Ctrl+[</translation>
    </message>
    <message>
        <source>&amp;Small</source>
        <translation>&amp;Klein</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Mittel</translation>
    </message>
    <message>
        <source>&amp;Large</source>
        <translation>&amp;Groß</translation>
    </message>
    <message>
        <source>&amp;Free</source>
        <translation>&amp;Frei</translation>
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
        <translation>&amp;Zustand</translation>
    </message>
    <message>
        <source>&amp;Energy Difference</source>
        <translation>&amp;Energiedifferenz</translation>
    </message>
    <message>
        <source>&amp;Numeric Values</source>
        <translation>Za&amp;hlenwerte</translation>
    </message>
    <message>
        <source>&amp;Histogram</source>
        <translation>H&amp;istogramm</translation>
    </message>
    <message>
        <source>&amp;Box</source>
        <translation>&amp;Box</translation>
    </message>
    <message>
        <source>&amp;Floor</source>
        <translation>Bo&amp;den</translation>
    </message>
    <message>
        <source>S&amp;hadows</source>
        <translation>Sc&amp;hatten</translation>
    </message>
    <message>
        <source>A&amp;xes</source>
        <translation>A&amp;chsen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open &amp;Example</source>
        <translation>B&amp;eispiel öffnen</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Simulation</source>
        <translation>&amp;Simulation</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Aspect &amp;Ratio</source>
        <translation>Seiten&amp;verhältnis</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>An&amp;zeige</translation>
    </message>
    <message>
        <source>Text Si&amp;ze</source>
        <translation>Schrift&amp;größe</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
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
        <translation>Über Quorvel</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Quorvel %1&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Quorvel %1&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>Interactive molecular dynamics: up to 1,600 atoms of four types in a closed box.&lt;br&gt;&lt;br&gt;Copyright © 2025 the Quorvel developers.&lt;br&gt;Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Interaktive Molekulardynamik: bis zu 1.600 Atome von vier Typen in einer geschlossenen Box.&lt;br&gt;&lt;br&gt;Copyright © 2025 die Quorvel-Entwickler.&lt;br&gt;Freie Software unter der GNU General Public License, Version 3 oder später.</translation>
    </message>
    <message>
        <source>Make &amp;Movie...</source>
        <translation>&amp;Film aufnehmen...</translation>
    </message>
    <message>
        <source>Ctrl+Shift+M</source>
        <translation>Ctrl+Shift+M</translation>
    </message>
    <message>
        <source>A&amp;bort Movie</source>
        <translation>Film abbre&amp;chen</translation>
    </message>
    <message>
        <source>Capture &amp;Frame...</source>
        <translation>Bild aufneh&amp;men...</translation>
    </message>
    <message>
        <source>Ctrl+Shift+C</source>
        <translation>Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Clump</source>
        <translation>Zusammenschieben</translation>
    </message>
    <message>
        <source>Shift Atoms to Fit</source>
        <translation>Atome in die Box einpassen</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Bedienfeld</translation>
    </message>
    <message>
        <source>&amp;Controls</source>
        <translation>&amp;Bedienfeld</translation>
    </message>
    <message>
        <source>Ctrl+Shift+K</source>
        <translation>Ctrl+Shift+K</translation>
    </message>
    <message>
        <source>Live controls of the heat bath, the piston, the forces and the speed</source>
        <translation>Bedienelemente für Wärmebad, Kolben, Kräfte und Geschwindigkeit während des Laufs</translation>
    </message>
    <message>
        <source>&amp;Presentation</source>
        <translation>&amp;Präsentation</translation>
    </message>
    <message>
        <source>Full screen, with readouts large enough to read across a room</source>
        <translation>Vollbild, mit Messwerten, die groß genug sind, um sie quer durch den Raum zu lesen</translation>
    </message>
    <message>
        <source>&amp;Leave Presentation</source>
        <translation>Präsentation &amp;verlassen</translation>
    </message>
    <message>
        <source>Ne&amp;w...</source>
        <translation>&amp;Neu...</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Minimieren</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>Add A&amp;tom...</source>
        <translation>Atom &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>Ctrl+Shift+A</source>
        <translation>Ctrl+Shift+A</translation>
    </message>
    <message>
        <source>Ed&amp;it Selected Atoms...</source>
        <translation>Ausgewählte Atome bearbe&amp;iten...</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>&amp;Number of Atoms...</source>
        <translation>&amp;Anzahl der Atome...</translation>
    </message>
    <message>
        <source>Ctrl+Shift+N</source>
        <translation>Ctrl+Shift+N</translation>
    </message>
    <message>
        <source>Atom &amp;Properties...</source>
        <translation>Atom&amp;eigenschaften...</translation>
    </message>
    <message>
        <source>P&amp;otentials...</source>
        <translation>P&amp;otentiale...</translation>
    </message>
    <message>
        <source>&amp;Box and Piston...</source>
        <translation>&amp;Box und Kolben...</translation>
    </message>
    <message>
        <source>Ctrl+Shift+B</source>
        <translation>Ctrl+Shift+B</translation>
    </message>
    <message>
        <source>&amp;Floor...</source>
        <translation>Bo&amp;den...</translation>
    </message>
    <message>
        <source>&amp;Energy Conservation...</source>
        <translation>Energieerhal&amp;tung...</translation>
    </message>
    <message>
        <source>Change &amp;Kinetic Energy...</source>
        <translation>&amp;Kinetische Energie ändern...</translation>
    </message>
    <message>
        <source>&amp;Timing...</source>
        <translation>&amp;Zeitsteuerung...</translation>
    </message>
    <message>
        <source>&amp;Displays...</source>
        <translation>&amp;Anzeigen...</translation>
    </message>
    <message>
        <source>View &amp;Distances...</source>
        <translation>Ansichts&amp;abstände...</translation>
    </message>
    <message>
        <source>Export for &amp;LAMMPS...</source>
        <translation>Für LAMMPS e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Ctrl+Shift+L</source>
        <translation>Ctrl+Shift+L</translation>
    </message>
    <message>
        <source>Debug &amp;1 (Clump Selected)</source>
        <translation>Debug &amp;1 (Auswahl zusammenschieben)</translation>
    </message>
    <message>
        <source>Debug &amp;2 (Shift Atoms to Fit)</source>
        <translation>Debug &amp;2 (Atome in die Box einpassen)</translation>
    </message>
    <message>
        <source>Box Width %1 nm</source>
        <translation>Boxbreite %1 nm</translation>
    </message>
    <message>
        <source>New Simulation</source>
        <translation>Neue Simulation</translation>
    </message>
    <message>
        <source>Add Atom</source>
        <translation>Atom hinzufügen</translation>
    </message>
    <message>
        <source>Edit Selected Atoms</source>
        <translation>Ausgewählte Atome bearbeiten</translation>
    </message>
    <message>
        <source>Number of Atoms</source>
        <translation>Anzahl der Atome</translation>
    </message>
    <message>
        <source>Atom Properties</source>
        <translation>Atomeigenschaften</translation>
    </message>
    <message>
        <source>Potentials</source>
        <translation>Potentiale</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Zeitsteuerung</translation>
    </message>
    <message>
        <source>Box and Piston</source>
        <translation>Box und Kolben</translation>
    </message>
    <message>
        <source>Floor</source>
        <translation>Boden</translation>
    </message>
    <message>
        <source>Energy Conservation</source>
        <translation>Energieerhaltung</translation>
    </message>
    <message>
        <source>Change Kinetic Energy</source>
        <translation>Kinetische Energie ändern</translation>
    </message>
    <message>
        <source>Displays</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>View Distances</source>
        <translation>Ansichtsabstände</translation>
    </message>
    <message>
        <source>Export for LAMMPS: choose a folder</source>
        <translation>Für LAMMPS exportieren: einen Ordner wählen</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>%1 öffnen</translation>
    </message>
    <message>
        <source>%1 is gone and was removed</source>
        <translation>%1 ist nicht mehr vorhanden und wurde entfernt</translation>
    </message>
    <message>
        <source>%1 files are gone and were removed</source>
        <translation>%1 Dateien sind nicht mehr vorhanden und wurden entfernt</translation>
    </message>
    <message>
        <source>No Recent Files</source>
        <translation>Keine zuletzt geöffneten Dateien</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>Menü &amp;leeren</translation>
    </message>
    <message>
        <source>Open Lesso&amp;n...</source>
        <translation>&amp;Lektion öffnen...</translation>
    </message>
    <message>
        <source>A lesson&apos;s pages in a panel beside the view</source>
        <translation>Die Seiten einer Lektion in einem Feld neben der Ansicht</translation>
    </message>
    <message>
        <source>&amp;Lessons</source>
        <translation>&amp;Lektionen</translation>
    </message>
    <message>
        <source>Lesson &amp;Panel</source>
        <translation>Lektions&amp;feld</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>%1 setzen</translation>
    </message>
    <message>
        <source>&amp;Plots</source>
        <translation>&amp;Diagramme</translation>
    </message>
    <message>
        <source>Ctrl+Shift+P</source>
        <translation>Ctrl+Shift+P</translation>
    </message>
    <message>
        <source>Charts of the run: time series, speed distribution, g(r)</source>
        <translation>Diagramme des Laufs: Zeitverlauf, Geschwindigkeitsverteilung, g(r)</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>De&amp;bug</source>
        <translation>De&amp;bug</translation>
    </message>
    <message>
        <source>Record &amp;Trajectory...</source>
        <translation>&amp;Trajektorie aufzeichnen...</translation>
    </message>
    <message>
        <source>Abort Tra&amp;jectory</source>
        <translation>Trajektorie abb&amp;rechen</translation>
    </message>
    <message>
        <source>REC trajectory %1: %2 frames</source>
        <translation>REC Trajektorie %1: %2 Bilder</translation>
    </message>
    <message>
        <source>Open Trajectory</source>
        <translation>Trajektorie öffnen</translation>
    </message>
    <message>
        <source>The file holds %1 frames. Open frame (1 to %1):</source>
        <translation>Die Datei enthält %1 Bilder. Bild öffnen (1 bis %1):</translation>
    </message>
    <message>
        <source>U&amp;ndo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
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
        <translation>&amp;Verlauf</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>&lt;Start&gt;</source>
        <translation>&lt;Anfang&gt;</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>Sp&amp;rache</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;System</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The new language takes effect when Quorvel is started again.</source>
        <translation>Die neue Sprache gilt, sobald Quorvel neu gestartet wird.</translation>
    </message>
    <message>
        <source>Colo&amp;urs for Colour Blindness</source>
        <translation>&amp;Farben bei Farbenblindheit</translation>
    </message>
    <message>
        <source>Draw the four types in colours that stay apart with any colour vision; the file keeps its own</source>
        <translation>Die vier Typen in Farben zeichnen, die bei jedem Farbsehen unterscheidbar bleiben; die Datei behält ihre eigenen</translation>
    </message>
</context>
<context>
    <name>CViewDialog</name>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Box width:</source>
        <translation>Boxbreite:</translation>
    </message>
    <message>
        <source>&amp;Eye distance (m):</source>
        <translation>&amp;Augenabstand (m):</translation>
    </message>
    <message>
        <source>&amp;Projection plane distance (m):</source>
        <translation>Abstand der &amp;Projektionsebene (m):</translation>
    </message>
    <message>
        <source>&amp;Scale (points per metre at the projection plane):</source>
        <translation>&amp;Maßstab (Punkte pro Meter in der Projektionsebene):</translation>
    </message>
    <message>
        <source>Eye distance</source>
        <translation>Augenabstand</translation>
    </message>
    <message>
        <source>Projection plane distance</source>
        <translation>Abstand der Projektionsebene</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Maßstab</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>, back to step %1</source>
        <translation>, zurück zu Schritt %1</translation>
    </message>
    <message>
        <source>Simulation and structure files (*.%1);;All files (*)</source>
        <translation>Simulations- und Strukturdateien (*.%1);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Simulation files (*.%1)</source>
        <translation>Simulationsdateien (*.%1)</translation>
    </message>
    <message>
        <source>Type the path of one folder, without quotation marks.</source>
        <translation>Geben Sie den Pfad eines einzigen Ordners ein, ohne Anführungszeichen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder.</source>
        <translation>„%1“ ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist, so no new folder can be made in it.</source>
        <translation>Der Ordner „%1“ existiert nicht, daher kann darin kein neuer Ordner angelegt werden.</translation>
    </message>
    <message>
        <source>dE</source>
        <translation>dE</translation>
    </message>
    <message>
        <source>Not conserved</source>
        <translation>Nicht erhalten</translation>
    </message>
    <message>
        <source>KE (J)</source>
        <translation>Ekin (J)</translation>
    </message>
    <message>
        <source>PE (J)</source>
        <translation>Epot (J)</translation>
    </message>
    <message>
        <source>TE (J)</source>
        <translation>Eges (J)</translation>
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
        <translation>Gesamtenergiedifferenz seit Beginn des Laufs; hervorgehoben, sobald sie so groß ist wie die Gesamtenergie</translation>
    </message>
    <message>
        <source>undefined</source>
        <translation>undefiniert</translation>
    </message>
    <message>
        <source>infinite</source>
        <translation>unendlich</translation>
    </message>
    <message>
        <source>-infinite</source>
        <translation>-unendlich</translation>
    </message>
    <message>
        <source>%1 1 Atom</source>
        <translation>%1 (1 Atom)</translation>
    </message>
    <message>
        <source>%1 %2 Atoms</source>
        <translation>%1 (%2 Atome)</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>ANGEHALTEN</translation>
    </message>
    <message>
        <source>RUNNING</source>
        <translation>LÄUFT</translation>
    </message>
    <message>
        <source>%1 secs</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 steps</source>
        <translation>%1 Schritte</translation>
    </message>
    <message>
        <source>%1 ips</source>
        <translation>%1 ips</translation>
    </message>
    <message>
        <source>ALL TYPES</source>
        <translation>ALLE TYPEN</translation>
    </message>
    <message>
        <source>INSTANT</source>
        <translation>MOMENTAN</translation>
    </message>
    <message>
        <source>%1 secs TIME CONSTANT</source>
        <translation>%1 s ZEITKONSTANTE</translation>
    </message>
    <message>
        <source>%1 steps TIME CONSTANT</source>
        <translation>%1 Schritte ZEITKONSTANTE</translation>
    </message>
    <message>
        <source>%1 secs ACCUMULATED</source>
        <translation>%1 s KUMULIERT</translation>
    </message>
    <message>
        <source>%1 steps ACCUMULATED</source>
        <translation>%1 Schritte KUMULIERT</translation>
    </message>
</context>
<context>
    <name>language</name>
    <message>
        <source>English</source>
        <comment>this language&apos;s own name</comment>
        <translation>Deutsch</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Interactive molecular dynamics: up to 1,600 atoms of four types in a closed box.</source>
        <translation>Interaktive Molekulardynamik: bis zu 1.600 Atome von vier Typen in einer geschlossenen Box.</translation>
    </message>
    <message>
        <source>A simulation file to open, as if dropped on the window.</source>
        <translation>Eine Simulationsdatei, die geöffnet wird, als wäre sie auf das Fenster gezogen worden.</translation>
    </message>
</context>
</TS>
