<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>Key Combination</source>
        <translation>조합 키</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>일반 키</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>특수 키</translation>
    </message>
</context>
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Left Click</source>
        <translation>왼쪽 클릭</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>가운데 클릭</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>오른쪽 클릭</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Assign Profile</source>
        <translation>프로필 지정</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Light Press</source>
        <translation>약하게 누름</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>강하게 누름</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>키 재지정</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>재지정할 키?</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>유형:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>기능:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>키</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>기본 레이어</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN 레이어</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>쓰기</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>Device List</source>
        <translation>장치 목록</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>리셋</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>장치가 연결되지 않음</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>펌웨어 정보</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Shortcuts</source>
        <translation>단축키</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>바탕 화면 보기</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>창 닫기</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>컴퓨터 잠금</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>내 컴퓨터</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>찾기</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>잘라내기</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>New</source>
        <translation>새로 만들기</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Light Press</source>
        <translation>약하게 누름</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>강하게 누름</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>조합 키</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>입력할 키?</translation>
    </message>
</context>
<context>
    <name>DKeyConfigFunctionPage</name>
    <message>
        <source>Key Config</source>
        <translation>키 설정</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Win 잠금/해제</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Win 잠금</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Win 잠금 해제</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>키보드 잠금</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>배터리 잔량 확인</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>기본 레이어</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN 레이어</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1 레이어</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>USB로 전환</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>2.4G로 전환</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>블루투스 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>블루투스 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>블루투스 3</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Disable</source>
        <translation>비활성화</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Select App</source>
        <translation>앱 선택</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>앱이 있는 경로를 선택하세요</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>애플리케이션 선택</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>텍스트 입력...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>DKeyboardLightCustomEventPage</name>
    <message>
        <source>Keyboard Light</source>
        <translation>키보드 조명</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>전체 조명</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>반응형 조명</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>모든 조명</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>고정</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>밝기 +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>밝기 -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>속도 +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>속도 -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>방향 +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>방향 -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>방향 반복</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>풀 컬러로 전환</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>상단 색상 전환</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>하단 색상 전환</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>모두 끄기</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>백라이트 끄기</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>백라이트 일시 정지</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>조명 녹화</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>사용자 지정 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>사용자 지정 2</translation>
    </message>
