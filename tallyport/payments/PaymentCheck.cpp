#include "PaymentCheck.h"

#include "Globals.h"
#include "IdFile.h"

namespace tp {

void CheckForPaymentFile(Globals& g, Messenger& messenger) {
    if (!LoginCheck(g, messenger)) return;
    LoadIDFile(g);
}

}  // namespace tp
