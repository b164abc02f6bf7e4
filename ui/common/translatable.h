#pragma once

/// \file
/// Texts that follow the interface language. A control's text is written in
/// French in the source, marked for the translation tools (QT_TR_NOOP in a
/// member function of the window that owns the control) and handed over with
/// its property name; it is translated now and again whenever the language
/// changes, without the window rebuilding anything.
///
/// The translation context of an object is the class name of its nearest
/// Kestrova ancestor (the object itself included): the window, frame or menu
/// class whose member function marked the text, as the translation tools see it.

#include <QString>

#include <functional>

class QObject;
class QWidget;

namespace kestrova {

/// The French `source` translated in the context of `object`.
[[nodiscard]] QString TranslateFor(const QObject& object, const char* source);

/// Sets the QString `property` of `object` to the translation of `source`,
/// now and on every language change under a window that retranslates.
void SetTranslatable(QObject* object, const char* property, const char* source);

/// Writes again every text marked by `SetTranslatable` in `root` and below in
/// the current language; labels fit their new texts as they were placed.
void RetranslateTexts(QObject& root);

/// Runs `RetranslateTexts(widget)` then `more` each time the language of the
/// application changes.
void RetranslateOnLanguageChange(QWidget& widget, std::function<void()> more = {});

} // namespace kestrova
