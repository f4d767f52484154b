// What the fault and soak tests share: the owner in a plain colour, against which the controls'
// texts are counted.
#pragma once

#include "support/owner_fixture.h"

constexpr COLORREF kOwnerColour = RGB(30, 60, 90);
constexpr COLORREF kTextColour = RGB(255, 40, 40);
constexpr int kNear = 60;  // per channel: antialiased text still counts as its colour

class FaultTest : public OwnerTest {
protected:
    void SetUp() override
    {
        OwnerTest::SetUp();
        PaintBackdrop([](HDC dc) { Fill(dc, RECT{0, 0, 800, 480}, kOwnerColour); });
    }
};
