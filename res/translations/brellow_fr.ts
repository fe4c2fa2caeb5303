<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CBrellowDlg</name>
    <message>
        <source>Source:</source>
        <translation>Source&#xa0;:</translation>
    </message>
    <message>
        <source>Destination Folder:</source>
        <translation>Dossier de destination&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Open containing folder</source>
        <translation>&amp;Ouvrir le dossier contenant</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Are you sure you want to stop conversion?</source>
        <translation>Voulez-vous vraiment arrêter la conversion&#xa0;?</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Browse For File</source>
        <translation>Choisir un fichier</translation>
    </message>
    <message>
        <source>Browse For Folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>O&amp;ptions...</source>
        <translation>O&amp;ptions...</translation>
    </message>
    <message>
        <source>Other recording formats, pauses, passes and practice files: what brellow-cli&apos;s options do.</source>
        <translation>Autres formats d&apos;enregistrement, pauses, répétitions et fichiers d&apos;entraînement&#xa0;: ce que font les options de brellow-cli.</translation>
    </message>
    <message>
        <source>FFmpeg&apos;s libraries cannot be loaded: %1</source>
        <translation>Impossible de charger les bibliothèques de FFmpeg&#xa0;: %1</translation>
    </message>
    <message>
        <source>Recordings (%1)</source>
        <translation>Enregistrements (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>&amp;Listen...</source>
        <translation>É&amp;couter...</translation>
    </message>
    <message>
        <source>Plays the source&apos;s phrases one by one, to fix their marks and record yourself.</source>
        <translation>Lit les phrases de la source une à une, pour corriger leurs marques et vous enregistrer.</translation>
    </message>
    <message>
        <source>To convert it, turn on &quot;%1&quot; in Options.</source>
        <translation>Pour la convertir, activez « %1 » dans les Options.</translation>
    </message>
    <message>
        <source>These recordings were skipped:</source>
        <translation>Ces enregistrements ont été ignorés :</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Ignorés</translation>
    </message>
</context>
<context>
    <name>CLessonAudio</name>
    <message>
        <source>Playing is off: no sound output was found.</source>
        <translation>Lecture désactivée : aucune sortie audio trouvée.</translation>
    </message>
    <message>
        <source>Recording is off: no sound input was found.</source>
        <translation>Enregistrement désactivé : aucune entrée audio trouvée.</translation>
    </message>
    <message>
        <source>The sound cannot be played.</source>
        <translation>Le son ne peut pas être lu.</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Once (as recorded)</source>
        <translation>Une fois (telle qu&apos;enregistrée)</translation>
    </message>
    <message>
        <source>Twice, slower first (0.75, 1)</source>
        <translation>Deux fois, plus lentement d&apos;abord (0.75, 1)</translation>
    </message>
    <message>
        <source>Three times</source>
        <translation>Trois fois</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>Enregistrements</translation>
    </message>
    <message>
        <source>Read &amp;every recording format (MP3, M4A, Opus, FLAC, ...)</source>
        <translation>Lire &amp;tous les formats d&apos;enregistrement (MP3, M4A, Opus, FLAC, ...)</translation>
    </message>
    <message>
        <source>Phrases</source>
        <translation>Phrases</translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation>&amp;Seuil&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Automatic</source>
        <translation>&amp;Automatique</translation>
    </message>
    <message>
        <source>Minimum &amp;silence:</source>
        <translation>Silence m&amp;inimal&#xa0;:</translation>
    </message>
    <message>
        <source>Minimum p&amp;hrase:</source>
        <translation>&amp;Phrase minimale&#xa0;:</translation>
    </message>
    <message>
        <source>Lon&amp;gest phrase:</source>
        <translation>Phrase la plus lon&amp;gue&#xa0;:</translation>
    </message>
    <message>
        <source>A phrase that reaches this length is cut where it is quietest in its last third, in seconds.</source>
        <translation>Une phrase qui atteint cette durée est coupée là où elle est la plus calme dans son dernier tiers, en secondes.</translation>
    </message>
    <message>
        <source>Phrases from s&amp;ubtitles (.srt)</source>
        <translation>Phrases d&apos;après les so&amp;us-titres (.srt)</translation>
    </message>
    <message>
        <source>Pauses</source>
        <translation>Pauses</translation>
    </message>
    <message>
        <source>Fa&amp;ctor:</source>
        <translation>Fa&amp;cteur&#xa0;:</translation>
    </message>
    <message>
        <source>E&amp;xtra:</source>
        <translation>Supplém&amp;ent&#xa0;:</translation>
    </message>
    <message>
        <source>Mi&amp;nimum:</source>
        <translation>Mi&amp;nimum&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Maximum:</source>
        <translation>&amp;Maximum&#xa0;:</translation>
    </message>
    <message>
        <source>Passes</source>
        <translation>Répétitions</translation>
    </message>
    <message>
        <source>&amp;Passes:</source>
        <translation>&amp;Répétitions&#xa0;:</translation>
    </message>
    <message>
        <source>Temp&amp;os:</source>
        <translation>Temp&amp;os&#xa0;:</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Bit rate:</source>
        <translation>&amp;Débit&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Labels:</source>
        <translation>Mar&amp;queurs&#xa0;:</translation>
    </message>
    <message>
        <source>Clips for An&amp;ki</source>
        <translation>E&amp;xtraits pour Anki</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>From %1 to %2.</source>
        <translation>De %1 à %2.</translation>
    </message>
    <message>
        <source>Above %1, up to %2.</source>
        <translation>Au-dessus de %1, jusqu&apos;à %2.</translation>
    </message>
    <message>
        <source>Reads recordings of every format that FFmpeg&apos;s libraries read, mono or stereo. A source folder then gives all of its recordings.</source>
        <translation>Lit les enregistrements de tout format que lisent les bibliothèques de FFmpeg, mono ou stéréo. Un dossier source fournit alors tous ses enregistrements.</translation>
    </message>
    <message>
        <source>A sample counts as quiet below this level, in decibels below full scale.</source>
        <translation>Un échantillon compte comme silence en dessous de ce niveau, en décibels sous la pleine échelle.</translation>
    </message>
    <message>
        <source>The quiet level follows each recording&apos;s own noise floor and speech level.</source>
        <translation>Le seuil de silence suit le bruit de fond et le niveau de la voix de chaque enregistrement.</translation>
    </message>
    <message>
        <source>How long a quiet stretch must last before a phrase may end, in seconds.</source>
        <translation>Durée qu&apos;un passage silencieux doit atteindre avant qu&apos;une phrase puisse se terminer, en secondes.</translation>
    </message>
    <message>
        <source>How much audio must follow a pause before the next one, in seconds.</source>
        <translation>Durée d&apos;audio qui doit suivre une pause avant la suivante, en secondes.</translation>
    </message>
    <message>
        <source>Phrases follow the subtitles of the .srt file that has the recording&apos;s title, beside it, when there is one.</source>
        <translation>Les phrases suivent les sous-titres du fichier .srt qui porte le titre de l&apos;enregistrement et se trouve à côté de lui, s&apos;il existe.</translation>
    </message>
    <message>
        <source>Each pause lasts this many times the phrase before it.</source>
        <translation>Chaque pause dure ce nombre de fois la phrase qui la précède.</translation>
    </message>
    <message>
        <source>Seconds added to every pause.</source>
        <translation>Secondes ajoutées à chaque pause.</translation>
    </message>
    <message>
        <source>No pause is shorter than this, in seconds.</source>
        <translation>Aucune pause n&apos;est plus courte que cette valeur, en secondes.</translation>
    </message>
    <message>
        <source>No pause is longer than this, in seconds.</source>
        <translation>Aucune pause n&apos;est plus longue que cette valeur, en secondes.</translation>
    </message>
    <message>
        <source>How often each phrase is heard, and how fast.</source>
        <translation>Combien de fois chaque phrase est entendue, et à quelle vitesse.</translation>
    </message>
    <message>
        <source>The practice files&apos; format: WAV, lossless FLAC, or MP3 and Opus, which are small enough for a phone.</source>
        <translation>Le format des fichiers d&apos;entraînement&#xa0;: WAV, FLAC sans perte, ou MP3 et Opus, assez légers pour un téléphone.</translation>
    </message>
    <message>
        <source>The bit rate of MP3 files, from %1 to %2 kbit/s, and of Opus files, from %3 to %4 kbit/s.</source>
        <translation>Le débit des fichiers MP3, de %1 à %2 kbit/s, et des fichiers Opus, de %3 à %4 kbit/s.</translation>
    </message>
    <message>
        <source>Where each phrase is, in a file beside each practice file: subtitles (SRT), lyrics (LRC) or Audacity&apos;s labels.</source>
        <translation>L&apos;emplacement de chaque phrase, dans un fichier à côté de chaque fichier d&apos;entraînement&#xa0;: sous-titres (SRT), paroles (LRC) ou marqueurs d&apos;Audacity.</translation>
    </message>
    <message>
        <source>Each phrase also as a clip of its own, with a list that Anki imports as cards.</source>
        <translation>Chaque phrase aussi sous forme d&apos;extrait séparé, avec une liste qu&apos;Anki importe comme cartes.</translation>
    </message>
    <message>
        <source>Keeps these options for the next runs.</source>
        <translation>Conserve ces options pour les prochaines conversions.</translation>
    </message>
    <message>
        <source>Closes without changing the options.</source>
        <translation>Ferme sans modifier les options.</translation>
    </message>
    <message>
        <source>Every option back to its default: Run then does exactly what it does without options.</source>
        <translation>Remet chaque option à sa valeur par défaut&#xa0;: Démarrer fait alors exactement ce qu&apos;il fait sans options.</translation>
    </message>
    <message>
        <source>&amp;Detector:</source>
        <translation>Mét&amp;hode de détection :</translation>
    </message>
    <message>
        <source>For example %1</source>
        <translation>Par exemple %1</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Parole</translation>
    </message>
    <message>
        <source>What tells a pause from speech: the level above, a small network that hears speech over music and noise, or automatically the level where the recording has clear quiet and the network where not.</source>
        <translation>Ce qui distingue une pause de la parole&#xa0;: le niveau ci-dessus, un petit réseau qui entend la parole par-dessus la musique et le bruit, ou automatiquement le niveau là où l&apos;enregistrement a des silences nets et le réseau ailleurs.</translation>
    </message>
    <message>
        <source>One tempo for each pass, separated by &quot;%4&quot;: 1 is as recorded, %5 slower. At most %1 passes, each from %2 to %3.</source>
        <translation>Un tempo par répétition, séparés par «&#xa0;%4&#xa0;»&#xa0;: 1 correspond à l&apos;enregistrement, %5 est plus lent. Au plus %1 répétitions, chacune de %2 à %3.</translation>
    </message>
    <message>
        <source>Needs 1 to %1 tempos from %2 to %3, separated by &quot;%4&quot;.</source>
        <translation>Il faut de 1 à %1 tempos de %2 à %3, séparés par &quot;%4&quot;.</translation>
    </message>
    <message>
        <source>Skip &amp;recordings that cannot be read, and go on</source>
        <translation>Ignorer les enregistrements i&amp;llisibles et continuer</translation>
    </message>
    <message>
        <source>A folder&apos;s recording that is damaged, in a format that is not read, or that fails is skipped without a message of its own; one message at the end lists each, with the reason.</source>
        <translation>Un enregistrement du dossier endommagé, dans un format qui n’est pas lu, ou qui échoue est ignoré sans message propre ; un message à la fin les énumère tous, avec la raison.</translation>
    </message>
</context>
<context>
    <name>CPracticeWnd</name>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Lire</translation>
    </message>
    <message>
        <source>Plays the phrase again</source>
        <translation>Relit la phrase</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;Précédente</translation>
    </message>
    <message>
        <source>Plays the phrase before</source>
        <translation>Lit la phrase précédente</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivante</translation>
    </message>
    <message>
        <source>Plays the next phrase</source>
        <translation>Lit la phrase suivante</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Records you for the phrase&apos;s length and one second more</source>
        <translation>Vous enregistre pendant la durée de la phrase plus une seconde</translation>
    </message>
    <message>
        <source>Play &amp;take</source>
        <translation>Écouter la p&amp;rise</translation>
    </message>
    <message>
        <source>Plays your last take</source>
        <translation>Lit votre dernière prise</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Comparer</translation>
    </message>
    <message>
        <source>Plays the phrase, then your take</source>
        <translation>Lit la phrase, puis votre prise</translation>
    </message>
    <message>
        <source>Save t&amp;ake</source>
        <translation>Enregistrer la pr&amp;ise</translation>
    </message>
    <message>
        <source>Saves your last take in the destination folder</source>
        <translation>Enregistre votre dernière prise dans le dossier de destination</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Joindre</translation>
    </message>
    <message>
        <source>Joins the phrase with the next one</source>
        <translation>Joint la phrase à la suivante</translation>
    </message>
    <message>
        <source>Spl&amp;it</source>
        <translation>C&amp;ouper</translation>
    </message>
    <message>
        <source>Splits the phrase where it plays or where the mouse points</source>
        <translation>Coupe la phrase là où elle est lue ou là où pointe la souris</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Undoes the last change of the marks</source>
        <translation>Annule la dernière modification des marques</translation>
    </message>
    <message>
        <source>Save &amp;marks</source>
        <translation>Enregistrer les &amp;marques</translation>
    </message>
    <message>
        <source>Saves the marks as subtitles in the destination folder</source>
        <translation>Enregistre les marques comme sous-titres dans le dossier de destination</translation>
    </message>
    <message>
        <source>C&amp;onvert</source>
        <translation>Con&amp;vertir</translation>
    </message>
    <message>
        <source>Converts the lesson with these marks</source>
        <translation>Convertit la leçon avec ces marques</translation>
    </message>
    <message>
        <source>Listen - %1</source>
        <translation>Écouter - %1</translation>
    </message>
    <message>
        <source>How often Space plays each phrase, with the passes and pauses of the options</source>
        <translation>Combien de fois Espace lit chaque phrase, avec les passages et les pauses des options</translation>
    </message>
    <message>
        <source>R&amp;epeats:</source>
        <translation>Répé&amp;titions :</translation>
    </message>
    <message>
        <source>Take %1 recorded.</source>
        <translation>Prise %1 enregistrée.</translation>
    </message>
    <message>
        <source>Phrase %1 of %2</source>
        <translation>Phrase %1 sur %2</translation>
    </message>
    <message>
        <source>Recording cannot start.</source>
        <translation>L&apos;enregistrement ne peut pas démarrer.</translation>
    </message>
    <message>
        <source>Recording...</source>
        <translation>Enregistrement...</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 enregistré.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it with the marks?</source>
        <translation>%1 existe déjà. Le remplacer par les marques ?</translation>
    </message>
    <message>
        <source>The marks have changed. Save them?</source>
        <translation>Les marques ont changé. Les enregistrer ?</translation>
    </message>
    <message>
        <source>The slower and faster passes play as recorded: there is nothing here to stretch them.</source>
        <translation>Les passages plus lents et plus rapides sont lus tels qu&apos;enregistrés : rien ici ne peut les étirer.</translation>
    </message>
    <message>
        <source>Plays the first phrase</source>
        <translation>Lit la première phrase</translation>
    </message>
    <message>
        <source>Plays the last phrase</source>
        <translation>Lit la dernière phrase</translation>
    </message>
    <message>
        <source>Moves the nearest mark 10 ms earlier</source>
        <translation>Avance de 10 ms la marque la plus proche</translation>
    </message>
    <message>
        <source>Moves the nearest mark 10 ms later</source>
        <translation>Recule de 10 ms la marque la plus proche</translation>
    </message>
    <message>
        <source>Zooms in</source>
        <translation>Agrandit la vue</translation>
    </message>
    <message>
        <source>Zooms out</source>
        <translation>Réduit la vue</translation>
    </message>
    <message>
        <source>Drag a mark to move it, click a phrase to choose it, Ctrl+wheel zooms.</source>
        <translation>Faites glisser une marque pour la déplacer, cliquez sur une phrase pour la choisir ; Ctrl+molette zoome.</translation>
    </message>
</context>
<context>
    <name>Job</name>
    <message>
        <source>The Fact chunk is missing</source>
        <translation>Le bloc fact est absent</translation>
    </message>
    <message>
        <source>The fmt chunk is missing</source>
        <translation>Le bloc fmt est absent</translation>
    </message>
    <message>
        <source>The WAV format must be ADPCM</source>
        <translation>Le format WAV doit être ADPCM</translation>
    </message>
    <message>
        <source>The Coef must equal to 7</source>
        <translation>Le nombre de coefficients doit être égal à 7</translation>
    </message>
    <message>
        <source>The Block align must be 512</source>
        <translation>L’alignement des blocs doit être de 512</translation>
    </message>
    <message>
        <source>The Number of channels must be 1</source>
        <translation>Le nombre de canaux doit être égal à 1</translation>
    </message>
    <message>
        <source>The RIFF chunk is missing</source>
        <translation>Le bloc RIFF est absent</translation>
    </message>
    <message>
        <source>The WAVE chunk is missing</source>
        <translation>Le bloc WAVE est absent</translation>
    </message>
    <message>
        <source>The WAV format must be PCM</source>
        <translation>Le format WAV doit être PCM</translation>
    </message>
    <message>
        <source>The Block align must be 2</source>
        <translation>L’alignement des blocs doit être de 2</translation>
    </message>
    <message>
        <source>The Data chunk is missing</source>
        <translation>Le bloc data est absent</translation>
    </message>
    <message>
        <source>Please, specify path</source>
        <translation>Veuillez indiquer un chemin</translation>
    </message>
    <message>
        <source>Wrong path</source>
        <translation>Chemin incorrect</translation>
    </message>
    <message>
        <source>The source &apos;%1&apos; does not exists</source>
        <translation>La source «&#xa0;%1&#xa0;» n’existe pas</translation>
    </message>
    <message>
        <source>Wrong source</source>
        <translation>Source incorrecte</translation>
    </message>
    <message>
        <source>The directory &apos;%1&apos; does not exists</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n’existe pas</translation>
    </message>
    <message>
        <source>Wrong destination</source>
        <translation>Destination incorrecte</translation>
    </message>
    <message>
        <source>The software does not support given audio format
Details: %1</source>
        <translation>Le logiciel ne prend pas en charge ce format audio
Détails&#xa0;: %1</translation>
    </message>
    <message>
        <source>Application has stopped by user request</source>
        <translation>L’application a été arrêtée à la demande de l’utilisateur</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Cannot write file &apos;%1&apos;</source>
        <translation>Impossible d’écrire le fichier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Cannot open file &apos; %1&apos;. Do you want to continue?</source>
        <translation>Impossible d’ouvrir le fichier «&#xa0;%1&#xa0;». Voulez-vous continuer&#xa0;?</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is too long to convert</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» est trop long pour être converti</translation>
    </message>
    <message>
        <source>Cannot open file &apos; %1&apos; for writing. Do you want to continue?</source>
        <translation>Impossible d’ouvrir le fichier «&#xa0;%1&#xa0;» en écriture. Voulez-vous continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Cannot open file &apos; %1&apos; for writing (%2). Do you want to continue?</source>
        <translation>Impossible d’ouvrir le fichier «&#xa0;%1&#xa0;» en écriture (%2). Voulez-vous continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Cannot read file &apos;%1&apos;</source>
        <translation>Impossible de lire le fichier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Cannot write file &apos;%1&apos;
Details: %2</source>
        <translation>Impossible d’écrire le fichier « %1 »
Détails : %2</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>le fichier ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>The recording &apos;%1&apos; is too long for the practice window.</source>
        <translation>L&apos;enregistrement «&#xa0;%1&#xa0;» est trop long pour la fenêtre d&apos;entraînement.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; holds no audio.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» ne contient pas d&apos;audio.</translation>
    </message>
</context>
<context>
    <name>Media</name>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>the file is not a recording in a format that can be read</source>
        <translation>le fichier n’est pas un enregistrement dans un format lisible</translation>
    </message>
    <message>
        <source>the file is not a recording in a format that can be read (FFmpeg reads it as %1)</source>
        <translation>le fichier n’est pas un enregistrement dans un format lisible (FFmpeg le lit comme %1)</translation>
    </message>
    <message>
        <source>the file holds no audio</source>
        <translation>le fichier ne contient aucun son</translation>
    </message>
    <message>
        <source>its audio is in a format that cannot be decoded</source>
        <translation>son audio est dans un format qui ne peut pas être décodé</translation>
    </message>
    <message>
        <source>its audio is in a format that cannot be decoded (%1)</source>
        <translation>son audio est dans un format qui ne peut pas être décodé (%1)</translation>
    </message>
    <message>
        <source>its audio is in a format that cannot be decoded: %1</source>
        <translation>son audio est dans un format qui ne peut pas être décodé : %1</translation>
    </message>
    <message>
        <source>the recording is damaged and cannot be decoded</source>
        <translation>l’enregistrement est endommagé et ne peut pas être décodé</translation>
    </message>
    <message>
        <source>the recording is damaged and cannot be decoded: %1</source>
        <translation>l’enregistrement est endommagé et ne peut pas être décodé : %1</translation>
    </message>
    <message>
        <source>the recording is cut short: the file ends before it does</source>
        <translation>l’enregistrement est tronqué : le fichier se termine avant lui</translation>
    </message>
    <message>
        <source>no audio could be decoded from it</source>
        <translation>aucun son n’a pu en être décodé</translation>
    </message>
    <message>
        <source>the recording changes its sample rate part way through</source>
        <translation>l’enregistrement change de fréquence d’échantillonnage en cours de route</translation>
    </message>
    <message>
        <source>the recording has more than the 64 channels that can be mixed</source>
        <translation>l’enregistrement a plus des 64 canaux qui peuvent être mixés</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>the recording could not be opened</source>
        <translation>l’enregistrement n’a pas pu être ouvert</translation>
    </message>
    <message>
        <source>the recording could not be opened: out of memory</source>
        <translation>l’enregistrement n’a pas pu être ouvert : mémoire insuffisante</translation>
    </message>
    <message>
        <source>the recording&apos;s sample rate of %1 Hz is outside the 1 kHz to 768 kHz that can be converted</source>
        <translation>la fréquence d’échantillonnage de l’enregistrement, %1 Hz, est hors des 1 kHz à 768 kHz qui peuvent être convertis</translation>
    </message>
    <message>
        <source>FFmpeg&apos;s libraries cannot be loaded: %1</source>
        <translation>Impossible de charger les bibliothèques de FFmpeg&#xa0;: %1</translation>
    </message>
    <message>
        <source>FFmpeg&apos;s libraries have no encoder %1</source>
        <translation>Les bibliothèques de FFmpeg n’ont pas d’encodeur %1</translation>
    </message>
    <message>
        <source>FFmpeg&apos;s libraries have no muxer %1</source>
        <translation>Les bibliothèques de FFmpeg n’ont pas de multiplexeur %1</translation>
    </message>
    <message>
        <source>the encoder %1 refused its settings: %2</source>
        <translation>l’encodeur %1 a refusé ses réglages : %2</translation>
    </message>
    <message>
        <source>the encoder %1 does not take its options: %2</source>
        <translation>l’encodeur %1 n’accepte pas ses options : %2</translation>
    </message>
    <message>
        <source>the encoder %1 failed: %2</source>
        <translation>l’encodeur %1 a échoué : %2</translation>
    </message>
    <message>
        <source>no resampler to %1 Hz could be made: %2</source>
        <translation>aucun rééchantillonneur vers %1 Hz n’a pu être créé : %2</translation>
    </message>
    <message>
        <source>the resampler failed: %1</source>
        <translation>le rééchantillonneur a échoué : %1</translation>
    </message>
    <message>
        <source>the muxer could not be made: %1</source>
        <translation>le multiplexeur n’a pas pu être créé : %1</translation>
    </message>
    <message>
        <source>the muxer %1 could not begin the file: %2</source>
        <translation>le multiplexeur %1 n’a pas pu commencer le fichier : %2</translation>
    </message>
    <message>
        <source>the muxer %1 could not write: %2</source>
        <translation>le multiplexeur %1 n’a pas pu écrire : %2</translation>
    </message>
    <message>
        <source>the muxer %1 could not end the file: %2</source>
        <translation>le multiplexeur %1 n’a pas pu terminer le fichier : %2</translation>
    </message>
</context>
<context>
    <name>Subtitles</name>
    <message>
        <source>&apos;--&gt;&apos; between two times was expected</source>
        <translation>«&#xa0;--&gt;&#xa0;» était attendu entre deux temps</translation>
    </message>
    <message>
        <source>a time such as %1 was expected</source>
        <translation>un temps tel que %1 était attendu</translation>
    </message>
    <message>
        <source>the cue ends before it starts</source>
        <translation>le sous-titre se termine avant de commencer</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>a cue number or a line of times was expected, not &apos;%1&apos;</source>
        <translation>un numéro de sous-titre ou une ligne de temps était attendu, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the file ends before the cue&apos;s times</source>
        <translation>le fichier se termine avant les temps du sous-titre</translation>
    </message>
    <message>
        <source>it holds no cues</source>
        <translation>le fichier ne contient aucun sous-titre</translation>
    </message>
    <message>
        <source>&apos;WEBVTT&apos; was expected</source>
        <translation>«&#xa0;WEBVTT&#xa0;» était attendu</translation>
    </message>
    <message>
        <source>The subtitles &apos;%1&apos; cannot be read: %2</source>
        <translation>Impossible de lire les sous-titres «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>le fichier ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>the file is too large for subtitles</source>
        <translation>le fichier est trop volumineux pour des sous-titres</translation>
    </message>
</context>
</TS>
