#pragma once

#include <QStringList>

// The notices of one load as the user reads them: each text once, in the
// order it first arose, with "(N×)" behind it when it arose N > 1 times. A
// deer chunk can name a missing island 125,000 times; the user needs to learn
// that once.
QStringList groupNotices(const QStringList &notices);
