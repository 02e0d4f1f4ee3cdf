<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>Key Combination</source>
        <translation>組合鍵</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>一般按鍵</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>特殊按鍵</translation>
    </message>
</context>
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Left Click</source>
        <translation>左鍵點擊</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中鍵點擊</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右鍵點擊</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Assign Profile</source>
        <translation>指定設定檔</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Light Press</source>
        <translation>輕按</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>重按</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>按鍵重新指派</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>要改為哪個鍵？</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>類型：</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>功能：</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>按鍵</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>預設層</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN 層</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>寫入</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>Device List</source>
        <translation>裝置清單</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>裝置未連線</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>韌體資訊</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Shortcuts</source>
        <translation>快速鍵</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>顯示桌面</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>關閉視窗</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>鎖定電腦</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>我的電腦</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼上</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>尋找</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪下</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新增</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Light Press</source>
        <translation>輕按</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>重按</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>組合鍵</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>要輸入哪個鍵？</translation>
    </message>
</context>
<context>
    <name>DKeyConfigFunctionPage</name>
    <message>
        <source>Key Config</source>
        <translation>按鍵設定</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>鎖定/解鎖 Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>鎖定 Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>解鎖 Win</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>鎖定鍵盤</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>電量查詢</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>預設層</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN 層</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1 層</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>切換至 USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>切換至 2.4G</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>藍牙 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>藍牙 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>藍牙 3</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Disable</source>
        <translation>停用</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Select App</source>
        <translation>選擇應用程式</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>請選擇應用程式所在的路徑</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>選擇應用程式</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>輸入文字…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DKeyboardLightCustomEventPage</name>
    <message>
        <source>Keyboard Light</source>
        <translation>鍵盤燈</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>整體燈效</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>互動燈效</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>全部燈光</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>恆亮</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>亮度 +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>亮度 -</translation>
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
        <translation>方向循環</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>切換為全彩</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>切換上層顏色</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>切換下層顏色</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>全部關閉</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>關閉背光</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>暫停背光</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>燈效錄製</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>自訂 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>自訂 2</translation>
    </message>
