#include "app/language_switch.h"

#include "app/user_settings.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>

#include <memory>

namespace kestrova {

namespace {

constexpr char kEnglishCatalog[] = ":/kestrova/translations/kestrova_en.qm";
constexpr char kLanguageKey[] = "language";
constexpr char kEnglishName[] = "en";
constexpr char kQtFrenchCatalog[] = "qtbase_fr";

} // namespace

LanguageSwitch::LanguageSwitch(QObject* parent, const QString& qtCatalogFolder)
    : QObject(parent)
{
    // A missing catalog leaves Qt's texts in English; nothing else changes.
    if (qtFrench_.load(QString::fromLatin1(kQtFrenchCatalog), qtCatalogFolder))
        UseQtFrench(true);
}

LanguageSwitch::~LanguageSwitch()
{
    if (installed_)
        QCoreApplication::removeTranslator(&translator_);
    UseQtFrench(false);
}

QString LanguageSwitch::DefaultQtCatalogFolder()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

void LanguageSwitch::UseQtFrench(bool use)
{
    if (use == qtFrenchInstalled_ || qtFrench_.isEmpty())
        return;
    if (use)
        qtFrenchInstalled_ = QCoreApplication::installTranslator(&qtFrench_);
    else
        qtFrenchInstalled_ = !QCoreApplication::removeTranslator(&qtFrench_);
}

void LanguageSwitch::Choose(Language language)
{
    Apply(language);
    UserSettings()->setValue(kLanguageKey, language == Language::English ? kEnglishName : "fr");
}

void LanguageSwitch::RestoreSaved()
{
    const bool english =
        UserSettings()->value(kLanguageKey).toString() == QLatin1String(kEnglishName);
    Apply(english ? Language::English : Language::French);
}

void LanguageSwitch::Apply(Language language)
{
    if (language == current_)
        return;
    if (language == Language::English) {
        // A catalog that cannot be read leaves the interface in French.
        if (!translator_.load(QString::fromLatin1(kEnglishCatalog)))
            return;
        installed_ = QCoreApplication::installTranslator(&translator_);
    } else if (installed_) {
        QCoreApplication::removeTranslator(&translator_);
        installed_ = false;
    }
    UseQtFrench(language == Language::French);
    current_ = language;
    emit Changed(language);
}

} // namespace kestrova
