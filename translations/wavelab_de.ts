<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>%1
Version %2

A teaching program for wave physics.

Free software under the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with no warranty.</source>
        <translation>%1
Version %2

Ein Lernprogramm zur Wellenphysik.

Freie Software unter der GNU General Public License, Version 3 oder (nach Ihrer Wahl) jeder späteren Version (GPL-3.0-or-later). Es wird ohne jede Gewährleistung bereitgestellt.</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ExperimentFile</name>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Zugriff auf die Datei verweigert</translation>
    </message>
    <message>
        <source>Disk read error</source>
        <translation>Fehler beim Lesen</translation>
    </message>
    <message>
        <source>Disk write error</source>
        <translation>Fehler beim Schreiben</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>Ungültige Zahl</translation>
    </message>
    <message>
        <source>%1: %2
%3</source>
        <translation>%1: %2
%3</translation>
    </message>
</context>
<context>
    <name>ExportFiles</name>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Daten exportieren</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>PNG-Bild</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>SVG-Zeichnung</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF-Dokument</translation>
    </message>
    <message>
        <source>%1 ends in &quot;.%2&quot;, a kind of file this program does not write.
Please choose a name ending in .png, .svg or .pdf. Nothing was saved.</source>
        <translation>%1 endet auf „.%2“, eine Dateiart, die dieses Programm nicht schreibt.
Bitte wählen Sie einen Namen, der auf .png, .svg oder .pdf endet. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Comma-separated values</source>
        <translation>Kommagetrennte Werte</translation>
    </message>
</context>
<context>
    <name>FieldRenderer</name>
    <message>
        <source>One source</source>
        <translation>Eine Quelle</translation>
    </message>
    <message>
        <source>Two sources %1 pixels apart</source>
        <translation>Zwei Quellen im Abstand von %1 Pixeln</translation>
    </message>
    <message>
        <source>Three sources %1 pixels apart</source>
        <translation>Drei Quellen im Abstand von %1 Pixeln</translation>
    </message>
    <message>
        <source>, wavelength %1</source>
        <translation>, Wellenlänge %1</translation>
    </message>
    <message>
        <source>, wavelengths %1 and %2</source>
        <translation>, Wellenlängen %1 und %2</translation>
    </message>
    <message>
        <source>, crests solid, troughs dotted in %1</source>
        <translation>, Wellenberge durchgezogen, Wellentäler gepunktet in %1</translation>
    </message>
    <message>
        <source>, crests solid, troughs dotted</source>
        <translation>, Wellenberge durchgezogen, Wellentäler gepunktet</translation>
    </message>
    <message>
        <source>, with the perpendicular bisector</source>
        <translation>, mit der Mittelsenkrechten</translation>
    </message>
    <message>
        <source>, with the distances from the sources to the measure point</source>
        <translation>, mit den Abständen der Quellen vom Messpunkt</translation>
    </message>
    <message>
        <source>, phase shift %1 degrees</source>
        <translation>, Phasenverschiebung %1 Grad</translation>
    </message>
    <message>
        <source>, amplitude %1</source>
        <translation>, Amplitude %1</translation>
    </message>
    <message>
        <source>, amplitudes %1 and %2</source>
        <translation>, Amplituden %1 und %2</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>Den Ordner „%1“ gibt es nicht.</translation>
    </message>
    <message>
        <source>%1
File not found.
Check the file name.</source>
        <translation>%1
Datei nicht gefunden.
Prüfen Sie den Dateinamen.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 gibt es schon.
Möchten Sie die Datei ersetzen?</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>The name of the language of the translation, in that language: &quot;Deutsch&quot; in German.</extracomment>
        <translation>Deutsch</translation>
    </message>
</context>
<context>
    <name>LightPattern</name>
    <message>
        <source>Screen distance: %1 cm</source>
        <translation>Schirmabstand: %1 cm</translation>
    </message>
    <message>
        <source>Slit Width: %1 µm</source>
        <translation>Spaltbreite: %1 µm</translation>
    </message>
    <message>
        <source>Slit Separation: %1 µm</source>
        <translation>Spaltabstand: %1 µm</translation>
    </message>
    <message>
        <source>Lambda: %1 nm</source>
        <translation>Lambda: %1 nm</translation>
    </message>
    <message>
        <source>Single slit pattern on a screen %1 cm away, slit width %2 µm, light of %3 nm, %4</source>
        <translation>Einzelspaltmuster auf einem Schirm in %1 cm Abstand, Spaltbreite %2 µm, Licht von %3 nm, %4</translation>
    </message>
    <message>
        <source>Double slit pattern on a screen %1 cm away, slit separation %2 µm, light of %3 nm, %4</source>
        <translation>Doppelspaltmuster auf einem Schirm in %1 cm Abstand, Spaltabstand %2 µm, Licht von %3 nm, %4</translation>
    </message>
    <message>
        <source>in black and white</source>
        <translation>in Schwarz-Weiß</translation>
    </message>
    <message>
        <source>in its colour</source>
        <translation>in seiner Farbe</translation>
    </message>
</context>
<context>
    <name>Measurement</name>
    <message>
        <source>From Left Point: %1</source>
        <translation>Von linker Quelle: %1</translation>
    </message>
    <message>
        <source>From Right Point: %1</source>
        <translation>Von rechter Quelle: %1</translation>
    </message>
    <message>
        <source>Path Difference: %1</source>
        <translation>Gangunterschied: %1</translation>
    </message>
    <message>
        <source>Width from CL: %1</source>
        <translation>Abstand von ML: %1</translation>
    </message>
    <message>
        <source>Along CL: %1</source>
        <translation>Entlang ML: %1</translation>
    </message>
    <message>
        <source>Bisector Angle: %1</source>
        <translation>Winkel zur ML: %1</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Printed by: %1</source>
        <translation>Gedruckt von: %1</translation>
    </message>
</context>
<context>
    <name>Palette</name>
    <message>
        <source>blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>red</source>
        <translation>Rot</translation>
    </message>
</context>
<context>
    <name>PatternMeasure</name>
    <message>
        <source>Length: %1 mm</source>
        <translation>Länge: %1 mm</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>The file %1 could not be created</source>
        <translation>Die Datei %1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>The file %1 could not be written</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>
Nothing was saved; a file of that name is left as it was.</source>
        <translation>
Es wurde nichts gespeichert; eine Datei dieses Namens bleibt, wie sie war.</translation>
    </message>
