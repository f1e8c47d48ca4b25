<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ApplicationEntry</name>
    <message>
        <source>Fatal Error</source>
        <translation>Erro fatal</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>not followed: a symbolic link another user put in a directory everyone may write to</source>
        <translation>não seguido: link simbólico colocado por outro usuário em um diretório no qual todos podem gravar</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
</context>
<context>
    <name>Clipboard</name>
    <message>
        <source>Unable to set clipboard data</source>
        <translation>Não foi possível colocar os dados na área de transferência</translation>
    </message>
    <message>
        <source>Unable to obtain clipboard data object</source>
        <translation>Não foi possível obter o objeto de dados da área de transferência</translation>
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
Abre a janela do gerador de senhas. As opções ficam no arquivo Zolvenar.ini
do diretório atual; qualquer outro argumento é ignorado.
</translation>
    </message>
    <message>
        <source>--check-randomness measures this machine&apos;s timer randomness and the generated
characters in under a minute; exit status 3 when the check fails.
</source>
        <translation>--check-randomness mede em menos de um minuto a aleatoriedade dos temporizadores deste
computador e dos caracteres gerados; status de saída 3 quando a verificação falha.
</translation>
    </message>
</context>
<context>
    <name>ErrorWindow</name>
    <message>
        <source>An application exception has occured. Click Continue to allow the application to ignore this error and attempt to continue.</source>
        <translation>Ocorreu uma exceção no aplicativo. Clique em Continuar para que o aplicativo ignore este erro e tente continuar.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
</context>
<context>
    <name>GenerationOptions</name>
    <message>
        <source>Character sets must contain at least two characters</source>
        <translation>Os conjuntos de caracteres devem conter pelo menos dois caracteres</translation>
    </message>
    <message>
        <source>Brindal Error</source>
        <translation>Erro do Brindal</translation>
    </message>
    <message>
        <source>Brindal</source>
        <translation>Brindal</translation>
    </message>
    <message>
        <source>The Minimum Length must be at least %1 to hold a character of each ticked set</source>
        <translation>O tamanho mínimo deve ser de pelo menos %1 para conter um caractere de cada conjunto marcado</translation>
    </message>
    <message>
        <source>The current password settings may be too weak. Do you want to continue generating passwords?</source>
        <translation>As configurações atuais de senha podem ser fracas demais. Deseja continuar gerando senhas?</translation>
    </message>
    <message>
        <source>
(Minimum Length is less than 10)</source>
        <translation>
(O tamanho mínimo é menor que 10)</translation>
    </message>
    <message>
        <source>
(Less than 32 characters and symbols are selected)</source>
        <translation>
(Menos de 32 caracteres e símbolos estão selecionados)</translation>
    </message>
    <message>
        <source>
(Password Strength is less than 200 when Generators are enabled)</source>
        <translation>
(A força da senha é menor que 200 com os geradores ativados)</translation>
    </message>
    <message>
        <source>
(Password Strength is less than 100)</source>
        <translation>
(A força da senha é menor que 100)</translation>
    </message>
</context>
<context>
    <name>SaveFileDialog</name>
    <message>
        <source>%1 is not a regular file.
Choose another name.</source>
        <translation>%1 não é um arquivo comum.
Escolha outro nome.</translation>
    </message>
    <message>
        <source>Invalid file name</source>
        <translation>Nome de arquivo inválido</translation>
    </message>
</context>
<context>
    <name>Threads</name>
    <message>
        <source>Thread error: too many threads</source>
        <translation>Erro de thread: número excessivo de threads</translation>
    </message>
    <message>
        <source>Thread error: failed to start</source>
        <translation>Erro de thread: falha ao iniciar</translation>
    </message>
</context>
</TS>
