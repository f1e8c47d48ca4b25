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
</TS>
