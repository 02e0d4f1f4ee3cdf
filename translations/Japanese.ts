<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>Key Combination</source>
        <translation>組み合わせキー</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>通常キー</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>特殊キー</translation>
    </message>
</context>
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Left Click</source>
        <translation>左クリック</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中クリック</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右クリック</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Assign Profile</source>
        <translation>プロファイル指定</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Light Press</source>
        <translation>軽押し</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>強押し</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>キーのリマップ</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>リマップ先のキー？</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>タイプ：</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>機能：</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>基本レイヤー</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN レイヤー</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>書き込み</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>Device List</source>
        <translation>デバイス一覧</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>デバイスが接続されていません</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>ファームウェア情報</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Shortcuts</source>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>デスクトップを表示</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>ウィンドウを閉じる</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>PC をロック</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>マイコンピューター</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規作成</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Light Press</source>
        <translation>軽押し</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>強押し</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>組み合わせキー</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>入力するキー？</translation>
    </message>
</context>
<context>
    <name>DKeyConfigFunctionPage</name>
    <message>
        <source>Key Config</source>
        <translation>キー設定</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Win ロック/解除</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Win をロック</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Win のロック解除</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>キーボードをロック</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>バッテリー残量確認</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>基本レイヤー</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN レイヤー</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1 レイヤー</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>USB に切り替え</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>2.4G に切り替え</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>Bluetooth 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>Bluetooth 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>Bluetooth 3</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Disable</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Select App</source>
        <translation>アプリを選択</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>アプリの場所を選択してください</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>アプリケーションを選択</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>テキストを入力…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DKeyboardLightCustomEventPage</name>
    <message>
        <source>Keyboard Light</source>
        <translation>キーボードライト</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>全体ライト</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>インタラクションライト</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>すべてのライト</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>常時点灯</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>明るさ +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>明るさ -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>速度 +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>速度 -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>方向 +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>方向 -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>方向ループ</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>フルカラーに切り替え</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>上部カラーを切り替え</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>下部カラーを切り替え</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>すべてオフ</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>バックライトをオフ</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>バックライトを一時停止</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>ライト記録</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>カスタム 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>カスタム 2</translation>
    </message>
