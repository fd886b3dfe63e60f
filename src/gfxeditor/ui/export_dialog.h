#pragma once
// "Selection" > "Export": the selection as DEFB text on the clipboard.
#include "gfxeditor/picture.h"

class QWidget;

namespace quillo {

struct GfxSession;

// Asks for the byte order, the mask and the attributes; the close box exports nothing.
void exportSelectionToClipboard(QWidget* parent, GfxSession& session, PixelRect selection);

}  // namespace quillo
