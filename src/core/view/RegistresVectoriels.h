#pragma once
// Qt's raster routines (filling, lines, text) use the 256-bit vector
// registers on processors with AVX and return without clearing their upper
// halves. Until they are cleared, every SSE instruction of the engine's
// double arithmetic waits on them: a run computed after a drawing took twice
// its time. Clearing them costs a cycle.

namespace vedo {

// Clears the upper halves of the vector registers where the processor has
// them; does nothing elsewhere.
void libererRegistresVectoriels();

} // namespace vedo
