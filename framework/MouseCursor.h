#pragma once

// The system cursors a control can show while the mouse is over it.
enum class MouseCursor { StandardPointer, HandOpen, FingerPointer };
