<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>GoodsTable</name>
    <message>
        <source>Erz</source>
        <translation>Ore</translation>
    </message>
    <message>
        <source>Eisenerz</source>
        <translation>Iron ore</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Wolle</source>
        <translation>Wool</translation>
    </message>
    <message>
        <source>Zuckerrohr</source>
        <translation>Sugar cane</translation>
    </message>
    <message>
        <source>Tabak</source>
        <translation>Tobacco</translation>
    </message>
    <message>
        <source>Rinder</source>
        <translation>Cattle</translation>
    </message>
    <message>
        <source>Korn</source>
        <translation>Grain</translation>
    </message>
    <message>
        <source>Mehl</source>
        <translation>Flour</translation>
    </message>
    <message>
        <source>Eisen</source>
        <translation>Iron</translation>
    </message>
    <message>
        <source>Schwerter</source>
        <translation>Swords</translation>
    </message>
    <message>
        <source>Musketen</source>
        <translation>Muskets</translation>
    </message>
    <message>
        <source>Kanonen</source>
        <translation>Cannons</translation>
    </message>
    <message>
        <source>Nahrung</source>
        <translation>Food</translation>
    </message>
    <message>
        <source>Tabakwaren</source>
        <translation>Tobacco products</translation>
    </message>
    <message>
        <source>Gewürze</source>
        <translation>Spices</translation>
    </message>
    <message>
        <source>Kakao</source>
        <translation>Cocoa</translation>
    </message>
    <message>
        <source>Alkohol</source>
        <translation>Liquor</translation>
    </message>
    <message>
        <source>Stoffe</source>
        <translation>Cloth</translation>
    </message>
    <message>
        <source>Kleidung</source>
        <translation>Clothes</translation>
    </message>
    <message>
        <source>Schmuck</source>
        <translation>Jewellery</translation>
    </message>
    <message>
        <source>Werkzeug</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Holz</source>
        <translation>Wood</translation>
    </message>
    <message>
        <source>Ziegel</source>
        <translation>Bricks</translation>
    </message>
    <message>
        <source>Steine</source>
        <translation>Bricks</translation>
    </message>
</context>
<context>
    <name>MonopolyGoods</name>
    <message>
        <source>Eisenerz</source>
        <translation>Iron ore</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Kakao</source>
        <translation>Cocoa</translation>
    </message>
    <message>
        <source>Baumwolle</source>
        <translation>Cotton</translation>
    </message>
    <message>
        <source>Gewürze</source>
        <translation>Spices</translation>
    </message>
    <message>
        <source>Tabak</source>
        <translation>Tobacco</translation>
    </message>
    <message>
        <source>Wein</source>
        <translation>Wine</translation>
    </message>
    <message>
        <source>Zuckerrohr</source>
        <translation>Sugar cane</translation>
    </message>
</context>
<context>
    <name>PlayerColour</name>
    <message>
        <source>Rot</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Blau</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Gelb</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Weiß</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Piraten</source>
        <translation>Pirates</translation>
    </message>
    <message>
        <source>Eingeborene</source>
        <translation>Natives</translation>
    </message>
    <message>
        <source>Händler</source>
        <translation>Trader</translation>
    </message>
</context>
<context>
    <name>PlayerKind</name>
    <message>
        <source>Spielt nicht mit</source>
        <translation>Not playing</translation>
    </message>
    <message>
        <source>Mensch</source>
        <translation>Human</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Händler</source>
        <translation>Trader</translation>
    </message>
    <message>
        <source>Eingeborene</source>
        <translation>Natives</translation>
    </message>
    <message>
        <source>Pirat</source>
        <translation>Pirate</translation>
    </message>
</context>
<context>
    <name>PopulationLevel</name>
    <message>
        <source>Pioniere</source>
        <translation>Pioneers</translation>
    </message>
    <message>
        <source>Siedler</source>
        <translation>Settlers</translation>
    </message>
    <message>
        <source>Bürger</source>
        <translation>Citizens</translation>
    </message>
    <message>
        <source>Kaufleute</source>
        <translation>Merchants</translation>
    </message>
    <message>
        <source>Aristokraten</source>
        <translation>Aristocrats</translation>
    </message>
