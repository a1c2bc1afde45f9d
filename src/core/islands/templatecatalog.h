#pragma once

// The island template files of a game installation: one folder per climate
// and its native variant ("nord", "nordnat", ...), in each the files of the
// five size classes, numbered or not ("med07.scp", "lit.scp"). Folder and
// file names are matched without regard to letter case, as Windows does.

#include <QString>
#include <vector>

struct TemplateFileEntry {
    QString path;     // on disk
    QString fileName; // as spelled on disk
    int climate = 0;  // 0 nord, 1 sued, 2 noklima
    bool native = false;
    int sizeClass = 0;
    // IslandRecord::NoTemplateNumber for a file name without a number.
    int number = 0;
};

// Every template file below `gameFolder`, sorted by climate, native variant
// (the plain one first), size class and number (the file without a number
// first). Empty without a game folder. Only the folders are listed; no file
// is opened.
std::vector<TemplateFileEntry> listTemplateFiles(const QString &gameFolder);
