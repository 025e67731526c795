#pragma once

#include <cstddef>
#include <functional>

namespace ornival {

// Runs body(0) … body(count − 1), in no particular order and several at a
// time, on a pool of worker threads made once for the process (one per
// hardware thread), and returns when all have finished. The calling thread
// runs iterations too, so a body may itself call parallelFor without waiting
// on threads that are all busy. Bodies must not throw.
void parallelFor(std::size_t count, const std::function<void(std::size_t)>& body);

}  // namespace ornival
