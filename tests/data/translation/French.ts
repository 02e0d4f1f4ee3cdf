<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres [form]</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général [form]</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos [form]</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue [form]</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème [form]</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre [form]</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair [form]</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu [form]</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rose [form]</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre [form]</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Image de fond [form]</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Démarrage [form]</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Lancer au démarrage du système (réduit) [form]</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Fermer dans la zone de notification [form]</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Mise à jour [form]</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Vérifier le firmware [form]</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Logiciel d'application [form]</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Image de fond</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Démarrage</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Lancer au démarrage du système (réduit)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Fermer dans la zone de notification</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Vérifier le firmware</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Réglage enregistré</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Réglage non enregistré</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Aucun appareil à mettre à jour</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Appareils</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Aucun appareil connecté</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
</context>
</TS>
