<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>KivController</name>
    <message id="ErrorTitle0001">
        <source>Cannot Open the File</source>
        <translation>ファイルを開けません</translation>
    </message>
    <message id="ErrorMsg0001">
        <source>The file cannot be opened, or it is not an MPO or JPEG file that this program can read.</source>
        <translation>ファイルを開けないか、このプログラムで読めるMPOファイルまたはJPEGファイルではありません。</translation>
    </message>
    <message id="ErrorTitle0002">
        <source>Cannot Save the Picture</source>
        <translation>画像を保存できません</translation>
    </message>
    <message id="ErrorMsg0002">
        <source>There is not enough free space in the save folder, or a file cannot be created there.</source>
        <translation>保存先フォルダの空き容量が足りないか、そこにファイルを作成できません。</translation>
    </message>
    <message id="ErrorTitle0004">
        <source>Cannot Write the Picture</source>
        <translation>画像を書き込めません</translation>
    </message>
    <message id="ErrorMsg0004">
        <source>The save folder cannot be used, or writing a picture failed.</source>
        <translation>保存先フォルダを使えないか、画像の書き込みに失敗しました。</translation>
    </message>
    <message id="ErrorTitle0005">
        <source>Cannot Read the Picture</source>
        <translation>画像を読み込めません</translation>
    </message>
    <message id="ErrorMsg0005">
        <source>The picture cannot be read from the file.</source>
        <translation>ファイルから画像を読み込めません。</translation>
    </message>
</context>
</TS>
