<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CAddAtomDialog</name>
    <message>
        <source>Add Atom</source>
        <translation>Ajouter un atome</translation>
    </message>
    <message>
        <source>Atom &amp;type:</source>
        <translation>&amp;Type d&apos;atome :</translation>
    </message>
    <message>
        <source>&amp;x (m):</source>
        <translation>&amp;x (m) :</translation>
    </message>
    <message>
        <source>&amp;y (m):</source>
        <translation>&amp;y (m) :</translation>
    </message>
    <message>
        <source>&amp;z (m):</source>
        <translation>&amp;z (m) :</translation>
    </message>
    <message>
        <source>v&amp;x (m/s):</source>
        <translation>v&amp;x (m/s) :</translation>
    </message>
    <message>
        <source>v&amp;y (m/s):</source>
        <translation>v&amp;y (m/s) :</translation>
    </message>
    <message>
        <source>v&amp;z (m/s):</source>
        <translation>v&amp;z (m/s) :</translation>
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
        <translation>Nombre d&apos;atomes</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Atoms (at most %1)</source>
        <translation>Atomes (au plus %1)</translation>
    </message>
    <message>
        <source>Number of atoms of type %1</source>
        <translation>Nombre d&apos;atomes de type %1</translation>
    </message>
</context>
<context>
    <name>CAtomPropertiesDialog</name>
    <message>
        <source>Atom Properties</source>
        <translation>Propriétés des atomes</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Diameter (m)</source>
        <translation>Diamètre (m)</translation>
    </message>
    <message>
        <source>Mass (kg)</source>
        <translation>Masse (kg)</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Name of type %1: use plain ASCII letters, digits and punctuation only (&quot;%2&quot; cannot be saved).</source>
        <translation>Nom du type %1 : n&apos;utilisez que des lettres ASCII simples, des chiffres et de la ponctuation (« %2 » ne peut pas être enregistré).</translation>
    </message>
    <message>
        <source>Name of type %1: at most %2 characters (this one has %3).</source>
        <translation>Nom du type %1 : au plus %2 caractères (celui-ci en a %3).</translation>
    </message>
    <message>
        <source>Diameter of type %1</source>
        <translation>Diamètre du type %1</translation>
    </message>
    <message>
        <source>Mass of type %1</source>
        <translation>Masse du type %1</translation>
    </message>
    <message>
        <source>Name of type %1</source>
        <translation>Nom du type %1</translation>
    </message>
    <message>
        <source>Colour of type %1</source>
        <translation>Couleur du type %1</translation>
    </message>
</context>
<context>
    <name>CBoxDialog</name>
    <message>
        <source>Box</source>
        <translation>Boîte</translation>
    </message>
    <message>
        <source>Box &amp;width (m):</source>
        <translation>&amp;Largeur de la boîte (m) :</translation>
    </message>
    <message>
        <source>Piston</source>
        <translation>Piston</translation>
    </message>
    <message>
        <source>&amp;Apply pressure with a piston</source>
        <translation>&amp;Appliquer une pression avec un piston</translation>
    </message>
    <message>
        <source>Applied &amp;pressure (Pa):</source>
        <translation>&amp;Pression appliquée (Pa) :</translation>
    </message>
    <message>
        <source>Piston &amp;mass (kg):</source>
        <translation>&amp;Masse du piston (kg) :</translation>
    </message>
    <message>
        <source>Box width</source>
        <translation>Largeur de la boîte</translation>
    </message>
    <message>
        <source>Applied pressure</source>
        <translation>Pression appliquée</translation>
    </message>
    <message>
        <source>Piston mass</source>
        <translation>Masse du piston</translation>
    </message>
    <message>
        <source>Closed box</source>
        <translation>Boîte fermée</translation>
    </message>
    <message>
        <source>Periodic (bulk)</source>
        <translation>Périodique (en volume)</translation>
    </message>
    <message>
        <source>&amp;Kind of box:</source>
        <translation>&amp;Type de boîte :</translation>
    </message>
</context>
<context>
    <name>CChangeKEDialog</name>
    <message>
        <source>Change Kinetic Energy</source>
        <translation>Modifier l&apos;énergie cinétique</translation>
    </message>
    <message>
        <source>&amp;Change of the total kinetic energy (J):</source>
        <translation>&amp;Variation de l&apos;énergie cinétique totale (J) :</translation>
    </message>
    <message>
        <source>Shared equally among all atoms; an atom never goes below rest.</source>
        <translation>Répartie également entre tous les atomes ; aucun atome ne descend en dessous du repos.</translation>
    </message>
    <message>
        <source>Change of the kinetic energy</source>
        <translation>Variation de l&apos;énergie cinétique</translation>
    </message>
</context>
<context>
    <name>CColorButton</name>
    <message>
        <source>Atom Colour</source>
        <translation>Couleur de l&apos;atome</translation>
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
        <translation>%1, de %2 à %3.</translation>
    </message>
    <message>
        <source>%1, in %2, from %3 to %4.</source>
        <translation>%1, en %2, de %3 à %4.</translation>
    </message>
    <message>
        <source>%1, in %2.</source>
        <translation>%1, en %2.</translation>
    </message>
    <message>
        <source>%1: on or off.</source>
        <translation>%1 : activé ou désactivé.</translation>
    </message>
    <message>
        <source>%1: one of the choices beside it.</source>
        <translation>%1 : l&apos;un des choix voisins.</translation>
    </message>
    <message>
        <source>%1: a choice from a list.</source>
        <translation>%1 : un choix dans une liste.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>kelvin</source>
        <translation>kelvins</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>mètres</translation>
    </message>
    <message>
        <source>kilograms</source>
        <translation>kilogrammes</translation>
    </message>
    <message>
        <source>joules</source>
        <translation>joules</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>coulombs</source>
        <translation>coulombs</translation>
    </message>
    <message>
        <source>pascals</source>
        <translation>pascals</translation>
    </message>
    <message>
        <source>metres per second</source>
        <translation>mètres par seconde</translation>
    </message>
    <message>
        <source>cubic metres</source>
        <translation>mètres cubes</translation>
    </message>
    <message>
        <source>steps</source>
        <translation>pas</translation>
    </message>
    <message>
        <source>points</source>
        <translation>points</translation>
    </message>
    <message>
        <source>points per metre</source>
        <translation>points par mètre</translation>
    </message>
    <message>
        <source>atoms per bin</source>
        <translation>atomes par classe</translation>
    </message>
    <message>
        <source>displays</source>
        <translation>affichages</translation>
    </message>
    <message>
        <source>frames</source>
        <translation>images</translation>
    </message>
    <message>
        <source>parts of full intensity</source>
        <translation>fractions de l&apos;intensité maximale</translation>
    </message>
    <message>
        <source>per cent</source>
        <translation>pour cent</translation>
    </message>
    <message>
        <source>six-hundredths of a second</source>
        <translation>six-centièmes de seconde</translation>
    </message>
