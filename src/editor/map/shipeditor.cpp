#include "editor/map/shipeditor.h"

#include "core/document/rumoszen.h"
#include "core/goods/shiptypetable.h"
#include "core/players/playerrecord.h"
#include "editor/widgets/ansitextguard.h"
#include "editor/widgets/fillguard.h"
#include "editor/widgets/numerickeyfilter.h"
#include "editor/widgets/playercolouricon.h"
#include "editor/widgets/svgpixmap.h"
#include "editor/widgets/updown.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

namespace {

// The owner list offers every colour but the natives'; its last item stands
// for the traders.
constexpr std::array<int, 6> OwnerColours = {0, 1, 2, 3, 4, PlayerColour::Trader};
constexpr int NativesColour = 5;

// The guns are one byte.
constexpr int GunsMax = 255;

// The type pictures are drawn 64 x 40 and shown half as large again.
constexpr QSize ShipPictureSize(96, 60);

// The item of the owner list that shows a player colour code. The natives'
// code 5 shows the item of the same number, "Händler", so a vehicle of theirs
// passes to a trader at the next Commit. Nothing for codes beyond the list.
int ownerItemOf(int colour)
{
    if (colour == NativesColour)
        return NativesColour;
    const auto *found = std::find(OwnerColours.begin(), OwnerColours.end(), colour);
    return found == OwnerColours.end() ? -1 : int(found - OwnerColours.begin());
}

// ShipImages: our own side views of the seven types, by type index.
QPixmap shipImage(int type, qreal pixelRatio)
{
    return svgPixmap(QStringLiteral(":/ships/%1.svg").arg(type), ShipPictureSize, pixelRatio);
}

} // namespace

ShipEditor::ShipEditor(QWidget *parent) : QWidget(parent)
{
    // Our pictures live in the static widget library; this keeps the linker
    // from dropping them.
    Q_INIT_RESOURCE(marbolt);
    setObjectName(QStringLiteral("ShipEditor"));

    gbSchiff_ = new QGroupBox(this);
    gbSchiff_->setObjectName(QStringLiteral("gbSchiff"));
    auto label = [this](QWidget *buddy) {
        auto *l = new QLabel(gbSchiff_);
        l->setBuddy(buddy);
        return l;
    };

    editSchiffname_ = new QLineEdit(gbSchiff_);
    editSchiffname_->setObjectName(QStringLiteral("editSchiffname"));
    // The record holds 23 characters; longer text is cut where it is typed,
    // and the tree node that follows the edit shows what will be stored.
    editSchiffname_->setMaxLength(ShipRecord::NameChars);
    AnsiTextGuard::install(editSchiffname_);

    comboSchifffarbe_ = new QComboBox(gbSchiff_);
    comboSchifffarbe_->setObjectName(QStringLiteral("comboSchifffarbe"));
    for (int colour : OwnerColours)
        comboSchifffarbe_->addItem(playerColourIcon(colour), QString());

    comboSchifftyp_ = new QComboBox(gbSchiff_);
    comboSchifftyp_->setObjectName(QStringLiteral("comboSchifftyp"));
    for (int type = 0; type < ShipTypeTable::Count; ++type)
        comboSchifftyp_->addItem(QString());

    QWidget *guns = makeGunsField();
    QWidget *energy = makeEnergyField();

    imSchiff_ = new QLabel(gbSchiff_);
    imSchiff_->setObjectName(QStringLiteral("imSchiff"));
    imSchiff_->setFixedSize(ShipPictureSize);
    // Hiding the picture must not shift the fields beside it.
    QSizePolicy keepSpace = imSchiff_->sizePolicy();
    keepSpace.setRetainSizeWhenHidden(true);
    imSchiff_->setSizePolicy(keepSpace);

    btCargo_ = new QPushButton(gbSchiff_);
    btCargo_->setObjectName(QStringLiteral("btCargo"));

    // Two columns of labelled fields, the energy across both, the picture
    // and the cargo button at the right.
    auto *grid = new QGridLayout(gbSchiff_);
    grid->setHorizontalSpacing(8);
    grid->addWidget(nameLabel_ = label(editSchiffname_), 0, 0);
    grid->addWidget(editSchiffname_, 0, 1);
    grid->addWidget(typeLabel_ = label(comboSchifftyp_), 0, 3);
    grid->addWidget(comboSchifftyp_, 0, 4);
    grid->addWidget(ownerLabel_ = label(comboSchifffarbe_), 1, 0);
    grid->addWidget(comboSchifffarbe_, 1, 1);
    grid->addWidget(gunsLabel_ = label(editSchiffkanonen_), 1, 3);
    grid->addWidget(guns, 1, 4);
    grid->addWidget(energyLabel_ = label(tbEnergie_), 2, 0);
    grid->addWidget(energy, 2, 1, 1, 4);
    grid->addWidget(imSchiff_, 0, 6, 2, 1, Qt::AlignCenter);
    grid->addWidget(btCargo_, 2, 6);
    grid->setColumnStretch(1, 3);
    grid->setColumnMinimumWidth(2, 6);
    grid->setColumnStretch(4, 2);
    grid->setColumnMinimumWidth(5, 6);
    grid->setRowStretch(3, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(gbSchiff_);

    auto changed = [this] {
        if (!filling_)
            emit controlChanged();
    };
    connect(editSchiffname_, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (filling_)
            return;
        emit nameEdited(text);
        emit controlChanged();
    });
    connect(editSchiffkanonen_, &QLineEdit::textChanged, this, changed);
    connect(tbEnergie_, &QSlider::valueChanged, this, changed);
    connect(comboSchifffarbe_, &QComboBox::currentIndexChanged, this,
            &ShipEditor::comboSchifffarbeChange);
    connect(comboSchifftyp_, &QComboBox::currentIndexChanged, this,
            &ShipEditor::comboSchifftypChange);
    connect(btCargo_, &QPushButton::clicked, this, &ShipEditor::cargoRequested);

    retranslateUi();
    fill(nullptr, ShipRecord());
}

