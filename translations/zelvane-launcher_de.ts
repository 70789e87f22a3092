<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AddDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Your Launcher.ini configuration file is out of date and will not be used. </source>
        <translation>Ihre Konfigurationsdatei Launcher.ini ist veraltet und wird nicht verwendet. </translation>
    </message>
    <message>
        <source>It could not be renamed and is still at %1.</source>
        <translation>Sie konnte nicht umbenannt werden und liegt weiterhin unter %1.</translation>
    </message>
    <message>
        <source>It has been renamed to %1 to make place for a new configuration file.</source>
        <translation>Sie wurde in %1 umbenannt, um Platz für eine neue Konfigurationsdatei zu schaffen.</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>Pixel Density</source>
        <translation>Pixeldichte</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>pixel density</source>
        <translation>Pixeldichte</translation>
    </message>
    <message>
        <source>Zelvane Emulator</source>
        <translation>Zelvane Emulator</translation>
    </message>
    <message>
        <source>Unable to start Zelvane Emulator Launcher</source>
        <translation>Zelvane Emulator Launcher kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>Unable to read configuration file.</source>
        <translation>Die Konfigurationsdatei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Arguments</source>
        <translation>Argumente</translation>
    </message>
    <message>
        <source>&amp;Arguments</source>
        <translation>&amp;Argumente</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Launch</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add profile</source>
        <translation>Hinzufügen eines Profils</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove profile</source>
        <translation>Entfernen des Profils</translation>
    </message>
    <message>
        <source>Add resolution</source>
        <translation>Hinzufügen einer Auflösung</translation>
    </message>
    <message>
        <source>Remove resolution</source>
        <translation>Entfernen der Auflösung</translation>
    </message>
    <message>
        <source>Add pixel density</source>
        <translation>Hinzufügen einer Pixeldichte</translation>
    </message>
    <message>
        <source>Remove pixel density</source>
        <translation>Entfernen der Pixeldichte</translation>
    </message>
    <message>
        <source>Zelvane Emulator Launcher Warning</source>
        <translation>Zelvane Emulator Launcher – Warnung</translation>
    </message>
    <message>
        <source>Config file is out of date</source>
        <translation>Die Konfigurationsdatei ist veraltet</translation>
    </message>
    <message>
        <source>Zelvane Emulator Launcher</source>
        <translation>Zelvane Emulator Launcher</translation>
    </message>
    <message>
        <source>Unable to save the configuration to %1.

%2

The changes made in this session are lost; the file on disk was left as it was.</source>
        <translation>Die Konfiguration kann nicht in %1 gespeichert werden.

%2

Die Änderungen dieser Sitzung gehen verloren; die Datei auf dem Datenträger blieb unverändert.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Update profile</source>
        <translation>Aktualisieren des Profils</translation>
    </message>
    <message>
        <source>Failed to start Zelvane Emulator!</source>
        <translation>Der Zelvane Emulator konnte nicht gestartet werden!</translation>
    </message>
    <message>
        <source>Add Profile</source>
        <translation>Profil hinzufügen</translation>
    </message>
    <message>
        <source>Enter the name for the new profile</source>
        <translation>Geben Sie den Namen des neuen Profils ein</translation>
    </message>
    <message>
        <source>Update Profile</source>
        <translation>Profil aktualisieren</translation>
    </message>
    <message>
        <source>This profile already exists. Do you want to replace it?</source>
        <translation>Dieses Profil gibt es bereits. Möchten Sie es ersetzen?</translation>
    </message>
    <message>
        <source>Confirm Remove Profile</source>
        <translation>Entfernen des Profils bestätigen</translation>
    </message>
    <message>
        <source>Are you sure you want to remove this profile?

</source>
        <translation>Möchten Sie dieses Profil wirklich entfernen?

</translation>
    </message>
    <message>
        <source>Resolution bigger than the current screen size!</source>
        <translation>Auflösung größer als der aktuelle Bildschirm!</translation>
    </message>
    <message>
        <source>You are trying to add: %1x%2
but the current screen resolution is: %3x%4

Are you sure ?</source>
        <translation>Sie möchten hinzufügen: %1x%2
Die aktuelle Bildschirmauflösung ist aber: %3x%4

Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Add Resolution</source>
        <translation>Auflösung hinzufügen</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>Add Pixel Density</source>
        <translation>Pixeldichte hinzufügen</translation>
    </message>
    <message>
        <source>Pixel Density:</source>
        <translation>Pixeldichte:</translation>
    </message>
    <message>
        <source>Confirm remove %1</source>
        <extracomment>%1 is the category&apos;s label in lower case, such as &quot;pixel density&quot;.</extracomment>
        <translation>Entfernen bestätigen: %1</translation>
    </message>
    <message>
        <source>The following profiles use this option, are you sure you want to continue?

</source>
        <translation>Die folgenden Profile verwenden diese Option. Möchten Sie wirklich fortfahren?

</translation>
    </message>
</context>
</TS>
