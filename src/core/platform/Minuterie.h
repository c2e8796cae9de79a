#pragma once
// A timer that a shell runs: once started, it calls `top` every interval
// until it is stopped. Starting it again restarts it with the new interval.

#include <functional>

namespace vedo {

class Minuterie {
public:
    virtual ~Minuterie() = default;

    virtual void demarrer(int millisecondes) = 0;
    virtual void arreter() = 0;
    virtual bool enMarche() const = 0;

    std::function<void()> top;
};

} // namespace vedo
