#include "core/fields/field.h"

#include "core/common/checkmessages.h"

#include <QCoreApplication>

namespace RecordFields {

QString translatedLabel(const QString &label, const char *context, int number)
{
    if (label.isEmpty())
        return label;
    const QString text = QCoreApplication::translate(context, label.toUtf8().constData());
    return number < 0 ? text : text.arg(number);
}

QString text(bool v)
{
    return v ? msg::diffYes() : msg::diffNo();
}

QString text(const QString &v)
{
    return QCoreApplication::translate("msg", "„%1“").arg(v);
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