</context>
<context>
    <name>CControlsPanel</name>
    <message>
        <source>%1 in %2</source>
        <translation>%1 dans %2</translation>
    </message>
    <message>
        <source>Heat bath</source>
        <translation>Thermostat</translation>
    </message>
    <message>
        <source>Floor heat bath</source>
        <translation>Thermostat du sol</translation>
    </message>
    <message>
        <source>Floor Heat Bath</source>
        <translation>Thermostat du sol</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Floor Temperature</source>
        <translation>Température du sol</translation>
    </message>
    <message>
        <source>Heat and cool</source>
        <translation>Chauffer et refroidir</translation>
    </message>
    <message>
        <source>Heat</source>
        <translation>Chauffer</translation>
    </message>
    <message>
        <source>Cool</source>
        <translation>Refroidir</translation>
    </message>
    <message>
        <source>Heat: hold to add kinetic energy</source>
        <translation>Chauffer : maintenir appuyé pour ajouter de l&apos;énergie cinétique</translation>
    </message>
    <message>
        <source>Cool: hold to remove kinetic energy</source>
        <translation>Refroidir : maintenir appuyé pour retirer de l&apos;énergie cinétique</translation>
    </message>
    <message>
        <source>Hold to add %1% of the kinetic energy per second</source>
        <translation>Maintenir appuyé pour ajouter %1 % de l&apos;énergie cinétique par seconde</translation>
    </message>
    <message>
        <source>Hold to remove %1% of the kinetic energy per second</source>
        <translation>Maintenir appuyé pour retirer %1 % de l&apos;énergie cinétique par seconde</translation>
    </message>
    <message>
        <source>Piston</source>
        <translation>Piston</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pression</translation>
    </message>
    <message>
        <source>Pa</source>
        <translation>Pa</translation>
    </message>
    <message>
        <source>Applied Pressure</source>
        <translation>Pression appliquée</translation>
    </message>
    <message>
        <source>Forces</source>
        <translation>Forces</translation>
    </message>
    <message>
        <source>Potentials</source>
        <translation>Potentiels</translation>
    </message>
    <message>
        <source>Well depth factor</source>
        <translation>Facteur de profondeur du puits</translation>
    </message>
    <message>
        <source>× 0 to 3</source>
        <translation>× 0 à 3</translation>
    </message>
    <message>
        <source>Well depth</source>
        <translation>Profondeur du puits</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Steps per display</source>
        <translation>Pas par affichage</translation>
    </message>
    <message>
        <source>steps</source>
        <translation>pas</translation>
    </message>
    <message>
        <source>Steps per Display</source>
        <translation>Pas par affichage</translation>
    </message>
    <message>
        <source>Time step in s</source>
        <translation>Pas de temps en s</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Time step</source>
        <translation>Pas de temps</translation>
    </message>
    <message>
        <source>Time Step</source>
        <translation>Pas de temps</translation>
    </message>
    <message>
        <source>Readouts</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Instantané</translation>
    </message>
    <message>
        <source>Time constant</source>
        <translation>Constante de temps</translation>
    </message>
    <message>
        <source>Accumulated</source>
        <translation>Cumulé</translation>
    </message>
    <message>
        <source>Averaging</source>
        <translation>Moyenne</translation>
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
        <translation>Tous</translation>
    </message>
    <message>
        <source>Displayed type</source>
        <translation>Type affiché</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
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
        <translation>Choisissez un type sous Mesures pour modifier la profondeur de son puits.</translation>
    </message>
    <message>
        <source>%1-%1: %2 J (× %3)</source>
        <translation>%1-%1 : %2 J (× %3)</translation>
    </message>
    <message>
        <source>Well Depth %1-%1</source>
        <translation>Profondeur du puits %1-%1</translation>
    </message>
</context>
<context>
    <name>CDiffusionChart</name>
    <message>
        <source>Time (ps)</source>
        <translation>Temps (ps)</translation>
    </message>
    <message>
        <source>Mean squared displacement (nm²)</source>
        <translation>Déplacement quadratique moyen (nm²)</translation>
    </message>
    <message>
        <source>Velocity autocorrelation ((m/s)²)</source>
        <translation>Autocorrélation des vitesses ((m/s)²)</translation>
    </message>
    <message>
        <source>Running integral / 3 (nm²/ns = 1e-9 m²/s)</source>
        <translation>Intégrale cumulée / 3 (nm²/ns = 1e-9 m²/s)</translation>
    </message>
    <message>
        <source>Mean squared displacement</source>
        <translation>Déplacement quadratique moyen</translation>
    </message>
    <message>
        <source>Velocity autocorrelation</source>
        <translation>Autocorrélation des vitesses</translation>
    </message>
    <message>
        <source>The curve shown</source>
        <translation>La courbe affichée</translation>
    </message>
    <message>
        <source>All atoms</source>
        <translation>Tous les atomes</translation>
    </message>
    <message>
        <source>Type %1</source>
        <translation>Type %1</translation>
    </message>
    <message>
        <source>The atoms averaged over</source>
        <translation>Les atomes sur lesquels porte la moyenne</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Start the measurement again from the next step</source>
        <translation>Recommencer la mesure à partir du pas suivant</translation>
    </message>
    <message>
        <source>MSD (nm²)</source>
        <translation>MSD (nm²)</translation>
    </message>
    <message>
        <source>Einstein fit 6 D t + c (nm²)</source>
        <translation>Ajustement d&apos;Einstein 6 D t + c (nm²)</translation>
    </message>
    <message>
        <source>slope 1 (diffusive)</source>
        <translation>pente 1 (diffusif)</translation>
    </message>
    <message>
        <source>fit window</source>
        <translation>fenêtre d&apos;ajustement</translation>
    </message>
    <message>
        <source>VACF ((m/s)²)</source>
        <translation>VACF ((m/s)²)</translation>
    </message>
    <message>
        <source>Running integral / 3, the Green-Kubo D (nm²/ns)</source>
        <translation>Intégrale cumulée / 3, le D de Green-Kubo (nm²/ns)</translation>
    </message>
    <message>
        <source>%1: no atoms.</source>
        <translation>%1 : aucun atome.</translation>
    </message>
    <message>
        <source>%1 samples, every %2 steps</source>
        <translation>%1 échantillons, tous les %2 pas</translation>
    </message>
    <message>
        <source>%1 (%2 atoms): no diffusion coefficient: %3. %4.</source>
        <translation>%1 (%2 atomes) : pas de coefficient de diffusion : %3. %4.</translation>
    </message>
    <message>
        <source> ± %1</source>
        <translation> ± %1</translation>
    </message>
    <message>
        <source> (too few blocks for an error yet)</source>
        <translation> (trop peu de blocs pour une incertitude pour l&apos;instant)</translation>
    </message>
    <message>
        <source>%1 (%2 atoms): Einstein D = %3%4 m²/s, fit from %5 to %6 ps; Green-Kubo D = %7 m²/s. %8.</source>
        <translation>%1 (%2 atomes) : D d&apos;Einstein = %3%4 m²/s, ajusté de %5 à %6 ps ; D de Green-Kubo = %7 m²/s. %8.</translation>
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
        <translation>Affichages</translation>
    </message>
    <message>
        <source>Values shown</source>
        <translation>Valeurs affichées</translation>
    </message>
    <message>
        <source>&amp;Instantaneous</source>
        <translation>&amp;Instantanées</translation>
    </message>
    <message>
        <source>&amp;Time-constant averages</source>
        <translation>Moyennes à &amp;constante de temps</translation>
    </message>
    <message>
        <source>&amp;Accumulated averages</source>
        <translation>Moyennes c&amp;umulées</translation>
    </message>
    <message>
        <source>Time &amp;constant (steps):</source>
        <translation>Cons&amp;tante de temps (pas) :</translation>
    </message>
    <message>
        <source>Speed histogram</source>
        <translation>Histogramme des vitesses</translation>
    </message>
    <message>
        <source>Largest &amp;speed (m/s):</source>
        <translation>&amp;Vitesse maximale (m/s) :</translation>
    </message>
    <message>
        <source>&amp;Height of the scale (atoms per bin):</source>
        <translation>&amp;Hauteur de l&apos;échelle (atomes par classe) :</translation>
    </message>
    <message>
        <source>&amp;Width (pixels):</source>
        <translation>&amp;Largeur (pixels) :</translation>
    </message>
    <message>
        <source>H&amp;eight (pixels):</source>
        <translation>H&amp;auteur (pixels) :</translation>
    </message>
    <message>
        <source>Time constant</source>
        <translation>Constante de temps</translation>
    </message>
    <message>
        <source>Largest speed</source>
        <translation>Vitesse maximale</translation>
    </message>
    <message>
        <source>Height of the histogram scale</source>
        <translation>Hauteur de l&apos;échelle de l&apos;histogramme</translation>
    </message>
    <message>
        <source>Histogram width</source>
        <translation>Largeur de l&apos;histogramme</translation>
    </message>
    <message>
        <source>Histogram height</source>
        <translation>Hauteur de l&apos;histogramme</translation>
    </message>
</context>
<context>
    <name>CDocument</name>
    <message>
        <source>U&amp;ndo</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>U&amp;ndo %1%2</source>
        <translation>A&amp;nnuler %1%2</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Redo %1%2</source>
        <translation>&amp;Rétablir %1%2</translation>
    </message>
    <message>
        <source>Move 1 Atom</source>
        <translation>Déplacer 1 atome</translation>
    </message>
    <message>
        <source>Move %1 Atoms</source>
        <translation>Déplacer %1 atomes</translation>
    </message>
