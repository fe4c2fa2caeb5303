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
</context>
</TS>
