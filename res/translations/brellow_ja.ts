<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CBrellowDlg</name>
    <message>
        <source>Source:</source>
        <translation>変換元:</translation>
    </message>
    <message>
        <source>Destination Folder:</source>
        <translation>保存先フォルダー:</translation>
    </message>
    <message>
        <source>&amp;Open containing folder</source>
        <translation>フォルダーを開く(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>実行(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>停止(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>Are you sure you want to stop conversion?</source>
        <translation>変換を停止しますか？</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Browse For File</source>
        <translation>ファイルを参照</translation>
    </message>
    <message>
        <source>Browse For Folder</source>
        <translation>フォルダーを参照</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>変換元</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>O&amp;ptions...</source>
        <translation>オプション(&amp;P)...</translation>
    </message>
    <message>
        <source>Other recording formats, pauses, passes and practice files: what brellow-cli&apos;s options do.</source>
        <translation>その他の録音形式、ポーズ、繰り返し、練習ファイル: brellow-cli のオプションでできること。</translation>
    </message>
    <message>
        <source>FFmpeg&apos;s libraries cannot be loaded: %1</source>
        <translation>FFmpeg のライブラリを読み込めません: %1</translation>
    </message>
    <message>
        <source>Recordings (%1)</source>
        <translation>録音 (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>&amp;Listen...</source>
        <translation>聞く(&amp;L)...</translation>
    </message>
    <message>
        <source>Plays the source&apos;s phrases one by one, to fix their marks and record yourself.</source>
        <translation>ソースのフレーズを一つずつ再生し、区切りを直したり自分の声を録音したりします。</translation>
    </message>
    <message>
        <source>To convert it, turn on &quot;%1&quot; in Options.</source>
        <translation>変換するには、オプションで「%1」をオンにしてください。</translation>
    </message>
    <message>
        <source>These recordings were skipped:</source>
        <translation>次の録音はスキップされました:</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>スキップ</translation>
    </message>
</context>
<context>
    <name>CLessonAudio</name>
    <message>
        <source>Playing is off: no sound output was found.</source>
        <translation>再生できません: 音声出力が見つかりません。</translation>
    </message>
    <message>
        <source>Recording is off: no sound input was found.</source>
        <translation>録音できません: 音声入力が見つかりません。</translation>
    </message>
    <message>
        <source>The sound cannot be played.</source>
        <translation>音声を再生できません。</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Once (as recorded)</source>
        <translation>1 回 (録音どおり)</translation>
    </message>
    <message>
        <source>Twice, slower first (0.75, 1)</source>
        <translation>2 回、最初はゆっくり (0.75, 1)</translation>
    </message>
    <message>
        <source>Three times</source>
        <translation>3 回</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>録音</translation>
    </message>
    <message>
        <source>Read &amp;every recording format (MP3, M4A, Opus, FLAC, ...)</source>
        <translation>すべての録音形式を読み込む (MP3、M4A、Opus、FLAC など)(&amp;E)</translation>
    </message>
    <message>
        <source>Phrases</source>
        <translation>フレーズ</translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation>しきい値(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Automatic</source>
        <translation>自動(&amp;A)</translation>
    </message>
    <message>
        <source>Minimum &amp;silence:</source>
        <translation>最短の無音(&amp;S):</translation>
    </message>
    <message>
        <source>Minimum p&amp;hrase:</source>
        <translation>最短のフレーズ(&amp;H):</translation>
    </message>
    <message>
        <source>Lon&amp;gest phrase:</source>
        <translation>最長のフレーズ(&amp;G):</translation>
    </message>
    <message>
        <source>A phrase that reaches this length is cut where it is quietest in its last third, in seconds.</source>
        <translation>この長さに達したフレーズは、最後の3分の1で最も静かな所で切られます（秒）。</translation>
    </message>
    <message>
        <source>Phrases from s&amp;ubtitles (.srt)</source>
        <translation>字幕でフレーズを区切る (.srt)(&amp;U)</translation>
    </message>
    <message>
        <source>Pauses</source>
        <translation>ポーズ</translation>
    </message>
    <message>
        <source>Fa&amp;ctor:</source>
        <translation>倍率(&amp;C):</translation>
    </message>
    <message>
        <source>E&amp;xtra:</source>
        <translation>追加(&amp;X):</translation>
    </message>
    <message>
        <source>Mi&amp;nimum:</source>
        <translation>最短(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Maximum:</source>
        <translation>最長(&amp;M):</translation>
    </message>
    <message>
        <source>Passes</source>
        <translation>繰り返し</translation>
    </message>
    <message>
        <source>&amp;Passes:</source>
        <translation>回数(&amp;P):</translation>
    </message>
    <message>
        <source>Temp&amp;os:</source>
        <translation>テンポ(&amp;O):</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>出力</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>形式(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Bit rate:</source>
        <translation>ビットレート(&amp;B):</translation>
    </message>
    <message>
        <source>&amp;Labels:</source>
        <translation>ラベル(&amp;L):</translation>
    </message>
    <message>
        <source>Clips for An&amp;ki</source>
        <translation>Anki 用クリップ(&amp;K)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>From %1 to %2.</source>
        <translation>%1 から %2 まで。</translation>
    </message>
    <message>
        <source>Above %1, up to %2.</source>
        <translation>%1 より大きく %2 まで。</translation>
    </message>
    <message>
        <source>Reads recordings of every format that FFmpeg&apos;s libraries read, mono or stereo. A source folder then gives all of its recordings.</source>
        <translation>FFmpeg のライブラリが読み込めるあらゆる形式の録音を、モノラルでもステレオでも読み込みます。変換元フォルダーからは、そのすべての録音が変換されます。</translation>
    </message>
    <message>
        <source>A sample counts as quiet below this level, in decibels below full scale.</source>
        <translation>このレベルを下回るサンプルを無音とみなします。単位はフルスケールを基準とするデシベルです。</translation>
    </message>
    <message>
        <source>The quiet level follows each recording&apos;s own noise floor and speech level.</source>
        <translation>無音のしきい値を、録音ごとのノイズフロアと音声レベルに合わせます。</translation>
    </message>
    <message>
        <source>How long a quiet stretch must last before a phrase may end, in seconds.</source>
        <translation>フレーズが終わるまでに無音が続く必要のある長さ (秒)。</translation>
    </message>
    <message>
        <source>How much audio must follow a pause before the next one, in seconds.</source>
        <translation>ポーズのあと、次のポーズまでに必要な音声の長さ (秒)。</translation>
    </message>
    <message>
        <source>Phrases follow the subtitles of the .srt file that has the recording&apos;s title, beside it, when there is one.</source>
        <translation>録音と同じ名前で隣にある .srt ファイルの字幕に従ってフレーズを区切ります (ファイルがある場合)。</translation>
    </message>
    <message>
        <source>Each pause lasts this many times the phrase before it.</source>
        <translation>各ポーズの長さは、直前のフレーズの長さのこの倍数です。</translation>
    </message>
    <message>
        <source>Seconds added to every pause.</source>
        <translation>各ポーズに加える秒数。</translation>
    </message>
    <message>
        <source>No pause is shorter than this, in seconds.</source>
        <translation>ポーズはこの長さより短くなりません (秒)。</translation>
    </message>
    <message>
        <source>No pause is longer than this, in seconds.</source>
        <translation>ポーズはこの長さより長くなりません (秒)。</translation>
    </message>
    <message>
        <source>How often each phrase is heard, and how fast.</source>
        <translation>各フレーズを何回、どの速さで聞くか。</translation>
    </message>
    <message>
        <source>The practice files&apos; format: WAV, lossless FLAC, or MP3 and Opus, which are small enough for a phone.</source>
        <translation>練習ファイルの形式: WAV、可逆圧縮の FLAC、またはスマートフォン向けに小さい MP3 と Opus。</translation>
    </message>
    <message>
        <source>The bit rate of MP3 files, from %1 to %2 kbit/s, and of Opus files, from %3 to %4 kbit/s.</source>
        <translation>MP3 ファイルのビットレートは %1 から %2 kbit/s、Opus ファイルは %3 から %4 kbit/s です。</translation>
    </message>
    <message>
        <source>Where each phrase is, in a file beside each practice file: subtitles (SRT), lyrics (LRC) or Audacity&apos;s labels.</source>
        <translation>各フレーズの位置を、練習ファイルの隣のファイルに書き出します: 字幕 (SRT)、歌詞 (LRC)、または Audacity のラベル。</translation>
    </message>
    <message>
        <source>Each phrase also as a clip of its own, with a list that Anki imports as cards.</source>
        <translation>各フレーズを個別のクリップとしても保存し、Anki にカードとして取り込める一覧を添えます。</translation>
    </message>
    <message>
        <source>Keeps these options for the next runs.</source>
        <translation>これらのオプションを次回以降の実行のために保存します。</translation>
    </message>
    <message>
        <source>Closes without changing the options.</source>
        <translation>オプションを変更せずに閉じます。</translation>
    </message>
    <message>
        <source>Every option back to its default: Run then does exactly what it does without options.</source>
        <translation>すべてのオプションを既定値に戻します。「実行」はオプションなしの場合とまったく同じ動作になります。</translation>
    </message>
    <message>
        <source>&amp;Detector:</source>
        <translation>検出方式(&amp;D):</translation>
    </message>
    <message>
        <source>For example %1</source>
        <translation>例: %1</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>What tells a pause from speech: the level above, a small network that hears speech over music and noise, or automatically the level where the recording has clear quiet and the network where not.</source>
        <translation>ポーズと音声を見分ける方法: 上の音量、音楽や雑音の上でも音声を聞き取る小さなネットワーク、または自動 (はっきりした静けさのある録音では音量、ない録音ではネットワーク)。</translation>
    </message>
    <message>
        <source>One tempo for each pass, separated by &quot;%4&quot;: 1 is as recorded, %5 slower. At most %1 passes, each from %2 to %3.</source>
        <translation>再生ごとのテンポを「%4」で区切って指定します。1 は録音どおり、%5 はゆっくり。最大 %1 回、各テンポは %2 から %3 まで。</translation>
    </message>
    <message>
        <source>Needs 1 to %1 tempos from %2 to %3, separated by &quot;%4&quot;.</source>
        <translation>%2 から %3 までのテンポを 1 〜 %1 個、&quot;%4&quot; で区切って入力してください。</translation>
    </message>
    <message>
        <source>Skip &amp;recordings that cannot be read, and go on</source>
        <translation>読めない録音をスキップして続ける(&amp;R)</translation>
    </message>
    <message>
        <source>A folder&apos;s recording that is damaged, in a format that is not read, or that fails is skipped without a message of its own; one message at the end lists each, with the reason.</source>
        <translation>フォルダー内の録音が壊れている、読めない形式である、または失敗した場合は、個別のメッセージなしでスキップされ、最後に一つのメッセージがそれぞれを理由とともに示します。</translation>
    </message>
</context>
<context>
    <name>CPracticeWnd</name>
    <message>
        <source>&amp;Play</source>
        <translation>再生(&amp;P)</translation>
    </message>
    <message>
        <source>Plays the phrase again</source>
        <translation>フレーズをもう一度再生します</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>前へ(&amp;V)</translation>
    </message>
    <message>
        <source>Plays the phrase before</source>
        <translation>前のフレーズを再生します</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>次へ(&amp;N)</translation>
    </message>
    <message>
        <source>Plays the next phrase</source>
        <translation>次のフレーズを再生します</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>録音(&amp;R)</translation>
    </message>
    <message>
        <source>Records you for the phrase&apos;s length and one second more</source>
        <translation>フレーズの長さと1秒の間、あなたの声を録音します</translation>
    </message>
    <message>
        <source>Play &amp;take</source>
        <translation>録音を再生(&amp;T)</translation>
    </message>
    <message>
        <source>Plays your last take</source>
        <translation>最後の録音を再生します</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>比較(&amp;C)</translation>
    </message>
    <message>
        <source>Plays the phrase, then your take</source>
        <translation>フレーズを再生し、続けてあなたの録音を再生します</translation>
    </message>
    <message>
        <source>Save t&amp;ake</source>
        <translation>録音を保存(&amp;A)</translation>
    </message>
    <message>
        <source>Saves your last take in the destination folder</source>
        <translation>最後の録音を出力先フォルダーに保存します</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>結合(&amp;J)</translation>
    </message>
    <message>
        <source>Joins the phrase with the next one</source>
        <translation>フレーズを次のフレーズと結合します</translation>
    </message>
    <message>
        <source>Spl&amp;it</source>
        <translation>分割(&amp;I)</translation>
    </message>
    <message>
        <source>Splits the phrase where it plays or where the mouse points</source>
        <translation>再生中の位置、またはマウスの位置でフレーズを分割します</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>Undoes the last change of the marks</source>
        <translation>区切りの最後の変更を元に戻します</translation>
    </message>
    <message>
        <source>Save &amp;marks</source>
        <translation>マークを保存(&amp;M)</translation>
    </message>
    <message>
        <source>Saves the marks as subtitles in the destination folder</source>
        <translation>区切りを字幕として出力先フォルダーに保存します</translation>
    </message>
    <message>
        <source>C&amp;onvert</source>
        <translation>変換(&amp;O)</translation>
    </message>
    <message>
        <source>Converts the lesson with these marks</source>
        <translation>これらの区切りでレッスンを変換します</translation>
    </message>
    <message>
        <source>Listen - %1</source>
        <translation>聞く - %1</translation>
    </message>
    <message>
        <source>How often Space plays each phrase, with the passes and pauses of the options</source>
        <translation>スペースキーで各フレーズを何回再生するか（オプションの回数と間を含む）</translation>
    </message>
    <message>
        <source>R&amp;epeats:</source>
        <translation>繰り返し回数(&amp;E):</translation>
    </message>
    <message>
        <source>Take %1 recorded.</source>
        <translation>録音 %1 を録りました。</translation>
    </message>
    <message>
        <source>Phrase %1 of %2</source>
        <translation>フレーズ %1 / %2</translation>
    </message>
    <message>
        <source>Recording cannot start.</source>
        <translation>録音を開始できません。</translation>
    </message>
    <message>
        <source>Recording...</source>
        <translation>録音中...</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 を保存しました。</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 に書き込めません。</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it with the marks?</source>
        <translation>%1 は既にあります。区切りで置き換えますか?</translation>
    </message>
    <message>
        <source>The marks have changed. Save them?</source>
        <translation>区切りが変更されました。保存しますか?</translation>
    </message>
    <message>
        <source>The slower and faster passes play as recorded: there is nothing here to stretch them.</source>
        <translation>遅い回と速い回は録音どおりに再生されます。ここには伸縮する手段がありません。</translation>
    </message>
    <message>
        <source>Plays the first phrase</source>
        <translation>最初のフレーズを再生します</translation>
    </message>
    <message>
        <source>Plays the last phrase</source>
        <translation>最後のフレーズを再生します</translation>
    </message>
    <message>
        <source>Moves the nearest mark 10 ms earlier</source>
        <translation>最も近い区切りを 10 ms 前へ動かします</translation>
    </message>
    <message>
        <source>Moves the nearest mark 10 ms later</source>
        <translation>最も近い区切りを 10 ms 後ろへ動かします</translation>
    </message>
    <message>
        <source>Zooms in</source>
        <translation>拡大します</translation>
    </message>
    <message>
        <source>Zooms out</source>
        <translation>縮小します</translation>
    </message>
    <message>
        <source>Drag a mark to move it, click a phrase to choose it, Ctrl+wheel zooms.</source>
        <translation>区切りをドラッグして動かし、フレーズをクリックして選びます。Ctrl+ホイールで拡大・縮小します。</translation>
    </message>
</context>
<context>
    <name>Job</name>
    <message>
        <source>The Fact chunk is missing</source>
        <translation>fact チャンクがありません</translation>
    </message>
    <message>
        <source>The fmt chunk is missing</source>
        <translation>fmt チャンクがありません</translation>
    </message>
    <message>
        <source>The WAV format must be ADPCM</source>
        <translation>WAV 形式は ADPCM である必要があります</translation>
    </message>
    <message>
        <source>The Coef must equal to 7</source>
        <translation>係数の数は 7 である必要があります</translation>
    </message>
    <message>
        <source>The Block align must be 512</source>
        <translation>ブロック アラインは 512 である必要があります</translation>
    </message>
    <message>
        <source>The Number of channels must be 1</source>
        <translation>チャンネル数は 1 である必要があります</translation>
    </message>
    <message>
        <source>The RIFF chunk is missing</source>
        <translation>RIFF チャンクがありません</translation>
    </message>
    <message>
        <source>The WAVE chunk is missing</source>
        <translation>WAVE チャンクがありません</translation>
    </message>
    <message>
        <source>The WAV format must be PCM</source>
        <translation>WAV 形式は PCM である必要があります</translation>
    </message>
    <message>
        <source>The Block align must be 2</source>
        <translation>ブロック アラインは 2 である必要があります</translation>
    </message>
    <message>
        <source>The Data chunk is missing</source>
        <translation>data チャンクがありません</translation>
    </message>
    <message>
        <source>Please, specify path</source>
        <translation>パスを指定してください</translation>
    </message>
    <message>
        <source>Wrong path</source>
        <translation>パスが正しくありません</translation>
    </message>
    <message>
        <source>The source &apos;%1&apos; does not exists</source>
        <translation>変換元「%1」が存在しません</translation>
    </message>
    <message>
        <source>Wrong source</source>
        <translation>変換元が正しくありません</translation>
    </message>
    <message>
        <source>The directory &apos;%1&apos; does not exists</source>
        <translation>フォルダー「%1」が存在しません</translation>
    </message>
    <message>
        <source>Wrong destination</source>
        <translation>保存先が正しくありません</translation>
    </message>
    <message>
        <source>The software does not support given audio format
Details: %1</source>
        <translation>このオーディオ形式はサポートされていません
詳細: %1</translation>
    </message>
    <message>
        <source>Application has stopped by user request</source>
        <translation>ユーザーの要求によりアプリケーションを停止しました</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Cannot write file &apos;%1&apos;</source>
        <translation>ファイル「%1」に書き込めません</translation>
    </message>
    <message>
        <source>Cannot open file &apos; %1&apos;. Do you want to continue?</source>
        <translation>ファイル「%1」を開けません。続行しますか？</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is too long to convert</source>
        <translation>ファイル「%1」は長すぎるため変換できません</translation>
    </message>
    <message>
        <source>Cannot open file &apos; %1&apos; for writing. Do you want to continue?</source>
        <translation>ファイル「%1」を書き込み用に開けません。続行しますか？</translation>
    </message>
    <message>
        <source>Cannot open file &apos; %1&apos; for writing (%2). Do you want to continue?</source>
        <translation>ファイル「%1」を書き込み用に開けません（%2）。続行しますか？</translation>
    </message>
    <message>
        <source>Cannot read file &apos;%1&apos;</source>
        <translation>ファイル「%1」を読み込めません</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Cannot write file &apos;%1&apos;
Details: %2</source>
        <translation>ファイル「%1」に書き込めません
詳細: %2</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>ファイルを開けません</translation>
    </message>
    <message>
        <source>The recording &apos;%1&apos; is too long for the practice window.</source>
        <translation>録音「%1」は練習ウィンドウには長すぎます。</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; holds no audio.</source>
        <translation>ファイル「%1」には音声がありません。</translation>
    </message>
</context>
<context>
    <name>Media</name>
    <message>
        <source>the file is empty</source>
        <translation>ファイルが空です</translation>
    </message>
    <message>
        <source>the file is not a recording in a format that can be read</source>
        <translation>ファイルは読める形式の録音ではありません</translation>
    </message>
    <message>
        <source>the file is not a recording in a format that can be read (FFmpeg reads it as %1)</source>
        <translation>ファイルは読める形式の録音ではありません (FFmpeg は %1 として読み取ります)</translation>
    </message>
    <message>
        <source>the file holds no audio</source>
        <translation>ファイルに音声がありません</translation>
    </message>
    <message>
        <source>its audio is in a format that cannot be decoded</source>
        <translation>音声がデコードできない形式です</translation>
    </message>
    <message>
        <source>its audio is in a format that cannot be decoded (%1)</source>
        <translation>音声がデコードできない形式です (%1)</translation>
    </message>
    <message>
        <source>its audio is in a format that cannot be decoded: %1</source>
        <translation>音声がデコードできない形式です: %1</translation>
    </message>
    <message>
        <source>the recording is damaged and cannot be decoded</source>
        <translation>録音が壊れていてデコードできません</translation>
    </message>
    <message>
        <source>the recording is damaged and cannot be decoded: %1</source>
        <translation>録音が壊れていてデコードできません: %1</translation>
    </message>
    <message>
        <source>the recording is cut short: the file ends before it does</source>
        <translation>録音が途中で切れています: ファイルが録音より先に終わっています</translation>
    </message>
    <message>
        <source>no audio could be decoded from it</source>
        <translation>音声を一切デコードできませんでした</translation>
    </message>
    <message>
        <source>the recording changes its sample rate part way through</source>
        <translation>録音のサンプルレートが途中で変わります</translation>
    </message>
    <message>
        <source>the recording has more than the 64 channels that can be mixed</source>
        <translation>録音にミックスできる 64 チャンネルを超えるチャンネルがあります</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>メモリ不足です</translation>
    </message>
    <message>
        <source>the recording could not be opened</source>
        <translation>録音を開けませんでした</translation>
    </message>
    <message>
        <source>the recording could not be opened: out of memory</source>
        <translation>録音を開けませんでした: メモリ不足です</translation>
    </message>
    <message>
        <source>the recording&apos;s sample rate of %1 Hz is outside the 1 kHz to 768 kHz that can be converted</source>
        <translation>録音のサンプルレート %1 Hz は、変換できる 1 kHz から 768 kHz の範囲外です</translation>
    </message>
    <message>
        <source>FFmpeg&apos;s libraries cannot be loaded: %1</source>
        <translation>FFmpeg のライブラリを読み込めません: %1</translation>
    </message>
    <message>
        <source>FFmpeg&apos;s libraries have no encoder %1</source>
        <translation>FFmpeg のライブラリにエンコーダー %1 がありません</translation>
    </message>
    <message>
        <source>FFmpeg&apos;s libraries have no muxer %1</source>
        <translation>FFmpeg のライブラリにマルチプレクサー %1 がありません</translation>
    </message>
    <message>
        <source>the encoder %1 refused its settings: %2</source>
        <translation>エンコーダー %1 が設定を拒否しました: %2</translation>
    </message>
    <message>
        <source>the encoder %1 does not take its options: %2</source>
        <translation>エンコーダー %1 がオプションを受け付けません: %2</translation>
    </message>
    <message>
        <source>the encoder %1 failed: %2</source>
        <translation>エンコーダー %1 が失敗しました: %2</translation>
    </message>
    <message>
        <source>no resampler to %1 Hz could be made: %2</source>
        <translation>%1 Hz へのリサンプラーを作成できませんでした: %2</translation>
    </message>
    <message>
        <source>the resampler failed: %1</source>
        <translation>リサンプラーが失敗しました: %1</translation>
    </message>
    <message>
        <source>the muxer could not be made: %1</source>
        <translation>マルチプレクサーを作成できませんでした: %1</translation>
    </message>
    <message>
        <source>the muxer %1 could not begin the file: %2</source>
        <translation>マルチプレクサー %1 がファイルを開始できませんでした: %2</translation>
    </message>
    <message>
        <source>the muxer %1 could not write: %2</source>
        <translation>マルチプレクサー %1 が書き込めませんでした: %2</translation>
    </message>
    <message>
        <source>the muxer %1 could not end the file: %2</source>
        <translation>マルチプレクサー %1 がファイルを終了できませんでした: %2</translation>
    </message>
</context>
<context>
    <name>Subtitles</name>
    <message>
        <source>&apos;--&gt;&apos; between two times was expected</source>
        <translation>2つの時刻の間に「--&gt;」が必要です</translation>
    </message>
    <message>
        <source>a time such as %1 was expected</source>
        <translation>%1 のような時刻が必要です</translation>
    </message>
    <message>
        <source>the cue ends before it starts</source>
        <translation>字幕が始まる前に終わっています</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
    <message>
        <source>a cue number or a line of times was expected, not &apos;%1&apos;</source>
        <translation>字幕番号または時刻の行が必要ですが、「%1」でした</translation>
    </message>
    <message>
        <source>the file ends before the cue&apos;s times</source>
        <translation>字幕の時刻より前でファイルが終わっています</translation>
    </message>
    <message>
        <source>it holds no cues</source>
        <translation>字幕が1つも含まれていません</translation>
    </message>
    <message>
        <source>&apos;WEBVTT&apos; was expected</source>
        <translation>「WEBVTT」が必要です</translation>
    </message>
    <message>
        <source>The subtitles &apos;%1&apos; cannot be read: %2</source>
        <translation>字幕「%1」を読み込めません: %2</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>ファイルを開けません</translation>
    </message>
    <message>
        <source>the file is too large for subtitles</source>
        <translation>字幕としてはファイルが大きすぎます</translation>
    </message>
</context>
</TS>
