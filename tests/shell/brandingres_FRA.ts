<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>StringTable</name>
    <message>
        <source>About</source>
        <comment>6</comment>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Change Language</source>
        <comment>10</comment>
        <translation>Changer de langue</translation>
    </message>
    <message>
        <source>Load Data</source>
        <comment>42</comment>
        <translation>Charger les données</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>77</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Select Language</source>
        <comment>101</comment>
        <translation>Choisir la langue</translation>
    </message>
</context>
</TS>
