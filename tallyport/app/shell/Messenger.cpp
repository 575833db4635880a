#include "Messenger.h"

namespace tp {

BusyPointer::BusyPointer(Messenger& messenger) : messenger_(messenger) { messenger_.setBusy(true); }

BusyPointer::~BusyPointer() { restore(); }

void BusyPointer::restore() {
    if (busy_) messenger_.setBusy(false);
    busy_ = false;
}

}  // namespace tp

#include "AppError.h"

namespace tp {

void reportError(Messenger& messenger, const AppError& error) {
    messenger.setBusy(false);
    messenger.message(error.numberAndDescription(), "Orvanta Error Message", MessageIcon::Information);
}

}  // namespace tp
