#pragma once
#include "pipeline/packer_commands.h"
#include "pipeline/ui/tool_commands.h"

namespace quillo {

class PackerRunner;
class Zx0Runner;

// The DEFB commands: the selected DEFB data packed (or unpacked) by the
// outside packer replaces the selection; on failure nothing changes.
void packSelection(const ToolCommandContext& context, PackerRunner& runner, BufferOperation operation);
// The binary manager's "Packer" items: the selected record's file packed
// beside it; the record then names the packed file.
void packBinary(const ToolCommandContext& context, PackerRunner& runner, Packer packer);

// The built-in ZX0 packer: the same, packing on a thread with a progress
// dialog; the result is used only when the packing finished.
void zx0PackSelection(const ToolCommandContext& context, Zx0Runner& runner, bool backwards);
void zx0UnpackSelection(const ToolCommandContext& context);
// Writes "file.zx0" beside the record's file and logs the in-place figure.
void zx0PackBinary(const ToolCommandContext& context, Zx0Runner& runner);

}  // namespace quillo
