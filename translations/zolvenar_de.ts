<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ApplicationEntry</name>
    <message>
        <source>Fatal Error</source>
        <translation>Schwerwiegender Fehler</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>not followed: a symbolic link another user put in a directory everyone may write to</source>
        <translation>nicht verfolgt: symbolischer Link, den ein anderer Benutzer in einem für alle beschreibbaren Verzeichnis angelegt hat</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>Clipboard</name>
    <message>
        <source>Unable to set clipboard data</source>
        <translation>Daten konnten nicht in die Zwischenablage geschrieben werden</translation>
    </message>
    <message>
        <source>Unable to obtain clipboard data object</source>
        <translation>Datenobjekt der Zwischenablage konnte nicht abgerufen werden</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: zolvenar [--help | --version | --check-randomness]
Opens the password generator&apos;s window. Its options live in Zolvenar.ini
in the current directory; every other argument is ignored.
</source>
        <translation>Aufruf: zolvenar [--help | --version | --check-randomness]
Öffnet das Fenster des Passwortgenerators. Seine Einstellungen stehen in Zolvenar.ini
im aktuellen Verzeichnis; alle anderen Argumente werden ignoriert.
</translation>
    </message>
    <message>
        <source>--check-randomness measures this machine&apos;s timer randomness and the generated
characters in under a minute; exit status 3 when the check fails.
</source>
        <translation>--check-randomness misst in weniger als einer Minute die Zufälligkeit der Timer dieses
Rechners und der erzeugten Zeichen; schlägt die Prüfung fehl, ist der Exit-Status 3.
</translation>
    </message>
</context>
<context>
    <name>ErrorWindow</name>
    <message>
        <source>An application exception has occured. Click Continue to allow the application to ignore this error and attempt to continue.</source>
        <translation>In der Anwendung ist eine Ausnahme aufgetreten. Klicken Sie auf „Fortfahren“, damit die Anwendung diesen Fehler ignoriert und versucht weiterzulaufen.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Fortfahren</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>GenerationOptions</name>
    <message>
        <source>Character sets must contain at least two characters</source>
        <translation>Zeichensätze müssen mindestens zwei Zeichen enthalten</translation>
    </message>
    <message>
        <source>Brindal Error</source>
        <translation>Brindal-Fehler</translation>
    </message>
    <message>
        <source>Brindal</source>
        <translation>Brindal</translation>
    </message>
    <message>
        <source>The Minimum Length must be at least %1 to hold a character of each ticked set</source>
        <translation>Die Mindestlänge muss mindestens %1 betragen, damit jeder ausgewählte Zeichensatz mit einem Zeichen vertreten sein kann</translation>
    </message>
    <message>
        <source>The current password settings may be too weak. Do you want to continue generating passwords?</source>
        <translation>Die aktuellen Passworteinstellungen sind möglicherweise zu schwach. Möchten Sie trotzdem Passwörter erzeugen?</translation>
    </message>
    <message>
        <source>
(Minimum Length is less than 10)</source>
        <translation>
(Die Mindestlänge liegt unter 10)</translation>
    </message>
    <message>
        <source>
(Less than 32 characters and symbols are selected)</source>
        <translation>
(Es sind weniger als 32 Buchstaben, Ziffern und Sonderzeichen ausgewählt)</translation>
    </message>
    <message>
        <source>
(Password Strength is less than 200 when Generators are enabled)</source>
        <translation>
(Die Passwortstärke liegt bei aktivierten Generatoren unter 200)</translation>
    </message>
    <message>
        <source>
(Password Strength is less than 100)</source>
        <translation>
(Die Passwortstärke liegt unter 100)</translation>
    </message>
</context>
<context>
    <name>OptionControls</name>
    <message>
        <source>0 (Disabled)</source>
        <translation>0 (deaktiviert)</translation>
    </message>