</context>
<context>
    <name>Pointer</name>
    <message>
        <source>Length = %1</source>
        <translation>Länge = %1</translation>
    </message>
    <message>
        <source>Distance: %1</source>
        <translation>Abstand: %1</translation>
    </message>
    <message>
        <source>Angle is %1°</source>
        <translation>Winkel: %1°</translation>
    </message>
    <message>
        <source>Angle = %1°</source>
        <translation>Winkel = %1°</translation>
    </message>
</context>
<context>
    <name>Practice</name>
    <message>
        <source>Right!
But can you get the answer
a little closer?</source>
        <translation>Richtig!
Aber geht es noch
ein wenig genauer?</translation>
    </message>
    <message>
        <source>Right!
Well Done!</source>
        <translation>Richtig!
Gut gemacht!</translation>
    </message>
    <message>
        <source>Oops!
Try again!</source>
        <translation>Hoppla!
Versuch es noch einmal!</translation>
    </message>
    <message>
        <source>Right!
Well done!</source>
        <translation>Richtig!
Gut gemacht!</translation>
    </message>
    <message>
        <source>Adjust to move entire structure.</source>
        <translation>Verschiebt den ganzen Aufbau.</translation>
    </message>
    <message>
        <source>Adjust the ray´s position preserving the angle.</source>
        <translation>Verschiebt den Strahl, der Winkel bleibt.</translation>
    </message>
    <message>
        <source>Adjust the point where the ray hits the interface.</source>
        <translation>Verschiebt den Punkt, an dem der Strahl die Grenzfläche trifft.</translation>
    </message>
    <message>
        <source>Adjust the ray´s angle of incidence.</source>
        <translation>Ändert den Einfallswinkel des Strahls.</translation>
    </message>
    <message>
        <source>Distance: %1</source>
        <translation>Abstand: %1</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>the file &quot;%1&quot;</source>
        <translation>die Datei „%1“</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot;</source>
        <translation>den Drucker „%1“</translation>
    </message>
    <message>
        <source>it is not accepting jobs</source>
        <translation>er nimmt keine Aufträge an</translation>
    </message>
    <message>
        <source>No printer is available.
Install a printer, or choose one with &quot;Print Setup&quot; in the &quot;Edit&quot; menu, and print again.</source>
        <translation>Kein Drucker verfügbar.
Richten Sie einen Drucker ein oder wählen Sie einen mit „Druckeinrichtung“ im Menü „Bearbeiten“ und drucken Sie erneut.</translation>
    </message>
    <message>
        <source>The print service does not take jobs for %1: %2.
Let the printer accept jobs again, or choose another with &quot;Print Setup&quot;, and print again.</source>
        <translation>Der Druckdienst nimmt keine Aufträge für %1 an: %2.
Lassen Sie den Drucker wieder Aufträge annehmen oder wählen Sie mit „Druckeinrichtung“ einen anderen und drucken Sie erneut.</translation>
    </message>
    <message>
        <source>The print job could not start on %1.
Check that the printer is switched on and ready, or choose another with &quot;Print Setup&quot;, and print again.</source>
        <translation>Der Druckauftrag konnte auf %1 nicht starten.
Prüfen Sie, ob der Drucker eingeschaltet und bereit ist, oder wählen Sie mit „Druckeinrichtung“ einen anderen und drucken Sie erneut.</translation>
    </message>
    <message>
        <source>The page could not be printed on %1.
Check the printer, or choose another with &quot;Print Setup&quot;, and print again.</source>
        <translation>Die Seite konnte auf %1 nicht gedruckt werden.
Prüfen Sie den Drucker oder wählen Sie mit „Druckeinrichtung“ einen anderen und drucken Sie erneut.</translation>
    </message>
    <message>
        <source>The print service refused the page for %1: %2.
Check the printer, or choose another with &quot;Print Setup&quot;, and print again.</source>
        <translation>Der Druckdienst hat die Seite für %1 abgelehnt: %2.
Prüfen Sie den Drucker oder wählen Sie mit „Druckeinrichtung“ einen anderen und drucken Sie erneut.</translation>
    </message>
</context>
<context>
    <name>ProgramStarter</name>
    <message>
        <source>The program %1 was not found.</source>
        <translation>Das Programm %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The program %1 could not be started.</source>
        <translation>Das Programm %1 konnte nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>Readers</name>
    <message>
        <source>Number of sources</source>
        <translation>Anzahl der Quellen</translation>
    </message>
    <message>
        <source>Point separation of the wavelets</source>
        <translation>Abstand der Elementarwellen-Zentren</translation>
    </message>
    <message>
        <source>Wave speed of the wavelets</source>
        <translation>Ausbreitungsgeschwindigkeit der Elementarwellen</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periode</translation>
    </message>
    <message>
        <source>Number of waves</source>
        <translation>Anzahl der Wellen</translation>
    </message>
    <message>
        <source>Sequential speed</source>
        <translation>Geschwindigkeit der Anregung</translation>
    </message>
    <message>
        <source>Time set of the wavelets</source>
        <translation>Zeitpunkt der Elementarwellen</translation>
    </message>
    <message>
        <source>Wave speed of the incoming wave</source>
        <translation>Geschwindigkeit der einlaufenden Welle</translation>
    </message>
    <message>
        <source>Wavelength of the incoming wave</source>
        <translation>Wellenlänge der einlaufenden Welle</translation>
    </message>
    <message>
        <source>Number of fronts</source>
        <translation>Anzahl der Wellenfronten</translation>
    </message>
    <message>
        <source>Angle of the incoming wave</source>
        <translation>Einfallswinkel der Welle</translation>
    </message>
    <message>
        <source>Refracted wave speed</source>
        <translation>Geschwindigkeit der gebrochenen Welle</translation>
    </message>
    <message>
        <source>Time set of the wavefronts</source>
        <translation>Zeitpunkt der Wellenfronten</translation>
    </message>
    <message>
        <source>Point separation of the boundary</source>
        <translation>Punktabstand auf der Grenzfläche</translation>
    </message>
    <message>
        <source>Wavelength of source 1</source>
        <translation>Wellenlänge der Quelle 1</translation>
    </message>
    <message>
        <source>Wavelength of source 2</source>
        <translation>Wellenlänge der Quelle 2</translation>
    </message>
    <message>
        <source>Wavelength of source 3</source>
        <translation>Wellenlänge der Quelle 3</translation>
    </message>
    <message>
        <source>Amplitude of source 1</source>
        <translation>Amplitude der Quelle 1</translation>
    </message>
    <message>
        <source>Amplitude of source 2</source>
        <translation>Amplitude der Quelle 2</translation>
    </message>
    <message>
        <source>Amplitude of source 3</source>
        <translation>Amplitude der Quelle 3</translation>
    </message>
    <message>
        <source>Phase shift</source>
        <translation>Phasenverschiebung</translation>
    </message>
    <message>
        <source>Factor of wavelength</source>
        <translation>Vielfaches der Wellenlänge</translation>
    </message>
    <message>
        <source>Source separation</source>
        <translation>Quellenabstand</translation>
    </message>
    <message>
        <source>Time factor</source>
        <translation>Zeitfaktor</translation>
    </message>
    <message>
        <source>Practice picture</source>
        <translation>Übungsbild</translation>
    </message>
    <message>
        <source> degrees</source>
        <translation> Grad</translation>
    </message>
    <message>
        <source>; keyboard point at x %1, y %2</source>
        <translation>; Tastaturpunkt bei x %1, y %2</translation>
    </message>
    <message>
        <source>Speed %1 of %2: the %3 move on every %4 milliseconds</source>
        <translation>Geschwindigkeit %1 von %2: %3 rücken alle %4 Millisekunden weiter</translation>
    </message>
    <message>
        <source>Screen distance</source>
        <translation>Schirmabstand</translation>
    </message>
    <message>
        <source>Slit width</source>
        <translation>Spaltbreite</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Wellenlänge</translation>
    </message>
    <message>
        <source>Experiment</source>
        <translation>Experiment</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Light pattern</source>
        <translation>Lichtmuster</translation>
    </message>
    <message>
        <source>What the saved file shows</source>
        <translation>Was die gespeicherte Datei zeigt</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
