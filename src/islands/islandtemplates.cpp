#include "islands/islandtemplates.h"

#include "app/gamepath.h"

#include <QFile>

const IslandTemplates::File &IslandTemplates::Get(const QString &relative)
{
    auto it = files_.find(relative);
    if (it == files_.end()) {
        File file;
        file.path = ResolveGameFile(gamePath_, relative);
        QFile disk(file.path);
        if (disk.open(QIODevice::ReadOnly)) {
            file.bytes = disk.readAll();
            file.readable = disk.error() == QFileDevice::NoError;
        }
        it = files_.insert(relative, file);
    }
    return *it;
}
