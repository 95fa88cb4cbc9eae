#pragma once
#include <ostream>

namespace corvane::app {

// `corvane-sim demo`: runs the bundled scenario (examples/road-of-a-reply.yaml, built into the
// program) with a commentary. Returns 0 when it held.
int runDemo(std::ostream& out);

}  // namespace corvane::app
