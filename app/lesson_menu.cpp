// The lesson items of "Fichier", the recent files and the examples, and the
// dialogs a user sees by default (tests put their own in their place).

#include "app/lesson_file.h"
#include "app/lesson_session.h"
#include "app/mdi_brunmalt.h"
#include "app/user_settings.h"
#include "ui/common/translatable.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>

namespace kestrova {

namespace {

constexpr char kRecentKey[] = "lecons/recentes";
constexpr qsizetype kRecentCount = 8;
/// Where the examples are compiled into the program.
constexpr char kExamplesFolder[] = ":/kestrova/examples";

} // namespace

void LessonSession::CreateActions(QMenu& fileMenu)
{
    auto action = [this](const char* text, QKeySequence shortcut) {
        auto* created = new QAction(this);
        SetTranslatable(created, "text", text);
        created->setShortcut(shortcut);
        // The shortcuts work over the whole frame, whichever child has the focus.
        frame_.addAction(created);
        return created;
    };
    new_ = action(QT_TR_NOOP("&Nouvelle séance"), QKeySequence(Qt::CTRL | Qt::Key_N));
    open_ = action(QT_TR_NOOP("&Ouvrir…"), QKeySequence::Open);
    save_ = action(QT_TR_NOOP("&Enregistrer"), QKeySequence::Save);
    saveAs_ =
        action(QT_TR_NOOP("Enregistrer &sous…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    // The submenus are the frame's widgets, and translated in its context.
    examples_ = new QMenu(&fileMenu);
    SetTranslatable(examples_, "title",
                    QT_TRANSLATE_NOOP("kestrova::MDIBrunmalt", "Ouvrir un e&xemple"));
    recent_ = new QMenu(&fileMenu);
    SetTranslatable(recent_, "title",
                    QT_TRANSLATE_NOOP("kestrova::MDIBrunmalt", "Fichiers &récents"));

    const QList<QAction*> existing = fileMenu.actions();
    QAction* before = existing.isEmpty() ? nullptr : existing.first();
    fileMenu.insertActions(before, {new_, open_});
    fileMenu.insertMenu(before, examples_);
    fileMenu.insertMenu(before, recent_);
    fileMenu.insertSeparator(before);
    fileMenu.insertActions(before, {save_, saveAs_});
    fileMenu.insertSeparator(before);

    connect(new_, &QAction::triggered, this, &LessonSession::NewSession);
    connect(open_, &QAction::triggered, this, [this] {
        const QString path = chooseOpen_ ? chooseOpen_() : QString();
        if (!path.isEmpty())
            Open(path);
    });
    connect(save_, &QAction::triggered, this, &LessonSession::Save);
    connect(saveAs_, &QAction::triggered, this, [this] {
        const QString proposed = path_.isEmpty() ? name_ : path_;
        const QString chosen = chooseSave_ ? chooseSave_(proposed) : QString();
        if (!chosen.isEmpty())
            SaveAs(chosen);
    });
    connect(examples_, &QMenu::aboutToShow, this, &LessonSession::FillExamples);
    connect(recent_, &QMenu::aboutToShow, this, &LessonSession::FillRecent);
}

void LessonSession::InstallDefaultDialogs()
{
    QWidget* parent = &frame_;
    const QString filter = tr("Leçons Kestrova (*.kestrova)");
    chooseOpen_ = [parent, filter] {
        return QFileDialog::getOpenFileName(
            parent, tr("Ouvrir une leçon"),
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), filter);
    };
    chooseSave_ = [parent, filter](const QString& proposed) {
        const QString start = QFileInfo(proposed).isAbsolute()
            ? proposed
            : QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                  .filePath(proposed);
        return QFileDialog::getSaveFileName(parent, tr("Enregistrer la leçon"), start, filter);
    };
    report_ = [parent](const QString& message) {
        QMessageBox::warning(parent, tr("Leçon"), message);
    };
    askUnsaved_ = [parent](const QString& name) {
        QMessageBox box(
            QMessageBox::Question, tr("Leçon modifiée"),
            tr("La leçon « %1 » a été modifiée. Enregistrer les modifications ?").arg(name),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
        box.button(QMessageBox::Save)->setText(tr("Enregistrer"));
        box.button(QMessageBox::Discard)->setText(tr("Ne pas enregistrer"));
        box.button(QMessageBox::Cancel)->setText(tr("Annuler"));
        box.setDefaultButton(QMessageBox::Save);
        switch (box.exec()) {
        case QMessageBox::Save:
            return UnsavedAnswer::Save;
        case QMessageBox::Discard:
            return UnsavedAnswer::Discard;
        default:
            return UnsavedAnswer::Cancel;
        }
    };
    showNote_ = [parent](const QString& title, const QString& note) {
        // Not modal: the students read it beside the window and close it.
        auto* box = new QMessageBox(QMessageBox::Information, title.isEmpty() ? tr("Leçon") : title,
                                    note, QMessageBox::Ok, parent);
        box->setObjectName(QStringLiteral("lessonNote"));
        box->setText(QStringLiteral("<b>%1</b>").arg(title.toHtmlEscaped()));
        box->setInformativeText(note);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    };
}

QStringList LessonSession::Examples()
{
    const QDir folder(QString::fromLatin1(kExamplesFolder));
    QStringList paths;
    for (const QString& name :
         folder.entryList({QStringLiteral("*.kestrova")}, QDir::Files, QDir::Name))
        paths.append(folder.filePath(name));
    return paths;
}

void LessonSession::FillExamples()
{
    examples_->clear();
    for (const QString& path : Examples()) {
        // Listed by their titles, in the language they were written in.
        const LessonReading reading = ReadLessonFile(path);
        const QString title = reading.lesson && !reading.lesson->title.empty()
            ? QString::fromStdString(reading.lesson->title)
            : QFileInfo(path).completeBaseName();
        connect(examples_->addAction(title), &QAction::triggered, this,
                [this, path] { OpenExample(path); });
    }
}

QStringList LessonSession::RecentFiles() const
{
    return UserSettings()->value(QLatin1String(kRecentKey)).toStringList();
}

void LessonSession::RememberRecent(const QString& path)
{
    QStringList recent = RecentFiles();
    recent.removeAll(path);
    recent.prepend(path);
    UserSettings()->setValue(QLatin1String(kRecentKey), recent.mid(0, kRecentCount));
}

void LessonSession::FillRecent()
{
    recent_->clear();
    const QStringList recent = RecentFiles();
    for (qsizetype i = 0; i < recent.size(); ++i) {
        const QString path = recent[i];
        QAction* item = recent_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
            QFileInfo(path).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"))));
        item->setToolTip(QDir::toNativeSeparators(path));
        connect(item, &QAction::triggered, this, [this, path] { Open(path); });
    }
    if (recent.isEmpty()) {
        QAction* none = recent_->addAction(tr("(aucun)"));
        none->setEnabled(false);
    }
}

} // namespace kestrova
