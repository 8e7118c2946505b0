<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>%1
Version %2

A teaching program for wave physics.

Free software under the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with no warranty.</source>
        <translation>%1
Version %2

Un logiciel d&apos;apprentissage de la physique des ondes.

Logiciel libre sous licence publique générale GNU, version 3 ou (à votre choix) toute version ultérieure (GPL-3.0-or-later). Il est fourni sans aucune garantie.</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ExperimentFile</name>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Chemin introuvable</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Accès au fichier refusé</translation>
    </message>
    <message>
        <source>Disk read error</source>
        <translation>Erreur de lecture</translation>
    </message>
    <message>
        <source>Disk write error</source>
        <translation>Erreur d&apos;écriture</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>Nombre non valide</translation>
    </message>
    <message>
        <source>%1: %2
%3</source>
        <translation>%1 : %2
%3</translation>
    </message>
</context>
<context>
    <name>ExportFiles</name>
    <message>
        <source>Export Picture</source>
        <translation>Exporter l&apos;image</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Exporter les données</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>Image PNG</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>Dessin SVG</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Document PDF</translation>
    </message>
    <message>
        <source>%1 ends in &quot;.%2&quot;, a kind of file this program does not write.
Please choose a name ending in .png, .svg or .pdf. Nothing was saved.</source>
        <translation>%1 se termine par « .%2 », un type de fichier que ce programme n&apos;écrit pas.
Choisissez un nom qui se termine par .png, .svg ou .pdf. Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Comma-separated values</source>
        <translation>Valeurs séparées par des virgules</translation>
    </message>
</context>
<context>
    <name>FieldRenderer</name>
    <message>
        <source>One source</source>
        <translation>Une source</translation>
    </message>
    <message>
        <source>Two sources %1 pixels apart</source>
        <translation>Deux sources distantes de %1 pixels</translation>
    </message>
    <message>
        <source>Three sources %1 pixels apart</source>
        <translation>Trois sources distantes de %1 pixels</translation>
    </message>
    <message>
        <source>, wavelength %1</source>
        <translation>, longueur d&apos;onde %1</translation>
    </message>
    <message>
        <source>, wavelengths %1 and %2</source>
        <translation>, longueurs d&apos;onde %1 et %2</translation>
    </message>
    <message>
        <source>, crests solid, troughs dotted in %1</source>
        <translation>, crêtes en trait plein, creux en pointillés en %1</translation>
    </message>
    <message>
        <source>, crests solid, troughs dotted</source>
        <translation>, crêtes en trait plein, creux en pointillés</translation>
    </message>
    <message>
        <source>, with the perpendicular bisector</source>
        <translation>, avec la médiatrice</translation>
    </message>
    <message>
        <source>, with the distances from the sources to the measure point</source>
        <translation>, avec les distances des sources au point de mesure</translation>
    </message>
    <message>
        <source>, phase shift %1 degrees</source>
        <translation>, déphasage %1 degrés</translation>
    </message>
    <message>
        <source>, amplitude %1</source>
        <translation>, amplitude %1</translation>
    </message>
    <message>
        <source>, amplitudes %1 and %2</source>
        <translation>, amplitudes %1 et %2</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>Le dossier « %1 » n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1
File not found.
Check the file name.</source>
        <translation>%1
Fichier introuvable.
Vérifiez le nom du fichier.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>The name of the language of the translation, in that language: &quot;Deutsch&quot; in German.</extracomment>
        <translation>Français</translation>
    </message>
</context>
<context>
    <name>LightPattern</name>
    <message>
        <source>Screen distance: %1 cm</source>
        <translation>Distance de l&apos;écran : %1 cm</translation>
    </message>
    <message>
        <source>Slit Width: %1 µm</source>
        <translation>Largeur de fente : %1 µm</translation>
    </message>
    <message>
        <source>Slit Separation: %1 µm</source>
        <translation>Écart des fentes : %1 µm</translation>
    </message>
    <message>
        <source>Lambda: %1 nm</source>
        <translation>Lambda : %1 nm</translation>
    </message>
    <message>
        <source>Single slit pattern on a screen %1 cm away, slit width %2 µm, light of %3 nm, %4</source>
        <translation>Figure d&apos;une fente simple sur un écran à %1 cm, largeur de fente %2 µm, lumière de %3 nm, %4</translation>
    </message>
    <message>
        <source>Double slit pattern on a screen %1 cm away, slit separation %2 µm, light of %3 nm, %4</source>
        <translation>Figure des fentes doubles sur un écran à %1 cm, écart des fentes %2 µm, lumière de %3 nm, %4</translation>
    </message>
    <message>
        <source>in black and white</source>
        <translation>en noir et blanc</translation>
    </message>
    <message>
        <source>in its colour</source>
        <translation>dans sa couleur</translation>
    </message>
</context>
<context>
    <name>Measurement</name>
    <message>
        <source>From Left Point: %1</source>
        <translation>Source gauche : %1</translation>
    </message>
    <message>
        <source>From Right Point: %1</source>
        <translation>Source droite : %1</translation>
    </message>
    <message>
        <source>Path Difference: %1</source>
        <translation>Diff. de marche : %1</translation>
    </message>
    <message>
        <source>Width from CL: %1</source>
        <translation>Écart à l&apos;axe : %1</translation>
    </message>
    <message>
        <source>Along CL: %1</source>
        <translation>Sur l&apos;axe : %1</translation>
    </message>
    <message>
        <source>Bisector Angle: %1</source>
        <translation>Angle à l&apos;axe : %1</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Printed by: %1</source>
        <translation>Imprimé par : %1</translation>
    </message>
</context>
<context>
    <name>Palette</name>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
</context>
<context>
    <name>PatternMeasure</name>
    <message>
        <source>Length: %1 mm</source>
        <translation>Longueur : %1 mm</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>The file %1 could not be created</source>
        <translation>Le fichier %1 n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>The file %1 could not be written</source>
        <translation>Le fichier %1 n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>
Nothing was saved; a file of that name is left as it was.</source>
        <translation>
Rien n&apos;a été enregistré ; un fichier de ce nom reste tel qu&apos;il était.</translation>
    </message>
