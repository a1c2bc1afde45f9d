#pragma once

class QTextStream;
class RumoSzen;

// The decoded document as JSON, for people who inspect many scenarios; the
// keys are listed in the README. Written as it is made, so that the memory
// it takes does not grow with the number of chunks, deer or notices.
void writeScenarioJson(RumoSzen &doc, QTextStream &out);
