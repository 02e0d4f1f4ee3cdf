<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>Key Combination</source>
        <translation>Combinaison de touches</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Touches normales</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Touches spéciales</translation>
    </message>
</context>
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Left Click</source>
        <translation>Clic gauche</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic droit</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Assign Profile</source>
        <translation>Attribuer un profil</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Light Press</source>
        <translation>Appui léger</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Appui fort</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Réaffecter la touche</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Choisissez la touche</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>Type&#xa0;:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Fonction&#xa0;:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Couche de base</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Couche FN</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Transférer</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>Device List</source>
        <translation>Liste des appareils</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Appareil non connecté</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Infos firmware</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Shortcuts</source>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Afficher le bureau</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Verrouiller l&apos;ordinateur</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Poste de travail</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Light Press</source>
        <translation>Appui léger</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Appui fort</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinaison de touches</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Choisissez les touches</translation>
    </message>
</context>
<context>
    <name>DKeyConfigFunctionPage</name>
    <message>
        <source>Key Config</source>
        <translation>Fonctions clavier</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Verrouiller/déverrouiller Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Verrouiller Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Déverrouiller Win</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Verrouiller le clavier</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Niveau de batterie</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Couche de base</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Couche FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Couche FN1</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Passer en USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Passer en 2,4G</translation>
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
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Select App</source>
        <translation>Choisir une application</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Sélectionnez le chemin de l&apos;application</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Sélectionner une application</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Saisissez le texte...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DKeyboardLightCustomEventPage</name>
    <message>
        <source>Keyboard Light</source>
        <translation>Éclairage du clavier</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Éclairage global</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Éclairage interactif</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Tout l&apos;éclairage</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statique</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Luminosité +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Luminosité -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Vitesse +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Vitesse -</translation>
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
        <translation>Direction en boucle</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Passer en pleine couleur</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Changer couleur du haut</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Changer couleur du bas</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Tout éteindre</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Éteindre le rétroéclairage</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Suspendre le rétroéclairage</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Enregistrement lumineux</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Personnalisé 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Personnalisé 2</translation>
    </message>
</context>
<context>
    <name>DLightsConfigPage</name>
    <message>
        <source>Type:</source>
        <translation>Type&#xa0;:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Luminosité&#xa0;:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Vitesse&#xa0;:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direction&#xa0;:</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Mode d&apos;éclairage</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Pleine couleur</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Couleur du haut</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Couleur du bas</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Éclairage personnalisé</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Login</source>
        <translation>Connexion</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Play Type</source>
        <translation>Type de lecture</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Lire une fois</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Lecture continue oui/non</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Lire plusieurs fois</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Lire tant que la touche est enfoncée</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Répétitions</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Répétitions 1, 2, 3...</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Attribuer une macro</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>Enregistrement de macro</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Groupe de macros</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Réglage du délai</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Enregistrer les délais</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Aucun délai</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Délai par défaut</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Liste des événements</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>L&apos;enregistrement est vide</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Insérer un événement</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Insérer après</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Insérer avant</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Délai</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Appuyez sur une touche</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic gauche</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic droit</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Saisissez le délai</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insérer</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propriété</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Appuyer sur la touche</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Tip: After the macro group recording is completed, please move to &quot;%1&quot; complete binding operation.</source>
        <extracomment>%1 is the page path &quot;Key Custom-&gt;Macro&quot;, built from the page names.</extracomment>
        <translation>Astuce&#xa0;: une fois le groupe de macros enregistré, allez dans «&#xa0;%1&#xa0;» pour terminer l&apos;attribution.</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Attribution des touches</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Macro supprimée</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Le nom de la macro ne peut pas être vide</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Nom de la macro modifié</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Macro ajoutée</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Sélectionnez d&apos;abord une macro</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Enregistrement de la macro effacé</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Sélectionnez d&apos;abord une position</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Le nombre maximal d&apos;événements enregistrés est atteint</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Insertion réussie</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Modification réussie</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Dossier de destination</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Sélectionnez d&apos;abord le dossier de destination</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>Échec de l&apos;exportation de la macro</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Macro exportée</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Ouvrir un fichier de macro</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Fichiers de macro (*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>Échec de l&apos;importation de la macro</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Macro importée</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Enregistrer une macro</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Arrêter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>Échec de la suppression de la macro</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>Échec de la modification du nom de la macro</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>Échec de l&apos;ajout de la macro</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>Échec de l&apos;effacement de l&apos;enregistrement de la macro</translation>
    </message>
    <message>
        <source>Delete event failed</source>
        <translation>Échec de la suppression de l&apos;événement</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>Échec de l&apos;insertion</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>Échec de la modification</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>Échec du déplacement</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>Échec de l&apos;enregistrement de la macro enregistrée</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Mouse Key</source>
        <translation>Touche souris</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Bouton gauche</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Bouton central</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Bouton droit</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Touche de précision</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Défiler vers le bas</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Défiler vers le haut</translation>
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
        <translation>Lecture/Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Piste suivante</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Piste précédente</translation>
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
        <translation>Muet</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navigateur</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Luminosité écran +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Luminosité écran -</translation>
    </message>
