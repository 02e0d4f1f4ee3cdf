<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>Key Combination</source>
        <translation>组合键</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>常规按键</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>特殊按键</translation>
    </message>
</context>
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Left Click</source>
        <translation>左键单击</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中键单击</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右键单击</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Assign Profile</source>
        <translation>指定配置文件</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Light Press</source>
        <translation>轻按</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>重按</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>改键</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>改为哪个键？</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>类型：</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>功能：</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>默认层</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN 层</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>写入</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>Device List</source>
        <translation>设备列表</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>设备未连接</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>固件信息</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Shortcuts</source>
        <translation>快捷键</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>显示桌面</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>关闭窗口</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>锁定计算机</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>我的电脑</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Light Press</source>
        <translation>轻按</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>重按</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>组合键</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>输入哪个键？</translation>
    </message>
</context>
<context>
    <name>DKeyConfigFunctionPage</name>
    <message>
        <source>Key Config</source>
        <translation>按键配置</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>锁定/解锁 Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>锁定 Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>解锁 Win</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>锁定键盘</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>电量查询</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>默认层</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN 层</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1 层</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>切换到 USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>切换到 2.4G</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>蓝牙 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>蓝牙 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>蓝牙 3</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>选择应用</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>请选择应用程序所在的路径</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>选择应用程序</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>输入文本…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>键盘灯</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>整体灯效</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>互动灯效</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>全部灯光</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>常亮</translation>
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
        <translation>方向循环</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>切换为全彩</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>切换上层颜色</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>切换下层颜色</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>全部关闭</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>关闭背光</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>暂停背光</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>灯效录制</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>自定义 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>自定义 2</translation>
    </message>
