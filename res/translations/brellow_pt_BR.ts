<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CBrellowDlg</name>
    <message>
        <source>Source:</source>
        <translation>Origem:</translation>
    </message>
    <message>
        <source>Destination Folder:</source>
        <translation>Pasta de destino:</translation>
    </message>
    <message>
        <source>&amp;Open containing folder</source>
        <translation>&amp;Abrir pasta</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Are you sure you want to stop conversion?</source>
        <translation>Tem certeza de que deseja parar a conversão?</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmação</translation>
    </message>
    <message>
        <source>Browse For File</source>
        <translation>Procurar arquivo</translation>
    </message>
    <message>
        <source>Browse For Folder</source>
        <translation>Procurar pasta</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origem</translation>
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
        <translation>Falta o bloco fact</translation>
    </message>
    <message>
        <source>The fmt chunk is missing</source>
        <translation>Falta o bloco fmt</translation>
    </message>
    <message>
        <source>The WAV format must be ADPCM</source>
        <translation>O formato WAV deve ser ADPCM</translation>
    </message>
    <message>
        <source>The Coef must equal to 7</source>
        <translation>O número de coeficientes deve ser 7</translation>
    </message>
    <message>
        <source>The Block align must be 512</source>
        <translation>O alinhamento de bloco deve ser 512</translation>
    </message>
    <message>
        <source>The Number of channels must be 1</source>
        <translation>O número de canais deve ser 1</translation>
    </message>
    <message>
        <source>The RIFF chunk is missing</source>
        <translation>Falta o bloco RIFF</translation>
    </message>
    <message>
        <source>The WAVE chunk is missing</source>
        <translation>Falta o bloco WAVE</translation>
    </message>
    <message>
        <source>The WAV format must be PCM</source>
        <translation>O formato WAV deve ser PCM</translation>
    </message>
    <message>
        <source>The Block align must be 2</source>
        <translation>O alinhamento de bloco deve ser 2</translation>
    </message>
    <message>
        <source>The Data chunk is missing</source>
        <translation>Falta o bloco data</translation>
    </message>
    <message>
        <source>Please, specify path</source>
        <translation>Especifique um caminho</translation>
    </message>
    <message>
        <source>Wrong path</source>
        <translation>Caminho incorreto</translation>
    </message>
    <message>
        <source>The source &apos;%1&apos; does not exists</source>
        <translation>A origem “%1” não existe</translation>
    </message>
    <message>
        <source>Wrong source</source>
        <translation>Origem incorreta</translation>
    </message>
    <message>
        <source>The directory &apos;%1&apos; does not exists</source>
        <translation>A pasta “%1” não existe</translation>
    </message>
    <message>
        <source>Wrong destination</source>
        <translation>Destino incorreto</translation>
    </message>
    <message>
        <source>The software does not support given audio format
Details: %1</source>
        <translation>O programa não oferece suporte a este formato de áudio
Detalhes: %1</translation>
    </message>
    <message>
        <source>Application has stopped by user request</source>
        <translation>O aplicativo foi interrompido a pedido do usuário</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Falha</translation>
    </message>
    <message>
        <source>Cannot write file &apos;%1&apos;</source>
        <translation>Não é possível gravar o arquivo “%1”</translation>
    </message>
    <message>
        <source>Cannot open file &apos; %1&apos;. Do you want to continue?</source>
        <translation>Não é possível abrir o arquivo “%1”. Deseja continuar?</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is too long to convert</source>
        <translation>O arquivo “%1” é longo demais para ser convertido</translation>
    </message>
    <message>
        <source>Cannot open file &apos; %1&apos; for writing. Do you want to continue?</source>
        <translation>Não é possível abrir o arquivo “%1” para gravação. Deseja continuar?</translation>
    </message>
    <message>
        <source>Cannot read file &apos;%1&apos;</source>
        <translation>Não é possível ler o arquivo “%1”</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmação</translation>
    </message>
</context>
</TS>
