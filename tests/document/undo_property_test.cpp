// Random sequences of every change and move an operator can make, from fixed
// seeds. Every undo gives back the file, the layout, the mode and the position
// as they were before its step, every redo as they were after it, down to the
// first step and up to the last.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "../schemefile/random_schemes.h"
#include "all_slots.h"
#include "document/scheme_document.h"
#include "model/scheme_change.h"
#include "schemefile/scheme_writer.h"

namespace quorvane {
namespace {

// What a step leaves: the file's bytes, the shape (counts, type, mode,
// position), every text of all 40 slots and, in ParameterMode, the walk.
struct Observed {
    std::string bytes;
    SchemeShape shape;
    std::vector<WalkEntry> walk;
    std::vector<std::string> carSlots;

    bool operator==(const Observed&) const = default;
};

Observed Observe(const Scheme& scheme) {
    const WriteResult written = WriteScheme(scheme, "property");
    EXPECT_TRUE(written.ok) << written.error;
    Observed seen{written.bytes, ShapeOf(scheme), {}, testing::SlotsOf(scheme)};
    if (scheme.mode == Mode::ParameterMode) {
        seen.walk.assign(scheme.walk.begin(), scheme.walk.begin() + scheme.state.totalAxles);
    }
    return seen;
}

class RandomOperator {
public:
    explicit RandomOperator(std::uint32_t seed) : random_(seed), schemes_(seed) {}

    void Round(int operations) {
        if (Below(2) == 0) {
            document_.New();
        } else {
            document_.Open(schemes_.Next(), QString());
        }
        ASSERT_EQ(document_.undoStack().count(), 0);
        ASSERT_FALSE(document_.IsModified());
        before_.assign(1, std::nullopt);
        after_.assign(1, Observe(document_.scheme()));
        for (int i = 0; i < operations; ++i) {
            ASSERT_NO_FATAL_FAILURE(Operate());
        }
        // All the way down and up again.
        for (int index = Index(); index > 0; --index) {
            document_.Undo();
            ASSERT_EQ(Observe(document_.scheme()), *before_[static_cast<std::size_t>(index)])
                << "undo of step " << index;
        }
        ASSERT_FALSE(document_.IsModified());
        while (document_.undoStack().canRedo()) {
            document_.Redo();
            ASSERT_EQ(Observe(document_.scheme()), after_[static_cast<std::size_t>(Index())])
                << "redo of step " << Index();
        }
    }

private:
    int Below(int n) { return static_cast<int>(random_() % static_cast<std::uint32_t>(n)); }
    int Index() const { return document_.undoStack().index(); }

    std::optional<std::string> MaybeText() {
        switch (Below(4)) {
            case 0:
                return schemes_.Text();
            case 1:
                return std::string(Below(2) ? "A" : "");
            default:
                return std::nullopt;
        }
    }
    EditedTexts Edited() {
        return {MaybeText(), MaybeText(), MaybeText(), MaybeText(), MaybeText()};
    }

    void Operate() {
        const Scheme& s = document_.scheme();
        const Observed start = Observe(s);
        const int index = Index();
        bool stored = false;  // a store, which leaves the position where it was made
        switch (Below(10)) {
            case 0:
                if (index > 0) {
                    document_.Undo();
                    ASSERT_EQ(Observe(s), *before_[static_cast<std::size_t>(index)]);
                }
                return;
            case 1:
                if (document_.undoStack().canRedo()) {
                    document_.Redo();
                    ASSERT_EQ(Observe(s), after_[static_cast<std::size_t>(index + 1)]);
                }
                return;
            default:
                break;
        }
        const bool editedNothing = std::exchange(editedNothing_, false);
        if (s.mode == Mode::LayoutMode) {
            const int kind = Below(16);
            if (editedNothing && Below(2) == 0) {
                document_.AcceptLayout();
            } else if (kind < 8) {
                document_.ChangeLayout(static_cast<SchemeDocument::LayoutStep>(kind));
            } else if (kind == 8) {
                document_.SetInverted(
                    !s.cars[static_cast<std::size_t>(s.state.currentCar)].inverted);
            } else if (kind == 9) {
                document_.NextCarInLayout();
            } else if (kind == 10) {
                document_.PreviousCarInLayout();
            } else if (kind == 11) {
                document_.SelectCar({}, Below(s.state.carCount + 1) - 1);
            } else if (kind == 12) {
                if (Below(3) == 0) {
                    document_.AcceptLayout();
                }
            } else {
                document_.ChangeCars(static_cast<SchemeDocument::CarStep>(kind - 13));
            }
        } else {
            stored = true;
            const int kind = Below(7);
            if (kind < 4) {
                document_.StepWalk(Edited(), static_cast<SchemeDocument::WalkStep>(kind));
            } else if (kind == 4) {
                document_.SelectCar(Edited(), Below(s.state.carCount));
            } else if (kind == 5) {
                document_.StoreEdits(Edited());
            } else {
                stored = false;  // it leaves the walk
                // Half the time with nothing typed, and then often Set at
                // once, which changes nothing.
                editedNothing_ = Below(2) == 0;
                document_.EditLayout(editedNothing_ ? EditedTexts{} : Edited());
            }
        }
        const Observed end = Observe(s);
        if (Index() == index) {
            ASSERT_EQ(end.bytes, start.bytes) << "a move changed the file";
            return;
        }
        if (Index() == index - 1) {
            // Set after an Edit layout that changed nothing: the pair left
            // the stack, and the file and the train are what they were
            // before Edit layout.
            const Observed& edited = *before_[static_cast<std::size_t>(index)];
            ASSERT_EQ(s.mode, Mode::ParameterMode);
            ASSERT_EQ(edited.shape.mode, Mode::ParameterMode);
            ASSERT_EQ(end.bytes, edited.bytes);
            ASSERT_TRUE(SameTrain(end.shape, edited.shape));
            ASSERT_FALSE(document_.undoStack().canRedo());
            before_.resize(static_cast<std::size_t>(index));
            after_.resize(static_cast<std::size_t>(index));
            ++pairsDropped_;
            return;
        }
        ASSERT_EQ(Index(), index + 1);
        ASSERT_FALSE(document_.undoStack().canRedo()) << "a new step drops what was undone";
        before_.resize(static_cast<std::size_t>(index + 1));
        after_.resize(static_cast<std::size_t>(index + 1));
        before_.push_back(start);
        // A store is undone and redone at the position it was made at, not
        // at the one the walk then moved to.
        after_.push_back(stored ? Observed{end.bytes, start.shape, start.walk, end.carSlots} : end);
    }

public:
    int pairsDropped() const { return pairsDropped_; }

private:
    int pairsDropped_ = 0;
    bool editedNothing_ = false;
    std::mt19937 random_;
    testing::RandomSchemes schemes_;
    SchemeDocument document_;
    // By stack index: what each step found and what it left.
    std::vector<std::optional<Observed>> before_;
    std::vector<Observed> after_;
};

TEST(UndoPropertyTest, UndoAndRedoGiveBackEveryStateOfRandomSequences) {
    int pairsDropped = 0;
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RandomOperator operate(seed);
        for (int round = 0; round < 15; ++round) {
            SCOPED_TRACE("round " + std::to_string(round));
            ASSERT_NO_FATAL_FAILURE(operate.Round(150));
        }
        pairsDropped += operate.pairsDropped();
    }
    EXPECT_GT(pairsDropped, 0) << "no Edit layout and Set that changed nothing";
}

}  // namespace
}  // namespace quorvane
