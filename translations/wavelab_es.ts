<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>%1
Version %2

A teaching program for wave physics.

Free software under the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with no warranty.</source>
        <translation>%1
Versión %2

Un programa didáctico de física de ondas.

Software libre bajo la Licencia Pública General de GNU, versión 3 o (a su elección) cualquier versión posterior (GPL-3.0-or-later). Se ofrece sin ninguna garantía.</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ExperimentFile</name>
    <message>
        <source>File not found</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Ruta no encontrada</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Acceso al archivo denegado</translation>
    </message>
    <message>
        <source>Disk read error</source>
        <translation>Error de lectura</translation>
    </message>
    <message>
        <source>Disk write error</source>
        <translation>Error de escritura</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>Número no válido</translation>
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
        <translation>Exportar imagen</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Exportar datos</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>Imagen PNG</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>Dibujo SVG</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Documento PDF</translation>
    </message>
    <message>
        <source>%1 ends in &quot;.%2&quot;, a kind of file this program does not write.
Please choose a name ending in .png, .svg or .pdf. Nothing was saved.</source>
        <translation>%1 termina en «.%2», un tipo de archivo que este programa no escribe.
Elija un nombre que termine en .png, .svg o .pdf. No se ha guardado nada.</translation>
    </message>
    <message>
        <source>Comma-separated values</source>
        <translation>Valores separados por comas</translation>
    </message>
</context>
<context>
    <name>FieldRenderer</name>
    <message>
        <source>One source</source>
        <translation>Una fuente</translation>
    </message>
    <message>
        <source>Two sources %1 pixels apart</source>
        <translation>Dos fuentes separadas %1 píxeles</translation>
    </message>
    <message>
        <source>Three sources %1 pixels apart</source>
        <translation>Tres fuentes separadas %1 píxeles</translation>
    </message>
    <message>
        <source>, wavelength %1</source>
        <translation>, longitud de onda %1</translation>
    </message>
    <message>
        <source>, wavelengths %1 and %2</source>
        <translation>, longitudes de onda %1 y %2</translation>
    </message>
    <message>
        <source>, crests solid, troughs dotted in %1</source>
        <translation>, crestas continuas, valles punteados en %1</translation>
    </message>
    <message>
        <source>, crests solid, troughs dotted</source>
        <translation>, crestas continuas, valles punteados</translation>
    </message>
    <message>
        <source>, with the perpendicular bisector</source>
        <translation>, con la mediatriz</translation>
    </message>
    <message>
        <source>, with the distances from the sources to the measure point</source>
        <translation>, con las distancias de las fuentes al punto de medida</translation>
    </message>
    <message>
        <source>, phase shift %1 degrees</source>
        <translation>, desfase %1 grados</translation>
    </message>
    <message>
        <source>, amplitude %1</source>
        <translation>, amplitud %1</translation>
    </message>
    <message>
        <source>, amplitudes %1 and %2</source>
        <translation>, amplitudes %1 y %2</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>La carpeta «%1» no existe.</translation>
    </message>
    <message>
        <source>%1
File not found.
Check the file name.</source>
        <translation>%1
Archivo no encontrado.
Compruebe el nombre del archivo.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>The name of the language of the translation, in that language: &quot;Deutsch&quot; in German.</extracomment>
        <translation>Español</translation>
    </message>
</context>
<context>
    <name>LightPattern</name>
    <message>
        <source>Screen distance: %1 cm</source>
        <translation>Pantalla a %1 cm</translation>
    </message>
    <message>
        <source>Slit Width: %1 µm</source>
        <translation>Ancho de rendija: %1 µm</translation>
    </message>
    <message>
        <source>Slit Separation: %1 µm</source>
        <translation>Separación de rendijas: %1 µm</translation>
    </message>
    <message>
        <source>Lambda: %1 nm</source>
        <translation>Lambda: %1 nm</translation>
    </message>
    <message>
        <source>Single slit pattern on a screen %1 cm away, slit width %2 µm, light of %3 nm, %4</source>
        <translation>Patrón de rendija simple en una pantalla a %1 cm, ancho de rendija %2 µm, luz de %3 nm, %4</translation>
    </message>
    <message>
        <source>Double slit pattern on a screen %1 cm away, slit separation %2 µm, light of %3 nm, %4</source>
        <translation>Patrón de doble rendija en una pantalla a %1 cm, separación de rendijas %2 µm, luz de %3 nm, %4</translation>
    </message>
    <message>
        <source>in black and white</source>
        <translation>en blanco y negro</translation>
    </message>
    <message>
        <source>in its colour</source>
        <translation>en su color</translation>
    </message>
</context>
<context>
    <name>Measurement</name>
    <message>
        <source>From Left Point: %1</source>
        <translation>Desde fuente izq.: %1</translation>
    </message>
    <message>
        <source>From Right Point: %1</source>
        <translation>Desde fuente der.: %1</translation>
    </message>
    <message>
        <source>Path Difference: %1</source>
        <translation>Dif. de camino: %1</translation>
    </message>
    <message>
        <source>Width from CL: %1</source>
        <translation>Distancia a LC: %1</translation>
    </message>
    <message>
        <source>Along CL: %1</source>
        <translation>Sobre LC: %1</translation>
    </message>
    <message>
        <source>Bisector Angle: %1</source>
        <translation>Ángulo con LC: %1</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Printed by: %1</source>
        <translation>Impreso por: %1</translation>
    </message>
</context>
<context>
    <name>Palette</name>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>naranja</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
</context>
<context>
    <name>PatternMeasure</name>
    <message>
        <source>Length: %1 mm</source>
        <translation>Longitud: %1 mm</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>The file %1 could not be created</source>
        <translation>No se pudo crear el archivo %1</translation>
    </message>
    <message>
        <source>The file %1 could not be written</source>
        <translation>No se pudo escribir el archivo %1</translation>
    </message>
    <message>
        <source>
Nothing was saved; a file of that name is left as it was.</source>
        <translation>
No se ha guardado nada; un archivo con ese nombre queda como estaba.</translation>
    </message>
