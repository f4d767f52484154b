// Each area's cases, registered in the order the table lists them.
#pragma once

namespace bench {

void RegisterFloorCases();
void RegisterListCases();
void RegisterPeerCases();
void RegisterComboCases();
void RegisterVectorBoxCases();
void RegisterMenuCases();
void RegisterDrawingCases();

}  // namespace bench
