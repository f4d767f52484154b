// Soak runs: one cycle repeated many times, then checks that the live windows and GDI objects are
// where they were after a warm-up and that resident memory grew no more than a small tolerance.
#pragma once

#include <functional>
#include <string>

#include "fault/fault_fixture.h"

// 10,000 cycles; 500 in the sanitizer build, whose unoptimised code and checked allocations make
// a cycle five to ten times slower, so that each soak stays within a few seconds there too.
int SoakCycles();

class SoakTest : public FaultTest {
protected:
    // Runs `cycle(i)` SoakCycles() times and checks what the cycles left alive. Resident memory is
    // not compared under AddressSanitizer, whose quarantine holds freed memory on purpose; its leak
    // checker watches the heap there instead.
    void Soak(const std::string& what, const std::function<void(int)>& cycle);
};