</context>
<context>
    <name>Pointer</name>
    <message>
        <source>Length = %1</source>
        <translation>Longitud = %1</translation>
    </message>
    <message>
        <source>Distance: %1</source>
        <translation>Distancia: %1</translation>
    </message>
    <message>
        <source>Angle is %1°</source>
        <translation>Ángulo: %1°</translation>
    </message>
    <message>
        <source>Angle = %1°</source>
        <translation>Ángulo = %1°</translation>
    </message>
</context>
<context>
    <name>Practice</name>
    <message>
        <source>Right!
But can you get the answer
a little closer?</source>
        <translation>¡Correcto!
Pero ¿puedes acercarte
un poco más?</translation>
    </message>
    <message>
        <source>Right!
Well Done!</source>
        <translation>¡Correcto!
¡Muy bien!</translation>
    </message>
    <message>
        <source>Oops!
Try again!</source>
        <translation>¡Uy!
¡Inténtalo de nuevo!</translation>
    </message>
    <message>
        <source>Right!
Well done!</source>
        <translation>¡Correcto!
¡Muy bien!</translation>
    </message>
    <message>
        <source>Adjust to move entire structure.</source>
        <translation>Mueve todo el conjunto.</translation>
    </message>
    <message>
        <source>Adjust the ray´s position preserving the angle.</source>
        <translation>Mueve el rayo sin cambiar el ángulo.</translation>
    </message>
    <message>
        <source>Adjust the point where the ray hits the interface.</source>
        <translation>Mueve el punto donde el rayo llega a la superficie de separación.</translation>
    </message>
    <message>
        <source>Adjust the ray´s angle of incidence.</source>
        <translation>Cambia el ángulo de incidencia del rayo.</translation>
    </message>
    <message>
        <source>Distance: %1</source>
        <translation>Distancia: %1</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>the file &quot;%1&quot;</source>
        <translation>el archivo «%1»</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot;</source>
        <translation>la impresora «%1»</translation>
    </message>
    <message>
        <source>it is not accepting jobs</source>
        <translation>no acepta trabajos</translation>
    </message>
    <message>
        <source>No printer is available.
Install a printer, or choose one with &quot;Print Setup&quot; in the &quot;Edit&quot; menu, and print again.</source>
        <translation>No hay ninguna impresora disponible.
Instale una impresora o elija una con «Configurar impresión» en el menú «Edición» e imprima de nuevo.</translation>
    </message>
    <message>
        <source>The print service does not take jobs for %1: %2.
Let the printer accept jobs again, or choose another with &quot;Print Setup&quot;, and print again.</source>
        <translation>El servicio de impresión no acepta trabajos para %1: %2.
Haga que la impresora vuelva a aceptar trabajos o elija otra con «Configurar impresión» e imprima de nuevo.</translation>
    </message>
    <message>
        <source>The print job could not start on %1.
Check that the printer is switched on and ready, or choose another with &quot;Print Setup&quot;, and print again.</source>
        <translation>El trabajo de impresión no pudo empezar en %1.
Compruebe que la impresora está encendida y lista, o elija otra con «Configurar impresión» e imprima de nuevo.</translation>
    </message>
    <message>
        <source>The page could not be printed on %1.
Check the printer, or choose another with &quot;Print Setup&quot;, and print again.</source>
        <translation>No se pudo imprimir la página en %1.
Compruebe la impresora o elija otra con «Configurar impresión» e imprima de nuevo.</translation>
    </message>
    <message>
        <source>The print service refused the page for %1: %2.
Check the printer, or choose another with &quot;Print Setup&quot;, and print again.</source>
        <translation>El servicio de impresión rechazó la página para %1: %2.
Compruebe la impresora o elija otra con «Configurar impresión» e imprima de nuevo.</translation>
    </message>
</context>
<context>
    <name>ProgramStarter</name>
    <message>
        <source>The program %1 was not found.</source>
        <translation>No se encontró el programa %1.</translation>
    </message>
    <message>
        <source>The program %1 could not be started.</source>
        <translation>No se pudo iniciar el programa %1.</translation>
    </message>
</context>
<context>
    <name>Readers</name>
    <message>
        <source>Number of sources</source>
        <translation>Número de fuentes</translation>
    </message>
    <message>
        <source>Point separation of the wavelets</source>
        <translation>Separación de los centros de las ondas secundarias</translation>
    </message>
    <message>
        <source>Wave speed of the wavelets</source>
        <translation>Velocidad de las ondas secundarias</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Período</translation>
    </message>
    <message>
        <source>Number of waves</source>
        <translation>Número de ondas</translation>
    </message>
    <message>
        <source>Sequential speed</source>
        <translation>Velocidad de la excitación sucesiva</translation>
    </message>
    <message>
        <source>Time set of the wavelets</source>
        <translation>Instante de las ondas secundarias</translation>
    </message>
    <message>
        <source>Wave speed of the incoming wave</source>
        <translation>Velocidad de la onda incidente</translation>
    </message>
    <message>
        <source>Wavelength of the incoming wave</source>
        <translation>Longitud de onda de la onda incidente</translation>
    </message>
    <message>
        <source>Number of fronts</source>
        <translation>Número de frentes de onda</translation>
    </message>
    <message>
        <source>Angle of the incoming wave</source>
        <translation>Ángulo de la onda incidente</translation>
    </message>
    <message>
        <source>Refracted wave speed</source>
        <translation>Velocidad de la onda refractada</translation>
    </message>
    <message>
        <source>Time set of the wavefronts</source>
        <translation>Instante de los frentes de onda</translation>
    </message>
    <message>
        <source>Point separation of the boundary</source>
        <translation>Separación de los puntos de la superficie de separación</translation>
    </message>
    <message>
        <source>Wavelength of source 1</source>
        <translation>Longitud de onda de la fuente 1</translation>
    </message>
    <message>
        <source>Wavelength of source 2</source>
        <translation>Longitud de onda de la fuente 2</translation>
    </message>
    <message>
        <source>Wavelength of source 3</source>
        <translation>Longitud de onda de la fuente 3</translation>
    </message>
    <message>
        <source>Amplitude of source 1</source>
        <translation>Amplitud de la fuente 1</translation>
    </message>
    <message>
        <source>Amplitude of source 2</source>
        <translation>Amplitud de la fuente 2</translation>
    </message>
    <message>
        <source>Amplitude of source 3</source>
        <translation>Amplitud de la fuente 3</translation>
    </message>
    <message>
        <source>Phase shift</source>
        <translation>Desfase</translation>
    </message>
    <message>
        <source>Factor of wavelength</source>
        <translation>Múltiplo de la longitud de onda</translation>
    </message>
    <message>
        <source>Source separation</source>
        <translation>Separación de las fuentes</translation>
    </message>
    <message>
        <source>Time factor</source>
        <translation>Factor de tiempo</translation>
    </message>
    <message>
        <source>Practice picture</source>
        <translation>Imagen de práctica</translation>
    </message>
    <message>
        <source> degrees</source>
        <translation> grados</translation>
    </message>
    <message>
        <source>; keyboard point at x %1, y %2</source>
        <translation>; punto del teclado en x %1, y %2</translation>
    </message>
    <message>
        <source>Speed %1 of %2: the %3 move on every %4 milliseconds</source>
        <translation>Velocidad %1 de %2: los %3 avanzan cada %4 milisegundos</translation>
    </message>
    <message>
        <source>Screen distance</source>
        <translation>Distancia a la pantalla</translation>
    </message>
    <message>
        <source>Slit width</source>
        <translation>Ancho de rendija</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Longitud de onda</translation>
    </message>
    <message>
        <source>Experiment</source>
        <translation>Experimento</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Light pattern</source>
        <translation>Patrón de luz</translation>
    </message>
    <message>
        <source>What the saved file shows</source>
        <translation>Lo que muestra el archivo guardado</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
