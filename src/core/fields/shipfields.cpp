#include "core/fields/shipfields.h"

#include "core/common/checkmessages.h"
#include "core/goods/goodstable.h"
#include "core/goods/shiptypetable.h"

#include <QJsonArray>

namespace RecordFields {
namespace {

// The row of the ship's type; nothing for an unknown figure.
std::optional<ShipType> typeOf(const ShipRecord &s)
{
    const auto index = ShipTypeTable::indexOfFigure(s.figure());
    return index ? std::optional(ShipTypeTable::Row(*index)) : std::nullopt;
}

QString goodsName(const CargoSlot &slot)
{
    return GoodsTable::stockName(GoodsTable::indexOfIdentifier(slot.goods()));
}

// Goods and the whole amount word: the amount to the 1/32 t and the two
// flag bits above it.
QString cargoText(const CargoSlot &slot)
{
    if (slot.goods() == 0 && slot.amountWord() == 0)
        return msg::diffNothing();
    const QString goods = goodsName(slot);
    QString line = QStringLiteral("%1 %2").arg(msg::diffTons(slot.amount()),
                                               goods.isEmpty() ? text(slot.goods()) : goods);
    if (const int flags = slot.amountWord() >> 14)
        line += QStringLiteral(" (%1)").arg(hex(quint32(flags)));
    return line;
}

} // namespace

const Table<ShipRecord> &ship()
{
    using S = ShipRecord;
    static const Table<S> table = [] {
        Table<S> t{
            field<S>("name", QT_TRANSLATE_NOOP("RecordFields", "Name"), &S::name, &S::setName),
            field<S>("x", {}, &S::x),
            field<S>("y", {}, &S::y),
            positionField<S>(),
            Field<S>{QStringLiteral("type"), QT_TRANSLATE_NOOP("RecordFields", "Typ"),
                     [](const S &s) {
                         const auto type = typeOf(s);
                         return type ? QJsonValue(type->name) : QJsonValue();
                     },
                     [](const S &s) {
                         const auto type = typeOf(s);
                         return type ? type->name : text(s.figure());
                     }},
            field<S>("figure", {}, &S::figure, &S::setFigure),
            field<S>("kind", QT_TRANSLATE_NOOP("RecordFields", "Art"), &S::kind, &S::setKind),
            field<S>("cart", {}, &S::isCart),
            field<S>("owner", QT_TRANSLATE_NOOP("RecordFields", "Besitzer"), &S::owner,
                     &S::setOwner)
                .shownAs([](const S &s) { return msg::diffPlayerValue(s.owner()); }),
            field<S>("energy", QT_TRANSLATE_NOOP("RecordFields", "Energie"), &S::energy,
                     &S::setEnergy),
            // Only for a known type, whose full energy is 100 %.
            Field<S>{QStringLiteral("energyPercent"),
                     {},
                     [](const S &s) {
                         const auto type = typeOf(s);
                         return type ? QJsonValue(s.energy() * 100 / type->fullEnergy)
                                     : QJsonValue(QJsonValue::Undefined);
                     }},
            field<S>("guns", QT_TRANSLATE_NOOP("RecordFields", "Kanonen"), &S::guns, &S::setGuns),
            Field<S>{QStringLiteral("cargo"),
                     {},
                     [](const S &s) {
                         QJsonArray cargo;
                         for (int k = 0; k < S::CargoSlots; ++k)
                             cargo.append(toJson(cargoSlot(), s.cargo(k)));
                         return cargo;
                     }},
        };
        for (int k = 0; k < S::CargoSlots; ++k) {
            t.push_back(Field<S>{
                {}, QT_TRANSLATE_NOOP("msg", "Ladung %1"), {}, [k](const S &s) {
                    return cargoText(s.cargo(k));
                }}.translatedIn("msg", k + 1));
        }
        return t;
    }();
    return table;
}

const Table<CargoSlot> &cargoSlot()
{
    using C = CargoSlot;
    static const Table<C> table{
        field<C>("goods", {}, &C::goods, &C::setGoods),
        Field<C>{QStringLiteral("goodsName"), {}, [](const C &c) { return orNull(goodsName(c)); }},
        Field<C>{
            QStringLiteral("tons"), {}, [](const C &c) { return QJsonValue(tons(c.amount())); }},
        Field<C>{QStringLiteral("flags"),
                 {},
                 [](const C &c) { return QJsonValue(c.amountWord() >> 14); }},
    };
    return table;
}

} // namespace RecordFields