</context>
<context>
    <name>RecordFields</name>
    <message>
        <source>Szenarioname</source>
        <translation>Scenario name</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Insel</source>
        <translation>Island</translation>
    </message>
    <message>
        <source>Stadtplatz</source>
        <translation>City slot</translation>
    </message>
    <message>
        <source>Besitzer</source>
        <translation>Owner</translation>
    </message>
    <message>
        <source>Baustopp</source>
        <translation>Building stop</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Klima</source>
        <translation>Climate</translation>
    </message>
    <message>
        <source>Größenklasse</source>
        <translation>Size class</translation>
    </message>
    <message>
        <source>Vorlage</source>
        <translation>Template</translation>
    </message>
    <message>
        <source>Eigener Boden</source>
        <translation>Own ground</translation>
    </message>
    <message>
        <source>Inselnummer</source>
        <translation>Island number</translation>
    </message>
    <message>
        <source>Eingeborene</source>
        <translation>Natives</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Auftragstext</source>
        <translation>Mission text</translation>
    </message>
    <message>
        <source>Zielschalter</source>
        <translation>Goal switches</translation>
    </message>
    <message>
        <source>Unterstützungsziele</source>
        <translation>Support goals</translation>
    </message>
    <message>
        <source>Erste Stadt</source>
        <translation>First city</translation>
    </message>
    <message>
        <source>Zweite Stadt</source>
        <translation>Second city</translation>
    </message>
    <message>
        <source>Dritte Stadt</source>
        <translation>Third city</translation>
    </message>
    <message>
        <source>Gesamteinwohnerzahl</source>
        <translation>Total inhabitants</translation>
    </message>
    <message>
        <source>Zu besiegende Spieler</source>
        <translation>Players to defeat</translation>
    </message>
    <message>
        <source>Zu unterstützender Spieler</source>
        <translation>Player to support</translation>
    </message>
    <message>
        <source>Erreiche Einwohner (Freund)</source>
        <translation>Reach inhabitants (ally)</translation>
    </message>
    <message>
        <source>Halte Einwohner (Freund)</source>
        <translation>Keep inhabitants (ally)</translation>
    </message>
    <message>
        <source>Halte Siedlungen</source>
        <translation>Keep settlements</translation>
    </message>
    <message>
        <source>%1. Lager</source>
        <translation>Store %1</translation>
    </message>
    <message>
        <source>Gesamtbilanz</source>
        <translation>Overall balance</translation>
    </message>
    <message>
        <source>Handelsbilanz</source>
        <translation>Trade balance</translation>
    </message>
    <message>
        <source>%1. Monopol</source>
        <translation>Monopoly %1</translation>
    </message>
    <message>
        <source>Guthaben</source>
        <translation>Credit</translation>
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
        <source>Auftrag</source>
        <translation>Mission</translation>
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
        <source>Denkmäler erhalten</source>
        <translation>Monuments received</translation>
    </message>
    <message>
        <source>Denkmäler gebaut</source>
        <translation>Monuments built</translation>
    </message>
    <message>
        <source>Triumphbögen erhalten</source>
        <translation>Triumphal arches received</translation>
    </message>
    <message>
        <source>Triumphbögen gebaut</source>
        <translation>Triumphal arches built</translation>
    </message>
    <message>
        <source>Soldaten besiegt</source>
        <translation>Soldiers defeated</translation>
    </message>
    <message>
        <source>Soldaten verloren</source>
        <translation>Soldiers lost</translation>
    </message>
    <message>
        <source>Schiffe versenkt</source>
        <translation>Ships sunk</translation>
    </message>
    <message>
        <source>Schiffe gesunken</source>
        <translation>Ships lost</translation>
    </message>
    <message>
        <source>Krieg bei mehr Einwohnern des Spielers als</source>
        <translation>War when the player has more inhabitants than</translation>
    </message>
    <message>
        <source>Krieg bei weniger eigenen Einwohnern als</source>
        <translation>War when its own inhabitants are fewer than</translation>
    </message>
    <message>
        <source>Stimmungsschalter</source>
        <translation>Mood switches</translation>
    </message>
    <message>
        <source>Entwicklungsstufe A1</source>
        <translation>Level A1</translation>
    </message>
    <message>
        <source>Entwicklungsstufe A2</source>
        <translation>Level A2</translation>
    </message>
    <message>
        <source>Freigeschaltete Gebäude</source>
        <translation>Unlocked buildings</translation>
    </message>
    <message>
        <source>Maximale Anzahl Schiffe</source>
        <translation>Maximum number of ships</translation>
    </message>
    <message>
        <source>Piraten erscheinen nicht wieder</source>
        <translation>Pirates do not return</translation>
    </message>
    <message>
        <source>Dürren sind nicht möglich</source>
        <translation>No droughts</translation>
    </message>
    <message>
        <source>Große Erzvorkommen sind unerschöpflich</source>
        <translation>Large ore deposits never run out</translation>
    </message>
    <message>
        <source>Fliegender Händler erscheint nicht</source>
        <translation>The flying trader does not appear</translation>
    </message>
    <message>
        <source>Vulkane brechen nicht aus</source>
        <translation>Volcanoes do not erupt</translation>
    </message>
    <message>
        <source>Militäroptionen aus</source>
        <translation>Military options off</translation>
    </message>
    <message>
        <source>weitere Schalterbits</source>
        <translation>further switch bits</translation>
    </message>
    <message>
        <source>MissNr</source>
        <translation>MissNr</translation>
    </message>
    <message>
        <source>MissSubNr</source>
        <translation>MissSubNr</translation>
    </message>
    <message>
        <source>GameId</source>
        <translation>GameId</translation>
    </message>
    <message>
        <source>Tutorflg</source>
        <translation>Tutorflg</translation>
    </message>
    <message>
        <source>CompLevel</source>
        <translation>CompLevel</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Energie</source>
        <translation>Energy</translation>
    </message>
    <message>
        <source>Kanonen</source>
        <translation>Guns</translation>
    </message>
    <message>
        <source>Kampagne</source>
        <translation>Campaign</translation>
    </message>
</context>
<context>
    <name>ShipTypeTable</name>
    <message>
        <source>Kl. Handelsschiff</source>
        <translation>Small trading ship</translation>
    </message>
    <message>
        <source>Gr. Handelsschiff</source>
        <translation>Large trading ship</translation>
    </message>
    <message>
        <source>Kl. Kriegsschiff</source>
        <translation>Small warship</translation>
    </message>
    <message>
        <source>Gr. Kriegsschiff</source>
        <translation>Large warship</translation>
    </message>
    <message>
        <source>Händlerschiff</source>
        <translation>Trader&apos;s ship</translation>
    </message>
    <message>
        <source>Piratenschiff</source>
        <translation>Pirate ship</translation>
    </message>
    <message>
        <source>Karren</source>
        <translation>Cart</translation>
    </message>
