// The document: which actions are steps of the undo stack and which are
// moves, where undo and redo leave the operator, the saved state, and the
// names of the steps.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "../schemefile/example_trains.h"
#include "document/scheme_document.h"
#include "schemefile/scheme_writer.h"

namespace quorvane {
namespace {

using LayoutStep = SchemeDocument::LayoutStep;
using WalkStep = SchemeDocument::WalkStep;

class SchemeDocumentTest : public ::testing::Test {
protected:
    SchemeDocumentTest() {
        QObject::connect(&doc_, &SchemeDocument::changed, [this] { ++changes_; });
        QObject::connect(&doc_, &SchemeDocument::modeChanged, [this] { ++modeChanges_; });
    }

    const Scheme& S() const { return doc_.scheme(); }
    int Steps() const { return doc_.undoStack().count(); }
    // Car 1 direct with 4 axles, car 2 inverted with 2, type 1, every text
    // filled in; the walk at its first wheel set.
    void OpenTwoCars() { doc_.Open(testing::TwoCarTrain(1), QString()); }

    SchemeDocument doc_;
    int changes_ = 0;
    int modeChanges_ = 0;
};

TEST_F(SchemeDocumentTest, MovesAreNoStepsAndMarkNothingUnsaved) {
    doc_.ChangeLayout(LayoutStep::AddCar);
    doc_.Undo();
    ASSERT_FALSE(doc_.IsModified());
    doc_.NextCarInLayout();
    doc_.PreviousCarInLayout();
    doc_.SelectCar({}, 0);
    doc_.ChangeLayout(LayoutStep::RemoveCar);  // at its limit
    EXPECT_EQ(Steps(), 1) << "only the added car";

    OpenTwoCars();
    doc_.StepWalk({}, WalkStep::NextWheelSet);
    doc_.StepWalk({}, WalkStep::NextCar);
    doc_.SelectCar({}, 0);
    // An edit that holds what the model holds stores nothing.
    doc_.StepWalk({.series = "A", .run = "100"}, WalkStep::NextWheelSet);
    doc_.StoreEdits({});
    EXPECT_EQ(S().state.walkCursor, 1);
    EXPECT_EQ(Steps(), 0);
    EXPECT_FALSE(doc_.IsModified());
    EXPECT_GT(changes_, 0) << "moves are shown all the same";
}

// A store made while leaving a wheel set is undone and redone there, not
// where the walk went on to.
TEST_F(SchemeDocumentTest, AStoreIsUndoneAndRedoneWhereItWasMade) {
    OpenTwoCars();
    doc_.StepWalk({}, WalkStep::NextWheelSet);
    doc_.StepWalk({.carNumber = "7", .wheelSetName = "N"}, WalkStep::NextCar);
    ASSERT_EQ(S().state.walkCursor, 4);
    ASSERT_EQ(S().cars[0].carNumber, "7");
    EXPECT_TRUE(doc_.IsModified());

    doc_.Undo();
    EXPECT_EQ(S().state.walkCursor, 1);
    EXPECT_EQ(S().state.currentCar, 0);
    EXPECT_EQ(S().state.currentAxle, 1);
    EXPECT_EQ(S().cars[0].carNumber, "101");
    EXPECT_EQ(S().cars[0].axles[1].sides[0].wheelSetName, "W2");
    EXPECT_EQ(S().cars[0].axles[1].sides[1].wheelSetName, "W2");
    EXPECT_FALSE(doc_.IsModified());

    doc_.StepWalk({}, WalkStep::NextCar);  // a move between undo and redo
    doc_.Redo();
    EXPECT_EQ(S().state.walkCursor, 1);
    EXPECT_EQ(S().cars[0].carNumber, "7");
    EXPECT_EQ(S().cars[0].axles[1].sides[1].wheelSetName, "N");
}

TEST_F(SchemeDocumentTest, UndoOfSetReturnsToTheLayoutWithItsTexts) {
    doc_.ChangeLayout(LayoutStep::AddCar);
    doc_.NextCarInLayout();
    doc_.SetInverted(true);
    doc_.AcceptLayout();
    ASSERT_EQ(modeChanges_, 1);
    ASSERT_EQ(S().state.currentCar, 0);
    doc_.StepWalk({.series = "ER2", .axleName = "1"}, WalkStep::NextCar);
    ASSERT_EQ(S().state.walkCursor, 4);
    ASSERT_EQ(S().walk[4], (WalkEntry{.car = 1, .axle = 3}));

    doc_.Undo();
    doc_.Undo();
    EXPECT_EQ(S().mode, Mode::LayoutMode);
    EXPECT_EQ(modeChanges_, 2);
    EXPECT_EQ(S().state.currentCar, 1) << "the car that was current at Set";
    EXPECT_EQ(S().state.carCount, 2);
    EXPECT_TRUE(S().cars[1].inverted);
    EXPECT_EQ(S().cars[1].series, "");

    doc_.Redo();
    EXPECT_EQ(S().mode, Mode::ParameterMode);
    EXPECT_EQ(S().state.walkCursor, 0);
    EXPECT_EQ(S().state.totalAxles, 8);
    EXPECT_EQ(S().walk[4], (WalkEntry{.car = 1, .axle = 3}));
    doc_.Redo();
    EXPECT_EQ(S().cars[1].series, "ER2");
    EXPECT_EQ(S().cars[0].axles[0].axleName, "1");
}

// Edit layout keeps every text with its car and axle; what joins the train
// joins empty but for the series; Set goes on where the walk was; undo goes
// back exactly.
TEST_F(SchemeDocumentTest, TheLayoutCanBeEditedAgainKeepingTheTexts) {
    OpenTwoCars();
    doc_.StepWalk({}, WalkStep::NextWheelSet);
    ASSERT_EQ(S().state.currentAxle, 1);
    const Scheme opened = S();
    doc_.EditLayout({.axleName = "typed"});
    EXPECT_EQ(S().mode, Mode::LayoutMode);
    EXPECT_EQ(Steps(), 1) << "the store and the change of mode are one step";
    EXPECT_EQ(modeChanges_, 2);
    EXPECT_EQ(S().cars[0].axles[1].axleName, "typed");

    // Car 2 leaves and comes back, car 3 joins, car 1 gets a fifth axle.
    doc_.ChangeLayout(LayoutStep::RemoveCar);
    doc_.ChangeLayout(LayoutStep::AddCar);
    doc_.ChangeLayout(LayoutStep::AddCar);
    doc_.ChangeLayout(LayoutStep::AddAxle);
    doc_.AcceptLayout();
    EXPECT_EQ(S().mode, Mode::ParameterMode);
    EXPECT_EQ(S().state.currentCar, 0);
    EXPECT_EQ(S().state.currentAxle, 1) << "the walk goes on where it was";
    EXPECT_EQ(S().state.walkCursor, 1);
    EXPECT_EQ(S().state.totalAxles, 5 + 4 + 4);
    EXPECT_EQ(S().cars[0].series, opened.cars[0].series);
    EXPECT_EQ(S().cars[0].axles[3].run, opened.cars[0].axles[3].run);
    EXPECT_EQ(S().cars[0].axles[4].axleName, "");
    EXPECT_EQ(S().cars[1].carNumber, "") << "a car that left the train comes back empty";
    EXPECT_EQ(S().cars[1].series, "A") << "but with the series the whole train shares";
    EXPECT_EQ(S().cars[1].axles[0].sides[kLeftSide].wheelSetName, "");
    EXPECT_EQ(S().cars[1].inverted, opened.cars[1].inverted);

    // Undo: car 2's texts come back with it, then the typing, at its wheel set.
    doc_.Undo();
    doc_.Undo();
    doc_.Undo();
    doc_.Undo();
    doc_.Undo();
    EXPECT_EQ(S().cars[1].series, opened.cars[1].series);
    EXPECT_EQ(S().cars[1].axles[0].sides[kLeftSide].wheelSetName,
              opened.cars[1].axles[0].sides[kLeftSide].wheelSetName);
    EXPECT_EQ(S().mode, Mode::LayoutMode);
    doc_.Undo();
    EXPECT_EQ(S().mode, Mode::ParameterMode);
    EXPECT_EQ(S().state.walkCursor, 1);
    EXPECT_EQ(S().cars[0].axles[1].axleName, opened.cars[0].axles[1].axleName);
    EXPECT_FALSE(doc_.IsModified());
    while (doc_.undoStack().canRedo()) {
        doc_.Redo();
    }
    EXPECT_EQ(S().state.walkCursor, 1);
    EXPECT_EQ(S().cars[1].carNumber, "");
    EXPECT_EQ(S().cars[0].axles[1].axleName, "typed");

    // Edit layout waits for the walk.
    doc_.New();
    doc_.EditLayout({.series = "S"});
    EXPECT_EQ(Steps(), 0);
}

// Edit layout then Set: no step when nothing was stored and the train is as
// it was, else the steps made, as ever. Either way Set goes on at the car
// current in the layout and the axle of the same number, or the nearest.
TEST_F(SchemeDocumentTest, EditLayoutThenSetIsAStepOnlyWhenSomethingChanged) {
    using D = SchemeDocument;
    const struct {
        const char* what;
        EditedTexts edited;
        void (*between)(D&);
        int newSteps;
        WalkEntry resumed;
        int cursor;
    } cases[] = {
        {"nothing", {}, [](D&) {}, 0, {1, 1}, 4},
        {"a change undone",
         {},
         [](D& d) {
             d.ChangeLayout(LayoutStep::AddCar);
             d.Undo();
         },
         0, {1, 1}, 4},
        {"a step at its limit", {}, [](D& d) { d.ChangeLayout(LayoutStep::RemoveBogie); }, 0,
         {1, 1}, 4},
        {"another car picked", {}, [](D& d) { d.PreviousCarInLayout(); }, 0, {0, 1}, 1},
        {"a text typed", {.run = "x"}, [](D&) {}, 2, {1, 1}, 4},
        {"a bogie added", {}, [](D& d) { d.ChangeLayout(LayoutStep::AddBogie); }, 3, {1, 1}, 4},
        // Car 2 stands reversed: its axle 2 now comes second in its walk.
        {"an axle added", {}, [](D& d) { d.ChangeLayout(LayoutStep::AddAxle); }, 3, {1, 1}, 5},
        {"the current car removed", {}, [](D& d) { d.ChangeLayout(LayoutStep::RemoveCar); }, 3,
         {0, 1}, 1},
        {"Invert off and on again",
         {},
         [](D& d) {
             d.SetInverted(false);
             d.SetInverted(true);
         },
         4, {1, 1}, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        // A stored text, saved there, then the walk at car 2's first wheel
        // set, its axle 2.
        OpenTwoCars();
        doc_.StepWalk({.run = "9"}, WalkStep::NextWheelSet);
        doc_.MarkSaved("train", QString());
        doc_.StepWalk({}, WalkStep::NextCar);
        ASSERT_EQ(S().state.walkCursor, 4);
        const Scheme before = S();

        doc_.EditLayout(c.edited);
        c.between(doc_);
        doc_.AcceptLayout();
        EXPECT_EQ(S().mode, Mode::ParameterMode);
        EXPECT_EQ(Steps(), 1 + c.newSteps);
        EXPECT_EQ(doc_.undoStack().index(), Steps());
        EXPECT_EQ(doc_.IsModified(), c.newSteps > 0);
        EXPECT_EQ((WalkEntry{S().state.currentCar, S().state.currentAxle}), c.resumed);
        EXPECT_EQ(S().state.walkCursor, c.cursor);
        if (c.newSteps == 0) {
            EXPECT_EQ(doc_.undoStack().undoText().toStdString(), "texts of wheel set 1");
            EXPECT_EQ(WriteScheme(S(), "train").bytes, WriteScheme(before, "train").bytes);
            EXPECT_EQ(S().state.totalAxles, before.state.totalAxles);
            // The step below is undone as ever.
            doc_.Undo();
            EXPECT_EQ(S().cars[0].axles[0].run, "100");
            EXPECT_EQ(S().state.walkCursor, 0);
        }
    }
}

// Opened and not yet changed, the scheme stays so.
TEST_F(SchemeDocumentTest, EditLayoutThenSetLeavesAnOpenedSchemeUnmodified) {
    OpenTwoCars();
    doc_.StepWalk({}, WalkStep::NextWheelSet);
    doc_.EditLayout({});
    EXPECT_TRUE(doc_.IsModified()) << "the layout is open";
    doc_.AcceptLayout();
    EXPECT_EQ(Steps(), 0);
    EXPECT_FALSE(doc_.IsModified());
    EXPECT_FALSE(doc_.undoStack().canUndo());
    EXPECT_EQ(S().state.walkCursor, 1);
    EXPECT_EQ(modeChanges_, 3) << "opened, and both changes of mode shown";
}

TEST_F(SchemeDocumentTest, AChangeOnDiskIsNoticedBySizeOrTime) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("train.sch"));
    auto write = [&path](const QByteArray& bytes) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    ASSERT_TRUE(write("saved"));
    EXPECT_FALSE(doc_.FileChangedOnDisk()) << "no file yet";
    doc_.MarkSaved("train", path);
    EXPECT_FALSE(doc_.FileChangedOnDisk());

