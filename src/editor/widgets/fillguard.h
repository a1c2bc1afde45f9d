#pragma once

#include <QPointer>

class RumoSzen;

// Held while a page or an editor copies records into its controls: Qt's
// change signals fire on those programmatic changes too, so `filling` is set
// for the guard's life (the control handlers ignore what comes while it is),
// and the document's modified state is put back to what it was when the
// guard goes.
class FillGuard {
public:
    FillGuard(RumoSzen *doc, bool &filling);
    ~FillGuard();
    FillGuard(const FillGuard &) = delete;
    FillGuard &operator=(const FillGuard &) = delete;

private:
    QPointer<RumoSzen> doc_;
    bool wasModified_;
    bool &filling_;
    bool wasFilling_;
};
