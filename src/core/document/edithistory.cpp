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
    // The stack merges steps of one id only: the pieces of one typing.
    int id() const override { return typing_ < 0 ? -1 : typing_; }

    // The next piece of the same typing joins this step when it changed the
    // same record: the bytes before are this step's, the bytes after the
    // next one's. Typing that brought everything back leaves a step that
    // changes nothing, which the stack then drops.
    bool mergeWith(const QUndoCommand *command) override
    {
        const auto *next = static_cast<const RecordEdit *>(command);
        if (!(next->target() == target_))
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
    void setTarget(const ObjectRef &target) { target_ = target; }

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

    // The key of the typing this step records, its id; -1 for other edits.
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

QString textFor(const ObjectRef &target, const RumoSzen &doc)
{
    using Kind = ObjectRef::Kind;
    switch (target.kind) {
    case Kind::Settings:
        return msg::editSettings();
    case Kind::Mission:
        return msg::editMission(target.record + 1);
    case Kind::Player:
        return msg::editPlayer(target.record + 1);
    case Kind::Ship:
        if (target.record >= 0 && size_t(target.record) < doc.Ships().size())
            return msg::editShip(doc.Ships()[size_t(target.record)].name());
        break;
    case Kind::City:
        if (const Insel *island = doc.island(target.island)) {
            if (const CityRecord city = island->cityInSlot(target.slot))
                return msg::editCity(city.name());
        }
        break;
    case Kind::TradingPost:
        return msg::editTradingPost(target.island);
    case Kind::File:
    case Kind::Chunk:
    case Kind::Island:
    case Kind::Deer:
        break;
    }
    return msg::editIsland(std::max(target.island, 0));
}

} // namespace

std::vector<RecordSnapshot::Block> RecordSnapshot::blocksOf(RumoSzen &doc)
{
    std::vector<Block> blocks;
    qsizetype copyAt = 0;
    for (const RumoSzen::EditableBlock &block : doc.editableBlocks()) {
        blocks.push_back(Block{block.bytes, block.size, block.object, copyAt});
        copyAt += block.size;
    }
    return blocks;
}

void RecordSnapshot::take(RumoSzen &doc)
{
    blocks_ = blocksOf(doc);
    const qsizetype total =
        blocks_.empty() ? 0 : blocks_.back().copyAt + qsizetype(blocks_.back().size);
    bytes_.resize(total);
    for (const Block &block : blocks_)
        std::memcpy(bytes_.data() + block.copyAt, block.bytes, size_t(block.size));
    layers_.clear();
    for (const auto &island : doc.Islands()) {
        if (!island)
            continue;
        for (const auto &layer : island->layers())
            layers_.push_back(Layer{layer.get(), layer->sharedTiles(), island->number()});
    }
    campaign_ = doc.CampaignNumber();
}

std::unique_ptr<DocumentEdit> RecordSnapshot::changesSince(RumoSzen &doc, const QString &text,
                                                           int typing) const
{
    auto edit = std::make_unique<RecordEdit>(doc, text, typing);
    std::optional<ObjectRef> target;
    const std::vector<Block> now = blocksOf(doc);
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
            target = block.object;
    }
    for (const auto &[layer, before, island] : layers_) {
        const QByteArray after = layer->sharedTiles();
        if (after.constData() == before.constData() || after == before)
            continue;
        edit->layers.push_back(LayerChange{layer, before, after});
        if (!target)
            target = ObjectRef::forIsland(island);
    }
    if (doc.CampaignNumber() != campaign_) {
        edit->campaignChanged = true;
        edit->campaignBefore = campaign_;
        edit->campaignAfter = doc.CampaignNumber();
        if (!target)
            target = ObjectRef::forSettings();
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
    target_ = ObjectRef::forIsland(island.number());
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
    target_ = ObjectRef::forIsland(island.number());
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
    target_ = ObjectRef::forIsland(number_);
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
