#include "core/document/edithistory.h"

#include "core/common/messages.h"
#include "core/document/rumoszen.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

// The bytes of one changed range, before and after.
struct ByteChange {
    uchar *at = nullptr;
    QByteArray before;
    QByteArray after;
};

struct LayerChange {
    Inselhaus *layer = nullptr;
    QByteArray before;
    QByteArray after;
};

// The id of steps that merge with the step before them.
constexpr int TypingId = 1;

quintptr address(const uchar *at)
{
    return reinterpret_cast<quintptr>(at);
}

// An edit of record bytes, tile layers and the campaign number, recorded
// after the pages wrote it into the document.
class RecordEdit : public DocumentEdit {
public:
    RecordEdit(RumoSzen &doc, const QString &text, int typing)
        : DocumentEdit(doc, text), typing_(typing)
    {
    }

    void undo() override { apply(false); }
    void redo() override { apply(true); }
    int id() const override { return typing_ < 0 ? -1 : TypingId; }

    // The next piece of the same typing joins this step: the bytes before
    // are this step's, the bytes after the next one's. Typing that brought
    // everything back leaves a step that changes nothing, which the stack
    // then drops.
    bool mergeWith(const QUndoCommand *command) override
    {
        const auto *next = static_cast<const RecordEdit *>(command);
        if (next->typing_ != typing_ || !(next->target() == target_))
            return false;
        for (const ByteChange &change : next->bytes)
            joinBytes(change);
        for (const LayerChange &change : next->layers)
            joinLayer(change);
        if (next->campaignChanged) {
            if (!campaignChanged)
                campaignBefore = next->campaignBefore;
            campaignChanged = true;
            campaignAfter = next->campaignAfter;
        }
        std::erase_if(bytes, [](const ByteChange &c) { return c.before == c.after; });
        std::erase_if(layers, [](const LayerChange &c) { return c.before == c.after; });
        campaignChanged = campaignChanged && campaignBefore != campaignAfter;
        setObsolete(bytes.empty() && layers.empty() && !campaignChanged);
        return true;
    }

    std::vector<ByteChange> bytes;
    std::vector<LayerChange> layers;
    bool campaignChanged = false;
    int campaignBefore = -1;
    int campaignAfter = -1;
    void setTarget(const EditTarget &target) { target_ = target; }

private:
    // Joins a change to the ranges of this step that it overlaps; one that
    // overlaps none is added as it is. The ranges of a step never overlap.
    void joinBytes(const ByteChange &next)
    {
        const quintptr from = address(next.at);
        const quintptr to = from + quintptr(next.after.size());
        auto overlaps = [&](const ByteChange &c) {
            return address(c.at) < to && from < address(c.at) + quintptr(c.before.size());
        };
        const auto firstOld = std::partition(bytes.begin(), bytes.end(),
                                             [&](const ByteChange &c) { return !overlaps(c); });
        if (firstOld == bytes.end()) {
            bytes.push_back(next);
            return;
        }
        quintptr low = from;
        quintptr high = to;
        for (auto it = firstOld; it != bytes.end(); ++it) {
            low = std::min(low, address(it->at));
            high = std::max(high, address(it->at) + quintptr(it->before.size()));
        }
        ByteChange joined{reinterpret_cast<uchar *>(low), QByteArray(qsizetype(high - low), 0),
                          QByteArray(qsizetype(high - low), 0)};
        // Every byte of the joined range lies in the next change or in one
        // of this step's: before from this step where it has the byte, after
        // from the next change where it has it.
        auto copy = [low](QByteArray &into, const ByteChange &c, const QByteArray &from) {
            std::memcpy(into.data() + (address(c.at) - low), from.constData(), size_t(from.size()));
        };
        copy(joined.before, next, next.before);
        for (auto it = firstOld; it != bytes.end(); ++it) {
            copy(joined.before, *it, it->before);
            copy(joined.after, *it, it->after);
        }
        copy(joined.after, next, next.after);
        bytes.erase(firstOld, bytes.end());
        bytes.push_back(std::move(joined));
    }

