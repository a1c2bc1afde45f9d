#include "core/fields/cityfields.h"

#include "core/common/checkmessages.h"

namespace RecordFields {

const Table<CityRecord> &city()
{
    using C = CityRecord;
    static const Table<C> table{
        field<C>("name", "Name", &C::name, &C::setName),
        field<C>({}, "Insel", &C::islandNumber),
        field<C>("slot", "Stadtplatz", &C::slot),
        field<C>("owner", "Besitzer", &C::owner, &C::setOwner).shownAs([](const C &c) {
            return msg::diffPlayerValue(c.owner());
        }),
        field<C>("buildStop", "Baustopp", &C::buildStop, &C::setBuildStop),
    };
    return table;
}

} // namespace RecordFields
