#pragma once

// "Karte als Bild speichern": the world picture of the open scenario as a PNG
// file, at a size the user chooses.

#include <QString>

class QWidget;
class RumoSzen;

// Asks for the size, then for the file (proposed as the scenario's name with
// ".png" in `folder`, or the scenario's folder when `folder` is empty), asks
// before replacing a file and writes the picture; a failure is shown with the
// file and the system's reason. All through the Prompts.
void saveMapPicture(QWidget *parent, RumoSzen &doc, const QString &folder);
