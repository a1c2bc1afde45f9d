#include "editor/pages/storegoalbox.h"

#include "core/goods/goodstable.h"
#include "editor/pages/goalcontrols.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

StoreGoalBox::StoreGoalBox(int number, GoalControls &controls)
{
    QStringList goods;
    for (int index = GoodsTable::FirstGoods; index <= GoodsTable::LastGoods; ++index)
        goods << GoodsTable::ListName(index);
    const QByteArray n = QByteArray::number(number);
    check_ = controls.goalCheck("cbStore" + n, QStringLiteral("Speichere"));
    tons_ = controls.numberEdit("editStore" + n, 5, 0, TonsMax);
    unit_ = GoalControls::label("labelStore" + n, QStringLiteral("t"));
    goods_ = controls.combo("comboStore" + n, goods);
    controls.addGoal(check_, {tons_, unit_, goods_});
    setObjectName(QLatin1String("gbStore" + n));
    setTitle(QStringLiteral("%1. Lager").arg(number));
    setLayout(goalLine({check_, tons_, unit_, goods_}));
}
