<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CBrellowDlg</name>
    <message>
        <source>Source:</source>
        <translation>Источник:</translation>
    </message>
    <message>
        <source>Destination Folder:</source>
        <translation>Папка назначения:</translation>
    </message>
    <message>
        <source>&amp;Open containing folder</source>
        <translation>Открыть &amp;папку</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Запустить</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Остановить</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>За&amp;крыть</translation>
    </message>
    <message>
        <source>Are you sure you want to stop conversion?</source>
        <translation>Вы действительно хотите остановить преобразование?</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>Browse For File</source>
        <translation>Выбрать файл</translation>
    </message>
    <message>
        <source>Browse For Folder</source>
        <translation>Выбрать папку</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Источник</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Назначение</translation>
    </message>
    <message>
        <source>O&amp;ptions...</source>
        <translation>Пара&amp;метры...</translation>
    </message>
    <message>
        <source>Other recording formats, pauses, passes and practice files: what brellow-cli&apos;s options do.</source>
        <translation>Другие форматы записей, паузы, повторы и файлы для тренировки: то, что делают параметры brellow-cli.</translation>
    </message>
    <message>
        <source>FFmpeg&apos;s libraries cannot be loaded: %1</source>
        <translation>Не удаётся загрузить библиотеки FFmpeg: %1</translation>
    </message>
    <message>
        <source>Recordings (%1)</source>
        <translation>Записи (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>&amp;Listen...</source>
        <translation>Про&amp;слушать...</translation>
    </message>
    <message>
        <source>Plays the source&apos;s phrases one by one, to fix their marks and record yourself.</source>
        <translation>Воспроизводит фразы источника по одной, чтобы исправить метки и записать себя.</translation>
    </message>
    <message>
        <source>To convert it, turn on &quot;%1&quot; in Options.</source>
        <translation>Чтобы преобразовать её, включите «%1» в параметрах.</translation>
    </message>
    <message>
        <source>These recordings were skipped:</source>
        <translation>Эти записи пропущены:</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Пропущено</translation>
    </message>
</context>
<context>
    <name>CLessonAudio</name>
    <message>
        <source>Playing is off: no sound output was found.</source>
        <translation>Воспроизведение отключено: вывод звука не найден.</translation>
    </message>
    <message>
        <source>Recording is off: no sound input was found.</source>
        <translation>Запись отключена: ввод звука не найден.</translation>
    </message>
    <message>
        <source>The sound cannot be played.</source>
        <translation>Звук невозможно воспроизвести.</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Once (as recorded)</source>
        <translation>Один раз (как записано)</translation>
    </message>
    <message>
        <source>Twice, slower first (0.75, 1)</source>
        <translation>Дважды, сначала медленнее (0.75, 1)</translation>
    </message>
    <message>
        <source>Three times</source>
        <translation>Трижды</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>Записи</translation>
    </message>
    <message>
        <source>Read &amp;every recording format (MP3, M4A, Opus, FLAC, ...)</source>
        <translation>Читать &amp;все форматы записей (MP3, M4A, Opus, FLAC, ...)</translation>
    </message>
    <message>
        <source>Phrases</source>
        <translation>Фразы</translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation>&amp;Порог:</translation>
    </message>
    <message>
        <source>&amp;Automatic</source>
        <translation>&amp;Автоматически</translation>
    </message>
    <message>
        <source>Minimum &amp;silence:</source>
        <translation>Минимальная &amp;тишина:</translation>
    </message>
    <message>
        <source>Minimum p&amp;hrase:</source>
        <translation>Минимальная ф&amp;раза:</translation>
    </message>
    <message>
        <source>Lon&amp;gest phrase:</source>
        <translation>Самая длинна&amp;я фраза:</translation>
    </message>
    <message>
        <source>A phrase that reaches this length is cut where it is quietest in its last third, in seconds.</source>
        <translation>Фраза, достигшая этой длины, разрезается в самом тихом месте последней трети, в секундах.</translation>
    </message>
    <message>
        <source>Phrases from s&amp;ubtitles (.srt)</source>
        <translation>Фразы из &amp;субтитров (.srt)</translation>
    </message>
    <message>
        <source>Pauses</source>
        <translation>Паузы</translation>
    </message>
    <message>
        <source>Fa&amp;ctor:</source>
        <translation>&amp;Множитель:</translation>
    </message>
    <message>
        <source>E&amp;xtra:</source>
        <translation>&amp;Добавка:</translation>
    </message>
    <message>
        <source>Mi&amp;nimum:</source>
        <translation>Ми&amp;нимум:</translation>
    </message>
    <message>
        <source>&amp;Maximum:</source>
        <translation>Макс&amp;имум:</translation>
    </message>
    <message>
        <source>Passes</source>
        <translation>Повторы</translation>
    </message>
    <message>
        <source>&amp;Passes:</source>
        <translation>Повт&amp;оры:</translation>
    </message>
    <message>
        <source>Temp&amp;os:</source>
        <translation>Т&amp;емпы:</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Вывод</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Формат:</translation>
    </message>
    <message>
        <source>&amp;Bit rate:</source>
        <translation>&amp;Битрейт:</translation>
    </message>
    <message>
        <source>&amp;Labels:</source>
        <translation>Мет&amp;ки:</translation>
    </message>
    <message>
        <source>Clips for An&amp;ki</source>
        <translation>К&amp;липы для Anki</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Свой вариант</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>From %1 to %2.</source>
        <translation>От %1 до %2.</translation>
    </message>
    <message>
        <source>Above %1, up to %2.</source>
        <translation>Больше %1, до %2.</translation>
    </message>
    <message>
        <source>Reads recordings of every format that FFmpeg&apos;s libraries read, mono or stereo. A source folder then gives all of its recordings.</source>
        <translation>Читает записи любого формата, который читают библиотеки FFmpeg, моно или стерео. Папка-источник тогда даёт все свои записи.</translation>
    </message>
    <message>
        <source>A sample counts as quiet below this level, in decibels below full scale.</source>
        <translation>Отсчёт считается тишиной ниже этого уровня, в децибелах ниже полной шкалы.</translation>
    </message>
    <message>
        <source>The quiet level follows each recording&apos;s own noise floor and speech level.</source>
        <translation>Порог тишины подстраивается под уровень шума и уровень речи каждой записи.</translation>
    </message>
    <message>
        <source>How long a quiet stretch must last before a phrase may end, in seconds.</source>
        <translation>Сколько должен длиться тихий участок, прежде чем фраза может закончиться, в секундах.</translation>
    </message>
    <message>
        <source>How much audio must follow a pause before the next one, in seconds.</source>
        <translation>Сколько звука должно пройти после паузы до следующей, в секундах.</translation>
    </message>
    <message>
        <source>Phrases follow the subtitles of the .srt file that has the recording&apos;s title, beside it, when there is one.</source>
        <translation>Фразы следуют субтитрам файла .srt с названием записи, который лежит рядом с ней, если он есть.</translation>
    </message>
    <message>
        <source>Each pause lasts this many times the phrase before it.</source>
        <translation>Длительность каждой паузы — длительность предшествующей фразы, умноженная на это число.</translation>
    </message>
    <message>
        <source>Seconds added to every pause.</source>
        <translation>Секунды, добавляемые к каждой паузе.</translation>
    </message>
    <message>
        <source>No pause is shorter than this, in seconds.</source>
        <translation>Ни одна пауза не бывает короче этого значения, в секундах.</translation>
    </message>
    <message>
        <source>No pause is longer than this, in seconds.</source>
        <translation>Ни одна пауза не бывает длиннее этого значения, в секундах.</translation>
    </message>
    <message>
        <source>How often each phrase is heard, and how fast.</source>
        <translation>Сколько раз звучит каждая фраза и с какой скоростью.</translation>
    </message>
    <message>
        <source>The practice files&apos; format: WAV, lossless FLAC, or MP3 and Opus, which are small enough for a phone.</source>
        <translation>Формат файлов для тренировки: WAV, FLAC без потерь или MP3 и Opus, достаточно компактные для телефона.</translation>
    </message>
    <message>
        <source>The bit rate of MP3 files, from %1 to %2 kbit/s, and of Opus files, from %3 to %4 kbit/s.</source>
        <translation>Битрейт файлов MP3 — от %1 до %2 кбит/с, файлов Opus — от %3 до %4 кбит/с.</translation>
    </message>
    <message>
        <source>Where each phrase is, in a file beside each practice file: subtitles (SRT), lyrics (LRC) or Audacity&apos;s labels.</source>
        <translation>Где находится каждая фраза, в файле рядом с каждым файлом для тренировки: субтитры (SRT), текст песни (LRC) или метки Audacity.</translation>
    </message>
    <message>
        <source>Each phrase also as a clip of its own, with a list that Anki imports as cards.</source>
        <translation>Каждая фраза также отдельным клипом, со списком, который Anki импортирует как карточки.</translation>
    </message>
    <message>
        <source>Keeps these options for the next runs.</source>
        <translation>Сохраняет эти параметры для следующих запусков.</translation>
    </message>
    <message>
        <source>Closes without changing the options.</source>
        <translation>Закрывает окно, не меняя параметры.</translation>
    </message>
    <message>
        <source>Every option back to its default: Run then does exactly what it does without options.</source>
        <translation>Все параметры возвращаются к значениям по умолчанию: «Запустить» тогда делает ровно то же, что и без параметров.</translation>
    </message>
    <message>
        <source>&amp;Detector:</source>
        <translation>Распо&amp;знавание:</translation>
    </message>
    <message>
        <source>For example %1</source>
        <translation>Например, %1</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Автоматически</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Речь</translation>
    </message>
    <message>
        <source>What tells a pause from speech: the level above, a small network that hears speech over music and noise, or automatically the level where the recording has clear quiet and the network where not.</source>
        <translation>Что отличает паузу от речи: уровень выше, небольшая нейросеть, которая слышит речь поверх музыки и шума, или автоматически уровень там, где в записи есть явная тишина, и нейросеть там, где её нет.</translation>
    </message>
    <message>
        <source>One tempo for each pass, separated by &quot;%4&quot;: 1 is as recorded, %5 slower. At most %1 passes, each from %2 to %3.</source>
        <translation>Один темп на каждый повтор, через «%4»: 1 — как записано, %5 — медленнее. Не более %1 повторов, каждый от %2 до %3.</translation>
    </message>
    <message>
        <source>Needs 1 to %1 tempos from %2 to %3, separated by &quot;%4&quot;.</source>
        <translation>Нужно от 1 до %1 темпов от %2 до %3, через &quot;%4&quot;.</translation>
    </message>
    <message>
        <source>Skip &amp;recordings that cannot be read, and go on</source>
        <translation>Пропускать не&amp;читаемые записи и продолжать</translation>
    </message>
    <message>
        <source>A folder&apos;s recording that is damaged, in a format that is not read, or that fails is skipped without a message of its own; one message at the end lists each, with the reason.</source>
        <translation>Запись папки, которая повреждена, записана в нечитаемом формате или не преобразуется, пропускается без отдельного сообщения; одно сообщение в конце перечисляет все такие записи с причиной.</translation>
    </message>
</context>
<context>
    <name>CPracticeWnd</name>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Воспроизвести</translation>
    </message>
    <message>
        <source>Plays the phrase again</source>
        <translation>Воспроизводит фразу ещё раз</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;Предыдущая</translation>
    </message>
    <message>
        <source>Plays the phrase before</source>
        <translation>Воспроизводит предыдущую фразу</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Следующая</translation>
    </message>
    <message>
        <source>Plays the next phrase</source>
        <translation>Воспроизводит следующую фразу</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Записать</translation>
    </message>
    <message>
        <source>Records you for the phrase&apos;s length and one second more</source>
        <translation>Записывает вас в течение фразы и ещё одну секунду</translation>
    </message>
    <message>
        <source>Play &amp;take</source>
        <translation>Прослушать &amp;дубль</translation>
    </message>
    <message>
        <source>Plays your last take</source>
        <translation>Воспроизводит ваш последний дубль</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>Срав&amp;нить</translation>
    </message>
    <message>
        <source>Plays the phrase, then your take</source>
        <translation>Воспроизводит фразу, затем ваш дубль</translation>
    </message>
    <message>
        <source>Save t&amp;ake</source>
        <translation>Сохранить д&amp;убль</translation>
    </message>
    <message>
        <source>Saves your last take in the destination folder</source>
        <translation>Сохраняет последний дубль в папку назначения</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Объединить</translation>
    </message>
    <message>
        <source>Joins the phrase with the next one</source>
        <translation>Объединяет фразу со следующей</translation>
    </message>
    <message>
        <source>Spl&amp;it</source>
        <translation>&amp;Разделить</translation>
    </message>
    <message>
        <source>Splits the phrase where it plays or where the mouse points</source>
        <translation>Делит фразу в месте воспроизведения или там, куда указывает мышь</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>О&amp;тменить</translation>
    </message>
    <message>
        <source>Undoes the last change of the marks</source>
        <translation>Отменяет последнее изменение меток</translation>
    </message>
    <message>
        <source>Save &amp;marks</source>
        <translation>Сохранить &amp;метки</translation>
    </message>
    <message>
        <source>Saves the marks as subtitles in the destination folder</source>
        <translation>Сохраняет метки как субтитры в папку назначения</translation>
    </message>
    <message>
        <source>C&amp;onvert</source>
        <translation>&amp;Конвертировать</translation>
    </message>
    <message>
        <source>Converts the lesson with these marks</source>
        <translation>Конвертирует урок с этими метками</translation>
    </message>
    <message>
        <source>Listen - %1</source>
        <translation>Прослушивание - %1</translation>
    </message>
    <message>
        <source>How often Space plays each phrase, with the passes and pauses of the options</source>
        <translation>Сколько раз пробел воспроизводит каждую фразу, с проходами и паузами из параметров</translation>
    </message>
    <message>
        <source>R&amp;epeats:</source>
        <translation>&amp;Число повторов:</translation>
    </message>
    <message>
        <source>Take %1 recorded.</source>
        <translation>Дубль %1 записан.</translation>
    </message>
    <message>
        <source>Phrase %1 of %2</source>
        <translation>Фраза %1 из %2</translation>
    </message>
    <message>
        <source>Recording cannot start.</source>
        <translation>Запись не может начаться.</translation>
    </message>
    <message>
        <source>Recording...</source>
        <translation>Идёт запись...</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 сохранён.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>Невозможно записать %1.</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it with the marks?</source>
        <translation>%1 уже существует. Заменить его метками?</translation>
    </message>
    <message>
        <source>The marks have changed. Save them?</source>
        <translation>Метки изменились. Сохранить их?</translation>
    </message>
    <message>
        <source>The slower and faster passes play as recorded: there is nothing here to stretch them.</source>
        <translation>Более медленные и быстрые проходы звучат как записаны: здесь нечем их растянуть.</translation>
    </message>
    <message>
        <source>Plays the first phrase</source>
        <translation>Воспроизводит первую фразу</translation>
    </message>
    <message>
        <source>Plays the last phrase</source>
        <translation>Воспроизводит последнюю фразу</translation>
    </message>
    <message>
        <source>Moves the nearest mark 10 ms earlier</source>
        <translation>Сдвигает ближайшую метку на 10 мс раньше</translation>
    </message>
    <message>
        <source>Moves the nearest mark 10 ms later</source>
        <translation>Сдвигает ближайшую метку на 10 мс позже</translation>
    </message>
    <message>
        <source>Zooms in</source>
        <translation>Увеличивает масштаб</translation>
    </message>
    <message>
        <source>Zooms out</source>
        <translation>Уменьшает масштаб</translation>
    </message>
    <message>
        <source>Drag a mark to move it, click a phrase to choose it, Ctrl+wheel zooms.</source>
        <translation>Перетащите метку, чтобы сдвинуть её, щёлкните фразу, чтобы выбрать её; Ctrl+колесо меняет масштаб.</translation>
    </message>
</context>
<context>
    <name>Job</name>
    <message>
        <source>The Fact chunk is missing</source>
        <translation>Отсутствует блок fact</translation>
    </message>
    <message>
        <source>The fmt chunk is missing</source>
        <translation>Отсутствует блок fmt</translation>
    </message>
    <message>
        <source>The WAV format must be ADPCM</source>
        <translation>Формат WAV должен быть ADPCM</translation>
    </message>
    <message>
        <source>The Coef must equal to 7</source>
        <translation>Число коэффициентов должно быть равно 7</translation>
    </message>
    <message>
        <source>The Block align must be 512</source>
        <translation>Выравнивание блока должно быть равно 512</translation>
    </message>
    <message>
        <source>The Number of channels must be 1</source>
        <translation>Число каналов должно быть равно 1</translation>
    </message>
    <message>
        <source>The RIFF chunk is missing</source>
        <translation>Отсутствует блок RIFF</translation>
    </message>
    <message>
        <source>The WAVE chunk is missing</source>
        <translation>Отсутствует блок WAVE</translation>
    </message>
    <message>
        <source>The WAV format must be PCM</source>
        <translation>Формат WAV должен быть PCM</translation>
    </message>
    <message>
        <source>The Block align must be 2</source>
        <translation>Выравнивание блока должно быть равно 2</translation>
    </message>
    <message>
        <source>The Data chunk is missing</source>
        <translation>Отсутствует блок data</translation>
    </message>
    <message>
        <source>Please, specify path</source>
        <translation>Укажите путь</translation>
    </message>
    <message>
        <source>Wrong path</source>
        <translation>Неверный путь</translation>
    </message>
    <message>
        <source>The source &apos;%1&apos; does not exists</source>
        <translation>Источник «%1» не существует</translation>
    </message>
    <message>
        <source>Wrong source</source>
        <translation>Неверный источник</translation>
    </message>
    <message>
        <source>The directory &apos;%1&apos; does not exists</source>
        <translation>Папка «%1» не существует</translation>
    </message>
    <message>
        <source>Wrong destination</source>
        <translation>Неверная папка назначения</translation>
    </message>
    <message>
        <source>The software does not support given audio format
Details: %1</source>
        <translation>Программа не поддерживает данный аудиоформат
Подробности: %1</translation>
    </message>
    <message>
        <source>Application has stopped by user request</source>
        <translation>Приложение остановлено по запросу пользователя</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Сбой</translation>
    </message>
    <message>
        <source>Cannot write file &apos;%1&apos;</source>
        <translation>Не удаётся записать файл «%1»</translation>
    </message>
    <message>
        <source>Cannot open file &apos; %1&apos;. Do you want to continue?</source>
        <translation>Не удаётся открыть файл «%1». Продолжить?</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is too long to convert</source>
        <translation>Файл «%1» слишком длинный для преобразования</translation>
    </message>
    <message>
        <source>Cannot open file &apos; %1&apos; for writing. Do you want to continue?</source>
        <translation>Не удаётся открыть файл «%1» для записи. Продолжить?</translation>
    </message>
    <message>
        <source>Cannot open file &apos; %1&apos; for writing (%2). Do you want to continue?</source>
        <translation>Не удаётся открыть файл «%1» для записи (%2). Продолжить?</translation>
    </message>
    <message>
        <source>Cannot read file &apos;%1&apos;</source>
        <translation>Не удаётся прочитать файл «%1»</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>Cannot write file &apos;%1&apos;
Details: %2</source>
        <translation>Не удаётся записать файл «%1»
Подробности: %2</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>файл не удаётся открыть</translation>
    </message>
    <message>
        <source>The recording &apos;%1&apos; is too long for the practice window.</source>
        <translation>Запись «%1» слишком длинная для окна упражнений.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; holds no audio.</source>
        <translation>Файл «%1» не содержит звука.</translation>
    </message>
</context>
<context>
    <name>Media</name>
    <message>
        <source>the file is empty</source>
        <translation>файл пуст</translation>
    </message>
    <message>
        <source>the file is not a recording in a format that can be read</source>
        <translation>файл не является записью в читаемом формате</translation>
    </message>
    <message>
        <source>the file is not a recording in a format that can be read (FFmpeg reads it as %1)</source>
        <translation>файл не является записью в читаемом формате (FFmpeg читает его как %1)</translation>
    </message>
    <message>
        <source>the file holds no audio</source>
        <translation>в файле нет звука</translation>
    </message>
    <message>
        <source>its audio is in a format that cannot be decoded</source>
        <translation>его звук в формате, который не удаётся декодировать</translation>
    </message>
    <message>
        <source>its audio is in a format that cannot be decoded (%1)</source>
        <translation>его звук в формате, который не удаётся декодировать (%1)</translation>
    </message>
    <message>
        <source>its audio is in a format that cannot be decoded: %1</source>
        <translation>его звук в формате, который не удаётся декодировать: %1</translation>
    </message>
    <message>
        <source>the recording is damaged and cannot be decoded</source>
        <translation>запись повреждена и не может быть декодирована</translation>
    </message>
    <message>
        <source>the recording is damaged and cannot be decoded: %1</source>
        <translation>запись повреждена и не может быть декодирована: %1</translation>
    </message>
    <message>
        <source>the recording is cut short: the file ends before it does</source>
        <translation>запись обрезана: файл заканчивается раньше неё</translation>
    </message>
    <message>
        <source>no audio could be decoded from it</source>
        <translation>из него не удалось декодировать звук</translation>
    </message>
    <message>
        <source>the recording changes its sample rate part way through</source>
        <translation>запись меняет частоту дискретизации посередине</translation>
    </message>
    <message>
        <source>the recording has more than the 64 channels that can be mixed</source>
        <translation>в записи больше 64 каналов, которые можно смешать</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>недостаточно памяти</translation>
    </message>
    <message>
        <source>the recording could not be opened</source>
        <translation>запись не удалось открыть</translation>
    </message>
    <message>
        <source>the recording could not be opened: out of memory</source>
        <translation>запись не удалось открыть: недостаточно памяти</translation>
    </message>
    <message>
        <source>the recording&apos;s sample rate of %1 Hz is outside the 1 kHz to 768 kHz that can be converted</source>
        <translation>частота дискретизации записи, %1 Гц, вне диапазона от 1 кГц до 768 кГц, который можно преобразовать</translation>
    </message>
    <message>
        <source>FFmpeg&apos;s libraries cannot be loaded: %1</source>
        <translation>Не удаётся загрузить библиотеки FFmpeg: %1</translation>
    </message>
    <message>
        <source>FFmpeg&apos;s libraries have no encoder %1</source>
        <translation>В библиотеках FFmpeg нет кодировщика %1</translation>
    </message>
    <message>
        <source>FFmpeg&apos;s libraries have no muxer %1</source>
        <translation>В библиотеках FFmpeg нет мультиплексора %1</translation>
    </message>
    <message>
        <source>the encoder %1 refused its settings: %2</source>
        <translation>кодировщик %1 отклонил свои настройки: %2</translation>
    </message>
    <message>
        <source>the encoder %1 does not take its options: %2</source>
        <translation>кодировщик %1 не принимает свои параметры: %2</translation>
    </message>
    <message>
        <source>the encoder %1 failed: %2</source>
        <translation>сбой кодировщика %1: %2</translation>
    </message>
    <message>
        <source>no resampler to %1 Hz could be made: %2</source>
        <translation>не удалось создать передискретизатор на %1 Гц: %2</translation>
    </message>
    <message>
        <source>the resampler failed: %1</source>
        <translation>сбой передискретизатора: %1</translation>
    </message>
    <message>
        <source>the muxer could not be made: %1</source>
        <translation>не удалось создать мультиплексор: %1</translation>
    </message>
    <message>
        <source>the muxer %1 could not begin the file: %2</source>
        <translation>мультиплексор %1 не смог начать файл: %2</translation>
    </message>
    <message>
        <source>the muxer %1 could not write: %2</source>
        <translation>мультиплексор %1 не смог записать: %2</translation>
    </message>
    <message>
        <source>the muxer %1 could not end the file: %2</source>
        <translation>мультиплексор %1 не смог завершить файл: %2</translation>
    </message>
</context>
<context>
    <name>Subtitles</name>
    <message>
        <source>&apos;--&gt;&apos; between two times was expected</source>
        <translation>между двумя временами ожидалось «--&gt;»</translation>
    </message>
    <message>
        <source>a time such as %1 was expected</source>
        <translation>ожидалось время вида %1</translation>
    </message>
    <message>
        <source>the cue ends before it starts</source>
        <translation>субтитр заканчивается раньше, чем начинается</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>строка %1: %2</translation>
    </message>
    <message>
        <source>a cue number or a line of times was expected, not &apos;%1&apos;</source>
        <translation>ожидался номер субтитра или строка времён, а не «%1»</translation>
    </message>
    <message>
        <source>the file ends before the cue&apos;s times</source>
        <translation>файл заканчивается до времён субтитра</translation>
    </message>
    <message>
        <source>it holds no cues</source>
        <translation>в файле нет ни одного субтитра</translation>
    </message>
    <message>
        <source>&apos;WEBVTT&apos; was expected</source>
        <translation>ожидалось «WEBVTT»</translation>
    </message>
    <message>
        <source>The subtitles &apos;%1&apos; cannot be read: %2</source>
        <translation>Не удаётся прочитать субтитры «%1»: %2</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>файл не удаётся открыть</translation>
    </message>
    <message>
        <source>the file is too large for subtitles</source>
        <translation>файл слишком велик для субтитров</translation>
    </message>
</context>
</TS>
