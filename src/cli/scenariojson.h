#pragma once

#include <QJsonObject>

class RumoSzen;

// The decoded document as JSON, for people who inspect many scenarios. The
// keys are listed in the README.
QJsonObject ScenarioToJson(RumoSzen &doc);
