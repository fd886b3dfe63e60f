#include "editor/editor_setup.h"
#include "common/sci_constants.h"
#include "editor/status_fields.h"
#include "editor/structure_commands.h"

#include <gtest/gtest.h>

namespace quillo {
namespace {

TEST(AutoUnremTest, PrefixLengths) {
    EXPECT_EQ(unremPrefixLength("' x\r\n"), 2);
    EXPECT_EQ(unremPrefixLength("'x"), 1);
    EXPECT_EQ(unremPrefixLength("REM x"), 4);
    EXPECT_EQ(unremPrefixLength("rem x"), 4);
    EXPECT_EQ(unremPrefixLength("remark"), 0);
    EXPECT_EQ(unremPrefixLength(";' x"), 3);
    EXPECT_EQ(unremPrefixLength(";'x"), 2);
    EXPECT_EQ(unremPrefixLength("; x"), 2);
    EXPECT_EQ(unremPrefixLength(";x"), 1);
    EXPECT_EQ(unremPrefixLength("  ' x"), 0);
    EXPECT_EQ(unremPrefixLength("\t' x"), 0);
    EXPECT_EQ(unremPrefixLength("print"), 0);
    EXPECT_EQ(unremPrefixLength(""), 0);
}

TEST(StatusFieldsTest, Texts) {
    EXPECT_EQ(positionField(3, 4, 20, 12), "3:5 (of 20) [width: 12]");
    EXPECT_EQ(positionField(0, 0, 1, 0), "0:1 (of 1)");
    EXPECT_EQ(overtypeField(true), "Ovt");
    EXPECT_EQ(overtypeField(false), "Ins");
    EXPECT_EQ(selectionModeField(true), "Rect");
    EXPECT_EQ(selectionModeField(false), "Std");
    EXPECT_EQ(freeMemoryField(41536), "FreeMem: 41536");
    EditorStatus s;
    EXPECT_EQ(s.field(StatusField::Unused), "unused");
}

TEST(SettingsTablesTest, FoldFlagsAndMarkerSymbols) {
    EXPECT_EQ(foldFlagsFor(0), 0);
    EXPECT_EQ(foldFlagsFor(1), 16);
    EXPECT_EQ(foldFlagsFor(2), 4);
    EXPECT_EQ(foldFlagsFor(3), 8);
    EXPECT_EQ(foldFlagsFor(4), 2);
    EXPECT_EQ(foldFlagsFor(9), 0);
    EXPECT_EQ(markerSymbolFor(12), sci::SC_MARK_BACKGROUND);
    EXPECT_EQ(markerSymbolFor(5), sci::SC_MARK_SHORTARROW);
    EXPECT_EQ(markerSymbolFor(13), sci::SC_MARK_EMPTY);
    EXPECT_EQ(markerSymbolFor(14), sci::SC_MARK_CIRCLE);
    EXPECT_EQ(markerSymbolFor(-1), sci::SC_MARK_CIRCLE);
}

}  // namespace
}  // namespace quillo
