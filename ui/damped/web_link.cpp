#include "ui/damped/web_link.h"

#include "plot/qt_colour.h"
#include "resources/resource_paths.h"
#include "ui/damped/connect_on_line.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPixmap>

namespace kestrova {

WebLink::WebLink(QLabel& label, QWidget& window)
    : QObject(&label)
    , isConnected(&IsConnected)
    , openUrl([](const QUrl& url) { return QDesktopServices::openUrl(url); })
    , execMessageBox([](QMessageBox& box) { box.exec(); })
    , label_(label)
    , window_(window)
{
    label_.setText(QString::fromLatin1(kSiteAddress));

    // The link asks for the classic dialog face first and otherwise falls
    // back through the window's own list, so it shares the other labels'
    // typeface where that face is missing.
    QFont font = window_.font();
    QStringList families = window_.font().families();
    if (families.isEmpty())
        families = {window_.font().family()};
    families.removeAll(QStringLiteral("MS Sans Serif"));
    families.prepend(QStringLiteral("MS Sans Serif"));
    font.setFamilies(families);
    font.setPointSizeF(kLinkPointSize);
    font.setBold(true);
    font.setUnderline(true);
    label_.setFont(font);

    QPalette palette = label_.palette();
    palette.setColor(QPalette::WindowText, ToQColor(kLinkColour));
    label_.setPalette(palette);
    label_.adjustSize();

    // Without tracking, moves with no button held never reach the handlers.
    label_.setMouseTracking(true);
    window_.setMouseTracking(true);
    label_.installEventFilter(this);
    window_.installEventFilter(this);
}

QUrl WebLink::SiteUrl()
{
    return QUrl(QString::fromLatin1(kSiteAddress));
}

void WebLink::Click()
{
    if (isConnected()) {
        // As with the shell, a failure to open is not reported.
        openUrl(SiteUrl());
    } else {
        ShowNotConnected();
    }
}

bool WebLink::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &label_) {
        switch (event->type()) {
        case QEvent::MouseMove:
            ShowHand();
            break;
        case QEvent::MouseButtonPress:
            pressed_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
            break;
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const bool click = pressed_ && mouse->button() == Qt::LeftButton
                && label_.rect().contains(mouse->position().toPoint());
            pressed_ = false;
            if (click) {
                Click();
                return true;
            }
            break;
        }
        default:
            break;
        }
    } else if (watched == &window_ && event->type() == QEvent::MouseMove) {
        // A move that a child ignored is passed on to the window too; only
        // the bare surface resets the pointer.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (window_.childAt(mouse->position().toPoint()) == nullptr) {
            window_.unsetCursor();
        }
    }
    return QObject::eventFilter(watched, event);
}

void WebLink::ShowHand()
{
    // The cursor picture is rendered once, not on every move.
    if (!handLoaded_) {
        handCursor_ = QCursor(QPixmap(QString::fromLatin1(kHandCursorPath)), kHandCursorHotSpotX,
                              kHandCursorHotSpotY);
        handLoaded_ = true;
    }
    window_.setCursor(handCursor_);
}

void WebLink::ShowNotConnected()
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Silvaret"),
                    QStringLiteral("Vous n'êtes pas actuellement connecté à Internet."),
                    QMessageBox::Ok, &window_);
    execMessageBox(box);
}

} // namespace kestrova
