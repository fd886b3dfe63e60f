#pragma once
#include "pipeline/packer_commands.h"
#include "pipeline/ui/tool_commands.h"

namespace quillo {

class PackerRunner;

// The DEFB commands: the selected DEFB data packed (or unpacked) by the
// outside packer replaces the selection; on failure nothing changes.
void packSelection(const ToolCommandContext& context, PackerRunner& runner, BufferOperation operation);
// The binary manager's "Packer" items: the selected record's file packed
// beside it; the record then names the packed file.
void packBinary(const ToolCommandContext& context, PackerRunner& runner, Packer packer);

}  // namespace quillo
