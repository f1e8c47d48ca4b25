<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ApplicationEntry</name>
    <message>
        <source>Fatal Error</source>
        <translation>Erreur fatale</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>not followed: a symbolic link another user put in a directory everyone may write to</source>
        <translation>non suivi&#xa0;: lien symbolique placé par un autre utilisateur dans un répertoire où tout le monde peut écrire</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>n&apos;est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>Clipboard</name>
    <message>
        <source>Unable to set clipboard data</source>
        <translation>Impossible de placer les données dans le presse-papiers</translation>
    </message>
    <message>
        <source>Unable to obtain clipboard data object</source>
        <translation>Impossible d&apos;obtenir l&apos;objet de données du presse-papiers</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: zolvenar [--help | --version | --check-randomness]
Opens the password generator&apos;s window. Its options live in Zolvenar.ini
in the current directory; every other argument is ignored.
</source>
        <translation>Utilisation&#xa0;: zolvenar [--help | --version | --check-randomness]
Ouvre la fenêtre du générateur de mots de passe. Ses options sont stockées dans le fichier Zolvenar.ini
du répertoire courant&#xa0;; tout autre argument est ignoré.
</translation>
    </message>
    <message>
        <source>--check-randomness measures this machine&apos;s timer randomness and the generated
characters in under a minute; exit status 3 when the check fails.
</source>
        <translation>--check-randomness mesure en moins d&apos;une minute l&apos;aléa du minuteur de cette machine
et celui des caractères générés&#xa0;; code de sortie 3 si la vérification échoue.
</translation>
    </message>
</context>
<context>
    <name>ErrorWindow</name>
    <message>
        <source>An application exception has occured. Click Continue to allow the application to ignore this error and attempt to continue.</source>
        <translation>Une exception s&apos;est produite dans l&apos;application. Cliquez sur Continuer pour que l&apos;application ignore cette erreur et tente de poursuivre.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuer</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>GenerationOptions</name>
    <message>
        <source>Character sets must contain at least two characters</source>
        <translation>Les jeux de caractères doivent contenir au moins deux caractères</translation>
    </message>
    <message>
        <source>Brindal Error</source>
        <translation>Erreur de Brindal</translation>
    </message>
    <message>
        <source>Brindal</source>
        <translation>Brindal</translation>
    </message>
    <message>
        <source>The Minimum Length must be at least %1 to hold a character of each ticked set</source>
        <translation>La longueur minimale doit être d&apos;au moins %1 pour contenir un caractère de chaque jeu coché</translation>
    </message>
    <message>
        <source>The current password settings may be too weak. Do you want to continue generating passwords?</source>
        <translation>Les paramètres actuels des mots de passe sont peut-être trop faibles. Voulez-vous continuer à générer des mots de passe&#xa0;?</translation>
    </message>
    <message>
        <source>
(Minimum Length is less than 10)</source>
        <translation>
(La longueur minimale est inférieure à 10)</translation>
    </message>
    <message>
        <source>
(Less than 32 characters and symbols are selected)</source>
        <translation>
(Moins de 32 caractères et symboles sont sélectionnés)</translation>
    </message>
    <message>
        <source>
(Password Strength is less than 200 when Generators are enabled)</source>
        <translation>
(La robustesse est inférieure à 200 alors que les générateurs sont activés)</translation>
    </message>
    <message>
        <source>
(Password Strength is less than 100)</source>
        <translation>
(La robustesse est inférieure à 100)</translation>
    </message>
</context>
<context>
    <name>OptionControls</name>
    <message>
        <source>0 (Disabled)</source>
        <translation>0 (désactivés)</translation>
    </message>