</context>
<context>
    <name>Pointer</name>
    <message>
        <source>Length = %1</source>
        <translation>Longueur = %1</translation>
    </message>
    <message>
        <source>Distance: %1</source>
        <translation>Distance : %1</translation>
    </message>
    <message>
        <source>Angle is %1°</source>
        <translation>Angle : %1°</translation>
    </message>
    <message>
        <source>Angle = %1°</source>
        <translation>Angle = %1°</translation>
    </message>
</context>
<context>
    <name>Practice</name>
    <message>
        <source>Right!
But can you get the answer
a little closer?</source>
        <translation>Juste !
Mais peux-tu être
un peu plus précis ?</translation>
    </message>
    <message>
        <source>Right!
Well Done!</source>
        <translation>Juste !
Bravo !</translation>
    </message>
    <message>
        <source>Oops!
Try again!</source>
        <translation>Oups !
Essaie encore !</translation>
    </message>
    <message>
        <source>Right!
Well done!</source>
        <translation>Juste !
Bravo !</translation>
    </message>
    <message>
        <source>Adjust to move entire structure.</source>
        <translation>Déplace tout l&apos;ensemble.</translation>
    </message>
    <message>
        <source>Adjust the ray´s position preserving the angle.</source>
        <translation>Déplace le rayon sans changer l&apos;angle.</translation>
    </message>
    <message>
        <source>Adjust the point where the ray hits the interface.</source>
        <translation>Déplace le point où le rayon atteint la surface de séparation.</translation>
    </message>
    <message>
        <source>Adjust the ray´s angle of incidence.</source>
        <translation>Change l&apos;angle d&apos;incidence du rayon.</translation>
    </message>
    <message>
        <source>Distance: %1</source>
        <translation>Distance : %1</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>the file &quot;%1&quot;</source>
        <translation>le fichier « %1 »</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot;</source>
        <translation>l&apos;imprimante « %1 »</translation>
    </message>
    <message>
        <source>it is not accepting jobs</source>
        <translation>elle n&apos;accepte pas de travaux</translation>
    </message>
    <message>
        <source>No printer is available.
Install a printer, or choose one with &quot;Print Setup&quot; in the &quot;Edit&quot; menu, and print again.</source>
        <translation>Aucune imprimante n&apos;est disponible.
Installez une imprimante ou choisissez-en une avec « Configuration de l&apos;impression » dans le menu « Édition », puis imprimez de nouveau.</translation>
    </message>
    <message>
        <source>The print service does not take jobs for %1: %2.
Let the printer accept jobs again, or choose another with &quot;Print Setup&quot;, and print again.</source>
        <translation>Le service d&apos;impression n&apos;accepte pas de travaux pour %1 : %2.
Faites de nouveau accepter les travaux à l&apos;imprimante ou choisissez-en une autre avec « Configuration de l&apos;impression », puis imprimez de nouveau.</translation>
    </message>
    <message>
        <source>The print job could not start on %1.
Check that the printer is switched on and ready, or choose another with &quot;Print Setup&quot;, and print again.</source>
        <translation>L&apos;impression n&apos;a pas pu démarrer sur %1.
Vérifiez que l&apos;imprimante est allumée et prête, ou choisissez-en une autre avec « Configuration de l&apos;impression », puis imprimez de nouveau.</translation>
    </message>
    <message>
        <source>The page could not be printed on %1.
Check the printer, or choose another with &quot;Print Setup&quot;, and print again.</source>
        <translation>La page n&apos;a pas pu être imprimée sur %1.
Vérifiez l&apos;imprimante ou choisissez-en une autre avec « Configuration de l&apos;impression », puis imprimez de nouveau.</translation>
    </message>
    <message>
        <source>The print service refused the page for %1: %2.
Check the printer, or choose another with &quot;Print Setup&quot;, and print again.</source>
        <translation>Le service d&apos;impression a refusé la page pour %1 : %2.
Vérifiez l&apos;imprimante ou choisissez-en une autre avec « Configuration de l&apos;impression », puis imprimez de nouveau.</translation>
    </message>
</context>
<context>
    <name>ProgramStarter</name>
    <message>
        <source>The program %1 was not found.</source>
        <translation>Le programme %1 est introuvable.</translation>
    </message>
    <message>
        <source>The program %1 could not be started.</source>
        <translation>Le programme %1 n&apos;a pas pu être lancé.</translation>
    </message>
</context>
<context>
    <name>Readers</name>
    <message>
        <source>Number of sources</source>
        <translation>Nombre de sources</translation>
    </message>
    <message>
        <source>Point separation of the wavelets</source>
        <translation>Écart des centres des ondelettes</translation>
    </message>
    <message>
        <source>Wave speed of the wavelets</source>
        <translation>Célérité des ondelettes</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Number of waves</source>
        <translation>Nombre d&apos;ondes</translation>
    </message>
    <message>
        <source>Sequential speed</source>
        <translation>Vitesse de l&apos;excitation successive</translation>
    </message>
    <message>
        <source>Time set of the wavelets</source>
        <translation>Instant des ondelettes</translation>
    </message>
    <message>
        <source>Wave speed of the incoming wave</source>
        <translation>Célérité de l&apos;onde incidente</translation>
    </message>
    <message>
        <source>Wavelength of the incoming wave</source>
        <translation>Longueur d&apos;onde de l&apos;onde incidente</translation>
    </message>
    <message>
        <source>Number of fronts</source>
        <translation>Nombre de fronts d&apos;onde</translation>
    </message>
    <message>
        <source>Angle of the incoming wave</source>
        <translation>Angle de l&apos;onde incidente</translation>
    </message>
    <message>
        <source>Refracted wave speed</source>
        <translation>Célérité de l&apos;onde réfractée</translation>
    </message>
    <message>
        <source>Time set of the wavefronts</source>
        <translation>Instant des fronts d&apos;onde</translation>
    </message>
    <message>
        <source>Point separation of the boundary</source>
        <translation>Écart des points de la surface de séparation</translation>
    </message>
    <message>
        <source>Wavelength of source 1</source>
        <translation>Longueur d&apos;onde de la source 1</translation>
    </message>
    <message>
        <source>Wavelength of source 2</source>
        <translation>Longueur d&apos;onde de la source 2</translation>
    </message>
    <message>
        <source>Wavelength of source 3</source>
        <translation>Longueur d&apos;onde de la source 3</translation>
    </message>
    <message>
        <source>Amplitude of source 1</source>
        <translation>Amplitude de la source 1</translation>
    </message>
    <message>
        <source>Amplitude of source 2</source>
        <translation>Amplitude de la source 2</translation>
    </message>
    <message>
        <source>Amplitude of source 3</source>
        <translation>Amplitude de la source 3</translation>
    </message>
    <message>
        <source>Phase shift</source>
        <translation>Déphasage</translation>
    </message>
    <message>
        <source>Factor of wavelength</source>
        <translation>Multiple de la longueur d&apos;onde</translation>
    </message>
    <message>
        <source>Source separation</source>
        <translation>Écart des sources</translation>
    </message>
    <message>
        <source>Time factor</source>
        <translation>Facteur de temps</translation>
    </message>
    <message>
        <source>Practice picture</source>
        <translation>Image d&apos;exercice</translation>
    </message>
    <message>
        <source> degrees</source>
        <translation> degrés</translation>
    </message>
    <message>
        <source>; keyboard point at x %1, y %2</source>
        <translation> ; point du clavier en x %1, y %2</translation>
    </message>
    <message>
        <source>Speed %1 of %2: the %3 move on every %4 milliseconds</source>
        <translation>Vitesse %1 sur %2 : les %3 avancent toutes les %4 millisecondes</translation>
    </message>
    <message>
        <source>Screen distance</source>
        <translation>Distance de l&apos;écran</translation>
    </message>
    <message>
        <source>Slit width</source>
        <translation>Largeur de fente</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Longueur d&apos;onde</translation>
    </message>
    <message>
        <source>Experiment</source>
        <translation>Expérience</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Light pattern</source>
        <translation>Figure lumineuse</translation>
    </message>
    <message>
        <source>What the saved file shows</source>
        <translation>Ce que montre le fichier enregistré</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