</context>
<context>
    <name>Recording</name>
    <message>
        <source>A file or folder of that name exists</source>
        <translation>Eine Datei oder ein Ordner dieses Namens existiert schon</translation>
    </message>
    <message>
        <source>The folder %1 could not be made</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>The frames could not be written into %1</source>
        <translation>Die Bilder konnten nicht in %1 geschrieben werden</translation>
    </message>
    <message>
        <source>
Nothing was saved; no frames are left behind.</source>
        <translation>
Es wurde nichts gespeichert; es bleiben keine Bilder zurück.</translation>
    </message>
</context>
<context>
    <name>SetupControls</name>
    <message>
        <source>The setting &quot;%1&quot; is %2; it must be %3 from %4 to %5.</source>
        <translation>Die Einstellung „%1“ ist %2; sie muss %3 von %4 bis %5 sein.</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; is %2, outside its range %3 to %4.</source>
        <translation>Die Einstellung „%1“ ist %2, außerhalb ihres Bereichs %3 bis %4.</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; is %2; it must be true or false.</source>
        <translation>Die Einstellung „%1“ ist %2; sie muss true oder false sein.</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; is %2; it must be one of %3.</source>
        <translation>Die Einstellung „%1“ ist %2; sie muss eines von %3 sein.</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>eine ganze Zahl</translation>
    </message>
    <message>
        <source>a page number</source>
        <translation>eine Seitennummer</translation>
    </message>
    <message>
        <source>The settings &quot;%1&quot; and &quot;%2&quot; are both true; only one of the two can be.</source>
        <translation>Die Einstellungen „%1“ und „%2“ sind beide true; nur eine der beiden darf es sein.</translation>
    </message>
</context>
<context>
    <name>SetupFile</name>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>It is not a set-up file: its text is no valid JSON (%1 at character %2).</source>
        <translation>Das ist keine Aufbau-Datei: Ihr Text ist kein gültiges JSON (%1 bei Zeichen %2).</translation>
    </message>
    <message>
        <source>It is not a set-up file: it holds no JSON object.</source>
        <translation>Das ist keine Aufbau-Datei: Sie enthält kein JSON-Objekt.</translation>
    </message>
    <message>
        <source>It is not a set-up file: its &quot;format&quot; is %1, not &quot;%2&quot;.</source>
        <translation>Das ist keine Aufbau-Datei: Ihr „format“ ist %1, nicht „%2“.</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>Its &quot;version&quot; is %1, not a whole number from 1 up.</source>
        <translation>Ihre „version“ ist %1, keine ganze Zahl ab 1.</translation>
    </message>
    <message>
        <source>It was written by a newer version of the program (set-up version %1); this one reads version %2.</source>
        <translation>Sie wurde von einer neueren Programmversion geschrieben (Aufbau-Version %1); dieses Programm liest Version %2.</translation>
    </message>
    <message>
        <source>It is for the product %1, which this program does not have; it has &quot;%2&quot;, &quot;%3&quot; and &quot;%4&quot;.</source>
        <translation>Sie ist für das Produkt %1, das dieses Programm nicht hat; es hat „%2“, „%3“ und „%4“.</translation>
    </message>
    <message>
        <source>(none named)</source>
        <translation>(keines genannt)</translation>
    </message>
    <message>
        <source>Its &quot;%1&quot; is not a text.</source>
        <translation>Ihr „%1“ ist kein Text.</translation>
    </message>
    <message>
        <source>Its &quot;settings&quot; are not a JSON object of names and values.</source>
        <translation>Ihre „settings“ sind kein JSON-Objekt aus Namen und Werten.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Das ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>The file does not exist (it may have been moved, renamed or deleted).</source>
        <translation>Die Datei gibt es nicht (sie wurde vielleicht verschoben, umbenannt oder gelöscht).</translation>
    </message>
    <message>
        <source>It is not a plain file.</source>
        <translation>Das ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Die Datei kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>The file is larger than 1 MiB; a set-up takes a few hundred bytes.</source>
        <translation>Die Datei ist größer als 1 MiB; ein Aufbau braucht nur einige hundert Bytes.</translation>
    </message>
</context>
<context>
    <name>SlitScene</name>
    <message>
        <source>Plane waves of wavelength %1 passing a slit %2 pixels wide and spreading beyond it</source>
        <translation>Ebene Wellen der Wellenlänge %1 laufen durch einen %2 Pixel breiten Spalt und breiten sich dahinter aus</translation>
    </message>
