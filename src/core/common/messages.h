#pragma once

// Every text that the program shows to the user lives here, once. Most are
// German; a few technical notices are English, as the game's own tools wrote
// them.

#include "core/common/world.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

namespace msg {

inline QString readScenarioFailed()
{
    return QStringLiteral("Read scenario failed!");
}
// The editor names the file and the reason; the command-line tools keep the
// short English line above, which scripts look for.
inline QString scenarioNotRead(const QString &path)
{
    return QStringLiteral("Das Szenario %1 konnte nicht gelesen werden.").arg(path);
}
inline QString saveFailed()
{
    return QStringLiteral("Datei konnte nicht gesichert werden!");
}
inline QString askSaveChanges()
{
    return QStringLiteral("Sollen die Änderungen gespeichert werden?");
}
inline QString revertWarning()
{
    return QStringLiteral("Achtung: Änderungen gehen verloren!");
}

inline QString unexpectedError(const QString &what)
{
    return QStringLiteral(
               "Ein unerwarteter Fehler ist aufgetreten. Die Aktion wurde abgebrochen.") +
           (what.isEmpty() ? QString() : QStringLiteral("\n\n") + what);
}

inline QString exportFailed(const QString &path)
{
    return QStringLiteral("Die Insel konnte nicht in %1 gespeichert werden.").arg(path);
}

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
    return QStringLiteral("Die Inselvorlage %1 fehlt oder enthält keine Insel; "
                          "die Insel wird nicht angezeigt.")
        .arg(path);
}

inline QString groundTemplateMissing(const QString &path)
{
    return QStringLiteral("Die Inselvorlage %1 fehlt; die Insel wird ohne ihren Boden "
                          "angezeigt und unverändert gespeichert.")
        .arg(path);
}

// Files beside the scenario (island templates, the game's text file, the Wine
// registry) that are not read, each naming the file and why.
inline QString fileNotFound(const QString &path)
{
    return QStringLiteral("Die Datei %1 wurde nicht gefunden.").arg(path);
}
inline QString notARegularFile(const QString &path)
{
    return QStringLiteral("Die Datei %1 wird nicht gelesen: Sie ist keine gewöhnliche Datei.")
        .arg(path);
}
inline QString fileTooLarge(const QString &path, qint64 limit)
{
    return QStringLiteral("Die Datei %1 wird nicht gelesen: Sie ist größer als %2 MiB.")
        .arg(path, QString::number(limit / (1024 * 1024)));
}
// The same two reasons without the file's name, for a sentence that names it.
inline QString notARegularFileReason()
{
    return QStringLiteral("Das ist keine gewöhnliche Datei, sondern etwa ein Ordner, ein Gerät "
                          "oder eine benannte Pipe.");
}
inline QString fileTooLargeReason(qint64 limit)
{
    return QStringLiteral("Die Datei ist größer als %1 MiB.").arg(limit / (1024 * 1024));
}
inline QString fileUnreadable(const QString &path, const QString &reason)
{
    return QStringLiteral("Die Datei %1 kann nicht gelesen werden: %2").arg(path, reason);
}
inline QString gameNotFound()
{
    return QStringLiteral("Das Spiel wurde im Wine-Präfix nicht gefunden.");
}
inline QString gameFolderOutsideDrive(const QString &windowsPath)
{
    return QStringLiteral("Der Spielordner %1 aus der Registry von Wine führt mit \"..\" aus "
                          "seinem Laufwerk heraus und wird nicht verwendet.")
        .arg(windowsPath);
}