</context>
<context>
    <name>Recording</name>
    <message>
        <source>A file or folder of that name exists</source>
        <translation>Un fichier ou un dossier de ce nom existe déjà</translation>
    </message>
    <message>
        <source>The folder %1 could not be made</source>
        <translation>Le dossier %1 n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>The frames could not be written into %1</source>
        <translation>Les images n&apos;ont pas pu être écrites dans %1</translation>
    </message>
    <message>
        <source>
Nothing was saved; no frames are left behind.</source>
        <translation>
Rien n&apos;a été enregistré ; aucune image ne reste.</translation>
    </message>
</context>
<context>
    <name>SetupControls</name>
    <message>
        <source>The setting &quot;%1&quot; is %2; it must be %3 from %4 to %5.</source>
        <translation>Le réglage « %1 » vaut %2 ; il doit être %3 de %4 à %5.</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; is %2, outside its range %3 to %4.</source>
        <translation>Le réglage « %1 » vaut %2, hors de son domaine %3 à %4.</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; is %2; it must be true or false.</source>
        <translation>Le réglage « %1 » vaut %2 ; il doit être true ou false.</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; is %2; it must be one of %3.</source>
        <translation>Le réglage « %1 » vaut %2 ; il doit être l&apos;un de %3.</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>un nombre entier</translation>
    </message>
    <message>
        <source>a page number</source>
        <translation>un numéro de page</translation>
    </message>
    <message>
        <source>The settings &quot;%1&quot; and &quot;%2&quot; are both true; only one of the two can be.</source>
        <translation>Les réglages « %1 » et « %2 » valent tous deux true ; un seul des deux peut l&apos;être.</translation>
    </message>
</context>
<context>
    <name>SetupFile</name>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>It is not a set-up file: its text is no valid JSON (%1 at character %2).</source>
        <translation>Ce n&apos;est pas un fichier de montage : son texte n&apos;est pas du JSON valide (%1 au caractère %2).</translation>
    </message>
    <message>
        <source>It is not a set-up file: it holds no JSON object.</source>
        <translation>Ce n&apos;est pas un fichier de montage : il ne contient aucun objet JSON.</translation>
    </message>
    <message>
        <source>It is not a set-up file: its &quot;format&quot; is %1, not &quot;%2&quot;.</source>
        <translation>Ce n&apos;est pas un fichier de montage : son « format » est %1 et non « %2 ».</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>absent</translation>
    </message>
    <message>
        <source>Its &quot;version&quot; is %1, not a whole number from 1 up.</source>
        <translation>Sa « version » est %1 et non un nombre entier à partir de 1.</translation>
    </message>
    <message>
        <source>It was written by a newer version of the program (set-up version %1); this one reads version %2.</source>
        <translation>Il a été écrit par une version plus récente du programme (montage de version %1) ; celle-ci lit la version %2.</translation>
    </message>
    <message>
        <source>It is for the product %1, which this program does not have; it has &quot;%2&quot;, &quot;%3&quot; and &quot;%4&quot;.</source>
        <translation>Il est destiné au produit %1, que ce programme n&apos;a pas ; il a « %2 », « %3 » et « %4 ».</translation>
    </message>
    <message>
        <source>(none named)</source>
        <translation>(aucun nommé)</translation>
    </message>
    <message>
        <source>Its &quot;%1&quot; is not a text.</source>
        <translation>Son « %1 » n&apos;est pas un texte.</translation>
    </message>
    <message>
        <source>Its &quot;settings&quot; are not a JSON object of names and values.</source>
        <translation>Ses « settings » ne sont pas un objet JSON de noms et de valeurs.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>C&apos;est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>The file does not exist (it may have been moved, renamed or deleted).</source>
        <translation>Le fichier n&apos;existe pas (il a peut-être été déplacé, renommé ou supprimé).</translation>
    </message>
    <message>
        <source>It is not a plain file.</source>
        <translation>Ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Le fichier ne peut pas être lu : %1.</translation>
    </message>
    <message>
        <source>The file is larger than 1 MiB; a set-up takes a few hundred bytes.</source>
        <translation>Le fichier dépasse 1 Mio ; un montage ne fait que quelques centaines d&apos;octets.</translation>
    </message>
</context>
<context>
    <name>SlitScene</name>
    <message>
        <source>Plane waves of wavelength %1 passing a slit %2 pixels wide and spreading beyond it</source>
        <translation>Ondes planes de longueur d&apos;onde %1 qui traversent une fente large de %2 pixels et s&apos;étalent au-delà</translation>
    </message>
