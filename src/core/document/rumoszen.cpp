// The document's state: its reset, and the change count with the signal
// that follows it. Loading, saving, the map queries and the edits live in
// their own files.

#include "core/document/rumoszen.h"

#include "core/game/gamepath.h"

#include <cmath>

RumoSzen::RumoSzen(QObject *parent) : RumoSzen(GamePath(), parent) {}

RumoSzen::RumoSzen(const QString &gamePath, QObject *parent) : QObject(parent), gamePath_(gamePath)
{
    reset();
    // The stack moves its index after a step's undo or redo has run.
    connect(&undoStack_, &QUndoStack::indexChanged, this, &RumoSzen::syncChangeCount);
}

RumoSzen::~RumoSzen()
{
    // The stack empties itself as it goes; nobody is to hear of it.
    disconnect(&undoStack_, nullptr, this, nullptr);
}

void RumoSzen::reset()
{
    // The steps point into the records that are about to go.
    undoStack_.clear();
    missionArea_.fill(0);
    for (int m = 0; m < MissionRecord::Count; ++m)
        missions().mission(m).setNumber(-1);
    playerArea_.fill(0);
    settingsArea_.fill(0);
    islands_.clear();
    deletedReferences_.clear();
    ships_.clear();
    chunks_.clear();
    settingsChunk_ = NoChunk;
    report_ = LoadReport();
    displaced_.clear();
    unplaced_.clear();
    layerInPlace_.clear();
    scenarioName_.clear();
    campaignNumber_ = -1;
    baseline_.take(*this);
}

void RumoSzen::SetModified(bool changed)
{
    if (changed) {
        ++changeCount_;
    } else {
        undoStack_.setClean();
        changeCount_ = 0;
    }
    emit modifiedChanged(changeCount_);
}

int RumoSzen::stepsFromClean() const
{
    const int clean = undoStack_.cleanIndex();
    // A clean state pushed off the stack can never be reached again.
    if (clean < 0)
        return std::max(1, undoStack_.index());
    return std::abs(undoStack_.index() - clean);
}

bool RumoSzen::recordChanges(const QString &text, int typing)
{
    std::unique_ptr<DocumentEdit> edit = baseline_.changesSince(*this, text, typing);
    const bool changed = edit != nullptr;
    if (edit)
        undoStack_.push(edit.release()); // its redo takes the new baseline
    syncChangeCount();
    return changed;
}

void RumoSzen::recordIslandMove(Insel &island, int dx, int dy)
{
    if (dx != 0 || dy != 0)
        undoStack_.push(new IslandMoveEdit(*this, island, QPoint(dx, dy)));
}

void RumoSzen::stepApplied()
{
    baseline_.take(*this);
}

std::vector<RumoSzen::EditableBlock> RumoSzen::editableBlocks()
{
    std::vector<EditableBlock> blocks;
    blocks.push_back({settingsArea_.data(), ScenarioSettings::Size, ObjectRef::forSettings()});
    for (int m = 0; m < MissionRecord::Count; ++m)
        blocks.push_back(
            {missions().mission(m).data(), MissionRecord::Size, ObjectRef::forMission(m)});
    for (int p = 0; p < PlayerRecord::Count; ++p)
        blocks.push_back({players().player(p).data(), PlayerRecord::Size, ObjectRef::forPlayer(p)});
    for (size_t i = 0; i < ships_.size(); ++i)
        blocks.push_back({ships_[i].data(), ShipRecord::Size, ObjectRef::forShip(int(i))});
    for (const auto &island : islands_) {
        if (!island)
            continue;
        const int number = island->number();
        for (const CityRecord &city : island->cities()) {
            if (city)
                blocks.push_back(
                    {city.data(), CityRecord::Size, ObjectRef::forCity(number, city.slot())});
        }
        for (const TradingPostRecord &post : island->tradingPosts()) {
            const CityRecord city = island->cityInSlot(post.citySlot());
            blocks.push_back({post.data(), TradingPostRecord::Size,
                              city ? ObjectRef::forCity(number, city.slot())
                                   : ObjectRef::forTradingPost(number, post.citySlot())});
        }
        blocks.push_back(
            {island->record().data(), IslandRecord::Size, ObjectRef::forIsland(number)});
    }
    return blocks;
}

void RumoSzen::syncChangeCount()
{
    if (changeCount_ != stepsFromClean()) {
        changeCount_ = stepsFromClean();
        emit modifiedChanged(changeCount_);
    }
}
