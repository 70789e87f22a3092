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
    <name>CommandLine</name>
    <message>
        <source>Run zelvane-launcher --help to see the options.</source>
        <translation>Mit zelvane-launcher --help werden die Optionen angezeigt.</translation>
    </message>
    <message>
        <source>There is no profile called &quot;%1&quot;. The profiles are:</source>
        <translation>Es gibt kein Profil namens „%1“. Die Profile sind:</translation>
    </message>
    <message>
        <source>The emulator %1 could not be started: %2.</source>
        <translation>Der Emulator %1 konnte nicht gestartet werden: %2.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the launcher&apos;s version and exit.</source>
        <translation>Die Version des Launchers anzeigen und beenden.</translation>
    </message>
    <message>
        <source>List the saved profiles&apos; names, one per line.</source>
        <translation>Die Namen der gespeicherten Profile auflisten, einen je Zeile.</translation>
    </message>
    <message>
        <source>Start the emulator with the profile called &lt;name&gt;, without the window.</source>
        <translation>Den Emulator mit dem Profil namens &lt;Name&gt; starten, ohne das Fenster.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>With --launch: print the command instead of running it.</source>
        <translation>Mit --launch: den Befehl ausgeben, statt ihn auszuführen.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>--dry-run goes only with --launch.</source>
        <translation>--dry-run geht nur zusammen mit --launch.</translation>
    </message>
    <message>
        <source>Starts the Zelvane emulator with saved profiles. Without options it opens the launcher&apos;s window.</source>
        <translation>Startet den Zelvane-Emulator mit gespeicherten Profilen. Ohne Optionen öffnet er das Fenster des Launchers.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 cannot be read and was not used: %2</source>
        <translation>%1 kann nicht gelesen werden und wurde nicht verwendet: %2</translation>
    </message>
    <message>
        <source>%1 is out of date and was not used.</source>
        <translation>%1 ist veraltet und wurde nicht verwendet.</translation>
    </message>
    <message>
        <source>A profile&apos;s name holds a NUL character, which cannot be printed: %1</source>
        <translation>Der Name eines Profils enthält ein NUL-Zeichen, das sich nicht ausgeben lässt: %1</translation>
    </message>
    <message>
        <source>The command holds a NUL character, which no command line can carry: %1</source>
        <translation>Der Befehl enthält ein NUL-Zeichen, das keine Befehlszeile übergeben kann: %1</translation>
    </message>
    <message>
        <source>The launcher already running neither answers nor ends (is it stopped?), so no window was opened.</source>
        <translation>Der bereits laufende Launcher antwortet nicht und wird auch nicht beendet (ist er angehalten?); daher wurde kein Fenster geöffnet.</translation>
    </message>
    <message>
        <source>The emulator runs unrecorded, out of --stop&apos;s reach. Cannot write in %1: %2</source>
        <translation>Der Emulator läuft, ohne verzeichnet zu sein, und --stop erreicht ihn nicht. In %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>No emulator with the profile &quot;%1&quot; is running.</source>
        <translation>Kein Emulator mit dem Profil „%1“ läuft.</translation>
    </message>
    <message>
        <source>List the running emulators, one per line: the profile&apos;s name, the process id and the log, separated by tabs.</source>
        <translation>Die laufenden Emulatoren auflisten, einen pro Zeile: Name des Profils, Prozessnummer und Protokoll, durch Tabulatoren getrennt.</translation>
    </message>
    <message>
        <source>Stop the emulators of the profile called &lt;name&gt; and wait until they have ended.</source>
        <translation>Die Emulatoren des Profils &lt;name&gt; beenden und warten, bis sie beendet sind.</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together.</source>
        <translation>%1 und %2 können nicht zusammen verwendet werden.</translation>
    </message>
    <message>
        <source>Start the emulator program at &lt;path&gt; for this run, in the window too, instead of the chosen or the shipped one. The variable ZELVANE_EMULATOR does the same when this option is not given.</source>
        <translation>Für diesen Lauf, auch im Fenster, das Emulatorprogramm unter &lt;Pfad&gt; starten statt des gewählten oder des mitgelieferten. Die Variable ZELVANE_EMULATOR tut dasselbe, wenn diese Option fehlt.</translation>
    </message>
    <message>
        <source>path</source>
        <translation>Pfad</translation>
    </message>