</context>
<context>
    <name>DOnboardDownloader</name>
    <message>
        <source>Download config successful</source>
        <translation>Configuration transférée au clavier</translation>
    </message>
    <message numerus="yes">
        <source>More than %n keys are bound to macros; the keyboard holds %n macros. Nothing was downloaded</source>
        <translation>
            <numerusform>Plus de %n touche est associée à des macros&#xa0;; le clavier stocke %n macro. Rien n&apos;a été transféré</numerusform>
            <numerusform>Plus de %n touches sont associées à des macros&#xa0;; le clavier stocke %n macros. Rien n&apos;a été transféré</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>More than %n keys are bound to advanced keys; the keyboard holds %n. Nothing was downloaded</source>
        <translation>
            <numerusform>Plus de %n touche est associée à des touches avancées&#xa0;; le clavier en stocke %n. Rien n&apos;a été transféré</numerusform>
            <numerusform>Plus de %n touches sont associées à des touches avancées&#xa0;; le clavier en stocke %n. Rien n&apos;a été transféré</numerusform>
        </translation>
    </message>
    <message>
        <source>A download is already running</source>
        <translation>Un transfert est déjà en cours</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Échec du transfert de la configuration, veuillez réessayer</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Si le verrouillage Win est actif&#xa0;:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Désactiver la touche Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Désactiver MAJ+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Désactiver ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Désactiver ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Veille de l&apos;éclairage&#xa0;:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Veille du clavier&#xa0;:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Empêcher la veille</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>GamePad Mode:</source>
        <translation>Mode manette&#xa0;:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Xbox360</source>
        <translation>Xbox360</translation>
    </message>
    <message>
        <source>Classical</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Propriétés du clavier</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Réinitialiser le profil actuel</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Renommer</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Light Press</source>
        <translation>Appui léger</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Appui fort</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysBindingPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>Touches avancées</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>Touches avancées</translation>
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
        <translation>Créer</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>La touche a deux fonctions&#xa0;: l&apos;une en la maintenant enfoncée, l&apos;autre en appuyant brièvement.</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Maintien</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Appui bref</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Durée de maintien</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Appuyez sur cette touche pour activer ou désactiver le déclenchement continu.</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Aucune touche avancée</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Touche unique</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinaison de touches</translation>
    </message>
    <message>
        <source>Tip: bind the advanced keys on the key page.</source>
        <translation>Astuce&#xa0;: attribuez les touches avancées dans la page des touches.</translation>
    </message>
    <message>
        <source>Tip: After the advanced key configuration is completed, please move to &quot;%1&quot; complete binding operation.</source>
        <extracomment>%1 is the page path &quot;Key Custom-&gt;Senior Keys&quot;, built from the page names.</extracomment>
        <translation>Astuce&#xa0;: une fois la touche avancée configurée, allez dans «&#xa0;%1&#xa0;» pour terminer l&apos;attribution.</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Attribution des touches</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <extracomment>Advanced keys stored out of the most the store holds.</extracomment>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>Le nombre maximal de touches avancées est atteint</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Touche avancée créée</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Touche avancée supprimée</translation>
    </message>
    <message>
        <source>%1ms</source>
        <extracomment>The hold duration of an MT key; %1 is a number of milliseconds.</extracomment>
        <translation>%1&#xa0;ms</translation>
    </message>
    <message>
        <source>Modify senior keys failed</source>
        <translation>Échec de la modification de la touche avancée</translation>
    </message>
    <message>
        <source>Create senior keys failed</source>
        <translation>Échec de la création de la touche avancée</translation>
    </message>
    <message>
        <source>Delete senior keys failed</source>
        <translation>Échec de la suppression de la touche avancée</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysRecordExplainDia</name>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration; 