</context>
<context>
    <name>Recording</name>
    <message>
        <source>A file or folder of that name exists</source>
        <translation>Ya existe un archivo o una carpeta con ese nombre</translation>
    </message>
    <message>
        <source>The folder %1 could not be made</source>
        <translation>No se pudo crear la carpeta %1</translation>
    </message>
    <message>
        <source>The frames could not be written into %1</source>
        <translation>No se pudieron escribir los fotogramas en %1</translation>
    </message>
    <message>
        <source>
Nothing was saved; no frames are left behind.</source>
        <translation>
No se ha guardado nada; no queda ningún fotograma.</translation>
    </message>
</context>
<context>
    <name>SetupControls</name>
    <message>
        <source>The setting &quot;%1&quot; is %2; it must be %3 from %4 to %5.</source>
        <translation>El ajuste «%1» es %2; debe ser %3 de %4 a %5.</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; is %2, outside its range %3 to %4.</source>
        <translation>El ajuste «%1» es %2, fuera de su rango %3 a %4.</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; is %2; it must be true or false.</source>
        <translation>El ajuste «%1» es %2; debe ser true o false.</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; is %2; it must be one of %3.</source>
        <translation>El ajuste «%1» es %2; debe ser uno de %3.</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>un número entero</translation>
    </message>
    <message>
        <source>a page number</source>
        <translation>un número de página</translation>
    </message>
    <message>
        <source>The settings &quot;%1&quot; and &quot;%2&quot; are both true; only one of the two can be.</source>
        <translation>Los ajustes «%1» y «%2» son ambos true; solo uno de los dos puede serlo.</translation>
    </message>
</context>
<context>
    <name>SetupFile</name>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>It is not a set-up file: its text is no valid JSON (%1 at character %2).</source>
        <translation>No es un archivo de montaje: su texto no es JSON válido (%1 en el carácter %2).</translation>
    </message>
    <message>
        <source>It is not a set-up file: it holds no JSON object.</source>
        <translation>No es un archivo de montaje: no contiene ningún objeto JSON.</translation>
    </message>
    <message>
        <source>It is not a set-up file: its &quot;format&quot; is %1, not &quot;%2&quot;.</source>
        <translation>No es un archivo de montaje: su «format» es %1, no «%2».</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>ausente</translation>
    </message>
    <message>
        <source>Its &quot;version&quot; is %1, not a whole number from 1 up.</source>
        <translation>Su «version» es %1, no un número entero a partir de 1.</translation>
    </message>
    <message>
        <source>It was written by a newer version of the program (set-up version %1); this one reads version %2.</source>
        <translation>Lo escribió una versión más reciente del programa (montaje de versión %1); esta lee la versión %2.</translation>
    </message>
    <message>
        <source>It is for the product %1, which this program does not have; it has &quot;%2&quot;, &quot;%3&quot; and &quot;%4&quot;.</source>
        <translation>Es para el producto %1, que este programa no tiene; tiene «%2», «%3» y «%4».</translation>
    </message>
    <message>
        <source>(none named)</source>
        <translation>(ninguno indicado)</translation>
    </message>
    <message>
        <source>Its &quot;%1&quot; is not a text.</source>
        <translation>Su «%1» no es un texto.</translation>
    </message>
    <message>
        <source>Its &quot;settings&quot; are not a JSON object of names and values.</source>
        <translation>Sus «settings» no son un objeto JSON de nombres y valores.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>The file does not exist (it may have been moved, renamed or deleted).</source>
        <translation>El archivo no existe (puede que se haya movido, renombrado o borrado).</translation>
    </message>
    <message>
        <source>It is not a plain file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>No se puede leer el archivo: %1.</translation>
    </message>
    <message>
        <source>The file is larger than 1 MiB; a set-up takes a few hundred bytes.</source>
        <translation>El archivo ocupa más de 1 MiB; un montaje ocupa unos cientos de bytes.</translation>
    </message>
</context>
<context>
    <name>SlitScene</name>
    <message>
        <source>Plane waves of wavelength %1 passing a slit %2 pixels wide and spreading beyond it</source>
        <translation>Ondas planas de longitud de onda %1 que atraviesan una rendija de %2 píxeles de ancho y se extienden tras ella</translation>
    </message>
