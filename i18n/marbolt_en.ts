<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>CityEditor</name>
    <message>
        <source>Ausgewählte Stadt</source>
        <translation>Selected City</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Spieler</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Baustop (?)</source>
        <translation>Construction stop (?)</translation>
    </message>
    <message>
        <source>Warenlager...</source>
        <translation>Stock...</translation>
    </message>
</context>
<context>
    <name>CityGoalBox</name>
    <message>
        <source>Erste Stadt</source>
        <translation>First City</translation>
    </message>
    <message>
        <source>Zweite Stadt</source>
        <translation>Second City</translation>
    </message>
    <message>
        <source>Dritte Stadt</source>
        <translation>Third City</translation>
    </message>
    <message>
        <source>Erreiche</source>
        <translation>Reach</translation>
    </message>
</context>
<context>
    <name>DefeatGoalBox</name>
    <message>
        <source>Zu besiegende Spieler</source>
        <translation>Players to Defeat</translation>
    </message>
    <message>
        <source>Beliebiger</source>
        <translation>Any</translation>
    </message>
    <message>
        <source>Einen beliebigen Spieler besiegen</source>
        <translation>Defeat any player</translation>
    </message>
</context>
<context>
    <name>FileActions</name>
    <message>
        <source>Alle Szenarien (*.szs *.szm *.mfs *.mfm *.gam)</source>
        <translation>All scenarios (*.szs *.szm *.mfs *.mfm *.gam)</translation>
    </message>
    <message>
        <source>Vo Einzelspieler (*.szs)</source>
        <translation>Vo single player (*.szs)</translation>
    </message>
    <message>
        <source>Vo Mehrspieler (*.szm)</source>
        <translation>Vo multiplayer (*.szm)</translation>
    </message>
    <message>
        <source>Rumo Einzelspieler (*.mfs)</source>
        <translation>Rumo single player (*.mfs)</translation>
    </message>
    <message>
        <source>Rumo Mehrspieler (*.mfm)</source>
        <translation>Rumo multiplayer (*.mfm)</translation>
    </message>
    <message>
        <source>Spielstand (*.gam)</source>
        <translation>Saved game (*.gam)</translation>
    </message>
    <message>
        <source>Alle Dateien (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Brim Inseldateien (*.scp)</source>
        <translation>Brim island files (*.scp)</translation>
    </message>
</context>
<context>
    <name>FolderTree</name>
    <message>
        <source>Ö&amp;ffnen</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Im &amp;Dateimanager zeigen</source>
        <translation>Show in &amp;File Manager</translation>
    </message>
</context>
<context>
    <name>GoalControls</name>
    <message>
        <source>Einwohner, davon</source>
        <translation>inhabitants, of which</translation>
    </message>
</context>
<context>
    <name>GoodsDialogFrame</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Alles leeren</source>
        <translation>Empty All</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>HelpDialog</name>
    <message>
        <source>Szenario öffnen</source>
        <translation>Open a scenario</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Speichern unter neuem Namen</source>
        <translation>Save under a new name</translation>
    </message>
    <message>
        <source>Änderungen seit dem letzten Speichern verwerfen</source>
        <translation>Discard the changes since the last save</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Beenden (in einem Textfeld: ausschneiden)</source>
        <translation>Exit (in a text field: cut)</translation>
    </message>
    <message>
        <source>Szenario prüfen</source>
        <translation>Check the scenario</translation>
    </message>
    <message>
        <source>Letzten Schritt rückgängig machen</source>
        <translation>Undo the last step</translation>
    </message>
    <message>
        <source>Schritt wiederherstellen</source>
        <translation>Redo a step</translation>
    </message>
    <message>
        <source>Karte vergrößern</source>
        <translation>Zoom in on the map</translation>
    </message>
    <message>
        <source>Karte verkleinern</source>
        <translation>Zoom out of the map</translation>
    </message>
    <message>
        <source>Ganze Karte zeigen</source>
        <translation>Show the whole map</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Taste</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Wirkung</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Tastenkürzel</source>
        <translation>Keyboard Shortcuts</translation>
    </message>
</context>
<context>
    <name>IslandTemplateDialog</name>
    <message>
        <source>Nord</source>
        <translation>North</translation>
    </message>
    <message>
        <source>Süd</source>
        <translation>South</translation>
    </message>
    <message>
        <source>ohne Klima</source>
        <translation>no climate</translation>
    </message>
    <message>
        <source>%1 (Eingeborene)</source>
        <translation>%1 (natives)</translation>
    </message>
    <message>
        <source>sehr klein</source>
        <translation>very small</translation>
    </message>
    <message>
        <source>klein</source>
        <translation>small</translation>
    </message>
    <message>
        <source>mittel</source>
        <translation>medium</translation>
    </message>
    <message>
        <source>groß</source>
        <translation>large</translation>
    </message>
    <message>
        <source>sehr groß</source>
        <translation>very large</translation>
    </message>
    <message>
        <source>%1
nicht lesbar</source>
        <translation>%1
unreadable</translation>
    </message>
    <message>
        <source>%1
%2 Felder</source>
        <translation>%1
%2 tiles</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Datei wählen…</source>
        <translation>Choose File…</translation>
    </message>
    <message>
        <source>Gewählte Dateien</source>
        <translation>Chosen files</translation>
    </message>
    <message>
        <source>Brim Inseldateien (*.scp)</source>
        <translation>Brim island files (*.scp)</translation>
    </message>
    <message>
        <source>Alle Dateien (*)</source>
        <translation>All files (*)</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Sprache</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Wie das System</source>
        <translation>Same as the system</translation>
    </message>
</context>
<context>
    <name>LevelGoalRow</name>
    <message>
        <source>Stufe</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>BGRUPPE</source>
        <translation>GROUP</translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <source>&amp;Öffnen...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>Öffnen|Öffnet eine existierende Datei</source>
        <translation>Open|Opens an existing file</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Speichern|Speichert die Datei</source>
        <translation>Save|Saves the file</translation>
    </message>
    <message>
        <source>Speichern &amp;unter...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>Speichern unter...|Speichert die Datei unter einem neuen Namen</source>
        <translation>Save As...|Saves the file under a new name</translation>
    </message>
    <message>
        <source>&amp;Wiederherstellen</source>
        <translation>Re&amp;vert</translation>
    </message>
    <message>
        <source>Wiederherstellen|Macht Änderungen seit dem letzten Speichern rückgängig</source>
        <translation>Revert|Undoes the changes since the last save</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Beenden|Beendet das Programm</source>
        <translation>Exit|Quits the program</translation>
    </message>
    <message>
        <source>Insel speichern...</source>
        <translation>Save Island...</translation>
    </message>
    <message>
        <source>Insel speichern|Speichert die Insel in einer neuen Datei</source>
        <translation>Save island|Saves the island in a new file</translation>
    </message>
    <message>
        <source>&amp;Karte als Bild speichern…</source>
        <translation>Save Map as &amp;Image…</translation>
    </message>
    <message>
        <source>Karte als Bild speichern|Speichert die Weltkarte als PNG-Bild</source>
        <translation>Save map as image|Saves the world map as a PNG image</translation>
    </message>
    <message>
        <source>Insel löschen</source>
        <translation>Delete Island</translation>
    </message>
    <message>
        <source>Insel einfügen…</source>
        <translation>Insert Island…</translation>
    </message>
    <message>
        <source>Insel einfügen|Fügt eine Insel aus einer Inselvorlage ein</source>
        <translation>Insert island|Inserts an island from an island template</translation>
    </message>
    <message>
        <source>Insel duplizieren</source>
        <translation>Duplicate Island</translation>
    </message>
    <message>
        <source>Insel duplizieren|Fügt eine Insel mit dem Boden der gewählten ein</source>
        <translation>Duplicate island|Inserts an island with the ground of the selected one</translation>
    </message>
    <message>
        <source>Spiel&amp;ordner wählen...</source>
        <translation>Choose &amp;Game Folder...</translation>
    </message>
    <message>
        <source>Spielordner wählen|Legt fest, in welchem Ordner Brim installiert ist</source>
        <translation>Choose game folder|Sets the folder in which Brim is installed</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Über &amp;Marbolt</source>
        <translation>About &amp;Marbolt</translation>
    </message>
    <message>
        <source>Über &amp;Qt</source>
        <translation>About &amp;Qt</translation>
    </message>
    <message>
        <source>Szenario &amp;prüfen</source>
        <translation>&amp;Check Scenario</translation>
    </message>
    <message>
        <source>Szenario prüfen|Listet auf, was in den Daten des Szenarios nicht zusammenpasst</source>
        <translation>Check scenario|Lists what does not fit together in the scenario&apos;s data</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Zuletzt geöffnet</source>
        <translation>Open &amp;Recent</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Ansicht</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Werkzeuge</source>
        <translation>Tools</translation>
    </message>
</context>
<context>
    <name>MapPage</name>
    <message>
        <source>Stadt</source>
        <translation>City</translation>
    </message>
    <message>
        <source>Schiff/Karren</source>
        <translation>Ship/Cart</translation>
    </message>
    <message>
        <source>Städte anzeigen</source>
        <translation>Show cities</translation>
    </message>
    <message>
        <source>Schiffe und Karren anzeigen</source>
        <translation>Show ships and carts</translation>
    </message>
</context>
<context>
    <name>MonopolyGoalBox</name>
    <message>
        <source>Monopol</source>
        <translation>Monopoly</translation>
    </message>
    <message>
        <source>%1. Monopol:</source>
        <translation>Monopoly %1:</translation>
    </message>
</context>
<context>
    <name>ObjectTree</name>
    <message>
        <source>Inseln und Städte</source>
        <translation>Islands and cities</translation>
    </message>
    <message>
        <source>Schiffe und Karren</source>
        <translation>Ships and carts</translation>
    </message>
</context>
<context>
    <name>ShipEditor</name>
    <message>
        <source>Ausgewähltes Schiff</source>
        <translation>Selected Ship</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Spieler</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Kanonen</source>
        <translation>Cannons</translation>
    </message>
    <message>
        <source>Energie</source>
        <translation>Energy</translation>
    </message>
    <message>
        <source>Ladung...</source>
        <translation>Cargo...</translation>
    </message>
</context>
<context>
    <name>StartArguments</name>
    <message>
        <source>Tobrel&apos;s Brim Marbolt: Szenario-Editor für das Inselhandelsspiel Brim.</source>
        <translation>Tobrel&apos;s Brim Marbolt: scenario editor for the island trading game Brim.</translation>
    </message>
    <message>
        <source>dateien</source>
        <translation>files</translation>
    </message>
    <message>
        <source>Das zu öffnende Szenario (*.szs, *.szm, *.mfs, *.mfm, *.gam) oder ein Ordner, der im Ordnerbaum gezeigt wird; auch als file://-Adresse.</source>
        <translation>The scenario to open (*.szs, *.szm, *.mfs, *.mfm, *.gam) or a folder to show in the folder tree; also as a file:// address.</translation>
    </message>
    <message>
        <source>[datei|ordner...]</source>
        <translation>[file|folder...]</translation>
    </message>
    <message>
        <source>Mehr dazu: %1 --help
</source>
        <translation>More: %1 --help
</translation>
    </message>
</context>
<context>
    <name>StepNames</name>
    <message>
        <source>Maximale Anzahl Schiffe ändern</source>
        <translation>Change maximum number of ships</translation>
    </message>
    <message>
        <source>Schalter Erzvorkommen umschalten</source>
        <translation>Toggle switch ore deposits</translation>
    </message>
    <message>
        <source>Schalter Dürren umschalten</source>
        <translation>Toggle switch droughts</translation>
    </message>
    <message>
        <source>Schalter Piraten umschalten</source>
        <translation>Toggle switch pirates</translation>
    </message>
    <message>
        <source>Schalter Vulkane umschalten</source>
        <translation>Toggle switch volcanoes</translation>
    </message>
    <message>
        <source>Schalter Fliegender Händler umschalten</source>
        <translation>Toggle switch flying trader</translation>
    </message>
    <message>
        <source>Schalter Militäroptionen umschalten</source>
        <translation>Toggle switch military options</translation>
    </message>
    <message>
        <source>Kampagnenzugehörigkeit ändern</source>
        <translation>Change campaign membership</translation>
    </message>
    <message>
        <source>Kampagnennummer ändern</source>
        <translation>Change campaign number</translation>
    </message>
    <message>
        <source>Spielername ändern</source>
        <translation>Change player name</translation>
    </message>
    <message>
        <source>Spielerart ändern</source>
        <translation>Change player kind</translation>
    </message>
    <message>
        <source>Spielerfarbe ändern</source>
        <translation>Change player colour</translation>
    </message>
    <message>
        <source>Konto ändern</source>
        <translation>Change account</translation>
    </message>
    <message>
        <source>Kontore leeren</source>
        <translation>Empty trading posts</translation>
    </message>
    <message>
        <source>Schiffe leeren</source>
        <translation>Empty ships</translation>
    </message>
    <message>
        <source>Karren leeren</source>
        <translation>Empty carts</translation>
    </message>
    <message>
        <source>Auftragstext ändern</source>
        <translation>Change mission text</translation>
    </message>
    <message>
        <source>Stadtname ändern</source>
        <translation>Change city name</translation>
    </message>
    <message>
        <source>Stadtfarbe ändern</source>
        <translation>Change city colour</translation>
    </message>
    <message>
        <source>Baustopp ändern</source>
        <translation>Change construction stop</translation>
    </message>
    <message>
        <source>Schiffsname ändern</source>
        <translation>Change ship name</translation>
    </message>
    <message>
        <source>Schiffsfarbe ändern</source>
        <translation>Change ship colour</translation>
    </message>
    <message>
        <source>Schiffstyp ändern</source>
        <translation>Change ship type</translation>
    </message>
    <message>
        <source>Kanonen ändern</source>
        <translation>Change cannons</translation>
    </message>
    <message>
        <source>Energie ändern</source>
        <translation>Change energy</translation>
    </message>
</context>
<context>
    <name>StoreGoalBox</name>
    <message>
        <source>%1. Lager</source>
        <translation>Store %1</translation>
    </message>
    <message>
        <source>Speichere</source>
        <translation>Store</translation>
    </message>
    <message>
        <source>t</source>
        <translation>t</translation>
    </message>
</context>
<context>
    <name>SupportGoalBox</name>
    <message>
        <source>Zu unterstützender Spieler</source>
        <translation>Player to Support</translation>
    </message>
    <message>
        <source>Beliebiger</source>
        <translation>Any</translation>
    </message>
    <message>
        <source>Einen beliebigen Spieler unterstützen</source>
        <translation>Support any player</translation>
    </message>
    <message>
        <source>Erreiche</source>
        <translation>Reach</translation>
    </message>
    <message>
        <source>Halte</source>
        <translation>Keep</translation>
    </message>
    <message>
        <source>Siedlungen</source>
        <translation>settlements</translation>
    </message>
</context>
<context>
    <name>TFreiForm</name>
    <message>
        <source>unbekannt0</source>
        <translation>unknown0</translation>
    </message>
    <message>
        <source>unbekannt1</source>
        <translation>unknown1</translation>
    </message>
    <message>
        <source>Schule</source>
        <translation>School</translation>
    </message>
    <message>
        <source>Wirtshaus</source>
        <translation>Tavern</translation>
    </message>
    <message>
        <source>Kirche</source>
        <translation>Church</translation>
    </message>
    <message>
        <source>Badehaus</source>
        <translation>Bathhouse</translation>
    </message>
    <message>
        <source>Theater</source>
        <translation>Theatre</translation>
    </message>
    <message>
        <source>Hochschule</source>
        <translation>University</translation>
    </message>
    <message>
        <source>Arzt</source>
        <translation>Doctor</translation>
    </message>
    <message>
        <source>Galgen</source>
        <translation>Gallows</translation>
    </message>
    <message>
        <source>Schloss</source>
        <translation>Castle</translation>
    </message>
    <message>
        <source>Kathedrale</source>
        <translation>Cathedral</translation>
    </message>
    <message>
        <source>unbekannt12</source>
        <translation>unknown12</translation>
    </message>
    <message>
        <source>unbekannt13</source>
        <translation>unknown13</translation>
    </message>
    <message>
        <source>Rinder + Metzger</source>
        <translation>Cattle + butcher</translation>
    </message>
    <message>
        <source>Steine + Feuerwehr</source>
        <translation>Stone + fire brigade</translation>
    </message>
    <message>
        <source>Kontor II, Holztor, Palisade</source>
        <translation>Trading post II, wooden gate, palisade</translation>
    </message>
    <message>
        <source>Alkohol + Tabak</source>
        <translation>Liquor + tobacco</translation>
    </message>
    <message>
        <source>Korn, Mehl, Brot</source>
        <translation>Grain, flour, bread</translation>
    </message>
    <message>
        <source>Werkzeugschmiede</source>
        <translation>Toolmaker</translation>
    </message>
    <message>
        <source>Kl. Erzmine + kl. Werft</source>
        <translation>Small ore mine + small shipyard</translation>
    </message>
    <message>
        <source>Kontor III</source>
        <translation>Trading post III</translation>
    </message>
    <message>
        <source>Burg, Schwerter, Wachturm etc.</source>
        <translation>Fort, swords, watchtower etc.</translation>
    </message>
    <message>
        <source>Goldmine</source>
        <translation>Gold mine</translation>
    </message>
    <message>
        <source>Kakao, Weberei, Schneiderei</source>
        <translation>Cocoa, weaver, tailor</translation>
    </message>
    <message>
        <source>unbekannt25</source>
        <translation>unknown25</translation>
    </message>
    <message>
        <source>Kanonengießerei</source>
        <translation>Cannon foundry</translation>
    </message>
    <message>
        <source>Tiefe Erzmine</source>
        <translation>Deep ore mine</translation>
    </message>
    <message>
        <source>Kontor IV, Goldschmied etc.</source>
        <translation>Trading post IV, goldsmith etc.</translation>
    </message>
    <message>
        <source>Große Burg, Musketenbauer</source>
        <translation>Large fort, musket maker</translation>
    </message>
    <message>
        <source>Große Werft</source>
        <translation>Large shipyard</translation>
    </message>
    <message>
        <source>Festung</source>
        <translation>Fortress</translation>
    </message>
    <message>
        <source>Freigeschaltete Gebäude</source>
        <translation>Unlocked Buildings</translation>
    </message>
    <message>
        <source>Achtung: Diese Einstellungen werden vom Szenarieneditor wieder überschrieben!</source>
        <translation>Caution: the scenario editor will overwrite these settings again!</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TKampForm</name>
    <message>
        <source>Installierte Kampagnen</source>
        <translation>Installed Campaigns</translation>
    </message>
    <message>
        <source>Kampagne Nr.</source>
        <translation>Campaign no.</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Karte</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Aufträge</source>
        <translation>Missions</translation>
    </message>
    <message>
        <source>Spieler</source>
        <translation>Players</translation>
    </message>
</context>
<context>
    <name>TSchiffWaren</name>
    <message>
        <source>Schiffsladung</source>
        <translation>Cargo</translation>
    </message>
</context>
<context>
    <name>TWareForm</name>
    <message>
        <source>Warenlager</source>
        <translation>Stock</translation>
    </message>
</context>
<context>
    <name>TWarenAuswahl</name>
    <message>
        <source>Warenauswahl</source>
        <translation>Choose Goods</translation>
    </message>
</context>
<context>
    <name>TabAuftraege</name>
    <message>
        <source>Auftrag %1</source>
        <translation>Mission %1</translation>
    </message>
    <message>
        <source>Auftragstext</source>
        <translation>Mission Text</translation>
    </message>
    <message>
        <source>Städte und Gebäude</source>
        <translation>Cities and Buildings</translation>
    </message>
    <message>
        <source>Gegner und Freunde</source>
        <translation>Opponents and Allies</translation>
    </message>
    <message>
        <source>Handel und Waren</source>
        <translation>Trade and Goods</translation>
    </message>
    <message>
        <source>Diesem Auftrag zugeordnete Spieler:</source>
        <translation>Players assigned to this mission:</translation>
    </message>
    <message>
        <source>Spieler %1</source>
        <translation>Player %1</translation>
    </message>
    <message>
        <source>Gebäude</source>
        <translation>Buildings</translation>
    </message>
    <message>
        <source>Baue ein Schloss</source>
        <translation>Build a castle</translation>
    </message>
    <message>
        <source>Baue eine Kathedrale</source>
        <translation>Build a cathedral</translation>
    </message>
    <message>
        <source>Gesamteinwohnerzahl</source>
        <translation>Total Inhabitants</translation>
    </message>
    <message>
        <source>Erreiche</source>
        <translation>Reach</translation>
    </message>
    <message>
        <source>Einwohner</source>
        <translation>inhabitants</translation>
    </message>
    <message>
        <source>Bilanzen</source>
        <translation>Balances</translation>
    </message>
    <message>
        <source>Gesamtbilanz:</source>
        <translation>Overall balance:</translation>
    </message>
    <message>
        <source>Handelsbilanz:</source>
        <translation>Trade balance:</translation>
    </message>
    <message>
        <source>Vermögen</source>
        <translation>Wealth</translation>
    </message>
    <message>
        <source>Erreiche ein Guthaben von </source>
        <translation>Reach a credit of </translation>
    </message>
    <message>
        <source>Spieler %1 (%2)</source>
        <translation>Player %1 (%2)</translation>
    </message>
</context>
<context>
    <name>TabSettings</name>
    <message>
        <source>Große Erzvorkommen sind unerschöpflich</source>
        <translation>Large ore deposits never run out</translation>
    </message>
    <message>
        <source>Große Erzvorkommen sind erschöpflich</source>
        <translation>Large ore deposits run out</translation>
    </message>
    <message>
        <source>Dürren sind nicht möglich</source>
        <translation>No droughts</translation>
    </message>
    <message>
        <source>Dürren sind möglich</source>
        <translation>Droughts can occur</translation>
    </message>
    <message>
        <source>Piraten erscheinen nicht wieder</source>
        <translation>Pirates do not return</translation>
    </message>
    <message>
        <source>Piraten erscheinen wieder</source>
        <translation>Pirates return</translation>
    </message>
    <message>
        <source>Vulkane brechen nicht aus</source>
        <translation>Volcanoes do not erupt</translation>
    </message>
    <message>
        <source>Vulkane brechen aus</source>
        <translation>Volcanoes erupt</translation>
    </message>
    <message>
        <source>Fliegender Händler erscheint nicht</source>
        <translation>The flying trader does not appear</translation>
    </message>
    <message>
        <source>Fliegender Händler erscheint</source>
        <translation>The flying trader appears</translation>
    </message>
    <message>
        <source>Militäroptionen aus</source>
        <translation>Military options off</translation>
    </message>
    <message>
        <source>Militäroptionen ein</source>
        <translation>Military options on</translation>
    </message>
    <message>
        <source>Schalter</source>
        <translation>Switches</translation>
    </message>
    <message>
        <source>Schiffe</source>
        <translation>Ships</translation>
    </message>
    <message>
        <source>Maximale Anzahl Schiffe</source>
        <translation>Maximum number of ships</translation>
    </message>
    <message>
        <source>Mission</source>
        <translation>Mission</translation>
    </message>
    <message>
        <source>MissNr</source>
        <translation>Mission no.</translation>
    </message>
    <message>
        <source>MissSubNr</source>
        <translation>Mission sub-no.</translation>
    </message>
    <message>
        <source>GameId</source>
        <translation>Game ID</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Tutorflg</source>
        <translation>Tutorial flag</translation>
    </message>
    <message>
        <source>CompLevel</source>
        <translation>Computer level</translation>
    </message>
    <message>
        <source>Kampagne</source>
        <translation>Campaign</translation>
    </message>
    <message>
        <source>Gehört zu Kampagne</source>
        <translation>Belongs to a campaign</translation>
    </message>
    <message>
        <source>Kampagnen...</source>
        <translation>Campaigns...</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Szenario (nur bei Savegames)</source>
        <translation>Scenario (Saved Games Only)</translation>
    </message>
    <message>
        <source>Name des Szenarios</source>
        <translation>The scenario&apos;s name</translation>
    </message>
</context>
<context>
    <name>TabSpieler</name>
    <message>
        <source>Denkmäler</source>
        <translation>Monuments</translation>
    </message>
    <message>
        <source>Erhalten</source>
        <translation>Received</translation>
    </message>
    <message>
        <source>Gebaut</source>
        <translation>Built</translation>
    </message>
    <message>
        <source>Triumphbögen</source>
        <translation>Triumphal Arches</translation>
    </message>
    <message>
        <source>Soldaten</source>
        <translation>Soldiers</translation>
    </message>
    <message>
        <source>Besiegt</source>
        <translation>Defeated</translation>
    </message>
    <message>
        <source>Verloren</source>
        <translation>Lost</translation>
    </message>
    <message>
        <source>Schiffe</source>
        <translation>Ships</translation>
    </message>
    <message>
        <source>Versenkt</source>
        <translation>Sunk</translation>
    </message>
    <message>
        <source>Gesunken</source>
        <translation>Lost</translation>
    </message>
    <message>
        <source>Kontore leeren</source>
        <translation>Empty Trading Posts</translation>
    </message>
    <message>
        <source>Schiffe leeren</source>
        <translation>Empty Ships</translation>
    </message>
    <message>
        <source>Karren leeren</source>
        <translation>Empty Carts</translation>
    </message>
    <message>
        <source>Spieler %1</source>
        <translation>Player %1</translation>
    </message>
    <message>
        <source>Allgemeines</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Konto</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Errichtete Bauten</source>
        <translation>Buildings Built</translation>
    </message>
    <message>
        <source>Schloss</source>
        <translation>Castle</translation>
    </message>
    <message>
        <source>Kathedrale</source>
        <translation>Cathedral</translation>
    </message>
    <message>
        <source>Stimmungsbeeinflussung A</source>
        <translation>Mood Influence A</translation>
    </message>
    <message>
        <source>Der Computerspieler wird sauer, wenn...</source>
        <translation>The computer player gets angry when...</translation>
    </message>
    <message>
        <source>er selbst unter eine Entwicklungsstufe fällt:</source>
        <translation>it falls below a level itself:</translation>
    </message>
    <message>
        <source>der Spieler eine Entwicklungsstufe erreicht:</source>
        <translation>the player reaches a level:</translation>
    </message>
    <message>
        <source>Stimmungsbeeinflussung B</source>
        <translation>Mood Influence B</translation>
    </message>
    <message>
        <source>Der Computerspieler erklärt den Krieg, wenn...</source>
        <translation>The computer player declares war when...</translation>
    </message>
    <message>
        <source>er selbst weniger als </source>
        <translation>it has fewer than </translation>
    </message>
    <message>
        <source>der Spieler mehr als </source>
        <translation>the player has more than </translation>
    </message>
    <message>
        <source>Einwohner hat.</source>
        <translation>inhabitants.</translation>
    </message>
    <message>
        <source>Freigeschaltete Gebäude</source>
        <translation>Unlocked Buildings</translation>
    </message>
    <message>
        <source>Anzeigen...</source>
        <translation>Show...</translation>
    </message>
    <message>
        <source>Waren</source>
        <translation>Goods</translation>
    </message>
</context>
<context>
    <name>ZoomBar</name>
    <message>
        <source>Vergrößern</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>Verkleinern</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>Ganze Karte</source>
        <translation>Whole Map</translation>
    </message>
    <message>
        <source>Vergrößerung: 100 % ist ein Bildpunkt je Feld</source>
        <translation>Zoom: 100 % is one pixel per tile</translation>
    </message>
</context>
</TS>
