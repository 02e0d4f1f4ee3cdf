<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>Key Combination</source>
        <translation>Key Combination</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Normal Keys</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Special Keys</translation>
    </message>
</context>
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Left Click</source>
        <translation>Left Click</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Center Click</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Right Click</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Assign Profile</source>
        <translation>Assign Profile</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Light Press</source>
        <translation>Light Press</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Heavy Press</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Remap Key</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Remap with key?</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Function:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Default layer</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN layer</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>Device List</source>
        <translation>Device List</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Device not connected</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Firmware Info</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Shortcuts</source>
        <translation>Shortcuts</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Show desktop</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Close window</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Lock computer</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>My computer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Light Press</source>
        <translation>Light Press</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Heavy Press</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Key Combination</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Enter key?</translation>
    </message>
</context>
<context>
    <name>DKeyConfigFunctionPage</name>
    <message>
        <source>Key Config</source>
        <translation>Key Config</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Lock/Unlock Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Lock win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Unlock win</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Lock keyboard</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Power query</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Default layer</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN layer</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1 layer</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>USB switching</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>2.4G switching</translation>
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
        <translation>Disable</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Select App</source>
        <translation>Select App</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Please select the path where your app is located</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Select application</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Enter text ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DKeyboardLightCustomEventPage</name>
    <message>
        <source>Keyboard Light</source>
        <translation>Keyboard Light</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Overall light</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Interaction light</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>All light</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Static</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Brightness +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Brightness -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Speed +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Speed -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Direction +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Direction -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Direction Loop</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Into full color</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Top color changed</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Bottom color changed</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Close all</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Close back light</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Stop back light</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Light recording</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Custom 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Custom 2</translation>
    </message>
