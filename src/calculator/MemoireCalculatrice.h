#pragma once
// The calculator's memory register: owned by the application, so that it
// keeps its value from one opening of the calculator to the next.

namespace vedo {

struct MemoireCalculatrice {
    double memoire = 0.0;
};

} // namespace vedo
