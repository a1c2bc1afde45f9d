#pragma once

// Loading and saving documents from and to memory in tests.

#include <QByteArray>

class RumoSzen;

namespace scenario {

// Loads `bytes` as the file "/szenarien/test.szs".
bool load(RumoSzen &doc, QByteArray bytes);
// What a save of `doc` writes; "write failed" when writing reports failure.
QByteArray saved(RumoSzen &doc);

} // namespace scenario
