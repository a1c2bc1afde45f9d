#include "core/fields/field.h"

#include "core/common/checkmessages.h"

namespace RecordFields {

QString text(bool v)
{
    return v ? msg::diffYes() : msg::diffNo();
}

QString text(const QString &v)
{
    return QStringLiteral("„%1“").arg(v);
}

QString hex(quint32 v)
{
    return QStringLiteral("0x%1").arg(v, 0, 16);
}

QString position(qint64 x, qint64 y)
{
    return QStringLiteral("%1, %2").arg(x).arg(y);
}

void insert(QJsonObject &object, QStringView key, const QJsonValue &value)
{
    if (value.isUndefined())
        return;
    const qsizetype dot = key.indexOf(u'.');
    if (dot < 0) {
        object.insert(key, value);
        return;
    }
    const QStringView outer = key.left(dot);
    QJsonObject inner = object.value(outer).toObject();
    insert(inner, key.mid(dot + 1), value);
    object.insert(outer, inner);
}

} // namespace RecordFields