</context>
<context>
    <name>SourceLogic</name>
    <message>
        <source>1st Point: %1</source>
        <translation>1.ª fuente: %1</translation>
    </message>
    <message>
        <source>2nd Point: %1</source>
        <translation>2.ª fuente: %1</translation>
    </message>
    <message>
        <source>3rd Point: %1</source>
        <translation>3.ª fuente: %1</translation>
    </message>
    <message>
        <source>Amplitude: %1</source>
        <translation>Amplitud: %1</translation>
    </message>
    <message>
        <source>Phase Shift: %1 Degrees</source>
        <translation>Desfase: %1 grados</translation>
    </message>
    <message>
        <source>Actual Separation: %1</source>
        <translation>Separación real: %1</translation>
    </message>
</context>
<context>
    <name>WaterSetUp</name>
    <message>
        <source>A wavelength of %1 pixels is shorter than the %2 pixels the water grid can carry.</source>
        <translation>Una longitud de onda de %1 píxeles es más corta que los %2 píxeles que admite la malla del agua.</translation>
    </message>
    <message>
        <source>A source at (%1, %2) lies outside the water.</source>
        <translation>Una fuente en (%1, %2) está fuera del agua.</translation>
    </message>
    <message>
        <source>A source at (%1, %2) lies inside a wall.</source>
        <translation>Una fuente en (%1, %2) está dentro de una pared.</translation>
    </message>
    <message>
        <source>A source at (%1, %2) lies in still water.</source>
        <translation>Una fuente en (%1, %2) está en agua quieta.</translation>
    </message>
    <message>
        <source>A tick needs at least one time step.</source>
        <translation>Un tic necesita al menos un paso de tiempo.</translation>
    </message>
    <message>
        <source>Every speed must be a finite number of pixels, not negative.</source>
        <translation>Cada velocidad debe ser un número finito de píxeles, no negativo.</translation>
    </message>
    <message>
        <source>Waves of %1 pixels a tick would run %2 cells a time step, past the %3 at which the water stays stable: take at least %4 steps a tick.</source>
        <translation>Ondas de %1 píxeles por tic recorrerían %2 celdas por paso de tiempo, más allá de las %3 con las que el agua es estable: use al menos %4 pasos por tic.</translation>
    </message>
    <message>
        <source>A plane wave&apos;s row %1 lies outside the water.</source>
        <translation>La fila %1 de una onda plana está fuera del agua.</translation>
    </message>
    <message>
        <source>A plane wave must leave its row upwards.</source>
        <translation>Una onda plana debe salir de su fila hacia arriba.</translation>
    </message>
    <message>
        <source>The water&apos;s grid has no cells.</source>
        <translation>La cuadrícula del agua no tiene celdas.</translation>
    </message>
</context>
<context>
    <name>Wavefront</name>
    <message>
        <source>%1 plane wavefront of wavelength %2 meeting a boundary at %3 degrees, </source>
        <translation>%1 frente de onda plano de longitud de onda %2 llega a una superficie de separación con %3 grados, </translation>
    </message>
    <message>
        <source>%1 plane wavefronts of wavelength %2 meeting a boundary at %3 degrees, </source>
        <translation>%1 frentes de onda planos de longitud de onda %2 llegan a una superficie de separación con %3 grados, </translation>
    </message>
    <message>
        <source>refracted from speed %1 to speed %2</source>
        <translation>refractados de la velocidad %1 a la velocidad %2</translation>
    </message>
    <message>
        <source>reflected at speed %1</source>
        <translation>reflejados a la velocidad %1</translation>
    </message>
    <message>
        <source>, with rays</source>
        <translation>, con rayos</translation>
    </message>
</context>
<context>
    <name>WaveletRow</name>
    <message>
        <source>A row of %1 wavelet sources %2 pixels apart, started %3, wave speed %4, period %5, up to %6 wavelets each</source>
        <translation>Una fila de %1 fuentes de ondas secundarias separadas %2 píxeles, excitadas %3, velocidad %4, período %5, hasta %6 ondas secundarias cada una</translation>
    </message>
    <message>
        <source>one after another at speed %1</source>
        <translation>una tras otra a la velocidad %1</translation>
    </message>
    <message>
        <source>together</source>
        <translation>a la vez</translation>
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
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Página de ayuda</translation>
    </message>
    <message>
        <source>Help - %1</source>
        <translation>Ayuda - %1</translation>
    </message>