</context>
<context>
    <name>DLightsConfigPage</name>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Brightness:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direction:</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Light mode</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Full color</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Top color</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Bottom color</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Custom light</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Play Type</source>
        <translation>Play Type</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Play once</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Continous playback on/off</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Play multiple times</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Play while assigned key is pressed</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Play Number</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Play Number 1,2,3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Assign Macro</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>Macro Record</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Macro Group</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Delay Setting</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Recording delay</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>No delay</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Default delay</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>MS</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Start record</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Event List</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Record is empty</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Insert Event</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Insert event after</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Insert event before</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Keyboard Event</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Mouse Event</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Delay</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Operate</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Please enter a key</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Left Click</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Center Click</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Right Click</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Please enter delay number</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Property</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Press Key</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Key Custom</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Delete macro successful</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Macro name can&apos;t be empty</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Modify macro name successful</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Add macro successful</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Please select a macro first</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Clear record macro successful</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Please select a specific location first</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>The record of events has reached the limit</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Insert successful</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Modify successful</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Save directory</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Please select save directory first</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>Export macro failed</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Export macro successful</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Open macro file</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Macro files(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>Import macro failed</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Import macro successful</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Stop record</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Start record macro</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Stop record macro</translation>
    </message>
    <message>
        <source>Tip: After the macro group recording is completed, please move to &quot;%1&quot; complete binding operation.</source>
        <extracomment>%1 is the page path &quot;Key Custom-&gt;Macro&quot;, built from the page names.</extracomment>
        <translation>Tip: After the macro group recording is completed, please move to &quot;%1&quot; complete binding operation.</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>Delete macro failed</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>Modify macro name failed</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>Add macro failed</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>Clear record macro failed</translation>
    </message>
    <message>
        <source>Delete event failed</source>
        <translation>Delete event failed</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>Insert failed</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>Modify failed</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>Move failed</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>Save record macro failed</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Mouse Key</source>
        <translation>Mouse Key</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Mouse Left</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Mouse Center</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Mouse Right</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Backward</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Sniper Key</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Scroll Down</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Scroll Up</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Play/Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Next track</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Prev track</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Volume +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Screen brightness+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Screen brightness-</translation>
    </message>
</context>
<context>
    <name>DOnboardDownloader</name>
    <message>
        <source>Download config successful</source>
        <translation>Download config successful</translation>
    </message>
    <message>
        <source>A download is already running</source>
        <translation>A download is already running</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Download config failed, Please try again</translation>
    </message>
    <message numerus="yes">
        <source>More than %n keys are bound to macros; the keyboard holds %n macros. Nothing was downloaded</source>
        <translation>
            <numerusform>More than %n key is bound to a macro; the keyboard holds %n macro. Nothing was downloaded</numerusform>
            <numerusform>More than %n keys are bound to macros; the keyboard holds %n macros. Nothing was downloaded</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>More than %n keys are bound to advanced keys; the keyboard holds %n. Nothing was downloaded</source>
        <translation>
            <numerusform>More than %n key is bound to an advanced key; the keyboard holds %n. Nothing was downloaded</numerusform>
            <numerusform>More than %n keys are bound to advanced keys; the keyboard holds %n. Nothing was downloaded</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>If Win Lock is on:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Disable Windows key</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Disable SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Disable ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Disable ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Light into sleep:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Second</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Keyboard into sleep:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Prohibit Sleep</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Submit</translation>
    </message>
    <message>
        <source>GamePad Mode:</source>
        <translation>GamePad Mode:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disable</translation>
    </message>
    <message>
        <source>Xbox360</source>
        <translation>Xbox360</translation>
    </message>
    <message>
        <source>Classical</source>
        <translation>Classical</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Keyboard properties</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Reset current profile</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Modify Name</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Light Press</source>
        <translation>Light Press</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Heavy Press</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysBindingPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>Senior Keys</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>Senior Keys</translation>
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
        <translation>Create</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>The key have two functions: holding down the key is one type, and clicking the key is one type.</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Hold</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Click</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Hold Duration</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Click this key to switch continuous triggering on or off.</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Senior keys is empty</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Single Key</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Key Combination</translation>
    </message>
    <message>
        <source>Tip: bind the advanced keys on the key page.</source>
        <translation>Tip: bind the advanced keys on the key page.</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Key Custom</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>The number of senior keys has reached the maximum</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Create senior keys successful</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Delete senior keys successful</translation>
    </message>
    <message>
        <source>Tip: After the advanced key configuration is completed, please move to &quot;%1&quot; complete binding operation.</source>
        <extracomment>%1 is the page path &quot;Key Custom-&gt;Senior Keys&quot;, built from the page names.</extracomment>
        <translation>Tip: After the advanced key configuration is completed, please move to &quot;%1&quot; complete binding operation.</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <extracomment>Advanced keys stored out of the most the store holds.</extracomment>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>%1ms</source>
        <extracomment>The hold duration of an MT key; %1 is a number of milliseconds.</extracomment>
        <translation>%1ms</translation>
    </message>
    <message>
        <source>Modify senior keys failed</source>
        <translation>Modify senior keys failed</translation>
    </message>
    <message>
        <source>Create senior keys failed</source>
        <translation>Create senior keys failed</translation>
    </message>
    <message>
        <source>Delete senior keys failed</source>
        <translation>Delete senior keys failed</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysRecordExplainDia</name>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration; 
When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration; 
When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration;</source>
        <translation>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration;</translation>
    </message>
    <message>
        <source>When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>The key have two functions: holding down the key is one type, and clicking the key is one type.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Click this key to switch continuous triggering on or off.</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Theme</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Background image</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Auto start</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Launch applications when the system starts (Minimized)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Close startup to tray</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Upgrade</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Firmware upgrade check</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Shop</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>SendFeedback</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Application software</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Check Update</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Pink</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Other</translation>
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
        <translation>Atmosphere Light</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>All light</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Overall light</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Interaction light</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Brightness +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Brightness -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Speed +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Speed -</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Into full color</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Top color changed</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Bottom color changed</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Close side light</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Stop side light</translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Trigger points for DKS actions</translation>
    </message>
</context>
<context>
    <name>DTriggerSettingPage</name>
    <message>
        <source>Quick trigger</source>
        <translation>Quick trigger</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Secondary sensitivity</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Press/Release</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Press</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Release</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Key anti shake</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Rate return</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Into calibration mode</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Start calibration</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>All keys calibration</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Intensity tracking</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Reset sensitivity</translation>
    </message>
    <message>
        <source>%1K</source>
        <extracomment>The report rate; %1 is a number of kilohertz.</extracomment>
        <translation>%1K</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>Journey tracking</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Sensitivity of pressing and releasing</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Key calibration mode</translation>
    </message>
    <message>
        <source>Press(Trigger)</source>
        <translation>Press(Trigger)</translation>
    </message>
    <message>
        <source>Release(Reset)</source>
        <translation>Release(Reset)</translation>
    </message>
    <message>
        <source>Press(Trigger)/Release(Reset)</source>
        <translation>Press(Trigger)/Release(Reset)</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>Update Firmware</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>If the firmware is being updated, do not unplug the device!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Update successful</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Update failed</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Virtual Keyboard</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation>Software exit</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>Conflict, software out of operation!</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Unknow</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Volume +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Play/Pause</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Next track</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Prev track</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Screen brightness+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Screen brightness-</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Mouse Left</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Mouse Center</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Mouse Right</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Scroll Up</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Scroll Down</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Backward</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Sniper Key</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Close window</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Switch windows</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Show desktop</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>My computer</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Lock computer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Lock/Unlock Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Lock win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Unlock win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Default layer</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN layer</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1 layer</translation>
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
        <translation>Overall light</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Interaction light</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>All light</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Static</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Brightness +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Brightness -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Speed +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Speed -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Direction +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Direction -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Direction Loop</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Into full color</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Top color changed</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Bottom color changed</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Custom 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Custom 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Close all</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Close back light</translation>
    </message>
    <message>
        <source>X Axis Left</source>
        <translation>X Axis Left</translation>
    </message>
    <message>
        <source>X Axis Right</source>
        <translation>X Axis Right</translation>
    </message>
    <message>
        <source>Y Axis Up</source>
        <translation>Y Axis Up</translation>
    </message>
    <message>
        <source>Y Axis Down</source>
        <translation>Y Axis Down</translation>
    </message>
    <message>
        <source>Z Axis Forward</source>
        <translation>Z Axis Forward</translation>
    </message>
    <message>
        <source>Z Axis Backward</source>
        <translation>Z Axis Backward</translation>
    </message>
    <message>
        <source>Z Rotation Forward</source>
        <translation>Z Rotation Forward</translation>
    </message>
    <message>
        <source>Z Rotation Backward</source>
        <translation>Z Rotation Backward</translation>
    </message>
    <message>
        <source>X Rotation Left</source>
        <translation>X Rotation Left</translation>
    </message>
    <message>
        <source>X Rotation Right</source>
        <translation>X Rotation Right</translation>
    </message>
    <message>
        <source>Y Rotation Up</source>
        <translation>Y Rotation Up</translation>
    </message>
    <message>
        <source>Y Rotation Down</source>
        <translation>Y Rotation Down</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Throttle</translation>
    </message>
    <message>
        <source>Elevator</source>
        <translation>Elevator</translation>
    </message>
    <message>
        <source>Accelerator</source>
        <translation>Accelerator</translation>
    </message>
    <message>
        <source>Rudder</source>
        <translation>Rudder</translation>
    </message>
    <message>
        <source>Trigger Button</source>
        <translation>Trigger Button</translation>
    </message>
    <message>
        <source>Button 1</source>
        <translation>Button 1</translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation>Button 2</translation>
    </message>
    <message>
        <source>Button 3</source>
        <translation>Button 3</translation>
    </message>
    <message>
        <source>Button 4</source>
        <translation>Button 4</translation>
    </message>
    <message>
        <source>Button 5</source>
        <translation>Button 5</translation>
    </message>
    <message>
        <source>Button 6</source>
        <translation>Button 6</translation>
    </message>
    <message>
        <source>Button 7</source>
        <translation>Button 7</translation>
    </message>
    <message>
        <source>Button 8</source>
        <translation>Button 8</translation>
    </message>
    <message>
        <source>Button 9</source>
        <translation>Button 9</translation>
    </message>
    <message>
        <source>Button 10</source>
        <translation>Button 10</translation>
    </message>
    <message>
        <source>Button 11</source>
        <translation>Button 11</translation>
    </message>
    <message>
        <source>Button 12</source>
        <translation>Button 12</translation>
    </message>
    <message>
        <source>Arrow Up</source>
        <translation>Arrow Up</translation>
    </message>
    <message>
        <source>Arrow Down</source>
        <translation>Arrow Down</translation>
    </message>
    <message>
        <source>Arrow Left</source>
        <translation>Arrow Left</translation>
    </message>
    <message>
        <source>Arrow Right</source>
        <translation>Arrow Right</translation>
    </message>
    <message>
        <source>Left joystick Up</source>
        <translation>Left joystick Up</translation>
    </message>
    <message>
        <source>Left joystick Down</source>
        <translation>Left joystick Down</translation>
    </message>
    <message>
        <source>Left joystick Left</source>
        <translation>Left joystick Left</translation>
    </message>
    <message>
        <source>Left joystick Right</source>
        <translation>Left joystick Right</translation>
    </message>
    <message>
        <source>Right joystick Up</source>
        <translation>Right joystick Up</translation>
    </message>
    <message>
        <source>Right joystick Down</source>
        <translation>Right joystick Down</translation>
    </message>
    <message>
        <source>Right joystick Left</source>
        <translation>Right joystick Left</translation>
    </message>
    <message>
        <source>Right joystick Right</source>
        <translation>Right joystick Right</translation>
    </message>
    <message>
        <source>Left Trigger</source>
        <translation>Left Trigger</translation>
    </message>
    <message>
        <source>Right Trigger</source>
        <translation>Right Trigger</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>Button A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>Button B</translation>
    </message>
    <message>
        <source>Button X</source>
        <translation>Button X</translation>
    </message>
    <message>
        <source>Button Y</source>
        <translation>Button Y</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Menu Button</source>
        <translation>Menu Button</translation>
    </message>
    <message>
        <source>Left joystick Press</source>
        <translation>Left joystick Press</translation>
    </message>
    <message>
        <source>Right joystick Press</source>
        <translation>Right joystick Press</translation>
    </message>
    <message>
        <source>Left Bumper</source>
        <translation>Left Bumper</translation>
    </message>
    <message>
        <source>Right Bumper</source>
        <translation>Right Bumper</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Device List</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Device not connected</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Key Custom</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Trigger Setting</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Senior Keys</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Light Setting</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Performance</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>Key calibration in progress, please wait a moment</translation>
    </message>
    <message>
        <source>GamePad Disable</source>
        <translation>GamePad Disable</translation>
    </message>
    <message>
        <source>GamePad Xbox360</source>
        <translation>GamePad Xbox360</translation>
    </message>
    <message>
        <source>GamePad Classical</source>
        <translation>GamePad Classical</translation>
    </message>
    <message>
        <source>Keyboard not accessible</source>
        <translation>Keyboard not accessible</translation>
    </message>
    <message>
        <source>A keyboard is connected, but this user is not allowed to open it. Install the program&apos;s device rule (70-lumtar.rules) and plug the keyboard in again.</source>
        <translation>A keyboard is connected, but this user is not allowed to open it. Install the program&apos;s device rule (70-lumtar.rules) and plug the keyboard in again.</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>The device is offline</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>The device has been turned on</translation>
    </message>
    <message>
        <source>Failed to open the device, please try again</source>
        <translation>Failed to open the device, please try again</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Korean/English</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>The device service could not be started, no keyboard can be found. Please restart the program.</source>
        <translation>The device service could not be started, no keyboard can be found. Please restart the program.</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Minimize(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Maximize(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Revert(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Quit(&amp;Q)</translation>
    </message>
    <message>
        <source>The keyboard is busy, please try again</source>
        <translation>The keyboard is busy, please try again</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Breath</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Wave</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Snake</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reactive</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurora</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Ripple</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Twinkle</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Cross</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Speed Respond</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Auto Ripple</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Striation</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Fireworks</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Musical Rhythm</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Collision</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Theme</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Background image</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Auto start</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Launch applications when the system starts (Minimized)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Close startup to tray</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Upgrade</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Firmware upgrade check</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>No upgradeable devices found</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Set config success</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Set config failed</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Remap Key</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Key Combination</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disable</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Switch Profile</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Launch Application</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Shortcuts</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Key Config</translation>
    </message>
    <message>
        <source>GamePad</source>
        <translation>GamePad</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Keyboard Light</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Atmosphere Light</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Function:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Please select one Key first</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Operate successful</translation>
    </message>
    <message>
        <source>Setting failed, the profile could not be written</source>
        <translation>Setting failed, the profile could not be written</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Setting failed because the text is empty</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Light Press</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Heavy Press</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Virtual Keyboard</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>The time when the light enters sleep cannot be longer than the keyboard enters sleep</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Keyboard enters sleep time is too short</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Sleep time set failed</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Sleep time has been set</translation>
    </message>
    <message>
        <source>Note that the device will restart!</source>
        <translation>Note that the device will restart!</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>The number of profile has reached the maximum</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Create failed, the index node is already existence, please checked</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Create profile failed</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Create profile successful</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Need keep at least one profile</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Delete profile failed</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Delete profile successful</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Save directory</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Please select save directory first</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>This index node non-existent</translation>
    </message>
    <message>
        <source>Export profile failed, the file path is too long</source>
        <translation>Export profile failed, the file path is too long</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Export profile failed</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Export profile successful</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Open profile file</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Profile files(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Please select import file first</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Import profile failed</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Import profile successful</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Profile name can&apos;t empty</translation>
    </message>
    <message>
        <source>Profile name is too long</source>
        <translation>Profile name is too long</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Modify profile info failed</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Modify profile info successful</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Operate failed</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Whether to reset the current profile?</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Modify Name</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Lock keyboard</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Power query</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>USB switching</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>2.4G switching</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Assign Profile</translation>
    </message>
    <message>
        <source>The text is too long</source>
        <translation>The text is too long</translation>
    </message>
    <message>
        <source>The program path is too long</source>
        <translation>The program path is too long</translation>
    </message>
    <message>
        <source>The macro is no longer stored</source>
        <translation>The macro is no longer stored</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Select App</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Please select the path where your app is located</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Select application</translation>
    </message>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>Applications (*.desktop)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Enter text ...</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Close side light</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Stop side light</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Stop back light</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Light recording</translation>
    </message>
    <message>
        <source>%1mm</source>
        <extracomment>Key travel in millimetres; %1 is the number with one decimal.</extracomment>
        <translation>%1mm</translation>
    </message>
    <message>
        <source>%1 MS</source>
        <extracomment>A macro delay; %1 is a number of milliseconds.</extracomment>
        <translation>%1 MS</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage; %1 is the number.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Remap with key?</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Enter key?</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Mouse Key</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Please switch to key calibration mode first</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>The key calibration successful</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>The key calibration runing</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>The key calibration failed</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...(Please press all keys)</source>
        <translation>All keys calibration in progress ...(Please press all keys)</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Brightness:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direction:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Full color</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Top color</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Bottom color</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Custom light</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Keyboard/Ambient</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Custom light name can&apos;t be empty</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Modify custom light name successful</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>The device has no atmosphere lamp</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>When enabled, the quick trigger will only terminate when you completely release the button.</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Set the required press key duration for triggering.</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>When all keys calibration is enabled, please press all keys to complete the calibration.</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <extracomment>Shown alone in Japanese, where it holds all five steps, one per line.</extracomment>
        <translation>1.Into key calibration mode first;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2.Select one key;</translation>
    </message>
    <message>
        <source>3.Clicked &quot;Start calibration&quot;;</source>
        <translation>3.Clicked &quot;Start calibration&quot;;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4.Press the selected key;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5.Return key calibration results;</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>If Win Lock is on:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Disable Windows key</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Disable SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Disable ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Disable ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Light into sleep:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Second</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Keyboard into sleep:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Submit</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Reset current profile</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Keyboard properties</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Prohibit Sleep</translation>
    </message>
    <message>
        <source>GamePad:</source>
        <translation>GamePad:</translation>
    </message>
    <message>
        <source>(OffLine)</source>
        <translation>(OffLine)</translation>
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
        <translation>The macro could not be updated in every profile, please try again</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>Product name:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Current version:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Update progress:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>New version:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Complete</translation>
    </message>
</context>
<context>
    <name>keySelectFrame</name>
    <message>
        <source>Cannot remapped</source>
        <translation>Cannot remapped</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Modify Name</translation>
    </message>
</context>
</TS>
