#include "app/help_menu.h"

#include "app/kestrova_version.h"
#include "app/language_switch.h"
#include "app/mdi_brunmalt.h"
#include "resources/resource_paths.h"
#include "ui/common/translatable.h"
#include "ui/graphs/graphs_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QShortcut>
#include <QTextBrowser>

namespace kestrova {

namespace {

constexpr QSize kGuideSize(760, 640);

} // namespace

namespace {

QString WithoutMnemonic(QString text)
{
    return text.remove(QLatin1Char('&'));
}

/// The keys as the user reads them; the French keyboard says "Maj" for Shift.
QString KeysText(const QAction& action)
{
    QStringList keys;
    for (const QKeySequence& sequence : action.shortcuts()) {
        keys << sequence.toString(QKeySequence::NativeText)
                    .replace(QStringLiteral("Shift"),
                             QCoreApplication::translate("kestrova::HelpMenu", "Maj"));
    }
    return keys.join(QStringLiteral(", "));
}

void AddMenuRows(const QMenu& menu, const QString& path, QList<ShortcutRow>& rows)
{
    for (const QAction* action : menu.actions()) {
        const QString place = path + QStringLiteral(" › ") + WithoutMnemonic(action->text());
        if (const QMenu* submenu = action->menu())
            AddMenuRows(*submenu, place, rows);
        else if (!action->shortcuts().isEmpty())
            rows.append({KeysText(*action), place});
    }
}

} // namespace

QList<ShortcutRow> ShortcutRows(const QMenuBar& menuBar)
{
    QList<ShortcutRow> rows;
    for (const QAction* entry : menuBar.actions()) {
        if (const QMenu* menu = entry->menu())
            AddMenuRows(*menu, WithoutMnemonic(menu->title()), rows);
    }
    // Mnemonics and keys of the windows' controls, which no menu holds.
    static const std::pair<const char*, const char*> kWindowKeys[] = {
        {QT_TRANSLATE_NOOP("kestrova::HelpMenu", "Tab, Maj+Tab"),
         QT_TRANSLATE_NOOP("kestrova::HelpMenu", "passe d'une commande à l'autre")},
        {QT_TRANSLATE_NOOP("kestrova::HelpMenu", "Flèches, Page préc./suiv., Début/Fin"),
         QT_TRANSLATE_NOOP("kestrova::HelpMenu",
                           "déplacent le curseur qui a le focus (la simulation repart de zéro)")},
        {QT_TRANSLATE_NOOP("kestrova::HelpMenu", "Alt+A"),
         QT_TRANSLATE_NOOP("kestrova::HelpMenu", "lance ou suspend l'animation")},
        {QT_TRANSLATE_NOOP("kestrova::HelpMenu", "Alt+P"),
         QT_TRANSLATE_NOOP("kestrova::HelpMenu", "« Position initiale »")},
        {QT_TRANSLATE_NOOP("kestrova::HelpMenu", "Alt+F"),
         QT_TRANSLATE_NOOP("kestrova::HelpMenu", "« Approximation angle faible »")},
        {QT_TRANSLATE_NOOP("kestrova::HelpMenu", "Alt+L, puis Entrée"),
         QT_TRANSLATE_NOOP("kestrova::HelpMenu",
                           "fenêtre de Foucault : va à la longueur, puis lance")},
        {QT_TRANSLATE_NOOP("kestrova::HelpMenu", "Alt+T, Alt+J, Alt+C"),
         QT_TRANSLATE_NOOP("kestrova::HelpMenu",
                           "fenêtre de Foucault : latitude, jour, accélération du temps")},
        {QT_TRANSLATE_NOOP("kestrova::HelpMenu", "Alt+G, Alt+Z, Alt+V"),
         QT_TRANSLATE_NOOP("kestrova::HelpMenu",
                           "fenêtre « Graphiques » : grille, zoom par cadre, vue d'ensemble")},
        {QT_TRANSLATE_NOOP("kestrova::HelpMenu", "Flèches, Alt+U, Entrée"),
         QT_TRANSLATE_NOOP(
             "kestrova::HelpMenu",
             "fenêtre « Graphiques » : déplacent le curseur, mesurer, pose un point")},
        {QT_TRANSLATE_NOOP("kestrova::HelpMenu", "Alt+R, Alt+X, Alt+B"),
         QT_TRANSLATE_NOOP("kestrova::HelpMenu",
                           "fenêtre « Graphiques » : style projecteur, "
                           "exporter l'image, le tableau")},
    };
    for (const auto& [keys, action] : kWindowKeys)
        rows.append({HelpMenu::tr(keys), HelpMenu::tr(action)});
    return rows;
}

HelpMenu::HelpMenu(QWidget* frame, LanguageSwitch& language)
    : QMenu(frame)
    , language_(language)
{
    setObjectName(QStringLiteral("helpMenu"));
    // Alt+A already starts the animation: the menu takes another letter.
    SetTranslatable(this, "title", QT_TR_NOOP("Ai&de"));

    guideAction_ = addAction(QString(), this, &HelpMenu::ShowGuide);
    SetTranslatable(guideAction_, "text", QT_TR_NOOP("&Guide de l'enseignant"));
    guideAction_->setShortcut(QKeySequence(Qt::Key_F1));
    // Works from any window of the program, the guide itself included.
    guideAction_->setShortcutContext(Qt::ApplicationShortcut);

    QAction* shortcuts = addAction(QString(), this, &HelpMenu::ShowShortcuts);
    SetTranslatable(shortcuts, "text", QT_TR_NOOP("&Raccourcis clavier"));
    addSeparator();
    CreateLanguageMenu();
    addSeparator();
    QAction* about = addAction(QString(), this, &HelpMenu::ShowAbout);
    SetTranslatable(about, "text", QT_TR_NOOP("À &propos de Kestrova"));
    QAction* aboutQt = addAction(QString(), this, [this] { QMessageBox::aboutQt(parentWidget()); });
    SetTranslatable(aboutQt, "text", QT_TR_NOOP("À propos de &Qt"));

    connect(&language_, &LanguageSwitch::Changed, this, [this] {
        if (guide_)
            LoadGuide();
    });
}

void HelpMenu::CreateLanguageMenu()
{
    // Named in both languages, so that a user who cannot read the present
    // one still finds it.
    QMenu* menu = addMenu(QString());
    SetTranslatable(menu, "title", QT_TR_NOOP("&Langue / Language"));
    auto* group = new QActionGroup(menu);
    const std::pair<Language, const char*> choices[] = {
        {Language::French, QT_TR_NOOP("Français")},
        {Language::English, QT_TR_NOOP("English")},
    };
    for (const auto& [language, name] : choices) {
        QAction* action = menu->addAction(QString());
        SetTranslatable(action, "text", name);
        action->setObjectName(language == Language::French ? QStringLiteral("french")
                                                           : QStringLiteral("english"));
        action->setCheckable(true);
        action->setChecked(language_.Current() == language);
        group->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, language = language] { language_.Choose(language); });
        connect(
            &language_, &LanguageSwitch::Changed, action,
            [action, language = language](Language now) { action->setChecked(now == language); });
    }
}