    ASSERT_TRUE(write("another"));
    EXPECT_TRUE(doc_.FileChangedOnDisk()) << "size";
    doc_.MarkSaved("train", path);
    EXPECT_FALSE(doc_.FileChangedOnDisk());

    ASSERT_TRUE(write("Another"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                 QFileDevice::FileModificationTime));
    file.close();
    EXPECT_TRUE(doc_.FileChangedOnDisk()) << "time";

    ASSERT_TRUE(QFile::remove(path));
    EXPECT_FALSE(doc_.FileChangedOnDisk()) << "a file that is gone loses nothing";
    doc_.Open(testing::TwoCarTrain(1), path);
    EXPECT_EQ(doc_.filePath(), path);
}

// A typed count is one step however far it jumps; undone, the cars it
// dropped or emptied come back with their texts.
TEST_F(SchemeDocumentTest, ATypedCountIsOneStepThatUndoTakesBackWhole) {
    OpenTwoCars();
    doc_.EditLayout({});
    const int steps = Steps();
    doc_.SetLayoutCount(LayoutCount::Cars, 1);
    doc_.SetLayoutCount(LayoutCount::Cars, 5);
    ASSERT_EQ(S().state.carCount, 5);
    EXPECT_EQ(Steps(), steps + 2);
    EXPECT_EQ(doc_.undoStack().undoText(), QStringLiteral("5 cars"));
    EXPECT_EQ(S().cars[1].carNumber, "") << "the car joined empty";
    EXPECT_EQ(S().cars[1].axleCount, kNewCarAxles);

    doc_.Undo();
    EXPECT_EQ(S().state.carCount, 1);
    EXPECT_EQ(S().cars[1].carNumber, "102");
    EXPECT_EQ(S().cars[1].axles[1].run, "202");
    doc_.Undo();
    EXPECT_EQ(S().state.carCount, 2);
    doc_.Redo();
    doc_.Redo();
    EXPECT_EQ(S().state.carCount, 5);
    EXPECT_EQ(S().cars[1].axles[1].run, "");
}

// A jump of one is the stepper's own step; a count already held, typed or
// clamped to, is none.
TEST_F(SchemeDocumentTest, ATypedCountByOneIsTheSteppersStepAndAHeldOneNone) {
    doc_.SetLayoutCount(LayoutCount::Cars, 2);
    EXPECT_EQ(doc_.undoStack().undoText(), QStringLiteral("add car 2"));
    doc_.SetLayoutCount(LayoutCount::SchemeType, 9);
    EXPECT_EQ(S().state.schemeType, kMaxSchemeType);
    EXPECT_EQ(doc_.undoStack().undoText(), QStringLiteral("scheme type 6"));
    doc_.SetLayoutCount(LayoutCount::Axles, 3);
    EXPECT_EQ(doc_.undoStack().undoText(), QStringLiteral("remove an axle from car 1"));
    const int steps = Steps();
    const int changes = changes_;
    doc_.SetLayoutCount(LayoutCount::SchemeType, 60);
    doc_.SetLayoutCount(LayoutCount::Axles, 3);
    EXPECT_EQ(Steps(), steps);
    EXPECT_EQ(changes_, changes + 2) << "the fields show the counts again";
}

// A typed walk position stores the edits where they were typed, then moves.
TEST_F(SchemeDocumentTest, GoingToAWheelSetStoresTheEditsThere) {
    doc_.GoToWheelSet({}, 3);
    EXPECT_EQ(S().state.walkCursor, 0) << "nothing to walk in the layout";

    OpenTwoCars();
    doc_.GoToWheelSet({.run = "typed"}, 5);
    EXPECT_EQ(S().state.walkCursor, 5);
    EXPECT_EQ(S().state.currentCar, 1);
    EXPECT_EQ(S().cars[0].axles[0].run, "typed");
    doc_.GoToWheelSet({}, 6);  // past the walk's 6 wheel sets
    EXPECT_EQ(S().state.walkCursor, 5);
    doc_.Undo();
    EXPECT_EQ(S().state.walkCursor, 0) << "undone where it was typed";
    EXPECT_EQ(S().cars[0].axles[0].run, "100");
}

// Layout steps wait for the layout, stores for the walk.
TEST_F(SchemeDocumentTest, EachModeTakesOnlyItsOwnChanges) {
    doc_.StoreEdits({.series = "S"});
    doc_.StepWalk({.series = "S"}, WalkStep::NextWheelSet);
    doc_.SelectCar({.series = "S"}, 0);
    EXPECT_EQ(Steps(), 0);
    EXPECT_EQ(S().cars[0].series, "");

    OpenTwoCars();
    doc_.ChangeLayout(LayoutStep::AddCar);
    doc_.SetInverted(true);
    doc_.AcceptLayout();
    EXPECT_EQ(Steps(), 0);
    EXPECT_EQ(S().state.carCount, 2);
    EXPECT_FALSE(S().cars[0].inverted);
}

TEST_F(SchemeDocumentTest, TheSavedStateFollowsTheStack) {
    doc_.ChangeLayout(LayoutStep::AddCar);
    doc_.AcceptLayout();
    doc_.MarkSaved("walk1", QString());
    EXPECT_FALSE(doc_.IsModified());
    EXPECT_EQ(S().fileName, "walk1");

    doc_.StoreEdits({.run = "9"});
    EXPECT_TRUE(doc_.IsModified());
    doc_.Undo();
    EXPECT_FALSE(doc_.IsModified()) << "back at what was saved";
    doc_.Undo();
    EXPECT_TRUE(doc_.IsModified());
    EXPECT_EQ(S().fileName, "walk1") << "undo does not take back a save";
    doc_.Redo();
    EXPECT_FALSE(doc_.IsModified());

    // A new step where the saved one was undone: that state is gone for good.
    doc_.Undo();
    doc_.ChangeLayout(LayoutStep::AddCar);
    doc_.AcceptLayout();
    EXPECT_TRUE(doc_.IsModified());
    while (doc_.undoStack().canUndo()) {
        doc_.Undo();
        EXPECT_TRUE(doc_.IsModified());
    }
}

TEST_F(SchemeDocumentTest, NewAndOpenStartWithNothingToUndo) {
    doc_.ChangeLayout(LayoutStep::AddCar);
    doc_.MarkSaved("train", QStringLiteral("/somewhere/train.sch"));
    EXPECT_EQ(doc_.filePath(), QStringLiteral("/somewhere/train.sch"));
    doc_.ChangeLayout(LayoutStep::AddCar);
    doc_.New();
    EXPECT_EQ(Steps(), 0);
    EXPECT_FALSE(doc_.IsModified());
    EXPECT_EQ(S().state.carCount, 1);
    EXPECT_EQ(S().fileName, "new_scheme") << "a new scheme is not the file's";
    EXPECT_TRUE(doc_.filePath().isEmpty());

    doc_.AcceptLayout();
    doc_.StoreEdits({.run = "1"});
    OpenTwoCars();
    EXPECT_EQ(Steps(), 0);
    EXPECT_FALSE(doc_.IsModified());
    EXPECT_EQ(S().mode, Mode::ParameterMode);
    EXPECT_EQ(S().state.totalAxles, 6);
}

// Inserting and removing cars: refused at the train's limits and during the
// walk, with nothing changed and no step.
TEST_F(SchemeDocumentTest, CarsAreInsertedAndRemovedOnlyWithinTheLimitsInTheLayout) {
    using CarStep = SchemeDocument::CarStep;
    EXPECT_FALSE(doc_.ChangeCars(CarStep::Remove));
    for (int car = 1; car < kMaxCars; ++car) {
        ASSERT_TRUE(doc_.ChangeCars(car % 2 ? CarStep::InsertAfter : CarStep::InsertBefore));
    }
    EXPECT_EQ(S().state.carCount, kMaxCars);
    EXPECT_FALSE(doc_.ChangeCars(CarStep::InsertAfter));
    EXPECT_FALSE(doc_.ChangeCars(CarStep::InsertBefore));
    EXPECT_EQ(Steps(), kMaxCars - 1);

    OpenTwoCars();
    const int changes = changes_;
    EXPECT_FALSE(doc_.ChangeCars(CarStep::InsertAfter));
    EXPECT_FALSE(doc_.ChangeCars(CarStep::Remove));
    EXPECT_EQ(S().state.carCount, 2);
    EXPECT_EQ(Steps(), 0);
    EXPECT_EQ(changes_, changes);
}

struct NameCase {
    const char* what;
    void (*act)(SchemeDocument&);
    const char* english;
    const char* russian;
};

// From two cars, the second current, 4 axles and 2 bogies each, type 3.
TEST(SchemeDocumentNames, EachStepIsNamedInTheLanguageOfTheWindow) {
    using D = SchemeDocument;
    const std::vector<NameCase> cases{
        {"add a car", [](D& d) { d.ChangeLayout(LayoutStep::AddCar); }, "add car 3",
         "добавить вагон 3"},
        {"remove a car", [](D& d) { d.ChangeLayout(LayoutStep::RemoveCar); }, "remove car 2",
         "убрать вагон 2"},
        {"add an axle", [](D& d) { d.ChangeLayout(LayoutStep::AddAxle); }, "add an axle to car 2",
         "добавить ось в вагон 2"},
        {"remove an axle", [](D& d) { d.ChangeLayout(LayoutStep::RemoveAxle); },
         "remove an axle from car 2", "убрать ось из вагона 2"},
        {"add a bogie", [](D& d) { d.ChangeLayout(LayoutStep::AddBogie); }, "add a bogie to car 2",
         "добавить тележку в вагон 2"},
        {"remove a bogie", [](D& d) { d.ChangeLayout(LayoutStep::RemoveBogie); },
         "remove a bogie from car 2", "убрать тележку из вагона 2"},
        {"next type", [](D& d) { d.ChangeLayout(LayoutStep::NextSchemeType); }, "scheme type 4",
         "тип схемы 4"},
        {"previous type", [](D& d) { d.ChangeLayout(LayoutStep::PreviousSchemeType); },
         "scheme type 2", "тип схемы 2"},
        {"insert a car after", [](D& d) { d.ChangeCars(D::CarStep::InsertAfter); },
         "insert car 3", "вставить вагон 3"},
        {"insert a car before", [](D& d) { d.ChangeCars(D::CarStep::InsertBefore); },
         "insert car 2", "вставить вагон 2"},
        {"remove the current car",
         [](D& d) {
             d.PreviousCarInLayout();
             d.ChangeCars(D::CarStep::Remove);
         },
         "remove car 1", "убрать вагон 1"},
        {"typed cars", [](D& d) { d.SetLayoutCount(LayoutCount::Cars, 4); }, "4 cars",
         "4 вагона"},
        {"typed many cars", [](D& d) { d.SetLayoutCount(LayoutCount::Cars, 25); }, "25 cars",
         "25 вагонов"},
        {"typed one car",
         [](D& d) {
             d.ChangeLayout(LayoutStep::AddCar);
             d.SetLayoutCount(LayoutCount::Cars, 1);
         },
         "1 car", "1 вагон"},
        {"invert", [](D& d) { d.SetInverted(true); }, "invert car 2", "сделать вагон 2 обратным"},
        {"set", [](D& d) { d.AcceptLayout(); }, "set the scheme", "принять схему"},
        {"edit the layout",
         [](D& d) {
             d.AcceptLayout();
             d.EditLayout({.run = "5"});
         },
         "edit the layout", "изменить схему"},
        {"store",
         [](D& d) {
             d.AcceptLayout();
             d.StepWalk({}, WalkStep::NextCar);
             d.StoreEdits({.run = "5"});
         },
         "texts of wheel set 5", "тексты колёсной пары 5"},
    };
    for (const NameCase& c : cases) {
        for (Language language : {Language::English, Language::Russian}) {
            SCOPED_TRACE(c.what);
            SchemeDocument doc(language);
            doc.ChangeLayout(LayoutStep::AddCar);
            doc.NextCarInLayout();
            doc.ChangeLayout(LayoutStep::NextSchemeType);
            doc.ChangeLayout(LayoutStep::NextSchemeType);
            c.act(doc);
            EXPECT_EQ(doc.undoStack().undoText().toStdString(),
                      language == Language::English ? c.english : c.russian);
        }
    }
}

}  // namespace
}  // namespace quorvane
