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

/// A window with the link, another label and some bare surface around them.
struct LinkWindow {
    LinkWindow()
        : link(&window)
        , other(QStringLiteral("Réalisation : Kestrova"), &window)
    {
        window.resize(400, 200);
        other.move(10, 100);
        other.adjustSize();
        link.move(200, 100);
        webLink = new WebLink(link, window);
        webLink->isConnected = [this] { ++connectionTests; return connected; };
        webLink->openUrl = [this](const QUrl& url) { opened.append(url); return true; };
        webLink->execMessageBox = [this](QMessageBox& box) {
            messages.append({box.icon(), box.windowTitle(), box.text(), box.standardButtons()});
        };
    }

    struct Message {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
    };

    QWidget window;
    QLabel link;
    QLabel other;
    WebLink* webLink = nullptr;
    bool connected = false;
    int connectionTests = 0;
    QList<QUrl> opened;
    QList<Message> messages;
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
        && window.cursor().hotSpot() == QPoint(kHandCursorHotSpotX, kHandCursorHotSpotY);
}

} // namespace

class TestWebLink : public QObject {
    Q_OBJECT

private slots:
    void looksLikeALink()
    {
        LinkWindow w;
        QCOMPARE(w.link.text(), QStringLiteral("http://www.kestrova.example"));
        QVERIFY(w.link.font().bold());
        QVERIFY(w.link.font().underline());
        QCOMPARE(w.link.font().pointSizeF(), 8.25);
        QCOMPARE(w.link.palette().color(QPalette::WindowText), QColor(0, 0, 255));
        // Autosized to its text.
        QCOMPARE(w.link.size(), w.link.sizeHint());
    }

    void siteAddressIsSchemeAndHostOnly()
    {
        const QUrl url = WebLink::SiteUrl();
        QVERIFY(url.isValid());
        QCOMPARE(url.scheme(), QStringLiteral("http"));
        QVERIFY(url.path().isEmpty());
        // A reserved example domain until the program has a site of its own.
        QVERIFY(url.host().endsWith(QStringLiteral(".example")));
        QCOMPARE(url.toString(), QString::fromLatin1(kSiteAddress));
    }

