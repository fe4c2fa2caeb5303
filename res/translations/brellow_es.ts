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
</context>
</TS>
