<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>ApplicationEntry</name>
    <message>
        <source>Fatal Error</source>
        <translation>Fatale fout</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>not followed: a symbolic link another user put in a directory everyone may write to</source>
        <translation>niet gevolgd: een symbolische koppeling die een andere gebruiker heeft geplaatst in een map waarin iedereen mag schrijven</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>geen gewoon bestand</translation>
    </message>
</context>
<context>
    <name>Clipboard</name>
    <message>
        <source>Unable to set clipboard data</source>
        <translation>Kan klembordgegevens niet instellen</translation>
    </message>
    <message>
        <source>Unable to obtain clipboard data object</source>
        <translation>Kan gegevensobject van het klembord niet ophalen</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: zolvenar [--help | --version | --check-randomness]
Opens the password generator&apos;s window. Its options live in Zolvenar.ini
in the current directory; every other argument is ignored.
</source>
        <translation>Gebruik: zolvenar [--help | --version | --check-randomness]
Opent het venster van de wachtwoordgenerator. De instellingen staan in Zolvenar.ini
in de huidige map; alle andere argumenten worden genegeerd.
</translation>
    </message>
    <message>
        <source>--check-randomness measures this machine&apos;s timer randomness and the generated
characters in under a minute; exit status 3 when the check fails.
</source>
        <translation>--check-randomness meet in minder dan een minuut de willekeur van de timers van deze
computer en van de gegenereerde tekens; afsluitstatus 3 als de controle mislukt.
</translation>
    </message>
</context>
<context>
    <name>ErrorWindow</name>
    <message>
        <source>An application exception has occured. Click Continue to allow the application to ignore this error and attempt to continue.</source>
        <translation>Er is een uitzondering opgetreden in de toepassing. Klik op Doorgaan om de toepassing deze fout te laten negeren en te proberen verder te werken.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Doorgaan</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
</context>
<context>
    <name>GenerationOptions</name>
    <message>
        <source>Character sets must contain at least two characters</source>
        <translation>Tekensets moeten minstens twee tekens bevatten</translation>
    </message>
    <message>
        <source>Brindal Error</source>
        <translation>Brindal-fout</translation>
    </message>
    <message>
        <source>Brindal</source>
        <translation>Brindal</translation>
    </message>
    <message>
        <source>The Minimum Length must be at least %1 to hold a character of each ticked set</source>
        <translation>De minimale lengte moet minstens %1 zijn om uit elke aangevinkte tekenset een teken te kunnen bevatten</translation>
    </message>
    <message>
        <source>The current password settings may be too weak. Do you want to continue generating passwords?</source>
        <translation>De huidige wachtwoordinstellingen zijn mogelijk te zwak. Wilt u toch wachtwoorden genereren?</translation>
    </message>
    <message>
        <source>
(Minimum Length is less than 10)</source>
        <translation>
(Minimale lengte is kleiner dan 10)</translation>
    </message>
    <message>
        <source>
(Less than 32 characters and symbols are selected)</source>
        <translation>
(Er zijn minder dan 32 letters, cijfers en symbolen geselecteerd)</translation>
    </message>
    <message>
        <source>
(Password Strength is less than 200 when Generators are enabled)</source>
        <translation>
(Wachtwoordsterkte is kleiner dan 200 terwijl generatoren zijn ingeschakeld)</translation>
    </message>
    <message>
        <source>
(Password Strength is less than 100)</source>
        <translation>
(Wachtwoordsterkte is kleiner dan 100)</translation>
    </message>
</context>
<context>
    <name>SaveFileDialog</name>
    <message>
        <source>%1 is not a regular file.
Choose another name.</source>
        <translation>%1 is geen gewoon bestand.
Kies een andere naam.</translation>
    </message>
    <message>
        <source>Invalid file name</source>
        <translation>Ongeldige bestandsnaam</translation>
    </message>
</context>
<context>
    <name>Threads</name>
    <message>
        <source>Thread error: too many threads</source>
        <translation>Threadfout: te veel threads</translation>
    </message>
    <message>
        <source>Thread error: failed to start</source>
        <translation>Threadfout: starten mislukt</translation>
    </message>
</context>
</TS>
