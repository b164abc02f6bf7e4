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
    explicit LanguageSwitch(QObject* parent = nullptr);
    ~LanguageSwitch() override;

    [[nodiscard]] Language Current() const { return current_; }

    /// Switches to `language` and remembers it for the next runs.
    void Choose(Language language);

    /// Switches to the language remembered from an earlier run, French if none.
    void RestoreSaved();

signals:
    void Changed(kestrova::Language language);

private:
    void Apply(Language language);

    QTranslator translator_;
    bool installed_ = false;
    Language current_ = Language::French;
};

} // namespace kestrova
