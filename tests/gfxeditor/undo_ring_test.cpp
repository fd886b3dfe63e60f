#include "gfxeditor/undo_ring.h"
#include "gfxeditor/gfx_session.h"

#include <gtest/gtest.h>

#include <vector>

using namespace quillo;

namespace {

std::vector<std::uint8_t> document(std::uint8_t value) { return std::vector<std::uint8_t>(13056, value); }

}  // namespace

TEST(UndoRing, UndoStopsAtTheOldestRedoAtTheNewest) {
    UndoRing ring;
    ring.reset(13056);
    EXPECT_EQ(ring.capacity(), 1285u);
    auto doc = document(0);
    EXPECT_FALSE(ring.undo(doc));
    for (std::uint8_t v : {1, 2, 3}) ring.push(document(v));
    EXPECT_FALSE(ring.redo(doc));
    EXPECT_TRUE(ring.undo(doc));
    EXPECT_EQ(doc[0], 2);
    EXPECT_TRUE(ring.undo(doc));
    EXPECT_EQ(doc[100], 1);
    EXPECT_FALSE(ring.undo(doc));
    EXPECT_EQ(doc[0], 1);  // untouched
    EXPECT_TRUE(ring.redo(doc));
    EXPECT_EQ(doc[0], 2);

    // A new snapshot after an undo drops the redo tail.
    ring.push(document(9));
    EXPECT_EQ(ring.count(), 3u);
    EXPECT_FALSE(ring.canRedo());
    EXPECT_TRUE(ring.undo(doc));
    EXPECT_EQ(doc[0], 2);
}

TEST(UndoRing, AFullRingOverwritesTheOldest) {
    UndoRing ring;
    ring.reset(13056);
    const std::size_t pushes = ring.capacity() + 10;
    for (std::size_t i = 0; i < pushes; ++i) ring.push(document(static_cast<std::uint8_t>(i % 251)));
    EXPECT_EQ(ring.count(), ring.capacity());
    auto doc = document(0);
    std::size_t undos = 0;
    while (ring.undo(doc)) ++undos;
    EXPECT_EQ(undos, ring.capacity() - 1);
    EXPECT_EQ(doc[0], 10 % 251);  // the first 10 snapshots are gone
}

TEST(GfxSession, AReplacedPictureOfTheSameSizeCanBeUndone) {
    GfxSession session;
    session.picture.bitmap()[0] = 0xFF;
    session.undo.push(session.picture.data());
    session.picture.bitmap()[0] = 0x0F;  // a loaded screen, say
    session.pictureReplaced(32, 24);
    ASSERT_TRUE(session.undo.undo(session.picture.data()));
    EXPECT_EQ(session.picture.bitmap()[0], 0xFF);

    // Another size: the old snapshots no longer fit, so the ring holds just the new picture.
    session.picture.recreate(2, 2, 56);
    session.pictureReplaced(32, 24);
    EXPECT_EQ(session.undo.snapshotSize(), 68u);
    EXPECT_FALSE(session.undo.canUndo());
    EXPECT_EQ(session.undo.count(), 1u);
}
