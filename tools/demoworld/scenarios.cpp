#include "scenarios.h"

#include "scenariobuilder.h"

#include <array>

namespace {

// Climates and size classes by name, for readable plans below.
enum Climate { Nord, Sued, NoKlima };
enum Size { Lit, Mit, Med, Big, Lar };
constexpr int NoNumber = 65535;

// Ship types in the order of the ship type table.
enum ShipType { KlHandel, GrHandel, KlKrieg, GrKrieg, Haendler, Pirat };

// Items of the player kind list.
enum Kind { NotPlaying, Human, Computer, Trader, Natives, Pirates };

struct PlayerPlan {
    QString name;
    Kind kind;
    qint32 money;
    int mission;
};

// Player slot p plays colour p: red, blue, yellow, white, the pirates'
// black, the natives' green and the trader's purple.
void setPlayers(ScenarioBuilder &b, const std::array<PlayerPlan, PlayerRecord::Count> &plans)
{
    for (int p = 0; p < PlayerRecord::Count; ++p) {
        const PlayerPlan &s = plans[size_t(p)];
        PlayerRecord r = b.players().player(p);
        r.setName(s.name);
        r.setKind(PlayerKind::Code(s.kind));
        r.setColour(quint8(p));
        r.setMoney(s.money);
        r.setMission(quint8(s.mission));
        r.setLevelMin(32);
        r.setLevelMaxHuman(96);
        r.setCounter(PlayerRecord::OwnInhabitantsMin, 200);
        r.setCounter(PlayerRecord::HumanInhabitantsMax, 2500);
        if (s.kind == Computer)
            r.setMoods(PlayerRecord::WarOnHumanInhabitants | PlayerRecord::AngryBelowLevel);
        // Every building up to the merchants' houses is open at the start.
        r.setUnlockedBuildings(s.kind == Human ? 0x0000FFFF : 0x00FFFFFF);
    }
}

MissionRecord mission(ScenarioBuilder &b, int m, const QString &text)
{
    MissionRecord r = b.missions().mission(m);
    r.setNumber(m);
    r.setText(text);
    return r;
}

QByteArray customPayload()
{
    // Settings of the game's scenario tool, passed through untouched.
    QByteArray out("Marbolt Demo\0\0\0\0", 16);
    for (int i = 0; i < 16; ++i)
        out += char(i * 7);
    return out;
}

bool finish(ScenarioBuilder &b, const QString &fileName, bool ok,
            std::vector<DemoScenario> &scenarios, QString &error, int campaign = -1,
            const QString &savegameName = QString())
{
    if (!ok) {
        error = fileName + QStringLiteral(": ") + b.error();
        return false;
    }
    b.setCampaign(campaign);
    b.setSavegameName(savegameName);
    DemoScenario s;
    s.fileName = fileName;
    s.bytes = b.fileBytes();
    s.islands = b.islandCount();
    s.references = b.referenceCount();
    s.cities = b.cityCount();
    s.tradingPosts = b.tradingPostCount();
    s.vehicles = b.vehicleCount();
    s.missions = b.missions().usedCount();
    s.campaign = campaign;
    s.savegameName = savegameName;
    s.nativeReference = b.hasNativeReference();
    scenarios.push_back(s);
    return true;
}

// The main demo: a rich world of four nations, natives, pirates and the
// trader. The savegame is the same world a few years on.
bool inselreich(bool savegame, std::vector<DemoScenario> &scenarios, QString &error)
{
    ScenarioBuilder b(0x1A5E1);
    bool ok = b.addReference({Nord, Med, false, 0}) >= 0;
    const int southForest = b.addReference({Sued, Mit, false, 1});
    ok = ok && southForest >= 0 && b.addReference({NoKlima, Lit, false, NoNumber}) >= 0;
    ok = ok && b.addReference({Sued, Med, false, 7}) >= 0;
    const int home = b.addIsland(IslandForm::OwnGround, Nord, Lar, NoNumber);
    const int blue = b.addIsland(IslandForm::OwnGround, Sued, Big, 2);
    const int shared = b.addIsland(IslandForm::OwnGround, Nord, Big, NoNumber);
    const int white = b.addIsland(IslandForm::OwnGround, Sued, Med, 1);
    const int colony = b.addIsland(IslandForm::TemplateGround, Nord, Big, 1);
    const int natives = b.addIsland(IslandForm::OwnGround, Sued, Med, NoNumber);
    const int wild = b.addIsland(IslandForm::OwnGround, NoKlima, Mit, 0);
    const int rock = b.addIsland(IslandForm::OwnGround, Nord, Lit, NoNumber);
    const int outpost = b.addIsland(IslandForm::OwnGround, Sued, Mit, 2);
    const int meadow = b.addIsland(IslandForm::OwnGround, NoKlima, Mit, NoNumber);
    const int reef = b.addIsland(IslandForm::OwnGround, Sued, Lit, 0);
    ok = ok && b.addReference({Nord, Lit, false, 1}) >= 0;
    const int southIsle = b.addReference({Sued, Lit, false, 2});
    ok = ok && southIsle >= 0 && b.addReference({NoKlima, Med, false, 7}) >= 0;
    ok = ok && meadow >= 0 && reef >= 0 && home >= 0 && blue >= 0 && shared >= 0 && white >= 0 &&
         colony >= 0 && natives >= 0 && wild >= 0 && rock >= 0 && outpost >= 0;
    ok = ok && b.addCity(home, 0, CityStyle::Capital, QStringLiteral("Marbolt"));
    ok = ok && b.addCity(blue, 1, CityStyle::Capital, QStringLiteral("Blauenburg"));
    ok = ok && b.addCity(shared, 2, CityStyle::Town, QStringLiteral("Gelbhafen"));
    ok = ok && b.addCity(shared, 3, CityStyle::Village, QStringLiteral("Weißwasser"));
    ok = ok && b.addCity(white, 3, CityStyle::Town, QStringLiteral("Weißenfels"));
    ok = ok && b.addCity(colony, 0, CityStyle::Town, QStringLiteral("Neu-Marbolt"));
    ok = ok && b.addCity(natives, 5, CityStyle::Natives, QStringLiteral("Tamunda"));
    ok = ok && b.addCity(outpost, 1, CityStyle::Village, QStringLiteral("Blaufurt"));
    if (ok) {
        b.addDeer(home, 3);
        b.addDeer(natives, 2);
        b.addDeer(wild, 4);
        b.addDeer(rock, 1);
        b.addDeer(meadow, 2);
    }
    ok = ok && b.addShip(KlHandel, 0, QStringLiteral("Seeadler"));
    ok = ok && b.addShip(GrHandel, 0, QStringLiteral("Marbolt"));
    ok = ok && b.addShip(KlKrieg, 0, QStringLiteral("Falke"));
    ok = ok && b.addShip(GrKrieg, 1, QStringLiteral("Blauer Löwe"));
    ok = ok && b.addShip(KlHandel, 1, QStringLiteral("Möwe"));
    ok = ok && b.addShip(GrHandel, 2, QStringLiteral("Goldene Gans"));
    ok = ok && b.addShip(KlHandel, 3, QStringLiteral("Albatros"));
    ok = ok && b.addShip(Pirat, 4, QStringLiteral("Schwarzer Hai"));
    ok = ok && b.addShip(Haendler, 6, QStringLiteral("Fliegender Händler"));
    ok = ok && b.addCart(0, QStringLiteral("Ochsenkarren"));
    ok = ok && b.addCart(0, QStringLiteral("Holzkarren"));
    ok = ok && b.addCart(1, QStringLiteral("Erzkarren"));
    if (savegame)
        ok = ok && b.addShip(GrKrieg, 0, QStringLiteral("Vergeltung"));
    // Deer on two islands of the game's templates: only the scenario holds
    // them, and a save without the game's templates must keep them too.
    if (ok) {
        b.addDeer(southForest, 2);
        b.addDeer(southIsle, 1);
    }

    setPlayers(b, {{{QStringLiteral("Henrike Tobrel"), Human, savegame ? 83412 : 50000, 0},
                    {QStringLiteral("Graf Blauenstein"), Computer, 40000, 1},
                    {QStringLiteral("Gelbrecht der Kühne"), Computer, 35000, 1},
                    {QStringLiteral("Baronin Weißhaupt"), Computer, 30000, 2},
                    {QStringLiteral("Rotbart"), Pirates, 20000, 0},
                    {QStringLiteral("Eingeborene"), Natives, 0, 0},
                    {QStringLiteral("Fliegender Händler"), Trader, 100000, 0}}});
    if (savegame) {
        PlayerRecord red = b.players().player(0);
        red.setCounter(PlayerRecord::ShipsSunk, 2);
        red.setCounter(PlayerRecord::ShipsLost, 1);
        red.setCounter(PlayerRecord::SoldiersDefeated, 14);
        red.setCastleBuilt(true);
    }

    MissionRecord m0 = mission(
        b, 0,
        QStringLiteral("Willkommen im Inselreich!\r\n\r\nIhre Untertanen erwarten viel von Ihnen. "
                       "Bauen Sie Marbolt zu einer prächtigen Stadt mit 1500 Einwohnern aus, "
                       "davon 300 Bürger, und errichten Sie ein Schloss.\r\n\r\nLegen Sie "
                       "außerdem 100 t Werkzeug auf Lager und halten Sie ein Guthaben von "
                       "50000 Talern."));
    m0.setGoals(MissionRecord::City1 | MissionRecord::Castle | MissionRecord::MoneyMask |
                MissionRecord::Store1);
    m0.cityGoal(1).setInhabitants(1500);
    m0.cityGoal(1).setGroup(2);
    m0.cityGoal(1).setGroupCount(300);
    m0.cityGoal(2).setGroup(CityGoal::NoGroup);
    m0.cityGoal(3).setGroup(CityGoal::NoGroup);
    m0.setMoney(50000);
    m0.setStoreGoods(1, 22);
    m0.setStoreAmount(1, 100 * 32);

    MissionRecord m1 = mission(
        b, 1,
        QStringLiteral("Die Rote Flotte bedroht unseren Handel.\r\n\r\nBesiegen Sie Henrike "
                       "Tobrel, bringen Sie 3000 Menschen auf Ihre Inseln und sichern Sie sich "
                       "das Monopol auf Tabak."));
    m1.setGoals(MissionRecord::DefeatFlagged | MissionRecord::Population |
                MissionRecord::Monopoly1);
    m1.setDefeatFlag(0, 1);
    m1.setPopulation(3000);
    m1.setMonopoly(1, 46);

    MissionRecord m2 = mission(
        b, 2,
        QStringLiteral("Die Eingeborenen von Tamunda sind Ihre Freunde.\r\n\r\nSchützen Sie ihr "
                       "Dorf, erreichen Sie eine Handelsbilanz von 500 Talern und bauen Sie "
                       "eine Kathedrale."));
    m2.setGoals(MissionRecord::TradeBalance | MissionRecord::Cathedral);
    m2.setSupportGoals(MissionRecord::KeepSettlements);
    m2.setSupportedPlayer(MissionRecord::SupportNatives);
    m2.setSettlementsToKeep(1);
    m2.setTradeBalance(500);

    ScenarioSettings s = b.settings();
    s.setMaxShips(40);
    s.setSwitch(ScenarioSettings::NoVolcanoes, true);
    s.setSwitch(ScenarioSettings::EndlessOre, true);
    s.setGameId(savegame ? 4712 : 4711);
    s.setMissionNumber(1);
    s.setComputerLevel(2);

    b.addExtraChunk("WETTER", QByteArray(32, '\x11'));
    b.addExtraChunk("CUSTOM", customPayload());
    if (savegame) {
        b.addExtraChunk("SPIELZEIT", QByteArray("\x40\x9c\x00\x00\x07\x00\x00\x00", 8), true);
        return finish(b, QStringLiteral("Spielstand 1.gam"), ok, scenarios, error, -1,
                      QStringLiteral("Inselreich"));
    }
    return finish(b, QStringLiteral("Inselreich.szs"), ok, scenarios, error);
}

// A base-edition multiplayer map from an older editor: one island still in
// the old record layout.
bool handelskrieg(std::vector<DemoScenario> &scenarios, QString &error)
{
    ScenarioBuilder b(0x4A2D3);
    const int red = b.addIsland(IslandForm::OldLayout, Sued, Big, NoNumber);
    const int blue = b.addIsland(IslandForm::OwnGround, Nord, Med, 2);
    const int yellow = b.addIsland(IslandForm::OwnGround, Sued, Med, NoNumber);
    const int white = b.addIsland(IslandForm::OwnGround, NoKlima, Big, 1);
    const int forest = b.addIsland(IslandForm::OwnGround, Nord, Mit, NoNumber);
    bool ok = red >= 0 && blue >= 0 && yellow >= 0 && white >= 0 && forest >= 0;
    ok = ok && b.addReference({Nord, Lit, false, 0}) >= 0;
    ok = ok && b.addReference({Sued, Big, false, 2}) >= 0;
    ok = ok && b.addCity(red, 0, CityStyle::Capital, QStringLiteral("Porto Rosso"));
    ok = ok && b.addCity(blue, 1, CityStyle::Town, QStringLiteral("Blaumünde"));
    ok = ok && b.addCity(yellow, 2, CityStyle::Town, QStringLiteral("Gelbsand"));
    ok = ok && b.addCity(white, 3, CityStyle::Town, QStringLiteral("Weißburg"));
    ok = ok && b.addCity(white, 5, CityStyle::Natives, QStringLiteral("Ulumai"));
    if (ok)
        b.addDeer(forest, 3);
    ok = ok && b.addShip(KlHandel, 0, QStringLiteral("Rosa"));
    ok = ok && b.addShip(KlHandel, 1, QStringLiteral("Blaue Welle"));
    ok = ok && b.addShip(KlHandel, 2, QStringLiteral("Sonnenschein"));
    ok = ok && b.addShip(KlHandel, 3, QStringLiteral("Schneeflocke"));
    ok = ok && b.addShip(Pirat, 4, QStringLiteral("Seeteufel"));
    ok = ok && b.addShip(Haendler, 6, QStringLiteral("Kaufmann Ruprecht"));
    ok = ok && b.addCart(0, QStringLiteral("Handkarren"));

    setPlayers(b, {{{QStringLiteral("Spieler Rot"), Human, 20000, 0},
                    {QStringLiteral("Spieler Blau"), Human, 20000, 1},
                    {QStringLiteral("Spieler Gelb"), Human, 20000, 0},
                    {QStringLiteral("Spieler Weiß"), Human, 20000, 1},
                    {QStringLiteral("Piraten"), Pirates, 10000, 0},
                    {QStringLiteral("Eingeborene"), Natives, 0, 0},
                    {QStringLiteral("Händler"), Trader, 50000, 0}}});

    MissionRecord m0 = mission(b, 0,
                               QStringLiteral("Handelskrieg!\r\n\r\nWer zuerst die Monopole auf "
                                              "Tabak und Gewürze hält, gewinnt."));
    m0.setGoals(MissionRecord::Monopoly1 | MissionRecord::Monopoly2);
    m0.setMonopoly(1, 46);
    m0.setMonopoly(2, 47);
    MissionRecord m1 =
        mission(b, 1,
                QStringLiteral("Handelskrieg!\r\n\r\nErreichen Sie eine Handelsbilanz von 800 "
                               "Talern und lagern Sie 200 t Stoffe und 150 t Alkohol."));
    m1.setGoals(MissionRecord::TradeBalance | MissionRecord::Store1 | MissionRecord::Store2);
    m1.setTradeBalance(800);
    m1.setStoreGoods(1, 19);
    m1.setStoreAmount(1, 200 * 32);
    m1.setStoreGoods(2, 18);
    m1.setStoreAmount(2, 150 * 32);

    b.settings().setSwitch(ScenarioSettings::NoPirates, true);
    b.settings().setGameId(1201);
    return finish(b, QStringLiteral("Handelskrieg.szm"), ok, scenarios, error);
}

// An add-on scenario that belongs to the second installed campaign.
bool rumoAbenteuer(std::vector<DemoScenario> &scenarios, QString &error)
{
    ScenarioBuilder b(0x7B0A1);
    bool ok = b.addReference({Sued, Lar, false, 1}) >= 0;
    ok = ok && b.addReference({NoKlima, Big, false, 0}) >= 0;
    ok = ok && b.addReference({Nord, Mit, false, 2}) >= 0;
    const int red = b.addIsland(IslandForm::OwnGround, Sued, Big, 7);
    const int blue = b.addIsland(IslandForm::OwnGround, Nord, Med, NoNumber);
    const int natives = b.addIsland(IslandForm::OwnGround, Sued, Med, 0);
    ok = ok && red >= 0 && blue >= 0 && natives >= 0;
    ok = ok && b.addCity(red, 0, CityStyle::Town, QStringLiteral("San Rumo"));
    ok = ok && b.addCity(blue, 1, CityStyle::Village, QStringLiteral("Blaukap"));
    ok = ok && b.addCity(natives, 5, CityStyle::Natives, QStringLiteral("Kaimana"));
    if (ok)
        b.addDeer(natives, 2);
    ok = ok && b.addShip(GrHandel, 0, QStringLiteral("Rumo"));
    ok = ok && b.addShip(KlKrieg, 0, QStringLiteral("Wächter"));
    ok = ok && b.addShip(KlHandel, 1, QStringLiteral("Kapitän Blau"));
    ok = ok && b.addShip(Pirat, 4, QStringLiteral("Rote Hand"));
    ok = ok && b.addShip(Pirat, 4, QStringLiteral("Knochenbrecher"));
    ok = ok && b.addCart(0, QStringLiteral("Maultierkarren"));

    setPlayers(b, {{{QStringLiteral("Kapitän Rumo"), Human, 25000, 0},
                    {QStringLiteral("Admiral Blau"), Computer, 30000, 1},
                    {QString(), NotPlaying, 0, 0},
                    {QString(), NotPlaying, 0, 0},
                    {QStringLiteral("Die Rote Hand"), Pirates, 15000, 0},
                    {QStringLiteral("Eingeborene"), Natives, 0, 0},
                    {QStringLiteral("Händler"), Trader, 50000, 0}}});

    MissionRecord m0 =
        mission(b, 0,
                QStringLiteral("Das Rumo-Abenteuer, Kapitel 2\r\n\r\nDie Piraten der Roten Hand "
                               "überfallen unsere Schiffe. Versenken Sie ihre Flotte und bauen "
                               "Sie San Rumo auf 800 Einwohner aus."));
    m0.setGoals(MissionRecord::DefeatFlagged | MissionRecord::City1);
    m0.setDefeatFlag(4, 1);
    m0.cityGoal(1).setInhabitants(800);
    m0.cityGoal(1).setGroup(1);
    m0.cityGoal(1).setGroupCount(200);
    MissionRecord m1 =
        mission(b, 1,
                QStringLiteral("Halten Sie die Stellung am Blauen Kap und erreichen Sie eine "
                               "Gesamtbilanz von 300 Talern."));
    m1.setGoals(MissionRecord::Balance);
    m1.setBalance(300);

    b.settings().setMaxShips(20);
    b.settings().setMissionNumber(2);
    b.settings().setMissionSubNumber(1);
    b.settings().setGameId(2002);
    return finish(b, QStringLiteral("Rumo Abenteuer.mfs"), ok, scenarios, error, 1);
}

// An add-on multiplayer map: four players, four equal islands.
bool rumoMehrspieler(std::vector<DemoScenario> &scenarios, QString &error)
{
    ScenarioBuilder b(0x3C11E);
    bool ok = true;
    static const QString towns[] = {QStringLiteral("Rotenau"), QStringLiteral("Blauwasser"),
                                    QStringLiteral("Gelbenfels"), QStringLiteral("Weißkirchen")};
    int islands[4];
    for (int p = 0; p < 4; ++p) {
        islands[p] = b.addIsland(IslandForm::OwnGround, p % 2 ? Nord : Sued, Big, NoNumber);
        ok = ok && islands[p] >= 0;
    }
    const int middle = b.addIsland(IslandForm::OwnGround, NoKlima, Mit, 1);
    ok = ok && middle >= 0;
    ok = ok && b.addReference({Nord, Big, false, 7}) >= 0;
    ok = ok && b.addReference({Sued, Med, false, 1}) >= 0;
    ok = ok && b.addReference({NoKlima, Lar, false, NoNumber}) >= 0;
    ok = ok && b.addReference({Nord, Lit, true, 1}) >= 0;
    for (int p = 0; p < 4 && ok; ++p)
        ok = b.addCity(islands[p], p, CityStyle::Village, towns[p]);
    if (ok)
        b.addDeer(middle, 2);
    static const QString ships[] = {QStringLiteral("Rote Rose"),   QStringLiteral("Roter Pfeil"),
                                    QStringLiteral("Blaue Möwe"),  QStringLiteral("Blauer Pfeil"),
                                    QStringLiteral("Gelbe Sonne"), QStringLiteral("Gelber Pfeil"),
                                    QStringLiteral("Weiße Wolke"), QStringLiteral("Weißer Pfeil")};
    for (int p = 0; p < 4 && ok; ++p) {
        ok = b.addShip(GrHandel, p, ships[2 * p]) && b.addShip(KlKrieg, p, ships[2 * p + 1]);
    }
    ok = ok && b.addShip(Haendler, 6, QStringLiteral("Händler Jakob"));

    setPlayers(b, {{{QStringLiteral("Rot"), Human, 15000, 0},
                    {QStringLiteral("Blau"), Human, 15000, 0},
                    {QStringLiteral("Gelb"), Human, 15000, 1},
                    {QStringLiteral("Weiß"), Human, 15000, 1},
                    {QStringLiteral("Piraten"), Pirates, 10000, 0},
                    {QStringLiteral("Eingeborene"), NotPlaying, 0, 0},
                    {QStringLiteral("Händler"), Trader, 50000, 0}}});
    MissionRecord m0 = mission(b, 0,
                               QStringLiteral("Team Rot und Blau: Besiegen Sie gemeinsam Gelb "
                                              "und Weiß."));
    m0.setGoals(MissionRecord::DefeatFlagged);
    m0.setDefeatFlag(2, 1);
    m0.setDefeatFlag(3, 1);
    MissionRecord m1 = mission(b, 1,
                               QStringLiteral("Team Gelb und Weiß: Besiegen Sie gemeinsam Rot "
                                              "und Blau."));
    m1.setGoals(MissionRecord::DefeatFlagged);
    m1.setDefeatFlag(0, 1);
    m1.setDefeatFlag(1, 1);

    b.settings().setSwitch(ScenarioSettings::NoTrader, true);
    b.settings().setGameId(3003);
    return finish(b, QStringLiteral("Rumo Mehrspieler.mfm"), ok, scenarios, error);
}

} // namespace

bool BuildDemoScenarios(std::vector<DemoScenario> &scenarios, QString &error)
{
    scenarios.clear();
    return inselreich(false, scenarios, error) && handelskrieg(scenarios, error) &&
           rumoAbenteuer(scenarios, error) && rumoMehrspieler(scenarios, error) &&
           inselreich(true, scenarios, error);
}
