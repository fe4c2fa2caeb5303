<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CBrellowDlg</name>
    <message>
        <source>Source:</source>
        <translation>源路径：</translation>
    </message>
    <message>
        <source>Destination Folder:</source>
        <translation>目标文件夹：</translation>
    </message>
    <message>
        <source>&amp;Open containing folder</source>
        <translation>打开所在文件夹(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>运行(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>停止(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Are you sure you want to stop conversion?</source>
        <translation>确定要停止转换吗？</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Browse For File</source>
        <translation>浏览文件</translation>
    </message>
    <message>
        <source>Browse For Folder</source>
        <translation>浏览文件夹</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>源</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>目标</translation>
    </message>
    <message>
        <source>O&amp;ptions...</source>
        <translation>选项(&amp;P)...</translation>
    </message>
    <message>
        <source>Other recording formats, pauses, passes and practice files: what brellow-cli&apos;s options do.</source>
        <translation>其他录音格式、停顿、遍数和练习文件：即 brellow-cli 各选项的功能。</translation>
    </message>
    <message>
        <source>FFmpeg&apos;s libraries cannot be loaded: %1</source>
        <translation>无法加载 FFmpeg 库：%1</translation>
    </message>
    <message>
        <source>Recordings (%1)</source>
        <translation>录音 (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>&amp;Listen...</source>
        <translation>试听(&amp;L)...</translation>
    </message>
    <message>
        <source>Plays the source&apos;s phrases one by one, to fix their marks and record yourself.</source>
        <translation>逐句播放源文件的句子，以修正标记并录下自己的声音。</translation>
    </message>
    <message>
        <source>To convert it, turn on &quot;%1&quot; in Options.</source>
        <translation>要转换它，请在选项中打开“%1”。</translation>
    </message>
    <message>
        <source>These recordings were skipped:</source>
        <translation>以下录音已跳过：</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>已跳过</translation>
    </message>
</context>
<context>
    <name>CLessonAudio</name>
    <message>
        <source>Playing is off: no sound output was found.</source>
        <translation>无法播放：未找到声音输出设备。</translation>
    </message>
    <message>
        <source>Recording is off: no sound input was found.</source>
        <translation>无法录音：未找到声音输入设备。</translation>
    </message>
    <message>
        <source>The sound cannot be played.</source>
        <translation>无法播放声音。</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Once (as recorded)</source>
        <translation>一遍（原速）</translation>
    </message>
    <message>
        <source>Twice, slower first (0.75, 1)</source>
        <translation>两遍，先慢后常速 (0.75, 1)</translation>
    </message>
    <message>
        <source>Three times</source>
        <translation>三遍</translation>
    </message>
    <message>
        <source>Recordings</source>
        <translation>录音</translation>
    </message>
    <message>
        <source>Read &amp;every recording format (MP3, M4A, Opus, FLAC, ...)</source>
        <translation>读取所有录音格式（MP3、M4A、Opus、FLAC 等）(&amp;E)</translation>
    </message>
    <message>
        <source>Phrases</source>
        <translation>语句</translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation>阈值(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Automatic</source>
        <translation>自动(&amp;A)</translation>
    </message>
    <message>
        <source>Minimum &amp;silence:</source>
        <translation>最短静音(&amp;S)：</translation>
    </message>
    <message>
        <source>Minimum p&amp;hrase:</source>
        <translation>最短语句(&amp;H)：</translation>
    </message>
    <message>
        <source>Lon&amp;gest phrase:</source>
        <translation>最长语句(&amp;G)：</translation>
    </message>
    <message>
        <source>A phrase that reaches this length is cut where it is quietest in its last third, in seconds.</source>
        <translation>达到此长度的语句在其最后三分之一最安静处切开，单位为秒。</translation>
    </message>
    <message>
        <source>Phrases from s&amp;ubtitles (.srt)</source>
        <translation>按字幕划分语句 (.srt)(&amp;U)</translation>
    </message>
    <message>
        <source>Pauses</source>
        <translation>停顿</translation>
    </message>
    <message>
        <source>Fa&amp;ctor:</source>
        <translation>倍数(&amp;C)：</translation>
    </message>
    <message>
        <source>E&amp;xtra:</source>
        <translation>额外(&amp;X)：</translation>
    </message>
    <message>
        <source>Mi&amp;nimum:</source>
        <translation>最短(&amp;N)：</translation>
    </message>
    <message>
        <source>&amp;Maximum:</source>
        <translation>最长(&amp;M)：</translation>
    </message>
    <message>
        <source>Passes</source>
        <translation>遍数</translation>
    </message>
    <message>
        <source>&amp;Passes:</source>
        <translation>遍数(&amp;P)：</translation>
    </message>
    <message>
        <source>Temp&amp;os:</source>
        <translation>速度(&amp;O)：</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>格式(&amp;F)：</translation>
    </message>
    <message>
        <source>&amp;Bit rate:</source>
        <translation>比特率(&amp;B)：</translation>
    </message>
    <message>
        <source>&amp;Labels:</source>
        <translation>标记(&amp;L)：</translation>
    </message>
    <message>
        <source>Clips for An&amp;ki</source>
        <translation>Anki 卡片片段(&amp;K)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>From %1 to %2.</source>
        <translation>从 %1 到 %2。</translation>
    </message>
    <message>
        <source>Above %1, up to %2.</source>
        <translation>大于 %1，最大 %2。</translation>
    </message>
    <message>
        <source>Reads recordings of every format that FFmpeg&apos;s libraries read, mono or stereo. A source folder then gives all of its recordings.</source>
        <translation>通过 FFmpeg 库读取其支持的任何格式的录音，单声道或立体声均可。此时源文件夹中的所有录音都会被转换。</translation>
    </message>
    <message>
        <source>A sample counts as quiet below this level, in decibels below full scale.</source>
        <translation>低于此电平的采样视为静音，单位为相对满刻度的分贝。</translation>
    </message>
    <message>
        <source>The quiet level follows each recording&apos;s own noise floor and speech level.</source>
        <translation>静音阈值随每段录音自身的底噪和语音电平而定。</translation>
    </message>
    <message>
        <source>How long a quiet stretch must last before a phrase may end, in seconds.</source>
        <translation>静音需持续多久，语句才可能结束，单位为秒。</translation>
    </message>
    <message>
        <source>How much audio must follow a pause before the next one, in seconds.</source>
        <translation>一次停顿之后至少要有多长的音频，才插入下一次停顿，单位为秒。</translation>
    </message>
    <message>
        <source>Phrases follow the subtitles of the .srt file that has the recording&apos;s title, beside it, when there is one.</source>
        <translation>语句按录音旁边同名 .srt 文件中的字幕划分（如有该文件）。</translation>
    </message>
    <message>
        <source>Each pause lasts this many times the phrase before it.</source>
        <translation>每次停顿的时长是前一语句时长的这一倍数。</translation>
    </message>
    <message>
        <source>Seconds added to every pause.</source>
        <translation>每次停顿额外增加的秒数。</translation>
    </message>
    <message>
        <source>No pause is shorter than this, in seconds.</source>
        <translation>停顿不会短于此值，单位为秒。</translation>
    </message>
    <message>
        <source>No pause is longer than this, in seconds.</source>
        <translation>停顿不会长于此值，单位为秒。</translation>
    </message>
    <message>
        <source>How often each phrase is heard, and how fast.</source>
        <translation>每个语句播放几遍，以及以什么速度播放。</translation>
    </message>
    <message>
        <source>The practice files&apos; format: WAV, lossless FLAC, or MP3 and Opus, which are small enough for a phone.</source>
        <translation>练习文件的格式：WAV、无损的 FLAC，或体积小、适合手机的 MP3 和 Opus。</translation>
    </message>
    <message>
        <source>The bit rate of MP3 files, from %1 to %2 kbit/s, and of Opus files, from %3 to %4 kbit/s.</source>
        <translation>MP3 文件的比特率为 %1 到 %2 kbit/s，Opus 文件为 %3 到 %4 kbit/s。</translation>
    </message>
    <message>
        <source>Where each phrase is, in a file beside each practice file: subtitles (SRT), lyrics (LRC) or Audacity&apos;s labels.</source>
        <translation>在每个练习文件旁的文件中标出每个语句的位置：字幕 (SRT)、歌词 (LRC) 或 Audacity 标签。</translation>
    </message>
    <message>
        <source>Each phrase also as a clip of its own, with a list that Anki imports as cards.</source>
        <translation>另将每个语句保存为单独的片段，并附上 Anki 可导入为卡片的列表。</translation>
    </message>
    <message>
        <source>Keeps these options for the next runs.</source>
        <translation>保留这些选项，供以后运行时使用。</translation>
    </message>
    <message>
        <source>Closes without changing the options.</source>
        <translation>关闭，不更改选项。</translation>
    </message>
    <message>
        <source>Every option back to its default: Run then does exactly what it does without options.</source>
        <translation>将所有选项恢复为默认值：之后“运行”的效果与不设选项时完全相同。</translation>
    </message>
    <message>
        <source>&amp;Detector:</source>
        <translation>检测方式(&amp;D):</translation>
    </message>
    <message>
        <source>For example %1</source>
        <translation>例如 %1</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>语音</translation>
    </message>
    <message>
        <source>What tells a pause from speech: the level above, a small network that hears speech over music and noise, or automatically the level where the recording has clear quiet and the network where not.</source>
        <translation>区分停顿与语音的方式：上面的音量、一个能在音乐和噪声中听出语音的小型网络，或自动：录音有明显安静处时用音量，否则用网络。</translation>
    </message>
    <message>
        <source>One tempo for each pass, separated by &quot;%4&quot;: 1 is as recorded, %5 slower. At most %1 passes, each from %2 to %3.</source>
        <translation>每遍一个速度，用“%4”分隔：1 为原速，%5 较慢。最多 %1 遍，每个速度从 %2 到 %3。</translation>
    </message>
    <message>
        <source>Needs 1 to %1 tempos from %2 to %3, separated by &quot;%4&quot;.</source>
        <translation>需要 1 到 %1 个速度，每个从 %2 到 %3，用&quot;%4&quot;分隔。</translation>
    </message>
    <message>
        <source>Skip &amp;recordings that cannot be read, and go on</source>
        <translation>跳过无法读取的录音并继续(&amp;R)</translation>
    </message>
    <message>
        <source>A folder&apos;s recording that is damaged, in a format that is not read, or that fails is skipped without a message of its own; one message at the end lists each, with the reason.</source>
        <translation>文件夹中损坏、格式无法读取或转换失败的录音会被跳过，不单独提示；最后用一条消息列出每个录音及原因。</translation>
    </message>
</context>
<context>
    <name>CPracticeWnd</name>
    <message>
        <source>&amp;Play</source>
        <translation>播放(&amp;P)</translation>
    </message>
    <message>
        <source>Plays the phrase again</source>
        <translation>再次播放本句</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>上一句(&amp;V)</translation>
    </message>
    <message>
        <source>Plays the phrase before</source>
        <translation>播放上一句</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>下一句(&amp;N)</translation>
    </message>
    <message>
        <source>Plays the next phrase</source>
        <translation>播放下一句</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>录音(&amp;R)</translation>
    </message>
    <message>
        <source>Records you for the phrase&apos;s length and one second more</source>
        <translation>录下你的声音，时长为本句长度再加一秒</translation>
    </message>
    <message>
        <source>Play &amp;take</source>
        <translation>播放录音(&amp;T)</translation>
    </message>
    <message>
        <source>Plays your last take</source>
        <translation>播放你最近的录音</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>对比(&amp;C)</translation>
    </message>
    <message>
        <source>Plays the phrase, then your take</source>
        <translation>先播放本句，再播放你的录音</translation>
    </message>
    <message>
        <source>Save t&amp;ake</source>
        <translation>保存录音(&amp;A)</translation>
    </message>
    <message>
        <source>Saves your last take in the destination folder</source>
        <translation>将最近的录音保存到目标文件夹</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>合并(&amp;J)</translation>
    </message>
    <message>
        <source>Joins the phrase with the next one</source>
        <translation>将本句与下一句合并</translation>
    </message>
    <message>
        <source>Spl&amp;it</source>
        <translation>拆分(&amp;I)</translation>
    </message>
    <message>
        <source>Splits the phrase where it plays or where the mouse points</source>
        <translation>在播放位置或鼠标所指位置拆分本句</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>Undoes the last change of the marks</source>
        <translation>撤销对标记的最后一次修改</translation>
    </message>
    <message>
        <source>Save &amp;marks</source>
        <translation>保存标记(&amp;M)</translation>
    </message>
    <message>
        <source>Saves the marks as subtitles in the destination folder</source>
        <translation>将标记作为字幕保存到目标文件夹</translation>
    </message>
    <message>
        <source>C&amp;onvert</source>
        <translation>转换(&amp;O)</translation>
    </message>
    <message>
        <source>Converts the lesson with these marks</source>
        <translation>按这些标记转换本课</translation>
    </message>
    <message>
        <source>Listen - %1</source>
        <translation>试听 - %1</translation>
    </message>
    <message>
        <source>How often Space plays each phrase, with the passes and pauses of the options</source>
        <translation>空格键播放每句的次数，含选项中的遍数和停顿</translation>
    </message>
    <message>
        <source>R&amp;epeats:</source>
        <translation>重复次数(&amp;E):</translation>
    </message>
    <message>
        <source>Take %1 recorded.</source>
        <translation>已录制第 %1 段录音。</translation>
    </message>
    <message>
        <source>Phrase %1 of %2</source>
        <translation>第 %1 句，共 %2 句</translation>
    </message>
    <message>
        <source>Recording cannot start.</source>
        <translation>无法开始录音。</translation>
    </message>
    <message>
        <source>Recording...</source>
        <translation>正在录音...</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>已保存 %1。</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>无法写入 %1。</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it with the marks?</source>
        <translation>%1 已存在。要用这些标记替换它吗？</translation>
    </message>
    <message>
        <source>The marks have changed. Save them?</source>
        <translation>标记已更改。要保存吗？</translation>
    </message>
    <message>
        <source>The slower and faster passes play as recorded: there is nothing here to stretch them.</source>
        <translation>较慢和较快的遍数按录音原样播放：这里没有可以拉伸它们的工具。</translation>
    </message>
    <message>
        <source>Plays the first phrase</source>
        <translation>播放第一句</translation>
    </message>
    <message>
        <source>Plays the last phrase</source>
        <translation>播放最后一句</translation>
    </message>
    <message>
        <source>Moves the nearest mark 10 ms earlier</source>
        <translation>将最近的标记提前 10 毫秒</translation>
    </message>
    <message>
        <source>Moves the nearest mark 10 ms later</source>
        <translation>将最近的标记推后 10 毫秒</translation>
    </message>
    <message>
        <source>Zooms in</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zooms out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Drag a mark to move it, click a phrase to choose it, Ctrl+wheel zooms.</source>
        <translation>拖动标记可移动它，单击某句可选中它，Ctrl+滚轮可缩放。</translation>
    </message>
</context>
<context>
    <name>Job</name>
    <message>
        <source>The Fact chunk is missing</source>
        <translation>缺少 fact 块</translation>
    </message>
    <message>
        <source>The fmt chunk is missing</source>
        <translation>缺少 fmt 块</translation>
    </message>
    <message>
        <source>The WAV format must be ADPCM</source>
        <translation>WAV 格式必须为 ADPCM</translation>
    </message>
    <message>
        <source>The Coef must equal to 7</source>
        <translation>系数个数必须为 7</translation>
    </message>
    <message>
        <source>The Block align must be 512</source>
        <translation>块对齐必须为 512</translation>
    </message>
    <message>
        <source>The Number of channels must be 1</source>
        <translation>声道数必须为 1</translation>
    </message>
    <message>
        <source>The RIFF chunk is missing</source>
        <translation>缺少 RIFF 块</translation>
    </message>
    <message>
        <source>The WAVE chunk is missing</source>
        <translation>缺少 WAVE 块</translation>
    </message>
    <message>
        <source>The WAV format must be PCM</source>
        <translation>WAV 格式必须为 PCM</translation>
    </message>
    <message>
        <source>The Block align must be 2</source>
        <translation>块对齐必须为 2</translation>
    </message>
    <message>
        <source>The Data chunk is missing</source>
        <translation>缺少 data 块</translation>
    </message>
    <message>
        <source>Please, specify path</source>
        <translation>请指定路径</translation>
    </message>
    <message>
        <source>Wrong path</source>
        <translation>路径错误</translation>
    </message>
    <message>
        <source>The source &apos;%1&apos; does not exists</source>
        <translation>源路径“%1”不存在</translation>
    </message>
    <message>
        <source>Wrong source</source>
        <translation>源路径错误</translation>
    </message>
    <message>
        <source>The directory &apos;%1&apos; does not exists</source>
        <translation>文件夹“%1”不存在</translation>
    </message>
    <message>
        <source>Wrong destination</source>
        <translation>目标文件夹错误</translation>
    </message>
    <message>
        <source>The software does not support given audio format
Details: %1</source>
        <translation>本软件不支持该音频格式
详细信息：%1</translation>
    </message>
    <message>
        <source>Application has stopped by user request</source>
        <translation>应用程序已按用户请求停止</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Cannot write file &apos;%1&apos;</source>
        <translation>无法写入文件“%1”</translation>
    </message>
    <message>
        <source>Cannot open file &apos; %1&apos;. Do you want to continue?</source>
        <translation>无法打开文件“%1”。是否继续？</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is too long to convert</source>
        <translation>文件“%1”太长，无法转换</translation>
    </message>
    <message>
        <source>Cannot open file &apos; %1&apos; for writing. Do you want to continue?</source>
        <translation>无法打开文件“%1”进行写入。是否继续？</translation>
    </message>
    <message>
        <source>Cannot open file &apos; %1&apos; for writing (%2). Do you want to continue?</source>
        <translation>无法打开文件“%1”进行写入（%2）。是否继续？</translation>
    </message>
    <message>
        <source>Cannot read file &apos;%1&apos;</source>
        <translation>无法读取文件“%1”</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Cannot write file &apos;%1&apos;
Details: %2</source>
        <translation>无法写入文件“%1”
详细信息：%2</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>无法打开文件</translation>
    </message>
    <message>
        <source>The recording &apos;%1&apos; is too long for the practice window.</source>
        <translation>录音“%1”太长，无法在练习窗口中打开。</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; holds no audio.</source>
        <translation>文件“%1”不含音频。</translation>
    </message>
</context>
<context>
    <name>Media</name>
    <message>
        <source>the file is empty</source>
        <translation>文件为空</translation>
    </message>
    <message>
        <source>the file is not a recording in a format that can be read</source>
        <translation>文件不是可读取格式的录音</translation>
    </message>
    <message>
        <source>the file is not a recording in a format that can be read (FFmpeg reads it as %1)</source>
        <translation>文件不是可读取格式的录音（FFmpeg 将其读作 %1）</translation>
    </message>
    <message>
        <source>the file holds no audio</source>
        <translation>文件不含音频</translation>
    </message>
    <message>
        <source>its audio is in a format that cannot be decoded</source>
        <translation>其音频格式无法解码</translation>
    </message>
    <message>
        <source>its audio is in a format that cannot be decoded (%1)</source>
        <translation>其音频格式无法解码（%1）</translation>
    </message>
    <message>
        <source>its audio is in a format that cannot be decoded: %1</source>
        <translation>其音频格式无法解码：%1</translation>
    </message>
    <message>
        <source>the recording is damaged and cannot be decoded</source>
        <translation>录音已损坏，无法解码</translation>
    </message>
    <message>
        <source>the recording is damaged and cannot be decoded: %1</source>
        <translation>录音已损坏，无法解码：%1</translation>
    </message>
    <message>
        <source>the recording is cut short: the file ends before it does</source>
        <translation>录音被截断：文件在录音结束前就结束了</translation>
    </message>
    <message>
        <source>no audio could be decoded from it</source>
        <translation>无法从中解码出任何音频</translation>
    </message>
    <message>
        <source>the recording changes its sample rate part way through</source>
        <translation>录音中途改变了采样率</translation>
    </message>
    <message>
        <source>the recording has more than the 64 channels that can be mixed</source>
        <translation>录音的声道数超过可混合的 64 个</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>the recording could not be opened</source>
        <translation>无法打开录音</translation>
    </message>
    <message>
        <source>the recording could not be opened: out of memory</source>
        <translation>无法打开录音：内存不足</translation>
    </message>
    <message>
        <source>the recording&apos;s sample rate of %1 Hz is outside the 1 kHz to 768 kHz that can be converted</source>
        <translation>录音的采样率 %1 Hz 超出可转换的 1 kHz 到 768 kHz 范围</translation>
    </message>
    <message>
        <source>FFmpeg&apos;s libraries cannot be loaded: %1</source>
        <translation>无法加载 FFmpeg 库：%1</translation>
    </message>
    <message>
        <source>FFmpeg&apos;s libraries have no encoder %1</source>
        <translation>FFmpeg 的库中没有编码器 %1</translation>
    </message>
    <message>
        <source>FFmpeg&apos;s libraries have no muxer %1</source>
        <translation>FFmpeg 的库中没有复用器 %1</translation>
    </message>
    <message>
        <source>the encoder %1 refused its settings: %2</source>
        <translation>编码器 %1 拒绝了其设置：%2</translation>
    </message>
    <message>
        <source>the encoder %1 does not take its options: %2</source>
        <translation>编码器 %1 不接受其选项：%2</translation>
    </message>
    <message>
        <source>the encoder %1 failed: %2</source>
        <translation>编码器 %1 失败：%2</translation>
    </message>
    <message>
        <source>no resampler to %1 Hz could be made: %2</source>
        <translation>无法创建到 %1 Hz 的重采样器：%2</translation>
    </message>
    <message>
        <source>the resampler failed: %1</source>
        <translation>重采样器失败：%1</translation>
    </message>
    <message>
        <source>the muxer could not be made: %1</source>
        <translation>无法创建复用器：%1</translation>
    </message>
    <message>
        <source>the muxer %1 could not begin the file: %2</source>
        <translation>复用器 %1 无法开始文件：%2</translation>
    </message>
    <message>
        <source>the muxer %1 could not write: %2</source>
        <translation>复用器 %1 无法写入：%2</translation>
    </message>
    <message>
        <source>the muxer %1 could not end the file: %2</source>
        <translation>复用器 %1 无法结束文件：%2</translation>
    </message>
</context>
<context>
    <name>Subtitles</name>
    <message>
        <source>&apos;--&gt;&apos; between two times was expected</source>
        <translation>两个时间之间应有“--&gt;”</translation>
    </message>
    <message>
        <source>a time such as %1 was expected</source>
        <translation>应为类似 %1 的时间</translation>
    </message>
    <message>
        <source>the cue ends before it starts</source>
        <translation>字幕的结束早于开始</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>a cue number or a line of times was expected, not &apos;%1&apos;</source>
        <translation>应为字幕编号或时间行，而不是“%1”</translation>
    </message>
    <message>
        <source>the file ends before the cue&apos;s times</source>
        <translation>文件在字幕时间之前结束</translation>
    </message>
    <message>
        <source>it holds no cues</source>
        <translation>文件中没有字幕</translation>
    </message>
    <message>
        <source>&apos;WEBVTT&apos; was expected</source>
        <translation>应为“WEBVTT”</translation>
    </message>
    <message>
        <source>The subtitles &apos;%1&apos; cannot be read: %2</source>
        <translation>无法读取字幕“%1”：%2</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>无法打开文件</translation>
    </message>
    <message>
        <source>the file is too large for subtitles</source>
        <translation>文件过大，不像字幕文件</translation>
    </message>
</context>
</TS>
