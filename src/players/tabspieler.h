#pragma once

#include "common/documentpage.h"

class TabSpieler : public DocumentPage {
    Q_OBJECT

public:
    explicit TabSpieler(QWidget *parent = nullptr);

    void Attach(RumoSzen *doc) override;
    void Commit() override;

private:
    RumoSzen *doc_ = nullptr;
};