</context>
<context>
    <name>msg</name>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Warnung</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Keine Befunde</source>
        <translation>No findings</translation>
    </message>
    <message>
        <source>Befunde</source>
        <translation>Findings</translation>
    </message>
    <message>
        <source>%1: 1 Befund</source>
        <translation>%1: 1 finding</translation>
    </message>
    <message>
        <source>%1: %2 Befunde</source>
        <translation>%1: %2 findings</translation>
    </message>
    <message>
        <source>Der Block „%1“ ist am Dateiende abgeschnitten: %2 Bytes fehlen und wurden beim Laden mit Nullen aufgefüllt.</source>
        <translation>The chunk “%1” is cut off at the end of the file: %2 bytes are missing and were filled with zeros on loading.</translation>
    </message>
    <message>
        <source>Die letzten %1 Bytes der Datei bilden keinen ganzen Blockkopf; sie werden beim Speichern nicht geschrieben.</source>
        <translation>The last %1 bytes of the file do not make up a whole chunk header; they are not written when saving.</translation>
    </message>
    <message>
        <source>Ab Byte %1 steht kein gültiger Blockkopf; die %2 Bytes ab dort wurden nicht gelesen und werden beim Speichern nicht geschrieben.</source>
        <translation>There is no valid chunk header at byte %1; the %2 bytes from there on were not read and are not written when saving.</translation>
    </message>
    <message>
        <source>Der Block „%1“ ist %2 Bytes lang, kein Vielfaches der Eintragsgröße %3: die letzten %4 Bytes sind ein abgeschnittener Eintrag und werden beim Speichern nicht geschrieben.</source>
        <translation>The chunk “%1” is %2 bytes long, not a multiple of the record size %3: the last %4 bytes are a truncated record and are not written when saving.</translation>
    </message>
    <message>
        <source>Der Block „%1“ ist nur %2 statt %3 Bytes lang; der Rest wurde beim Laden mit Nullen aufgefüllt und wird so gespeichert.</source>
        <translation>The chunk “%1” is only %2 instead of %3 bytes long; the rest was filled with zeros on loading and is saved that way.</translation>
    </message>
    <message>
        <source>Der Block „%1“ ist %2 statt höchstens %3 Bytes lang; die Bytes danach werden beim Speichern nicht geschrieben.</source>
        <translation>The chunk “%1” is %2 instead of at most %3 bytes long; the bytes after that are not written when saving.</translation>
    </message>
    <message>
        <source>Der Block „SZENE_KAMPAGNE“ ist nur %1 Bytes lang und nennt keine Kampagne; er wird beim Speichern nicht geschrieben.</source>
        <translation>The chunk “SZENE_KAMPAGNE” is only %1 bytes long and names no campaign; it is not written when saving.</translation>
    </message>
    <message>
        <source>Insel %1 reicht über den Rand der Welt hinaus: sie liegt auf den Feldern %2, %3 bis %4, %5, die Welt ist %6 × %7 Felder groß.</source>
        <translation>Island %1 reaches beyond the edge of the world: it lies on the tiles %2, %3 to %4, %5, the world is %6 × %7 tiles.</translation>
    </message>
    <message>
        <source>Insel %1 überlappt Insel %2.</source>
        <translation>Island %1 overlaps island %2.</translation>
    </message>
    <message>
        <source>Die Inselnummer %1 kommt mehrmals vor; die Insel bei %2, %3 kann nicht angezeigt werden, bleibt aber erhalten.</source>
        <translation>The island number %1 occurs more than once; the island at %2, %3 cannot be shown but is kept.</translation>
    </message>
    <message>
        <source>Insel %1 ist ein Verweis auf eine Inselvorlage, die nicht gelesen werden konnte; sie kann nicht angezeigt werden, bleibt aber erhalten.</source>
        <translation>Island %1 refers to an island template that could not be read; it cannot be shown but is kept.</translation>
    </message>
    <message>
        <source>Ein Inselhaus-Block folgt auf keine Insel; er kann nicht angezeigt werden, bleibt aber erhalten.</source>
        <translation>An INSELHAUS chunk follows no island; it cannot be shown but is kept.</translation>
    </message>
    <message>
        <source>%1 Inselhaus-Blöcke folgen auf keine Insel; jeder kann nicht angezeigt werden, bleibt aber erhalten.</source>
        <translation>%1 INSELHAUS chunks follow no island; none of them can be shown but each is kept.</translation>
    </message>
    <message>
        <source>Insel %1, deren Inselvorlage nicht gelesen werden konnte</source>
        <translation>island %1, whose island template could not be read</translation>
    </message>
    <message>
        <source>Insel %1, die es im Szenario nicht gibt</source>
        <translation>island %1, which the scenario does not have</translation>
    </message>
    <message>
        <source>Die Stadt „%1“ nennt %2; sie kann nicht angezeigt werden, bleibt aber erhalten.</source>
        <translation>The city “%1” names %2; it cannot be shown but is kept.</translation>
    </message>
    <message>
        <source>Die Stadt „%1“ auf Insel %2 steht im Stadtplatz %3, eine Insel hat nur die Plätze 0 bis 7; sie kann nicht angezeigt werden, bleibt aber erhalten.</source>
        <translation>The city “%1” on island %2 stands in city slot %3, but an island only has the slots 0 to 7; it cannot be shown but is kept.</translation>
    </message>
    <message>
        <source>Die Stadt „%1“ auf Insel %2 steht im Stadtplatz %3, den schon eine Stadt davor hält; sie kann nicht angezeigt werden, bleibt aber erhalten.</source>
        <translation>The city “%1” on island %2 stands in city slot %3, which an earlier city already holds; it cannot be shown but is kept.</translation>
    </message>
    <message>
        <source>Ein Kontor nennt %1; es kann nicht angezeigt werden, bleibt aber erhalten.</source>
        <translation>A trading post names %1; it cannot be shown but is kept.</translation>
    </message>
    <message>
        <source>Ein Hirsch-Eintrag nennt %1; er kann nicht angezeigt werden, bleibt aber erhalten.</source>
        <translation>A deer record names %1; it cannot be shown but is kept.</translation>
    </message>
    <message>
        <source>%1 Hirsch-Einträge nennen %2; der Hirschbestand kann nicht angezeigt werden, bleibt aber erhalten.</source>
        <translation>%1 deer records name %2; the deer cannot be shown but are kept.</translation>
    </message>
    <message>
        <source>Im Hirschblock von Insel %1 nennt ein Eintrag Insel %2; er wurde beim Laden verworfen und wird nicht gespeichert.</source>
        <translation>In the deer chunk of island %1, a record names island %2; it was dropped on loading and is not saved.</translation>
    </message>
    <message>
        <source>Im Hirschblock von Insel %1 nennen %2 Einträge Insel %3; sie wurden beim Laden verworfen und werden nicht gespeichert.</source>
        <translation>In the deer chunk of island %1, %2 records name island %3; they were dropped on loading and are not saved.</translation>
    </message>
    <message>
        <source>Die Stadt „%1“ auf Insel %2 gehört dem Spielerplatz %3; es gibt nur die Spieler 1 bis 7.</source>
        <translation>The city “%1” on island %2 belongs to player slot %3; there are only the players 1 to 7.</translation>
    </message>
    <message>
        <source>Die Stadt „%1“ auf Insel %2 gehört Spieler %3, der „Spielt nicht mit“ ist.</source>
        <translation>The city “%1” on island %2 belongs to player %3, who is “Not playing”.</translation>
    </message>
    <message>
        <source>keine Stadt</source>
        <translation>no city</translation>
    </message>
    <message>
        <source>Spieler %1</source>
        <translation>Player %1</translation>
    </message>
    <message>
        <source>Die Stadt „%1“ auf Insel %2 gehört laut ihrem Eintrag Spieler %3, laut dem Inseleintrag %4.</source>
        <translation>The city “%1” on island %2 belongs to player %3 according to its record, but to %4 according to the island record.</translation>
    </message>
    <message>
        <source>Der Karren %1 „%2“</source>
        <translation>Cart %1 “%2”</translation>
    </message>
    <message>
        <source>Das Schiff %1 „%2“</source>
        <translation>Ship %1 “%2”</translation>
    </message>
    <message>
        <source>%1 gehört dem Spielerplatz %2; es gibt nur die Spieler 1 bis 7.</source>
        <translation>%1 belongs to player slot %2; there are only the players 1 to 7.</translation>
    </message>
    <message>
        <source>%1 gehört Spieler %2, der „Spielt nicht mit“ ist.</source>
        <translation>%1 belongs to player %2, who is “Not playing”.</translation>
    </message>
    <message>
        <source>%1 steht auf Feld %2, %3 außerhalb der Welt (%4 × %5 Felder).</source>
        <translation>%1 stands on tile %2, %3 outside the world (%4 × %5 tiles).</translation>
    </message>
    <message>
        <source>Der Text von Auftrag %1 wird nicht gespeichert, weil Auftrag %2 keinen Text hat: gespeichert werden nur die Aufträge vor dem ersten ohne Text.</source>
        <translation>The text of mission %1 is not saved because mission %2 has no text: only the missions before the first one without text are saved.</translation>
    </message>
    <message>
        <source>Den Block „%1“ (%2 Bytes) kennt das Programm nicht; er wird unverändert gespeichert.</source>
        <translation>The program does not know the chunk “%1” (%2 bytes); it is saved unchanged.</translation>
    </message>
    <message>
        <source>Den Block „%1“ (%2-mal, zusammen %3 Bytes) kennt das Programm nicht; er wird jedes Mal unverändert gespeichert.</source>
        <translation>The program does not know the chunk “%1” (%2 times, %3 bytes in all); each one is saved unchanged.</translation>
    </message>
    <message>
        <source> (%1-mal)</source>
        <translation> (%1 times)</translation>
    </message>
    <message>
        <source>Der Block „%1“%2 steht hinter dem Block „TIMERS“, wo das Laden endet; er wird nicht gelesen und unverändert gespeichert.</source>
        <translation>The chunk “%1”%2 comes after the chunk “TIMERS”, where loading ends; it is not read and is saved unchanged.</translation>
    </message>
    <message>
        <source>%1: hinzugefügt</source>
        <translation>%1: added</translation>
    </message>
    <message>
        <source>%1: entfernt</source>
        <translation>%1: removed</translation>
    </message>
    <message>
        <source>%1: verschoben von %2, %3 nach %4, %5</source>
        <translation>%1: moved from %2, %3 to %4, %5</translation>
    </message>
    <message>
        <source>Block „%1“: Inhalt geändert (%2 Bytes)</source>
        <translation>Chunk “%1”: content changed (%2 bytes)</translation>
    </message>
    <message>
        <source>Block „%1“: %2 → %3 Bytes</source>
        <translation>Chunk “%1”: %2 → %3 bytes</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Auftrag %1</source>
        <translation>Mission %1</translation>
    </message>
    <message>
        <source>Insel %1</source>
        <translation>Island %1</translation>
    </message>
    <message>
        <source>Stadt „%1“ auf Insel %2</source>
        <translation>City “%1” on island %2</translation>
    </message>
    <message>
        <source>Kontor des Stadtplatzes %1 auf Insel %2</source>
        <translation>Trading post of city slot %1 on island %2</translation>
    </message>
    <message>
        <source>Kontor von „%1“ auf Insel %2</source>
        <translation>Trading post of “%1” on island %2</translation>
    </message>
    <message>
        <source>Block „%1“</source>
        <translation>Chunk “%1”</translation>
    </message>
    <message>
        <source>Ladung %1</source>
        <translation>Cargo %1</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>no</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Platz %1</source>
        <translation>slot %1</translation>
    </message>
    <message>
        <source>Eingeborene</source>
        <translation>natives</translation>
    </message>
    <message>
        <source>beliebiger Spieler</source>
        <translation>any player</translation>
    </message>
    <message>
        <source>Besitzer des Stadtplatzes %1</source>
        <translation>Owner of city slot %1</translation>
    </message>
    <message>
        <source>Karren %1 „%2“</source>
        <translation>Cart %1 “%2”</translation>
    </message>
    <message>
        <source>Schiff %1 „%2“</source>
        <translation>Ship %1 “%2”</translation>
    </message>
    <message>
        <source>Inselverweise</source>
        <translation>Island references</translation>
    </message>
    <message>
        <source>Anzahl</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Herkunft</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>im Szenario</source>
        <translation>in the scenario</translation>
    </message>
    <message>
        <source>Verweis auf eine Vorlage</source>
        <translation>reference to a template</translation>
    </message>
    <message>
        <source>ohne Insel</source>
        <translation>without island</translation>
    </message>
    <message>
        <source>Byte %1</source>
        <translation>Byte %1</translation>
    </message>
    <message>
        <source>Bytes %1 bis %2</source>
        <translation>Bytes %1 to %2</translation>
    </message>
    <message>
        <source>%1: eine weitere Stelle geändert</source>
        <translation>%1: one more place changed</translation>
    </message>
    <message>
        <source>%1: %2 weitere Stellen geändert</source>
        <translation>%1: %2 more places changed</translation>
    </message>
    <message>
        <source>Bodenebene</source>
        <translation>ground layer</translation>
    </message>
    <message>
        <source>Gebäudeebene</source>
        <translation>building layer</translation>
    </message>
    <message>
        <source>Ebene %1</source>
        <translation>layer %1</translation>
    </message>
    <message>
        <source>%1: 1 Feld der %2 geändert</source>
        <translation>%1: 1 tile of the %2 changed</translation>
    </message>
    <message>
        <source>%1: %2 Felder der %3 geändert</source>
        <translation>%1: %2 tiles of the %3 changed</translation>
    </message>
    <message>
        <source>Felder der %1</source>
        <translation>Tiles of the %1</translation>
    </message>
    <message>
        <source>Bytes der %1 nach dem letzten Feld</source>
        <translation>Bytes of the %1 after the last tile</translation>
    </message>
    <message>
        <source>Hirsche</source>
        <translation>Deer</translation>
    </message>
    <message>
        <source>%1: 1 Hirsch-Eintrag geändert</source>
        <translation>%1: 1 deer record changed</translation>
    </message>
    <message>
        <source>%1: %2 Hirsch-Einträge geändert</source>
        <translation>%1: %2 deer records changed</translation>
    </message>
    <message>
        <source>Keine Unterschiede</source>
        <translation>No differences</translation>
    </message>
    <message>
        <source>Das Szenario %1 konnte nicht gelesen werden.</source>
        <translation>The scenario %1 could not be read.</translation>
    </message>
    <message>
        <source>Datei konnte nicht gesichert werden!</source>
        <translation>The file could not be saved!</translation>
    </message>
    <message>
        <source>Sollen die Änderungen gespeichert werden?</source>
        <translation>Do you want to save the changes?</translation>
    </message>
    <message>
        <source>Achtung: Änderungen gehen verloren!</source>
        <translation>Warning: changes will be lost!</translation>
    </message>
    <message>
        <source>Ein unerwarteter Fehler ist aufgetreten. Die Aktion wurde abgebrochen.</source>
        <translation>An unexpected error occurred. The action was cancelled.</translation>
    </message>
    <message>
        <source>Die Insel konnte nicht in %1 gespeichert werden.</source>
        <translation>The island could not be saved to %1.</translation>
    </message>
    <message>
        <source>Die Inselvorlage %1 fehlt oder enthält keine Insel; die Insel wird nicht angezeigt.</source>
        <translation>The island template %1 is missing or holds no island; the island is not shown.</translation>
    </message>
    <message>
        <source>Die Inselvorlage %1 fehlt; die Insel wird ohne ihren Boden angezeigt und unverändert gespeichert.</source>
        <translation>The island template %1 is missing; the island is shown without its ground and saved unchanged.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht gefunden.</source>
        <translation>The file %1 was not found.</translation>
    </message>
    <message>
        <source>Die Datei %1 wird nicht gelesen: Sie ist keine gewöhnliche Datei.</source>
        <translation>The file %1 is not read: it is not a regular file.</translation>
    </message>
    <message>
        <source>Die Datei %1 wird nicht gelesen: Sie ist größer als %2 MiB.</source>
        <translation>The file %1 is not read: it is larger than %2 MiB.</translation>
    </message>
    <message>
        <source>Das ist keine gewöhnliche Datei, sondern etwa ein Ordner, ein Gerät oder eine benannte Pipe.</source>
        <translation>This is not a regular file but, for example, a folder, a device or a named pipe.</translation>
    </message>
    <message>
        <source>Die Datei ist größer als %1 MiB.</source>
        <translation>The file is larger than %1 MiB.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation>The file %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>Das Spiel wurde im Wine-Präfix nicht gefunden.</source>
        <translation>The game was not found in the Wine prefix.</translation>
    </message>
    <message>
        <source>Der Spielordner %1 aus der Registry von Wine führt mit &quot;..&quot; aus seinem Laufwerk heraus und wird nicht verwendet.</source>
        <translation>The game folder %1 from the Wine registry leads out of its drive with &quot;..&quot; and is not used.</translation>
    </message>
    <message>
        <source>Kann Datei %1 nicht entschlüsseln</source>
        <translation>Cannot decode file %1</translation>
    </message>
    <message>
        <source>Kann Datei %1 nicht schreiben</source>
        <translation>Cannot write file %1</translation>
    </message>
    <message>
        <source>Die Datei %1 enthält keinen Abschnitt [KAMPAGNE] mit abschließendem [END]; sie wurde nicht verändert.</source>
        <translation>The file %1 has no [KAMPAGNE] section closed by [END]; it was not changed.</translation>
    </message>
    <message>
        <source>Die Datei enthält keinen vollständigen TIMERS-Abschnitt und ist daher kein lesbares Szenario.</source>
        <translation>The file has no complete TIMERS section and is therefore no readable scenario.</translation>
    </message>
    <message>
        <source>Das Ziel ist keine gewöhnliche Datei und wird nicht ersetzt.</source>
        <translation>The target is not a regular file and is not replaced.</translation>
    </message>
    <message>
        <source>Die Datei ist schreibgeschützt.</source>
        <translation>The file is read-only.</translation>
    </message>
    <message>
        <source>Die Daten konnten nicht vollständig geschrieben werden.</source>
        <translation>The data could not be written completely.</translation>
    </message>
    <message>
        <source>Der alte Inhalt der Datei konnte nicht wiederhergestellt werden.</source>
        <translation>The old content of the file could not be restored.</translation>
    </message>
    <message>
        <source>Insel %1: %2x%3 %4</source>
        <translation>Island %1: %2x%3 %4</translation>
    </message>
    <message>
        <source>N</source>
        <comment>climate: north</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <comment>climate: south</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>Das Szenario enthält keine Insel mit der Nummer %1.</source>
        <translation>The scenario has no island with the number %1.</translation>
    </message>
    <message>
        <source>Die Inselvorlage %1 kann nicht eingefügt werden: Sie endet mitten in einem Abschnitt.</source>
        <translation>The island template %1 cannot be inserted: it ends in the middle of a section.</translation>
    </message>
    <message>
        <source>Die Inselvorlage %1 kann nicht eingefügt werden: Sie enthält keinen Inselabschnitt (INSEL5, INSEL4 oder INSEL3).</source>
        <translation>The island template %1 cannot be inserted: it has no island section (INSEL5, INSEL4 or INSEL3).</translation>
    </message>
    <message>
        <source>Die Inselvorlage %1 kann nicht eingefügt werden: Ihre Insel ist 0 Felder breit oder hoch.</source>
        <translation>The island template %1 cannot be inserted: its island is 0 tiles wide or high.</translation>
    </message>
    <message>
        <source>Die Inselvorlage %1 kann nicht eingefügt werden: Eine ihrer Ebenen ist länger, als ein Abschnitt eines Szenarios sein darf.</source>
        <translation>The island template %1 cannot be inserted: one of its layers is longer than a section of a scenario may be.</translation>
    </message>
    <message>
        <source>Alle 256 Inselnummern sind vergeben; es kann keine Insel mehr eingefügt werden.</source>
        <translation>All 256 island numbers are taken; no more islands can be inserted.</translation>
    </message>
    <message>
        <source>Eine Insel von %1 × %2 Feldern an Feld %3, %4 ragt aus der Welt (%5 × %6 Felder).</source>
        <translation>An island of %1 × %2 tiles at tile %3, %4 reaches out of the world (%5 × %6 tiles).</translation>
    </message>
    <message>
        <source>Eine Insel an Feld %1, %2 überdeckt Insel %3.</source>
        <translation>An island at tile %1, %2 covers island %3.</translation>
    </message>
    <message>
        <source>Stadtplatz %1</source>
        <translation>city slot %1</translation>
    </message>
    <message>
        <source>Insel %1 trägt Städte und wird nicht gelöscht: %2</source>
        <translation>Island %1 has cities and is not deleted: %2</translation>
    </message>
    <message>
        <source>Alle Schiffe des Spielers wurden geleert</source>
        <translation>All of the player&apos;s ships were emptied</translation>
    </message>
    <message>
        <source>Alle Karren des Spielers wurden geleert</source>
        <translation>All of the player&apos;s carts were emptied</translation>
    </message>
    <message>
        <source>Alle Kontore des Spielers wurden geleert</source>
        <translation>All of the player&apos;s trading posts were emptied</translation>
    </message>
    <message>
        <source>Es ist kein vollständiger Kampagneneintrag gewählt; es wurde nichts gespeichert.</source>
        <translation>No complete campaign entry is selected; nothing was saved.</translation>
    </message>
    <message>
        <source>Hinweise zum Szenario</source>
        <translation>Scenario Notices</translation>
    </message>
    <message>
        <source>Beim Lesen von %1 ist Folgendes aufgefallen:</source>
        <translation>Reading %1 turned up the following:</translation>
    </message>
    <message>
        <source>Die Datei %1 existiert bereits.