</context>
<context>
    <name>ResultsActions</name>
    <message>
        <source>Are you sure you want to delete %1 items?</source>
        <translation>Möchten Sie die Auswahl wirklich löschen? (Einträge: %1)</translation>
    </message>
    <message>
        <source>Delete Items</source>
        <translation>Einträge löschen</translation>
    </message>
    <message>
        <source>Password.txt</source>
        <translation>Passwort.txt</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>Textdateien</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Save passwords as...</source>
        <translation>Passwörter speichern unter</translation>
    </message>
</context>
<context>
    <name>SaveFileDialog</name>
    <message>
        <source>%1 is not a regular file.
Choose another name.</source>
        <translation>%1 ist keine reguläre Datei.
Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Invalid file name</source>
        <translation>Ungültiger Dateiname</translation>
    </message>
</context>
<context>
    <name>SettingsBinding</name>
    <message>
        <source>You will lose any changes you made to the character settings. Are you sure?</source>
        <translation>Alle Änderungen an den Zeicheneinstellungen gehen verloren. Möchten Sie wirklich fortfahren?</translation>
    </message>
    <message>
        <source>Reset Character Settings</source>
        <translation>Zeicheneinstellungen zurücksetzen</translation>
    </message>
</context>
<context>
    <name>SystemRandom</name>
    <message>
        <source>Could not read the system&apos;s randomness (getrandom: %1)</source>
        <translation>Die Zufallsdaten des Systems konnten nicht gelesen werden (getrandom: %1)</translation>
    </message>
</context>
<context>
    <name>Threads</name>
    <message>
        <source>Thread error: too many threads</source>
        <translation>Thread-Fehler: zu viele Threads</translation>
    </message>
    <message>
        <source>Thread error: failed to start</source>
        <translation>Thread-Fehler: Start fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>ToolkitThreads</name>
    <message>
        <source>Zolvenar cannot start: the system lets it start no more threads</source>
        <translation>Zolvenar kann nicht starten: Das System erlaubt keine weiteren Threads</translation>
    </message>
</context>
<context>
    <name>WindowTexts</name>
    <message>
        <source>Too short to hold each set</source>
        <translation>Zu kurz für alle Zeichensätze</translation>
    </message>
    <message>
        <source>%1 bit each, limited by length</source>
        <translation>Je %1 Bit, Grenze: Länge</translation>
    </message>
    <message>
        <source>%1 bits each, limited by length</source>
        <translation>Je %1 Bit, Grenze: Länge</translation>
    </message>
    <message>
        <source>%1 bit each, limited by samples</source>
        <translation>Je %1 Bit, Grenze: Messwerte</translation>
    </message>
    <message>
        <source>%1 bits each, limited by samples</source>
        <translation>Je %1 Bit, Grenze: Messwerte</translation>
    </message>
    <message>
        <source>%1 bit each, with system mix</source>
        <translation>Je %1 Bit, mit Systembeimischung</translation>
    </message>
    <message>
        <source>%1 bits each, with system mix</source>
        <translation>Je %1 Bit, mit Systembeimischung</translation>
    </message>
    <message>
        <source>What each password is worth: the smaller of what its minimum length can hold from the characters left and one bit for each sample that goes into it, or the first alone with system randomness mixed in</source>
        <translation>Was jedes Passwort wert ist: der kleinere von zwei Werten – was seine Mindestlänge mit den verbleibenden Zeichen fassen kann und ein Bit pro Messwert, der in das Passwort einfließt – oder, wenn Zufallsdaten des Systems beigemischt werden, allein der erste</translation>
    </message>
    <message>
        <source>Actions and Options</source>
        <translation>Aktionen und Einstellungen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alle auswählen</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>Auswahl &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Save to File</source>
        <translation>In Datei &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Mix in System Randomness</source>
        <translation>&amp;Zufallsdaten des Systems beimischen</translation>
    </message>
    <message>
        <source>&amp;Require Each Set</source>
        <translation>&amp;Jeden Zeichensatz erzwingen</translation>
    </message>
    <message>
        <source>A&amp;bout Zolvenar</source>
        <translation>Ü&amp;ber Zolvenar</translation>
    </message>
    <message>
        <source>About Zolvenar</source>
        <translation>Über Zolvenar</translation>
    </message>
    <message>
        <source>Zolvenar %1
