<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Login</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
