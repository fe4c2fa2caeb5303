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
</context>
</TS>