</context>
<context>
    <name>SourceLogic</name>
    <message>
        <source>1st Point: %1</source>
        <translation>1. Quelle: %1</translation>
    </message>
    <message>
        <source>2nd Point: %1</source>
        <translation>2. Quelle: %1</translation>
    </message>
    <message>
        <source>3rd Point: %1</source>
        <translation>3. Quelle: %1</translation>
    </message>
    <message>
        <source>Amplitude: %1</source>
        <translation>Amplitude: %1</translation>
    </message>
    <message>
        <source>Phase Shift: %1 Degrees</source>
        <translation>Phasenverschiebung: %1°</translation>
    </message>
    <message>
        <source>Actual Separation: %1</source>
        <translation>Tatsächlicher Abstand: %1</translation>
    </message>
</context>
<context>
    <name>WaterSetUp</name>
    <message>
        <source>A wavelength of %1 pixels is shorter than the %2 pixels the water grid can carry.</source>
        <translation>Eine Wellenlänge von %1 Pixeln ist kürzer als die %2 Pixel, die das Wassergitter tragen kann.</translation>
    </message>
    <message>
        <source>A source at (%1, %2) lies outside the water.</source>
        <translation>Eine Quelle bei (%1, %2) liegt außerhalb des Wassers.</translation>
    </message>
    <message>
        <source>A source at (%1, %2) lies inside a wall.</source>
        <translation>Eine Quelle bei (%1, %2) liegt in einer Wand.</translation>
    </message>
    <message>
        <source>A source at (%1, %2) lies in still water.</source>
        <translation>Eine Quelle bei (%1, %2) liegt in stillem Wasser.</translation>
    </message>
    <message>
        <source>A tick needs at least one time step.</source>
        <translation>Ein Takt braucht mindestens einen Zeitschritt.</translation>
    </message>
    <message>
        <source>Every speed must be a finite number of pixels, not negative.</source>
        <translation>Jede Geschwindigkeit muss eine endliche, nicht negative Zahl von Pixeln sein.</translation>
    </message>
    <message>
        <source>Waves of %1 pixels a tick would run %2 cells a time step, past the %3 at which the water stays stable: take at least %4 steps a tick.</source>
        <translation>Wellen mit %1 Pixeln je Takt liefen %2 Zellen je Zeitschritt, mehr als die %3, bei denen das Wasser stabil bleibt: Nehmen Sie mindestens %4 Schritte je Takt.</translation>
    </message>
    <message>
        <source>A plane wave&apos;s row %1 lies outside the water.</source>
        <translation>Die Zeile %1 einer ebenen Welle liegt außerhalb des Wassers.</translation>
    </message>
    <message>
        <source>A plane wave must leave its row upwards.</source>
        <translation>Eine ebene Welle muss ihre Zeile nach oben verlassen.</translation>
    </message>
    <message>
        <source>The water&apos;s grid has no cells.</source>
        <translation>Das Gitter des Wassers hat keine Zellen.</translation>
    </message>
</context>
<context>
    <name>Wavefront</name>
    <message>
        <source>%1 plane wavefront of wavelength %2 meeting a boundary at %3 degrees, </source>
        <translation>%1 ebene Wellenfront der Wellenlänge %2 trifft unter %3 Grad auf eine Grenzfläche, </translation>
    </message>
    <message>
        <source>%1 plane wavefronts of wavelength %2 meeting a boundary at %3 degrees, </source>
        <translation>%1 ebene Wellenfronten der Wellenlänge %2 treffen unter %3 Grad auf eine Grenzfläche, </translation>
    </message>
    <message>
        <source>refracted from speed %1 to speed %2</source>
        <translation>gebrochen von Geschwindigkeit %1 zu Geschwindigkeit %2</translation>
    </message>
    <message>
        <source>reflected at speed %1</source>
        <translation>reflektiert bei Geschwindigkeit %1</translation>
    </message>
    <message>
        <source>, with rays</source>
        <translation>, mit Strahlen</translation>
    </message>
</context>
<context>
    <name>WaveletRow</name>
    <message>
        <source>A row of %1 wavelet sources %2 pixels apart, started %3, wave speed %4, period %5, up to %6 wavelets each</source>
        <translation>Eine Reihe von %1 Elementarwellen-Zentren im Abstand von %2 Pixeln, angeregt %3, Geschwindigkeit %4, Periode %5, je bis zu %6 Elementarwellen</translation>
    </message>
    <message>
        <source>one after another at speed %1</source>
        <translation>nacheinander mit Geschwindigkeit %1</translation>
    </message>
    <message>
        <source>together</source>
        <translation>gleichzeitig</translation>
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
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vor</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Hilfeseite</translation>
    </message>
    <message>
        <source>Help - %1</source>
        <translation>Hilfe - %1</translation>
    </message>