    void joinLayer(const LayerChange &next)
    {
        for (LayerChange &change : layers) {
            if (change.layer == next.layer) {
                change.after = next.after;
                return;
            }
        }
        layers.push_back(next);
    }

    // The key of the typing this step records; -1 for other edits.
    int typing_;

    void apply(bool forward)
    {
        for (const ByteChange &change : bytes) {
            const QByteArray &to = forward ? change.after : change.before;
            std::memcpy(change.at, to.constData(), size_t(to.size()));
        }
        for (const LayerChange &change : layers)
            change.layer->restoreTiles(forward ? change.after : change.before);
        if (campaignChanged)
            doc_.setCampaignNumber(forward ? campaignAfter : campaignBefore);
        doc_.stepApplied();
    }
};

QString textFor(const EditTarget &target, const RumoSzen &doc)
{
    switch (target.page) {
    case EditTarget::Page::Settings:
        return msg::editSettings();
    case EditTarget::Page::Missions:
        return msg::editMission(target.index + 1);
    case EditTarget::Page::Players:
        return msg::editPlayer(target.index + 1);
    case EditTarget::Page::Map:
        break;
    }
    if (target.record) {
        for (const ShipRecord &ship : doc.Ships()) {
            if (ship.data() == target.record)
                return msg::editShip(ship.name());
        }
        if (target.island) {
            for (const CityRecord &city : target.island->cities()) {
                if (city.data() == target.record)
                    return msg::editCity(city.name());
            }
            return msg::editTradingPost(target.island->number());
        }
    }
    return msg::editIsland(target.island ? target.island->number() : 0);
}

} // namespace

std::vector<RecordSnapshot::Block> RecordSnapshot::BlocksOf(RumoSzen &doc)
{
    std::vector<Block> blocks;
    auto add = [&blocks](uchar *bytes, int size, const EditTarget &target) {
        const qsizetype copyAt =
            blocks.empty() ? 0 : blocks.back().copyAt + qsizetype(blocks.back().size);
        blocks.push_back(Block{bytes, size, target, copyAt});
    };
    // In the order in which a changed block names the step: a mission edit
    // also assigns player slots, a new city owner also changes the island.
    add(doc.settingsArea_.data(), ScenarioSettings::Size, {EditTarget::Page::Settings});
    for (int m = 0; m < MissionRecord::Count; ++m)
        add(doc.missions().mission(m).data(), MissionRecord::Size, {EditTarget::Page::Missions, m});
    for (int p = 0; p < PlayerRecord::Count; ++p)
        add(doc.players().player(p).data(), PlayerRecord::Size, {EditTarget::Page::Players, p});
    for (const ShipRecord &ship : doc.ships_)
        add(ship.data(), ShipRecord::Size, {EditTarget::Page::Map, -1, nullptr, ship.data()});
    for (const auto &island : doc.islands_) {
        if (!island)
            continue;
        for (const CityRecord &city : island->cities()) {
            if (city)
                add(city.data(), CityRecord::Size,
                    {EditTarget::Page::Map, -1, island.get(), city.data()});
        }
        for (const TradingPostRecord &post : island->tradingPosts()) {
            // The stock dialog is opened from the post's city.
            const CityRecord city = island->cityInSlot(post.citySlot());
            add(post.data(), TradingPostRecord::Size,
                {EditTarget::Page::Map, -1, island.get(), city ? city.data() : post.data()});
        }
        add(island->record().data(), IslandRecord::Size,
            {EditTarget::Page::Map, -1, island.get(), nullptr});
    }
    return blocks;
}

void RecordSnapshot::Take(RumoSzen &doc)
{
    blocks_ = BlocksOf(doc);
    const qsizetype total =
        blocks_.empty() ? 0 : blocks_.back().copyAt + qsizetype(blocks_.back().size);
    bytes_.resize(total);
    for (const Block &block : blocks_)
        std::memcpy(bytes_.data() + block.copyAt, block.bytes, size_t(block.size));
    layers_.clear();
    for (const auto &island : doc.islands_) {
        if (!island)
            continue;
        for (const auto &layer : island->layers())
            layers_.emplace_back(layer.get(), layer->sharedTiles());
    }
    campaign_ = doc.CampaignNumber();
}