</context>
<context>
    <name>wave::HuygensPages</name>
    <message>
        <source>Wave Speed: %1</source>
        <translation>Velocidad: %1</translation>
    </message>
    <message>
        <source>Wavelength: %1</source>
        <translation>Longitud de onda: %1</translation>
    </message>
    <message>
        <source>Refracted Wave Speed: %1</source>
        <translation>Vel. refractada: %1</translation>
    </message>
    <message>
        <source># of Fronts: %1</source>
        <translation>Frentes de onda: %1</translation>
    </message>
    <message>
        <source>Time step %1 of %2</source>
        <translation>Paso de tiempo %1 de %2</translation>
    </message>
    <message>
        <source>Period: %1 s</source>
        <translation>Período: %1 s</translation>
    </message>
    <message>
        <source>Angle: %1</source>
        <translation>Ángulo: %1</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>píxeles</translation>
    </message>
    <message>
        <source>fronts</source>
        <translation>frentes de onda</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>grados</translation>
    </message>
    <message>
        <source>Boundary points %1 pixels apart</source>
        <translation>Puntos de la superficie de separación a %1 píxeles</translation>
    </message>
    <message>
        <source>Number of Sources: 20</source>
        <translation>Número de fuentes: 20</translation>
    </message>
    <message>
        <source>Point Separation: 15</source>
        <translation>Separación: 15</translation>
    </message>
    <message>
        <source>Wave Speed: 10</source>
        <translation>Velocidad: 10</translation>
    </message>
    <message>
        <source>Number of Waves: 1</source>
        <translation>Número de ondas: 1</translation>
    </message>
    <message>
        <source>Sequential Speed: 30</source>
        <translation>Vel. sucesiva: 30</translation>
    </message>
    <message>
        <source>Time Set</source>
        <translation>Instante</translation>
    </message>
    <message>
        <source> &amp;Simultaneous</source>
        <translation> Si&amp;multáneo</translation>
    </message>
    <message>
        <source> Se&amp;quential</source>
        <translation> Se&amp;cuencial</translation>
    </message>
    <message>
        <source> Animate Wave</source>
        <translation> Animar onda</translation>
    </message>
    <message>
        <source>S&amp;tart Wave</source>
        <translation>&amp;Iniciar onda</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Reiniciar</translation>
    </message>
    <message>
        <source>Measure</source>
        <translation>Medir</translation>
    </message>
    <message>
        <source> Distance</source>
        <translation> Distancia</translation>
    </message>
    <message>
        <source>Distance: 0.0</source>
        <translation>Distancia: 0,0</translation>
    </message>
    <message>
        <source>Incoming Wave</source>
        <translation>Onda incidente</translation>
    </message>
    <message>
        <source>Wave Speed: 15</source>
        <translation>Velocidad: 15</translation>
    </message>
    <message>
        <source>Wavelength: 50</source>
        <translation>Longitud de onda: 50</translation>
    </message>
    <message>
        <source># of Fronts: 1</source>
        <translation>Frentes de onda: 1</translation>
    </message>
    <message>
        <source>Refracted Wave Speed: 10</source>
        <translation>Vel. refractada: 10</translation>
    </message>
    <message>
        <source>Point Separation</source>
        <translation>Separación de puntos</translation>
    </message>
    <message>
        <source> Refraction</source>
        <translation> Refracción</translation>
    </message>
    <message>
        <source> Reflection</source>
        <translation> Reflexión</translation>
    </message>
    <message>
        <source> Show Ra&amp;ys</source>
        <translation> Ra&amp;yos</translation>
    </message>
    <message>
        <source> &amp;Measure</source>
        <translation> &amp;Medir</translation>
    </message>
    <message>
        <source> Animate</source>
        <translation> Animar</translation>
    </message>
    <message>
        <source>&amp;Start Wave</source>
        <translation>&amp;Iniciar onda</translation>
    </message>
    <message>
        <source>Wavefront Measurements</source>
        <translation>Medidas de frentes de onda</translation>
    </message>
    <message>
        <source> Angle</source>
        <translation> Ángulo</translation>
    </message>
    <message>
        <source> Length</source>
        <translation> Longitud</translation>
    </message>
    <message>
        <source>Angle = 0</source>
        <translation>Ángulo = 0</translation>
    </message>
    <message>
        <source>Number of Sources: %1</source>
        <translation>Número de fuentes: %1</translation>
    </message>
    <message>
        <source>sources</source>
        <translation>fuentes</translation>
    </message>
    <message>
        <source>Point Separation: %1</source>
        <translation>Separación: %1</translation>
    </message>
    <message>
        <source>Sequential Speed: %1</source>
        <translation>Vel. sucesiva: %1</translation>
    </message>
    <message>
        <source>Number of Waves: %1</source>
        <translation>Número de ondas: %1</translation>
    </message>
    <message>
        <source>waves</source>
        <translation>ondas</translation>
    </message>
    <message>
        <source>S&amp;top Wave</source>
        <translation>De&amp;tener onda</translation>
    </message>
    <message>
        <source>&amp;Wave Front Refraction</source>
        <translation>Refracción de frentes de &amp;onda</translation>
    </message>
    <message>
        <source>&amp;Wave Front Reflection</source>
        <translation>Reflexión de frentes de &amp;onda</translation>
    </message>
    <message>
        <source>&amp;Stop Wave</source>
        <translation>De&amp;tener onda</translation>
    </message>
    <message>
        <source>Length = 0.0</source>
        <translation>Longitud = 0,0</translation>
    </message>
    <message>
        <source>Huygens´ Principle</source>
        <translation>Principio de Huygens</translation>
    </message>
