<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl" sourcelanguage="sl">
<context>
    <name>Kalvo</name>
    <message numerus="yes">
        <source>%n udeležencev</source>
        <translation>
            <numerusform>%n udeleženec</numerusform>
            <numerusform>%n udeleženca</numerusform>
            <numerusform>%n udeleženci</numerusform>
            <numerusform>%n udeležencev</numerusform>
        </translation>
    </message>
</context>
</TS>