</context>
<context>
    <name>DLightsConfigPage</name>
    <message>
        <source>Type:</source>
        <translation>類型：</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>亮度：</translation>
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
        <translation>燈效模式</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>全彩</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>上層顏色</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>下層顏色</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>自訂燈效</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Login</source>
        <translation>登入</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Play Type</source>
        <translation>播放方式</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>播放一次</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>按鍵開關循環播放</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>播放多次</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>按住按鍵時播放</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>播放次數</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>播放次數 1、2、3…</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>指定巨集</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>巨集錄製</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>巨集群組</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>延遲設定</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>錄製延遲</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>無延遲</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>預設延遲</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>毫秒</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>開始錄製</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>事件清單</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>尚無錄製內容</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>插入事件</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>在後方插入事件</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>在前方插入事件</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>鍵盤事件</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>滑鼠事件</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>延遲</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>請輸入按鍵</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>左鍵點擊</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中鍵點擊</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右鍵點擊</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>請輸入延遲數值</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>插入</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>屬性</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>按鍵</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>滑鼠</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Tip: After the macro group recording is completed, please move to &quot;%1&quot; complete binding operation.</source>
        <extracomment>%1 is the page path &quot;Key Custom-&gt;Macro&quot;, built from the page names.</extracomment>
        <translation>提示：巨集群組錄製完成後，請前往「%1」完成綁定操作。</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>按鍵自訂</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>巨集</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>匯入</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>已刪除巨集</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>巨集名稱不可為空白</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>已修改巨集名稱</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>已新增巨集</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>請先選擇一個巨集</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>已清除巨集錄製內容</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>請先選擇具體位置</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>事件記錄已達上限</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>插入成功</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>修改成功</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>儲存資料夾</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>請先選擇儲存資料夾</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>匯出巨集失敗</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>匯出巨集成功</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>開啟巨集檔案</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>巨集檔案(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>匯入巨集失敗</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>匯入巨集成功</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>停止錄製</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>開始錄製巨集</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>停止錄製巨集</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>刪除巨集失敗</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>修改巨集名稱失敗</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>新增巨集失敗</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>清除巨集錄製內容失敗</translation>
    </message>
    <message>
        <source>Delete event failed</source>
        <translation>刪除事件失敗</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>插入失敗</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>修改失敗</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>移動失敗</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>儲存巨集錄製內容失敗</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Mouse Key</source>
        <translation>滑鼠按鍵</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>滑鼠左鍵</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>滑鼠中鍵</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>滑鼠右鍵</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>後退</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前進</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>狙擊鍵</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>向下捲動</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>向上捲動</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Multimedia</source>
        <translation>多媒體</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暫停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>下一首</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>上一首</translation>
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
        <translation>靜音</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>播放器</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>計算機</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>電腦</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>電子郵件</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>瀏覽器</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>螢幕亮度+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>螢幕亮度-</translation>
    </message>
</context>
<context>
    <name>DOnboardDownloader</name>
    <message>
        <source>Download config successful</source>
        <translation>設定已寫入鍵盤</translation>
    </message>
    <message numerus="yes">
        <source>More than %n keys are bound to macros; the keyboard holds %n macros. Nothing was downloaded</source>
        <translation>
            <numerusform>有超過 %n 個按鍵綁定了巨集，但鍵盤最多只能儲存 %n 個巨集。未寫入任何內容</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>More than %n keys are bound to advanced keys; the keyboard holds %n. Nothing was downloaded</source>
        <translation>
            <numerusform>有超過 %n 個按鍵綁定了進階按鍵，但鍵盤最多只能儲存 %n 個。未寫入任何內容</numerusform>
        </translation>
    </message>
    <message>
        <source>A download is already running</source>
        <translation>正在寫入中</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>設定寫入失敗，請再試一次</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Win 鎖定開啟時：</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>停用 Windows 鍵</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>停用 SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>停用 ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>停用 ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>燈光休眠時間：</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>鍵盤休眠時間：</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>分鐘</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>禁止休眠</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>送出</translation>
    </message>
    <message>
        <source>GamePad Mode:</source>
        <translation>手把模式：</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>停用</translation>
    </message>
    <message>
        <source>Xbox360</source>
        <translation>Xbox360</translation>
    </message>
    <message>
        <source>Classical</source>
        <translation>經典</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>鍵盤屬性</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>重置目前設定檔</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>匯入</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>重新命名</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Light Press</source>
        <translation>輕按</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>重按</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>預設</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysBindingPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>進階按鍵</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>進階按鍵</translation>
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
        <translation>新增</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>此按鍵有兩種功能：按住觸發一種，點擊觸發另一種。</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>按住</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>點擊</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>按住時間</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>點擊此按鍵可開啟或關閉連續觸發。</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>尚無進階按鍵</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>單鍵</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>組合鍵</translation>
    </message>
    <message>
        <source>Tip: bind the advanced keys on the key page.</source>
        <translation>提示：請在按鍵頁面綁定進階按鍵。</translation>
    </message>
    <message>
        <source>Tip: After the advanced key configuration is completed, please move to &quot;%1&quot; complete binding operation.</source>
        <extracomment>%1 is the page path &quot;Key Custom-&gt;Senior Keys&quot;, built from the page names.</extracomment>
        <translation>提示：進階按鍵設定完成後，請前往「%1」完成綁定操作。</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>按鍵自訂</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <extracomment>Advanced keys stored out of the most the store holds.</extracomment>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>進階按鍵數量已達上限</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>進階按鍵建立成功</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>進階按鍵刪除成功</translation>
    </message>
    <message>
        <source>%1ms</source>
        <extracomment>The hold duration of an MT key; %1 is a number of milliseconds.</extracomment>
        <translation>%1 毫秒</translation>
    </message>
    <message>
        <source>Modify senior keys failed</source>
        <translation>進階按鍵修改失敗</translation>
    </message>
    <message>
        <source>Create senior keys failed</source>
        <translation>進階按鍵建立失敗</translation>
    </message>
    <message>
        <source>Delete senior keys failed</source>
        <translation>進階按鍵刪除失敗</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysRecordExplainDia</name>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration; 
When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>選擇「單鍵」時，只需點擊某個按鍵即可完成按鍵設定；
選擇「組合鍵」時，需至少選擇一個組合鍵和一個其他按鍵才能完成組合鍵的輸入，例如 L_Shift+A 或 L_Shift+L_Ctrl+A；</translation>
    </message>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration;</source>
        <translation>選擇「單鍵」時，只需點擊某個按鍵即可完成按鍵設定；</translation>
    </message>
    <message>
        <source>When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>選擇「組合鍵」時，需至少選擇一個組合鍵和一個其他按鍵才能完成組合鍵的輸入，例如 L_Shift+A 或 L_Shift+L_Ctrl+A；</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>此按鍵可實現四種功能：依四種不同的按壓深度，可綁定 1 至 4 個功能。</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>此按鍵有兩種功能：按住觸發一種，點擊觸發另一種。</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>點擊此按鍵可開啟或關閉連續觸發。</translation>
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
        <translation>關於</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主題</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>背景圖片</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>開機自動啟動</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>系統啟動時自動執行（最小化）</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>啟動時最小化至系統匣</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升級</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>檢查韌體升級</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>商店</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>支援</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>意見回饋</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>應用軟體</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>檢查更新</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>淺色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>藍色</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>粉紅色</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
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
        <translation>氛圍燈</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>全部燈光</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>整體燈效</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>互動燈效</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>亮度 +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>亮度 -</translation>
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
        <translation>切換為全彩</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>切換上層顏色</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>切換下層顏色</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>關閉氛圍燈</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>暫停氛圍燈</translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>DKS 動作的觸發點</translation>
    </message>
</context>
<context>
    <name>DTriggerSettingPage</name>
    <message>
        <source>Quick trigger</source>
        <translation>快速觸發</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>依照按下或放開按鍵的意圖，自訂調整觸發行程與重置行程。</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>分離靈敏度</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>可分別設定快速觸發時按下（觸發）與放開（重置）的行程值。</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>按下/放開</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>按下</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>放開</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>按鍵防彈跳</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>回報率</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>進入校正模式</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>開始校正</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>全鍵校正</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>力度追蹤</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>重置靈敏度</translation>
    </message>
    <message>
        <source>%1K</source>
        <extracomment>The report rate; %1 is a number of kilohertz.</extracomment>
        <translation>%1K</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>行程追蹤</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>按下與放開靈敏度</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>按鍵校正模式</translation>
    </message>
    <message>
        <source>Press(Trigger)</source>
        <translation>按下（觸發）</translation>
    </message>
    <message>
        <source>Release(Reset)</source>
        <translation>放開（重置）</translation>
    </message>
    <message>
        <source>Press(Trigger)/Release(Reset)</source>
        <translation>按下（觸發）/放開（重置）</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>更新韌體</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>韌體更新期間，請勿拔除裝置！</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>更新成功</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>更新失敗</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>Virtual Keyboard</source>
        <translation>虛擬鍵盤</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation>軟體結束</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>發生衝突，軟體已停止執行！</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>未知</translation>
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
        <translation>靜音</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暫停</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>下一首</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>上一首</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>播放器</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>計算機</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>電腦</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>瀏覽器</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>電子郵件</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>螢幕亮度+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>螢幕亮度-</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>滑鼠左鍵</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>滑鼠中鍵</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>滑鼠右鍵</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>向上捲動</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>向下捲動</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前進</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>後退</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>狙擊鍵</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>關閉視窗</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>切換視窗</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>顯示桌面</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>我的電腦</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>鎖定電腦</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪下</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼上</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>尋找</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>鎖定鍵盤</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>鎖定/解鎖 Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>鎖定 Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>解鎖 Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>預設層</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN 層</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1 層</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>電量查詢</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>切換至 USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>切換至 2.4G</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>藍牙 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>藍牙 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>藍牙 3</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>整體燈效</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>互動燈效</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>全部燈光</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>恆亮</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>亮度 +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>亮度 -</translation>
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
        <translation>方向循環</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>切換為全彩</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>切換上層顏色</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>切換下層顏色</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>自訂 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>自訂 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>全部關閉</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>關閉背光</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>關閉氛圍燈</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>暫停氛圍燈</translation>
    </message>
    <message>
        <source>X Axis Left</source>
        <translation>X 軸向左</translation>
    </message>
    <message>
        <source>X Axis Right</source>
        <translation>X 軸向右</translation>
    </message>
    <message>
        <source>Y Axis Up</source>
        <translation>Y 軸向上</translation>
    </message>
    <message>
        <source>Y Axis Down</source>
        <translation>Y 軸向下</translation>
    </message>
    <message>
        <source>Z Axis Forward</source>
        <translation>Z 軸向前</translation>
    </message>
    <message>
        <source>Z Axis Backward</source>
        <translation>Z 軸向後</translation>
    </message>
    <message>
        <source>Z Rotation Forward</source>
        <translation>Z 旋轉向前</translation>
    </message>
    <message>
        <source>Z Rotation Backward</source>
        <translation>Z 旋轉向後</translation>
    </message>
    <message>
        <source>X Rotation Left</source>
        <translation>X 旋轉向左</translation>
    </message>
    <message>
        <source>X Rotation Right</source>
        <translation>X 旋轉向右</translation>
    </message>
    <message>
        <source>Y Rotation Up</source>
        <translation>Y 旋轉向上</translation>
    </message>
    <message>
        <source>Y Rotation Down</source>
        <translation>Y 旋轉向下</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>油門</translation>
    </message>
    <message>
        <source>Elevator</source>
        <translation>升降舵</translation>
    </message>
    <message>
        <source>Accelerator</source>
        <translation>加速器</translation>
    </message>
    <message>
        <source>Rudder</source>
        <translation>方向舵</translation>
    </message>
    <message>
        <source>Trigger Button</source>
        <translation>扳機鍵</translation>
    </message>
    <message>
        <source>Button 1</source>
        <translation>按鈕 1</translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation>按鈕 2</translation>
    </message>
    <message>
        <source>Button 3</source>
        <translation>按鈕 3</translation>
    </message>
    <message>
        <source>Button 4</source>
        <translation>按鈕 4</translation>
    </message>
    <message>
        <source>Button 5</source>
        <translation>按鈕 5</translation>
    </message>
    <message>
        <source>Button 6</source>
        <translation>按鈕 6</translation>
    </message>
    <message>
        <source>Button 7</source>
        <translation>按鈕 7</translation>
    </message>
    <message>
        <source>Button 8</source>
        <translation>按鈕 8</translation>
    </message>
    <message>
        <source>Button 9</source>
        <translation>按鈕 9</translation>
    </message>
    <message>
        <source>Button 10</source>
        <translation>按鈕 10</translation>
    </message>
    <message>
        <source>Button 11</source>
        <translation>按鈕 11</translation>
    </message>
    <message>
        <source>Button 12</source>
        <translation>按鈕 12</translation>
    </message>
    <message>
        <source>Arrow Up</source>
        <translation>方向鍵上</translation>
    </message>
    <message>
        <source>Arrow Down</source>
        <translation>方向鍵下</translation>
    </message>
    <message>
        <source>Arrow Left</source>
        <translation>方向鍵左</translation>
    </message>
    <message>
        <source>Arrow Right</source>
        <translation>方向鍵右</translation>
    </message>
    <message>
        <source>Left joystick Up</source>
        <translation>左搖桿上</translation>
    </message>
    <message>
        <source>Left joystick Down</source>
        <translation>左搖桿下</translation>
    </message>
    <message>
        <source>Left joystick Left</source>
        <translation>左搖桿左</translation>
    </message>
    <message>
        <source>Left joystick Right</source>
        <translation>左搖桿右</translation>
    </message>
    <message>
        <source>Right joystick Up</source>
        <translation>右搖桿上</translation>
    </message>
    <message>
        <source>Right joystick Down</source>
        <translation>右搖桿下</translation>
    </message>
    <message>
        <source>Right joystick Left</source>
        <translation>右搖桿左</translation>
    </message>
    <message>
        <source>Right joystick Right</source>
        <translation>右搖桿右</translation>
    </message>
    <message>
        <source>Left Trigger</source>
        <translation>左扳機</translation>
    </message>
    <message>
        <source>Right Trigger</source>
        <translation>右扳機</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>A 按鈕</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>B 按鈕</translation>
    </message>
    <message>
        <source>Button X</source>
        <translation>X 按鈕</translation>
    </message>
    <message>
        <source>Button Y</source>
        <translation>Y 按鈕</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選擇</translation>
    </message>
    <message>
        <source>Menu Button</source>
        <translation>選單按鈕</translation>
    </message>
    <message>
        <source>Left joystick Press</source>
        <translation>左搖桿按下</translation>
    </message>
    <message>
        <source>Right joystick Press</source>
        <translation>右搖桿按下</translation>
    </message>
    <message>
        <source>Left Bumper</source>
        <translation>左肩鍵</translation>
    </message>
    <message>
        <source>Right Bumper</source>
        <translation>右肩鍵</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>按鍵重新指派</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>巨集</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>組合鍵</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>多媒體</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>滑鼠</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>停用</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>切換設定檔</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>啟動應用程式</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>快速鍵</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>按鍵設定</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>進階按鍵</translation>
    </message>
    <message>
        <source>GamePad</source>
        <translation>手把</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>鍵盤燈</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>氛圍燈</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>暫停背光</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>燈效錄製</translation>
    </message>
    <message>
        <source>%1mm</source>
        <extracomment>Key travel in millimetres; %1 is the number with one decimal.</extracomment>
        <translation>%1mm</translation>
    </message>
    <message>
        <source>%1 MS</source>
        <extracomment>A macro delay; %1 is a number of milliseconds.</extracomment>
        <translation>%1 毫秒</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage; %1 is the number.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>GamePad Disable</source>
        <translation>停用手把</translation>
    </message>
    <message>
        <source>GamePad Xbox360</source>
        <translation>手把 Xbox360</translation>
    </message>
    <message>
        <source>GamePad Classical</source>
        <translation>手把 經典</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>預設</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>要改為哪個鍵？</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>指定設定檔</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>寫入</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>類型：</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>功能：</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>按鍵</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>請先選擇一個按鍵</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>操作成功</translation>
    </message>
    <message>
        <source>Setting failed, the profile could not be written</source>
        <translation>設定失敗，無法寫入設定檔</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>設定失敗，文字為空白</translation>
    </message>
    <message>
        <source>The text is too long</source>
        <translation>文字過長</translation>
    </message>
    <message>
        <source>The program path is too long</source>
        <translation>程式路徑過長</translation>
    </message>
    <message>
        <source>The macro is no longer stored</source>
        <translation>此巨集已不存在</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>要輸入哪個鍵？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>選擇應用程式</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>請選擇應用程式所在的路徑</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>選擇應用程式</translation>
    </message>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>應用程式 (*.desktop)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有檔案 (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>輸入文字…</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>滑鼠按鍵</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>輕按</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>重按</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>虛擬鍵盤</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>韓/英</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>裝置清單</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>裝置未連線</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>按鍵自訂</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>觸發設定</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>燈效設定</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>效能</translation>
    </message>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>正在校正按鍵，請稍候</translation>
    </message>
    <message>
        <source>The keyboard is busy, please try again</source>
        <translation>鍵盤忙碌中，請再試一次</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>燈光休眠時間不可長於鍵盤休眠時間</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>鍵盤休眠時間過短</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>休眠時間設定失敗</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>已設定休眠時間</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Note that the device will restart!</source>
        <translation>請注意，裝置將會重新啟動！</translation>
    </message>
    <message>
        <source>Keyboard not accessible</source>
        <translation>無法存取鍵盤</translation>
    </message>
    <message>
        <source>A keyboard is connected, but this user is not allowed to open it. Install the program&apos;s device rule (70-lumtar.rules) and plug the keyboard in again.</source>
        <translation>已連接鍵盤，但目前使用者無權開啟。請安裝本程式的裝置規則 (70-lumtar.rules)，然後重新插入鍵盤。</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>裝置已離線</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>裝置已開啟</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>操作失敗</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>請先切換至按鍵校正模式</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>按鍵校正成功</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>按鍵校正進行中</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>按鍵校正失敗</translation>
    </message>
    <message>
        <source>Failed to open the device, please try again</source>
        <translation>無法開啟裝置，請再試一次</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>設定檔數量已達上限</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>建立失敗，索引節點已存在，請檢查</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>建立設定檔失敗</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>建立設定檔成功</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>至少需保留一個設定檔</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>刪除設定檔失敗</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>刪除設定檔成功</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>儲存資料夾</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>請先選擇儲存資料夾</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>此索引節點不存在</translation>
    </message>
    <message>
        <source>Export profile failed, the file path is too long</source>
        <translation>匯出設定檔失敗，檔案路徑過長</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>匯出設定檔失敗</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>匯出設定檔成功</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>開啟設定檔檔案</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>設定檔檔案(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>請先選擇要匯入的檔案</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>匯入設定檔失敗</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>匯入設定檔成功</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>設定檔名稱不可為空白</translation>
    </message>
    <message>
        <source>Profile name is too long</source>
        <translation>設定檔名稱過長</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>修改設定檔資訊失敗</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>修改設定檔資訊成功</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>確定要重置目前的設定檔嗎？</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...(Please press all keys)</source>
        <translation>正在進行全鍵校正…（請按下所有按鍵）</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>匯入</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>重新命名</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>亮度：</translation>
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
        <translation>全彩</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>上層顏色</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>下層顏色</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>自訂燈效</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>鍵盤/氛圍燈</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>自訂燈效名稱不可為空白</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>已修改自訂燈效名稱</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>此裝置沒有氛圍燈</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>呼吸</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>波浪</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>霓虹</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>雷達</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>貪食蛇</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>按鍵回應</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>極光</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>漣漪</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>閃爍</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自訂</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>十字</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>速度回應</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>自動漣漪</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>條紋</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>煙火</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>音樂律動</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>碰撞</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>啟用後，只有完全放開按鍵時，快速觸發才會結束。</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>停用後，放開按鍵時，軸體回到觸發行程即結束快速觸發。</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>設定觸發所需的按鍵按住時間。</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>啟用全鍵校正後，請按下所有按鍵以完成校正。</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <extracomment>Shown alone in Japanese, where it holds all five steps, one per line.</extracomment>
        <translation>1. 先進入按鍵校正模式；</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2. 選擇一個按鍵；</translation>
    </message>
    <message>
        <source>3.Clicked &quot;Start calibration&quot;;</source>
        <translation>3. 點擊「開始校正」；</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4. 按下所選按鍵；</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5. 傳回按鍵校正結果；</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Win 鎖定開啟時：</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>停用 Windows 鍵</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>停用 SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>停用 ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>停用 ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>燈光休眠時間：</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>鍵盤休眠時間：</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>分鐘</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>送出</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>重置目前設定檔</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>鍵盤屬性</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>禁止休眠</translation>
    </message>
    <message>
        <source>GamePad:</source>
        <translation>手把：</translation>
    </message>
    <message>
        <source>The device service could not be started, no keyboard can be found. Please restart the program.</source>
        <translation>無法啟動裝置服務，找不到鍵盤。請重新啟動程式。</translation>
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
        <translation>還原(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>結束(&amp;Q)</translation>
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
        <translation>關於</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主題</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>背景圖片</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>開機自動啟動</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>系統啟動時自動執行（最小化）</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>啟動時最小化至系統匣</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升級</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>檢查韌體升級</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>找不到可升級的裝置</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>設定成功</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>設定失敗</translation>
    </message>
    <message>
        <source>(OffLine)</source>
        <translation>(離線)</translation>
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
        <translation>無法在所有設定檔中更新巨集，請再試一次</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>產品名稱：</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>目前版本：</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>更新進度：</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>新版本：</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>keySelectFrame</name>
    <message>
        <source>Cannot remapped</source>
        <translation>無法重新指派</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>重新命名</translation>
    </message>
</context>
</TS>
