#pragma once

/// \file
/// The frame's "Aide" menu: the teacher's guide (F1) in a window of the
/// program, the keyboard shortcuts, the about boxes of Kestrova and of Qt,
/// and the choice of the interface language.

#include <QMenu>
#include <QPointer>
#include <QTextBrowser>

class QAction;
class QMenuBar;

namespace kestrova {

class LanguageSwitch;

/// One line of the shortcuts box: the keys and what they do.
struct ShortcutRow {
    QString Keys;
    QString Action;
    friend bool operator==(const ShortcutRow&, const ShortcutRow&) = default;
};

/// The keys of every menu item of `menuBar` that has some, in menu order, in
/// the current language ("Animation › Pas suivant"), then the keys of the
/// windows' own controls, which are no menu items.
[[nodiscard]] QList<ShortcutRow> ShortcutRows(const QMenuBar& menuBar);

class HelpMenu : public QMenu {
    Q_OBJECT

public:
    /// The menu of `frame`, whose language choice goes through `language`
    /// (which must outlive the menu).
    HelpMenu(QWidget* frame, LanguageSwitch& language);

    /// Opens the guide, or brings it forward, in the interface language;
    /// Escape closes it.
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
