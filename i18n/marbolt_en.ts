<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
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
</TS>
