#pragma once

#include <QIcon>

// The small picture of a player colour as the colour lists show it: a shield
// in the colour the map draws that player's possessions in. Codes outside
// 0..6 give the shield of unowned ground.
QIcon playerColourIcon(int code);

// "Any player": the same shield, quartered in the four player colours.
QIcon anyPlayerIcon();
