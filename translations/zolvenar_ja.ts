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
    <name>OptionControls</name>
    <message>
        <source>0 (Disabled)</source>
        <translation>0 (無効)</translation>
    </message>
</context>
<context>
    <name>ResultsActions</name>
    <message>
        <source>Are you sure you want to delete %1 items?</source>
        <translation>選択した %1 個の項目を削除してもよろしいですか？</translation>
    </message>
    <message>
        <source>Delete Items</source>
        <translation>項目の削除</translation>
    </message>
    <message>
        <source>Password.txt</source>
        <translation>Password.txt</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>テキストファイル</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>すべてのファイル</translation>
    </message>
    <message>
        <source>Save passwords as...</source>
        <translation>名前を付けてパスワードを保存</translation>
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
    <name>SettingsBinding</name>
    <message>
        <source>You will lose any changes you made to the character settings. Are you sure?</source>
        <translation>文字設定に加えた変更はすべて失われます。よろしいですか？</translation>
    </message>
    <message>
        <source>Reset Character Settings</source>
        <translation>文字設定をリセット</translation>
    </message>
</context>
<context>
    <name>SystemRandom</name>
    <message>
        <source>Could not read the system&apos;s randomness (getrandom: %1)</source>
        <translation>システム乱数を読み取れませんでした（getrandom: %1）</translation>
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
<context>
    <name>ToolkitThreads</name>
    <message>
        <source>Zolvenar cannot start: the system lets it start no more threads</source>
        <translation>Zolvenar を起動できません: システムがこれ以上のスレッドの開始を許可していません</translation>
    </message>
