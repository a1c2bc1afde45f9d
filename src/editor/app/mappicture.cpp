#include "editor/app/mappicture.h"

#include "core/common/messages.h"
#include "core/document/rumoszen.h"
#include "core/map/worldrenderer.h"
#include "editor/widgets/prompts.h"

#include <QDir>
#include <QFileInfo>

void saveMapPicture(QWidget *parent, RumoSzen &doc, const QString &folder)
{
    QStringList sizes;
    for (int scale = World::MinScale; scale <= World::MaxScale; ++scale)
        sizes << msg::mapPictureScale(scale, World::Width * scale, World::Height * scale);
    const int chosen = Prompts::current().chooseItem(parent, msg::saveMapPictureTitle(),
                                                     msg::mapPictureScaleLabel(), sizes, 0);
    if (chosen < 0)
        return;
    const int scale = World::MinScale + chosen;

    const QFileInfo scenario(doc.FilePath());
    const QDir start(folder.isEmpty() ? scenario.absolutePath() : folder);
    const QString proposed = start.filePath(scenario.completeBaseName() + QStringLiteral(".png"));
    // The question before replacing a file is ours, not the file dialog's:
    // it must also cover the name with the extension added below.
    const Prompts::FileChoice choice = Prompts::current().saveFile(
        parent, proposed, {msg::mapPictureFilter()}, msg::saveMapPictureTitle(), false);
    if (choice.path.isEmpty())
        return;
    QString target = choice.path;
    if (QFileInfo(target).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) != 0)
        target += QStringLiteral(".png");
    const QString shown = QDir::toNativeSeparators(target);
    if (QFileInfo::exists(target) &&
        !Prompts::current().askYesNo(parent, msg::askReplaceFile(shown)))
        return;
    if (const Result<void> saved = saveWorldImage(doc, scale, target); !saved)
        Prompts::current().error(parent, msg::mapPictureFailed(shown, saved.error()));
}
