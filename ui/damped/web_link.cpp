#include "ui/damped/web_link.h"

#include "plot/qt_colour.h"
#include "resources/resource_paths.h"
#include "ui/damped/connect_on_line.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QPixmap>

namespace kestrova {

WebLink::WebLink(QWidget* parent)
    : LinkLabel(parent)
    , isConnected(&IsConnected)
    , openUrl([](const QUrl& url) { return QDesktopServices::openUrl(url); })
    , execMessageBox([](QMessageBox& box) { box.exec(); })
{
    setText(QString::fromLatin1(kSiteAddress));

    // The link asks for the classic dialog face first and otherwise falls
    // back through the window's own list, so it shares the other labels'
    // typeface where that face is missing.
    QFont linkFont = font();
    QStringList families = linkFont.families();
    if (families.isEmpty())
        families = {linkFont.family()};
    families.removeAll(QStringLiteral("MS Sans Serif"));
    families.prepend(QStringLiteral("MS Sans Serif"));
    linkFont.setFamilies(families);
    linkFont.setPointSizeF(kLinkPointSize);
    linkFont.setBold(true);
    linkFont.setUnderline(true);
    setFont(linkFont);

    QPalette blue = palette();
    blue.setColor(QPalette::WindowText, ToQColor(kLinkColour));
    setPalette(blue);
    adjustSize();

    connect(this, &LinkLabel::Followed, this, &WebLink::Click);
}

QUrl WebLink::SiteUrl()
{
    return QUrl(QString::fromLatin1(kSiteAddress));
}

QCursor WebLink::HandCursor()
{
    return QCursor(QPixmap(QString::fromLatin1(kHandCursorPath)), kHandCursorHotSpotX,
                   kHandCursorHotSpotY);
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

void WebLink::ShowNotConnected()
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Silvaret"),
                    tr("Vous n'êtes pas actuellement connecté à Internet."), QMessageBox::Ok,
                    window());
    execMessageBox(box);
}

} // namespace kestrova
