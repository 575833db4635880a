// CheckForPaymentFile: the payment check that ends start-up once the credentials are complete.
// It loads the ID file's account defaults; downloading waiting payments at start-up is added
// together with the payment download itself.
#pragma once

namespace tp {

struct Globals;
class Messenger;

void CheckForPaymentFile(Globals& g, Messenger& messenger);

}  // namespace tp
