// The "Fichier" menu: the recorded run read back from its CSV table, the
// plots exported as SVG drawn as vectors and as PNG, the copy, and files
// written whole or not at all.

#include "app/atomic_save.h"
#include "app/file_menu.h"
#include "app/kestrova_version.h"
#include "app/mdi_brunmalt.h"
#include "app/measurements_dock.h"
#include "app/printed_page.h"
#include "model/damped_animation.h"
#include "plot/qt_picture_box.h"
#include "ui/damped/frm_pendule_amorti.h"
#include "ui/driven/frm_pendule_force.h"
#include "ui/foucault/frm_foucault.h"

#include <QCheckBox>
#include <QClipboard>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QSvgRenderer>
#include <QtTest>

#include <cmath>

using namespace kestrova;

namespace {

struct Frame {
    Frame()
    {
        frame.quitApplication = [] {};
        frame.Files().SetErrorReporter([this](const QString& message) { errors << message; });
        frame.resize(1200, 800);
        frame.show();
    }
    /// Runs the damped pendulum for `ms` milliseconds of ticks 1 to 16 ms long.
    void Run(int ms)
    {
        frmPenduleAmorti* damped = frame.DampedWindow();
        damped->findChild<QPushButton*>(QStringLiteral("chkGo"))->click();
        for (int done = 0, i = 0; done < ms; ++i) {
            const int step = std::min(ms - done, 1 + (i * 7) % 16);
            counter.AdvanceCounts(step * 1'000'000LL);
            damped->AnimationTick();
            done += step;
        }
    }

    FakeCounterSource counter{1'000'000'000};
    MDIBrunmalt frame{counter};
    QStringList errors;
    QTemporaryDir dir;
};

/// The rows of the table; the lines starting with "#" (after the byte-order
/// mark) go to `notes`, as a reader told of the mark skips them.
QList<QStringList> ReadTable(const QString& path, QChar separator, QStringList* notes = nullptr)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QStringList> rows;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QString text = QString::fromUtf8(line.trimmed()).remove(QChar(0xFEFF));
        if (text.startsWith('#')) {
            if (notes != nullptr)
                *notes << text;
        } else if (!text.isEmpty()) {
            rows << text.split(separator);
        }
    }
    return rows;
}

} // namespace

class TestFileMenu : public QObject {
    Q_OBJECT

    /// Each plot's export against the box on screen: ink of either picture
    /// matches when the other has the like within a pixel.
    static void ExpectAlike(const QList<PlotPicture>& plots)
    {
        for (const PlotPicture& plot : plots) {
            auto* box = const_cast<PictureBox*>(qobject_cast<const PictureBox*>(plot.shownBy));
            // The picture with what lies over it (the Foucault string).
            const QImage screen =
                box->grab(box->InsideRect()).toImage().convertToFormat(QImage::Format_RGB32);
            const QImage exported = PlotImage(plot, screen.devicePixelRatio());
            QCOMPARE(exported.size(), screen.size());
            // A grey edge of a smoothed line matches black; red does not.
            const QRgb back = screen.pixel(0, screen.height() / 2);
            auto near = [](const QImage& in, int x, int y, QRgb a) {
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const QRgb b = in.pixel(std::clamp(x + dx, 0, in.width() - 1),
                                                std::clamp(y + dy, 0, in.height() - 1));
                        if (std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                      std::abs(qBlue(a) - qBlue(b))})
                            < 160)
                            return true;
                    }
                return false;
            };
            qsizetype same = 0, inked = 0;
            for (int y = 0; y < screen.height(); ++y)
                for (int x = 0; x < screen.width(); ++x)
                    for (const auto& [from, to] :
                         {std::pair{&screen, &exported}, {&exported, &screen}})
                        if (const QRgb a = from->pixel(x, y); a != back)
                            ++inked, same += near(*to, x, y, a);
            QVERIFY2(same >= 0.985 * inked, qPrintable(plot.name));
        }
    }

