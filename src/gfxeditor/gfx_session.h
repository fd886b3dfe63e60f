#pragma once
// What the graphics editor keeps for the whole run: the picture, its undo
// ring, the tools' shared state and the choices its dialogs remember.
#include "gfxeditor/drawing.h"
#include "gfxeditor/pc_import.h"
#include "gfxeditor/picture.h"
#include "gfxeditor/picture_export.h"
#include "gfxeditor/undo_ring.h"

namespace quillo {

struct GfxSession {
    // The ring starts with the new picture as its only snapshot.
    GfxSession() { restartUndo(); }
    void restartUndo() {
        undo.reset(picture.data().size());
        undo.push(picture.data());
    }
    // After a picture came in from outside (file, import, DEFB data): at the
    // old size it is one more snapshot, so Undo brings the old picture back;
    // snapshots of another size cannot be restored, so the ring starts over.
    void pictureReplaced(int oldWidth, int oldHeight) {
        if (picture.width() == oldWidth && picture.height() == oldHeight)
            undo.push(picture.data());
        else
            restartUndo();
    }

    Picture picture;
    UndoRing undo;
    DrawState draw;
    ExportOrder exportOrder = ExportOrder::Progressive;
    bool gridShown = false;  // shared by the editor's and the import window's "Grid"
    ImportThresholds savedThresholds = kDefaultThresholds;  // "Save Values" / "Restore Values"
    ImportMode importMode = ImportMode::ColorBiTone;
};

}  // namespace quillo