</context>
<context>
    <name>DLightsConfigPage</name>
    <message>
        <source>Type:</source>
        <translation>类型：</translation>
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
        <translation>灯效模式</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>全彩</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>上层颜色</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>下层颜色</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>自定义灯效</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Login</source>
        <translation>登录</translation>
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
        <translation>按键开关循环播放</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>播放多次</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>按住按键时播放</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>播放次数</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>播放次数 1、2、3…</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>指定宏</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>宏录制</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>宏组</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>延时设置</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>录制延时</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>无延时</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>默认延时</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>毫秒</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>开始录制</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>事件列表</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>录制为空</translation>
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
        <translation>在后面插入事件</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>在前面插入事件</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>键盘事件</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>鼠标事件</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>延时</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>请输入按键</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>左键单击</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>中键单击</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>右键单击</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>请输入延时数值</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>插入</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>鼠标</translation>
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
        <translation>提示：宏组录制完成后，请前往“%1”完成绑定操作。</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>按键自定义</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>宏</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
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
        <translation>宏已删除</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>宏名称不能为空</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>宏名称已修改</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>宏已添加</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>请先选择一个宏</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>宏录制内容已清空</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>请先选择具体位置</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>事件记录已达上限</translation>
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
        <translation>保存目录</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>请先选择保存目录</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>导出宏失败</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>导出宏成功</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>打开宏文件</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>宏文件(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>导入宏失败</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>导入宏成功</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>停止录制</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>开始录制宏</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>停止录制宏</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>删除宏失败</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>修改宏名称失败</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>添加宏失败</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>清空宏录制内容失败</translation>
    </message>
    <message>
        <source>Delete event failed</source>
        <translation>删除事件失败</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>插入失败</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>修改失败</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>移动失败</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>保存宏录制内容失败</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Mouse Key</source>
        <translation>鼠标按键</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>鼠标左键</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>鼠标中键</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>鼠标右键</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>狙击键</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>向下滚动</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>向上滚动</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Multimedia</source>
        <translation>多媒体</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暂停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>下一曲</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>上一曲</translation>
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
        <translation>静音</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>播放器</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>计算器</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>计算机</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>电子邮件</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>浏览器</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>屏幕亮度+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>屏幕亮度-</translation>
    </message>
</context>
<context>
    <name>DOnboardDownloader</name>
    <message>
        <source>Download config successful</source>
        <translation>配置写入成功</translation>
    </message>
    <message numerus="yes">
        <source>More than %n keys are bound to macros; the keyboard holds %n macros. Nothing was downloaded</source>
        <translation>
            <numerusform>有超过 %n 个按键绑定了宏，而键盘最多只能保存 %n 个宏。未写入任何内容</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>More than %n keys are bound to advanced keys; the keyboard holds %n. Nothing was downloaded</source>
        <translation>
            <numerusform>有超过 %n 个按键绑定了高级键，而键盘最多只能保存 %n 个。未写入任何内容</numerusform>
        </translation>
    </message>
    <message>
        <source>A download is already running</source>
        <translation>正在写入中</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>配置写入失败，请重试</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Win 锁定开启时：</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>禁用 Windows 键</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>禁用 SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>禁用 ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>禁用 ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>灯光休眠时间：</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>键盘休眠时间：</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>禁止休眠</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>提交</translation>
    </message>
    <message>
        <source>GamePad Mode:</source>
        <translation>手柄模式：</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Xbox360</source>
        <translation>Xbox360</translation>
    </message>
    <message>
        <source>Classical</source>
        <translation>经典</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>键盘属性</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>重置当前配置文件</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>重命名</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Light Press</source>
        <translation>轻按</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>重按</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>高级键</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>高级键</translation>
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
        <translation>新建</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>该按键有两种功能：按住触发一种，单击触发另一种。</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>按住</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>单击</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>按住时长</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>单击此按键可开启或关闭连续触发。</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>暂无高级键</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>单键</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>组合键</translation>
    </message>
    <message>
        <source>Tip: bind the advanced keys on the key page.</source>
        <translation>提示：请在按键页面绑定高级键。</translation>
    </message>
    <message>
        <source>Tip: After the advanced key configuration is completed, please move to &quot;%1&quot; complete binding operation.</source>
        <extracomment>%1 is the page path &quot;Key Custom-&gt;Senior Keys&quot;, built from the page names.</extracomment>
        <translation>提示：高级键配置完成后，请前往“%1”完成绑定操作。</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>按键自定义</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <extracomment>Advanced keys stored out of the most the store holds.</extracomment>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>高级键数量已达上限</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>高级键创建成功</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>高级键删除成功</translation>
    </message>
    <message>
        <source>%1ms</source>
        <extracomment>The hold duration of an MT key; %1 is a number of milliseconds.</extracomment>
        <translation>%1 毫秒</translation>
    </message>
    <message>
        <source>Modify senior keys failed</source>
        <translation>高级键修改失败</translation>
    </message>
    <message>
        <source>Create senior keys failed</source>
        <translation>高级键创建失败</translation>
    </message>
    <message>
        <source>Delete senior keys failed</source>
        <translation>高级键删除失败</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysRecordExplainDia</name>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration; 
When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>选择“单键”时，只需点击某个按键即可完成按键配置；
选择“组合键”时，需至少选择一个组合键和一个其他按键才能完成组合键的输入，例如 L_Shift+A 或 L_Shift+L_Ctrl+A；</translation>
    </message>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration;</source>
        <translation>选择“单键”时，只需点击某个按键即可完成按键配置；</translation>
    </message>
    <message>
        <source>When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>选择“组合键”时，需至少选择一个组合键和一个其他按键才能完成组合键的输入，例如 L_Shift+A 或 L_Shift+L_Ctrl+A；</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>该按键可实现四种功能：按四种不同的按压深度，可绑定 1 至 4 个功能。</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>该按键有两种功能：按住触发一种，单击触发另一种。</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>单击此按键可开启或关闭连续触发。</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主题</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>背景图片</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>开机自启</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>系统启动时自动运行（最小化）</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>启动时最小化到托盘</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>检查固件升级</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>商店</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>支持</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>发送反馈</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>应用软件</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>浅色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>粉色</translation>
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
        <translation>氛围灯</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>全部灯光</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>整体灯效</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>互动灯效</translation>
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
        <translation>切换为全彩</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>切换上层颜色</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>切换下层颜色</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>关闭氛围灯</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>暂停氛围灯</translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>DKS 动作的触发点</translation>
    </message>
</context>
<context>
    <name>DTriggerSettingPage</name>
    <message>
        <source>Quick trigger</source>
        <translation>快速触发</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>根据按下或松开按键的意图，自定义调整触发行程和重置行程。</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>分离灵敏度</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>可分别设置快速触发时按下（触发）和松开（重置）的行程值。</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>按下/松开</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>按下</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>松开</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>按键防抖</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>回报率</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>进入校准模式</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>开始校准</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>全键校准</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>力度跟踪</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>重置灵敏度</translation>
    </message>
    <message>
        <source>%1K</source>
        <extracomment>The report rate; %1 is a number of kilohertz.</extracomment>
        <translation>%1K</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>行程跟踪</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>按下与松开灵敏度</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>按键校准模式</translation>
    </message>
    <message>
        <source>Press(Trigger)</source>
        <translation>按下（触发）</translation>
    </message>
    <message>
        <source>Release(Reset)</source>
        <translation>松开（重置）</translation>
    </message>
    <message>
        <source>Press(Trigger)/Release(Reset)</source>
        <translation>按下（触发）/松开（重置）</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>更新固件</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>固件更新期间，请勿拔下设备！</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>更新成功</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>更新失败</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>Virtual Keyboard</source>
        <translation>虚拟键盘</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation>软件退出</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>发生冲突，软件已停止运行！</translation>
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
        <translation>静音</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暂停</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>下一曲</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>上一曲</translation>
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
        <translation>计算器</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>计算机</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>浏览器</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>电子邮件</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>屏幕亮度+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>屏幕亮度-</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>鼠标左键</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>鼠标中键</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>鼠标右键</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>向上滚动</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>向下滚动</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>狙击键</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>关闭窗口</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>切换窗口</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>显示桌面</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>我的电脑</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>锁定计算机</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>锁定键盘</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>锁定/解锁 Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>锁定 Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>解锁 Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>默认层</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN 层</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1 层</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>电量查询</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>切换到 USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>切换到 2.4G</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>蓝牙 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>蓝牙 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>蓝牙 3</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>整体灯效</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>互动灯效</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>全部灯光</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>常亮</translation>
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
        <translation>方向循环</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>切换为全彩</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>切换上层颜色</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>切换下层颜色</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>自定义 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>自定义 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>全部关闭</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>关闭背光</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>关闭氛围灯</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>暂停氛围灯</translation>
    </message>
    <message>
        <source>X Axis Left</source>
        <translation>X 轴向左</translation>
    </message>
    <message>
        <source>X Axis Right</source>
        <translation>X 轴向右</translation>
    </message>
    <message>
        <source>Y Axis Up</source>
        <translation>Y 轴向上</translation>
    </message>
    <message>
        <source>Y Axis Down</source>
        <translation>Y 轴向下</translation>
    </message>
    <message>
        <source>Z Axis Forward</source>
        <translation>Z 轴向前</translation>
    </message>
    <message>
        <source>Z Axis Backward</source>
        <translation>Z 轴向后</translation>
    </message>
    <message>
        <source>Z Rotation Forward</source>
        <translation>Z 旋转向前</translation>
    </message>
    <message>
        <source>Z Rotation Backward</source>
        <translation>Z 旋转向后</translation>
    </message>
    <message>
        <source>X Rotation Left</source>
        <translation>X 旋转向左</translation>
    </message>
    <message>
        <source>X Rotation Right</source>
        <translation>X 旋转向右</translation>
    </message>
    <message>
        <source>Y Rotation Up</source>
        <translation>Y 旋转向上</translation>
    </message>
    <message>
        <source>Y Rotation Down</source>
        <translation>Y 旋转向下</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>油门</translation>
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
        <translation>扳机键</translation>
    </message>
    <message>
        <source>Button 1</source>
        <translation>按键 1</translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation>按键 2</translation>
    </message>
    <message>
        <source>Button 3</source>
        <translation>按键 3</translation>
    </message>
    <message>
        <source>Button 4</source>
        <translation>按键 4</translation>
    </message>
    <message>
        <source>Button 5</source>
        <translation>按键 5</translation>
    </message>
    <message>
        <source>Button 6</source>
        <translation>按键 6</translation>
    </message>
    <message>
        <source>Button 7</source>
        <translation>按键 7</translation>
    </message>
    <message>
        <source>Button 8</source>
        <translation>按键 8</translation>
    </message>
    <message>
        <source>Button 9</source>
        <translation>按键 9</translation>
    </message>
    <message>
        <source>Button 10</source>
        <translation>按键 10</translation>
    </message>
    <message>
        <source>Button 11</source>
        <translation>按键 11</translation>
    </message>
    <message>
        <source>Button 12</source>
        <translation>按键 12</translation>
    </message>
    <message>
        <source>Arrow Up</source>
        <translation>方向键上</translation>
    </message>
    <message>
        <source>Arrow Down</source>
        <translation>方向键下</translation>
    </message>
    <message>
        <source>Arrow Left</source>
        <translation>方向键左</translation>
    </message>
    <message>
        <source>Arrow Right</source>
        <translation>方向键右</translation>
    </message>
    <message>
        <source>Left joystick Up</source>
        <translation>左摇杆上</translation>
    </message>
    <message>
        <source>Left joystick Down</source>
        <translation>左摇杆下</translation>
    </message>
    <message>
        <source>Left joystick Left</source>
        <translation>左摇杆左</translation>
    </message>
    <message>
        <source>Left joystick Right</source>
        <translation>左摇杆右</translation>
    </message>
    <message>
        <source>Right joystick Up</source>
        <translation>右摇杆上</translation>
    </message>
    <message>
        <source>Right joystick Down</source>
        <translation>右摇杆下</translation>
    </message>
    <message>
        <source>Right joystick Left</source>
        <translation>右摇杆左</translation>
    </message>
    <message>
        <source>Right joystick Right</source>
        <translation>右摇杆右</translation>
    </message>
    <message>
        <source>Left Trigger</source>
        <translation>左扳机</translation>
    </message>
    <message>
        <source>Right Trigger</source>
        <translation>右扳机</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>A 键</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>B 键</translation>
    </message>
    <message>
        <source>Button X</source>
        <translation>X 键</translation>
    </message>
    <message>
        <source>Button Y</source>
        <translation>Y 键</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>Menu Button</source>
        <translation>菜单键</translation>
    </message>
    <message>
        <source>Left joystick Press</source>
        <translation>左摇杆按下</translation>
    </message>
    <message>
        <source>Right joystick Press</source>
        <translation>右摇杆按下</translation>
    </message>
    <message>
        <source>Left Bumper</source>
        <translation>左肩键</translation>
    </message>
    <message>
        <source>Right Bumper</source>
        <translation>右肩键</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>改键</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>宏</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>组合键</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>多媒体</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>鼠标</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>切换配置文件</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>启动应用程序</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>快捷键</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>按键配置</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>高级键</translation>
    </message>
    <message>
        <source>GamePad</source>
        <translation>手柄</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>键盘灯</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>氛围灯</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>暂停背光</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>灯效录制</translation>
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
        <translation>禁用手柄</translation>
    </message>
    <message>
        <source>GamePad Xbox360</source>
        <translation>手柄 Xbox360</translation>
    </message>
    <message>
        <source>GamePad Classical</source>
        <translation>手柄 经典</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>改为哪个键？</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>指定配置文件</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>类型：</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>功能：</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>请先选择一个按键</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>操作成功</translation>
    </message>
    <message>
        <source>Setting failed, the profile could not be written</source>
        <translation>设置失败，无法写入配置文件</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>设置失败，文本为空</translation>
    </message>
    <message>
        <source>The text is too long</source>
        <translation>文本过长</translation>
    </message>
    <message>
        <source>The program path is too long</source>
        <translation>程序路径过长</translation>
    </message>
    <message>
        <source>The macro is no longer stored</source>
        <translation>该宏已不存在</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>输入哪个键？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>选择应用</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>请选择应用程序所在的路径</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>选择应用程序</translation>
    </message>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>应用程序 (*.desktop)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>输入文本…</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>鼠标按键</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>轻按</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>重按</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>虚拟键盘</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>韩/英</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>设备列表</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>设备未连接</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>按键自定义</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>触发设置</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>灯效设置</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>性能</translation>
    </message>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>正在校准按键，请稍候</translation>
    </message>
    <message>
        <source>The keyboard is busy, please try again</source>
        <translation>键盘繁忙，请重试</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>灯光休眠时间不能长于键盘休眠时间</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>键盘休眠时间过短</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>休眠时间设置失败</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>休眠时间已设置</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Note that the device will restart!</source>
        <translation>注意：设备将会重启！</translation>
    </message>
    <message>
        <source>Keyboard not accessible</source>
        <translation>无法访问键盘</translation>
    </message>
    <message>
        <source>A keyboard is connected, but this user is not allowed to open it. Install the program&apos;s device rule (70-lumtar.rules) and plug the keyboard in again.</source>
        <translation>已连接键盘，但当前用户无权打开它。请安装本程序的设备规则 (70-lumtar.rules)，然后重新插入键盘。</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>设备已离线</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>设备已开启</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>操作失败</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>请先切换到按键校准模式</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>按键校准成功</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>按键校准进行中</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>按键校准失败</translation>
    </message>
    <message>
        <source>Failed to open the device, please try again</source>
        <translation>无法打开设备，请重试</translation>
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
        <translation>配置文件数量已达上限</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>创建失败，索引节点已存在，请检查</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>创建配置文件失败</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>创建配置文件成功</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>至少需保留一个配置文件</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>删除配置文件失败</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>删除配置文件成功</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>保存目录</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>请先选择保存目录</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>该索引节点不存在</translation>
    </message>
    <message>
        <source>Export profile failed, the file path is too long</source>
        <translation>导出配置文件失败，文件路径过长</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>导出配置文件失败</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>导出配置文件成功</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>打开配置文件</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>配置文件(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>请先选择要导入的文件</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>导入配置文件失败</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>导入配置文件成功</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>配置文件名称不能为空</translation>
    </message>
    <message>
        <source>Profile name is too long</source>
        <translation>配置文件名称过长</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>修改配置文件信息失败</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>修改配置文件信息成功</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>确定要重置当前配置文件吗？</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...(Please press all keys)</source>
        <translation>正在进行全键校准…（请按下所有按键）</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>重命名</translation>
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
        <translation>上层颜色</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>下层颜色</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>自定义灯效</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>键盘/氛围灯</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>自定义灯效名称不能为空</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>自定义灯效名称已修改</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>该设备没有氛围灯</translation>
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
        <translation>雷达</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>贪吃蛇</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>按键响应</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>极光</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>涟漪</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>闪烁</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>十字</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>速度响应</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>自动涟漪</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>条纹</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>烟花</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>音乐律动</translation>
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
        <translation>启用后，只有完全松开按键时，快速触发才会结束。</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>禁用后，松开按键时，轴体回到触发行程即结束快速触发。</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>设置触发所需的按键按住时长。</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>启用全键校准后，请按下所有按键以完成校准。</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <extracomment>Shown alone in Japanese, where it holds all five steps, one per line.</extracomment>
        <translation>1. 先进入按键校准模式；</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2. 选择一个按键；</translation>
    </message>
    <message>
        <source>3.Clicked &quot;Start calibration&quot;;</source>
        <translation>3. 点击“开始校准”；</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4. 按下所选按键；</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5. 返回按键校准结果；</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Win 锁定开启时：</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>禁用 Windows 键</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>禁用 SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>禁用 ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>禁用 ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>灯光休眠时间：</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>键盘休眠时间：</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>提交</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>重置当前配置文件</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>键盘属性</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>禁止休眠</translation>
    </message>
    <message>
        <source>GamePad:</source>
        <translation>手柄：</translation>
    </message>
    <message>
        <source>The device service could not be started, no keyboard can be found. Please restart the program.</source>
        <translation>无法启动设备服务，找不到键盘。请重新启动程序。</translation>
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
        <translation>还原(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主题</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>背景图片</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>开机自启</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>系统启动时自动运行（最小化）</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>启动时最小化到托盘</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>检查固件升级</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>未找到可升级的设备</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>设置成功</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>设置失败</translation>
    </message>
    <message>
        <source>(OffLine)</source>
        <translation>(离线)</translation>
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
        <translation>未能在所有配置中更新宏，请重试</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>产品名称：</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>当前版本：</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>更新进度：</translation>
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
        <translation>不可改键</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>重命名</translation>
    </message>
</context>
</TS>