    void hover_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("hand");
        // l: over the link, o: over the other label, b: over the bare surface.
        QTest::addRow("nothing yet") << "" << false;
        QTest::addRow("onto the link") << "l" << true;
        QTest::addRow("link then bare surface") << "lb" << false;
        QTest::addRow("link then other label keeps the hand") << "lo" << true;
        QTest::addRow("link, other label, bare surface") << "lob" << false;
        QTest::addRow("other label alone changes nothing") << "o" << false;
        QTest::addRow("bare surface then link") << "bl" << true;
        QTest::addRow("back and forth ends on the link") << "lblbl" << true;
    }

    void hover()
    {
        QFETCH(QString, path);
        QFETCH(bool, hand);
        LinkWindow w;
        for (const QChar step : path) {
            if (step == QLatin1Char('l')) {
                MoveOver(&w.link, QPoint(2, 2));
            } else if (step == QLatin1Char('o')) {
                MoveOver(&w.other, QPoint(2, 2));
            } else {
                MoveOver(&w.window, QPoint(5, 5));
            }
        }
        QCOMPARE(ShowsHand(w.window), hand);
        // The labels have no pointer of their own: they show the window's.
        QVERIFY(!w.link.testAttribute(Qt::WA_SetCursor));
        QVERIFY(!w.other.testAttribute(Qt::WA_SetCursor));
    }

    void moveOverTheLinkPassedOnToTheWindowKeepsTheHand()
    {
        // The label ignores moves, so the window sees them too, at a place
        // covered by the label: that is not the bare surface.
        LinkWindow w;
        MoveOver(&w.link, QPoint(2, 2));
        MoveOver(&w.window, w.link.geometry().center());
        QVERIFY(ShowsHand(w.window));
    }

    void click_data()
    {
        QTest::addColumn<bool>("connected");
        QTest::addColumn<int>("clicks");
        QTest::addRow("offline, one click") << false << 1;
        QTest::addRow("offline, every click says so") << false << 3;
        QTest::addRow("online, one click") << true << 1;
        QTest::addRow("online, two clicks") << true << 2;
    }

    void click()
    {
        QFETCH(bool, connected);
        QFETCH(int, clicks);
        LinkWindow w;
        w.connected = connected;
        for (int i = 0; i < clicks; ++i) {
            QTest::mouseClick(&w.link, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
        }
        QCOMPARE(w.connectionTests, clicks);
        if (connected) {
            QCOMPARE(w.opened, QList<QUrl>(clicks, QUrl(QStringLiteral("http://www.kestrova.example"))));
            QVERIFY(w.messages.isEmpty());
        } else {
            QVERIFY(w.opened.isEmpty());
            QCOMPARE(w.messages.size(), clicks);
            for (const auto& message : w.messages) {
                QCOMPARE(message.icon, QMessageBox::Critical);
                QCOMPARE(message.title, QStringLiteral("Silvaret"));
                QCOMPARE(message.text,
                         QStringLiteral("Vous n'êtes pas actuellement connecté à Internet."));
                QCOMPARE(message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
            }
        }
    }

    void notAClick_data()
    {
        QTest::addColumn<QString>("gesture");
        QTest::addRow("right button") << "right";
        QTest::addRow("press on the link, release outside it") << "drag off";
        QTest::addRow("press elsewhere, release on the link") << "drag on";
    }

    void notAClick()
    {
        QFETCH(QString, gesture);
        LinkWindow w;
        w.connected = true;
        if (gesture == QLatin1String("right")) {
            QTest::mouseClick(&w.link, Qt::RightButton, Qt::NoModifier, QPoint(3, 3));
        } else if (gesture == QLatin1String("drag off")) {
            QTest::mousePress(&w.link, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
            QTest::mouseRelease(&w.link, Qt::LeftButton, Qt::NoModifier,
                                QPoint(w.link.width() + 20, 3));
        } else {
            QTest::mousePress(&w.window, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
            QTest::mouseRelease(&w.link, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
        }
        QCOMPARE(w.connectionTests, 0);
        QVERIFY(w.opened.isEmpty());
        QVERIFY(w.messages.isEmpty());
    }

    void reachability_data()
    {
        using R = QNetworkInformation::Reachability;
        QTest::addColumn<R>("reachability");
        QTest::addColumn<int>("verdict"); // -1 none, 0 offline, 1 online
        QTest::addRow("online") << R::Online << 1;
        QTest::addRow("site") << R::Site << 1;
        QTest::addRow("local network only") << R::Local << 0;
        QTest::addRow("disconnected") << R::Disconnected << 0;
        QTest::addRow("unknown falls back") << R::Unknown << -1;
    }

    void reachability()
    {
        QFETCH(QNetworkInformation::Reachability, reachability);
        QFETCH(int, verdict);
        const std::optional<bool> result = ConnectedFromReachability(reachability);
        QCOMPARE(result.has_value() ? int(*result) : -1, verdict);
    }

    void interfaces_data()
    {
        using I = QNetworkInterface;
        QTest::addColumn<QList<int>>("flags");
        QTest::addColumn<QList<bool>>("addresses");
        QTest::addColumn<bool>("online");
        const int up = I::IsUp;
        const int upRunning = I::IsUp | I::IsRunning;
        const int loopback = I::IsUp | I::IsRunning | I::IsLoopBack;
        QTest::addRow("none") << QList<int>{} << QList<bool>{} << false;
        QTest::addRow("loopback only") << QList<int>{loopback} << QList<bool>{true} << false;
        QTest::addRow("up but not running") << QList<int>{up} << QList<bool>{true} << false;
        QTest::addRow("running without address") << QList<int>{upRunning} << QList<bool>{false}
                                                 << false;
        QTest::addRow("running with address") << QList<int>{upRunning} << QList<bool>{true} << true;
        QTest::addRow("loopback and a live card") << QList<int>{loopback, upRunning}
                                                  << QList<bool>{true, true} << true;
        QTest::addRow("down card with address, loopback")
            << QList<int>{0, loopback} << QList<bool>{true, true} << false;
    }

    void interfaces()
    {
        QFETCH(QList<int>, flags);
        QFETCH(QList<bool>, addresses);
        QFETCH(bool, online);
        std::vector<InterfaceState> states;
        for (qsizetype i = 0; i < flags.size(); ++i) {
            states.push_back({QNetworkInterface::InterfaceFlags(flags[i]), addresses[i]});
        }
        QCOMPARE(AnyInterfaceOnline(states), online);
    }
};

QTEST_MAIN(TestWebLink)
#include "test_web_link.moc"
