#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The island template files of the game installation, each read from disk and
// taken apart at most once per load: a scenario often builds many islands
// from the same template. The islands share the template's tile layers
// (QByteArray is implicitly shared), so a hundred islands of one template
// hold its tiles once; an island that recolours a layer gets its own copy at
// that moment.
class IslandTemplates {
public:
    // Larger than any template the game could hold (an island of 255 x 255
    // tiles takes about 0.5 MB per layer) yet small enough to hold in memory;
    // a path that names something else, such as a device, is refused anyway.
    static constexpr qint64 MaxFileSize = 64 * 1024 * 1024;

    explicit IslandTemplates(QString gamePath) : gamePath_(std::move(gamePath)) {}

    struct Template {
        QString path; // as resolved on disk, for messages
        // The first island record ("INSEL5", "INSEL4" or "INSEL3") as stored,
        // empty when the file has none or could not be read.
        QByteArray record;
        // Every "INSELHAUS" layer in file order, each cut to whole tiles.
        QList<QByteArray> layers;
    };

    // `relative` in the game's spelling ("suednat\med07.scp"). A file that
    // exists but is refused (no regular file, too large, unreadable) is
    // reported in `notices` the first time it is asked for; a missing file is
    // left to the caller, which knows what the island lacks.
    const Template &get(const QString &relative, QStringList &notices);

    // Takes a template file's bytes apart into `out` (a chunk sequence read
    // without the length ceiling of scenario files: a length of 0 or less
    // skips the chunk). A header or payload cut short by the end ends the
    // reading; what came before stays, and the answer is false.
    static bool parse(const QByteArray &file, Template &out);

private:
    QString gamePath_;
    QHash<QString, Template> templates_;
};
