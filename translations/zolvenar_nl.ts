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
    <name>OptionControls</name>
    <message>
        <source>0 (Disabled)</source>
        <translation>0 (uit)</translation>
    </message>
</context>
<context>
    <name>ResultsActions</name>
    <message>
        <source>Are you sure you want to delete %1 items?</source>
        <translation>Weet u zeker dat u de selectie wilt verwijderen? (Aantal items: %1)</translation>
    </message>
    <message>
        <source>Delete Items</source>
        <translation>Items verwijderen</translation>
    </message>
    <message>
        <source>Password.txt</source>
        <translation>Wachtwoord.txt</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>Tekstbestanden</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle bestanden</translation>
    </message>
    <message>
        <source>Save passwords as...</source>
        <translation>Wachtwoorden opslaan als</translation>
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
    <name>SettingsBinding</name>
    <message>
        <source>You will lose any changes you made to the character settings. Are you sure?</source>
        <translation>Alle wijzigingen in de tekeninstellingen gaan verloren. Weet u het zeker?</translation>
    </message>
    <message>
        <source>Reset Character Settings</source>
        <translation>Tekeninstellingen terugzetten</translation>
    </message>
</context>
<context>
    <name>SystemRandom</name>
    <message>
        <source>Could not read the system&apos;s randomness (getrandom: %1)</source>
        <translation>Kan de systeemwillekeur niet lezen (getrandom: %1)</translation>
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
<context>
    <name>ToolkitThreads</name>
    <message>
        <source>Zolvenar cannot start: the system lets it start no more threads</source>
        <translation>Zolvenar kan niet starten: het systeem staat geen extra threads meer toe</translation>
    </message>
</context>
<context>
    <name>WindowTexts</name>
    <message>
        <source>Too short to hold each set</source>
        <translation>Te kort voor alle tekensets</translation>
    </message>
    <message>
        <source>%1 bit each, limited by length</source>
        <translation>Elk %1 bit, limiet: lengte</translation>
    </message>
    <message>
        <source>%1 bits each, limited by length</source>
        <translation>Elk %1 bits, limiet: lengte</translation>
    </message>
    <message>
        <source>%1 bit each, limited by samples</source>
        <translation>Elk %1 bit, limiet: meetwaarden</translation>
    </message>
    <message>
        <source>%1 bits each, limited by samples</source>
        <translation>Elk %1 bits, limiet: meetwaarden</translation>
    </message>
    <message>
        <source>%1 bit each, with system mix</source>
        <translation>Elk %1 bit, met systeemwillekeur</translation>
    </message>
    <message>
        <source>%1 bits each, with system mix</source>
        <translation>Elk %1 bits, met systeemwillekeur</translation>
    </message>
    <message>
        <source>What each password is worth: the smaller of what its minimum length can hold from the characters left and one bit for each sample that goes into it, or the first alone with system randomness mixed in</source>
        <translation>Wat elk wachtwoord waard is: de kleinste van twee waarden, namelijk wat de minimale lengte met de resterende tekens kan bevatten en één bit per meetwaarde die in het wachtwoord gaat, of alleen de eerste als er systeemwillekeur wordt bijgemengd</translation>
    </message>
    <message>
        <source>Actions and Options</source>
        <translation>Acties en instellingen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles selecteren</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>Selectie &amp;verwijderen</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>Naar klembord &amp;kopiëren</translation>
    </message>
    <message>
        <source>&amp;Save to File</source>
        <translation>Op&amp;slaan in bestand</translation>
    </message>
    <message>
        <source>&amp;Mix in System Randomness</source>
        <translation>Systeemwillekeur &amp;bijmengen</translation>
    </message>
    <message>
        <source>&amp;Require Each Set</source>
        <translation>&amp;Elke tekenset vereisen</translation>
    </message>
    <message>
        <source>A&amp;bout Zolvenar</source>
        <translation>&amp;Over Zolvenar</translation>
    </message>
    <message>
        <source>About Zolvenar</source>
        <translation>Over Zolvenar</translation>
    </message>
    <message>
        <source>Zolvenar %1
A desktop password generator.

Free software under the MIT licence, copyright the Zolvenar developers.
Home page: %2</source>
        <translation>Zolvenar %1
Een wachtwoordgenerator voor de desktop.

Vrije software onder de MIT-licentie, copyright bij de ontwikkelaars van Zolvenar.
Website: %2</translation>
    </message>
    <message>
        <source>C&amp;lear Clipboard After</source>
        <translation>Klembord &amp;wissen na</translation>
    </message>
    <message>
        <source>&amp;Never</source>
        <translation>&amp;Nooit</translation>
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
        <translation>Klembord wordt gewist over %1 s</translation>
    </message>
    <message>
        <source>Clipboard clears in %1:%2</source>
        <translation>Klembord wordt gewist over %1:%2 min</translation>
    </message>
</context>
<context>
    <name>ZolvenarApplication</name>
    <message>
        <source>Zolvenar needs a graphical display: %1</source>
        <translation>Zolvenar heeft een grafisch scherm nodig: %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
    </message>