</context>
<context>
    <name>wave::HuygensPages</name>
    <message>
        <source>Wave Speed: %1</source>
        <translation>Geschwindigkeit: %1</translation>
    </message>
    <message>
        <source>Wavelength: %1</source>
        <translation>Wellenlänge: %1</translation>
    </message>
    <message>
        <source>Refracted Wave Speed: %1</source>
        <translation>Gebrochene Welle: %1</translation>
    </message>
    <message>
        <source># of Fronts: %1</source>
        <translation>Wellenfronten: %1</translation>
    </message>
    <message>
        <source>Time step %1 of %2</source>
        <translation>Zeitschritt %1 von %2</translation>
    </message>
    <message>
        <source>Period: %1 s</source>
        <translation>Periode: %1 s</translation>
    </message>
    <message>
        <source>Angle: %1</source>
        <translation>Winkel: %1</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>fronts</source>
        <translation>Wellenfronten</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Boundary points %1 pixels apart</source>
        <translation>Punkte der Grenzfläche im Abstand von %1 Pixeln</translation>
    </message>
    <message>
        <source>Number of Sources: 20</source>
        <translation>Anzahl der Quellen: 20</translation>
    </message>
    <message>
        <source>Point Separation: 15</source>
        <translation>Punktabstand: 15</translation>
    </message>
    <message>
        <source>Wave Speed: 10</source>
        <translation>Geschwindigkeit: 10</translation>
    </message>
    <message>
        <source>Number of Waves: 1</source>
        <translation>Anzahl der Wellen: 1</translation>
    </message>
    <message>
        <source>Sequential Speed: 30</source>
        <translation>Anregungstempo: 30</translation>
    </message>
    <message>
        <source>Time Set</source>
        <translation>Zeitpunkt</translation>
    </message>
    <message>
        <source> &amp;Simultaneous</source>
        <translation> &amp;Gleichzeitig</translation>
    </message>
    <message>
        <source> Se&amp;quential</source>
        <translation> Na&amp;cheinander</translation>
    </message>
    <message>
        <source> Animate Wave</source>
        <translation> Welle animieren</translation>
    </message>
    <message>
        <source>S&amp;tart Wave</source>
        <translation>Welle s&amp;tarten</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Rücksetzen</translation>
    </message>
    <message>
        <source>Measure</source>
        <translation>Messen</translation>
    </message>
    <message>
        <source> Distance</source>
        <translation> Abstand</translation>
    </message>
    <message>
        <source>Distance: 0.0</source>
        <translation>Abstand: 0,0</translation>
    </message>
    <message>
        <source>Incoming Wave</source>
        <translation>Einlaufende Welle</translation>
    </message>
    <message>
        <source>Wave Speed: 15</source>
        <translation>Geschwindigkeit: 15</translation>
    </message>
    <message>
        <source>Wavelength: 50</source>
        <translation>Wellenlänge: 50</translation>
    </message>
    <message>
        <source># of Fronts: 1</source>
        <translation>Wellenfronten: 1</translation>
    </message>
    <message>
        <source>Refracted Wave Speed: 10</source>
        <translation>Gebrochene Welle: 10</translation>
    </message>
    <message>
        <source>Point Separation</source>
        <translation>Punktabstand</translation>
    </message>
    <message>
        <source> Refraction</source>
        <translation> Brechung</translation>
    </message>
    <message>
        <source> Reflection</source>
        <translation> Reflexion</translation>
    </message>
    <message>
        <source> Show Ra&amp;ys</source>
        <translation> Strah&amp;len</translation>
    </message>
    <message>
        <source> &amp;Measure</source>
        <translation> &amp;Messen</translation>
    </message>
    <message>
        <source> Animate</source>
        <translation> Animieren</translation>
    </message>
    <message>
        <source>&amp;Start Wave</source>
        <translation>Welle &amp;starten</translation>
    </message>
    <message>
        <source>Wavefront Measurements</source>
        <translation>Messungen an Wellenfronten</translation>
    </message>
    <message>
        <source> Angle</source>
        <translation> Winkel</translation>
    </message>
    <message>
        <source> Length</source>
        <translation> Länge</translation>
    </message>
    <message>
        <source>Angle = 0</source>
        <translation>Winkel = 0</translation>
    </message>
    <message>
        <source>Number of Sources: %1</source>
        <translation>Anzahl der Quellen: %1</translation>
    </message>
    <message>
        <source>sources</source>
        <translation>Quellen</translation>
    </message>
    <message>
        <source>Point Separation: %1</source>
        <translation>Punktabstand: %1</translation>
    </message>
    <message>
        <source>Sequential Speed: %1</source>
        <translation>Anregungstempo: %1</translation>
    </message>
    <message>
        <source>Number of Waves: %1</source>
        <translation>Anzahl der Wellen: %1</translation>
    </message>
    <message>
        <source>waves</source>
        <translation>Wellen</translation>
    </message>
    <message>
        <source>S&amp;top Wave</source>
        <translation>Welle s&amp;toppen</translation>
    </message>
    <message>
        <source>&amp;Wave Front Refraction</source>
        <translation>&amp;Wellenfront: Brechung</translation>
    </message>
    <message>
        <source>&amp;Wave Front Reflection</source>
        <translation>&amp;Wellenfront: Reflexion</translation>
    </message>
    <message>
        <source>&amp;Stop Wave</source>
        <translation>Welle &amp;stoppen</translation>
    </message>
    <message>
        <source>Length = 0.0</source>
        <translation>Länge = 0,0</translation>
    </message>
    <message>
        <source>Huygens´ Principle</source>
        <translation>Huygenssches Prinzip</translation>
    </message>
