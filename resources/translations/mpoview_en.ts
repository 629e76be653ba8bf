<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>KivController</name>
    <message id="ErrorTitle0001">
        <source>Cannot Open the File</source>
        <translation>Cannot Open the File</translation>
    </message>
    <message id="ErrorMsg0001">
        <source>The file cannot be opened, or it is not an MPO or JPEG file that this program can read.</source>
        <translation>The file cannot be opened, or it is not an MPO or JPEG file that this program can read.</translation>
    </message>
    <message id="ErrorTitle0002">
        <source>Cannot Save the Picture</source>
        <translation>Cannot Save the Picture</translation>
    </message>
    <message id="ErrorMsg0002">
        <source>There is not enough free space in the save folder, or a file cannot be created there.</source>
        <translation>There is not enough free space in the save folder, or a file cannot be created there.</translation>
    </message>
    <message id="ErrorTitle0004">
        <source>Cannot Write the Picture</source>
        <translation>Cannot Write the Picture</translation>
    </message>
    <message id="ErrorMsg0004">
        <source>The save folder cannot be used, or writing a picture failed.</source>
        <translation>The save folder cannot be used, or writing a picture failed.</translation>
    </message>
    <message id="ErrorTitle0005">
        <source>Cannot Read the Picture</source>
        <translation>Cannot Read the Picture</translation>
    </message>
    <message id="ErrorMsg0005">
        <source>The picture cannot be read from the file.</source>
        <translation>The picture cannot be read from the file.</translation>
    </message>
</context>
</TS>
