// Lesson files: every setting of both windows survives a save and an opening
// in a fresh program; bad files are refused by name and change nothing; a
// named lesson marks its changes and asks about them before quitting.

#include "app/animation_menu.h"
#include "app/fit_dialog.h"
#include "app/graphs_menu.h"
#include "app/lesson_file.h"
#include "app/lesson_session.h"
#include "app/mdi_brunmalt.h"
#include "app/measurement_session.h"
#include "app/measurements_dock.h"
#include "app/view_menu.h"
#include "tests/support/test_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

using namespace kestrova;
using kestrova::testing::ChildOf;

Q_DECLARE_METATYPE(MeasuredSeries)

namespace {

/// A frame whose dialogs answer from the test.
struct Frame {
    Frame()
    {
        frame.quitApplication = [this] { ++quits; };
        LessonSession& lessons = frame.Lessons();
        lessons.SetReporter([this](const QString& message) { reported = message; });
        lessons.SetNoteShower([this](const QString& title, const QString&) { noteTitle = title; });
        lessons.SetUnsavedQuestion([this](const QString&) { return answer; });
    }

    FakeCounterSource counter;
    MDIBrunmalt frame{counter};
    int quits = 0;
    QString reported;
    QString noteTitle;
    LessonSession::UnsavedAnswer answer = LessonSession::UnsavedAnswer::Cancel;
};

/// What the controls of the open windows and the frame's items show.
QStringList Controls(const MDIBrunmalt& frame)
{
    QStringList shown{QString::number(frame.Animation()->Speed()),
                      QString::number(frame.EnergyCurvesAction()->isChecked()),
                      QString::number(frame.Measurements().ShowAction()->isChecked())};
    if (const QWidget* damped = frame.DampedWindow()) {
        for (const QSlider* slider : damped->findChildren<QSlider*>())
            shown << slider->objectName() + QLatin1Char('=') + QString::number(slider->value());
        shown << QString::number(ChildOf<QCheckBox>(damped, "chkApproxi")->isChecked());
    }
    if (const QWidget* foucault = frame.FoucaultWindow()) {
        for (const char* name : {"txtLong", "txtLatitude"})
            shown << ChildOf<QLineEdit>(foucault, name)->text();
        for (const char* name : {"cboJour", "cboFacteur"})
            shown << ChildOf<QComboBox>(foucault, name)->currentText();
    }
    if (const QWidget* driven = frame.SimulationWidget(kDrivenSimulation)) {
        for (const QDoubleSpinBox* field : driven->findChildren<QDoubleSpinBox*>())
            shown << field->objectName() + QLatin1Char('=') + field->text();
    }
    for (const KeptRun& run : frame.KeptRunList().Runs())
        shown << QString::fromStdString(FullRunLabel(run.setup, {".", "A ", "F "}))
                + QString::number(run.visible);
    return shown;
}

QByteArray Example(const char* name)
{
    QFile file(QStringLiteral(":/kestrova/examples/%1.kestrova").arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestLesson : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
    }

    // Each control set by hand in one program comes back in another.
    void roundTrip_data()
    {
        QTest::addColumn<int>("endIn");
        QTest::addRow("damped window open") << int{kDampedSimulation};
        QTest::addRow("Foucault window open") << int{kFoucaultSimulation};
        QTest::addRow("driven window open") << int{kDrivenSimulation};
    }
    void roundTrip()
    {
        QFETCH(int, endIn);
        const QString path = dir_.filePath(QStringLiteral("tour"));
        Frame a;
        frmPenduleAmorti* damped = a.frame.DampedWindow();
        const int positions[] = {170, -7, 123, 301};
        for (int i = 0; i < 4; ++i)
            ChildOf<QSlider>(damped, kestrova::testing::kSliders[i].first)->setValue(positions[i]);
        damped->ResetSimulation();
        ChildOf<QCheckBox>(damped, "chkApproxi")->setChecked(true);
        a.frame.EnergyCurvesAction()->trigger();
        a.frame.Animation()->actions()[3]->trigger();
        a.frame.Measurements().ShowAction()->trigger();
        a.frame.View().ZoomAction(1.5)->trigger();
        a.frame.View().HighContrastAction()->trigger();
        a.frame.KeptRunList().Keep(damped->Run().Setup());
        a.frame.KeptRunList().Keep(SliderValues{});
        a.frame.KeptRunList().SetVisible(1, false);
        a.frame.ShowSimulation(kFoucaultSimulation);
        QWidget* foucault = a.frame.FoucaultWindow();
        ChildOf<QComboBox>(foucault, "cboJour")->setCurrentIndex(1);
        ChildOf<QComboBox>(foucault, "cboFacteur")->setCurrentIndex(2);
        ChildOf<QLineEdit>(foucault, "txtLatitude")->setText(QStringLiteral("33,875 S"));
        ChildOf<QLineEdit>(foucault, "txtLong")->setText(QStringLiteral("12,25"));
        a.frame.ShowSimulation(kDrivenSimulation);
        QWidget* driven = a.frame.SimulationWidget(kDrivenSimulation);
        ChildOf<QComboBox>(driven, "cboPresets")->activated(3);
        ChildOf<QDoubleSpinBox>(driven, "txt_teta0")->setValue(-30);
        ChildOf<QDoubleSpinBox>(driven, "txt_gamma")->setValue(1.234);
        // The graphs follow the driven window now: its run is kept.
        a.frame.Graphs().KeepAction()->trigger();
        QCOMPARE(a.frame.KeptRunList().Runs().size(), 3U);
        QVERIFY(IsDriven(a.frame.KeptRunList().Runs()[2].setup));
        a.frame.ShowSimulation(static_cast<std::int16_t>(endIn));
        QVERIFY(a.frame.Measured().Import(
            QStringLiteral(":/kestrova/measurements/video-positions.txt"), false));
        // The fitted motion, to the last bit, and the file's name go with it.
        const MeasuredSeries& series = *a.frame.Measured().Series();
        const FittedMotion motion{
            DampingModel::Quadratic, false,          4.2003141592653589, 0.0401, 0.07, 0.3, -0.1, 0,
            series.time[3],          series.time[40]};
        a.frame.Measured().SetFitted(motion);
        const Lesson before = a.frame.Lessons().Gather();
        QVERIFY(before.measurement && before.fittedMotion == motion);
        QCOMPARE(before.measurementName, "video-positions.txt");
        const QStringList shown = Controls(a.frame);
        QVERIFY(a.frame.Lessons().SaveAs(path));
        QCOMPARE(a.frame.Lessons().FilePath(), path + QStringLiteral(".kestrova"));

        Frame b;
        QVERIFY(b.frame.Lessons().Open(path + QStringLiteral(".kestrova")));
        QCOMPARE(Controls(b.frame), shown);
        QVERIFY(b.frame.Lessons().Gather() == before);
        QVERIFY(!b.frame.Lessons().Modified());
        // Chosen for the damped window, the energy curves and the panel come
        // back with it, even from a lesson saved in the Foucault window.
        b.frame.ShowSimulation(kDampedSimulation);
        QVERIFY(b.frame.EnergyCurvesAction()->isChecked());
        QVERIFY(b.frame.Measurements().ShowAction()->isChecked());
    }

    // Refused files: the message names the file and the problem, and the
    // lesson in progress stays exactly as it was.
    void badFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem");
        const QByteArray good = Example("3-facteur-de-qualite");
        auto with = [&good](const char* from, const char* to) {
            return QByteArray(good).replace(from, to);
        };
        QTest::addRow("empty") << QByteArray() << "vide";
        QTest::addRow("truncated") << good.left(good.size() / 2) << "tronqué";
        QTest::addRow("not JSON") << QByteArray("titre = leçon") << "JSON";
        QTest::addRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) << "binaires";
        QTest::addRow("not UTF-8") << with("qualité", "qualit\xe9") << "UTF-8";
        QTest::addRow("an array") << QByteArray("[1, 2]") << "objet";
        QTest::addRow("other JSON") << QByteArray("{\"a\": 1}") << "format";
        QTest::addRow("newer major") << with("\"1.0\"", "\"2.3\"") << "format 2.3, plus récent";
        QTest::addRow("version garbled") << with("\"1.0\"", "\"1\"") << "version";
        QTest::addRow("slider as text")
            << with("\"teta0\": 45", "\"teta0\": \"45\"") << "amorti.teta0";
        QTest::addRow("fraction") << with("\"lambda\": 20,", "\"lambda\": 20.5,")
                                  << "amorti.lambda";
        QTest::addRow("above the table") << with("\"teta0\": 45", "\"teta0\": 181") << "181";
        QTest::addRow("huge number") << with("\"omega0\": 0,", "\"omega0\": 1e308,") << "omega0";
        QTest::addRow("overflow") << with("\"omega0\": 0,", "\"omega0\": 1e999,") << "trop grand";
        QTest::addRow("NaN") << with("\"omega0\": 0,", "\"omega0\": NaN,") << "illisible";
        QTest::addRow("bool as number") << with("true", "1") << "true ou false";
        QTest::addRow("length at the amplitude")
            << with("\"longueur\": 67", "\"longueur\": 3") << "longueur";
        QTest::addRow("latitude past a pole") << with("48.85", "90.01") << "latitude";
        QTest::addRow("factor with the sped-up day")
            << with("\"accelerationTemps\": 1", "\"accelerationTemps\": 60") << "accelerationTemps";
        QTest::addRow("speed not offered")
            << with("\"vitesseAnimation\": 1", "\"vitesseAnimation\": 0.3") << "vitesseAnimation";
        QTest::addRow("driven out of range")
            << with("\"note\"", "\"force\": {\"gamma\": 4}, \"note\"") << "force.gamma";
        QTest::addRow("zoom not offered")
            << with("\"panneaux\"", "\"affichage\": {\"zoom\": 110}, \"panneaux\"") << "zoom";
        QTest::addRow("unknown window") << with("\"amorti\",", "\"graphes\",") << "fenetre";
        QTest::addRow("runs not a list")
            << with("\"essais\": [", "\"essais\": {\"a\": [").replace("\n    ],", "]},")
            << "essais";
        QTest::addRow("run bad") << with("\"lambda\": 50", "\"lambda\": -1") << "essais[1].lambda";
        QTest::addRow("driven run bad")
            << with("\"essais\": [", "\"essais\": [{\"force\": {\"lambda\": 9}}, ")
            << "essais[0].force.lambda";
        QTest::addRow("huge title")
            << with("Le facteur", QByteArray(300, 'x').constData()) << "titre";
        QTest::addRow("measurement whose time repeats")
            << with("\"titre\"",
                    "\"mesure\": {\"vitesseAngulaire\": false, \"temps\": \"0 1 1\", "
                    "\"valeurs\": \"0 1 2\", \"pauses\": \"\"}, \"titre\"")
            << "mesure";
        QTest::addRow("measurement value not a number")
            << with("\"titre\"",
                    "\"mesure\": {\"vitesseAngulaire\": true, \"temps\": \"0 1\", "
                    "\"valeurs\": \"0 x\", \"pauses\": \"\"}, \"titre\"")
            << "mesure";
        QTest::addRow("measurement values not base64") << with(
            "\"titre\"",
            "\"mesure\": {\"vitesseAngulaire\": true, \"valeursBinaires\": \"AAAA*AAAAAA=\", "
            "\"tempsBinaires\": \"\", \"pausesBinaires\": \"\"}, \"titre\"")
                                                       << "mesure";
        QTest::addRow("measurement time grid in thirds")
            << with("\"titre\"",
                    "\"mesure\": {\"vitesseAngulaire\": true, \"valeursBinaires\": "
                    "\"AAAAAAAAAAAAAAAAAAAAAA==\", \"tempsUniformes\": {\"debut\": 0, \"pas\": 1, "
                    "\"diviseur\": 3, \"nombre\": 2}, \"pausesBinaires\": \"\"}, \"titre\"")
            << "mesure";
        const char* fitted = "\"mesure\": {\"vitesseAngulaire\": false, \"temps\": \"0 1 2\", "
                             "\"valeurs\": \"0 1 2\", \"pauses\": \"\", \"ajustement\": "
                             "{\"modele\": \"%1\", \"omega0\": 4, \"lambda\": 0, \"mu\": 0, "
                             "\"angle\": 0, \"vitesse\": 0, \"decalage\": 0, \"debut\": 0, "
                             "\"fin\": %2}}, \"titre\"";
        QTest::addRow("fit of no known model")
            << with("\"titre\"", QString(fitted).arg("cubique").arg(2).toUtf8()) << "ajustement";
        QTest::addRow("fit beyond the measurement")
            << with("\"titre\"", QString(fitted).arg("lineaire").arg(3).toUtf8()) << "ajustement";
        QTest::addRow("deep nesting") << QByteArray(5000, '[') << "imbriquées";
        QTest::addRow("too big") << QByteArray(kLessonFileMaxBytes + 1, ' ') + good << "volumineux";
        QTest::addRow("folder") << QByteArray("folder") << "dossier";
        QTest::addRow("missing") << QByteArray("missing") << "existe pas";
        QTest::addRow("unreadable") << QByteArray("unreadable") << "lu";
    }
    void badFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        if (!badFilesFrame_)
            badFilesFrame_ = std::make_unique<Frame>();
        Frame& f = *badFilesFrame_;
        const QString lesson = dir_.filePath(QStringLiteral("bonne.kestrova"));
        if (f.frame.Lessons().FilePath().isEmpty()) {
            QFile good(lesson);
            QVERIFY(good.open(QIODevice::WriteOnly));
            good.write(Example("6-loi-de-foucault"));
            good.close();
            QVERIFY(f.frame.Lessons().Open(lesson));
        }
        const QString path = dir_.filePath(QStringLiteral("mauvaise.kestrova"));
        QFile::remove(path);
        QDir(path).removeRecursively();
        if (bytes == "folder") {
            QDir().mkpath(path);
        } else if (bytes != "missing") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
            file.close();
            if (bytes == "unreadable")
                file.setPermissions(QFileDevice::WriteOwner);
        }
        if (bytes == "unreadable" && QFile(path).open(QIODevice::ReadOnly))
            QSKIP("running as root: every file is readable");
        const Lesson before = f.frame.Lessons().Gather();
        f.reported.clear();
        QVERIFY(!f.frame.Lessons().Open(path));
        QVERIFY2(f.reported.contains(QDir::toNativeSeparators(path)), qPrintable(f.reported));
        QVERIFY2(f.reported.contains(problem), qPrintable(f.reported));
        QVERIFY(f.frame.Lessons().Gather() == before);
        QCOMPARE(f.frame.Lessons().FilePath(), lesson);
        QVERIFY(f.frame.FoucaultWindow() != nullptr);
    }

    // A newer minor version's unknown keys are ignored; absent keys keep
    // the start state; the examples open as they are.
    void acceptedFiles()
    {
        const QByteArray newer = Example("1-isochronisme")
                                     .replace("\"1.0\"", "\"1.7\"")
                                     .replace("\"note\"", "\"avenir\": {\"x\": [1]}, \"note\"");
        const LessonReading read = ReadLesson(newer, QStringLiteral("n"));
        QVERIFY2(read.lesson.has_value(), qPrintable(read.error));
        QCOMPARE(read.lesson->damped.sliders.Teta0Degrees, 10);
        const LessonReading minimal = ReadLesson(
            "{\"format\": \"kestrova-lecon\", \"version\": \"1.0\"}", QStringLiteral("m"));
        QVERIFY(minimal.lesson.has_value() && *minimal.lesson == Lesson{});
        QCOMPARE(LessonSession::Examples().size(), 6);
        for (const QString& example : LessonSession::Examples())
            QVERIFY2(ReadLessonFile(example).lesson.has_value(), qPrintable(example));
    }

    // A named lesson marks its changes; quitting asks, and each answer does
    // what it says.
    void unsavedChanges_data()
    {
        QTest::addColumn<LessonSession::UnsavedAnswer>("answer");
        QTest::addColumn<bool>("byHand"); // the damped window closed, not the Quit item
        QTest::addColumn<int>("quits");
        QTest::addColumn<bool>("saved");
        using A = LessonSession::UnsavedAnswer;
        QTest::addRow("Enregistrer") << A::Save << false << 1 << true;
        QTest::addRow("Ne pas enregistrer") << A::Discard << false << 1 << false;
        QTest::addRow("Annuler") << A::Cancel << false << 0 << false;
        QTest::addRow("window closed, Annuler: it comes back") << A::Cancel << true << 0 << false;
    }
    void unsavedChanges()
    {
        QFETCH(LessonSession::UnsavedAnswer, answer);
        QFETCH(bool, byHand);
        QFETCH(int, quits);
        QFETCH(bool, saved);
        Frame f;
        // Untitled, changes are nobody's: no mark, no question.
        f.frame.EnergyCurvesAction()->trigger();
        f.frame.QuitAction()->trigger();
        QCOMPARE(f.quits, 1);
        const QString path = dir_.filePath(QStringLiteral("marque.kestrova"));
        QVERIFY(f.frame.Lessons().SaveAs(path));
        QCOMPARE(f.frame.windowTitle(), QStringLiteral("marque.kestrova — Kestrova - v.1.0"));
        f.frame.Animation()->actions()[1]->trigger();
        QCOMPARE(f.frame.windowTitle(),
                 QStringLiteral("marque.kestrova* — Kestrova - v.1.0 — Ralenti ×1/2"));
        f.answer = answer;
        if (byHand)
            f.frame.DampedWindow()->parentWidget()->close();
        else
            f.frame.QuitAction()->trigger();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(f.quits, 1 + quits);
        QVERIFY(f.frame.DampedWindow() != nullptr || quits == 1);
        QCOMPARE(f.frame.windowTitle().startsWith(QStringLiteral("marque.kestrova*")), !saved);
        QCOMPARE(ReadLessonFile(path).lesson->damped.speed, saved ? 0.5 : 1.0);
    }

    // A lesson carries its measurement whole and exactly, however long: a
    // regular clock as a grid, any other times sample by sample; a time one
    // step off the grid must not be rounded onto it.
    void measurementCarriedWhole_data()
    {
        QTest::addColumn<MeasuredSeries>("series");
        QTest::addColumn<double>("bytesPerSample");
        const auto swing = [](std::size_t n, auto time) {
            MeasuredSeries s;
            for (std::size_t i = 0; i < n; ++i) {
                s.time.push_back(time(static_cast<double>(i)));
                s.value.push_back(0.6 * std::sin(0.0084 * static_cast<double>(i)) / 3);
            }
            return s;
        };
        QTest::addRow("ten minutes at 500 Hz")
            << swing(300'001, [](double i) { return i * 2 / 1000; }) << 11.0;
        QTest::addRow("before zero, in tenths")
            << swing(50, [](double i) { return (i - 7) / 10; }) << 11.5;
        MeasuredSeries jittered =
            swing(2000, [](double i) { return i * 0.02 + 1e-4 * std::sin(i); });
        jittered.pauses = {jittered.time[700], jittered.time[1500]};
        QTest::addRow("irregular, with pauses") << jittered << 22.0;
        MeasuredSeries off = swing(1000, [](double i) { return i * 2 / 1000; });
        off.time[600] = std::nextafter(off.time[600], 2.0);
        QTest::addRow("one time off the grid") << off << 22.0;
    }
    void measurementCarriedWhole()
    {
        QFETCH(MeasuredSeries, series);
        QFETCH(double, bytesPerSample);
        Frame a;
        a.frame.Measured().SetSeries(series);
        const QString path = dir_.filePath(QStringLiteral("entiere.kestrova"));
        QVERIFY(a.frame.Lessons().SaveAs(path));
        QVERIFY2(a.reported.isEmpty(), qPrintable(a.reported));
        const auto size = static_cast<double>(QFileInfo(path).size());
        QVERIFY2(size < 4000 + bytesPerSample * static_cast<double>(series.time.size()),
                 qPrintable(QString::number(size)));
        Frame b;
        QVERIFY2(b.frame.Lessons().Open(path), qPrintable(b.reported));
        QVERIFY(b.frame.Measured().Series() == series);
        QVERIFY(!b.frame.Lessons().Modified());
    }

    // Lessons written with the measurement as texts of numbers still open.
    void measurementAsText()
    {
        const QByteArray text = Example("3-facteur-de-qualite")
                                    .replace("\"titre\"",
                                             "\"mesure\": {\"vitesseAngulaire\": true, \"temps\": "
                                             "\"0 0.5 1 1.5\", \"valeurs\": \"0.25 -1e-3 0.5 2\", "
                                             "\"pauses\": \"0.5\"}, \"titre\"");
        const LessonReading read = ReadLesson(text, QStringLiteral("t"));
        QVERIFY2(read.lesson && read.lesson->measurement, qPrintable(read.error));
        QVERIFY(*read.lesson->measurement
                == (MeasuredSeries{{0, 0.5, 1, 1.5}, {0.25, -1e-3, 0.5, 2}, true, {0.5}}));
    }

    // The fit of the air-drag sample: the verdict names the quadratic model,
    // and the simulator takes the nearest slider positions, said rounded.
    void fitToSimulator()
    {
        Frame f;
        MeasurementSession& measured = f.frame.Measured();
        QVERIFY(!measured.FitAction()->isEnabled());
        QVERIFY(measured.Import(
            QStringLiteral(":/kestrova/measurements/interface-frottement-air.csv"), false));
        QVERIFY(measured.FitAction()->isEnabled());
        FitDialog* dialog = measured.OpenFit();
        dialog->StartFit();
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->Fitting(), 20000);
        QVERIFY(dialog->Quadratic().Converged());
        QVERIFY(ChildOf<QLabel>(dialog, "fitResults")
                    ->text()
                    .contains(FitDialog::VerdictText(DampingVerdict::Quadratic)));
        const QString message = measured.ApplyToSimulator(dialog->Quadratic());
        QCOMPARE(f.frame.DampedWindow()->Setup().sliders.PulsationTenths, 42);
        QCOMPARE(f.frame.DampedWindow()->Setup().sliders.Teta0Degrees, 29);
        QVERIFY2(message.contains(QStringLiteral("4,2")), qPrintable(message));
        dialog->close();
    }

    void cleanupTestCase() { badFilesFrame_.reset(); }

private:
    std::unique_ptr<Frame> badFilesFrame_;
    QTemporaryDir settings_;
    inline static QTemporaryDir dir_;
};

QTEST_MAIN(TestLesson)
#include "tst_lesson.moc"
