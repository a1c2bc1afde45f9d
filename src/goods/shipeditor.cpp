#include "goods/shipeditor.h"

#include "common/numbers.h"
#include "common/numerickeyfilter.h"
#include "common/updown.h"
#include "document/rumoszen.h"
#include "goods/shiptypetable.h"
#include "players/playercolouricon.h"
#include "players/playerrecord.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSlider>
#include <QSvgRenderer>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

namespace {

// The owner list offers every colour but the natives'; its last item stands
// for the traders.
constexpr std::array<int, 6> OwnerColours = {0, 1, 2, 3, 4, PlayerColour::Trader};
constexpr int NativesColour = 5;

// The up-down buttons step the guns within this range; typed numbers may be
// larger.
constexpr int GunsStepMax = 100;

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
    QPixmap pixmap(ShipPictureSize * pixelRatio);
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/ships/%1.svg").arg(type));
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter, QRectF(QPointF(0, 0), ShipPictureSize));
    }
    return pixmap;
}

} // namespace

ShipEditor::ShipEditor(QWidget *parent) : QWidget(parent)
{
    // Our pictures live in the static widget library; this keeps the linker
    // from dropping them.
    Q_INIT_RESOURCE(marbolt);
    setObjectName(QStringLiteral("ShipEditor"));

    gbSchiff_ = new QGroupBox(QStringLiteral("Ausgewähltes Schiff"), this);
    gbSchiff_->setObjectName(QStringLiteral("gbSchiff"));
    auto label = [this](const QString &text, QWidget *buddy) {
        auto *l = new QLabel(text, gbSchiff_);
        l->setBuddy(buddy);
        return l;
    };

    editSchiffname_ = new QLineEdit(gbSchiff_);
    editSchiffname_->setObjectName(QStringLiteral("editSchiffname"));

    comboSchifffarbe_ = new QComboBox(gbSchiff_);
    comboSchifffarbe_->setObjectName(QStringLiteral("comboSchifffarbe"));
    for (int colour : OwnerColours)
        comboSchifffarbe_->addItem(PlayerColourIcon(colour), PlayerColour::Name(colour));

    comboSchifftyp_ = new QComboBox(gbSchiff_);
    comboSchifftyp_->setObjectName(QStringLiteral("comboSchifftyp"));
    for (int type = 0; type < ShipTypeTable::Count; ++type)
        comboSchifftyp_->addItem(ShipTypeTable::Row(type).name);

    QWidget *guns = makeGunsField();
    QWidget *energy = makeEnergyField();

    imSchiff_ = new QLabel(gbSchiff_);
    imSchiff_->setObjectName(QStringLiteral("imSchiff"));
    imSchiff_->setFixedSize(ShipPictureSize);
    // Hiding the picture must not shift the fields beside it.
    QSizePolicy keepSpace = imSchiff_->sizePolicy();
    keepSpace.setRetainSizeWhenHidden(true);
    imSchiff_->setSizePolicy(keepSpace);

    btCargo_ = new QPushButton(QStringLiteral("Ladung..."), gbSchiff_);
    btCargo_->setObjectName(QStringLiteral("btCargo"));

    // Two columns of labelled fields, the energy across both, the picture
    // and the cargo button at the right.
    auto *grid = new QGridLayout(gbSchiff_);
    grid->setHorizontalSpacing(8);
    grid->addWidget(label(QStringLiteral("Name"), editSchiffname_), 0, 0);
    grid->addWidget(editSchiffname_, 0, 1);
    grid->addWidget(label(QStringLiteral("Typ"), comboSchifftyp_), 0, 3);
    grid->addWidget(comboSchifftyp_, 0, 4);
    grid->addWidget(label(QStringLiteral("Spieler"), comboSchifffarbe_), 1, 0);
    grid->addWidget(comboSchifffarbe_, 1, 1);
    grid->addWidget(label(QStringLiteral("Kanonen"), editSchiffkanonen_), 1, 3);
    grid->addWidget(guns, 1, 4);
    grid->addWidget(label(QStringLiteral("Energie"), tbEnergie_), 2, 0);
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
            &ShipEditor::applyOwnerAndType);
    connect(comboSchifftyp_, &QComboBox::currentIndexChanged, this, &ShipEditor::applyOwnerAndType);
    connect(btCargo_, &QPushButton::clicked, this, &ShipEditor::cargoRequested);

    Fill(nullptr, ShipRecord());
}

