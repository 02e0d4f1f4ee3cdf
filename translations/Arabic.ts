<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>Key Combination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Left Click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Assign Profile</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Light Press</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>Device List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Light Press</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DKeyConfigFunctionPage</name>
    <message>
        <source>Key Config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power query</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Disable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Select App</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select application</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DKeyboardLightCustomEventPage</name>
    <message>
        <source>Keyboard Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Static</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DLightsConfigPage</name>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Login</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Play Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Property</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip: After the macro group recording is completed, please move to &quot;%1&quot; complete binding operation.</source>
        <extracomment>%1 is the page path &quot;Key Custom-&gt;Macro&quot;, built from the page names.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Mouse Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Multimedia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DOnboardDownloader</name>
    <message>
        <source>Download config successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>More than %n keys are bound to macros; the keyboard holds %n macros. Nothing was downloaded</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>More than %n keys are bound to advanced keys; the keyboard holds %n. Nothing was downloaded</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>A download is already running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GamePad Mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Xbox360</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Light Press</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DSeniorKeysBindingPage</name>
    <message>
        <source>Senior Keys</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <source>Senior Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DKS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TGL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip: bind the advanced keys on the key page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip: After the advanced key configuration is completed, please move to &quot;%1&quot; complete binding operation.</source>
        <extracomment>%1 is the page path &quot;Key Custom-&gt;Senior Keys&quot;, built from the page names.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1/%2</source>
        <extracomment>Advanced keys stored out of the most the store holds.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1ms</source>
        <extracomment>The hold duration of an MT key; %1 is a number of milliseconds.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DSeniorKeysRecordExplainDia</name>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration; 
When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DSideLightCustomEventPage</name>
    <message>
        <source>Atmosphere Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DTriggerSettingPage</name>
    <message>
        <source>Quick trigger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1K</source>
        <extracomment>The report rate; %1 is a number of kilohertz.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press(Trigger)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release(Reset)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press(Trigger)/Release(Reset)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>Virtual Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power query</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Static</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X Axis Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X Axis Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y Axis Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y Axis Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Z Axis Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Z Axis Backward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Z Rotation Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Z Rotation Backward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X Rotation Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X Rotation Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y Rotation Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y Rotation Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elevator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accelerator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rudder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trigger Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button 11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button 12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrow Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrow Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrow Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrow Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left joystick Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left joystick Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left joystick Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left joystick Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right joystick Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right joystick Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right joystick Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right joystick Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Trigger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right Trigger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left joystick Press</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right joystick Press</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Bumper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right Bumper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GamePad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1mm</source>
        <extracomment>Key travel in millimetres; %1 is the number with one decimal.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MS</source>
        <extracomment>A macro delay; %1 is a number of milliseconds.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage; %1 is the number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GamePad Disable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GamePad Xbox360</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GamePad Classical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting failed, the profile could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text is too long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program path is too long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The macro is no longer stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select App</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applications (*.desktop)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K14</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K45</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K56</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K131</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K132</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K133</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Performance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyboard is busy, please try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note that the device will restart!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard not accessible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A keyboard is connected, but this user is not allowed to open it. Install the program&apos;s device rule (70-lumtar.rules) and plug the keyboard in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to open the device, please try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export profile failed, the file path is too long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile name is too long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All keys calibration in progress ...(Please press all keys)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breath</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cross</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Striation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collision</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DPI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <extracomment>Shown alone in Japanese, where it holds all five steps, one per line.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3.Clicked &quot;Start calibration&quot;;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GamePad:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device service could not be started, no keyboard can be found. Please restart the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SVColorArea</name>
    <message>
        <source>#%1%2%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>keySelectFrame</name>
    <message>
        <source>Cannot remapped</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