</context>
<context>
    <name>EmulatorChoice</name>
    <message>
        <source>Choose &amp;Emulator…</source>
        <translation>&amp;Emulator wählen…</translation>
    </message>
    <message>
        <source>Use the &amp;Shipped Emulator</source>
        <translation>&amp;Mitgelieferten Emulator verwenden</translation>
    </message>
    <message>
        <source>Choose the Zelvane Emulator</source>
        <translation>Zelvane Emulator wählen</translation>
    </message>
    <message>
        <source>Zelvane Emulator Launcher Warning</source>
        <translation>Zelvane Emulator Launcher – Warnung</translation>
    </message>
    <message>
        <source>Zelvane Emulator Launcher</source>
        <translation>Zelvane Emulator Launcher</translation>
    </message>
    <message>
        <source>Unable to save the emulator choice to %1.</source>
        <translation>Die Wahl des Emulators konnte nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Your choice is saved. This launcher still starts %1, which --emulator or ZELVANE_EMULATOR names; launchers started without them use your choice.</source>
        <translation>Ihre Wahl ist gespeichert. Dieser Launcher startet weiterhin %1, das --emulator oder ZELVANE_EMULATOR nennt; ohne diese gestartete Launcher verwenden Ihre Wahl.</translation>
    </message>
</context>
<context>
    <name>EmulatorProgram</name>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 is a directory.</source>
        <translation>%1 ist ein Ordner.</translation>
    </message>
    <message>
        <source>%1 is not an executable file.</source>
        <translation>%1 ist keine ausführbare Datei.</translation>
    </message>
</context>
<context>
    <name>FileLocations</name>
    <message>
        <source>LauncherHelp.html</source>
        <extracomment>The file name of the help page in this language, in Resources.</extracomment>
        <translation>LauncherHelp_de.html</translation>
    </message>
</context>
<context>
    <name>FileOpener</name>
    <message>
        <source>Zelvane Emulator Launcher</source>
        <translation>Zelvane Emulator Launcher</translation>
    </message>
    <message>
        <source>No program on this system opens the file %1.</source>
        <translation>Kein Programm auf diesem System öffnet die Datei %1.</translation>
    </message>
    <message>
        <source>Open it with a program of your choice; Copy Path puts its path on the clipboard.</source>
        <translation>Öffnen Sie sie mit einem Programm Ihrer Wahl; „Pfad kopieren“ legt ihren Pfad in die Zwischenablage.</translation>
    </message>
    <message>
        <source>Copy &amp;Path</source>
        <translation>&amp;Pfad kopieren</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
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
        <source>Your Launcher.ini configuration file %1 cannot be read: %2.

The launcher shows the shipped profiles instead and leaves the file as it is, so changes made in this session are not saved.</source>
        <translation>Ihre Konfigurationsdatei Launcher.ini %1 kann nicht gelesen werden: %2.

Der Launcher zeigt stattdessen die mitgelieferten Profile und lässt die Datei unverändert; Änderungen in dieser Sitzung werden daher nicht gespeichert.</translation>
    </message>
    <message>
        <source>Your Launcher.ini configuration file was changed outside the launcher while it was running. That version has been kept as %1, and the launcher saves its own profiles in Launcher.ini.</source>
        <translation>Ihre Konfigurationsdatei Launcher.ini wurde außerhalb des Launchers geändert, während er lief. Diese Fassung wurde als %1 aufbewahrt, und der Launcher speichert seine eigenen Profile in Launcher.ini.</translation>
    </message>
    <message>
        <source>Unable to save the configuration to %1.

%2

The change stays in the window, and the launcher tries again with the next change and when it closes; the file on disk was left as it was.</source>
        <translation>Die Konfiguration kann nicht in %1 gespeichert werden.

%2

Die Änderung bleibt im Fenster erhalten, und der Launcher versucht es bei der nächsten Änderung und beim Schließen erneut; die Datei auf dem Datenträger blieb unverändert.</translation>
    </message>
    <message>
        <source>The emulator %1 could not be started: %2.</source>
        <translation>Der Emulator %1 konnte nicht gestartet werden: %2.</translation>
    </message>
    <message>
        <source>A name cannot contain a double quote (&quot;): Launcher.ini has no way to store it, so the name would be cut short the next time the launcher starts.

Please choose a name without double quotes.</source>
        <translation>Ein Name darf kein doppeltes Anführungszeichen (&quot;) enthalten: Launcher.ini kann es nicht speichern, daher wäre der Name beim nächsten Start des Launchers abgeschnitten.

Bitte wählen Sie einen Namen ohne doppelte Anführungszeichen.</translation>
    </message>
    <message>
        <source>A name cannot contain a backslash followed by t (\t): Launcher.ini reads it back as a TAB the next time the launcher starts.

Please choose another name.</source>
        <translation>Ein Name darf keinen umgekehrten Schrägstrich gefolgt von t (\t) enthalten: Launcher.ini liest ihn beim nächsten Start des Launchers als Tabulator.

Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>A name cannot contain a line break: Launcher.ini keeps each name on one line, so the name would not come back as typed the next time the launcher starts.

Please choose a name on one line.</source>
        <translation>Ein Name darf keinen Zeilenumbruch enthalten: Launcher.ini hält jeden Namen auf einer Zeile, daher käme der Name beim nächsten Start des Launchers nicht so zurück, wie er eingegeben wurde.