void HelpMenu::ShowGuide()
{
    if (!guide_) {
        guide_ = new QTextBrowser(parentWidget());
        guide_->setWindowFlag(Qt::Window);
        guide_->setAttribute(Qt::WA_DeleteOnClose);
        guide_->setObjectName(QStringLiteral("guide"));
        guide_->setOpenExternalLinks(true);
        guide_->resize(kGuideSize);
        // A window of its own, closed with Escape as a dialog would be.
        auto* close = new QShortcut(QKeySequence::Cancel, guide_);
        connect(close, &QShortcut::activated, guide_, &QWidget::close);
        LoadGuide();
    }
    guide_->show();
    guide_->raise();
    guide_->activateWindow();
}

void HelpMenu::LoadGuide()
{
    guide_->setWindowTitle(tr("Guide de l'enseignant — Kestrova"));
    const char* path =
        language_.Current() == Language::English ? kGuideEnglishPath : kGuideFrenchPath;
    guide_->setSource(QUrl(QStringLiteral("qrc") + QString::fromLatin1(path)));
}

void HelpMenu::ShowShortcuts()
{
    auto* frame = qobject_cast<QMainWindow*>(parentWidget());
    QString table = QStringLiteral("<table cellspacing=\"2\" cellpadding=\"4\">");
    for (const ShortcutRow& row : ShortcutRows(*frame->menuBar())) {
        table += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                     .arg(row.Keys.toHtmlEscaped(), row.Action.toHtmlEscaped());
    }
    table += QStringLiteral("</table>");
    auto* box = new QMessageBox(QMessageBox::NoIcon, tr("Raccourcis clavier"), table,
                                QMessageBox::Ok, parentWidget());
    box->setTextFormat(Qt::RichText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void HelpMenu::ShowAbout()
{
    const QString text =
        QStringLiteral("<p><b>%1</b></p><p>%2</p><p>%3</p><p>%4</p>")
            .arg(FrameCaption(kVersionMajor, kVersionMinor),
                 tr("Simulations du pendule pesant amorti et du pendule de Foucault, pour "
                    "enseigner le pendule pesant."),
                 tr("Kestrova est un logiciel libre : vous pouvez le redistribuer et le modifier "
                    "selon les termes de la licence publique générale GNU (GPL) publiée par la "
                    "Free Software Foundation, version 3 ou (à votre choix) toute version "
                    "ultérieure. Il est fourni sans aucune garantie."),
                 tr("Construit avec Qt %1 et QCustomPlot %2.")
                     .arg(QString::fromLatin1(qVersion()), GraphsWindow::LibraryVersion()));
    QMessageBox::about(parentWidget(), tr("À propos de Kestrova"), text);
}

} // namespace kestrova