std::unique_ptr<DocumentEdit> RecordSnapshot::ChangesSince(RumoSzen &doc, const QString &text,
                                                           int typing) const
{
    auto edit = std::make_unique<RecordEdit>(doc, text, typing);
    std::optional<EditTarget> target;
    const std::vector<Block> now = BlocksOf(doc);
    // Steps that add or remove records (an island's deletion) take a new
    // snapshot, so both lists hold the same blocks.
    Q_ASSERT(now.size() == blocks_.size());
    for (size_t b = 0; b < std::min(now.size(), blocks_.size()); ++b) {
        const Block &block = blocks_[b];
        if (now[b].bytes != block.bytes)
            continue;
        const uchar *old = reinterpret_cast<const uchar *>(bytes_.constData()) + block.copyAt;
        int first = 0;
        while (first < block.size && old[first] == block.bytes[first])
            ++first;
        if (first == block.size)
            continue;
        int last = block.size - 1;
        while (old[last] == block.bytes[last])
            --last;
        const int length = last - first + 1;
        edit->bytes.push_back(ByteChange{
            block.bytes + first, QByteArray(reinterpret_cast<const char *>(old + first), length),
            QByteArray(reinterpret_cast<const char *>(block.bytes + first), length)});
        if (!target)
            target = block.target;
    }
    for (const auto &[layer, before] : layers_) {
        const QByteArray after = layer->sharedTiles();
        if (after.constData() == before.constData() || after == before)
            continue;
        edit->layers.push_back(LayerChange{layer, before, after});
        if (!target)
            target = EditTarget{EditTarget::Page::Map, -1, layer->owner(), nullptr};
    }
    if (doc.CampaignNumber() != campaign_) {
        edit->campaignChanged = true;
        edit->campaignBefore = campaign_;
        edit->campaignAfter = doc.CampaignNumber();
        if (!target)
            target = EditTarget{EditTarget::Page::Settings};
    }
    if (!target)
        return nullptr;
    edit->setTarget(*target);
    if (text.isEmpty())
        edit->setText(textFor(*target, doc));
    return edit;
}

IslandMoveEdit::IslandMoveEdit(RumoSzen &doc, Insel &island, QPoint delta)
    : DocumentEdit(doc, msg::moveIsland(island.number())), island_(island), delta_(delta)
{
    target_ = EditTarget{EditTarget::Page::Map, -1, &island, nullptr};
}

void IslandMoveEdit::undo()
{
    doc_.MoveIsland(island_, -delta_.x(), -delta_.y());
    done_ = false;
    doc_.stepApplied();
}

void IslandMoveEdit::redo()
{
    // The first redo comes with the push, after the move was made.
    if (!done_)
        doc_.MoveIsland(island_, delta_.x(), delta_.y());
    done_ = true;
    doc_.stepApplied();
}

IslandDeleteEdit::IslandDeleteEdit(RumoSzen &doc, Insel &island)
    : DocumentEdit(doc, msg::deleteIsland(island.number())), number_(island.number())
{
    target_ = EditTarget{EditTarget::Page::Map, -1, &island, nullptr};
}

void IslandDeleteEdit::undo()
{
    doc_.putBackIsland(std::move(kept_));
    doc_.stepApplied();
}

void IslandDeleteEdit::redo()
{
    kept_ = doc_.takeIsland(number_);
    doc_.stepApplied();
}

IslandInsertEdit::IslandInsertEdit(RumoSzen &doc, std::unique_ptr<Insel> island)
    : DocumentEdit(doc, msg::insertIsland(island->number())), number_(island->number()),
      kept_(std::move(island))
{
    target_ = EditTarget{EditTarget::Page::Map, -1, kept_.get(), nullptr};
}

IslandInsertEdit::~IslandInsertEdit() = default;

void IslandInsertEdit::undo()
{
    kept_ = doc_.takeIsland(number_);
    doc_.stepApplied();
}

void IslandInsertEdit::redo()
{
    doc_.putBackIsland(std::move(kept_));
    doc_.stepApplied();
}