inline QString cannotDecode(const QString &path)
{
    return QStringLiteral("Kann Datei ") + path + QStringLiteral(" nicht entschlüsseln");
}
inline QString cannotWrite(const QString &path)
{
    return QStringLiteral("Kann Datei ") + path + QStringLiteral(" nicht schreiben");
}
inline QString noCampaignSection(const QString &path)
{
    return QStringLiteral("Die Datei %1 enthält keinen Abschnitt [KAMPAGNE] mit "
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
    return QStringLiteral("Die Datei enthält keinen vollständigen TIMERS-Abschnitt und ist "
                          "daher kein lesbares Szenario.");
}
inline QString targetNotRegularFile()
{
    return QStringLiteral("Das Ziel ist keine gewöhnliche Datei und wird nicht ersetzt.");
}
inline QString targetReadOnly()
{
    return QStringLiteral("Die Datei ist schreibgeschützt.");
}
inline QString writeIncomplete()
{
    return QStringLiteral("Die Daten konnten nicht vollständig geschrieben werden.");
}
inline QString cannotWrite(const QString &path, const QString &reason)
{
    return withReason(cannotWrite(path), reason);
}
inline QString oldContentNotRestored()
{
    return QStringLiteral("Der alte Inhalt der Datei konnte nicht wiederhergestellt werden.");
}

inline QString noSuchIsland(const QString &number)
{
    return QStringLiteral("Das Szenario enthält keine Insel mit der Nummer %1.").arg(number);
}

// Island templates that cannot be inserted, each naming the file and why
// (files that cannot be read at all are named by the messages above).
inline QString templateCutShort(const QString &path)
{
    return QStringLiteral("Die Inselvorlage %1 kann nicht eingefügt werden: Sie endet mitten "
                          "in einem Abschnitt.")
        .arg(path);
}
inline QString templateWithoutIsland(const QString &path)
{
    return QStringLiteral("Die Inselvorlage %1 kann nicht eingefügt werden: Sie enthält keinen "
                          "Inselabschnitt (INSEL5, INSEL4 oder INSEL3).")
        .arg(path);
}
inline QString templateWithoutArea(const QString &path)
{
    return QStringLiteral("Die Inselvorlage %1 kann nicht eingefügt werden: Ihre Insel ist 0 "
                          "Felder breit oder hoch.")
        .arg(path);
}
inline QString templateLayerTooLong(const QString &path)
{
    return QStringLiteral("Die Inselvorlage %1 kann nicht eingefügt werden: Eine ihrer Ebenen "
                          "ist länger, als ein Abschnitt eines Szenarios sein darf.")
        .arg(path);
}
inline QString noFreeIslandNumber()
{
    return QStringLiteral("Alle 256 Inselnummern sind vergeben; es kann keine Insel mehr "
                          "eingefügt werden.");
}
// Why an island may not stand where it was asked to.
inline QString placeOutsideWorld(int x, int y, int width, int height)
{
    return QStringLiteral("Eine Insel von %1 × %2 Feldern an Feld %3, %4 ragt aus der Welt "
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
    return QStringLiteral("Eine Insel an Feld %1, %2 überdeckt Insel %3.").arg(x).arg(y).arg(other);
}
inline QString citySlot(int slot)
{
    return QStringLiteral("Stadtplatz %1").arg(slot);
}
inline QString islandHasCities(int number, const QStringList &cities)
{
    return QStringLiteral("Insel %1 trägt Städte und wird nicht gelöscht: %2")
        .arg(number)
        .arg(cities.join(QStringLiteral(", ")));
}

inline QString playerShipsEmptied()
{
    return QStringLiteral("Alle Schiffe des Spielers wurden geleert");
}
inline QString playerCartsEmptied()
{
    return QStringLiteral("Alle Karren des Spielers wurden geleert");
}
inline QString playerPostsEmptied()
{
    return QStringLiteral("Alle Kontore des Spielers wurden geleert");
}

inline QString noCampaignEntry()
{
    return QStringLiteral("Es ist kein vollständiger Kampagneneintrag gewählt; es wurde nichts "
                          "gespeichert.");
}

// The main window's questions and its notices window.
inline QString noticesTitle()
{
    return QStringLiteral("Hinweise zum Szenario");
}
inline QString noticesIntro(const QString &file)
{
    return QStringLiteral("Beim Lesen von %1 ist Folgendes aufgefallen:").arg(file);
}
inline QString askReplaceFile(const QString &path)
{
    return QStringLiteral("Die Datei %1 existiert bereits.\nSoll sie ersetzt werden?").arg(path);
}
// `dropped` and `empty` are mission numbers counted from 1.
inline QString missionTextsDropped(const QList<int> &dropped, int empty)
{
    QStringList numbers;
    for (int m : dropped)
        numbers << QString::number(m);
    const QString which = numbers.size() == 1
                              ? QStringLiteral("Der Text von Auftrag %1 wird").arg(numbers[0])
                              : QStringLiteral("Die Texte der Aufträge %1 werden")
                                    .arg(numbers.join(QStringLiteral(" und ")));
    return which +
           QStringLiteral(" nicht gespeichert, weil Auftrag %1 keinen Text hat: gespeichert "
                          "werden nur die Aufträge vor dem ersten ohne Text.\n\n"
                          "Trotzdem speichern?")
               .arg(empty);
}

// The command line, the recent files and dropped files.
inline QString furtherFilesNotOpened(const QStringList &paths)
{
    return QStringLiteral("Marbolt öffnet immer nur ein Szenario. Diese Dateien wurden nicht "
                          "geöffnet:\n") +
           paths.join(QLatin1Char('\n'));
}
inline QString notALocalFile(const QString &url)
{
    return QStringLiteral("%1 ist keine Datei auf diesem Rechner und wird nicht geöffnet.")
        .arg(url);
}
inline QString recentFilesGone(const QStringList &paths)
{
    return QStringLiteral("Diese zuletzt geöffneten Dateien gibt es nicht mehr; sie wurden aus "
                          "der Liste entfernt:\n") +
           paths.join(QLatin1Char('\n'));
}

// The titles of the file dialogs.
inline QString openScenarioTitle()
{
    return QStringLiteral("Szenario öffnen");
}
inline QString saveScenarioAsTitle()
{
    return QStringLiteral("Szenario speichern unter");
}
inline QString saveIslandTitle()
{
    return QStringLiteral("Insel als Vorlage speichern");
}
inline QString insertIslandTitle()
{
    return QStringLiteral("Insel einfügen");
}
inline QString chooseTemplateFileTitle()
{
    return QStringLiteral("Inselvorlage wählen");
}
inline QString noTemplatesFound()
{
    return QStringLiteral("In der Spielinstallation wurden keine Inselvorlagen gefunden. "
                          "„Datei wählen…“ fügt jede Inseldatei (*.scp) ein, zum Beispiel "
                          "eine aus einem anderen Szenario gespeicherte Insel.");
}
inline QString placingHint()
{
    return QStringLiteral("Danach folgt die Insel der Maus: ein Klick setzt sie, Esc oder die "
                          "rechte Maustaste bricht ab. Mit den Pfeiltasten und Enter geht es "
                          "auch ohne Maus.");
}

// The map as a picture file.
inline QString saveMapPictureTitle()
{
    return QStringLiteral("Karte als Bild speichern");
}
inline QString mapPictureFilter()
{
    return QStringLiteral("PNG-Bilder (*.png)");
}
inline QString mapPictureScaleLabel()
{
    return QStringLiteral("Größe des Bildes:");
}
inline QString mapPictureScale(int pixels, int width, int height)
{
    return (pixels == 1 ? QStringLiteral("1 Pixel je Feld")
                        : QStringLiteral("%1 Pixel je Feld").arg(pixels)) +
           QStringLiteral(" (%1 × %2 Pixel)").arg(width).arg(height);
}
inline QString mapPictureFailed(const QString &path, const QString &reason)
{
    return withReason(
        QStringLiteral("Die Karte konnte nicht als Bild in %1 gespeichert werden.").arg(path),
        reason);
}

// The game folder the user chooses where none was found.
inline QString chooseGameFolderTitle()
{
    return QStringLiteral("Spielordner wählen");
}
inline QString askUseGameFolderWithoutGame(const QString &folder)
{
    return QStringLiteral("Im Ordner %1 liegt keine Brim.exe.\nSoll er trotzdem als Spielordner "
                          "verwendet werden?")
        .arg(folder);
}
inline QString gameFolderChosen(const QString &folder)
{
    return QStringLiteral("Der Spielordner ist jetzt %1. Inselvorlagen und Kampagnentexte "
                          "werden von dort gelesen, sobald ein Szenario geöffnet wird.")
        .arg(folder);
}

// The help menu.
inline QString helpTitle()
{
    return QStringLiteral("Hilfe zu Marbolt");
}
inline QString aboutTitle()
{
    return QStringLiteral("Über Marbolt");
}
inline QString aboutText(const QString &version)
{
    return QStringLiteral("<h3>Tobrel's Brim Marbolt %1</h3>"
                          "<p>Ein Szenario-Editor für das Inselhandelsspiel Brim: Inseln, "
                          "Städte, Schiffe, Spieler, Aufträge und Kampagnen.</p>"
                          "<p>Freie Software unter der GNU General Public License, Version 3 "
                          "oder später.</p>")
        .arg(version.toHtmlEscaped());
}
// Shown when no README is installed beside the program.
inline QString builtInHelp()
{
    return QStringLiteral(
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
    return QStringLiteral("Insel löschen: keine Insel gewählt");
}
inline QString deleteIslandHasCities(int number)
{
    return QStringLiteral("Insel %1 hat Städte und kann nicht gelöscht werden").arg(number);
}

// The goods picker's hints: the empty slot and the cargo kinds without a
// name in the game's goods table, named by their identifier.
inline QString noGoods()
{
    return QStringLiteral("leer");
}
inline QString furtherCargo(int identifier)
{
    return QStringLiteral("Weitere Ladung %1").arg(identifier);
}

// The goods dialogs of the map page.
inline QString cityWithoutTradingPost(const QString &city)
{
    if (city.isEmpty())
        return QStringLiteral("Diese Stadt hat kein Kontor und damit kein Warenlager.");
    return QStringLiteral("Die Stadt %1 hat kein Kontor und damit kein Warenlager.").arg(city);
}

// Characters that the game's texts (Windows-1252) cannot hold, typed into a
// field and refused there.
inline QString charactersRefused(const QStringList &characters)
{
    QStringList quoted;
    for (const QString &c : characters)
        quoted << QStringLiteral("„%1“").arg(c);
    return characters.size() == 1
               ? QStringLiteral("Das Zeichen %1 kann das Spiel nicht speichern (Zeichensatz "
                                "Windows-1252) und wurde nicht übernommen.")
                     .arg(quoted.first())
               : QStringLiteral("Die Zeichen %1 kann das Spiel nicht speichern (Zeichensatz "
                                "Windows-1252) und wurden nicht übernommen.")
                     .arg(quoted.join(QStringLiteral(", ")));
}
// Pasted or dropped into a field and replaced there: each pair is the
// character and what took its place.
inline QString charactersReplaced(const QList<std::pair<QString, QString>> &replacements)
{
    QStringList pairs;
    for (const auto &[character, by] : replacements)
        pairs << QStringLiteral("„%1“ durch „%2“").arg(character, by);
    return QStringLiteral("Eingefügte Zeichen, die das Spiel nicht speichern kann (Zeichensatz "
                          "Windows-1252), wurden ersetzt: %1.")
        .arg(pairs.join(QStringLiteral(", ")));
}

// The steps of the undo stack, as "Rückgängig: <step>" names them.
inline QString undoStep(const QString &step)
{
    return step.isEmpty() ? QStringLiteral("Rückgängig")
                          : QStringLiteral("Rückgängig: %1").arg(step);
}
inline QString redoStep(const QString &step)
{
    return step.isEmpty() ? QStringLiteral("Wiederherstellen")
                          : QStringLiteral("Wiederherstellen: %1").arg(step);
}
inline QString moveIsland(int number)
{
    return QStringLiteral("Insel %1 verschieben").arg(number);
}
inline QString deleteIsland(int number)
{
    return QStringLiteral("Insel %1 löschen").arg(number);
}
inline QString insertIsland(int number)
{
    return QStringLiteral("Insel %1 einfügen").arg(number);
}
inline QString editSettings()
{
    return QStringLiteral("Einstellungen ändern");
}
// Missions and players counted from 1.
inline QString editMission(int number)
{
    return QStringLiteral("Auftrag %1 ändern").arg(number);
}
inline QString editPlayer(int number)
{
    return QStringLiteral("Spieler %1 ändern").arg(number);
}
inline QString editCity(const QString &name)
{
    return QStringLiteral("Stadt %1 ändern").arg(name);
}
inline QString editShip(const QString &name)
{
    return QStringLiteral("Schiff %1 ändern").arg(name);
}
inline QString editTradingPost(int island)
{
    return QStringLiteral("Kontor auf Insel %1 ändern").arg(island);
}
inline QString editIsland(int number)
{
    return QStringLiteral("Insel %1 ändern").arg(number);
}
inline QString editStock()
{
    return QStringLiteral("Warenlager ändern");
}
inline QString editCargo()
{
    return QStringLiteral("Ladung ändern");
}
} // namespace msg
