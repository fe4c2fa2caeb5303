<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CBrellowDlg</name>
    <message>
        <source>Source:</source>
        <translation>Quelle:</translation>
    </message>
    <message>
        <source>Destination Folder:</source>
        <translation>Zielordner:</translation>
    </message>
    <message>
        <source>&amp;Open containing folder</source>
        <translation>&amp;Ordner öffnen</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>Sto&amp;ppen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Are you sure you want to stop conversion?</source>
        <translation>Möchten Sie die Konvertierung wirklich stoppen?</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>Browse For File</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>Browse For Folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>O&amp;ptions...</source>
        <translation>Op&amp;tionen...</translation>
    </message>
    <message>
        <source>Other recording formats, pauses, passes and practice files: what brellow-cli&apos;s options do.</source>
        <translation>Weitere Aufnahmeformate, Pausen, Durchgänge und Übungsdateien: was die Optionen von brellow-cli tun.</translation>
    </message>
    <message>
        <source>FFmpeg&apos;s libraries cannot be loaded: %1</source>
        <translation>Die FFmpeg-Bibliotheken können nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>Recordings (%1)</source>
        <translation>Aufnahmen (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&amp;Listen...</source>
        <translation>An&amp;hören...</translation>
    </message>
    <message>
        <source>Plays the source&apos;s phrases one by one, to fix their marks and record yourself.</source>
        <translation>Spielt die Phrasen der Quelle einzeln ab, um ihre Marken zu korrigieren und sich selbst aufzunehmen.</translation>
    </message>
    <message>
        <source>To convert it, turn on &quot;%1&quot; in Options.</source>
        <translation>Um sie zu konvertieren, schalten Sie „%1“ in den Optionen ein.</translation>
    </message>
    <message>
        <source>These recordings were skipped:</source>
        <translation>Diese Aufnahmen wurden übersprungen:</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
</context>
<context>
    <name>CLessonAudio</name>
    <message>
        <source>Playing is off: no sound output was found.</source>
        <translation>Abspielen ist aus: keine Tonausgabe gefunden.</translation>
    </message>
    <message>
        <source>Recording is off: no sound input was found.</source>
        <translation>Aufnehmen ist aus: kein Toneingang gefunden.</translation>
    </message>
    <message>
        <source>The sound cannot be played.</source>
        <translation>Der Ton kann nicht abgespielt werden.</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Once (as recorded)</source>
        <translation>Einmal (wie aufgenommen)</translation>
    </message>
    <message>
        <source>Twice, slower first (0.75, 1)</source>
        <translation>Zweimal, zuerst langsamer (0.75, 1)</translation>
    </message>
    <message>
        <source>Three times</source>
        <translation>Dreimal</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>Aufnahmen</translation>
    </message>
    <message>
        <source>Read &amp;every recording format (MP3, M4A, Opus, FLAC, ...)</source>
        <translation>&amp;Jedes Aufnahmeformat lesen (MP3, M4A, Opus, FLAC, ...)</translation>
    </message>
    <message>
        <source>Phrases</source>
        <translation>Phrasen</translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation>&amp;Schwellenwert:</translation>
    </message>
    <message>
        <source>&amp;Automatic</source>
        <translation>&amp;Automatisch</translation>
    </message>
    <message>
        <source>Minimum &amp;silence:</source>
        <translation>Minimale S&amp;tille:</translation>
    </message>
    <message>
        <source>Minimum p&amp;hrase:</source>
        <translation>Minimale &amp;Phrase:</translation>
    </message>
    <message>
        <source>Lon&amp;gest phrase:</source>
        <translation>L&amp;ängste Phrase:</translation>
    </message>
    <message>
        <source>A phrase that reaches this length is cut where it is quietest in its last third, in seconds.</source>
        <translation>Eine Phrase, die diese Länge erreicht, wird an ihrer leisesten Stelle im letzten Drittel geteilt, in Sekunden.</translation>
    </message>
    <message>
        <source>Phrases from s&amp;ubtitles (.srt)</source>
        <translation>Phrasen aus &amp;Untertiteln (.srt)</translation>
    </message>
    <message>
        <source>Pauses</source>
        <translation>Pausen</translation>
    </message>
    <message>
        <source>Fa&amp;ctor:</source>
        <translation>Fakt&amp;or:</translation>
    </message>
    <message>
        <source>E&amp;xtra:</source>
        <translation>&amp;Zuschlag:</translation>
    </message>
    <message>
        <source>Mi&amp;nimum:</source>
        <translation>Mi&amp;nimum:</translation>
    </message>
    <message>
        <source>&amp;Maximum:</source>
        <translation>&amp;Maximum:</translation>
    </message>
    <message>
        <source>Passes</source>
        <translation>Durchgänge</translation>
    </message>
    <message>
        <source>&amp;Passes:</source>
        <translation>&amp;Durchgänge:</translation>
    </message>
    <message>
        <source>Temp&amp;os:</source>
        <translation>T&amp;empi:</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>&amp;Bit rate:</source>
        <translation>&amp;Bitrate:</translation>
    </message>
    <message>
        <source>&amp;Labels:</source>
        <translation>Zeitmar&amp;ken:</translation>
    </message>
    <message>
        <source>Clips for An&amp;ki</source>
        <translation>C&amp;lips für Anki</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigene</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>From %1 to %2.</source>
        <translation>Von %1 bis %2.</translation>
    </message>
    <message>
        <source>Above %1, up to %2.</source>
        <translation>Über %1, bis %2.</translation>
    </message>
    <message>
        <source>Reads recordings of every format that FFmpeg&apos;s libraries read, mono or stereo. A source folder then gives all of its recordings.</source>
        <translation>Liest Aufnahmen in jedem Format, das die FFmpeg-Bibliotheken lesen, mono oder stereo. Ein Quellordner liefert dann alle seine Aufnahmen.</translation>
    </message>
    <message>
        <source>A sample counts as quiet below this level, in decibels below full scale.</source>
        <translation>Ein Abtastwert gilt unterhalb dieses Pegels als still, in Dezibel unter Vollaussteuerung.</translation>
    </message>
    <message>
        <source>The quiet level follows each recording&apos;s own noise floor and speech level.</source>
        <translation>Die Stilleschwelle richtet sich nach dem Grundrauschen und dem Sprachpegel jeder einzelnen Aufnahme.</translation>
    </message>
    <message>
        <source>How long a quiet stretch must last before a phrase may end, in seconds.</source>
        <translation>Wie lange eine stille Stelle dauern muss, bevor eine Phrase enden kann, in Sekunden.</translation>
    </message>
    <message>
        <source>How much audio must follow a pause before the next one, in seconds.</source>
        <translation>Wie viel Audio auf eine Pause folgen muss, bevor die nächste kommt, in Sekunden.</translation>
    </message>
    <message>
        <source>Phrases follow the subtitles of the .srt file that has the recording&apos;s title, beside it, when there is one.</source>
        <translation>Die Phrasen folgen den Untertiteln der .srt-Datei, die den Titel der Aufnahme trägt und neben ihr liegt, sofern es sie gibt.</translation>
    </message>
    <message>
        <source>Each pause lasts this many times the phrase before it.</source>
        <translation>Jede Pause dauert so viele Male so lange wie die Phrase davor.</translation>
    </message>
    <message>
        <source>Seconds added to every pause.</source>
        <translation>Sekunden, die jede Pause länger wird.</translation>
    </message>
    <message>
        <source>No pause is shorter than this, in seconds.</source>
        <translation>Keine Pause ist kürzer als dieser Wert, in Sekunden.</translation>
    </message>
    <message>
        <source>No pause is longer than this, in seconds.</source>
        <translation>Keine Pause ist länger als dieser Wert, in Sekunden.</translation>
    </message>
    <message>
        <source>How often each phrase is heard, and how fast.</source>
        <translation>Wie oft jede Phrase zu hören ist und wie schnell.</translation>
    </message>
    <message>
        <source>The practice files&apos; format: WAV, lossless FLAC, or MP3 and Opus, which are small enough for a phone.</source>
        <translation>Das Format der Übungsdateien: WAV, verlustfreies FLAC oder MP3 und Opus, die klein genug für ein Handy sind.</translation>
    </message>
    <message>
        <source>The bit rate of MP3 files, from %1 to %2 kbit/s, and of Opus files, from %3 to %4 kbit/s.</source>
        <translation>Die Bitrate von MP3-Dateien, von %1 bis %2 kbit/s, und von Opus-Dateien, von %3 bis %4 kbit/s.</translation>
    </message>
    <message>
        <source>Where each phrase is, in a file beside each practice file: subtitles (SRT), lyrics (LRC) or Audacity&apos;s labels.</source>
        <translation>Wo jede Phrase steht, in einer Datei neben jeder Übungsdatei: Untertitel (SRT), Liedtext (LRC) oder Textmarken für Audacity.</translation>
    </message>
    <message>
        <source>Each phrase also as a clip of its own, with a list that Anki imports as cards.</source>
        <translation>Jede Phrase zusätzlich als eigener Clip, mit einer Liste, die Anki als Karten importiert.</translation>
    </message>
    <message>
        <source>Keeps these options for the next runs.</source>
        <translation>Behält diese Optionen für die nächsten Durchläufe.</translation>
    </message>
    <message>
        <source>Closes without changing the options.</source>
        <translation>Schließt, ohne die Optionen zu ändern.</translation>
    </message>
    <message>
        <source>Every option back to its default: Run then does exactly what it does without options.</source>
        <translation>Jede Option zurück auf ihren Standardwert: Starten tut dann genau das, was es ohne Optionen tut.</translation>
    </message>
    <message>
        <source>&amp;Detector:</source>
        <translation>Detekto&amp;r:</translation>
    </message>
    <message>
        <source>For example %1</source>
        <translation>Zum Beispiel %1</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Pegel</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>What tells a pause from speech: the level above, a small network that hears speech over music and noise, or automatically the level where the recording has clear quiet and the network where not.</source>
        <translation>Was eine Pause von Sprache unterscheidet: der Pegel darüber, ein kleines Netz, das Sprache auch über Musik und Rauschen hört, oder automatisch der Pegel, wo die Aufnahme deutliche Stille hat, und sonst das Netz.</translation>
    </message>
    <message>
        <source>One tempo for each pass, separated by &quot;%4&quot;: 1 is as recorded, %5 slower. At most %1 passes, each from %2 to %3.</source>
        <translation>Ein Tempo je Durchgang, getrennt durch &quot;%4&quot;: 1 ist wie aufgenommen, %5 langsamer. Höchstens %1 Durchgänge, jeweils von %2 bis %3.</translation>
    </message>
    <message>
        <source>Needs 1 to %1 tempos from %2 to %3, separated by &quot;%4&quot;.</source>
        <translation>Nötig sind 1 bis %1 Tempi von %2 bis %3, getrennt durch &quot;%4&quot;.</translation>
    </message>
    <message>
        <source>Skip &amp;recordings that cannot be read, and go on</source>
        <translation>Nicht lesbare Aufnahmen überspringen und &amp;weitermachen</translation>
    </message>
    <message>
        <source>A folder&apos;s recording that is damaged, in a format that is not read, or that fails is skipped without a message of its own; one message at the end lists each, with the reason.</source>
        <translation>Eine Aufnahme des Ordners, die beschädigt ist, in einem nicht gelesenen Format vorliegt oder scheitert, wird ohne eigene Meldung übersprungen; eine Meldung am Ende nennt jede mit dem Grund.</translation>
    </message>
</context>
<context>
    <name>CPracticeWnd</name>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <source>Plays the phrase again</source>
        <translation>Spielt die Phrase noch einmal ab</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;Vorherige</translation>
    </message>
    <message>
        <source>Plays the phrase before</source>
        <translation>Spielt die vorherige Phrase ab</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Nächste</translation>
    </message>
    <message>
        <source>Plays the next phrase</source>
        <translation>Spielt die nächste Phrase ab</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>Au&amp;fnehmen</translation>
    </message>
    <message>
        <source>Records you for the phrase&apos;s length and one second more</source>
        <translation>Nimmt Sie so lange auf, wie die Phrase dauert, und eine Sekunde mehr</translation>
    </message>
    <message>
        <source>Play &amp;take</source>
        <translation>A&amp;ufnahme abspielen</translation>
    </message>
    <message>
        <source>Plays your last take</source>
        <translation>Spielt Ihre letzte Aufnahme ab</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>Ver&amp;gleichen</translation>
    </message>
    <message>
        <source>Plays the phrase, then your take</source>
        <translation>Spielt die Phrase ab, dann Ihre Aufnahme</translation>
    </message>
    <message>
        <source>Save t&amp;ake</source>
        <translation>Aufnahme &amp;speichern</translation>
    </message>
    <message>
        <source>Saves your last take in the destination folder</source>
        <translation>Speichert Ihre letzte Aufnahme im Zielordner</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>Ver&amp;binden</translation>
    </message>
    <message>
        <source>Joins the phrase with the next one</source>
        <translation>Verbindet die Phrase mit der nächsten</translation>
    </message>
    <message>
        <source>Spl&amp;it</source>
        <translation>&amp;Teilen</translation>
    </message>
    <message>
        <source>Splits the phrase where it plays or where the mouse points</source>
        <translation>Teilt die Phrase dort, wo sie gerade spielt oder wohin die Maus zeigt</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undoes the last change of the marks</source>
        <translation>Macht die letzte Änderung der Marken rückgängig</translation>
    </message>
    <message>
        <source>Save &amp;marks</source>
        <translation>&amp;Marken speichern</translation>
    </message>
    <message>
        <source>Saves the marks as subtitles in the destination folder</source>
        <translation>Speichert die Marken als Untertitel im Zielordner</translation>
    </message>
    <message>
        <source>C&amp;onvert</source>
        <translation>&amp;Konvertieren</translation>
    </message>
    <message>
        <source>Converts the lesson with these marks</source>
        <translation>Konvertiert die Lektion mit diesen Marken</translation>
    </message>
    <message>
        <source>Listen - %1</source>
        <translation>Anhören - %1</translation>
    </message>
    <message>
        <source>How often Space plays each phrase, with the passes and pauses of the options</source>
        <translation>Wie oft die Leertaste jede Phrase abspielt, mit den Durchgängen und Pausen der Optionen</translation>
    </message>
    <message>
        <source>R&amp;epeats:</source>
        <translation>&amp;Wiederholungen:</translation>
    </message>
    <message>
        <source>Take %1 recorded.</source>
        <translation>Aufnahme %1 aufgenommen.</translation>
    </message>
    <message>
        <source>Phrase %1 of %2</source>
        <translation>Phrase %1 von %2</translation>
    </message>
    <message>
        <source>Recording cannot start.</source>
        <translation>Die Aufnahme kann nicht beginnen.</translation>
    </message>
    <message>
        <source>Recording...</source>
        <translation>Aufnahme läuft...</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 gespeichert.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it with the marks?</source>
        <translation>%1 gibt es schon. Durch die Marken ersetzen?</translation>
    </message>
    <message>
        <source>The marks have changed. Save them?</source>
        <translation>Die Marken wurden geändert. Speichern?</translation>
    </message>
    <message>
        <source>The slower and faster passes play as recorded: there is nothing here to stretch them.</source>
        <translation>Die langsameren und schnelleren Durchgänge spielen wie aufgenommen: Hier gibt es nichts, das sie strecken kann.</translation>
    </message>
    <message>
        <source>Plays the first phrase</source>
        <translation>Spielt die erste Phrase ab</translation>
    </message>
    <message>
        <source>Plays the last phrase</source>
        <translation>Spielt die letzte Phrase ab</translation>
    </message>
    <message>
        <source>Moves the nearest mark 10 ms earlier</source>
        <translation>Verschiebt die nächstgelegene Marke 10 ms nach vorn</translation>
    </message>
    <message>
        <source>Moves the nearest mark 10 ms later</source>
        <translation>Verschiebt die nächstgelegene Marke 10 ms nach hinten</translation>
    </message>
    <message>
        <source>Zooms in</source>
        <translation>Vergrößert die Ansicht</translation>
    </message>
    <message>
        <source>Zooms out</source>
        <translation>Verkleinert die Ansicht</translation>
    </message>
    <message>
        <source>Drag a mark to move it, click a phrase to choose it, Ctrl+wheel zooms.</source>
        <translation>Ziehen Sie eine Marke, um sie zu verschieben, klicken Sie auf eine Phrase, um sie zu wählen; Strg+Mausrad zoomt.</translation>
    </message>
</context>
<context>
    <name>Job</name>
    <message>
        <source>The Fact chunk is missing</source>
        <translation>Der fact-Chunk fehlt</translation>
    </message>
    <message>
        <source>The fmt chunk is missing</source>
        <translation>Der fmt-Chunk fehlt</translation>
    </message>
    <message>
        <source>The WAV format must be ADPCM</source>
        <translation>Das WAV-Format muss ADPCM sein</translation>
    </message>
    <message>
        <source>The Coef must equal to 7</source>
        <translation>Die Anzahl der Koeffizienten muss 7 sein</translation>
    </message>
    <message>
        <source>The Block align must be 512</source>
        <translation>Die Blockausrichtung muss 512 sein</translation>
    </message>
    <message>
        <source>The Number of channels must be 1</source>
        <translation>Die Anzahl der Kanäle muss 1 sein</translation>
    </message>
    <message>
        <source>The RIFF chunk is missing</source>
        <translation>Der RIFF-Chunk fehlt</translation>
    </message>
    <message>
        <source>The WAVE chunk is missing</source>
        <translation>Der WAVE-Chunk fehlt</translation>
    </message>
    <message>
        <source>The WAV format must be PCM</source>
        <translation>Das WAV-Format muss PCM sein</translation>
    </message>
    <message>
        <source>The Block align must be 2</source>
        <translation>Die Blockausrichtung muss 2 sein</translation>
    </message>
    <message>
        <source>The Data chunk is missing</source>
        <translation>Der data-Chunk fehlt</translation>
    </message>
    <message>
        <source>Please, specify path</source>
        <translation>Bitte geben Sie einen Pfad an</translation>
    </message>
    <message>
        <source>Wrong path</source>
        <translation>Ungültiger Pfad</translation>
    </message>
    <message>
        <source>The source &apos;%1&apos; does not exists</source>
        <translation>Die Quelle „%1“ existiert nicht</translation>
    </message>
    <message>
        <source>Wrong source</source>
        <translation>Ungültige Quelle</translation>
    </message>
    <message>
        <source>The directory &apos;%1&apos; does not exists</source>
        <translation>Der Ordner „%1“ existiert nicht</translation>
    </message>
    <message>
        <source>Wrong destination</source>
        <translation>Ungültiges Ziel</translation>
    </message>
    <message>
        <source>The software does not support given audio format
Details: %1</source>
        <translation>Das Programm unterstützt dieses Audioformat nicht
Details: %1</translation>
    </message>
    <message>
        <source>Application has stopped by user request</source>
        <translation>Das Programm wurde auf Wunsch des Benutzers angehalten</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Cannot write file &apos;%1&apos;</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Cannot open file &apos; %1&apos;. Do you want to continue?</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is too long to convert</source>
        <translation>Die Datei „%1“ ist zu lang für die Konvertierung</translation>
    </message>
    <message>
        <source>Cannot open file &apos; %1&apos; for writing. Do you want to continue?</source>
        <translation>Die Datei „%1“ kann nicht zum Schreiben geöffnet werden. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Cannot open file &apos; %1&apos; for writing (%2). Do you want to continue?</source>
        <translation>Die Datei „%1“ kann nicht zum Schreiben geöffnet werden (%2). Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Cannot read file &apos;%1&apos;</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>Cannot write file &apos;%1&apos;
Details: %2</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden
Details: %2</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>die Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The recording &apos;%1&apos; is too long for the practice window.</source>
        <translation>Die Aufnahme „%1“ ist zu lang für das Übungsfenster.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; holds no audio.</source>
        <translation>Die Datei „%1“ enthält keinen Ton.</translation>
    </message>
</context>
<context>
    <name>Media</name>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the file is not a recording in a format that can be read</source>
        <translation>die Datei ist keine Aufnahme in einem lesbaren Format</translation>
    </message>
    <message>
        <source>the file is not a recording in a format that can be read (FFmpeg reads it as %1)</source>
        <translation>die Datei ist keine Aufnahme in einem lesbaren Format (FFmpeg liest sie als %1)</translation>
    </message>
    <message>
        <source>the file holds no audio</source>
        <translation>die Datei enthält keinen Ton</translation>
    </message>
    <message>
        <source>its audio is in a format that cannot be decoded</source>
        <translation>ihr Ton liegt in einem Format vor, das nicht dekodiert werden kann</translation>
    </message>
    <message>
        <source>its audio is in a format that cannot be decoded (%1)</source>
        <translation>ihr Ton liegt in einem Format vor, das nicht dekodiert werden kann (%1)</translation>
    </message>
    <message>
        <source>its audio is in a format that cannot be decoded: %1</source>
        <translation>ihr Ton liegt in einem Format vor, das nicht dekodiert werden kann: %1</translation>
    </message>
    <message>
        <source>the recording is damaged and cannot be decoded</source>
        <translation>die Aufnahme ist beschädigt und kann nicht dekodiert werden</translation>
    </message>
    <message>
        <source>the recording is damaged and cannot be decoded: %1</source>
        <translation>die Aufnahme ist beschädigt und kann nicht dekodiert werden: %1</translation>
    </message>
    <message>
        <source>the recording is cut short: the file ends before it does</source>
        <translation>die Aufnahme ist abgeschnitten: die Datei endet vor ihr</translation>
    </message>
    <message>
        <source>no audio could be decoded from it</source>
        <translation>es konnte kein Ton daraus dekodiert werden</translation>
    </message>
    <message>
        <source>the recording changes its sample rate part way through</source>
        <translation>die Aufnahme ändert mittendrin ihre Abtastrate</translation>
    </message>
    <message>
        <source>the recording has more than the 64 channels that can be mixed</source>
        <translation>die Aufnahme hat mehr als die 64 Kanäle, die gemischt werden können</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nicht genügend Speicher</translation>
    </message>
    <message>
        <source>the recording could not be opened</source>
        <translation>die Aufnahme konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the recording could not be opened: out of memory</source>
        <translation>die Aufnahme konnte nicht geöffnet werden: nicht genügend Speicher</translation>
    </message>
    <message>
        <source>the recording&apos;s sample rate of %1 Hz is outside the 1 kHz to 768 kHz that can be converted</source>
        <translation>die Abtastrate der Aufnahme von %1 Hz liegt außerhalb der 1 kHz bis 768 kHz, die konvertiert werden können</translation>
    </message>
    <message>
        <source>FFmpeg&apos;s libraries cannot be loaded: %1</source>
        <translation>Die FFmpeg-Bibliotheken können nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>FFmpeg&apos;s libraries have no encoder %1</source>
        <translation>Die FFmpeg-Bibliotheken haben keinen Encoder %1</translation>
    </message>
    <message>
        <source>FFmpeg&apos;s libraries have no muxer %1</source>
        <translation>Die FFmpeg-Bibliotheken haben keinen Muxer %1</translation>
    </message>
    <message>
        <source>the encoder %1 refused its settings: %2</source>
        <translation>der Encoder %1 hat seine Einstellungen abgelehnt: %2</translation>
    </message>
    <message>
        <source>the encoder %1 does not take its options: %2</source>
        <translation>der Encoder %1 nimmt seine Optionen nicht an: %2</translation>
    </message>
    <message>
        <source>the encoder %1 failed: %2</source>
        <translation>der Encoder %1 ist gescheitert: %2</translation>
    </message>
    <message>
        <source>no resampler to %1 Hz could be made: %2</source>
        <translation>es konnte kein Resampler auf %1 Hz erstellt werden: %2</translation>
    </message>
    <message>
        <source>the resampler failed: %1</source>
        <translation>der Resampler ist gescheitert: %1</translation>
    </message>
    <message>
        <source>the muxer could not be made: %1</source>
        <translation>der Muxer konnte nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>the muxer %1 could not begin the file: %2</source>
        <translation>der Muxer %1 konnte die Datei nicht beginnen: %2</translation>
    </message>
    <message>
        <source>the muxer %1 could not write: %2</source>
        <translation>der Muxer %1 konnte nicht schreiben: %2</translation>
    </message>
    <message>
        <source>the muxer %1 could not end the file: %2</source>
        <translation>der Muxer %1 konnte die Datei nicht abschließen: %2</translation>
    </message>
</context>
<context>
    <name>Subtitles</name>
    <message>
        <source>&apos;--&gt;&apos; between two times was expected</source>
        <translation>zwischen zwei Zeiten wurde „--&gt;“ erwartet</translation>
    </message>
    <message>
        <source>a time such as %1 was expected</source>
        <translation>eine Zeitangabe wie %1 wurde erwartet</translation>
    </message>
    <message>
        <source>the cue ends before it starts</source>
        <translation>der Untertitel endet, bevor er beginnt</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>a cue number or a line of times was expected, not &apos;%1&apos;</source>
        <translation>eine Untertitelnummer oder eine Zeile mit Zeiten wurde erwartet, nicht „%1“</translation>
    </message>
    <message>
        <source>the file ends before the cue&apos;s times</source>
        <translation>die Datei endet vor den Zeiten des Untertitels</translation>
    </message>
    <message>
        <source>it holds no cues</source>
        <translation>die Datei enthält keine Untertitel</translation>
    </message>
    <message>
        <source>&apos;WEBVTT&apos; was expected</source>
        <translation>„WEBVTT“ wurde erwartet</translation>
    </message>
    <message>
        <source>The subtitles &apos;%1&apos; cannot be read: %2</source>
        <translation>Die Untertitel „%1“ können nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>die Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the file is too large for subtitles</source>
        <translation>die Datei ist zu groß für Untertitel</translation>
    </message>
</context>
</TS>
