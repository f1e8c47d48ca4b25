<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>ApplicationEntry</name>
    <message>
        <source>Fatal Error</source>
        <translation>Errore irreversibile</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>not followed: a symbolic link another user put in a directory everyone may write to</source>
        <translation>non seguito: collegamento simbolico inserito da un altro utente in una directory scrivibile da tutti</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
</context>
<context>
    <name>Clipboard</name>
    <message>
        <source>Unable to set clipboard data</source>
        <translation>Impossibile copiare i dati negli appunti</translation>
    </message>
    <message>
        <source>Unable to obtain clipboard data object</source>
        <translation>Impossibile ottenere l&apos;oggetto dati degli appunti</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: zolvenar [--help | --version | --check-randomness]
Opens the password generator&apos;s window. Its options live in Zolvenar.ini
in the current directory; every other argument is ignored.
</source>
        <translation>Uso: zolvenar [--help | --version | --check-randomness]
Apre la finestra del generatore di password. Le opzioni si trovano nel file Zolvenar.ini
nella directory corrente; ogni altro argomento viene ignorato.
</translation>
    </message>
    <message>
        <source>--check-randomness measures this machine&apos;s timer randomness and the generated
characters in under a minute; exit status 3 when the check fails.
</source>
        <translation>--check-randomness misura in meno di un minuto la casualità dei timer di questo computer
e dei caratteri generati; stato di uscita 3 se la verifica non riesce.
</translation>
    </message>
</context>
<context>
    <name>ErrorWindow</name>
    <message>
        <source>An application exception has occured. Click Continue to allow the application to ignore this error and attempt to continue.</source>
        <translation>Si è verificata un&apos;eccezione nell&apos;applicazione. Fai clic su Continua per consentire all&apos;applicazione di ignorare l&apos;errore e tentare di proseguire.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continua</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
</context>
<context>
    <name>GenerationOptions</name>
    <message>
        <source>Character sets must contain at least two characters</source>
        <translation>I set di caratteri devono contenere almeno due caratteri</translation>
    </message>
    <message>
        <source>Brindal Error</source>
        <translation>Errore di Brindal</translation>
    </message>
    <message>
        <source>Brindal</source>
        <translation>Brindal</translation>
    </message>
    <message>
        <source>The Minimum Length must be at least %1 to hold a character of each ticked set</source>
        <translation>La lunghezza minima deve essere almeno %1 per contenere un carattere di ogni set selezionato</translation>
    </message>
    <message>
        <source>The current password settings may be too weak. Do you want to continue generating passwords?</source>
        <translation>Le impostazioni attuali delle password potrebbero essere troppo deboli. Vuoi continuare a generare le password?</translation>
    </message>
    <message>
        <source>
(Minimum Length is less than 10)</source>
        <translation>
(La lunghezza minima è inferiore a 10)</translation>
    </message>
    <message>
        <source>
(Less than 32 characters and symbols are selected)</source>
        <translation>
(Sono selezionati meno di 32 caratteri e simboli)</translation>
    </message>
    <message>
        <source>
(Password Strength is less than 200 when Generators are enabled)</source>
        <translation>
(La robustezza della password è inferiore a 200 con i generatori attivati)</translation>
    </message>
    <message>
        <source>
(Password Strength is less than 100)</source>
        <translation>
(La robustezza della password è inferiore a 100)</translation>
    </message>
</context>
<context>
    <name>OptionControls</name>
    <message>
        <source>0 (Disabled)</source>
        <translation>0 (disattivati)</translation>
    </message>
</context>
<context>
    <name>ResultsActions</name>
    <message>
        <source>Are you sure you want to delete %1 items?</source>
        <translation>Vuoi davvero eliminare la selezione (elementi: %1)?</translation>
    </message>
    <message>
        <source>Delete Items</source>
        <translation>Elimina elementi</translation>
    </message>
    <message>
        <source>Password.txt</source>
        <translation>Password.txt</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>File di testo</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tutti i file</translation>
    </message>
    <message>
        <source>Save passwords as...</source>
        <translation>Salva le password come...</translation>
    </message>
</context>
<context>
    <name>SaveFileDialog</name>
    <message>
        <source>%1 is not a regular file.
Choose another name.</source>
        <translation>%1 non è un file normale.
Scegli un altro nome.</translation>
    </message>
    <message>
        <source>Invalid file name</source>
        <translation>Nome file non valido</translation>
    </message>
</context>
<context>
    <name>SettingsBinding</name>
    <message>
        <source>You will lose any changes you made to the character settings. Are you sure?</source>
        <translation>Le modifiche apportate alle impostazioni dei caratteri andranno perse. Vuoi continuare?</translation>
    </message>
    <message>
        <source>Reset Character Settings</source>
        <translation>Ripristina le impostazioni dei caratteri</translation>
    </message>
</context>
<context>
    <name>SystemRandom</name>
    <message>
        <source>Could not read the system&apos;s randomness (getrandom: %1)</source>
        <translation>Impossibile leggere la casualità di sistema (getrandom: %1)</translation>
    </message>
