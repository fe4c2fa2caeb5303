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
    <message>
        <source>O&amp;ptions...</source>
        <translation>&amp;Opções...</translation>
    </message>
    <message>
        <source>Other recording formats, pauses, passes and practice files: what brellow-cli&apos;s options do.</source>
        <translation>Outros formatos de gravação, pausas, repetições e arquivos de prática: o que as opções do brellow-cli fazem.</translation>
    </message>
    <message>
        <source>FFmpeg&apos;s libraries cannot be loaded: %1</source>
        <translation>Não é possível carregar as bibliotecas do FFmpeg: %1</translation>
    </message>
    <message>
        <source>Recordings (%1)</source>
        <translation>Gravações (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>&amp;Listen...</source>
        <translation>O&amp;uvir...</translation>
    </message>
    <message>
        <source>Plays the source&apos;s phrases one by one, to fix their marks and record yourself.</source>
        <translation>Reproduz as frases da origem uma a uma, para corrigir suas marcas e gravar você mesmo.</translation>
    </message>
    <message>
        <source>To convert it, turn on &quot;%1&quot; in Options.</source>
        <translation>Para convertê-la, ative “%1” em Opções.</translation>
    </message>
    <message>
        <source>These recordings were skipped:</source>
        <translation>Estas gravações foram puladas:</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Puladas</translation>
    </message>
</context>
<context>
    <name>CLessonAudio</name>
    <message>
        <source>Playing is off: no sound output was found.</source>
        <translation>Reprodução desativada: nenhuma saída de som encontrada.</translation>
    </message>
    <message>
        <source>Recording is off: no sound input was found.</source>
        <translation>Gravação desativada: nenhuma entrada de som encontrada.</translation>
    </message>
    <message>
        <source>The sound cannot be played.</source>
        <translation>Não é possível reproduzir o som.</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Once (as recorded)</source>
        <translation>Uma vez (como gravado)</translation>
    </message>
    <message>
        <source>Twice, slower first (0.75, 1)</source>
        <translation>Duas vezes, mais devagar primeiro (0.75, 1)</translation>
    </message>
    <message>
        <source>Three times</source>
        <translation>Três vezes</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>Gravações</translation>
    </message>
    <message>
        <source>Read &amp;every recording format (MP3, M4A, Opus, FLAC, ...)</source>
        <translation>Ler &amp;todos os formatos de gravação (MP3, M4A, Opus, FLAC, ...)</translation>
    </message>
    <message>
        <source>Phrases</source>
        <translation>Frases</translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation>&amp;Limiar:</translation>
    </message>
    <message>
        <source>&amp;Automatic</source>
        <translation>&amp;Automático</translation>
    </message>
    <message>
        <source>Minimum &amp;silence:</source>
        <translation>&amp;Silêncio mínimo:</translation>
    </message>
    <message>
        <source>Minimum p&amp;hrase:</source>
        <translation>F&amp;rase mínima:</translation>
    </message>
    <message>
        <source>Lon&amp;gest phrase:</source>
        <translation>Frase mais lon&amp;ga:</translation>
    </message>
    <message>
        <source>A phrase that reaches this length is cut where it is quietest in its last third, in seconds.</source>
        <translation>Uma frase que atinge esta duração é cortada onde é mais silenciosa em seu último terço, em segundos.</translation>
    </message>
    <message>
        <source>Phrases from s&amp;ubtitles (.srt)</source>
        <translation>Frases das l&amp;egendas (.srt)</translation>
    </message>
    <message>
        <source>Pauses</source>
        <translation>Pausas</translation>
    </message>
    <message>
        <source>Fa&amp;ctor:</source>
        <translation>Fat&amp;or:</translation>
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
        <translation>Repetições</translation>
    </message>
    <message>
        <source>&amp;Passes:</source>
        <translation>Re&amp;petições:</translation>
    </message>
    <message>
        <source>Temp&amp;os:</source>
        <translation>&amp;Velocidades:</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Saída</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>&amp;Bit rate:</source>
        <translation>Taxa de &amp;bits:</translation>
    </message>
    <message>
        <source>&amp;Labels:</source>
        <translation>Mar&amp;cações:</translation>
    </message>
    <message>
        <source>Clips for An&amp;ki</source>
        <translation>Clipes para o An&amp;ki</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>From %1 to %2.</source>
        <translation>De %1 a %2.</translation>
    </message>
    <message>
        <source>Above %1, up to %2.</source>
        <translation>Acima de %1, até %2.</translation>
    </message>
    <message>
        <source>Reads recordings of every format that FFmpeg&apos;s libraries read, mono or stereo. A source folder then gives all of its recordings.</source>
        <translation>Lê gravações em qualquer formato que as bibliotecas do FFmpeg leem, mono ou estéreo. Uma pasta de origem fornece então todas as suas gravações.</translation>
    </message>
    <message>
        <source>A sample counts as quiet below this level, in decibels below full scale.</source>
        <translation>Uma amostra conta como silêncio abaixo deste nível, em decibéis abaixo da escala completa.</translation>
    </message>
    <message>
        <source>The quiet level follows each recording&apos;s own noise floor and speech level.</source>
        <translation>O nível de silêncio acompanha o ruído de fundo e o nível da fala de cada gravação.</translation>
    </message>
    <message>
        <source>How long a quiet stretch must last before a phrase may end, in seconds.</source>
        <translation>Quanto tempo um trecho silencioso deve durar antes que uma frase possa terminar, em segundos.</translation>
    </message>
    <message>
        <source>How much audio must follow a pause before the next one, in seconds.</source>
        <translation>Quanto áudio deve vir depois de uma pausa antes da próxima, em segundos.</translation>
    </message>
    <message>
        <source>Phrases follow the subtitles of the .srt file that has the recording&apos;s title, beside it, when there is one.</source>
        <translation>As frases seguem as legendas do arquivo .srt que tem o título da gravação e fica ao lado dela, quando houver.</translation>
    </message>
    <message>
        <source>Each pause lasts this many times the phrase before it.</source>
        <translation>Cada pausa dura este número de vezes a frase anterior.</translation>
    </message>
    <message>
        <source>Seconds added to every pause.</source>
        <translation>Segundos acrescentados a cada pausa.</translation>
    </message>
    <message>
        <source>No pause is shorter than this, in seconds.</source>
        <translation>Nenhuma pausa é mais curta que este valor, em segundos.</translation>
    </message>
    <message>
        <source>No pause is longer than this, in seconds.</source>
        <translation>Nenhuma pausa é mais longa que este valor, em segundos.</translation>
    </message>
    <message>
        <source>How often each phrase is heard, and how fast.</source>
        <translation>Quantas vezes cada frase é ouvida, e em que velocidade.</translation>
    </message>
    <message>
        <source>The practice files&apos; format: WAV, lossless FLAC, or MP3 and Opus, which are small enough for a phone.</source>
        <translation>O formato dos arquivos de prática: WAV, FLAC sem perdas, ou MP3 e Opus, que são pequenos o bastante para um celular.</translation>
    </message>
    <message>
        <source>The bit rate of MP3 files, from %1 to %2 kbit/s, and of Opus files, from %3 to %4 kbit/s.</source>
        <translation>A taxa de bits dos arquivos MP3, de %1 a %2 kbit/s, e dos arquivos Opus, de %3 a %4 kbit/s.</translation>
    </message>
    <message>
        <source>Where each phrase is, in a file beside each practice file: subtitles (SRT), lyrics (LRC) or Audacity&apos;s labels.</source>
        <translation>Onde está cada frase, em um arquivo ao lado de cada arquivo de prática: legendas (SRT), letras (LRC) ou marcações do Audacity.</translation>
    </message>
    <message>
        <source>Each phrase also as a clip of its own, with a list that Anki imports as cards.</source>
        <translation>Cada frase também como um clipe próprio, com uma lista que o Anki importa como cartões.</translation>
    </message>
    <message>
        <source>Keeps these options for the next runs.</source>
        <translation>Mantém estas opções para as próximas execuções.</translation>
    </message>
    <message>
        <source>Closes without changing the options.</source>
        <translation>Fecha sem alterar as opções.</translation>
    </message>
    <message>
        <source>Every option back to its default: Run then does exactly what it does without options.</source>
        <translation>Todas as opções voltam ao padrão: Iniciar faz então exatamente o que faz sem opções.</translation>
    </message>
    <message>
        <source>&amp;Detector:</source>
        <translation>&amp;Detector:</translation>
    </message>
    <message>
        <source>For example %1</source>
        <translation>Por exemplo %1</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Fala</translation>
    </message>
    <message>
        <source>What tells a pause from speech: the level above, a small network that hears speech over music and noise, or automatically the level where the recording has clear quiet and the network where not.</source>
        <translation>O que distingue uma pausa da fala: o nível acima, uma pequena rede que ouve a fala sobre música e ruído, ou automaticamente o nível onde a gravação tem silêncios claros e a rede onde não tem.</translation>
    </message>
    <message>
        <source>One tempo for each pass, separated by &quot;%4&quot;: 1 is as recorded, %5 slower. At most %1 passes, each from %2 to %3.</source>
        <translation>Uma velocidade por repetição, separadas por &quot;%4&quot;: 1 é como gravado, %5 mais devagar. No máximo %1 repetições, cada uma de %2 a %3.</translation>
    </message>
    <message>
        <source>Needs 1 to %1 tempos from %2 to %3, separated by &quot;%4&quot;.</source>
        <translation>São necessárias de 1 a %1 velocidades de %2 a %3, separadas por &quot;%4&quot;.</translation>
    </message>
    <message>
        <source>Skip &amp;recordings that cannot be read, and go on</source>
        <translation>Pular gravações ilegíveis e contin&amp;uar</translation>
    </message>
    <message>
        <source>A folder&apos;s recording that is damaged, in a format that is not read, or that fails is skipped without a message of its own; one message at the end lists each, with the reason.</source>
        <translation>Uma gravação da pasta que está danificada, em um formato que não é lido ou que falha é pulada sem uma mensagem própria; uma mensagem no final lista cada uma, com o motivo.</translation>
    </message>
</context>
<context>
    <name>CPracticeWnd</name>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reproduzir</translation>
    </message>
    <message>
        <source>Plays the phrase again</source>
        <translation>Reproduz a frase de novo</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <source>Plays the phrase before</source>
        <translation>Reproduz a frase anterior</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Próxima</translation>
    </message>
    <message>
        <source>Plays the next phrase</source>
        <translation>Reproduz a próxima frase</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Gravar</translation>
    </message>
    <message>
        <source>Records you for the phrase&apos;s length and one second more</source>
        <translation>Grava você pela duração da frase e mais um segundo</translation>
    </message>
    <message>
        <source>Play &amp;take</source>
        <translation>Ouvir &amp;tomada</translation>
    </message>
    <message>
        <source>Plays your last take</source>
        <translation>Reproduz sua última tomada</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Comparar</translation>
    </message>
    <message>
        <source>Plays the phrase, then your take</source>
        <translation>Reproduz a frase e depois sua tomada</translation>
    </message>
    <message>
        <source>Save t&amp;ake</source>
        <translation>Salvar t&amp;omada</translation>
    </message>
    <message>
        <source>Saves your last take in the destination folder</source>
        <translation>Salva sua última tomada na pasta de destino</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Juntar</translation>
    </message>
    <message>
        <source>Joins the phrase with the next one</source>
        <translation>Junta a frase com a próxima</translation>
    </message>
    <message>
        <source>Spl&amp;it</source>
        <translation>&amp;Dividir</translation>
    </message>
    <message>
        <source>Splits the phrase where it plays or where the mouse points</source>
        <translation>Divide a frase onde ela toca ou onde o mouse aponta</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Desfa&amp;zer</translation>
    </message>
    <message>
        <source>Undoes the last change of the marks</source>
        <translation>Desfaz a última alteração das marcas</translation>
    </message>
    <message>
        <source>Save &amp;marks</source>
        <translation>Salvar &amp;marcas</translation>
    </message>
    <message>
        <source>Saves the marks as subtitles in the destination folder</source>
        <translation>Salva as marcas como legendas na pasta de destino</translation>
    </message>
    <message>
        <source>C&amp;onvert</source>
        <translation>Con&amp;verter</translation>
    </message>
    <message>
        <source>Converts the lesson with these marks</source>
        <translation>Converte a lição com estas marcas</translation>
    </message>
    <message>
        <source>Listen - %1</source>
        <translation>Ouvir - %1</translation>
    </message>
    <message>
        <source>How often Space plays each phrase, with the passes and pauses of the options</source>
        <translation>Quantas vezes Espaço reproduz cada frase, com as passagens e pausas das opções</translation>
    </message>
    <message>
        <source>R&amp;epeats:</source>
        <translation>R&amp;epetições:</translation>
    </message>
    <message>
        <source>Take %1 recorded.</source>
        <translation>Tomada %1 gravada.</translation>
    </message>
    <message>
        <source>Phrase %1 of %2</source>
        <translation>Frase %1 de %2</translation>
    </message>
    <message>
        <source>Recording cannot start.</source>
        <translation>Não é possível iniciar a gravação.</translation>
    </message>
    <message>
        <source>Recording...</source>
        <translation>Gravando...</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 salvo.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>Não é possível gravar %1.</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it with the marks?</source>
        <translation>%1 já existe. Substituí-lo pelas marcas?</translation>
    </message>
    <message>
        <source>The marks have changed. Save them?</source>
        <translation>As marcas mudaram. Salvá-las?</translation>
    </message>
    <message>
        <source>The slower and faster passes play as recorded: there is nothing here to stretch them.</source>
        <translation>As passagens mais lentas e mais rápidas tocam como gravadas: aqui não há nada que as estique.</translation>
    </message>
    <message>
        <source>Plays the first phrase</source>
        <translation>Reproduz a primeira frase</translation>
    </message>
    <message>
        <source>Plays the last phrase</source>
        <translation>Reproduz a última frase</translation>
    </message>
    <message>
        <source>Moves the nearest mark 10 ms earlier</source>
        <translation>Move a marca mais próxima 10 ms para trás</translation>
    </message>
    <message>
        <source>Moves the nearest mark 10 ms later</source>
        <translation>Move a marca mais próxima 10 ms para a frente</translation>
    </message>
    <message>
        <source>Zooms in</source>
        <translation>Amplia a visualização</translation>
    </message>
    <message>
        <source>Zooms out</source>
        <translation>Reduz a visualização</translation>
    </message>
    <message>
        <source>Drag a mark to move it, click a phrase to choose it, Ctrl+wheel zooms.</source>
        <translation>Arraste uma marca para movê-la, clique em uma frase para escolhê-la; Ctrl+roda amplia ou reduz.</translation>
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
        <source>Cannot open file &apos; %1&apos; for writing (%2). Do you want to continue?</source>
        <translation>Não é possível abrir o arquivo “%1” para gravação (%2). Deseja continuar?</translation>
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
    <message>
        <source>Cannot write file &apos;%1&apos;
Details: %2</source>
        <translation>Não é possível gravar o arquivo “%1”
Detalhes: %2</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>o arquivo não pode ser aberto</translation>
    </message>
    <message>
        <source>The recording &apos;%1&apos; is too long for the practice window.</source>
        <translation>A gravação “%1” é longa demais para a janela de prática.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; holds no audio.</source>
        <translation>O arquivo “%1” não contém áudio.</translation>
    </message>
</context>
<context>
    <name>Media</name>
    <message>
        <source>the file is empty</source>
        <translation>o arquivo está vazio</translation>
    </message>
    <message>
        <source>the file is not a recording in a format that can be read</source>
        <translation>o arquivo não é uma gravação em um formato que possa ser lido</translation>
    </message>
    <message>
        <source>the file is not a recording in a format that can be read (FFmpeg reads it as %1)</source>
        <translation>o arquivo não é uma gravação em um formato que possa ser lido (o FFmpeg o lê como %1)</translation>
    </message>
    <message>
        <source>the file holds no audio</source>
        <translation>o arquivo não contém áudio</translation>
    </message>
    <message>
        <source>its audio is in a format that cannot be decoded</source>
        <translation>seu áudio está em um formato que não pode ser decodificado</translation>
    </message>
    <message>
        <source>its audio is in a format that cannot be decoded (%1)</source>
        <translation>seu áudio está em um formato que não pode ser decodificado (%1)</translation>
    </message>
    <message>
        <source>its audio is in a format that cannot be decoded: %1</source>
        <translation>seu áudio está em um formato que não pode ser decodificado: %1</translation>
    </message>
    <message>
        <source>the recording is damaged and cannot be decoded</source>
        <translation>a gravação está danificada e não pode ser decodificada</translation>
    </message>
    <message>
        <source>the recording is damaged and cannot be decoded: %1</source>
        <translation>a gravação está danificada e não pode ser decodificada: %1</translation>
    </message>
    <message>
        <source>the recording is cut short: the file ends before it does</source>
        <translation>a gravação está cortada: o arquivo termina antes dela</translation>
    </message>
    <message>
        <source>no audio could be decoded from it</source>
        <translation>não foi possível decodificar áudio dele</translation>
    </message>
    <message>
        <source>the recording changes its sample rate part way through</source>
        <translation>a gravação muda sua taxa de amostragem no meio</translation>
    </message>
    <message>
        <source>the recording has more than the 64 channels that can be mixed</source>
        <translation>a gravação tem mais que os 64 canais que podem ser mixados</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memória insuficiente</translation>
    </message>
    <message>
        <source>the recording could not be opened</source>
        <translation>não foi possível abrir a gravação</translation>
    </message>
    <message>
        <source>the recording could not be opened: out of memory</source>
        <translation>não foi possível abrir a gravação: memória insuficiente</translation>
    </message>
    <message>
        <source>the recording&apos;s sample rate of %1 Hz is outside the 1 kHz to 768 kHz that can be converted</source>
        <translation>a taxa de amostragem da gravação, %1 Hz, está fora dos 1 kHz a 768 kHz que podem ser convertidos</translation>
    </message>
    <message>
        <source>FFmpeg&apos;s libraries cannot be loaded: %1</source>
        <translation>Não é possível carregar as bibliotecas do FFmpeg: %1</translation>
    </message>
    <message>
        <source>FFmpeg&apos;s libraries have no encoder %1</source>
        <translation>As bibliotecas do FFmpeg não têm o codificador %1</translation>
    </message>
    <message>
        <source>FFmpeg&apos;s libraries have no muxer %1</source>
        <translation>As bibliotecas do FFmpeg não têm o multiplexador %1</translation>
    </message>
    <message>
        <source>the encoder %1 refused its settings: %2</source>
        <translation>o codificador %1 recusou suas configurações: %2</translation>
    </message>
    <message>
        <source>the encoder %1 does not take its options: %2</source>
        <translation>o codificador %1 não aceita suas opções: %2</translation>
    </message>
    <message>
        <source>the encoder %1 failed: %2</source>
        <translation>o codificador %1 falhou: %2</translation>
    </message>
    <message>
        <source>no resampler to %1 Hz could be made: %2</source>
        <translation>não foi possível criar um reamostrador para %1 Hz: %2</translation>
    </message>
    <message>
        <source>the resampler failed: %1</source>
        <translation>o reamostrador falhou: %1</translation>
    </message>
    <message>
        <source>the muxer could not be made: %1</source>
        <translation>não foi possível criar o multiplexador: %1</translation>
    </message>
    <message>
        <source>the muxer %1 could not begin the file: %2</source>
        <translation>o multiplexador %1 não pôde iniciar o arquivo: %2</translation>
    </message>
    <message>
        <source>the muxer %1 could not write: %2</source>
        <translation>o multiplexador %1 não pôde gravar: %2</translation>
    </message>
    <message>
        <source>the muxer %1 could not end the file: %2</source>
        <translation>o multiplexador %1 não pôde encerrar o arquivo: %2</translation>
    </message>
</context>
<context>
    <name>Subtitles</name>
    <message>
        <source>&apos;--&gt;&apos; between two times was expected</source>
        <translation>era esperado “--&gt;” entre dois tempos</translation>
    </message>
    <message>
        <source>a time such as %1 was expected</source>
        <translation>era esperado um tempo como %1</translation>
    </message>
    <message>
        <source>the cue ends before it starts</source>
        <translation>a legenda termina antes de começar</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>a cue number or a line of times was expected, not &apos;%1&apos;</source>
        <translation>era esperado um número de legenda ou uma linha de tempos, não “%1”</translation>
    </message>
    <message>
        <source>the file ends before the cue&apos;s times</source>
        <translation>o arquivo termina antes dos tempos da legenda</translation>
    </message>
    <message>
        <source>it holds no cues</source>
        <translation>o arquivo não contém legendas</translation>
    </message>
    <message>
        <source>&apos;WEBVTT&apos; was expected</source>
        <translation>era esperado “WEBVTT”</translation>
    </message>
    <message>
        <source>The subtitles &apos;%1&apos; cannot be read: %2</source>
        <translation>Não é possível ler as legendas “%1”: %2</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>o arquivo não pode ser aberto</translation>
    </message>
    <message>
        <source>the file is too large for subtitles</source>
        <translation>o arquivo é grande demais para legendas</translation>
    </message>
</context>
</TS>