</context>
<context>
    <name>wave::InterferencePanel</name>
    <message>
        <source>S&amp;top Waves</source>
        <translation>De&amp;tener ondas</translation>
    </message>
    <message>
        <source>S&amp;tart Waves</source>
        <translation>&amp;Iniciar ondas</translation>
    </message>
    <message>
        <source>Node Path</source>
        <translation>Líneas nodales</translation>
    </message>
    <message>
        <source>&amp;Wavelengths</source>
        <translation>Longitudes de &amp;onda</translation>
    </message>
    <message>
        <source>&amp;Source Separation</source>
        <translation>Separación de &amp;fuentes</translation>
    </message>
    <message>
        <source>&amp;Animation Controls</source>
        <translation>A&amp;nimación</translation>
    </message>
    <message>
        <source>&amp;Measurements</source>
        <translation>&amp;Mediciones</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>píxeles</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>grados</translation>
    </message>
    <message>
        <source>waves</source>
        <translation>ondas</translation>
    </message>
    <message>
        <source>Point Source Wavelengths</source>
        <translation>Longitudes de onda de las fuentes</translation>
    </message>
    <message>
        <source>1st Point: 30</source>
        <translation>1.ª fuente: 30</translation>
    </message>
    <message>
        <source>2nd Point: 30</source>
        <translation>2.ª fuente: 30</translation>
    </message>
    <message>
        <source>3rd Point: 30</source>
        <translation>3.ª fuente: 30</translation>
    </message>
    <message>
        <source>Amplitude: 10</source>
        <translation>Amplitud: 10</translation>
    </message>
    <message>
        <source>Phase Shift: 0 Degrees</source>
        <translation>Desfase: 0 grados</translation>
    </message>
    <message>
        <source> Unmatched Wavelengths</source>
        <translation> Longitudes distintas</translation>
    </message>
    <message>
        <source> Matched Wavelengths</source>
        <translation> Longitudes iguales</translation>
    </message>
    <message>
        <source>Number of Sources</source>
        <translation>Número de fuentes</translation>
    </message>
    <message>
        <source>Point Source Separation</source>
        <translation>Separación de las fuentes puntuales</translation>
    </message>
    <message>
        <source>Factor of Wavelength</source>
        <translation>Múltiplo de λ</translation>
    </message>
    <message>
        <source>Actual Separation: 30</source>
        <translation>Separación real: 30</translation>
    </message>
    <message>
        <source>&amp;Print Full Page</source>
        <translation>Página &amp;completa</translation>
    </message>
    <message>
        <source>Intensity Band Properties</source>
        <translation>Banda de intensidad</translation>
    </message>
    <message>
        <source> Show Instantaneous Amplitude</source>
        <translation> Amplitud instantánea</translation>
    </message>
    <message>
        <source> Show Average Amplitude</source>
        <translation> Amplitud media</translation>
    </message>
    <message>
        <source> High Detail</source>
        <translation> Alta resolución</translation>
    </message>
    <message>
        <source> Black and White</source>
        <translation> Blanco y negro</translation>
    </message>
    <message>
        <source>Time Factor</source>
        <translation>Factor de tiempo</translation>
    </message>
    <message>
        <source>Animate Waves</source>
        <translation>Animar ondas</translation>
    </message>
    <message>
        <source>Color Waves</source>
        <translation>Ondas en color</translation>
    </message>
    <message>
        <source>&amp;Light Interference</source>
        <translation>Interferencia de &amp;luz</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source> Measure Point Source Distances</source>
        <translation> Medir distancias a las fuentes</translation>
    </message>
    <message>
        <source> Show Perpendicular Bisector</source>
        <translation> Mostrar la mediatriz</translation>
    </message>
    <message>
        <source>On Intensity Band</source>
        <translation>Sobre la banda de intensidad</translation>
    </message>
    <message>
        <source> Anywhere</source>
        <translation> En cualquier lugar</translation>
    </message>
    <message>
        <source>Distances</source>
        <translation>Distancias</translation>
    </message>
    <message>
        <source>Point Source</source>
        <translation>Fuente puntual</translation>
    </message>
    <message>
        <source>Center Line (CL)</source>
        <translation>Línea central (LC)</translation>
    </message>
    <message>
        <source>From Left Point: 0</source>
        <translation>Desde fuente izq.: 0</translation>
    </message>
    <message>
        <source>From Right Point: 0</source>
        <translation>Desde fuente der.: 0</translation>
    </message>
    <message>
        <source>Path Difference: 0</source>
        <translation>Dif. de camino: 0</translation>
    </message>
    <message>
        <source>Width from CL: 0</source>
        <translation>Distancia a LC: 0</translation>
    </message>
    <message>
        <source>Along CL: 0</source>
        <translation>Sobre LC: 0</translation>
    </message>
    <message>
        <source>Bisector Angle: 0</source>
        <translation>Ángulo con LC: 0</translation>
    </message>
    <message>
        <source>Note: Use Only with 2 Point Sources</source>
        <translation>Nota: solo con 2 fuentes puntuales</translation>
    </message>
    <message>
        <source>Unmatched is checked</source>
        <translation>«Longitudes distintas» está marcado</translation>
    </message>
    <message>
        <source>The average strip goes on adding up as on the screen, so it may change a little from the last frame to the first.</source>
        <translation>La banda media sigue sumando como en la pantalla, así que puede cambiar un poco del último fotograma al primero.</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Fórmula</translation>
    </message>
    <message>
        <source>Simulated</source>
        <translation>Simulada</translation>
    </message>
</context>
<context>
    <name>wave::SlitPanel</name>
    <message>
        <source>Wavelength: %1</source>
        <translation>Longitud de onda: %1</translation>
    </message>
    <message>
        <source>Slit Width: %1</source>
        <translation>Ancho de rendija: %1</translation>
    </message>
    <message>
        <source>Single Slit</source>
        <translation>Rendija simple</translation>
    </message>
    <message>
        <source>Wavelength: 10</source>
        <translation>Longitud de onda: 10</translation>
    </message>
    <message>
        <source>Slit Width: 20</source>
        <translation>Ancho de rendija: 20</translation>
    </message>
    <message>
        <source>Time  Factor</source>
        <translation>Factor de tiempo</translation>
    </message>
    <message>
        <source>Animate Wave Fronts</source>
        <translation>Animar frentes de onda</translation>
    </message>
    <message>
        <source>&amp;Start Wave</source>
        <translation>&amp;Iniciar onda</translation>
    </message>
    <message>
        <source>Measure</source>
        <translation>Medir</translation>
    </message>
    <message>
        <source> Measure Angle</source>
        <translation> Medir ángulo</translation>
    </message>
    <message>
        <source>Angle is 0.0°</source>
        <translation>Ángulo: 0,0°</translation>
    </message>
    <message>
        <source>&amp;Light Diffraction</source>
        <translation>&amp;Difracción de luz</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>píxeles</translation>
    </message>
    <message>
        <source>fronts</source>
        <translation>frentes de onda</translation>
    </message>
    <message>
        <source>&amp;Stop Wave</source>
        <translation>De&amp;tener onda</translation>
    </message>
</context>
<context>
    <name>wave::TInterference</name>
    <message>
        <source>Interference</source>
        <translation>Interferencia</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>&amp;Large Display (%1 x)</source>
        <translation>Pantalla &amp;grande (%1 x)</translation>
    </message>
    <message>
        <source>&amp;Large Display</source>
        <translation>Pantalla &amp;grande</translation>
    </message>
    <message>
        <source>&amp;Large Display (%1 x from the next start)</source>
        <translation>Pantalla &amp;grande (%1 x desde el próximo inicio)</translation>
    </message>
    <message>
        <source>&amp;Large Display (off from the next start)</source>
        <translation>Pantalla &amp;grande (desactivada desde el próximo inicio)</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>&amp;Pantalla</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamaño real</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Colores</translation>
    </message>
    <message>
        <source>&amp;Standard</source>
        <translation>&amp;Estándar</translation>
    </message>
    <message>
        <source>Colour-&amp;blind Safe</source>
        <translation>Apto para &amp;daltónicos</translation>
    </message>
    <message>
        <source>&amp;Dark Room</source>
        <translation>Sala &amp;oscura</translation>
    </message>
    <message>
        <source>&amp;Large Display (no room on this screen: zoom instead)</source>
        <translation>Pantalla &amp;grande (no cabe en esta pantalla: amplíe en su lugar)</translation>
    </message>
    <message>
        <source>E&amp;xport Picture...</source>
        <translation>E&amp;xportar imagen...</translation>
    </message>
    <message>
        <source>Export &amp;Data...</source>
        <translation>Exportar &amp;datos...</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Exportar datos</translation>
    </message>
    <message>
        <source>There is no intensity band to export.