</context>
<context>
    <name>SourceLogic</name>
    <message>
        <source>1st Point: %1</source>
        <translation>1re source : %1</translation>
    </message>
    <message>
        <source>2nd Point: %1</source>
        <translation>2e source : %1</translation>
    </message>
    <message>
        <source>3rd Point: %1</source>
        <translation>3e source : %1</translation>
    </message>
    <message>
        <source>Amplitude: %1</source>
        <translation>Amplitude : %1</translation>
    </message>
    <message>
        <source>Phase Shift: %1 Degrees</source>
        <translation>Déphasage : %1 degrés</translation>
    </message>
    <message>
        <source>Actual Separation: %1</source>
        <translation>Écart réel : %1</translation>
    </message>
</context>
<context>
    <name>WaterSetUp</name>
    <message>
        <source>A wavelength of %1 pixels is shorter than the %2 pixels the water grid can carry.</source>
        <translation>Une longueur d&apos;onde de %1 pixels est plus courte que les %2 pixels que la grille de l&apos;eau peut porter.</translation>
    </message>
    <message>
        <source>A source at (%1, %2) lies outside the water.</source>
        <translation>Une source en (%1, %2) se trouve hors de l&apos;eau.</translation>
    </message>
    <message>
        <source>A source at (%1, %2) lies inside a wall.</source>
        <translation>Une source en (%1, %2) se trouve dans une paroi.</translation>
    </message>
    <message>
        <source>A source at (%1, %2) lies in still water.</source>
        <translation>Une source en (%1, %2) se trouve dans une eau immobile.</translation>
    </message>
    <message>
        <source>A tick needs at least one time step.</source>
        <translation>Un battement demande au moins un pas de temps.</translation>
    </message>
    <message>
        <source>Every speed must be a finite number of pixels, not negative.</source>
        <translation>Chaque célérité doit être un nombre fini de pixels, non négatif.</translation>
    </message>
    <message>
        <source>Waves of %1 pixels a tick would run %2 cells a time step, past the %3 at which the water stays stable: take at least %4 steps a tick.</source>
        <translation>Des ondes de %1 pixels par battement parcourraient %2 cellules par pas de temps, au-delà des %3 où l&apos;eau reste stable : prenez au moins %4 pas par battement.</translation>
    </message>
    <message>
        <source>A plane wave&apos;s row %1 lies outside the water.</source>
        <translation>La ligne %1 d&apos;une onde plane se trouve hors de l&apos;eau.</translation>
    </message>
    <message>
        <source>A plane wave must leave its row upwards.</source>
        <translation>Une onde plane doit quitter sa ligne vers le haut.</translation>
    </message>
    <message>
        <source>The water&apos;s grid has no cells.</source>
        <translation>La grille de l&apos;eau n&apos;a aucune cellule.</translation>
    </message>
</context>
<context>
    <name>Wavefront</name>
    <message>
        <source>%1 plane wavefront of wavelength %2 meeting a boundary at %3 degrees, </source>
        <translation>%1 front d&apos;onde plan de longueur d&apos;onde %2 atteint une surface de séparation sous %3 degrés, </translation>
    </message>
    <message>
        <source>%1 plane wavefronts of wavelength %2 meeting a boundary at %3 degrees, </source>
        <translation>%1 fronts d&apos;onde plans de longueur d&apos;onde %2 atteignent une surface de séparation sous %3 degrés, </translation>
    </message>
    <message>
        <source>refracted from speed %1 to speed %2</source>
        <translation>réfractés de la célérité %1 à la célérité %2</translation>
    </message>
    <message>
        <source>reflected at speed %1</source>
        <translation>réfléchis à la célérité %1</translation>
    </message>
    <message>
        <source>, with rays</source>
        <translation>, avec les rayons</translation>
    </message>
</context>
<context>
    <name>WaveletRow</name>
    <message>
        <source>A row of %1 wavelet sources %2 pixels apart, started %3, wave speed %4, period %5, up to %6 wavelets each</source>
        <translation>Une rangée de %1 sources d&apos;ondelettes distantes de %2 pixels, excitées %3, célérité %4, période %5, jusqu&apos;à %6 ondelettes chacune</translation>
    </message>
    <message>
        <source>one after another at speed %1</source>
        <translation>l&apos;une après l&apos;autre à la vitesse %1</translation>
    </message>
    <message>
        <source>together</source>
        <translation>ensemble</translation>
    </message>
</context>
<context>
    <name>wave::HelpWindow</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>So&amp;mmaire</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Page d&apos;aide</translation>
    </message>
    <message>
        <source>Help - %1</source>
        <translation>Aide - %1</translation>
    </message>
