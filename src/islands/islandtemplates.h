#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// The island template files of the game installation, each read from disk at
// most once per load: a scenario often builds many islands from the same
// template.
class IslandTemplates {
public:
    explicit IslandTemplates(QString gamePath) : gamePath_(std::move(gamePath)) {}

    struct File {
        QString path;     // as resolved on disk, for messages
        QByteArray bytes; // empty when the file could not be read
        bool readable = false;
    };

    // `relative` in the game's spelling ("suednat\med07.scp").
    const File &Get(const QString &relative);

private:
    QString gamePath_;
    QHash<QString, File> files_;
};
