#include "editor/goods/tfreiform.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Captions by bit; the bits captioned "unbekannt" unlock no known group.
constexpr std::array<const char *, TFreiForm::Bits> Captions{
    "unbekannt0",
    "unbekannt1",
    "Schule",
    "Wirtshaus",
    "Kirche",
    "Badehaus",
    "Theater",
    "Hochschule",
    "Arzt",
    "Galgen",
    "Schloss",
    "Kathedrale",
    "unbekannt12",
    "unbekannt13",
    "Rinder + Metzger",
    "Steine + Feuerwehr",
    "Kontor II, Holztor, Palisade",
    "Alkohol + Tabak",
    "Korn, Mehl, Brot",
    "Werkzeugschmiede",
    "Kl. Erzmine + kl. Werft",
    "Kontor III",
    "Burg, Schwerter, Wachturm etc.",
    "Goldmine",
    "Kakao, Weberei, Schneiderei",
    "unbekannt25",
    "Kanonengießerei",
    "Tiefe Erzmine",
    "Kontor IV, Goldschmied etc.",
    "Große Burg, Musketenbauer",
    "Große Werft",
    "Festung",
};

} // namespace

TFreiForm::TFreiForm(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TFreiForm"));
    setWindowTitle(QStringLiteral("Freigeschaltete Gebäude"));
    setModal(false);

    auto *warning =
        new QLabel(QStringLiteral("Achtung: Diese Einstellungen werden vom Szenarieneditor wieder "
                                  "überschrieben!"));
    warning->setObjectName(QStringLiteral("Label1"));
    warning->setWordWrap(true);

    // Two columns in bit order: bits 0 to 15 on the left, 16 to 31 on the right.
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(2);
    for (int bit = 0; bit < Bits; ++bit) {
        auto *box = new QCheckBox(QString::fromUtf8(Captions[size_t(bit)]));
        box->setObjectName(QStringLiteral("cbInfra%1").arg(bit, 2, 10, QLatin1Char('0')));
        connect(box, &QCheckBox::clicked, this, &TFreiForm::controlChanged);
        grid->addWidget(box, bit % 16, bit / 16);
        boxes_[size_t(bit)] = box;
    }

    auto *close = new QPushButton(QStringLiteral("Schließen"));
    close->setObjectName(QStringLiteral("CloseButton"));
    close->setDefault(true);
    close->setAutoDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(warning);
    layout->addSpacing(4);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    // A fixed dialog border: the window keeps the size its contents need.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TFreiForm::SetFlags(quint32 flags)
{
    for (int bit = 0; bit < Bits; ++bit)
        boxes_[size_t(bit)]->setChecked((flags >> bit) & 1u);
}

quint32 TFreiForm::Flags() const
{
    quint32 flags = 0;
    for (int bit = 0; bit < Bits; ++bit) {
        if (boxes_[size_t(bit)]->isChecked())
            flags |= 1u << bit;
    }
    return flags;
}