</context>
<context>
    <name>CEditAtomDialog</name>
    <message>
        <source>Edit Atoms</source>
        <translation>Modifier les atomes</translation>
    </message>
    <message>
        <source>&amp;x (m):</source>
        <translation>&amp;x (m) :</translation>
    </message>
    <message>
        <source>&amp;y (m):</source>
        <translation>&amp;y (m) :</translation>
    </message>
    <message>
        <source>&amp;z (m):</source>
        <translation>&amp;z (m) :</translation>
    </message>
    <message>
        <source>v&amp;x (m/s):</source>
        <translation>v&amp;x (m/s) :</translation>
    </message>
    <message>
        <source>v&amp;y (m/s):</source>
        <translation>v&amp;y (m/s) :</translation>
    </message>
    <message>
        <source>v&amp;z (m/s):</source>
        <translation>v&amp;z (m/s) :</translation>
    </message>
    <message>
        <source>Velocities left at NA stay as they are.</source>
        <translation>Les vitesses laissées à NA restent inchangées.</translation>
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
        <translation>Énergie</translation>
    </message>
    <message>
        <source>&amp;Conserve energy (rescale speeds after each step)</source>
        <translation>&amp;Conserver l&apos;énergie (remettre les vitesses à l&apos;échelle après chaque pas)</translation>
    </message>
</context>
<context>
    <name>CEnergyLedgerChart</name>
    <message>
        <source>Simulated time (ps)</source>
        <translation>Temps simulé (ps)</translation>
    </message>
    <message>
        <source>Energy since the ledger restarted (zJ)</source>
        <translation>Énergie depuis la remise à zéro du bilan (zJ)</translation>
    </message>
    <message>
        <source>%1 (zJ)</source>
        <translation>%1 (zJ)</translation>
    </message>
    <message>
        <source>now</source>
        <translation>maintenant</translation>
    </message>
    <message>
        <source>dE = heat + work + user + correction + residual + piston stop</source>
        <translation>dE = chaleur + travail + utilisateur + correction + résidu + butée du piston</translation>
    </message>
    <message>
        <source>Balanced to rounding: every term is below a billionth of the kinetic energy.</source>
        <translation>Équilibré à l&apos;arrondi près : chaque terme est inférieur à un milliardième de l&apos;énergie cinétique.</translation>
    </message>
    <message>
        <source>No displays since the ledger restarted.</source>
        <translation>Aucun affichage depuis la remise à zéro du bilan.</translation>
    </message>
    <message>
        <source>%1 displays since the ledger restarted (opening a file or restarting the averages restarts it); one sample every %2 display(s).</source>
        <translation>%1 affichages depuis la remise à zéro du bilan (ouvrir un fichier ou recommencer les moyennes le remet à zéro) ; un échantillon tous les %2 affichage(s).</translation>
    </message>
    <message>
        <source>Energy Ledger</source>
        <translation>Bilan d&apos;énergie</translation>
    </message>
</context>
<context>
    <name>CFloorDialog</name>
    <message>
        <source>Floor</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Heat bath</source>
        <translation>Thermostat</translation>
    </message>
    <message>
        <source>&amp;Floor exchanges heat with a bath</source>
        <translation>Le &amp;sol échange de la chaleur avec un thermostat</translation>
    </message>
    <message>
        <source>Floor &amp;temperature (K):</source>
        <translation>&amp;Température du sol (K) :</translation>
    </message>
    <message>
        <source>Floor potential</source>
        <translation>Potentiel du sol</translation>
    </message>
    <message>
        <source>Floor &amp;attracts atoms (Lennard-Jones)</source>
        <translation>Le sol &amp;attire les atomes (Lennard-Jones)</translation>
    </message>
    <message>
        <source>Well depth (J)</source>
        <translation>Profondeur du puits (J)</translation>
    </message>
    <message>
        <source>Floor temperature</source>
        <translation>Température du sol</translation>
    </message>
    <message>
        <source>Floor well depth of type %1</source>
        <translation>Profondeur du puits du sol pour le type %1</translation>
    </message>
</context>
<context>
    <name>CFrameCaptureDialog</name>
    <message>
        <source>Capture Frame</source>
        <translation>Capturer une image</translation>
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
        <translation>&amp;Type de fichier :</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>JPEG &amp;quality:</source>
        <translation>&amp;Qualité JPEG :</translation>
    </message>
    <message>
        <source>Full &amp;resolution of a scaled screen</source>
        <translation>Pleine &amp;résolution d&apos;un écran mis à l&apos;échelle</translation>
    </message>
</context>
<context>
    <name>CKeyboardMouseDialog</name>
    <message>
        <source>drag</source>
        <translation>glisser</translation>
    </message>
    <message>
        <source>turn the view (0.9 degrees per point)</source>
        <translation>faire tourner la vue (0,9 degré par point)</translation>
    </message>
    <message>
        <source>Shift-click on an atom</source>
        <translation>Maj-clic sur un atome</translation>
    </message>
    <message>
        <source>select or deselect it</source>
        <translation>le sélectionner ou le désélectionner</translation>
    </message>
    <message>
        <source>Shift-drag</source>
        <translation>Maj-glisser</translation>
    </message>
    <message>
        <source>select the atoms inside the dashed box</source>
        <translation>sélectionner les atomes dans le cadre en pointillés</translation>
    </message>
    <message>
        <source>Super-drag, or middle-button drag</source>
        <translation>Super-glisser, ou glisser avec le bouton du milieu</translation>
    </message>
    <message>
        <source>move the selected atoms in the screen plane</source>
        <translation>déplacer les atomes sélectionnés dans le plan de l&apos;écran</translation>
    </message>
    <message>
        <source>Ctrl-drag, or right-button drag</source>
        <translation>Ctrl-glisser, ou glisser avec le bouton droit</translation>
    </message>
    <message>
        <source>zoom (drag down to shrink)</source>
        <translation>zoomer (glisser vers le bas pour réduire)</translation>
    </message>
    <message>
        <source>Alt-drag</source>
        <translation>Alt-glisser</translation>
    </message>
    <message>
        <source>move the eye away (down) or closer (up), scaling the picture alike</source>
        <translation>éloigner (vers le bas) ou rapprocher (vers le haut) l&apos;œil, l&apos;image suivant l&apos;échelle</translation>
    </message>
    <message>
        <source>wheel</source>
        <translation>molette</translation>
    </message>
    <message>
        <source>zoom, one arrow-key step per notch</source>
        <translation>zoomer, d&apos;un pas de touche fléchée par cran</translation>
    </message>
    <message>
        <source>Shift-wheel</source>
        <translation>Maj-molette</translation>
    </message>
    <message>
        <source>move the eye closer (away from you) or away (towards you)</source>
        <translation>rapprocher l&apos;œil (en s&apos;éloignant de vous) ou l&apos;éloigner (vers vous)</translation>
    </message>
    <message>
        <source>Left, Right</source>
        <translation>Gauche, Droite</translation>
    </message>
    <message>
        <source>turn about the vertical axis (4.5 degrees a press)</source>
        <translation>tourner autour de l&apos;axe vertical (4,5 degrés par appui)</translation>
    </message>
    <message>
        <source>Up, Down</source>
        <translation>Haut, Bas</translation>
    </message>
    <message>
        <source>tilt (4.5 degrees a press)</source>
        <translation>incliner (4,5 degrés par appui)</translation>
    </message>
    <message>
        <source>Ctrl+Up, Ctrl+Down</source>
        <translation>Ctrl+Haut, Ctrl+Bas</translation>
    </message>
    <message>
        <source>zoom</source>
        <translation>zoomer</translation>
    </message>
    <message>
        <source>Alt+Up, Alt+Down</source>
        <translation>Alt+Haut, Alt+Bas</translation>
    </message>
    <message>
        <source>move the eye</source>
        <translation>déplacer l&apos;œil</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>restore the standard orientation, keeping the zoom</source>
        <translation>rétablir l&apos;orientation standard, en gardant le zoom</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>deselect every atom</source>
        <translation>désélectionner tous les atomes</translation>
    </message>
    <message>
        <source>Does</source>
        <translation>Effet</translation>
    </message>
    <message>
        <source>Mouse in the view</source>
        <translation>Souris dans la vue</translation>
    </message>
    <message>
        <source>Gesture</source>
        <translation>Geste</translation>
    </message>
    <message>
        <source>Keys in the view</source>
        <translation>Touches dans la vue</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Many window managers keep Alt-drag and Super-drag for moving windows; the middle button, the right button, the wheel and the View menu do the same without them.</source>
        <translation>Beaucoup de gestionnaires de fenêtres réservent Alt-glisser et Super-glisser au déplacement des fenêtres ; le bouton du milieu, le bouton droit, la molette et le menu Vue font la même chose sans eux.</translation>
    </message>
    <message>
        <source>Keyboard and Mouse</source>
        <translation>Clavier et souris</translation>
    </message>
    <message>
        <source>Keys and mouse actions</source>
        <translation>Touches et actions de la souris</translation>
    </message>
    <message>
        <source>Tables of what each key and mouse action does in the view and the windows.</source>
        <translation>Tableaux de ce que fait chaque touche et chaque action de la souris dans la vue et les fenêtres.</translation>
    </message>
