#pragma once

#include "islandshape.h"

#include <QString>

// The demo game installation: a Wine prefix whose registry names the game
// folder, the island templates of every climate and size class, and the
// game's encoded text file with its campaign list.

// An island template file, as the game names them.
struct TemplateId {
    int climate = 0;   // 0 "nord", 1 "sued", 2 "noklima"
    int sizeClass = 0; // 0 "lit" .. 4 "lar"
    bool native = false;
    int number = 65535; // 65535: the file name has no number
};

// The ground of a template; the same every time for the same template, so a
// scenario can place the island and build on it before the file exists.
IslandShape TemplateShape(const TemplateId &id);

// Whether the demo installation has this template file.
bool HasTemplate(const TemplateId &id);

struct GameFolderInfo {
    QString gameFolder; // the folder on disk
    int templates = 0;
    int campaigns = 0;
};

// Writes the prefix into `prefix` (which must not exist yet). False with
// `error` set when a file cannot be written.
bool WriteGameInstallation(const QString &prefix, GameFolderInfo &info, QString &error);
