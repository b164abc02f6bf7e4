#pragma once

/// \file
/// The link to the maker's site at the bottom of the damped-pendulum window:
/// a blue, bold, underlined label that turns the window's pointer into a hand
/// while the mouse is over it and, when clicked, opens the site in the
/// default browser, or says that the machine is offline.

#include "plot/colour.h"

#include <QCursor>
#include <QObject>
#include <QUrl>

#include <functional>

class QLabel;
class QMessageBox;
class QWidget;

namespace kestrova {

/// The maker's site, scheme and host only: the link's text and the page opened.
inline constexpr char kSiteAddress[] = "http://www.kestrova.example";

/// The link colour, pure blue.
inline constexpr Colour kLinkColour = Rgb(0, 0, 255);
/// The link font size in points (bold, underlined).
inline constexpr double kLinkPointSize = 8.25;

/// Makes a label of a window behave as the web link. Create it once the
/// label has its place; it lives as a child of the label.
///
/// Hover: a mouse move over the label sets the window's pointer to the hand
/// cursor; a mouse move over the window's bare surface (not over any child)
/// restores the default pointer. Moves over other children leave the pointer
/// as it is, and those children show the window's pointer.
///
/// Click: `isConnected()` decides between `openUrl(kSiteAddress)` and the
/// stop-icon message box handed to `execMessageBox`.
class WebLink : public QObject {
    Q_OBJECT

public:
    /// `label` must be a descendant of `window`; both must outlive the link
    /// (the link is owned by `label`).
    WebLink(QLabel& label, QWidget& window);

    /// The connection test; `IsConnected` by default.
    std::function<bool()> isConnected;
    /// Opens the address with the user's default browser; QDesktopServices by default.
    std::function<bool(const QUrl&)> openUrl;
    /// Shows the (fully built) offline message box and waits for the user;
    /// `QMessageBox::exec` by default.
    std::function<void(QMessageBox&)> execMessageBox;

    /// What a click on the link does.
    void Click();

    /// The site address as a URL.
    [[nodiscard]] static QUrl SiteUrl();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowHand();
    void ShowNotConnected();

    QLabel& label_;
    QWidget& window_;
    QCursor handCursor_;
    bool handLoaded_ = false;
    bool pressed_ = false;
};

} // namespace kestrova
