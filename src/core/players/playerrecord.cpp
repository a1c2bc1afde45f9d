#include "core/players/playerrecord.h"

#include "core/common/codetable.h"

namespace PlayerColour {

QString Name(int code)
{
    static const std::array<QString, Count> names = {
        QStringLiteral("Rot"),    QStringLiteral("Blau"),    QStringLiteral("Gelb"),
        QStringLiteral("Weiß"),   QStringLiteral("Piraten"), QStringLiteral("Eingeborene"),
        QStringLiteral("Händler")};
    return code >= 0 && code < Count ? names[size_t(code)] : QString();
}

QColor MapColour(int code)
{
    static const std::array<QColor, Count> colours = {
        QColor(255, 0, 0), QColor(0, 0, 255), QColor(255, 255, 0), QColor(255, 255, 255),
        QColor(0, 0, 0),   QColor(0, 128, 0), QColor(128, 0, 128)};
    return code >= 0 && code < Count ? colours[size_t(code)] : UnownedColour();
}

QColor UnownedColour()
{
    return QColor(137, 99, 64);
}

} // namespace PlayerColour

namespace PlayerKind {
namespace {
constexpr CodeTable<Count> kItems({{{u"Spielt nicht mit", 10},
                                    {u"Mensch", 0},
                                    {u"Computer", 12},
                                    {u"Händler", 13},
                                    {u"Eingeborene", 11},
                                    {u"Pirat", 14}}});
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
QString GroupName(int group)
{
    static const std::array<QString, Groups> names = {
        QStringLiteral("Pioniere"), QStringLiteral("Siedler"), QStringLiteral("Bürger"),
        QStringLiteral("Kaufleute"), QStringLiteral("Aristokraten")};
    return group >= 1 && group <= Groups ? names[size_t(group - 1)] : QString();
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
    return colour ? PlayerColour::MapColour(*colour) : PlayerColour::UnownedColour();
}
