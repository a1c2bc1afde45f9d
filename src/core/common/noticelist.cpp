#include "core/common/noticelist.h"

#include <QHash>

QStringList groupNotices(const QStringList &notices)
{
    QStringList texts;
    QHash<QString, qsizetype> counts;
    for (const QString &notice : notices) {
        qsizetype &count = counts[notice];
        if (count++ == 0)
            texts << notice;
    }
    for (QString &text : texts) {
        if (const qsizetype count = counts.value(text); count > 1)
            text += QStringLiteral(" (%1×)").arg(count);
    }
    return texts;
}
