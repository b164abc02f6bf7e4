#pragma once

/// \file
/// The link to the maker's site at the bottom of the damped-pendulum window:
/// a blue, bold, underlined link label that, when followed, opens the site in
/// the default browser, or says that the machine is offline. The hand pointer
/// shown while the mouse is over it belongs to the window (it stays over the
/// other labels until a move over the bare window surface).

#include "ui/accessibility/link_label.h"

#include "plot/colour.h"

#include <QCursor>
#include <QUrl>

#include <functional>

class QMessageBox;

namespace kestrova {

/// The maker's site, scheme and host only: the link's text and the page opened.
inline constexpr char kSiteAddress[] = "http://www.kestrova.example";

/// The link colour, pure blue.
inline constexpr Colour kLinkColour = Rgb(0, 0, 255);
/// The link font size in points (bold, underlined).
inline constexpr double kLinkPointSize = 8.25;

class WebLink : public LinkLabel {
    Q_OBJECT

public:
    explicit WebLink(QWidget* parent);

    /// The connection test; `IsConnected` by default.
    std::function<bool()> isConnected;
    /// Opens the address with the user's default browser; QDesktopServices by default.
    std::function<bool(const QUrl&)> openUrl;
    /// Shows the (fully built) offline message box and waits for the user;
    /// `QMessageBox::exec` by default.
    std::function<void(QMessageBox&)> execMessageBox;

    /// What following the link does: `isConnected()` decides between
    /// `openUrl(SiteUrl())` and the stop-icon offline message.
    void Click();

    /// The site address as a URL.
    [[nodiscard]] static QUrl SiteUrl();
    /// The pointing hand shown while the mouse is over the link (hot spot at
    /// its top-left corner).
    [[nodiscard]] static QCursor HandCursor();

private:
    void ShowNotConnected();
};

} // namespace kestrova
