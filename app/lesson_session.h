#pragma once

/// \file
/// The lesson in progress: the frame's state gathered as a lesson value and
/// a lesson value applied to the frame (through the same controls a user
/// moves), the file it came from, whether it changed since it was opened or
/// saved, and the items of "Fichier" that open, save and start lessons.
///
/// A session that is neither opened from a file nor saved is untitled: it
/// never counts as modified, so the program behaves as it always did for
/// whoever does not use lessons.

#include "model/lesson.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QAction;
class QMenu;

namespace kestrova {

class MDIBrunmalt;
class frmPenduleForce;
class MeasurementSession;

class LessonSession : public QObject {
    Q_OBJECT

public:
    enum class UnsavedAnswer { Save, Discard, Cancel };
    /// Asks what to do with the unsaved changes of the lesson `name`.
    using UnsavedQuestion = std::function<UnsavedAnswer(const QString& name)>;
    /// Asks for a lesson file to open (empty: cancelled).
    using OpenChooser = std::function<QString()>;
    /// Asks for a name to save to, proposing `proposed` (empty: cancelled).
    using SaveChooser = std::function<QString(const QString& proposed)>;
    /// Tells the user a message (a refused file, a failed save).
    using Reporter = std::function<void(const QString& message)>;
    /// Shows the lesson's title and note to the students.
    using NoteShower = std::function<void(const QString& title, const QString& note)>;

    /// Adds the lesson items at the top of `fileMenu`.
    LessonSession(MDIBrunmalt& frame, QMenu& fileMenu);

    /// The frame's state now, as a lesson.
    [[nodiscard]] Lesson Gather() const;
    /// Puts the frame in the state of `lesson`: the window it names opened
    /// afresh and set, the menus' items, the kept runs.
    void Apply(const Lesson& lesson);

    /// Opens the lesson file at `path` after asking about unsaved changes.
    /// A refused file is reported and changes nothing. True when opened.
    bool Open(const QString& path);
    /// Opens one of the examples (a path among `Examples()`), as an
    /// untitled lesson named after it: saving asks for a name.
    bool OpenExample(const QString& path);
    /// Saves to the lesson's file, or asks for one; true when saved.
    bool Save();
    /// Saves to `path` (".kestrova" added when it has no suffix) and makes
    /// it the lesson's file; true when saved.
    bool SaveAs(const QString& path);
    /// Back to the program's start state, untitled, after asking about
    /// unsaved changes.
    void NewSession();
    /// Asks about unsaved changes when there are any; true when the caller
    /// may go on (saved, or discarded), false when the user cancelled.
    bool MayDiscardChanges();

    /// A lesson opened or saved has changed since.
    [[nodiscard]] bool Modified() const { return modified_; }
    /// The file's name for the frame's caption, empty while untitled.
    [[nodiscard]] QString CaptionName() const { return name_; }
    [[nodiscard]] QString FilePath() const { return path_; }
    /// The recently opened or saved files, newest first.
    [[nodiscard]] QStringList RecentFiles() const;
    /// The example lessons that come with the program.
    [[nodiscard]] static QStringList Examples();

    /// The frame opened a simulation window: its changes count from now on.
    void WindowOpened();

    [[nodiscard]] QAction* NewAction() const { return new_; }
    [[nodiscard]] QAction* OpenAction() const { return open_; }
    [[nodiscard]] QAction* SaveAction() const { return save_; }
    [[nodiscard]] QAction* SaveAsAction() const { return saveAs_; }
    [[nodiscard]] QMenu* ExamplesMenu() const { return examples_; }
    [[nodiscard]] QMenu* RecentMenu() const { return recent_; }

    void SetUnsavedQuestion(UnsavedQuestion question) { askUnsaved_ = std::move(question); }
    void SetOpenChooser(OpenChooser chooser) { chooseOpen_ = std::move(chooser); }
    void SetSaveChooser(SaveChooser chooser) { chooseSave_ = std::move(chooser); }
    void SetReporter(Reporter reporter) { report_ = std::move(reporter); }
    void SetNoteShower(NoteShower shower) { showNote_ = std::move(shower); }

    /// An imported measurement changes the lesson too.
    void FollowMeasurement(MeasurementSession& measured);

signals:
    /// The caption's name or the modified mark changed.
    void TitleChanged();

private:
    /// The open driven-pendulum window, or null.
    [[nodiscard]] frmPenduleForce* DrivenWindow() const;

    // The menu and the dialogs (lesson_menu.cpp).
    void CreateActions(QMenu& fileMenu);
    void FillExamples();
    void FillRecent();
    void RememberRecent(const QString& path);
    void InstallDefaultDialogs();

    /// Reads the open windows' setups into the kept copies and updates the
    /// modified mark.
    void Recheck();
    /// The lesson as it now stands is the saved one, named `name`.
    void MarkSaved(const QString& path, const QString& name);
    bool OpenReading(const QString& path, const QString& name, bool keepPath);

    MDIBrunmalt& frame_;
    /// The setups of both windows, kept while a window is closed.
    DampedWindowSetup damped_;
    FoucaultWindowSetup foucault_;
    DrivenSetup driven_;
    std::string title_;
    std::string note_;
    bool graphsOpen_ = false;
    /// The lesson as last opened or saved; changes count against it.
    Lesson saved_;
    QString path_;
    QString name_;
    bool modified_ = false;
    bool applying_ = false;

    QAction* new_ = nullptr;
    QAction* open_ = nullptr;
    QAction* save_ = nullptr;
    QAction* saveAs_ = nullptr;
    QMenu* examples_ = nullptr;
    QMenu* recent_ = nullptr;
    UnsavedQuestion askUnsaved_;
    OpenChooser chooseOpen_;
    SaveChooser chooseSave_;
    Reporter report_;
    NoteShower showNote_;
};

} // namespace kestrova