Switch on &quot; Show Instantaneous Amplitude&quot; or &quot; Show Average Amplitude&quot; on the &quot;Animation Controls&quot; page first.</source>
        <translation>No hay ninguna banda de intensidad que exportar.
Active primero «Amplitud instantánea» o «Amplitud media» en la página «Animación».</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Sistema</translation>
    </message>
    <message>
        <source>Huygens&apos; Principle</source>
        <translation>Principio de Huygens</translation>
    </message>
    <message>
        <source>&amp;Wavefront Interactions</source>
        <translation>Frentes de &amp;onda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configurar impresión</translation>
    </message>
    <message>
        <source>Enable Copy Select</source>
        <translation>Activar selección para copiar</translation>
    </message>
    <message>
        <source>&amp;User Name</source>
        <translation>Nombre de &amp;usuario</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Experiments</source>
        <translation>&amp;Experimentos</translation>
    </message>
    <message>
        <source>&amp;Two Point Interference</source>
        <translation>Interferencia de &amp;dos fuentes</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Measurement Practice</source>
        <translation>Práctica de &amp;medición</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Open Set-up</source>
        <translation>Abrir montaje</translation>
    </message>
    <message>
        <source>Save Set-up</source>
        <translation>Guardar montaje</translation>
    </message>
    <message>
        <source>Wave set-ups</source>
        <translation>Montajes de ondas</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Set-up</source>
        <translation>&amp;Nuevo montaje</translation>
    </message>
    <message>
        <source>&amp;Open Set-up...</source>
        <translation>&amp;Abrir montaje...</translation>
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
        <source>&amp;Clear List</source>
        <translation>&amp;Borrar lista</translation>
    </message>
    <message>
        <source>&amp;Save Set-up...</source>
        <translation>&amp;Guardar montaje...</translation>
    </message>
    <message>
        <source>Save Set-up &amp;As...</source>
        <translation>Guardar montaje &amp;como...</translation>
    </message>
    <message>
        <source>The set-up %1 could not be opened.
%2
Nothing was changed.</source>
        <translation>No se pudo abrir el montaje %1.
%2
No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The set-up %1 is for %2, and %2 could not be started.
%3</source>
        <translation>El montaje %1 es para %2, y no se pudo iniciar %2.
%3</translation>
    </message>
    <message>
        <source>The set-up %1 is for %2. It opens in a new %2 window; this window stays as it is.</source>
        <translation>El montaje %1 es para %2. Se abre en una nueva ventana de %2; esta ventana queda como está.</translation>
    </message>
    <message>
        <source>The set-up %1 was opened, but %2 has no setting of these names, so they were ignored:
%3</source>
        <translation>Se abrió el montaje %1, pero %2 no tiene ajustes con estos nombres; se han ignorado:
%3</translation>
    </message>
    <message>
        <source>Record &amp;Animation...</source>
        <translation>Grabar &amp;animación...</translation>
    </message>
    <message>
        <source>Lan&amp;guage</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Lan&amp;guage (changed from the next start)</source>
        <translation>&amp;Idioma (cambia desde el próximo inicio)</translation>
    </message>
    <message>
        <source>&amp;Simulated Water</source>
        <translation>Agua si&amp;mulada</translation>
    </message>
    <message>
        <source>Show Co&amp;nstruction</source>
        <translation>Mostrar co&amp;nstrucción</translation>
    </message>
</context>
<context>
    <name>wave::TProfrm</name>
    <message>
        <source>Measurement Practice</source>
        <translation>Práctica de medición</translation>
    </message>
    <message>
        <source>&amp;Protractor</source>
        <translation>&amp;Transportador</translation>
    </message>
    <message>
        <source>&amp;Ruler</source>
        <translation>&amp;Regla</translation>
    </message>
    <message>
        <source>Ray &amp;Movement</source>
        <translation>&amp;Movimiento</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Comprobar</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>Re&amp;turn</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>Find the Angle:</source>
        <translation>Halla el ángulo:</translation>
    </message>
    <message>
        <source>From the Normal</source>
        <translation>Con la normal</translation>
    </message>
    <message>
        <source>Between Two Lines</source>
        <translation>Entre dos rectas</translation>
    </message>
    <message>
        <source>The angle is</source>
        <translation>El ángulo es</translation>
    </message>
    <message>
        <source>Measure length between:</source>
        <translation>Mide la longitud entre:</translation>
    </message>
    <message>
        <source> &amp;2 Points</source>
        <translation> &amp;2 puntos</translation>
    </message>
    <message>
        <source> &amp;Wavefronts</source>
        <translation> &amp;Frentes de onda</translation>
    </message>
    <message>
        <source> Point and &amp;Line</source>
        <translation> Punto y r&amp;ecta</translation>
    </message>
    <message>
        <source>Length is: 0</source>
        <translation>Longitud: 0</translation>
    </message>
    <message>
        <source>Drag the four handles to discover each function. Move the handles to reposition the ray.</source>
        <translation>Arrastra los cuatro tiradores para descubrir qué hace cada uno. Con ellos colocas el rayo.</translation>
    </message>
    <message>
        <source>Protractor practice: measure the angle from the normal</source>
        <translation>Práctica con transportador: mide el ángulo con la normal</translation>
    </message>
    <message>
        <source>Protractor practice: measure the angle between two lines</source>
        <translation>Práctica con transportador: mide el ángulo entre dos rectas</translation>
    </message>
    <message>
        <source>Ruler practice: measure the length between the two points</source>
        <translation>Práctica con regla: mide la distancia entre los dos puntos</translation>
    </message>
    <message>
        <source>Ruler practice: measure the length between the wavefronts</source>
        <translation>Práctica con regla: mide la distancia entre los frentes de onda</translation>
    </message>
    <message>
        <source>Ruler practice: measure the length from the point to the line</source>
        <translation>Práctica con regla: mide la distancia del punto a la recta</translation>
    </message>
    <message>
        <source>Ray movement practice: a ray with four handles to drag</source>
        <translation>Práctica de movimiento del rayo: un rayo con cuatro tiradores</translation>
    </message>