</context>
<context>
    <name>wave::InterferencePanel</name>
    <message>
        <source>S&amp;top Waves</source>
        <translation>Wellen s&amp;toppen</translation>
    </message>
    <message>
        <source>S&amp;tart Waves</source>
        <translation>Wellen s&amp;tarten</translation>
    </message>
    <message>
        <source>Node Path</source>
        <translation>Knotenlinien</translation>
    </message>
    <message>
        <source>&amp;Wavelengths</source>
        <translation>&amp;Wellenlängen</translation>
    </message>
    <message>
        <source>&amp;Source Separation</source>
        <translation>&amp;Quellenabstand</translation>
    </message>
    <message>
        <source>&amp;Animation Controls</source>
        <translation>Animations&amp;steuerung</translation>
    </message>
    <message>
        <source>&amp;Measurements</source>
        <translation>&amp;Messungen</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>waves</source>
        <translation>Wellen</translation>
    </message>
    <message>
        <source>Point Source Wavelengths</source>
        <translation>Wellenlängen der Punktquellen</translation>
    </message>
    <message>
        <source>1st Point: 30</source>
        <translation>1. Quelle: 30</translation>
    </message>
    <message>
        <source>2nd Point: 30</source>
        <translation>2. Quelle: 30</translation>
    </message>
    <message>
        <source>3rd Point: 30</source>
        <translation>3. Quelle: 30</translation>
    </message>
    <message>
        <source>Amplitude: 10</source>
        <translation>Amplitude: 10</translation>
    </message>
    <message>
        <source>Phase Shift: 0 Degrees</source>
        <translation>Phasenverschiebung: 0°</translation>
    </message>
    <message>
        <source> Unmatched Wavelengths</source>
        <translation> Ungleiche Wellenlängen</translation>
    </message>
    <message>
        <source> Matched Wavelengths</source>
        <translation> Gleiche Wellenlängen</translation>
    </message>
    <message>
        <source>Number of Sources</source>
        <translation>Anzahl der Quellen</translation>
    </message>
    <message>
        <source>Point Source Separation</source>
        <translation>Abstand der Punktquellen</translation>
    </message>
    <message>
        <source>Factor of Wavelength</source>
        <translation>Vielfaches von λ</translation>
    </message>
    <message>
        <source>Actual Separation: 30</source>
        <translation>Tatsächlicher Abstand: 30</translation>
    </message>
    <message>
        <source>&amp;Print Full Page</source>
        <translation>Seite dr&amp;ucken</translation>
    </message>
    <message>
        <source>Intensity Band Properties</source>
        <translation>Intensitätsstreifen</translation>
    </message>
    <message>
        <source> Show Instantaneous Amplitude</source>
        <translation> Momentane Amplitude zeigen</translation>
    </message>
    <message>
        <source> Show Average Amplitude</source>
        <translation> Mittlere Amplitude zeigen</translation>
    </message>
    <message>
        <source> High Detail</source>
        <translation> Hohe Auflösung</translation>
    </message>
    <message>
        <source> Black and White</source>
        <translation> Schwarz-Weiß</translation>
    </message>
    <message>
        <source>Time Factor</source>
        <translation>Zeitfaktor</translation>
    </message>
    <message>
        <source>Animate Waves</source>
        <translation>Wellen animieren</translation>
    </message>
    <message>
        <source>Color Waves</source>
        <translation>Farbige Wellen</translation>
    </message>
    <message>
        <source>&amp;Light Interference</source>
        <translation>&amp;Lichtinterferenz</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source> Measure Point Source Distances</source>
        <translation> Abstände zu den Quellen messen</translation>
    </message>
    <message>
        <source> Show Perpendicular Bisector</source>
        <translation> Mittelsenkrechte zeigen</translation>
    </message>
    <message>
        <source>On Intensity Band</source>
        <translation>Auf dem Intensitätsstreifen</translation>
    </message>
    <message>
        <source> Anywhere</source>
        <translation> Überall</translation>
    </message>
    <message>
        <source>Distances</source>
        <translation>Abstände</translation>
    </message>
    <message>
        <source>Point Source</source>
        <translation>Punktquelle</translation>
    </message>
    <message>
        <source>Center Line (CL)</source>
        <translation>Mittellinie (ML)</translation>
    </message>
    <message>
        <source>From Left Point: 0</source>
        <translation>Von linker Quelle: 0</translation>
    </message>
    <message>
        <source>From Right Point: 0</source>
        <translation>Von rechter Quelle: 0</translation>
    </message>
    <message>
        <source>Path Difference: 0</source>
        <translation>Gangunterschied: 0</translation>
    </message>
    <message>
        <source>Width from CL: 0</source>
        <translation>Abstand von ML: 0</translation>
    </message>
    <message>
        <source>Along CL: 0</source>
        <translation>Entlang ML: 0</translation>
    </message>
    <message>
        <source>Bisector Angle: 0</source>
        <translation>Winkel zur ML: 0</translation>
    </message>
    <message>
        <source>Note: Use Only with 2 Point Sources</source>
        <translation>Hinweis: Nur mit 2 Punktquellen</translation>
    </message>
    <message>
        <source>Unmatched is checked</source>
        <translation>„Ungleiche Wellenlängen“ ist gewählt</translation>
    </message>
    <message>
        <source>The average strip goes on adding up as on the screen, so it may change a little from the last frame to the first.</source>
        <translation>Der mittlere Streifen summiert weiter wie auf dem Bildschirm; vom letzten zum ersten Bild kann er sich daher ein wenig ändern.</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Formel</translation>
    </message>
    <message>
        <source>Simulated</source>
        <translation>Simuliert</translation>
    </message>
</context>
<context>
    <name>wave::SlitPanel</name>
    <message>
        <source>Wavelength: %1</source>
        <translation>Wellenlänge: %1</translation>
    </message>
    <message>
        <source>Slit Width: %1</source>
        <translation>Spaltbreite: %1</translation>
    </message>
    <message>
        <source>Single Slit</source>
        <translation>Einzelspalt</translation>
    </message>
    <message>
        <source>Wavelength: 10</source>
        <translation>Wellenlänge: 10</translation>
    </message>
    <message>
        <source>Slit Width: 20</source>
        <translation>Spaltbreite: 20</translation>
    </message>
    <message>
        <source>Time  Factor</source>
        <translation>Zeitfaktor</translation>
    </message>
    <message>
        <source>Animate Wave Fronts</source>
        <translation>Wellenfronten animieren</translation>
    </message>
    <message>
        <source>&amp;Start Wave</source>
        <translation>Welle &amp;starten</translation>
    </message>
    <message>
        <source>Measure</source>
        <translation>Messen</translation>
    </message>
    <message>
        <source> Measure Angle</source>
        <translation> Winkel messen</translation>
    </message>
    <message>
        <source>Angle is 0.0°</source>
        <translation>Winkel: 0,0°</translation>
    </message>
    <message>
        <source>&amp;Light Diffraction</source>
        <translation>&amp;Lichtbeugung</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>fronts</source>
        <translation>Wellenfronten</translation>
    </message>
    <message>
        <source>&amp;Stop Wave</source>
        <translation>Welle &amp;stoppen</translation>
    </message>
</context>
<context>
    <name>wave::TInterference</name>
    <message>
        <source>Interference</source>
        <translation>Interferenz</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>&amp;Large Display (%1 x)</source>
        <translation>&amp;Große Anzeige (%1-fach)</translation>
    </message>
    <message>
        <source>&amp;Large Display</source>
        <translation>&amp;Große Anzeige</translation>
    </message>
    <message>
        <source>&amp;Large Display (%1 x from the next start)</source>
        <translation>&amp;Große Anzeige (%1-fach ab dem nächsten Start)</translation>
    </message>
    <message>
        <source>&amp;Large Display (off from the next start)</source>
        <translation>&amp;Große Anzeige (aus ab dem nächsten Start)</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>&amp;Anzeige</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Voll&amp;bild</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Farben</translation>
    </message>
    <message>
        <source>&amp;Standard</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>Colour-&amp;blind Safe</source>
        <translation>Für &amp;Farbenblinde</translation>
    </message>
    <message>
        <source>&amp;Dark Room</source>
        <translation>&amp;Dunkler Raum</translation>
    </message>
    <message>
        <source>&amp;Large Display (no room on this screen: zoom instead)</source>
        <translation>&amp;Große Anzeige (kein Platz auf diesem Bildschirm: bitte vergrößern)</translation>
    </message>
    <message>
        <source>E&amp;xport Picture...</source>
        <translation>Bild e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Export &amp;Data...</source>
        <translation>D&amp;aten exportieren...</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Daten exportieren</translation>
    </message>
    <message>
        <source>There is no intensity band to export.