Soll sie ersetzt werden?</source>
        <translation>The file %1 already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <source>Der Text von Auftrag %1 wird nicht gespeichert, weil Auftrag %2 keinen Text hat: gespeichert werden nur die Aufträge vor dem ersten ohne Text.

Trotzdem speichern?</source>
        <translation>The text of mission %1 is not saved because mission %2 has no text: only the missions before the first one without text are saved.

Save anyway?</translation>
    </message>
    <message>
        <source> und </source>
        <comment>joins mission numbers</comment>
        <translation> and </translation>
    </message>
    <message>
        <source>Die Texte der Aufträge %1 werden nicht gespeichert, weil Auftrag %2 keinen Text hat: gespeichert werden nur die Aufträge vor dem ersten ohne Text.

Trotzdem speichern?</source>
        <translation>The texts of missions %1 are not saved because mission %2 has no text: only the missions before the first one without text are saved.

Save anyway?</translation>
    </message>
    <message>
        <source>Marbolt öffnet immer nur ein Szenario. Diese Dateien wurden nicht geöffnet:
%1</source>
        <translation>Marbolt opens only one scenario at a time. These files were not opened:
%1</translation>
    </message>
    <message>
        <source>%1 ist keine Datei auf diesem Rechner und wird nicht geöffnet.</source>
        <translation>%1 is not a file on this computer and is not opened.</translation>
    </message>
    <message>
        <source>Diese zuletzt geöffneten Dateien gibt es nicht mehr; sie wurden aus der Liste entfernt:
