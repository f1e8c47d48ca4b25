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
        <translation>--check-randomness mesure en moins d&apos;une minute le caractère aléatoire des minuteries de cette
machine et des caractères générés ; code de sortie 3 si la vérification échoue.
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
</TS>