When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Avec «&#xa0;Touche unique&#xa0;», il suffit d&apos;appuyer sur une touche pour terminer la configuration&#xa0;;
Avec «&#xa0;Combinaison de touches&#xa0;», choisissez au moins un modificateur et une autre touche pour terminer la combinaison, par ex. L_Shift+A ou L_Shift+L_Ctrl+A&#xa0;;</translation>
    </message>
    <message>
        <source>When &quot;Single Key&quot; is selected, simply click a certain key to complete key configuration;</source>
        <translation>Avec «&#xa0;Touche unique&#xa0;», il suffit d&apos;appuyer sur une touche pour terminer la configuration&#xa0;;</translation>
    </message>
    <message>
        <source>When &quot;Key Combination&quot; is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Avec «&#xa0;Combinaison de touches&#xa0;», choisissez au moins un modificateur et une autre touche pour terminer la combinaison, par ex. L_Shift+A ou L_Shift+L_Ctrl+A&#xa0;;</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>La touche peut avoir quatre fonctions&#xa0;: attribuez-en de 1 à 4 selon quatre profondeurs d&apos;appui.</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>La touche a deux fonctions&#xa0;: l&apos;une en la maintenant enfoncée, l&apos;autre en appuyant brièvement.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Appuyez sur cette touche pour activer ou désactiver le déclenchement continu.</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Image de fond</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Démarrage automatique</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Lancer l&apos;application au démarrage du système (réduite)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Réduire dans la zone de notification à la fermeture</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Mise à jour du firmware</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Boutique</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Assistance</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Envoyer un avis</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Logiciel d&apos;application</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
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
        <translation>Éclairage d&apos;ambiance</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Tout l&apos;éclairage</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Éclairage global</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Éclairage interactif</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Luminosité +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Luminosité -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Vitesse +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Vitesse -</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Passer en pleine couleur</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Changer couleur du haut</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Changer couleur du bas</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Éteindre l&apos;éclairage latéral</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Suspendre l&apos;éclairage latéral</translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Points de déclenchement des actions DKS</translation>
    </message>
