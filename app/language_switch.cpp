#include "app/language_switch.h"

#include <QCoreApplication>
#include <QSettings>

#include <memory>

namespace kestrova {

namespace {

constexpr char kEnglishCatalog[] = ":/kestrova/translations/kestrova_en.qm";
constexpr char kLanguageKey[] = "language";
constexpr char kEnglishName[] = "en";

// The user's settings file of the program (a test may move it with QSettings::setPath).
std::unique_ptr<QSettings> Settings()
{
    return std::make_unique<QSettings>(QStringLiteral("Kestrova"), QStringLiteral("Kestrova"));
}

} // namespace

LanguageSwitch::LanguageSwitch(QObject* parent)
    : QObject(parent)
{ }

LanguageSwitch::~LanguageSwitch()
{
    if (installed_)
        QCoreApplication::removeTranslator(&translator_);
}

void LanguageSwitch::Choose(Language language)
{
    Apply(language);
    Settings()->setValue(kLanguageKey, language == Language::English ? kEnglishName : "fr");
}

void LanguageSwitch::RestoreSaved()
{
    const bool english = Settings()->value(kLanguageKey).toString() == QLatin1String(kEnglishName);
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
    current_ = language;
    emit Changed(language);
}

} // namespace kestrova
