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
</context>
</TS>
