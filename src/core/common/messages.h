#pragma once

// Every text that the program shows to the user lives here, once. They are
// written in German and go through Qt's translation system (context "msg");
// a few technical notices are English, as the game's own tools wrote them,
// and are never translated: scripts look for them.

#include "core/common/world.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

namespace msg {

// Untranslated: scripts look for this line.
inline QString readScenarioFailed()
{
    return QStringLiteral("Read scenario failed!");
}
// The editor names the file and the reason; the command-line tools keep the
// short English line above, which scripts look for.
inline QString scenarioNotRead(const QString &path)
{
    return QCoreApplication::translate("msg", "Das Szenario %1 konnte nicht gelesen werden.")
        .arg(path);
}
inline QString saveFailed()
{
    return QCoreApplication::translate("msg", "Datei konnte nicht gesichert werden!");
}
inline QString askSaveChanges()
{
    return QCoreApplication::translate("msg", "Sollen die Änderungen gespeichert werden?");
}
inline QString revertWarning()
{
    return QCoreApplication::translate("msg", "Achtung: Änderungen gehen verloren!");
}

inline QString unexpectedError(const QString &what)
{
    return QCoreApplication::translate(
               "msg", "Ein unerwarteter Fehler ist aufgetreten. Die Aktion wurde abgebrochen.") +
           (what.isEmpty() ? QString() : QStringLiteral("\n\n") + what);
}

inline QString exportFailed(const QString &path)
{
    return QCoreApplication::translate("msg", "Die Insel konnte nicht in %1 gespeichert werden.")
        .arg(path);
}

// The game tools' own notices, untranslated: scripts look for them.
inline QString invalidIslandNumber()
{
    return QStringLiteral("Invalid inselnr!!");
}
inline QString climateNumber(int climate)
{
    return QStringLiteral("klimanr: %1").arg(climate);
}
inline QString sizeNumber(int sizeClass)
{
    return QStringLiteral("sizenr: %1").arg(sizeClass);
}
inline QString nativeFlag()
{
    return QStringLiteral("nativflg!");
}

inline QString templateMissing(const QString &path)
{
    return QCoreApplication::translate("msg", "Die Inselvorlage %1 fehlt oder enthält keine Insel; "
                                              "die Insel wird nicht angezeigt.")
        .arg(path);
}

inline QString groundTemplateMissing(const QString &path)
{
    return QCoreApplication::translate("msg",
                                       "Die Inselvorlage %1 fehlt; die Insel wird ohne ihren Boden "
                                       "angezeigt und unverändert gespeichert.")
        .arg(path);
}

// Files beside the scenario (island templates, the game's text file, the Wine
// registry) that are not read, each naming the file and why.
inline QString fileNotFound(const QString &path)
{
    return QCoreApplication::translate("msg", "Die Datei %1 wurde nicht gefunden.").arg(path);
}
inline QString notARegularFile(const QString &path)
{
    return QCoreApplication::translate(
               "msg", "Die Datei %1 wird nicht gelesen: Sie ist keine gewöhnliche Datei.")
        .arg(path);
}
inline QString fileTooLarge(const QString &path, qint64 limit)
{
    return QCoreApplication::translate(
               "msg", "Die Datei %1 wird nicht gelesen: Sie ist größer als %2 MiB.")
        .arg(path, QString::number(limit / (1024 * 1024)));
}
// The same two reasons without the file's name, for a sentence that names it.
inline QString notARegularFileReason()
{
    return QCoreApplication::translate(
        "msg", "Das ist keine gewöhnliche Datei, sondern etwa ein Ordner, ein Gerät "
               "oder eine benannte Pipe.");
}
inline QString fileTooLargeReason(qint64 limit)
{
    return QCoreApplication::translate("msg", "Die Datei ist größer als %1 MiB.")
        .arg(limit / (1024 * 1024));
}
inline QString fileUnreadable(const QString &path, const QString &reason)
{
    return QCoreApplication::translate("msg", "Die Datei %1 kann nicht gelesen werden: %2")
        .arg(path, reason);
}
inline QString gameNotFound()
{
    return QCoreApplication::translate("msg", "Das Spiel wurde im Wine-Präfix nicht gefunden.");
}
inline QString gameFolderOutsideDrive(const QString &windowsPath)
{
    return QCoreApplication::translate(
               "msg", "Der Spielordner %1 aus der Registry von Wine führt mit \"..\" aus "
                      "seinem Laufwerk heraus und wird nicht verwendet.")
        .arg(windowsPath);
}

inline QString cannotDecode(const QString &path)
{
    return QCoreApplication::translate("msg", "Kann Datei %1 nicht entschlüsseln").arg(path);
}
inline QString cannotWrite(const QString &path)
{
    return QCoreApplication::translate("msg", "Kann Datei %1 nicht schreiben").arg(path);
}
inline QString noCampaignSection(const QString &path)
{
    return QCoreApplication::translate("msg",
                                       "Die Datei %1 enthält keinen Abschnitt [KAMPAGNE] mit "
                                       "abschließendem [END]; sie wurde nicht verändert.")
        .arg(path);
}

// Failed writes: the program's own sentence, and under it why the write
// failed. The reason is the system's text (disk full, permission denied) or
// one of the reasons below, which the program finds out before it writes.
inline QString withReason(const QString &sentence, const QString &reason)
{
    return reason.isEmpty() ? sentence : sentence + QLatin1Char('\n') + reason;
}
inline QString saveFailed(const QString &reason)
{
    return withReason(saveFailed(), reason);
}
inline QString exportFailed(const QString &path, const QString &reason)
{
    return withReason(exportFailed(path), reason);
}
// Why a file that could be read is no scenario.
inline QString noScenarioSettings()
{
    return QCoreApplication::translate(
        "msg", "Die Datei enthält keinen vollständigen TIMERS-Abschnitt und ist "
               "daher kein lesbares Szenario.");
}
inline QString targetNotRegularFile()
{
    return QCoreApplication::translate(
        "msg", "Das Ziel ist keine gewöhnliche Datei und wird nicht ersetzt.");
}
inline QString targetReadOnly()
{
    return QCoreApplication::translate("msg", "Die Datei ist schreibgeschützt.");
}
inline QString writeIncomplete()
{
    return QCoreApplication::translate("msg",
                                       "Die Daten konnten nicht vollständig geschrieben werden.");
}
inline QString cannotWrite(const QString &path, const QString &reason)
{
    return withReason(cannotWrite(path), reason);
}
inline QString oldContentNotRestored()
{
    return QCoreApplication::translate(
        "msg", "Der alte Inhalt der Datei konnte nicht wiederhergestellt werden.");
}

// An island as the map and the object tree name it; the label adds its size
// and its climate, north or south.
inline QString islandName(int number)
{
    return QCoreApplication::translate("msg", "Insel %1").arg(number);
}
inline QString islandLabel(int number, int width, int height, bool north)
{
    return QCoreApplication::translate("msg", "Insel %1: %2x%3 %4")
        .arg(number)
        .arg(width)
        .arg(height)
        .arg(north ? QCoreApplication::translate("msg", "N", "climate: north")
                   : QCoreApplication::translate("msg", "S", "climate: south"));
}

inline QString noSuchIsland(const QString &number)
{
    return QCoreApplication::translate("msg", "Das Szenario enthält keine Insel mit der Nummer %1.")
        .arg(number);
}

// Island templates that cannot be inserted, each naming the file and why
// (files that cannot be read at all are named by the messages above).
inline QString templateCutShort(const QString &path)
{
    return QCoreApplication::translate(
               "msg", "Die Inselvorlage %1 kann nicht eingefügt werden: Sie endet mitten "
                      "in einem Abschnitt.")
        .arg(path);
}
inline QString templateWithoutIsland(const QString &path)
{
    return QCoreApplication::translate(
               "msg", "Die Inselvorlage %1 kann nicht eingefügt werden: Sie enthält keinen "
                      "Inselabschnitt (INSEL5, INSEL4 oder INSEL3).")
        .arg(path);
}
inline QString templateWithoutArea(const QString &path)
{
    return QCoreApplication::translate(
               "msg", "Die Inselvorlage %1 kann nicht eingefügt werden: Ihre Insel ist 0 "
                      "Felder breit oder hoch.")
        .arg(path);
}
inline QString templateLayerTooLong(const QString &path)
{
    return QCoreApplication::translate(
               "msg", "Die Inselvorlage %1 kann nicht eingefügt werden: Eine ihrer Ebenen "
                      "ist länger, als ein Abschnitt eines Szenarios sein darf.")
        .arg(path);
}
inline QString noFreeIslandNumber()
{
    return QCoreApplication::translate(
        "msg", "Alle 256 Inselnummern sind vergeben; es kann keine Insel mehr "
               "eingefügt werden.");
}
// Why an island may not stand where it was asked to.
inline QString placeOutsideWorld(int x, int y, int width, int height)
{
    return QCoreApplication::translate(
               "msg", "Eine Insel von %1 × %2 Feldern an Feld %3, %4 ragt aus der Welt "
                      "(%5 × %6 Felder).")
        .arg(width)
        .arg(height)
        .arg(x)
        .arg(y)
        .arg(World::Width)
        .arg(World::Height);
}
inline QString placeOverlaps(int x, int y, int other)
{
    return QCoreApplication::translate("msg", "Eine Insel an Feld %1, %2 überdeckt Insel %3.")
        .arg(x)
        .arg(y)
        .arg(other);
}
inline QString citySlot(int slot)
{
    return QCoreApplication::translate("msg", "Stadtplatz %1").arg(slot);
}
inline QString islandHasCities(int number, const QStringList &cities)
{
    return QCoreApplication::translate("msg", "Insel %1 trägt Städte und wird nicht gelöscht: %2")
        .arg(number)
        .arg(cities.join(QStringLiteral(", ")));
}

inline QString playerShipsEmptied()
{
    return QCoreApplication::translate("msg", "Alle Schiffe des Spielers wurden geleert");
}
inline QString playerCartsEmptied()
{
    return QCoreApplication::translate("msg", "Alle Karren des Spielers wurden geleert");
}
inline QString playerPostsEmptied()
{
    return QCoreApplication::translate("msg", "Alle Kontore des Spielers wurden geleert");
}

inline QString noCampaignEntry()
{
    return QCoreApplication::translate(
        "msg", "Es ist kein vollständiger Kampagneneintrag gewählt; es wurde nichts "
               "gespeichert.");
}

// The main window's questions and its notices window.
inline QString noticesTitle()
{
    return QCoreApplication::translate("msg", "Hinweise zum Szenario");
}
inline QString noticesIntro(const QString &file)
{
    return QCoreApplication::translate("msg", "Beim Lesen von %1 ist Folgendes aufgefallen:")
        .arg(file);
}
inline QString askReplaceFile(const QString &path)
{
    return QCoreApplication::translate("msg",
                                       "Die Datei %1 existiert bereits.\nSoll sie ersetzt werden?")
        .arg(path);
}
// `dropped` and `empty` are mission numbers counted from 1.
inline QString missionTextsDropped(const QList<int> &dropped, int empty)
{
    QStringList numbers;
    for (int m : dropped)
        numbers << QString::number(m);
    if (numbers.size() == 1)
        return QCoreApplication::translate(
                   "msg", "Der Text von Auftrag %1 wird nicht gespeichert, weil Auftrag %2 keinen "
                          "Text hat: gespeichert werden nur die Aufträge vor dem ersten ohne "
                          "Text.\n\nTrotzdem speichern?")
            .arg(numbers[0])
            .arg(empty);
    // "2 und 3 und 4": the numbers joined by the language's "and".
    const QString joined =
        numbers.join(QCoreApplication::translate("msg", " und ", "joins mission numbers"));
    return QCoreApplication::translate(
               "msg", "Die Texte der Aufträge %1 werden nicht gespeichert, weil Auftrag %2 keinen "
                      "Text hat: gespeichert werden nur die Aufträge vor dem ersten ohne "
                      "Text.\n\nTrotzdem speichern?")
        .arg(joined)
        .arg(empty);
}

// The command line, the recent files and dropped files.
inline QString furtherFilesNotOpened(const QStringList &paths)
{
    return QCoreApplication::translate("msg",
                                       "Marbolt öffnet immer nur ein Szenario. Diese Dateien "
                                       "wurden nicht geöffnet:\n%1")
        .arg(paths.join(QLatin1Char('\n')));
}
inline QString notALocalFile(const QString &url)
{
    return QCoreApplication::translate(
               "msg", "%1 ist keine Datei auf diesem Rechner und wird nicht geöffnet.")
        .arg(url);
}
inline QString recentFilesGone(const QStringList &paths)
{
    return QCoreApplication::translate("msg",
                                       "Diese zuletzt geöffneten Dateien gibt es nicht mehr; "
                                       "sie wurden aus der Liste entfernt:\n%1")
        .arg(paths.join(QLatin1Char('\n')));
}

// The titles of the file dialogs.
inline QString openScenarioTitle()
{
    return QCoreApplication::translate("msg", "Szenario öffnen");
}
inline QString saveScenarioAsTitle()
{
    return QCoreApplication::translate("msg", "Szenario speichern unter");
}
inline QString saveIslandTitle()
{
    return QCoreApplication::translate("msg", "Insel als Vorlage speichern");
}
inline QString insertIslandTitle()
{
    return QCoreApplication::translate("msg", "Insel einfügen");
}
inline QString chooseTemplateFileTitle()
{
    return QCoreApplication::translate("msg", "Inselvorlage wählen");
}
inline QString noTemplatesFound()
{
    return QCoreApplication::translate(
        "msg", "In der Spielinstallation wurden keine Inselvorlagen gefunden. "
               "„Datei wählen…“ fügt jede Inseldatei (*.scp) ein, zum Beispiel "
               "eine aus einem anderen Szenario gespeicherte Insel.");
}
inline QString placingHint()
{
    return QCoreApplication::translate(
        "msg", "Danach folgt die Insel der Maus: ein Klick setzt sie, Esc oder die "
               "rechte Maustaste bricht ab. Mit den Pfeiltasten und Enter geht es "
               "auch ohne Maus.");
}

// The map as a picture file.
inline QString saveMapPictureTitle()
{
    return QCoreApplication::translate("msg", "Karte als Bild speichern");
}
inline QString mapPictureFilter()
{
    return QCoreApplication::translate("msg", "PNG-Bilder (*.png)");
}
inline QString mapPictureScaleLabel()
{
    return QCoreApplication::translate("msg", "Größe des Bildes:");
}
inline QString mapPictureScale(int pixels, int width, int height)
{
    if (pixels == 1)
        return QCoreApplication::translate("msg", "1 Pixel je Feld (%1 × %2 Pixel)")
            .arg(width)
            .arg(height);
    return QCoreApplication::translate("msg", "%1 Pixel je Feld (%2 × %3 Pixel)")
        .arg(pixels)
        .arg(width)
        .arg(height);
}
inline QString mapPictureFailed(const QString &path, const QString &reason)
{
    return withReason(QCoreApplication::translate(
                          "msg", "Die Karte konnte nicht als Bild in %1 gespeichert werden.")
                          .arg(path),
                      reason);
}

// The game folder the user chooses where none was found.
inline QString chooseGameFolderTitle()
{
    return QCoreApplication::translate("msg", "Spielordner wählen");
}
inline QString askUseGameFolderWithoutGame(const QString &folder)
{
    return QCoreApplication::translate(
               "msg", "Im Ordner %1 liegt keine Brim.exe.\nSoll er trotzdem als Spielordner "
                      "verwendet werden?")
        .arg(folder);
}
inline QString gameFolderChosen(const QString &folder)
{
    return QCoreApplication::translate(
               "msg", "Der Spielordner ist jetzt %1. Inselvorlagen und Kampagnentexte "
                      "werden von dort gelesen, sobald ein Szenario geöffnet wird.")
        .arg(folder);
}

// The help menu.
inline QString helpTitle()
{
    return QCoreApplication::translate("msg", "Hilfe zu Marbolt");
}
inline QString aboutTitle()
{
    return QCoreApplication::translate("msg", "Über Marbolt");
}
inline QString aboutText(const QString &version)
{
    return QCoreApplication::translate(
               "msg", "<h3>Tobrel's Brim Marbolt %1</h3>"
                      "<p>Ein Szenario-Editor für das Inselhandelsspiel Brim: Inseln, "
                      "Städte, Schiffe, Spieler, Aufträge und Kampagnen.</p>"
                      "<p>Freie Software unter der GNU General Public License, Version 3 "
                      "oder später.</p>")
        .arg(version.toHtmlEscaped());
}
// Shown when no README is installed beside the program.
inline QString builtInHelp()
{
    return QCoreApplication::translate(
        "msg",
        "<h3>Marbolt in Kürze</h3>"
        "<p><b>Öffnen:</b> Wählen Sie links im Ordnerbaum eine Szenariodatei (*.szs, *.szm, "
        "*.mfs, *.mfm, *.gam), ziehen Sie sie auf das Fenster, oder nutzen Sie "
        "<i>Datei › Öffnen...</i> (Strg+O). Die zuletzt geöffneten Dateien stehen unter "
        "<i>Datei › Zuletzt geöffnet</i>.</p>"
        "<p><b>Karte:</b> Ein Klick wählt Insel, Stadt oder Schiff. Eine Insel wird mit der Maus "
        "gezogen oder, während die Karte den Fokus hat, mit den Pfeiltasten verschoben; mit "
        "Alt+Pfeiltaste geht das von überall im Fenster. Ein roter Rahmen zeigt einen "
        "ungültigen Platz.</p>"
        "<p><b>Inseln einfügen:</b> <i>Bearbeiten › Insel einfügen…</i> zeigt die Inselvorlagen "
        "des Spiels; <i>Datei wählen…</i> nimmt jede Inseldatei (*.scp). <i>Insel "
        "duplizieren</i> kopiert den Boden der gewählten Insel. Die neue Insel folgt der Maus, "
        "ein Klick setzt sie, Esc oder die rechte Maustaste bricht ab; Pfeiltasten und Enter "
        "gehen auch.</p>"
        "<p><b>Zahlenfelder:</b> Pfeil hoch/runter, Bild hoch/runter und das Mausrad ändern den "
        "Wert schrittweise.</p>"
        "<p><b>Speichern:</b> Strg+S speichert, Strg+Umschalt+S speichert unter neuem Namen; "
        "Strg+R verwirft die Änderungen. Strg+Q oder Strg+X beendet das Programm.</p>"
        "<p><b>Spielordner:</b> Findet Marbolt das Spiel nicht (es sucht in der Wine-Umgebung "
        "$WINEPREFIX oder ~/.wine), wählen Sie den Ordner mit der Brim.exe einmal über "
        "<i>Datei › Spielordner wählen...</i>; Marbolt merkt ihn sich.</p>");
}

// Why "Insel löschen" is off, as its tool tip and status tip say.
inline QString deleteIslandNoneSelected()
{
    return QCoreApplication::translate("msg", "Insel löschen: keine Insel gewählt");
}
inline QString deleteIslandHasCities(int number)
{
    return QCoreApplication::translate("msg", "Insel %1 hat Städte und kann nicht gelöscht werden")
        .arg(number);
}

// The goods picker's hints: the empty slot and the cargo kinds without a
// name in the game's goods table, named by their identifier.
inline QString noGoods()
{
    return QCoreApplication::translate("msg", "leer");
}
inline QString furtherCargo(int identifier)
{
    return QCoreApplication::translate("msg", "Weitere Ladung %1").arg(identifier);
}

// The goods dialogs of the map page.
inline QString cityWithoutTradingPost(const QString &city)
{
    if (city.isEmpty())
        return QCoreApplication::translate(
            "msg", "Diese Stadt hat kein Kontor und damit kein Warenlager.");
    return QCoreApplication::translate("msg",
                                       "Die Stadt %1 hat kein Kontor und damit kein Warenlager.")
        .arg(city);
}

// Characters that the game's texts (Windows-1252) cannot hold, typed into a
// field and refused there.
inline QString charactersRefused(const QStringList &characters)
{
    QStringList quoted;
    for (const QString &c : characters)
        quoted << QCoreApplication::translate("msg", "„%1“").arg(c);
    return characters.size() == 1
               ? QCoreApplication::translate(
                     "msg", "Das Zeichen %1 kann das Spiel nicht speichern (Zeichensatz "
                            "Windows-1252) und wurde nicht übernommen.")
                     .arg(quoted.first())
               : QCoreApplication::translate(
                     "msg", "Die Zeichen %1 kann das Spiel nicht speichern (Zeichensatz "
                            "Windows-1252) und wurden nicht übernommen.")
                     .arg(quoted.join(QStringLiteral(", ")));
}
// Pasted or dropped into a field and replaced there: each pair is the
// character and what took its place.
inline QString charactersReplaced(const QList<std::pair<QString, QString>> &replacements)
{
    QStringList pairs;
    for (const auto &[character, by] : replacements)
        pairs << QCoreApplication::translate("msg", "„%1“ durch „%2“").arg(character, by);
    return QCoreApplication::translate(
               "msg", "Eingefügte Zeichen, die das Spiel nicht speichern kann (Zeichensatz "
                      "Windows-1252), wurden ersetzt: %1.")
        .arg(pairs.join(QStringLiteral(", ")));
}

// The steps of the undo stack, as "Rückgängig: <step>" names them.
inline QString undoStep(const QString &step)
{
    return step.isEmpty() ? QCoreApplication::translate("msg", "Rückgängig")
                          : QCoreApplication::translate("msg", "Rückgängig: %1").arg(step);
}
inline QString redoStep(const QString &step)
{
    return step.isEmpty() ? QCoreApplication::translate("msg", "Wiederherstellen")
                          : QCoreApplication::translate("msg", "Wiederherstellen: %1").arg(step);
}
inline QString moveIsland(int number)
{
    return QCoreApplication::translate("msg", "Insel %1 verschieben").arg(number);
}
inline QString deleteIsland(int number)
{
    return QCoreApplication::translate("msg", "Insel %1 löschen").arg(number);
}
inline QString insertIsland(int number)
{
    return QCoreApplication::translate("msg", "Insel %1 einfügen").arg(number);
}
inline QString editSettings()
{
    return QCoreApplication::translate("msg", "Einstellungen ändern");
}
// Missions and players counted from 1.
inline QString editMission(int number)
{
    return QCoreApplication::translate("msg", "Auftrag %1 ändern").arg(number);
}
inline QString editPlayer(int number)
{
    return QCoreApplication::translate("msg", "Spieler %1 ändern").arg(number);
}
inline QString editCity(const QString &name)
{
    return QCoreApplication::translate("msg", "Stadt %1 ändern").arg(name);
}
inline QString editShip(const QString &name)
{
    return QCoreApplication::translate("msg", "Schiff %1 ändern").arg(name);
}
inline QString editTradingPost(int island)
{
    return QCoreApplication::translate("msg", "Kontor auf Insel %1 ändern").arg(island);
}
inline QString editIsland(int number)
{
    return QCoreApplication::translate("msg", "Insel %1 ändern").arg(number);
}
inline QString editStock()
{
    return QCoreApplication::translate("msg", "Warenlager ändern");
}
inline QString editCargo()
{
    return QCoreApplication::translate("msg", "Ladung ändern");
}
} // namespace msg
