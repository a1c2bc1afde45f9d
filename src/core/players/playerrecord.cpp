#include "core/players/playerrecord.h"

#include "core/common/codetable.h"

#include <QCoreApplication>

namespace PlayerColour {

QString Name(int code)
{
    static constexpr std::array<const char *, Count> names = {
        QT_TRANSLATE_NOOP("PlayerColour", "Rot"),
        QT_TRANSLATE_NOOP("PlayerColour", "Blau"),
        QT_TRANSLATE_NOOP("PlayerColour", "Gelb"),
        QT_TRANSLATE_NOOP("PlayerColour", "Weiß"),
        QT_TRANSLATE_NOOP("PlayerColour", "Piraten"),
        QT_TRANSLATE_NOOP("PlayerColour", "Eingeborene"),
        QT_TRANSLATE_NOOP("PlayerColour", "Händler")};
    return code >= 0 && code < Count
               ? QCoreApplication::translate("PlayerColour", names[size_t(code)])
               : QString();
}

QColor mapColour(int code)
{
    static const std::array<QColor, Count> colours = {
        QColor(255, 0, 0), QColor(0, 0, 255), QColor(255, 255, 0), QColor(255, 255, 255),
        QColor(0, 0, 0),   QColor(0, 128, 0), QColor(128, 0, 128)};
    return code >= 0 && code < Count ? colours[size_t(code)] : unownedColour();
}

QColor unownedColour()
{
    return QColor(137, 99, 64);
}

} // namespace PlayerColour

namespace PlayerKind {
namespace {
constexpr CodeTable<Count> kItems("PlayerKind",
                                  {{{QT_TRANSLATE_NOOP("PlayerKind", "Spielt nicht mit"), 10},
                                    {QT_TRANSLATE_NOOP("PlayerKind", "Mensch"), 0},
                                    {QT_TRANSLATE_NOOP("PlayerKind", "Computer"), 12},
                                    {QT_TRANSLATE_NOOP("PlayerKind", "Händler"), 13},
                                    {QT_TRANSLATE_NOOP("PlayerKind", "Eingeborene"), 11},
                                    {QT_TRANSLATE_NOOP("PlayerKind", "Pirat"), 14}}});
} // namespace

QString Name(int item)
{
    return kItems.name(item);
}
quint8 Code(int item)
{
    return kItems.code(item);
}
std::optional<int> ItemOf(quint8 code)
{
    return kItems.itemOf(code);
}

} // namespace PlayerKind

namespace PopulationLevel {
QString groupName(int group)
{
    static constexpr std::array<const char *, Groups> names = {
        QT_TRANSLATE_NOOP("PopulationLevel", "Pioniere"),
        QT_TRANSLATE_NOOP("PopulationLevel", "Siedler"),
        QT_TRANSLATE_NOOP("PopulationLevel", "Bürger"),
        QT_TRANSLATE_NOOP("PopulationLevel", "Kaufleute"),
        QT_TRANSLATE_NOOP("PopulationLevel", "Aristokraten")};
    return group >= 1 && group <= Groups
               ? QCoreApplication::translate("PopulationLevel", names[size_t(group - 1)])
               : QString();
}
} // namespace PopulationLevel

std::optional<quint8> PlayerArea::colourOf(int slot) const
{
    if (slot < 0 || slot >= PlayerRecord::Count)
        return std::nullopt;
    return player(slot).colour();
}

std::optional<int> PlayerArea::slotOfColour(int colour, int skipSlot) const
{
    for (int slot = 0; slot < PlayerRecord::Count; ++slot) {
        if (slot != skipSlot && player(slot).colour() == colour)
            return slot;
    }
    return std::nullopt;
}

QColor PlayerArea::mapColourOf(int slot) const
{
    const auto colour = colourOf(slot);
    return colour ? PlayerColour::mapColour(*colour) : PlayerColour::unownedColour();
}
