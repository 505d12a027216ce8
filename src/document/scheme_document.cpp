#include "document/scheme_document.h"

#include <QFileInfo>
#include <QUndoCommand>
#include <utility>
#include <vector>

#include "document/step_names.h"
#include "fileio/language_text.h"
#include "model/car_shift.h"
#include "model/layout.h"
#include "model/scheme_change.h"

namespace quorvane {

// One step: the shape of the scheme before and after it, the texts it
// changed and, for a car inserted or removed, the car slot it moved (the
// texts then stand where the slot landed). Undo and redo put the scheme
// back to either side whole, so pushing it (which redoes it) repeats what
// was just done; only the move is not repeated.
class SchemeDocument::Step final : public QUndoCommand {
public:
    Step(Scheme& scheme, const QString& name, const SchemeShape& before, const SchemeShape& after,
         std::vector<TextChange> texts, std::optional<CarMove> move = std::nullopt)
        : QUndoCommand(name),
          scheme_(scheme),
          before_(before),
          after_(after),
          texts_(std::move(texts)),
          move_(move) {}

    void undo() override {
        ApplyTextChanges(scheme_, texts_, ChangeSide::Before);
        if (move_) {
            MoveCar(scheme_, *move_, ChangeSide::Before);
        }
        moved_ = false;
        RestoreShape(scheme_, before_);
    }
    void redo() override {
        if (move_ && !moved_) {
            MoveCar(scheme_, *move_, ChangeSide::After);
        }
        moved_ = true;
        ApplyTextChanges(scheme_, texts_, ChangeSide::After);
        RestoreShape(scheme_, after_);
    }

    // Steps that change the mode may merge, Set into the Edit layout before it.
    int id() const override { return before_.mode != after_.mode ? kModeStep : -1; }

    // Edit layout that stored no text, then Set with the train as it was: the
    // pair changes nothing of the file, so both leave the stack (the stack
    // drops an obsolete step) and the scheme stays where Set put the walk.
    // The stack never merges into the step it was saved at; Set stays a step.
    bool mergeWith(const QUndoCommand* other) override {
        const auto& set = static_cast<const Step&>(*other);  // the same id: a Step
        const bool editLayout =
            before_.mode == Mode::ParameterMode && after_.mode == Mode::LayoutMode;
        if (!editLayout || set.after_.mode != Mode::ParameterMode || !texts_.empty() ||
            !set.texts_.empty() || !SameTrain(before_, set.after_)) {
            return false;
        }
        setObsolete(true);
        return true;
    }

private:
    static constexpr int kModeStep = 1;

