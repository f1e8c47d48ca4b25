<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>ApplicationEntry</name>
    <message>
        <source>Fatal Error</source>
        <translation>致命的なエラー</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>not followed: a symbolic link another user put in a directory everyone may write to</source>
        <translation>リンクをたどりません: 誰でも書き込めるディレクトリに他のユーザーが置いたシンボリックリンクです</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
</context>
<context>
    <name>Clipboard</name>
    <message>
        <source>Unable to set clipboard data</source>
        <translation>クリップボードのデータを設定できません</translation>
    </message>
    <message>
        <source>Unable to obtain clipboard data object</source>
        <translation>クリップボードのデータオブジェクトを取得できません</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: zolvenar [--help | --version | --check-randomness]
Opens the password generator&apos;s window. Its options live in Zolvenar.ini
in the current directory; every other argument is ignored.
</source>
        <translation>使い方: zolvenar [--help | --version | --check-randomness]
パスワードジェネレーターのウィンドウを開きます。設定はカレントディレクトリの
Zolvenar.ini に保存されます。その他の引数はすべて無視されます。
</translation>
    </message>
    <message>
        <source>--check-randomness measures this machine&apos;s timer randomness and the generated
characters in under a minute; exit status 3 when the check fails.
</source>
        <translation>--check-randomness は、このマシンのタイマーと生成された文字のランダム性を1分以内に
測定します。チェックに失敗した場合の終了ステータスは 3 です。
</translation>
    </message>
</context>
<context>
    <name>ErrorWindow</name>
    <message>
        <source>An application exception has occured. Click Continue to allow the application to ignore this error and attempt to continue.</source>
        <translation>アプリケーションで例外が発生しました。「続行」をクリックすると、アプリケーションはこのエラーを無視して続行を試みます。</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>続行(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
</context>
<context>
    <name>GenerationOptions</name>
    <message>
        <source>Character sets must contain at least two characters</source>
        <translation>文字セットには少なくとも 2 文字が含まれている必要があります</translation>
    </message>
    <message>
        <source>Brindal Error</source>
        <translation>Brindal エラー</translation>
    </message>
    <message>
        <source>Brindal</source>
        <translation>Brindal</translation>
    </message>
    <message>
        <source>The Minimum Length must be at least %1 to hold a character of each ticked set</source>
        <translation>チェックした各文字セットから 1 文字ずつ含めるには、最小の長さを %1 以上にする必要があります</translation>
    </message>
    <message>
        <source>The current password settings may be too weak. Do you want to continue generating passwords?</source>
        <translation>現在のパスワード設定は弱すぎる可能性があります。パスワードの生成を続行しますか？</translation>
    </message>
    <message>
        <source>
(Minimum Length is less than 10)</source>
        <translation>
（最小の長さが 10 未満です）</translation>
    </message>
    <message>
        <source>
(Less than 32 characters and symbols are selected)</source>
        <translation>
（選択されている文字と記号が 32 個未満です）</translation>
    </message>
    <message>
        <source>
(Password Strength is less than 200 when Generators are enabled)</source>
        <translation>
（ジェネレーターが有効なときに、パスワード強度が 200 未満です）</translation>
    </message>
    <message>
        <source>
(Password Strength is less than 100)</source>
        <translation>
（パスワード強度が 100 未満です）</translation>
    </message>
</context>
<context>
    <name>SaveFileDialog</name>
    <message>
        <source>%1 is not a regular file.
Choose another name.</source>
        <translation>%1 は通常のファイルではありません。
別の名前を選択してください。</translation>
    </message>
    <message>
        <source>Invalid file name</source>
        <translation>ファイル名が無効です</translation>
    </message>
</context>
<context>
    <name>Threads</name>
    <message>
        <source>Thread error: too many threads</source>
        <translation>スレッドエラー: スレッドが多すぎます</translation>
    </message>
    <message>
        <source>Thread error: failed to start</source>
        <translation>スレッドエラー: 開始できませんでした</translation>
    </message>
</context>
</TS>
