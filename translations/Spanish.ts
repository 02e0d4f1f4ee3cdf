<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>Key Combination</source>
        <translation>Combinación de teclas</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Teclas normales</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Teclas especiales</translation>
    </message>
</context>
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Left Click</source>
        <translation>Clic izquierdo</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic derecho</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Assign Profile</source>
        <translation>Asignar perfil</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Light Press</source>
        <translation>Pulsación suave</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Pulsación fuerte</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Reasignar tecla</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Elija la tecla</translation>
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
        <translation>Función:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Capa base</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Capa FN</translation>
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
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Dispositivo no conectado</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Información del firmware</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Shortcuts</source>
        <translation>Atajos</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostrar escritorio</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Cerrar ventana</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Bloquear equipo</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Mi equipo</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
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
        <translation>Nuevo</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Light Press</source>
        <translation>Pulsación suave</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Pulsación fuerte</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinación de teclas</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Elija las teclas</translation>
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
        <translation>Consultar batería</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Capa base</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Capa FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Capa FN1</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Cambiar a USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Cambiar a 2,4G</translation>
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
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Elegir aplicación</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Seleccione la ruta donde se encuentra la aplicación</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Seleccionar aplicación</translation>
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
        <translation>Introduzca el texto...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Luz del teclado</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Luz general</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Luz interactiva</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Toda la luz</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Estático</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Brillo +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Brillo -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Velocidad +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Velocidad -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Dirección +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Dirección -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Dirección en bucle</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Pasar a todo color</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Cambiar color superior</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Cambiar color inferior</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Apagar todo</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Apagar retroiluminación</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Pausar retroiluminación</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Grabación de luz</translation>
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
        <translation>Brillo:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidad:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Modo de luz</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Todo color</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Color superior</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Color inferior</translation>
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
        <translation>Iniciar sesión</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Play Type</source>
        <translation>Tipo de reproducción</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Reproducir una vez</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Reproducción continua sí/no</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Reproducir varias veces</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Reproducir mientras se pulsa la tecla</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Repeticiones</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Repeticiones 1, 2, 3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Asignar macro</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>Grabación de macros</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Grupo de macros</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Ajuste de retardo</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Grabar retardo</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Sin retardo</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Retardo predeterminado</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Iniciar grabación</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Lista de eventos</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>La grabación está vacía</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Insertar evento</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Insertar evento después</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Insertar evento antes</translation>
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
        <translation>Ratón</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Retardo</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Pulse una tecla</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic izquierdo</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic derecho</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Introduzca el retardo</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insertar</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propiedad</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Pulsar tecla</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Ratón</translation>
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
        <translation>Consejo: una vez grabado el grupo de macros, vaya a «%1» para completar la asignación.</translation>
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
        <translation>Crear</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Macro eliminada</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>El nombre de la macro no puede estar vacío</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Nombre de la macro modificado</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Macro añadida</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Seleccione primero una macro</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Grabación de la macro borrada</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Seleccione primero una posición</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Se ha alcanzado el límite de eventos grabados</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Insertado correctamente</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Modificado correctamente</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Carpeta de destino</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Seleccione primero la carpeta de destino</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>Error al exportar la macro</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Macro exportada</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Abrir archivo de macro</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Archivos de macro (*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>Error al importar la macro</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Macro importada</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Detener grabación</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Iniciar grabación de macro</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Detener grabación de macro</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>No se pudo eliminar la macro</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>No se pudo modificar el nombre de la macro</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>No se pudo añadir la macro</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>No se pudo borrar la grabación de la macro</translation>
    </message>
    <message>
        <source>Delete event failed</source>
        <translation>No se pudo eliminar el evento</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>No se pudo insertar</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>No se pudo modificar</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>No se pudo mover</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>No se pudo guardar la grabación de la macro</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Mouse Key</source>
        <translation>Tecla de ratón</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Botón izquierdo</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Botón central</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Botón derecho</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Tecla de precisión</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Desplazar abajo</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Desplazar arriba</translation>
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
        <translation>Reproducir/Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Pista siguiente</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Pista anterior</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Volumen +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Volumen -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Reproductor</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navegador</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Brillo de pantalla +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Brillo de pantalla -</translation>
    </message>
</context>
<context>
    <name>DOnboardDownloader</name>
    <message>
        <source>Download config successful</source>
        <translation>Configuración transferida al teclado</translation>
    </message>
    <message numerus="yes">
        <source>More than %n keys are bound to macros; the keyboard holds %n macros. Nothing was downloaded</source>
        <translation>
            <numerusform>Hay más de %n tecla asignada a macros; el teclado admite %n macro. No se ha transferido nada</numerusform>
            <numerusform>Hay más de %n teclas asignadas a macros; el teclado admite %n macros. No se ha transferido nada</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>More than %n keys are bound to advanced keys; the keyboard holds %n. Nothing was downloaded</source>
        <translation>
            <numerusform>Hay más de %n tecla asignada a teclas avanzadas; el teclado admite %n. No se ha transferido nada</numerusform>
            <numerusform>Hay más de %n teclas asignadas a teclas avanzadas; el teclado admite %n. No se ha transferido nada</numerusform>
        </translation>
    </message>
    <message>
        <source>A download is already running</source>
        <translation>Ya hay una transferencia en curso</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Error al transferir la configuración. Inténtelo de nuevo</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Con el bloqueo de Win activado:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Desactivar tecla Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Desactivar SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Desactivar ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Desactivar ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Reposo de la luz:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Reposo del teclado:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Impedir reposo</translation>
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
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>Xbox360</source>
        <translation>Xbox360</translation>
    </message>
    <message>
        <source>Classical</source>
        <translation>Clásico</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Propiedades del teclado</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Restablecer perfil actual</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
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
        <translation>Cambiar nombre</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Light Press</source>
        <translation>Pulsación suave</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Pulsación fuerte</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Teclas avanzadas</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>Teclas avanzadas</translation>
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
        <translation>Crear</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>La tecla tiene dos funciones: una al mantenerla pulsada y otra al pulsarla brevemente.</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Mantener</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Pulsar</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Tiempo de pulsación</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Pulse esta tecla para activar o desactivar la activación continua.</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>No hay teclas avanzadas</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Tecla única</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinación de teclas</translation>
    </message>
    <message>
        <source>Tip: bind the advanced keys on the key page.</source>
        <translation>Consejo: asigne las teclas avanzadas en la página de teclas.</translation>
    </message>
    <message>
        <source>Tip: After the advanced key configuration is completed, please move to &quot;%1&quot; complete binding operation.</source>
        <extracomment>%1 is the page path &quot;Key Custom-&gt;Senior Keys&quot;, built from the page names.</extracomment>
        <translation>Consejo: una vez configurada la tecla avanzada, vaya a «%1» para completar la asignación.</translation>
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
        <translation>Se ha alcanzado el número máximo de teclas avanzadas</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Tecla avanzada creada</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Tecla avanzada eliminada</translation>
    </message>
    <message>
        <source>%1ms</source>
        <extracomment>The hold duration of an MT key; %1 is a number of milliseconds.</extracomment>
        <translation>%1&#xa0;ms</translation>
    </message>
    <message>
        <source>Modify senior keys failed</source>
        <translation>No se pudo modificar la tecla avanzada</translation>
    </message>
    <message>
        <source>Create senior keys failed</source>
        <translation>No se pudo crear la tecla avanzada</translation>
    </message>
    <message>
        <source>Delete senior keys failed</source>
        <translation>No se pudo eliminar la tecla avanzada</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysRecordExplainDia</name>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration; 
When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Con «Tecla única», basta con pulsar una tecla para completar la configuración;
Con «Combinación de teclas», hay que elegir al menos un modificador y otra tecla para completar la combinación, p. ej. L_Shift+A o L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration;</source>
        <translation>Con «Tecla única», basta con pulsar una tecla para completar la configuración;</translation>
    </message>
    <message>
        <source>When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Con «Combinación de teclas», hay que elegir al menos un modificador y otra tecla para completar la combinación, p. ej. L_Shift+A o L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>La tecla admite cuatro funciones: puede asignar de 1 a 4 funciones según cuatro profundidades de pulsación.</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>La tecla tiene dos funciones: una al mantenerla pulsada y otra al pulsarla brevemente.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Pulse esta tecla para activar o desactivar la activación continua.</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
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
        <translation>Imagen de fondo</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Inicio automático</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Iniciar la aplicación con el sistema (minimizada)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Minimizar a la bandeja al cerrar</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Actualización</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Buscar actualización de firmware</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Tienda</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Soporte</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Enviar comentarios</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Software de aplicación</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
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
        <translation>Otro</translation>
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
        <translation>Luz ambiental</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Toda la luz</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Luz general</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Luz interactiva</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Brillo +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Brillo -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Velocidad +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Velocidad -</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Pasar a todo color</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Cambiar color superior</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Cambiar color inferior</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Apagar luz lateral</translation>
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
        <translation>Puntos de activación de las acciones DKS</translation>
    </message>
</context>
<context>
    <name>DTriggerSettingPage</name>
    <message>
        <source>Quick trigger</source>
        <translation>Disparo rápido</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Ajuste el recorrido de activación y de reinicio según quiera pulsar o soltar la tecla.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Sensibilidad separada</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Puede ajustar por separado el recorrido del disparo rápido al pulsar (activación) y al soltar (reinicio).</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Pulsar/Soltar</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Pulsar</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Soltar</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Antirrebote</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Tasa de sondeo</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Entrar en modo de calibración</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Iniciar calibración</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Calibrar todas las teclas</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Seguimiento de intensidad</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Restablecer sensibilidad</translation>
    </message>
    <message>
        <source>%1K</source>
        <extracomment>The report rate; %1 is a number of kilohertz.</extracomment>
        <translation>%1K</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>Seguimiento del recorrido</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Sensibilidad al pulsar y soltar</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Modo de calibración</translation>
    </message>
    <message>
        <source>Press(Trigger)</source>
        <translation>Pulsar (activación)</translation>
    </message>
    <message>
        <source>Release(Reset)</source>
        <translation>Soltar (reinicio)</translation>
    </message>
    <message>
        <source>Press(Trigger)/Release(Reset)</source>
        <translation>Pulsar (activación)/Soltar (reinicio)</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>Actualizar firmware</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Durante la actualización del firmware, ¡no desconecte el dispositivo!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Actualización completada</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Error en la actualización</translation>
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
        <translation>Cierre del programa</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>El programa se detuvo de forma inesperada.</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Volumen +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Volumen -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Reproducir/Pausa</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Pista siguiente</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Pista anterior</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Reproductor</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navegador</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Brillo de pantalla +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Brillo de pantalla -</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Botón izquierdo</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Botón central</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Botón derecho</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Desplazar arriba</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Desplazar abajo</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Tecla de precisión</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Cerrar ventana</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Cambiar de ventana</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostrar escritorio</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Mi equipo</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Bloquear equipo</translation>
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
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
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
        <translation>Capa base</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Capa FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Capa FN1</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Consultar batería</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Cambiar a USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Cambiar a 2,4G</translation>
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
        <translation>Luz general</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Luz interactiva</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Toda la luz</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Estático</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Brillo +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Brillo -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Velocidad +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Velocidad -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Dirección +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Dirección -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Dirección en bucle</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Pasar a todo color</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Cambiar color superior</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Cambiar color inferior</translation>
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
        <translation>Apagar todo</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Apagar retroiluminación</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Apagar luz lateral</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Pausar luz lateral</translation>
    </message>
    <message>
        <source>X Axis Left</source>
        <translation>Eje X izquierda</translation>
    </message>
    <message>
        <source>X Axis Right</source>
        <translation>Eje X derecha</translation>
    </message>
    <message>
        <source>Y Axis Up</source>
        <translation>Eje Y arriba</translation>
    </message>
    <message>
        <source>Y Axis Down</source>
        <translation>Eje Y abajo</translation>
    </message>
    <message>
        <source>Z Axis Forward</source>
        <translation>Eje Z adelante</translation>
    </message>
    <message>
        <source>Z Axis Backward</source>
        <translation>Eje Z atrás</translation>
    </message>
    <message>
        <source>Z Rotation Forward</source>
        <translation>Rotación Z adelante</translation>
    </message>
    <message>
        <source>Z Rotation Backward</source>
        <translation>Rotación Z atrás</translation>
    </message>
    <message>
        <source>X Rotation Left</source>
        <translation>Rotación X izquierda</translation>
    </message>
    <message>
        <source>X Rotation Right</source>
        <translation>Rotación X derecha</translation>
    </message>
    <message>
        <source>Y Rotation Up</source>
        <translation>Rotación Y arriba</translation>
    </message>
    <message>
        <source>Y Rotation Down</source>
        <translation>Rotación Y abajo</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Acelerador</translation>
    </message>
    <message>
        <source>Elevator</source>
        <translation>Timón de profundidad</translation>
    </message>
    <message>
        <source>Accelerator</source>
        <translation>Aceleración</translation>
    </message>
    <message>
        <source>Rudder</source>
        <translation>Timón de dirección</translation>
    </message>
    <message>
        <source>Trigger Button</source>
        <translation>Botón de gatillo</translation>
    </message>
    <message>
        <source>Button 1</source>
        <translation>Botón 1</translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation>Botón 2</translation>
    </message>
    <message>
        <source>Button 3</source>
        <translation>Botón 3</translation>
    </message>
    <message>
        <source>Button 4</source>
        <translation>Botón 4</translation>
    </message>
    <message>
        <source>Button 5</source>
        <translation>Botón 5</translation>
    </message>
    <message>
        <source>Button 6</source>
        <translation>Botón 6</translation>
    </message>
    <message>
        <source>Button 7</source>
        <translation>Botón 7</translation>
    </message>
    <message>
        <source>Button 8</source>
        <translation>Botón 8</translation>
    </message>
    <message>
        <source>Button 9</source>
        <translation>Botón 9</translation>
    </message>
    <message>
        <source>Button 10</source>
        <translation>Botón 10</translation>
    </message>
    <message>
        <source>Button 11</source>
        <translation>Botón 11</translation>
    </message>
    <message>
        <source>Button 12</source>
        <translation>Botón 12</translation>
    </message>
    <message>
        <source>Arrow Up</source>
        <translation>Flecha arriba</translation>
    </message>
    <message>
        <source>Arrow Down</source>
        <translation>Flecha abajo</translation>
    </message>
    <message>
        <source>Arrow Left</source>
        <translation>Flecha izquierda</translation>
    </message>
    <message>
        <source>Arrow Right</source>
        <translation>Flecha derecha</translation>
    </message>
    <message>
        <source>Left joystick Up</source>
        <translation>Joystick izq. arriba</translation>
    </message>
    <message>
        <source>Left joystick Down</source>
        <translation>Joystick izq. abajo</translation>
    </message>
    <message>
        <source>Left joystick Left</source>
        <translation>Joystick izq. izquierda</translation>
    </message>
    <message>
        <source>Left joystick Right</source>
        <translation>Joystick izq. derecha</translation>
    </message>
    <message>
        <source>Right joystick Up</source>
        <translation>Joystick der. arriba</translation>
    </message>
    <message>
        <source>Right joystick Down</source>
        <translation>Joystick der. abajo</translation>
    </message>
    <message>
        <source>Right joystick Left</source>
        <translation>Joystick der. izquierda</translation>
    </message>
    <message>
        <source>Right joystick Right</source>
        <translation>Joystick der. derecha</translation>
    </message>
    <message>
        <source>Left Trigger</source>
        <translation>Gatillo izquierdo</translation>
    </message>
    <message>
        <source>Right Trigger</source>
        <translation>Gatillo derecho</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>Botón A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>Botón B</translation>
    </message>
    <message>
        <source>Button X</source>
        <translation>Botón X</translation>
    </message>
    <message>
        <source>Button Y</source>
        <translation>Botón Y</translation>
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
        <translation>Botón Menú</translation>
    </message>
    <message>
        <source>Left joystick Press</source>
        <translation>Pulsar joystick izq.</translation>
    </message>
    <message>
        <source>Right joystick Press</source>
        <translation>Pulsar joystick der.</translation>
    </message>
    <message>
        <source>Left Bumper</source>
        <translation>Bumper izquierdo</translation>
    </message>
    <message>
        <source>Right Bumper</source>
        <translation>Bumper derecho</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Reasignar tecla</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinación de teclas</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Cambiar perfil</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Abrir aplicación</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atajos</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Configurar teclas</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Teclas avanzadas</translation>
    </message>
    <message>
        <source>GamePad</source>
        <translation>Gamepad</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Luz del teclado</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Luz ambiental</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Pausar retroiluminación</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Grabación de luz</translation>
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
        <translation>Gamepad desactivado</translation>
    </message>
    <message>
        <source>GamePad Xbox360</source>
        <translation>Gamepad Xbox360</translation>
    </message>
    <message>
        <source>GamePad Classical</source>
        <translation>Gamepad clásico</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Elija la tecla</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Asignar perfil</translation>
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
        <translation>Función:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Seleccione primero una tecla</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Operación completada</translation>
    </message>
    <message>
        <source>Setting failed, the profile could not be written</source>
        <translation>Error: no se pudo escribir el perfil</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Error: el texto está vacío</translation>
    </message>
    <message>
        <source>The text is too long</source>
        <translation>El texto es demasiado largo</translation>
    </message>
    <message>
        <source>The program path is too long</source>
        <translation>La ruta del programa es demasiado larga</translation>
    </message>
    <message>
        <source>The macro is no longer stored</source>
        <translation>La macro ya no existe</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Elija las teclas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Elegir aplicación</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Seleccione la ruta donde se encuentra la aplicación</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Seleccionar aplicación</translation>
    </message>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>Aplicaciones (*.desktop)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Introduzca el texto...</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Tecla de ratón</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Pulsación suave</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Pulsación fuerte</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Teclado virtual</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Coreano/Inglés</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chino</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Lista de dispositivos</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Dispositivo no conectado</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Personalizar teclas</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Ajustes de activación</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Ajustes de iluminación</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Rendimiento</translation>
    </message>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>Calibrando teclas, espere un momento</translation>
    </message>
    <message>
        <source>The keyboard is busy, please try again</source>
        <translation>El teclado está ocupado, inténtelo de nuevo</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>El reposo de la luz no puede ser posterior al reposo del teclado</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>El tiempo de reposo del teclado es demasiado corto</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Error al establecer el tiempo de reposo</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Tiempo de reposo establecido</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Note that the device will restart!</source>
        <translation>¡El dispositivo se reiniciará!</translation>
    </message>
    <message>
        <source>Keyboard not accessible</source>
        <translation>Teclado no accesible</translation>
    </message>
    <message>
        <source>A keyboard is connected, but this user is not allowed to open it. Install the program&apos;s device rule (70-lumtar.rules) and plug the keyboard in again.</source>
        <translation>Hay un teclado conectado, pero este usuario no tiene permiso para abrirlo. Instale la regla de dispositivo del programa (70-lumtar.rules) y vuelva a conectar el teclado.</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>El dispositivo está desconectado</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>El dispositivo se ha encendido</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Error en la operación</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Active primero el modo de calibración</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Calibración completada</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Calibración en curso</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>Error en la calibración</translation>
    </message>
    <message>
        <source>Failed to open the device, please try again</source>
        <translation>No se pudo abrir el dispositivo, inténtelo de nuevo</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Se ha alcanzado el número máximo de perfiles</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Error al crear: el índice ya existe, compruébelo</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Error al crear el perfil</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Perfil creado</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Debe haber al menos un perfil</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Error al eliminar el perfil</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Perfil eliminado</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Carpeta de destino</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Seleccione primero la carpeta de destino</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Este índice no existe</translation>
    </message>
    <message>
        <source>Export profile failed, the file path is too long</source>
        <translation>Error al exportar el perfil: la ruta del archivo es demasiado larga</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Error al exportar el perfil</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Perfil exportado</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Abrir archivo de perfil</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Archivos de perfil (*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Seleccione primero el archivo que desea importar</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Error al importar el perfil</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Perfil importado</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>El nombre del perfil no puede estar vacío</translation>
    </message>
    <message>
        <source>Profile name is too long</source>
        <translation>El nombre del perfil es demasiado largo</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Error al modificar el perfil</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Perfil modificado</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>¿Restablecer el perfil actual?</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...(Please press all keys)</source>
        <translation>Calibrando todas las teclas... (pulse todas las teclas)</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
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
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Brillo:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidad:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Todo color</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Color superior</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Color inferior</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Luz personalizada</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Teclado/Ambiental</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>El nombre de la luz personalizada no puede estar vacío</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Nombre de la luz personalizada modificado</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>El dispositivo no tiene luz ambiental</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Respiración</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Onda</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neón</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Serpiente</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reactivo</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurora</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Ondulación</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Destello</translation>
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
        <translation>Según la velocidad</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Ondulación automática</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Estrías</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Fuegos artificiales</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Ritmo musical</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Colisión</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>Si está activado, el disparo rápido solo termina al soltar la tecla por completo.</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>Si está desactivado, el disparo rápido termina cuando la tecla, al soltarse, vuelve más allá del punto de activación.</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Defina cuánto tiempo hay que mantener pulsada la tecla para activarla.</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>Con la calibración de todas las teclas activada, pulse todas las teclas para completar la calibración.</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <extracomment>Shown alone in Japanese, where it holds all five steps, one per line.</extracomment>
        <translation>1. Active primero el modo de calibración;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2. Seleccione una tecla;</translation>
    </message>
    <message>
        <source>3.Clicked &quot;Start calibration&quot;;</source>
        <translation>3. Haga clic en «Iniciar calibración»;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4. Pulse la tecla seleccionada;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5. Se muestra el resultado de la calibración;</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Con el bloqueo de Win activado:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Desactivar tecla Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Desactivar SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Desactivar ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Desactivar ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Reposo de la luz:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Reposo del teclado:</translation>
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
        <translation>Restablecer perfil actual</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Propiedades del teclado</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Impedir reposo</translation>
    </message>
    <message>
        <source>GamePad:</source>
        <translation>Gamepad:</translation>
    </message>
    <message>
        <source>The device service could not be started, no keyboard can be found. Please restart the program.</source>
        <translation>No se pudo iniciar el servicio del dispositivo y no se encuentra ningún teclado. Reinicie el programa.</translation>
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
        <translation>Salir(&amp;Q)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
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
        <translation>Imagen de fondo</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Inicio automático</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Iniciar la aplicación con el sistema (minimizada)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Minimizar a la bandeja al cerrar</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Actualización</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Buscar actualización de firmware</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>No se encontraron dispositivos actualizables</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Configuración aplicada</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Error al aplicar la configuración</translation>
    </message>
    <message>
        <source>(OffLine)</source>
        <translation>(Ausente)</translation>
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
        <translation>No se pudo actualizar la macro en todos los perfiles. Inténtelo de nuevo</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>Producto:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Versión actual:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Progreso:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Versión nueva:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completado</translation>
    </message>
</context>
<context>
    <name>keySelectFrame</name>
    <message>
        <source>Cannot remapped</source>
        <translation>No se puede reasignar</translation>
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
        <translation>Cambiar nombre</translation>
    </message>
</context>
</TS>