</context>
<context>
    <name>DTriggerSettingPage</name>
    <message>
        <source>Quick trigger</source>
        <translation>Déclenchement rapide</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Ajustez la course de déclenchement et de réarmement selon votre façon d&apos;appuyer sur la touche ou de la relâcher.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Sensibilité séparée</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Vous pouvez régler séparément la course du déclenchement rapide à l&apos;appui (déclenchement) et au relâchement (réarmement).</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Appui/Relâchement</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Appui</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Relâchement</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Anti-rebond</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Taux d&apos;interrogation</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Passer en mode calibrage</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Lancer le calibrage</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Calibrer toutes les touches</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Suivi de l&apos;intensité</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Réinitialiser la sensibilité</translation>
    </message>
    <message>
        <source>%1K</source>
        <extracomment>The report rate; %1 is a number of kilohertz.</extracomment>
        <translation>%1K</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>Suivi de la course</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Sensibilité à l&apos;appui et au relâchement</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Mode calibrage</translation>
    </message>
    <message>
        <source>Press(Trigger)</source>
        <translation>Appui (déclenchement)</translation>
    </message>
    <message>
        <source>Release(Reset)</source>
        <translation>Relâchement (réarmement)</translation>
    </message>
    <message>
        <source>Press(Trigger)/Release(Reset)</source>
        <translation>Appui (déclenchement)/Relâchement (réarmement)</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>Mettre à jour le firmware</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Pendant la mise à jour du firmware, ne débranchez pas l&apos;appareil&#x202f;!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Mise à jour réussie</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Échec de la mise à jour</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Clavier virtuel</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation>Arrêt du programme</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>Le programme s&apos;est arrêté de manière inattendue.</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Inconnu</translation>
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
        <translation>Muet</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Lecture/Pause</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Piste suivante</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Piste précédente</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navigateur</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Luminosité écran +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Luminosité écran -</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Bouton gauche</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Bouton central</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Bouton droit</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Défiler vers le haut</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Défiler vers le bas</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Touche de précision</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Changer de fenêtre</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Afficher le bureau</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Poste de travail</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Verrouiller l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Verrouiller le clavier</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Verrouiller/déverrouiller Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Verrouiller Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Déverrouiller Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Couche de base</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Couche FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Couche FN1</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Niveau de batterie</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Passer en USB</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Passer en 2,4G</translation>
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
        <translation>Éclairage global</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Éclairage interactif</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Tout l&apos;éclairage</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statique</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Luminosité +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Luminosité -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Vitesse +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Vitesse -</translation>
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
        <translation>Direction en boucle</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Passer en pleine couleur</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Changer couleur du haut</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Changer couleur du bas</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Personnalisé 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Personnalisé 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Tout éteindre</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Éteindre le rétroéclairage</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Éteindre l&apos;éclairage latéral</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Suspendre l&apos;éclairage latéral</translation>
    </message>
    <message>
        <source>X Axis Left</source>
        <translation>Axe X gauche</translation>
    </message>
    <message>
        <source>X Axis Right</source>
        <translation>Axe X droite</translation>
    </message>
    <message>
        <source>Y Axis Up</source>
        <translation>Axe Y haut</translation>
    </message>
    <message>
        <source>Y Axis Down</source>
        <translation>Axe Y bas</translation>
    </message>
    <message>
        <source>Z Axis Forward</source>
        <translation>Axe Z avant</translation>
    </message>
    <message>
        <source>Z Axis Backward</source>
        <translation>Axe Z arrière</translation>
    </message>
    <message>
        <source>Z Rotation Forward</source>
        <translation>Rotation Z avant</translation>
    </message>
    <message>
        <source>Z Rotation Backward</source>
        <translation>Rotation Z arrière</translation>
    </message>
    <message>
        <source>X Rotation Left</source>
        <translation>Rotation X gauche</translation>
    </message>
    <message>
        <source>X Rotation Right</source>
        <translation>Rotation X droite</translation>
    </message>
    <message>
        <source>Y Rotation Up</source>
        <translation>Rotation Y haut</translation>
    </message>
    <message>
        <source>Y Rotation Down</source>
        <translation>Rotation Y bas</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Manette des gaz</translation>
    </message>
    <message>
        <source>Elevator</source>
        <translation>Gouverne de profondeur</translation>
    </message>
    <message>
        <source>Accelerator</source>
        <translation>Accélérateur</translation>
    </message>
    <message>
        <source>Rudder</source>
        <translation>Gouvernail</translation>
    </message>
    <message>
        <source>Trigger Button</source>
        <translation>Bouton gâchette</translation>
    </message>
    <message>
        <source>Button 1</source>
        <translation>Bouton 1</translation>
    </message>
    <message>
        <source>Button 2</source>
        <translation>Bouton 2</translation>
    </message>
    <message>
        <source>Button 3</source>
        <translation>Bouton 3</translation>
    </message>
    <message>
        <source>Button 4</source>
        <translation>Bouton 4</translation>
    </message>
    <message>
        <source>Button 5</source>
        <translation>Bouton 5</translation>
    </message>
    <message>
        <source>Button 6</source>
        <translation>Bouton 6</translation>
    </message>
    <message>
        <source>Button 7</source>
        <translation>Bouton 7</translation>
    </message>
    <message>
        <source>Button 8</source>
        <translation>Bouton 8</translation>
    </message>
    <message>
        <source>Button 9</source>
        <translation>Bouton 9</translation>
    </message>
    <message>
        <source>Button 10</source>
        <translation>Bouton 10</translation>
    </message>
    <message>
        <source>Button 11</source>
        <translation>Bouton 11</translation>
    </message>
    <message>
        <source>Button 12</source>
        <translation>Bouton 12</translation>
    </message>
    <message>
        <source>Arrow Up</source>
        <translation>Flèche haut</translation>
    </message>
    <message>
        <source>Arrow Down</source>
        <translation>Flèche bas</translation>
    </message>
    <message>
        <source>Arrow Left</source>
        <translation>Flèche gauche</translation>
    </message>
    <message>
        <source>Arrow Right</source>
        <translation>Flèche droite</translation>
    </message>
    <message>
        <source>Left joystick Up</source>
        <translation>Stick gauche haut</translation>
    </message>
    <message>
        <source>Left joystick Down</source>
        <translation>Stick gauche bas</translation>
    </message>
    <message>
        <source>Left joystick Left</source>
        <translation>Stick gauche à gauche</translation>
    </message>
    <message>
        <source>Left joystick Right</source>
        <translation>Stick gauche à droite</translation>
    </message>
    <message>
        <source>Right joystick Up</source>
        <translation>Stick droit haut</translation>
    </message>
    <message>
        <source>Right joystick Down</source>
        <translation>Stick droit bas</translation>
    </message>
    <message>
        <source>Right joystick Left</source>
        <translation>Stick droit à gauche</translation>
    </message>
    <message>
        <source>Right joystick Right</source>
        <translation>Stick droit à droite</translation>
    </message>
    <message>
        <source>Left Trigger</source>
        <translation>Gâchette gauche</translation>
    </message>
    <message>
        <source>Right Trigger</source>
        <translation>Gâchette droite</translation>
    </message>
    <message>
        <source>Button A</source>
        <translation>Bouton A</translation>
    </message>
    <message>
        <source>Button B</source>
        <translation>Bouton B</translation>
    </message>
    <message>
        <source>Button X</source>
        <translation>Bouton X</translation>
    </message>
    <message>
        <source>Button Y</source>
        <translation>Bouton Y</translation>
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
        <translation>Bouton Menu</translation>
    </message>
    <message>
        <source>Left joystick Press</source>
        <translation>Clic stick gauche</translation>
    </message>
    <message>
        <source>Right joystick Press</source>
        <translation>Clic stick droit</translation>
    </message>
    <message>
        <source>Left Bumper</source>
        <translation>Bouton tranche gauche</translation>
    </message>
    <message>
        <source>Right Bumper</source>
        <translation>Bouton tranche droit</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Réaffecter la touche</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinaison de touches</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Changer de profil</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Lancer une application</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Fonctions clavier</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Touches avancées</translation>
    </message>
    <message>
        <source>GamePad</source>
        <translation>Manette</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Éclairage du clavier</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Éclairage d&apos;ambiance</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Suspendre le rétroéclairage</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Enregistrement lumineux</translation>
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
        <translation>%1&#x202f;%</translation>
    </message>
    <message>
        <source>GamePad Disable</source>
        <translation>Manette désactivée</translation>
    </message>
    <message>
        <source>GamePad Xbox360</source>
        <translation>Manette Xbox360</translation>
    </message>
    <message>
        <source>GamePad Classical</source>
        <translation>Manette classique</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Choisissez la touche</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Attribuer un profil</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Transférer</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type&#xa0;:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Fonction&#xa0;:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Sélectionnez d&apos;abord une touche</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Opération réussie</translation>
    </message>
    <message>
        <source>Setting failed, the profile could not be written</source>
        <translation>Échec&#xa0;: impossible d&apos;écrire le profil</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Échec&#xa0;: le texte est vide</translation>
    </message>
    <message>
        <source>The text is too long</source>
        <translation>Le texte est trop long</translation>
    </message>
    <message>
        <source>The program path is too long</source>
        <translation>Le chemin du programme est trop long</translation>
    </message>
    <message>
        <source>The macro is no longer stored</source>
        <translation>La macro n&apos;existe plus</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Choisissez les touches</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Choisir une application</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Sélectionnez le chemin de l&apos;application</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Sélectionner une application</translation>
    </message>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>Applications (*.desktop)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Saisissez le texte...</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Touche souris</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Appui léger</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Appui fort</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Clavier virtuel</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Coréen/Anglais</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinois</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Liste des appareils</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Appareil non connecté</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Attribution des touches</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Déclenchement</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Éclairage</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Performances</translation>
    </message>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>Calibrage des touches en cours, veuillez patienter</translation>
    </message>
    <message>
        <source>The keyboard is busy, please try again</source>
        <translation>Le clavier est occupé, veuillez réessayer</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>La mise en veille de l&apos;éclairage ne peut pas être plus tardive que celle du clavier</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Le délai de mise en veille du clavier est trop court</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Échec du réglage de la mise en veille</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Délai de mise en veille réglé</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Note that the device will restart!</source>
        <translation>Attention, l&apos;appareil va redémarrer&#x202f;!</translation>
    </message>
    <message>
        <source>Keyboard not accessible</source>
        <translation>Clavier inaccessible</translation>
    </message>
    <message>
        <source>A keyboard is connected, but this user is not allowed to open it. Install the program&apos;s device rule (70-lumtar.rules) and plug the keyboard in again.</source>
        <translation>Un clavier est connecté, mais cet utilisateur n&apos;a pas le droit de l&apos;ouvrir. Installez la règle de périphérique du programme (70-lumtar.rules) puis rebranchez le clavier.</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>L&apos;appareil est hors ligne</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>L&apos;appareil a été allumé</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Échec de l&apos;opération</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Passez d&apos;abord en mode calibrage</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Calibrage réussi</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Calibrage en cours</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>Échec du calibrage</translation>
    </message>
    <message>
        <source>Failed to open the device, please try again</source>
        <translation>Impossible d&apos;ouvrir l&apos;appareil, veuillez réessayer</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Le nombre maximal de profils est atteint</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Échec de la création&#xa0;: l&apos;index existe déjà, veuillez vérifier</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Échec de la création du profil</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Profil créé</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Au moins un profil doit être conservé</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Échec de la suppression du profil</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Profil supprimé</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Dossier de destination</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Sélectionnez d&apos;abord le dossier de destination</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Cet index n&apos;existe pas</translation>
    </message>
    <message>
        <source>Export profile failed, the file path is too long</source>
        <translation>Échec de l&apos;exportation du profil&#xa0;: le chemin du fichier est trop long</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Échec de l&apos;exportation du profil</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Profil exporté</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Ouvrir un fichier de profil</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Fichiers de profil (*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Sélectionnez d&apos;abord le fichier à importer</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Échec de l&apos;importation du profil</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Profil importé</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Le nom du profil ne peut pas être vide</translation>
    </message>
    <message>
        <source>Profile name is too long</source>
        <translation>Le nom du profil est trop long</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Échec de la modification du profil</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Profil modifié</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Réinitialiser le profil actuel&#x202f;?</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...(Please press all keys)</source>
        <translation>Calibrage de toutes les touches en cours... (appuyez sur toutes les touches)</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Luminosité&#xa0;:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Vitesse&#xa0;:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direction&#xa0;:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Pleine couleur</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Couleur du haut</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Couleur du bas</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Éclairage personnalisé</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Clavier/Ambiance</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Le nom de l&apos;éclairage personnalisé ne peut pas être vide</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Nom de l&apos;éclairage personnalisé modifié</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>L&apos;appareil n&apos;a pas d&apos;éclairage d&apos;ambiance</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Respiration</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Vague</translation>
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
        <translation>Serpent</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Réactif</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurore</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Ondulation</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Scintillement</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Croix</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Réponse à la vitesse</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Ondulation auto</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Stries</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Feu d&apos;artifice</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Rythme musical</translation>
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
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>Si activé, le déclenchement rapide ne s&apos;arrête que lorsque vous relâchez complètement la touche.</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>Si désactivé, le déclenchement rapide s&apos;arrête dès que la touche relâchée repasse le point de déclenchement.</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Définissez la durée d&apos;appui nécessaire au déclenchement.</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>Si le calibrage de toutes les touches est activé, appuyez sur toutes les touches pour terminer le calibrage.</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <extracomment>Shown alone in Japanese, where it holds all five steps, one per line.</extracomment>
        <translation>1. Passez d&apos;abord en mode calibrage&#xa0;;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2. Sélectionnez une touche&#xa0;;</translation>
    </message>
    <message>
        <source>3.Clicked &quot;Start calibration&quot;;</source>
        <translation>3. Cliquez sur «&#xa0;Lancer le calibrage&#xa0;»&#xa0;;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4. Appuyez sur la touche sélectionnée&#xa0;;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5. Le résultat du calibrage s&apos;affiche&#xa0;;</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Si le verrouillage Win est actif&#xa0;:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Désactiver la touche Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Désactiver MAJ+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Désactiver ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Désactiver ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Veille de l&apos;éclairage&#xa0;:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Veille du clavier&#xa0;:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Réinitialiser le profil actuel</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Propriétés du clavier</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Empêcher la veille</translation>
    </message>
    <message>
        <source>GamePad:</source>
        <translation>Manette&#xa0;:</translation>
    </message>
    <message>
        <source>The device service could not be started, no keyboard can be found. Please restart the program.</source>
        <translation>Impossible de démarrer le service de l&apos;appareil, aucun clavier n&apos;a été trouvé. Veuillez redémarrer le programme.</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Réduire(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Agrandir(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Restaurer(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Quitter(&amp;Q)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Image de fond</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Démarrage automatique</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Lancer l&apos;application au démarrage du système (réduite)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Réduire dans la zone de notification à la fermeture</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Mise à jour du firmware</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Aucun appareil à mettre à jour</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Configuration appliquée</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Échec de la configuration</translation>
    </message>
    <message>
        <source>(OffLine)</source>
        <translation>(Absent)</translation>
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
        <translation>La macro n&apos;a pas pu être mise à jour dans tous les profils, veuillez réessayer</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>Nom du produit&#xa0;:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Version actuelle&#xa0;:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Progression&#xa0;:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nouvelle version&#xa0;:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>keySelectFrame</name>
    <message>
        <source>Cannot remapped</source>
        <translation>Réaffectation impossible</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Renommer</translation>
    </message>
</context>
</TS>
