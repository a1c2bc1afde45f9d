#include "players/tabauftraege.h"

TabAuftraege::TabAuftraege(QWidget *parent) : DocumentPage(parent)
{
    setObjectName(QStringLiteral("TabAuftraege"));
}

void TabAuftraege::Attach(RumoSzen *doc)
{
    doc_ = doc;
}

void TabAuftraege::Commit() {}
