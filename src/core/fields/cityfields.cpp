#include "core/fields/cityfields.h"

#include "core/common/checkmessages.h"

namespace RecordFields {

const Table<CityRecord> &city()
{
    using C = CityRecord;
    static const Table<C> table{
        field<C>("name", QT_TRANSLATE_NOOP("RecordFields", "Name"), &C::name, &C::setName),
        field<C>({}, QT_TRANSLATE_NOOP("RecordFields", "Insel"), &C::islandNumber),
        field<C>("slot", QT_TRANSLATE_NOOP("RecordFields", "Stadtplatz"), &C::slot),
        field<C>("owner", QT_TRANSLATE_NOOP("RecordFields", "Besitzer"), &C::owner, &C::setOwner)
            .shownAs([](const C &c) { return msg::diffPlayerValue(c.owner()); }),
        field<C>("buildStop", QT_TRANSLATE_NOOP("RecordFields", "Baustopp"), &C::buildStop,
                 &C::setBuildStop),
    };
    return table;
}

} // namespace RecordFields