    Scheme& scheme_;
    SchemeShape before_;
    SchemeShape after_;
    std::vector<TextChange> texts_;
    std::optional<CarMove> move_;
    bool moved_ = true;  // pushed after the change was made
};

SchemeDocument::SchemeDocument(Language language, QObject* parent)
    : QObject(parent), language_(language) {
    NewScheme(scheme_);
}

SchemeDocument::~SchemeDocument() = default;

void SchemeDocument::Changed(Mode before) {
    if (scheme_.mode != before) {
        emit modeChanged();
    }
    emit changed();
}

QString SchemeDocument::Name(const TextPair& name) const {
    return InLanguage(name, language_);
}

QString SchemeDocument::Name(const TextPair& name, int number) const {
    return Name(name).arg(number);
}

SchemeDocument::SchemeFile SchemeDocument::FileAt(const QString& path) {
    if (path.isEmpty()) {
        return {};
    }
    const QFileInfo info(path);
    return {path, info.size(), info.lastModified()};
}

bool SchemeDocument::FileChangedOnDisk() const {
    if (file_.path.isEmpty() || !QFileInfo::exists(file_.path)) {
        return false;
    }
    const SchemeFile now = FileAt(file_.path);
    return now.size != file_.size || now.modified != file_.modified;
}

void SchemeDocument::New() {
    const Mode before = scheme_.mode;
    stack_.clear();
    NewScheme(scheme_);
    scheme_.fileName = kNewSchemeName;
    file_ = {};
    Changed(before);
}

void SchemeDocument::Open(std::unique_ptr<Scheme> read, const QString& path) {
    const Mode before = scheme_.mode;
    stack_.clear();
    scheme_ = std::move(*read);
    scheme_.mode = Mode::ParameterMode;
    quorvane::AcceptLayout(scheme_);
    file_ = FileAt(path);
    Changed(before);
}

void SchemeDocument::MarkSaved(std::string name, const QString& path) {
    scheme_.fileName = std::move(name);
    file_ = FileAt(path);
    stack_.setClean();
    emit changed();
}

void SchemeDocument::ChangeShape(const QString& name, const std::function<void(Scheme&)>& change,
                                 std::vector<TextChange> texts, std::optional<CarMove> move) {
    const SchemeShape before = ShapeOf(scheme_);
    change(scheme_);
    const SchemeShape after = ShapeOf(scheme_);
    if (after != before) {
        stack_.push(new Step(scheme_, name, before, after, std::move(texts), move));
    }
    Changed(before.mode);
}

void SchemeDocument::ChangeLayout(LayoutStep step) {
    if (scheme_.mode != Mode::LayoutMode) {
        return;
    }
    namespace N = step_names;
    const int cars = scheme_.state.carCount;
    const int car = scheme_.state.currentCar + 1;
    const int type = scheme_.state.schemeType;
    switch (step) {
        case LayoutStep::AddCar:
            return ChangeShape(Name(N::kAddCar, cars + 1), quorvane::AddCar,
                               TextsEmptiedByAddCar(scheme_));
        case LayoutStep::RemoveCar:
            return ChangeShape(Name(N::kRemoveCar, cars), quorvane::RemoveCar);
        case LayoutStep::AddAxle:
            return ChangeShape(Name(N::kAddAxle, car), quorvane::AddAxle,
                               TextsEmptiedByAddAxle(scheme_));
        case LayoutStep::RemoveAxle:
            return ChangeShape(Name(N::kRemoveAxle, car), quorvane::RemoveAxle);
        case LayoutStep::AddBogie:
            return ChangeShape(Name(N::kAddBogie, car), quorvane::AddBogie);
        case LayoutStep::RemoveBogie:
            return ChangeShape(Name(N::kRemoveBogie, car), quorvane::RemoveBogie);
        case LayoutStep::NextSchemeType:
            return ChangeShape(Name(N::kSchemeType, type + 1), quorvane::NextSchemeType);
        case LayoutStep::PreviousSchemeType:
            return ChangeShape(Name(N::kSchemeType, type - 1), quorvane::PreviousSchemeType);
    }
}

bool SchemeDocument::ChangeCars(CarStep step) {
    if (scheme_.mode != Mode::LayoutMode) {
        return false;
    }
    if (step == CarStep::Remove) {
        const std::optional<CarMove> removal = PlanCarRemoval(scheme_);
        if (!removal) {
            return false;
        }
        ChangeShape(
            Name(step_names::kRemoveCar, removal->from + 1),
            [&](Scheme& s) { ApplyCarRemoval(s, *removal); }, {}, removal);
        return true;
    }
    const std::optional<CarInsertion> insertion = PlanCarInsertion(
        scheme_, step == CarStep::InsertBefore ? InsertPlace::BeforeCurrent
                                               : InsertPlace::AfterCurrent);
    if (!insertion) {
        return false;
    }
    ChangeShape(
        Name(step_names::kInsertCar, insertion->move.to + 1),
        [&](Scheme& s) { ApplyCarInsertion(s, *insertion); }, insertion->texts, insertion->move);
    return true;
}

void SchemeDocument::SetInverted(bool inverted) {
    if (scheme_.mode != Mode::LayoutMode) {
        return;
    }
    ChangeShape(
        Name(inverted ? step_names::kInvert : step_names::kDirect, scheme_.state.currentCar + 1),
        [inverted](Scheme& s) { quorvane::SetInverted(s, inverted); });
}

void SchemeDocument::SetLayoutCount(LayoutCount count, int value) {
    if (scheme_.mode != Mode::LayoutMode) {
        return;
    }
    const int now = CountOf(scheme_, count);
    const int target = RangeOf(scheme_, count).Clamp(value);
    if (target == now) {
        Changed(scheme_.mode);  // the field shows the count again
        return;
    }
    const bool up = target > now;
    if (target - now == 1 || now - target == 1) {
        switch (count) {
            case LayoutCount::Cars:
                return ChangeLayout(up ? LayoutStep::AddCar : LayoutStep::RemoveCar);
            case LayoutCount::Axles:
                return ChangeLayout(up ? LayoutStep::AddAxle : LayoutStep::RemoveAxle);
            case LayoutCount::Bogies:
                return ChangeLayout(up ? LayoutStep::AddBogie : LayoutStep::RemoveBogie);
            case LayoutCount::SchemeType:
                return ChangeLayout(up ? LayoutStep::NextSchemeType
                                       : LayoutStep::PreviousSchemeType);
        }
    }
    namespace N = step_names;
    const int car = scheme_.state.currentCar + 1;
    QString name;
    switch (count) {
        case LayoutCount::Cars:
            name = CountedIn(target, kCars, language_);
            break;
        case LayoutCount::Axles:
            name = Name(N::kAxleCount).arg(car).arg(target);
            break;
        case LayoutCount::Bogies:
            name = Name(N::kBogieCount).arg(car).arg(target);
            break;
        case LayoutCount::SchemeType:
            name = Name(N::kSchemeType, target);
            break;
    }
    const SchemeShape before = ShapeOf(scheme_);
    std::vector<TextChange> texts = SetCount(scheme_, count, target);
    stack_.push(new Step(scheme_, name, before, ShapeOf(scheme_), std::move(texts)));
    Changed(before.mode);
}

void SchemeDocument::AcceptLayout() {
    if (scheme_.mode != Mode::LayoutMode) {
        return;
    }
    ChangeShape(Name(step_names::kSetScheme), [](Scheme& s) {
        s.mode = Mode::ParameterMode;
        ResumeWalk(s);
    });
}

void SchemeDocument::EditLayout(const EditedTexts& edited) {
    if (scheme_.mode != Mode::ParameterMode) {
        return;
    }
    // The store and the change of mode are one step: undone, the operator
    // is back at the wheel set with the texts as they were.
    std::vector<TextChange> texts = ChangesOfStore(scheme_, edited);
    ApplyTextChanges(scheme_, texts, ChangeSide::After);
    ChangeShape(
        Name(step_names::kEditLayout), [](Scheme& s) { s.mode = Mode::LayoutMode; },
        std::move(texts));
}

void SchemeDocument::NextCarInLayout() {
    quorvane::NextCarInLayout(scheme_);
    Changed(scheme_.mode);
}

void SchemeDocument::PreviousCarInLayout() {
    quorvane::PreviousCarInLayout(scheme_);
    Changed(scheme_.mode);
}

void SchemeDocument::Store(const EditedTexts& edited) {
    if (scheme_.mode != Mode::ParameterMode) {
        return;
    }
    std::vector<TextChange> texts = ChangesOfStore(scheme_, edited);
    if (texts.empty()) {
        return;
    }
    const SchemeShape shape = ShapeOf(scheme_);
    stack_.push(new Step(scheme_, Name(step_names::kStoreTexts, scheme_.state.walkCursor + 1),
                         shape, shape, std::move(texts)));
}

void SchemeDocument::StoreEdits(const EditedTexts& edited) {
    Store(edited);
    Changed(scheme_.mode);
}

void SchemeDocument::StepWalk(const EditedTexts& edited, WalkStep step) {
    if (scheme_.mode != Mode::ParameterMode) {
        return;
    }
    Store(edited);
    switch (step) {
        case WalkStep::PreviousWheelSet:
            PreviousWheelSet(scheme_);
            break;
        case WalkStep::NextWheelSet:
            NextWheelSet(scheme_);
            break;
        case WalkStep::PreviousCar:
            PreviousCarInWalk(scheme_);
            break;
        case WalkStep::NextCar:
            NextCarInWalk(scheme_);
            break;
    }
    Changed(scheme_.mode);
}

void SchemeDocument::SelectCar(const EditedTexts& edited, int car) {
    Store(edited);
    quorvane::SelectCar(scheme_, car);
    Changed(scheme_.mode);
}

void SchemeDocument::SelectAxle(const EditedTexts& edited, int axle) {
    if (scheme_.mode != Mode::ParameterMode) {
        return;
    }
    Store(edited);
    quorvane::SelectAxle(scheme_, axle);
    Changed(scheme_.mode);
}

void SchemeDocument::GoToWheelSet(const EditedTexts& edited, int index) {
    if (scheme_.mode != Mode::ParameterMode) {
        return;
    }
    Store(edited);
    MoveWalkCursor(scheme_, index);
    Changed(scheme_.mode);
}

void SchemeDocument::Undo() {
    if (!stack_.canUndo()) {
        return;
    }
    const Mode before = scheme_.mode;
    stack_.undo();
    Changed(before);
}

void SchemeDocument::Redo() {
    if (!stack_.canRedo()) {
        return;
    }
    const Mode before = scheme_.mode;
    stack_.redo();
    Changed(before);
}

}  // namespace quorvane
