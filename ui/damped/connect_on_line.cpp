#include "ui/damped/connect_on_line.h"

namespace kestrova {

std::optional<bool> ConnectedFromReachability(QNetworkInformation::Reachability reachability)
{
    using Reachability = QNetworkInformation::Reachability;
    switch (reachability) {
    case Reachability::Online:
    case Reachability::Site:
        return true;
    case Reachability::Disconnected:
    case Reachability::Local:
        return false;
    case Reachability::Unknown:
        break;
    }
    return std::nullopt;
}

bool AnyInterfaceOnline(const std::vector<InterfaceState>& interfaces)
{
    constexpr auto required = QNetworkInterface::IsUp | QNetworkInterface::IsRunning;
    for (const InterfaceState& state : interfaces) {
        if ((state.flags & required) == required
            && !state.flags.testFlag(QNetworkInterface::IsLoopBack) && state.hasAddress) {
            return true;
        }
    }
    return false;
}

bool IsConnected()
{
    // The backend is loaded on the first click only, so start-up pays nothing
    // for it; once loaded it stays for the rest of the run.
    if (QNetworkInformation::instance() != nullptr
        || QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability)) {
        if (const auto verdict =
                ConnectedFromReachability(QNetworkInformation::instance()->reachability())) {
            return *verdict;
        }
    }

    std::vector<InterfaceState> states;
    for (const QNetworkInterface& networkInterface : QNetworkInterface::allInterfaces()) {
        states.push_back({networkInterface.flags(), !networkInterface.addressEntries().isEmpty()});
    }
    return AnyInterfaceOnline(states);
}

} // namespace kestrova
