// The web link: its look, the window pointer while hovering, what a click
// does online and offline, and the connection test's two sources of truth.

#include "resources/resource_paths.h"
#include "ui/damped/connect_on_line.h"
#include "ui/damped/web_link.h"

#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QtTest>

using namespace kestrova;

namespace {

/// A window with the link, another label and some bare surface around them;
/// the connection test, the browser and the message box are stand-ins.
struct LinkWindow {
    LinkWindow()
    {
        window.resize(400, 200);
        other.move(10, 100);
        other.adjustSize();
        link.move(200, 100);
        auto* webLink = new WebLink(link, window);
        webLink->isConnected = [this] {
            ++connectionTests;
            return connected;
        };
        webLink->openUrl = [this](const QUrl& url) {
            opened.append(url);
            return true;
        };
        webLink->execMessageBox = [this](QMessageBox& box) {
            messages.append(QStringList{box.windowTitle(), box.text()});
            QCOMPARE(box.icon(), QMessageBox::Critical);
            QCOMPARE(box.standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        };
    }

    QWidget window;
    QLabel link{&window};
    QLabel other{QStringLiteral("Réalisation : Kestrova"), &window};
    bool connected = false;
    int connectionTests = 0;
    QList<QUrl> opened;
    QList<QStringList> messages;
};

void MoveOver(QWidget* target, QPoint position)
{
    QMouseEvent move(QEvent::MouseMove, position, target->mapToGlobal(position), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

bool ShowsHand(const QWidget& window)
{
    return window.testAttribute(Qt::WA_SetCursor) && window.cursor().shape() == Qt::BitmapCursor
        && window.cursor().hotSpot() == QPoint(0, 0);
}

} // namespace

class TestWebLink : public QObject {
    Q_OBJECT

private slots:
    void looksLikeALink()
    {
        LinkWindow w;
        QCOMPARE(w.link.text(), QStringLiteral("http://www.kestrova.example"));
        QVERIFY(w.link.font().bold() && w.link.font().underline());
        QCOMPARE(w.link.palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(w.link.size(), w.link.sizeHint());
    }

    void hover_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("hand");
        // l: over the link, o: over the other label, b: over the bare window,
        // w: the window itself at a place the link covers (a move the link passed on).
        QTest::addRow("onto the link") << "l" << true;
        QTest::addRow("link then bare window") << "lb" << false;
        QTest::addRow("link then other label keeps the hand") << "lo" << true;
        QTest::addRow("other label alone changes nothing") << "o" << false;
        QTest::addRow("move passed on from the link keeps the hand") << "lw" << true;
        QTest::addRow("back and forth ends on the link") << "lbl" << true;
    }

    void hover()
    {
        QFETCH(QString, path);
        QFETCH(bool, hand);
        LinkWindow w;
        for (const QChar step : path) {
            if (step == QLatin1Char('l'))
                MoveOver(&w.link, QPoint(2, 2));
            else if (step == QLatin1Char('o'))
                MoveOver(&w.other, QPoint(2, 2));
            else if (step == QLatin1Char('w'))
                MoveOver(&w.window, w.link.geometry().center());
            else
                MoveOver(&w.window, QPoint(5, 5));
        }
        QCOMPARE(ShowsHand(w.window), hand);
        // The labels have no pointer of their own: they show the window's.
        QVERIFY(!w.link.testAttribute(Qt::WA_SetCursor)
                && !w.other.testAttribute(Qt::WA_SetCursor));
    }

    void click_data()
    {
        QTest::addColumn<bool>("connected");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>(
            "release"); // where the button is let go, on the link's own coordinates
        QTest::addColumn<int>("times");
        QTest::addColumn<int>("clicks"); // how many count as clicks
        QTest::addRow("offline: the message every time")
            << false << Qt::LeftButton << QPoint(3, 3) << 3 << 3;
        QTest::addRow("online: the site once") << true << Qt::LeftButton << QPoint(3, 3) << 1 << 1;
        QTest::addRow("right button") << true << Qt::RightButton << QPoint(3, 3) << 1 << 0;
        QTest::addRow("released outside the link")
            << true << Qt::LeftButton << QPoint(-20, 3) << 1 << 0;
    }

    void click()
    {
        QFETCH(bool, connected);
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, release);
        QFETCH(int, times);
        QFETCH(int, clicks);
        LinkWindow w;
        w.connected = connected;
        for (int i = 0; i < times; ++i) {
            QTest::mousePress(&w.link, button, Qt::NoModifier, QPoint(3, 3));
            QTest::mouseRelease(&w.link, button, Qt::NoModifier, release);
        }
        QCOMPARE(w.connectionTests, clicks);
        QCOMPARE(w.opened,
                 QList<QUrl>(connected ? clicks : 0,
                             QUrl(QStringLiteral("http://www.kestrova.example"))));
        const QStringList offline{
            QStringLiteral("Silvaret"),
            QStringLiteral("Vous n'êtes pas actuellement connecté à Internet.")};
        QCOMPARE(w.messages, QList<QStringList>(connected ? 0 : clicks, offline));
    }

    void connectionVerdicts()
    {
        using R = QNetworkInformation::Reachability;
        const auto verdict = [](R r) {
            const auto v = ConnectedFromReachability(r);
            return v ? int(*v) : -1;
        };
        QCOMPARE(verdict(R::Online), 1);
        QCOMPARE(verdict(R::Site), 1);
        QCOMPARE(verdict(R::Local), 0);
        QCOMPARE(verdict(R::Disconnected), 0);
        QCOMPARE(verdict(R::Unknown), -1); // no verdict: the interfaces decide
        using I = QNetworkInterface;
        const InterfaceState loopback{I::IsUp | I::IsRunning | I::IsLoopBack, true};
        QVERIFY(!AnyInterfaceOnline({loopback}));
        QVERIFY(!AnyInterfaceOnline({{I::IsUp, true}}));                 // up but not running
        QVERIFY(!AnyInterfaceOnline({{I::IsUp | I::IsRunning, false}})); // running without address
        QVERIFY(AnyInterfaceOnline({loopback, {I::IsUp | I::IsRunning, true}}));
    }
};

QTEST_MAIN(TestWebLink)
#include "test_web_link.moc"
