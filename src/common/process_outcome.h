#pragma once

namespace quillo {

// How a child process (compiler, packer, emulator) ended.
enum class ProcessOutcome { Exited, FailedToStart, Crashed, Stopped };

}  // namespace quillo
