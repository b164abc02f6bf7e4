// The interface in English: after a switch, every text of the frame, its
// menus and both windows comes from the English catalog; the switch leaves a
// running animation running with its values, and is remembered.

#include "app/help_menu.h"
#include "app/language_switch.h"
#include "app/mdi_brunmalt.h"
#include "clock/high_resolution_clock.h"
#include "ui/damped/frm_pendule_amorti.h"
#include "ui/damped/web_link.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

using namespace kestrova;

namespace {

const QChar kMark(0x2060); // word joiner: invisible, keeps the layout

/// Marks every text that the English catalog translates; a text without the
/// mark never went through the catalog, or has no English there.
class MarkingTranslator : public QTranslator {
public:
    MarkingTranslator()
    {
        QVERIFY(english.load(QStringLiteral(":/kestrova/translations/kestrova_en.qm")));
    }
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override
    {
        // Qt's own texts (context "QMdiSubWindow"...) are its business, and English.
        if (context == nullptr || context[0] == 'Q')
            return kMark + QString::fromUtf8(source);
        const QString text = english.translate(context, source, disambiguation, n);
        return text.isEmpty() ? QString() : kMark + text;
    }
    [[nodiscard]] bool isEmpty() const override { return false; }
    QTranslator english;
};

/// The texts of `root` and everything below it that no translation went through.
QStringList UntranslatedTexts(const QObject& root)
{
    // Numbers with their units, symbols, proper names and the web address stay as they are.
    static const QRegularExpression kNoWords(QStringLiteral(
        "^[^A-Za-zÀ-ÿ]*$|^[-0-9,. ]*(°|rad/s|s|h|°/h|N|S)?$|^[0-9]+ h [0-9]+ min [0-9]+ s$"
        "|^Kestrova - v\\.[0-9.]+$"));
    const char* const properties[] = {"text",           "title",          "windowTitle",
                                      "toolTip",        "statusTip",      "whatsThis",
                                      "iconText",       "accessibleName", "accessibleDescription",
                                      "placeholderText"};
    QList<const QObject*> objects{&root};
    for (const QObject* child : root.findChildren<QObject*>())
        objects.append(child);
    // The sub-windows' own menus and buttons are Qt's.
    const auto ownedByQt = [](const QObject* object) {
        for (const QObject* o = object->parent(); o != nullptr; o = o->parent()) {
            if (QByteArray(o->metaObject()->className()).startsWith("kestrova::"))
                return false;
            if (qobject_cast<const QMdiSubWindow*>(o) != nullptr)
                return true;
        }
        return false;
    };
    QStringList found;
    for (const QObject* object : objects) {
        if (ownedByQt(object))
            continue;
        // A text that was never set is no translation either.
        if (const auto* button = qobject_cast<const QAbstractButton*>(object);
            button != nullptr && button->text().isEmpty() && button->icon().isNull())
            found.append(QStringLiteral("empty button ") + button->objectName());
        if (const auto* action = qobject_cast<const QAction*>(object);
            action != nullptr && !action->isSeparator() && action->text().isEmpty())
            found.append(QStringLiteral("empty action ") + action->objectName());
        for (const char* property : properties) {
            const QString text = object->property(property).toString();
            if (text.contains(kMark) || text.contains(kNoWords)
                || text == QLatin1String(kSiteAddress))
                continue;
            found.append(QStringLiteral("%1 %2.%3: %4")
                             .arg(QString::fromLatin1(object->metaObject()->className()),
                                  object->objectName(), QString::fromLatin1(property), text));
        }
    }
    return found;
}

struct Frame {
    Frame()
    {
        frame.quitApplication = [] {};
    }
    FakeCounterSource counter;
    MDIBrunmalt frame{counter};
};

void SwitchTo(MDIBrunmalt& frame, Language language)
{
    frame.LanguageChoice().Choose(language);
    QCoreApplication::sendPostedEvents(); // the language-change events
}

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Never the user's own settings.
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(settings_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
    }

    void everyTextInEnglish_data()
    {
        QTest::addColumn<std::int16_t>("simulation");
        QTest::addColumn<bool>("openedBeforeSwitch");
        QTest::newRow("damped, switched while open") << kDampedSimulation << true;
        QTest::newRow("damped, opened in English") << kDampedSimulation << false;
        QTest::newRow("Foucault, switched while open") << kFoucaultSimulation << true;
        QTest::newRow("Foucault, opened in English") << kFoucaultSimulation << false;
    }