void ShipEditor::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void ShipEditor::retranslateUi()
{
    gbSchiff_->setTitle(tr("Ausgewähltes Schiff"));
    nameLabel_->setText(tr("Name"));
    typeLabel_->setText(tr("Typ"));
    ownerLabel_->setText(tr("Spieler"));
    gunsLabel_->setText(tr("Kanonen"));
    energyLabel_->setText(tr("Energie"));
    btCargo_->setText(tr("Ladung..."));
    // Renaming items keeps the current one and emits no change.
    for (size_t item = 0; item < OwnerColours.size(); ++item)
        comboSchifffarbe_->setItemText(int(item), PlayerColour::Name(OwnerColours[item]));
    for (int type = 0; type < ShipTypeTable::Count; ++type)
        comboSchifftyp_->setItemText(type, ShipTypeTable::Row(type).name);
}

QWidget *ShipEditor::makeGunsField()
{
    auto *field = new QWidget(gbSchiff_);
    editSchiffkanonen_ = new QLineEdit(QStringLiteral("0"), field);
    editSchiffkanonen_->setObjectName(QStringLiteral("editSchiffkanonen"));
    editSchiffkanonen_->setFixedWidth(
        editSchiffkanonen_->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 14);
    // The field is one byte; an emptied edit shows 0 guns when left.
    NumericKeyFilter::install(editSchiffkanonen_, 0, GunsMax, 0);

    // The arrows step through the whole byte: arrows that stopped at 100
    // would pull a larger number of guns down to 100 at the first click up.
    auto *upDown = new UpDown(editSchiffkanonen_, 0, GunsMax, field);
    upDown->setObjectName(QStringLiteral("UpDown1"));

    auto *row = new QHBoxLayout(field);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    row->addWidget(editSchiffkanonen_);
    row->addWidget(upDown);
    row->addStretch(1);
    return field;
}

QWidget *ShipEditor::makeEnergyField()
{
    auto *field = new QWidget(gbSchiff_);
    tbEnergie_ = new QSlider(Qt::Horizontal, field);
    tbEnergie_->setObjectName(QStringLiteral("tbEnergie"));
    tbEnergie_->setRange(0, 100);
    tbEnergie_->setTickInterval(10);
    tbEnergie_->setTickPosition(QSlider::TicksBelow);
    tbEnergie_->setPageStep(10);
    connect(tbEnergie_, &QSlider::valueChanged, tbEnergie_,
            [this](int percent) { tbEnergie_->setToolTip(QStringLiteral("%1 %").arg(percent)); });

    auto *row = new QHBoxLayout(field);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel(QStringLiteral("0"), field));
    row->addWidget(tbEnergie_, 1);
    row->addWidget(new QLabel(QStringLiteral("100%"), field));
    return field;
}