QWidget *ShipEditor::makeGunsField()
{
    auto *field = new QWidget(gbSchiff_);
    editSchiffkanonen_ = new QLineEdit(QStringLiteral("0"), field);
    editSchiffkanonen_->setObjectName(QStringLiteral("editSchiffkanonen"));
    editSchiffkanonen_->setFixedWidth(
        editSchiffkanonen_->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 14);
    NumericKeyFilter::Install(editSchiffkanonen_);

    // The up-down steps the edit's number within 0..100; it reads whatever
    // the edit holds, so typed text beyond that range comes back into it.
    auto *upDown = new UpDown(editSchiffkanonen_, 0, GunsStepMax, field);
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

void ShipEditor::Fill(RumoSzen *doc, ShipRecord ship)
{
    const bool wasModified = doc && doc->IsModified();
    filling_ = true;
    doc_ = doc;
    ship_ = doc ? ship : ShipRecord();
    if (ship_) {
        EnableGroup(true);
        editSchiffname_->setText(ship_.name());
        const auto type = ShipTypeTable::IndexOfFigure(ship_.figure());
        comboSchifftyp_->setCurrentIndex(type.value_or(-1));
        const auto colour = doc->players().colourOf(ship_.owner());
        comboSchifffarbe_->setCurrentIndex(colour ? ownerItemOf(*colour) : -1);
        // A figure of no known type has no full energy; the bar then stands
        // at full, which a later choice of type stores.
        tbEnergie_->setValue(type ? ship_.energy() * 100 / ShipTypeTable::Row(*type).fullEnergy
                                  : 100);
        editSchiffkanonen_->setText(QString::number(ship_.guns()));
    } else {
        editSchiffname_->clear();
        comboSchifftyp_->setCurrentIndex(-1);
        comboSchifffarbe_->setCurrentIndex(-1);
        tbEnergie_->setValue(0);
        editSchiffkanonen_->clear();
        EnableGroup(false);
    }
    showPicture(!ship_.isNull());
    filling_ = false;
    if (doc && doc->IsModified() != wasModified)
        doc->SetModified(wasModified);
}

void ShipEditor::Commit(RumoSzen *doc, ShipRecord ship, const QString &nodeText)
{
    if (!doc || ship.isNull() || editSchiffname_->text().isEmpty())
        return;
    ship.setName(editSchiffname_->text());
    const int type = comboSchifftyp_->currentIndex();
    if (type >= 0) {
        const ShipType &row = ShipTypeTable::Row(type);
        ship.setFigure(row.figure);
        ship.setKind(row.kind);
        ship.setEnergy(quint16(row.fullEnergy * tbEnergie_->value() / 100));
    }
    if (const auto owner = chosenOwner(*doc))
        ship.setOwner(quint8(*owner));
    // The guns field is one byte: larger numbers store 255.
    ship.setGuns(quint8(ClampedDecimal(editSchiffkanonen_->text(), 255)));
    if (!nodeText.isEmpty())
        ship.setName(nodeText);
}

std::optional<int> ShipEditor::chosenOwner(RumoSzen &doc) const
{
    const int item = comboSchifffarbe_->currentIndex();
    if (item < 0)
        return std::nullopt;
    return doc.players().slotOfColour(OwnerColours[size_t(item)]);
}

// Owner and type of a vehicle are stored as soon as either list changes;
// the energy follows the new type at the next Commit, from the unchanged
// per cent.
void ShipEditor::applyOwnerAndType()
{
    if (filling_ || !doc_ || ship_.isNull())
        return;
    const auto owner = chosenOwner(*doc_);
    if (owner)
        ship_.setOwner(quint8(*owner));
    const int type = comboSchifftyp_->currentIndex();
    if (type >= 0) {
        ship_.setFigure(ShipTypeTable::Row(type).figure);
        ship_.setKind(ShipTypeTable::Row(type).kind);
    }
    showPicture(true);
    if (owner)
        emit ownerChanged();
    emit controlChanged();
}

void ShipEditor::showPicture(bool withVehicle)
{
    const int type = comboSchifftyp_->currentIndex();
    imSchiff_->setPixmap(type >= 0 ? shipImage(type, devicePixelRatio()) : QPixmap());
    imSchiff_->setVisible(withVehicle);
}

// Disables the controls, not the group itself, so its caption stays readable.
void ShipEditor::EnableGroup(bool enabled)
{
    const auto controls = gbSchiff_->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *control : controls)
        control->setEnabled(enabled);
}