</context>
<context>
    <name>CLessonPanel</name>
    <message>
        <source>Lesson</source>
        <translation>Leçon</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Suivant &gt;</translation>
    </message>
    <message>
        <source>Lesson: %1</source>
        <translation>Leçon : %1</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>This lesson has problems to fix:
%1</source>
        <translation>Cette leçon comporte des problèmes à corriger :
%1</translation>
    </message>
    <message>
        <source>No lesson is open. Choose one in Help &gt; Lessons, or File &gt; Open Lesson...</source>
        <translation>Aucune leçon n&apos;est ouverte. Choisissez-en une dans Aide &gt; Leçons, ou Fichier &gt; Ouvrir une leçon...</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Waiting for %1</source>
        <translation>En attente de %1</translation>
    </message>
    <message>
        <source>Next opens once %1 is %2 %3 %4; it is %5 now.</source>
        <translation>Suivant s&apos;ouvre dès que %1 est %2 %3 %4 ; il vaut %5 maintenant.</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>This link does nothing: line %1 of the lesson has a problem.</source>
        <translation>Ce lien ne fait rien : la ligne %1 de la leçon comporte un problème.</translation>
    </message>
    <message>
        <source>This link is not one the lesson&apos;s page holds: %1</source>
        <translation>Ce lien ne fait pas partie de la page de la leçon : %1</translation>
    </message>
    <message>
        <source>Lesson page</source>
        <translation>Page de la leçon</translation>
    </message>
    <message>
        <source>The text of the lesson&apos;s page; its links carry out the lesson&apos;s actions.</source>
        <translation>Le texte de la page de la leçon ; ses liens exécutent les actions de la leçon.</translation>
    </message>
    <message>
        <source>Goes back to the lesson&apos;s previous page.</source>
        <translation>Revient à la page précédente de la leçon.</translation>
    </message>
    <message>
        <source>Goes on to the lesson&apos;s next page once its task is done.</source>
        <translation>Passe à la page suivante de la leçon une fois sa tâche accomplie.</translation>
    </message>
</context>
<context>
    <name>CMovieDialog</name>
    <message>
        <source>Make Movie</source>
        <translation>Créer un film</translation>
    </message>
    <message>
        <source>&amp;Displays per frame:</source>
        <translation>&amp;Affichages par image :</translation>
    </message>
    <message>
        <source>&amp;Frames to capture (after the first):</source>
        <translation>&amp;Images à capturer (après la première) :</translation>
    </message>
    <message>
        <source>Frame &amp;length (1/600 s):</source>
        <translation>&amp;Durée d&apos;une image (1/600 s) :</translation>
    </message>
    <message>
        <source>H.264</source>
        <translation>H.264</translation>
    </message>
    <message>
        <source>Uncompressed</source>
        <translation>Non compressé</translation>
    </message>
    <message>
        <source>&amp;Codec:</source>
        <translation>&amp;Codec :</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximale</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Haute</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Basse</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimale</translation>
    </message>
    <message>
        <source>&amp;Quality:</source>
        <translation>&amp;Qualité :</translation>
    </message>
    <message>
        <source>Full &amp;resolution of a scaled screen</source>
        <translation>Pleine &amp;résolution d&apos;un écran mis à l&apos;échelle</translation>
    </message>
    <message>
        <source>This comes to</source>
        <translation>Cela donne</translation>
    </message>
    <message>
        <source>Steps per display:</source>
        <translation>Pas par affichage :</translation>
    </message>
    <message>
        <source>Simulated time per display (s):</source>
        <translation>Temps simulé par affichage (s) :</translation>
    </message>
    <message>
        <source>Steps per frame:</source>
        <translation>Pas par image :</translation>
    </message>
    <message>
        <source>Simulated time per frame (s):</source>
        <translation>Temps simulé par image (s) :</translation>
    </message>
    <message>
        <source>Steps in all:</source>
        <translation>Pas au total :</translation>
    </message>
    <message>
        <source>Simulated time in all (s):</source>
        <translation>Temps simulé au total (s) :</translation>
    </message>
    <message>
        <source>Movie running time (s):</source>
        <translation>Durée du film (s) :</translation>
    </message>