private slots:
    void menuComesFirst()
    {
        Frame f;
        QCOMPARE(f.frame.menuBar()->actions().value(0)->text(), QStringLiteral("F&ichier"));
        QCOMPARE(f.frame.Files().PrintAction()->shortcut(), QKeySequence(QKeySequence::Print));
        QVERIFY(FileMenu::ProposedPath("pendule-amorti", "csv")
                    .contains(QDate::currentDate().toString(Qt::ISODate)));
    }

    // 10 s of irregular ticks give 1,001 rows every 10 ms, each within 1e-6 of
    // the model integrated straight to its instant, read back with the
    // separators of the user's locale; a run not started gives the row at 0.
    void dataReadsBack_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<int>("ms");
        QTest::addColumn<QString>("notes"); // after "# Kestrova <version>"
        QTest::newRow("French") << QLocale(QLocale::French, QLocale::France) << ";" << 10000
                                << "# θ₀ = 45°|# θ'₀ = 0 rad/s|# ω₀ = 4,0 rad/s|# λ = 0,22 s⁻¹";
        QTest::newRow("C") << QLocale::c() << "," << 10000
                           << "# θ₀ = 45°|# θ'₀ = 0 rad/s|# ω₀ = 4.0 rad/s|# λ = 0.22 s⁻¹";
        QTest::newRow("not started")
            << QLocale::c() << "," << 0
            << "# θ₀ = 45°|# θ'₀ = 0 rad/s|# ω₀ = 4.0 rad/s|# λ = 0.22 s⁻¹";
    }
    void dataReadsBack()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, separator);
        QFETCH(int, ms);
        QFETCH(QString, notes);
        QLocale::setDefault(locale);
        Frame f;
        // The menu offers the data once there is a run to export.
        emit f.frame.Files().Menu()->aboutToShow();
        QCOMPARE(f.frame.Files().ExportDataAction()->isEnabled(), false);
        if (ms > 0)
            f.Run(ms);
        emit f.frame.Files().Menu()->aboutToShow();
        QCOMPARE(f.frame.Files().ExportDataAction()->isEnabled(), ms > 0);
        const QString path = f.dir.filePath("run.csv");
        QVERIFY(f.frame.Files().ExportData(path));
        QStringList written;
        const QList<QStringList> rows = ReadTable(path, separator.front(), &written);
        QCOMPARE(written.join('|'),
                 QStringLiteral("# Kestrova %1.%2|").arg(kVersionMajor).arg(kVersionMinor) + notes);
        QCOMPARE(rows.size(), ms / 10 + 2);
        QCOMPARE(rows.front().size(), 9);
        QVERIFY(rows.front().front().endsWith("temps (s)"));
        const PenduleState& s = f.frame.DampedWindow()->Run().State();
        for (qsizetype i = 1; i < rows.size(); ++i) {
            QList<double> v;
            for (QString field : rows[i]) {
                bool ok = false;
                v << field.replace(',', '.').toDouble(&ok);
                QVERIFY2(ok && field.count('.') <= 1, qPrintable(rows[i].join('|')));
            }
            QCOMPARE(v.size(), 9);
            const double t = (i - 1) / 100.0;
            const Motion exact = Integrate({s.Teta0, s.Omega0}, s.Pulsation2, s.Lambda, t,
                                           MaxSubStep(std::sqrt(s.Pulsation2)));
            const Motion approx =
                LinearSolution(s.Teta0, s.Omega0, s.Pulsation2, s.Lambda, t).motion;
            QCOMPARE(v[0], t);
            for (const auto& [got, want] : {std::pair{v[2], exact.angle},
                                            {v[3], exact.speed},
                                            {v[4], approx.angle},
                                            {v[5], approx.speed}})
                QVERIFY2(std::abs(got - want) < 1e-6, qPrintable(rows[i].join('|')));
        }
    }

    // The driven run leaves as its own table: the six settings of the run
    // (not the window's first case) above one row per step, the angle and
    // the drive at each as the run had them.
    void drivenDataCarriesItsSetup_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("preset");
        QTest::addColumn<QString>("notes"); // after "# Kestrova <version>"
        QTest::newRow("periodic, French")
            << QLocale(QLocale::French, QLocale::France) << 0
            << "# θ₀ = 0,0°|# θ'₀ = 0,00 rad/s|# ω₀ = 1,000 rad/s|# λ = 0,250 s⁻¹|# γ = "
               "0,900|# Ω = 0,6667 rad/s";
        QTest::newRow("chaotic, C") << QLocale::c() << 2
                                    << "# θ₀ = 0.0°|# θ'₀ = 0.00 rad/s|# ω₀ = 1.000 rad/s|# λ = "
                                       "0.125 s⁻¹|# γ = 1.500|# Ω = 0.6667 rad/s";
    }
    void drivenDataCarriesItsSetup()
    {
        QFETCH(QLocale, locale);
        QFETCH(int, preset);
        QFETCH(QString, notes);
        QLocale::setDefault(locale);
        Frame f;
        f.frame.ShowSimulation(kDrivenSimulation);
        auto* driven = qobject_cast<frmPenduleForce*>(f.frame.SimulationWidget(kDrivenSimulation));
        const DrivenSetup& setup = kDrivenPresets[static_cast<std::size_t>(preset)].setup;
        driven->ApplySetup(setup);
        emit f.frame.Files().Menu()->aboutToShow();
        QVERIFY(!f.frame.Files().ExportDataAction()->isEnabled());
        const int steps = driven->Run().Motion().StepsInPeriod() + 3;
        for (int i = 0; i < steps; ++i)
            driven->NextStep();
        emit f.frame.Files().Menu()->aboutToShow();
        QVERIFY(f.frame.Files().ExportDataAction()->isEnabled());
        const QString path = f.dir.filePath("driven.csv");
        QVERIFY(f.frame.Files().ExportData(path));
        QStringList written;
        const QList<QStringList> rows =
            ReadTable(path, locale == QLocale::c() ? ',' : ';', &written);
        QCOMPARE(written.join('|'),
                 QStringLiteral("# Kestrova %1.%2|").arg(kVersionMajor).arg(kVersionMinor) + notes);
        QCOMPARE(rows.size(), steps + 2);
        QCOMPARE(rows.front().size(), 5);
        const double force = setup.gamma * setup.pulsation * setup.pulsation;
        for (const qsizetype i : {qsizetype(1), qsizetype(steps - 2), rows.size() - 1}) {
            QList<double> v;
            for (QString field : rows[i])
                v << field.replace(',', '.').toDouble();
            const Motion& want = driven->Run().StepRecording().Rows()[std::size_t(i - 1)];
            QVERIFY2(std::abs(v[0] - (i - 1) * driven->Run().Motion().StepSeconds()) < 1e-6
                         && std::abs(v[2] - want.angle) < 1e-8 && std::abs(v[3] - want.speed) < 1e-8
                         && std::abs(v[4] - force * std::cos(setup.drivePulsation * v[0])) < 1e-5,
                     qPrintable(rows[i].join('|')));
        }
    }

    // Each plot of both windows as SVG and as PNG: the SVG is valid, made of
    // paths without any embedded image, and rendered back at the PNG's size
    // it matches the PNG in at least 95 % of the pixels.
    void plotsAsVectorsAndImages()
    {
        QLocale::setDefault(QLocale::c());
        Frame f;
        f.frame.Measurements().ShowAction()->setChecked(true); // its plot goes out too
        f.Run(3000);
        for (const std::int16_t window : {kDampedSimulation, kFoucaultSimulation}) {
            if (window == kFoucaultSimulation) {
                f.frame.ShowSimulation(kFoucaultSimulation);
                f.frame.FoucaultWindow()->findChild<QPushButton*>("cmdGo")->click();
                for (int i = 0; i < 30; ++i)
                    f.counter.AdvanceCounts(164'000'000), f.frame.FoucaultWindow()->AnimationTick();
            }
            const QString base = f.dir.filePath(QString::number(window));
            QVERIFY(f.frame.Files().ExportPlots(base + ".svg"));
            QVERIFY(f.frame.Files().ExportPlots(base + ".png"));
            const QStringList names = window == kDampedSimulation
                ? QStringList{"oscillation", "phase", "periode-amplitude"}
                : QStringList{"trace-au-sol", "vue-de-cote"};
            for (const QString& name : names) {
                QFile svgFile(base + "-" + name + ".svg");
                QVERIFY(svgFile.open(QIODevice::ReadOnly));
                const QByteArray svg = svgFile.readAll();
                QVERIFY(svg.contains("<path") || svg.contains("<polyline"));
                QVERIFY(!svg.contains("<image"));
                QSvgRenderer renderer(svg);
                QVERIFY(renderer.isValid());
                const QImage png =
                    QImage(base + "-" + name + ".png").convertToFormat(QImage::Format_RGB32);
                QVERIFY(!png.isNull());
                QImage back(png.size(), QImage::Format_RGB32);
                back.fill(Qt::white);
                QPainter painter(&back);
                renderer.render(&painter);
                painter.end();
                qsizetype same = 0;
                for (int y = 0; y < png.height(); ++y)
                    for (int x = 0; x < png.width(); ++x) {
                        const QRgb a = png.pixel(x, y), b = back.pixel(x, y);
                        same += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b))
                                + std::abs(qBlue(a) - qBlue(b))
                            < 96;
                    }
                const double share = double(same) / (png.width() * png.height());
                QVERIFY2(share >= 0.95, qPrintable(name + QString::number(share)));
            }
        }
    }

    // The plots drawn again for the exports show what the screen shows after
    // a run, with the small-angle curve, undamped for many laps of the same
    // orbit, and in the Foucault window.
    void exportsShowWhatTheScreenShows()
    {
        Frame f;
        frmPenduleAmorti* damped = f.frame.DampedWindow();
        damped->findChild<QCheckBox*>()->setChecked(true);
        f.Run(7000);
        ExpectAlike(damped->Plots());
        damped->findChild<QCheckBox*>()->setChecked(false);
        damped->findChild<QSlider*>("sldLambda")->setValue(0);
        damped->ResetSimulation();
        f.Run(30000);
        ExpectAlike(damped->Plots());
        f.frame.ShowSimulation(kFoucaultSimulation);
        f.frame.FoucaultWindow()->findChild<QPushButton*>("cmdGo")->click();
        for (int i = 0; i < 120; ++i)
            f.counter.AdvanceCounts(164'000'000), f.frame.FoucaultWindow()->AnimationTick();
        ExpectAlike(f.frame.FoucaultWindow()->Plots());
    }

    // A plot leaves the program with what a report needs beside it: its
    // title, its axis titles with their units and the window's parameters,
    // which in the Foucault window (and on its printed page) include the
    // readout, the day and the hemisphere.
    void exportsCarryTheirLegend_data()
    {
        QTest::addColumn<std::int16_t>("simulation");
        QTest::addColumn<QString>("plot");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("oscillation") << kDampedSimulation << "oscillation"
                                     << QStringList{"Temps (en s)", "Angle (en degrés)"};
        QTest::newRow("phase") << kDampedSimulation << "phase"
                               << QStringList{"Angle (en degrés)", "Vitesse (en rad/s)"};
        QTest::newRow("driven") << kDrivenSimulation << "phase"
                                << QStringList{"Angle (en degrés)", "Vitesse (en rad/s)"};
        QTest::newRow("Foucault") << kFoucaultSimulation << "trace-au-sol"
                                  << QStringList{"Vitesse prévue par la loi", "Jour : Jour",
                                                 "Latitude : 48.85° N", "Angle tourné"};
    }
    void exportsCarryTheirLegend()
    {
        QFETCH(std::int16_t, simulation);
        QFETCH(QString, plot);
        QFETCH(QStringList, texts);
        QLocale::setDefault(QLocale::c());
        Frame f;
        f.frame.ShowSimulation(simulation);
        const PlotSource& source = *dynamic_cast<PlotSource*>(f.frame.SimulationWidget(simulation));
        const QString base = f.dir.filePath("plots");
        QVERIFY(f.frame.Files().ExportPlots(base + ".svg"));
        QFile file(base + "-" + plot + ".svg");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString svg = QString::fromUtf8(file.readAll());
        const QStringList captions = source.Captions();
        for (const QString& text : texts + captions)
            QVERIFY2(svg.contains(text.toHtmlEscaped()), qPrintable(text));
        if (simulation == kFoucaultSimulation) // the printed page prints the same lines
            for (const QString& text : texts)
                QVERIFY2(captions.join('\n').contains(text), qPrintable(text));
    }

    // The plot under the pointer goes to the clipboard at twice its pixels;
    // elsewhere the whole window does.
    void copyPlotUnderPointer()
    {
        Frame f;
        QWidget* phase = f.frame.DampedWindow()->findChild<QWidget*>("picPhase0");
        f.frame.Files().Copy(phase->mapToGlobal(phase->rect().center()));
        QCOMPARE(QGuiApplication::clipboard()->image().size(), phase->size() * 2 - QSize(8, 8));
        f.frame.Files().Copy(f.frame.mapToGlobal(QPoint(2, 2)));
        QCOMPARE(QGuiApplication::clipboard()->image().size(), f.frame.DampedWindow()->size());
    }

    // The printed page holds the run's traces, not only its frames and words.
    void printedPageShowsTheTraces_data()
    {
        QTest::addColumn<std::int16_t>("simulation");
        QTest::newRow("damped") << kDampedSimulation;
        QTest::newRow("driven") << kDrivenSimulation;
    }
    void printedPageShowsTheTraces()
    {
        QFETCH(std::int16_t, simulation);
        Frame f;
        if (simulation == kDampedSimulation) {
            f.Run(2000);
        } else {
            f.frame.ShowSimulation(simulation);
            auto* driven = qobject_cast<frmPenduleForce*>(f.frame.SimulationWidget(simulation));
            for (int i = 0; i < 800; ++i)
                driven->NextStep();
        }
        QImage page(800, 600, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        PaintPage(painter, page.size(),
                  *dynamic_cast<PlotSource*>(f.frame.SimulationWidget(simulation)));
        painter.end();
        int red = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) {
                const QRgb c = page.pixel(x, y);
                red += qRed(c) > 200 && qGreen(c) < 120 && qBlue(c) < 120;
            }
        QVERIFY2(red > 100, qPrintable(QString::number(red)));
    }

    // A failure (a folder that cannot exist, a write that breaks off as on a
    // full disk) is reported with the file's name, leaves no new file, and
    // an older file of that name keeps its content.
    void failuresLeaveNoTrace()
    {
        QTemporaryDir dir;
        const QString older = dir.filePath("older.csv");
        QFile file(older);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("old") == 3);
        file.close();
        const QString underFile = dir.filePath("older.csv/new.csv");
        const ContentWriter fine = [](QIODevice& d) { return d.write("new data") == 8; };
        const ContentWriter breaksOff = [](QIODevice& d) { return d.write("half") < 0; };
        using Plan = QList<PlannedFile>;
        for (const auto& [plan, named] :
             {std::pair{Plan{{underFile, fine}}, underFile},
              {Plan{{older, breaksOff}}, older},
              {Plan{{dir.filePath("first.png"), fine}, {underFile, fine}}, underFile},
              {Plan{{dir.filePath("first.png"), fine}, {older, breaksOff}}, older}}) {
            const QString message = SaveAtomically(plan);
            QVERIFY2(message.contains(QDir::toNativeSeparators(named))
                         && message.contains("n'a pas pu être enregistré"),
                     qPrintable(message));
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                     QStringList{"older.csv"});
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("old"));
            file.close();
        }
        Frame f;
        QVERIFY(!f.frame.Files().ExportData(underFile));
        QCOMPARE(f.errors.size(), 1);
    }
};

QTEST_MAIN(TestFileMenu)
#include "tst_file_menu.moc"