A desktop password generator.

Free software under the MIT licence, copyright the Zolvenar developers.
Home page: %2</source>
        <translation>Zolvenar %1
Ein Passwortgenerator für den Desktop.

Freie Software unter der MIT-Lizenz, Copyright bei den Zolvenar-Entwicklern.
Homepage: %2</translation>
    </message>
    <message>
        <source>C&amp;lear Clipboard After</source>
        <translation>Zwischenablage l&amp;eeren nach</translation>
    </message>
    <message>
        <source>&amp;Never</source>
        <translation>&amp;Nie</translation>
    </message>
    <message>
        <source>1&amp;0 s</source>
        <translation>1&amp;0 s</translation>
    </message>
    <message>
        <source>&amp;30 s</source>
        <translation>&amp;30 s</translation>
    </message>
    <message>
        <source>&amp;1 min</source>
        <translation>&amp;1 min</translation>
    </message>
    <message>
        <source>&amp;5 min</source>
        <translation>&amp;5 min</translation>
    </message>
    <message>
        <source>Clipboard clears in %1 s</source>
        <translation>Zwischenablage wird in %1 s geleert</translation>
    </message>
    <message>
        <source>Clipboard clears in %1:%2</source>
        <translation>Zwischenablage wird in %1:%2 min geleert</translation>
    </message>
</context>
<context>
    <name>ZolvenarApplication</name>
    <message>
        <source>Zolvenar needs a graphical display: %1</source>
        <translation>Zolvenar benötigt eine grafische Anzeige: %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>ZolvenarMainForm</name>
    <message>
        <source>Click Here to Generate Passwords</source>
        <translation>Hier klicken, um Passwörter zu erzeugen</translation>
    </message>
    <message>
        <source>Move the mouse around in this window or click here to stop</source>
        <translation>Bewegen Sie die Maus in diesem Fenster oder klicken Sie hier, um anzuhalten</translation>
    </message>
    <message>
        <source>Zolvenar - %1%</source>
        <translation>Zolvenar - %1 %</translation>
    </message>
    <message>
        <source>Zolvenar Error</source>
        <translation>Zolvenar-Fehler</translation>
    </message>
    <message>
        <source>Edit Password Settings</source>
        <translation>Passworteinstellungen ändern</translation>
    </message>
    <message>
        <source>Lowercase</source>
        <translation>Kleinbuchstaben</translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation>Großbuchstaben</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Ziffern</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Sonderzeichen</translation>
    </message>
    <message>
        <source>Exclude Similar</source>
        <translation>Ohne ähnliche</translation>
    </message>
    <message>
        <source>Include Custom</source>
        <translation>Mit eigenen</translation>
    </message>
    <message>
        <source>Exclude Custom</source>
        <translation>Ohne eigene</translation>
    </message>
    <message>
        <source>Reset Character Settings</source>
        <translation>Zeicheneinstellungen zurücksetzen</translation>
    </message>
    <message>
        <source>Minimum Length</source>
        <translation>Mindestlänge</translation>
    </message>
    <message>
        <source>Maximum Length</source>
        <translation>Höchstlänge</translation>
    </message>
    <message>
        <source>Password Count</source>
        <translation>Anzahl Passwörter</translation>
    </message>
    <message>
        <source>Password Strength</source>
        <translation>Passwortstärke</translation>
    </message>
    <message>
        <source>Generators</source>
        <translation>Generatoren</translation>
    </message>
    <message>
        <source>Clear Clipboard on Exit</source>
        <translation>Zwischenablage beim Beenden leeren</translation>
    </message>
    <message>
        <source>Remember Window Position</source>
        <translation>Fensterposition merken</translation>
    </message>
    <message>
        <source>Save Settings on Exit</source>
        <translation>Einstellungen beim Beenden speichern</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Auswahl löschen</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>In Datei speichern</translation>
    </message>
    <message>
        <source>Generated Passwords</source>
        <translation>Erzeugte Passwörter</translation>
    </message>
    <message>
        <source>Current Password Progress</source>
        <translation>Fortschritt des aktuellen Passworts</translation>
    </message>
    <message>
        <source>Total Progress</source>
        <translation>Gesamtfortschritt</translation>
    </message>
    <message>
        <source>You are currently generating passwords. Are you sure you want to exit?</source>
        <translation>Es werden gerade Passwörter erzeugt. Möchten Sie die Anwendung wirklich beenden?</translation>
    </message>
    <message>
        <source>There are unsaved changes. Are you sure you want to exit?</source>
        <translation>Es gibt nicht gespeicherte Änderungen. Möchten Sie die Anwendung wirklich beenden?</translation>
    </message>
    <message>
        <source>Zolvenar</source>
        <translation>Zolvenar</translation>
    </message>
