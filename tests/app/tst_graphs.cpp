// The "Graphiques" window on the real frame and a fake clock: kept runs
// outlive switches and leave the program equal to their setup run again,
// the cursor reads the recording, the images are what their names say, the
// limit of kept runs shows on the menu item, and an imported measurement
// and its fitted motion are drawn beside the runs.

#include "app/graphs_menu.h"
#include "app/mdi_brunmalt.h"
#include "app/measurement_session.h"
#include "app/measurements_dock.h"
#include "model/run_curves.h"
#include "ui/damped/frm_pendule_amorti.h"
#include "ui/damped/measurements_panel.h"
#include "ui/driven/frm_pendule_force.h"
#include "ui/graphs/graph_reader.h"
#include "ui/graphs/graphs_window.h"
#include "ui/graphs/run_plots.h"

#include <qcustomplot.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

using namespace kestrova;

namespace {

struct Frame {
    Frame()
    {
        frame.ShowOnScreen(QRect(0, 0, 1280, 800));
        frame.Graphs().SetErrorReporter([](const QString& message) { QFAIL(qPrintable(message)); });
    }
    frmPenduleAmorti& Damped() const { return *frame.DampedWindow(); }
    /// Runs the damped window for `seconds` on uneven ticks.
    void Run(double seconds)
    {
        Damped().findChild<QPushButton*>("chkGo")->click();
        for (int tick = 0; Damped().Run().Time() < seconds; ++tick) {
            counter.AdvanceSeconds((7 + tick % 23) / 1000.0);
            Damped().AnimationTick();
        }
        Damped().findChild<QPushButton*>("chkGo")->click();
    }

    FakeCounterSource counter;
    MDIBrunmalt frame{counter};
};

} // namespace