</context>
<context>
    <name>CNewSimulationDialog</name>
    <message>
        <source>New Simulation</source>
        <translation>Nouvelle simulation</translation>
    </message>
    <message>
        <source>Atoms</source>
        <translation>Atomes</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Substance</source>
        <translation>Substance</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Diameter (m)</source>
        <translation>Diamètre (m)</translation>
    </message>
    <message>
        <source>Mass (kg)</source>
        <translation>Masse (kg)</translation>
    </message>
    <message>
        <source>Well depth (J)</source>
        <translation>Profondeur du puits (J)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source> atoms</source>
        <translation> atomes</translation>
    </message>
    <message>
        <source>Unlike pairs: the mean diameter and the geometric mean of the well depths (Lorentz-Berthelot).</source>
        <translation>Paires différentes : le diamètre moyen et la moyenne géométrique des profondeurs de puits (Lorentz-Berthelot).</translation>
    </message>
    <message>
        <source>Arrangement and density of the whole box</source>
        <translation>Arrangement et densité de toute la boîte</translation>
    </message>
    <message>
        <source>Face-centred cubic lattice (fcc)</source>
        <translation>Réseau cubique à faces centrées (cfc)</translation>
    </message>
    <message>
        <source>Body-centred cubic lattice (bcc)</source>
        <translation>Réseau cubique centré (cc)</translation>
    </message>
    <message>
        <source>Simple cubic lattice (sc)</source>
        <translation>Réseau cubique simple (cs)</translation>
    </message>
    <message>
        <source>Random, without overlap</source>
        <translation>Aléatoire, sans recouvrement</translation>
    </message>
    <message>
        <source>&amp;Arrangement:</source>
        <translation>&amp;Arrangement :</translation>
    </message>
    <message>
        <source>&amp;Mass density (kg/m3):</source>
        <translation>&amp;Masse volumique (kg/m3) :</translation>
    </message>
    <message>
        <source>N&amp;umber density (atoms/m3):</source>
        <translation>De&amp;nsité en nombre (atomes/m3) :</translation>
    </message>
    <message>
        <source>&amp;Packing fraction:</source>
        <translation>&amp;Compacité :</translation>
    </message>
    <message>
        <source>&amp;Box width (m):</source>
        <translation>&amp;Largeur de la boîte (m) :</translation>
    </message>
    <message>
        <source>Temperature and switches</source>
        <translation>Température et options</translation>
    </message>
    <message>
        <source>&amp;Temperature (K):</source>
        <translation>&amp;Température (K) :</translation>
    </message>
    <message>
        <source>Random s&amp;eed:</source>
        <translation>&amp;Graine aléatoire :</translation>
    </message>
    <message>
        <source>Lennard-Jones forces between atoms</source>
        <translation>Forces de Lennard-Jones entre les atomes</translation>
    </message>
    <message>
        <source>Floor attracts atoms (each type&apos;s well depth)</source>
        <translation>Le sol attire les atomes (profondeur de puits de chaque type)</translation>
    </message>
    <message>
        <source>Floor exchanges heat with a bath at</source>
        <translation>Le sol échange de la chaleur avec un thermostat à</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Piston on top of the box</source>
        <translation>Piston au sommet de la boîte</translation>
    </message>
    <message>
        <source>What will be built</source>
        <translation>Ce qui sera construit</translation>
    </message>
    <message>
        <source>The diameter of type %1 is not a number.</source>
        <translation>Le diamètre du type %1 n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>The mass of type %1 is not a number.</source>
        <translation>La masse du type %1 n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>The well depth of type %1 is not a number.</source>
        <translation>La profondeur du puits du type %1 n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>The density is not a number.</source>
        <translation>La densité n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>The temperature is not a number.</source>
        <translation>La température n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>The floor temperature is not a number.</source>
        <translation>La température du sol n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>Cannot be built: %1</source>
        <translation>Construction impossible : %1</translation>
    </message>
    <message>
        <source>%1 atoms in a box %2 m wide.</source>
        <translation>%1 atomes dans une boîte de %2 m de large.</translation>
    </message>
    <message>
        <source>%1 sites for %2 atoms, filled from the floor up</source>
        <translation>%1 sites pour %2 atomes, remplis à partir du sol</translation>
    </message>
    <message>
        <source>%1 sites for %2 atoms</source>
        <translation>%1 sites pour %2 atomes</translation>
    </message>
    <message>
        <source>%1 x %1 x %1 cells, %2 atoms per cell, %3; lattice constant %4 m, nearest distance %5 m (%6 diameters).</source>
        <translation>%1 x %1 x %1 mailles, %2 atomes par maille, %3 ; paramètre de maille %4 m, plus proche distance %5 m (%6 diamètres).</translation>
    </message>
    <message>
        <source>Placed at random, each pair at least its mean diameter apart.</source>
        <translation>Placés au hasard, chaque paire séparée d&apos;au moins son diamètre moyen.</translation>
    </message>
    <message>
        <source>Contacts at the mean diameter</source>
        <translation>Contacts au diamètre moyen</translation>
    </message>
    <message>
        <source>Periodic (bulk)</source>
        <translation>Périodique (en volume)</translation>
    </message>
    <message>
        <source>The box is periodic: the atoms fill it, with no walls.</source>
        <translation>La boîte est périodique : les atomes la remplissent, sans parois.</translation>
    </message>
    <message>
        <source>Floor temperature</source>
        <translation>Température du sol</translation>
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
        <translation>%1 : « %2 » n&apos;est pas un nombre. Écrivez les nombres avec une virgule ou un point décimal, par exemple 3,00e-10.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a whole number.</source>
        <translation>%1 : « %2 » n&apos;est pas un nombre entier.</translation>
    </message>
    <message>
        <source>%1 must be between %2 and %3.</source>
        <translation>%1 doit être compris entre %2 et %3.</translation>
    </message>
    <message>
        <source>A periodic box has no walls, floor or piston.</source>
        <translation>Une boîte périodique n&apos;a ni parois, ni sol, ni piston.</translation>
    </message>
</context>
<context>
    <name>CPlotChart</name>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>CSV Table...</source>
        <translation>Tableau CSV...</translation>
    </message>
    <message>
        <source>PNG Picture...</source>
        <translation>Image PNG...</translation>
    </message>
    <message>
        <source>SVG Drawing...</source>
        <translation>Dessin SVG...</translation>
    </message>
    <message>
        <source>Quorvel Plots: %1</source>
        <translation>Graphiques Quorvel : %1</translation>
    </message>
    <message>
        <source>the drawing could not be started</source>
        <translation>le dessin n&apos;a pas pu être commencé</translation>
    </message>
</context>
<context>
    <name>CPlotsWindow</name>
    <message>
        <source>Quorvel Plots</source>
        <translation>Graphiques Quorvel</translation>
    </message>
</context>
<context>
    <name>CPotentialsDialog</name>
    <message>
        <source>Potentials</source>
        <translation>Potentiels</translation>
    </message>
    <message>
        <source>&amp;Use the pair potentials (Lennard-Jones and Coulomb)</source>
        <translation>&amp;Utiliser les potentiels de paire (Lennard-Jones et Coulomb)</translation>
    </message>
    <message>
        <source>Lennard-Jones well depth between types (J)</source>
        <translation>Profondeur du puits de Lennard-Jones entre types (J)</translation>
    </message>
    <message>
        <source>Charge (C)</source>
        <translation>Charge (C)</translation>
    </message>
    <message>
        <source>Well depth %1-%2</source>
        <translation>Profondeur du puits %1-%2</translation>
    </message>
    <message>
        <source>Charge of type %1</source>
        <translation>Charge du type %1</translation>
    </message>
    <message>
        <source>Con&amp;tacts at the mean diameter</source>
        <translation>&amp;Contacts au diamètre moyen</translation>
    </message>
    <message>
        <source>Atoms meet as hard cores at the mean of their diameters; off, the Lennard-Jones potential alone keeps them apart.</source>
        <translation>Les atomes se heurtent comme des cœurs durs à la moyenne de leurs diamètres ; désactivé, seul le potentiel de Lennard-Jones les tient à distance.</translation>
    </message>
</context>
<context>
    <name>CQtPlatform</name>
    <message>
        <source>Alert.</source>
        <translation>Attention.</translation>
    </message>
    <message>
        <source>Note.</source>
        <translation>Remarque.</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Enregistrer les modifications ?</translation>
    </message>
    <message>
        <source>Operation Incomplete.</source>
        <translation>Opération incomplète.</translation>
    </message>
    <message>
        <source>Cannot Build the Simulation.</source>
        <translation>Impossible de construire la simulation.</translation>
    </message>
    <message>
        <source>Exported for LAMMPS.</source>
        <translation>Exporté pour LAMMPS.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accepter</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Enregistrer...</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Finish Movie and Quit</source>
        <translation>Terminer le film et quitter</translation>
    </message>
    <message>
        <source>Finish Trajectory and Quit</source>
        <translation>Terminer la trajectoire et quitter</translation>
    </message>
    <message>
        <source>A trajectory is being recorded. Stop it and start another?</source>
        <translation>Une trajectoire est en cours d&apos;enregistrement. L&apos;arrêter et en commencer une autre ?</translation>
    </message>
    <message>
        <source>Movie making in progress. Abort current movie?</source>
        <translation>Un film est en cours de création. Interrompre le film en cours ?</translation>
    </message>
    <message>
        <source>The example could not be found in the application.</source>
        <translation>L&apos;exemple est introuvable dans l&apos;application.</translation>
    </message>
    <message>
        <source>The example could not be copied to the temporary folder.</source>
        <translation>L&apos;exemple n&apos;a pas pu être copié dans le dossier temporaire.</translation>
    </message>
    <message>
        <source>The selected file type is incompatible; requires file type of &apos;txt&apos;.</source>
        <translation>Le type de fichier choisi est incompatible ; le type de fichier « txt » est requis.</translation>
    </message>
    <message>
        <source>Charged atoms in a periodic box need Ewald summation, which Quorvel does not have yet. Set the charge of every type with atoms to zero first, or keep the closed box.</source>
        <translation>Des atomes chargés dans une boîte périodique demandent une sommation d&apos;Ewald, que Quorvel n&apos;a pas encore. Mettez d&apos;abord à zéro la charge de chaque type qui a des atomes, ou gardez la boîte fermée.</translation>
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
        <translation>g(r) (paires rapportées aux paires indépendantes)</translation>
    </message>
    <message>
        <source>The pair of atom types g(r) counts</source>
        <translation>La paire de types d&apos;atomes que compte g(r)</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Start the average again from the next display</source>
        <translation>Recommencer la moyenne à partir de l&apos;affichage suivant</translation>
    </message>
    <message>
        <source>g(r)</source>
        <translation>g(r)</translation>
    </message>
    <message>
        <source>independent centres</source>
        <translation>centres indépendants</translation>
    </message>
    <message>
        <source>All atoms</source>
        <translation>Tous les atomes</translation>
    </message>
    <message>
        <source>No pairs to count: the chosen types have fewer than two atoms.</source>
        <translation>Aucune paire à compter : les types choisis ont moins de deux atomes.</translation>
    </message>
    <message>
        <source>%1 display(s) counted since the reset (every %2 while running), bins of %3 nm out to half the box width.</source>
        <translation>%1 affichage(s) comptés depuis la réinitialisation (tous les %2 pendant le calcul), classes de %3 nm jusqu&apos;à la moitié de la largeur de la boîte.</translation>
    </message>
    <message>
        <source>Radial Distribution</source>
        <translation>Distribution radiale</translation>
    </message>
