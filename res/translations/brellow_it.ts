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
    <message>
        <source>O&amp;ptions...</source>
        <translation>&amp;Opzioni...</translation>
    </message>
    <message>
        <source>Other recording formats, pauses, passes and practice files: what brellow-cli&apos;s options do.</source>
        <translation>Altri formati di registrazione, pause, ripetizioni e file di esercizio: ciò che fanno le opzioni di brellow-cli.</translation>
    </message>
    <message>
        <source>FFmpeg&apos;s libraries cannot be loaded: %1</source>
        <translation>Impossibile caricare le librerie di FFmpeg: %1</translation>
    </message>
    <message>
        <source>Recordings (%1)</source>
        <translation>Registrazioni (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>&amp;Listen...</source>
        <translation>Asco&amp;lta...</translation>
    </message>
    <message>
        <source>Plays the source&apos;s phrases one by one, to fix their marks and record yourself.</source>
        <translation>Riproduce le frasi della sorgente una alla volta, per correggerne le marcature e registrarsi.</translation>
    </message>
    <message>
        <source>To convert it, turn on &quot;%1&quot; in Options.</source>
        <translation>Per convertirla, attiva «%1» nelle Opzioni.</translation>
    </message>
    <message>
        <source>These recordings were skipped:</source>
        <translation>Queste registrazioni sono state saltate:</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Saltate</translation>
    </message>
</context>
<context>
    <name>CLessonAudio</name>
    <message>
        <source>Playing is off: no sound output was found.</source>
        <translation>Riproduzione disattivata: nessuna uscita audio trovata.</translation>
    </message>
    <message>
        <source>Recording is off: no sound input was found.</source>
        <translation>Registrazione disattivata: nessun ingresso audio trovato.</translation>
    </message>
    <message>
        <source>The sound cannot be played.</source>
        <translation>Impossibile riprodurre il suono.</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Once (as recorded)</source>
        <translation>Una volta (come registrata)</translation>
    </message>
    <message>
        <source>Twice, slower first (0.75, 1)</source>
        <translation>Due volte, prima più lenta (0.75, 1)</translation>
    </message>
    <message>
        <source>Three times</source>
        <translation>Tre volte</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>Registrazioni</translation>
    </message>
    <message>
        <source>Read &amp;every recording format (MP3, M4A, Opus, FLAC, ...)</source>
        <translation>Leggi &amp;tutti i formati di registrazione (MP3, M4A, Opus, FLAC, ...)</translation>
    </message>
    <message>
        <source>Phrases</source>
        <translation>Frasi</translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation>&amp;Soglia:</translation>
    </message>
    <message>
        <source>&amp;Automatic</source>
        <translation>&amp;Automatica</translation>
    </message>
    <message>
        <source>Minimum &amp;silence:</source>
        <translation>Si&amp;lenzio minimo:</translation>
    </message>
    <message>
        <source>Minimum p&amp;hrase:</source>
        <translation>F&amp;rase minima:</translation>
    </message>
    <message>
        <source>Lon&amp;gest phrase:</source>
        <translation>Frase più lun&amp;ga:</translation>
    </message>
    <message>
        <source>A phrase that reaches this length is cut where it is quietest in its last third, in seconds.</source>
        <translation>Una frase che raggiunge questa durata viene tagliata dove è più silenziosa nel suo ultimo terzo, in secondi.</translation>
    </message>
    <message>
        <source>Phrases from s&amp;ubtitles (.srt)</source>
        <translation>Frasi dai s&amp;ottotitoli (.srt)</translation>
    </message>
    <message>
        <source>Pauses</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Fa&amp;ctor:</source>
        <translation>&amp;Fattore:</translation>
    </message>
    <message>
        <source>E&amp;xtra:</source>
        <translation>E&amp;xtra:</translation>
    </message>
    <message>
        <source>Mi&amp;nimum:</source>
        <translation>Mi&amp;nimo:</translation>
    </message>
    <message>
        <source>&amp;Maximum:</source>
        <translation>Mass&amp;imo:</translation>
    </message>
    <message>
        <source>Passes</source>
        <translation>Ripetizioni</translation>
    </message>
    <message>
        <source>&amp;Passes:</source>
        <translation>Ri&amp;petizioni:</translation>
    </message>
    <message>
        <source>Temp&amp;os:</source>
        <translation>T&amp;empi:</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Uscita</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>For&amp;mato:</translation>
    </message>
    <message>
        <source>&amp;Bit rate:</source>
        <translation>&amp;Bitrate:</translation>
    </message>
    <message>
        <source>&amp;Labels:</source>
        <translation>Eti&amp;chette:</translation>
    </message>
    <message>
        <source>Clips for An&amp;ki</source>
        <translation>Clip per An&amp;ki</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>From %1 to %2.</source>
        <translation>Da %1 a %2.</translation>
    </message>
    <message>
        <source>Above %1, up to %2.</source>
        <translation>Oltre %1, fino a %2.</translation>
    </message>
    <message>
        <source>Reads recordings of every format that FFmpeg&apos;s libraries read, mono or stereo. A source folder then gives all of its recordings.</source>
        <translation>Legge registrazioni in qualsiasi formato leggibile dalle librerie di FFmpeg, mono o stereo. Una cartella di origine fornisce allora tutte le sue registrazioni.</translation>
    </message>
    <message>
        <source>A sample counts as quiet below this level, in decibels below full scale.</source>
        <translation>Un campione conta come silenzio sotto questo livello, in decibel sotto il fondo scala.</translation>
    </message>
    <message>
        <source>The quiet level follows each recording&apos;s own noise floor and speech level.</source>
        <translation>La soglia del silenzio segue il rumore di fondo e il livello del parlato di ogni registrazione.</translation>
    </message>
    <message>
        <source>How long a quiet stretch must last before a phrase may end, in seconds.</source>
        <translation>Quanto deve durare un tratto di silenzio prima che una frase possa finire, in secondi.</translation>
    </message>
    <message>
        <source>How much audio must follow a pause before the next one, in seconds.</source>
        <translation>Quanto audio deve seguire una pausa prima della successiva, in secondi.</translation>
    </message>
    <message>
        <source>Phrases follow the subtitles of the .srt file that has the recording&apos;s title, beside it, when there is one.</source>
        <translation>Le frasi seguono i sottotitoli del file .srt che ha il titolo della registrazione e si trova accanto a essa, se esiste.</translation>
    </message>
    <message>
        <source>Each pause lasts this many times the phrase before it.</source>
        <translation>Ogni pausa dura questo numero di volte la frase che la precede.</translation>
    </message>
    <message>
        <source>Seconds added to every pause.</source>
        <translation>Secondi aggiunti a ogni pausa.</translation>
    </message>
    <message>
        <source>No pause is shorter than this, in seconds.</source>
        <translation>Nessuna pausa è più breve di questo valore, in secondi.</translation>
    </message>
    <message>
        <source>No pause is longer than this, in seconds.</source>
        <translation>Nessuna pausa è più lunga di questo valore, in secondi.</translation>
    </message>
    <message>
        <source>How often each phrase is heard, and how fast.</source>
        <translation>Quante volte si ascolta ogni frase, e a quale velocità.</translation>
    </message>
    <message>
        <source>The practice files&apos; format: WAV, lossless FLAC, or MP3 and Opus, which are small enough for a phone.</source>
        <translation>Il formato dei file di esercizio: WAV, FLAC senza perdita, oppure MP3 e Opus, abbastanza piccoli per un telefono.</translation>
    </message>
    <message>
        <source>The bit rate of MP3 files, from %1 to %2 kbit/s, and of Opus files, from %3 to %4 kbit/s.</source>
        <translation>Il bitrate dei file MP3, da %1 a %2 kbit/s, e dei file Opus, da %3 a %4 kbit/s.</translation>
    </message>
    <message>
        <source>Where each phrase is, in a file beside each practice file: subtitles (SRT), lyrics (LRC) or Audacity&apos;s labels.</source>
        <translation>Dove si trova ogni frase, in un file accanto a ogni file di esercizio: sottotitoli (SRT), testi (LRC) o etichette di Audacity.</translation>
    </message>
    <message>
        <source>Each phrase also as a clip of its own, with a list that Anki imports as cards.</source>
        <translation>Ogni frase anche come clip a sé, con un elenco che Anki importa come schede.</translation>
    </message>
    <message>
        <source>Keeps these options for the next runs.</source>
        <translation>Conserva queste opzioni per le prossime esecuzioni.</translation>
    </message>
    <message>
        <source>Closes without changing the options.</source>
        <translation>Chiude senza modificare le opzioni.</translation>
    </message>
    <message>
        <source>Every option back to its default: Run then does exactly what it does without options.</source>
        <translation>Ogni opzione torna al suo valore predefinito: Avvia fa allora esattamente ciò che fa senza opzioni.</translation>
    </message>
    <message>
        <source>&amp;Detector:</source>
        <translation>Rile&amp;vatore:</translation>
    </message>
    <message>
        <source>For example %1</source>
        <translation>Per esempio %1</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Parlato</translation>
    </message>
    <message>
        <source>What tells a pause from speech: the level above, a small network that hears speech over music and noise, or automatically the level where the recording has clear quiet and the network where not.</source>
        <translation>Che cosa distingue una pausa dal parlato: il livello qui sopra, una piccola rete che sente il parlato sopra musica e rumore, oppure automaticamente il livello dove la registrazione ha silenzi chiari e la rete dove no.</translation>
    </message>
    <message>
        <source>One tempo for each pass, separated by &quot;%4&quot;: 1 is as recorded, %5 slower. At most %1 passes, each from %2 to %3.</source>
        <translation>Un tempo per ripetizione, separati da &quot;%4&quot;: 1 è come registrato, %5 più lento. Al massimo %1 ripetizioni, ciascuna da %2 a %3.</translation>
    </message>
    <message>
        <source>Needs 1 to %1 tempos from %2 to %3, separated by &quot;%4&quot;.</source>
        <translation>Servono da 1 a %1 tempi da %2 a %3, separati da &quot;%4&quot;.</translation>
    </message>
    <message>
        <source>Skip &amp;recordings that cannot be read, and go on</source>
        <translation>Salta le registrazioni illeggibili e contin&amp;ua</translation>
    </message>
    <message>
        <source>A folder&apos;s recording that is damaged, in a format that is not read, or that fails is skipped without a message of its own; one message at the end lists each, with the reason.</source>
        <translation>Una registrazione della cartella danneggiata, in un formato che non viene letto o che non riesce viene saltata senza un messaggio proprio; un messaggio alla fine le elenca tutte, con il motivo.</translation>
    </message>
</context>
<context>
    <name>CPracticeWnd</name>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Riproduci</translation>
    </message>
    <message>
        <source>Plays the phrase again</source>
        <translation>Riproduce di nuovo la frase</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;Precedente</translation>
    </message>
    <message>
        <source>Plays the phrase before</source>
        <translation>Riproduce la frase precedente</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Successiva</translation>
    </message>
    <message>
        <source>Plays the next phrase</source>
        <translation>Riproduce la frase successiva</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>Re&amp;gistra</translation>
    </message>
    <message>
        <source>Records you for the phrase&apos;s length and one second more</source>
        <translation>Ti registra per la durata della frase più un secondo</translation>
    </message>
    <message>
        <source>Play &amp;take</source>
        <translation>Ascolta ripres&amp;a</translation>
    </message>
    <message>
        <source>Plays your last take</source>
        <translation>Riproduce l&apos;ultima ripresa</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Confronta</translation>
    </message>
    <message>
        <source>Plays the phrase, then your take</source>
        <translation>Riproduce la frase, poi la tua ripresa</translation>
    </message>
    <message>
        <source>Save t&amp;ake</source>
        <translation>Salva r&amp;ipresa</translation>
    </message>
    <message>
        <source>Saves your last take in the destination folder</source>
        <translation>Salva l&apos;ultima ripresa nella cartella di destinazione</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Unisci</translation>
    </message>
    <message>
        <source>Joins the phrase with the next one</source>
        <translation>Unisce la frase alla successiva</translation>
    </message>
    <message>
        <source>Spl&amp;it</source>
        <translation>&amp;Dividi</translation>
    </message>
    <message>
        <source>Splits the phrase where it plays or where the mouse points</source>
        <translation>Divide la frase dove viene riprodotta o dove punta il mouse</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>A&amp;nnulla</translation>
    </message>
    <message>
        <source>Undoes the last change of the marks</source>
        <translation>Annulla l&apos;ultima modifica delle marcature</translation>
    </message>
    <message>
        <source>Save &amp;marks</source>
        <translation>Salva &amp;marcature</translation>
    </message>
    <message>
        <source>Saves the marks as subtitles in the destination folder</source>
        <translation>Salva le marcature come sottotitoli nella cartella di destinazione</translation>
    </message>
    <message>
        <source>C&amp;onvert</source>
        <translation>C&amp;onverti</translation>
    </message>
    <message>
        <source>Converts the lesson with these marks</source>
        <translation>Converte la lezione con queste marcature</translation>
    </message>
    <message>
        <source>Listen - %1</source>
        <translation>Ascolta - %1</translation>
    </message>
    <message>
        <source>How often Space plays each phrase, with the passes and pauses of the options</source>
        <translation>Quante volte Spazio riproduce ogni frase, con i passaggi e le pause delle opzioni</translation>
    </message>
    <message>
        <source>R&amp;epeats:</source>
        <translation>Rip&amp;etizioni:</translation>
    </message>
    <message>
        <source>Take %1 recorded.</source>
        <translation>Ripresa %1 registrata.</translation>
    </message>
    <message>
        <source>Phrase %1 of %2</source>
        <translation>Frase %1 di %2</translation>
    </message>
    <message>
        <source>Recording cannot start.</source>
        <translation>Impossibile avviare la registrazione.</translation>
    </message>
    <message>
        <source>Recording...</source>
        <translation>Registrazione...</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 salvato.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>Impossibile scrivere %1.</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it with the marks?</source>
        <translation>%1 esiste già. Sostituirlo con le marcature?</translation>
    </message>
    <message>
        <source>The marks have changed. Save them?</source>
        <translation>Le marcature sono cambiate. Salvarle?</translation>
    </message>
    <message>
        <source>The slower and faster passes play as recorded: there is nothing here to stretch them.</source>
        <translation>I passaggi più lenti e più veloci suonano come registrati: qui non c&apos;è nulla che li allunghi.</translation>
    </message>
    <message>
        <source>Plays the first phrase</source>
        <translation>Riproduce la prima frase</translation>
    </message>
    <message>
        <source>Plays the last phrase</source>
        <translation>Riproduce l&apos;ultima frase</translation>
    </message>
    <message>
        <source>Moves the nearest mark 10 ms earlier</source>
        <translation>Sposta la marcatura più vicina 10 ms prima</translation>
    </message>
    <message>
        <source>Moves the nearest mark 10 ms later</source>
        <translation>Sposta la marcatura più vicina 10 ms dopo</translation>
    </message>
    <message>
        <source>Zooms in</source>
        <translation>Ingrandisce la vista</translation>
    </message>
    <message>
        <source>Zooms out</source>
        <translation>Riduce la vista</translation>
    </message>
    <message>
        <source>Drag a mark to move it, click a phrase to choose it, Ctrl+wheel zooms.</source>
        <translation>Trascini una marcatura per spostarla, faccia clic su una frase per sceglierla; Ctrl+rotellina ingrandisce o riduce.</translation>
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
        <source>Cannot open file &apos; %1&apos; for writing (%2). Do you want to continue?</source>
        <translation>Impossibile aprire in scrittura il file «%1» (%2). Continuare?</translation>
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
    <message>
        <source>Cannot write file &apos;%1&apos;
Details: %2</source>
        <translation>Impossibile scrivere il file «%1»
Dettagli: %2</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>il file non può essere aperto</translation>
    </message>
    <message>
        <source>The recording &apos;%1&apos; is too long for the practice window.</source>
        <translation>La registrazione «%1» è troppo lunga per la finestra di esercizio.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; holds no audio.</source>
        <translation>Il file «%1» non contiene audio.</translation>
    </message>
</context>
<context>
    <name>Media</name>
    <message>
        <source>the file is empty</source>
        <translation>il file è vuoto</translation>
    </message>
    <message>
        <source>the file is not a recording in a format that can be read</source>
        <translation>il file non è una registrazione in un formato leggibile</translation>
    </message>
    <message>
        <source>the file is not a recording in a format that can be read (FFmpeg reads it as %1)</source>
        <translation>il file non è una registrazione in un formato leggibile (FFmpeg lo legge come %1)</translation>
    </message>
    <message>
        <source>the file holds no audio</source>
        <translation>il file non contiene audio</translation>
    </message>
    <message>
        <source>its audio is in a format that cannot be decoded</source>
        <translation>il suo audio è in un formato che non può essere decodificato</translation>
    </message>
    <message>
        <source>its audio is in a format that cannot be decoded (%1)</source>
        <translation>il suo audio è in un formato che non può essere decodificato (%1)</translation>
    </message>
    <message>
        <source>its audio is in a format that cannot be decoded: %1</source>
        <translation>il suo audio è in un formato che non può essere decodificato: %1</translation>
    </message>
    <message>
        <source>the recording is damaged and cannot be decoded</source>
        <translation>la registrazione è danneggiata e non può essere decodificata</translation>
    </message>
    <message>
        <source>the recording is damaged and cannot be decoded: %1</source>
        <translation>la registrazione è danneggiata e non può essere decodificata: %1</translation>
    </message>
    <message>
        <source>the recording is cut short: the file ends before it does</source>
        <translation>la registrazione è troncata: il file finisce prima di essa</translation>
    </message>
    <message>
        <source>no audio could be decoded from it</source>
        <translation>non è stato possibile decodificarne alcun audio</translation>
    </message>
    <message>
        <source>the recording changes its sample rate part way through</source>
        <translation>la registrazione cambia frequenza di campionamento a metà</translation>
    </message>
    <message>
        <source>the recording has more than the 64 channels that can be mixed</source>
        <translation>la registrazione ha più dei 64 canali che possono essere mixati</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria insufficiente</translation>
    </message>
    <message>
        <source>the recording could not be opened</source>
        <translation>non è stato possibile aprire la registrazione</translation>
    </message>
    <message>
        <source>the recording could not be opened: out of memory</source>
        <translation>non è stato possibile aprire la registrazione: memoria insufficiente</translation>
    </message>
    <message>
        <source>the recording&apos;s sample rate of %1 Hz is outside the 1 kHz to 768 kHz that can be converted</source>
        <translation>la frequenza di campionamento della registrazione, %1 Hz, è fuori dall’intervallo da 1 kHz a 768 kHz che può essere convertito</translation>
    </message>
    <message>
        <source>FFmpeg&apos;s libraries cannot be loaded: %1</source>
        <translation>Impossibile caricare le librerie di FFmpeg: %1</translation>
    </message>
    <message>
        <source>FFmpeg&apos;s libraries have no encoder %1</source>
        <translation>Le librerie di FFmpeg non hanno il codificatore %1</translation>
    </message>
    <message>
        <source>FFmpeg&apos;s libraries have no muxer %1</source>
        <translation>Le librerie di FFmpeg non hanno il multiplexer %1</translation>
    </message>
    <message>
        <source>the encoder %1 refused its settings: %2</source>
        <translation>il codificatore %1 ha rifiutato le sue impostazioni: %2</translation>
    </message>
    <message>
        <source>the encoder %1 does not take its options: %2</source>
        <translation>il codificatore %1 non accetta le sue opzioni: %2</translation>
    </message>
    <message>
        <source>the encoder %1 failed: %2</source>
        <translation>il codificatore %1 non è riuscito: %2</translation>
    </message>
    <message>
        <source>no resampler to %1 Hz could be made: %2</source>
        <translation>impossibile creare un ricampionatore a %1 Hz: %2</translation>
    </message>
    <message>
        <source>the resampler failed: %1</source>
        <translation>il ricampionatore non è riuscito: %1</translation>
    </message>
    <message>
        <source>the muxer could not be made: %1</source>
        <translation>impossibile creare il multiplexer: %1</translation>
    </message>
    <message>
        <source>the muxer %1 could not begin the file: %2</source>
        <translation>il multiplexer %1 non ha potuto iniziare il file: %2</translation>
    </message>
    <message>
        <source>the muxer %1 could not write: %2</source>
        <translation>il multiplexer %1 non ha potuto scrivere: %2</translation>
    </message>
    <message>
        <source>the muxer %1 could not end the file: %2</source>
        <translation>il multiplexer %1 non ha potuto chiudere il file: %2</translation>
    </message>
</context>
<context>
    <name>Subtitles</name>
    <message>
        <source>&apos;--&gt;&apos; between two times was expected</source>
        <translation>era atteso «--&gt;» tra due tempi</translation>
    </message>
    <message>
        <source>a time such as %1 was expected</source>
        <translation>era atteso un tempo come %1</translation>
    </message>
    <message>
        <source>the cue ends before it starts</source>
        <translation>il sottotitolo finisce prima di iniziare</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>a cue number or a line of times was expected, not &apos;%1&apos;</source>
        <translation>era atteso un numero di sottotitolo o una riga di tempi, non «%1»</translation>
    </message>
    <message>
        <source>the file ends before the cue&apos;s times</source>
        <translation>il file finisce prima dei tempi del sottotitolo</translation>
    </message>
    <message>
        <source>it holds no cues</source>
        <translation>il file non contiene sottotitoli</translation>
    </message>
    <message>
        <source>&apos;WEBVTT&apos; was expected</source>
        <translation>era atteso «WEBVTT»</translation>
    </message>
    <message>
        <source>The subtitles &apos;%1&apos; cannot be read: %2</source>
        <translation>Impossibile leggere i sottotitoli «%1»: %2</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>il file non può essere aperto</translation>
    </message>
    <message>
        <source>the file is too large for subtitles</source>
        <translation>il file è troppo grande per dei sottotitoli</translation>
    </message>
</context>
</TS>