</context>
<context>
    <name>Threads</name>
    <message>
        <source>Thread error: too many threads</source>
        <translation>Errore dei thread: troppi thread</translation>
    </message>
    <message>
        <source>Thread error: failed to start</source>
        <translation>Errore dei thread: avvio non riuscito</translation>
    </message>
</context>
<context>
    <name>ToolkitThreads</name>
    <message>
        <source>Zolvenar cannot start: the system lets it start no more threads</source>
        <translation>Impossibile avviare Zolvenar: il sistema non consente di avviare altri thread</translation>
    </message>
</context>
<context>
    <name>WindowTexts</name>
    <message>
        <source>Too short to hold each set</source>
        <translation>Troppo corta per contenere ogni set</translation>
    </message>
    <message>
        <source>%1 bit each, limited by length</source>
        <translation>%1 bit l&apos;una, limite: lunghezza</translation>
    </message>
    <message>
        <source>%1 bits each, limited by length</source>
        <translation>%1 bit l&apos;una, limite: lunghezza</translation>
    </message>
    <message>
        <source>%1 bit each, limited by samples</source>
        <translation>%1 bit l&apos;una, limite: campioni</translation>
    </message>
    <message>
        <source>%1 bits each, limited by samples</source>
        <translation>%1 bit l&apos;una, limite: campioni</translation>
    </message>
    <message>
        <source>%1 bit each, with system mix</source>
        <translation>%1 bit l&apos;una, casualità di sistema</translation>
    </message>
    <message>
        <source>%1 bits each, with system mix</source>
        <translation>%1 bit l&apos;una, casualità di sistema</translation>
    </message>
    <message>
        <source>What each password is worth: the smaller of what its minimum length can hold from the characters left and one bit for each sample that goes into it, or the first alone with system randomness mixed in</source>
        <translation>Quanto vale ogni password: il minore tra ciò che la sua lunghezza minima può contenere con i caratteri rimasti e un bit per ogni campione che vi entra, oppure solo il primo se si mescola la casualità di sistema</translation>
    </message>
    <message>
        <source>Actions and Options</source>
        <translation>Azioni e opzioni</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleziona &amp;tutto</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>&amp;Elimina selezione</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>&amp;Copia negli appunti</translation>
    </message>
    <message>
        <source>&amp;Save to File</source>
        <translation>&amp;Salva su file</translation>
    </message>
    <message>
        <source>&amp;Mix in System Randomness</source>
        <translation>&amp;Mescola la casualità di sistema</translation>
    </message>
    <message>
        <source>&amp;Require Each Set</source>
        <translation>&amp;Richiedi ogni set selezionato</translation>
    </message>
    <message>
        <source>A&amp;bout Zolvenar</source>
        <translation>&amp;Informazioni su Zolvenar</translation>
    </message>
    <message>
        <source>About Zolvenar</source>
        <translation>Informazioni su Zolvenar</translation>
    </message>
    <message>
        <source>Zolvenar %1
A desktop password generator.

Free software under the MIT licence, copyright the Zolvenar developers.
Home page: %2</source>
        <translation>Zolvenar %1
Un generatore di password per il desktop.

Software libero con licenza MIT, copyright degli sviluppatori di Zolvenar.
Sito web: %2</translation>
    </message>
    <message>
        <source>C&amp;lear Clipboard After</source>
        <translation>Svuota gli &amp;appunti dopo</translation>
    </message>
    <message>
        <source>&amp;Never</source>
        <translation>&amp;Mai</translation>
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
        <translation>Gli appunti verranno svuotati tra %1 s</translation>
    </message>
    <message>
        <source>Clipboard clears in %1:%2</source>
        <translation>Gli appunti verranno svuotati tra %1:%2 min</translation>
    </message>
</context>
<context>
    <name>ZolvenarApplication</name>
    <message>
        <source>Zolvenar needs a graphical display: %1</source>
        <translation>Zolvenar richiede un ambiente grafico: %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
