#pragma once

#include <QString>

// marbolt-bench placing FILE: opening the template dialog over 200 island
// templates (written from FILE's islands into a temporary game folder), and
// the steps of placing the largest island's copy over FILE's map.
int RunPlacingBench(const QString &path);
