#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// One demo scenario file with what a load of it must give.
struct DemoScenario {
    QString fileName;
    QByteArray bytes;
    int islands = 0;
    int references = 0;
    int cities = 0;
    int tradingPosts = 0;
    int vehicles = 0;
    int missions = 0;
    int campaign = -1;
    QString savegameName;
    // A native template reference makes the load say "nativflg!".
    bool nativeReference = false;
};

// The five demo scenarios, one of each kind. False with `error` set when a
// scenario does not fit into the world.
bool BuildDemoScenarios(std::vector<DemoScenario> &scenarios, QString &error);