</context>
<context>
    <name>DLightsConfigPage</name>
    <message>
        <source>Type:</source>
        <translation>タイプ：</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>明るさ：</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速度：</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>方向：</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>ライトモード</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>フルカラー</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>上部カラー</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>下部カラー</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>カスタムライト</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Login</source>
        <translation>ログイン</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Play Type</source>
        <translation>再生方法</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>1 回再生</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>押すたびに連続再生オン/オフ</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>複数回再生</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>キーを押している間再生</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>再生回数</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>再生回数 1、2、3…</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>マクロを割り当て</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>マクロ記録</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>マクログループ</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>遅延設定</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>遅延を記録</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>遅延なし</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>デフォルト遅延</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>記録開始</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>イベント一覧</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>記録はありません</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>イベントを挿入</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>後ろにイベントを挿入</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>前にイベントを挿入</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>イベント</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>キーボード</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>マウス</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>遅延</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>キーを入力してください</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>左クリック</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中クリック</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右クリック</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>遅延時間を入力してください</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>挿入</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>プロパティ</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>キー押下</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>マウス</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Tip: After the macro group recording is completed, please move to &quot;%1&quot; complete binding operation.</source>
        <extracomment>%1 is the page path &quot;Key Custom-&gt;Macro&quot;, built from the page names.</extracomment>
        <translation>ヒント：マクログループの記録が完了したら、「%1」に移動して割り当てを完了してください。</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>キーカスタマイズ</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>マクロ</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>新規作成</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上へ</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下へ</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>マクロを削除しました</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>マクロ名を入力してください</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>マクロ名を変更しました</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>マクロを追加しました</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>先にマクロを選択してください</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>マクロの記録をクリアしました</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>先に位置を選択してください</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>イベントの記録数が上限に達しました</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>挿入しました</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>変更しました</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>保存先フォルダー</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>先に保存先フォルダーを選択してください</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>マクロのエクスポートに失敗しました</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>マクロをエクスポートしました</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>マクロファイルを開く</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>マクロファイル(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>マクロのインポートに失敗しました</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>マクロをインポートしました</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>記録停止</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>マクロの記録を開始</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>マクロの記録を停止</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>マクロを削除できませんでした</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>マクロ名を変更できませんでした</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>マクロを追加できませんでした</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>マクロの記録をクリアできませんでした</translation>
    </message>
    <message>
        <source>Delete event failed</source>
        <translation>イベントを削除できませんでした</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>挿入できませんでした</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>変更できませんでした</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>移動できませんでした</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>マクロの記録を保存できませんでした</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Mouse Key</source>
        <translation>マウスキー</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>マウス左ボタン</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>マウス中ボタン</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>マウス右ボタン</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>進む</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>スナイパーキー</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>下にスクロール</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>上にスクロール</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Multimedia</source>
        <translation>マルチメディア</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>再生/一時停止</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>次の曲</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>前の曲</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>音量 +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>音量 -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>ミュート</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>プレーヤー</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>電卓</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>コンピューター</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>ブラウザー</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>画面の明るさ+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>画面の明るさ-</translation>
    </message>
</context>
<context>
    <name>DOnboardDownloader</name>
    <message>
        <source>Download config successful</source>
        <translation>設定を書き込みました</translation>
    </message>
    <message numerus="yes">
        <source>More than %n keys are bound to macros; the keyboard holds %n macros. Nothing was downloaded</source>
        <translation>
            <numerusform>マクロが割り当てられたキーが %n 個を超えています。キーボードに保存できるマクロは %n 個までです。何も書き込まれませんでした</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>More than %n keys are bound to advanced keys; the keyboard holds %n. Nothing was downloaded</source>
        <translation>
            <numerusform>アドバンスドキーが割り当てられたキーが %n 個を超えています。キーボードに保存できるのは %n 個までです。何も書き込まれませんでした</numerusform>
        </translation>
    </message>
    <message>
        <source>A download is already running</source>
        <translation>書き込みはすでに実行中です</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>設定の書き込みに失敗しました。もう一度お試しください</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Win ロックがオンの場合：</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Windows キーを無効化</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>SHIFT+TAB を無効化</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>ALT+TAB を無効化</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>ALT+F4 を無効化</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>ライトのスリープ：</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>キーボードのスリープ：</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>スリープしない</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>送信</translation>
    </message>
    <message>
        <source>GamePad Mode:</source>
        <translation>ゲームパッドモード：</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Xbox360</source>
        <translation>Xbox360</translation>
    </message>
    <message>
        <source>Classical</source>
        <translation>クラシック</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>キーボードのプロパティ</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>現在のプロファイルをリセット</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>新規作成</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>名前を変更</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Light Press</source>
        <translation>軽押し</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>強押し</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>デフォルト</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysBindingPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>アドバンスドキー</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>アドバンスドキー</translation>
    </message>
    <message>
        <source>DKS</source>
        <translation>DKS</translation>
    </message>
    <message>
        <source>MT</source>
        <translation>MT</translation>
    </message>
    <message>
        <source>TGL</source>
        <translation>TGL</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>新規作成</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>このキーには 2 つの機能があります。長押しで 1 つ、クリックでもう 1 つの機能が働きます。</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>長押し</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>クリック</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>長押し時間</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>このキーをクリックすると、連続トリガーのオン/オフを切り替えます。</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>アドバンスドキーはありません</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>単一キー</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>組み合わせキー</translation>
    </message>
    <message>
        <source>Tip: bind the advanced keys on the key page.</source>
        <translation>ヒント：アドバンスドキーはキーページで割り当ててください。</translation>
    </message>
    <message>
        <source>Tip: After the advanced key configuration is completed, please move to &quot;%1&quot; complete binding operation.</source>
        <extracomment>%1 is the page path &quot;Key Custom-&gt;Senior Keys&quot;, built from the page names.</extracomment>
        <translation>ヒント：アドバンスドキーの設定が完了したら、「%1」に移動して割り当てを完了してください。</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>キーカスタマイズ</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <extracomment>Advanced keys stored out of the most the store holds.</extracomment>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>アドバンスドキーの数が上限に達しました</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>アドバンスドキーを作成しました</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>アドバンスドキーを削除しました</translation>
    </message>
    <message>
        <source>%1ms</source>
        <extracomment>The hold duration of an MT key; %1 is a number of milliseconds.</extracomment>
        <translation>%1ms</translation>
    </message>
    <message>
        <source>Modify senior keys failed</source>
        <translation>アドバンスドキーを変更できませんでした</translation>
    </message>
    <message>
        <source>Create senior keys failed</source>
        <translation>アドバンスドキーを作成できませんでした</translation>
    </message>
    <message>
        <source>Delete senior keys failed</source>
        <translation>アドバンスドキーを削除できませんでした</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysRecordExplainDia</name>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration; 
When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>「単一キー」を選択した場合は、いずれかのキーをクリックするだけでキー設定が完了します。
「組み合わせキー」を選択した場合は、修飾キーを 1 つ以上と他のキーを 1 つ選択して組み合わせキーの入力を完了します（例：L_Shift+A、L_Shift+L_Ctrl+A）。</translation>
    </message>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration;</source>
        <translation>「単一キー」を選択した場合は、いずれかのキーをクリックするだけでキー設定が完了します。</translation>
    </message>
    <message>
        <source>When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>「組み合わせキー」を選択した場合は、修飾キーを 1 つ以上と他のキーを 1 つ選択して組み合わせキーの入力を完了します（例：L_Shift+A、L_Shift+L_Ctrl+A）。</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>このキーでは 4 つの機能を実現できます。押し込みの深さに応じて 1～4 個の機能を割り当てられます。</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>このキーには 2 つの機能があります。長押しで 1 つ、クリックでもう 1 つの機能が働きます。</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>このキーをクリックすると、連続トリガーのオン/オフを切り替えます。</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>背景画像</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>自動起動</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>システム起動時にアプリを起動（最小化）</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>起動時にトレイに格納</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>アップグレード</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>ファームウェアの更新を確認</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>ショップ</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>サポート</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>フィードバックを送信</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>アプリケーション</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>更新を確認</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>ブルー</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>ピンク</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</source>
        <translation>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</translation>
    </message>
</context>
<context>
    <name>DSideLightCustomEventPage</name>
    <message>
        <source>Atmosphere Light</source>
        <translation>アンビエントライト</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>すべてのライト</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>全体ライト</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>インタラクションライト</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>明るさ +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>明るさ -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>速度 +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>速度 -</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>フルカラーに切り替え</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>上部カラーを切り替え</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>下部カラーを切り替え</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>アンビエントライトをオフ</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>アンビエントライトを一時停止</translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>DKS アクションのトリガーポイント</translation>
    </message>
</context>
<context>
    <name>DTriggerSettingPage</name>
    <message>
        <source>Quick trigger</source>
        <translation>ラピッドトリガー</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>キーを押す・離す意図に合わせて、トリガーストロークとリセットストロークを調整できます。</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>個別感度</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>ラピッドトリガーの押下（トリガー）と解放（リセット）のストローク値を個別に設定できます。</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>押下/解放</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>押下</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>解放</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>チャタリング防止</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>ポーリングレート</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>キャリブレーションモードに入る</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>キャリブレーション開始</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>全キーキャリブレーション</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>強度トラッキング</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>感度をリセット</translation>
    </message>
    <message>
        <source>%1K</source>
        <extracomment>The report rate; %1 is a number of kilohertz.</extracomment>
        <translation>%1K</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>ストロークトラッキング</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>押下と解放の感度</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>キーキャリブレーションモード</translation>
    </message>
    <message>
        <source>Press(Trigger)</source>
        <translation>押下（トリガー）</translation>
    </message>
    <message>
        <source>Release(Reset)</source>
        <translation>解放（リセット）</translation>
    </message>
    <message>
        <source>Press(Trigger)/Release(Reset)</source>
        <translation>押下（トリガー）/解放（リセット）</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>ファームウェアの更新</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>ファームウェアの更新中はデバイスを取り外さないでください！</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>更新しました</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>更新に失敗しました</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>Virtual Keyboard</source>
        <translation>仮想キーボード</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation>ソフトウェアの終了</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>競合が発生したため、ソフトウェアを停止しました！</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>音量 +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>音量 -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>ミュート</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>再生/一時停止</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>次の曲</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>前の曲</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>プレーヤー</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>電卓</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>コンピューター</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>ブラウザー</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>画面の明るさ+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>画面の明るさ-</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>マウス左ボタン</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>マウス中ボタン</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>マウス右ボタン</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>上にスクロール</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>下にスクロール</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>進む</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>スナイパーキー</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>ウィンドウを閉じる</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>ウィンドウ切り替え</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>デスクトップを表示</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>マイコンピューター</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>PC をロック</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規作成</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>キーボードをロック</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Win ロック/解除</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Win をロック</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Win のロック解除</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>基本レイヤー</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN レイヤー</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1 レイヤー</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>バッテリー残量確認</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>USB に切り替え</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>2.4G に切り替え</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>Bluetooth 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>Bluetooth 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>Bluetooth 3</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>全体ライト</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>インタラクションライト</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>すべてのライト</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>常時点灯</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>明るさ +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>明るさ -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>速度 +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>速度 -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>方向 +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>方向 -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>方向ループ</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>フルカラーに切り替え</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>上部カラーを切り替え</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>下部カラーを切り替え</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>カスタム 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>カスタム 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>すべてオフ</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>バックライトをオフ</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>アンビエントライトをオフ</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>アンビエントライトを一時停止</translation>
    </message>
    <message>
        <source>X Axis Left</source>
        <translation>X 軸 左</translation>
    </message>
    <message>
        <source>X Axis Right</source>
        <translation>X 軸 右</translation>
    </message>
    <message>
        <source>Y Axis Up</source>
        <translation>Y 軸 上</translation>
    </message>
    <message>
        <source>Y Axis Down</source>
        <translation>Y 軸 下</translation>
    </message>
    <message>
        <source>Z Axis Forward</source>
        <translation>Z 軸 前</translation>
    </message>
    <message>
        <source>Z Axis Backward</source>
        <translation>Z 軸 後</translation>
    </message>
    <message>
        <source>Z Rotation Forward</source>
        <translation>Z 回転 前</translation>
    </message>
    <message>
        <source>Z Rotation Backward</source>
        <translation>Z 回転 後</translation>
    </message>
    <message>
        <source>X Rotation Left</source>
        <translation>X 回転 左</translation>
    </message>
    <message>
        <source>X Rotation Right</source>
        <translation>X 回転 右</translation>
    </message>
    <message>
        <source>Y Rotation Up</source>
        <translation>Y 回転 上</translation>
    </message>
    <message>
        <source>Y Rotation Down</source>
        <translation>Y 回転 下</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>スロットル</translation>
    </message>
    <message>
        <source>Elevator</source>
        <translation>エレベーター</translation>
    </message>
    <message>
        <source>Accelerator</source>
        <translation>アクセル</translation>
    </message>
    <message>
        <source>Rudder</source>
        <translation>ラダー</translation>
    </message>
    <message>
        <source>Trigger Button</source>
        <translation>トリガーボタン</translation>
    </message>
    <message>
        <source>Button 1</source>
        <translation>ボタン 1</translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation>ボタン 2</translation>
    </message>
    <message>
        <source>Button 3</source>
        <translation>ボタン 3</translation>
    </message>
    <message>
        <source>Button 4</source>
        <translation>ボタン 4</translation>
    </message>
    <message>
        <source>Button 5</source>
        <translation>ボタン 5</translation>
    </message>
    <message>
        <source>Button 6</source>
        <translation>ボタン 6</translation>
    </message>
    <message>
        <source>Button 7</source>
        <translation>ボタン 7</translation>
    </message>
    <message>
        <source>Button 8</source>
        <translation>ボタン 8</translation>
    </message>
    <message>
        <source>Button 9</source>
        <translation>ボタン 9</translation>
    </message>
    <message>
        <source>Button 10</source>
        <translation>ボタン 10</translation>
    </message>
    <message>
        <source>Button 11</source>
        <translation>ボタン 11</translation>
    </message>
    <message>
        <source>Button 12</source>
        <translation>ボタン 12</translation>
    </message>
    <message>
        <source>Arrow Up</source>
        <translation>十字キー 上</translation>
    </message>
    <message>
        <source>Arrow Down</source>
        <translation>十字キー 下</translation>
    </message>
    <message>
        <source>Arrow Left</source>
        <translation>十字キー 左</translation>
    </message>
    <message>
        <source>Arrow Right</source>
        <translation>十字キー 右</translation>
    </message>
    <message>
        <source>Left joystick Up</source>
        <translation>左スティック 上</translation>
    </message>
    <message>
        <source>Left joystick Down</source>
        <translation>左スティック 下</translation>
    </message>
    <message>
        <source>Left joystick Left</source>
        <translation>左スティック 左</translation>
    </message>
    <message>
        <source>Left joystick Right</source>
        <translation>左スティック 右</translation>
    </message>
    <message>
        <source>Right joystick Up</source>
        <translation>右スティック 上</translation>
    </message>
    <message>
        <source>Right joystick Down</source>
        <translation>右スティック 下</translation>
    </message>
    <message>
        <source>Right joystick Left</source>
        <translation>右スティック 左</translation>
    </message>
    <message>
        <source>Right joystick Right</source>
        <translation>右スティック 右</translation>
    </message>
    <message>
        <source>Left Trigger</source>
        <translation>左トリガー</translation>
    </message>
    <message>
        <source>Right Trigger</source>
        <translation>右トリガー</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>A ボタン</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>B ボタン</translation>
    </message>
    <message>
        <source>Button X</source>
        <translation>X ボタン</translation>
    </message>
    <message>
        <source>Button Y</source>
        <translation>Y ボタン</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>スタート</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>セレクト</translation>
    </message>
    <message>
        <source>Menu Button</source>
        <translation>メニューボタン</translation>
    </message>
    <message>
        <source>Left joystick Press</source>
        <translation>左スティック押し込み</translation>
    </message>
    <message>
        <source>Right joystick Press</source>
        <translation>右スティック押し込み</translation>
    </message>
    <message>
        <source>Left Bumper</source>
        <translation>左バンパー</translation>
    </message>
    <message>
        <source>Right Bumper</source>
        <translation>右バンパー</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>キーのリマップ</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>マクロ</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>組み合わせキー</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>マルチメディア</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>マウス</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>プロファイル切り替え</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>アプリケーションを起動</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>キー設定</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>アドバンスドキー</translation>
    </message>
    <message>
        <source>GamePad</source>
        <translation>ゲームパッド</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>キーボードライト</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>アンビエントライト</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>バックライトを一時停止</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>ライト記録</translation>
    </message>
    <message>
        <source>%1mm</source>
        <extracomment>Key travel in millimetres; %1 is the number with one decimal.</extracomment>
        <translation>%1mm</translation>
    </message>
    <message>
        <source>%1 MS</source>
        <extracomment>A macro delay; %1 is a number of milliseconds.</extracomment>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage; %1 is the number.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>GamePad Disable</source>
        <translation>ゲームパッド無効</translation>
    </message>
    <message>
        <source>GamePad Xbox360</source>
        <translation>ゲームパッド Xbox360</translation>
    </message>
    <message>
        <source>GamePad Classical</source>
        <translation>ゲームパッド クラシック</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>デフォルト</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>リマップ先のキー？</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>プロファイル指定</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>タイプ：</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>機能：</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>先にキーを 1 つ選択してください</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>操作が完了しました</translation>
    </message>
    <message>
        <source>Setting failed, the profile could not be written</source>
        <translation>設定に失敗しました。プロファイルを書き込めませんでした</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>テキストが空のため設定に失敗しました</translation>
    </message>
    <message>
        <source>The text is too long</source>
        <translation>テキストが長すぎます</translation>
    </message>
    <message>
        <source>The program path is too long</source>
        <translation>プログラムのパスが長すぎます</translation>
    </message>
    <message>
        <source>The macro is no longer stored</source>
        <translation>このマクロはもう保存されていません</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>入力するキー？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>アプリを選択</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>アプリの場所を選択してください</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>アプリケーションを選択</translation>
    </message>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>アプリケーション (*.desktop)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>テキストを入力…</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>マウスキー</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>軽押し</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>強押し</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>仮想キーボード</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>韓/英</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中国語</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>デバイス一覧</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>デバイスが接続されていません</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>キーカスタマイズ</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>トリガー設定</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>ライト設定</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>パフォーマンス</translation>
    </message>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>キーをキャリブレーション中です。しばらくお待ちください</translation>
    </message>
    <message>
        <source>The keyboard is busy, please try again</source>
        <translation>キーボードがビジー状態です。もう一度お試しください</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>ライトのスリープ時間はキーボードのスリープ時間より長くできません</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>キーボードのスリープ時間が短すぎます</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>スリープ時間の設定に失敗しました</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>スリープ時間を設定しました</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Note that the device will restart!</source>
        <translation>デバイスが再起動しますのでご注意ください！</translation>
    </message>
    <message>
        <source>Keyboard not accessible</source>
        <translation>キーボードにアクセスできません</translation>
    </message>
    <message>
        <source>A keyboard is connected, but this user is not allowed to open it. Install the program&apos;s device rule (70-lumtar.rules) and plug the keyboard in again.</source>
        <translation>キーボードは接続されていますが、このユーザーには開く権限がありません。本プログラムのデバイスルール (70-lumtar.rules) をインストールし、キーボードを接続し直してください。</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>デバイスはオフラインです</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>デバイスがオンになりました</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>操作に失敗しました</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>先にキーキャリブレーションモードに切り替えてください</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>キーのキャリブレーションに成功しました</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>キーのキャリブレーション実行中</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>キーのキャリブレーションに失敗しました</translation>
    </message>
    <message>
        <source>Failed to open the device, please try again</source>
        <translation>デバイスを開けませんでした。もう一度お試しください</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>プロファイル数が上限に達しました</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>作成に失敗しました。インデックスノードがすでに存在します。確認してください</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>プロファイルの作成に失敗しました</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>プロファイルを作成しました</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>プロファイルは少なくとも 1 つ必要です</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>プロファイルの削除に失敗しました</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>プロファイルを削除しました</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>保存先フォルダー</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>先に保存先フォルダーを選択してください</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>このインデックスノードは存在しません</translation>
    </message>
    <message>
        <source>Export profile failed, the file path is too long</source>
        <translation>プロファイルのエクスポートに失敗しました。ファイルパスが長すぎます</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>プロファイルのエクスポートに失敗しました</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>プロファイルをエクスポートしました</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>プロファイルファイルを開く</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>プロファイルファイル(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>先にインポートするファイルを選択してください</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>プロファイルのインポートに失敗しました</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>プロファイルをインポートしました</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>プロファイル名を入力してください</translation>
    </message>
    <message>
        <source>Profile name is too long</source>
        <translation>プロファイル名が長すぎます</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>プロファイル情報の変更に失敗しました</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>プロファイル情報を変更しました</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>現在のプロファイルをリセットしますか？</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...(Please press all keys)</source>
        <translation>全キーキャリブレーション実行中…（すべてのキーを押してください）</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>新規作成</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>名前を変更</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>明るさ：</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速度：</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>方向：</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>フルカラー</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>上部カラー</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>下部カラー</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>カスタムライト</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>キーボード/アンビエント</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>カスタムライト名を入力してください</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>カスタムライト名を変更しました</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>このデバイスにはアンビエントライトがありません</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>ブリージング</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>ウェーブ</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>ネオン</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>レーダー</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>スネーク</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>リアクティブ</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>オーロラ</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>リップル</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>トゥインクル</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>クロス</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>スピード反応</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>オートリップル</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>ストライプ</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>花火</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>ミュージックリズム</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>コリジョン</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>有効にすると、キーを完全に離したときにのみラピッドトリガーが終了します。</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>無効にすると、キーを離してスイッチがトリガーストロークまで戻った時点でラピッドトリガーが終了します。</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>トリガーに必要なキーの長押し時間を設定します。</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>全キーキャリブレーションを有効にしたら、すべてのキーを押してキャリブレーションを完了してください。</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <extracomment>Shown alone in Japanese, where it holds all five steps, one per line.</extracomment>
        <translation>1. 先にキーキャリブレーションモードに入る</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2. キーを 1 つ選択する</translation>
    </message>
    <message>
        <source>3.Clicked &quot;Start calibration&quot;;</source>
        <translation>3.「キャリブレーション開始」をクリックする</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4. 選択したキーを押す</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5. キーキャリブレーションの結果が返される</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Win ロックがオンの場合：</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Windows キーを無効化</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>SHIFT+TAB を無効化</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>ALT+TAB を無効化</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>ALT+F4 を無効化</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>ライトのスリープ：</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>キーボードのスリープ：</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>送信</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>現在のプロファイルをリセット</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>キーボードのプロパティ</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>スリープしない</translation>
    </message>
    <message>
        <source>GamePad:</source>
        <translation>ゲームパッド：</translation>
    </message>
    <message>
        <source>The device service could not be started, no keyboard can be found. Please restart the program.</source>
        <translation>デバイスサービスを開始できず、キーボードが見つかりません。プログラムを再起動してください。</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>最小化(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>最大化(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>元に戻す(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>背景画像</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>自動起動</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>システム起動時にアプリを起動（最小化）</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>起動時にトレイに格納</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>アップグレード</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>ファームウェアの更新を確認</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>アップグレード可能なデバイスが見つかりません</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>設定しました</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>設定に失敗しました</translation>
    </message>
    <message>
        <source>(OffLine)</source>
        <translation>(未接続)</translation>
    </message>
    <message>
        <source>(USB)</source>
        <translation>(USB)</translation>
    </message>
    <message>
        <source>(2.4G)</source>
        <translation>(2.4G)</translation>
    </message>
    <message>
        <source>Yen</source>
        <translation>Yen</translation>
    </message>
    <message>
        <source>ISO \|</source>
        <translation>ISO \|</translation>
    </message>
    <message>
        <source>Ro</source>
        <translation>Ro</translation>
    </message>
    <message>
        <source>Muhen­kan</source>
        <translation>Muhen­kan</translation>
    </message>
    <message>
        <source>Henkan</source>
        <translation>Henkan</translation>
    </message>
    <message>
        <source>Kana</source>
        <translation>Kana</translation>
    </message>
    <message>
        <source>The macro could not be updated in every profile, please try again</source>
        <translation>すべてのプロファイルでマクロを更新できませんでした。もう一度お試しください</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>製品名：</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>現行バージョン：</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>進行状況：</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>新バージョン：</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>完了</translation>
    </message>
</context>
<context>
    <name>keySelectFrame</name>
    <message>
        <source>Cannot remapped</source>
        <translation>リマップできません</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>名前を変更</translation>
    </message>
</context>
</TS>
