#include "core/fields/islandfields.h"

#include "core/common/checkmessages.h"

#include <QJsonArray>

namespace RecordFields {

const Table<IslandRecord> &islandRecord()
{
    using I = IslandRecord;
    static const Table<I> table = [] {
        Table<I> t{
            field<I>("number", {}, &I::number, &I::setNumber),
            field<I>("width", {}, &I::width),
            field<I>("height", {}, &I::height),
            positionField<I>(),
            Field<I>{
                {},
                QT_TRANSLATE_NOOP("RecordFields", "Größe"),
                {},
                [](const I &i) { return QStringLiteral("%1x%2").arg(i.width()).arg(i.height()); }},
            field<I>({}, QT_TRANSLATE_NOOP("RecordFields", "Klima"), &I::climate, &I::setClimate),
            field<I>({}, QT_TRANSLATE_NOOP("RecordFields", "Größenklasse"), &I::sizeClass),
            field<I>({}, QT_TRANSLATE_NOOP("RecordFields", "Vorlage"), &I::templateNumber),
            field<I>("ownGround", QT_TRANSLATE_NOOP("RecordFields", "Eigener Boden"), &I::ownGround,
                     &I::setOwnGround),
            Field<I>{QStringLiteral("cityOwners"),
                     {},
                     [](const I &i) {
                         QJsonArray owners;
                         for (int s = 0; s < I::CitySlots; ++s)
                             owners.append(i.cityOwner(s));
                         return owners;
                     }},
        };
        // A player counted from 1, or no city in the slot.
        for (int s = 0; s < I::CitySlots; ++s) {
            t.push_back(field<I>(
                            {}, QT_TRANSLATE_NOOP("msg", "Besitzer des Stadtplatzes %1"),
                            [s](const I &i) { return i.cityOwner(s); },
                            [s](I &i, quint8 owner) { i.setCityOwner(s, owner); })
                            .translatedIn("msg", s)
                            .shownAs([s](const I &i) {
                                const int owner = i.cityOwner(s);
                                return owner == I::NoOwner ? msg::diffNoCity()
                                                           : msg::diffPlayerValue(owner);
                            }));
        }
        return t;
    }();
    return table;
}

const Table<Insel> &placedIsland()
{
    static const Table<Insel> table{
        Field<Insel>{QStringLiteral("source"),
                     {},
                     [](const Insel &i) {
                         return QJsonValue(i.fromChunk() ? QStringLiteral("chunk")
                                                         : QStringLiteral("reference"));
                     }},
        field<Insel>("x", {}, &Insel::x),
        field<Insel>("y", {}, &Insel::y),
        field<Insel>("climate", {}, &Insel::climate),
        field<Insel>("sizeClass", {}, &Insel::sizeClass),
        field<Insel>("templateNumber", {}, &Insel::templateNumber),
        field<Insel>("native", {}, &Insel::native),
        Field<Insel>{
            QStringLiteral("label"), {}, [](const Insel &i) { return QJsonValue(IslandLabel(i)); }},
        // Tiles a layer.
        Field<Insel>{QStringLiteral("layers"),
                     {},
                     [](const Insel &i) {
                         QJsonArray layers;
                         for (const auto &layer : i.layers())
                             layers.append(layer->tileCount());
                         return layers;
                     }},
        Field<Insel>{QStringLiteral("deer"),
                     {},
                     [](const Insel &i) { return QJsonValue(qint64(i.deer().size())); }},
    };
    return table;
}

const Table<IslandReference> &islandReference()
{
    using R = IslandReference;
    static const Table<R> table{
        Field<R>{{},
                 QT_TRANSLATE_NOOP("RecordFields", "Position"),
                 {},
                 [](const R &r) { return position(r.x(), r.y()); },
                 Shown::Position},
        field<R>({}, QT_TRANSLATE_NOOP("RecordFields", "Inselnummer"), &R::islandNumber),
        field<R>({}, QT_TRANSLATE_NOOP("RecordFields", "Klima"), &R::climate),
        field<R>({}, QT_TRANSLATE_NOOP("RecordFields", "Größenklasse"), &R::sizeClass),
        field<R>({}, QT_TRANSLATE_NOOP("RecordFields", "Eingeborene"), &R::native),
        field<R>({}, QT_TRANSLATE_NOOP("RecordFields", "Vorlage"), &R::templateNumber),
    };
    return table;
}

} // namespace RecordFields