%1</source>
        <translation>These recently opened files no longer exist; they were removed from the list:
%1</translation>
    </message>
    <message>
        <source>Szenario öffnen</source>
        <translation>Open Scenario</translation>
    </message>
    <message>
        <source>Szenario speichern unter</source>
        <translation>Save Scenario As</translation>
    </message>
    <message>
        <source>Insel als Vorlage speichern</source>
        <translation>Save Island as Template</translation>
    </message>
    <message>
        <source>Insel einfügen</source>
        <translation>Insert Island</translation>
    </message>
    <message>
        <source>Inselvorlage wählen</source>
        <translation>Choose Island Template</translation>
    </message>
    <message>
        <source>In der Spielinstallation wurden keine Inselvorlagen gefunden. „Datei wählen…“ fügt jede Inseldatei (*.scp) ein, zum Beispiel eine aus einem anderen Szenario gespeicherte Insel.</source>
        <translation>No island templates were found in the game installation. “Choose File…” inserts any island file (*.scp), for example an island saved from another scenario.</translation>
    </message>
    <message>
        <source>Danach folgt die Insel der Maus: ein Klick setzt sie, Esc oder die rechte Maustaste bricht ab. Mit den Pfeiltasten und Enter geht es auch ohne Maus.</source>
        <translation>The island then follows the mouse: a click places it, Esc or the right mouse button cancels. The arrow keys and Enter work without a mouse.</translation>
    </message>
    <message>
        <source>Karte als Bild speichern</source>
        <translation>Save Map as Picture</translation>
    </message>
    <message>
        <source>PNG-Bilder (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>Größe des Bildes:</source>
        <translation>Picture size:</translation>
    </message>
    <message>
        <source>1 Pixel je Feld (%1 × %2 Pixel)</source>
        <translation>1 pixel per tile (%1 × %2 pixels)</translation>
    </message>
    <message>
        <source>%1 Pixel je Feld (%2 × %3 Pixel)</source>
        <translation>%1 pixels per tile (%2 × %3 pixels)</translation>
    </message>
    <message>
        <source>Die Karte konnte nicht als Bild in %1 gespeichert werden.</source>
        <translation>The map could not be saved as a picture to %1.</translation>
    </message>
    <message>
        <source>Spielordner wählen</source>
        <translation>Choose Game Folder</translation>
    </message>
    <message>
        <source>Im Ordner %1 liegt keine Brim.exe.
Soll er trotzdem als Spielordner verwendet werden?</source>
        <translation>The folder %1 holds no Brim.exe.
Use it as the game folder anyway?</translation>
    </message>
    <message>
        <source>Der Spielordner ist jetzt %1. Inselvorlagen und Kampagnentexte werden von dort gelesen, sobald ein Szenario geöffnet wird.</source>
        <translation>The game folder is now %1. Island templates and campaign texts are read from there as soon as a scenario is opened.</translation>
    </message>
    <message>
        <source>Hilfe zu Marbolt</source>
        <translation>Marbolt Help</translation>
    </message>
    <message>
        <source>Über Marbolt</source>
        <translation>About Marbolt</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Tobrel&apos;s Brim Marbolt %1&lt;/h3&gt;&lt;p&gt;Ein Szenario-Editor für das Inselhandelsspiel Brim: Inseln, Städte, Schiffe, Spieler, Aufträge und Kampagnen.&lt;/p&gt;&lt;p&gt;Freie Software unter der GNU General Public License, Version 3 oder später.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Tobrel&apos;s Brim Marbolt %1&lt;/h3&gt;&lt;p&gt;A scenario editor for the island trading game Brim: islands, cities, ships, players, missions and campaigns.&lt;/p&gt;&lt;p&gt;Free software under the GNU General Public License, version 3 or later.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Marbolt in Kürze&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Öffnen:&lt;/b&gt; Wählen Sie links im Ordnerbaum eine Szenariodatei (*.szs, *.szm, *.mfs, *.mfm, *.gam), ziehen Sie sie auf das Fenster, oder nutzen Sie &lt;i&gt;Datei › Öffnen...&lt;/i&gt; (Strg+O). Die zuletzt geöffneten Dateien stehen unter &lt;i&gt;Datei › Zuletzt geöffnet&lt;/i&gt;.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Karte:&lt;/b&gt; Ein Klick wählt Insel, Stadt oder Schiff. Eine Insel wird mit der Maus gezogen oder, während die Karte den Fokus hat, mit den Pfeiltasten verschoben; mit Alt+Pfeiltaste geht das von überall im Fenster. Ein roter Rahmen zeigt einen ungültigen Platz.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Inseln einfügen:&lt;/b&gt; &lt;i&gt;Bearbeiten › Insel einfügen…&lt;/i&gt; zeigt die Inselvorlagen des Spiels; &lt;i&gt;Datei wählen…&lt;/i&gt; nimmt jede Inseldatei (*.scp). &lt;i&gt;Insel duplizieren&lt;/i&gt; kopiert den Boden der gewählten Insel. Die neue Insel folgt der Maus, ein Klick setzt sie, Esc oder die rechte Maustaste bricht ab; Pfeiltasten und Enter gehen auch.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Zahlenfelder:&lt;/b&gt; Pfeil hoch/runter, Bild hoch/runter und das Mausrad ändern den Wert schrittweise.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Speichern:&lt;/b&gt; Strg+S speichert, Strg+Umschalt+S speichert unter neuem Namen; Strg+R verwirft die Änderungen. Strg+Q oder Strg+X beendet das Programm.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Spielordner:&lt;/b&gt; Findet Marbolt das Spiel nicht (es sucht in der Wine-Umgebung $WINEPREFIX oder ~/.wine), wählen Sie den Ordner mit der Brim.exe einmal über &lt;i&gt;Datei › Spielordner wählen...&lt;/i&gt;; Marbolt merkt ihn sich.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Marbolt in Brief&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Opening:&lt;/b&gt; Choose a scenario file (*.szs, *.szm, *.mfs, *.mfm, *.gam) in the folder tree on the left, drag it onto the window, or use &lt;i&gt;File › Open...&lt;/i&gt; (Ctrl+O). The recently opened files are under &lt;i&gt;File › Recent Files&lt;/i&gt;.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Map:&lt;/b&gt; A click selects an island, city or ship. Drag an island with the mouse or, while the map has the focus, move it with the arrow keys; Alt+arrow key does that from anywhere in the window. A red frame shows an invalid place.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Inserting islands:&lt;/b&gt; &lt;i&gt;Edit › Insert Island…&lt;/i&gt; shows the game&apos;s island templates; &lt;i&gt;Choose File…&lt;/i&gt; takes any island file (*.scp). &lt;i&gt;Duplicate Island&lt;/i&gt; copies the ground of the selected island. The new island follows the mouse, a click places it, Esc or the right mouse button cancels; the arrow keys and Enter work too.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Number fields:&lt;/b&gt; Up/Down, Page Up/Page Down and the mouse wheel change the value step by step.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Saving:&lt;/b&gt; Ctrl+S saves, Ctrl+Shift+S saves under a new name; Ctrl+R discards the changes. Ctrl+Q or Ctrl+X quits the program.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Game folder:&lt;/b&gt; If Marbolt does not find the game (it looks in the Wine environment $WINEPREFIX or ~/.wine), choose the folder with Brim.exe once through &lt;i&gt;File › Choose Game Folder...&lt;/i&gt;; Marbolt remembers it.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Insel löschen: keine Insel gewählt</source>
        <translation>Delete island: no island selected</translation>
    </message>
    <message>
        <source>Insel %1 hat Städte und kann nicht gelöscht werden</source>
        <translation>Island %1 has cities and cannot be deleted</translation>
    </message>
    <message>
        <source>leer</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>Weitere Ladung %1</source>
        <translation>Other cargo %1</translation>
    </message>
    <message>
        <source>Diese Stadt hat kein Kontor und damit kein Warenlager.</source>
        <translation>This city has no trading post and therefore no stock.</translation>
    </message>
    <message>
        <source>Die Stadt %1 hat kein Kontor und damit kein Warenlager.</source>
        <translation>The city %1 has no trading post and therefore no stock.</translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Das Zeichen %1 kann das Spiel nicht speichern (Zeichensatz Windows-1252) und wurde nicht übernommen.</source>
        <translation>The game cannot store the character %1 (character set Windows-1252); it was not accepted.</translation>
    </message>
    <message>
        <source>Die Zeichen %1 kann das Spiel nicht speichern (Zeichensatz Windows-1252) und wurden nicht übernommen.</source>
        <translation>The game cannot store the characters %1 (character set Windows-1252); they were not accepted.</translation>
    </message>
    <message>
        <source>„%1“ durch „%2“</source>
        <translation>“%1” by “%2”</translation>
    </message>
    <message>
        <source>Eingefügte Zeichen, die das Spiel nicht speichern kann (Zeichensatz Windows-1252), wurden ersetzt: %1.</source>
        <translation>Pasted characters that the game cannot store (character set Windows-1252) were replaced: %1.</translation>
    </message>
    <message>
        <source>Rückgängig</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Rückgängig: %1</source>
        <translation>Undo: %1</translation>
    </message>
    <message>
        <source>Wiederherstellen</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Wiederherstellen: %1</source>
        <translation>Redo: %1</translation>
    </message>
    <message>
        <source>Insel %1 verschieben</source>
        <translation>Move island %1</translation>
    </message>
    <message>
        <source>Insel %1 löschen</source>
        <translation>Delete island %1</translation>
    </message>
    <message>
        <source>Insel %1 einfügen</source>
        <translation>Insert island %1</translation>
    </message>
    <message>
        <source>Einstellungen ändern</source>
        <translation>Edit settings</translation>
    </message>
    <message>
        <source>Auftrag %1 ändern</source>
        <translation>Edit mission %1</translation>
    </message>
    <message>
        <source>Spieler %1 ändern</source>
        <translation>Edit player %1</translation>
    </message>
    <message>
        <source>Stadt %1 ändern</source>
        <translation>Edit city %1</translation>
    </message>
    <message>
        <source>Schiff %1 ändern</source>
        <translation>Edit ship %1</translation>
    </message>
    <message>
        <source>Kontor auf Insel %1 ändern</source>
        <translation>Edit trading post on island %1</translation>
    </message>
    <message>
        <source>Insel %1 ändern</source>
        <translation>Edit island %1</translation>
    </message>
    <message>
        <source>Warenlager ändern</source>
        <translation>Edit stock</translation>
    </message>
    <message>
        <source>Ladung ändern</source>
        <translation>Edit cargo</translation>
    </message>
</context>
</TS>
