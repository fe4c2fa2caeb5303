<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CBrellowDlg</name>
    <message>
        <source>Source:</source>
        <translation>Origen:</translation>
    </message>
    <message>
        <source>Destination Folder:</source>
        <translation>Carpeta de destino:</translation>
    </message>
    <message>
        <source>&amp;Open containing folder</source>
        <translation>&amp;Abrir carpeta contenedora</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Are you sure you want to stop conversion?</source>
        <translation>¿Seguro que desea detener la conversión?</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmación</translation>
    </message>
    <message>
        <source>Browse For File</source>
        <translation>Seleccionar archivo</translation>
    </message>
    <message>
        <source>Browse For Folder</source>
        <translation>Seleccionar carpeta</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origen</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>O&amp;ptions...</source>
        <translation>&amp;Opciones...</translation>
    </message>
    <message>
        <source>Other recording formats, pauses, passes and practice files: what brellow-cli&apos;s options do.</source>
        <translation>Otros formatos de grabación, pausas, repeticiones y archivos de práctica: lo que hacen las opciones de brellow-cli.</translation>
    </message>
    <message>
        <source>FFmpeg&apos;s libraries cannot be loaded: %1</source>
        <translation>No se pueden cargar las bibliotecas de FFmpeg: %1</translation>
    </message>
    <message>
        <source>Recordings (%1)</source>
        <translation>Grabaciones (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>&amp;Listen...</source>
        <translation>&amp;Escuchar...</translation>
    </message>
    <message>
        <source>Plays the source&apos;s phrases one by one, to fix their marks and record yourself.</source>
        <translation>Reproduce las frases de la fuente una a una, para corregir sus marcas y grabarse.</translation>
    </message>
    <message>
        <source>To convert it, turn on &quot;%1&quot; in Options.</source>
        <translation>Para convertirla, active «%1» en Opciones.</translation>
    </message>
    <message>
        <source>These recordings were skipped:</source>
        <translation>Se omitieron estas grabaciones:</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Omitidas</translation>
    </message>
</context>
<context>
    <name>CLessonAudio</name>
    <message>
        <source>Playing is off: no sound output was found.</source>
        <translation>Reproducción desactivada: no se encontró ninguna salida de sonido.</translation>
    </message>
    <message>
        <source>Recording is off: no sound input was found.</source>
        <translation>Grabación desactivada: no se encontró ninguna entrada de sonido.</translation>
    </message>
    <message>
        <source>The sound cannot be played.</source>
        <translation>No se puede reproducir el sonido.</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Once (as recorded)</source>
        <translation>Una vez (como se grabó)</translation>
    </message>
    <message>
        <source>Twice, slower first (0.75, 1)</source>
        <translation>Dos veces, primero más lento (0.75, 1)</translation>
    </message>
    <message>
        <source>Three times</source>
        <translation>Tres veces</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>Grabaciones</translation>
    </message>
    <message>
        <source>Read &amp;every recording format (MP3, M4A, Opus, FLAC, ...)</source>
        <translation>Leer &amp;todos los formatos de grabación (MP3, M4A, Opus, FLAC, ...)</translation>
    </message>
    <message>
        <source>Phrases</source>
        <translation>Frases</translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation>&amp;Umbral:</translation>
    </message>
    <message>
        <source>&amp;Automatic</source>
        <translation>&amp;Automático</translation>
    </message>
    <message>
        <source>Minimum &amp;silence:</source>
        <translation>&amp;Silencio mínimo:</translation>
    </message>
    <message>
        <source>Minimum p&amp;hrase:</source>
        <translation>F&amp;rase mínima:</translation>
    </message>
    <message>
        <source>Lon&amp;gest phrase:</source>
        <translation>Frase más lar&amp;ga:</translation>
    </message>
    <message>
        <source>A phrase that reaches this length is cut where it is quietest in its last third, in seconds.</source>
        <translation>Una frase que alcanza esta duración se corta donde es más silenciosa en su último tercio, en segundos.</translation>
    </message>
    <message>
        <source>Phrases from s&amp;ubtitles (.srt)</source>
        <translation>Frases de los subtítu&amp;los (.srt)</translation>
    </message>
    <message>
        <source>Pauses</source>
        <translation>Pausas</translation>
    </message>
    <message>
        <source>Fa&amp;ctor:</source>
        <translation>Fa&amp;ctor:</translation>
    </message>
    <message>
        <source>E&amp;xtra:</source>
        <translation>E&amp;xtra:</translation>
    </message>
    <message>
        <source>Mi&amp;nimum:</source>
        <translation>Mí&amp;nimo:</translation>
    </message>
    <message>
        <source>&amp;Maximum:</source>
        <translation>&amp;Máximo:</translation>
    </message>
    <message>
        <source>Passes</source>
        <translation>Repeticiones</translation>
    </message>
    <message>
        <source>&amp;Passes:</source>
        <translation>Re&amp;peticiones:</translation>
    </message>
    <message>
        <source>Temp&amp;os:</source>
        <translation>Temp&amp;os:</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>&amp;Bit rate:</source>
        <translation>Tasa de &amp;bits:</translation>
    </message>
    <message>
        <source>&amp;Labels:</source>
        <translation>&amp;Etiquetas:</translation>
    </message>
    <message>
        <source>Clips for An&amp;ki</source>
        <translation>Fragmentos para An&amp;ki</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>From %1 to %2.</source>
        <translation>De %1 a %2.</translation>
    </message>
    <message>
        <source>Above %1, up to %2.</source>
        <translation>Más de %1, hasta %2.</translation>
    </message>
    <message>
        <source>Reads recordings of every format that FFmpeg&apos;s libraries read, mono or stereo. A source folder then gives all of its recordings.</source>
        <translation>Lee grabaciones en cualquier formato que lean las bibliotecas de FFmpeg, mono o estéreo. Una carpeta de origen aporta entonces todas sus grabaciones.</translation>
    </message>
    <message>
        <source>A sample counts as quiet below this level, in decibels below full scale.</source>
        <translation>Una muestra cuenta como silencio por debajo de este nivel, en decibelios por debajo de la escala completa.</translation>
    </message>
    <message>
        <source>The quiet level follows each recording&apos;s own noise floor and speech level.</source>
        <translation>El nivel de silencio se adapta al ruido de fondo y al nivel de voz de cada grabación.</translation>
    </message>
    <message>
        <source>How long a quiet stretch must last before a phrase may end, in seconds.</source>
        <translation>Cuánto debe durar un tramo en silencio antes de que pueda terminar una frase, en segundos.</translation>
    </message>
    <message>
        <source>How much audio must follow a pause before the next one, in seconds.</source>
        <translation>Cuánto audio debe seguir a una pausa antes de la siguiente, en segundos.</translation>
    </message>
    <message>
        <source>Phrases follow the subtitles of the .srt file that has the recording&apos;s title, beside it, when there is one.</source>
        <translation>Las frases siguen los subtítulos del archivo .srt que lleva el título de la grabación y está junto a ella, si existe.</translation>
    </message>
    <message>
        <source>Each pause lasts this many times the phrase before it.</source>
        <translation>Cada pausa dura este número de veces la frase anterior.</translation>
    </message>
    <message>
        <source>Seconds added to every pause.</source>
        <translation>Segundos que se añaden a cada pausa.</translation>
    </message>
    <message>
        <source>No pause is shorter than this, in seconds.</source>
        <translation>Ninguna pausa es más corta que este valor, en segundos.</translation>
    </message>
    <message>
        <source>No pause is longer than this, in seconds.</source>
        <translation>Ninguna pausa es más larga que este valor, en segundos.</translation>
    </message>
    <message>
        <source>How often each phrase is heard, and how fast.</source>
        <translation>Cuántas veces se oye cada frase y a qué velocidad.</translation>
    </message>
    <message>
        <source>The practice files&apos; format: WAV, lossless FLAC, or MP3 and Opus, which are small enough for a phone.</source>
        <translation>El formato de los archivos de práctica: WAV, FLAC sin pérdida, o MP3 y Opus, que ocupan poco en un teléfono.</translation>
    </message>
    <message>
        <source>The bit rate of MP3 files, from %1 to %2 kbit/s, and of Opus files, from %3 to %4 kbit/s.</source>
        <translation>La tasa de bits de los archivos MP3, de %1 a %2 kbit/s, y de los archivos Opus, de %3 a %4 kbit/s.</translation>
    </message>
    <message>
        <source>Where each phrase is, in a file beside each practice file: subtitles (SRT), lyrics (LRC) or Audacity&apos;s labels.</source>
        <translation>Dónde está cada frase, en un archivo junto a cada archivo de práctica: subtítulos (SRT), letras (LRC) o etiquetas de Audacity.</translation>
    </message>
    <message>
        <source>Each phrase also as a clip of its own, with a list that Anki imports as cards.</source>
        <translation>Cada frase también como un fragmento propio, con una lista que Anki importa como tarjetas.</translation>
    </message>
    <message>
        <source>Keeps these options for the next runs.</source>
        <translation>Guarda estas opciones para las próximas ejecuciones.</translation>
    </message>
    <message>
        <source>Closes without changing the options.</source>
        <translation>Cierra sin cambiar las opciones.</translation>
    </message>
    <message>
        <source>Every option back to its default: Run then does exactly what it does without options.</source>
        <translation>Todas las opciones vuelven a su valor predeterminado: Iniciar hace entonces exactamente lo mismo que sin opciones.</translation>
    </message>
    <message>
        <source>&amp;Detector:</source>
        <translation>&amp;Detector:</translation>
    </message>
    <message>
        <source>For example %1</source>
        <translation>Por ejemplo %1</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>What tells a pause from speech: the level above, a small network that hears speech over music and noise, or automatically the level where the recording has clear quiet and the network where not.</source>
        <translation>Qué distingue una pausa del habla: el nivel de arriba, una pequeña red que oye la voz sobre música y ruido, o automáticamente el nivel donde la grabación tiene silencios claros y la red donde no.</translation>
    </message>
    <message>
        <source>One tempo for each pass, separated by &quot;%4&quot;: 1 is as recorded, %5 slower. At most %1 passes, each from %2 to %3.</source>
        <translation>Un tempo por repetición, separados por &quot;%4&quot;: 1 es como se grabó, %5 más lento. Como máximo %1 repeticiones, cada una de %2 a %3.</translation>
    </message>
    <message>
        <source>Needs 1 to %1 tempos from %2 to %3, separated by &quot;%4&quot;.</source>
        <translation>Se necesitan de 1 a %1 tempos de %2 a %3, separados por &quot;%4&quot;.</translation>
    </message>
    <message>
        <source>Skip &amp;recordings that cannot be read, and go on</source>
        <translation>Omitir las grabaciones ilegibles y segu&amp;ir</translation>
    </message>
    <message>
        <source>A folder&apos;s recording that is damaged, in a format that is not read, or that fails is skipped without a message of its own; one message at the end lists each, with the reason.</source>
        <translation>Una grabación de la carpeta que está dañada, en un formato que no se lee o que falla se omite sin un mensaje propio; un mensaje al final las enumera todas, con el motivo.</translation>
    </message>
</context>
<context>
    <name>CPracticeWnd</name>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reproducir</translation>
    </message>
    <message>
        <source>Plays the phrase again</source>
        <translation>Reproduce la frase otra vez</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <source>Plays the phrase before</source>
        <translation>Reproduce la frase anterior</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>Plays the next phrase</source>
        <translation>Reproduce la frase siguiente</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Grabar</translation>
    </message>
    <message>
        <source>Records you for the phrase&apos;s length and one second more</source>
        <translation>Le graba durante lo que dura la frase y un segundo más</translation>
    </message>
    <message>
        <source>Play &amp;take</source>
        <translation>Escuchar &amp;toma</translation>
    </message>
    <message>
        <source>Plays your last take</source>
        <translation>Reproduce su última toma</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Comparar</translation>
    </message>
    <message>
        <source>Plays the phrase, then your take</source>
        <translation>Reproduce la frase y luego su toma</translation>
    </message>
    <message>
        <source>Save t&amp;ake</source>
        <translation>Guardar t&amp;oma</translation>
    </message>
    <message>
        <source>Saves your last take in the destination folder</source>
        <translation>Guarda su última toma en la carpeta de destino</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Unir</translation>
    </message>
    <message>
        <source>Joins the phrase with the next one</source>
        <translation>Une la frase con la siguiente</translation>
    </message>
    <message>
        <source>Spl&amp;it</source>
        <translation>&amp;Dividir</translation>
    </message>
    <message>
        <source>Splits the phrase where it plays or where the mouse points</source>
        <translation>Divide la frase donde se reproduce o donde apunta el ratón</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Des&amp;hacer</translation>
    </message>
    <message>
        <source>Undoes the last change of the marks</source>
        <translation>Deshace el último cambio de las marcas</translation>
    </message>
    <message>
        <source>Save &amp;marks</source>
        <translation>Guardar &amp;marcas</translation>
    </message>
    <message>
        <source>Saves the marks as subtitles in the destination folder</source>
        <translation>Guarda las marcas como subtítulos en la carpeta de destino</translation>
    </message>
    <message>
        <source>C&amp;onvert</source>
        <translation>Con&amp;vertir</translation>
    </message>
    <message>
        <source>Converts the lesson with these marks</source>
        <translation>Convierte la lección con estas marcas</translation>
    </message>
    <message>
        <source>Listen - %1</source>
        <translation>Escuchar - %1</translation>
    </message>
    <message>
        <source>How often Space plays each phrase, with the passes and pauses of the options</source>
        <translation>Cuántas veces Espacio reproduce cada frase, con las pasadas y pausas de las opciones</translation>
    </message>
    <message>
        <source>R&amp;epeats:</source>
        <translation>R&amp;epeticiones:</translation>
    </message>
    <message>
        <source>Take %1 recorded.</source>
        <translation>Toma %1 grabada.</translation>
    </message>
    <message>
        <source>Phrase %1 of %2</source>
        <translation>Frase %1 de %2</translation>
    </message>
    <message>
        <source>Recording cannot start.</source>
        <translation>No se puede iniciar la grabación.</translation>
    </message>
    <message>
        <source>Recording...</source>
        <translation>Grabando...</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 guardado.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>No se puede escribir %1.</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it with the marks?</source>
        <translation>%1 ya existe. ¿Reemplazarlo por las marcas?</translation>
    </message>
    <message>
        <source>The marks have changed. Save them?</source>
        <translation>Las marcas han cambiado. ¿Guardarlas?</translation>
    </message>
    <message>
        <source>The slower and faster passes play as recorded: there is nothing here to stretch them.</source>
        <translation>Las pasadas más lentas y más rápidas suenan tal como se grabaron: aquí no hay nada que las estire.</translation>
    </message>
    <message>
        <source>Plays the first phrase</source>
        <translation>Reproduce la primera frase</translation>
    </message>
    <message>
        <source>Plays the last phrase</source>
        <translation>Reproduce la última frase</translation>
    </message>
    <message>
        <source>Moves the nearest mark 10 ms earlier</source>
        <translation>Adelanta 10 ms la marca más cercana</translation>
    </message>
    <message>
        <source>Moves the nearest mark 10 ms later</source>
        <translation>Atrasa 10 ms la marca más cercana</translation>
    </message>
    <message>
        <source>Zooms in</source>
        <translation>Amplía la vista</translation>
    </message>
    <message>
        <source>Zooms out</source>
        <translation>Reduce la vista</translation>
    </message>
    <message>
        <source>Drag a mark to move it, click a phrase to choose it, Ctrl+wheel zooms.</source>
        <translation>Arrastre una marca para moverla, haga clic en una frase para elegirla; Ctrl+rueda amplía o reduce.</translation>
    </message>
</context>
<context>
    <name>Job</name>
    <message>
        <source>The Fact chunk is missing</source>
        <translation>Falta el bloque fact</translation>
    </message>
    <message>
        <source>The fmt chunk is missing</source>
        <translation>Falta el bloque fmt</translation>
    </message>
    <message>
        <source>The WAV format must be ADPCM</source>
        <translation>El formato WAV debe ser ADPCM</translation>
    </message>
    <message>
        <source>The Coef must equal to 7</source>
        <translation>El número de coeficientes debe ser 7</translation>
    </message>
    <message>
        <source>The Block align must be 512</source>
        <translation>La alineación de bloque debe ser 512</translation>
    </message>
    <message>
        <source>The Number of channels must be 1</source>
        <translation>El número de canales debe ser 1</translation>
    </message>
    <message>
        <source>The RIFF chunk is missing</source>
        <translation>Falta el bloque RIFF</translation>
    </message>
    <message>
        <source>The WAVE chunk is missing</source>
        <translation>Falta el bloque WAVE</translation>
    </message>
    <message>
        <source>The WAV format must be PCM</source>
        <translation>El formato WAV debe ser PCM</translation>
    </message>
    <message>
        <source>The Block align must be 2</source>
        <translation>La alineación de bloque debe ser 2</translation>
    </message>
    <message>
        <source>The Data chunk is missing</source>
        <translation>Falta el bloque data</translation>
    </message>
    <message>
        <source>Please, specify path</source>
        <translation>Indique una ruta</translation>
    </message>
    <message>
        <source>Wrong path</source>
        <translation>Ruta incorrecta</translation>
    </message>
    <message>
        <source>The source &apos;%1&apos; does not exists</source>
        <translation>El origen «%1» no existe</translation>
    </message>
    <message>
        <source>Wrong source</source>
        <translation>Origen incorrecto</translation>
    </message>
    <message>
        <source>The directory &apos;%1&apos; does not exists</source>
        <translation>La carpeta «%1» no existe</translation>
    </message>
    <message>
        <source>Wrong destination</source>
        <translation>Destino incorrecto</translation>
    </message>
    <message>
        <source>The software does not support given audio format
Details: %1</source>
        <translation>El programa no admite este formato de audio
Detalles: %1</translation>
    </message>
    <message>
        <source>Application has stopped by user request</source>
        <translation>La aplicación se ha detenido a petición del usuario</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Fallo</translation>
    </message>
    <message>
        <source>Cannot write file &apos;%1&apos;</source>
        <translation>No se puede escribir el archivo «%1»</translation>
    </message>
    <message>
        <source>Cannot open file &apos; %1&apos;. Do you want to continue?</source>
        <translation>No se puede abrir el archivo «%1». ¿Desea continuar?</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is too long to convert</source>
        <translation>El archivo «%1» es demasiado largo para convertirlo</translation>
    </message>
    <message>
        <source>Cannot open file &apos; %1&apos; for writing. Do you want to continue?</source>
        <translation>No se puede abrir el archivo «%1» para escritura. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Cannot open file &apos; %1&apos; for writing (%2). Do you want to continue?</source>
        <translation>No se puede abrir el archivo «%1» para escritura (%2). ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Cannot read file &apos;%1&apos;</source>
        <translation>No se puede leer el archivo «%1»</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmación</translation>
    </message>
    <message>
        <source>Cannot write file &apos;%1&apos;
Details: %2</source>
        <translation>No se puede escribir el archivo «%1»
Detalles: %2</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>el archivo no se puede abrir</translation>
    </message>
    <message>
        <source>The recording &apos;%1&apos; is too long for the practice window.</source>
        <translation>La grabación «%1» es demasiado larga para la ventana de práctica.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; holds no audio.</source>
        <translation>El archivo «%1» no contiene audio.</translation>
    </message>
</context>
<context>
    <name>Media</name>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>the file is not a recording in a format that can be read</source>
        <translation>el archivo no es una grabación en un formato que se pueda leer</translation>
    </message>
    <message>
        <source>the file is not a recording in a format that can be read (FFmpeg reads it as %1)</source>
        <translation>el archivo no es una grabación en un formato que se pueda leer (FFmpeg lo lee como %1)</translation>
    </message>
    <message>
        <source>the file holds no audio</source>
        <translation>el archivo no contiene audio</translation>
    </message>
    <message>
        <source>its audio is in a format that cannot be decoded</source>
        <translation>su audio está en un formato que no se puede decodificar</translation>
    </message>
    <message>
        <source>its audio is in a format that cannot be decoded (%1)</source>
        <translation>su audio está en un formato que no se puede decodificar (%1)</translation>
    </message>
    <message>
        <source>its audio is in a format that cannot be decoded: %1</source>
        <translation>su audio está en un formato que no se puede decodificar: %1</translation>
    </message>
    <message>
        <source>the recording is damaged and cannot be decoded</source>
        <translation>la grabación está dañada y no se puede decodificar</translation>
    </message>
    <message>
        <source>the recording is damaged and cannot be decoded: %1</source>
        <translation>la grabación está dañada y no se puede decodificar: %1</translation>
    </message>
    <message>
        <source>the recording is cut short: the file ends before it does</source>
        <translation>la grabación está cortada: el archivo termina antes que ella</translation>
    </message>
    <message>
        <source>no audio could be decoded from it</source>
        <translation>no se pudo decodificar audio de él</translation>
    </message>
    <message>
        <source>the recording changes its sample rate part way through</source>
        <translation>la grabación cambia su frecuencia de muestreo a mitad</translation>
    </message>
    <message>
        <source>the recording has more than the 64 channels that can be mixed</source>
        <translation>la grabación tiene más de los 64 canales que se pueden mezclar</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>the recording could not be opened</source>
        <translation>no se pudo abrir la grabación</translation>
    </message>
    <message>
        <source>the recording could not be opened: out of memory</source>
        <translation>no se pudo abrir la grabación: memoria insuficiente</translation>
    </message>
    <message>
        <source>the recording&apos;s sample rate of %1 Hz is outside the 1 kHz to 768 kHz that can be converted</source>
        <translation>la frecuencia de muestreo de la grabación, %1 Hz, está fuera de los 1 kHz a 768 kHz que se pueden convertir</translation>
    </message>
    <message>
        <source>FFmpeg&apos;s libraries cannot be loaded: %1</source>
        <translation>No se pueden cargar las bibliotecas de FFmpeg: %1</translation>
    </message>
    <message>
        <source>FFmpeg&apos;s libraries have no encoder %1</source>
        <translation>Las bibliotecas de FFmpeg no tienen el codificador %1</translation>
    </message>
    <message>
        <source>FFmpeg&apos;s libraries have no muxer %1</source>
        <translation>Las bibliotecas de FFmpeg no tienen el multiplexor %1</translation>
    </message>
    <message>
        <source>the encoder %1 refused its settings: %2</source>
        <translation>el codificador %1 rechazó sus ajustes: %2</translation>
    </message>
    <message>
        <source>the encoder %1 does not take its options: %2</source>
        <translation>el codificador %1 no acepta sus opciones: %2</translation>
    </message>
    <message>
        <source>the encoder %1 failed: %2</source>
        <translation>el codificador %1 falló: %2</translation>
    </message>
    <message>
        <source>no resampler to %1 Hz could be made: %2</source>
        <translation>no se pudo crear un remuestreador a %1 Hz: %2</translation>
    </message>
    <message>
        <source>the resampler failed: %1</source>
        <translation>el remuestreador falló: %1</translation>
    </message>
    <message>
        <source>the muxer could not be made: %1</source>
        <translation>no se pudo crear el multiplexor: %1</translation>
    </message>
    <message>
        <source>the muxer %1 could not begin the file: %2</source>
        <translation>el multiplexor %1 no pudo empezar el archivo: %2</translation>
    </message>
    <message>
        <source>the muxer %1 could not write: %2</source>
        <translation>el multiplexor %1 no pudo escribir: %2</translation>
    </message>
    <message>
        <source>the muxer %1 could not end the file: %2</source>
        <translation>el multiplexor %1 no pudo terminar el archivo: %2</translation>
    </message>
</context>
<context>
    <name>Subtitles</name>
    <message>
        <source>&apos;--&gt;&apos; between two times was expected</source>
        <translation>se esperaba «--&gt;» entre dos tiempos</translation>
    </message>
    <message>
        <source>a time such as %1 was expected</source>
        <translation>se esperaba un tiempo como %1</translation>
    </message>
    <message>
        <source>the cue ends before it starts</source>
        <translation>el subtítulo termina antes de empezar</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>a cue number or a line of times was expected, not &apos;%1&apos;</source>
        <translation>se esperaba un número de subtítulo o una línea de tiempos, no «%1»</translation>
    </message>
    <message>
        <source>the file ends before the cue&apos;s times</source>
        <translation>el archivo termina antes de los tiempos del subtítulo</translation>
    </message>
    <message>
        <source>it holds no cues</source>
        <translation>el archivo no contiene subtítulos</translation>
    </message>
    <message>
        <source>&apos;WEBVTT&apos; was expected</source>
        <translation>se esperaba «WEBVTT»</translation>
    </message>
    <message>
        <source>The subtitles &apos;%1&apos; cannot be read: %2</source>
        <translation>No se pueden leer los subtítulos «%1»: %2</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>el archivo no se puede abrir</translation>
    </message>
    <message>
        <source>the file is too large for subtitles</source>
        <translation>el archivo es demasiado grande para ser de subtítulos</translation>
    </message>
</context>
</TS>
