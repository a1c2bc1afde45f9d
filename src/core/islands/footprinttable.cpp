#include "core/islands/footprinttable.h"

#include <initializer_list>

namespace {

bool oneOf(quint16 id, std::initializer_list<int> ids)
{
    for (int v : ids) {
        if (id == v)
            return true;
    }
    return false;
}

bool within(quint16 id, int from, int to)
{
    return id >= from && id <= to;
}

} // namespace

Footprint footprintOf(quint16 id)
{
    if (id == 303)
        return {3, 1};
    if (oneOf(id, {311, 811, 817, 821}))
        return {2, 2};
    if (oneOf(id, {313, 527, 815, 819, 1103, 1106, 1107, 2111}))
        return {3, 3};
    if (id == 315)
        return {5, 5};
    if (within(id, 501, 659))
        return {2, 2}; // 527 was taken above
    if (id == 801)
        return {4, 6};
    if (id == 803)
        return {1, 2};
    if (oneOf(id, {805, 809, 813, 823}))
        return {3, 4};
    if (id == 807)
        return {3, 2};
    if (oneOf(id, {904, 905, 1104, 1105}))
        return {2, 2};
    if (oneOf(id, {1108, 1109, 2101, 2103, 2105, 2107, 2115, 2211}))
        return {4, 4};
    if (id == 1110)
        return {6, 6};
    if (within(id, 1501, 1519) || within(id, 2001, 2009))
        return {2, 2};
    if (id == 2221)
        return {3, 2};
    if (within(id, 2201, 2249))
        return {2, 2}; // 2211 and 2221 were taken above
    if (within(id, 2401, 2407))
        return {2, 1};
    return {1, 1};
}
