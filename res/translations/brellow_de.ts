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
</context>
</TS>