Bitte wählen Sie einen Namen auf einer Zeile.</translation>
    </message>
    <message>
        <source>The arguments cannot be stored because they contain a double quote (&quot;), which Launcher.ini has no way to keep.

Remove the double quotes to store the profile; Launch still uses the arguments as typed.</source>
        <translation>Die Argumente können nicht gespeichert werden, weil sie ein doppeltes Anführungszeichen (&quot;) enthalten, das Launcher.ini nicht aufbewahren kann.

Entfernen Sie die doppelten Anführungszeichen, um das Profil zu speichern; Starten verwendet die Argumente weiterhin so, wie sie eingegeben wurden.</translation>
    </message>
    <message>
        <source>The arguments cannot be stored because they contain a line break, which Launcher.ini has no way to keep.

Remove the line break to store the profile; Launch still uses the arguments as typed.</source>
        <translation>Die Argumente können nicht gespeichert werden, weil sie einen Zeilenumbruch enthalten, den Launcher.ini nicht aufbewahren kann.

Entfernen Sie den Zeilenumbruch, um das Profil zu speichern; Starten verwendet die Argumente weiterhin so, wie sie eingegeben wurden.</translation>
    </message>
    <message>
        <source>The arguments cannot be stored because they contain %1 as a word of its own, which Launcher.ini reads back as an option choice.

Remove it to store the profile; Launch still uses the arguments as typed.</source>
        <translation>Die Argumente können nicht gespeichert werden, weil sie %1 als eigenes Wort enthalten, das Launcher.ini als Auswahl einer Option zurückliest.

Entfernen Sie es, um das Profil zu speichern; Starten verwendet die Argumente weiterhin so, wie sie eingegeben wurden.</translation>
    </message>
    <message>
        <source>The directory %1 cannot be created.</source>
        <translation>Das Verzeichnis %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The existing file %1 cannot be read, so it was not replaced.</source>
        <translation>Die vorhandene Datei %1 kann nicht gelesen werden und wurde daher nicht ersetzt.</translation>
    </message>
    <message>
        <source>The file on disk is not the one the launcher last read or wrote, and it could not be kept as %1 (%2), so it was not replaced.</source>
        <translation>Die Datei auf dem Datenträger ist nicht die, die der Launcher zuletzt gelesen oder geschrieben hat, und sie konnte nicht als %1 aufbewahrt werden (%2); daher wurde sie nicht ersetzt.</translation>
    </message>
    <message>
        <source>Another profile is already called &quot;%1&quot;. Please choose another name.</source>
        <translation>Es gibt bereits ein anderes Profil namens „%1“. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>&amp;Copy Command Line</source>
        <translation>&amp;Befehlszeile kopieren</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>&amp;Umbenennen…</translation>
    </message>
    <message>
        <source>D&amp;uplicate…</source>
        <translation>&amp;Duplizieren…</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Nach u&amp;nten</translation>
    </message>
    <message>
        <source>Re&amp;move…</source>
        <translation>&amp;Entfernen…</translation>
    </message>
    <message>
        <source>Rename Profile</source>
        <translation>Profil umbenennen</translation>
    </message>
    <message>
        <source>Enter the new name for the profile</source>
        <translation>Geben Sie den neuen Namen des Profils ein</translation>
    </message>
    <message>
        <source>Duplicate Profile</source>
        <translation>Profil duplizieren</translation>
    </message>
    <message>
        <source>%1 (copy)</source>
        <translation>%1 (Kopie)</translation>
    </message>
    <message>
        <source>Your Launcher.ini configuration file is out of date and will not be used. It could not be renamed and is still at %1.</source>
        <translation>Ihre Konfigurationsdatei Launcher.ini ist veraltet und wird nicht verwendet. Sie konnte nicht umbenannt werden und liegt weiterhin unter %1.</translation>
    </message>
    <message>
        <source>Your Launcher.ini configuration file is out of date and will not be used. It has been renamed to %1 to make place for a new configuration file.</source>
        <translation>Ihre Konfigurationsdatei Launcher.ini ist veraltet und wird nicht verwendet. Sie wurde in %1 umbenannt, um Platz für eine neue Konfigurationsdatei zu schaffen.</translation>
    </message>
    <message>
        <source>Are you sure you want to remove this profile?

%1</source>
        <translation>Möchten Sie dieses Profil wirklich entfernen?

%1</translation>
    </message>
    <message>
        <source>The following profiles use this option, are you sure you want to continue?

%1</source>
        <extracomment>%1 is the list of profiles, one per line.</extracomment>
        <translation>Die folgenden Profile verwenden diese Option. Möchten Sie wirklich fortfahren?