</context>
<context>
    <name>wave::HuygensPages</name>
    <message>
        <source>Wave Speed: %1</source>
        <translation>Célérité : %1</translation>
    </message>
    <message>
        <source>Wavelength: %1</source>
        <translation>Longueur d&apos;onde : %1</translation>
    </message>
    <message>
        <source>Refracted Wave Speed: %1</source>
        <translation>Célérité réfractée : %1</translation>
    </message>
    <message>
        <source># of Fronts: %1</source>
        <translation>Fronts d&apos;onde : %1</translation>
    </message>
    <message>
        <source>Time step %1 of %2</source>
        <translation>Pas de temps %1 sur %2</translation>
    </message>
    <message>
        <source>Period: %1 s</source>
        <translation>Période : %1 s</translation>
    </message>
    <message>
        <source>Angle: %1</source>
        <translation>Angle : %1</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>fronts</source>
        <translation>fronts d&apos;onde</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>degrés</translation>
    </message>
    <message>
        <source>Boundary points %1 pixels apart</source>
        <translation>Points de la surface de séparation distants de %1 pixels</translation>
    </message>
    <message>
        <source>Number of Sources: 20</source>
        <translation>Nombre de sources : 20</translation>
    </message>
    <message>
        <source>Point Separation: 15</source>
        <translation>Écart des points : 15</translation>
    </message>
    <message>
        <source>Wave Speed: 10</source>
        <translation>Célérité : 10</translation>
    </message>
    <message>
        <source>Number of Waves: 1</source>
        <translation>Nombre d&apos;ondes : 1</translation>
    </message>
    <message>
        <source>Sequential Speed: 30</source>
        <translation>Vitesse successive : 30</translation>
    </message>
    <message>
        <source>Time Set</source>
        <translation>Instant</translation>
    </message>
    <message>
        <source> &amp;Simultaneous</source>
        <translation> &amp;Simultané</translation>
    </message>
    <message>
        <source> Se&amp;quential</source>
        <translation> S&amp;uccessif</translation>
    </message>
    <message>
        <source> Animate Wave</source>
        <translation> Animer l&apos;onde</translation>
    </message>
    <message>
        <source>S&amp;tart Wave</source>
        <translation>&amp;Lancer</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Réinitialiser</translation>
    </message>
    <message>
        <source>Measure</source>
        <translation>Mesurer</translation>
    </message>
    <message>
        <source> Distance</source>
        <translation> Distance</translation>
    </message>
    <message>
        <source>Distance: 0.0</source>
        <translation>Distance : 0,0</translation>
    </message>
    <message>
        <source>Incoming Wave</source>
        <translation>Onde incidente</translation>
    </message>
    <message>
        <source>Wave Speed: 15</source>
        <translation>Célérité : 15</translation>
    </message>
    <message>
        <source>Wavelength: 50</source>
        <translation>Longueur d&apos;onde : 50</translation>
    </message>
    <message>
        <source># of Fronts: 1</source>
        <translation>Fronts d&apos;onde : 1</translation>
    </message>
    <message>
        <source>Refracted Wave Speed: 10</source>
        <translation>Célérité réfractée : 10</translation>
    </message>
    <message>
        <source>Point Separation</source>
        <translation>Écart des points</translation>
    </message>
    <message>
        <source> Refraction</source>
        <translation> Réfraction</translation>
    </message>
    <message>
        <source> Reflection</source>
        <translation> Réflexion</translation>
    </message>
    <message>
        <source> Show Ra&amp;ys</source>
        <translation> Ra&amp;yons</translation>
    </message>
    <message>
        <source> &amp;Measure</source>
        <translation> &amp;Mesurer</translation>
    </message>
    <message>
        <source> Animate</source>
        <translation> Animer</translation>
    </message>
    <message>
        <source>&amp;Start Wave</source>
        <translation>&amp;Lancer l&apos;onde</translation>
    </message>
    <message>
        <source>Wavefront Measurements</source>
        <translation>Mesures sur les fronts d&apos;onde</translation>
    </message>
    <message>
        <source> Angle</source>
        <translation> Angle</translation>
    </message>
    <message>
        <source> Length</source>
        <translation> Longueur</translation>
    </message>
    <message>
        <source>Angle = 0</source>
        <translation>Angle = 0</translation>
    </message>
    <message>
        <source>Number of Sources: %1</source>
        <translation>Nombre de sources : %1</translation>
    </message>
    <message>
        <source>sources</source>
        <translation>sources</translation>
    </message>
    <message>
        <source>Point Separation: %1</source>
        <translation>Écart des points : %1</translation>
    </message>
    <message>
        <source>Sequential Speed: %1</source>
        <translation>Vitesse successive : %1</translation>
    </message>
    <message>
        <source>Number of Waves: %1</source>
        <translation>Nombre d&apos;ondes : %1</translation>
    </message>
    <message>
        <source>waves</source>
        <translation>ondes</translation>
    </message>
    <message>
        <source>S&amp;top Wave</source>
        <translation>Arrê&amp;ter</translation>
    </message>
    <message>
        <source>&amp;Wave Front Refraction</source>
        <translation>Réfraction des fronts d&apos;&amp;onde</translation>
    </message>
    <message>
        <source>&amp;Wave Front Reflection</source>
        <translation>Réflexion des fronts d&apos;&amp;onde</translation>
    </message>
    <message>
        <source>&amp;Stop Wave</source>
        <translation>Arrêter &amp;l&apos;onde</translation>
    </message>
    <message>
        <source>Length = 0.0</source>
        <translation>Longueur = 0,0</translation>
    </message>
    <message>
        <source>Huygens´ Principle</source>
        <translation>Principe de Huygens</translation>
    </message>
