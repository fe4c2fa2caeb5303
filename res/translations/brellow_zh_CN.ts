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
</context>
</TS>
