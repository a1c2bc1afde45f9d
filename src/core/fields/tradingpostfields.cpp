#include "core/fields/tradingpostfields.h"

#include "core/common/checkmessages.h"
#include "core/goods/goodstable.h"

#include <cmath>

namespace RecordFields {

const Table<TradingPostRecord> &tradingPost()
{
    using T = TradingPostRecord;
    static const Table<T> table = [] {
        Table<T> t{
            field<T>({}, QT_TRANSLATE_NOOP("RecordFields", "Insel"), &T::islandNumber),
            field<T>("citySlot", QT_TRANSLATE_NOOP("RecordFields", "Stadtplatz"), &T::citySlot),
        };
        for (int g = GoodsTable::FirstGoods; g <= GoodsTable::LastGoods; ++g) {
            // The key stays the same in every language; the label is translated
            // as the goods name.
            const QString name = QString::fromUtf8(GoodsTable::stockNameSource(g));
            t.push_back(Field<T>{
                QStringLiteral("stock.") + name, name,
                [g](const T &p) { return QJsonValue(tons(p.slot(g).amount())); },
                [g](const T &p) { return msg::diffTons(p.slot(g).amount()); }, Shown::Plain,
                [g](T &p, const QJsonValue &v) {
                    p.slot(g).setAmount(quint32(std::llround(v.toDouble() * 32)));
                }}.translatedIn(GoodsTable::Context));
        }
        return t;
    }();
    return table;
}

} // namespace RecordFields
