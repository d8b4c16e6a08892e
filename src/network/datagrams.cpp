#include "network/datagrams.h"

#include "platform/modules.h"

#include <QtGlobal>

namespace bw {

std::unique_ptr<DatagramPort> NewDatagramPort() {
    static const auto make = reinterpret_cast<MakeDatagramPortFn>(
        ResolveModule(QStringLiteral("brettwerk-net"), kMakeDatagramPortSymbol,
                      QStringLiteral(BW_NET_MODULE_DIR)));
    if (!make) {
        static bool told = false;
        if (!told) qWarning("brettwerk: the network module brettwerk-net is missing");
        told = true;
        return nullptr;
    }
    return std::unique_ptr<DatagramPort>(make());
}

} // namespace bw