</context>
<context>
    <name>wave::TRecord</name>
    <message>
        <source>Record Animation</source>
        <translation>Grabar animación</translation>
    </message>
    <message>
        <source>&amp;One period</source>
        <translation>Un &amp;período</translation>
    </message>
    <message>
        <source>&amp;Seconds:</source>
        <translation>&amp;Segundos:</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>The GIF keeps every colour of the picture.</source>
        <translation>El GIF conserva todos los colores de la imagen.</translation>
    </message>
    <message>
        <source>The picture has more than 256 colours (the intensity band or the detail map). In the GIF each colour&apos;s red, green and blue are rounded to %1 levels, so greys and shades come in steps; PNG frames keep every colour.</source>
        <translation>La imagen tiene más de 256 colores (la banda de intensidad o el mapa de detalle). En el GIF el rojo, el verde y el azul de cada color se redondean a %1 niveles, así que los grises y los matices salen por escalones; los fotogramas PNG conservan todos los colores.</translation>
    </message>
    <message>
        <source>Frame &amp;interval:</source>
        <translation>&amp;Intervalo entre fotogramas:</translation>
    </message>
    <message>
        <source>Record...</source>
        <translation>Grabar...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1 frames, %2 s</source>
        <translation>%1 fotogramas, %2 s</translation>
    </message>
    <message>
        <source>
This picture never comes back exactly: record it in seconds.</source>
        <translation>
Esta imagen nunca vuelve exactamente: grábala en segundos.</translation>
    </message>
    <message>
        <source>
One period is %1 frames, more than a recording takes (%2): record it in seconds.</source>
        <translation>
Un período son %1 fotogramas, más de lo que admite una grabación (%2): grábalo en segundos.</translation>
    </message>
    <message>
        <source>, a loop without a jump</source>
        <translation>, un bucle sin saltos</translation>
    </message>
    <message>
        <source>Animated GIF</source>
        <translation>GIF animado</translation>
    </message>
    <message>
        <source>PNG frames in a new folder</source>
        <translation>Fotogramas PNG en una carpeta nueva</translation>
    </message>
    <message>
        <source>Recording %1 frames into %2...</source>
        <translation>Grabando %1 fotogramas en %2...</translation>
    </message>
    <message>
        <source>The recording was cancelled. Nothing was saved.</source>
        <translation>Se canceló la grabación. No se ha guardado nada.</translation>
    </message>
    <message>
        <source>The water&apos;s shades under the construction come to more than 256 colours as it moves. In the GIF each frame&apos;s colours are then rounded to fewer levels of red, green and blue, so shades come in steps; PNG frames keep every colour.</source>
        <translation>Los matices del agua bajo la construcción superan los 256 colores en cuanto se mueve. En el GIF los colores de cada fotograma se redondean entonces a menos niveles de rojo, verde y azul, de modo que los matices aparecen en escalones; los fotogramas PNG conservan todos los colores.</translation>
    </message>
</context>
<context>
    <name>wave::TWhoami</name>
    <message>
        <source>I am ....</source>
        <translation>Soy ...</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>Name will appear on printout</source>
        <translation>El nombre aparecerá en la impresión</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>wave::Tpattfrm</name>
    <message>
        <source>Load Data</source>
        <translation>Cargar datos</translation>
    </message>
    <message>
        <source>No Data loaded!  Try again!</source>
        <translation>¡No se cargaron datos! ¡Inténtalo de nuevo!</translation>
    </message>
    <message>
        <source>A comment line may not read &quot;Start Data&quot;: that line starts the data in the file.
Please change it.</source>
        <translation>Una línea de comentario no puede decir «Start Data»: esa línea inicia los datos del archivo.
Cámbiela, por favor.</translation>
    </message>
    <message>
        <source>Save Experiment</source>
        <translation>Guardar experimento</translation>
    </message>
    <message>
        <source>Light Interference</source>
        <translation>Interferencia de luz</translation>
    </message>
    <message>
        <source>centimetres</source>
        <translation>centímetros</translation>
    </message>
    <message>
        <source>micrometres</source>
        <translation>micrómetros</translation>
    </message>
    <message>
        <source>nanometres</source>
        <translation>nanómetros</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Save Experiment</source>
        <translation>&amp;Guardar experimento</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>E&amp;xport Picture...</source>
        <translation>E&amp;xportar imagen...</translation>
    </message>
    <message>
        <source>Export &amp;Data...</source>
        <translation>Exportar &amp;datos...</translation>
    </message>
    <message>
        <source>Ex&amp;it</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source> &amp;Single Slit</source>
        <translation> &amp;Una rendija</translation>
    </message>
    <message>
        <source> &amp;Double Slit</source>
        <translation> &amp;Dos rendijas</translation>
    </message>
    <message>
        <source> Black and &amp;white</source>
        <translation> &amp;Blanco y negro</translation>
    </message>
    <message>
        <source> &amp;Measure</source>
        <translation> &amp;Medir</translation>
    </message>
    <message>
        <source>Length: 0.00 mm</source>
        <translation>Longitud: 0,00 mm</translation>
    </message>
    <message>
        <source>Experiment #</source>
        <translation>Experimento n.º</translation>
    </message>
    <message>
        <source>No Experiment</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Save Options</source>
        <translation>Opciones de guardado</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Mostrar todo</translation>
    </message>
    <message>
        <source>Hide Screen distance</source>
        <translation>Ocultar distancia</translation>
    </message>
    <message>
        <source>Hide Slit Separation</source>
        <translation>Ocultar separación</translation>
    </message>
    <message>
        <source>Hide Wavelength</source>
        <translation>Ocultar longitud de onda</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Slit width</source>
        <translation>Ancho de rendija</translation>
    </message>
    <message>
        <source>Slit separation</source>
        <translation>Separación de rendijas</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>interference</source>
        <translation>interferencia</translation>
    </message>
</context>
<context>
    <name>wave::WaveView</name>
    <message>
        <source>Wave view</source>
        <translation>Vista de ondas</translation>
    </message>
    <message>
        <source>Position of the intensity band</source>
        <translation>Posición de la banda de intensidad</translation>
    </message>
</context>
</TS>
