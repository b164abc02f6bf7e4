#pragma once

/// \file
/// Placing controls on a window laid out in twips (1440 per inch, 15 per
/// logical pixel), and fitting their texts into the design sizes: the
/// substitute for the classic dialog font is a little wider than the texts'
/// design boxes allow, so a text that would not fit is condensed a little.

#include <QRect>
#include <QString>
#include <QStringList>

class QLabel;
class QSlider;
class QWidget;

namespace kestrova {

/// A control's place in its container, in twips.
struct TwipsBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

/// The box in whole logical pixels.
[[nodiscard]] QRect TwipsRect(const TwipsBox& box);

/// How a label takes its size.
enum class LabelSizing {
    Fixed,    ///< keeps its box; its text condensed to fit on one line
    AutoSize, ///< takes the size of its text, its top-left corner in place
    WordWrap, ///< keeps its box; its text wraps and is condensed until it fits
};

/// A top-left aligned label named `name`, placed at `box` in `parent`. A
/// `pointSize` above 0 replaces the size of the parent's font (the Greek
/// symbol labels are larger than the dialog text).
QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, const TwipsBox& box,
                 LabelSizing sizing, double pointSize = 0);
/// The same with a translatable French text (see SetTranslatable).
QLabel* AddLabel(QWidget* parent, const char* name, const char* source, const TwipsBox& box,
                 LabelSizing sizing, double pointSize = 0);

/// Sizes or condenses a label made by `AddLabel` for its present text, as its
/// sizing says (after a change of language).
void FitLabel(QLabel* label);

/// A horizontal slider with tick marks below, single step 1, page step 5.
QSlider* AddSlider(QWidget* parent, const char* name, const TwipsBox& box, int minimum, int maximum,
                   int tickInterval);

/// Condenses the widget's font just enough for every text to fit on one line
/// of at most `room` pixels, trailing blanks included.
void CondenseToFit(QWidget* widget, const QStringList& texts, int room);

/// Condenses a word-wrapped label's font until all its lines fit its box.
void CondenseToWrap(QLabel* label);

/// Changes a caption only when its text changes; an autosizing label then
/// takes the size of its new text, its top-left corner staying in place.
void SetCaption(QLabel* label, const QString& text, bool autoSize = true);

} // namespace kestrova
