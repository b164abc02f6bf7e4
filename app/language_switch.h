#pragma once

/// \file
/// The interface language: French, the language the program is written in,
/// or English through the compiled-in translation. The choice takes effect at
/// once (every window retranslates on Qt's language-change event) and is the
/// program's one setting, kept between runs. French is the default whatever
/// the system locale; numbers keep following the locale either way.

#include <QObject>
#include <QTranslator>

namespace kestrova {

enum class Language { French, English };

class LanguageSwitch : public QObject {
    Q_OBJECT

public:
    /// `qtCatalogFolder` holds Qt's own catalogs (qtbase_fr.qm); by default
    /// the folder of the Qt the program runs with.
    explicit LanguageSwitch(QObject* parent = nullptr,
                            const QString& qtCatalogFolder = DefaultQtCatalogFolder());
    ~LanguageSwitch() override;

    [[nodiscard]] Language Current() const { return current_; }

    /// Switches to `language` and remembers it for the next runs.
    void Choose(Language language);

    /// Switches to the language remembered from an earlier run, French if none.
    void RestoreSaved();

    [[nodiscard]] static QString DefaultQtCatalogFolder();

signals:
    void Changed(kestrova::Language language);

private:
    void Apply(Language language);
    /// Qt's French catalog in or out, if it could be read.
    void UseQtFrench(bool use);

    QTranslator translator_;
    bool installed_ = false;
    QTranslator qtFrench_;
    bool qtFrenchInstalled_ = false;
    Language current_ = Language::French;
};

} // namespace kestrova
