#pragma once

// The sentences of the scenario check and the scenario diff. Like every
// other text the program shows, they live here once; the check and the diff
// only pick the sentence and fill in the numbers.

#include "core/common/world.h"

#include <QCoreApplication>
#include <QString>

namespace msg {

// --- the check's findings -------------------------------------------------

inline QString severityError()
{
    return QCoreApplication::translate("msg", "Fehler");
}
inline QString severityWarning()
{
    return QCoreApplication::translate("msg", "Warnung");
}
inline QString severityInformation()
{
    return QCoreApplication::translate("msg", "Information");
}
inline QString noFindings()
{
    return QCoreApplication::translate("msg", "Keine Befunde");
}
inline QString checkTitle()
{
    return QCoreApplication::translate("msg", "Befunde");
}
inline QString checkHeader(const QString &file, int count)
{
    return count == 1 ? QCoreApplication::translate("msg", "%1: 1 Befund").arg(file)
                      : QCoreApplication::translate("msg", "%1: %2 Befunde")
                            .arg(file, QString::number(count));
}

// How the reading of the file ended.
inline QString chunkZeroFilled(const QString &chunk, qsizetype missing)
{
    return QCoreApplication::translate(
               "msg", "Der Block „%1“ ist am Dateiende abgeschnitten: %2 Bytes fehlen und "
                      "wurden beim Laden mit Nullen aufgefüllt.")
        .arg(chunk, QString::number(missing));
}
inline QString unreadTail(qsizetype bytes)
{
    return QCoreApplication::translate(
               "msg", "Die letzten %1 Bytes der Datei bilden keinen ganzen Blockkopf; sie "
                      "werden beim Speichern nicht geschrieben.")
        .arg(bytes);
}
inline QString malformedHeader(qsizetype offset, qsizetype bytes)
{
    return QCoreApplication::translate(
               "msg", "Ab Byte %1 steht kein gültiger Blockkopf; die %2 Bytes ab dort "
                      "wurden nicht gelesen und werden beim Speichern nicht geschrieben.")
        .arg(offset)
        .arg(bytes);
}
// A chunk of fixed-size records whose length leaves part of a record.
inline QString recordCutShort(const QString &chunk, qint32 length, int recordSize, qint32 remainder)
{
    return QCoreApplication::translate(
               "msg", "Der Block „%1“ ist %2 Bytes lang, kein Vielfaches der "
                      "Eintragsgröße %3: die letzten %4 Bytes sind ein abgeschnittener "
                      "Eintrag und werden beim Speichern nicht geschrieben.")
        .arg(chunk, QString::number(length), QString::number(recordSize),
             QString::number(remainder));
}
// A chunk that fills a record area of fixed size.
inline QString areaZeroFilled(const QString &chunk, qint32 length, int size)
{
    return QCoreApplication::translate(
               "msg", "Der Block „%1“ ist nur %2 statt %3 Bytes lang; der Rest wurde beim "
                      "Laden mit Nullen aufgefüllt und wird so gespeichert.")
        .arg(chunk, QString::number(length), QString::number(size));
}
inline QString areaCut(const QString &chunk, qint32 length, int size)
{
    return QCoreApplication::translate(
               "msg", "Der Block „%1“ ist %2 statt höchstens %3 Bytes lang; die Bytes "
                      "danach werden beim Speichern nicht geschrieben.")
        .arg(chunk, QString::number(length), QString::number(size));
}
inline QString campaignChunkShort(qint32 length)
{
    return QCoreApplication::translate(
               "msg", "Der Block „SZENE_KAMPAGNE“ ist nur %1 Bytes lang und nennt keine "
                      "Kampagne; er wird beim Speichern nicht geschrieben.")
        .arg(length);
}

// Islands.
inline QString islandOutsideWorld(int number, int left, int top, int right, int bottom)
{
    return QCoreApplication::translate(
               "msg", "Insel %1 reicht über den Rand der Welt hinaus: sie liegt auf den "
                      "Feldern %2, %3 bis %4, %5, die Welt ist %6 × %7 Felder groß.")
        .arg(number)
        .arg(left)
        .arg(top)
        .arg(right - 1)
        .arg(bottom - 1)
        .arg(World::Width)
        .arg(World::Height);
}
inline QString islandsOverlap(int number, int other)
{
    return QCoreApplication::translate("msg", "Insel %1 überlappt Insel %2.")
        .arg(number)
        .arg(other);
}
// Records the map cannot show are kept all the same; every such finding ends
// with the same words.
inline QString islandNumberTwice(int number, int x, int y)
{
    return QCoreApplication::translate(
               "msg", "Die Inselnummer %1 kommt mehrmals vor; die Insel bei %2, %3 kann nicht "
                      "angezeigt werden, bleibt aber erhalten.")
        .arg(number)
        .arg(x)
        .arg(y);
}
inline QString referenceWithoutTemplate(int number)
{
    return QCoreApplication::translate(
               "msg", "Insel %1 ist ein Verweis auf eine Inselvorlage, die nicht gelesen "
                      "werden konnte; sie kann nicht angezeigt werden, bleibt aber erhalten.")
        .arg(number);
}
inline QString layersWithoutIsland(int count)
{
    if (count == 1)
        return QCoreApplication::translate(
            "msg", "Ein Inselhaus-Block folgt auf keine Insel; er kann nicht "
                   "angezeigt werden, bleibt aber erhalten.");
    return QCoreApplication::translate(
               "msg", "%1 Inselhaus-Blöcke folgen auf keine Insel; jeder kann nicht "
                      "angezeigt werden, bleibt aber erhalten.")
        .arg(count);
}

// Settlements. The island a settlement names when the map has none of that
// number: "Insel 5, die es im Szenario nicht gibt".
inline QString unplacedIsland(int island, bool templateMissing)
{
    return templateMissing
               ? QCoreApplication::translate(
                     "msg", "Insel %1, deren Inselvorlage nicht gelesen werden konnte")
                     .arg(island)
               : QCoreApplication::translate("msg", "Insel %1, die es im Szenario nicht gibt")
                     .arg(island);
}
inline QString cityWithoutIsland(const QString &name, const QString &island)
{
    return QCoreApplication::translate(
               "msg", "Die Stadt „%1“ nennt %2; sie kann nicht angezeigt werden, bleibt "
                      "aber erhalten.")
        .arg(name, island);
}
inline QString cityOutsideSlots(const QString &name, int island, int slot)
{
    return QCoreApplication::translate(
               "msg", "Die Stadt „%1“ auf Insel %2 steht im Stadtplatz %3, eine Insel hat "
                      "nur die Plätze 0 bis 7; sie kann nicht angezeigt werden, bleibt aber "
                      "erhalten.")
        .arg(name, QString::number(island), QString::number(slot));
}
inline QString cityInTakenSlot(const QString &name, int island, int slot)
{
    return QCoreApplication::translate(
               "msg", "Die Stadt „%1“ auf Insel %2 steht im Stadtplatz %3, den schon eine "
                      "Stadt davor hält; sie kann nicht angezeigt werden, bleibt aber "
                      "erhalten.")
        .arg(name, QString::number(island), QString::number(slot));
}
inline QString tradingPostWithoutIsland(const QString &island)
{
    return QCoreApplication::translate(
               "msg", "Ein Kontor nennt %1; es kann nicht angezeigt werden, bleibt aber "
                      "erhalten.")
        .arg(island);
}
inline QString deerWithoutIsland(qsizetype count, const QString &island)
{
    if (count == 1)
        return QCoreApplication::translate(
                   "msg", "Ein Hirsch-Eintrag nennt %1; er kann nicht angezeigt werden, "
                          "bleibt aber erhalten.")
            .arg(island);
    return QCoreApplication::translate(
               "msg", "%1 Hirsch-Einträge nennen %2; der Hirschbestand kann nicht angezeigt "
                      "werden, bleibt aber erhalten.")
        .arg(QString::number(count), island);
}
inline QString deerOfOtherIsland(qsizetype count, int chunkIsland, int named)
{
    if (count == 1)
        return QCoreApplication::translate(
                   "msg", "Im Hirschblock von Insel %1 nennt ein Eintrag Insel %2; er wurde "
                          "beim Laden verworfen und wird nicht gespeichert.")
            .arg(chunkIsland)
            .arg(named);
    return QCoreApplication::translate(
               "msg", "Im Hirschblock von Insel %1 nennen %2 Einträge Insel %3; sie wurden "
                      "beim Laden verworfen und werden nicht gespeichert.")
        .arg(chunkIsland)
        .arg(count)
        .arg(named);
}
// Player slots are shown counted from 1, as the tabs "Spieler 1" to "Spieler 7" do.
inline QString cityOwnerNoSlot(const QString &name, int island, int owner)
{
    return QCoreApplication::translate(
               "msg", "Die Stadt „%1“ auf Insel %2 gehört dem Spielerplatz %3; es gibt nur "
                      "die Spieler 1 bis 7.")
        .arg(name, QString::number(island), QString::number(owner + 1));
}
inline QString cityOwnerNotPlaying(const QString &name, int island, int slot)
{
    return QCoreApplication::translate(
               "msg", "Die Stadt „%1“ auf Insel %2 gehört Spieler %3, der „Spielt nicht "
                      "mit“ ist.")
        .arg(name, QString::number(island), QString::number(slot + 1));
}
inline QString cityOwnerDisagrees(const QString &name, int island, int cityOwner, int islandOwner)
{
    const QString onIsland =
        islandOwner >= 7 ? QCoreApplication::translate("msg", "keine Stadt")
                         : QCoreApplication::translate("msg", "Spieler %1").arg(islandOwner + 1);
    return QCoreApplication::translate(
               "msg", "Die Stadt „%1“ auf Insel %2 gehört laut ihrem Eintrag Spieler %3, "
                      "laut dem Inseleintrag %4.")
        .arg(name, QString::number(island), QString::number(cityOwner + 1), onIsland);
}

// Ships and carts; ships are counted from 1 in the order of the file.
inline QString vehicle(bool cart, int index, const QString &name)
{
    return (cart ? QCoreApplication::translate("msg", "Der Karren %1 „%2“")
                 : QCoreApplication::translate("msg", "Das Schiff %1 „%2“"))
        .arg(index + 1)
        .arg(name);
}
inline QString shipOwnerNoSlot(const QString &vehicle, int owner)
{
    return QCoreApplication::translate(
               "msg", "%1 gehört dem Spielerplatz %2; es gibt nur die Spieler 1 bis 7.")
        .arg(vehicle, QString::number(owner + 1));
}
inline QString shipOwnerNotPlaying(const QString &vehicle, int slot)
{
    return QCoreApplication::translate("msg", "%1 gehört Spieler %2, der „Spielt nicht mit“ ist.")
        .arg(vehicle, QString::number(slot + 1));
}
inline QString shipOutsideWorld(const QString &vehicle, int x, int y)
{
    // In one pass, so that a marker in the vehicle's name stays as it is.
    return QCoreApplication::translate(
               "msg", "%1 steht auf Feld %2, %3 außerhalb der Welt (%4 × %5 Felder).")
        .arg(vehicle, QString::number(x), QString::number(y), QString::number(World::Width),
             QString::number(World::Height));
}

// Missions, counted from 1 as the tabs "Auftrag 1" to "Auftrag 4".
inline QString missionTextLost(int mission, int empty)
{
    return QCoreApplication::translate(
               "msg", "Der Text von Auftrag %1 wird nicht gespeichert, weil Auftrag %2 "
                      "keinen Text hat: gespeichert werden nur die Aufträge vor dem ersten "
                      "ohne Text.")
        .arg(mission + 1)
        .arg(empty + 1);
}

// Chunks carried without being read.
inline QString unknownChunk(const QString &chunk, int count, qint64 bytes)
{
    if (count == 1)
        return QCoreApplication::translate(
                   "msg", "Den Block „%1“ (%2 Bytes) kennt das Programm nicht; er wird "
                          "unverändert gespeichert.")
            .arg(chunk, QString::number(bytes));
    return QCoreApplication::translate(
               "msg", "Den Block „%1“ (%2-mal, zusammen %3 Bytes) kennt das Programm "
                      "nicht; er wird jedes Mal unverändert gespeichert.")
        .arg(chunk, QString::number(count), QString::number(bytes));
}
inline QString chunkAfterSettings(const QString &chunk, int count)
{
    const QString times =
        count == 1 ? QString() : QCoreApplication::translate("msg", " (%1-mal)").arg(count);
    return QCoreApplication::translate(
               "msg", "Der Block „%1“%2 steht hinter dem Block „TIMERS“, wo das Laden "
                      "endet; er wird nicht gelesen und unverändert gespeichert.")
        .arg(chunk, times);
}

// --- the diff's lines -----------------------------------------------------

inline QString diffChanged(const QString &object, const QString &field, const QString &before,
                           const QString &after)
{
    return QStringLiteral("%1: %2 %3 → %4").arg(object, field, before, after);
}
inline QString diffAdded(const QString &object)
{
    return QCoreApplication::translate("msg", "%1: hinzugefügt").arg(object);
}
inline QString diffRemoved(const QString &object)
{
    return QCoreApplication::translate("msg", "%1: entfernt").arg(object);
}
inline QString diffMoved(const QString &object, int x0, int y0, int x1, int y1)
{
    return QCoreApplication::translate("msg", "%1: verschoben von %2, %3 nach %4, %5")
        .arg(object, QString::number(x0), QString::number(y0), QString::number(x1),
             QString::number(y1));
}
inline QString diffChunkChanged(const QString &chunk, qint64 before, qint64 after)
{
    return before == after
               ? QCoreApplication::translate("msg", "Block „%1“: Inhalt geändert (%2 Bytes)")
                     .arg(chunk, QString::number(after))
               : QCoreApplication::translate("msg", "Block „%1“: %2 → %3 Bytes")
                     .arg(chunk, QString::number(before), QString::number(after));
}
// The objects and values the diff names.
inline QString diffSettings()
{
    return QCoreApplication::translate("msg", "Einstellungen");
}
inline QString diffPlayer(int slot)
{
    return QCoreApplication::translate("msg", "Spieler %1").arg(slot + 1);
}
inline QString diffMission(int mission)
{
    return QCoreApplication::translate("msg", "Auftrag %1").arg(mission + 1);
}
inline QString diffIsland(int number)
{
    return QCoreApplication::translate("msg", "Insel %1").arg(number);
}
inline QString diffCity(const QString &name, int island)
{
    return QCoreApplication::translate("msg", "Stadt „%1“ auf Insel %2")
        .arg(name, QString::number(island));
}
inline QString diffTradingPost(const QString &city, int island, int citySlot)
{
    return city.isEmpty()
               ? QCoreApplication::translate("msg", "Kontor des Stadtplatzes %1 auf Insel %2")
                     .arg(citySlot)
                     .arg(island)
               : QCoreApplication::translate("msg", "Kontor von „%1“ auf Insel %2")
                     .arg(city, QString::number(island));
}
inline QString diffChunk(const QString &name)
{
    return QCoreApplication::translate("msg", "Block „%1“").arg(name);
}
inline QString diffCargo(int slot)
{
    return QCoreApplication::translate("msg", "Ladung %1").arg(slot + 1);
}
inline QString diffYes()
{
    return QCoreApplication::translate("msg", "ja");
}
inline QString diffNo()
{
    return QCoreApplication::translate("msg", "nein");
}
inline QString diffNothing()
{
    return QCoreApplication::translate("msg", "keine");
}
inline QString diffPlayerValue(int slot)
{
    return slot >= 7 ? QCoreApplication::translate("msg", "Platz %1").arg(slot + 1)
                     : QCoreApplication::translate("msg", "Spieler %1").arg(slot + 1);
}
inline QString diffTons(quint32 amount)
{
    return amount % 32 == 0 ? QStringLiteral("%1 t").arg(amount / 32)
                            : QStringLiteral("%1 %2/32 t").arg(amount / 32).arg(amount % 32);
}
inline QString diffNoCity()
{
    return QCoreApplication::translate("msg", "keine Stadt");
}
inline QString diffNatives()
{
    return QCoreApplication::translate("msg", "Eingeborene");
}
inline QString diffAnyPlayer()
{
    return QCoreApplication::translate("msg", "beliebiger Spieler");
}
inline QString diffCityOwner(int slot)
{
    return QCoreApplication::translate("msg", "Besitzer des Stadtplatzes %1").arg(slot);
}
// Ships and carts by their place in the file, counted from 1.
inline QString diffShip(bool cart, int index, const QString &name)
{
    return (cart ? QCoreApplication::translate("msg", "Karren %1 „%2“")
                 : QCoreApplication::translate("msg", "Schiff %1 „%2“"))
        .arg(index + 1)
        .arg(name);
}
inline QString diffReferences()
{
    return QCoreApplication::translate("msg", "Inselverweise");
}
inline QString diffReferenceCount()
{
    return QCoreApplication::translate("msg", "Anzahl");
}
inline QString diffIslandSource()
{
    return QCoreApplication::translate("msg", "Herkunft");
}
inline QString diffFromChunk(bool fromChunk)
{
    return fromChunk ? QCoreApplication::translate("msg", "im Szenario")
                     : QCoreApplication::translate("msg", "Verweis auf eine Vorlage");
}
inline QString diffSettlementWithoutIsland()
{
    return QCoreApplication::translate("msg", "ohne Insel");
}
// Bytes that no field names, by their offset in the chunk's payload.
inline QString diffBytes(qsizetype offset, qsizetype count)
{
    return count == 1 ? QCoreApplication::translate("msg", "Byte %1").arg(offset)
                      : QCoreApplication::translate("msg", "Bytes %1 bis %2")
                            .arg(offset)
                            .arg(offset + count - 1);
}
inline QString diffMorePlaces(const QString &object, qsizetype count)
{
    return count == 1
               ? QCoreApplication::translate("msg", "%1: eine weitere Stelle geändert").arg(object)
               : QCoreApplication::translate("msg", "%1: %2 weitere Stellen geändert")
                     .arg(object)
                     .arg(count);
}
// Tile layers: the first is the ground, the second holds the buildings.
inline QString diffLayerName(int layer)
{
    if (layer == 0)
        return QCoreApplication::translate("msg", "Bodenebene");
    if (layer == 1)
        return QCoreApplication::translate("msg", "Gebäudeebene");
    return QCoreApplication::translate("msg", "Ebene %1").arg(layer + 1);
}
inline QString diffTilesChanged(const QString &island, qsizetype count, const QString &layer)
{
    return count == 1
               ? QCoreApplication::translate("msg", "%1: 1 Feld der %2 geändert").arg(island, layer)
               : QCoreApplication::translate("msg", "%1: %2 Felder der %3 geändert")
                     .arg(island)
                     .arg(count)
                     .arg(layer);
}
inline QString diffTiles(const QString &layer)
{
    return QCoreApplication::translate("msg", "Felder der %1").arg(layer);
}
inline QString diffLayerRest(const QString &layer)
{
    return QCoreApplication::translate("msg", "Bytes der %1 nach dem letzten Feld").arg(layer);
}
inline QString diffDeer()
{
    return QCoreApplication::translate("msg", "Hirsche");
}
inline QString diffDeerChanged(const QString &island, qsizetype count)
{
    return count == 1
               ? QCoreApplication::translate("msg", "%1: 1 Hirsch-Eintrag geändert").arg(island)
               : QCoreApplication::translate("msg", "%1: %2 Hirsch-Einträge geändert")
                     .arg(island)
                     .arg(count);
}
inline QString diffNone()
{
    return QCoreApplication::translate("msg", "Keine Unterschiede");
}

} // namespace msg
