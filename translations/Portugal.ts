<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>Key Combination</source>
        <translation>Combinação de teclas</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Teclas normais</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Teclas especiais</translation>
    </message>
</context>
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Left Click</source>
        <translation>Clique esquerdo</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clique central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clique direito</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Assign Profile</source>
        <translation>Atribuir perfil</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Light Press</source>
        <translation>Pressão leve</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Pressão forte</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Remapear tecla</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Escolha a tecla</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Função:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Camada base</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Camada FN</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Transferir</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>Device List</source>
        <translation>Lista de dispositivos</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Repor</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Dispositivo não ligado</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Informações do firmware</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Shortcuts</source>
        <translation>Atalhos</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostrar ambiente de trabalho</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fechar janela</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Bloquear computador</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>O meu computador</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Light Press</source>
        <translation>Pressão leve</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Pressão forte</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinação de teclas</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Escolha as teclas</translation>
    </message>
</context>
<context>
    <name>DKeyConfigFunctionPage</name>
    <message>
        <source>Key Config</source>
        <translation>Configurar teclas</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Bloquear/desbloquear Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Bloquear Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Desbloquear Win</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Bloquear teclado</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Consultar bateria</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Camada base</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Camada FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Camada FN1</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Mudar para USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Mudar para 2,4G</translation>
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
        <translation>Desativar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Select App</source>
        <translation>Escolher aplicação</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Selecione o caminho onde se encontra a aplicação</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Selecionar aplicação</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Introduza o texto...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DKeyboardLightCustomEventPage</name>
    <message>
        <source>Keyboard Light</source>
        <translation>Luz do teclado</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Luz geral</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Luz interativa</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Toda a luz</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Estático</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Brilho +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Brilho -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Velocidade +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Velocidade -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Direção +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Direção -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Direção em ciclo</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Passar a cor total</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Mudar cor superior</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Mudar cor inferior</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Desligar tudo</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Desligar retroiluminação</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Pausar retroiluminação</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Gravação de luz</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Personalizado 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Personalizado 2</translation>
    </message>