</context>
<context>
    <name>wave::InterferencePanel</name>
    <message>
        <source>S&amp;top Waves</source>
        <translation>Arrêter l&apos;&amp;onde</translation>
    </message>
    <message>
        <source>S&amp;tart Waves</source>
        <translation>Lancer l&apos;&amp;onde</translation>
    </message>
    <message>
        <source>Node Path</source>
        <translation>Lignes nodales</translation>
    </message>
    <message>
        <source>&amp;Wavelengths</source>
        <translation>&amp;Longueurs d&apos;onde</translation>
    </message>
    <message>
        <source>&amp;Source Separation</source>
        <translation>É&amp;cart des sources</translation>
    </message>
    <message>
        <source>&amp;Animation Controls</source>
        <translation>A&amp;nimation</translation>
    </message>
    <message>
        <source>&amp;Measurements</source>
        <translation>&amp;Mesures</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>degrés</translation>
    </message>
    <message>
        <source>waves</source>
        <translation>ondes</translation>
    </message>
    <message>
        <source>Point Source Wavelengths</source>
        <translation>Longueurs d&apos;onde des sources ponctuelles</translation>
    </message>
    <message>
        <source>1st Point: 30</source>
        <translation>1re source : 30</translation>
    </message>
    <message>
        <source>2nd Point: 30</source>
        <translation>2e source : 30</translation>
    </message>
    <message>
        <source>3rd Point: 30</source>
        <translation>3e source : 30</translation>
    </message>
    <message>
        <source>Amplitude: 10</source>
        <translation>Amplitude : 10</translation>
    </message>
    <message>
        <source>Phase Shift: 0 Degrees</source>
        <translation>Déphasage : 0 degré</translation>
    </message>
    <message>
        <source> Unmatched Wavelengths</source>
        <translation> Longueurs différentes</translation>
    </message>
    <message>
        <source> Matched Wavelengths</source>
        <translation> Longueurs égales</translation>
    </message>
    <message>
        <source>Number of Sources</source>
        <translation>Nombre de sources</translation>
    </message>
    <message>
        <source>Point Source Separation</source>
        <translation>Écart des sources ponctuelles</translation>
    </message>
    <message>
        <source>Factor of Wavelength</source>
        <translation>Multiple de λ</translation>
    </message>
    <message>
        <source>Actual Separation: 30</source>
        <translation>Écart réel : 30</translation>
    </message>
    <message>
        <source>&amp;Print Full Page</source>
        <translation>&amp;Imprimer la page</translation>
    </message>
    <message>
        <source>Intensity Band Properties</source>
        <translation>Bande d&apos;intensité</translation>
    </message>
    <message>
        <source> Show Instantaneous Amplitude</source>
        <translation> Amplitude instantanée</translation>
    </message>
    <message>
        <source> Show Average Amplitude</source>
        <translation> Amplitude moyenne</translation>
    </message>
    <message>
        <source> High Detail</source>
        <translation> Haute résolution</translation>
    </message>
    <message>
        <source> Black and White</source>
        <translation> Noir et blanc</translation>
    </message>
    <message>
        <source>Time Factor</source>
        <translation>Facteur de temps</translation>
    </message>
    <message>
        <source>Animate Waves</source>
        <translation>Animer les ondes</translation>
    </message>
    <message>
        <source>Color Waves</source>
        <translation>Ondes en couleur</translation>
    </message>
    <message>
        <source>&amp;Light Interference</source>
        <translation>Fentes d&apos;&amp;Young</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source> Measure Point Source Distances</source>
        <translation> Distances aux sources</translation>
    </message>
    <message>
        <source> Show Perpendicular Bisector</source>
        <translation> Afficher la médiatrice</translation>
    </message>
    <message>
        <source>On Intensity Band</source>
        <translation>Sur la bande d&apos;intensité</translation>
    </message>
    <message>
        <source> Anywhere</source>
        <translation> Partout</translation>
    </message>
    <message>
        <source>Distances</source>
        <translation>Distances</translation>
    </message>
    <message>
        <source>Point Source</source>
        <translation>Source ponctuelle</translation>
    </message>
    <message>
        <source>Center Line (CL)</source>
        <translation>Axe central (AC)</translation>
    </message>
    <message>
        <source>From Left Point: 0</source>
        <translation>Source gauche : 0</translation>
    </message>
    <message>
        <source>From Right Point: 0</source>
        <translation>Source droite : 0</translation>
    </message>
    <message>
        <source>Path Difference: 0</source>
        <translation>Diff. de marche : 0</translation>
    </message>
    <message>
        <source>Width from CL: 0</source>
        <translation>Écart à l&apos;axe : 0</translation>
    </message>
    <message>
        <source>Along CL: 0</source>
        <translation>Sur l&apos;axe : 0</translation>
    </message>
    <message>
        <source>Bisector Angle: 0</source>
        <translation>Angle à l&apos;axe : 0</translation>
    </message>
    <message>
        <source>Note: Use Only with 2 Point Sources</source>
        <translation>Remarque : seulement avec 2 sources</translation>
    </message>
    <message>
        <source>Unmatched is checked</source>
        <translation>« Longueurs différentes » est coché</translation>
    </message>
    <message>
        <source>The average strip goes on adding up as on the screen, so it may change a little from the last frame to the first.</source>
        <translation>La bande moyenne continue de s&apos;additionner comme à l&apos;écran ; elle peut donc changer un peu de la dernière image à la première.</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Formule</translation>
    </message>
    <message>
        <source>Simulated</source>
        <translation>Simulation</translation>
    </message>
</context>
<context>
    <name>wave::SlitPanel</name>
    <message>
        <source>Wavelength: %1</source>
        <translation>Longueur d&apos;onde : %1</translation>
    </message>
    <message>
        <source>Slit Width: %1</source>
        <translation>Largeur de fente : %1</translation>
    </message>
    <message>
        <source>Single Slit</source>
        <translation>Fente simple</translation>
    </message>
    <message>
        <source>Wavelength: 10</source>
        <translation>Longueur d&apos;onde : 10</translation>
    </message>
    <message>
        <source>Slit Width: 20</source>
        <translation>Largeur de fente : 20</translation>
    </message>
    <message>
        <source>Time  Factor</source>
        <translation>Facteur de temps</translation>
    </message>
    <message>
        <source>Animate Wave Fronts</source>
        <translation>Animer les fronts d&apos;onde</translation>
    </message>
    <message>
        <source>&amp;Start Wave</source>
        <translation>&amp;Lancer l&apos;onde</translation>
    </message>
    <message>
        <source>Measure</source>
        <translation>Mesurer</translation>
    </message>
    <message>
        <source> Measure Angle</source>
        <translation> Mesurer l&apos;angle</translation>
    </message>
    <message>
        <source>Angle is 0.0°</source>
        <translation>Angle : 0,0°</translation>
    </message>
    <message>
        <source>&amp;Light Diffraction</source>
        <translation>Diffraction de la l&amp;umière</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>fronts</source>
        <translation>fronts d&apos;onde</translation>
    </message>
    <message>
        <source>&amp;Stop Wave</source>
        <translation>Arrêter &amp;l&apos;onde</translation>
    </message>
</context>
<context>
    <name>wave::TInterference</name>
    <message>
        <source>Interference</source>
        <translation>Interférences</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>&amp;Large Display (%1 x)</source>
        <translation>&amp;Grand affichage (× %1)</translation>
    </message>
    <message>
        <source>&amp;Large Display</source>
        <translation>&amp;Grand affichage</translation>
    </message>
    <message>
        <source>&amp;Large Display (%1 x from the next start)</source>
        <translation>&amp;Grand affichage (× %1 au prochain démarrage)</translation>
    </message>
    <message>
        <source>&amp;Large Display (off from the next start)</source>
        <translation>&amp;Grand affichage (désactivé au prochain démarrage)</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Couleurs</translation>
    </message>
    <message>
        <source>&amp;Standard</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>Colour-&amp;blind Safe</source>
        <translation>Adapté aux da&amp;ltoniens</translation>
    </message>
    <message>
        <source>&amp;Dark Room</source>
        <translation>Salle &amp;obscure</translation>
    </message>
    <message>
        <source>&amp;Large Display (no room on this screen: zoom instead)</source>
        <translation>&amp;Grand affichage (pas de place sur cet écran : zoomez plutôt)</translation>
    </message>
    <message>
        <source>E&amp;xport Picture...</source>
        <translation>E&amp;xporter l&apos;image...</translation>
    </message>
    <message>
        <source>Export &amp;Data...</source>
        <translation>Exporter les &amp;données...</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Exporter les données</translation>
    </message>
    <message>
        <source>There is no intensity band to export.
Switch on &quot; Show Instantaneous Amplitude&quot; or &quot; Show Average Amplitude&quot; on the &quot;Animation Controls&quot; page first.</source>
        <translation>Il n&apos;y a aucune bande d&apos;intensité à exporter.
