#include "editor/pages/storegoalbox.h"

#include "core/goods/goodstable.h"
#include "editor/pages/goalcontrols.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

QStringList goodsNames()
{
    QStringList goods;
    for (int index = GoodsTable::FirstGoods; index <= GoodsTable::LastGoods; ++index)
        goods << GoodsTable::listName(index);
    return goods;
}

} // namespace

StoreGoalBox::StoreGoalBox(int number, GoalControls &controls) : number_(number)
{
    const QByteArray n = QByteArray::number(number);
    check_ = controls.goalCheck("cbStore" + n);
    tons_ = controls.numberEdit("editStore" + n, 5, 0, TonsMax);
    unit_ = GoalControls::label("labelStore" + n, QString());
    goods_ = controls.combo("comboStore" + n, goodsNames());
    controls.addGoal(check_, {tons_, unit_, goods_});
    setObjectName(QLatin1String("gbStore" + n));
    setLayout(goalLine({check_, tons_, unit_, goods_}));
    retranslateUi();
}

void StoreGoalBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QGroupBox::changeEvent(event);
}

void StoreGoalBox::retranslateUi()
{
    setTitle(tr("%1. Lager").arg(number_));
    check_->setText(tr("Speichere"));
    unit_->setText(tr("t"));
    GoalControls::setItemTexts(goods_, goodsNames());
}