</context>
<context>
    <name>DLightsConfigPage</name>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Brilho:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidade:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direção:</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Modo de luz</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Cor total</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Cor superior</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Cor inferior</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Luz personalizada</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Login</source>
        <translation>Iniciar sessão</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Play Type</source>
        <translation>Tipo de reprodução</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Reproduzir uma vez</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Reprodução contínua lig./desl.</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Reproduzir várias vezes</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Reproduzir enquanto a tecla é premida</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Repetições</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Repetições 1, 2, 3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Atribuir macro</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>Gravação de macros</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Grupo de macros</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Definição de atraso</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Gravar atraso</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Sem atraso</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Atraso predefinido</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Iniciar gravação</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Lista de eventos</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>A gravação está vazia</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Inserir evento</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Inserir evento depois</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Inserir evento antes</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Rato</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Atraso</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Prima uma tecla</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clique esquerdo</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clique central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clique direito</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Introduza o atraso</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserir</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propriedade</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Premir tecla</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Rato</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modificar</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Tip: After the macro group recording is completed, please move to &quot;%1&quot; complete binding operation.</source>
        <extracomment>%1 is the page path &quot;Key Custom-&gt;Macro&quot;, built from the page names.</extracomment>
        <translation>Dica: depois de gravar o grupo de macros, vá a «%1» para concluir a atribuição.</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Personalizar teclas</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Criar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descer</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Macro eliminada</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>O nome da macro não pode estar vazio</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Nome da macro alterado</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Macro adicionada</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Selecione primeiro uma macro</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Gravação da macro limpa</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Selecione primeiro uma posição</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Foi atingido o limite de eventos gravados</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Inserido com êxito</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Modificado com êxito</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Pasta de destino</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Selecione primeiro a pasta de destino</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>Falha ao exportar a macro</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Macro exportada</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Abrir ficheiro de macro</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Ficheiros de macro (*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>Falha ao importar a macro</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Macro importada</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Parar gravação</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Iniciar gravação de macro</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Parar gravação de macro</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>Falha ao eliminar a macro</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>Falha ao alterar o nome da macro</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>Falha ao adicionar a macro</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>Falha ao limpar a gravação da macro</translation>
    </message>
    <message>
        <source>Delete event failed</source>
        <translation>Falha ao eliminar o evento</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>Falha ao inserir</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>Falha ao modificar</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>Falha ao mover</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>Falha ao guardar a gravação da macro</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Mouse Key</source>
        <translation>Tecla do rato</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Botão esquerdo</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Botão central</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Botão direito</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Retroceder</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Tecla de precisão</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Deslocar para baixo</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Deslocar para cima</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Reproduzir/Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Faixa seguinte</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Faixa anterior</translation>
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
        <translation>Sem som</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Leitor</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computador</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navegador</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Brilho do ecrã +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Brilho do ecrã -</translation>
    </message>
</context>
<context>
    <name>DOnboardDownloader</name>
    <message>
        <source>Download config successful</source>
        <translation>Configuração transferida para o teclado</translation>
    </message>
    <message numerus="yes">
        <source>More than %n keys are bound to macros; the keyboard holds %n macros. Nothing was downloaded</source>
        <translation>
            <numerusform>Há mais de %n tecla atribuída a macros; o teclado guarda %n macro. Nada foi transferido</numerusform>
            <numerusform>Há mais de %n teclas atribuídas a macros; o teclado guarda %n macros. Nada foi transferido</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>More than %n keys are bound to advanced keys; the keyboard holds %n. Nothing was downloaded</source>
        <translation>
            <numerusform>Há mais de %n tecla atribuída a teclas avançadas; o teclado guarda %n. Nada foi transferido</numerusform>
            <numerusform>Há mais de %n teclas atribuídas a teclas avançadas; o teclado guarda %n. Nada foi transferido</numerusform>
        </translation>
    </message>
    <message>
        <source>A download is already running</source>
        <translation>Já está em curso uma transferência</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Falha ao transferir a configuração. Tente novamente</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Com o bloqueio Win ativo:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Desativar tecla Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Desativar SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Desativar ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Desativar ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Suspensão da luz:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Suspensão do teclado:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Impedir suspensão</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>GamePad Mode:</source>
        <translation>Modo gamepad:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desativar</translation>
    </message>
    <message>
        <source>Xbox360</source>
        <translation>Xbox360</translation>
    </message>
    <message>
        <source>Classical</source>
        <translation>Clássico</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Propriedades do teclado</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Repor perfil atual</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>Criar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Mudar nome</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Light Press</source>
        <translation>Pressão leve</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Pressão forte</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinição</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysBindingPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>Teclas avançadas</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>Teclas avançadas</translation>
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
        <translation>Criar</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>A tecla tem duas funções: uma ao mantê-la premida e outra ao premi-la brevemente.</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Manter</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Premir</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Tempo de pressão</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Prima esta tecla para ligar ou desligar o acionamento contínuo.</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Não há teclas avançadas</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Tecla única</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinação de teclas</translation>
    </message>
    <message>
        <source>Tip: bind the advanced keys on the key page.</source>
        <translation>Dica: atribua as teclas avançadas na página de teclas.</translation>
    </message>
    <message>
        <source>Tip: After the advanced key configuration is completed, please move to &quot;%1&quot; complete binding operation.</source>
        <extracomment>%1 is the page path &quot;Key Custom-&gt;Senior Keys&quot;, built from the page names.</extracomment>
        <translation>Dica: depois de configurar a tecla avançada, vá a «%1» para concluir a atribuição.</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Personalizar teclas</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <extracomment>Advanced keys stored out of the most the store holds.</extracomment>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>Foi atingido o número máximo de teclas avançadas</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Tecla avançada criada</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Tecla avançada eliminada</translation>
    </message>
    <message>
        <source>%1ms</source>
        <extracomment>The hold duration of an MT key; %1 is a number of milliseconds.</extracomment>
        <translation>%1&#xa0;ms</translation>
    </message>
    <message>
        <source>Modify senior keys failed</source>
        <translation>Falha ao modificar a tecla avançada</translation>
    </message>
    <message>
        <source>Create senior keys failed</source>
        <translation>Falha ao criar a tecla avançada</translation>
    </message>
    <message>
        <source>Delete senior keys failed</source>
        <translation>Falha ao eliminar a tecla avançada</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysRecordExplainDia</name>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration; 
When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Com «Tecla única», basta premir uma tecla para concluir a configuração;
Com «Combinação de teclas», é preciso escolher pelo menos um modificador e outra tecla para concluir a combinação, p. ex. L_Shift+A ou L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration;</source>
        <translation>Com «Tecla única», basta premir uma tecla para concluir a configuração;</translation>
    </message>
    <message>
        <source>When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Com «Combinação de teclas», é preciso escolher pelo menos um modificador e outra tecla para concluir a combinação, p. ex. L_Shift+A ou L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>A tecla permite quatro funções: pode atribuir de 1 a 4 funções conforme quatro profundidades de pressão.</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>A tecla tem duas funções: uma ao mantê-la premida e outra ao premi-la brevemente.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Prima esta tecla para ligar ou desligar o acionamento contínuo.</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Imagem de fundo</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Arranque automático</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Iniciar a aplicação com o sistema (minimizada)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Minimizar para a área de notificação ao fechar</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Atualização</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Procurar atualização de firmware</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Loja</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Suporte</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Enviar comentários</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Software de aplicação</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Procurar atualizações</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Escuro</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Outro</translation>
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
        <translation>Luz ambiente</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Toda a luz</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Luz geral</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Luz interativa</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Brilho +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Brilho -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Velocidade +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Velocidade -</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Passar a cor total</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Mudar cor superior</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Mudar cor inferior</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Desligar luz lateral</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Pausar luz lateral</translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Pontos de acionamento das ações DKS</translation>
    </message>
</context>
<context>
    <name>DTriggerSettingPage</name>
    <message>
        <source>Quick trigger</source>
        <translation>Acionamento rápido</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Ajuste o curso de acionamento e de reposição conforme pretende premir ou soltar a tecla.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Sensibilidade separada</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Pode definir separadamente o curso do acionamento rápido ao premir (acionamento) e ao soltar (reposição).</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Premir/Soltar</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Premir</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Soltar</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Anti-ressalto</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Taxa de sondagem</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Entrar no modo de calibração</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Iniciar calibração</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Calibrar todas as teclas</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Seguimento da intensidade</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Repor sensibilidade</translation>
    </message>
    <message>
        <source>%1K</source>
        <extracomment>The report rate; %1 is a number of kilohertz.</extracomment>
        <translation>%1K</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>Seguimento do curso</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Sensibilidade ao premir e soltar</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Modo de calibração</translation>
    </message>
    <message>
        <source>Press(Trigger)</source>
        <translation>Premir (acionamento)</translation>
    </message>
    <message>
        <source>Release(Reset)</source>
        <translation>Soltar (reposição)</translation>
    </message>
    <message>
        <source>Press(Trigger)/Release(Reset)</source>
        <translation>Premir (acionamento)/Soltar (reposição)</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>Atualizar firmware</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Durante a atualização do firmware, não desligue o dispositivo!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Atualização concluída</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Falha na atualização</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Teclado virtual</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation>Encerramento do programa</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>O programa parou inesperadamente.</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Desconhecido</translation>
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
        <translation>Sem som</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Reproduzir/Pausa</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Faixa seguinte</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Faixa anterior</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Leitor</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computador</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navegador</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Brilho do ecrã +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Brilho do ecrã -</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Botão esquerdo</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Botão central</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Botão direito</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Deslocar para cima</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Deslocar para baixo</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Retroceder</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Tecla de precisão</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fechar janela</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Alternar janelas</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostrar ambiente de trabalho</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>O meu computador</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Bloquear computador</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Bloquear teclado</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Bloquear/desbloquear Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Bloquear Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Desbloquear Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Camada base</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Camada FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Camada FN1</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Consultar bateria</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Mudar para USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Mudar para 2,4G</translation>
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
        <translation>Luz geral</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Luz interativa</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Toda a luz</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Estático</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Brilho +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Brilho -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Velocidade +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Velocidade -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Direção +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Direção -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Direção em ciclo</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Passar a cor total</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Mudar cor superior</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Mudar cor inferior</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Personalizado 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Personalizado 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Desligar tudo</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Desligar retroiluminação</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Desligar luz lateral</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Pausar luz lateral</translation>
    </message>
    <message>
        <source>X Axis Left</source>
        <translation>Eixo X esquerda</translation>
    </message>
    <message>
        <source>X Axis Right</source>
        <translation>Eixo X direita</translation>
    </message>
    <message>
        <source>Y Axis Up</source>
        <translation>Eixo Y cima</translation>
    </message>
    <message>
        <source>Y Axis Down</source>
        <translation>Eixo Y baixo</translation>
    </message>
    <message>
        <source>Z Axis Forward</source>
        <translation>Eixo Z frente</translation>
    </message>
    <message>
        <source>Z Axis Backward</source>
        <translation>Eixo Z trás</translation>
    </message>
    <message>
        <source>Z Rotation Forward</source>
        <translation>Rotação Z frente</translation>
    </message>
    <message>
        <source>Z Rotation Backward</source>
        <translation>Rotação Z trás</translation>
    </message>
    <message>
        <source>X Rotation Left</source>
        <translation>Rotação X esquerda</translation>
    </message>
    <message>
        <source>X Rotation Right</source>
        <translation>Rotação X direita</translation>
    </message>
    <message>
        <source>Y Rotation Up</source>
        <translation>Rotação Y cima</translation>
    </message>
    <message>
        <source>Y Rotation Down</source>
        <translation>Rotação Y baixo</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Acelerador</translation>
    </message>
    <message>
        <source>Elevator</source>
        <translation>Profundor</translation>
    </message>
    <message>
        <source>Accelerator</source>
        <translation>Aceleração</translation>
    </message>
    <message>
        <source>Rudder</source>
        <translation>Leme</translation>
    </message>
    <message>
        <source>Trigger Button</source>
        <translation>Botão de gatilho</translation>
    </message>
    <message>
        <source>Button 1</source>
        <translation>Botão 1</translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation>Botão 2</translation>
    </message>
    <message>
        <source>Button 3</source>
        <translation>Botão 3</translation>
    </message>
    <message>
        <source>Button 4</source>
        <translation>Botão 4</translation>
    </message>
    <message>
        <source>Button 5</source>
        <translation>Botão 5</translation>
    </message>
    <message>
        <source>Button 6</source>
        <translation>Botão 6</translation>
    </message>
    <message>
        <source>Button 7</source>
        <translation>Botão 7</translation>
    </message>
    <message>
        <source>Button 8</source>
        <translation>Botão 8</translation>
    </message>
    <message>
        <source>Button 9</source>
        <translation>Botão 9</translation>
    </message>
    <message>
        <source>Button 10</source>
        <translation>Botão 10</translation>
    </message>
    <message>
        <source>Button 11</source>
        <translation>Botão 11</translation>
    </message>
    <message>
        <source>Button 12</source>
        <translation>Botão 12</translation>
    </message>
    <message>
        <source>Arrow Up</source>
        <translation>Seta para cima</translation>
    </message>
    <message>
        <source>Arrow Down</source>
        <translation>Seta para baixo</translation>
    </message>
    <message>
        <source>Arrow Left</source>
        <translation>Seta para a esquerda</translation>
    </message>
    <message>
        <source>Arrow Right</source>
        <translation>Seta para a direita</translation>
    </message>
    <message>
        <source>Left joystick Up</source>
        <translation>Joystick esq. cima</translation>
    </message>
    <message>
        <source>Left joystick Down</source>
        <translation>Joystick esq. baixo</translation>
    </message>
    <message>
        <source>Left joystick Left</source>
        <translation>Joystick esq. esquerda</translation>
    </message>
    <message>
        <source>Left joystick Right</source>
        <translation>Joystick esq. direita</translation>
    </message>
    <message>
        <source>Right joystick Up</source>
        <translation>Joystick dir. cima</translation>
    </message>
    <message>
        <source>Right joystick Down</source>
        <translation>Joystick dir. baixo</translation>
    </message>
    <message>
        <source>Right joystick Left</source>
        <translation>Joystick dir. esquerda</translation>
    </message>
    <message>
        <source>Right joystick Right</source>
        <translation>Joystick dir. direita</translation>
    </message>
    <message>
        <source>Left Trigger</source>
        <translation>Gatilho esquerdo</translation>
    </message>
    <message>
        <source>Right Trigger</source>
        <translation>Gatilho direito</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>Botão A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>Botão B</translation>
    </message>
    <message>
        <source>Button X</source>
        <translation>Botão X</translation>
    </message>
    <message>
        <source>Button Y</source>
        <translation>Botão Y</translation>
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
        <translation>Botão Menu</translation>
    </message>
    <message>
        <source>Left joystick Press</source>
        <translation>Premir joystick esq.</translation>
    </message>
    <message>
        <source>Right joystick Press</source>
        <translation>Premir joystick dir.</translation>
    </message>
    <message>
        <source>Left Bumper</source>
        <translation>Bumper esquerdo</translation>
    </message>
    <message>
        <source>Right Bumper</source>
        <translation>Bumper direito</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Remapear tecla</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinação de teclas</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Rato</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desativar</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Mudar de perfil</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Abrir aplicação</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atalhos</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Configurar teclas</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Teclas avançadas</translation>
    </message>
    <message>
        <source>GamePad</source>
        <translation>Gamepad</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Luz do teclado</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Luz ambiente</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Pausar retroiluminação</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Gravação de luz</translation>
    </message>
    <message>
        <source>%1mm</source>
        <extracomment>Key travel in millimetres; %1 is the number with one decimal.</extracomment>
        <translation>%1&#xa0;mm</translation>
    </message>
    <message>
        <source>%1 MS</source>
        <extracomment>A macro delay; %1 is a number of milliseconds.</extracomment>
        <translation>%1&#xa0;ms</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage; %1 is the number.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>GamePad Disable</source>
        <translation>Gamepad desativado</translation>
    </message>
    <message>
        <source>GamePad Xbox360</source>
        <translation>Gamepad Xbox360</translation>
    </message>
    <message>
        <source>GamePad Classical</source>
        <translation>Gamepad clássico</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinição</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Escolha a tecla</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Atribuir perfil</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Transferir</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Função:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Selecione primeiro uma tecla</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Operação concluída</translation>
    </message>
    <message>
        <source>Setting failed, the profile could not be written</source>
        <translation>Falha: não foi possível escrever o perfil</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Falha: o texto está vazio</translation>
    </message>
    <message>
        <source>The text is too long</source>
        <translation>O texto é demasiado longo</translation>
    </message>
    <message>
        <source>The program path is too long</source>
        <translation>O caminho do programa é demasiado longo</translation>
    </message>
    <message>
        <source>The macro is no longer stored</source>
        <translation>A macro já não existe</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Escolha as teclas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Escolher aplicação</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Selecione o caminho onde se encontra a aplicação</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Selecionar aplicação</translation>
    </message>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>Aplicações (*.desktop)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Introduza o texto...</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Tecla do rato</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Pressão leve</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Pressão forte</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Teclado virtual</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Coreano/Inglês</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinês</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Lista de dispositivos</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Dispositivo não ligado</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Repor</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Personalizar teclas</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Acionamento</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Definições de iluminação</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Desempenho</translation>
    </message>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>Calibração das teclas em curso, aguarde um momento</translation>
    </message>
    <message>
        <source>The keyboard is busy, please try again</source>
        <translation>O teclado está ocupado, tente novamente</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>A suspensão da luz não pode ser posterior à suspensão do teclado</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>O tempo de suspensão do teclado é demasiado curto</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Falha ao definir o tempo de suspensão</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Tempo de suspensão definido</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Note that the device will restart!</source>
        <translation>Atenção: o dispositivo vai reiniciar!</translation>
    </message>
    <message>
        <source>Keyboard not accessible</source>
        <translation>Teclado inacessível</translation>
    </message>
    <message>
        <source>A keyboard is connected, but this user is not allowed to open it. Install the program&apos;s device rule (70-lumtar.rules) and plug the keyboard in again.</source>
        <translation>Está ligado um teclado, mas este utilizador não tem permissão para o abrir. Instale a regra de dispositivo do programa (70-lumtar.rules) e volte a ligar o teclado.</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>O dispositivo está desligado</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>O dispositivo foi ligado</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Falha na operação</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Ative primeiro o modo de calibração</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Calibração concluída</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Calibração em curso</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>Falha na calibração</translation>
    </message>
    <message>
        <source>Failed to open the device, please try again</source>
        <translation>Não foi possível abrir o dispositivo, tente novamente</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Foi atingido o número máximo de perfis</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Falha ao criar: o índice já existe, verifique</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Falha ao criar o perfil</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Perfil criado</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Tem de existir pelo menos um perfil</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Falha ao eliminar o perfil</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Perfil eliminado</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Pasta de destino</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Selecione primeiro a pasta de destino</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Este índice não existe</translation>
    </message>
    <message>
        <source>Export profile failed, the file path is too long</source>
        <translation>Falha ao exportar o perfil: o caminho do ficheiro é demasiado longo</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Falha ao exportar o perfil</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Perfil exportado</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Abrir ficheiro de perfil</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Ficheiros de perfil (*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Selecione primeiro o ficheiro a importar</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Falha ao importar o perfil</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Perfil importado</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>O nome do perfil não pode estar vazio</translation>
    </message>
    <message>
        <source>Profile name is too long</source>
        <translation>O nome do perfil é demasiado longo</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Falha ao modificar o perfil</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Perfil modificado</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Repor o perfil atual?</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...(Please press all keys)</source>
        <translation>A calibrar todas as teclas... (prima todas as teclas)</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Criar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Mudar nome</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Brilho:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidade:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direção:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Cor total</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Cor superior</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Cor inferior</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Luz personalizada</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Teclado/Ambiente</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>O nome da luz personalizada não pode estar vazio</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Nome da luz personalizada alterado</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>O dispositivo não tem luz ambiente</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Respiração</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Onda</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Néon</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Serpente</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reativo</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurora</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Ondulação</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Cintilação</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Cruz</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Resposta à velocidade</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Ondulação automática</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Estrias</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Fogo de artifício</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Ritmo musical</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Colisão</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>Se estiver ativo, o acionamento rápido só termina quando soltar a tecla por completo.</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>Se estiver inativo, o acionamento rápido termina quando a tecla, ao ser solta, passa de novo o ponto de acionamento.</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Defina durante quanto tempo a tecla tem de ser premida para acionar.</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>Com a calibração de todas as teclas ativa, prima todas as teclas para concluir a calibração.</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <extracomment>Shown alone in Japanese, where it holds all five steps, one per line.</extracomment>
        <translation>1. Ative primeiro o modo de calibração;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2. Selecione uma tecla;</translation>
    </message>
    <message>
        <source>3.Clicked &quot;Start calibration&quot;;</source>
        <translation>3. Clique em «Iniciar calibração»;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4. Prima a tecla selecionada;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5. É apresentado o resultado da calibração;</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Com o bloqueio Win ativo:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Desativar tecla Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Desativar SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Desativar ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Desativar ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Suspensão da luz:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Suspensão do teclado:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Repor perfil atual</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Propriedades do teclado</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Impedir suspensão</translation>
    </message>
    <message>
        <source>GamePad:</source>
        <translation>Gamepad:</translation>
    </message>
    <message>
        <source>The device service could not be started, no keyboard can be found. Please restart the program.</source>
        <translation>Não foi possível iniciar o serviço do dispositivo e não foi encontrado nenhum teclado. Reinicie o programa.</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Minimizar(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Maximizar(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Restaurar(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Sair(&amp;Q)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Imagem de fundo</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Arranque automático</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Iniciar a aplicação com o sistema (minimizada)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Minimizar para a área de notificação ao fechar</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Atualização</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Procurar atualização de firmware</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Não foram encontrados dispositivos atualizáveis</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Configuração aplicada</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Falha ao aplicar a configuração</translation>
    </message>
    <message>
        <source>(OffLine)</source>
        <translation>(Offline)</translation>
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
        <translation>Não foi possível atualizar a macro em todos os perfis. Tente novamente</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>Nome do produto:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Versão atual:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Progresso:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Versão nova:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Concluído</translation>
    </message>
</context>
<context>
    <name>keySelectFrame</name>
    <message>
        <source>Cannot remapped</source>
        <translation>Não é possível remapear</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Mudar nome</translation>
    </message>
</context>
</TS>