</context>
<context>
    <name>CReplicateDialog</name>
    <message>
        <source>Export for LAMMPS</source>
        <translation>Exporter pour LAMMPS</translation>
    </message>
    <message>
        <source>&amp;Copies of the box along each edge (1 to %1):</source>
        <translation>&amp;Copies de la boîte le long de chaque arête (1 à %1) :</translation>
    </message>
    <message>
        <source>N x N x N copies in the same state, side by side in a box N times as wide.
Writes in.quorvel and data.quorvel; run with: lmp -in in.quorvel</source>
        <translation>N x N x N copies dans le même état, côte à côte dans une boîte N fois plus large.
Écrit in.quorvel et data.quorvel ; lancer avec : lmp -in in.quorvel</translation>
    </message>
    <message>
        <source>Atoms in LAMMPS: -</source>
        <translation>Atomes dans LAMMPS : -</translation>
    </message>
    <message>
        <source>Atoms in LAMMPS: %1</source>
        <translation>Atomes dans LAMMPS : %1</translation>
    </message>
    <message>
        <source>Copies along each edge</source>
        <translation>Copies le long de chaque arête</translation>
    </message>
</context>
<context>
    <name>CSpeedDistributionChart</name>
    <message>
        <source>Speed (m/s)</source>
        <translation>Vitesse (m/s)</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Histogramme</translation>
    </message>
    <message>
        <source>Maxwell-Boltzmann, measured T</source>
        <translation>Maxwell-Boltzmann, T mesurée</translation>
    </message>
    <message>
        <source>Maxwell-Boltzmann, fitted T</source>
        <translation>Maxwell-Boltzmann, T ajustée</translation>
    </message>
    <message>
        <source>All atoms</source>
        <translation>Tous les atomes</translation>
    </message>
    <message>
        <source>Type %1</source>
        <translation>Type %1</translation>
    </message>
    <message>
        <source>%1: no atoms.</source>
        <translation>%1 : aucun atome.</translation>
    </message>
    <message>
        <source>%1 (%2 atoms): measured T = %3 K, fitted T = %4 K, total variation from the measured-T curve %5.</source>
        <translation>%1 (%2 atomes) : T mesurée = %3 K, T ajustée = %4 K, écart total à la courbe de la T mesurée %5.</translation>
    </message>
    <message>
        <source>Fraction of atoms per bin (bins of %1 m/s)</source>
        <translation>Fraction des atomes par classe (classes de %1 m/s)</translation>
    </message>
    <message>
        <source>Speed Distribution</source>
        <translation>Distribution des vitesses</translation>
    </message>
</context>
<context>
    <name>CTimeSeriesChart</name>
    <message>
        <source>Draw the %1 (%2)</source>
        <translation>Tracer %1 (%2)</translation>
    </message>
    <message>
        <source>Time (ps)</source>
        <translation>Temps (ps)</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>What the horizontal axis counts</source>
        <translation>Ce que compte l&apos;axe horizontal</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>Suivre</translation>
    </message>
    <message>
        <source>Move with the run; clear it to pause the chart</source>
        <translation>Avancer avec le calcul ; décocher pour figer le graphique</translation>
    </message>
    <message>
        <source>Reset Zoom</source>
        <translation>Réinitialiser le zoom</translation>
    </message>
    <message>
        <source>The whole run again, following it (the wheel over the chart zooms the time axis)</source>
        <translation>De nouveau tout le calcul, en le suivant (la molette sur le graphique zoome l&apos;axe du temps)</translation>
    </message>
    <message>
        <source>all atoms</source>
        <translation>tous les atomes</translation>
    </message>
    <message>
        <source>type %1 %2</source>
        <translation>type %1 %2</translation>
    </message>
    <message>
        <source>Displayed atoms: %1.  %2 samples, one every %3 display(s); %4 in view.</source>
        <translation>Atomes affichés : %1.  %2 échantillons, un tous les %3 affichage(s) ; %4 visibles.</translation>
    </message>
    <message>
        <source>Time Series</source>
        <translation>Séries temporelles</translation>
    </message>
</context>
<context>
    <name>CTimingDialog</name>
    <message>
        <source>Timing</source>
        <translation>Temporisation</translation>
    </message>
    <message>
        <source>&amp;Steps per display:</source>
        <translation>&amp;Pas par affichage :</translation>
    </message>
    <message>
        <source>&amp;Time step (s):</source>
        <translation>Pas de &amp;temps (s) :</translation>
    </message>
    <message>
        <source>&amp;Real time between displays (s):</source>
        <translation>Temps &amp;réel entre deux affichages (s) :</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>Show elapsed time &amp;in:</source>
        <translation>Afficher le temps écoulé &amp;en :</translation>
    </message>
    <message>
        <source>Steps per display</source>
        <translation>Pas par affichage</translation>
    </message>
    <message>
        <source>Time step</source>
        <translation>Pas de temps</translation>
    </message>
    <message>
        <source>Real time between displays</source>
        <translation>Temps réel entre deux affichages</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>automatique</translation>
    </message>
    <message>
        <source>The threads the engine steps with: automatic (every core of this computer) or 1 to %1. Every count gives the same results.</source>
        <translation>Les fils d’exécution du moteur : automatique (chaque cœur de cet ordinateur) ou 1 à %1. Tout nombre donne les mêmes résultats.</translation>
    </message>
    <message>
        <source>T&amp;hreads:</source>
        <translation>&amp;Fils d’exécution :</translation>
    </message>
</context>
<context>
    <name>CTrajectoryDialog</name>
    <message>
        <source>Record Trajectory</source>
        <translation>Enregistrer la trajectoire</translation>
    </message>
    <message>
        <source>Extended XYZ (.xyz): OVITO, ASE, VMD</source>
        <translation>Extended XYZ (.xyz) : OVITO, ASE, VMD</translation>
    </message>
    <message>
        <source>LAMMPS dump (.lammpstrj): with Export for LAMMPS&apos;s data file</source>
        <translation>Dump LAMMPS (.lammpstrj) : avec le fichier de données d&apos;Exporter pour LAMMPS</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format :</translation>
    </message>
    <message>
        <source>A frame &amp;every (displays, 1 to %1):</source>
        <translation>Une image &amp;tous les (affichages, 1 à %1) :</translation>
    </message>
    <message>
        <source>The first frame is the state now. Positions in Angstrom, velocities in Angstrom/ps, time in ps.
Each frame is on disk as soon as it is written.</source>
        <translation>La première image est l&apos;état actuel. Positions en angströms, vitesses en angströms/ps, temps en ps.
Chaque image est sur le disque dès qu&apos;elle est écrite.</translation>
    </message>
    <message>
        <source>A frame every</source>
        <translation>Une image tous les</translation>
    </message>