Switch on &quot; Show Instantaneous Amplitude&quot; or &quot; Show Average Amplitude&quot; on the &quot;Animation Controls&quot; page first.</source>
        <translation>Es gibt keinen Intensitätsstreifen zum Exportieren.
Schalten Sie zuerst „Momentane Amplitude zeigen“ oder „Mittlere Amplitude zeigen“ auf der Seite „Animationssteuerung“ ein.</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;System</translation>
    </message>
    <message>
        <source>Huygens&apos; Principle</source>
        <translation>Huygenssches Prinzip</translation>
    </message>
    <message>
        <source>&amp;Wavefront Interactions</source>
        <translation>&amp;Wellenfronten</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Druckeinrichtung</translation>
    </message>
    <message>
        <source>Enable Copy Select</source>
        <translation>Kopierauswahl einschalten</translation>
    </message>
    <message>
        <source>&amp;User Name</source>
        <translation>&amp;Benutzername</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>A&amp;nsicht</translation>
    </message>
    <message>
        <source>&amp;Experiments</source>
        <translation>&amp;Experimente</translation>
    </message>
    <message>
        <source>&amp;Two Point Interference</source>
        <translation>&amp;Zweiquelleninterferenz</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Measurement Practice</source>
        <translation>&amp;Messübung</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Open Set-up</source>
        <translation>Aufbau öffnen</translation>
    </message>
    <message>
        <source>Save Set-up</source>
        <translation>Aufbau speichern</translation>
    </message>
    <message>
        <source>Wave set-ups</source>
        <translation>Wellen-Aufbauten</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Set-up</source>
        <translation>&amp;Neuer Aufbau</translation>
    </message>
    <message>
        <source>&amp;Open Set-up...</source>
        <translation>Aufbau ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open &amp;Example</source>
        <translation>&amp;Beispiel öffnen</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>Liste &amp;leeren</translation>
    </message>
    <message>
        <source>&amp;Save Set-up...</source>
        <translation>Aufbau &amp;speichern...</translation>
    </message>
    <message>
        <source>Save Set-up &amp;As...</source>
        <translation>Aufbau speichern &amp;unter...</translation>
    </message>
    <message>
        <source>The set-up %1 could not be opened.
%2
Nothing was changed.</source>
        <translation>Der Aufbau %1 konnte nicht geöffnet werden.
%2
Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The set-up %1 is for %2, and %2 could not be started.
%3</source>
        <translation>Der Aufbau %1 ist für %2, und %2 konnte nicht gestartet werden.
%3</translation>
    </message>
    <message>
        <source>The set-up %1 is for %2. It opens in a new %2 window; this window stays as it is.</source>
        <translation>Der Aufbau %1 ist für %2. Er öffnet sich in einem neuen Fenster von %2; dieses Fenster bleibt, wie es ist.</translation>
    </message>
    <message>
        <source>The set-up %1 was opened, but %2 has no setting of these names, so they were ignored:
%3</source>
        <translation>Der Aufbau %1 wurde geöffnet, aber %2 hat keine Einstellungen dieser Namen; sie wurden übergangen:
%3</translation>
    </message>
    <message>
        <source>Record &amp;Animation...</source>
        <translation>Animation auf&amp;zeichnen...</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>Lan&amp;guage (changed from the next start)</source>
        <translation>&amp;Sprache (geändert ab dem nächsten Start)</translation>
    </message>
    <message>
        <source>&amp;Simulated Water</source>
        <translation>Simuliertes &amp;Wasser</translation>
    </message>
    <message>
        <source>Show Co&amp;nstruction</source>
        <translation>Konstruktion &amp;zeigen</translation>
    </message>
</context>
<context>
    <name>wave::TProfrm</name>
    <message>
        <source>Measurement Practice</source>
        <translation>Messübung</translation>
    </message>
    <message>
        <source>&amp;Protractor</source>
        <translation>Win&amp;kelmesser</translation>
    </message>
    <message>
        <source>&amp;Ruler</source>
        <translation>&amp;Lineal</translation>
    </message>
    <message>
        <source>Ray &amp;Movement</source>
        <translation>Strahl&amp;bewegung</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Nächste</translation>
    </message>
    <message>
        <source>Re&amp;turn</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Find the Angle:</source>
        <translation>Miss den Winkel:</translation>
    </message>
    <message>
        <source>From the Normal</source>
        <translation>Zum Lot</translation>
    </message>
    <message>
        <source>Between Two Lines</source>
        <translation>Zwischen Geraden</translation>
    </message>
    <message>
        <source>The angle is</source>
        <translation>Der Winkel ist</translation>
    </message>
    <message>
        <source>Measure length between:</source>
        <translation>Miss die Länge zwischen:</translation>
    </message>
    <message>
        <source> &amp;2 Points</source>
        <translation> &amp;2 Punkten</translation>
    </message>
    <message>
        <source> &amp;Wavefronts</source>
        <translation> &amp;Wellenfronten</translation>
    </message>
    <message>
        <source> Point and &amp;Line</source>
        <translation> Punkt, &amp;Gerade</translation>
    </message>
    <message>
        <source>Length is: 0</source>
        <translation>Länge: 0</translation>
    </message>
    <message>
        <source>Drag the four handles to discover each function. Move the handles to reposition the ray.</source>
        <translation>Zieh an den vier Griffen, um ihre Wirkung zu entdecken. Mit den Griffen verschiebst du den Strahl.</translation>
    </message>
    <message>
        <source>Protractor practice: measure the angle from the normal</source>
        <translation>Übung mit dem Winkelmesser: Miss den Winkel zum Lot</translation>
    </message>
    <message>
        <source>Protractor practice: measure the angle between two lines</source>
        <translation>Übung mit dem Winkelmesser: Miss den Winkel zwischen zwei Geraden</translation>
    </message>
    <message>
        <source>Ruler practice: measure the length between the two points</source>
        <translation>Übung mit dem Lineal: Miss den Abstand der zwei Punkte</translation>
    </message>
    <message>
        <source>Ruler practice: measure the length between the wavefronts</source>
        <translation>Übung mit dem Lineal: Miss den Abstand der Wellenfronten</translation>
    </message>
    <message>
        <source>Ruler practice: measure the length from the point to the line</source>
        <translation>Übung mit dem Lineal: Miss den Abstand des Punktes von der Geraden</translation>
    </message>
    <message>
        <source>Ray movement practice: a ray with four handles to drag</source>
        <translation>Übung zur Strahlbewegung: ein Strahl mit vier Griffen zum Ziehen</translation>
    </message>
