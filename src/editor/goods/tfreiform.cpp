#include "editor/goods/tfreiform.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Captions by bit; the bits captioned "unbekannt" unlock no known group.
constexpr std::array<const char *, TFreiForm::Bits> Captions{
    QT_TRANSLATE_NOOP("TFreiForm", "unbekannt0"),
    QT_TRANSLATE_NOOP("TFreiForm", "unbekannt1"),
    QT_TRANSLATE_NOOP("TFreiForm", "Schule"),
    QT_TRANSLATE_NOOP("TFreiForm", "Wirtshaus"),
    QT_TRANSLATE_NOOP("TFreiForm", "Kirche"),
    QT_TRANSLATE_NOOP("TFreiForm", "Badehaus"),
    QT_TRANSLATE_NOOP("TFreiForm", "Theater"),
    QT_TRANSLATE_NOOP("TFreiForm", "Hochschule"),
    QT_TRANSLATE_NOOP("TFreiForm", "Arzt"),
    QT_TRANSLATE_NOOP("TFreiForm", "Galgen"),
    QT_TRANSLATE_NOOP("TFreiForm", "Schloss"),
    QT_TRANSLATE_NOOP("TFreiForm", "Kathedrale"),
    QT_TRANSLATE_NOOP("TFreiForm", "unbekannt12"),
    QT_TRANSLATE_NOOP("TFreiForm", "unbekannt13"),
    QT_TRANSLATE_NOOP("TFreiForm", "Rinder + Metzger"),
    QT_TRANSLATE_NOOP("TFreiForm", "Steine + Feuerwehr"),
    QT_TRANSLATE_NOOP("TFreiForm", "Kontor II, Holztor, Palisade"),
    QT_TRANSLATE_NOOP("TFreiForm", "Alkohol + Tabak"),
    QT_TRANSLATE_NOOP("TFreiForm", "Korn, Mehl, Brot"),
    QT_TRANSLATE_NOOP("TFreiForm", "Werkzeugschmiede"),
    QT_TRANSLATE_NOOP("TFreiForm", "Kl. Erzmine + kl. Werft"),
    QT_TRANSLATE_NOOP("TFreiForm", "Kontor III"),
    QT_TRANSLATE_NOOP("TFreiForm", "Burg, Schwerter, Wachturm etc."),
    QT_TRANSLATE_NOOP("TFreiForm", "Goldmine"),
    QT_TRANSLATE_NOOP("TFreiForm", "Kakao, Weberei, Schneiderei"),
    QT_TRANSLATE_NOOP("TFreiForm", "unbekannt25"),
    QT_TRANSLATE_NOOP("TFreiForm", "Kanonengießerei"),
    QT_TRANSLATE_NOOP("TFreiForm", "Tiefe Erzmine"),
    QT_TRANSLATE_NOOP("TFreiForm", "Kontor IV, Goldschmied etc."),
    QT_TRANSLATE_NOOP("TFreiForm", "Große Burg, Musketenbauer"),
    QT_TRANSLATE_NOOP("TFreiForm", "Große Werft"),
    QT_TRANSLATE_NOOP("TFreiForm", "Festung"),
};

} // namespace

TFreiForm::TFreiForm(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TFreiForm"));
    setModal(false);

    auto *warning = warning_ = new QLabel;
    warning->setObjectName(QStringLiteral("Label1"));
    warning->setWordWrap(true);

    // Two columns in bit order: bits 0 to 15 on the left, 16 to 31 on the right.
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(2);
    for (int bit = 0; bit < Bits; ++bit) {
        auto *box = new QCheckBox;
        box->setObjectName(QStringLiteral("cbInfra%1").arg(bit, 2, 10, QLatin1Char('0')));
        connect(box, &QCheckBox::clicked, this, &TFreiForm::controlChanged);
        grid->addWidget(box, bit % 16, bit / 16);
        boxes_[size_t(bit)] = box;
    }

    auto *close = close_ = new QPushButton;
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
    retranslateUi();
}

void TFreiForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void TFreiForm::retranslateUi()
{
    setWindowTitle(tr("Freigeschaltete Gebäude"));
    warning_->setText(
        tr("Achtung: Diese Einstellungen werden vom Szenarieneditor wieder überschrieben!"));
    for (int bit = 0; bit < Bits; ++bit)
        boxes_[size_t(bit)]->setText(tr(Captions[size_t(bit)]));
    close_->setText(tr("Schließen"));
}

void TFreiForm::setFlags(quint32 flags)
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