%1</translation>
    </message>
    <message>
        <source>Another launcher was writing in the folder %1 and did not finish within %2 seconds, so the file was not replaced.</source>
        <extracomment>%1 is a folder, %2 a number of seconds.</extracomment>
        <translation>Ein anderer Launcher schrieb im Ordner %1 und wurde nicht innerhalb von %2 Sekunden fertig; daher wurde die Datei nicht ersetzt.</translation>
    </message>
    <message>
        <source>Its output went to the launcher&apos;s standard error, as no log could be written.</source>
        <translation>Seine Ausgabe ging in die Standardfehlerausgabe des Launchers, da kein Protokoll geschrieben werden konnte.</translation>
    </message>
    <message>
        <source>It wrote no output; its log holds only the command:
%1</source>
        <translation>Er hat nichts ausgegeben; sein Protokoll enthält nur den Befehl:
%1</translation>
    </message>
    <message>
        <source>Its last lines of output:

%1

Its whole output is in the log %2</source>
        <translation>Seine letzten Ausgabezeilen:

%1

Die ganze Ausgabe steht im Protokoll %2</translation>
    </message>
    <message>
        <source>Open &amp;Log</source>
        <translation>&amp;Protokoll öffnen</translation>
    </message>
    <message>
        <source>The emulator with the profile &quot;%1&quot; was ended by signal %2 (%3) within %4 seconds of its start.</source>
        <translation>Der Emulator mit dem Profil „%1“ wurde innerhalb von %4 Sekunden nach dem Start durch das Signal %2 (%3) beendet.</translation>
    </message>
    <message>
        <source>The emulator with the profile &quot;%1&quot; ended with exit status %2 within %3 seconds of its start.</source>
        <translation>Der Emulator mit dem Profil „%1“ endete innerhalb von %3 Sekunden nach dem Start mit dem Exit-Status %2.</translation>
    </message>
    <message>
        <source>About Zelvane Emulator Launcher</source>
        <translation>Über Zelvane Emulator Launcher</translation>
    </message>
    <message>
        <source>Zelvane Emulator Launcher %1</source>
        <translation>Zelvane Emulator Launcher %1</translation>
    </message>
    <message>
        <source>Starts the Zelvane emulator with saved profiles of screen resolution, pixel density, input and arguments.

The emulator in use: %1</source>
        <translation>Startet den Zelvane-Emulator mit gespeicherten Profilen aus Bildschirmauflösung, Pixeldichte, Eingabe und Argumenten.

Der verwendete Emulator: %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>H&amp;elp</source>
        <translation>H&amp;ilfe</translation>
    </message>
    <message>
        <source>&amp;About Zelvane Emulator Launcher</source>
        <translation>&amp;Über Zelvane Emulator Launcher</translation>
    </message>
    <message>
        <source>&amp;Resolution</source>
        <translation>A&amp;uflösung</translation>
    </message>
    <message>
        <source>Pixel &amp;Density</source>
        <translation>Pi&amp;xeldichte</translation>
    </message>
    <message>
        <source>&amp;Input</source>
        <translation>&amp;Eingabe</translation>
    </message>
    <message>
        <source>&amp;Profile</source>
        <translation>&amp;Profil</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>Anh&amp;alten</translation>
    </message>
    <message>
        <source>Open Lo&amp;g</source>
        <translation>&amp;Protokoll öffnen</translation>
    </message>
</context>
<context>
    <name>RunningView</name>
    <message>
        <source>Running since %1</source>
        <translation>Läuft seit %1</translation>
    </message>
    <message numerus="yes">
        <source>Running: %n emulators, the first since %1</source>
        <translation>
            <numerusform>Läuft: %n Emulator, seit %1</numerusform>
            <numerusform>Läuft: %n Emulatoren, der erste seit %1</numerusform>
        </translation>
    </message>
    <message>
        <source>1 emulator running</source>
        <translation>1 Emulator läuft</translation>
    </message>
    <message numerus="yes">
        <source>%n emulators running</source>
        <translation>
            <numerusform>%n Emulator läuft</numerusform>
            <numerusform>%n Emulatoren laufen</numerusform>
        </translation>
    </message>
    <message>
        <source>Zelvane Emulator Launcher</source>
        <translation>Zelvane Emulator Launcher</translation>
    </message>
    <message>
        <source>The emulator with the profile &quot;%1&quot; (process %2) has not ended 5 seconds after it was asked to stop.</source>
        <translation>Der Emulator mit dem Profil „%1“ (Prozess %2) hat sich 5 Sekunden nach der Aufforderung zum Beenden nicht beendet.</translation>
    </message>
    <message>
        <source>Ending it at once loses whatever it has not saved.</source>
        <translation>Wird er sofort beendet, geht verloren, was er nicht gespeichert hat.</translation>
    </message>
    <message>
        <source>End &amp;Now</source>
        <translation>&amp;Jetzt beenden</translation>
    </message>
</context>
</TS>
