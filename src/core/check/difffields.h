#pragma once

#include "core/fields/field.h"

#include <QString>
#include <QtGlobal>
#include <functional>
#include <vector>

// The fields the scenario diff names in each kind of record, taken from the
// record's field table: the label and the value as the diff shows it, read
// from the record's bytes. A byte that changes none of these values is named
// by no field; the diff reports it by its chunk and offset instead.
namespace DiffFields {

using Shown = RecordFields::Shown;

struct Field {
    // The label as the record's table writes it, translated by labelText()
    // each time the diff names it, so the lists kept here follow a change of
    // language.
    QString label;
    std::function<QString(const uchar *)> value;
    Shown shown = Shown::Plain;
    const char *labelContext = RecordFields::LabelContext;
    int labelNumber = -1;

    QString labelText() const
    {
        return RecordFields::translatedLabel(label, labelContext, labelNumber);
    }
};
using Fields = std::vector<Field>;

// TIMERS, 664 bytes.
const Fields &Settings();
// PLAYER4, one player of 1072 bytes.
const Fields &Player();
// AUFTRAG4, one mission of 2244 bytes.
const Fields &Mission();
// INSEL5, 116 bytes, and the older INSEL_MAXFUN, converted first.
const Fields &Island();
const Fields &OldIsland();
// One 16-byte island reference of the SZENE payload.
const Fields &Reference();
// STADT4, 168 bytes.
const Fields &City();
// KONTOR2, 1004 bytes.
const Fields &TradingPost();
// SHIP4, 436 bytes.
const Fields &Ship();

} // namespace DiffFields