</context>
<context>
    <name>DLightsConfigPage</name>
    <message>
        <source>Type:</source>
        <translation>유형:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>밝기:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>속도:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>방향:</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>조명 모드</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>풀 컬러</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>상단 색상</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>하단 색상</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>사용자 지정 조명</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Login</source>
        <translation>로그인</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Play Type</source>
        <translation>재생 방식</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>1회 재생</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>누를 때마다 연속 재생 켜기/끄기</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>여러 번 재생</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>지정 키를 누르는 동안 재생</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>재생 횟수</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>재생 횟수 1, 2, 3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>매크로 지정</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>매크로 녹화</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>매크로 그룹</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>지연 설정</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>지연 시간 녹화</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>지연 없음</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>기본 지연</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>녹화 시작</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>이벤트 목록</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>녹화 내용 없음</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>이벤트 삽입</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>위치</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>뒤에 이벤트 삽입</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>앞에 이벤트 삽입</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>이벤트</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>키보드 이벤트</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>마우스 이벤트</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>지연</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>작업</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>키를 입력하세요</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>왼쪽 클릭</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>가운데 클릭</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>오른쪽 클릭</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>지연 시간을 입력하세요</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>삽입</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>속성</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>키 누르기</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>마우스</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>수정</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>팁</translation>
    </message>
    <message>
        <source>Tip: After the macro group recording is completed, please move to &quot;%1&quot; complete binding operation.</source>
        <extracomment>%1 is the page path &quot;Key Custom-&gt;Macro&quot;, built from the page names.</extracomment>
        <translation>팁: 매크로 그룹 녹화가 완료되면 &quot;%1&quot;에서 바인딩을 완료하세요.</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>키 사용자 지정</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>매크로</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>새로 만들기</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>위로</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>아래로</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>매크로를 삭제했습니다</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>매크로 이름을 입력하세요</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>매크로 이름을 변경했습니다</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>매크로를 추가했습니다</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>먼저 매크로를 선택하세요</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>매크로 녹화 내용을 지웠습니다</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>먼저 위치를 선택하세요</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>이벤트 기록이 한도에 도달했습니다</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>삽입했습니다</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>수정했습니다</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>저장 폴더</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>먼저 저장 폴더를 선택하세요</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>매크로 내보내기 실패</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>매크로를 내보냈습니다</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>매크로 파일 열기</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>매크로 파일(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>매크로 가져오기 실패</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>매크로를 가져왔습니다</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>녹화 중지</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>매크로 녹화 시작</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>매크로 녹화 중지</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>매크로를 삭제하지 못했습니다</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>매크로 이름을 변경하지 못했습니다</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>매크로를 추가하지 못했습니다</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>매크로 녹화 내용을 지우지 못했습니다</translation>
    </message>
    <message>
        <source>Delete event failed</source>
        <translation>이벤트를 삭제하지 못했습니다</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>삽입하지 못했습니다</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>수정하지 못했습니다</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>이동하지 못했습니다</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>매크로 녹화 내용을 저장하지 못했습니다</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Mouse Key</source>
        <translation>마우스 키</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>마우스 왼쪽</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>마우스 가운데</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>마우스 오른쪽</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>앞으로</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>스나이퍼 키</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>아래로 스크롤</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>위로 스크롤</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Multimedia</source>
        <translation>멀티미디어</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>재생/일시 정지</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>정지</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>다음 트랙</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>이전 트랙</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>볼륨 +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>볼륨 -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>음소거</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>플레이어</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>계산기</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>컴퓨터</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>이메일</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>브라우저</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>화면 밝기+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>화면 밝기-</translation>
    </message>
</context>
<context>
    <name>DOnboardDownloader</name>
    <message>
        <source>Download config successful</source>
        <translation>설정을 키보드에 썼습니다</translation>
    </message>
    <message numerus="yes">
        <source>More than %n keys are bound to macros; the keyboard holds %n macros. Nothing was downloaded</source>
        <translation>
            <numerusform>매크로가 지정된 키가 %n개를 넘습니다. 키보드에는 매크로를 %n개까지 저장할 수 있습니다. 아무것도 쓰지 않았습니다</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>More than %n keys are bound to advanced keys; the keyboard holds %n. Nothing was downloaded</source>
        <translation>
            <numerusform>고급 키가 지정된 키가 %n개를 넘습니다. 키보드에는 %n개까지 저장할 수 있습니다. 아무것도 쓰지 않았습니다</numerusform>
        </translation>
    </message>
    <message>
        <source>A download is already running</source>
        <translation>이미 쓰기가 진행 중입니다</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>설정 쓰기에 실패했습니다. 다시 시도하세요</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Win 잠금 사용 시:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Windows 키 비활성화</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>SHIFT+TAB 비활성화</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>ALT+TAB 비활성화</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>ALT+F4 비활성화</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>조명 절전 시간:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>초</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>키보드 절전 시간:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>분</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>절전 모드 사용 안 함</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>제출</translation>
    </message>
    <message>
        <source>GamePad Mode:</source>
        <translation>게임패드 모드:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>비활성화</translation>
    </message>
    <message>
        <source>Xbox360</source>
        <translation>Xbox360</translation>
    </message>
    <message>
        <source>Classical</source>
        <translation>클래식</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>키보드 속성</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>현재 프로필 리셋</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>새로 만들기</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>이름 변경</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Light Press</source>
        <translation>약하게 누름</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>강하게 누름</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysBindingPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>고급 키</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>고급 키</translation>
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
        <translation>새로 만들기</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>이 키에는 두 가지 기능이 있습니다. 길게 누를 때와 클릭할 때 각각 다른 기능이 실행됩니다.</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>길게 누르기</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>클릭</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>길게 누르는 시간</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>이 키를 클릭하면 연속 트리거가 켜지거나 꺼집니다.</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>고급 키가 없습니다</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>단일 키</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>조합 키</translation>
    </message>
    <message>
        <source>Tip: bind the advanced keys on the key page.</source>
        <translation>팁: 고급 키는 키 페이지에서 바인딩하세요.</translation>
    </message>
    <message>
        <source>Tip: After the advanced key configuration is completed, please move to &quot;%1&quot; complete binding operation.</source>
        <extracomment>%1 is the page path &quot;Key Custom-&gt;Senior Keys&quot;, built from the page names.</extracomment>
        <translation>팁: 고급 키 설정이 완료되면 &quot;%1&quot;에서 바인딩을 완료하세요.</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>키 사용자 지정</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <extracomment>Advanced keys stored out of the most the store holds.</extracomment>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>고급 키 수가 최대치에 도달했습니다</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>고급 키를 만들었습니다</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>고급 키를 삭제했습니다</translation>
    </message>
    <message>
        <source>%1ms</source>
        <extracomment>The hold duration of an MT key; %1 is a number of milliseconds.</extracomment>
        <translation>%1ms</translation>
    </message>
    <message>
        <source>Modify senior keys failed</source>
        <translation>고급 키를 수정하지 못했습니다</translation>
    </message>
    <message>
        <source>Create senior keys failed</source>
        <translation>고급 키를 만들지 못했습니다</translation>
    </message>
    <message>
        <source>Delete senior keys failed</source>
        <translation>고급 키를 삭제하지 못했습니다</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysRecordExplainDia</name>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration; 
When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>&quot;단일 키&quot;를 선택하면 원하는 키를 클릭하기만 하면 키 설정이 완료됩니다.
&quot;조합 키&quot;를 선택하면 보조 키를 하나 이상, 다른 키를 하나 선택해야 조합 키 입력이 완료됩니다(예: L_Shift+A 또는 L_Shift+L_Ctrl+A).</translation>
    </message>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration;</source>
        <translation>&quot;단일 키&quot;를 선택하면 원하는 키를 클릭하기만 하면 키 설정이 완료됩니다.</translation>
    </message>
    <message>
        <source>When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>&quot;조합 키&quot;를 선택하면 보조 키를 하나 이상, 다른 키를 하나 선택해야 조합 키 입력이 완료됩니다(예: L_Shift+A 또는 L_Shift+L_Ctrl+A).</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>이 키로 네 가지 기능을 구현할 수 있습니다. 누르는 깊이에 따라 1~4개의 기능을 바인딩할 수 있습니다.</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>이 키에는 두 가지 기능이 있습니다. 길게 누를 때와 클릭할 때 각각 다른 기능이 실행됩니다.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>이 키를 클릭하면 연속 트리거가 켜지거나 꺼집니다.</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>테마</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>배경 이미지</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>자동 시작</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>시스템 시작 시 앱 실행(최소화)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>시작 시 트레이로 최소화</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>업그레이드</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>펌웨어 업그레이드 확인</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>스토어</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>지원</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>피드백 보내기</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>응용 소프트웨어</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>다크</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>라이트</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>블루</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>핑크</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>기타</translation>
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
        <translation>앰비언트 조명</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>모든 조명</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>전체 조명</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>반응형 조명</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>밝기 +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>밝기 -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>속도 +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>속도 -</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>풀 컬러로 전환</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>상단 색상 전환</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>하단 색상 전환</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>앰비언트 조명 끄기</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>앰비언트 조명 일시 정지</translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>DKS 동작의 트리거 포인트</translation>
    </message>
</context>
<context>
    <name>DTriggerSettingPage</name>
    <message>
        <source>Quick trigger</source>
        <translation>래피드 트리거</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>키를 누르거나 뗄 때의 의도에 맞게 트리거 거리와 리셋 거리를 조정합니다.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>개별 감도</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>래피드 트리거의 누름(트리거)과 뗌(리셋) 거리 값을 각각 설정할 수 있습니다.</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>누름/뗌</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>누름</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>뗌</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>키 디바운스</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>폴링 레이트</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>보정 모드 진입</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>보정 시작</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>전체 키 보정</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>강도 추적</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>감도 리셋</translation>
    </message>
    <message>
        <source>%1K</source>
        <extracomment>The report rate; %1 is a number of kilohertz.</extracomment>
        <translation>%1K</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>입력 거리 추적</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>누름 및 뗌 감도</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>키 보정 모드</translation>
    </message>
    <message>
        <source>Press(Trigger)</source>
        <translation>누름(트리거)</translation>
    </message>
    <message>
        <source>Release(Reset)</source>
        <translation>뗌(리셋)</translation>
    </message>
    <message>
        <source>Press(Trigger)/Release(Reset)</source>
        <translation>누름(트리거)/뗌(리셋)</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>펌웨어 업데이트</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>펌웨어 업데이트 중에는 장치를 분리하지 마세요!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>업데이트 성공</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>업데이트 실패</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>Virtual Keyboard</source>
        <translation>가상 키보드</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation>소프트웨어 종료</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>충돌이 발생하여 소프트웨어가 중지되었습니다!</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>볼륨 +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>볼륨 -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>음소거</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>재생/일시 정지</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>다음 트랙</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>이전 트랙</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>정지</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>플레이어</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>계산기</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>컴퓨터</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>브라우저</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>이메일</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>화면 밝기+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>화면 밝기-</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>마우스 왼쪽</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>마우스 가운데</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>마우스 오른쪽</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>위로 스크롤</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>아래로 스크롤</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>앞으로</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>스나이퍼 키</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>창 닫기</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>창 전환</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>바탕 화면 보기</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>내 컴퓨터</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>컴퓨터 잠금</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>잘라내기</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>찾기</translation>
    </message>
    <message>
        <source>New</source>
        <translation>새로 만들기</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>키보드 잠금</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Win 잠금/해제</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Win 잠금</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Win 잠금 해제</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>기본 레이어</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN 레이어</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1 레이어</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>배터리 잔량 확인</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>USB로 전환</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>2.4G로 전환</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>블루투스 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>블루투스 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>블루투스 3</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>전체 조명</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>반응형 조명</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>모든 조명</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>고정</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>밝기 +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>밝기 -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>속도 +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>속도 -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>방향 +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>방향 -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>방향 반복</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>풀 컬러로 전환</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>상단 색상 전환</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>하단 색상 전환</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>사용자 지정 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>사용자 지정 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>모두 끄기</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>백라이트 끄기</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>앰비언트 조명 끄기</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>앰비언트 조명 일시 정지</translation>
    </message>
    <message>
        <source>X Axis Left</source>
        <translation>X축 왼쪽</translation>
    </message>
    <message>
        <source>X Axis Right</source>
        <translation>X축 오른쪽</translation>
    </message>
    <message>
        <source>Y Axis Up</source>
        <translation>Y축 위</translation>
    </message>
    <message>
        <source>Y Axis Down</source>
        <translation>Y축 아래</translation>
    </message>
    <message>
        <source>Z Axis Forward</source>
        <translation>Z축 앞</translation>
    </message>
    <message>
        <source>Z Axis Backward</source>
        <translation>Z축 뒤</translation>
    </message>
    <message>
        <source>Z Rotation Forward</source>
        <translation>Z 회전 앞</translation>
    </message>
    <message>
        <source>Z Rotation Backward</source>
        <translation>Z 회전 뒤</translation>
    </message>
    <message>
        <source>X Rotation Left</source>
        <translation>X 회전 왼쪽</translation>
    </message>
    <message>
        <source>X Rotation Right</source>
        <translation>X 회전 오른쪽</translation>
    </message>
    <message>
        <source>Y Rotation Up</source>
        <translation>Y 회전 위</translation>
    </message>
    <message>
        <source>Y Rotation Down</source>
        <translation>Y 회전 아래</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>스로틀</translation>
    </message>
    <message>
        <source>Elevator</source>
        <translation>엘리베이터</translation>
    </message>
    <message>
        <source>Accelerator</source>
        <translation>액셀러레이터</translation>
    </message>
    <message>
        <source>Rudder</source>
        <translation>러더</translation>
    </message>
    <message>
        <source>Trigger Button</source>
        <translation>트리거 버튼</translation>
    </message>
    <message>
        <source>Button 1</source>
        <translation>버튼 1</translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation>버튼 2</translation>
    </message>
    <message>
        <source>Button 3</source>
        <translation>버튼 3</translation>
    </message>
    <message>
        <source>Button 4</source>
        <translation>버튼 4</translation>
    </message>
    <message>
        <source>Button 5</source>
        <translation>버튼 5</translation>
    </message>
    <message>
        <source>Button 6</source>
        <translation>버튼 6</translation>
    </message>
    <message>
        <source>Button 7</source>
        <translation>버튼 7</translation>
    </message>
    <message>
        <source>Button 8</source>
        <translation>버튼 8</translation>
    </message>
    <message>
        <source>Button 9</source>
        <translation>버튼 9</translation>
    </message>
    <message>
        <source>Button 10</source>
        <translation>버튼 10</translation>
    </message>
    <message>
        <source>Button 11</source>
        <translation>버튼 11</translation>
    </message>
    <message>
        <source>Button 12</source>
        <translation>버튼 12</translation>
    </message>
    <message>
        <source>Arrow Up</source>
        <translation>방향키 위</translation>
    </message>
    <message>
        <source>Arrow Down</source>
        <translation>방향키 아래</translation>
    </message>
    <message>
        <source>Arrow Left</source>
        <translation>방향키 왼쪽</translation>
    </message>
    <message>
        <source>Arrow Right</source>
        <translation>방향키 오른쪽</translation>
    </message>
    <message>
        <source>Left joystick Up</source>
        <translation>왼쪽 스틱 위</translation>
    </message>
    <message>
        <source>Left joystick Down</source>
        <translation>왼쪽 스틱 아래</translation>
    </message>
    <message>
        <source>Left joystick Left</source>
        <translation>왼쪽 스틱 왼쪽</translation>
    </message>
    <message>
        <source>Left joystick Right</source>
        <translation>왼쪽 스틱 오른쪽</translation>
    </message>
    <message>
        <source>Right joystick Up</source>
        <translation>오른쪽 스틱 위</translation>
    </message>
    <message>
        <source>Right joystick Down</source>
        <translation>오른쪽 스틱 아래</translation>
    </message>
    <message>
        <source>Right joystick Left</source>
        <translation>오른쪽 스틱 왼쪽</translation>
    </message>
    <message>
        <source>Right joystick Right</source>
        <translation>오른쪽 스틱 오른쪽</translation>
    </message>
    <message>
        <source>Left Trigger</source>
        <translation>왼쪽 트리거</translation>
    </message>
    <message>
        <source>Right Trigger</source>
        <translation>오른쪽 트리거</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>A 버튼</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>B 버튼</translation>
    </message>
    <message>
        <source>Button X</source>
        <translation>X 버튼</translation>
    </message>
    <message>
        <source>Button Y</source>
        <translation>Y 버튼</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>Menu Button</source>
        <translation>메뉴 버튼</translation>
    </message>
    <message>
        <source>Left joystick Press</source>
        <translation>왼쪽 스틱 누르기</translation>
    </message>
    <message>
        <source>Right joystick Press</source>
        <translation>오른쪽 스틱 누르기</translation>
    </message>
    <message>
        <source>Left Bumper</source>
        <translation>왼쪽 범퍼</translation>
    </message>
    <message>
        <source>Right Bumper</source>
        <translation>오른쪽 범퍼</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>키 재지정</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>매크로</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>조합 키</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>멀티미디어</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>마우스</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>비활성화</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>프로필 전환</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>애플리케이션 실행</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>단축키</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>키 설정</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>고급 키</translation>
    </message>
    <message>
        <source>GamePad</source>
        <translation>게임패드</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>키보드 조명</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>앰비언트 조명</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>백라이트 일시 정지</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>조명 녹화</translation>
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
        <translation>게임패드 비활성화</translation>
    </message>
    <message>
        <source>GamePad Xbox360</source>
        <translation>게임패드 Xbox360</translation>
    </message>
    <message>
        <source>GamePad Classical</source>
        <translation>게임패드 클래식</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>재지정할 키?</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>프로필 지정</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>쓰기</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>유형:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>기능:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>키</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>먼저 키를 하나 선택하세요</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>작업을 완료했습니다</translation>
    </message>
    <message>
        <source>Setting failed, the profile could not be written</source>
        <translation>설정 실패: 프로필을 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>설정 실패: 텍스트가 비어 있습니다</translation>
    </message>
    <message>
        <source>The text is too long</source>
        <translation>텍스트가 너무 깁니다</translation>
    </message>
    <message>
        <source>The program path is too long</source>
        <translation>프로그램 경로가 너무 깁니다</translation>
    </message>
    <message>
        <source>The macro is no longer stored</source>
        <translation>이 매크로는 더 이상 저장되어 있지 않습니다</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>입력할 키?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>앱 선택</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>앱이 있는 경로를 선택하세요</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>애플리케이션 선택</translation>
    </message>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>애플리케이션 (*.desktop)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>모든 파일 (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>텍스트 입력...</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>마우스 키</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>약하게 누름</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>강하게 누름</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>가상 키보드</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>한/영</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>중국어</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>장치 목록</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>장치가 연결되지 않음</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>리셋</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>키 사용자 지정</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>트리거 설정</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>조명 설정</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>성능</translation>
    </message>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>키 보정 중입니다. 잠시 기다려 주세요</translation>
    </message>
    <message>
        <source>The keyboard is busy, please try again</source>
        <translation>키보드가 사용 중입니다. 다시 시도하세요</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>조명 절전 시간은 키보드 절전 시간보다 길 수 없습니다</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>키보드 절전 시간이 너무 짧습니다</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>절전 시간 설정 실패</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>절전 시간을 설정했습니다</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>팁</translation>
    </message>
    <message>
        <source>Note that the device will restart!</source>
        <translation>장치가 다시 시작되니 주의하세요!</translation>
    </message>
    <message>
        <source>Keyboard not accessible</source>
        <translation>키보드에 접근할 수 없음</translation>
    </message>
    <message>
        <source>A keyboard is connected, but this user is not allowed to open it. Install the program&apos;s device rule (70-lumtar.rules) and plug the keyboard in again.</source>
        <translation>키보드가 연결되어 있지만 이 사용자에게는 열 권한이 없습니다. 프로그램의 장치 규칙(70-lumtar.rules)을 설치한 후 키보드를 다시 연결하세요.</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>장치가 오프라인 상태입니다</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>장치가 켜졌습니다</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>작업 실패</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>먼저 키 보정 모드로 전환하세요</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>키 보정 성공</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>키 보정 진행 중</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>키 보정 실패</translation>
    </message>
    <message>
        <source>Failed to open the device, please try again</source>
        <translation>장치를 열지 못했습니다. 다시 시도하세요</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>프로필 수가 최대치에 도달했습니다</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>생성 실패: 인덱스 노드가 이미 있습니다. 확인하세요</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>프로필 생성 실패</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>프로필을 만들었습니다</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>프로필을 하나 이상 유지해야 합니다</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>프로필 삭제 실패</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>프로필을 삭제했습니다</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>저장 폴더</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>먼저 저장 폴더를 선택하세요</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>이 인덱스 노드가 없습니다</translation>
    </message>
    <message>
        <source>Export profile failed, the file path is too long</source>
        <translation>프로필 내보내기 실패: 파일 경로가 너무 깁니다</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>프로필 내보내기 실패</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>프로필을 내보냈습니다</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>프로필 파일 열기</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>프로필 파일(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>먼저 가져올 파일을 선택하세요</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>프로필 가져오기 실패</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>프로필을 가져왔습니다</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>프로필 이름을 입력하세요</translation>
    </message>
    <message>
        <source>Profile name is too long</source>
        <translation>프로필 이름이 너무 깁니다</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>프로필 정보 수정 실패</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>프로필 정보를 수정했습니다</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>현재 프로필을 리셋할까요?</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...(Please press all keys)</source>
        <translation>전체 키 보정 진행 중...(모든 키를 누르세요)</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>새로 만들기</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>이름 변경</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>밝기:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>속도:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>방향:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>풀 컬러</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>상단 색상</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>하단 색상</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>사용자 지정 조명</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>키보드/앰비언트</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>사용자 지정 조명 이름을 입력하세요</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>사용자 지정 조명 이름을 변경했습니다</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>이 장치에는 앰비언트 조명이 없습니다</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>브리딩</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>웨이브</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>네온</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>레이더</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>스네이크</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>리액티브</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>오로라</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>물결</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>반짝임</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>사용자 지정</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>크로스</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>속도 반응</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>자동 물결</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>줄무늬</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>불꽃놀이</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>음악 리듬</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>충돌</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>사용하면 키를 완전히 뗐을 때만 래피드 트리거가 종료됩니다.</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>사용하지 않으면 키를 떼어 스위치가 트리거 거리로 돌아올 때 래피드 트리거가 종료됩니다.</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>트리거에 필요한 키 누름 시간을 설정합니다.</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>전체 키 보정을 사용하면 모든 키를 눌러 보정을 완료하세요.</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <extracomment>Shown alone in Japanese, where it holds all five steps, one per line.</extracomment>
        <translation>1. 먼저 키 보정 모드로 들어갑니다.</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2. 키를 하나 선택합니다.</translation>
    </message>
    <message>
        <source>3.Clicked &quot;Start calibration&quot;;</source>
        <translation>3. &quot;보정 시작&quot;을 클릭합니다.</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4. 선택한 키를 누릅니다.</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5. 키 보정 결과가 표시됩니다.</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Win 잠금 사용 시:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Windows 키 비활성화</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>SHIFT+TAB 비활성화</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>ALT+TAB 비활성화</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>ALT+F4 비활성화</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>조명 절전 시간:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>초</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>키보드 절전 시간:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>분</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>제출</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>현재 프로필 리셋</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>키보드 속성</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>절전 모드 사용 안 함</translation>
    </message>
    <message>
        <source>GamePad:</source>
        <translation>게임패드:</translation>
    </message>
    <message>
        <source>The device service could not be started, no keyboard can be found. Please restart the program.</source>
        <translation>장치 서비스를 시작할 수 없어 키보드를 찾을 수 없습니다. 프로그램을 다시 시작하세요.</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>최소화(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>최대화(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>복원(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>종료(&amp;Q)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>테마</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>배경 이미지</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>자동 시작</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>시스템 시작 시 앱 실행(최소화)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>시작 시 트레이로 최소화</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>업그레이드</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>펌웨어 업그레이드 확인</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>업그레이드할 수 있는 장치가 없습니다</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>설정했습니다</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>설정 실패</translation>
    </message>
    <message>
        <source>(OffLine)</source>
        <translation>(오프라인)</translation>
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
        <translation>모든 프로필에서 매크로를 업데이트하지 못했습니다. 다시 시도하세요</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>제품 이름:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>현재 버전:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>업데이트 진행률:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>새 버전:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>완료</translation>
    </message>
</context>
<context>
    <name>keySelectFrame</name>
    <message>
        <source>Cannot remapped</source>
        <translation>재지정할 수 없음</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>이름 변경</translation>
    </message>
</context>
</TS>
