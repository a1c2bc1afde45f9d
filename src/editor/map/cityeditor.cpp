#include "editor/map/cityeditor.h"

#include "core/document/rumoszen.h"
#include "core/players/playerrecord.h"
#include "editor/widgets/ansitextguard.h"
#include "editor/widgets/fillguard.h"
#include "editor/widgets/playercolouricon.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A city belongs to one of the colours "Rot" to "Eingeborene"; traders own no
// cities.
constexpr int CityColours = 6;
// The player in slot 4 never receives a city by its colour.
constexpr int SkippedSlot = 4;

} // namespace

CityEditor::CityEditor(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CityEditor"));

    gbStadt_ = new QGroupBox(this);
    gbStadt_->setObjectName(QStringLiteral("gbStadt"));

    editStadtname_ = new QLineEdit(gbStadt_);
    editStadtname_->setObjectName(QStringLiteral("editStadtname"));
    // The record holds 31 characters; longer text is cut where it is typed,
    // not unseen when it is stored.
    editStadtname_->setMaxLength(CityRecord::NameChars);
    AnsiTextGuard::install(editStadtname_);
    nameLabel_ = new QLabel(gbStadt_);
    nameLabel_->setBuddy(editStadtname_);

    comboStadtfarbe_ = new QComboBox(gbStadt_);
    comboStadtfarbe_->setObjectName(QStringLiteral("comboStadtfarbe"));
    for (int code = 0; code < CityColours; ++code)
        comboStadtfarbe_->addItem(playerColourIcon(code), QString());
    ownerLabel_ = new QLabel(gbStadt_);
    ownerLabel_->setObjectName(QStringLiteral("Label7"));
    ownerLabel_->setBuddy(comboStadtfarbe_);

    cbBaustop_ = new QCheckBox(gbStadt_);
    cbBaustop_->setObjectName(QStringLiteral("cbBaustop"));

    btWarenlager_ = new QPushButton(gbStadt_);
    btWarenlager_->setObjectName(QStringLiteral("btWarenlager"));

    // Name across the group, owner and building stop below it, the stock
    // button at the right end of the name row.
    auto *grid = new QGridLayout(gbStadt_);
    grid->setHorizontalSpacing(10);
    grid->addWidget(nameLabel_, 0, 0);
    grid->addWidget(editStadtname_, 0, 1, 1, 2);
    grid->addWidget(btWarenlager_, 0, 4);
    grid->addWidget(ownerLabel_, 1, 0);
    grid->addWidget(comboStadtfarbe_, 1, 1);
    grid->addWidget(cbBaustop_, 1, 2);
    grid->setColumnMinimumWidth(1, 150);
    grid->setColumnStretch(2, 1);
    grid->setColumnMinimumWidth(3, 20);
    grid->setRowStretch(2, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(gbStadt_);

    connect(editStadtname_, &QLineEdit::textChanged, this, [this] {
        if (!filling_)
            emit controlChanged();
    });
    connect(cbBaustop_, &QCheckBox::clicked, this, &CityEditor::controlChanged);
    connect(comboStadtfarbe_, &QComboBox::currentIndexChanged, this,
            &CityEditor::comboStadtfarbeChange);
    connect(btWarenlager_, &QPushButton::clicked, this, &CityEditor::stockRequested);

    retranslateUi();
    fill(nullptr, CityRecord());
}

void CityEditor::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void CityEditor::retranslateUi()
{
    gbStadt_->setTitle(tr("Ausgewählte Stadt"));
    nameLabel_->setText(tr("Name"));
    ownerLabel_->setText(tr("Spieler"));
    cbBaustop_->setText(tr("Baustop (?)"));
    btWarenlager_->setText(tr("Warenlager..."));
    // Renaming items keeps the current one and emits no change.
    for (int code = 0; code < CityColours; ++code)
        comboStadtfarbe_->setItemText(code, PlayerColour::Name(code));
}

void CityEditor::fill(RumoSzen *doc, CityRecord city)
{
    const FillGuard guard(doc, filling_);
    doc_ = doc;
    city_ = doc ? city : CityRecord();
    if (city_) {
        enableGroup(true);
        editStadtname_->setText(city_.name());
        // An owner without a player record, or of a colour no city can have,
        // shows no colour.
        const auto colour = doc->players().colourOf(city_.owner());
        comboStadtfarbe_->setCurrentIndex(colour && *colour < CityColours ? int(*colour) : -1);
        cbBaustop_->setChecked(city_.buildStop());
    } else {
        editStadtname_->clear();
        comboStadtfarbe_->setCurrentIndex(-1);
        cbBaustop_->setChecked(false);
        enableGroup(false);
    }
    shown_.rememberAll(this);
}

void CityEditor::commit(RumoSzen *doc, CityRecord city)
{
    if (!doc || city.isNull() || city != city_ || editStadtname_->text().isEmpty())
        return;
    if (shown_.changed(editStadtname_))
        city.setName(editStadtname_->text());
    // A new colour has already given the city to its player; the owner is
    // only looked up again when the choice differs from what was shown, so
    // an owner whose colour another player shares stays where it is.
    const int colour = comboStadtfarbe_->currentIndex();
    if (colour >= 0 && shown_.changed(comboStadtfarbe_)) {
        if (const auto owner = doc->players().slotOfColour(colour, SkippedSlot))
            city.setOwner(quint8(*owner));
    }
    if (shown_.changed(cbBaustop_))
        city.setBuildStop(cbBaustop_->isChecked());
    shown_.rememberAll(this);
}

void CityEditor::comboStadtfarbeChange(int item)
{
    if (filling_ || !doc_ || city_.isNull() || item < 0)
        return;
    // The colour names a player: the first one holding it, slot 4 left out.
    if (const auto slot = doc_->players().slotOfColour(item, SkippedSlot))
        doc_->SetCityOwner(city_, *slot);
    // A colour that no player holds changes no owner, but the choice still
    // counts as an edit.
    emit ownerChanged();
    emit controlChanged();
}

// Disables the controls, not the group itself, so its caption stays readable.
void CityEditor::enableGroup(bool enabled)
{
    const auto controls = gbStadt_->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *control : controls)
        control->setEnabled(enabled);
}
