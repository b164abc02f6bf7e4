// The web link: what a click does online and offline, and following it
// from the keyboard or a screen reader.

#include "ui/damped/web_link.h"

#include <QAccessible>
#include <QMessageBox>
#include <QtTest>

using namespace kestrova;

class TestWebLink : public QObject {
    Q_OBJECT

private slots:
    // Offline every left click brings the message; online it opens the site,
    // and so do Enter, Space and a screen reader's press action. The right
    // button, a release outside, other keys and Ctrl+Enter do nothing.
    void followsOnlineAndWarnsOffline()
    {
        QWidget window;
        WebLink link(&window);
        bool online = false;
        QList<QUrl> opened;
        QStringList messages;
        const QFont look = link.font(); // a hyperlink in the dialog's face
        QVERIFY(look.bold() && look.underline() && look.families().value(0) == "MS Sans Serif");
        QCOMPARE(look.pointSizeF(), 8.25);
        QCOMPARE(link.palette().color(QPalette::WindowText), QColor(Qt::blue));
        link.isConnected = [&] { return online; };
        link.openUrl = [&](const QUrl& url) { return opened.append(url), true; };
        link.execMessageBox = [&](QMessageBox& box) {
            QCOMPARE(box.icon(), QMessageBox::Critical);
            messages << box.windowTitle() + '|' + box.text();
        };
        const auto click = [&link](Qt::MouseButton button, QPoint release) {
            QTest::mousePress(&link, button, Qt::NoModifier, QPoint(3, 3));
            QTest::mouseRelease(&link, button, Qt::NoModifier, release);
        };
        click(Qt::LeftButton, QPoint(3, 3));
        click(Qt::LeftButton, QPoint(3, 3));
        QCOMPARE(messages,
                 QStringList(2, "Silvaret|Vous n'êtes pas actuellement connecté à Internet."));
        online = true;
        click(Qt::LeftButton, QPoint(3, 3));
        click(Qt::RightButton, QPoint(3, 3));
        click(Qt::LeftButton, QPoint(-20, 3));
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_X})
            QTest::keyClick(&link, key);
        QTest::keyClick(&link, Qt::Key_Return, Qt::ControlModifier);
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&link);
        reader->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(opened, QList<QUrl>(4, QUrl("http://www.kestrova.example")));
        QCOMPARE(messages.size(), 2);
    }
};

QTEST_MAIN(TestWebLink)
#include "tst_web_link.moc"