    void everyTextInEnglish()
    {
        QFETCH(std::int16_t, simulation);
        QFETCH(bool, openedBeforeSwitch);
        Frame f;
        if (openedBeforeSwitch)
            f.frame.ShowSimulation(simulation);
        SwitchTo(f.frame, Language::English);
        // Consulted before the program's catalog; installing it changes the
        // language once more, and every open window retranslates.
        MarkingTranslator marking;
        QCoreApplication::installTranslator(&marking);
        QCoreApplication::sendPostedEvents();
        if (!openedBeforeSwitch)
            f.frame.ShowSimulation(simulation);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const QStringList untranslated = UntranslatedTexts(f.frame);
        QCoreApplication::removeTranslator(&marking);
        SwitchTo(f.frame, Language::French);
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
    }

    void switchKeepsTheRunAndIsRemembered()
    {
        Frame f;
        // What the next run starts in.
        const auto saved = [] {
            LanguageSwitch next;
            next.RestoreSaved();
            return next.Current();
        };
        QCOMPARE(saved(), Language::French); // nothing saved yet

        frmPenduleAmorti* window = f.frame.DampedWindow();
        auto* toggle = window->findChild<QPushButton*>(QStringLiteral("chkGo"));
        toggle->click();
        f.counter.AdvanceSeconds(0.25);
        window->AnimationTick();
        const double time = window->Run().State().Temps;
        QStringList values;
        const auto captions = window->findChildren<QLabel*>(QRegularExpression(
            QStringLiteral("^lbl(teta0|Omega0|Pulsation|Lambda|Relax|Pseudo|Qualite|Regime)$")));
        for (const QLabel* caption : captions)
            values.append(caption->objectName() + QLatin1Char('=') + caption->text());
        const QString pauseInFrench = toggle->text();
        const QString regimeInFrench =
            window->findChild<QLabel*>(QStringLiteral("lblRegime"))->text();

        SwitchTo(f.frame, Language::English);
        QVERIFY(toggle->isChecked());
        QVERIFY(window->findChild<QTimer*>(QStringLiteral("tmrPendule"))->isActive());
        QCOMPARE(window->Run().State().Temps, time);
        QVERIFY(toggle->text() != pauseInFrench);
        QCOMPARE(
            toggle->text(),
            QCoreApplication::translate("kestrova::frmPenduleAmorti", "Suspendre l'&animation"));
        QStringList valuesAfter;
        for (const QLabel* caption : captions) {
            if (caption->objectName() == QLatin1String("lblRegime"))
                QVERIFY(caption->text() != regimeInFrench);
            else
                valuesAfter.append(caption->objectName() + QLatin1Char('=') + caption->text());
        }
        values.removeIf([](const QString& v) { return v.startsWith(QLatin1String("lblRegime=")); });
        QCOMPARE(valuesAfter, values);

        QCOMPARE(saved(), Language::English);
        QCoreApplication::sendPostedEvents();
        SwitchTo(f.frame, Language::French);
        QCOMPARE(toggle->text(), pauseInFrench);
        QCOMPARE(saved(), Language::French);
    }

    // Qt's own texts (key names in menus, dialog buttons) follow the switch
    // from Qt's French catalog; without that catalog they stay English.
    void qtTextsFollowTheLanguage_data()
    {
        QTest::addColumn<bool>("catalogFound");
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("French") << true << Language::French << "Ctrl+Maj+E"
                                << "Annuler";
        QTest::newRow("English") << true << Language::English << "Ctrl+Shift+E"
                                 << "Cancel";
        QTest::newRow("no catalog") << false << Language::French << "Ctrl+Shift+E"
                                    << "Cancel";
    }
    void qtTextsFollowTheLanguage()
    {
        QFETCH(bool, catalogFound);
        QFETCH(Language, language);
        QFETCH(QString, keys);
        QFETCH(QString, cancel);
        LanguageSwitch choice(nullptr,
                              catalogFound ? LanguageSwitch::DefaultQtCatalogFolder()
                                           : settings_.filePath("none"));
        choice.Choose(language);
        QCOMPARE(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E).toString(QKeySequence::NativeText),
                 keys);
        QCOMPARE(
            QDialogButtonBox(QDialogButtonBox::Cancel).button(QDialogButtonBox::Cancel)->text(),
            cancel);
        choice.Choose(Language::French);
    }

    void guideFollowsTheLanguage()
    {
        Frame f;
        f.frame.Help()->GuideAction()->trigger();
        QTextBrowser* guide = f.frame.Help()->Guide();
        QVERIFY(guide != nullptr && guide->isVisible());
        const QString french = guide->documentTitle();
        QVERIFY(!french.isEmpty()); // the guide was found in the resources
        SwitchTo(f.frame, Language::English);
        const QString english = guide->documentTitle();
        QVERIFY(!english.isEmpty() && english != french);
        SwitchTo(f.frame, Language::French);
        QCOMPARE(guide->documentTitle(), french);
        // Escape closes it as it would a dialog.
        QVERIFY(QTest::qWaitForWindowActive(guide));
        QTest::keyClick(guide, Qt::Key_Escape);
        QVERIFY(!guide->isVisible());
    }

private:
    QTemporaryDir settings_;
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
