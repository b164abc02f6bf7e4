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
    void click_data()
    {
        QTest::addColumn<bool>("connected");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("release"); // in the link's own coordinates
        QTest::addColumn<int>("clicks");     // how many of three count
        QTest::addRow("offline: the message every time")
            << false << Qt::LeftButton << QPoint(3, 3) << 3;
        QTest::addRow("online: the site") << true << Qt::LeftButton << QPoint(3, 3) << 3;
        QTest::addRow("right button") << true << Qt::RightButton << QPoint(3, 3) << 0;
        QTest::addRow("released outside") << true << Qt::LeftButton << QPoint(-20, 3) << 0;
    }
    void click()
    {
        QFETCH(bool, connected);
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, release);
        QFETCH(int, clicks);
        QWidget window;
        WebLink link(&window);
        QList<QUrl> opened;
        QStringList messages;
        link.isConnected = [&] { return connected; };
        link.openUrl = [&](const QUrl& url) { return opened.append(url), true; };
        link.execMessageBox = [&](QMessageBox& box) {
            QCOMPARE(box.icon(), QMessageBox::Critical);
            messages << box.windowTitle() + '|' + box.text();
        };
        for (int i = 0; i < 3; ++i) {
            QTest::mousePress(&link, button, Qt::NoModifier, QPoint(3, 3));
            QTest::mouseRelease(&link, button, Qt::NoModifier, release);
        }
        QCOMPARE(opened, QList<QUrl>(connected ? clicks : 0, QUrl("http://www.kestrova.example")));
        QCOMPARE(messages,
                 QStringList(connected ? 0 : clicks,
                             "Silvaret|Vous n'êtes pas actuellement connecté à Internet."));
    }

    // Enter and Space follow the link, other keys do not; a screen reader
    // reads it as a link and its press action follows it too.
    void keysAndPressActionFollow()
    {
        QWidget window;
        WebLink link(&window);
        int follows = 0;
        link.isConnected = [] { return true; };
        link.openUrl = [&](const QUrl&) { return ++follows, true; };
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_X})
            QTest::keyClick(&link, key);
        QTest::keyClick(&link, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(follows, 2);
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&link);
        QCOMPARE(reader->role(), QAccessible::Link);
        reader->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(follows, 3);
    }
};

QTEST_MAIN(TestWebLink)
#include "tst_web_link.moc"