Activez d&apos;abord « Amplitude instantanée » ou « Amplitude moyenne » sur la page « Animation ».</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Système</translation>
    </message>
    <message>
        <source>Huygens&apos; Principle</source>
        <translation>Principe de Huygens</translation>
    </message>
    <message>
        <source>&amp;Wavefront Interactions</source>
        <translation>Fronts d&apos;&amp;onde</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configuration de l&apos;impression</translation>
    </message>
    <message>
        <source>Enable Copy Select</source>
        <translation>Activer la sélection à copier</translation>
    </message>
    <message>
        <source>&amp;User Name</source>
        <translation>Nom d&apos;&amp;utilisateur</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Vue</translation>
    </message>
    <message>
        <source>&amp;Experiments</source>
        <translation>&amp;Expériences</translation>
    </message>
    <message>
        <source>&amp;Two Point Interference</source>
        <translation>Interférences à &amp;deux sources</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Measurement Practice</source>
        <translation>Exercices de &amp;mesure</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Open Set-up</source>
        <translation>Ouvrir un montage</translation>
    </message>
    <message>
        <source>Save Set-up</source>
        <translation>Enregistrer le montage</translation>
    </message>
    <message>
        <source>Wave set-ups</source>
        <translation>Montages d&apos;ondes</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Set-up</source>
        <translation>&amp;Nouveau montage</translation>
    </message>
    <message>
        <source>&amp;Open Set-up...</source>
        <translation>&amp;Ouvrir un montage...</translation>
    </message>
    <message>
        <source>Open &amp;Example</source>
        <translation>Ouvrir un e&amp;xemple</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un montage &amp;récent</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Effacer la liste</translation>
    </message>
    <message>
        <source>&amp;Save Set-up...</source>
        <translation>&amp;Enregistrer le montage...</translation>
    </message>
    <message>
        <source>Save Set-up &amp;As...</source>
        <translation>Enregistrer le montage so&amp;us...</translation>
    </message>
    <message>
        <source>The set-up %1 could not be opened.
%2
Nothing was changed.</source>
        <translation>Le montage %1 n&apos;a pas pu être ouvert.
%2
Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The set-up %1 is for %2, and %2 could not be started.
%3</source>
        <translation>Le montage %1 est destiné à %2, et %2 n&apos;a pas pu être lancé.
%3</translation>
    </message>
    <message>
        <source>The set-up %1 is for %2. It opens in a new %2 window; this window stays as it is.</source>
        <translation>Le montage %1 est destiné à %2. Il s&apos;ouvre dans une nouvelle fenêtre de %2 ; cette fenêtre reste telle quelle.</translation>
    </message>
    <message>
        <source>The set-up %1 was opened, but %2 has no setting of these names, so they were ignored:
%3</source>
        <translation>Le montage %1 a été ouvert, mais %2 n&apos;a aucun réglage de ces noms ; ils ont été ignorés :
%3</translation>
    </message>
    <message>
        <source>Record &amp;Animation...</source>
        <translation>Enregistrer l&apos;&amp;animation...</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Lan&amp;guage (changed from the next start)</source>
        <translation>&amp;Langue (changée au prochain démarrage)</translation>
    </message>
    <message>
        <source>&amp;Simulated Water</source>
        <translation>&amp;Eau simulée</translation>
    </message>
    <message>
        <source>Show Co&amp;nstruction</source>
        <translation>Afficher la co&amp;nstruction</translation>
    </message>
</context>
<context>
    <name>wave::TProfrm</name>
    <message>
        <source>Measurement Practice</source>
        <translation>Exercices de mesure</translation>
    </message>
    <message>
        <source>&amp;Protractor</source>
        <translation>&amp;Rapporteur</translation>
    </message>
    <message>
        <source>&amp;Ruler</source>
        <translation>Rè&amp;gle</translation>
    </message>
    <message>
        <source>Ray &amp;Movement</source>
        <translation>&amp;Mouvement</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Vérifier</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Re&amp;turn</source>
        <translation>Re&amp;tour</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>So&amp;mmaire</translation>
    </message>
    <message>
        <source>Find the Angle:</source>
        <translation>Trouve l&apos;angle :</translation>
    </message>
    <message>
        <source>From the Normal</source>
        <translation>Avec la normale</translation>
    </message>
    <message>
        <source>Between Two Lines</source>
        <translation>Entre deux droites</translation>
    </message>
    <message>
        <source>The angle is</source>
        <translation>L&apos;angle vaut</translation>
    </message>
    <message>
        <source>Measure length between:</source>
        <translation>Mesure la longueur entre :</translation>
    </message>
    <message>
        <source> &amp;2 Points</source>
        <translation> &amp;2 points</translation>
    </message>
    <message>
        <source> &amp;Wavefronts</source>
        <translation> &amp;Fronts d&apos;onde</translation>
    </message>
    <message>
        <source> Point and &amp;Line</source>
        <translation> Point et &amp;droite</translation>
    </message>
    <message>
        <source>Length is: 0</source>
        <translation>Longueur : 0</translation>
    </message>
    <message>
        <source>Drag the four handles to discover each function. Move the handles to reposition the ray.</source>
        <translation>Fais glisser les quatre poignées pour découvrir leur rôle. Les poignées déplacent le rayon.</translation>
    </message>
    <message>
        <source>Protractor practice: measure the angle from the normal</source>
        <translation>Exercice au rapporteur : mesure l&apos;angle avec la normale</translation>
    </message>
    <message>
        <source>Protractor practice: measure the angle between two lines</source>
        <translation>Exercice au rapporteur : mesure l&apos;angle entre deux droites</translation>
    </message>
    <message>
        <source>Ruler practice: measure the length between the two points</source>
        <translation>Exercice à la règle : mesure la distance entre les deux points</translation>
    </message>
    <message>
        <source>Ruler practice: measure the length between the wavefronts</source>
        <translation>Exercice à la règle : mesure la distance entre les fronts d&apos;onde</translation>
    </message>
    <message>
        <source>Ruler practice: measure the length from the point to the line</source>
        <translation>Exercice à la règle : mesure la distance du point à la droite</translation>
    </message>
    <message>
        <source>Ray movement practice: a ray with four handles to drag</source>
        <translation>Exercice sur le rayon : un rayon avec quatre poignées à faire glisser</translation>
    </message>