class TestGraphs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void keptRunsOutliveSwitchesAndLeaveAsTheirSetupRunAgain()
    {
        Frame f;
        GraphsMenu& graphs = f.frame.Graphs();
        graphs.KeepAction()->trigger();
        f.frame.ShowSimulation(kFoucaultSimulation);
        QVERIFY(!graphs.KeepAction()->isEnabled());
        f.frame.ShowSimulation(kDampedSimulation);
        // Run first: the window draws it whole when it opens.
        f.Run(12);
        graphs.GraphsAction()->trigger();
        QVERIFY(graphs.Window() != nullptr);
        QVERIFY(!graphs.Window()->findChild<QLabel*>("lblIndication")->isVisible());

        // The kept run's rows and the live run's (same setup), both as exported.
        QTemporaryDir dir;
        const QString path = dir.filePath("runs.csv");
        QVERIFY(graphs.ExportData(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QMap<QString, QList<double>> angles;
        while (file.readLine().contains("# ")) { }
        while (!file.atEnd()) {
            // "name";time;angle;... where the quoted name may hold semicolons.
            const QString line = QString::fromUtf8(file.readLine()).trimmed();
            const qsizetype nameEnd = line.indexOf('"', 1);
            const QStringList fields = line.mid(nameEnd + 2).split(';');
            angles[line.left(nameEnd + 1)].append(QLocale().toDouble(fields[1]));
        }
        QCOMPARE(angles.size(), 2);
        const QList<double> live = angles.take("\"en cours\"");
        const QList<double> kept = angles.first();
        QVERIFY(live.size() >= 1200 && kept.size() >= live.size());
        for (int i = 0; i < live.size(); ++i)
            QVERIFY2(std::abs(live[i] - kept[i]) < 1e-9, qPrintable(QString::number(i)));

        // "Effacer les lancers" forgets the kept runs and the period–amplitude
        // plot's earlier runs, from the menu as from the panel's button.
        MeasurementsPanel& panel = f.frame.Measurements().Panel();
        f.Damped().ResetSimulation();
        QVERIFY(panel.HasEarlierRuns() && graphs.ClearAction()->isEnabled());
        graphs.ClearAction()->trigger();
        QVERIFY(f.frame.KeptRunList().Empty() && !panel.HasEarlierRuns());
        QVERIFY(!graphs.ClearAction()->isEnabled());
        graphs.KeepAction()->trigger();
        f.Run(12);
        f.Damped().ResetSimulation();
        f.frame.Measurements().ShowAction()->trigger();
        QTRY_VERIFY(panel.isVisible());
        panel.findChild<QPushButton*>("cmdEffacerLancers")->click();
        QVERIFY(f.frame.KeptRunList().Empty() && !panel.HasEarlierRuns());
    }

    // The graphs follow the driven window when it comes: its run is drawn
    // live without the damped-only envelope, kept like a damped one, and
    // exported with the kept runs of both kinds, each named in a "#" line.
    void drivenRunsAreRunsLikeTheOthers()
    {
        Frame f;
        GraphsMenu& graphs = f.frame.Graphs();
        graphs.KeepAction()->trigger();
        graphs.ShowGraphs();
        f.frame.ShowSimulation(kDrivenSimulation);
        auto* driven = qobject_cast<frmPenduleForce*>(f.frame.SimulationWidget(kDrivenSimulation));
        QVERIFY(driven != nullptr);
        driven->findChild<QComboBox*>("cboPresets")->activated(3);
        QVERIFY(graphs.KeepAction()->isEnabled());
        graphs.KeepAction()->trigger();
        driven->findChild<QPushButton*>("chkGo")->click();
        for (int tick = 0; driven->Run().Time() < 12; ++tick) {
            f.counter.AdvanceSeconds((7 + tick % 23) / 1000.0);
            driven->AnimationTick();
        }
        GraphsWindow& window = *graphs.Window();
        QVERIFY(window.Heading().startsWith("Pendule forcé : "));
        QCPGraph* liveAngle = window.Plots().Plot(GraphKind::Angle)->graph(2);
        QVERIFY(liveAngle->dataCount() >= static_cast<int>(driven->Run().Recording().RowCount()));
        // Kept: one curve each; live: its energy in parts, no envelope.
        QCOMPARE(window.Plots().Plot(GraphKind::Energy)->graphCount(), 5);

        QTemporaryDir dir;
        const QString path = dir.filePath("runs.csv");
        QVERIFY(graphs.ExportData(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QStringList notes;
        QMap<QString, QList<double>> angles;
        for (bool header = true; !file.atEnd();) {
            const QString line = QString::fromUtf8(file.readLine()).trimmed();
            if (line.contains("# ")) {
                notes << line;
            } else if (!std::exchange(header, false)) {
                const qsizetype nameEnd = line.indexOf('"', 1);
                const QStringList fields = line.mid(nameEnd + 2).split(';');
                angles[line.mid(1, nameEnd - 1)].append(QLocale().toDouble(fields[1]));
            }
        }
        QCOMPARE(notes.size(), 4);
        QCOMPARE(angles.size(), 3);
        const QStringList names = angles.keys();
        const QString liveName = names.filter(QRegularExpression("^en cours \\(Forcé : ")).value(0);
        const QString keptName =
            names.filter(QRegularExpression("^Forcé : .*; γ = 1,5; ")).value(0);
        QVERIFY2(!liveName.isEmpty() && !keptName.isEmpty()
                     && names.filter(QRegularExpression("^Amorti : θ₀ = ")).size() == 1,
                 qPrintable(names.join(" | ")));
        for (const QString& name : names) {
            const QString setup = name.startsWith("Amorti") ? "Amorti : θ₀ = " : "Forcé : θ₀ = 0°";
            QVERIFY2(notes.filter("# " + name + " — " + setup).size() == 1,
                     qPrintable(notes.join("\n")));
        }
        const QList<double> live = angles.take(liveName);
        const QList<double> kept = angles.take(keptName);
        QVERIFY(live.size() >= 1190 && kept.size() >= live.size());
        for (int i = 0; i < live.size(); ++i)
            QVERIFY2(std::abs(live[i] - kept[i]) < 1e-9, qPrintable(QString::number(i)));

        // Back to the damped window: followed again, the driven runs kept.
        f.frame.ShowSimulation(kDampedSimulation);
        QVERIFY(window.Heading().startsWith("Pendule pesant amorti : "));
        QCOMPARE(f.frame.KeptRunList().Runs().size(), 2U);
        graphs.ClearAction()->trigger();
        QVERIFY(f.frame.KeptRunList().Empty());
    }

    void theCursorReadsTheRecording()
    {
        Frame f;
        f.Run(10);
        f.frame.Graphs().ShowGraphs();
        GraphsWindow& window = *f.frame.Graphs().Window();
        QCustomPlot* plot = window.Plots().Plot(GraphKind::Angle);
        QTRY_VERIFY(plot->isVisible());
        // The start, a swing, a time between two rows, the end.
        for (const double time : {0.0, 0.83, 7.315, 10.0}) {
            const int x = static_cast<int>(std::lround(plot->xAxis->coordToPixel(time)));
            QTest::mouseMove(plot, QPoint(x, plot->height() / 2));
            const double read = plot->xAxis->pixelToCoord(x);
            QVERIFY(std::abs(read - time) < 0.05);
            const RecordedRow row = NearestRow(f.Damped().Run().Recording(), read);
            const double end =
                f.Damped().Run().Recording().Row(f.Damped().Run().Recording().RowCount() - 1).time;
            QVERIFY(std::abs(row.time - std::clamp(read, 0.0, end)) <= 0.005);
            const QString shown = window.findChild<QLabel*>("lblLecture")->text();
            QLocale locale;
            for (const QString& value :
                 {"t = " + locale.toString(row.time, 'f', 2) + " s",
                  "θ = " + locale.toString(row.exact.angle, 'f', 4) + " rad",
                  "θ' = " + locale.toString(row.exact.speed, 'f', 4) + " rad/s"})
                QVERIFY2(shown.contains(value), qPrintable(shown + " / " + value));
        }
    }

    void imagesAreWhatTheirNamesSay_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<QByteArray>("inside");
        QTest::newRow("png") << "png" << QByteArray("\x89PNG") << QByteArray("IDAT");
        // Vectors: the curves as paths, the texts as text.
        QTest::newRow("svg") << "svg" << QByteArray("<?xml") << QByteArray("<polyline");
        QTest::newRow("pdf") << "pdf" << QByteArray("%PDF") << QByteArray("/Font");
    }

    void imagesAreWhatTheirNamesSay()
    {
        QFETCH(QString, suffix);
        QFETCH(QByteArray, start);
        QFETCH(QByteArray, inside);
        Frame f;
        f.frame.Graphs().ShowGraphs();
        f.Run(1);
        QTemporaryDir dir;
        const QString path = dir.filePath("graphs." + suffix);
        QVERIFY(f.frame.Graphs().ExportImage(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith(start));
        QVERIFY(bytes.contains(inside));
        if (suffix == "svg")
            QVERIFY(QString::fromUtf8(bytes).contains("Angle"));
    }

    void theMeasurementBesideTheRuns_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("graph");
        QTest::addRow("angle") << "interface-angle.csv" << int(GraphKind::Angle);
        QTest::addRow("angular speed") << "gyroscope-virgule-point.csv" << int(GraphKind::Speed);
    }

    // The samples are the points of the graph of what they measure, through
    // the graphs' redraws and in the table; the applied fit adds its model,
    // which a new import takes away.
    void theMeasurementBesideTheRuns()
    {
        QFETCH(QString, file);
        QFETCH(int, graph);
        Frame f;
        MeasurementSession& measured = f.frame.Measured();
        const QString path = ":/kestrova/measurements/" + file;
        QVERIFY(measured.Import(path, false));
        f.frame.Graphs().ShowGraphs();
        GraphsWindow& window = *f.frame.Graphs().Window();
        const MeasurementOverlay& overlay = window.Plots().Overlay();
        const MeasuredSeries& series = *measured.Series();
        f.frame.Graphs().KeepAction()->trigger();
        f.Run(0.5);
        QCPGraph* points = overlay.Points();
        QVERIFY(points != nullptr);
        QCOMPARE(points->parentPlot(), window.Plots().Plot(static_cast<GraphKind>(graph)));
        QCOMPARE(points->lineStyle(), QCPGraph::lsNone);
        QCOMPARE(points->name(), "Mesure : " + file);
        QCOMPARE(points->data()->size(), static_cast<int>(series.time.size()));
        for (std::size_t i = 0; i < series.time.size(); ++i) {
            const auto point = points->data()->at(static_cast<int>(i));
            QVERIFY(point->key == series.time[i] && point->value == series.value[i]);
        }
        const QCPRange shown = points->parentPlot()->xAxis->range();
        QVERIFY(shown.lower <= series.time.front() && shown.upper >= series.time.back());

        // At each sample of the fit's window, the curve is the model the
        // residuals were taken from.
        const PendulumFit fit = FitPendulum(series, {});
        QVERIFY(fit.Converged());
        measured.ApplyToSimulator(fit);
        // The damped window opened again is followed, the old one gone.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.findChild<QLabel*>("lblIndication")->isHidden());
        const QCPGraph* curve = overlay.Curve();
        // The simulator started again with the fitted values: the graphs were drawn anew.
        QVERIFY(curve != nullptr && overlay.Points() != nullptr);
        QCOMPARE(curve->parentPlot(), overlay.Points()->parentPlot());
        // Every sample was made with ω₀ = 4,2 rad/s.
        const QRegularExpression legend("^Modèle linéaire :\nω₀ = 4,(19|20)\\d* rad/s\n"
                                        "λ = 0,0[34]\\d+ s⁻¹$");
        QVERIFY2(legend.match(curve->name()).hasMatch(), qPrintable(curve->name()));
        const auto first = std::lower_bound(series.time.begin(), series.time.end(), fit.startTime)
            - series.time.begin();
        std::size_t k = 0;
        for (auto it = curve->data()->constBegin(); it != curve->data()->constEnd(); ++it) {
            if (k < fit.time.size() && it->key == fit.time[k]) {
                const double model = series.value[first + k] - fit.residual[k];
                QVERIFY2(std::abs(it->value - model) < 1e-12, qPrintable(QString::number(k)));
                ++k;
            }
        }
        QCOMPARE(k, fit.time.size());

        // The table: the samples under the measurement's name, in the
        // column of what they measure, and the curve's points.
        QTemporaryDir dir;
        QVERIFY(f.frame.Graphs().ExportData(dir.filePath("runs.csv")));
        QFile table(dir.filePath("runs.csv"));
        QVERIFY(table.open(QIODevice::ReadOnly));
        table.readLine();
        std::size_t rows = 0;
        int curveRows = 0;
        const int column = graph == int(GraphKind::Speed) ? 2 : 1;
        while (!table.atEnd()) {
            const QString line = QString::fromUtf8(table.readLine()).trimmed();
            const qsizetype nameEnd = line.indexOf('"', 1);
            const QStringList fields = line.mid(nameEnd + 2).split(';');
            curveRows += line.startsWith("\"Modèle linéaire");
            if (line.mid(1, nameEnd - 1) != overlay.Name())
                continue;
            QVERIFY(rows < series.time.size());
            QVERIFY(std::abs(QLocale().toDouble(fields[0]) - series.time[rows]) < 1e-6);
            QVERIFY(std::abs(QLocale().toDouble(fields[column]) - series.value[rows]) < 1e-9);
            QVERIFY(fields[3 - column].isEmpty());
            ++rows;
        }
        QCOMPARE(rows, series.time.size());
        QCOMPARE(curveRows, curve->data()->size());

        // Hidden and shown again like a run; a new import has no fit.
        window.findChild<QCheckBox*>("chkMesure")->click();
        QVERIFY(overlay.Points() == nullptr && overlay.Curve() != nullptr);
        window.findChild<QCheckBox*>("chkMesure")->click();
        QVERIFY(overlay.Points() != nullptr);
        QVERIFY(measured.Import(path, false));
        QVERIFY(overlay.Points() != nullptr && overlay.Curve() == nullptr);
    }

    void atTheLimitKeepingIsOffAndSaysWhy()
    {
        Frame f;
        auto* lambda = f.Damped().findChild<QSlider*>("sldLambda");
        for (std::size_t i = 0; i < KeptRuns::kLimit + 1; ++i) {
            f.frame.Graphs().KeepAction()->trigger();
            QTest::keyClick(lambda, Qt::Key_Right);
        }
        QCOMPARE(f.frame.KeptRunList().Runs().size(), KeptRuns::kLimit);
        QVERIFY(!f.frame.Graphs().KeepAction()->isEnabled());
        QVERIFY(!f.frame.Graphs().KeepAction()->statusTip().isEmpty());
        f.frame.KeptRunList().Remove(0);
        QVERIFY(f.frame.Graphs().KeepAction()->isEnabled());
    }
};

QTEST_MAIN(TestGraphs)
#include "tst_graphs.moc"
