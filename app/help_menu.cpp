#include "app/help_menu.h"

#include "app/kestrova_version.h"
#include "app/language_switch.h"
#include "app/mdi_brunmalt.h"
#include "resources/resource_paths.h"
#include "ui/common/translatable.h"

#include <QAction>
#include <QActionGroup>
#include <QMessageBox>
#include <QTextBrowser>

namespace kestrova {

namespace {

constexpr QSize kGuideSize(760, 640);

} // namespace

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
    // The keys of the frame and of both windows, as the README lists them.
    static const std::pair<const char*, const char*> kRows[] = {
        {QT_TR_NOOP("Ctrl+1, Ctrl+2"),
         QT_TR_NOOP("ouvre le pendule pesant amorti, le pendule de Foucault")},
        {QT_TR_NOOP("Ctrl+Q"), QT_TR_NOOP("quitte le programme")},
        {QT_TR_NOOP("F1"), QT_TR_NOOP("ouvre le guide de l'enseignant")},
        {QT_TR_NOOP("Tab, Maj+Tab"), QT_TR_NOOP("passe d'une commande à l'autre")},
        {QT_TR_NOOP("Flèches, Page préc./suiv., Début/Fin"),
         QT_TR_NOOP("déplacent le curseur qui a le focus (la simulation repart de zéro)")},
        {QT_TR_NOOP("Alt+A"), QT_TR_NOOP("lance ou suspend l'animation")},
        {QT_TR_NOOP("Alt+P"), QT_TR_NOOP("« Position initiale »")},
        {QT_TR_NOOP("Alt+F"), QT_TR_NOOP("« Approximation angle faible »")},
        {QT_TR_NOOP("Alt+L, puis Entrée"),
         QT_TR_NOOP("fenêtre de Foucault : va à la longueur, puis lance")},
        {QT_TR_NOOP("Ctrl+0, Ctrl+Maj+2, 4, 8"),
         QT_TR_NOOP("vitesse normale, ralenti ×1/2, ×1/4, ×1/8 (les deux simulations)")},
        {QT_TR_NOOP("Ctrl+."),
         QT_TR_NOOP("pas suivant : avance de 10 ms le pendule amorti suspendu")},
        {QT_TR_NOOP("Ctrl+M"), QT_TR_NOOP("ouvre ou ferme le panneau des mesures")},
        {QT_TR_NOOP("Ctrl+K"), QT_TR_NOOP("courbes d'énergie sur le portrait de phase")},
        {QT_TR_NOOP("Ctrl+E, Ctrl+Maj+E"),
         QT_TR_NOOP("exporte les données, les graphiques de la fenêtre")},
        {QT_TR_NOOP("Ctrl+C, Ctrl+P"),
         QT_TR_NOOP("copie le graphique sous le pointeur, imprime la fenêtre")},
        {QT_TR_NOOP("Alt+T, Alt+J, Alt+C"),
         QT_TR_NOOP("fenêtre de Foucault : latitude, jour, accélération du temps")},
    };
    QString table = QStringLiteral("<table cellspacing=\"2\" cellpadding=\"4\">");
    for (const auto& [keys, action] : kRows) {
        table += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                     .arg(tr(keys).toHtmlEscaped(), tr(action).toHtmlEscaped());
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
        QStringLiteral("<p><b>%1</b></p><p>%2</p><p>%3</p>")
            .arg(FrameCaption(kVersionMajor, kVersionMinor),
                 tr("Simulations du pendule pesant amorti et du pendule de Foucault, pour "
                    "enseigner le pendule pesant."),
                 tr("Construit avec Qt %1.").arg(QString::fromLatin1(qVersion())));
    QMessageBox::about(parentWidget(), tr("À propos de Kestrova"), text);
}

} // namespace kestrova
