#include "network/datagrams.h"

#include "platform/modules.h"


namespace bw {

namespace {

MakeDatagramPortFn Module() {
    static const auto make = reinterpret_cast<MakeDatagramPortFn>(
        ResolveModule(QStringLiteral("brettwerk-net"), kMakeDatagramPortSymbol,
                      QStringLiteral(BW_NET_MODULE_DIR)));
    return make;
}

} // namespace

std::unique_ptr<DatagramPort> NewDatagramPort() {
    const MakeDatagramPortFn make = Module();
    return make ? std::unique_ptr<DatagramPort>(make()) : nullptr;
}

bool NetworkModuleAvailable() {
    return Module() != nullptr;
}

QString NetworkModuleMissingText() {
    return QStringLiteral("Das Netzwerkmodul \"brettwerk-net\" fehlt im Programmordner. Ohne "
                          "es sind keine Netzwerk-Übungen möglich; bitte installieren Sie das "
                          "Programm neu.");
}

} // namespace bw
