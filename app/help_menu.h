#pragma once

/// \file
/// The frame's "Aide" menu: the teacher's guide (F1) in a window of the
/// program, the keyboard shortcuts, the about boxes of Kestrova and of Qt,
/// and the choice of the interface language.

#include <QMenu>
#include <QPointer>
#include <QTextBrowser>

class QAction;

namespace kestrova {

class LanguageSwitch;

class HelpMenu : public QMenu {
    Q_OBJECT

public:
    /// The menu of `frame`, whose language choice goes through `language`
    /// (which must outlive the menu).
    HelpMenu(QWidget* frame, LanguageSwitch& language);

    /// Opens the guide, or brings it forward, in the interface language.
    void ShowGuide();

    [[nodiscard]] QAction* GuideAction() const { return guideAction_; }
    /// The guide window once opened, or null.
    [[nodiscard]] QTextBrowser* Guide() const { return guide_; }

private:
    void CreateLanguageMenu();
    void ShowShortcuts();
    void ShowAbout();
    void LoadGuide();

    LanguageSwitch& language_;
    QAction* guideAction_ = nullptr;
    QPointer<QTextBrowser> guide_;
};

} // namespace kestrova