</context>
<context>
    <name>ResultsActions</name>
    <message>
        <source>Are you sure you want to delete %1 items?</source>
        <translation>Voulez-vous vraiment supprimer la sélection (éléments&#xa0;: %1)&#xa0;?</translation>
    </message>
    <message>
        <source>Delete Items</source>
        <translation>Supprimer des éléments</translation>
    </message>
    <message>
        <source>Password.txt</source>
        <translation>Mots de passe.txt</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>Fichiers texte</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Save passwords as...</source>
        <translation>Enregistrer les mots de passe sous...</translation>
    </message>
</context>
<context>
    <name>SaveFileDialog</name>
    <message>
        <source>%1 is not a regular file.
Choose another name.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire.
Choisissez un autre nom.</translation>
    </message>
    <message>
        <source>Invalid file name</source>
        <translation>Nom de fichier non valide</translation>
    </message>
</context>
<context>
    <name>SettingsBinding</name>
    <message>
        <source>You will lose any changes you made to the character settings. Are you sure?</source>
        <translation>Vous perdrez les modifications apportées aux paramètres des caractères. Voulez-vous continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Reset Character Settings</source>
        <translation>Réinitialiser les paramètres des caractères</translation>
    </message>
</context>
<context>
    <name>SystemRandom</name>
    <message>
        <source>Could not read the system&apos;s randomness (getrandom: %1)</source>
        <translation>Impossible de lire l&apos;aléa système (getrandom&#xa0;: %1)</translation>
    </message>
</context>
<context>
    <name>Threads</name>
    <message>
        <source>Thread error: too many threads</source>
        <translation>Erreur de thread&#xa0;: trop de threads</translation>
    </message>
    <message>
        <source>Thread error: failed to start</source>
        <translation>Erreur de thread&#xa0;: échec du démarrage</translation>
    </message>
</context>
<context>
    <name>ToolkitThreads</name>
    <message>
        <source>Zolvenar cannot start: the system lets it start no more threads</source>
        <translation>Zolvenar ne peut pas démarrer&#xa0;: le système ne lui permet pas de démarrer d&apos;autres threads</translation>
    </message>
</context>
<context>
    <name>WindowTexts</name>
    <message>
        <source>Too short to hold each set</source>
        <translation>Trop court pour contenir chaque jeu</translation>
    </message>
    <message>
        <source>%1 bit each, limited by length</source>
        <translation>Bits chacun&#xa0;: %1 (longueur)</translation>
    </message>
    <message>
        <source>%1 bits each, limited by length</source>
        <translation>Bits chacun&#xa0;: %1 (longueur)</translation>
    </message>
    <message>
        <source>%1 bit each, limited by samples</source>
        <translation>Bits chacun&#xa0;: %1 (échantillons)</translation>
    </message>
    <message>
        <source>%1 bits each, limited by samples</source>
        <translation>Bits chacun&#xa0;: %1 (échantillons)</translation>
    </message>
    <message>
        <source>%1 bit each, with system mix</source>
        <translation>Bits chacun&#xa0;: %1 (aléa système)</translation>
    </message>
    <message>
        <source>%1 bits each, with system mix</source>
        <translation>Bits chacun&#xa0;: %1 (aléa système)</translation>
    </message>
    <message>
        <source>What each password is worth: the smaller of what its minimum length can hold from the characters left and one bit for each sample that goes into it, or the first alone with system randomness mixed in</source>
        <translation>Ce que vaut chaque mot de passe&#xa0;: la plus petite de deux valeurs, ce que sa longueur minimale peut contenir avec les caractères restants et un bit par échantillon utilisé pour le créer, ou la première seule si l&apos;aléa système est incorporé</translation>
    </message>
    <message>
        <source>Actions and Options</source>
        <translation>Actions et options</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>&amp;Supprimer la sélection</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Save to File</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Mix in System Randomness</source>
        <translation>&amp;Incorporer l&apos;aléa système</translation>
    </message>
    <message>
        <source>&amp;Require Each Set</source>
        <translation>Exiger chaque &amp;jeu coché</translation>
    </message>
    <message>
        <source>A&amp;bout Zolvenar</source>
        <translation>À &amp;propos de Zolvenar</translation>
    </message>
    <message>
        <source>About Zolvenar</source>
        <translation>À propos de Zolvenar</translation>
    </message>
    <message>
        <source>Zolvenar %1
A desktop password generator.

Free software under the MIT licence, copyright the Zolvenar developers.
Home page: %2</source>
        <translation>Zolvenar %1
Un générateur de mots de passe pour le bureau.

Logiciel libre sous licence MIT, copyright des développeurs de Zolvenar.
Site web&#xa0;: %2</translation>
    </message>
    <message>
        <source>C&amp;lear Clipboard After</source>
        <translation>&amp;Vider le presse-papiers après</translation>
    </message>
    <message>
        <source>&amp;Never</source>
        <translation>&amp;Jamais</translation>
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
        <translation>Le presse-papiers sera vidé dans %1 s</translation>
    </message>
    <message>
        <source>Clipboard clears in %1:%2</source>
        <translation>Le presse-papiers sera vidé dans %1:%2 min</translation>
    </message>
</context>
<context>
    <name>ZolvenarApplication</name>
    <message>
        <source>Zolvenar needs a graphical display: %1</source>
        <translation>Zolvenar nécessite un affichage graphique&#xa0;: %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>ZolvenarMainForm</name>
    <message>
        <source>Click Here to Generate Passwords</source>
        <translation>Cliquez ici pour générer des mots de passe</translation>
    </message>
    <message>
        <source>Move the mouse around in this window or click here to stop</source>
        <translation>Déplacez la souris dans cette fenêtre ou cliquez ici pour arrêter</translation>
    </message>
    <message>
        <source>Zolvenar - %1%</source>
        <translation>Zolvenar - %1&#xa0;%</translation>
    </message>
    <message>
        <source>Zolvenar Error</source>
        <translation>Erreur de Zolvenar</translation>
    </message>
    <message>
        <source>Edit Password Settings</source>
        <translation>Modifier les paramètres</translation>
    </message>
    <message>
        <source>Lowercase</source>
        <translation>Minuscules</translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation>Majuscules</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Chiffres</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symboles</translation>
    </message>
    <message>
        <source>Exclude Similar</source>
        <translation>Exclure similaires</translation>
    </message>
    <message>
        <source>Include Custom</source>
        <translation>Jeu à inclure</translation>
    </message>
    <message>
        <source>Exclude Custom</source>
        <translation>Jeu à exclure</translation>
    </message>
    <message>
        <source>Reset Character Settings</source>
        <translation>Réinitialiser les paramètres des caractères</translation>
    </message>
    <message>
        <source>Minimum Length</source>
        <translation>Longueur minimale</translation>
    </message>
    <message>
        <source>Maximum Length</source>
        <translation>Longueur maximale</translation>
    </message>
    <message>
        <source>Password Count</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>Password Strength</source>
        <translation>Robustesse</translation>
    </message>
    <message>
        <source>Generators</source>
        <translation>Générateurs</translation>
    </message>
    <message>
        <source>Clear Clipboard on Exit</source>
        <translation>Vider le presse-papiers en quittant</translation>
    </message>
    <message>
        <source>Remember Window Position</source>
        <translation>Mémoriser la position de la fenêtre</translation>
    </message>
    <message>
        <source>Save Settings on Exit</source>
        <translation>Enregistrer les paramètres en quittant</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Supprimer la sélection</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Generated Passwords</source>
        <translation>Mots de passe générés</translation>
    </message>
    <message>
        <source>Current Password Progress</source>
        <translation>Progression du mot de passe en cours</translation>
    </message>
    <message>
        <source>Total Progress</source>
        <translation>Progression totale</translation>
    </message>
    <message>
        <source>You are currently generating passwords. Are you sure you want to exit?</source>
        <translation>Des mots de passe sont en cours de génération. Voulez-vous vraiment quitter&#xa0;?</translation>
    </message>
    <message>
        <source>There are unsaved changes. Are you sure you want to exit?</source>
        <translation>Certaines modifications n&apos;ont pas été enregistrées. Voulez-vous vraiment quitter&#xa0;?</translation>
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
        <translation>Retire tout mot de passe du presse-papiers avant la fermeture de l&apos;application</translation>
    </message>
    <message>
        <source>Save and restore the position and size of the window next time the application is started</source>
        <translation>Enregistre la position et la taille de la fenêtre et les rétablit au prochain démarrage de l&apos;application</translation>
    </message>
    <message>
        <source>Will remember all the changes you&apos;ve made next time the application is started</source>
        <translation>Conserve toutes vos modifications pour le prochain démarrage de l&apos;application</translation>
    </message>
    <message>
        <source>Reset all the character settings to their defaults</source>
        <translation>Réinitialise tous les paramètres des caractères à leurs valeurs par défaut</translation>
    </message>
    <message>
        <source>The minimum number of characters which must be included in a password</source>
        <translation>Nombre minimal de caractères qu&apos;un mot de passe doit contenir</translation>
    </message>
    <message>
        <source>The maximum number of characters to include in a password</source>
        <translation>Nombre maximal de caractères qu&apos;un mot de passe peut contenir</translation>
    </message>
    <message>
        <source>The number of passwords to generate</source>
        <translation>Nombre de mots de passe à générer</translation>
    </message>
    <message>
        <source>Increase value for stronger passwords, decrease to generate passwords quicker.</source>
        <translation>Augmentez la valeur pour obtenir des mots de passe plus robustes, diminuez-la pour les générer plus vite.</translation>
    </message>
    <message>
        <source>Generators automatically generate data for passwords</source>
        <translation>Les générateurs produisent automatiquement des données pour les mots de passe</translation>
    </message>
    <message>
        <source>Click to start generating passwords</source>
        <translation>Cliquez pour commencer à générer des mots de passe</translation>
    </message>
    <message>
        <source>Shows the progress of the current password</source>
        <translation>Affiche la progression du mot de passe en cours</translation>
    </message>
    <message>
        <source>Shows the total progress of all the passwords</source>
        <translation>Affiche la progression totale de l&apos;ensemble des mots de passe</translation>
    </message>
    <message>
        <source>Select all items in the list</source>
        <translation>Sélectionne tous les éléments de la liste</translation>
    </message>
    <message>
        <source>Delete selected items in the list</source>
        <translation>Supprime de la liste les éléments sélectionnés</translation>
    </message>
    <message>
        <source>Copy all passwords to the clipboard</source>
        <translation>Copie tous les mots de passe dans le presse-papiers</translation>
    </message>
    <message>
        <source>Save all passwords to a text file</source>
        <translation>Enregistre tous les mots de passe dans un fichier texte</translation>
    </message>
</context>
<context>
    <name>ZolvenarMainForm::MouseTrack</name>
    <message>
        <source>Failed to initialize generator. There are %1 active generators
%2</source>
        <translation>Impossible d&apos;initialiser le générateur. Générateurs actifs&#xa0;: %1
%2</translation>
    </message>
    <message>
        <source>The run has stopped: no thread could be started for a mouse sample. The passwords made so far are kept.
%1</source>
        <translation>La génération s&apos;est arrêtée&#xa0;: aucun thread n&apos;a pu être démarré pour un échantillon de la souris. Les mots de passe déjà créés sont conservés.
%1</translation>
    </message>
</context>
</TS>
