#pragma once

#include "common/documentpage.h"

class TabAuftraege : public DocumentPage {
    Q_OBJECT

public:
    explicit TabAuftraege(QWidget *parent = nullptr);

    void Attach(RumoSzen *doc) override;
    void Commit() override;

private:
    RumoSzen *doc_ = nullptr;
};