</context>
<context>
    <name>ZolvenarMainForm</name>
    <message>
        <source>Click Here to Generate Passwords</source>
        <translation>Klik hier om wachtwoorden te genereren</translation>
    </message>
    <message>
        <source>Move the mouse around in this window or click here to stop</source>
        <translation>Beweeg de muis in dit venster of klik hier om te stoppen</translation>
    </message>
    <message>
        <source>Zolvenar - %1%</source>
        <translation>Zolvenar - %1%</translation>
    </message>
    <message>
        <source>Zolvenar Error</source>
        <translation>Zolvenar-fout</translation>
    </message>
    <message>
        <source>Edit Password Settings</source>
        <translation>Instellingen bewerken</translation>
    </message>
    <message>
        <source>Lowercase</source>
        <translation>Kleine letters</translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation>Hoofdletters</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Cijfers</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symbolen</translation>
    </message>
    <message>
        <source>Exclude Similar</source>
        <translation>Geen gelijkende</translation>
    </message>
    <message>
        <source>Include Custom</source>
        <translation>Extra tekens</translation>
    </message>
    <message>
        <source>Exclude Custom</source>
        <translation>Tekens uitsluiten</translation>
    </message>
    <message>
        <source>Reset Character Settings</source>
        <translation>Tekeninstellingen terugzetten</translation>
    </message>
    <message>
        <source>Minimum Length</source>
        <translation>Minimale lengte</translation>
    </message>
    <message>
        <source>Maximum Length</source>
        <translation>Maximale lengte</translation>
    </message>
    <message>
        <source>Password Count</source>
        <translation>Aantal</translation>
    </message>
    <message>
        <source>Password Strength</source>
        <translation>Wachtwoordsterkte</translation>
    </message>
    <message>
        <source>Generators</source>
        <translation>Generatoren</translation>
    </message>
    <message>
        <source>Clear Clipboard on Exit</source>
        <translation>Klembord wissen bij afsluiten</translation>
    </message>
    <message>
        <source>Remember Window Position</source>
        <translation>Vensterpositie onthouden</translation>
    </message>
    <message>
        <source>Save Settings on Exit</source>
        <translation>Instellingen opslaan bij afsluiten</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Selectie verwijderen</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Naar klembord kopiëren</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>Opslaan in bestand</translation>
    </message>
    <message>
        <source>Generated Passwords</source>
        <translation>Gegenereerde wachtwoorden</translation>
    </message>
    <message>
        <source>Current Password Progress</source>
        <translation>Voortgang huidig wachtwoord</translation>
    </message>
    <message>
        <source>Total Progress</source>
        <translation>Totale voortgang</translation>
    </message>
    <message>
        <source>You are currently generating passwords. Are you sure you want to exit?</source>
        <translation>Er worden momenteel wachtwoorden gegenereerd. Weet u zeker dat u wilt afsluiten?</translation>
    </message>
    <message>
        <source>There are unsaved changes. Are you sure you want to exit?</source>
        <translation>Er zijn niet-opgeslagen wijzigingen. Weet u zeker dat u wilt afsluiten?</translation>
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
        <translation>Alle wachtwoorden van het klembord wissen voordat de toepassing wordt afgesloten</translation>
    </message>
    <message>
        <source>Save and restore the position and size of the window next time the application is started</source>
        <translation>De positie en grootte van het venster opslaan en bij de volgende start van de toepassing herstellen</translation>
    </message>
    <message>
        <source>Will remember all the changes you&apos;ve made next time the application is started</source>
        <translation>Onthoudt al uw wijzigingen voor de volgende keer dat de toepassing wordt gestart</translation>
    </message>
    <message>
        <source>Reset all the character settings to their defaults</source>
        <translation>Alle tekeninstellingen terugzetten naar de standaardwaarden</translation>
    </message>
    <message>
        <source>The minimum number of characters which must be included in a password</source>
        <translation>Het minimale aantal tekens dat een wachtwoord moet bevatten</translation>
    </message>
    <message>
        <source>The maximum number of characters to include in a password</source>
        <translation>Het maximale aantal tekens in een wachtwoord</translation>
    </message>
    <message>
        <source>The number of passwords to generate</source>
        <translation>Het aantal te genereren wachtwoorden</translation>
    </message>
    <message>
        <source>Increase value for stronger passwords, decrease to generate passwords quicker.</source>
        <translation>Verhoog de waarde voor sterkere wachtwoorden, verlaag deze om sneller wachtwoorden te genereren.</translation>
    </message>
    <message>
        <source>Generators automatically generate data for passwords</source>
        <translation>Generatoren leveren automatisch gegevens voor wachtwoorden</translation>
    </message>
    <message>
        <source>Click to start generating passwords</source>
        <translation>Klik om te beginnen met het genereren van wachtwoorden</translation>
    </message>
    <message>
        <source>Shows the progress of the current password</source>
        <translation>Toont de voortgang van het huidige wachtwoord</translation>
    </message>
    <message>
        <source>Shows the total progress of all the passwords</source>
        <translation>Toont de totale voortgang van alle wachtwoorden</translation>
    </message>
    <message>
        <source>Select all items in the list</source>
        <translation>Alle items in de lijst selecteren</translation>
    </message>
    <message>
        <source>Delete selected items in the list</source>
        <translation>Geselecteerde items uit de lijst verwijderen</translation>
    </message>
    <message>
        <source>Copy all passwords to the clipboard</source>
        <translation>Alle wachtwoorden naar het klembord kopiëren</translation>
    </message>
    <message>
        <source>Save all passwords to a text file</source>
        <translation>Alle wachtwoorden opslaan in een tekstbestand</translation>
    </message>
</context>
<context>
    <name>ZolvenarMainForm::MouseTrack</name>
    <message>
        <source>Failed to initialize generator. There are %1 active generators
%2</source>
        <translation>Kan generator niet initialiseren. Actieve generatoren: %1
%2</translation>
    </message>
    <message>
        <source>The run has stopped: no thread could be started for a mouse sample. The passwords made so far are kept.
%1</source>
        <translation>Het genereren is gestopt: er kon geen thread worden gestart voor een meetwaarde van de muis. De tot nu toe gemaakte wachtwoorden blijven bewaard.
%1</translation>
    </message>
</context>
</TS>
