#include "core/check/difffields.h"

#include "core/fields/cityfields.h"
#include "core/fields/islandfields.h"
#include "core/fields/missionfields.h"
#include "core/fields/playerfields.h"
#include "core/fields/settingsfields.h"
#include "core/fields/shipfields.h"
#include "core/fields/tradingpostfields.h"

namespace DiffFields {
namespace {

// The rows of `table` that have a label, read from a record's bytes.
template <class R> Fields named(const RecordFields::Table<R> &table)
{
    Fields fields;
    for (const RecordFields::Field<R> &f : table) {
        if (f.label.isEmpty())
            continue;
        fields.push_back(Field{
            f.label,
            [text = f.text](const uchar *bytes) { return text(R(const_cast<uchar *>(bytes))); },
            f.shown, f.labelContext, f.labelNumber});
    }
    return fields;
}

} // namespace

const Fields &Settings()
{
    static const Fields fields = named(RecordFields::settings());
    return fields;
}

const Fields &Player()
{
    static const Fields fields = named(RecordFields::player());
    return fields;
}

const Fields &Mission()
{
    static const Fields fields = named(RecordFields::mission());
    return fields;
}

const Fields &Island()
{
    static const Fields fields = named(RecordFields::islandRecord());
    return fields;
}

const Fields &OldIsland()
{
    static const Fields fields = [] {
        Fields converted;
        for (const Field &f : Island()) {
            converted.push_back(Field{f.label,
                                      [read = f.value](const uchar *old) {
                                          uchar record[IslandRecord::Size];
                                          IslandRecord::convertOld(old, record);
                                          return read(record);
                                      },
                                      f.shown, f.labelContext, f.labelNumber});
        }
        return converted;
    }();
    return fields;
}

const Fields &Reference()
{
    static const Fields fields = named(RecordFields::islandReference());
    return fields;
}

const Fields &City()
{
    static const Fields fields = named(RecordFields::city());
    return fields;
}

const Fields &TradingPost()
{
    static const Fields fields = named(RecordFields::tradingPost());
    return fields;
}

const Fields &Ship()
{
    static const Fields fields = named(RecordFields::ship());
    return fields;
}

} // namespace DiffFields
