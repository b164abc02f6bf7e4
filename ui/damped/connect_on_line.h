#pragma once

/// \file
/// Whether the machine considers itself online. Only the platform is asked;
/// no site is contacted.

#include <QNetworkInformation>
#include <QNetworkInterface>

#include <optional>
#include <vector>

namespace kestrova {

/// True when the platform reports the machine as connected to the Internet:
/// the network-information backend's reachability when one loads and knows,
/// otherwise the presence of an active, non-loopback interface with an
/// address.
[[nodiscard]] bool IsConnected();

/// The verdict of a reachability report: Online and Site mean connected,
/// Disconnected and Local mean not connected, Unknown gives no verdict.
[[nodiscard]] std::optional<bool>
ConnectedFromReachability(QNetworkInformation::Reachability reachability);

/// What the fallback test needs to know of one network interface.
struct InterfaceState {
    QNetworkInterface::InterfaceFlags flags;
    bool hasAddress = false;
};

/// True when at least one interface is up, running, not the loopback and has
/// an address.
[[nodiscard]] bool AnyInterfaceOnline(const std::vector<InterfaceState>& interfaces);

} // namespace kestrova