</context>
<context>
    <name>WindowTexts</name>
    <message>
        <source>Too short to hold each set</source>
        <translation>短すぎて各文字セットを含められません</translation>
    </message>
    <message>
        <source>%1 bit each, limited by length</source>
        <translation>各 %1 ビット（長さで制限）</translation>
    </message>
    <message>
        <source>%1 bits each, limited by length</source>
        <translation>各 %1 ビット（長さで制限）</translation>
    </message>
    <message>
        <source>%1 bit each, limited by samples</source>
        <translation>各 %1 ビット（サンプル数で制限）</translation>
    </message>
    <message>
        <source>%1 bits each, limited by samples</source>
        <translation>各 %1 ビット（サンプル数で制限）</translation>
    </message>
    <message>
        <source>%1 bit each, with system mix</source>
        <translation>各 %1 ビット（システム乱数を混合）</translation>
    </message>
    <message>
        <source>%1 bits each, with system mix</source>
        <translation>各 %1 ビット（システム乱数を混合）</translation>
    </message>
    <message>
        <source>What each password is worth: the smaller of what its minimum length can hold from the characters left and one bit for each sample that goes into it, or the first alone with system randomness mixed in</source>
        <translation>各パスワードのビット数で、最小の長さで残りの文字から得られるビット数と、パスワードに使われるサンプル数（1 つにつき 1 ビット）のうち小さいほうです（システム乱数を混合する場合は前者のみ）</translation>
    </message>
    <message>
        <source>Actions and Options</source>
        <translation>操作とオプション</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>すべて選択(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>選択項目を削除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>クリップボードにコピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save to File</source>
        <translation>ファイルに保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Mix in System Randomness</source>
        <translation>システム乱数を混合(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Require Each Set</source>
        <translation>各文字セットを必ず含める(&amp;R)</translation>
    </message>
    <message>
        <source>A&amp;bout Zolvenar</source>
        <translation>Zolvenar について(&amp;B)</translation>
    </message>
    <message>
        <source>About Zolvenar</source>
        <translation>Zolvenar について</translation>
    </message>
    <message>
        <source>Zolvenar %1
A desktop password generator.

Free software under the MIT licence, copyright the Zolvenar developers.
Home page: %2</source>
        <translation>Zolvenar %1
デスクトップ用パスワードジェネレーター

MIT ライセンスのフリーソフトウェアです。著作権は Zolvenar の開発者に帰属します。
ホームページ: %2</translation>
    </message>
    <message>
        <source>C&amp;lear Clipboard After</source>
        <translation>クリップボードの自動消去(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Never</source>
        <translation>しない(&amp;N)</translation>
    </message>
    <message>
        <source>1&amp;0 s</source>
        <translation>1&amp;0 秒</translation>
    </message>
    <message>
        <source>&amp;30 s</source>
        <translation>&amp;30 秒</translation>
    </message>
    <message>
        <source>&amp;1 min</source>
        <translation>&amp;1 分</translation>
    </message>
    <message>
        <source>&amp;5 min</source>
        <translation>&amp;5 分</translation>
    </message>
    <message>
        <source>Clipboard clears in %1 s</source>
        <translation>クリップボードはあと %1 秒で消去されます</translation>
    </message>
    <message>
        <source>Clipboard clears in %1:%2</source>
        <translation>クリップボードはあと %1:%2 で消去されます</translation>
    </message>
</context>
<context>
    <name>ZolvenarApplication</name>
    <message>
        <source>Zolvenar needs a graphical display: %1</source>
        <translation>Zolvenar にはグラフィカルディスプレイが必要です: %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>不明なエラー</translation>
    </message>
</context>
<context>
    <name>ZolvenarMainForm</name>
    <message>
        <source>Click Here to Generate Passwords</source>
        <translation>ここをクリックしてパスワードを生成</translation>
    </message>
    <message>
        <source>Move the mouse around in this window or click here to stop</source>
        <translation>このウィンドウ内でマウスを動かすか、ここをクリックして停止</translation>
    </message>
    <message>
        <source>Zolvenar - %1%</source>
        <translation>Zolvenar - %1%</translation>
    </message>
    <message>
        <source>Zolvenar Error</source>
        <translation>Zolvenar エラー</translation>
    </message>
    <message>
        <source>Edit Password Settings</source>
        <translation>パスワード設定を編集</translation>
    </message>
    <message>
        <source>Lowercase</source>
        <translation>小文字</translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation>大文字</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>記号</translation>
    </message>
    <message>
        <source>Exclude Similar</source>
        <translation>類似文字を除外</translation>
    </message>
    <message>
        <source>Include Custom</source>
        <translation>指定文字を追加</translation>
    </message>
    <message>
        <source>Exclude Custom</source>
        <translation>指定文字を除外</translation>
    </message>
    <message>
        <source>Reset Character Settings</source>
        <translation>文字設定をリセット</translation>
    </message>
    <message>
        <source>Minimum Length</source>
        <translation>最小の長さ</translation>
    </message>
    <message>
        <source>Maximum Length</source>
        <translation>最大の長さ</translation>
    </message>
    <message>
        <source>Password Count</source>
        <translation>パスワード数</translation>
    </message>
    <message>
        <source>Password Strength</source>
        <translation>パスワード強度</translation>
    </message>
    <message>
        <source>Generators</source>
        <translation>ジェネレーター</translation>
    </message>
    <message>
        <source>Clear Clipboard on Exit</source>
        <translation>終了時にクリップボードを消去</translation>
    </message>
    <message>
        <source>Remember Window Position</source>
        <translation>ウィンドウの位置を記憶</translation>
    </message>
    <message>
        <source>Save Settings on Exit</source>
        <translation>終了時に設定を保存</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>選択項目を削除</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>クリップボードにコピー</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>ファイルに保存</translation>
    </message>
    <message>
        <source>Generated Passwords</source>
        <translation>生成されたパスワード</translation>
    </message>
    <message>
        <source>Current Password Progress</source>
        <translation>現在のパスワードの進行状況</translation>
    </message>
    <message>
        <source>Total Progress</source>
        <translation>全体の進行状況</translation>
    </message>
    <message>
        <source>You are currently generating passwords. Are you sure you want to exit?</source>
        <translation>パスワードを生成中です。終了してもよろしいですか？</translation>
    </message>
    <message>
        <source>There are unsaved changes. Are you sure you want to exit?</source>
        <translation>保存されていない変更があります。終了してもよろしいですか？</translation>
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
        <translation>アプリケーションの終了前に、クリップボードからパスワードを消去します</translation>
    </message>
    <message>
        <source>Save and restore the position and size of the window next time the application is started</source>
        <translation>ウィンドウの位置とサイズを保存し、次回アプリケーションを起動したときに復元します</translation>
    </message>
    <message>
        <source>Will remember all the changes you&apos;ve made next time the application is started</source>
        <translation>加えた変更をすべて記憶し、次回アプリケーションを起動したときにも使用します</translation>
    </message>
    <message>
        <source>Reset all the character settings to their defaults</source>
        <translation>すべての文字設定を既定値に戻します</translation>
    </message>
    <message>
        <source>The minimum number of characters which must be included in a password</source>
        <translation>パスワードに含める必要がある最小の文字数</translation>
    </message>
    <message>
        <source>The maximum number of characters to include in a password</source>
        <translation>パスワードに含める最大の文字数</translation>
    </message>
    <message>
        <source>The number of passwords to generate</source>
        <translation>生成するパスワードの数</translation>
    </message>
    <message>
        <source>Increase value for stronger passwords, decrease to generate passwords quicker.</source>
        <translation>値を大きくするとパスワードが強力になり、小さくするとパスワードを速く生成できます。</translation>
    </message>
    <message>
        <source>Generators automatically generate data for passwords</source>
        <translation>ジェネレーターはパスワード用のデータを自動的に生成します</translation>
    </message>
    <message>
        <source>Click to start generating passwords</source>
        <translation>クリックするとパスワードの生成を開始します</translation>
    </message>
    <message>
        <source>Shows the progress of the current password</source>
        <translation>現在のパスワードの進行状況を表示します</translation>
    </message>
    <message>
        <source>Shows the total progress of all the passwords</source>
        <translation>すべてのパスワードの全体の進行状況を表示します</translation>
    </message>
    <message>
        <source>Select all items in the list</source>
        <translation>リスト内のすべての項目を選択します</translation>
    </message>
    <message>
        <source>Delete selected items in the list</source>
        <translation>リスト内の選択した項目を削除します</translation>
    </message>
    <message>
        <source>Copy all passwords to the clipboard</source>
        <translation>すべてのパスワードをクリップボードにコピーします</translation>
    </message>
    <message>
        <source>Save all passwords to a text file</source>
        <translation>すべてのパスワードをテキストファイルに保存します</translation>
    </message>
</context>
<context>
    <name>ZolvenarMainForm::MouseTrack</name>
    <message>
        <source>Failed to initialize generator. There are %1 active generators
%2</source>
        <translation>ジェネレーターを初期化できませんでした。アクティブなジェネレーターは %1 個です
%2</translation>
    </message>
    <message>
        <source>The run has stopped: no thread could be started for a mouse sample. The passwords made so far are kept.
%1</source>
        <translation>生成を停止しました: マウスのサンプル用のスレッドを開始できませんでした。これまでに作成したパスワードは保持されます。
%1</translation>
    </message>
</context>
</TS>
