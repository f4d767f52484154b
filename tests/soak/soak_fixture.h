// Soak runs: one cycle repeated many times, then checks that the live windows and GDI objects are
// where they were after a warm-up and that resident memory grew no more than a small tolerance.
#pragma once

#include <functional>
#include <string>

#include "fault/fault_fixture.h"

// 10,000 cycles; 500 in the sanitizer build, whose unoptimised code and checked allocations make
// a cycle five to ten times slower, so that each soak stays within a few seconds there too; 1,000
// where an emulator runs the tests (RKNAV_EMULATED, a cross build), which is as slow again and
// would take the suite past its 300-s timeout on a slow runner.
int SoakCycles();

class SoakTest : public FaultTest {
protected:
    // Runs `cycle(i)` SoakCycles() times and checks what the cycles left alive. Resident memory is
    // not compared under AddressSanitizer, whose quarantine holds freed memory on purpose; its leak
    // checker watches the heap there instead.
    void Soak(const std::string& what, const std::function<void(int)>& cycle);
};