</context>
<context>
    <name>CUIWindow</name>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open a simulation file</source>
        <translation>Ouvrir un fichier de simulation</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;About Quorvel</source>
        <translation>À &amp;propos de Quorvel</translation>
    </message>
    <message>
        <source>&amp;Keyboard and Mouse</source>
        <translation>&amp;Clavier et souris</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Lancer</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>Ctrl+.</source>
        <translation>Ctrl+.</translation>
    </message>
    <message>
        <source>Select A&amp;ll</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>Select Type &amp;%1</source>
        <translation>Sélectionner le type &amp;%1</translation>
    </message>
    <message>
        <source>Ctrl+%1</source>
        <translation>Ctrl+%1</translation>
    </message>
    <message>
        <source>D&amp;elete Selected</source>
        <translation>&amp;Supprimer la sélection</translation>
    </message>
    <message>
        <source>Cl&amp;ump Selected</source>
        <translation>Re&amp;grouper la sélection</translation>
    </message>
    <message>
        <source>Ctrl+K</source>
        <translation>Ctrl+K</translation>
    </message>
    <message>
        <source>Shift Atoms to &amp;Fit</source>
        <translation>Ram&amp;ener les atomes dans la boîte</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Next Atom &amp;Type</source>
        <translation>T&amp;ype d&apos;atome suivant</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Next &amp;Averaging Mode</source>
        <translation>&amp;Moyenne suivante</translation>
    </message>
    <message>
        <source>Ctrl+Shift+T</source>
        <translation>Ctrl+Shift+T</translation>
    </message>
    <message>
        <source>Standard &amp;View</source>
        <translation>Vue &amp;standard</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>St&amp;ereo</source>
        <translation>St&amp;éréo</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Agrandir</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Réduire</translation>
    </message>
    <message>
        <source>Eye &amp;Closer</source>
        <translation>Œil plus &amp;près</translation>
    </message>
    <message>
        <source>Ctrl+]</source>
        <translation>Ctrl+]</translation>
    </message>
    <message>
        <source>Eye F&amp;arther</source>
        <translation>Œil plus &amp;loin</translation>
    </message>
    <message>
        <source>Ctrl+[</source>
        <translation>Ctrl+[</translation>
    </message>
    <message>
        <source>&amp;Small</source>
        <translation>&amp;Petit</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Moyen</translation>
    </message>
    <message>
        <source>&amp;Large</source>
        <translation>&amp;Grand</translation>
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
        <translation>É&amp;tat</translation>
    </message>
    <message>
        <source>&amp;Energy Difference</source>
        <translation>Différence d&apos;é&amp;nergie</translation>
    </message>
    <message>
        <source>&amp;Numeric Values</source>
        <translation>&amp;Valeurs numériques</translation>
    </message>
    <message>
        <source>&amp;Histogram</source>
        <translation>&amp;Histogramme</translation>
    </message>
    <message>
        <source>&amp;Box</source>
        <translation>&amp;Boîte</translation>
    </message>
    <message>
        <source>&amp;Floor</source>
        <translation>S&amp;ol</translation>
    </message>
    <message>
        <source>S&amp;hadows</source>
        <translation>O&amp;mbres</translation>
    </message>
    <message>
        <source>A&amp;xes</source>
        <translation>A&amp;xes</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Open &amp;Example</source>
        <translation>Ouvrir un &amp;exemple</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Simulation</source>
        <translation>&amp;Simulation</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Vue</translation>
    </message>
    <message>
        <source>Aspect &amp;Ratio</source>
        <translation>Propor&amp;tions</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>Text Si&amp;ze</source>
        <translation>Taille du te&amp;xte</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
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
        <translation>À propos de Quorvel</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Quorvel %1&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Quorvel %1&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>Interactive molecular dynamics: up to 1,600 atoms of four types in a closed box.&lt;br&gt;&lt;br&gt;Copyright © 2025 the Quorvel developers.&lt;br&gt;Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Dynamique moléculaire interactive : jusqu&apos;à 1 600 atomes de quatre types dans une boîte fermée.&lt;br&gt;&lt;br&gt;Copyright © 2025 les développeurs de Quorvel.&lt;br&gt;Logiciel libre sous la licence publique générale GNU, version 3 ou ultérieure.</translation>
    </message>
    <message>
        <source>Make &amp;Movie...</source>
        <translation>Créer un &amp;film...</translation>
    </message>
    <message>
        <source>Ctrl+Shift+M</source>
        <translation>Ctrl+Shift+M</translation>
    </message>
    <message>
        <source>A&amp;bort Movie</source>
        <translation>Interrompre le fil&amp;m</translation>
    </message>
    <message>
        <source>Capture &amp;Frame...</source>
        <translation>Capturer une &amp;image...</translation>
    </message>
    <message>
        <source>Ctrl+Shift+C</source>
        <translation>Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Clump</source>
        <translation>Regrouper</translation>
    </message>
    <message>
        <source>Shift Atoms to Fit</source>
        <translation>Ramener les atomes dans la boîte</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>&amp;Controls</source>
        <translation>&amp;Commandes</translation>
    </message>
    <message>
        <source>Ctrl+Shift+K</source>
        <translation>Ctrl+Shift+K</translation>
    </message>
    <message>
        <source>Live controls of the heat bath, the piston, the forces and the speed</source>
        <translation>Commandes en direct du thermostat, du piston, des forces et de la vitesse</translation>
    </message>
    <message>
        <source>&amp;Presentation</source>
        <translation>Prése&amp;ntation</translation>
    </message>
    <message>
        <source>Full screen, with readouts large enough to read across a room</source>
        <translation>Plein écran, avec des mesures assez grandes pour être lues d&apos;un bout à l&apos;autre de la salle</translation>
    </message>
    <message>
        <source>&amp;Leave Presentation</source>
        <translation>&amp;Quitter la présentation</translation>
    </message>
    <message>
        <source>Ne&amp;w...</source>
        <translation>&amp;Nouveau...</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Réduire</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>Add A&amp;tom...</source>
        <translation>Ajouter un ato&amp;me...</translation>
    </message>
    <message>
        <source>Ctrl+Shift+A</source>
        <translation>Ctrl+Shift+A</translation>
    </message>
    <message>
        <source>Ed&amp;it Selected Atoms...</source>
        <translation>Modifier les atomes sé&amp;lectionnés...</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>&amp;Number of Atoms...</source>
        <translation>Nomb&amp;re d&apos;atomes...</translation>
    </message>
    <message>
        <source>Ctrl+Shift+N</source>
        <translation>Ctrl+Shift+N</translation>
    </message>
    <message>
        <source>Atom &amp;Properties...</source>
        <translation>&amp;Propriétés des atomes...</translation>
    </message>
    <message>
        <source>P&amp;otentials...</source>
        <translation>P&amp;otentiels...</translation>
    </message>
    <message>
        <source>&amp;Box and Piston...</source>
        <translation>&amp;Boîte et piston...</translation>
    </message>
    <message>
        <source>Ctrl+Shift+B</source>
        <translation>Ctrl+Shift+B</translation>
    </message>
    <message>
        <source>&amp;Floor...</source>
        <translation>&amp;Sol...</translation>
    </message>
    <message>
        <source>&amp;Energy Conservation...</source>
        <translation>&amp;Conservation de l&apos;énergie...</translation>
    </message>
    <message>
        <source>Change &amp;Kinetic Energy...</source>
        <translation>&amp;Modifier l&apos;énergie cinétique...</translation>
    </message>
    <message>
        <source>&amp;Timing...</source>
        <translation>&amp;Temporisation...</translation>
    </message>
    <message>
        <source>&amp;Displays...</source>
        <translation>&amp;Affichages...</translation>
    </message>
    <message>
        <source>View &amp;Distances...</source>
        <translation>&amp;Distances de vue...</translation>
    </message>
    <message>
        <source>Export for &amp;LAMMPS...</source>
        <translation>E&amp;xporter pour LAMMPS...</translation>
    </message>
    <message>
        <source>Ctrl+Shift+L</source>
        <translation>Ctrl+Shift+L</translation>
    </message>
    <message>
        <source>Debug &amp;1 (Clump Selected)</source>
        <translation>Débogage &amp;1 (Regrouper la sélection)</translation>
    </message>
    <message>
        <source>Debug &amp;2 (Shift Atoms to Fit)</source>
        <translation>Débogage &amp;2 (Ramener les atomes dans la boîte)</translation>
    </message>
    <message>
        <source>Box Width %1 nm</source>
        <translation>Largeur de la boîte %1 nm</translation>
    </message>
    <message>
        <source>New Simulation</source>
        <translation>Nouvelle simulation</translation>
    </message>
    <message>
        <source>Add Atom</source>
        <translation>Ajouter un atome</translation>
    </message>
    <message>
        <source>Edit Selected Atoms</source>
        <translation>Modifier les atomes sélectionnés</translation>
    </message>
    <message>
        <source>Number of Atoms</source>
        <translation>Nombre d&apos;atomes</translation>
    </message>
    <message>
        <source>Atom Properties</source>
        <translation>Propriétés des atomes</translation>
    </message>
    <message>
        <source>Potentials</source>
        <translation>Potentiels</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Temporisation</translation>
    </message>
    <message>
        <source>Box and Piston</source>
        <translation>Boîte et piston</translation>
    </message>
    <message>
        <source>Floor</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Energy Conservation</source>
        <translation>Conservation de l&apos;énergie</translation>
    </message>
    <message>
        <source>Change Kinetic Energy</source>
        <translation>Modifier l&apos;énergie cinétique</translation>
    </message>
    <message>
        <source>Displays</source>
        <translation>Affichages</translation>
    </message>
    <message>
        <source>View Distances</source>
        <translation>Distances de vue</translation>
    </message>
    <message>
        <source>Export for LAMMPS: choose a folder</source>
        <translation>Exporter pour LAMMPS : choisir un dossier</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Ouvrir %1</translation>
    </message>
    <message>
        <source>%1 is gone and was removed</source>
        <translation>%1 n&apos;existe plus et a été retiré</translation>
    </message>
    <message>
        <source>%1 files are gone and were removed</source>
        <translation>%1 fichiers n&apos;existent plus et ont été retirés</translation>
    </message>
    <message>
        <source>No Recent Files</source>
        <translation>Aucun fichier récent</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>&amp;Effacer le menu</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>Lan&amp;gue</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Système</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The new language takes effect when Quorvel is started again.</source>
        <translation>La nouvelle langue prendra effet au prochain démarrage de Quorvel.</translation>
    </message>
    <message>
        <source>Open Lesso&amp;n...</source>
        <translation>Ouvrir une &amp;leçon...</translation>
    </message>
    <message>
        <source>A lesson&apos;s pages in a panel beside the view</source>
        <translation>Les pages d&apos;une leçon dans un panneau à côté de la vue</translation>
    </message>
    <message>
        <source>&amp;Lessons</source>
        <translation>&amp;Leçons</translation>
    </message>
    <message>
        <source>Lesson &amp;Panel</source>
        <translation>&amp;Panneau de leçon</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Régler %1</translation>
    </message>
    <message>
        <source>&amp;Plots</source>
        <translation>&amp;Graphiques</translation>
    </message>
    <message>
        <source>Ctrl+Shift+P</source>
        <translation>Ctrl+Shift+P</translation>
    </message>
    <message>
        <source>Charts of the run: time series, speed distribution, g(r)</source>
        <translation>Graphiques du calcul : séries temporelles, distribution des vitesses, g(r)</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fe&amp;nêtre</translation>
    </message>
    <message>
        <source>De&amp;bug</source>
        <translation>Dé&amp;bogage</translation>
    </message>
    <message>
        <source>Record &amp;Trajectory...</source>
        <translation>Enregistrer la &amp;trajectoire...</translation>
    </message>
    <message>
        <source>Abort Tra&amp;jectory</source>
        <translation>Interrompre la tra&amp;jectoire</translation>
    </message>
    <message>
        <source>REC trajectory %1: %2 frames</source>
        <translation>REC trajectoire %1 : %2 images</translation>
    </message>
    <message>
        <source>Open Trajectory</source>
        <translation>Ouvrir une trajectoire</translation>
    </message>
    <message>
        <source>The file holds %1 frames. Open frame (1 to %1):</source>
        <translation>Le fichier contient %1 images. Ouvrir l&apos;image (1 à %1) :</translation>
    </message>
    <message>
        <source>U&amp;ndo</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
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
        <translation>&amp;Historique</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>&lt;Start&gt;</source>
        <translation>&lt;Début&gt;</translation>
    </message>
    <message>
        <source>Colo&amp;urs for Colour Blindness</source>
        <translation>&amp;Couleurs pour daltoniens</translation>
    </message>
    <message>
        <source>Draw the four types in colours that stay apart with any colour vision; the file keeps its own</source>
        <translation>Dessiner les quatre types dans des couleurs qui restent distinctes quelle que soit la vision des couleurs ; le fichier garde les siennes</translation>
    </message>
</context>
<context>
    <name>CViewDialog</name>
    <message>
        <source>View</source>
        <translation>Vue</translation>
    </message>
    <message>
        <source>Box width:</source>
        <translation>Largeur de la boîte :</translation>
    </message>
    <message>
        <source>&amp;Eye distance (m):</source>
        <translation>&amp;Distance de l&apos;œil (m) :</translation>
    </message>
    <message>
        <source>&amp;Projection plane distance (m):</source>
        <translation>Distance du &amp;plan de projection (m) :</translation>
    </message>
    <message>
        <source>&amp;Scale (points per metre at the projection plane):</source>
        <translation>É&amp;chelle (points par mètre dans le plan de projection) :</translation>
    </message>
    <message>
        <source>Eye distance</source>
        <translation>Distance de l&apos;œil</translation>
    </message>
    <message>
        <source>Projection plane distance</source>
        <translation>Distance du plan de projection</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Échelle</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>, back to step %1</source>
        <translation>, retour au pas %1</translation>
    </message>
    <message>
        <source>Simulation and structure files (*.%1);;All files (*)</source>
        <translation>Fichiers de simulation et de structure (*.%1);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Simulation files (*.%1)</source>
        <translation>Fichiers de simulation (*.%1)</translation>
    </message>
    <message>
        <source>Type the path of one folder, without quotation marks.</source>
        <translation>Tapez le chemin d&apos;un seul dossier, sans guillemets.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder.</source>
        <translation>« %1 » est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist, so no new folder can be made in it.</source>
        <translation>Le dossier « %1 » n&apos;existe pas, on ne peut donc pas y créer de nouveau dossier.</translation>
    </message>
    <message>
        <source>dE</source>
        <translation>dE</translation>
    </message>
    <message>
        <source>Not conserved</source>
        <translation>Non conservée</translation>
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
        <translation>Écart d&apos;énergie totale depuis le début du calcul ; mis en évidence dès qu&apos;il atteint l&apos;énergie totale</translation>
    </message>
    <message>
        <source>undefined</source>
        <translation>indéfini</translation>
    </message>
    <message>
        <source>infinite</source>
        <translation>infini</translation>
    </message>
    <message>
        <source>-infinite</source>
        <translation>-infini</translation>
    </message>
    <message>
        <source>%1 1 Atom</source>
        <translation>%1 (1 atome)</translation>
    </message>
    <message>
        <source>%1 %2 Atoms</source>
        <translation>%1 (%2 atomes)</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>ARRÊTÉ</translation>
    </message>
    <message>
        <source>RUNNING</source>
        <translation>EN COURS</translation>
    </message>
    <message>
        <source>%1 secs</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 steps</source>
        <translation>%1 pas</translation>
    </message>
    <message>
        <source>%1 ips</source>
        <translation>%1 ips</translation>
    </message>
    <message>
        <source>ALL TYPES</source>
        <translation>TOUS LES TYPES</translation>
    </message>
    <message>
        <source>INSTANT</source>
        <translation>INSTANTANÉ</translation>
    </message>
    <message>
        <source>%1 secs TIME CONSTANT</source>
        <translation>%1 s CONSTANTE DE TEMPS</translation>
    </message>
    <message>
        <source>%1 steps TIME CONSTANT</source>
        <translation>%1 pas CONSTANTE DE TEMPS</translation>
    </message>
    <message>
        <source>%1 secs ACCUMULATED</source>
        <translation>%1 s CUMULÉ</translation>
    </message>
    <message>
        <source>%1 steps ACCUMULATED</source>
        <translation>%1 pas CUMULÉ</translation>
    </message>
</context>
<context>
    <name>language</name>
    <message>
        <source>English</source>
        <comment>this language&apos;s own name</comment>
        <translation>Français</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Interactive molecular dynamics: up to 1,600 atoms of four types in a closed box.</source>
        <translation>Dynamique moléculaire interactive : jusqu&apos;à 1 600 atomes de quatre types dans une boîte fermée.</translation>
    </message>
    <message>
        <source>A simulation file to open, as if dropped on the window.</source>
        <translation>Un fichier de simulation à ouvrir, comme s&apos;il avait été déposé sur la fenêtre.</translation>
    </message>
</context>
</TS>