void ShipEditor::fill(RumoSzen *doc, ShipRecord ship)
{
    const FillGuard guard(doc, filling_);
    doc_ = doc;
    ship_ = doc ? ship : ShipRecord();
    if (ship_) {
        enableGroup(true);
        editSchiffname_->setText(ship_.name());
        const auto type = ShipTypeTable::indexOfFigure(ship_.figure());
        comboSchifftyp_->setCurrentIndex(type.value_or(-1));
        const auto colour = doc->players().colourOf(ship_.owner());
        comboSchifffarbe_->setCurrentIndex(colour ? ownerItemOf(*colour) : -1);
        // A figure of no known type has no full energy; the bar then stands
        // at full, which a later choice of type stores.
        tbEnergie_->setValue(
            type ? percentOfEnergy(ship_.energy(), ShipTypeTable::Row(*type).fullEnergy) : 100);
        editSchiffkanonen_->setText(QString::number(ship_.guns()));
    } else {
        editSchiffname_->clear();
        comboSchifftyp_->setCurrentIndex(-1);
        comboSchifffarbe_->setCurrentIndex(-1);
        tbEnergie_->setValue(0);
        editSchiffkanonen_->clear();
        enableGroup(false);
    }
    showPicture(!ship_.isNull());
    shown_.rememberAll(this);
}

void ShipEditor::commit(RumoSzen *doc, ShipRecord ship, const QString &nodeText)
{
    if (!doc || ship.isNull() || ship != ship_ || editSchiffname_->text().isEmpty())
        return;
    // The tree node follows the edit, so it holds the edited name; a name the
    // edit cannot show whole (24 bytes without a zero) is kept while the
    // edit is left alone.
    if (shown_.changed(editSchiffname_))
        ship.setName(nodeText.isEmpty() ? editSchiffname_->text() : nodeText);
    // Figure and kind follow a new type at once; the energy is stored when
    // the bar was moved or the type changed, from the new type's full
    // energy. A bar left alone leaves the energy as it was, since its whole
    // per cent cannot show every stored value.
    const int type = comboSchifftyp_->currentIndex();
    if (type >= 0 && shown_.anyChanged({comboSchifftyp_, tbEnergie_})) {
        const ShipType &row = ShipTypeTable::Row(type);
        if (shown_.changed(comboSchifftyp_)) {
            ship.setFigure(row.figure);
            ship.setKind(row.kind);
        }
        ship.setEnergy(EnergyOfPercent(tbEnergie_->value(), row.fullEnergy));
    }
    // A new owner has already been stored when the colour was chosen; an
    // owner whose colour shows as another item (the natives' as "Händler")
    // stays unless the user picks a colour.
    if (shown_.changed(comboSchifffarbe_)) {
        if (const auto owner = chosenOwner(*doc))
            ship.setOwner(quint8(*owner));
    }
    // Read through the edit's range, so a number beyond one byte is shown
    // and stored as 255, never as its low bits.
    const quint8 guns = quint8(NumericKeyFilter::Settle(editSchiffkanonen_).value_or(0));
    if (shown_.changed(editSchiffkanonen_))
        ship.setGuns(guns);
    shown_.rememberAll(this);
}

quint16 ShipEditor::EnergyOfPercent(int percent, quint16 fullEnergy)
{
    // Rounded up: the integer division of PercentOfEnergy then gives
    // `percent` back, as every full energy is above 100.
    return quint16(std::min((qint64(fullEnergy) * percent + 99) / 100, qint64(0xFFFF)));
}

int ShipEditor::percentOfEnergy(quint16 energy, quint16 fullEnergy)
{
    return fullEnergy ? int(qint64(energy) * 100 / fullEnergy) : 100;
}

std::optional<int> ShipEditor::chosenOwner(RumoSzen &doc) const
{
    const int item = comboSchifffarbe_->currentIndex();
    if (item < 0)
        return std::nullopt;
    return doc.players().slotOfColour(OwnerColours[size_t(item)]);
}

// The owner is stored as soon as the list changes; the type stays.
void ShipEditor::comboSchifffarbeChange()
{
    if (filling_ || !doc_ || ship_.isNull())
        return;
    const auto owner = chosenOwner(*doc_);
    if (owner) {
        ship_.setOwner(quint8(*owner));
        emit ownerChanged();
    }
    emit controlChanged();
}

// Figure and kind are stored as soon as the list changes; the energy follows
// the new type at the next Commit, from the unchanged per cent. The owner
// stays.
void ShipEditor::comboSchifftypChange()
{
    if (filling_ || !doc_ || ship_.isNull())
        return;
    const int type = comboSchifftyp_->currentIndex();
    if (type >= 0) {
        ship_.setFigure(ShipTypeTable::Row(type).figure);
        ship_.setKind(ShipTypeTable::Row(type).kind);
    }
    showPicture(true);
    emit controlChanged();
}

void ShipEditor::showPicture(bool withVehicle)
{
    const int type = comboSchifftyp_->currentIndex();
    imSchiff_->setPixmap(type >= 0 ? shipImage(type, devicePixelRatio()) : QPixmap());
    imSchiff_->setVisible(withVehicle);
}

// Disables the controls, not the group itself, so its caption stays readable.
void ShipEditor::enableGroup(bool enabled)
{
    const auto controls = gbSchiff_->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *control : controls)
        control->setEnabled(enabled);
}
