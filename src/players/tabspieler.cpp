#include "players/tabspieler.h"

TabSpieler::TabSpieler(QWidget *parent) : DocumentPage(parent)
{
    setObjectName(QStringLiteral("TabSpieler"));
}

void TabSpieler::Attach(RumoSzen *doc)
{
    doc_ = doc;
}

void TabSpieler::Commit() {}