</context>
<context>
    <name>wave::TRecord</name>
    <message>
        <source>Record Animation</source>
        <translation>Enregistrer l&apos;animation</translation>
    </message>
    <message>
        <source>&amp;One period</source>
        <translation>Une &amp;période</translation>
    </message>
    <message>
        <source>&amp;Seconds:</source>
        <translation>&amp;Secondes :</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>The GIF keeps every colour of the picture.</source>
        <translation>Le GIF garde toutes les couleurs de l&apos;image.</translation>
    </message>
    <message>
        <source>The picture has more than 256 colours (the intensity band or the detail map). In the GIF each colour&apos;s red, green and blue are rounded to %1 levels, so greys and shades come in steps; PNG frames keep every colour.</source>
        <translation>L&apos;image a plus de 256 couleurs (la bande d&apos;intensité ou la carte de détail). Dans le GIF, le rouge, le vert et le bleu de chaque couleur sont arrondis à %1 niveaux, si bien que les gris et les nuances apparaissent par paliers ; les images PNG gardent toutes les couleurs.</translation>
    </message>
    <message>
        <source>Frame &amp;interval:</source>
        <translation>&amp;Intervalle entre images :</translation>
    </message>
    <message>
        <source>Record...</source>
        <translation>Enregistrer...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1 frames, %2 s</source>
        <translation>%1 images, %2 s</translation>
    </message>
    <message>
        <source>
This picture never comes back exactly: record it in seconds.</source>
        <translation>
Cette image ne revient jamais exactement : enregistre-la en secondes.</translation>
    </message>
    <message>
        <source>
One period is %1 frames, more than a recording takes (%2): record it in seconds.</source>
        <translation>
Une période fait %1 images, plus que ce que prend un enregistrement (%2) : enregistre-la en secondes.</translation>
    </message>
    <message>
        <source>, a loop without a jump</source>
        <translation>, une boucle sans saut</translation>
    </message>
    <message>
        <source>Animated GIF</source>
        <translation>GIF animé</translation>
    </message>
    <message>
        <source>PNG frames in a new folder</source>
        <translation>Images PNG dans un nouveau dossier</translation>
    </message>
    <message>
        <source>Recording %1 frames into %2...</source>
        <translation>Enregistrement de %1 images dans %2...</translation>
    </message>
    <message>
        <source>The recording was cancelled. Nothing was saved.</source>
        <translation>L&apos;enregistrement a été annulé. Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>The water&apos;s shades under the construction come to more than 256 colours as it moves. In the GIF each frame&apos;s colours are then rounded to fewer levels of red, green and blue, so shades come in steps; PNG frames keep every colour.</source>
        <translation>Sous la construction, les nuances de l&apos;eau dépassent 256 couleurs dès qu&apos;elle bouge. Dans le GIF, les couleurs de chaque image sont alors arrondies à moins de niveaux de rouge, de vert et de bleu, si bien que les nuances vont par paliers ; les images PNG gardent toutes les couleurs.</translation>
    </message>
</context>
<context>
    <name>wave::TWhoami</name>
    <message>
        <source>I am ....</source>
        <translation>Je suis ...</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nom d&apos;utilisateur</translation>
    </message>
    <message>
        <source>Name will appear on printout</source>
        <translation>Le nom figurera sur l&apos;impression</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>wave::Tpattfrm</name>
    <message>
        <source>Load Data</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>No Data loaded!  Try again!</source>
        <translation>Aucune donnée chargée ! Essaie encore !</translation>
    </message>
    <message>
        <source>A comment line may not read &quot;Start Data&quot;: that line starts the data in the file.
Please change it.</source>
        <translation>Une ligne de commentaire ne peut pas être « Start Data » : cette ligne ouvre les données du fichier.
Veuillez la modifier.</translation>
    </message>
    <message>
        <source>Save Experiment</source>
        <translation>Enregistrer l&apos;expérience</translation>
    </message>
    <message>
        <source>Light Interference</source>
        <translation>Interférences lumineuses</translation>
    </message>
    <message>
        <source>centimetres</source>
        <translation>centimètres</translation>
    </message>
    <message>
        <source>micrometres</source>
        <translation>micromètres</translation>
    </message>
    <message>
        <source>nanometres</source>
        <translation>nanomètres</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Save Experiment</source>
        <translation>Enregistrer l&apos;&amp;expérience</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>E&amp;xport Picture...</source>
        <translation>E&amp;xporter l&apos;image...</translation>
    </message>
    <message>
        <source>Export &amp;Data...</source>
        <translation>Exporter les &amp;données...</translation>
    </message>
    <message>
        <source>Ex&amp;it</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>So&amp;mmaire</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source> &amp;Single Slit</source>
        <translation> &amp;Une fente</translation>
    </message>
    <message>
        <source> &amp;Double Slit</source>
        <translation> &amp;Deux fentes</translation>
    </message>
    <message>
        <source> Black and &amp;white</source>
        <translation> &amp;Noir et blanc</translation>
    </message>
    <message>
        <source> &amp;Measure</source>
        <translation> &amp;Mesurer</translation>
    </message>
    <message>
        <source>Length: 0.00 mm</source>
        <translation>Longueur : 0,00 mm</translation>
    </message>
    <message>
        <source>Experiment #</source>
        <translation>Expérience n°</translation>
    </message>
    <message>
        <source>No Experiment</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Save Options</source>
        <translation>Options d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Tout montrer</translation>
    </message>
    <message>
        <source>Hide Screen distance</source>
        <translation>Cacher dist. de l&apos;écran</translation>
    </message>
    <message>
        <source>Hide Slit Separation</source>
        <translation>Cacher l&apos;écart des fentes</translation>
    </message>
    <message>
        <source>Hide Wavelength</source>
        <translation>Cacher λ</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Slit width</source>
        <translation>Largeur de fente</translation>
    </message>
    <message>
        <source>Slit separation</source>
        <translation>Écart des fentes</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>interference</source>
        <translation>interférences</translation>
    </message>
</context>
<context>
    <name>wave::WaveView</name>
    <message>
        <source>Wave view</source>
        <translation>Vue des ondes</translation>
    </message>
    <message>
        <source>Position of the intensity band</source>
        <translation>Position de la bande d&apos;intensité</translation>
    </message>
</context>
</TS>
