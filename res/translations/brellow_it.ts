<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CBrellowDlg</name>
    <message>
        <source>Source:</source>
        <translation>Origine:</translation>
    </message>
    <message>
        <source>Destination Folder:</source>
        <translation>Cartella di destinazione:</translation>
    </message>
    <message>
        <source>&amp;Open containing folder</source>
        <translation>&amp;Apri cartella di destinazione</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>A&amp;vvia</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Interrompi</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Are you sure you want to stop conversion?</source>
        <translation>Sei sicuro di voler interrompere la conversione?</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Browse For File</source>
        <translation>Scegli un file</translation>
    </message>
    <message>
        <source>Browse For Folder</source>
        <translation>Scegli una cartella</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destinazione</translation>
    </message>
</context>
<context>
    <name>Job</name>
    <message>
        <source>The Fact chunk is missing</source>
        <translation>Manca il blocco fact</translation>
    </message>
    <message>
        <source>The fmt chunk is missing</source>
        <translation>Manca il blocco fmt</translation>
    </message>
    <message>
        <source>The WAV format must be ADPCM</source>
        <translation>Il formato WAV deve essere ADPCM</translation>
    </message>
    <message>
        <source>The Coef must equal to 7</source>
        <translation>Il numero di coefficienti deve essere 7</translation>
    </message>
    <message>
        <source>The Block align must be 512</source>
        <translation>L&apos;allineamento dei blocchi deve essere 512</translation>
    </message>
    <message>
        <source>The Number of channels must be 1</source>
        <translation>Il numero di canali deve essere 1</translation>
    </message>
    <message>
        <source>The RIFF chunk is missing</source>
        <translation>Manca il blocco RIFF</translation>
    </message>
    <message>
        <source>The WAVE chunk is missing</source>
        <translation>Manca il blocco WAVE</translation>
    </message>
    <message>
        <source>The WAV format must be PCM</source>
        <translation>Il formato WAV deve essere PCM</translation>
    </message>
    <message>
        <source>The Block align must be 2</source>
        <translation>L&apos;allineamento dei blocchi deve essere 2</translation>
    </message>
    <message>
        <source>The Data chunk is missing</source>
        <translation>Manca il blocco data</translation>
    </message>
    <message>
        <source>Please, specify path</source>
        <translation>Specificare un percorso</translation>
    </message>
    <message>
        <source>Wrong path</source>
        <translation>Percorso errato</translation>
    </message>
    <message>
        <source>The source &apos;%1&apos; does not exists</source>
        <translation>L&apos;origine «%1» non esiste</translation>
    </message>
    <message>
        <source>Wrong source</source>
        <translation>Origine errata</translation>
    </message>
    <message>
        <source>The directory &apos;%1&apos; does not exists</source>
        <translation>La cartella «%1» non esiste</translation>
    </message>
    <message>
        <source>Wrong destination</source>
        <translation>Destinazione errata</translation>
    </message>
    <message>
        <source>The software does not support given audio format
Details: %1</source>
        <translation>Il programma non supporta questo formato audio
Dettagli: %1</translation>
    </message>
    <message>
        <source>Application has stopped by user request</source>
        <translation>L&apos;applicazione è stata interrotta su richiesta dell&apos;utente</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Operazione non riuscita</translation>
    </message>
    <message>
        <source>Cannot write file &apos;%1&apos;</source>
        <translation>Impossibile scrivere il file «%1»</translation>
    </message>
    <message>
        <source>Cannot open file &apos; %1&apos;. Do you want to continue?</source>
        <translation>Impossibile aprire il file «%1». Continuare?</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is too long to convert</source>
        <translation>Il file «%1» è troppo lungo per essere convertito</translation>
    </message>
    <message>
        <source>Cannot open file &apos; %1&apos; for writing. Do you want to continue?</source>
        <translation>Impossibile aprire in scrittura il file «%1». Continuare?</translation>
    </message>
    <message>
        <source>Cannot read file &apos;%1&apos;</source>
        <translation>Impossibile leggere il file «%1»</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Conferma</translation>
    </message>
</context>
</TS>
