<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen [form]</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein [form]</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über [form]</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache [form]</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Design [form]</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel [form]</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell [form]</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau [form]</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa [form]</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Eigenes [form]</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Hintergrundbild [form]</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Autostart [form]</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Mit dem System starten (minimiert) [form]</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Beim Schließen in den Infobereich [form]</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualisierung [form]</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Firmware prüfen [form]</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Anwendungssoftware [form]</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Mit dem System starten (minimiert)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Beim Schließen in den Infobereich</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualisierung</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Firmware prüfen</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Einstellung gespeichert</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Einstellung nicht gespeichert</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Keine Geräte zum Aktualisieren</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Geräteliste</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Kein Gerät verbunden</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
</context>
</TS>
