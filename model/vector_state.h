#pragma once

/// \file
/// A guard against a hidden slowdown of the numeric loops. A library that
/// runs 256-bit vector instructions and returns without clearing their
/// upper halves (the graphical toolkit does so while it starts) leaves the
/// processor in a state where every ordinary floating-point instruction
/// after it pays a penalty: the integration runs about ten times slower,
/// on that thread and on every thread it starts afterwards.

namespace kestrova {

/// Clears the upper halves of the vector registers of the calling thread
/// where the processor has them; nothing elsewhere. Cheap: call it before
/// a long computation.
void ClearUpperVectorHalves();

} // namespace kestrova
