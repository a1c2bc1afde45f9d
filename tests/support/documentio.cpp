#include "support/documentio.h"

#include "core/document/rumoszen.h"

#include <QBuffer>

namespace scenario {

bool load(RumoSzen &doc, QByteArray bytes)
{
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    return doc.Load(in, QStringLiteral("/szenarien/test.szs")).ok();
}

QByteArray saved(RumoSzen &doc)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    return doc.writeTo(buffer) ? out : QByteArray("write failed");
}

} // namespace scenario
