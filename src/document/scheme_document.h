// The document the editor works on: the scheme and the undo stack of every
// change to what its file would hold and to the mode. It is the only place
// that changes the scheme; a view reads it and redraws when it says so.
//
// Moving the current car or the walk position is navigation: it changes
// nothing in the file and is not a step of the stack. Every step restores
// the position it was made at, undone and redone alike.
#pragma once

#include <QObject>
#include <QUndoStack>
#include <functional>
#include <memory>
#include <string>

#include "document/language.h"
#include "model/parameter_entry.h"
#include "model/scheme.h"

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

    // New and Open start afresh: opening is not undoable.
    // The scheme of NewScheme; the name stays.
    void New();
    // A scheme read from a file, its walk started at the first wheel set.
    void Open(std::unique_ptr<Scheme> read);
    // The scheme was saved under the name: what it holds now is unmodified.
    void MarkSaved(std::string name);

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
    void SetInverted(bool inverted);
    // Set: ParameterMode, the walk built, its first wheel set current.
    void AcceptLayout();
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
    // name when it changed anything.
    void ChangeShape(const QString& name, const std::function<void(Scheme&)>& change);
    // Pushes the store of the edits as a step when a text changes.
    void Store(const EditedTexts& edited);
    QString Name(const TextPair& name) const;
    QString Name(const TextPair& name, int number) const;
    void Changed(Mode before);

    Scheme scheme_;
    QUndoStack stack_;
    Language language_;
};

}  // namespace quorvane
