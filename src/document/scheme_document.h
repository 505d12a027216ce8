// The document the editor works on: the scheme and the undo stack of every
// change to what its file would hold and to the mode. It is the only place
// that changes the scheme; a view reads it and redraws when it says so.
//
// Moving the current car or the walk position is navigation: it changes
// nothing in the file and is not a step of the stack. Every step restores
// the position it was made at, undone and redone alike.
#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/language.h"
#include "model/layout.h"
#include "model/parameter_entry.h"
#include "model/scheme.h"
#include "model/scheme_change.h"

namespace quorvane {

class SchemeDocument final : public QObject {
    Q_OBJECT

public:
    // A new scheme, as NewScheme makes it, with nothing to undo.
    explicit SchemeDocument(Language language = Language::English, QObject* parent = nullptr);
    ~SchemeDocument() override;

    const Scheme& scheme() const { return scheme_; }
    const QUndoStack& undoStack() const { return stack_; }
    // Whether the scheme differs from what was last saved, opened or made new.
    bool IsModified() const { return !stack_.isClean(); }
    // The language in which later steps are named.
    void SetLanguage(Language language) { language_ = language; }

    // The file the scheme was opened from or last saved to; empty for a
    // scheme that has none yet.
    const QString& filePath() const { return file_.path; }
    // Whether that file's size or modification time differs from when it was
    // opened or saved, so that writing it would replace what another program
    // wrote. A file that is gone has lost nothing and counts as unchanged.
    bool FileChangedOnDisk() const;

    // New and Open start afresh: opening is not undoable.
    // The scheme of NewScheme, named "new_scheme" and without a file.
    void New();
    // A scheme read from the file at path (empty: from none), its walk
    // started at the first wheel set.
    void Open(std::unique_ptr<Scheme> read, const QString& path);
    // The scheme was saved to path under the name: what it holds now is
    // unmodified, and path is its file.
    void MarkSaved(std::string name, const QString& path);

    enum class LayoutStep {
        AddCar,
        RemoveCar,
        AddAxle,
        RemoveAxle,
        AddBogie,
        RemoveBogie,
        NextSchemeType,
        PreviousSchemeType,
    };
    // Steps of the layout, in LayoutMode only; a step at its limit is none.
    void ChangeLayout(LayoutStep step);
    enum class CarStep { InsertAfter, InsertBefore, Remove };
    // A car inserted beside the current one, or the current car removed, in
    // LayoutMode only: one step each. False, with nothing changed, where the
    // train has 40 cars to insert or 1 to remove.
    bool ChangeCars(CarStep step);
    void SetInverted(bool inverted);
    // A count typed into its field, in LayoutMode, clamped as its steppers
    // clamp: one step however far it goes, the step of + or − when it goes
    // by one, none when the count already holds it.
    void SetLayoutCount(LayoutCount count, int value);
    // Set: ParameterMode, the walk built. The first Set of a new scheme
    // starts at the first wheel set; after EditLayout the walk goes on at the
    // car current in the layout and the axle of the number the walk was at,
    // the car's last axle when it has fewer now (ResumeWalk). After an
    // EditLayout that stored nothing, a Set that finds the train as it was is
    // no step: it takes the EditLayout step off the stack with it.
    void AcceptLayout();
    // In ParameterMode: stores the edits and goes back to LayoutMode, every
    // text kept; one step.
    void EditLayout(const EditedTexts& edited);
    // Navigation in LayoutMode.
    void NextCarInLayout();
    void PreviousCarInLayout();

    enum class WalkStep { PreviousWheelSet, NextWheelSet, PreviousCar, NextCar };
    // In ParameterMode: stores the edits the operator changed, one step when
    // a text changes.
    void StoreEdits(const EditedTexts& edited);
    // Stores the edits, then moves the walk.
    void StepWalk(const EditedTexts& edited, WalkStep step);
    // A car picked in the strip: in ParameterMode the edits are stored and
    // the walk moves to the car; in LayoutMode the car becomes current.
    void SelectCar(const EditedTexts& edited, int car);
    // A wheel clicked in the car diagram: in ParameterMode the edits are
    // stored and the walk moves to that axle slot of the current car.
    void SelectAxle(const EditedTexts& edited, int axle);
    // A walk position typed into its field: in ParameterMode the edits are
    // stored and the walk moves to the entry at index, when there is one.
    void GoToWheelSet(const EditedTexts& edited, int index);

    void Undo();
    void Redo();

signals:
    // The mode changed; changed() follows.
    void modeChanged();
    // Anything of the scheme, its name or its stack may have changed.
    void changed();

private:
    class Step;

    // Runs a change of the layout or the mode and pushes it as a step named
    // name when it changed the shape; texts are those the change replaces.
    void ChangeShape(const QString& name, const std::function<void(Scheme&)>& change,
                     std::vector<TextChange> texts = {},
                     std::optional<CarMove> move = std::nullopt);
    // Pushes the store of the edits as a step when a text changes.
    void Store(const EditedTexts& edited);
    QString Name(const TextPair& name) const;
    QString Name(const TextPair& name, int number) const;
    void Changed(Mode before);

    // What a file held when the scheme was opened from it or saved to it.
    struct SchemeFile {
        QString path;
        qint64 size = -1;
        QDateTime modified;
    };
    static SchemeFile FileAt(const QString& path);

    Scheme scheme_;
    QUndoStack stack_;
    Language language_;
    SchemeFile file_;
};

}  // namespace quorvane
