#include "editor/widgets/fillguard.h"

#include "core/document/rumoszen.h"

#include <utility>

FillGuard::FillGuard(RumoSzen *doc, bool &filling)
    : doc_(doc), wasModified_(doc && doc->isModified()), filling_(filling),
      wasFilling_(std::exchange(filling, true))
{
}

FillGuard::~FillGuard()
{
    filling_ = wasFilling_;
    if (doc_ && doc_->isModified() != wasModified_)
        doc_->SetModified(wasModified_);
}