</context>
<context>
    <name>ZolvenarMainForm::CTip</name>
    <message>
        <source>Empty the clipboard of any passwords before exiting the application</source>
        <translation>Vor dem Beenden der Anwendung alle Passwörter aus der Zwischenablage entfernen</translation>
    </message>
    <message>
        <source>Save and restore the position and size of the window next time the application is started</source>
        <translation>Position und Größe des Fensters speichern und beim nächsten Start der Anwendung wiederherstellen</translation>
    </message>
    <message>
        <source>Will remember all the changes you&apos;ve made next time the application is started</source>
        <translation>Merkt sich alle Ihre Änderungen für den nächsten Start der Anwendung</translation>
    </message>
    <message>
        <source>Reset all the character settings to their defaults</source>
        <translation>Alle Zeicheneinstellungen auf die Standardwerte zurücksetzen</translation>
    </message>
    <message>
        <source>The minimum number of characters which must be included in a password</source>
        <translation>Die Mindestanzahl an Zeichen, die ein Passwort enthalten muss</translation>
    </message>
    <message>
        <source>The maximum number of characters to include in a password</source>
        <translation>Die Höchstanzahl an Zeichen, die ein Passwort enthalten darf</translation>
    </message>
    <message>
        <source>The number of passwords to generate</source>
        <translation>Die Anzahl der zu erzeugenden Passwörter</translation>
    </message>
    <message>
        <source>Increase value for stronger passwords, decrease to generate passwords quicker.</source>
        <translation>Höherer Wert für stärkere Passwörter, niedrigerer Wert für schnellere Erzeugung.</translation>
    </message>
    <message>
        <source>Generators automatically generate data for passwords</source>
        <translation>Generatoren liefern automatisch Daten für Passwörter</translation>
    </message>
    <message>
        <source>Click to start generating passwords</source>
        <translation>Klicken, um mit dem Erzeugen von Passwörtern zu beginnen</translation>
    </message>
    <message>
        <source>Shows the progress of the current password</source>
        <translation>Zeigt den Fortschritt des aktuellen Passworts</translation>
    </message>
    <message>
        <source>Shows the total progress of all the passwords</source>
        <translation>Zeigt den Gesamtfortschritt aller Passwörter</translation>
    </message>
    <message>
        <source>Select all items in the list</source>
        <translation>Alle Einträge der Liste auswählen</translation>
    </message>
    <message>
        <source>Delete selected items in the list</source>
        <translation>Ausgewählte Einträge aus der Liste löschen</translation>
    </message>
    <message>
        <source>Copy all passwords to the clipboard</source>
        <translation>Alle Passwörter in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Save all passwords to a text file</source>
        <translation>Alle Passwörter in einer Textdatei speichern</translation>
    </message>
</context>
<context>
    <name>ZolvenarMainForm::MouseTrack</name>
    <message>
        <source>Failed to initialize generator. There are %1 active generators
%2</source>
        <translation>Der Generator konnte nicht initialisiert werden. Aktive Generatoren: %1
%2</translation>
    </message>
    <message>
        <source>The run has stopped: no thread could be started for a mouse sample. The passwords made so far are kept.
%1</source>
        <translation>Die Erzeugung wurde angehalten: Für einen Messwert der Maus konnte kein Thread gestartet werden. Die bisher erzeugten Passwörter bleiben erhalten.
%1</translation>
    </message>
</context>
</TS>