</context>
<context>
    <name>wave::TRecord</name>
    <message>
        <source>Record Animation</source>
        <translation>Animation aufzeichnen</translation>
    </message>
    <message>
        <source>&amp;One period</source>
        <translation>Eine &amp;Periode</translation>
    </message>
    <message>
        <source>&amp;Seconds:</source>
        <translation>&amp;Sekunden:</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>The GIF keeps every colour of the picture.</source>
        <translation>Das GIF behält jede Farbe des Bildes.</translation>
    </message>
    <message>
        <source>The picture has more than 256 colours (the intensity band or the detail map). In the GIF each colour&apos;s red, green and blue are rounded to %1 levels, so greys and shades come in steps; PNG frames keep every colour.</source>
        <translation>Das Bild hat mehr als 256 Farben (der Intensitätsstreifen oder die Detailkarte). Im GIF werden Rot, Grün und Blau jeder Farbe auf %1 Stufen gerundet, sodass Grautöne und Schattierungen in Stufen erscheinen; PNG-Bilder behalten jede Farbe.</translation>
    </message>
    <message>
        <source>Frame &amp;interval:</source>
        <translation>Bild&amp;abstand:</translation>
    </message>
    <message>
        <source>Record...</source>
        <translation>Aufzeichnen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 frames, %2 s</source>
        <translation>%1 Bilder, %2 s</translation>
    </message>
    <message>
        <source>
This picture never comes back exactly: record it in seconds.</source>
        <translation>
Dieses Bild kehrt nie genau wieder: Zeichne es in Sekunden auf.</translation>
    </message>
    <message>
        <source>
One period is %1 frames, more than a recording takes (%2): record it in seconds.</source>
        <translation>
Eine Periode hat %1 Bilder, mehr als eine Aufzeichnung fasst (%2): Zeichne sie in Sekunden auf.</translation>
    </message>
    <message>
        <source>, a loop without a jump</source>
        <translation>, eine Schleife ohne Sprung</translation>
    </message>
    <message>
        <source>Animated GIF</source>
        <translation>Animiertes GIF</translation>
    </message>
    <message>
        <source>PNG frames in a new folder</source>
        <translation>PNG-Bilder in einem neuen Ordner</translation>
    </message>
    <message>
        <source>Recording %1 frames into %2...</source>
        <translation>%1 Bilder werden in %2 aufgezeichnet...</translation>
    </message>
    <message>
        <source>The recording was cancelled. Nothing was saved.</source>
        <translation>Die Aufzeichnung wurde abgebrochen. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>The water&apos;s shades under the construction come to more than 256 colours as it moves. In the GIF each frame&apos;s colours are then rounded to fewer levels of red, green and blue, so shades come in steps; PNG frames keep every colour.</source>
        <translation>Die Schattierungen des Wassers unter der Konstruktion ergeben, sobald es sich bewegt, mehr als 256 Farben. Im GIF werden die Farben jedes Bildes dann auf weniger Stufen von Rot, Grün und Blau gerundet, sodass Schattierungen in Stufen erscheinen; PNG-Bilder behalten jede Farbe.</translation>
    </message>
</context>
<context>
    <name>wave::TWhoami</name>
    <message>
        <source>I am ....</source>
        <translation>Ich bin ...</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Name will appear on printout</source>
        <translation>Der Name steht auf dem Ausdruck</translation>
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
        <translation>Daten laden</translation>
    </message>
    <message>
        <source>No Data loaded!  Try again!</source>
        <translation>Keine Daten geladen! Versuch es noch einmal!</translation>
    </message>
    <message>
        <source>A comment line may not read &quot;Start Data&quot;: that line starts the data in the file.
Please change it.</source>
        <translation>Eine Kommentarzeile darf nicht „Start Data“ lauten: Diese Zeile leitet die Daten in der Datei ein.
Bitte ändern Sie sie.</translation>
    </message>
    <message>
        <source>Save Experiment</source>
        <translation>Experiment speichern</translation>
    </message>
    <message>
        <source>Light Interference</source>
        <translation>Lichtinterferenz</translation>
    </message>
    <message>
        <source>centimetres</source>
        <translation>Zentimeter</translation>
    </message>
    <message>
        <source>micrometres</source>
        <translation>Mikrometer</translation>
    </message>
    <message>
        <source>nanometres</source>
        <translation>Nanometer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save Experiment</source>
        <translation>Experiment &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>E&amp;xport Picture...</source>
        <translation>Bild e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Export &amp;Data...</source>
        <translation>D&amp;aten exportieren...</translation>
    </message>
    <message>
        <source>Ex&amp;it</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source> &amp;Single Slit</source>
        <translation> &amp;Einzelspalt</translation>
    </message>
    <message>
        <source> &amp;Double Slit</source>
        <translation> D&amp;oppelspalt</translation>
    </message>
    <message>
        <source> Black and &amp;white</source>
        <translation> &amp;Schwarz-weiß</translation>
    </message>
    <message>
        <source> &amp;Measure</source>
        <translation> &amp;Messen</translation>
    </message>
    <message>
        <source>Length: 0.00 mm</source>
        <translation>Länge: 0,00 mm</translation>
    </message>
    <message>
        <source>Experiment #</source>
        <translation>Experiment Nr.</translation>
    </message>
    <message>
        <source>No Experiment</source>
        <translation>Keines</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Save Options</source>
        <translation>Speicheroptionen</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Alles zeigen</translation>
    </message>
    <message>
        <source>Hide Screen distance</source>
        <translation>Schirmabstand verbergen</translation>
    </message>
    <message>
        <source>Hide Slit Separation</source>
        <translation>Spaltabstand verbergen</translation>
    </message>
    <message>
        <source>Hide Wavelength</source>
        <translation>Wellenlänge verbergen</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>S&amp;peichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Slit width</source>
        <translation>Spaltbreite</translation>
    </message>
    <message>
        <source>Slit separation</source>
        <translation>Spaltabstand</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>interference</source>
        <translation>Interferenz</translation>
    </message>
</context>
<context>
    <name>wave::WaveView</name>
    <message>
        <source>Wave view</source>
        <translation>Wellenbild</translation>
    </message>
    <message>
        <source>Position of the intensity band</source>
        <translation>Lage des Intensitätsstreifens</translation>
    </message>
</context>
</TS>