</context>
<context>
    <name>ZolvenarMainForm</name>
    <message>
        <source>Click Here to Generate Passwords</source>
        <translation>Fai clic qui per generare le password</translation>
    </message>
    <message>
        <source>Move the mouse around in this window or click here to stop</source>
        <translation>Muovi il mouse in questa finestra o fai clic qui per fermare</translation>
    </message>
    <message>
        <source>Zolvenar - %1%</source>
        <translation>Zolvenar - %1%</translation>
    </message>
    <message>
        <source>Zolvenar Error</source>
        <translation>Errore di Zolvenar</translation>
    </message>
    <message>
        <source>Edit Password Settings</source>
        <translation>Modifica le impostazioni</translation>
    </message>
    <message>
        <source>Lowercase</source>
        <translation>Minuscole</translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation>Maiuscole</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Numeri</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Simboli</translation>
    </message>
    <message>
        <source>Exclude Similar</source>
        <translation>Escludi simili</translation>
    </message>
    <message>
        <source>Include Custom</source>
        <translation>Includi caratteri</translation>
    </message>
    <message>
        <source>Exclude Custom</source>
        <translation>Escludi caratteri</translation>
    </message>
    <message>
        <source>Reset Character Settings</source>
        <translation>Ripristina le impostazioni dei caratteri</translation>
    </message>
    <message>
        <source>Minimum Length</source>
        <translation>Lunghezza minima</translation>
    </message>
    <message>
        <source>Maximum Length</source>
        <translation>Lunghezza massima</translation>
    </message>
    <message>
        <source>Password Count</source>
        <translation>Numero di password</translation>
    </message>
    <message>
        <source>Password Strength</source>
        <translation>Robustezza</translation>
    </message>
    <message>
        <source>Generators</source>
        <translation>Generatori</translation>
    </message>
    <message>
        <source>Clear Clipboard on Exit</source>
        <translation>Svuota gli appunti all&apos;uscita</translation>
    </message>
    <message>
        <source>Remember Window Position</source>
        <translation>Ricorda la posizione della finestra</translation>
    </message>
    <message>
        <source>Save Settings on Exit</source>
        <translation>Salva le impostazioni all&apos;uscita</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Elimina selezione</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copia negli appunti</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>Salva su file</translation>
    </message>
    <message>
        <source>Generated Passwords</source>
        <translation>Password generate</translation>
    </message>
    <message>
        <source>Current Password Progress</source>
        <translation>Avanzamento della password corrente</translation>
    </message>
    <message>
        <source>Total Progress</source>
        <translation>Avanzamento totale</translation>
    </message>
    <message>
        <source>You are currently generating passwords. Are you sure you want to exit?</source>
        <translation>È in corso la generazione delle password. Vuoi davvero uscire?</translation>
    </message>
    <message>
        <source>There are unsaved changes. Are you sure you want to exit?</source>
        <translation>Ci sono modifiche non salvate. Vuoi davvero uscire?</translation>
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
        <translation>Rimuove dagli appunti qualsiasi password prima di uscire dall&apos;applicazione</translation>
    </message>
    <message>
        <source>Save and restore the position and size of the window next time the application is started</source>
        <translation>Salva la posizione e le dimensioni della finestra e le ripristina al successivo avvio dell&apos;applicazione</translation>
    </message>
    <message>
        <source>Will remember all the changes you&apos;ve made next time the application is started</source>
        <translation>Conserva tutte le modifiche apportate per il successivo avvio dell&apos;applicazione</translation>
    </message>
    <message>
        <source>Reset all the character settings to their defaults</source>
        <translation>Ripristina i valori predefiniti di tutte le impostazioni dei caratteri</translation>
    </message>
    <message>
        <source>The minimum number of characters which must be included in a password</source>
        <translation>Numero minimo di caratteri che una password deve contenere</translation>
    </message>
    <message>
        <source>The maximum number of characters to include in a password</source>
        <translation>Numero massimo di caratteri che una password può contenere</translation>
    </message>
    <message>
        <source>The number of passwords to generate</source>
        <translation>Numero di password da generare</translation>
    </message>
    <message>
        <source>Increase value for stronger passwords, decrease to generate passwords quicker.</source>
        <translation>Aumenta il valore per password più robuste, riducilo per generarle più rapidamente.</translation>
    </message>
    <message>
        <source>Generators automatically generate data for passwords</source>
        <translation>I generatori producono automaticamente dati per le password</translation>
    </message>
    <message>
        <source>Click to start generating passwords</source>
        <translation>Fai clic per iniziare a generare le password</translation>
    </message>
    <message>
        <source>Shows the progress of the current password</source>
        <translation>Mostra l&apos;avanzamento della password corrente</translation>
    </message>
    <message>
        <source>Shows the total progress of all the passwords</source>
        <translation>Mostra l&apos;avanzamento totale di tutte le password</translation>
    </message>
    <message>
        <source>Select all items in the list</source>
        <translation>Seleziona tutti gli elementi dell&apos;elenco</translation>
    </message>
    <message>
        <source>Delete selected items in the list</source>
        <translation>Elimina dall&apos;elenco gli elementi selezionati</translation>
    </message>
    <message>
        <source>Copy all passwords to the clipboard</source>
        <translation>Copia tutte le password negli appunti</translation>
    </message>
    <message>
        <source>Save all passwords to a text file</source>
        <translation>Salva tutte le password in un file di testo</translation>
    </message>
</context>
<context>
    <name>ZolvenarMainForm::MouseTrack</name>
    <message>
        <source>Failed to initialize generator. There are %1 active generators
%2</source>
        <translation>Impossibile inizializzare il generatore. Generatori attivi: %1
%2</translation>
    </message>
    <message>
        <source>The run has stopped: no thread could be started for a mouse sample. The passwords made so far are kept.
%1</source>
        <translation>La generazione si è interrotta: non è stato possibile avviare un thread per un campione del mouse. Le password create finora vengono mantenute.
%1</translation>
    </message>
</context>
</TS>
